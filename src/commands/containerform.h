#pragma once
// The rules of the container dialog: a row of the container library as texts, the
// container it describes, and the check made on OK with its message.

#include <optional>
#include <string>

#include "model/container.h"

// One row of the list: the texts of its columns, as the container dialog wrote them.
struct ContainerRow {
  std::string name;
  std::string length;
  std::string width;
  std::string height;
  std::string maxWeight;

  bool operator==(const ContainerRow&) const = default;
};

// The row of a container, its numbers in decimal.
ContainerRow rowOf(const Container& container);
// The container a row describes; nothing when a number column is not a whole number
// from 0 to 2147483647.
std::optional<Container> containerOf(const ContainerRow& row);

// The container dialog's check on OK: the message to show, empty when the row is
// accepted. Length, width and height must be above 0. The maximum load is a whole number of kilograms, like the sizes.
std::string checkContainerRow(const ContainerRow& row);
