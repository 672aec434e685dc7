#include "commands/containerform.h"

#include <cmath>

#include "commands/entrycheck.h"
#include "model/language.h"

namespace {

std::string shareText(const std::optional<double>& share) { return share ? numberText(*share) : std::string(); }

// An empty box: off; else a share of at most 50 %.
bool readShare(const std::string& text, std::optional<double>& share) {
  share.reset();
  if (text.empty()) return true;
  const auto value = readCheckedNumber(text);
  if (!value || *value < 0.0 || *value > 50.0) return false;
  share = *value == 0.0 ? 0.0 : *value;
  return true;
}

std::optional<Vehicle> vehicleOf(const ContainerRow& row, bool* readable) {
  *readable = true;
  if (row.vehicle != kItemRigidTruck && row.vehicle != kItemSemiTrailer) return std::nullopt;
  Vehicle v;
  v.kind = row.vehicle == kItemRigidTruck ? VehicleKind::RigidTruck : VehicleKind::SemiTrailer;
  const auto whole = [&](const std::string& text, std::int32_t& out) {
    const auto value = readCheckedInteger(text);
    if (!value) *readable = false;
    out = value.value_or(0);
  };
  whole(row.wheelbase, v.wheelbase);
  if (v.kind == VehicleKind::RigidTruck) {
    whole(row.frontAxleToCargo, v.frontAxleToCargo);
  } else {
    whole(row.kingpinSetback, v.kingpinSetback);
    whole(row.kingpinToTrailerAxle, v.kingpinToTrailerAxle);
    whole(row.fifthWheelLead, v.fifthWheelLead);
  }
  for (std::size_t axle = 0; axle < v.axleCount(); ++axle) {
    whole(row.tare[axle], v.tare[axle]);
    whole(row.maxAxleLoad[axle], v.maxLoad[axle]);
  }
  return v;
}

}  // namespace

ContainerRow withVehicle(ContainerRow row, const Vehicle& v) {
  row.vehicle = v.kind == VehicleKind::RigidTruck ? kItemRigidTruck : kItemSemiTrailer;
  const bool rigid = v.kind == VehicleKind::RigidTruck;
  row.wheelbase = std::to_string(v.wheelbase);
  row.frontAxleToCargo = rigid ? std::to_string(v.frontAxleToCargo) : std::string();
  row.kingpinSetback = rigid ? std::string() : std::to_string(v.kingpinSetback);
  row.kingpinToTrailerAxle = rigid ? std::string() : std::to_string(v.kingpinToTrailerAxle);
  row.fifthWheelLead = rigid ? std::string() : std::to_string(v.fifthWheelLead);
  for (std::size_t axle = 0; axle < kMaxAxles; ++axle) {
    const bool used = axle < v.axleCount();
    row.tare[axle] = used ? std::to_string(v.tare[axle]) : std::string();
    row.maxAxleLoad[axle] = used ? std::to_string(v.maxLoad[axle]) : std::string();
  }
  return row;
}

ContainerRow rowOf(const Container& c) {
  ContainerRow row{c.name, std::to_string(c.length), std::to_string(c.width), std::to_string(c.height),
                   std::to_string(c.maxWeight)};
  row.balanceLength = shareText(c.balance.lengthPercent);
  row.balanceWidth = shareText(c.balance.widthPercent);
  row.balanceHeight = c.balance.maxHeight ? std::to_string(*c.balance.maxHeight) : std::string();
  return c.vehicle ? withVehicle(row, *c.vehicle) : row;
}

ContainerRow rowOf(const ContainerType& type) {
  ContainerRow row = rowOf(type.container);
  if (type.cost) row.cost = numberText(*type.cost);
  if (type.available) row.available = std::to_string(*type.available);
  return row;
}

std::optional<ContainerType> containerTypeOf(const ContainerRow& row) {
  std::optional<Container> container = containerOf(row);
  if (!container) return std::nullopt;
  ContainerType type{*container, std::nullopt, std::nullopt};
  if (!row.cost.empty()) {
    const auto cost = readCheckedNumber(row.cost);
    if (!cost || *cost < 0 || !std::isfinite(*cost)) return std::nullopt;
    type.cost = *cost;
  }
  if (!row.available.empty()) {
    const auto available = readCheckedInteger(row.available);
    if (!available) return std::nullopt;
    type.available = *available;
  }
  return type;
}

std::optional<Container> containerOf(const ContainerRow& row) {
  auto length = readCheckedInteger(row.length);
  auto width = readCheckedInteger(row.width);
  auto height = readCheckedInteger(row.height);
  auto maxWeight = readCheckedInteger(row.maxWeight);
  if (!length || !width || !height || !maxWeight) return std::nullopt;
  Container c{row.name, *length, *width, *height, *maxWeight};
  if (!readShare(row.balanceLength, c.balance.lengthPercent) || !readShare(row.balanceWidth, c.balance.widthPercent))
    return std::nullopt;
  if (!row.balanceHeight.empty()) {
    c.balance.maxHeight = readCheckedInteger(row.balanceHeight);
    if (!c.balance.maxHeight) return std::nullopt;
  }
  bool readable = true;
  c.vehicle = vehicleOf(row, &readable);
  if (!readable) return std::nullopt;
  return c;
}

std::string checkContainerRow(const ContainerRow& row) {
  if (!isAcceptableName(row.name)) return unstorableNameMessage();
  // A fractional load would not survive the whole-kilogram reading on OK of the options.
  const auto container = containerOf(row);
  if (!container) return inputProblemMessage();
  // A container without room would only make every later calculation fail; the refusal
  // names the limit beside the dialog's message.
  if (container->length == 0 || container->width == 0 || container->height == 0)
    return inputProblemMessage() + inLanguage("集装箱的长、宽、高须至少为 1 mm。",
                                              " The container's length, width and height must be at least 1 mm.");
  if (!containerTypeOf(row)) return inputProblemMessage();
  if (container->vehicle) {
    if (std::string problem = vehicleProblem(*container->vehicle); !problem.empty()) return problem;
  }
  return {};
}
