// Stand-ins for libboxpic.so, built in three variants:
// BOXPIC_RECORDING writes a one-pixel picture and notes every call with its arguments in
//   the file CARGOLYX_BOXPIC_CALLS names;
// BOXPIC_WITHOUT_DRAWSTEP writes the carton pictures but has no DrawStep;
// BOXPIC_DRAWING_NOTHING has every entry point and writes no file;
// BOXPIC_FAILING_ON writes every picture but those whose path holds the text that
//   CARGOLYX_BOXPIC_FAIL_ON names.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "boxpic/boxpic.h"

namespace {

// A white picture of one pixel.
const unsigned char kOnePixelPng[] = {
    0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x48, 0x44, 0x52, 0x00, 0x00,
    0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x08, 0x02, 0x00, 0x00, 0x00, 0x90, 0x77, 0x53, 0xde, 0x00, 0x00, 0x00,
    0x0c, 0x49, 0x44, 0x41, 0x54, 0x78, 0x9c, 0x63, 0xf8, 0xff, 0xff, 0x3f, 0x00, 0x05, 0xfe, 0x02, 0xfe, 0x0d,
    0xef, 0x46, 0xb8, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4e, 0x44, 0xae, 0x42, 0x60, 0x82};

int32_t writePicture(const char* file) {
#ifdef BOXPIC_DRAWING_NOTHING
  (void)file;
  return BOXPIC_OK;
#else
#ifdef BOXPIC_FAILING_ON
  const char* failOn = std::getenv("CARGOLYX_BOXPIC_FAIL_ON");
  if (failOn != nullptr && std::strstr(file, failOn) != nullptr) return BOXPIC_WRITE_FAILED;
#endif
  std::FILE* out = std::fopen(file, "wb");
  if (out == nullptr) return BOXPIC_WRITE_FAILED;
  const bool written = std::fwrite(kOnePixelPng, sizeof kOnePixelPng, 1, out) == 1;
  return std::fclose(out) == 0 && written ? BOXPIC_OK : BOXPIC_WRITE_FAILED;
#endif
}

// Appends "name|arg|arg|..." to the file CARGOLYX_BOXPIC_CALLS names.
void record(const char* file, const std::string& call) {
#ifdef BOXPIC_RECORDING
  (void)file;
  const char* path = std::getenv("CARGOLYX_BOXPIC_CALLS");
  if (path == nullptr) return;
  if (std::FILE* out = std::fopen(path, "a")) {
    std::fputs((call + "\n").c_str(), out);
    std::fclose(out);
  }
#else
  (void)file;
  (void)call;
#endif
}

std::string arg(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "|%g", value);
  return text;
}

std::string arg(int32_t value) {
  char text[32];
  std::snprintf(text, sizeof text, "|%d", static_cast<int>(value));
  return text;
}

std::string fileName(const char* file) {
  const std::string path(file);
  return path.substr(path.rfind('/') + 1);
}

}  // namespace

extern "C" BOXPIC_API int32_t DrawCarton(const char* file, int32_t pictureWidth, int32_t pictureHeight,
                                         double width, double height, double length, int32_t color) {
  record(file, "DrawCarton|" + fileName(file) + arg(pictureWidth) + arg(pictureHeight) + arg(width) +
                   arg(height) + arg(length) + arg(color));
  return writePicture(file);
}

extern "C" BOXPIC_API int32_t DrawBlock(const char* file, int32_t pictureWidth, int32_t pictureHeight,
                                        double containerWidth, double containerHeight, double containerLength,
                                        double x, double y, double z, double pitchX, double pitchY,
                                        double pitchZ, int32_t nx, int32_t ny, int32_t nz, int32_t edgeAlongY,
                                        int32_t edgeAlongZ, int32_t edgeAlongX, int32_t color) {
  record(file, "DrawBlock|" + fileName(file) + arg(pictureWidth) + arg(pictureHeight) + arg(containerWidth) +
                   arg(containerHeight) + arg(containerLength) + arg(x) + arg(y) + arg(z) + arg(pitchX) +
                   arg(pitchY) + arg(pitchZ) + arg(nx) + arg(ny) + arg(nz) + arg(edgeAlongY) +
                   arg(edgeAlongZ) + arg(edgeAlongX) + arg(color));
  return writePicture(file);
}

#ifndef BOXPIC_WITHOUT_DRAWSTEP
// Notes the container, the number of blocks, the step's block (the last), the centre and
// the labels.
extern "C" BOXPIC_API int32_t DrawStep(const char* file, int32_t pictureWidth, int32_t pictureHeight,
                                       double containerWidth, double containerHeight, double containerLength,
                                       const BoxpicBlock* blocks, int32_t blockCount, const double* centre,
                                       const char* innerEndLabel, const char* doorLabel) {
  std::string call = "DrawStep|" + fileName(file) + arg(pictureWidth) + arg(pictureHeight) + arg(containerWidth) +
                     arg(containerHeight) + arg(containerLength) + arg(blockCount);
  if (blockCount > 0) {
    const BoxpicBlock& b = blocks[blockCount - 1];
    call += arg(b.x) + arg(b.y) + arg(b.z) + arg(b.sizeX) + arg(b.sizeY) + arg(b.sizeZ) + arg(b.pitchX) +
            arg(b.pitchY) + arg(b.pitchZ) + arg(b.nx) + arg(b.ny) + arg(b.nz) + arg(b.count) + arg(b.color);
  }
  call += centre ? arg(centre[0]) + arg(centre[1]) + arg(centre[2]) : std::string("|no centre");
  call += std::string("|") + (innerEndLabel ? innerEndLabel : "") + "|" + (doorLabel ? doorLabel : "");
  record(file, call);
  return writePicture(file);
}
#endif

extern "C" BOXPIC_API int32_t DrawOrientation(const char* file, int32_t pictureWidth, int32_t pictureHeight,
                                              double sizeX, double sizeY, double sizeZ, int32_t edgeAlongX,
                                              int32_t edgeAlongY, int32_t edgeAlongZ, int32_t color) {
  record(file, "DrawOrientation|" + fileName(file) + arg(pictureWidth) + arg(pictureHeight) + arg(sizeX) +
                   arg(sizeY) + arg(sizeZ) + arg(edgeAlongX) + arg(edgeAlongY) + arg(edgeAlongZ) + arg(color));
  return writePicture(file);
}
