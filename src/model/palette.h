#pragma once
// The ten carton colours, shared by the tree, the result list, the 3D view and the export.

#include <cstdint>

// Packed colour 0x00BBGGRR (red in the lowest byte) of carton colour index 0-9;
// black for any other index.
std::uint32_t materialColor(std::int32_t index);

// The colour of a pallet's base (wood), 0x00BBGGRR.
inline constexpr std::uint32_t kPalletBaseColor = 0x004A85B8;
