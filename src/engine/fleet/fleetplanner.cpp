// The several-containers planner (fleet.h): a pool of real loading patterns, gathered from
// fills of one container after another and from patterns the set-cover model's prices ask
// for, and the model's choice among them.

#include <algorithm>
#include <chrono>
#include <cmath>
#include <numeric>
#include <map>
#include <set>

#include "engine/fleet/bounds.h"
#include "engine/fleet/containerjob.h"
#include "engine/fleet/fit.h"
#include "engine/fleet/fleet.h"
#include "engine/fleet/patterns.h"
#include "engine/fleet/pricing.h"
#include "engine/fleet/setcover.h"
#include "engine/fleet/trim.h"
#include "engine/maxload/balancekeeper.h"

namespace fleet {
namespace {

// Patterns the set-cover model chooses from at most; the pool stops growing there.
constexpr std::size_t kMaxPatterns = 4000;
// Branch-and-bound nodes the model may take for its whole-number choice.
constexpr std::int32_t kCoverNodes = 20000;
// The least time the model gets for its whole-number choice when the time limit is near.
constexpr double kLeastModelSeconds = 0.5;
// The first fill hurries for orders of at least this many containers, and for any order
// whose containers would overrun the time limit or the effort budget one by one.
constexpr std::int64_t kHurriedFrom = 50;
// The effort of a container of the first fill in a hurry.
constexpr std::uint64_t kHurriedEffort = 5'000;
// The fair shares a container is offered when the first fill hurries.
constexpr double kHurriedShares = 2.0;
// Rounds of asking the model's prices for new patterns.
constexpr int kMaxPricingRounds = 60;
// The effort of a load-max run: at least this, and this much while the rate of the
// machine on this cargo is not yet known.
constexpr std::uint64_t kLeastCallEffort = 20'000;
constexpr std::uint64_t kFirstCallEffort = 100'000;
// At most this, however long the time limit.
constexpr std::uint64_t kMostCallEffort = 60'000'000;

using Counts = std::vector<std::int32_t>;

// An answer: containers with their plans, as patterns used once each.
struct Answer {
  std::vector<Pattern> containers;
  double cost = 0;
  double volume = 0;
  bool valid = false;     // an answer: real plans within the containers available
  bool complete = true;   // not cut short by the time limit, the effort budget or a cancel
};

std::int64_t total(const Counts& counts) { return std::accumulate(counts.begin(), counts.end(), std::int64_t{0}); }

bool loadsAnything(const Pattern& p) { return total(p.counts) > 0; }

double netVolume(const MaxLoadType& t) { return double(t.length) * t.width * t.height; }

class Planner {
 public:
  Planner(const FleetInput& input, const FleetControl& control)
      : input_(input), control_(control), packer_(input, control), types_(input.cargo.types.size()) {}

  FleetResult run();

 private:
  // ---- The pool
  void addToPool(const Pattern& p) {
    if (!loadsAnything(p) || pool_.size() >= kMaxPatterns) return;
    const auto key = std::make_pair(p.type, p.counts);
    if (!seen_.insert(key).second) return;
    pool_.push_back(p);
  }
  // finishing: the run's first answer, finished past the time limit up to the run's end.
  // hurried: a quick plan, of the first fill in a hurry.
  std::optional<Pattern> pack(std::int32_t type, const Counts& counts, bool finishing = false, bool hurried = false) {
    const std::uint64_t effort = hurried ? std::min(callEffort(), kHurriedEffort) : callEffort();
    std::optional<Pattern> p =
        finishing ? packer_.packToFinish(type, counts, effort) : packer_.pack(type, counts, effort);
    if (p) addToPool(*p);
    return p;
  }

  // What a container of the type must keep when cartons are taken out of it: its balance.
  KeepsAfterTaking balanceOf(std::int32_t type) const {
    const FleetContainerType& c = input_.containers[static_cast<std::size_t>(type)];
    if (!c.balance.active() && !c.vehicle) return {};
    MaxLoadInput in = cargoInContainer(input_.cargo, c);
    return [in = std::move(in)](const std::vector<BlockScheme>& blocks) { return maxload::blocksKeepBalance(in, blocks); };
  }
  double costOf(std::int32_t type) const { return input_.containers[static_cast<std::size_t>(type)].cost; }
  double volumeOf(std::int32_t type) const {
    const FleetContainerType& c = input_.containers[static_cast<std::size_t>(type)];
    return double(c.containerX) * c.containerY * c.containerZ;
  }

  // ---- Answers
  void consider(Answer answer);
  Answer fillOneAfterAnother(double fairShares, bool finishing = false);
  void packEachTypeAlone();
  void askPricesForPatterns();
  void chooseWithTheModel();
  void tryCheaperContainers();
  bool better(const Answer& a, const Answer& b) const;
  // Whether the best answer loads everything at the bound: nothing can do better.
  bool atTheBound() const;
  void report() const;

  const FleetInput& input_;
  FleetControl control_;
  PatternPacker packer_;
  std::size_t types_;
  Counts demand_;
  std::vector<UnfitReason> unfit_;
  std::uint64_t callEffort() const;

  std::uint64_t budgetCallEffort_ = 0;  // the effort budget over the runs planned
  std::uint64_t plannedCalls_ = 1;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
  std::vector<Pattern> pool_;
  std::set<std::pair<std::int32_t, Counts>> seen_;
  Answer best_;
  FleetBound bound_;
  std::vector<std::int32_t> typeOrder_;  // container types by worth
};

// More loaded first (everything, when the containers allow it), then the cheaper; for a
// fixed fleet the cost does not count.
bool Planner::better(const Answer& a, const Answer& b) const {
  if (!b.valid) return a.valid;
  if (!a.valid) return false;
  if (std::fabs(a.volume - b.volume) > 1e-6 * std::max(1.0, b.volume)) return a.volume > b.volume;
  if (input_.goal == FleetGoal::FixedFleet) return false;
  if (a.cost != b.cost) return a.cost < b.cost - 1e-9;
  return a.containers.size() < b.containers.size();
}

void Planner::consider(Answer answer) {
  answer.cost = 0;
  answer.volume = 0;
  for (const Pattern& p : answer.containers) {
    answer.cost += costOf(p.type);
    answer.volume += p.volume;
  }
  if (better(answer, best_)) {
    best_ = std::move(answer);
    report();
  }
}

bool Planner::atTheBound() const {
  if (!best_.valid || input_.goal != FleetGoal::Cheapest) return false;
  Counts loaded(types_, 0);
  for (const Pattern& p : best_.containers)
    for (std::size_t i = 0; i < types_; ++i) loaded[i] += p.counts[i];
  if (loaded != demand_) return false;
  return best_.cost <= bound_.cost + 1e-9 ||
         (input_.containers.size() == 1 && static_cast<std::int64_t>(best_.containers.size()) <= bound_.containers);
}

void Planner::report() const {
  if (control_.containersPlanned != nullptr)
    control_.containersPlanned->store(static_cast<std::int32_t>(best_.containers.size()), std::memory_order_relaxed);
  if (control_.bestCost != nullptr) control_.bestCost->store(best_.cost, std::memory_order_relaxed);
}

// Containers one after another. Each is of the first type still available in order of
// worth (the least cost per volume; a fixed fleet: the largest first) that loads anything,
// and the last of the cheapest type that takes all that is left. With fairShares above 0 each container is first
// offered only that many fair shares of every type's remaining cartons (a fair share: the
// remaining cartons over the containers still needed at least), so that the awkward
// cartons are spread instead of left for the last containers; a container that loads all
// it was offered is offered everything as well, and the fuller plan goes in.
//
// The first fill is finished past the time limit and the effort budget (a plan a little
// late beats none), up to the run's end. When planning every container would overrun them,
// it hurries: each container is offered fair shares, and a plan goes in again as long as
// what is left holds its cartons and its type is available, so that the plans made grow
// with the carton types, not with the containers. A fill the run's end cuts short is an
// answer still: the containers planned by then, the rest left over.
Answer Planner::fillOneAfterAnother(double fairShares, bool finishing) {
  Answer answer;
  answer.valid = true;
  Counts remaining = demand_;
  std::vector<std::int32_t> used(input_.containers.size(), 0);
  const auto mustStop = [&] { return finishing ? packer_.mustEnd() : packer_.mustStop(); };
  while (total(remaining) > 0) {
    if (mustStop()) {
      answer.complete = false;
      break;
    }
    const std::int64_t containersLeft = std::max<std::int64_t>(1, lowerBound(input_, remaining).containers);
    const bool hurry = finishing && (bound_.containers >= kHurriedFrom || packer_.wouldOverrun(containersLeft, callEffort()));
    const double shares = fairShares > 0 ? fairShares : hurry ? kHurriedShares : 0;
    Counts offer = remaining;
    if (shares > 0) {
      const double share = std::min(1.0, shares / double(containersLeft));
      for (std::size_t i = 0; i < types_; ++i)
        offer[i] = std::min(remaining[i], static_cast<std::int32_t>(std::ceil(remaining[i] * share)));
    }
    // The first container type in order of worth that loads anything.
    std::optional<Pattern> chosen;
    for (const std::int32_t t : typeOrder_) {
      const std::int32_t available = input_.containers[static_cast<std::size_t>(t)].available;
      if (available >= 0 && used[static_cast<std::size_t>(t)] >= available) continue;
      std::optional<Pattern> p = pack(t, offer, finishing, hurry);
      if (!p || !loadsAnything(*p)) continue;
      // A container that loads all it was offered of a share has room for more: everything,
      // or in a hurry twice the share.
      if (offer != remaining && p->counts == offer) {
        Counts more = remaining;
        if (hurry) {
          const double share = std::min(1.0, 2 * shares / double(containersLeft));
          for (std::size_t i = 0; i < types_; ++i)
            more[i] = std::min(remaining[i], static_cast<std::int32_t>(std::ceil(remaining[i] * share)));
        }
        if (std::optional<Pattern> full = pack(t, more, finishing, hurry); full && full->volume > p->volume) p = std::move(full);
      }
      chosen = std::move(p);
      break;
    }
    // The last container: a cheaper type may take all that is left as well.
    if (chosen && chosen->counts == remaining && input_.goal == FleetGoal::Cheapest) {
      std::vector<std::int32_t> cheaper;
      for (std::size_t t = 0; t < input_.containers.size(); ++t)
        if (costOf(static_cast<std::int32_t>(t)) < costOf(chosen->type)) cheaper.push_back(static_cast<std::int32_t>(t));
      std::stable_sort(cheaper.begin(), cheaper.end(), [&](std::int32_t a, std::int32_t b) { return costOf(a) < costOf(b); });
      for (const std::int32_t t : cheaper) {
        const std::int32_t available = input_.containers[static_cast<std::size_t>(t)].available;
        if (available >= 0 && used[static_cast<std::size_t>(t)] >= available) continue;
        std::optional<Pattern> p = pack(t, remaining, finishing, hurry);
        if (p && p->counts == remaining) {
          chosen = std::move(p);
          break;
        }
      }
    }
    if (!chosen) {
      if (finishing ? packer_.endReached() : packer_.mustStop()) answer.complete = false;
      break;  // nothing more can be loaded into the containers left
    }
    const auto type = static_cast<std::size_t>(chosen->type);
    std::int64_t times = 1;
    if (hurry) {
      // Again while what is left holds it and its type is available.
      std::int64_t fits = INT64_MAX;
      for (std::size_t i = 0; i < types_; ++i)
        if (chosen->counts[i] > 0) fits = std::min<std::int64_t>(fits, remaining[i] / chosen->counts[i]);
      if (fits != INT64_MAX) times = std::max<std::int64_t>(1, fits);
      const std::int32_t available = input_.containers[type].available;
      if (available >= 0) times = std::min<std::int64_t>(times, available - used[type]);
    }
    used[type] += static_cast<std::int32_t>(times);
    for (std::size_t i = 0; i < types_; ++i) remaining[i] -= static_cast<std::int32_t>(times * chosen->counts[i]);
    for (std::int64_t k = 1; k < times; ++k) answer.containers.push_back(*chosen);
    answer.containers.push_back(std::move(*chosen));
  }
  return answer;
}

// Each carton type alone in each container type: what the container holds of it, for the
// model and for the proposals.
void Planner::packEachTypeAlone() {
  for (std::size_t t = 0; t < input_.containers.size(); ++t) {
    for (std::size_t i = 0; i < types_; ++i) {
      if (demand_[i] <= 0 || !fitsInto(input_.cargo, i, input_.containers[t])) continue;
      Counts alone(types_, 0);
      alone[i] = demand_[i];
      if (!pack(static_cast<std::int32_t>(t), alone)) return;
    }
  }
}

// Column generation: the prices of the cover model's relaxation say what each carton type
// is worth; a container's worth of cartons that is worth more than the container costs
// is proposed (cheaply, by volume and weight) and packed by the load-max planner. What it
// loads joins the pool, whether the whole proposal or part of it.
void Planner::askPricesForPatterns() {
  std::set<std::pair<std::int32_t, Counts>> proposed;
  for (int round = 0; round < kMaxPricingRounds && !packer_.mustStop(); ++round) {
    CoverProblem problem;
    problem.patterns = &pool_;
    for (const Pattern& p : pool_) problem.patternValue.push_back(costOf(p.type));
    problem.demand = demand_;
    for (const FleetContainerType& c : input_.containers) problem.available.push_back(c.available);
    const std::optional<std::vector<double>> prices = coverPrices(problem);
    if (!prices) return;
    bool asked = false;
    for (std::size_t t = 0; t < input_.containers.size() && !packer_.mustStop(); ++t) {
      const auto type = static_cast<std::int32_t>(t);
      const Proposal proposal = proposePattern(input_, type, *prices, demand_, pool_);
      if (proposal.worth <= costOf(type) + 1e-7) continue;
      if (!proposed.insert({type, proposal.counts}).second) continue;
      pack(type, proposal.counts);
      asked = true;
    }
    if (!asked) return;
  }
}

// The cover model's whole-number choice among the pool, made into an answer: the cartons a
// type has beyond what is needed are taken out where they carry nothing.
void Planner::chooseWithTheModel() {
  if (pool_.empty() || packer_.mustEnd()) return;
  CoverProblem problem;
  problem.patterns = &pool_;
  problem.cheapest = input_.goal == FleetGoal::Cheapest;
  for (const Pattern& p : pool_) problem.patternValue.push_back(problem.cheapest ? costOf(p.type) : p.volume);
  problem.demand = demand_;
  for (const FleetContainerType& c : input_.containers) problem.available.push_back(c.available);
  // Past the time limit the model still gets a moment to turn the patterns into an
  // answer, within the run's end.
  const std::optional<double> left = packer_.budget().secondsToLimit();
  const std::optional<double> toEnd = packer_.budget().secondsToEnd();
  double seconds = 0;
  if (left && toEnd) {
    seconds = std::min(std::max(*left, kLeastModelSeconds), *toEnd);
    if (seconds <= 0) return;
  }
  const std::optional<std::vector<std::int32_t>> choice = chooseWhole(problem, kCoverNodes, seconds);
  if (!choice) return;
  Answer answer;
  answer.valid = true;
  for (std::size_t k = 0; k < choice->size(); ++k)
    for (std::int32_t n = 0; n < (*choice)[k]; ++n) answer.containers.push_back(pool_[k]);
  if (problem.cheapest) {
    Counts excess(types_, 0);
    for (const Pattern& p : answer.containers)
      for (std::size_t i = 0; i < types_; ++i) excess[i] += p.counts[i];
    for (std::size_t i = 0; i < types_; ++i) excess[i] -= demand_[i];
    // The containers loaded last give back first.
    for (auto it = answer.containers.rbegin(); it != answer.containers.rend(); ++it) {
      for (std::size_t i = 0; i < types_; ++i) {
        if (excess[i] <= 0 || it->counts[i] == 0) continue;
        const std::int32_t taken = takeOut(it->blocks, static_cast<std::int32_t>(i), std::min(excess[i], it->counts[i]),
                                           balanceOf(it->type));
        it->counts[i] -= taken;
        excess[i] -= taken;
        it->volume -= taken * netVolume(input_.cargo.types[i]);
      }
    }
    for (const std::int32_t e : excess)
      if (e > 0) return;  // cartons that carry others cannot be taken out: not an answer
    answer.containers.erase(std::remove_if(answer.containers.begin(), answer.containers.end(),
                                           [](const Pattern& p) { return !loadsAnything(p); }),
                            answer.containers.end());
  }
  consider(std::move(answer));
}

// Each container of the best answer tried in every cheaper container type still available,
// the cheapest first: where one holds all its cartons, it takes its place. A fill picks
// the type of the best worth per volume, which leaves a dear container half full where a
// cheaper one would do; what is packed here joins the pool for the model as well.
void Planner::tryCheaperContainers() {
  if (!best_.valid || input_.goal != FleetGoal::Cheapest || input_.containers.size() < 2) return;
  std::vector<std::int32_t> byCost(input_.containers.size());
  std::iota(byCost.begin(), byCost.end(), 0);
  std::stable_sort(byCost.begin(), byCost.end(), [&](std::int32_t a, std::int32_t b) { return costOf(a) < costOf(b); });
  Answer answer = best_;
  std::vector<std::int32_t> used(input_.containers.size(), 0);
  for (const Pattern& p : answer.containers) ++used[static_cast<std::size_t>(p.type)];
  // Identical containers ask once per type.
  std::map<std::pair<std::int32_t, Counts>, std::optional<Pattern>> tried;
  bool cheaper = false;
  for (Pattern& p : answer.containers) {
    for (const std::int32_t t : byCost) {
      if (costOf(t) >= costOf(p.type) - 1e-9) break;
      const std::int32_t available = input_.containers[static_cast<std::size_t>(t)].available;
      if (available >= 0 && used[static_cast<std::size_t>(t)] >= available) continue;
      if (packer_.mustStop()) break;
      auto at = tried.find({t, p.counts});
      if (at == tried.end()) at = tried.emplace(std::make_pair(t, p.counts), pack(t, p.counts)).first;
      const std::optional<Pattern>& packed = at->second;
      if (!packed || packed->counts != p.counts) continue;
      --used[static_cast<std::size_t>(p.type)];
      ++used[static_cast<std::size_t>(t)];
      p = *packed;
      cheaper = true;
      break;
    }
  }
  if (cheaper) consider(std::move(answer));
}

std::uint64_t Planner::callEffort() const {
  if (input_.timeLimitSeconds <= 0) return budgetCallEffort_;
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
  const std::uint64_t used = packer_.effortUsed();
  if (used < kFirstCallEffort || seconds <= 0) return std::min(budgetCallEffort_, kFirstCallEffort);
  const double perSecond = static_cast<double>(used) / seconds;
  const double share = perSecond * input_.timeLimitSeconds / static_cast<double>(plannedCalls_);
  return std::clamp<std::uint64_t>(static_cast<std::uint64_t>(share), kLeastCallEffort, budgetCallEffort_);
}

FleetResult Planner::run() {
  FleetResult result;
  unfit_ = unfitTypes(input_);
  demand_.assign(types_, 0);
  for (std::size_t i = 0; i < types_; ++i)
    if (unfit_[i] == UnfitReason::None) demand_[i] = std::max(0, input_.cargo.types[i].count);
  const FleetBound bound = lowerBound(input_, demand_);
  bound_ = bound;
  result.lowerBoundContainers = bound.containers;
  result.lowerBoundCost = bound.cost;
  result.unfit = unfit_;
  result.leftovers.resize(types_);
  for (std::size_t i = 0; i < types_; ++i) result.leftovers[i] = std::max(0, input_.cargo.types[i].count);
  if (needsTooManyContainers(input_, bound)) {
    result.tooManyContainers = true;
    return result;
  }

  for (std::size_t t = 0; t < input_.containers.size(); ++t) typeOrder_.push_back(static_cast<std::int32_t>(t));
  std::stable_sort(typeOrder_.begin(), typeOrder_.end(), [&](std::int32_t a, std::int32_t b) {
    if (input_.goal == FleetGoal::FixedFleet) return volumeOf(a) > volumeOf(b);
    return costOf(a) * volumeOf(b) < costOf(b) * volumeOf(a);
  });

  // Each load-max run gets a share of the effort that lets the fills below run several
  // times: of the effort budget (the same input gives the same answer), and under a time
  // limit of what this machine does on this cargo in that time.
  plannedCalls_ = 30 + 5 * static_cast<std::uint64_t>(std::max<std::int64_t>(1, bound.containers)) +
                  2 * types_ * input_.containers.size();
  budgetCallEffort_ = std::clamp<std::uint64_t>(input_.effortBudget / plannedCalls_, kLeastCallEffort, kMostCallEffort);

  if (total(demand_) > 0) {
    // Containers one after another, then spreading the cartons, then the model's choice.
    const Answer first = fillOneAfterAnother(0, /*finishing=*/true);
    if (first.complete) {
      result.oneAfterAnotherContainers = static_cast<std::int64_t>(first.containers.size());
      for (const Pattern& p : first.containers) result.oneAfterAnotherCost += costOf(p.type);
    }
    consider(first);
    for (const double fairShares : {1.3, 1.8}) {
      if (packer_.mustStop() || atTheBound()) break;
      consider(fillOneAfterAnother(fairShares));
    }
    if (!atTheBound()) tryCheaperContainers();
    if (!atTheBound()) {
      packEachTypeAlone();
      if (input_.goal == FleetGoal::Cheapest) askPricesForPatterns();
      chooseWithTheModel();
      if (!atTheBound()) tryCheaperContainers();
    }
  }

  result.cancelled = packer_.cancelled();
  result.timedOut = packer_.timedOut();
  result.effortUsed = packer_.effortUsed();
  result.unfinished = best_.valid && !best_.complete;
  Counts loaded(types_, 0);
  if (best_.valid && !result.cancelled) {
    std::vector<Pattern> containers = best_.containers;
    // Cheaper container types first, then the fuller containers.
    std::stable_sort(containers.begin(), containers.end(), [&](const Pattern& a, const Pattern& b) {
      if (costOf(a.type) != costOf(b.type)) return costOf(a.type) < costOf(b.type);
      return a.volume > b.volume;
    });
    for (Pattern& p : containers) {
      for (std::size_t i = 0; i < types_; ++i) loaded[i] += p.counts[i];
      result.totalCost += costOf(p.type);
      result.loads.push_back(FleetLoad{p.type, std::move(p.blocks)});
    }
  }
  for (std::size_t i = 0; i < types_; ++i) result.leftovers[i] -= loaded[i];
  return result;
}

}  // namespace
}  // namespace fleet

FleetResult planFleet(const FleetInput& input, const FleetControl& control) {
  return fleet::Planner(input, control).run();
}
