#pragma once
// The checks of the Run command before a calculation starts: refuse, ask, or go.

#include <string>

struct FillScheme;

enum class PreRunCheck {
  Go,              // run without a question
  NoCartons,       // M1 (the window also refreshes the result list)
  TooManySets,     // M2
  OverWeight,      // M3
  DoesNotFit,      // M4
  MixedUnderHalf,  // M5
  AskUnderHalf,    // Q1
  AskUnder85,      // Q2
};

// Most complete sets a calculation may aim at; more means the cartons are too small or
// the container too large.
inline constexpr int kMaxRunnableSets = 20000;

// Decides what the Run command does with the project. Calls computeMaxSets first, which
// stores maxSets in the project; nothing else changes.
PreRunCheck checkBeforeRun(FillScheme& project);
// Q1 or Q2: the user is asked, and No stops the run.
bool isQuestion(PreRunCheck check);
// True for M1 to M5: the run is refused.
bool isRefusal(PreRunCheck check);
// The exact text of M1 to M5, Q1 or Q2; empty for Go.
std::string preRunMessage(PreRunCheck check);
// M6: shown when a calculation that was not cancelled loaded nothing.
std::string nothingLoadedMessage();
