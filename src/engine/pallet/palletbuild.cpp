#include "engine/pallet/palletbuild.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "engine/fleet/bounds.h"
#include "model/orientation.h"

namespace pallet {
namespace {

// Of each pallet type at most this many times the pallets the containers could take by
// volume are built, and this many at least: the loading chooses among them.
constexpr double kSparePallets = 4;
constexpr double kLeastPalletsBuilt = 1000;
// The most tiers looked at: no container stacks more pallets than this.
constexpr std::int32_t kMostTiers = 8;

std::array<std::int32_t, 3> edgesOf(const MaxLoadType& t) { return {t.length, t.width, t.height}; }

constexpr std::array<std::uint8_t, 3> kEdgeBits = {kEdgeLength, kEdgeWidth, kEdgeHeight};

// The orientation code of a carton standing on the vertical edge with extents ex across
// and ez along.
std::int32_t orientationOf(const MaxLoadType& t, std::int32_t vertical, std::int32_t ex, std::int32_t ez) {
  for (std::int32_t code = 0; code < kOrientationCount; ++code) {
    if (edgeBit(verticalEdge(code)) != kEdgeBits[static_cast<std::size_t>(vertical)]) continue;
    const auto [x, y, z] = orientedExtents(code, t.length, t.width, t.height);
    (void)y;
    if (x == ex && z == ez) return code;
  }
  return 0;
}

// Moves blocks so that the box of their footprint is centred on the loading area.
void centre(std::vector<BlockScheme>& blocks, const PalletType& pallet) {
  if (blocks.empty()) return;
  std::int64_t x1 = std::numeric_limits<std::int64_t>::max(), z1 = x1, x2 = 0, z2 = 0;
  for (const BlockScheme& b : blocks) {
    x1 = std::min<std::int64_t>(x1, b.x);
    z1 = std::min<std::int64_t>(z1, b.z);
    x2 = std::max<std::int64_t>(x2, b.x + std::int64_t{b.nx} * (b.sizeX + b.gapX) - b.gapX);
    z2 = std::max<std::int64_t>(z2, b.z + std::int64_t{b.nz} * (b.sizeZ + b.gapZ) - b.gapZ);
  }
  const std::int64_t dx = (pallet.loadWidth() - (x2 - x1)) / 2 - x1;
  const std::int64_t dz = (pallet.loadLength() - (z2 - z1)) / 2 - z1;
  for (BlockScheme& b : blocks) {
    b.x = static_cast<std::int32_t>(b.x + dx);
    b.z = static_cast<std::int32_t>(b.z + dz);
  }
}

std::vector<Carton> weightsOf(const MaxLoadInput& cargo) {
  std::vector<Carton> cartons;
  for (const MaxLoadType& t : cargo.types) {
    Carton c;
    c.name = t.name;
    c.weight = t.weight;
    cartons.push_back(c);
  }
  return cartons;
}

LoadedPallet loadedPallet(const PalletType& type, std::vector<BlockScheme> blocks, const std::vector<Carton>& weights) {
  LoadedPallet pallet;
  pallet.type = type;
  pallet.blocks = std::move(blocks);
  measurePallet(pallet, weights);
  return pallet;
}

bool fitsOnPallet(const PalletType& pallet, const MaxLoadType& carton, const Tiers& tiers) {
  if (carton.weight > tiers.payload) return false;
  const std::array<std::int32_t, 3> e = edgesOf(carton);
  for (std::size_t up = 0; up < 3; ++up) {
    if ((carton.verticalEdges & kEdgeBits[up]) == 0) continue;
    const std::int32_t p = e[(up + 1) % 3], q = e[(up + 2) % 3];
    const bool across = (p <= pallet.loadWidth() && q <= pallet.loadLength()) ||
                        (q <= pallet.loadWidth() && p <= pallet.loadLength());
    if (across && e[up] <= tiers.maxHeight - pallet.baseHeight) return true;
  }
  return false;
}

class Builder {
 public:
  Builder(const PalletPlanInput& input, const RunBudget& run, double timeLimitSeconds, std::uint64_t effort,
          const PalletControl& control)
      : input_(input), control_(control), run_(run), timeLimit_(timeLimitSeconds), effort_(effort),
        weights_(weightsOf(input.cargo)), roof_(lowestRoof(input)) {
    built_.assign(input.palletTypes.size(), 0);
    full_.assign(input.palletTypes.size(), false);
    out_.unbuilt.assign(input.cargo.types.size(), 0);
    left_.assign(input.cargo.types.size(), 0);
    for (std::size_t i = 0; i < left_.size(); ++i)
      if (onPallet(i)) left_[i] = std::max(0, input.cargo.types[i].count);
  }

  BuiltPallets run() {
    for (std::size_t i = 0; i < left_.size(); ++i) fullPallets(i);
    // The mixed pallets share the time among the pallet types that still have cartons.
    std::vector<std::size_t> types;
    for (std::size_t p = 0; p < input_.palletTypes.size(); ++p)
      if (leftFor(p) > 0) types.push_back(p);
    for (std::size_t k = 0; k < types.size(); ++k) {
      if (cancelled() || run_.limitPassed()) break;
      const double share = timeLimit_ > 0 ? timeLimit_ / double(types.size()) : 0;
      const std::uint64_t effortLeft = effort_ - std::min(effort_, out_.effortUsed);
      mixedPallets(types[k], share, effort_ > 0 ? std::max<std::uint64_t>(1, effortLeft / (types.size() - k)) : 0);
    }
    out_.cancelled = out_.cancelled || cancelled();
    for (std::size_t i = 0; i < left_.size(); ++i) out_.unbuilt[i] += left_[i];
    return std::move(out_);
  }

 private:
  bool onPallet(std::size_t carton) const {
    return carton < input_.cartonPallet.size() && input_.cartonPallet[carton] >= 0 &&
           static_cast<std::size_t>(input_.cartonPallet[carton]) < input_.palletTypes.size();
  }
  const PalletType& palletOf(std::size_t carton) const {
    return input_.palletTypes[static_cast<std::size_t>(input_.cartonPallet[carton])];
  }
  bool cancelled() const { return control_.cancel && control_.cancel->load(std::memory_order_relaxed); }
  std::int64_t leftFor(std::size_t pallet) const {
    std::int64_t n = 0;
    for (std::size_t i = 0; i < left_.size(); ++i)
      if (onPallet(i) && static_cast<std::size_t>(input_.cartonPallet[i]) == pallet) n += left_[i];
    return n;
  }

  // Full pallets of one carton type, with as many tiers as carry the most cartons per place
  // on the floor.
  void fullPallets(std::size_t i) {
    if (left_[i] <= 0) return;
    const PalletType& type = palletOf(i);
    const MaxLoadType& carton = input_.cargo.types[i];
    const EdgeLayers layers = layersOf(type, carton);
    std::optional<Tiers> chosen;
    SingleTypePallet best;
    std::int64_t bestPerPlace = 0;
    for (std::int32_t k = 1; k <= kMostTiers; ++k) {
      const std::optional<Tiers> tiers = tiersOf(type, k, roof_, input_.cargo.gapY);
      if (!tiers) continue;
      const SingleTypePallet capacity = singleTypeCapacity(type, carton, *tiers, layers);
      if (std::int64_t{k} * capacity.cartons > bestPerPlace) {
        bestPerPlace = std::int64_t{k} * capacity.cartons;
        best = capacity;
        chosen = tiers;
      }
    }
    if (!chosen || best.cartons <= 0) return;
    const std::vector<BlockScheme> blocks =
        singleTypeBlocks(type, carton, static_cast<std::int32_t>(i), best, best.cartons, layers);
    const LoadedPallet pallet = loadedPallet(type, blocks, weights_);
    const std::size_t p = static_cast<std::size_t>(input_.cartonPallet[i]);
    // As many full pallets as the cartons make, and the containers could take.
    const std::int64_t most = mostPalletsLoaded(input_, type, pallet.height) - built_[p];
    const std::int64_t count = std::min<std::int64_t>(left_[i] / best.cartons, std::max<std::int64_t>(0, most));
    // The rest could not be loaded on any pallet: no mixed pallets of the type then.
    if (count < left_[i] / best.cartons) full_[p] = true;
    out_.pallets.insert(out_.pallets.end(), static_cast<std::size_t>(count), pallet);
    left_[i] -= static_cast<std::int32_t>(count * best.cartons);
    built_[p] += count;
  }

  // The tiers for mixed pallets of the type: those that leave the most room (by volume, or
  // by weight for heavy cartons) per place on the floor, among those every carton fits.
  std::optional<Tiers> mixedTiers(std::size_t p) const {
    const PalletType& type = input_.palletTypes[p];
    double volume = 0, weight = 0;
    for (std::size_t i = 0; i < left_.size(); ++i) {
      if (left_[i] <= 0 || static_cast<std::size_t>(input_.cartonPallet[i]) != p || !onPallet(i)) continue;
      const MaxLoadType& t = input_.cargo.types[i];
      volume += double(left_[i]) * t.length * t.width * t.height;
      weight += double(left_[i]) * t.weight;
    }
    const double density = volume > 0 ? weight / volume : 0;
    std::optional<Tiers> best;
    double bestRoom = 0;
    for (std::int32_t k = 1; k <= kMostTiers; ++k) {
      const std::optional<Tiers> tiers = tiersOf(type, k, roof_, input_.cargo.gapY);
      if (!tiers) continue;
      bool allFit = true;
      for (std::size_t i = 0; i < left_.size() && allFit; ++i)
        if (left_[i] > 0 && onPallet(i) && static_cast<std::size_t>(input_.cartonPallet[i]) == p)
          allFit = fitsOnPallet(type, input_.cargo.types[i], *tiers);
      if (!allFit) continue;
      double room = double(type.loadWidth()) * type.loadLength() * (tiers->maxHeight - type.baseHeight);
      if (density > 0) room = std::min(room, tiers->payload / density);
      if (k * room > bestRoom * (1 + 1e-9)) {
        bestRoom = k * room;
        best = tiers;
      }
    }
    if (!best) best = tiersOf(type, 1, roof_, input_.cargo.gapY);
    return best;
  }

  // Mixed pallets of what is left for the pallet type: the several-containers planner with
  // the pallet as its one container type.
  // effort 0: the several-containers planner's usual budget.
  void mixedPallets(std::size_t p, double seconds, std::uint64_t effort) {
    if (full_[p]) return;
    const PalletType& type = input_.palletTypes[p];
    const std::optional<Tiers> tiers = mixedTiers(p);
    if (!tiers) return;
    // No more pallets of the type than the containers could take: each at least as high as
    // its base and the least edge of its cartons.
    std::int32_t leastEdge = std::numeric_limits<std::int32_t>::max();
    for (std::size_t i = 0; i < left_.size(); ++i)
      if (left_[i] > 0 && onPallet(i) && static_cast<std::size_t>(input_.cartonPallet[i]) == p) {
        const MaxLoadType& t = input_.cargo.types[i];
        leastEdge = std::min({leastEdge, t.length, t.width, t.height});
      }
    if (leastEdge == std::numeric_limits<std::int32_t>::max()) return;
    const std::int64_t most =
        mostPalletsLoaded(input_, type, static_cast<std::int32_t>(std::min<std::int64_t>(
                                            std::int64_t{type.baseHeight} + leastEdge, INT32_MAX))) -
        built_[p];
    if (most <= 0) return;
    FleetInput fleet;
    FleetContainerType area;
    area.containerX = type.loadWidth();
    area.containerY = tiers->maxHeight - type.baseHeight;
    area.containerZ = type.loadLength();
    area.maxWeight = tiers->payload;
    fleet.containers = {area};
    fleet.cargo = input_.cargo;
    fleet.cargo.gapX = fleet.cargo.gapY = fleet.cargo.gapZ = 0;  // cartons stand tight on a pallet
    fleet.cargo.supportPercent = 100;
    for (std::size_t i = 0; i < fleet.cargo.types.size(); ++i) {
      MaxLoadType& t = fleet.cargo.types[i];
      t.count = onPallet(i) && static_cast<std::size_t>(input_.cartonPallet[i]) == p ? left_[i] : 0;
      t.zone = LoadZone::Free;  // positions in the container say nothing about a pallet
    }
    fleet.goal = FleetGoal::Cheapest;
    // Where the cartons need more pallets than that, only that many are built.
    if (fleet::boundOfLoadable(fleet).containers > most) {
      fleet.containers.front().available = static_cast<std::int32_t>(std::min<std::int64_t>(most, kMostContainers));
      fleet.goal = FleetGoal::FixedFleet;
    }
    fleet.timeLimitSeconds = seconds;
    if (effort > 0) fleet.effortBudget = effort;
    fleet.threads = input_.threads;
    FleetControl control;
    control.cancel = control_.cancel;
    control.endBy = run_.end();  // the loading needs the rest of the run
    const FleetResult result = planFleet(fleet, control);
    out_.effortUsed += result.effortUsed;
    if (result.cancelled) {
      out_.cancelled = true;
      return;
    }
    out_.timedOut = out_.timedOut || result.timedOut;
    for (const FleetLoad& load : result.loads) {
      std::vector<BlockScheme> blocks = load.blocks;
      for (BlockScheme& b : blocks) b.y += type.baseHeight;
      centre(blocks, type);
      for (const BlockScheme& b : blocks)
        if (b.cartonIndex >= 0 && static_cast<std::size_t>(b.cartonIndex) < left_.size())
          left_[static_cast<std::size_t>(b.cartonIndex)] -= b.count;
      out_.pallets.push_back(loadedPallet(type, std::move(blocks), weights_));
      ++built_[p];
    }
  }

  const PalletPlanInput& input_;
  const PalletControl& control_;
  const RunBudget& run_;
  const double timeLimit_;
  const std::uint64_t effort_;  // 0: each planner's usual budget
  std::vector<std::int64_t> built_;  // per pallet type: pallets built
  std::vector<bool> full_;           // per pallet type: as many built as the containers take
  const std::vector<Carton> weights_;
  const std::int32_t roof_;
  std::vector<std::int32_t> left_;  // per carton type: cartons meant for pallets not on one yet
  BuiltPallets out_;
};

}  // namespace

std::int32_t lowestRoof(const PalletPlanInput& input) {
  if (input.containers.empty()) return 0;
  if (input.loading == PalletLoading::OneContainer) return input.containers.front().containerY;
  std::int32_t roof = std::numeric_limits<std::int32_t>::max();
  for (const FleetContainerType& c : input.containers) roof = std::min(roof, c.containerY);
  return roof;
}

std::optional<Tiers> tiersOf(const PalletType& type, std::int32_t count, std::int32_t containerHeight, std::int32_t gapY) {
  if (count < 1 || (count > 1 && !type.stackable)) return std::nullopt;
  const std::int64_t perTier = std::int64_t{containerHeight} / count - gapY;
  Tiers tiers;
  tiers.count = count;
  tiers.maxHeight = static_cast<std::int32_t>(std::min<std::int64_t>(type.maxHeight, perTier));
  double gross = type.maxGrossWeight;
  if (count > 1) gross = std::min(gross, type.maxLoadOnTop / (count - 1));
  tiers.payload = gross - type.tareWeight;
  if (tiers.maxHeight <= type.baseHeight || tiers.payload <= 0) return std::nullopt;
  return tiers;
}

EdgeLayers layersOf(const PalletType& pallet, const MaxLoadType& carton) {
  EdgeLayers layers;
  const std::array<std::int32_t, 3> e = edgesOf(carton);
  for (std::size_t up = 0; up < 3; ++up) {
    if ((carton.verticalEdges & kEdgeBits[up]) == 0 || e[up] <= 0) continue;
    layers[up] = bestLayer(pallet.loadWidth(), pallet.loadLength(), e[(up + 1) % 3], e[(up + 2) % 3]);
  }
  return layers;
}

SingleTypePallet singleTypeCapacity(const PalletType& pallet, const MaxLoadType& carton, const Tiers& tiers,
                                    const EdgeLayers& layers) {
  SingleTypePallet best;
  if (carton.weight > tiers.payload) return best;
  const std::array<std::int32_t, 3> e = edgesOf(carton);
  const std::int32_t room = tiers.maxHeight - pallet.baseHeight;
  for (std::int32_t up = 0; up < 3; ++up) {
    if ((carton.verticalEdges & kEdgeBits[static_cast<std::size_t>(up)]) == 0) continue;
    const std::int32_t h = e[static_cast<std::size_t>(up)];
    const std::optional<LayerPattern>& layer = layers[static_cast<std::size_t>(up)];
    if (h <= 0 || h > room || !layer || layer->count <= 0) continue;
    std::int64_t cartons = layer->count * (room / h);
    if (carton.weight > 0)
      cartons = std::min<std::int64_t>(cartons, static_cast<std::int64_t>(std::floor(tiers.payload / carton.weight + 1e-9)));
    cartons = std::min<std::int64_t>(cartons, std::numeric_limits<std::int32_t>::max());
    if (cartons > best.cartons) best = SingleTypePallet{static_cast<std::int32_t>(cartons), up, layer->count};
  }
  return best;
}

std::vector<BlockScheme> singleTypeBlocks(const PalletType& pallet, const MaxLoadType& carton, std::int32_t cartonIndex,
                                          const SingleTypePallet& capacity, std::int32_t cartons,
                                          const EdgeLayers& layers) {
  std::vector<BlockScheme> blocks;
  const auto up = static_cast<std::size_t>(capacity.vertical);
  if (capacity.perLayer <= 0 || cartons <= 0 || !layers[up]) return blocks;
  const std::array<std::int32_t, 3> e = edgesOf(carton);
  const std::int32_t h = e[up], p = e[(up + 1) % 3], q = e[(up + 2) % 3];
  const LayerPattern& layer = *layers[up];
  const auto fullLayers = static_cast<std::int32_t>(cartons / layer.count);
  const auto rest = static_cast<std::int32_t>(cartons % layer.count);
  const auto block = [&](std::int32_t x, std::int32_t y, std::int32_t z, std::int32_t nx, std::int32_t ny,
                         std::int32_t nz, bool turned) {
    BlockScheme b;
    b.x = x;
    b.y = y;
    b.z = z;
    b.sizeX = turned ? q : p;
    b.sizeY = h;
    b.sizeZ = turned ? p : q;
    b.nx = nx;
    b.ny = ny;
    b.nz = nz;
    b.count = nx * ny * nz;
    b.orientation = orientationOf(carton, capacity.vertical, b.sizeX, b.sizeZ);
    b.material = carton.material;
    b.cartonIndex = cartonIndex;
    b.cartonName = carton.name;
    return b;
  };
  if (fullLayers > 0)
    for (const LayerBlock& lb : layer.blocks)
      blocks.push_back(block(lb.x, pallet.baseHeight, lb.z, lb.nx, fullLayers, lb.nz, lb.turned));
  const std::vector<LayerBox> boxes = layerBoxes(layer, p, q);
  for (std::int32_t k = 0; k < rest && static_cast<std::size_t>(k) < boxes.size(); ++k) {
    const LayerBox& box = boxes[static_cast<std::size_t>(k)];
    blocks.push_back(block(box.x, pallet.baseHeight + fullLayers * h, box.z, 1, 1, 1, box.turned));
  }
  // The layer as planned on the whole loading area, centred on the base.
  std::vector<BlockScheme> footprint;
  for (const LayerBlock& lb : layer.blocks) footprint.push_back(block(lb.x, 0, lb.z, lb.nx, 1, lb.nz, lb.turned));
  std::int64_t x2 = 0, z2 = 0;
  for (const BlockScheme& b : footprint) {
    x2 = std::max<std::int64_t>(x2, b.x + std::int64_t{b.nx} * b.sizeX);
    z2 = std::max<std::int64_t>(z2, b.z + std::int64_t{b.nz} * b.sizeZ);
  }
  const auto dx = static_cast<std::int32_t>((pallet.loadWidth() - x2) / 2);
  const auto dz = static_cast<std::int32_t>((pallet.loadLength() - z2) / 2);
  for (BlockScheme& b : blocks) {
    b.x += dx;
    b.z += dz;
  }
  return blocks;
}

BuiltPallets buildPallets(const PalletPlanInput& input, const RunBudget& run, double timeLimitSeconds,
                          std::uint64_t effort, const PalletControl& control) {
  return Builder(input, run, timeLimitSeconds, effort, control).run();
}

std::int64_t mostPalletsLoaded(const PalletPlanInput& input, const PalletType& type, std::int32_t height) {
  const double pallet = double(type.length) * type.width * std::max(1, height);
  double most = 0;
  for (const FleetContainerType& c : input.containers) {
    most = std::max(most, std::floor(double(c.containerX) * c.containerY * c.containerZ / pallet));
    if (input.loading == PalletLoading::OneContainer) break;
  }
  const double containers = input.loading == PalletLoading::OneContainer ? 1.0 : double(kMostContainers);
  // Stage 2 chooses among the pallets built: some to spare, a bound still.
  return static_cast<std::int64_t>(std::min(std::max(kSparePallets * most * containers, kLeastPalletsBuilt), 1e15));
}

}  // namespace pallet
