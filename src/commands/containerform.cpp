#include "commands/containerform.h"

#include "commands/entrycheck.h"
#include "model/language.h"

#include <cmath>

ContainerRow rowOf(const Container& c) {
  return {c.name, std::to_string(c.length), std::to_string(c.width), std::to_string(c.height),
          std::to_string(c.maxWeight)};
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
  return Container{row.name, *length, *width, *height, *maxWeight};
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
  return {};
}
