#include "pngfile.h"

#include <cairo.h>

#include <fstream>

std::optional<PngSize> readPngSize(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  unsigned char header[24] = {};
  if (!in.read(reinterpret_cast<char*>(header), sizeof header)) return std::nullopt;
  static const unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  for (int i = 0; i < 8; ++i)
    if (header[i] != signature[i]) return std::nullopt;
  if (std::string(reinterpret_cast<char*>(header + 12), 4) != "IHDR") return std::nullopt;
  auto big = [&](int at) {
    return std::uint32_t(header[at]) << 24 | std::uint32_t(header[at + 1]) << 16 |
           std::uint32_t(header[at + 2]) << 8 | std::uint32_t(header[at + 3]);
  };
  return PngSize{big(16), big(20)};
}

std::optional<PngImage> PngImage::load(const std::string& path) {
  cairo_surface_t* surface = cairo_image_surface_create_from_png(path.c_str());
  if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(surface);
    return std::nullopt;
  }
  // Draw onto an opaque white picture, so that transparent pixels read as white paper.
  PngImage image;
  image.width_ = cairo_image_surface_get_width(surface);
  image.height_ = cairo_image_surface_get_height(surface);
  cairo_surface_t* flat = cairo_image_surface_create(CAIRO_FORMAT_RGB24, image.width_, image.height_);
  cairo_t* cr = cairo_create(flat);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
  cairo_set_source_surface(cr, surface, 0, 0);
  cairo_paint(cr);
  cairo_destroy(cr);
  cairo_surface_flush(flat);
  const int stride = cairo_image_surface_get_stride(flat);
  const unsigned char* data = cairo_image_surface_get_data(flat);
  image.pixels_.resize(static_cast<std::size_t>(image.width_) * image.height_);
  for (int v = 0; v < image.height_; ++v) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(data + v * stride);
    for (int u = 0; u < image.width_; ++u)
      image.pixels_[static_cast<std::size_t>(v) * image.width_ + u] = row[u] & 0xFFFFFF;
  }
  cairo_surface_destroy(flat);
  cairo_surface_destroy(surface);
  return image;
}

Rgb8 PngImage::at(int u, int v) const {
  const std::uint32_t p = pixels_[static_cast<std::size_t>(v) * width_ + u];
  return {int(p >> 16 & 0xFF), int(p >> 8 & 0xFF), int(p & 0xFF)};
}
