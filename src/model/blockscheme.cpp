#include "model/blockscheme.h"

#include <array>

#include "model/language.h"

std::int64_t BlockScheme::capacity() const {
  return static_cast<std::int64_t>(nx) * ny * nz;
}

double BlockScheme::netVolume() const {
  return static_cast<double>(sizeX) * sizeY * sizeZ * count;
}

double BlockScheme::grossVolume() const {
  return (static_cast<double>(sizeX) + gapX) * (static_cast<double>(sizeY) + gapY) *
         (static_cast<double>(sizeZ) + gapZ) * count;
}

std::string orientationName(std::int32_t orientation) {
  // Which carton face looks toward the door, and which looks up.
  static const std::array<const char*, 6> chinese = {
      "L-W面朝门，W-H面朝上", "W-H面朝门，L-H面朝上", "L-H面朝门，L-W面朝上",
      "W-H面朝门，L-W面朝上", "L-H面朝门，W-H面朝上", "L-W面朝门，L-H面朝上",
  };
  static const std::array<const char*, 6> english = {
      "L-W face to the door, W-H face up", "W-H face to the door, L-H face up",
      "L-H face to the door, L-W face up", "W-H face to the door, L-W face up",
      "L-H face to the door, W-H face up", "L-W face to the door, L-H face up",
  };
  if (orientation < 0 || orientation >= static_cast<std::int32_t>(chinese.size()))
    return inLanguage("未知", "unknown");
  const auto index = static_cast<std::size_t>(orientation);
  return inLanguage(chinese[index], english[index]);
}

std::string BlockScheme::orientationText() const { return orientationName(orientation); }
