#pragma once
// The view of the pictures: an orthographic projection of the container's axes, seen from
// beside the container (the x = 0 side), a little toward the door and from above. The inner
// end is on the left, the door on the right.

namespace boxpic {

struct Vec3 {
  double x = 0, y = 0, z = 0;
};

struct Point {
  double u = 0, v = 0;  // picture pixels, v downward
};

// An axis-aligned box from low to high corner.
struct Box {
  Vec3 low, high;
};

struct Area {
  double left = 0, top = 0, width = 0, height = 0;
};

class View {
 public:
  View();
  // Scales and places the projection so that bounds fills area, centred, keeping proportions.
  void fit(const Box& bounds, const Area& area);
  Point project(const Vec3& p) const;
  // Pixels per millimetre after fit.
  double scale() const { return scale_; }

 private:
  double right(const Vec3& p) const;  // unscaled picture axes
  double up(const Vec3& p) const;

  Vec3 rightAxis_, upAxis_;
  double scale_ = 1, offsetU_ = 0, offsetV_ = 0;
};

// A viewer of View sees three faces of any box: the x = low side, the top and the door
// side (z = high). The three faces at the opposite corner face away.

}  // namespace boxpic
