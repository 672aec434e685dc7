#pragma once
// The views of the pictures: orthographic projections of the container's axes. The block
// pictures see the container from beside it (the x = 0 side), a little toward the door and
// from above, the inner end on the left and the door on the right. The step pictures see it
// as a loader at the door does, from above: the inner end at the back, the left wall (x = 0)
// on the left.

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
  // Beside the container, as the block pictures show it.
  View();
  // From towardViewer's side: a direction pointing from the container to the viewer, with
  // x < 0, y > 0 and z > 0 so that the three faces named below face the viewer.
  explicit View(const Vec3& towardViewer);
  // From the door and above, the left wall on the left, as the step pictures show it.
  static View fromDoor();
  // Scales and places the projection so that bounds fills area, centred, keeping proportions.
  void fit(const Box& bounds, const Area& area);
  Point project(const Vec3& p) const;
  // Pixels per millimetre after fit.
  double scale() const { return scale_; }
  // How near the viewer a point lies, in mm along the view direction: larger is nearer.
  double nearness(const Vec3& p) const;
  // The direction toward the viewer, of length 1.
  const Vec3& towardViewer() const { return towardViewer_; }

 private:
  double right(const Vec3& p) const;  // unscaled picture axes
  double up(const Vec3& p) const;

  Vec3 towardViewer_, rightAxis_, upAxis_;
  double scale_ = 1, offsetU_ = 0, offsetV_ = 0;
};

// A viewer of View sees three faces of any box: the x = low side, the top and the door
// side (z = high). The three faces at the opposite corner face away.

}  // namespace boxpic
