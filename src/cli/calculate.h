#pragma once
// The calculation the verbs run: the project of the options, calculated as the Run command
// does it (its questions answered with Yes) by the planner --mode names, Ctrl-C cancelling.

#include <optional>

#include "commands/calculate.h"

struct CliOptions;
struct FillScheme;

// Reads the project, applies --spacing, calculates and puts the report's result into the
// project; the request it planned goes into *planned when given. Nothing, with the exit
// status in *stopStatus, when the project cannot be read, or the calculation was cancelled
// or ran out of time (after a message on stderr).
std::optional<CalculationReport> calculateProject(const CliOptions& options, FillScheme& project, int* stopStatus,
                                                  CalculationRequest* planned = nullptr);

// The exit status of a report: loaded, nothing loaded, refused, interrupted, timed out.
int exitStatus(CalculationStatus status);
