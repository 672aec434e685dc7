#include "view3d/bmptexture.h"

#include <QImage>
#include <QImageReader>
#include <QString>

namespace {

constexpr std::uint32_t kGlRgb = 0x1907;
constexpr std::uint32_t kGlRgba = 0x1908;

}  // namespace

std::optional<TextureImage> loadBmpTexture(const QString& file, bool alpha) {
  QImageReader reader(file, "bmp");
  reader.setDecideFormatFromContent(false);
  const QImage picture = reader.read();
  if (picture.isNull()) return std::nullopt;
  const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);

  TextureImage texture;
  texture.components = alpha ? 4 : 3;
  texture.format = alpha ? kGlRgba : kGlRgb;
  texture.width = rgb.width();
  texture.height = rgb.height();
  texture.data.reserve(static_cast<std::size_t>(texture.width) * texture.height *
                       texture.components);
  for (int line = rgb.height() - 1; line >= 0; --line) {
    const std::uint8_t* pixel = rgb.constScanLine(line);
    for (int x = 0; x < rgb.width(); ++x, pixel += 3) {
      texture.data.insert(texture.data.end(), pixel, pixel + 3);
      if (alpha) texture.data.push_back(255);
    }
  }
  return texture;
}
