#include "commands/resultparts.h"

#include <algorithm>

#include "commands/leftovers.h"
#include "commands/palletplan.h"
#include "commands/statistics.h"
#include "engine/loadingorder.h"
#include "model/cargorules.h"
#include "model/language.h"

namespace {

const Carton* cartonOf(const ProjectInput& project, std::int32_t index) {
  if (index < 0 || static_cast<std::size_t>(index) >= project.cartons.size()) return nullptr;
  return &project.cartons[static_cast<std::size_t>(index)];
}

std::string weightText(const ProjectInput& project, std::int32_t cartonIndex, std::int64_t count) {
  const Carton* carton = cartonOf(project, cartonIndex);
  if (carton == nullptr || !(carton->weight > 0)) return {};
  return formatTwoDecimals(carton->weight * static_cast<double>(count));
}

// The cartons of a pallet by type, in order of first appearance.
struct CartonsOfType {
  std::int32_t cartonIndex = -1;
  std::string name;
  std::int32_t material = 0;
  std::int64_t count = 0;
};

std::vector<CartonsOfType> cartonsByType(const LoadedPallet& pallet) {
  std::vector<CartonsOfType> types;
  for (const BlockScheme& block : pallet.blocks) {
    auto it = std::find_if(types.begin(), types.end(),
                           [&block](const CartonsOfType& t) { return t.cartonIndex == block.cartonIndex; });
    if (it == types.end()) it = types.insert(types.end(), CartonsOfType{block.cartonIndex, block.cartonName, block.material, 0});
    it->count += block.count;
  }
  return types;
}

ResultRow palletRow(const LoadedPallet& pallet, const PalletPlacement& placement, std::size_t number,
                    std::int64_t cartons) {
  const PlacedBox box = placedPalletBox(pallet, placement);
  ResultRow row;
  std::string numberText = "P";
  numberText += std::to_string(number);
  row.texts = {numberText,
               pallet.type.name + inLanguage(" 托盘", " pallet"),
               inLanguage("高 ", "height ") + std::to_string(pallet.height) + " mm",
               std::to_string(box.x) + "," + std::to_string(box.y) + "," + std::to_string(box.z),
               std::to_string(box.sizeZ) + "×" + std::to_string(box.sizeX),
               std::to_string(cartons),
               formatTwoDecimals(pallet.grossWeight)};
  row.imageIndex = 0;  // the container's picture: a load of its own
  return row;
}

ResultRow palletCartonsRow(const ProjectInput& project, const CartonsOfType& cartons) {
  ResultRow row;
  row.texts = {"", "└ " + cartons.name, "", "", "", std::to_string(cartons.count),
               weightText(project, cartons.cartonIndex, cartons.count)};
  row.imageIndex = cartons.material + 1;
  if (const Carton* carton = cartonOf(project, cartons.cartonIndex)) row.stop = stopNameOf(project, *carton);
  return row;
}

// A placed pallet as a part of the listing, before its rows are written.
struct PalletPart {
  ShownPart part;
  const LoadedPallet* pallet = nullptr;
  const PalletPlacement* placement = nullptr;
};

std::vector<PalletPart> palletParts(const FillScheme& project, const LoadedContainer& loaded) {
  std::vector<PalletPart> parts;
  for (std::size_t p = 0; p < loaded.pallets.size(); ++p) {
    const PalletPlacement& placement = loaded.pallets[p];
    if (placement.pallet < 0 || static_cast<std::size_t>(placement.pallet) >= project.result.pallets.size()) continue;
    const LoadedPallet& pallet = project.result.pallets[static_cast<std::size_t>(placement.pallet)];
    PalletPart made;
    made.part.blocks = placedPalletCartons(pallet, placement);
    made.part.palletBase = placedPalletBase(pallet, placement);
    made.part.tareWeight = pallet.type.tareWeight;
    made.part.palletType = pallet.type.name;
    made.part.placement = static_cast<std::int32_t>(p);
    made.pallet = &pallet;
    made.placement = &placement;
    parts.push_back(std::move(made));
  }
  return parts;
}

// The parts in a loader's order: each pallet as the box it fills, the loose blocks as they are.
std::vector<std::size_t> partsInLoadingOrder(const ProjectInput& project, const std::vector<const ShownPart*>& parts) {
  std::vector<BlockScheme> wholes;
  for (const ShownPart* part : parts) {
    if (!part->palletBase) {
      wholes.push_back(part->blocks.front());
      continue;
    }
    PlacedBox box = *part->palletBase;
    std::int32_t top = box.y + box.sizeY;
    for (const BlockScheme& b : part->blocks) top = std::max(top, b.y + b.ny * b.sizeY + (b.ny - 1) * b.gapY);
    box.sizeY = top - box.y;
    wholes.push_back(boxBlock(box, part->blocks.empty() ? -1 : part->blocks.front().cartonIndex));
  }
  return loadingOrder(wholes, stopGroups(project, wholes));
}

ResultListing palletListing(const FillScheme& project, const LoadedContainer& loaded, std::size_t k) {
  ResultListing listing;
  listing.pallets = true;
  std::vector<PalletPart> pallets = palletParts(project, loaded);
  std::vector<ShownPart> loose;
  for (std::size_t b = 0; b < loaded.blocks.size(); ++b) {
    ShownPart part;
    part.blocks = {loaded.blocks[b]};
    part.blockNumber = static_cast<std::int32_t>(b + 1);
    loose.push_back(std::move(part));
  }
  // The loading order of every part, the pallets first then the loose blocks; the pallets
  // are listed and numbered in it, so that P1 is loaded first.
  std::vector<const ShownPart*> all;
  for (const PalletPart& p : pallets) all.push_back(&p.part);
  for (const ShownPart& part : loose) all.push_back(&part);
  const std::vector<std::size_t> order = partsInLoadingOrder(project, all);
  std::vector<std::size_t> palletOrder;
  for (const std::size_t i : order)
    if (i < pallets.size()) palletOrder.push_back(i);
  for (std::size_t i = 0; i < pallets.size(); ++i)
    if (std::find(palletOrder.begin(), palletOrder.end(), i) == palletOrder.end()) palletOrder.push_back(i);

  std::vector<std::size_t> partOfOrdered(all.size(), 0);  // the listing's part of each part in `all`
  for (const std::size_t i : palletOrder) {
    PalletPart& p = pallets[i];
    p.part.headRow = listing.rows.size();
    const int partIndex = static_cast<int>(listing.parts.size());
    partOfOrdered[i] = listing.parts.size();
    const std::vector<CartonsOfType> types = cartonsByType(*p.pallet);
    std::int64_t cartons = 0;
    for (const CartonsOfType& t : types) cartons += t.count;
    listing.rows.push_back(palletRow(*p.pallet, *p.placement, listing.parts.size() + 1, cartons));
    listing.partOfRow.push_back(partIndex);
    for (const CartonsOfType& t : types) {
      listing.rows.push_back(palletCartonsRow(project, t));
      listing.partOfRow.push_back(partIndex);
    }
    listing.parts.push_back(std::move(p.part));
  }
  // The loose blocks, the totals and the leftovers as a plan of loose cartons lists them.
  listing.leftovers = leftoverCartons(project, project.result);
  std::vector<ResultRow> rest = resultRows(project, loaded, listing.leftovers);
  for (std::size_t b = 0; b < rest.size(); ++b) {
    if (b < loose.size()) {
      loose[b].headRow = listing.rows.size();
      partOfOrdered[pallets.size() + b] = listing.parts.size();
      listing.partOfRow.push_back(static_cast<int>(listing.parts.size()));
      listing.parts.push_back(std::move(loose[b]));
    } else {
      if (b == loose.size()) listing.totalsRow = listing.rows.size();
      listing.partOfRow.push_back(-1);
    }
    listing.rows.push_back(std::move(rest[b]));
  }
  // The totals count the cartons on the pallets too, and weigh the pallets as well.
  ResultRow& totals = listing.rows[listing.totalsRow];
  std::int64_t cartons = 0;
  for (const ShownPart& part : listing.parts)
    for (const BlockScheme& b : part.blocks) cartons += b.count;
  totals.texts[5] = std::to_string(cartons);
  if (!listing.parts.empty()) {
    const LoadBalance balance = palletLoadBalance(project, k);
    totals.texts[6] = formatTwoDecimals(balance.loadedWeight);
    if (balance.maxLoadShare)
      totals.texts[6] += inLanguage("（", " (") + formatTwoDecimals(*balance.maxLoadShare * 100) + inLanguage("%）", "%)");
  }
  for (const std::size_t i : order) listing.stepRows.push_back(listing.parts[partOfOrdered[i]].headRow);
  return listing;
}

ResultListing blockListing(const FillScheme& project, const LoadedContainer& loaded) {
  ResultListing listing;
  listing.leftovers = leftoverCartons(project, project.result);
  listing.leftoverReasons = listedLeftoverReasons(project, project.result, listing.leftovers);
  listing.rows = resultRows(project, loaded, listing.leftovers, listing.leftoverReasons);
  listing.totalsRow = loaded.blocks.size();
  for (std::size_t r = 0; r < listing.rows.size(); ++r) {
    if (r >= loaded.blocks.size()) {
      listing.partOfRow.push_back(-1);
      continue;
    }
    ShownPart part;
    part.blocks = {loaded.blocks[r]};
    part.blockNumber = static_cast<std::int32_t>(r + 1);
    part.headRow = r;
    listing.partOfRow.push_back(static_cast<int>(r));
    listing.parts.push_back(std::move(part));
  }
  listing.stepRows = loadingSteps(project, loaded);
  return listing;
}

}  // namespace

std::optional<std::size_t> partStop(const ProjectInput& project, const ShownPart& part) {
  std::vector<std::int32_t> types;
  for (const BlockScheme& block : part.blocks) types.push_back(block.cartonIndex);
  return firstStopOf(project, types);
}

const ShownPart* ResultListing::partAt(std::size_t row) const {
  if (row >= partOfRow.size() || partOfRow[row] < 0) return nullptr;
  return &parts[static_cast<std::size_t>(partOfRow[row])];
}

ResultListing resultListing(const FillScheme& project, std::size_t k) {
  const std::vector<LoadedContainer>& containers = project.result.containers;
  if (k >= containers.size()) return blockListing(project, LoadedContainer{project.container, {}});
  if (project.result.mode == PlanningMode::Pallets) return palletListing(project, containers[k], k);
  return blockListing(project, containers[k]);
}

WeighedLoad weighedLoad(const ProjectInput& project, const Container& container,
                        const std::vector<const ShownPart*>& parts) {
  WeighedLoad load{project.cartons, LoadedContainer{container, {}}};
  for (const ShownPart* part : parts) {
    load.loaded.blocks.insert(load.loaded.blocks.end(), part->blocks.begin(), part->blocks.end());
    if (!part->palletBase || !(part->tareWeight > 0)) continue;
    // The base: a carton of its own that weighs the tare.
    Carton base;
    base.name = part->palletType;
    base.weight = part->tareWeight;
    load.cartons.push_back(base);
    load.loaded.blocks.push_back(boxBlock(*part->palletBase, static_cast<std::int32_t>(load.cartons.size() - 1)));
  }
  return load;
}

LoadBalance partsBalance(const ProjectInput& project, const Container& container,
                         const std::vector<const ShownPart*>& parts) {
  const WeighedLoad load = weighedLoad(project, container, parts);
  return loadBalance(load.cartons, load.loaded);
}

std::optional<AxleLoads> listingAxleLoads(const ProjectInput& project, const Container& container,
                                          const ResultListing& listing) {
  std::vector<const ShownPart*> parts;
  for (const ShownPart& part : listing.parts) parts.push_back(&part);
  WeighedLoad load = weighedLoad(project, container, parts);
  ProjectInput weighed = project;
  weighed.cartons = std::move(load.cartons);
  return axleLoads(weighed, load.loaded);
}
