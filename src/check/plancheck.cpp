#include "check/plancheck.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <map>

#include "check/boxgrid.h"
#include "check/cargorules.h"
#include "check/contacts.h"
#include "check/findings.h"

namespace check {
namespace {

// How a carton stands.
enum class Stance {
  Standing,      // on an edge its type may stand on
  Lying,         // on an edge its type may only lie on, in lying layers
  Forbidden,     // on an edge its type may not have vertical
  WrongExtents,  // the extents are not its type's edges
};

Stance stanceOf(const CartonType& t, const PlacedCarton& c) {
  const std::array<std::int32_t, 3> edges = {t.length, t.width, t.height};
  const std::array<std::uint8_t, 3> bits = {kEdgeL, kEdgeW, kEdgeH};
  std::array<std::int32_t, 2> across = {c.sizeX, c.sizeZ};
  std::sort(across.begin(), across.end());
  Stance best = Stance::WrongExtents;
  for (std::size_t up = 0; up < 3; ++up) {
    if (edges[up] != c.sizeY) continue;
    std::array<std::int32_t, 2> others = {edges[(up + 1) % 3], edges[(up + 2) % 3]};
    std::sort(others.begin(), others.end());
    if (others != across) continue;
    // Equal edges may read either way: the kindest reading counts.
    if (t.standingEdges & bits[up]) return Stance::Standing;
    if ((t.lyingEdges & bits[up]) && t.lyingLayers > 0)
      best = Stance::Lying;
    else if (best == Stance::WrongExtents)
      best = Stance::Forbidden;
  }
  return best;
}

class Checker {
 public:
  explicit Checker(const CheckInput& input) : in_(input), n_(input.cartons.size()) {
    boxes_.reserve(n_);
    stances_.reserve(n_);
    for (const PlacedCarton& c : in_.cartons) {
      Box b{c.x,
            c.y,
            c.z,
            std::int64_t(c.x) + c.sizeX + in_.spacing.gapX,
            std::int64_t(c.y) + c.sizeY + in_.spacing.gapY,
            std::int64_t(c.z) + c.sizeZ + in_.spacing.gapZ};
      b.x2 = std::max(b.x1, b.x2);
      b.y2 = std::max(b.y1, b.y2);
      b.z2 = std::max(b.z1, b.z2);
      boxes_.push_back(b);
      stances_.push_back(knownType(c) ? stanceOf(typeOf(c), c) : Stance::WrongExtents);
    }
  }

  CheckReport run() {
    eachCarton();
    if (!findings_.full()) counts();
    if (!findings_.full()) weight();
    if (!findings_.full()) zones();
    if (!findings_.full() && n_ > 0) {
      const BoxGrid grid(boxes_, in_.container.width, in_.container.height, in_.container.length);
      overlaps(grid);
      if (!findings_.full()) lyingCartons(grid);
      const std::vector<std::vector<Contact>> contacts = restingContacts(boxes_, grid);
      if (!findings_.full()) support(contacts);
      if (!findings_.full()) checkResting(in_, contacts, findings_);
      if (!findings_.full()) checkLoadOnTop(in_, boxes_, contacts, findings_);
    }
    if (!findings_.full()) checkCentre(in_, findings_);
    if (!findings_.full()) checkAxles(in_, findings_);
    return findings_.take();
  }

  CheckReport runCounts() {
    counts();
    return findings_.take();
  }

 private:
  bool knownType(const PlacedCarton& c) const {
    return c.type >= 0 && static_cast<std::size_t>(c.type) < in_.types.size();
  }
  const CartonType& typeOf(const PlacedCarton& c) const {
    return in_.types[static_cast<std::size_t>(c.type)];
  }
  bool knownType(std::size_t i) const { return knownType(in_.cartons[i]); }
  const CartonType& typeOf(std::size_t i) const { return typeOf(in_.cartons[i]); }
  std::int32_t stopOf(std::size_t i) const { return std::max(0, typeOf(i).stop); }

  // The rules of one carton alone: its type, inside the container, its orientation.
  void eachCarton() {
    const ContainerSize& box = in_.container;
    for (std::size_t i = 0; i < n_ && !findings_.full(); ++i) {
      if (!knownType(i)) {
        findings_.add(Rule::UnknownType, {i}, in_.cartons[i].type);
        continue;
      }
      const Box& b = boxes_[i];
      const std::int64_t outside = std::max({std::int64_t{0}, -b.x1, -b.y1, -b.z1, b.x2 - box.width,
                                             b.y2 - box.height, b.z2 - box.length});
      if (outside > 0) findings_.add(Rule::Outside, {i}, double(outside));
      if (stances_[i] == Stance::WrongExtents) findings_.add(Rule::Extents, {i}, 0);
      if (stances_[i] == Stance::Forbidden) findings_.add(Rule::Orientation, {i}, 0);
    }
  }

  // No type more often than its count times the set count; the cartons beyond the
  // allowance are the last ones of the type.
  void counts() {
    std::vector<std::vector<std::size_t>> ofType(in_.types.size());
    for (std::size_t i = 0; i < n_; ++i)
      if (knownType(i)) ofType[static_cast<std::size_t>(in_.cartons[i].type)].push_back(i);
    for (std::size_t t = 0; t < in_.types.size(); ++t) {
      const std::int64_t allowed = allowedCount(in_.types[t], in_.setCount);
      const auto loaded = static_cast<std::int64_t>(ofType[t].size());
      if (loaded <= allowed) continue;
      std::vector<std::size_t> over(ofType[t].begin() + allowed, ofType[t].end());
      if (!findings_.add(Rule::Count, std::move(over), double(loaded - allowed))) return;
    }
  }

  void weight() {
    double total = 0;
    for (std::size_t i = 0; i < n_; ++i)
      if (knownType(i)) total += typeOf(i).weight;
    const double limit = in_.container.maxWeight;
    // Sums of many decimal weights round; a billionth of the limit is no overload.
    if (total > limit + 1e-9 * std::max(1.0, std::abs(limit)))
      findings_.add(Rule::Weight, {}, total - limit);
  }

  // The order along the length: by stop, the last stop first (it is loaded first), then
  // by zone within a stop. Each carton against the latest start of the places before its own.
  void zones() {
    std::int32_t lastStop = 0;
    for (std::size_t i = 0; i < n_; ++i)
      if (knownType(i)) lastStop = std::max(lastStop, stopOf(i));
    using Place = std::pair<std::int32_t, std::int32_t>;  // (stops loaded before, zone)
    const auto placeOf = [&](std::size_t i) { return Place{lastStop - stopOf(i), typeOf(i).zone}; };
    std::map<Place, std::size_t> latestStart;  // place -> carton starting furthest in
    for (std::size_t i = 0; i < n_; ++i) {
      if (!knownType(i)) continue;
      const auto [at, added] = latestStart.try_emplace(placeOf(i), i);
      if (!added && in_.cartons[i].z > in_.cartons[at->second].z) at->second = i;
    }
    // For each place, the carton of an earlier place that starts furthest in.
    std::map<Place, std::size_t> earlier;
    bool any = false;
    std::size_t furthest = 0;
    for (const auto& [place, carton] : latestStart) {
      if (any) earlier[place] = furthest;
      if (!any || in_.cartons[carton].z > in_.cartons[furthest].z) furthest = carton;
      any = true;
    }
    // Zones within a stop first, then the stops.
    for (const bool acrossStops : {false, true}) {
      const Rule rule = acrossStops ? Rule::StopOrder : Rule::Zone;
      for (std::size_t i = 0; i < n_; ++i) {
        if (!knownType(i)) continue;
        const auto before = earlier.find(placeOf(i));
        if (before == earlier.end() || (stopOf(before->second) != stopOf(i)) != acrossStops) continue;
        const std::int64_t start = in_.cartons[i].z, limit = in_.cartons[before->second].z;
        if (start < limit && !findings_.add(rule, {i, before->second}, double(limit - start))) return;
      }
    }
  }

  void overlaps(const BoxGrid& grid) {
    grid.forEachPairSharingACell(boxes_, [&](std::size_t a, std::size_t b) {
      const Box& p = boxes_[a];
      const Box& q = boxes_[b];
      const std::int64_t depth = std::min({std::min(p.x2, q.x2) - std::max(p.x1, q.x1),
                                           std::min(p.y2, q.y2) - std::max(p.y1, q.y1),
                                           std::min(p.z2, q.z2) - std::max(p.z1, q.z1)});
      if (depth <= 0) return true;
      return findings_.add(Rule::Overlap, {std::min(a, b), std::max(a, b)}, double(depth));
    });
  }

  // Calls visit(j) once for each other carton whose gross box meets box i's footprint,
  // within the cell layers from y1 to y2 of the grid.
  template <typename Visit>
  void forEachInColumn(const BoxGrid& grid, std::size_t i, std::int64_t cellY1, std::int64_t cellY2,
                       Visit visit) {
    if (cellY1 > cellY2) return;
    CellRange range = grid.cellsOf(boxes_[i]);
    range.y1 = cellY1;
    range.y2 = cellY2;
    ++stamp_;
    grid.forEachIn(range, [&](std::size_t j) {
      if (j == i || seen_[j] == stamp_) return;
      seen_[j] = stamp_;
      if (footprintOverlap(boxes_[i], boxes_[j]) > 0) visit(j);
    });
  }

  // Above a lying carton only lying cartons of its type; no more of them in a column than
  // the type's lying layers.
  void lyingCartons(const BoxGrid& grid) {
    seen_.assign(n_, 0);
    std::vector<std::size_t> lying;
    for (std::size_t i = 0; i < n_; ++i)
      if (stances_[i] == Stance::Lying) lying.push_back(i);
    std::sort(lying.begin(), lying.end(), [&](std::size_t a, std::size_t b) {
      return std::pair(boxes_[a].y1, boxes_[a].y2) < std::pair(boxes_[b].y1, boxes_[b].y2);
    });
    const auto sameStack = [&](std::size_t i, std::size_t j) {
      return stances_[j] == Stance::Lying && in_.cartons[j].type == in_.cartons[i].type;
    };
    std::vector<std::int32_t> layer(n_, 0);
    for (const std::size_t i : lying) {
      const Box& b = boxes_[i];
      forEachInColumn(grid, i, grid.cellY(b.y2), grid.countY() - 1, [&](std::size_t j) {
        if (boxes_[j].y1 >= b.y2 && !sameStack(i, j)) findings_.add(Rule::OnLyingCarton, {i, j}, 0);
      });
      std::int32_t below = 0;
      if (b.y1 > 0) {
        forEachInColumn(grid, i, 0, grid.cellY(b.y1 - 1), [&](std::size_t j) {
          if (boxes_[j].y2 <= b.y1 && sameStack(i, j)) below = std::max(below, layer[j]);
        });
      }
      layer[i] = below + 1;
      const std::int32_t allowed = typeOf(i).lyingLayers;
      if (layer[i] > allowed) findings_.add(Rule::LyingLayers, {i}, double(layer[i] - allowed));
      if (findings_.full()) return;
    }
  }

  void support(const std::vector<std::vector<Contact>>& contacts) {
    const std::int32_t percent = std::clamp(in_.supportPercent, 0, 100);
    if (percent == 0) return;
    for (std::size_t i = 0; i < n_ && !findings_.full(); ++i) {
      const Box& b = boxes_[i];
      const double base = double(b.x2 - b.x1) * double(b.z2 - b.z1);
      if (b.y1 <= 0 || base <= 0) continue;
      double carried = 0;
      for (const Contact& c : contacts[i]) carried += c.area;
      // Whole square millimetres: exact in a double for any container that exists.
      if (carried * 100.0 < percent * base)
        findings_.add(Rule::Support, {i}, percent - carried * 100.0 / base);
    }
  }

  const CheckInput& in_;
  const std::size_t n_;
  std::vector<Box> boxes_;
  std::vector<Stance> stances_;
  std::vector<std::uint32_t> seen_;  // stamp_ of the last query that visited a carton
  std::uint32_t stamp_ = 0;
  Findings findings_;
};

}  // namespace

CheckReport checkPlan(const CheckInput& input) { return Checker(input).run(); }

CheckReport checkCounts(const CheckInput& input) { return Checker(input).runCounts(); }

CheckReport checkWeightDistribution(const CheckInput& input) {
  Findings findings;
  checkCentre(input, findings);
  if (!findings.full()) checkAxles(input, findings);
  return findings.take();
}

std::int64_t allowedCount(const CartonType& type, std::int64_t setCount) {
  const std::int64_t sets = std::max<std::int64_t>(1, setCount);
  if (type.count <= 0) return 0;
  const std::int64_t most = std::numeric_limits<std::int64_t>::max();
  return sets > most / type.count ? most : type.count * sets;
}

}  // namespace check
