// The engine side by side with the plain literal copy of the same search
// (tests/engine/literalplan.cpp), on the same random projects in the demo container:
// one to three types, four to six, seven to twelve (a single run: the set bisection over
// all types), and zoned runs of seven to twelve types (six types per group, each group
// squeezed into its shortest length as the calculation does).
//
// Each benchmark runs every project of its group once on each side, checks that both give
// the same plan, and reports the total processor time of each side, their ratio and the slowest
// project of each side. The literal copy visits every node; a project it cannot finish
// within kLiteralCalls search calls is left out of its group on both sides (counted in
// "skipped"), so the set of projects is the same on every machine.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <memory>
#include <sstream>
#include <string>

#include "engine/containerplan.h"
#include "engine/resultassembly.h"
#include "literalplan.h"
#include "model/fillscheme.h"
#include "randomprojects.h"

namespace {

constexpr std::uint64_t kLiteralCalls = 20'000'000;
constexpr std::int32_t kMaxBlockNum = 6;  // the default setting

// Processor time of this thread: the machine may be shared, and both sides run on one
// thread.
double threadSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// What one side made of a project: the result blocks it would hand to the project.
struct Outcome {
  std::string blocks;
  std::int32_t result = 0;
  bool gaveUp = false;
};

std::string describe(const std::vector<BlockScheme>& blocks) {
  std::ostringstream s;
  for (const BlockScheme& b : blocks)
    s << b.x << "," << b.y << "," << b.z << " " << b.nx << "x" << b.ny << "x" << b.nz << " o"
      << b.orientation << " n" << b.count << " c" << b.cartonIndex << ";";
  return s.str();
}

// One plan of group (all cartons when negative) in the given length: the engine's or the
// literal copy's run, and the result blocks it gives.
struct GroupRun {
  std::int32_t result = 0;
  std::uint32_t usedLength = 0;
  std::vector<BlockScheme> blocks;
  bool gaveUp = false;
};

GroupRun resultOf(const RunProject& p, std::int32_t group, const ContainerPlan& plan,
                  std::int32_t result) {
  GroupRun r;
  r.result = result;
  r.usedLength = plan.result().usedLength;
  RunProject assembled = p;
  assembled.blocks.clear();
  assembleResults(plan, assembled, 0, group);
  r.blocks = std::move(assembled.blocks);
  return r;
}

// The engine keeps one plan while a zoned group is shrunk, as the calculation does.
struct EngineSide {
  std::unique_ptr<ContainerPlan> plan;
  GroupRun operator()(const RunProject& p, std::int32_t group, std::int32_t length, bool stopAtFirst,
                      bool sameGroup) {
    if (sameGroup && plan) plan->changeLength(length);
    else plan = buildPlan(p, group, length);
    return resultOf(p, group, *plan, plan->run(kMaxBlockNum, stopAtFirst).sets);
  }
};

struct LiteralSide {
  GroupRun operator()(const RunProject& p, std::int32_t group, std::int32_t length, bool stopAtFirst,
                      bool /*sameGroup*/) const {
    auto plan = buildPlan(p, group, length);
    const LiteralOutcome o = runLiterally(*plan, kMaxBlockNum, stopAtFirst, kLiteralCalls);
    GroupRun r;
    r.result = o.result;
    r.usedLength = o.usedLength;
    r.gaveUp = o.gaveUp;
    r.blocks = assembleLiterally(o, *plan, p, 0, group);
    return r;
  }
};

template <typename Side>
Outcome single(const RunProject& p, Side& run) {
  const GroupRun r = run(p, -1, p.input.container.length, false, false);
  return {describe(r.blocks), r.result, r.gaveUp};
}

// The zoned run: groups one behind the other, each but the last in its shortest length.
template <typename Side>
Outcome zoned(const RunProject& p, Side& run) {
  Outcome out;
  std::int32_t remaining = p.input.container.length;
  std::int32_t lastKey = kSpaceNone;
  for (const std::int32_t key : p.groupKeys) lastKey = std::max(lastKey, key);
  for (std::int32_t key = kSpaceNone; key <= lastKey; ++key) {
    std::int32_t used = 0;
    if (key < lastKey) {
      std::int32_t length = remaining;
      for (bool first = true;; first = false) {
        const GroupRun probe = run(p, key, length, true, !first);
        if (probe.gaveUp) return {"", 0, true};
        if (probe.result <= 0) break;
        const std::int64_t shorter = static_cast<std::int64_t>(probe.usedLength) - 1;
        if (shorter >= length) break;
        used = static_cast<std::int32_t>(shorter);
        length = used;
      }
      ++used;
    }
    const GroupRun r = run(p, key, key < lastKey ? used : remaining, true, key < lastKey);
    if (r.gaveUp) return {"", 0, true};
    std::ostringstream zone;
    zone << "|" << p.input.container.length - remaining << ":" << describe(r.blocks);
    out.blocks += zone.str();
    out.result = r.result;
    remaining -= used;
  }
  return out;
}

struct Group {
  const char* name;
  int minTypes, maxTypes;
  bool zoned;
  std::uint32_t firstSeed;
};

constexpr int kProjectsPerGroup = 12;

// Runs a project on one side, again while a run takes under 50 ms (at most twenty times,
// within about 0.2 s), and gives the shortest time: on a shared machine a run of a few
// milliseconds is often slowed by others, and only repeats find its own time.
template <typename Side>
Outcome timed(const RunProject& p, bool isZoned, Side run, double& seconds) {
  Outcome out;
  seconds = 0;
  double spent = 0;
  for (int repeat = 0; repeat < 20; ++repeat) {
    const double start = threadSeconds();
    out = isZoned ? zoned(p, run) : single(p, run);
    const double elapsed = threadSeconds() - start;
    seconds = repeat == 0 ? elapsed : std::min(seconds, elapsed);
    spent += elapsed;
    if (out.gaveUp || elapsed >= 0.05 || spent >= 0.2) break;
  }
  return out;
}

void sideBySide(benchmark::State& state, const Group& g) {
  double engineTotal = 0, literalTotal = 0, engineWorst = 0, literalWorst = 0;
  int compared = 0, skipped = 0;
  for (auto _ : state) {
    for (std::uint32_t seed = g.firstSeed; seed < g.firstSeed + kProjectsPerGroup; ++seed) {
      const RunProject p = demoContainerProject(seed, g.minTypes, g.maxTypes, g.zoned);
      double literalTime = 0, engineTime = 0;
      const Outcome literal = timed(p, g.zoned, LiteralSide{}, literalTime);
      if (literal.gaveUp) {
        ++skipped;
        continue;
      }
      const Outcome engine = timed(p, g.zoned, EngineSide{}, engineTime);
      if (engine.blocks != literal.blocks || engine.result != literal.result) {
        std::ostringstream message;
        message << "the engine and the literal copy differ on seed " << seed;
        state.SkipWithError(message.str().c_str());
        return;
      }
      ++compared;
      engineTotal += engineTime;
      literalTotal += literalTime;
      engineWorst = std::max(engineWorst, engineTime);
      literalWorst = std::max(literalWorst, literalTime);
    }
  }
  state.counters["projects"] = compared;
  state.counters["skipped"] = skipped;
  state.counters["engine_s"] = engineTotal;
  state.counters["literal_s"] = literalTotal;
  state.counters["ratio"] = engineTotal > 0 ? literalTotal / engineTotal : 0;
  state.counters["engine_worst_s"] = engineWorst;
  state.counters["literal_worst_s"] = literalWorst;
}

const Group kGroups[] = {
    {"one_to_three_types", 1, 3, false, 100},
    {"four_to_six_types", 4, 6, false, 200},
    {"seven_to_twelve_types", 7, 12, false, 300},
    {"zoned_seven_to_twelve", 7, 12, true, 400},
};

int registerGroups() {
  for (const Group& g : kGroups) {
    benchmark::RegisterBenchmark(g.name, [g](benchmark::State& state) { sideBySide(state, g); })
        ->Iterations(1)
        ->Unit(benchmark::kSecond)
        ->UseRealTime();
  }
  return 0;
}

const int registered = registerGroups();

}  // namespace
