#pragma once
// A plain, step-by-step rendering of the block search and the run, kept only to check the
// engine against: no speed-ups, no shared code with it beyond the plan's input fields.

#include <cstdint>
#include <vector>

#include "engine/containerplan.h"

struct LiteralOutcome {
  std::int32_t result = 0;
  std::vector<PlanBlock> bestBlocks;
  std::int32_t sets = 0;
  std::uint32_t usedLength = 0;
  std::vector<std::int64_t> counts;  // the types' counts after the run
  std::uint32_t maxDepth = 0;
  bool gaveUp = false;  // the search took more calls than allowed
};

// Runs the search on a copy of the input of a built plan (box, gaps, types, estimate),
// giving up after maxCalls search calls (0: never).
LiteralOutcome runLiterally(const ContainerPlan& built, std::int32_t maxBlockNum, bool stopAtFirst,
                            std::uint64_t maxCalls = 0);

struct BlockScheme;
struct RunProject;

// The result blocks of a literal outcome, placed and counted step by step.
std::vector<BlockScheme> assembleLiterally(const LiteralOutcome& outcome, const ContainerPlan& built,
                                           const RunProject& project, std::int32_t zOffset,
                                           std::int32_t group);
