#include "model/vehicle.h"

#include "model/language.h"

std::string axleName(VehicleKind kind, std::size_t axle) {
  if (kind == VehicleKind::RigidTruck)
    return axle == 0 ? inLanguage("前轴", "front axle") : inLanguage("后轴", "rear axle");
  switch (axle) {
    case 0: return inLanguage("牵引车前轴", "tractor front axle");
    case 1: return inLanguage("驱动轴", "drive axle");
    default: return inLanguage("挂车轴", "trailer axles");
  }
}

std::string vehicleKindName(VehicleKind kind) {
  return kind == VehicleKind::RigidTruck ? inLanguage("两轴卡车", "Rigid two-axle truck")
                                         : inLanguage("牵引车+半挂车", "Tractor with semi-trailer");
}

std::string vehicleProblem(const Vehicle& v) {
  if (v.wheelbase <= 0) return inLanguage("轴距须大于0。", "The wheelbase must be above 0.");
  if (v.kind == VehicleKind::SemiTrailer && v.kingpinToTrailerAxle <= 0)
    return inLanguage("牵引销到挂车轴的距离须大于0。", "The distance from the kingpin to the trailer axles must be above 0.");
  for (std::size_t axle = 0; axle < v.axleCount(); ++axle)
    if (v.tare[axle] < 0 || v.tare[axle] > v.maxLoad[axle])
      return axleName(v.kind, axle) + inLanguage("的空载重量须在0和最大轴荷之间。",
                                                 ": the unladen load must lie between 0 and the axle's maximum.");
  return {};
}

std::vector<VehiclePreset> vehiclePresets() {
  Vehicle rigid18;
  rigid18.kind = VehicleKind::RigidTruck;
  rigid18.wheelbase = 5500;
  rigid18.frontAxleToCargo = 1200;
  rigid18.tare = {4200, 3300, 0};
  rigid18.maxLoad = {7100, 11500, 0};
  Vehicle rigid12 = rigid18;
  rigid12.wheelbase = 4500;
  rigid12.frontAxleToCargo = 1100;
  rigid12.tare = {3200, 2300, 0};
  rigid12.maxLoad = {4800, 8000, 0};
  Vehicle semi;
  semi.kind = VehicleKind::SemiTrailer;
  semi.wheelbase = 3600;
  semi.kingpinSetback = 1600;
  semi.kingpinToTrailerAxle = 7700;
  semi.fifthWheelLead = 600;
  semi.tare = {5500, 4500, 5000};
  semi.maxLoad = {8000, 11500, 24000};
  return {{inLanguage("两轴卡车 18吨", "Rigid truck, 18 t"), rigid18},
          {inLanguage("两轴卡车 12吨", "Rigid truck, 12 t"), rigid12},
          {inLanguage("牵引车+三轴半挂车 40吨", "Tractor with three-axle semi-trailer, 40 t"), semi}};
}
