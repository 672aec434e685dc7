// The load-max planner on the published BR and LN container-loading instances: per class
// the mean volume utilisation and time per instance, every plan checked geometrically.
//
//   maxload_bench [--data DIR] [--first N] [--time-limit S] [--support P] [--classes LIST]
//                 [--plans DIR]
//
// DIR holds br/BR0.txt ... br/BR15.txt and ln/LN.txt (default: ../shared/bench next to
// the project). Without --support both 0 % and 100 % are run. LIST names classes, e.g.
// "BR1,BR2,LN" or "BR1-7" (default BR1-15 and LN).

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/reportjson.h"
#include "model/fillscheme.h"
#include "engine/maxload/maxload.h"
#include "plancheck.h"

namespace {

struct Instance {
  std::string name;
  MaxLoadInput input;
  double cargoVolume = 0;
};

// OR-Library "thpack" format: P, then per instance "p [seed]", "L W H", n, and n lines
// "i l fl w fw h fh q". Whitespace-separated integers.
std::vector<Instance> readThpack(const std::string& path, const std::string& prefix, bool withSeed,
                                 std::size_t first) {
  std::ifstream in(path);
  std::vector<Instance> out;
  long long count = 0;
  if (!(in >> count)) return out;
  for (long long k = 0; k < count && out.size() < first; ++k) {
    long long number = 0, seed = 0, L = 0, W = 0, H = 0, n = 0;
    in >> number;
    if (withSeed) in >> seed;
    in >> L >> W >> H >> n;
    if (!in) break;
    Instance inst;
    inst.name = prefix + "-" + std::to_string(number);
    inst.input.containerX = static_cast<std::int32_t>(W);
    inst.input.containerY = static_cast<std::int32_t>(H);
    inst.input.containerZ = static_cast<std::int32_t>(L);
    inst.input.maxWeight = 1e18;
    for (long long i = 0; i < n; ++i) {
      long long id, l, fl, w, fw, h, fh, q;
      in >> id >> l >> fl >> w >> fw >> h >> fh >> q;
      MaxLoadType t;
      t.name = "box" + std::to_string(id);
      t.length = static_cast<std::int32_t>(l);
      t.width = static_cast<std::int32_t>(w);
      t.height = static_cast<std::int32_t>(h);
      t.count = static_cast<std::int32_t>(q);
      t.verticalEdges = static_cast<std::uint8_t>((fl ? kEdgeLength : 0) | (fw ? kEdgeWidth : 0) |
                                                  (fh ? kEdgeHeight : 0));
      inst.cargoVolume += double(l) * w * h * q;
      inst.input.types.push_back(t);
    }
    if (!in) break;
    out.push_back(inst);
  }
  return out;
}

std::vector<std::string> problemsOf(const MaxLoadInput& input, const MaxLoadResult& r) {
  plancheck::CheckPlan plan;
  plan.width = input.containerX;
  plan.height = input.containerY;
  plan.length = input.containerZ;
  plan.gapX = input.gapX;
  plan.gapY = input.gapY;
  plan.gapZ = input.gapZ;
  plan.maxWeight = input.maxWeight;
  plan.supportPercent = input.supportPercent;
  for (const MaxLoadType& t : input.types) {
    plancheck::CheckType c;
    c.length = t.length;
    c.width = t.width;
    c.height = t.height;
    c.count = t.count;
    c.weight = t.weight;
    c.vertical = t.verticalEdges;
    c.lying = t.lyingEdges;
    c.lyingLayers = t.lyingLayers;
    c.zone = static_cast<std::int32_t>(t.zone);
    plan.types.push_back(c);
  }
  for (const MaxLoadPlacement& p : r.placements)
    plan.cartons.push_back({p.cartonIndex, p.x, p.y, p.z, p.sizeX, p.sizeY, p.sizeZ});
  return plancheck::checkPlan(plan);
}

void writePlan(const std::string& dir, const Instance& inst, int support, const MaxLoadResult& r) {
  // The plan in the command line's JSON form, so that cargolyx-cli check can read it.
  FillScheme project;
  project.container = Container{inst.name, inst.input.containerZ, inst.input.containerX, inst.input.containerY,
                                static_cast<std::int32_t>(std::min(inst.input.maxWeight, 2e9))};
  for (const MaxLoadType& t : inst.input.types) {
    Carton c;
    c.name = t.name;
    c.length = t.length;
    c.width = t.width;
    c.height = t.height;
    c.count = t.count;
    c.weight = t.weight;
    project.cartons.push_back(c);
  }
  CalculationReport report;
  report.status = r.loadedCount > 0 ? CalculationStatus::Loaded : CalculationStatus::NothingLoaded;
  report.planner = PlanningMode::LoadMax;
  report.mode = RunMode::Single;
  report.result.mode = PlanningMode::LoadMax;
  report.result.supportPercent = support;
  report.result.timedOut = r.timedOut;
  report.result.containers.push_back(LoadedContainer{project.container, r.blocks});
  project.result = report.result;
  std::filesystem::create_directories(dir);
  std::ofstream(dir + "/" + inst.name + "-s" + std::to_string(support) + ".json")
      << reportJsonText(reportJson(project, report)) << "\n";
}

struct ClassFilter {
  std::vector<std::string> names;
  bool wants(const std::string& name) const {
    if (names.empty()) return true;
    for (const std::string& n : names)
      if (n == name) return true;
    return false;
  }
};

ClassFilter parseClasses(const std::string& text) {
  ClassFilter filter;
  std::stringstream in(text);
  std::string part;
  while (std::getline(in, part, ',')) {
    const auto dash = part.find('-');
    if (part.rfind("BR", 0) == 0 && dash != std::string::npos) {
      const int from = std::stoi(part.substr(2, dash - 2)), to = std::stoi(part.substr(dash + 1));
      for (int k = from; k <= to; ++k) filter.names.push_back("BR" + std::to_string(k));
    } else {
      filter.names.push_back(part);
    }
  }
  return filter;
}

// ../shared/bench next to the project, or next to a folder further up (a work tree of the
// project may lie deeper).
std::string defaultDataDir() {
  std::filesystem::path root = CARGOLYX_SOURCE_DIR;
  for (std::filesystem::path at = root; !at.empty(); at = at.parent_path()) {
    const auto candidate = at.parent_path() / "shared" / "bench";
    if (std::filesystem::exists(candidate / "br")) return candidate.string();
    if (at == at.parent_path()) break;
  }
  return (root.parent_path() / "shared" / "bench").string();
}

}  // namespace

int main(int argc, char** argv) {
  std::string data = defaultDataDir();
  std::string plans;
  std::size_t first = 10;
  double timeLimit = 2.0;
  std::vector<int> supports = {0, 100};
  ClassFilter filter = parseClasses("BR1-15,LN");
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--data" && hasValue) data = argv[++i];
    else if (arg == "--plans" && hasValue) plans = argv[++i];
    else if (arg == "--first" && hasValue) first = std::stoul(argv[++i]);
    else if (arg == "--time-limit" && hasValue) timeLimit = std::stod(argv[++i]);
    else if (arg == "--support" && hasValue) supports = {std::stoi(argv[++i])};
    else if (arg == "--classes" && hasValue) filter = parseClasses(argv[++i]);
    else {
      std::cerr << "usage: maxload_bench [--data DIR] [--first N] [--time-limit S] [--support P]"
                   " [--classes BR1-7,LN] [--plans DIR]\n";
      return 2;
    }
  }
  std::vector<std::pair<std::string, std::vector<Instance>>> classes;
  for (int k = 0; k <= 15; ++k) {
    const std::string name = "BR" + std::to_string(k);
    if (filter.wants(name))
      classes.emplace_back(name, readThpack(data + "/br/" + name + ".txt", name, true, first));
  }
  if (filter.wants("LN")) classes.emplace_back("LN", readThpack(data + "/ln/LN.txt", "LN", false, first));

  std::printf("time limit %.1f s, first %zu instances, threads 2\n", timeLimit, first);
  std::printf("%-6s %8s %5s %12s %12s %10s %9s %8s %12s\n", "class", "support", "n", "mean util %",
              "bound %", "s/inst", "timedOut", "invalid", "steps/inst");
  int invalid = 0;
  for (const int support : supports) {
    for (auto& [name, instances] : classes) {
      if (instances.empty()) {
        std::printf("%-6s: no instances read from %s\n", name.c_str(), data.c_str());
        continue;
      }
      double util = 0, bound = 0, seconds = 0, effort = 0;
      int timedOut = 0, bad = 0, allLoaded = 0, canHoldAll = 0;
      for (Instance& inst : instances) {
        inst.input.supportPercent = support;
        inst.input.timeLimitSeconds = timeLimit;
        const auto t0 = std::chrono::steady_clock::now();
        const MaxLoadResult r = planMaxLoad(inst.input);
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        const double container = double(inst.input.containerX) * inst.input.containerY * inst.input.containerZ;
        util += r.loadedVolume / container;
        bound += std::min(1.0, inst.cargoVolume / container);
        timedOut += r.timedOut ? 1 : 0;
        effort += double(r.effortUsed);
        const auto problems = problemsOf(inst.input, r);
        if (!problems.empty()) {
          ++bad;
          std::fprintf(stderr, "%s support %d: %s\n", inst.name.c_str(), support, problems[0].c_str());
        }
        bool everything = true;
        for (const auto left : r.leftovers) everything = everything && left == 0;
        allLoaded += everything ? 1 : 0;
        canHoldAll += inst.cargoVolume <= container ? 1 : 0;
        if (!plans.empty()) writePlan(plans, inst, support, r);
      }
      invalid += bad;
      const double n = double(instances.size());
      std::printf("%-6s %7d%% %5zu %12.2f %12.2f %10.2f %9d %8d %12.0f", name.c_str(), support,
                  instances.size(), 100 * util / n, 100 * bound / n, seconds / n, timedOut, bad,
                  effort / n);
      if (name == "LN") std::printf("   all loaded %d (volume allows %d)", allLoaded, canHoldAll);
      std::printf("\n");
      std::fflush(stdout);
    }
  }
  return invalid == 0 ? 0 : 1;
}
