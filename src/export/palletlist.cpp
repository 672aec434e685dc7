#include "export/palletlist.h"

#include <algorithm>

namespace {

bool samePallet(const LoadedPallet& a, const LoadedPallet& b) { return a.type == b.type && a.blocks == b.blocks; }

std::vector<PalletContent> contentsOf(const LoadedPallet& pallet) {
  std::vector<PalletContent> contents;
  for (const BlockScheme& block : pallet.blocks) {
    auto it = std::find_if(contents.begin(), contents.end(),
                           [&block](const PalletContent& c) { return c.carton == block.cartonName; });
    if (it == contents.end()) it = contents.insert(contents.end(), PalletContent{block.cartonName, 0});
    it->count += block.count;
  }
  return contents;
}

}  // namespace

PalletList palletList(const LoadedContainer& loaded, const std::vector<LoadedPallet>& pallets,
                      const std::vector<std::size_t>& loadingOrder) {
  std::vector<std::size_t> order;
  for (const std::size_t p : loadingOrder)
    if (p < loaded.pallets.size() && std::find(order.begin(), order.end(), p) == order.end()) order.push_back(p);
  for (std::size_t p = 0; p < loaded.pallets.size(); ++p)
    if (std::find(order.begin(), order.end(), p) == order.end()) order.push_back(p);
  PalletList list;
  for (const std::size_t p : order) {
    const PalletPlacement& placement = loaded.pallets[p];
    if (placement.pallet < 0 || static_cast<std::size_t>(placement.pallet) >= pallets.size()) continue;
    const auto index = static_cast<std::size_t>(placement.pallet);
    const LoadedPallet& pallet = pallets[index];
    const auto seen = std::find_if(list.distinct.begin(), list.distinct.end(),
                                   [&](std::size_t d) { return samePallet(pallets[d], pallet); });
    const std::size_t picture = static_cast<std::size_t>(seen - list.distinct.begin());
    if (seen == list.distinct.end()) list.distinct.push_back(index);
    list.rows.push_back(
        PalletListRow{list.rows.size() + 1, pallet.type.name, contentsOf(pallet), pallet.height, pallet.grossWeight, picture, p});
  }
  return list;
}
