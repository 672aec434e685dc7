#include "boxpic/pictures.h"

#include <cmath>
#include <cstdio>

#include "boxpic/painter.h"

namespace boxpic {

namespace {

constexpr double kLabelSize = 11;

bool positive(double value) { return std::isfinite(value) && value > 0; }

const char* edgeName(std::int32_t edge) {
  switch (edge) {
    case 2: return "L";
    case 1: return "W";
    case 0: return "H";
    default: return "?";
  }
}

std::string millimetres(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.0f", value);
  return text;
}

Point middle(const View& view, const Vec3& a, const Vec3& b) {
  const Point p = view.project(a), q = view.project(b);
  return {(p.u + q.u) / 2, (p.v + q.v) / 2};
}

// Marks the three visible sides of box: along z under its front bottom edge, along y left of
// its front edge at the inner end, along x right of its bottom edge on the door side.
void labelSides(const Canvas& canvas, const View& view, const Box& box, const std::string& alongX,
                const std::string& alongY, const std::string& alongZ) {
  const Vec3 l = box.low, h = box.high;
  Point z = middle(view, {l.x, l.y, l.z}, {l.x, l.y, h.z});
  z.v += kLabelSize;
  drawLabel(canvas.cr(), z, alongZ, Align::Center, Font::Latin, kLabelSize, canvas.width(), canvas.height());
  Point y = middle(view, {l.x, l.y, l.z}, {l.x, h.y, l.z});
  y.u -= 5;
  drawLabel(canvas.cr(), y, alongY, Align::Right, Font::Latin, kLabelSize, canvas.width(), canvas.height());
  Point x = middle(view, {l.x, l.y, h.z}, {h.x, l.y, h.z});
  x.u += 5;
  x.v += kLabelSize / 2;
  drawLabel(canvas.cr(), x, alongX, Align::Left, Font::Latin, kLabelSize, canvas.width(), canvas.height());
}

}  // namespace

bool edgesAreKnown(std::int32_t alongY, std::int32_t alongZ, std::int32_t alongX) {
  const auto valid = [](std::int32_t e) { return e >= 0 && e <= 2; };
  return valid(alongY) && valid(alongZ) && valid(alongX) && alongY != alongZ && alongY != alongX &&
         alongZ != alongX;
}

std::string sideLabel(std::int32_t count, std::int32_t edge, bool edgesKnown) {
  std::string label = std::to_string(count);
  if (edgesKnown) label += std::string("×") + edgeName(edge);
  return label;
}

bool drawCartonPicture(const CartonPicture& picture, const std::string& file) {
  Canvas canvas(picture.pictureWidth, picture.pictureHeight);
  if (!canvas.isReady()) return false;
  if (positive(picture.width) && positive(picture.height) && positive(picture.length)) {
    const Box carton = {{0, 0, 0}, {picture.width, picture.height, picture.length}};
    View view;
    // Room for the edge labels: H on the left, W on the right, L below.
    const double left = 0.26 * picture.pictureWidth, right = 0.23 * picture.pictureWidth;
    const double below = 2.6 * kLabelSize;
    view.fit(carton, {left, 8, picture.pictureWidth - left - right, picture.pictureHeight - 8 - below});
    drawSolidBox(canvas.cr(), view, carton, shadesOf(unpackColor(picture.color)), nullptr);
    labelSides(canvas, view, carton, "W=" + millimetres(picture.width), "H=" + millimetres(picture.height),
               "L=" + millimetres(picture.length));
  }
  return canvas.savePng(file);
}

bool drawBlockPicture(const BlockPicture& picture, const std::string& file) {
  Canvas canvas(picture.pictureWidth, picture.pictureHeight);
  if (!canvas.isReady()) return false;
  const bool hasContainer =
      positive(picture.containerWidth) && positive(picture.containerHeight) && positive(picture.containerLength);
  const bool hasBlock = std::isfinite(picture.x) && std::isfinite(picture.y) && std::isfinite(picture.z) &&
                        positive(picture.pitchX) && positive(picture.pitchY) && positive(picture.pitchZ) &&
                        picture.nx > 0 && picture.ny > 0 && picture.nz > 0;
  const Box container = {{0, 0, 0}, {picture.containerWidth, picture.containerHeight, picture.containerLength}};
  const Box block = {{picture.x, picture.y, picture.z},
                     {picture.x + picture.nx * picture.pitchX, picture.y + picture.ny * picture.pitchY,
                      picture.z + picture.nz * picture.pitchZ}};

  // Room for the labels at the sides and below.
  const double side = 40, above = 10, below = 2.6 * kLabelSize;
  View view;
  const Area area = {side, above, picture.pictureWidth - 2 * side, picture.pictureHeight - above - below};
  if (hasContainer)
    view.fit(container, area);
  else if (hasBlock)
    view.fit(block, area);

  cairo_t* cr = canvas.cr();
  if (hasContainer) drawContainerBehind(cr, view, container);
  if (hasBlock) {
    if (hasContainer && picture.y > 0) drawFloorShadow(cr, view, block, 0);
    const Grid grid = {picture.nx, picture.ny, picture.nz, picture.pitchX, picture.pitchY, picture.pitchZ};
    drawSolidBox(cr, view, block, shadesOf(unpackColor(picture.color)), &grid);
    const bool known = edgesAreKnown(picture.edgeAlongY, picture.edgeAlongZ, picture.edgeAlongX);
    if (hasContainer) drawContainerInFront(cr, view, container);
    labelSides(canvas, view, block, sideLabel(picture.nx, picture.edgeAlongX, known),
               sideLabel(picture.ny, picture.edgeAlongY, known), sideLabel(picture.nz, picture.edgeAlongZ, known));
  }
  if (hasContainer && !hasBlock) drawContainerInFront(cr, view, container);
  if (hasContainer) {
    // Under the two ends, where the floor meets the near wall.
    Point inner = view.project({0, 0, 0});
    inner.u -= 4;
    inner.v += 12;
    drawLabel(cr, inner, "里端", Align::Right, Font::Chinese, 13, canvas.width(), canvas.height());
    Point door = view.project({0, 0, picture.containerLength});
    door.u += 6;
    door.v += 14;
    drawLabel(cr, door, "门", Align::Left, Font::Chinese, 13, canvas.width(), canvas.height());
  }
  return canvas.savePng(file);
}

}  // namespace boxpic
