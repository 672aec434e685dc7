#pragma once
// One carton type: its size, weight, how many, and how it may be placed.

#include <cstdint>
#include <optional>
#include <string>

// Values of Carton::spaceIndex: the position requirement as a rank.
enum SpaceIndex : std::int32_t {
  kSpaceInner = 0,    // as far inside as possible (placed first)
  kSpaceNone = 100,   // no special requirement
  kSpaceDoor = 200,   // as near the door as possible (placed last)
};

inline constexpr int kMaterialCount = 10;  // carton colours 0-9

struct Carton {
  std::string name = "纸箱";  // UTF-8 in memory, GBK in the project file
  std::int32_t length = 0;    // edge L, mm
  std::int32_t width = 0;     // edge W, mm
  std::int32_t height = 0;    // edge H, mm: vertical when the carton stands upright
  bool mustUp = false;        // lying down not allowed
  std::int32_t upendLayers = 0;  // top layers in which it may lie down all the same
  double weight = 0.0;        // kg per carton
  std::int32_t material = 0;  // colour index 0-9
  std::int32_t count = 1;     // cartons of this type (the ratio within one set)
  std::int32_t spaceIndex = kSpaceNone;
  bool stackable = true;                 // other cartons may rest on it
  std::optional<double> maxLoadOnTop{};  // kg it may bear; nothing: no limit
  bool fragile = false;                  // only fragile cartons may rest on it
  std::string stop{};                    // its stop (a name of the project's stops); empty: the last
  // The pallet type the cartons are built onto, by name (model/pallettype.h: a type of the
  // project's own or a preset's short name); empty: loaded loose.
  std::string pallet = {};

  // L x W x H in mm³, formed in floating point.
  double volume() const;
  // Caption of the carton in the tree: "纸箱1 (600*400*300:50)".
  std::string displayText() const;

  bool operator==(const Carton&) const = default;
};
