#pragma once
// The container to load: its inner size, the weight it may carry, where the load's centre
// of gravity may lie and the vehicle it rides on.

#include <cstdint>
#include <optional>
#include <string>

#include "model/balancewindow.h"
#include "model/vehicle.h"

struct Container {
  std::string name = "演示集装箱";  // the demo container
  std::int32_t length = 11800;     // inner length, inner end to door, mm
  std::int32_t width = 2300;       // inner width, mm
  std::int32_t height = 2450;      // inner height, mm
  std::int32_t maxWeight = 20000;  // maximum load, kg
  BalanceWindow balance{};         // where the load's centre of gravity may lie
  std::optional<Vehicle> vehicle{};  // the vehicle it rides on, for the axle loads

  // L x W x H in mm³, formed in floating point (the demo container exceeds 32 bits).
  double volume() const;
  // Caption of the tree's root: "演示集装箱 (11800*2300*2450)".
  std::string displayText() const;

  bool operator==(const Container&) const = default;
};
