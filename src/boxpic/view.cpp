#include "boxpic/view.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace boxpic {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kYawDegrees = 22;    // from straight beside the container toward the door
constexpr double kPitchDegrees = 28;  // from level upward
// The step pictures: from straight in front of the door toward the left wall, and upward.
constexpr double kDoorYawDegrees = 34;
constexpr double kDoorPitchDegrees = 40;

double radians(double degrees) { return degrees * kPi / 180; }

Vec3 cross(const Vec3& a, const Vec3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

Vec3 normalized(const Vec3& v) {
  const double length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
  return length > 0 ? Vec3{v.x / length, v.y / length, v.z / length} : Vec3{0, 0, 1};
}

double dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

std::array<Vec3, 8> corners(const Box& box) {
  std::array<Vec3, 8> result;
  for (int i = 0; i < 8; ++i)
    result[static_cast<std::size_t>(i)] = {(i & 1) ? box.high.x : box.low.x, (i & 2) ? box.high.y : box.low.y,
                                           (i & 4) ? box.high.z : box.low.z};
  return result;
}

}  // namespace

View::View()
    : View(Vec3{-std::cos(radians(kPitchDegrees)) * std::cos(radians(kYawDegrees)), std::sin(radians(kPitchDegrees)),
                std::cos(radians(kPitchDegrees)) * std::sin(radians(kYawDegrees))}) {}

View::View(const Vec3& towardViewer) : towardViewer_(normalized(towardViewer)) {
  // The picture's axes: right is level, up is square to right and to the view direction.
  rightAxis_ = normalized(cross({0, 1, 0}, towardViewer_));
  upAxis_ = cross(towardViewer_, rightAxis_);
}

View View::fromDoor() {
  const double yaw = radians(kDoorYawDegrees), pitch = radians(kDoorPitchDegrees);
  return View({-std::sin(yaw) * std::cos(pitch), std::sin(pitch), std::cos(yaw) * std::cos(pitch)});
}

double View::nearness(const Vec3& p) const { return dot(p, towardViewer_); }

double View::right(const Vec3& p) const { return dot(p, rightAxis_); }

double View::up(const Vec3& p) const { return dot(p, upAxis_); }

void View::fit(const Box& bounds, const Area& area) {
  double minU = std::numeric_limits<double>::max(), maxU = -minU;
  double minV = minU, maxV = -minU;
  for (const Vec3& corner : corners(bounds)) {
    minU = std::min(minU, right(corner));
    maxU = std::max(maxU, right(corner));
    minV = std::min(minV, -up(corner));
    maxV = std::max(maxV, -up(corner));
  }
  const double spanU = maxU - minU, spanV = maxV - minV;
  scale_ = 1;
  if (spanU > 0 && spanV > 0)
    scale_ = std::min(area.width / spanU, area.height / spanV);
  else if (spanU > 0)
    scale_ = area.width / spanU;
  else if (spanV > 0)
    scale_ = area.height / spanV;
  offsetU_ = area.left + (area.width - spanU * scale_) / 2 - minU * scale_;
  offsetV_ = area.top + (area.height - spanV * scale_) / 2 - minV * scale_;
}

Point View::project(const Vec3& p) const {
  return {offsetU_ + right(p) * scale_, offsetV_ - up(p) * scale_};
}

}  // namespace boxpic
