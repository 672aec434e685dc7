// Reads arbitrary bytes as a packing list. Whatever the bytes, reading ends with cartons or
// a message, never both; cartons it accepts are written and read back the same.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "commands/packinglist.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const PackingList list = readPackingList(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!list.ok()) {
    if (!list.cartons.empty()) std::abort();
    return 0;
  }
  const PackingList back = readPackingList(packingListText(list.cartons));
  if (!back.ok() || back.cartons.size() != list.cartons.size()) std::abort();
  for (std::size_t i = 0; i < list.cartons.size(); ++i) {
    const Carton& a = list.cartons[i];
    const Carton& b = back.cartons[i];
    if (a.name != b.name || a.length != b.length || a.width != b.width || a.height != b.height ||
        a.count != b.count || a.weight != b.weight || a.mustUp != b.mustUp || a.upendLayers != b.upendLayers ||
        a.spaceIndex != b.spaceIndex || a.material != b.material)
      std::abort();
  }
  return 0;
}
