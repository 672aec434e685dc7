#pragma once
// The vehicle a container type rides on, for its axle loads: a rigid two-axle truck, or a
// tractor with a semi-trailer. Distances run along the container's length; its inner end
// faces the front of the vehicle.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

enum class VehicleKind {
  RigidTruck,   // axles: front, rear
  SemiTrailer,  // axles: tractor front, tractor drive, trailer
};

inline constexpr std::size_t kMaxAxles = 3;

struct Vehicle {
  VehicleKind kind = VehicleKind::RigidTruck;
  std::int32_t wheelbase = 0;         // mm, front axle to rear (drive) axle
  std::int32_t frontAxleToCargo = 0;  // rigid truck: mm from the front axle back to the inner end
  std::int32_t kingpinSetback = 0;    // semi-trailer: mm from the inner end back to the kingpin
  std::int32_t kingpinToTrailerAxle = 0;  // semi-trailer: mm from the kingpin back to its axles
  std::int32_t fifthWheelLead = 0;    // semi-trailer: mm the kingpin lies ahead of the drive axle
  std::array<std::int32_t, kMaxAxles> tare{};     // kg on each axle, unladen
  std::array<std::int32_t, kMaxAxles> maxLoad{};  // kg each axle may carry

  std::size_t axleCount() const { return kind == VehicleKind::RigidTruck ? 2 : 3; }
  bool operator==(const Vehicle&) const = default;
};

// The axle's name in the program's language: "前轴", "后轴"; "牵引车前轴", "驱动轴", "挂车轴".
std::string axleName(VehicleKind kind, std::size_t axle);
// "两轴卡车" or "牵引车+半挂车".
std::string vehicleKindName(VehicleKind kind);

// Why the vehicle's axle loads cannot be worked out (a wheelbase or trailer length of 0, a
// tare above the axle's maximum), in the program's language; empty when they can.
std::string vehicleProblem(const Vehicle& vehicle);

struct VehiclePreset {
  std::string name;  // in the program's language
  Vehicle vehicle;
};
// A few common vehicles: an 18 t rigid truck, a 12 t rigid truck, a 40 t tractor with a
// semi-trailer.
std::vector<VehiclePreset> vehiclePresets();
