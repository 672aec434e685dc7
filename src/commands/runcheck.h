#pragma once
// The checks of the Run command before a calculation starts: refuse, ask, or go.

#include <string>

struct ProjectInput;

enum class PreRunCheck {
  Go,              // run without a question
  NoCartons,       // refused: no cartons entered (the window also refreshes the result list)
  TooManySets,     // refused: the container holds too many cartons
  OverWeight,      // refused: not one set within the weight limit
  DoesNotFit,      // refused: not one set fits
  MixedUnderHalf,  // refused: under half full with position requirements
  AskUnderHalf,    // asks: under half full, calculate whole sets?
  AskUnder85,      // asks: under 85 % full, calculate anyway?
};

// Most complete sets a calculation may aim at; more means the cartons are too small or
// the container too large.
inline constexpr int kMaxRunnableSets = 20000;

// Decides what the Run command does with the project (its computeMaxSets and fill).
PreRunCheck checkBeforeRun(const ProjectInput& project);
// One of the two questions: the user is asked, and No stops the run.
bool isQuestion(PreRunCheck check);
// True for the five refusals: the run does not start.
bool isRefusal(PreRunCheck check);
// Refusals because the cartons are more than the container takes, by volume or weight:
// loading as many as fit is worth offering instead.
bool isTooMuchCargo(PreRunCheck check);
// The text of a refusal or question; empty for Go.
std::string preRunMessage(PreRunCheck check);
// Shown when a calculation that was not cancelled loaded nothing.
std::string nothingLoadedMessage();
// Refuses a load-max run in a container with no inside.
std::string emptyContainerMessage();
