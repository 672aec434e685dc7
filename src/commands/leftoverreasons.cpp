#include "commands/leftoverreasons.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <set>

#include "check/projectplan.h"
#include "model/language.h"
#include "model/projectinput.h"
#include "model/projectresult.h"

namespace {

// The reasons a place breaks, in the order they are named when one place breaks several.
constexpr std::array<const char*, 7> kRuleOrder = {"not-stackable", "fragile", "load-on-top", "stop-order",
                                                    "balance",       "axle",    "max-load"};

// The reason key of a rule one more carton breaks; nothing where the rule says the place
// is no place for it at all (outside, overlapping, floating, in another zone ...).
std::optional<std::size_t> reasonOf(check::Rule rule) {
  const auto at = [](const char* key) {
    return static_cast<std::size_t>(std::find(kRuleOrder.begin(), kRuleOrder.end(), std::string(key)) - kRuleOrder.begin());
  };
  switch (rule) {
    case check::Rule::NotStackable: return at("not-stackable");
    case check::Rule::Fragile: return at("fragile");
    case check::Rule::LoadOnTop: return at("load-on-top");
    case check::Rule::StopOrder:
    case check::Rule::StopBuried: return at("stop-order");
    case check::Rule::CentreAlongLength:
    case check::Rule::CentreAcross:
    case check::Rule::CentreHeight: return at("balance");
    case check::Rule::AxleLoad: return at("axle");
    case check::Rule::Weight: return at("max-load");
    default: return std::nullopt;
  }
}

struct Box {
  std::int32_t x1, y1, z1, x2, y2, z2;
};

struct Size {
  std::int32_t x, y, z;  // net extents
};

// The ways a carton of the type may stand (or lie, where it may lie in its top layers),
// without repeats.
std::vector<Size> orientationsOf(const check::CartonType& t) {
  const std::int32_t edge[3] = {t.length, t.width, t.height};
  const std::uint8_t bit[3] = {check::kEdgeL, check::kEdgeW, check::kEdgeH};
  std::vector<Size> out;
  for (int up = 0; up < 3; ++up) {
    const bool allowed = (t.standingEdges & bit[up]) != 0 || ((t.lyingEdges & bit[up]) != 0 && t.lyingLayers > 0);
    if (!allowed) continue;
    const std::int32_t a = edge[(up + 1) % 3], b = edge[(up + 2) % 3];
    for (const Size s : {Size{a, edge[up], b}, Size{b, edge[up], a}})
      if (std::none_of(out.begin(), out.end(), [&](const Size& o) { return o.x == s.x && o.y == s.y && o.z == s.z; }))
        out.push_back(s);
  }
  return out;
}

bool overlaps(const Box& a, const Box& b) {
  return a.x1 < b.x2 && b.x1 < a.x2 && a.y1 < b.y2 && b.y1 < a.y2 && a.z1 < b.z2 && b.z1 < a.z2;
}

std::int64_t footprintOverlap(const Box& a, const Box& b) {
  const std::int64_t w = std::min(a.x2, b.x2) - std::max(a.x1, b.x1);
  const std::int64_t d = std::min(a.z2, b.z2) - std::max(a.z1, b.z1);
  return w > 0 && d > 0 ? w * d : 0;
}

void sortedOnce(std::vector<std::int32_t>& values) {
  std::sort(values.begin(), values.end());
  values.erase(std::unique(values.begin(), values.end()), values.end());
}

// At most this many free places go to the checker per carton type, spread over all found.
constexpr std::size_t kMostPlacesJudged = 24;
// At most this many free places are gathered per carton type, and at most this many box
// comparisons spent looking for them: a large plan is judged by its first places.
constexpr std::size_t kMostPlacesFound = 256;
constexpr std::uint64_t kMostComparisons = 1'000'000;

// The free places for one more carton of the type: against the walls and the loaded
// cartons, inside the container, overlapping nothing, on the floor or resting on tops
// that carry the share of its base the plan promises; from the floor up, then from the
// inner end, then from the left.
std::vector<check::PlacedCarton> freePlaces(const check::CheckInput& input, std::int32_t type,
                                            const std::vector<Box>& boxes) {
  const check::CartonType& t = input.types[static_cast<std::size_t>(type)];
  const check::Spacing& gap = input.spacing;
  const check::ContainerSize& c = input.container;
  std::vector<check::PlacedCarton> places;
  std::uint64_t comparisons = 0;
  std::vector<std::int32_t> ys{0}, zs, xs;
  for (const Box& b : boxes) ys.push_back(b.y2);
  sortedOnce(ys);
  const std::vector<Size> sizes = orientationsOf(t);
  std::vector<Box> layer, row, tops;
  for (const std::int32_t y : ys) {
    tops.clear();
    for (const Box& b : boxes)
      if (b.y2 == y) tops.push_back(b);
    if (y > 0 && tops.empty()) continue;
    for (const Size& size : sizes) {
      const std::int32_t gx = size.x + gap.gapX, gy = size.y + gap.gapY, gz = size.z + gap.gapZ;
      if (gx > c.width || gz > c.length || y + gy > c.height) continue;
      layer.clear();  // the cartons its height range meets
      for (const Box& b : boxes)
        if (b.y1 < y + gy && y < b.y2) layer.push_back(b);
      comparisons += boxes.size();
      zs.assign({0, c.length - gz});
      for (const Box& b : layer) {
        zs.push_back(b.z2);
        zs.push_back(b.z1 - gz);
      }
      sortedOnce(zs);
      for (const std::int32_t z : zs) {
        if (z < 0 || z + gz > c.length) continue;
        row.clear();
        for (const Box& b : layer)
          if (b.z1 < z + gz && z < b.z2) row.push_back(b);
        comparisons += layer.size();
        xs.assign({0, c.width - gx});
        for (const Box& b : row) {
          xs.push_back(b.x2);
          xs.push_back(b.x1 - gx);
        }
        sortedOnce(xs);
        for (const std::int32_t x : xs) {
          if (comparisons > kMostComparisons) return places;
          if (x < 0 || x + gx > c.width) continue;
          const Box place{x, y, z, x + gx, y + gy, z + gz};
          comparisons += row.size();
          if (std::any_of(row.begin(), row.end(), [&](const Box& b) { return overlaps(place, b); })) continue;
          if (y > 0) {
            std::int64_t carried = 0;
            for (const Box& b : tops) carried += footprintOverlap(place, b);
            comparisons += tops.size();
            const std::int64_t base = std::int64_t(gx) * gz;
            if (carried <= 0 || carried * 100 < base * input.supportPercent) continue;
          }
          places.push_back(check::PlacedCarton{type, x, y, z, size.x, size.y, size.z});
          if (places.size() >= kMostPlacesFound) return places;
        }
      }
    }
  }
  return places;
}

std::set<check::Rule> rulesBroken(const check::CheckReport& report) {
  std::set<check::Rule> rules;
  for (const check::Violation& v : report.violations) rules.insert(v.rule);
  return rules;
}

LeftoverReason reasonNamed(const std::string& rule) { return LeftoverReason{rule, leftoverReasonText(rule)}; }

}  // namespace

std::string leftoverReasonText(const std::string& rule) {
  if (rule == "larger-than-container")
    return inLanguage("比集装箱大，怎样放置都装不下", "larger than the container in every way it may stand");
  if (rule == "max-load") return inLanguage("超过集装箱的最大载重", "over the container's maximum load");
  if (rule == "not-stackable") return inLanguage("会违反“不可堆叠”", "would break not stackable");
  if (rule == "load-on-top") return inLanguage("会超过下方纸箱的顶部承重", "would overload the load on top of a carton below");
  if (rule == "fragile") return inLanguage("会违反“易碎”", "would break fragile");
  if (rule == "stop-order") return inLanguage("会打乱目的地的卸货顺序", "would break the order of the stops");
  if (rule == "balance") return inLanguage("会使重心超出允许范围", "would move the centre of gravity out of its window");
  if (rule == "axle") return inLanguage("会使车轴超载", "would overload an axle");
  if (rule == "no-room") return inLanguage("没有剩余空间", "no room left");
  return {};
}

std::vector<LeftoverReason> leftoverReasons(const ProjectInput& project, const ProjectResult& result,
                                            const LoadedContainer& loaded, const std::vector<Leftover>& leftovers) {
  std::vector<LeftoverReason> reasons;
  if (leftovers.empty()) return reasons;
  check::CheckInput input = check::loadedContainerCheckInput(project, result, loaded);
  // Each carton once more than the plan loads: room for the carton tried.
  for (check::CartonType& t : input.types) t.count += 1;
  const std::set<check::Rule> brokenBefore = rulesBroken(check::checkPlan(input));
  const check::Spacing& gap = input.spacing;
  std::vector<Box> boxes;
  double weight = 0;
  for (const check::PlacedCarton& p : input.cartons) {
    boxes.push_back(Box{p.x, p.y, p.z, p.x + p.sizeX + gap.gapX, p.y + p.sizeY + gap.gapY, p.z + p.sizeZ + gap.gapZ});
    if (p.type >= 0 && static_cast<std::size_t>(p.type) < input.types.size())
      weight += std::max(0.0, input.types[static_cast<std::size_t>(p.type)].weight);
  }
  for (const Leftover& leftover : leftovers) {
    if (leftover.cartonIndex < 0 || static_cast<std::size_t>(leftover.cartonIndex) >= input.types.size()) {
      reasons.push_back(reasonNamed("no-room"));
      continue;
    }
    const check::CartonType& t = input.types[static_cast<std::size_t>(leftover.cartonIndex)];
    const check::ContainerSize& c = input.container;
    const std::vector<Size> sizes = orientationsOf(t);
    const bool fits = std::any_of(sizes.begin(), sizes.end(), [&](const Size& s) {
      return s.x + gap.gapX <= c.width && s.y + gap.gapY <= c.height && s.z + gap.gapZ <= c.length;
    });
    if (t.length <= 0 || t.width <= 0 || t.height <= 0 || !fits) {
      reasons.push_back(reasonNamed("larger-than-container"));
      continue;
    }
    if (t.weight > 0 && weight + t.weight > c.maxWeight * (1 + 1e-12)) {
      reasons.push_back(reasonNamed("max-load"));
      continue;
    }
    // One more carton in each free place (some of them, spread over all), judged by the
    // checker; the place that breaks the fewest rules, the first of those, names them.
    const std::vector<check::PlacedCarton> places = freePlaces(input, leftover.cartonIndex, boxes);
    // Each judgement checks the whole plan: fewer of them for a large plan.
    const std::size_t judged =
        std::min(places.size(), std::clamp<std::size_t>(20'000 / (input.cartons.size() + 1), 4, kMostPlacesJudged));
    std::optional<std::size_t> bestReason;
    std::size_t fewest = SIZE_MAX;
    for (std::size_t k = 0; k < judged && fewest > 0; ++k) {
      check::CheckInput tried = input;
      tried.cartons.push_back(places[k * places.size() / judged]);
      std::set<std::size_t> broken;
      bool noPlace = false;
      for (const check::Rule rule : rulesBroken(check::checkPlan(tried))) {
        if (brokenBefore.count(rule) > 0) continue;
        if (const std::optional<std::size_t> reason = reasonOf(rule)) broken.insert(*reason);
        else noPlace = true;
      }
      if (noPlace || broken.size() >= fewest) continue;
      fewest = broken.size();
      bestReason = broken.empty() ? std::nullopt : std::optional<std::size_t>(*broken.begin());
    }
    reasons.push_back(reasonNamed(bestReason ? kRuleOrder[*bestReason] : "no-room"));
  }
  return reasons;
}

std::vector<LeftoverReason> listedLeftoverReasons(const ProjectInput& project, const ProjectResult& result,
                                                  const std::vector<Leftover>& leftovers) {
  if (result.mode != PlanningMode::LoadMax || result.containers.size() != 1 || leftovers.empty()) return {};
  return leftoverReasons(project, result, result.containers.front(), leftovers);
}

std::vector<std::string> reasonTexts(const std::vector<LeftoverReason>& reasons) {
  std::vector<std::string> texts;
  for (const LeftoverReason& reason : reasons) texts.push_back(reason.text);
  return texts;
}
