// The C entry points of libboxpic.so. Nothing but a result code leaves them.

#include "boxpic/boxpic.h"

#include <exception>
#include <string>

#include "boxpic/pictures.h"
#include "boxpic/steppicture.h"

namespace {

bool validPicture(const char* file, int32_t width, int32_t height) {
  return file != nullptr && *file != '\0' && width > 0 && height > 0 && width <= BOXPIC_MAX_SIZE &&
         height <= BOXPIC_MAX_SIZE;
}

template <typename Draw>
int32_t guarded(Draw draw) {
  try {
    return draw() ? BOXPIC_OK : BOXPIC_WRITE_FAILED;
  } catch (...) {
    return BOXPIC_INTERNAL_ERROR;
  }
}

}  // namespace

extern "C" BOXPIC_API int32_t DrawCarton(const char* file, int32_t pictureWidth, int32_t pictureHeight,
                                         double width, double height, double length, int32_t color) {
  if (!validPicture(file, pictureWidth, pictureHeight)) return BOXPIC_BAD_ARGUMENT;
  return guarded([&] {
    boxpic::CartonPicture picture;
    picture.pictureWidth = pictureWidth;
    picture.pictureHeight = pictureHeight;
    picture.width = width;
    picture.height = height;
    picture.length = length;
    picture.color = color;
    return boxpic::drawCartonPicture(picture, file);
  });
}

extern "C" BOXPIC_API int32_t DrawBlock(const char* file, int32_t pictureWidth, int32_t pictureHeight,
                                        double containerWidth, double containerHeight, double containerLength,
                                        double x, double y, double z, double pitchX, double pitchY,
                                        double pitchZ, int32_t nx, int32_t ny, int32_t nz, int32_t edgeAlongY,
                                        int32_t edgeAlongZ, int32_t edgeAlongX, int32_t color) {
  if (!validPicture(file, pictureWidth, pictureHeight)) return BOXPIC_BAD_ARGUMENT;
  return guarded([&] {
    boxpic::BlockPicture picture;
    picture.pictureWidth = pictureWidth;
    picture.pictureHeight = pictureHeight;
    picture.containerWidth = containerWidth;
    picture.containerHeight = containerHeight;
    picture.containerLength = containerLength;
    picture.x = x;
    picture.y = y;
    picture.z = z;
    picture.pitchX = pitchX;
    picture.pitchY = pitchY;
    picture.pitchZ = pitchZ;
    picture.nx = nx;
    picture.ny = ny;
    picture.nz = nz;
    picture.edgeAlongY = edgeAlongY;
    picture.edgeAlongZ = edgeAlongZ;
    picture.edgeAlongX = edgeAlongX;
    picture.color = color;
    return boxpic::drawBlockPicture(picture, file);
  });
}

extern "C" BOXPIC_API int32_t DrawStep(const char* file, int32_t pictureWidth, int32_t pictureHeight,
                                       double containerWidth, double containerHeight, double containerLength,
                                       const BoxpicBlock* blocks, int32_t blockCount, const double* centre,
                                       const char* innerEndLabel, const char* doorLabel) {
  if (!validPicture(file, pictureWidth, pictureHeight) || blockCount < 0 || (blockCount > 0 && blocks == nullptr))
    return BOXPIC_BAD_ARGUMENT;
  return guarded([&] {
    boxpic::StepPicture picture;
    picture.pictureWidth = pictureWidth;
    picture.pictureHeight = pictureHeight;
    picture.containerWidth = containerWidth;
    picture.containerHeight = containerHeight;
    picture.containerLength = containerLength;
    for (int32_t i = 0; i < blockCount; ++i) {
      const BoxpicBlock& b = blocks[i];
      picture.blocks.push_back({{b.x, b.y, b.z}, {b.sizeX, b.sizeY, b.sizeZ}, {b.pitchX, b.pitchY, b.pitchZ},
                                b.nx, b.ny, b.nz, b.count, b.color});
    }
    if (centre != nullptr) picture.centreOfGravity = boxpic::Vec3{centre[0], centre[1], centre[2]};
    if (innerEndLabel != nullptr) picture.innerEndLabel = innerEndLabel;
    if (doorLabel != nullptr) picture.doorLabel = doorLabel;
    return boxpic::drawStepPicture(picture, file);
  });
}

extern "C" BOXPIC_API int32_t DrawOrientation(const char* file, int32_t pictureWidth, int32_t pictureHeight,
                                              double sizeX, double sizeY, double sizeZ, int32_t edgeAlongX,
                                              int32_t edgeAlongY, int32_t edgeAlongZ, int32_t color) {
  if (!validPicture(file, pictureWidth, pictureHeight)) return BOXPIC_BAD_ARGUMENT;
  return guarded([&] {
    boxpic::OrientationPicture picture;
    picture.pictureWidth = pictureWidth;
    picture.pictureHeight = pictureHeight;
    picture.size = {sizeX, sizeY, sizeZ};
    picture.edgeAlongX = edgeAlongX;
    picture.edgeAlongY = edgeAlongY;
    picture.edgeAlongZ = edgeAlongZ;
    picture.color = color;
    return boxpic::drawOrientationPicture(picture, file);
  });
}
