#pragma once
// A container type the several-containers planner may use: the container, what one costs
// and how many there are.

#include <cstdint>
#include <optional>
#include <string>

#include "model/container.h"

struct ContainerType {
  ContainerType() = default;
  // A container alone is a type costing 1, of which there are as many as needed.
  ContainerType(Container c, std::optional<double> costOfOne = std::nullopt,
                std::optional<std::int32_t> count = std::nullopt)
      : container(std::move(c)), cost(costOfOne), available(count) {}

  Container container;
  std::optional<double> cost;             // per container; none: every container costs 1
  std::optional<std::int32_t> available;  // containers at most; none: as many as needed

  double costOrOne() const { return cost.value_or(1.0); }

  bool operator==(const ContainerType&) const = default;
};
