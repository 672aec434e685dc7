#pragma once
// What the verbs that calculate share: FILE.pak (or a packing list with --container) with
// --spacing and --max-blocks, and the
// calculation as the Run command does it, answering its questions with Yes.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "commands/calculate.h"
#include "model/container.h"

struct FillScheme;

inline constexpr int kExitInterrupted = 130;  // 128 + SIGINT, as the shell reports an interrupt

struct CalculationOptions {
  std::string path;
  std::optional<Container> container;  // --container, for a packing list
  std::int32_t spacingL = 0, spacingW = 0, spacingH = 0;  // a fresh program's settings
  std::int32_t maxBlockNum = 6;
  std::int32_t timeLimitSeconds = 0;  // 0: no limit (the sets mode stops at it)
  PlanningMode mode = PlanningMode::Sets;
  std::int32_t supportPercent = 100;  // load-max: share of each base that must rest on something
  double loadMaxTimeLimit = 2.0;      // load-max: seconds, then the best plan found is kept
};

// A verb's own options: given the arguments and the position of one that is not shared, it
// returns how many arguments it took, 0 when the option is not the verb's, or -1 after
// telling on stderr what is wrong with its value.
using VerbOptions = std::function<int(const std::vector<std::string>& args, std::size_t at)>;

// The options, or nothing after telling on stderr what is wrong (with the usage). A packing
// list (.csv) needs --container.
std::optional<CalculationOptions> parseCalculationOptions(const std::vector<std::string>& args,
                                                          const char* usage, const VerbOptions& verbOptions);

// Reads the project, calculates it with the calculation call and puts the report into the
// project; Ctrl-C cancels. Nothing, with the exit status in *stopStatus, when the project
// cannot be read, or the calculation was cancelled or ran out of time (after a message on
// stderr).
std::optional<CalculationReport> calculateProject(const CalculationOptions& options, FillScheme& project,
                                           int* stopStatus);

// The exit status of a report: loaded, nothing loaded, refused, interrupted, timed out.
int exitStatus(CalculationStatus status);
