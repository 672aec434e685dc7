// The packing engine on a fixed suite of projects: time per run and search calls per second.
//
// Hand-made projects cover one carton type in each depth band of the search (set estimate
// below 1357, 1357 to 2467, 2468 and more), two and three types, four to six types (set
// bisection), and seven or more (zoned run), with and without spacing and upright cartons.
// Published instances (data/README.md) add realistic carton mixes.

#include <benchmark/benchmark.h>

#include <functional>
#include <random>
#include <stdexcept>

#include "engine/calculation.h"
#include "engine/runproject.h"
#include "engine/containerplan.h"
#include "model/projectfile.h"
#include "model/settings.h"
#include "thpack.h"

namespace {

struct CartonSpec {
  int length, width, height;
  double weight;
  int count;
  bool mustUp = false;
  int upendLayers = 0;
  int spaceIndex = kSpaceNone;
};

FillScheme project(std::initializer_list<CartonSpec> cartons, int spacingL = 0, int spacingW = 0,
                   int spacingH = 0, Container container = Container{}) {
  FillScheme p;
  p.spacingL = spacingL;
  p.spacingW = spacingW;
  p.spacingH = spacingH;
  p.container = container;
  for (const CartonSpec& s : cartons) {
    Carton& c = p.addCarton();
    c.length = s.length;
    c.width = s.width;
    c.height = s.height;
    c.weight = s.weight;
    c.count = s.count;
    c.mustUp = s.mustUp;
    c.upendLayers = s.upendLayers;
    c.spaceIndex = s.spaceIndex;
  }
  return p;
}

FillScheme example(const std::string& name) {
  FillScheme p;
  p.spacingL = p.spacingW = p.spacingH = 0;
  if (!loadProjectFile(std::string(CARGOLYX_EXAMPLES_DIR) + "/" + name, p))
    throw std::runtime_error("cannot read " + name);
  return p;
}

FillScheme published(const std::string& file, int instance, int countDivisor) {
  const bool orLibraryBr = file.rfind("BR", 0) == 0;
  auto p = thpackProject(std::string(CARGOLYX_BENCH_DATA_DIR) + "/" + file, instance,
                         orLibraryBr ? 10 : 1, orLibraryBr, countDivisor);
  if (!p) throw std::runtime_error("cannot read " + file);
  return *p;
}

// One engine run on the whole container, as the single run does it.
void singleRun(benchmark::State& state, const FillScheme& p) {
  const Settings settings;
  std::uint64_t nodes = 0;
  std::int32_t result = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto plan = buildPlan(RunProject(p.input()), -1, p.container.length);
    state.ResumeTiming();
    result = plan->run(settings.maxBlockNum, false).sets;
    nodes += plan->statistics().searchNodes;
  }
  state.counters["sets"] = result;
  state.counters["nodes"] = benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kAvgIterations);
  state.counters["nodes/s"] = benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
}

// The whole calculation as the Run command starts it: zoned or single.
void calculation(benchmark::State& state, const FillScheme& original) {
  const Settings settings;
  bool success = false;
  for (auto _ : state) {
    state.PauseTiming();
    RunProject p(original.input());
    CalculationRun run;
    run.startRun(p);
    state.ResumeTiming();
    success = run.execute(p, settings).success;
  }
  state.counters["loaded"] = success;
}

void registerRun(const std::string& name, std::function<FillScheme()> make, bool wholeCalculation = false) {
  auto* b = benchmark::RegisterBenchmark(name.c_str(), [make, wholeCalculation](benchmark::State& state) {
    const FillScheme p = make();
    if (wholeCalculation) {
      calculation(state, p);
    } else {
      singleRun(state, p);
    }
  });
  b->Unit(benchmark::kMillisecond)->UseRealTime();
}

// count types of random cartons (200 to 700 mm, 5 kg, one to three of each) in the demo
// container; the same on every machine.
FillScheme manyTypes(int count, std::uint32_t seed) {
  std::mt19937 dice(seed);
  FillScheme p;
  p.spacingL = p.spacingW = p.spacingH = 0;
  for (int i = 0; i < count; ++i) {
    Carton& c = p.addCarton();
    c.length = 200 + static_cast<int>(dice() % 500);
    c.width = 200 + static_cast<int>(dice() % 400);
    c.height = 200 + static_cast<int>(dice() % 400);
    c.count = 1 + static_cast<int>(dice() % 3);
    c.weight = 5;
  }
  return p;
}

const Container k40ft{"40尺高柜", 12030, 2350, 2690, 26000};

int registerSuite() {
  // One type, estimate below 1357: up to 4 blocks.
  registerRun("one_type/estimate_923", [] { return project({{600, 400, 300, 10, 1}}); });
  registerRun("one_type/estimate_below_1357_spacing", [] { return project({{600, 400, 300, 10, 1}}, 10, 5, 5); });
  // 1357 to 2467: up to 3 blocks.
  registerRun("one_type/estimate_2216", [] { return project({{400, 300, 250, 4, 1}}); });
  // 2468 and more: up to 2 blocks.
  registerRun("one_type/estimate_7388_upright", [] { return project({{300, 200, 150, 1, 1, true}}); });
  registerRun("one_type/demo", [] { return example("demo.pak"); });
  // Two types.
  registerRun("two_types/estimate_below_456", [] {
    return project({{600, 400, 300, 10, 10}, {500, 350, 450, 12, 6}});
  });
  registerRun("two_types/upright_spacing", [] {
    return project({{600, 400, 300, 10, 10, true, 1}, {500, 350, 450, 12, 6}}, 10, 5, 5);
  });
  // Three types.
  registerRun("three_types/mixed_example", [] { return example("mixed.pak"); });
  registerRun("three_types/appliances_spacing", [] {
    FillScheme p = example("mixed.pak");
    p.spacingL = 10;
    p.spacingW = p.spacingH = 5;
    return p;
  });
  registerRun("three_types/br1_6", [] { return published("BR1.txt", 6, 4); });
  // Small cartons, few of each in a set: 162 sets, some seconds.
  registerRun("three_types/small_cartons_spacing", [] {
    return project({{405, 431, 276, 5, 5}, {516, 329, 518, 5, 1}, {321, 199, 150, 5, 6}}, 10, 5, 5);
  });
  // Four to six types: the set bisection.
  registerRun("four_to_six_types/five_types", [] {
    return project({{600, 400, 300, 10, 4}, {500, 400, 400, 12, 2}, {800, 600, 500, 20, 1},
                    {400, 300, 300, 5, 6, true}, {1000, 500, 450, 25, 1}});
  });
  registerRun("four_to_six_types/br2_1", [] { return published("BR2.txt", 1, 4); });
  registerRun("four_to_six_types/ln5_upright", [] { return published("LN.txt", 5, 1); });
  // Seven or more types: the zoned run, group by group.
  registerRun("seven_or_more/ln1_zoned", [] { return published("LN.txt", 1, 1); }, true);
  registerRun("seven_or_more/br3_1_zoned", [] { return published("BR3.txt", 1, 1); }, true);
  registerRun("seven_or_more/br3_4_single", [] { return published("BR3.txt", 4, 4); }, true);
  registerRun("examples/positions_zoned", [] { return example("positions.pak"); }, true);
  // The container's size: the three appliances of the mixed example in 12 m and 100 m.
  registerRun("container_size/mixed_12m", [] { return example("mixed.pak"); });
  registerRun("container_size/mixed_100m", [] {
    FillScheme p = example("mixed.pak");
    p.container.length = 100000;
    return p;
  });
  // Many types in one run: two hundred kinds of one to three cartons each (the whole-slab
  // search with set bisection over all of them).
  registerRun("many_types/two_hundred", [] { return manyTypes(200, 1); });
  registerRun("many_types/twelve_small", [] { return manyTypes(12, 1); });
  return 0;
}

const int registered = registerSuite();

}  // namespace
