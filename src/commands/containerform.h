#pragma once
// The rules of the container dialog: a row of the container library as texts, the
// container it describes, and the check made on OK with its message.

#include <array>
#include <optional>
#include <string>

#include "model/container.h"
#include "model/containertype.h"

// The vehicle box's items.
enum VehicleItem : int { kItemNoVehicle = 0, kItemRigidTruck = 1, kItemSemiTrailer = 2 };

// One row of the list: the texts of its columns, as the container dialog wrote them. The
// balance window's and the vehicle's texts are empty while they are off.
struct ContainerRow {
  std::string name;
  std::string length;
  std::string width;
  std::string height;
  std::string maxWeight;
  std::string cost{};       // for several containers: what one costs; empty: none given
  std::string available{};  // how many there are; empty: as many as needed
  std::string balanceLength{};  // ± % of the length around the middle
  std::string balanceWidth{};   // ± % of the width around the middle
  std::string balanceHeight{};  // mm above the floor at most
  int vehicle = kItemNoVehicle;
  std::string wheelbase{};
  std::string frontAxleToCargo{};      // rigid truck
  std::string kingpinSetback{};        // semi-trailer
  std::string kingpinToTrailerAxle{};  // semi-trailer
  std::string fifthWheelLead{};        // semi-trailer
  std::array<std::string, kMaxAxles> tare{};
  std::array<std::string, kMaxAxles> maxAxleLoad{};

  bool operator==(const ContainerRow&) const = default;
};

// The row of a container, its numbers in decimal.
ContainerRow rowOf(const Container& container);
// The row of a container type: the container's, with its cost and count when given.
ContainerRow rowOf(const ContainerType& type);
// The container type a row describes; nothing when rowOf's numbers or a cost (a number of
// at least 0) or a count (a whole number) given cannot be read.
std::optional<ContainerType> containerTypeOf(const ContainerRow& row);
// The container a row describes; nothing when a size or load column is not a whole number
// from 0 to 2147483647, a balance column is neither empty nor such a number (a share
// with decimals), or a vehicle number of its kind is not a whole number.
std::optional<Container> containerOf(const ContainerRow& row);
// The row with the vehicle of a preset, its other columns kept.
ContainerRow withVehicle(ContainerRow row, const Vehicle& vehicle);

// The container dialog's check on OK: the message to show, empty when the row is
// accepted. Length, width and height must be above 0. The maximum load is a whole number
// of kilograms, like the sizes. A cost and a count, when given, are a number of at least
// 0 and a whole number. The balance shares lie from 0 to 50 %; a vehicle's axle loads
// must be workable (vehicleProblem).
std::string checkContainerRow(const ContainerRow& row);
