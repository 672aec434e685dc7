// The plans of both planners keep every rule the checker knows: random projects, zoned or
// not, with cartons that must stay upright or may lie on top, and the examples.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "check/projectplan.h"
#include "check/violationtext.h"
#include "commands/calculate.h"
#include "engine/maxload/maxloadproject.h"
#include "model/fillscheme.h"
#include "model/projectfile.h"
#include "randomprojects.h"

namespace check {
namespace {

// A third of the projects get mixed position requirements.
RandomCase withZones(RandomCase c, std::uint32_t seed) {
  std::mt19937 dice(seed);
  if (dice() % 3 == 0)
    for (Carton& carton : c.project.input.cartons)
      carton.spaceIndex = static_cast<std::int32_t>(100 * (dice() % 3));
  return c;
}

// The random projects of the engine tests: small containers of a few types or of many, and
// the demo container with up to fourteen types.
RandomCase projectOfSeed(std::uint32_t seed) {
  return withZones(seed % 3 == 0 ? randomCase(seed)
                   : seed % 3 == 1
                       ? manyTypeCase(seed)
                       : RandomCase{demoContainerProject(seed, 1, 14, seed % 2 == 0), 6, false},
                   seed);
}

std::string firstViolation(const CheckReport& report, const CheckInput& input) {
  return report.holds() ? std::string() : describeViolation(report.violations[0], input);
}

const std::vector<BlockScheme>& blocksOf(const FillScheme& p) {
  static const std::vector<BlockScheme> none;
  return p.result.empty() ? none : p.result.containers[0].blocks;
}

// The checker's input for the project's one loaded container.
CheckInput resultInput(const FillScheme& p) {
  const LoadedContainer none{p.container, {}};
  return loadedContainerCheckInput(p, p.result, p.result.empty() ? none : p.result.containers[0]);
}

bool hasLyingCarton(const FillScheme& p) {
  return std::any_of(blocksOf(p).begin(), blocksOf(p).end(), [&](const BlockScheme& b) {
    return p.cartons[static_cast<std::size_t>(b.cartonIndex)].mustUp && b.orientation != 2 &&
           b.orientation != 3;
  });
}

// The sets planner as the Run command runs it; its plans claim no support.
struct SetsOutcome {
  bool loaded = false;
  RunMode mode = RunMode::None;
  FillScheme result;
};

SetsOutcome planSets(const FillScheme& project, std::int32_t maxBlockNum) {
  CalculationRequest request = calculationRequest(project, Settings{});
  request.planningMode = PlanningMode::Sets;
  request.maxBlockNum = maxBlockNum;
  CancelToken token;
  token.setTimeLimit(std::chrono::seconds(3));  // a rare random project searches for long
  const CalculationReport report = calculate(request, token);
  SetsOutcome outcome;
  outcome.loaded = report.status == CalculationStatus::Loaded;
  outcome.mode = report.mode;
  outcome.result = project;
  applyReport(report, outcome.result);
  return outcome;
}

TEST(PlannerPlans, everyPlanOfTheSetsPlannerHolds) {
  int loaded = 0, zoned = 0, lying = 0, severalSets = 0, zonesSwappedBreak = 0;
  for (std::uint32_t seed = 0; seed < 70; ++seed) {
    const RandomCase c = projectOfSeed(seed);
    FillScheme project;
    project.input() = c.project.input;
    const SetsOutcome outcome = planSets(project, c.maxBlockNum);
    if (!outcome.loaded) continue;
    const CheckInput input = resultInput(outcome.result);
    const CheckReport report = checkPlan(input);
    EXPECT_TRUE(report.holds()) << "seed " << seed << ": " << firstViolation(report, input);
    ++loaded;
    zoned += outcome.mode == RunMode::Zoned;
    // The same plan read with the door and the inner end swapped breaks the zones.
    CheckInput swapped = input;
    for (CartonType& type : swapped.types) type.zone = kZoneDoor - type.zone;
    zonesSwappedBreak += !checkPlan(swapped).holds();
    lying += hasLyingCarton(outcome.result);
    severalSets += input.setCount > 1;
  }
  // The projects reach every kind of plan.
  EXPECT_GT(loaded, 50);
  EXPECT_GT(zoned, 5);
  EXPECT_GT(lying, 10);
  EXPECT_GT(severalSets, 10);
  EXPECT_GT(zonesSwappedBreak, 2);  // the check of zones is not idle
}

// The load-max planner with a fixed effort, so that every machine gets the same plan.
MaxLoadResult planLoadMax(FillScheme& project, std::int32_t supportPercent) {
  MaxLoadOptions options;
  options.supportPercent = supportPercent;
  options.timeLimitSeconds = 0;
  options.effortBudget = 300'000;
  options.threads = 1;
  MaxLoadResult plan = loadAsMuchAsFits(project, options);
  project.result = {};
  project.result.mode = PlanningMode::LoadMax;
  project.result.supportPercent = supportPercent;
  project.result.containers.push_back(LoadedContainer{project.container, plan.blocks});
  return plan;
}

std::vector<PlacedCarton> sorted(std::vector<PlacedCarton> cartons) {
  std::sort(cartons.begin(), cartons.end(), [](const PlacedCarton& a, const PlacedCarton& b) {
    return std::tie(a.x, a.y, a.z, a.type) < std::tie(b.x, b.y, b.z, b.type);
  });
  return cartons;
}

TEST(PlannerPlans, everyPlanOfTheLoadMaxPlannerHoldsWithTheSupportItWasMadeWith) {
  int loaded = 0, lying = 0, partlyCarried = 0;
  // Small containers only, where a plan of a few hundred thousand placements is quick.
  for (std::uint32_t seed = 0; seed < 40; ++seed) {
    FillScheme project;
    project.input() = withZones(randomCase(seed), seed).project.input;
    const std::int32_t support = std::array{0, 50, 80, 100}[seed % 4];
    const MaxLoadResult result = planLoadMax(project, support);
    CheckInput input = projectCheckInput(project, support, 0);
    for (const MaxLoadPlacement& p : result.placements)
      input.cartons.push_back({p.cartonIndex, p.x, p.y, p.z, p.sizeX, p.sizeY, p.sizeZ});
    const CheckReport report = checkPlan(input);
    EXPECT_TRUE(report.holds()) << "seed " << seed << ": " << firstViolation(report, input);
    // Its result blocks hold the same cartons.
    EXPECT_EQ(sorted(cartonsOfBlocks(blocksOf(project))), sorted(input.cartons)) << "seed " << seed;
    loaded += !result.placements.empty();
    lying += hasLyingCarton(project);
    if (support > 0 && support < 100) {
      input.supportPercent = 100;
      partlyCarried += !checkPlan(input).holds();
    }
  }
  EXPECT_GT(loaded, 30);
  EXPECT_GT(lying, 5);
  EXPECT_GT(partlyCarried, 0);  // the check of support is not idle
}

TEST(PlannerPlans, thePlansOfTheExamplesHold) {
  for (const char* name : {"demo.pak", "mixed.pak", "positions.pak"}) {
    FillScheme project;
    ASSERT_TRUE(loadProjectFile(std::string(CARGOLYX_EXAMPLES_DIR) + "/" + name, project)) << name;
    for (const std::int32_t spacing : {0, 5}) {
      project.spacingL = project.spacingW = project.spacingH = spacing;
      const SetsOutcome sets = planSets(project, 6);
      // Without spacing, as they were made for, every example loads.
      EXPECT_TRUE(sets.loaded || spacing > 0) << name;
      const CheckInput setsInput = resultInput(sets.result);
      const CheckReport setsReport = checkPlan(setsInput);
      EXPECT_TRUE(setsReport.holds()) << name << ": " << firstViolation(setsReport, setsInput);

      FillScheme loadMax = project;
      planLoadMax(loadMax, 100);
      const CheckInput maxInput = resultInput(loadMax);
      const CheckReport maxReport = checkPlan(maxInput);
      EXPECT_FALSE(maxInput.cartons.empty()) << name;
      EXPECT_TRUE(maxReport.holds()) << name << ": " << firstViolation(maxReport, maxInput);
    }
  }
}

}  // namespace
}  // namespace check
