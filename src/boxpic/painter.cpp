#include "boxpic/painter.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

#include "model/safefile.h"

namespace boxpic {

namespace {

constexpr double kMinGridSpacing = 3.0;  // pixels between grid lines, or they are left out
constexpr int kMaxGridLines = 2000;      // per axis and face
constexpr Rgb kOutline = {0.10, 0.10, 0.10};
constexpr Rgb kContainerEdge = {0.25, 0.25, 0.25};

double luminance(Rgb c) { return 0.299 * c.r + 0.587 * c.g + 0.114 * c.b; }

void setColor(cairo_t* cr, Rgb c) { cairo_set_source_rgb(cr, c.r, c.g, c.b); }

void tracePolygon(cairo_t* cr, const View& view, const std::array<Vec3, 4>& corners) {
  cairo_new_path(cr);
  for (std::size_t i = 0; i < corners.size(); ++i) {
    const Point p = view.project(corners[i]);
    if (i == 0)
      cairo_move_to(cr, p.u, p.v);
    else
      cairo_line_to(cr, p.u, p.v);
  }
  cairo_close_path(cr);
}

void fillFace(cairo_t* cr, const View& view, const std::array<Vec3, 4>& corners, Rgb color) {
  tracePolygon(cr, view, corners);
  setColor(cr, color);
  cairo_fill(cr);
}

void strokeLine(cairo_t* cr, const View& view, const Vec3& from, const Vec3& to) {
  const Point a = view.project(from), b = view.project(to);
  cairo_move_to(cr, a.u, a.v);
  cairo_line_to(cr, b.u, b.v);
  cairo_stroke(cr);
}

// Lines across a face at every step of pitch along one axis, from start; step moves a point
// along that axis, span is the line's extent along the other.
template <typename PointAt>
void drawGridLines(cairo_t* cr, const View& view, int count, double pitch, PointAt pointAt) {
  if (count < 2 || !(pitch > 0)) return;
  const Point a = view.project(pointAt(0.0, 0.0)), b = view.project(pointAt(pitch, 0.0));
  const double spacing = std::hypot(b.u - a.u, b.v - a.v);
  if (spacing < kMinGridSpacing || count > kMaxGridLines) return;
  for (int k = 1; k < count; ++k) {
    strokeLine(cr, view, pointAt(k * pitch, 0.0), pointAt(k * pitch, 1.0));
  }
}

Rgb gridColorOn(Rgb face) {
  return luminance(face) > 0.4 ? mix(face, kOutline, 0.65) : mix(face, Rgb{1, 1, 1}, 0.6);
}

// The three faces a viewer of a View sees: the x = low side, the top and the door side.
struct VisibleFaces {
  std::array<Vec3, 4> side, top, door;
};

VisibleFaces visibleFaces(const Box& box) {
  const Vec3 l = box.low, h = box.high;
  return {{{{l.x, l.y, l.z}, {l.x, h.y, l.z}, {l.x, h.y, h.z}, {l.x, l.y, h.z}}},
          {{{l.x, h.y, l.z}, {h.x, h.y, l.z}, {h.x, h.y, h.z}, {l.x, h.y, h.z}}},
          {{{l.x, l.y, h.z}, {l.x, h.y, h.z}, {h.x, h.y, h.z}, {h.x, l.y, h.z}}}};
}

}  // namespace

Rgb mix(Rgb a, Rgb b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb unpackColor(std::int32_t packed) {
  const auto value = static_cast<std::uint32_t>(packed);
  return {(value & 0xFF) / 255.0, ((value >> 8) & 0xFF) / 255.0, ((value >> 16) & 0xFF) / 255.0};
}

Shades shadesOf(Rgb color) {
  return {mix(color, Rgb{1, 1, 1}, 0.45), color, mix(color, Rgb{0, 0, 0}, 0.3)};
}

Canvas::Canvas(int width, int height) : width_(width), height_(height) {
  surface_ = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
  cr_ = cairo_create(surface_);
  cairo_set_source_rgb(cr_, 1, 1, 1);
  cairo_paint(cr_);
  cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
}

Canvas::~Canvas() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

bool Canvas::isReady() const {
  return cairo_surface_status(surface_) == CAIRO_STATUS_SUCCESS && cairo_status(cr_) == CAIRO_STATUS_SUCCESS;
}

bool Canvas::savePng(const std::string& file) const {
  cairo_surface_flush(surface_);
  // The PNG goes through a stream into a new file of our own beside the picture: a file or
  // link another user left under a temporary name is never opened, let alone written.
  const auto writePng = [this](int fd) {
    const auto toFile = [](void* closure, const unsigned char* data, unsigned int length) {
      return writeAllTo(*static_cast<int*>(closure), data, length) ? CAIRO_STATUS_SUCCESS
                                                                   : CAIRO_STATUS_WRITE_ERROR;
    };
    return cairo_surface_write_to_png_stream(surface_, toFile, &fd) == CAIRO_STATUS_SUCCESS;
  };
  return replaceFile(file, writePng, {});
}

void drawSolidBox(cairo_t* cr, const View& view, const Box& box, const Shades& shades, const Grid* grid) {
  const Vec3 l = box.low, h = box.high;
  const std::array<Vec3, 4> front = {{{l.x, l.y, l.z}, {l.x, h.y, l.z}, {l.x, h.y, h.z}, {l.x, l.y, h.z}}};
  const std::array<Vec3, 4> top = {{{l.x, h.y, l.z}, {h.x, h.y, l.z}, {h.x, h.y, h.z}, {l.x, h.y, h.z}}};
  const std::array<Vec3, 4> door = {{{l.x, l.y, h.z}, {l.x, h.y, h.z}, {h.x, h.y, h.z}, {h.x, l.y, h.z}}};
  fillFace(cr, view, front, shades.front);
  fillFace(cr, view, top, shades.top);
  fillFace(cr, view, door, shades.door);

  if (grid != nullptr) {
    cairo_set_line_width(cr, 0.8);
    // On the side toward the viewer (x = low): rows along y and columns along z.
    setColor(cr, gridColorOn(shades.front));
    drawGridLines(cr, view, grid->ny, grid->pitchY,
                  [&](double d, double t) { return Vec3{l.x, l.y + d, l.z + t * (h.z - l.z)}; });
    drawGridLines(cr, view, grid->nz, grid->pitchZ,
                  [&](double d, double t) { return Vec3{l.x, l.y + t * (h.y - l.y), l.z + d}; });
    // On the top: along x and along z.
    setColor(cr, gridColorOn(shades.top));
    drawGridLines(cr, view, grid->nx, grid->pitchX,
                  [&](double d, double t) { return Vec3{l.x + d, h.y, l.z + t * (h.z - l.z)}; });
    drawGridLines(cr, view, grid->nz, grid->pitchZ,
                  [&](double d, double t) { return Vec3{l.x + t * (h.x - l.x), h.y, l.z + d}; });
    // On the door side: along x and along y.
    setColor(cr, gridColorOn(shades.door));
    drawGridLines(cr, view, grid->nx, grid->pitchX,
                  [&](double d, double t) { return Vec3{l.x + d, l.y + t * (h.y - l.y), h.z}; });
    drawGridLines(cr, view, grid->ny, grid->pitchY,
                  [&](double d, double t) { return Vec3{l.x + t * (h.x - l.x), l.y + d, h.z}; });
  }

  cairo_set_line_width(cr, 1.6);
  setColor(cr, kOutline);
  for (const auto& face : {front, top, door}) {
    tracePolygon(cr, view, face);
    cairo_stroke(cr);
  }
}

void drawCartonBox(cairo_t* cr, const View& view, const Box& box, const Shades& shades, Rgb outline,
                   double lineWidth) {
  const VisibleFaces faces = visibleFaces(box);
  fillFace(cr, view, faces.side, shades.front);
  fillFace(cr, view, faces.top, shades.top);
  fillFace(cr, view, faces.door, shades.door);
  if (lineWidth <= 0) return;
  cairo_set_line_width(cr, lineWidth);
  setColor(cr, outline);
  for (const auto& face : {faces.side, faces.top, faces.door}) {
    tracePolygon(cr, view, face);
    cairo_stroke(cr);
  }
}

void drawFreePlace(cairo_t* cr, const View& view, const Box& box, Rgb color, double lineWidth) {
  const VisibleFaces faces = visibleFaces(box);
  const double dashes[] = {3.0, 2.0};
  cairo_set_dash(cr, dashes, 2, 0);
  cairo_set_line_width(cr, lineWidth);
  setColor(cr, color);
  for (const auto& face : {faces.side, faces.top, faces.door}) {
    tracePolygon(cr, view, face);
    cairo_stroke(cr);
  }
  cairo_set_dash(cr, nullptr, 0, 0);
}

void drawPointMark(cairo_t* cr, const Point& at, double radius) {
  cairo_save(cr);
  cairo_new_path(cr);
  cairo_arc(cr, at.u, at.v, radius + 2, 0, 2 * 3.14159265358979323846);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_fill(cr);
  cairo_set_line_width(cr, 2);
  setColor(cr, {0, 0, 0});
  cairo_arc(cr, at.u, at.v, radius, 0, 2 * 3.14159265358979323846);
  cairo_stroke(cr);
  cairo_move_to(cr, at.u - radius - 4, at.v);
  cairo_line_to(cr, at.u + radius + 4, at.v);
  cairo_move_to(cr, at.u, at.v - radius - 4);
  cairo_line_to(cr, at.u, at.v + radius + 4);
  cairo_stroke(cr);
  cairo_arc(cr, at.u, at.v, radius / 3, 0, 2 * 3.14159265358979323846);
  cairo_fill(cr);
  cairo_restore(cr);
}

void drawContainerBehind(cairo_t* cr, const View& view, const Box& c) {
  const Vec3 l = c.low, h = c.high;
  // The faces turned away from the viewer, seen through the others: floor, far wall and
  // inner end.
  fillFace(cr, view, {{{l.x, l.y, l.z}, {h.x, l.y, l.z}, {h.x, l.y, h.z}, {l.x, l.y, h.z}}}, {0.86, 0.86, 0.86});
  fillFace(cr, view, {{{h.x, l.y, l.z}, {h.x, h.y, l.z}, {h.x, h.y, h.z}, {h.x, l.y, h.z}}}, {0.95, 0.95, 0.95});
  fillFace(cr, view, {{{l.x, l.y, l.z}, {h.x, l.y, l.z}, {h.x, h.y, l.z}, {l.x, h.y, l.z}}}, {0.91, 0.91, 0.91});

  // The three edges of the far bottom corner at the inner end lie behind everything.
  const Vec3 far = {h.x, l.y, l.z};
  const double dashes[] = {4.0, 3.0};
  cairo_set_dash(cr, dashes, 2, 0);
  cairo_set_line_width(cr, 1.0);
  setColor(cr, {0.45, 0.45, 0.45});
  strokeLine(cr, view, far, {l.x, l.y, l.z});
  strokeLine(cr, view, far, {h.x, h.y, l.z});
  strokeLine(cr, view, far, {h.x, l.y, h.z});
  cairo_set_dash(cr, nullptr, 0, 0);

  // The outline: nothing inside the container is drawn across these edges.
  cairo_set_line_width(cr, 1.4);
  setColor(cr, kContainerEdge);
  const std::array<std::array<Vec3, 2>, 6> outline = {{
      {{{l.x, l.y, l.z}, {l.x, h.y, l.z}}},
      {{{l.x, h.y, l.z}, {h.x, h.y, l.z}}},
      {{{l.x, l.y, l.z}, {l.x, l.y, h.z}}},
      {{{h.x, h.y, l.z}, {h.x, h.y, h.z}}},
      {{{h.x, h.y, h.z}, {h.x, l.y, h.z}}},
      {{{h.x, l.y, h.z}, {l.x, l.y, h.z}}},
  }};
  for (const auto& edge : outline) strokeLine(cr, view, edge[0], edge[1]);
}

void drawContainerInFront(cairo_t* cr, const View& view, const Box& c, double strength) {
  const Vec3 l = c.low, h = c.high;
  const Rgb white = {1, 1, 1};
  // The three edges of the near top corner at the door lie in front of everything.
  const Vec3 near = {l.x, h.y, h.z};
  cairo_set_line_width(cr, 1.4);
  setColor(cr, mix(white, kContainerEdge, strength));
  strokeLine(cr, view, near, {l.x, h.y, l.z});
  strokeLine(cr, view, near, {h.x, h.y, h.z});
  strokeLine(cr, view, near, {l.x, l.y, h.z});

  // The door: where its two leaves meet.
  const double dashes[] = {5.0, 3.0};
  cairo_set_dash(cr, dashes, 2, 0);
  cairo_set_line_width(cr, 1.0);
  setColor(cr, mix(white, {0.45, 0.45, 0.45}, strength));
  const double middle = (l.x + h.x) / 2;
  strokeLine(cr, view, {middle, l.y, h.z}, {middle, h.y, h.z});
  cairo_set_dash(cr, nullptr, 0, 0);
}

void drawFloorShadow(cairo_t* cr, const View& view, const Box& box, double floorY) {
  const Vec3 l = box.low, h = box.high;
  fillFace(cr, view, {{{l.x, floorY, l.z}, {h.x, floorY, l.z}, {h.x, floorY, h.z}, {l.x, floorY, h.z}}},
           {0.70, 0.70, 0.70});
  const double dashes[] = {3.0, 3.0};
  cairo_set_dash(cr, dashes, 2, 0);
  cairo_set_line_width(cr, 1.0);
  setColor(cr, {0.35, 0.35, 0.35});
  for (const Vec3& corner : {Vec3{l.x, l.y, l.z}, Vec3{l.x, l.y, h.z}, Vec3{h.x, l.y, h.z}})
    strokeLine(cr, view, corner, {corner.x, floorY, corner.z});
  cairo_set_dash(cr, nullptr, 0, 0);
}

void drawLabel(cairo_t* cr, const Point& anchor, const std::string& text, Align align, Font font,
               double size, int pictureWidth, int pictureHeight) {
  cairo_save(cr);
  cairo_select_font_face(cr, font == Font::Chinese ? "WenQuanYi Zen Hei" : "sans-serif",
                         CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, size);
  cairo_text_extents_t extents;
  cairo_text_extents(cr, text.c_str(), &extents);
  const double pad = 2;
  double left = anchor.u;
  if (align == Align::Center) left -= extents.x_advance / 2;
  if (align == Align::Right) left -= extents.x_advance;
  double top = anchor.v - size / 2;
  left = std::clamp(left, pad, std::max(pad, pictureWidth - extents.x_advance - pad));
  top = std::clamp(top, pad, std::max(pad, pictureHeight - size - pad));

  cairo_rectangle(cr, left - pad, top - pad, extents.x_advance + 2 * pad, size + 2 * pad);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.85);
  cairo_fill(cr);
  setColor(cr, kOutline);
  cairo_font_extents_t font_extents;
  cairo_font_extents(cr, &font_extents);
  // Centre the text's ascent and descent on the backing.
  const double baseline = top + (size + font_extents.ascent - font_extents.descent) / 2;
  cairo_move_to(cr, left, baseline);
  cairo_show_text(cr, text.c_str());
  cairo_restore(cr);
}

}  // namespace boxpic
