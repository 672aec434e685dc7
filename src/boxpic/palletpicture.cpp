#include "boxpic/palletpicture.h"

#include <algorithm>
#include <cmath>

#include "boxpic/painter.h"
#include "model/palette.h"

namespace boxpic {

namespace {

constexpr double kLayerTolerance = 0.5;  // mm
constexpr double kMargin = 10;           // pixels around each layer
constexpr double kCaptionHeight = 22;    // pixels above each layer
constexpr std::int64_t kMaxCartons = 100000;

// The panel grid that shows every layer largest: columns, rows and the scale, px per mm.
struct Layout {
  int columns = 1, rows = 1;
  double scale = 0;
};

Layout bestLayout(std::size_t layers, double areaWidth, double areaLength, int pictureWidth, int pictureHeight) {
  Layout best;
  for (std::size_t columns = 1; columns <= std::max<std::size_t>(layers, 1); ++columns) {
    const std::size_t rows = (std::max<std::size_t>(layers, 1) + columns - 1) / columns;
    const double panelWidth = static_cast<double>(pictureWidth) / static_cast<double>(columns) - 2 * kMargin;
    const double panelHeight =
        static_cast<double>(pictureHeight) / static_cast<double>(rows) - 2 * kMargin - kCaptionHeight;
    const double scale = std::min(panelWidth / areaWidth, panelHeight / areaLength);
    if (scale > best.scale) best = Layout{static_cast<int>(columns), static_cast<int>(rows), scale};
  }
  return best;
}

void fillRectangle(cairo_t* cr, double u, double v, double w, double h, Rgb fill, Rgb line, double lineWidth) {
  cairo_rectangle(cr, u, v, w, h);
  cairo_set_source_rgb(cr, fill.r, fill.g, fill.b);
  cairo_fill_preserve(cr);
  cairo_set_source_rgb(cr, line.r, line.g, line.b);
  cairo_set_line_width(cr, lineWidth);
  cairo_stroke(cr);
}

bool hasChinese(const std::string& text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

}  // namespace

std::vector<PalletLayer> palletLayers(const std::vector<StepBlock>& blocks) {
  std::vector<PalletLayer> layers;
  std::int64_t seen = 0;
  for (const StepBlock& b : blocks) {
    const std::int64_t places = std::int64_t{std::max(b.nx, 0)} * std::max(b.ny, 0) * std::max(b.nz, 0);
    const std::int64_t count = std::min<std::int64_t>(std::max(b.count, 0), places);
    // Along z first, then up, then across.
    for (std::int64_t i = 0; i < count && seen < kMaxCartons; ++i, ++seen) {
      const std::int64_t k = i % b.nz, j = (i / b.nz) % b.ny, across = i / (std::int64_t{b.nz} * b.ny);
      const double bottom = b.vertex.y + static_cast<double>(j) * b.pitch.y;
      auto layer = std::find_if(layers.begin(), layers.end(), [bottom](const PalletLayer& l) {
        return std::abs(l.bottom - bottom) <= kLayerTolerance;
      });
      if (layer == layers.end()) layer = layers.insert(layers.end(), PalletLayer{bottom, {}});
      layer->cartons.push_back({b.vertex.x + static_cast<double>(across) * b.pitch.x,
                                b.vertex.z + static_cast<double>(k) * b.pitch.z, b.size.x, b.size.z, b.color});
    }
  }
  std::sort(layers.begin(), layers.end(), [](const PalletLayer& a, const PalletLayer& b) { return a.bottom < b.bottom; });
  return layers;
}

bool drawPalletPicture(const PalletPicture& picture, const std::string& file) {
  Canvas canvas(picture.pictureWidth, picture.pictureHeight);
  if (!canvas.isReady()) return false;
  cairo_t* cr = canvas.cr();
  const std::vector<PalletLayer> layers = palletLayers(picture.blocks);
  const double overhang = std::isfinite(picture.overhang) ? std::max(picture.overhang, 0.0) : 0.0;
  const double width = picture.palletWidth, length = picture.palletLength;
  if (!(width > 0) || !(length > 0) || !std::isfinite(width) || !std::isfinite(length))
    return canvas.savePng(file);  // nothing that can be drawn
  const double areaWidth = width + 2 * overhang, areaLength = length + 2 * overhang;
  const Layout layout = bestLayout(layers.size(), areaWidth, areaLength, picture.pictureWidth, picture.pictureHeight);
  if (!(layout.scale > 0)) return canvas.savePng(file);
  const double panelWidth = static_cast<double>(picture.pictureWidth) / layout.columns;
  const double panelHeight = static_cast<double>(picture.pictureHeight) / layout.rows;
  const Rgb wood = unpackColor(static_cast<std::int32_t>(kPalletBaseColor)), dark{0.15, 0.15, 0.15};
  const std::size_t shown = std::max<std::size_t>(layers.size(), 1);
  for (std::size_t n = 0; n < shown; ++n) {
    const double left = static_cast<double>(n % static_cast<std::size_t>(layout.columns)) * panelWidth;
    const double top = static_cast<double>(n / static_cast<std::size_t>(layout.columns)) * panelHeight;
    // The loading area centred in the panel under the caption.
    const double u0 = left + (panelWidth - areaWidth * layout.scale) / 2;
    const double v0 = top + kCaptionHeight + kMargin +
                      (panelHeight - kCaptionHeight - 2 * kMargin - areaLength * layout.scale) / 2;
    fillRectangle(cr, u0 + overhang * layout.scale, v0 + overhang * layout.scale, width * layout.scale,
                  length * layout.scale, mix(wood, Rgb{1, 1, 1}, 0.35), wood, 1.5);
    if (n < layers.size()) {
      for (const LayerCarton& c : layers[n].cartons)
        fillRectangle(cr, u0 + c.x * layout.scale, v0 + c.z * layout.scale, c.sizeX * layout.scale,
                      c.sizeZ * layout.scale, unpackColor(c.color), dark, 1.0);
    }
    const std::string caption = picture.layerPrefix + std::to_string(n + 1) + picture.layerSuffix;
    drawLabel(cr, Point{left + panelWidth / 2, top + kMargin + kCaptionHeight / 2}, caption, Align::Center,
              hasChinese(caption) ? Font::Chinese : Font::Latin, 14, picture.pictureWidth, picture.pictureHeight);
  }
  return canvas.savePng(file);
}

}  // namespace boxpic
