#include "boxpic/steppicture.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "boxpic/depthorder.h"
#include "boxpic/painter.h"

namespace boxpic {

namespace {

constexpr double kLabelSize = 13;
constexpr Rgb kPlainOutline = {0.55, 0.55, 0.55};
constexpr Rgb kStepOutline = {0.05, 0.05, 0.05};
// Cartons drawn smaller than this on the picture are drawn block by block.
constexpr double kSmallestCartonPixels = 3;
// A block of more places is drawn as a few boxes with grid lines, not carton by carton.
constexpr std::int64_t kMaxCartonsOneByOne = 20000;

bool positive(double value) { return std::isfinite(value) && value > 0; }

bool drawable(const StepBlock& b) {
  return std::isfinite(b.vertex.x) && std::isfinite(b.vertex.y) && std::isfinite(b.vertex.z) && positive(b.size.x) &&
         positive(b.size.y) && positive(b.size.z) && positive(b.pitch.x) && positive(b.pitch.y) &&
         positive(b.pitch.z) && b.nx > 0 && b.ny > 0 && b.nz > 0;
}

std::int64_t places(const StepBlock& b) { return std::int64_t{b.nx} * b.ny * b.nz; }

// The box of the places i0..i1-1, j0..j1-1, k0..k1-1 of the block's grid.
Box placesBox(const StepBlock& b, std::int64_t i0, std::int64_t i1, std::int64_t j0, std::int64_t j1,
              std::int64_t k0, std::int64_t k1) {
  const Vec3 v = b.vertex, p = b.pitch, s = b.size;
  return {{v.x + double(i0) * p.x, v.y + double(j0) * p.y, v.z + double(k0) * p.z},
          {v.x + double(i1 - 1) * p.x + s.x, v.y + double(j1 - 1) * p.y + s.y, v.z + double(k1 - 1) * p.z + s.z}};
}

// The filled places of a block as at most three boxes of whole rows: the full slices across
// x, the full rows of the next slice, the start of the next row.
std::vector<Box> filledBoxes(const StepBlock& b, std::int64_t count) {
  std::vector<Box> boxes;
  const std::int64_t slice = std::int64_t{b.ny} * b.nz;
  const std::int64_t fullSlices = count / slice, rest = count % slice;
  const std::int64_t fullRows = rest / b.nz, lastRow = rest % b.nz;
  if (fullSlices > 0) boxes.push_back(placesBox(b, 0, fullSlices, 0, b.ny, 0, b.nz));
  if (fullRows > 0) boxes.push_back(placesBox(b, fullSlices, fullSlices + 1, 0, fullRows, 0, b.nz));
  if (lastRow > 0) boxes.push_back(placesBox(b, fullSlices, fullSlices + 1, fullRows, fullRows + 1, 0, lastRow));
  return boxes;
}

Vec3 centreOf(const Box& box) {
  return {(box.low.x + box.high.x) / 2, (box.low.y + box.high.y) / 2, (box.low.z + box.high.z) / 2};
}

Box boundsOf(const std::vector<DrawnPlace>& drawn) {
  Box bounds = drawn.front().box;
  for (const DrawnPlace& d : drawn) {
    bounds.low = {std::min(bounds.low.x, d.box.low.x), std::min(bounds.low.y, d.box.low.y),
                  std::min(bounds.low.z, d.box.low.z)};
    bounds.high = {std::max(bounds.high.x, d.box.high.x), std::max(bounds.high.y, d.box.high.y),
                   std::max(bounds.high.z, d.box.high.z)};
  }
  return bounds;
}

// The places of one block to draw, in painting order among themselves.
std::vector<DrawnPlace> blockPlaces(const StepBlock& b, bool isStep, const View& view) {
  std::vector<DrawnPlace> drawn;
  const std::int64_t capacity = places(b);
  const std::int64_t count = std::clamp<std::int64_t>(b.count, 0, capacity);
  const PlaceKind filled = isStep ? PlaceKind::StepCarton : PlaceKind::Loaded;
  const double cartonPixels = std::min({b.size.x, b.size.y, b.size.z}) * view.scale();
  const bool oneByOne = capacity <= kMaxCartonsOneByOne && cartonPixels >= kSmallestCartonPixels;
  if (!oneByOne) {
    // Too many or too small to tell apart: the filled rows as a few boxes.
    for (const Box& box : filledBoxes(b, count)) drawn.push_back({box, filled, b.color});
    if (isStep && count < capacity) drawn.push_back({placesBox(b, 0, b.nx, 0, b.ny, 0, b.nz), PlaceKind::FreePlace, b.color});
    std::vector<Box> boxes;
    for (const DrawnPlace& d : drawn) boxes.push_back(d.box);
    std::vector<DrawnPlace> ordered;
    for (const std::size_t i : paintingOrder(boxes, view)) ordered.push_back(drawn[i]);
    return ordered;
  }
  const std::int64_t shown = isStep ? capacity : count;
  drawn.reserve(static_cast<std::size_t>(shown));
  std::int64_t n = 0;
  for (std::int64_t i = 0; i < b.nx; ++i)
    for (std::int64_t j = 0; j < b.ny; ++j)
      for (std::int64_t k = 0; k < b.nz && n < shown; ++k, ++n)
        drawn.push_back({placesBox(b, i, i + 1, j, j + 1, k, k + 1), n < count ? filled : PlaceKind::FreePlace, b.color});
  // Places of one grid: the farther centre first is the painter's order.
  std::stable_sort(drawn.begin(), drawn.end(), [&view](const DrawnPlace& a, const DrawnPlace& c) {
    return view.nearness(centreOf(a.box)) < view.nearness(centreOf(c.box));
  });
  return drawn;
}

Shades plainShades(Rgb color) {
  // What was loaded before: pale, so the step's cartons stand out.
  const Rgb pale = mix(color, Rgb{1, 1, 1}, 0.72);
  return {mix(pale, Rgb{1, 1, 1}, 0.35), mix(pale, Rgb{0, 0, 0}, 0.12), pale};
}

Shades stepShades(Rgb color) {
  // Seen from the door: the door side is the face in front, the left side darker.
  return {mix(color, Rgb{1, 1, 1}, 0.4), mix(color, Rgb{0, 0, 0}, 0.3), color};
}

void drawPlace(cairo_t* cr, const View& view, const DrawnPlace& place) {
  const Rgb color = unpackColor(place.color);
  const Vec3 extent = {place.box.high.x - place.box.low.x, place.box.high.y - place.box.low.y,
                       place.box.high.z - place.box.low.z};
  // Outlines thin out on small cartons, so that the cartons stay visible between them.
  const double pixels = std::min({extent.x, extent.y, extent.z}) * view.scale();
  const double width = std::clamp(pixels / 10, 0.4, 1.2);
  switch (place.kind) {
    case PlaceKind::Loaded:
      drawCartonBox(cr, view, place.box, plainShades(color), kPlainOutline, width * 0.8);
      break;
    case PlaceKind::StepCarton:
      drawCartonBox(cr, view, place.box, stepShades(color), kStepOutline, width);
      break;
    case PlaceKind::FreePlace:
      drawFreePlace(cr, view, place.box, mix(color, Rgb{0, 0, 0}, 0.45), std::max(width, 0.8));
      break;
  }
}

const char* edgeLetter(std::int32_t edge) {
  switch (edge) {
    case 2: return "L";
    case 1: return "W";
    case 0: return "H";
    default: return "?";
  }
}

std::string edgeLabel(std::int32_t edge, double size) {
  char text[64];
  std::snprintf(text, sizeof text, "%s %.0f", edgeLetter(edge), size);
  return text;
}

}  // namespace

std::vector<DrawnPlace> stepPlaces(const std::vector<StepBlock>& blocks, const View& view) {
  std::vector<std::vector<DrawnPlace>> perBlock;
  std::vector<Box> bounds;
  for (std::size_t b = 0; b < blocks.size(); ++b) {
    if (!drawable(blocks[b])) continue;
    std::vector<DrawnPlace> drawn = blockPlaces(blocks[b], b + 1 == blocks.size(), view);
    if (drawn.empty()) continue;
    bounds.push_back(boundsOf(drawn));
    perBlock.push_back(std::move(drawn));
  }
  std::vector<DrawnPlace> all;
  for (const std::size_t b : paintingOrder(bounds, view))
    all.insert(all.end(), perBlock[b].begin(), perBlock[b].end());
  return all;
}

bool drawStepPicture(const StepPicture& picture, const std::string& file) {
  Canvas canvas(picture.pictureWidth, picture.pictureHeight);
  if (!canvas.isReady()) return false;
  const bool hasContainer =
      positive(picture.containerWidth) && positive(picture.containerHeight) && positive(picture.containerLength);
  if (!hasContainer) return canvas.savePng(file);
  const Box container = {{0, 0, 0}, {picture.containerWidth, picture.containerHeight, picture.containerLength}};
  View view = View::fromDoor();
  // Room above for the inner end's label, below for the door's.
  const double margin = 8, labelRoom = 2.2 * kLabelSize;
  view.fit(container, {margin, labelRoom, picture.pictureWidth - 2 * margin,
                       picture.pictureHeight - 2 * labelRoom});

  cairo_t* cr = canvas.cr();
  drawContainerBehind(cr, view, container);
  for (const DrawnPlace& place : stepPlaces(picture.blocks, view)) drawPlace(cr, view, place);
  drawContainerInFront(cr, view, container, 0.45);
  if (const auto& centre = picture.centreOfGravity;
      centre && std::isfinite(centre->x) && std::isfinite(centre->y) && std::isfinite(centre->z))
    drawPointMark(cr, view.project(*centre), 6);

  const double middle = picture.containerWidth / 2;
  if (!picture.innerEndLabel.empty()) {
    Point inner = view.project({middle, picture.containerHeight, 0});
    inner.v -= kLabelSize;
    drawLabel(cr, inner, picture.innerEndLabel, Align::Center, Font::Chinese, kLabelSize, canvas.width(),
              canvas.height());
  }
  if (!picture.doorLabel.empty()) {
    Point door = view.project({middle, 0, picture.containerLength});
    door.v += kLabelSize;
    drawLabel(cr, door, picture.doorLabel, Align::Center, Font::Chinese, kLabelSize, canvas.width(),
              canvas.height());
  }
  return canvas.savePng(file);
}

bool drawOrientationPicture(const OrientationPicture& picture, const std::string& file) {
  Canvas canvas(picture.pictureWidth, picture.pictureHeight);
  if (!canvas.isReady()) return false;
  const Vec3 s = picture.size;
  if (positive(s.x) && positive(s.y) && positive(s.z)) {
    const Box carton = {{0, 0, 0}, s};
    View view = View::fromDoor();
    // Room for the labels: along y on the left, along x below, along z on the right.
    const double side = 0.3 * picture.pictureWidth, below = 20;
    view.fit(carton, {side, 6, picture.pictureWidth - 2 * side, picture.pictureHeight - 6 - below});
    cairo_t* cr = canvas.cr();
    drawCartonBox(cr, view, carton, stepShades(unpackColor(picture.color)), kStepOutline, 1.4);
    const double size = 11;
    // Along x: under the door face's bottom edge.
    Point x = view.project({s.x / 2, 0, s.z});
    x.v += size;
    drawLabel(cr, x, edgeLabel(picture.edgeAlongX, s.x), Align::Center, Font::Latin, size, canvas.width(),
              canvas.height());
    // Along y: left of the front left edge.
    Point y = view.project({0, s.y / 2, s.z});
    y.u -= 4;
    drawLabel(cr, y, edgeLabel(picture.edgeAlongY, s.y), Align::Right, Font::Latin, size, canvas.width(),
              canvas.height());
    // Along z: right of the top right edge, toward the inner end.
    Point z = view.project({s.x, s.y, s.z / 2});
    z.u += 4;
    drawLabel(cr, z, edgeLabel(picture.edgeAlongZ, s.z), Align::Left, Font::Latin, size, canvas.width(),
              canvas.height());
  }
  return canvas.savePng(file);
}

}  // namespace boxpic
