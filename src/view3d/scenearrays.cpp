#include "view3d/scenearrays.h"

#include "view3d/colors.h"

void VertexList::add(const Vector3& p, std::uint32_t color) {
  positions.insert(positions.end(),
                   {static_cast<float>(p.x), static_cast<float>(p.y), static_cast<float>(p.z)});
  colors.insert(colors.end(), {static_cast<std::uint8_t>(redOf(color)), static_cast<std::uint8_t>(greenOf(color)),
                               static_cast<std::uint8_t>(blueOf(color)), std::uint8_t{255}});
}

void VertexList::clear() {
  positions.clear();
  colors.clear();
}

void SceneArrays::clear() {
  lines.clear();
  lineBatches.clear();
  quads.clear();
  quadTexture.clear();
  quadBatches.clear();
  lineWidth_ = 1.0f;
  color_ = 0;
  edgeColor_ = 0;
}

void SceneArrays::drawFace(const FaceCorners& corners, bool solid) {
  if (solid) {
    if (quadBatches.empty() || quadBatches.back().edgeColor != edgeColor_)
      quadBatches.push_back(VertexBatch{1.0f, edgeColor_, quads.size(), 0});
    for (std::size_t i = 0; i < corners.size(); ++i) {
      quads.add(corners[i], color_);
      quadTexture.insert(quadTexture.end(), kFaceCornerTexture[i].begin(), kFaceCornerTexture[i].end());
    }
    quadBatches.back().count += corners.size();
    return;
  }
  if (lineBatches.empty() || lineBatches.back().lineWidth != lineWidth_)
    lineBatches.push_back(VertexBatch{lineWidth_, 0, lines.size(), 0});
  for (std::size_t i = 0; i < corners.size(); ++i) {
    lines.add(corners[i], color_);
    lines.add(corners[(i + 1) % corners.size()], color_);
  }
  lineBatches.back().count += 2 * corners.size();
}
