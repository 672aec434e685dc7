// cargolyx-check-search FIRST_SEED END_SEED: the long form of the search equivalence test.
// Compares the engine with the step-by-step rendering on every seed of the range, however
// long the plain search takes, and prints the seeds that differ.

#include <cstdio>
#include <cstdlib>

#include "engine/containerplan.h"
#include "literalplan.h"
#include "randomprojects.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: cargolyx-check-search FIRST_SEED END_SEED\n");
    return 2;
  }
  const auto first = static_cast<std::uint32_t>(std::strtoul(argv[1], nullptr, 10));
  const auto end = static_cast<std::uint32_t>(std::strtoul(argv[2], nullptr, 10));
  int differing = 0;
  for (std::uint32_t seed = first; seed < end; ++seed) {
    RandomCase c = randomCase(seed);
    auto plan = buildPlan(c.project, -1, c.project.input.container.length);
    const LiteralOutcome expected = runLiterally(*plan, c.maxBlockNum, c.stopAtFirst);
    const std::int32_t result = plan->run(c.maxBlockNum, c.stopAtFirst).sets;
    const PlanResult& r = plan->result();
    bool same = result == expected.result && r.sets == expected.sets &&
                r.blockCount == expected.bestBlocks.size();
    for (std::size_t i = 0; same && i < expected.bestBlocks.size(); ++i)
      same = r.blocks[i] == expected.bestBlocks[i];
    if (same && r.blockCount > 0) same = r.usedLength == expected.usedLength;
    for (std::uint32_t i = 0; same && i < plan->typeCount(); ++i) same = plan->cartonsPerSet(i) == expected.counts[i];
    if (!same) {
      ++differing;
      std::printf("seed %u differs\n", seed);
    }
  }
  std::printf("%u seeds, %d differ\n", end - first, differing);
  return differing == 0 ? 0 : 1;
}
