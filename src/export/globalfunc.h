#pragma once
// Free-standing helpers shared by the dialogs, the 3D view and the plan export.

#include <cstdint>
#include <string_view>

// True when the text is a whole number in the int32 range and not negative.
// Empty text, stray characters and out-of-range values give false.
bool isNonNegativeInteger(std::string_view text);
// True when the text is a finite decimal number whose value truncated toward zero is
// not negative (so "-0.5" passes; the carton dialog tests negative weights itself).
bool isNonNegativeNumber(std::string_view text);

// Packed colour 0x00BBGGRR (red in the lowest byte) of carton colour index 0-9;
// black for any other index.
std::uint32_t materialColor(std::int32_t index);
