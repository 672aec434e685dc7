// The vehicles of the axle loads: the presets, and the faults that keep axle loads from
// being worked out.

#include "model/vehicle.h"

#include <gtest/gtest.h>

namespace {

TEST(Vehicles, thePresetsCanBeWorkedOutAndFaultsAreNamed) {
  for (const VehiclePreset& preset : vehiclePresets()) EXPECT_EQ(vehicleProblem(preset.vehicle), "") << preset.name;
  Vehicle v = vehiclePresets().front().vehicle;
  v.wheelbase = 0;
  EXPECT_NE(vehicleProblem(v), "");
  v = vehiclePresets().back().vehicle;
  ASSERT_EQ(v.kind, VehicleKind::SemiTrailer);
  EXPECT_EQ(v.axleCount(), 3u);
  v.kingpinToTrailerAxle = 0;
  EXPECT_NE(vehicleProblem(v), "");
  v = vehiclePresets().back().vehicle;
  v.tare[2] = v.maxLoad[2] + 1;
  EXPECT_NE(vehicleProblem(v).find(axleName(VehicleKind::SemiTrailer, 2)), std::string::npos);
}

}  // namespace
