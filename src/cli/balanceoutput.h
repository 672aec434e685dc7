#pragma once
// The loaded weight and the centre of gravity as `plan` prints them, in both modes.

#include <string>

struct FillScheme;

// The weight line and, when it says anything, the centre-of-gravity line, each ending in
// a newline; nothing without a result.
std::string balanceText(const FillScheme& project);
// {"loadedWeight": kg, "maxLoadShare": share or null, "weightsMissing": [names],
//  "centreOfGravity": {"fromInnerEnd", "fromLeftWall", "aboveFloor", "offsetAlongLength",
//  "offsetAcross"} in mm, or null when unknown}.
std::string balanceJson(const FillScheme& project);
