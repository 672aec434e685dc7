// The pallet planner, measured. A plain program:
//   build/bench/pallet_bench [--small N] [--cover N] [--orders N] [--time-limit S] [--seed K]
//
// 1. One carton size on one pallet (the pallet loading problem), small layers: generated
//    sizes in whole units (10 to 20 units a side), each layer's optimum counted by the
//    exhaustive count of the tests (tests/support/palletexhaustive.h); every layer the
//    planner does not reach is listed.
// 2. Larger layers of the published kinds (Cover I: 6 to 50 cartons by area, Cover II: 51 to
//    100; pallet sides in a ratio of 1 to 2, carton sides 1 to 4): the planner's count against
//    the area bound, and how many of them it proves best.
// 3. Generated orders: cartons of several types, most going onto EUR or ISO pallets, the rest
//    loose, planned into one 40 ft high cube (load-max) and into as many containers as needed
//    (several containers). Pallets built and loaded, fill, leftovers, time; every plan is held
//    against the plan checker on both levels.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "check/palletcheck.h"
#include "check/projectplan.h"
#include "engine/pallet/layerpattern.h"
#include "engine/pallet/pallet.h"
#include "engine/pallet/palletproject.h"
#include "model/fillscheme.h"
#include "palletexhaustive.h"

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

struct Options {
  int small = 200;
  int cover = 400;
  int orders = 12;
  double timeLimit = 10;
  unsigned seed = 1;
};

Options parse(int argc, char** argv) {
  Options o;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string key = argv[i];
    if (key == "--small") o.small = std::atoi(argv[i + 1]);
    else if (key == "--cover") o.cover = std::atoi(argv[i + 1]);
    else if (key == "--orders") o.orders = std::atoi(argv[i + 1]);
    else if (key == "--time-limit") o.timeLimit = std::atof(argv[i + 1]);
    else if (key == "--seed") o.seed = static_cast<unsigned>(std::atoi(argv[i + 1]));
  }
  return o;
}

// ---- 1. Small layers against the exhaustive count

void smallLayers(const Options& o) {
  std::mt19937 random(o.seed);
  std::set<std::tuple<int, int, int, int>> seen;
  int reached = 0, cases = 0;
  double plannerSeconds = 0, exhaustiveSeconds = 0;
  std::printf("1. Small layers, %d generated (sides 10-20 units, 3-12 cartons by area), 1 unit = 50 mm\n", o.small);
  std::printf("   %-18s %8s %8s %8s\n", "pallet x carton", "optimum", "planner", "");
  while (cases < o.small) {
    int X = std::uniform_int_distribution<int>(10, 20)(random), Z = std::uniform_int_distribution<int>(10, 20)(random);
    int a = std::uniform_int_distribution<int>(2, 9)(random), b = std::uniform_int_distribution<int>(2, 9)(random);
    if (X > Z) std::swap(X, Z);
    if (a < b) std::swap(a, b);
    const int byArea = (X * Z) / (a * b);
    if (byArea < 3 || byArea > 12 || !seen.insert({X, Z, a, b}).second) continue;
    ++cases;
    Clock::time_point start = Clock::now();
    const pallet::LayerPattern best = pallet::bestLayer(X * 50, Z * 50, a * 50, b * 50);
    plannerSeconds += secondsSince(start);
    start = Clock::now();
    const std::int64_t optimum = exhaustive::mostRectangles(X, Z, a, b);
    exhaustiveSeconds += secondsSince(start);
    const bool ok = best.count == optimum;
    reached += ok ? 1 : 0;
    char name[64];
    std::snprintf(name, sizeof name, "%dx%d / %dx%d", X, Z, a, b);
    std::printf("   %-18s %8lld %8lld %8s\n", name, static_cast<long long>(optimum), static_cast<long long>(best.count),
                ok ? "reached" : "MISSED");
  }
  std::printf("   reached %d of %d; planner %.3f s in all, exhaustive count %.1f s\n\n", reached, cases, plannerSeconds,
              exhaustiveSeconds);
}

// ---- 2. Cover I and Cover II against the area bound

void coverClass(const Options& o, const char* name, int lowest, int highest, unsigned seed) {
  std::mt19937 random(seed);
  std::set<std::tuple<int, int, int, int>> seen;
  int cases = 0, atBound = 0, proven = 0;
  std::int64_t cartons = 0, bound = 0;
  int worstGap = 0;
  double seconds = 0, slowest = 0;
  while (cases < o.cover) {
    // Pallet sides 1 to 2, carton sides 1 to 4, in millimetres of pallet-like sizes.
    const int W = std::uniform_int_distribution<int>(600, 1200)(random);
    const int L = std::uniform_int_distribution<int>(W, std::min(2 * W, 1600))(random);
    const int w = std::uniform_int_distribution<int>(60, 400)(random);
    const int l = std::uniform_int_distribution<int>(w, 4 * w)(random);
    const std::int64_t byArea = (std::int64_t{L} * W) / (std::int64_t{l} * w);
    if (byArea < lowest || byArea > highest || !seen.insert({L, W, l, w}).second) continue;
    ++cases;
    const Clock::time_point start = Clock::now();
    const pallet::LayerPattern best = pallet::bestLayer(W, L, l, w);
    const double took = secondsSince(start);
    seconds += took;
    slowest = std::max(slowest, took);
    const std::int64_t b = pallet::layerAreaBound(W, L, l, w);
    cartons += best.count;
    bound += b;
    atBound += best.count == b ? 1 : 0;
    proven += best.provenBest ? 1 : 0;
    worstGap = std::max(worstGap, static_cast<int>(b - best.count));
  }
  std::printf("   %-9s %4d layers: at the area bound %4d (%.1f%%), proven best %4d, cartons %lld of %lld by area "
              "(%.3f%%), worst %d below; %.2f s in all, slowest %.3f s\n",
              name, cases, atBound, 100.0 * atBound / cases, proven, static_cast<long long>(cartons),
              static_cast<long long>(bound), 100.0 * double(cartons) / double(bound), worstGap, seconds, slowest);
}

// ---- 3. Generated orders

FillScheme generatedOrder(std::mt19937& random, int types) {
  FillScheme p;
  p.container = Container{"40尺高柜", 12032, 2352, 2698, 26500};
  const char* const pallets[] = {"EUR", "EUR", "ISO", ""};
  for (int i = 0; i < types; ++i) {
    Carton& c = p.addCarton();
    c.length = std::uniform_int_distribution<int>(250, 650)(random);
    c.width = std::uniform_int_distribution<int>(200, c.length)(random);
    c.height = std::uniform_int_distribution<int>(150, 500)(random);
    c.weight = std::uniform_int_distribution<int>(2, 30)(random);
    c.count = std::uniform_int_distribution<int>(20, 260)(random);
    c.mustUp = std::uniform_int_distribution<int>(0, 2)(random) == 0;
    c.pallet = pallets[std::uniform_int_distribution<int>(0, 3)(random)];
  }
  return p;
}

struct OrderFigures {
  int pallets = 0, loadedPallets = 0, containers = 0;
  std::int64_t loose = 0, leftovers = 0, entered = 0;
  double fill = 0, seconds = 0;
  bool holds = false;
};

OrderFigures planOrder(const FillScheme& project, PalletLoading loading, double timeLimit) {
  PalletPlanInput input = palletInputFromProject(project);
  input.loading = loading;
  input.timeLimitSeconds = timeLimit;
  const Clock::time_point start = Clock::now();
  PalletPlanResult plan = planPallets(input);
  OrderFigures f;
  f.seconds = secondsSince(start);
  f.pallets = plan.palletsBuilt;
  f.loadedPallets = static_cast<int>(plan.pallets.size());
  for (const Carton& c : project.cartons) f.entered += c.count;
  for (const std::int32_t l : plan.leftovers) f.leftovers += l;
  ProjectResult result;
  result.mode = PlanningMode::Pallets;
  result.supportPercent = input.cargo.supportPercent;
  result.pallets = plan.pallets;
  const std::vector<ContainerType> types = project.fleetOrContainer();
  double net = 0, room = 0;
  for (const LoadedPallet& pallet : plan.pallets)
    for (const BlockScheme& b : pallet.blocks) net += b.netVolume();
  for (PalletLoad& load : plan.containers) {
    LoadedContainer loaded;
    loaded.container = types[static_cast<std::size_t>(load.type)].container;
    room += loaded.container.volume();
    for (const BlockScheme& b : load.blocks) {
      net += b.netVolume();
      f.loose += b.count;
    }
    loaded.blocks = std::move(load.blocks);
    loaded.pallets = std::move(load.pallets);
    result.containers.push_back(std::move(loaded));
  }
  f.containers = static_cast<int>(result.containers.size());
  f.fill = room > 0 ? net / room : 0;
  f.holds = check::checkNestedPlan(check::nestedPlanOfResult(project, result)).holds();
  return f;
}

void orders(const Options& o) {
  std::mt19937 random(o.seed + 7);
  std::printf("3. Generated orders (4-8 carton types, about three in four onto EUR or ISO pallets), time limit %.0f s\n",
              o.timeLimit);
  std::printf("   %-5s %-6s %6s %7s %6s %6s %10s %9s %6s %7s %s\n", "order", "mode", "types", "cartons", "built",
              "loaded", "containers", "leftovers", "fill", "seconds", "check");
  int holding = 0, plans = 0;
  for (int k = 0; k < o.orders; ++k) {
    FillScheme project = generatedOrder(random, std::uniform_int_distribution<int>(4, 8)(random));
    const OrderFigures one = planOrder(project, PalletLoading::OneContainer, o.timeLimit);
    project.fleet = {ContainerType{Container{"20尺柜", 5898, 2352, 2393, 21770}, 1000.0, std::nullopt},
                     ContainerType{Container{"40尺高柜", 12032, 2352, 2698, 26500}, 1700.0, std::nullopt}};
    const OrderFigures several = planOrder(project, PalletLoading::SeveralContainers, o.timeLimit);
    for (const auto& [mode, f] : {std::pair<const char*, const OrderFigures&>{"max", one}, {"fleet", several}}) {
      std::printf("   %-5d %-6s %6zu %7lld %6d %6d %10d %9lld %5.1f%% %7.1f %s\n", k + 1, mode, project.cartons.size(),
                  static_cast<long long>(f.entered), f.pallets, f.loadedPallets, f.containers,
                  static_cast<long long>(f.leftovers), 100 * f.fill, f.seconds, f.holds ? "holds" : "BROKEN");
      holding += f.holds ? 1 : 0;
      ++plans;
    }
  }
  std::printf("   %d of %d plans hold every rule\n", holding, plans);
}

}  // namespace

int main(int argc, char** argv) {
  const Options o = parse(argc, argv);
  if (o.small > 0) smallLayers(o);
  if (o.cover > 0) {
    std::printf("2. Published-style classes, %d generated layers each (pallet sides 1:1 to 1:2, carton sides 1:1 to 1:4)\n",
                o.cover);
    coverClass(o, "Cover I", 6, 50, o.seed + 1);
    coverClass(o, "Cover II", 51, 100, o.seed + 2);
    std::printf("\n");
  }
  if (o.orders > 0) orders(o);
  return 0;
}
