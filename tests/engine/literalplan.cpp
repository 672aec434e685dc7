#include "literalplan.h"

#include <algorithm>
#include <cmath>

namespace {

const int kRows[6][3] = {{0, 2, 1}, {1, 0, 2}, {2, 1, 0}, {0, 1, 2}, {1, 2, 0}, {2, 0, 1}};

struct Type {
  double dims[3];  // W, H, L
  long long count;
  int standMask;
  int upendLayers;
};

struct Candidate {
  double d[3];
  int type;
  int layerLimit;
  int orientation;
};

struct State {
  long long remaining;
  double gross;
};

struct Box {
  double e[3];
  double volume;
};

class Literal {
 public:
  double space[3];
  double gap[3];
  std::vector<Type> types;
  int setsEstimate = 0;

  std::vector<Candidate> candidates;
  std::vector<State> states;
  std::vector<PlanBlock> best, work;
  int sets = 1;
  bool lyingUsed = false;
  unsigned maxDepth = 0;
  unsigned usedLength = 0;
  unsigned long long calls = 0, maxCalls = 0;
  bool gaveUp = false;

  int run(int maxBlockNum, bool stopAtFirst) {
    sets = 1;
    const int n = static_cast<int>(types.size());
    if (n >= 4) {
      maxDepth = n;
    } else {
      int d = 2 * n - 1;
      if (n == 1) {
        if (setsEstimate < 2468) d += 1;
        if (setsEstimate < 1357) d += 1;
      }
      if (n == 2) {
        if (setsEstimate > 1357) d -= 1;
        if (setsEstimate < 456) d += 1;
      }
      maxDepth = std::max(0, std::min(maxBlockNum - 1, d));
    }
    candidates.clear();
    for (int i = 0; i < n; ++i) {
      const Type& t = types[i];
      for (int code = 0; code < 6; ++code) {
        bool allowed;
        int limit = 55555;
        if (code == 2 || code == 3) {
          allowed = (t.standMask & 2) != 0;
        } else if (code == 1 || code == 5) {
          allowed = (t.standMask & 1) != 0 || t.upendLayers != 0;
          if (!(t.standMask & 1)) limit = t.upendLayers;
        } else {
          allowed = (t.standMask & 4) != 0 || t.upendLayers != 0;
          if (!(t.standMask & 4)) limit = t.upendLayers;
        }
        if (!allowed) continue;
        Candidate c;
        for (int k = 0; k < 3; ++k) c.d[k] = t.dims[kRows[code][k]] + gap[k];
        c.type = i;
        c.layerLimit = limit;
        c.orientation = code;
        candidates.push_back(c);
      }
    }
    rebuildCounters(sets);
    best.clear();
    work.clear();
    lyingUsed = false;
    Box box{{space[0], space[1], space[2]}, space[0] * space[1] * space[2]};
    bool success = false;
    if (n == 1) {
      success = searchPlan(box, 999, stopAtFirst) && !best.empty();
    } else if (n <= 3) {
      bool tried = false;
      if (setsEstimate <= 1 || stopAtFirst) {
        tried = true;
        success = searchWholeSlabs(box) && !best.empty();
      }
      if (!tried || !success) {
        best.clear();
        work.clear();
        rebuildCounters(sets);
        lyingUsed = false;
        success = searchPlan(box, 2, stopAtFirst) && !best.empty();
      }
    } else {
      if (setsEstimate <= 1 || stopAtFirst) {
        success = searchWholeSlabs(box);
      } else {
        long long lo = 0;
        lyingUsed = false;
        if (searchWholeSlabs(box)) {
          lo = 1;
          long long hi = setsEstimate + 1;
          while (hi - lo > 1) {
            long long mid = (lo + hi) / 2;
            rebuildCounters(mid);
            best.clear();
            work.clear();
            lyingUsed = false;
            if (searchWholeSlabs(box)) lo = mid; else hi = mid;
          }
          rebuildCounters(lo);
          best.clear();
          work.clear();
          lyingUsed = false;
          searchWholeSlabs(box);
        }
        for (Type& t : types) t.count *= lo;
        return static_cast<int>(lo);
      }
    }
    return success ? sets : 0;
  }

 private:
  void rebuildCounters(long long multiplier) {
    states.clear();
    for (const Type& t : types) {
      double e[3] = {t.dims[0], t.dims[1], t.dims[2]};
      double g[3] = {gap[0], gap[1], gap[2]};
      std::sort(e, e + 3, std::greater<double>());
      std::sort(g, g + 3, std::greater<double>());
      states.push_back({t.count * multiplier, (e[0] + g[0]) * (e[1] + g[1]) * (e[2] + g[2])});
    }
  }

  double left() const {
    double sum = 0;
    for (const State& s : states) sum += static_cast<double>(std::max(s.remaining, 0LL)) * s.gross;
    return sum;
  }

  static void others(int a, int& r1, int& r2) {
    r1 = kRows[a][1];
    r2 = kRows[a][2];
  }

  PlanBlock slab(const Box& box, const Candidate& c, int a, long long layers, long long k1,
                 long long k2, bool whole) const {
    int r1, r2;
    others(a, r1, r2);
    double ext[3] = {box.e[0], box.e[1], box.e[2]};
    if (!whole) ext[a] = layers * c.d[a];
    int n[3];
    n[a] = static_cast<int>(layers);
    n[r1] = static_cast<int>(k1);
    n[r2] = static_cast<int>(k2);
    PlanBlock b;
    b.extentX = ext[0];
    b.extentY = ext[1];
    b.extentZ = ext[2];
    b.typeIndex = c.type;
    b.nx = n[0];
    b.ny = n[1];
    b.nz = n[2];
    b.axis = a;
    b.orientation = c.orientation;
    return b;
  }

  void record(const PlanBlock& last) {
    best = work;
    best.push_back(last);
    long long zStart = 0;
    usedLength = 0;
    for (const PlanBlock& b : best) {
      double edge = types[b.typeIndex].dims[kRows[b.orientation][2]];
      long long e = static_cast<long long>(b.nz * (std::trunc(edge) + gap[2]) + zStart);
      usedLength = std::max<unsigned>(usedLength, static_cast<unsigned>(e));
      if (b.axis == 2) zStart = static_cast<long long>(zStart + b.extentZ);
    }
  }

  bool overBudget() {
    if (maxCalls != 0 && ++calls > maxCalls) gaveUp = true;
    return gaveUp;
  }

  bool searchPlan(Box box, int perTypeLimit, bool stopAtFirst) {
    if (overBudget()) return false;
    const int target = stopAtFirst ? 1 : setsEstimate;
    for (int a = 0; a < 3; ++a) {
      if (a == 0 && box.e[0] == box.e[2]) continue;
      int r1, r2;
      others(a, r1, r2);
      for (const Candidate& c : candidates) {
        int used = 0;
        for (const PlanBlock& b : work) used += b.typeIndex == c.type;
        if (used >= perTypeLimit) continue;
        bool onlyLargest = used == perTypeLimit - 1;
        bool repeat = false;
        for (int i = static_cast<int>(work.size()) - 1; i >= 0 && work[i].axis == a; --i)
          if (work[i].typeIndex == c.type && work[i].orientation == c.orientation) repeat = true;
        if (repeat) continue;
        long long rem = states[c.type].remaining;
        if (rem <= 0) continue;
        long long k1 = static_cast<long long>(box.e[r1] / c.d[r1]);
        long long k2 = static_cast<long long>(box.e[r2] / c.d[r2]);
        if (k1 == 0 || k2 == 0) continue;
        bool lying = c.layerLimit < 55555;
        if (lying) {
          if (lyingUsed) continue;
          if (a == 1) lyingUsed = true;
        }
        if (a == 0) k2 = std::min<long long>(k2, c.layerLimit);
        if (a == 2) k1 = std::min<long long>(k1, c.layerLimit);
        long long m = k1 * k2;
        long long need = (target - sets + rem + m - 1) / m;
        long long fit = static_cast<long long>(box.e[a] / c.d[a]);
        long long L = std::min(fit, need);
        if (a == 1) L = std::min<long long>(L, c.layerLimit);
        for (long long layers = L; layers >= 1; --layers) {
          if (onlyLargest && layers != L) break;
          states[c.type].remaining -= m * layers;
          double l = left();
          if (l < 1e-6) {
            long long extra = 0;
            bool first = true;
            for (size_t i = 0; i < types.size(); ++i) {
              if (types[i].count <= 0) continue;
              long long q = states[i].remaining / types[i].count;
              if (first || q > extra) extra = q;
              first = false;
            }
            if (extra != 0) {
              sets = static_cast<int>(std::min<long long>(sets - extra, target));
              for (size_t i = 0; i < types.size(); ++i) states[i].remaining -= types[i].count * extra;
            }
            if (extra != 0 || best.empty() || work.size() + 1 < best.size()) {
              record(slab(box, c, a, layers, k1, k2, true));
              if (stopAtFirst && sets == target) return true;
            }
            states[c.type].remaining += m * layers;
          } else {
            if (work.size() >= maxDepth) {
              states[c.type].remaining += m * layers;
              break;
            }
            Box next = box;
            next.e[a] = box.e[a] - layers * c.d[a];
            next.volume = next.e[0] * next.e[1] * next.e[2];
            if (l > next.volume) {
              states[c.type].remaining += m * layers;
              continue;
            }
            work.push_back(slab(box, c, a, layers, k1, k2, false));
            bool r = searchPlan(next, perTypeLimit, stopAtFirst);
            if (gaveUp) return false;
            if (r && stopAtFirst && sets == target) return true;
            work.pop_back();
            states[c.type].remaining += m * layers;
          }
        }
        if (lying && a == 1) lyingUsed = false;
      }
    }
    return !stopAtFirst;
  }

  bool searchWholeSlabs(Box box) {
    if (overBudget()) return false;
    for (int a = 0; a < 3; ++a) {
      if (a == 0 && box.e[0] == box.e[2]) continue;
      int r1, r2;
      others(a, r1, r2);
      for (const Candidate& c : candidates) {
        long long rem = states[c.type].remaining;
        if (rem <= 0) continue;
        long long k1 = static_cast<long long>(box.e[r1] / c.d[r1]);
        long long k2 = static_cast<long long>(box.e[r2] / c.d[r2]);
        if (k1 == 0 || k2 == 0) continue;
        bool lying = c.layerLimit < 55555;
        if (lying) {
          if (lyingUsed) continue;
          if (a == 1) lyingUsed = true;
        }
        if (a == 0) k2 = std::min<long long>(k2, c.layerLimit);
        if (a == 2) k1 = std::min<long long>(k1, c.layerLimit);
        long long m = k1 * k2;
        long long need = (rem + m - 1) / m;
        long long fit = static_cast<long long>(box.e[a] / c.d[a]);
        long long layers = need;
        if (a == 1) layers = std::min<long long>(layers, c.layerLimit);
        if (layers >= 1 && fit >= need) {
          states[c.type].remaining -= m * layers;
          double l = left();
          if (l < 1e-6) {
            record(slab(box, c, a, layers, k1, k2, true));
            return true;
          }
          Box next = box;
          next.e[a] = box.e[a] - layers * c.d[a];
          next.volume = next.e[0] * next.e[1] * next.e[2];
          if (work.size() >= maxDepth || l > next.volume) {
            states[c.type].remaining += m * layers;
          } else {
            work.push_back(slab(box, c, a, layers, k1, k2, false));
            if (searchWholeSlabs(next)) return true;
            if (gaveUp) return false;
            work.pop_back();
            states[c.type].remaining += m * layers;
          }
        }
        if (lying && a == 1) lyingUsed = false;
      }
    }
    return false;
  }
};

}  // namespace

LiteralOutcome runLiterally(const ContainerPlan& built, std::int32_t maxBlockNum, bool stopAtFirst,
                            std::uint64_t maxCalls) {
  Literal l;
  l.maxCalls = maxCalls;
  const PlanInput& in = built.input();
  l.space[0] = in.spaceX;
  l.space[1] = in.spaceY;
  l.space[2] = in.spaceZ;
  l.gap[0] = in.gapX;
  l.gap[1] = in.gapY;
  l.gap[2] = in.gapZ;
  l.setsEstimate = in.setsEstimate;
  for (const PlanCarton& t : in.types) {
    // The literal copy keeps its own mask bits: W = 1, H = 2, L = 4.
    const int mask = ((t.standMask & kStandW) ? 1 : 0) | ((t.standMask & kStandH) ? 2 : 0) |
                     ((t.standMask & kStandL) ? 4 : 0);
    l.types.push_back({{t.dimW, t.dimH, t.dimL}, t.count, mask, t.upendLayers});
  }
  LiteralOutcome out;
  out.result = l.run(maxBlockNum, stopAtFirst);
  out.bestBlocks = l.best;
  out.sets = l.sets;
  out.usedLength = l.usedLength;
  for (const Type& t : l.types) out.counts.push_back(t.count);
  out.maxDepth = l.maxDepth;
  out.gaveUp = l.gaveUp;
  return out;
}

#include "engine/runproject.h"

std::vector<BlockScheme> assembleLiterally(const LiteralOutcome& outcome, const ContainerPlan& built,
                                           const RunProject& project, std::int32_t zOffset,
                                           std::int32_t group) {
  std::vector<long long> quota;
  const PlanInput& in = built.input();
  for (std::size_t i = 0; i < in.types.size(); ++i) quota.push_back(outcome.counts[i] * outcome.sets);
  double xOff = 0, yOff = 0, zOff = zOffset, topY = in.spaceY;
  std::vector<BlockScheme> blocks;
  for (const PlanBlock& b : outcome.bestBlocks) {
    BlockScheme s;
    int number = 0, index = -1;
    for (std::size_t i = 0; i < project.input.cartons.size(); ++i) {
      if (group >= 0 && project.groupKeyOf(i) != group) continue;
      if (number == b.typeIndex) {
        index = static_cast<int>(i);
        break;
      }
      ++number;
    }
    const Carton& carton = project.input.cartons[index];
    long long n = static_cast<long long>(b.nx) * b.ny * b.nz;
    s.count = static_cast<int>(std::min(quota[b.typeIndex], n));
    quota[b.typeIndex] -= s.count;
    s.cartonName = carton.name;
    s.material = carton.material;
    s.orientation = b.orientation;
    s.nx = b.nx;
    s.ny = b.ny;
    s.nz = b.nz;
    const PlanCarton& t = in.types[b.typeIndex];
    double dims[3] = {t.dimW, t.dimH, t.dimL};
    s.sizeX = static_cast<int>(dims[kRows[b.orientation][0]]);
    s.sizeY = static_cast<int>(dims[kRows[b.orientation][1]]);
    s.sizeZ = static_cast<int>(dims[kRows[b.orientation][2]]);
    s.x = static_cast<int>(xOff);
    s.y = static_cast<int>(yOff);
    s.z = static_cast<int>(zOff);
    if (b.axis == 0) xOff += b.extentX;
    else if (b.axis == 2) zOff += b.extentZ;
    else if (b.orientation == 2 || b.orientation == 3 || t.standMask != kStandUpright) yOff += b.extentY;
    else {
      s.y = static_cast<int>(topY - b.extentY);
      topY -= b.extentY;
    }
    s.cartonIndex = index;
    s.gapX = static_cast<int>(in.gapX);
    s.gapY = static_cast<int>(in.gapY);
    s.gapZ = static_cast<int>(in.gapZ);
    if (s.count > 0) blocks.push_back(s);
  }
  return blocks;
}
