#pragma once
// Drawing on a Cairo picture: boxes with their three visible faces in shades of one colour,
// grid lines, outlines and labels. Made for print: white paper, dark lines.

#include <cairo.h>

#include <cstdint>
#include <string>
#include <vector>

#include "boxpic/view.h"

namespace boxpic {

struct Rgb {
  double r = 0, g = 0, b = 0;
};

// The colour of a packed 0x00BBGGRR value.
Rgb unpackColor(std::int32_t packed);
// The three shades of a box: the top lightest, the side toward the viewer the colour
// itself, the door side darkest.
struct Shades {
  Rgb top, front, door;
};
Shades shadesOf(Rgb color);
// A colour mixed with another: t = 0 gives a, t = 1 gives b.
Rgb mix(Rgb a, Rgb b, double t);

// An image with a white background that can be saved as PNG.
class Canvas {
 public:
  Canvas(int width, int height);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  bool isReady() const;
  cairo_t* cr() const { return cr_; }
  int width() const { return width_; }
  int height() const { return height_; }
  // Writes the picture as a PNG file, replacing it only once complete. False on failure.
  bool savePng(const std::string& file) const;

 private:
  int width_, height_;
  cairo_surface_t* surface_ = nullptr;
  cairo_t* cr_ = nullptr;
};

// How many cartons lie along each axis, and the pitch from one to the next, in mm.
struct Grid {
  int nx = 1, ny = 1, nz = 1;
  double pitchX = 0, pitchY = 0, pitchZ = 0;
};

// The three visible faces of box, filled with shades, with the grid's lines on them
// (where they are far enough apart to be told apart) and a dark outline.
void drawSolidBox(cairo_t* cr, const View& view, const Box& box, const Shades& shades, const Grid* grid);

// One carton of a step picture: its three visible faces filled with shades and outlined
// in outline, lineWidth pixels wide.
void drawCartonBox(cairo_t* cr, const View& view, const Box& box, const Shades& shades, Rgb outline,
                   double lineWidth);
// A free place of a block: the edges of its three visible faces, dashed, in color.
void drawFreePlace(cairo_t* cr, const View& view, const Box& box, Rgb color, double lineWidth);
// A mark over a point: a ring with a cross, black on a white backing, radius pixels wide.
void drawPointMark(cairo_t* cr, const Point& at, double radius);

// The container as a glass box, in two parts: what lies behind anything inside it (floor and
// far walls in light greys, the far corner's edges dashed, the outline), and what lies in
// front (the edges of the near corner and where the door's two leaves meet). strength from
// 0 to 1 fades the lines in front, so that they do not hide what is inside.
void drawContainerBehind(cairo_t* cr, const View& view, const Box& container);
void drawContainerInFront(cairo_t* cr, const View& view, const Box& container, double strength = 1.0);

// The floor under a box that does not stand on it, with dashed lines down from its lower
// corners, so that its height and depth in the container can be read.
void drawFloorShadow(cairo_t* cr, const View& view, const Box& box, double floorY);

enum class Align { Left, Center, Right };
enum class Font { Latin, Chinese };
// A short text on a white backing so it stays legible over lines; anchor is the point the
// text is aligned to horizontally and centred on vertically. Kept inside the picture.
void drawLabel(cairo_t* cr, const Point& anchor, const std::string& text, Align align, Font font,
               double size, int pictureWidth, int pictureHeight);

}  // namespace boxpic
