#include "engine/calculation.h"

#include <algorithm>
#include <map>

#include "engine/resultassembly.h"
#include "engine/truncate.h"
#include "model/settings.h"

namespace {

// Cartons per group within one position requirement.
constexpr std::int64_t kGroupSize = 6;
// The position requirements, planned from the inner end to the door.
constexpr std::int32_t kRequirementBases[] = {kSpaceInner, kSpaceNone, kSpaceDoor};

}  // namespace

void assignGroupKeys(RunProject& project) {
  std::map<std::int32_t, std::int64_t> seen;  // cartons so far per spaceIndex
  project.groupKeys.clear();
  for (const Carton& carton : project.input.cartons) {
    const std::int64_t before = seen[carton.spaceIndex]++;
    project.groupKeys.push_back(clampToInt32(carton.spaceIndex + before / kGroupSize));
  }
}

bool groupExists(const RunProject& project, std::int32_t key) {
  return std::find(project.groupKeys.begin(), project.groupKeys.end(), key) != project.groupKeys.end();
}

bool laterGroupExists(const RunProject& project, std::int32_t key) {
  return std::any_of(project.groupKeys.begin(), project.groupKeys.end(),
                     [key](std::int32_t k) { return k > key; });
}

bool hasSeveralGroups(const RunProject& project) {
  if (project.groupKeys.empty()) return false;
  const std::int32_t first = project.groupKeys.front();
  return std::any_of(project.groupKeys.begin(), project.groupKeys.end(),
                     [first](std::int32_t k) { return k != first; });
}

void clearBlocks(RunProject& project) { project.blocks.clear(); }

ContainerPlan& CalculationRun::buildPlan(const RunProject& project, std::int32_t group,
                                         std::int32_t length) {
  engine = ::buildPlan(project, group, length);
  engine->setCancelFlag(stopFlag_);
  return *engine;
}

void CalculationRun::startRun(RunProject& project) {
  cancelRequested.store(false);
  assignGroupKeys(project);
}

RunOutcome CalculationRun::execute(RunProject& project, const Settings& settings) {
  clearBlocks(project);
  RunOutcome outcome;
  std::int32_t result = 0;
  if (project.input.volumeRatio() > 0.5 && hasSeveralGroups(project)) {
    outcome.mode = RunMode::Zoned;
    result = runZoned(project, settings.maxBlockNum);
  } else {
    outcome.mode = RunMode::Single;
    result = runSingle(project, settings.maxBlockNum);
  }
  outcome.success = result > 0;
  return outcome;
}

void CalculationRun::finishRun(RunProject& project, bool success) {
  if (!success || stopFlag_->load()) clearBlocks(project);
}

std::int32_t CalculationRun::runSingle(RunProject& project, std::int32_t maxBlockNum) {
  buildPlan(project, -1, project.input.container.length);
  const std::int32_t result = engine->run(maxBlockNum, false).sets;
  assembleResults(*engine, project, 0, -1);
  return result;
}

std::int32_t CalculationRun::runZoned(RunProject& project, std::int32_t maxBlockNum) {
  // Groups go one behind the other along the length, inner-end cartons first and door
  // cartons last; each but the last is squeezed into the shortest slab it fits in.
  const std::int32_t containerLength = project.input.container.length;
  std::int32_t remainingLength = containerLength;
  std::int32_t result = 0;
  // A requirement with more than 600 carton types runs on into the next one's keys;
  // every key is planned once.
  std::int64_t nextKey = kSpaceInner;
  for (const std::int32_t base : kRequirementBases) {
    for (std::int64_t key = std::max<std::int64_t>(base, nextKey);
         key <= INT32_MAX && groupExists(project, static_cast<std::int32_t>(key)); ++key) {
      const auto group = static_cast<std::int32_t>(key);
      std::int32_t used = 0;
      if (laterGroupExists(project, group)) {
        used = shortestFittingLength(project, group, remainingLength, maxBlockNum);
      } else {
        buildPlan(project, group, remainingLength);
      }
      result = engine->run(maxBlockNum, true).sets;
      assembleResults(*engine, project, containerLength - remainingLength, group);
      remainingLength -= used;
      nextKey = key + 1;
    }
  }
  return result;
}

std::int32_t CalculationRun::shortestFittingLength(const RunProject& project, std::int32_t key,
                                                   std::int32_t length,
                                                   std::int32_t maxBlockNum) {
  // Shrinks the slab to just below the length the group's plan occupies until it no longer
  // fits, then steps back by 1 mm: the group last fitted there (1 mm when it never did).
  // Leaves engine prepared for that length. One plan serves every step, so the branches
  // one step proved to fail are skipped by the next.
  buildPlan(project, key, length);
  std::int32_t used = 0;
  while (engine->run(maxBlockNum, true).found()) {
    const std::int64_t shorter = static_cast<std::int64_t>(engine->result().usedLength) - 1;
    // A plan always lies within its box, so the slab shrinks at every step.
    if (shorter >= static_cast<std::int64_t>(engine->input().spaceZ)) break;
    used = static_cast<std::int32_t>(shorter);
    engine->changeLength(used);
  }
  ++used;
  engine->changeLength(used);
  return used;
}
