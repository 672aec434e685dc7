#pragma once
// What the verbs that calculate share: FILE.pak with --spacing and --max-blocks, and the
// calculation as the Run command does it, answering its questions with Yes.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/calculation.h"

struct FillScheme;

inline constexpr int kExitInterrupted = 130;  // 128 + SIGINT, as the shell reports an interrupt

struct CalculationOptions {
  std::string path;
  std::int32_t spacingL = 0, spacingW = 0, spacingH = 0;  // a fresh program's settings
  std::int32_t maxBlockNum = 6;
};

// A verb's own options: given the arguments and the position of one that is not shared, it
// returns how many arguments it took, 0 when the option is not the verb's, or -1 after
// telling on stderr what is wrong with its value.
using VerbOptions = std::function<int(const std::vector<std::string>& args, std::size_t at)>;

// The options, or nothing after telling on stderr what is wrong (with the usage).
std::optional<CalculationOptions> parseCalculationOptions(const std::vector<std::string>& args,
                                                          const char* usage, const VerbOptions& verbOptions);

enum class PlanStatus { Loaded, NothingLoaded, Refused };

// What the calculation came to.
struct PlanReport {
  PlanStatus status = PlanStatus::Refused;
  std::string message;   // M1 to M6, or empty
  std::string question;  // Q1 or Q2 when it would have been asked, else empty
  RunMode mode = RunMode::None;
};

// Reads the project and calculates it; Ctrl-C cancels. Nothing, with the exit status in
// *stopStatus, when the project cannot be read (after a message on stderr) or the
// calculation was cancelled.
std::optional<PlanReport> calculateProject(const CalculationOptions& options, FillScheme& project,
                                           int* stopStatus);

// kExitLoaded, kExitNothingLoaded or kExitRefused.
int exitStatus(PlanStatus status);
