#include "export/stepwords.h"

#include <cmath>

#include "model/language.h"
#include "model/orientation.h"

namespace {

std::string millimetres(double value) { return std::to_string(std::llround(value)) + " mm"; }

std::string standing(Edge up) {
  switch (up) {
    case Edge::Height: return inLanguage("立放", "upright");
    case Edge::Width: return inLanguage("侧放（宽边朝上）", "on its side (width up)");
    case Edge::Length: return inLanguage("竖放（长边朝上）", "on its end (length up)");
  }
  return {};
}

std::string alongTheContainer(Edge edge) {
  switch (edge) {
    case Edge::Length: return inLanguage("长边沿箱长", "long side along the container");
    case Edge::Width: return inLanguage("宽边沿箱长", "width along the container");
    case Edge::Height: return inLanguage("高边沿箱长", "height along the container");
  }
  return {};
}

}  // namespace

std::string orientationWords(std::int32_t orientation) {
  if (!isOrientationCode(orientation)) return inLanguage("未知", "unknown");
  const OrientationEdges& edges = kOrientationEdges[static_cast<std::size_t>(orientation)];
  return standing(edges.alongY) + inLanguage("，", ", ") + alongTheContainer(edges.alongZ);
}

std::string positionWords(double x, double y, double z) {
  if (currentLanguage() == Language::English)
    return millimetres(z) + " from the inner end, " + millimetres(x) + " from the left wall, " + millimetres(y) +
           " above the floor";
  return "距里端 " + millimetres(z) + "，距左壁 " + millimetres(x) + "，离地 " + millimetres(y);
}

std::string arrangementWords(std::int32_t nx, std::int32_t ny, std::int32_t nz) {
  const std::string places = std::to_string(std::int64_t{nx} * ny * nz);
  if (currentLanguage() == Language::English)
    return std::to_string(nx) + " across × " + std::to_string(ny) + " high × " + std::to_string(nz) +
           " along = " + places + " places";
  return "沿箱宽 " + std::to_string(nx) + " × 沿箱高 " + std::to_string(ny) + " × 沿箱长 " + std::to_string(nz) +
         " = " + places + " 个位置";
}
