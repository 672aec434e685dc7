// The load-max planner on the published BR and LN container-loading instances: per class
// the mean volume utilisation and time per instance, every plan checked geometrically.
//
//   maxload_bench [--data DIR] [--first N] [--skip N] [--time-limits S1,S2,...] [--effort STEPS]
//                 [--threads 1|2] [--support P] [--classes LIST] [--plans DIR]
//
// DIR holds br/BR0.txt ... br/BR15.txt and ln/LN.txt (default: ../shared/bench next to
// the project). Without --support both 0 % and 100 % are run. LIST names classes, e.g.
// "BR1,BR2,LN" or "BR1-7" (default BR1-15 and LN). --time-limits (or --time-limit, default
// 2) runs every instance once, up to the last limit, and prints the fill reached at each
// limit; the plan checked is the one returned at the last. --effort runs without a time
// limit on a fixed budget of search steps: the same figures on every machine.

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
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

// The comma-separated list of positive numbers, ascending.
std::vector<double> parseLimits(const std::string& text) {
  std::vector<double> limits;
  std::stringstream in(text);
  std::string part;
  while (std::getline(in, part, ','))
    if (!part.empty()) limits.push_back(std::stod(part));
  std::sort(limits.begin(), limits.end());
  limits.erase(std::remove_if(limits.begin(), limits.end(), [](double s) { return s <= 0; }),
               limits.end());
  return limits;
}

// Runs the planner up to the last limit and reads its best fill so far at each limit: the
// fill a run stopped at that limit returns (the search does not look at its limit until it
// reaches it). The last entry is the fill of the plan returned.
struct TimedRun {
  MaxLoadResult result;
  std::vector<double> fillAt;
  double seconds = 0;
};

TimedRun runWithLimits(const MaxLoadInput& input, const std::vector<double>& limits) {
  TimedRun run;
  std::atomic<double> bestFill{0};
  std::mutex mutex;
  std::condition_variable finished;
  bool done = false;
  const auto t0 = std::chrono::steady_clock::now();
  std::thread watcher([&] {
    std::unique_lock lock(mutex);
    for (std::size_t i = 0; i + 1 < limits.size(); ++i) {
      const auto at = t0 + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                               std::chrono::duration<double>(limits[i]));
      finished.wait_until(lock, at, [&] { return done; });
      if (done) break;
      run.fillAt.push_back(bestFill.load());
    }
  });
  MaxLoadControl control;
  control.bestFill = &bestFill;
  run.result = planMaxLoad(input, control);
  run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  {
    std::lock_guard lock(mutex);
    done = true;
  }
  finished.notify_one();
  watcher.join();
  // Limits the run did not reach: it ended with its plan before them.
  while (run.fillAt.size() < limits.size()) run.fillAt.push_back(run.result.netRatio);
  return run;
}

struct ClassRow {
  std::string name;
  int support = 0;
  std::vector<double> util;  // mean % per limit
};

// Means over the classes of a group (BR1-7, BR8-15, BR1-15) that were run.
void printGroups(const std::vector<ClassRow>& rows, int support, std::size_t limitCount) {
  const struct { const char* name; int from, to; } groups[] = {{"BR1-7", 1, 7}, {"BR8-15", 8, 15}, {"BR1-15", 1, 15}};
  for (const auto& g : groups) {
    std::vector<double> sum(limitCount, 0);
    int classes = 0;
    for (const ClassRow& row : rows) {
      if (row.support != support || row.name.rfind("BR", 0) != 0) continue;
      const int k = std::stoi(row.name.substr(2));
      if (k < g.from || k > g.to) continue;
      ++classes;
      for (std::size_t i = 0; i < limitCount; ++i) sum[i] += row.util[i];
    }
    if (classes != g.to - g.from + 1) continue;
    std::printf("%-7s %7d%% %5s", g.name, support, "");
    for (std::size_t i = 0; i < limitCount; ++i) std::printf(" %8.2f", sum[i] / classes);
    std::printf("\n");
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::string data = defaultDataDir();
  std::string plans;
  std::size_t first = 10, skip = 0;
  std::vector<double> limits = {2.0};
  std::uint64_t effort = 0;
  std::int32_t threads = 2;
  std::vector<int> supports = {0, 100};
  ClassFilter filter = parseClasses("BR1-15,LN");
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--data" && hasValue) data = argv[++i];
    else if (arg == "--plans" && hasValue) plans = argv[++i];
    else if (arg == "--first" && hasValue) first = std::stoul(argv[++i]);
    else if (arg == "--skip" && hasValue) skip = std::stoul(argv[++i]);
    else if ((arg == "--time-limit" || arg == "--time-limits") && hasValue) limits = parseLimits(argv[++i]);
    else if (arg == "--effort" && hasValue) effort = std::stoull(argv[++i]);
    else if (arg == "--threads" && hasValue) threads = std::stoi(argv[++i]);
    else if (arg == "--support" && hasValue) supports = {std::stoi(argv[++i])};
    else if (arg == "--classes" && hasValue) filter = parseClasses(argv[++i]);
    else {
      std::cerr << "usage: maxload_bench [--data DIR] [--first N] [--skip N] [--time-limits S1,S2,...]\n"
                   "                     [--effort STEPS] [--threads 1|2] [--support P]\n"
                   "                     [--classes BR1-7,LN] [--plans DIR]\n";
      return 2;
    }
  }
  if (limits.empty() || effort > 0) limits = {0};  // an effort budget runs without a time limit
  std::vector<std::pair<std::string, std::vector<Instance>>> classes;
  for (int k = 0; k <= 15; ++k) {
    const std::string name = "BR" + std::to_string(k);
    if (filter.wants(name))
      classes.emplace_back(name, readThpack(data + "/br/" + name + ".txt", name, true, skip + first));
  }
  if (filter.wants("LN")) classes.emplace_back("LN", readThpack(data + "/ln/LN.txt", "LN", false, skip + first));
  // The first N after skipping some: other instances than those tuned on.
  for (auto& [name, instances] : classes)
    instances.erase(instances.begin(), instances.begin() + static_cast<std::ptrdiff_t>(std::min(skip, instances.size())));

  if (effort > 0) {
    std::printf("effort budget %llu steps, no time limit, first %zu instances, threads %d\n",
                static_cast<unsigned long long>(effort), first, threads);
  } else {
    std::printf("time limits");
    for (const double s : limits) std::printf(" %g", s);
    std::printf(" s, first %zu instances, threads %d\n", first, threads);
  }
  std::printf("%-7s %8s %5s", "class", "support", "n");
  for (const double s : limits) {
    if (effort > 0) std::printf(" %8s", "util %");
    else std::printf(" %7gs", s);
  }
  std::printf(" %8s %8s %9s %8s %11s %10s\n", "bound %", "s/inst", "timedOut", "invalid",
              "steps/inst", "steps/s");
  int invalid = 0;
  std::vector<ClassRow> rows;
  for (const int support : supports) {
    for (auto& [name, instances] : classes) {
      if (instances.empty()) {
        std::printf("%-7s: no instances read from %s\n", name.c_str(), data.c_str());
        continue;
      }
      std::vector<double> util(limits.size(), 0);
      double bound = 0, seconds = 0, steps = 0;
      int timedOut = 0, bad = 0, allLoaded = 0, canHoldAll = 0;
      for (Instance& inst : instances) {
        inst.input.supportPercent = support;
        inst.input.timeLimitSeconds = limits.back();
        inst.input.threads = threads;
        if (effort > 0) inst.input.effortBudget = effort;
        const TimedRun run = runWithLimits(inst.input, limits);
        const MaxLoadResult& r = run.result;
        seconds += run.seconds;
        const double container = double(inst.input.containerX) * inst.input.containerY * inst.input.containerZ;
        for (std::size_t i = 0; i < limits.size(); ++i) util[i] += run.fillAt[i];
        bound += std::min(1.0, inst.cargoVolume / container);
        timedOut += r.timedOut ? 1 : 0;
        steps += double(r.effortUsed);
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
      ClassRow row{name, support, {}};
      std::printf("%-7s %7d%% %5zu", name.c_str(), support, instances.size());
      for (const double u : util) {
        row.util.push_back(100 * u / n);
        std::printf(" %8.2f", 100 * u / n);
      }
      std::printf(" %8.2f %8.2f %9d %8d %11.0f %10.0f", 100 * bound / n, seconds / n, timedOut,
                  bad, steps / n, seconds > 0 ? steps / seconds : 0);
      if (name == "LN") std::printf("   all loaded %d (volume allows %d)", allLoaded, canHoldAll);
      std::printf("\n");
      std::fflush(stdout);
      rows.push_back(row);
    }
    printGroups(rows, support, limits.size());
  }
  return invalid == 0 ? 0 : 1;
}
