#pragma once
// Where the centre of gravity of a container's load may lie: within ± a share of the
// length and of the width from the middle, and no higher than a height above the floor.
// Each bound is off until set; all off by default.

#include <cstdint>
#include <optional>

struct BalanceWindow {
  std::optional<double> lengthPercent{};     // ± % of the inner length, from the middle
  std::optional<double> widthPercent{};      // ± % of the inner width, from the middle
  std::optional<std::int32_t> maxHeight{};   // mm above the floor

  bool active() const { return lengthPercent || widthPercent || maxHeight; }
  bool operator==(const BalanceWindow&) const = default;
};

// The usual bound of the packing guidelines for cargo transport units: ±5 % of the length.
inline BalanceWindow lengthBalancePreset() { return BalanceWindow{5.0, std::nullopt, std::nullopt}; }
