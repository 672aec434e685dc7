#include "commands/containerform.h"

#include "commands/entrycheck.h"
#include "model/language.h"

ContainerRow rowOf(const Container& c) {
  return {c.name, std::to_string(c.length), std::to_string(c.width), std::to_string(c.height),
          std::to_string(c.maxWeight)};
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
  return {};
}
