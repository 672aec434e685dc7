#pragma once
// Conversions from floating point to integers in the engine truncate toward zero.
// Values outside the target range are held at its ends and NaN becomes 0, so that absurd
// input can never make a conversion undefined.

#include <cmath>
#include <cstdint>
#include <limits>

template <typename Int>
Int truncateTo(double value) {
  if (std::isnan(value)) return 0;
  if (value >= static_cast<double>(std::numeric_limits<Int>::max()))
    return std::numeric_limits<Int>::max();
  if (value <= static_cast<double>(std::numeric_limits<Int>::min()))
    return std::numeric_limits<Int>::min();
  return static_cast<Int>(value);
}

inline std::int32_t truncateToInt32(double value) { return truncateTo<std::int32_t>(value); }
inline std::int64_t truncateToInt64(double value) { return truncateTo<std::int64_t>(value); }

// An int64 held within the int32 range.
inline std::int32_t clampToInt32(std::int64_t value) {
  if (value > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  if (value < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(value);
}
