// The load-max planner with cargo rules on the BR instances: per class the fill with no
// rule, with each rule alone and with all of them, and how many plans the plan checker
// rejects; then many quick plans with every rule mixed, all checked; then a truck whose
// axle limits bind, with its axle loads.
//
//   rules_bench [--data DIR] [--classes FIRST-LAST] [--first N] [--time-limit S]
//               [--rules none,stops,all] [--reference-time S] [--each 1]
//               [--mixed-plans N] [--mixed-effort STEPS]
//
// DIR holds br/BR1.txt ... br/BR15.txt (default: ../shared/bench next to the project).
// --rules picks the columns (default every one). With --reference-time, each instance with
// stops or with every rule is also planned once per carton type with that type left out
// entirely, S seconds each: the best of these is the reference no plan should fall below;
// the table gives its mean per class and the plans below it. --each 1 prints every plan's
// fill as well.
// The rules are drawn per instance from a fixed seed: weights from a density of 100 to
// 400 kg/m³, a load limit on 40 % of the types (1 to 6 cartons' weight), 20 % of the types
// fragile, 10 % not stackable, two to four stops each type goes to.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "check/plancheck.h"
#include "check/projectplan.h"
#include "engine/balance.h"
#include "engine/maxload/maxloadproject.h"
#include "model/fillscheme.h"
#include "model/vehicle.h"
#include "thpack.h"

namespace {

enum class Rules { None, NotStackable, LoadOnTop, Fragile, Stops, Balance, All };
constexpr Rules kRules[] = {Rules::None,  Rules::NotStackable, Rules::LoadOnTop, Rules::Fragile,
                            Rules::Stops, Rules::Balance,      Rules::All};
constexpr const char* kRuleNames[] = {"none", "notStack", "loadTop", "fragile", "stops", "balance", "all"};

// The rules drawn for one instance: per type, and the stops.
struct Drawn {
  std::vector<double> weight, loadLimit;  // loadLimit < 0: none
  std::vector<bool> fragile, notStackable;
  std::vector<int> stop;
  int stops = 1;
};

Drawn draw(const FillScheme& p, std::uint32_t seed) {
  std::mt19937 random(seed);
  std::uniform_real_distribution<double> unit(0, 1);
  Drawn d;
  d.stops = 2 + static_cast<int>(random() % 3);
  for (const Carton& c : p.cartons) {
    const double cubicMetres = double(c.length) * c.width * c.height / 1e9;
    const double weight = std::round(cubicMetres * (100 + 300 * unit(random)) * 10) / 10 + 0.1;
    d.weight.push_back(weight);
    d.loadLimit.push_back(unit(random) < 0.4 ? std::round(weight * (1 + 5 * unit(random))) : -1);
    d.fragile.push_back(unit(random) < 0.2);
    d.notStackable.push_back(unit(random) < 0.1);
    d.stop.push_back(static_cast<int>(random() % static_cast<unsigned>(d.stops)));
  }
  return d;
}

FillScheme withRules(FillScheme p, const Drawn& d, Rules rules) {
  p.container.maxWeight = 1e9;
  const bool all = rules == Rules::All;
  if (rules == Rules::Stops || all)
    for (int k = 0; k < d.stops; ++k) {
      std::string name = "S";
      name += std::to_string(k + 1);
      p.stops.push_back(name);
    }
  for (std::size_t i = 0; i < p.cartons.size(); ++i) {
    Carton& c = p.cartons[i];
    c.weight = d.weight[i];
    if ((rules == Rules::LoadOnTop || all) && d.loadLimit[i] >= 0) c.maxLoadOnTop = d.loadLimit[i];
    if (rules == Rules::Fragile || all) c.fragile = d.fragile[i];
    if (rules == Rules::NotStackable || all) c.stackable = !d.notStackable[i];
    if (rules == Rules::Stops || all) c.stop = p.stops[static_cast<std::size_t>(d.stop[i])];
  }
  if (rules == Rules::Balance || all) p.container.balance = lengthBalancePreset();
  return p;
}

struct Outcome {
  MaxLoadResult plan;
  bool holds = false;
};

Outcome planChecked(const FillScheme& p, double seconds, std::uint64_t effort) {
  MaxLoadOptions options;
  options.timeLimitSeconds = seconds;
  if (effort > 0) options.effortBudget = effort;
  Outcome out;
  out.plan = loadAsMuchAsFits(p.input(), options);
  ProjectResult result;
  result.mode = PlanningMode::LoadMax;
  result.supportPercent = options.supportPercent;
  result.containers.push_back(LoadedContainer{p.container, out.plan.blocks});
  const check::CheckReport report = check::checkPlan(check::loadedContainerCheckInput(p, result, result.containers[0]));
  out.holds = report.holds();
  if (!out.holds)
    std::cerr << "  rejected: rule " << static_cast<int>(report.violations[0].rule) << " by "
              << report.violations[0].amount << "\n";
  return out;
}

// The best fill of the project planned with one carton type left out entirely, over its
// types.
double bestLeavingOutOneType(const FillScheme& p, double seconds) {
  double best = 0;
  for (std::size_t t = 0; t < p.cartons.size(); ++t) {
    FillScheme without = p;
    without.cartons[t].count = 0;
    const Outcome o = planChecked(without, seconds, 0);
    if (o.holds) best = std::max(best, o.plan.netRatio);
  }
  return best;
}

std::string defaultData() {
  for (auto at = std::filesystem::path(CARGOLYX_SOURCE_DIR); !at.empty() && at != at.root_path(); at = at.parent_path()) {
    const auto candidate = at.parent_path() / "shared" / "bench";
    if (std::filesystem::exists(candidate / "br")) return candidate.string();
  }
  return "bench";
}

std::optional<FillScheme> instance(const std::string& data, int cls, int number) {
  return thpackProject(data + "/br/BR" + std::to_string(cls) + ".txt", number, 10, true);
}

}  // namespace

int main(int argc, char** argv) {
  std::string data = defaultData();
  int firstClass = 1, lastClass = 7, first = 10, mixedPlans = 1000;
  double seconds = 2, referenceSeconds = 0;
  bool each = false;
  std::vector<bool> shown(std::size(kRules), true);
  std::uint64_t mixedEffort = 20'000;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string option = argv[i], value = argv[i + 1];
    if (option == "--data") data = value;
    else if (option == "--classes") std::sscanf(value.c_str(), "%d-%d", &firstClass, &lastClass);
    else if (option == "--first") first = std::stoi(value);
    else if (option == "--time-limit") seconds = std::stod(value);
    else if (option == "--reference-time") referenceSeconds = std::stod(value);
    else if (option == "--each") each = value == "1";
    else if (option == "--rules") {
      shown.assign(std::size(kRules), false);
      std::stringstream list(value);
      for (std::string name; std::getline(list, name, ',');)
        for (std::size_t r = 0; r < std::size(kRules); ++r)
          if (name == kRuleNames[r]) shown[r] = true;
    } else if (option == "--mixed-plans") mixedPlans = std::stoi(value);
    else if (option == "--mixed-effort") mixedEffort = std::stoull(value);
    else {
      std::cerr << "unknown option " << option << "\n";
      return 2;
    }
  }

  std::printf("Fill (net %%) at %.1f s, first %d instances per class; rejected = plans the checker rejects\n", seconds,
              first);
  // With a reference: its mean for stops alone and every rule, and the plans below it.
  const bool reference = referenceSeconds > 0;
  const auto referenced = [&](std::size_t r) {
    return reference && shown[r] && (kRules[r] == Rules::Stops || kRules[r] == Rules::All);
  };
  std::printf("%-6s", "class");
  for (std::size_t r = 0; r < std::size(kRules); ++r) {
    if (!shown[r]) continue;
    std::printf(" %9s", kRuleNames[r]);
    if (referenced(r)) std::printf(" %9s %6s", (std::string(kRuleNames[r]) + "Ref").c_str(), "below");
  }
  std::printf(" %9s\n", "rejected");
  int rejected = 0, plans = 0, belowReference = 0;
  for (int cls = firstClass; cls <= lastClass; ++cls) {
    std::vector<double> sum(std::size(kRules), 0), referenceSum(std::size(kRules), 0);
    std::vector<int> below(std::size(kRules), 0);
    int counted = 0, classRejected = 0;
    for (int number = 1; number <= first; ++number) {
      const std::optional<FillScheme> base = instance(data, cls, number);
      if (!base) break;
      const Drawn drawn = draw(*base, static_cast<std::uint32_t>(cls * 1000 + number));
      for (std::size_t r = 0; r < std::size(kRules); ++r) {
        if (!shown[r]) continue;
        const FillScheme ruled = withRules(*base, drawn, kRules[r]);
        const Outcome o = planChecked(ruled, seconds, 0);
        sum[r] += o.plan.netRatio;
        if (each) std::printf("  BR%d-%d %s %.2f\n", cls, number, kRuleNames[r], 100 * o.plan.netRatio);
        ++plans;
        if (!o.holds) ++classRejected;
        if (referenced(r)) {
          const double best = bestLeavingOutOneType(ruled, referenceSeconds);
          referenceSum[r] += best;
          // Below by more than a rounding: a hundredth of a point.
          if (o.plan.netRatio < best - 1e-4) ++below[r];
        }
      }
      ++counted;
    }
    if (counted == 0) continue;
    rejected += classRejected;
    std::printf("BR%-4d", cls);
    for (std::size_t r = 0; r < std::size(kRules); ++r) {
      if (!shown[r]) continue;
      std::printf(" %9.2f", 100 * sum[r] / counted);
      if (referenced(r)) {
        std::printf(" %9.2f %6d", 100 * referenceSum[r] / counted, below[r]);
        belowReference += below[r];
      }
    }
    std::printf(" %9d\n", classRejected);
    std::fflush(stdout);
  }
  if (reference) std::printf("plans below the reference: %d\n", belowReference);
  std::printf("plans %d, rejected %d\n\n", plans, rejected);

  // Many quick plans with every rule mixed, over the classes and their instances.
  int mixedRejected = 0, mixedDone = 0;
  for (int k = 0; k < mixedPlans; ++k) {
    const int cls = firstClass + k % (lastClass - firstClass + 1);
    const int number = 1 + (k / (lastClass - firstClass + 1)) % 100;
    const std::optional<FillScheme> base = instance(data, cls, number);
    if (!base) continue;
    const Drawn drawn = draw(*base, static_cast<std::uint32_t>(777'000 + k));
    if (!planChecked(withRules(*base, drawn, Rules::All), 0, mixedEffort).holds) ++mixedRejected;
    ++mixedDone;
  }
  std::printf("every rule mixed, %llu steps each: plans %d, rejected %d\n\n",
              static_cast<unsigned long long>(mixedEffort), mixedDone, mixedRejected);

  // A 12 t rigid truck carrying BR1's first instance, its cartons ten times as dense: the
  // axle limits bind before the volume.
  if (std::optional<FillScheme> base = instance(data, 1, 1)) {
    Drawn drawn = draw(*base, 1);
    for (double& w : drawn.weight) w *= 10;
    FillScheme truck = withRules(*base, drawn, Rules::None);
    truck.container.vehicle = vehiclePresets()[1].vehicle;
    for (const bool withAxles : {false, true}) {
      FillScheme p = truck;
      if (!withAxles) p.container.vehicle.reset();
      const Outcome o = planChecked(p, seconds, 0);
      LoadedContainer loaded{truck.container, o.plan.blocks};
      const std::optional<AxleLoads> axles = axleLoads(truck, loaded);
      std::printf("truck %-13s fill %6.2f %%, %lld cartons, %s; axles (kg, max):", withAxles ? "with axles" : "without axles",
                  100 * o.plan.netRatio, static_cast<long long>(o.plan.loadedCount),
                  o.holds ? "checker accepts" : "checker rejects");
      if (axles && !axles->states.empty())
        for (std::size_t a = 0; a < axles->maxLoads.size(); ++a)
          std::printf(" %.0f/%.0f", axles->states.front().loads[a], axles->maxLoads[a]);
      if (axles && axles->worstOverload())
        std::printf("; axle %zu over by %.0f kg", axles->worstOverload()->axle, axles->worstOverload()->kg);
      std::printf("\n");
    }
  }
  return rejected + mixedRejected == 0 ? 0 : 1;
}
