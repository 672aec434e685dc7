#pragma once
// Reading the PNG pictures the export writes, to check them as a user would see them.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct PngSize {
  std::uint32_t width = 0, height = 0;
  bool operator==(const PngSize&) const = default;
};

// The size from the header of a PNG file; nothing when the file is not a PNG.
std::optional<PngSize> readPngSize(const std::string& path);

struct Rgb8 {
  int r = 0, g = 0, b = 0;
};

// A decoded picture; nothing when it cannot be read.
class PngImage {
 public:
  static std::optional<PngImage> load(const std::string& path);
  int width() const { return width_; }
  int height() const { return height_; }
  Rgb8 at(int u, int v) const;
  // Pixels for which the predicate holds, and the mean position of those pixels.
  template <typename Predicate>
  int count(Predicate predicate, double* meanU = nullptr, double* meanV = nullptr) const {
    int n = 0;
    double su = 0, sv = 0;
    for (int v = 0; v < height_; ++v)
      for (int u = 0; u < width_; ++u)
        if (predicate(at(u, v))) {
          ++n;
          su += u;
          sv += v;
        }
    if (meanU) *meanU = n ? su / n : 0;
    if (meanV) *meanV = n ? sv / n : 0;
    return n;
  }

 private:
  int width_ = 0, height_ = 0;
  std::vector<std::uint32_t> pixels_;  // 0x00RRGGBB, row by row
};

inline bool isWhite(Rgb8 c) { return c.r > 245 && c.g > 245 && c.b > 245; }
