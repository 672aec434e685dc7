// The several-containers planner on the published multi-container instances (Ivancic,
// Mathur and Mohanty: identical containers, fewest containers) and on generated orders for
// several container types with costs, some of them with a cheapest mix known by
// construction (--constructed). Every answer is checked container by container with
// the plan checker, and all cartons must be loaded once. A plain program:
//   build/bench/fleet_bench [--data FILE] [--time-limit S] [--first N] [--support P]
//                           [--generated N] [--constructed]
// FILE is thpack9.txt (default: ../shared/bench/ivancic/thpack9.txt next to the project).

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "check/plancheck.h"
#include "check/projectplan.h"
#include "engine/fleet/fleet.h"

namespace {

struct Instance {
  int number = 0;
  FleetInput input;
  std::string malformed;  // why the instance cannot be read, empty when it can
};

// thpack format: P, then per instance "p", "L W H", "n" and n lines "i l fl w fw h fh q".
// Read line by line, so that a line with a number missing is found and reported.
std::vector<Instance> readThpack(const std::string& path) {
  std::ifstream in(path);
  std::vector<std::vector<long long>> lines;
  for (std::string line; std::getline(in, line);) {
    std::istringstream words(line);
    std::vector<long long> numbers;
    for (long long v; words >> v;) numbers.push_back(v);
    if (!numbers.empty()) lines.push_back(numbers);
  }
  std::vector<Instance> out;
  std::size_t at = 0;
  if (lines.empty()) return out;
  const long long count = lines[at++][0];
  for (long long k = 0; k < count && at + 2 < lines.size(); ++k) {
    Instance inst;
    inst.number = static_cast<int>(lines[at++][0]);
    const std::vector<long long> box = lines[at++];
    const long long n = lines[at++][0];
    FleetContainerType container;
    container.containerZ = static_cast<std::int32_t>(box.at(0));
    container.containerX = static_cast<std::int32_t>(box.at(1));
    container.containerY = static_cast<std::int32_t>(box.at(2));
    container.maxWeight = 1e18;
    inst.input.containers.push_back(container);
    for (long long i = 0; i < n && at < lines.size(); ++i) {
      const std::vector<long long>& r = lines[at++];
      if (r.size() != 8) {
        inst.malformed = "a box line with " + std::to_string(r.size()) + " numbers instead of 8";
        continue;
      }
      MaxLoadType t;
      t.name = "box" + std::to_string(r[0]);
      t.length = static_cast<std::int32_t>(r[1]);
      t.width = static_cast<std::int32_t>(r[3]);
      t.height = static_cast<std::int32_t>(r[5]);
      t.verticalEdges = static_cast<std::uint8_t>((r[2] ? kEdgeLength : 0) | (r[4] ? kEdgeWidth : 0) |
                                                  (r[6] ? kEdgeHeight : 0));
      t.count = static_cast<std::int32_t>(r[7]);
      inst.input.cargo.types.push_back(t);
    }
    out.push_back(inst);
  }
  return out;
}

std::string defaultData() {
  for (auto at = std::filesystem::path(CARGOLYX_SOURCE_DIR); !at.empty() && at != at.root_path(); at = at.parent_path()) {
    const auto candidate = at.parent_path() / "shared" / "bench" / "ivancic" / "thpack9.txt";
    if (std::filesystem::exists(candidate)) return candidate.string();
  }
  return "thpack9.txt";
}

// Every container's plan holds, and every carton is loaded once, as the checker sees it.
std::string problemsOf(const FleetInput& input, const FleetResult& result) {
  std::vector<std::int64_t> loaded(input.cargo.types.size(), 0);
  for (std::size_t k = 0; k < result.loads.size(); ++k) {
    const FleetLoad& load = result.loads[k];
    const FleetContainerType& c = input.containers[static_cast<std::size_t>(load.type)];
    check::CheckInput in;
    in.container = check::ContainerSize{c.containerX, c.containerY, c.containerZ, c.maxWeight};
    in.spacing = check::Spacing{input.cargo.gapX, input.cargo.gapY, input.cargo.gapZ};
    in.supportPercent = input.cargo.supportPercent;
    in.setCount = 1;
    for (const MaxLoadType& t : input.cargo.types) {
      check::CartonType type;
      type.name = t.name;
      type.length = t.length;
      type.width = t.width;
      type.height = t.height;
      type.count = t.count;
      type.weight = t.weight;
      type.standingEdges = t.verticalEdges;
      in.types.push_back(type);
    }
    in.cartons = check::cartonsOfBlocks(load.blocks);
    for (const check::PlacedCarton& p : in.cartons) ++loaded[static_cast<std::size_t>(p.type)];
    const check::CheckReport report = check::checkPlan(in);
    if (!report.holds()) return "container " + std::to_string(k + 1) + " breaks a rule";
  }
  for (std::size_t i = 0; i < loaded.size(); ++i)
    if (loaded[i] + result.leftovers[i] != input.cargo.types[i].count)
      return "type " + std::to_string(i) + " counted " + std::to_string(loaded[i]) + " + " +
             std::to_string(result.leftovers[i]) + " left of " + std::to_string(input.cargo.types[i].count);
  return {};
}

// An order for several container types with costs: 20-foot, 40-foot and 40-foot high-cube
// at typical relative prices, cartons of a few sizes.
FleetInput generatedOrder(std::uint32_t seed) {
  std::mt19937 dice(seed);
  const auto between = [&](int lo, int hi) { return lo + static_cast<int>(dice() % static_cast<unsigned>(hi - lo + 1)); };
  FleetInput input;
  input.containers = {{2352, 2393, 5898, 21770, 1000, -1},
                      {2352, 2393, 12032, 26680, 1600, -1},
                      {2352, 2698, 12032, 26500, 1700, -1}};
  const int types = between(3, 10);
  for (int i = 0; i < types; ++i) {
    MaxLoadType t;
    t.name = "carton" + std::to_string(i + 1);
    t.length = 10 * between(30, 120);
    t.width = 10 * between(25, 80);
    t.height = 10 * between(20, 80);
    t.weight = between(5, 60);
    t.count = between(20, 400);
    input.cargo.types.push_back(t);
  }
  return input;
}

// Orders whose cheapest mix is known by construction. The containers have round inner
// sizes; the cartons stand upright (1200 x 800 x 600), so a 6 m container holds exactly 60
// of them and a 12 m one 120 (15 to a layer, four layers; the high-cube's extra 300 mm takes
// no fifth layer), unless the weight limit comes first. The cheapest mix is then plain
// arithmetic over the counts each container holds.
struct ConstructedOrder {
  const char* name;
  std::int32_t cartons;
  double cartonWeight;
  double optimumCost;  // the cheapest mix, worked out by hand
};

FleetInput constructedOrder(const ConstructedOrder& order) {
  FleetInput input;
  input.containers = {{2400, 2400, 6000, 21770, 1000, -1},
                      {2400, 2400, 12000, 26680, 1600, -1},
                      {2400, 2700, 12000, 26500, 1700, -1}};
  MaxLoadType t;
  t.name = "pallet-size carton";
  t.length = 1200;
  t.width = 800;
  t.height = 600;
  t.weight = order.cartonWeight;
  t.count = order.cartons;
  t.verticalEdges = kEdgeHeight;
  input.cargo.types.push_back(t);
  return input;
}

// 300 light cartons: two 12 m and one 6 m (120 + 120 + 60) at 4200; three 12 m cost 4800.
// 180 light cartons: one 12 m and one 6 m at 2600; two 12 m cost 3200, three 6 m 3000.
// 120 cartons of 400 kg: the weight limits hold 54 in a 6 m and 66 in a 12 m container, so
// one of each (120) at 2600; two 12 m cost 3200, three 6 m 3000.
// 600 light cartons: five 12 m at 8000; any 6 m in the mix costs more per carton.
constexpr ConstructedOrder kConstructedOrders[] = {
    {"300 light", 300, 10, 4200},
    {"180 light", 180, 10, 2600},
    {"120 heavy", 120, 400, 2600},
    {"600 light", 600, 10, 8000},
};

}  // namespace

int main(int argc, char** argv) {
  std::string data = defaultData();
  double timeLimit = 30;
  std::size_t first = 1000;
  std::int32_t support = 0;
  int generated = 0;
  bool constructed = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--data" && hasValue) data = argv[++i];
    else if (arg == "--time-limit" && hasValue) timeLimit = std::stod(argv[++i]);
    else if (arg == "--first" && hasValue) first = std::stoul(argv[++i]);
    else if (arg == "--support" && hasValue) support = std::stoi(argv[++i]);
    else if (arg == "--generated" && hasValue) generated = std::stoi(argv[++i]);
    else if (arg == "--constructed") constructed = true;
    else {
      std::cerr << "usage: fleet_bench [--data FILE] [--time-limit S] [--first N] [--support P] [--generated N] [--constructed]\n";
      return 2;
    }
  }
  const std::vector<Instance> instances = readThpack(data);
  if (instances.empty()) {
    std::cerr << "fleet_bench: no instances in " << data << "\n";
    return 1;
  }
  std::printf("%-9s %10s %10s %10s %8s  %s\n", "instance", "containers", "one-by-one", "bound", "seconds", "");
  std::int64_t used = 0, oneByOne = 0, bound = 0, worse = 0, broken = 0;
  double seconds = 0;
  std::size_t done = 0;
  for (const Instance& inst : instances) {
    if (done >= first) break;
    if (!inst.malformed.empty()) {
      std::printf("%-9d malformed: %s\n", inst.number, inst.malformed.c_str());
      continue;
    }
    ++done;
    FleetInput input = inst.input;
    input.cargo.supportPercent = support;
    input.timeLimitSeconds = timeLimit;
    const auto start = std::chrono::steady_clock::now();
    const FleetResult result = planFleet(input);
    const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const std::string problems = problemsOf(input, result);
    const auto n = static_cast<std::int64_t>(result.loads.size());
    std::printf("%-9d %10lld %10lld %10lld %8.2f  %s%s\n", inst.number, static_cast<long long>(n),
                static_cast<long long>(result.oneAfterAnotherContainers),
                static_cast<long long>(result.lowerBoundContainers), s, problems.c_str(),
                result.timedOut ? " (time limit)" : "");
    std::fflush(stdout);
    used += n;
    oneByOne += result.oneAfterAnotherContainers;
    bound += result.lowerBoundContainers;
    seconds += s;
    worse += n > result.oneAfterAnotherContainers;
    broken += !problems.empty();
  }
  std::printf("%-9s %10lld %10lld %10lld %8.2f  %lld worse than one by one, %lld with broken rules\n", "total",
              static_cast<long long>(used), static_cast<long long>(oneByOne), static_cast<long long>(bound), seconds,
              static_cast<long long>(worse), static_cast<long long>(broken));

  if (generated > 0) {
    std::printf("\n%-9s %10s %12s %12s %10s %8s\n", "order", "containers", "cost", "one-by-one", "bound", "seconds");
    for (int k = 0; k < generated; ++k) {
      FleetInput input = generatedOrder(static_cast<std::uint32_t>(k + 1));
      input.cargo.supportPercent = support;
      input.timeLimitSeconds = timeLimit;
      const auto start = std::chrono::steady_clock::now();
      const FleetResult result = planFleet(input);
      const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      std::string mix;
      for (std::size_t t = 0; t < input.containers.size(); ++t)
        mix += std::to_string(std::count_if(result.loads.begin(), result.loads.end(),
                                            [&](const FleetLoad& l) { return l.type == static_cast<std::int32_t>(t); })) +
               (t + 1 < input.containers.size() ? "/" : "");
      std::printf("%-9d %10s %12.0f %12.0f %10.0f %8.2f  %s\n", k + 1, mix.c_str(), result.totalCost,
                  result.oneAfterAnotherCost, result.lowerBoundCost, s, problemsOf(input, result).c_str());
      std::fflush(stdout);
    }
  }
  if (constructed) {
    std::printf("\n%-10s %10s %10s %10s %10s %8s\n", "order", "containers", "cost", "optimum", "bound", "seconds");
    for (const ConstructedOrder& order : kConstructedOrders) {
      FleetInput input = constructedOrder(order);
      input.cargo.supportPercent = support;
      input.timeLimitSeconds = timeLimit;
      const auto start = std::chrono::steady_clock::now();
      const FleetResult result = planFleet(input);
      const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      std::string mix;
      for (std::size_t t = 0; t < input.containers.size(); ++t)
        mix += std::to_string(std::count_if(result.loads.begin(), result.loads.end(),
                                            [&](const FleetLoad& l) { return l.type == static_cast<std::int32_t>(t); })) +
               (t + 1 < input.containers.size() ? "/" : "");
      const std::string problems = problemsOf(input, result);
      std::printf("%-10s %10s %10.0f %10.0f %10.0f %8.2f  %s\n", order.name, mix.c_str(), result.totalCost,
                  order.optimumCost, result.lowerBoundCost, s, problems.c_str());
      std::fflush(stdout);
      broken += !problems.empty();
    }
  }
  return broken > 0 ? 1 : 0;
}
