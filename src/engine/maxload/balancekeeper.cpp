#include "engine/maxload/balancekeeper.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/balance.h"

namespace maxload {
namespace {

// What a plan keeps from its bounds: sums of many products round, so a bound is met with a
// millionth of a millimetre or kilogram to spare.
constexpr double kSpare = 1e-6;

bool workable(const Vehicle& v) {
  return v.wheelbase > 0 && (v.kind == VehicleKind::RigidTruck || v.kingpinToTrailerAxle > 0);
}

// first + (first + step) + ... over n terms.
double series(double first, double step, std::int32_t n) { return n * first + step * n * (n - 1) / 2.0; }

}  // namespace

bool blocksKeepBalance(const MaxLoadInput& input, const std::vector<BlockScheme>& blocks) {
  if (!BalanceKeeper::needed(input)) return true;
  std::int32_t stops = 1;
  for (const MaxLoadType& t : input.types) stops = std::max(stops, std::max(0, t.stop) + 1);
  double mass = 0, mx = 0, my = 0, mz = 0;
  std::vector<double> stopMass(static_cast<std::size_t>(stops), 0.0), stopMz(static_cast<std::size_t>(stops), 0.0);
  for (const BlockScheme& b : blocks) {
    if (b.cartonIndex < 0 || static_cast<std::size_t>(b.cartonIndex) >= input.types.size()) continue;
    const MaxLoadType& t = input.types[static_cast<std::size_t>(b.cartonIndex)];
    const double w = std::isfinite(t.weight) && t.weight > 0 ? t.weight : 0.0;
    if (w <= 0 || b.ny <= 0 || b.nz <= 0) continue;
    const std::int64_t slice = std::int64_t{b.ny} * b.nz;
    for (std::int64_t k = 0; k < b.count; ++k) {
      const double cx = b.x + double(k / slice) * (b.sizeX + b.gapX) + b.sizeX / 2.0;
      const double cy = b.y + double((k % slice) / b.nz) * (b.sizeY + b.gapY) + b.sizeY / 2.0;
      const double cz = b.z + double(k % b.nz) * (b.sizeZ + b.gapZ) + b.sizeZ / 2.0;
      mass += w;
      mx += w * cx;
      my += w * cy;
      mz += w * cz;
      stopMass[static_cast<std::size_t>(std::max(0, t.stop))] += w;
      stopMz[static_cast<std::size_t>(std::max(0, t.stop))] += w * cz;
    }
  }
  if (mass <= 0) return true;
  const BalanceWindow& window = input.balance;
  const auto within = [](double centre, double size, const std::optional<double>& percent) {
    return !percent || std::abs(centre - size / 2.0) <= *percent / 100.0 * size - kSpare;
  };
  if (!within(mz / mass, input.containerZ, window.lengthPercent)) return false;
  if (!within(mx / mass, input.containerX, window.widthPercent)) return false;
  if (window.maxHeight && my / mass > *window.maxHeight - kSpare) return false;
  if (!input.vehicle || !workable(*input.vehicle)) return true;
  // At departure, then after each stop while cartons are left.
  for (std::int32_t after = -1; after < stops - 1; ++after) {
    double left = 0, moment = 0;
    for (std::int32_t k = after + 1; k < stops; ++k) {
      left += stopMass[static_cast<std::size_t>(k)];
      moment += stopMz[static_cast<std::size_t>(k)];
    }
    if (left <= 0) break;
    const std::vector<double> loads = vehicleAxleLoads(*input.vehicle, left, moment);
    for (std::size_t axle = 0; axle < loads.size(); ++axle)
      if (loads[axle] > input.vehicle->maxLoad[axle] - kSpare) return false;
  }
  return true;
}

bool BalanceKeeper::needed(const MaxLoadInput& input) {
  return input.balance.active() || (input.vehicle && workable(*input.vehicle));
}

BalanceKeeper::BalanceKeeper(const MaxLoadInput& input, const Problem& problem, const std::vector<Block>& blocks)
    : problem_(problem), blocks_(blocks), active_(needed(input)) {
  if (!active_) return;
  lengthPercent_ = input.balance.lengthPercent;
  widthPercent_ = input.balance.widthPercent;
  if (input.balance.maxHeight) maxHeight_ = double(*input.balance.maxHeight);
  if (input.vehicle && workable(*input.vehicle)) vehicle_ = input.vehicle;
  for (const MaxLoadType& t : problem.types) stopCount_ = std::max(stopCount_, std::max(0, t.stop) + 1);
  blockMass_.reserve(blocks.size());
  for (const Block& b : blocks) {
    BlockMass m;
    for (int li = 0; li < b.leafCount; ++li) {
      const Leaf& leaf = b.leaves[li];
      const MaxLoadType& t = problem.types[static_cast<std::size_t>(leaf.type)];
      const double w = std::isfinite(t.weight) && t.weight > 0 ? t.weight : 0.0;
      m.stop = std::max(0, t.stop);
      if (w <= 0) continue;
      const double n = double(leaf.nx) * leaf.ny * leaf.nz;
      m.mass += w * n;
      // Each carton at the middle of its net box.
      m.mx += w * leaf.ny * leaf.nz * series(leaf.ox + leaf.netX / 2.0, leaf.cx, leaf.nx);
      m.my += w * leaf.nx * leaf.nz * series(leaf.oy + leaf.netY / 2.0, leaf.cy, leaf.ny);
      m.mz += w * leaf.nx * leaf.ny * series(leaf.oz + leaf.netZ / 2.0, leaf.cz, leaf.nz);
    }
    blockMass_.push_back(m);
  }
}

std::vector<BalanceKeeper::Piece> BalanceKeeper::piecesOf(const PackState& s) const {
  std::vector<Piece> pieces;
  pieces.reserve(s.placed.size());
  for (const Placed& p : s.placed) {
    const Block& b = blocks_[static_cast<std::size_t>(p.block)];
    const BlockMass& m = blockMass_[static_cast<std::size_t>(p.block)];
    pieces.push_back(Piece{m.mass, m.mx + m.mass * p.x, m.my + m.mass * p.y, m.mz + m.mass * p.z, m.stop, p.x,
                           p.x + b.sx, p.z, p.z + b.sz});
  }
  return pieces;
}

BalanceKeeper::Totals BalanceKeeper::totalsOf(const std::vector<Piece>& pieces, const std::vector<bool>& kept) const {
  Totals t;
  t.stopMass.assign(static_cast<std::size_t>(stopCount_), 0.0);
  t.stopMz.assign(static_cast<std::size_t>(stopCount_), 0.0);
  t.x1 = problem_.X;
  t.z1 = problem_.Z;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    if (!kept[i]) continue;
    const Piece& p = pieces[i];
    t.mass += p.mass;
    t.mx += p.mx;
    t.my += p.my;
    t.mz += p.mz;
    t.stopMass[static_cast<std::size_t>(p.stop)] += p.mass;
    t.stopMz[static_cast<std::size_t>(p.stop)] += p.mz;
    t.x1 = std::min(t.x1, p.x1);
    t.x2 = std::max(t.x2, p.x2);
    t.z1 = std::min(t.z1, p.z1);
    t.z2 = std::max(t.z2, p.z2);
  }
  if (t.x1 > t.x2) t.x1 = t.x2 = 0;
  if (t.z1 > t.z2) t.z1 = t.z2 = 0;
  return t;
}

void BalanceKeeper::boundsOf(const Totals& t, bool alongLength, std::vector<Bound>& out) const {
  out.clear();
  if (t.mass <= 0) return;
  const double size = alongLength ? problem_.Z : problem_.X;
  const std::optional<double>& percent = alongLength ? lengthPercent_ : widthPercent_;
  if (percent) {
    // |centre + shift - size / 2| <= allowed
    const double centre = (alongLength ? t.mz : t.mx) / t.mass;
    const double allowed = *percent / 100.0 * size - kSpare;
    out.push_back(Bound{1, centre - size / 2.0, allowed, std::max(1.0, size)});
    out.push_back(Bound{-1, size / 2.0 - centre, allowed, std::max(1.0, size)});
  }
  if (!alongLength || !vehicle_) return;
  // At departure, then after each stop while cartons are left: the cartons of the later stops.
  std::int32_t lastStop = 0;
  for (std::int32_t k = 0; k < stopCount_; ++k)
    if (t.stopMass[static_cast<std::size_t>(k)] > 0) lastStop = k;
  for (std::int32_t after = -1; after < lastStop; ++after) {
    double mass = 0, moment = 0;
    for (std::int32_t k = after + 1; k < stopCount_; ++k) {
      mass += t.stopMass[static_cast<std::size_t>(k)];
      moment += t.stopMz[static_cast<std::size_t>(k)];
    }
    // The loads change in proportion to a shift: their rate from a shift of 1 mm.
    const std::vector<double> at = vehicleAxleLoads(*vehicle_, mass, moment);
    const std::vector<double> moved = vehicleAxleLoads(*vehicle_, mass, moment + mass);
    for (std::size_t axle = 0; axle < at.size(); ++axle) {
      const double most = vehicle_->maxLoad[axle];
      out.push_back(Bound{moved[axle] - at[axle], at[axle], most - kSpare, std::max(1.0, most)});
    }
  }
}

std::optional<std::pair<std::int32_t, std::int32_t>> BalanceKeeper::shiftThatHolds(const Totals& t) const {
  if (t.mass <= 0) return std::make_pair(0, 0);
  if (maxHeight_ && t.my / t.mass > *maxHeight_ - kSpare) return std::nullopt;
  std::int32_t shift[2] = {0, 0};
  for (const bool alongLength : {true, false}) {
    boundsOf(t, alongLength, bounds_);
    double low = -(alongLength ? t.z1 : t.x1);
    double high = (alongLength ? problem_.Z - t.z2 : problem_.X - t.x2);
    for (const Bound& b : bounds_) {
      if (b.a > 0) high = std::min(high, (b.c - b.b) / b.a);
      else if (b.a < 0) low = std::max(low, (b.c - b.b) / b.a);
      else if (b.b > b.c) return std::nullopt;
    }
    const double first = std::ceil(low - 1e-9), last = std::floor(high + 1e-9);
    if (first > last) return std::nullopt;
    // The whole shift nearest no shift; bounds hold at it up to rounding, so check.
    const double chosen = std::clamp(0.0, first, last);
    for (const Bound& b : bounds_)
      if (b.a * chosen + b.b > b.c + kSpare / 2) return std::nullopt;
    shift[alongLength ? 0 : 1] = static_cast<std::int32_t>(chosen);
  }
  return std::make_pair(shift[0], shift[1]);
}

double BalanceKeeper::shortfall(const Totals& t) const {
  if (t.mass <= 0) return 0;
  double sum = maxHeight_ ? std::max(0.0, t.my / t.mass - *maxHeight_) / std::max(1, problem_.Y) : 0.0;
  for (const bool alongLength : {true, false}) {
    boundsOf(t, alongLength, bounds_);
    const double low = -(alongLength ? t.z1 : t.x1);
    const double high = (alongLength ? problem_.Z - t.z2 : problem_.X - t.x2);
    const auto excess = [&](double d) {
      double e = 0;
      for (const Bound& b : bounds_) e += std::max(0.0, b.a * d + b.b - b.c) / b.scale;
      return e;
    };
    // The excess is convex and piecewise linear in the shift: least at a corner.
    double least = std::min(excess(low), excess(high));
    for (const Bound& b : bounds_)
      if (b.a != 0) least = std::min(least, excess(std::clamp((b.c - b.b) / b.a, low, high)));
    sum += least;
  }
  return sum;
}

void BalanceKeeper::settle(PackState& s) const {
  if (!active_ || s.placed.empty()) return;
  const std::vector<Piece> pieces = piecesOf(s);
  std::vector<bool> kept(pieces.size(), true);
  Totals totals = totalsOf(pieces, kept);
  std::optional<std::pair<std::int32_t, std::int32_t>> shift = shiftThatHolds(totals);
  if (!shift) {
    // What rests on what, among the placed blocks.
    const std::size_t n = s.placed.size();
    std::vector<std::vector<std::size_t>> restsOn(n);
    std::vector<std::int32_t> carrying(n, 0);
    for (std::size_t up = 0; up < n; ++up) {
      const Placed& pu = s.placed[up];
      const Block& bu = blocks_[static_cast<std::size_t>(pu.block)];
      for (std::size_t down = 0; down < n; ++down) {
        if (down == up) continue;
        const Placed& pd = s.placed[down];
        const Block& bd = blocks_[static_cast<std::size_t>(pd.block)];
        bool rests = false;
        for (int i = 0; i < bu.leafCount && !rests; ++i) {
          const Leaf& u = bu.leaves[i];
          const std::int32_t ux = pu.x + u.ox, uy = pu.y + u.oy, uz = pu.z + u.oz;
          for (int j = 0; j < bd.leafCount && !rests; ++j) {
            const Leaf& d = bd.leaves[j];
            const std::int32_t dx = pd.x + d.ox, dz = pd.z + d.oz;
            rests = pd.y + d.oy + d.sy() == uy && ux < dx + d.sx() && dx < ux + u.sx() && uz < dz + d.sz() &&
                    dz < uz + u.sz();
          }
        }
        if (rests) {
          restsOn[up].push_back(down);
          ++carrying[down];
        }
      }
    }
    while (!shift) {
      // The block carrying nothing whose going brings the load nearest to holding; of
      // equal ones the smaller, then the later placed.
      std::size_t best = n;
      double bestShort = 0;
      for (std::size_t i = 0; i < n; ++i) {
        if (!kept[i] || carrying[i] > 0) continue;
        kept[i] = false;
        const double left = shortfall(totalsOf(pieces, kept));
        kept[i] = true;
        const auto volume = [&](std::size_t k) { return blocks_[static_cast<std::size_t>(s.placed[k].block)].volume; };
        if (best == n || left < bestShort || (left == bestShort && volume(i) <= volume(best))) {
          best = i;
          bestShort = left;
        }
      }
      if (best == n) break;  // nothing left to take out
      kept[best] = false;
      for (const std::size_t down : restsOn[best]) --carrying[down];
      totals = totalsOf(pieces, kept);
      shift = shiftThatHolds(totals);
    }
    // The blocks taken out go back to the cartons left.
    std::size_t at = 0;
    for (std::size_t i = 0; i < n; ++i) {
      const Placed p = s.placed[i];
      if (kept[i]) {
        s.placed[at++] = p;
        continue;
      }
      const Block& b = blocks_[static_cast<std::size_t>(p.block)];
      s.volume -= b.volume;
      s.weight -= b.weight;
      for (int u = 0; u < b.useCount; ++u) s.remaining[static_cast<std::size_t>(b.useType[u])] += b.useCartons[u];
    }
    s.placed.resize(at);
  }
  if (!shift) return;
  for (Placed& p : s.placed) {
    p.z += shift->first;
    p.x += shift->second;
  }
}

double BalanceKeeper::imbalance(const PackState& s) const {
  if (!active_) return 0;
  const std::vector<Piece> pieces = piecesOf(s);
  const Totals t = totalsOf(pieces, std::vector<bool>(pieces.size(), true));
  if (t.mass <= 0) return 0;
  return std::abs(t.mz / t.mass - problem_.Z / 2.0) / std::max(1, problem_.Z) +
         std::abs(t.mx / t.mass - problem_.X / 2.0) / std::max(1, problem_.X);
}

}  // namespace maxload
