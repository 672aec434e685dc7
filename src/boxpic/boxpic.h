/* libboxpic: the pictures of the exported loading plan.
 *
 * The plan export loads libboxpic.so from the program folder at run time and looks up the
 * entry points by name. Each writes one PNG picture of the given size to the file it is
 * given: DrawCarton one carton type, DrawBlock the container with one block in its place,
 * DrawStep one loading step (what is loaded so far), DrawOrientation how a carton lies.
 *
 * Axes as everywhere in Cargolyx: x across the container width, y up, z along the length
 * from the inner end (z = 0) toward the door. Lengths are millimetres. Colours are packed
 * 0x00BBGGRR (red in the lowest byte). Carton edges are named L = 2, W = 1, H = 0.
 */
#ifndef CARGOLYX_BOXPIC_H
#define CARGOLYX_BOXPIC_H

#include <stdint.h>

#if defined(BOXPIC_BUILDING_LIBRARY)
#define BOXPIC_API __attribute__((visibility("default")))
#else
#define BOXPIC_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Results of the entry points. Nothing is written unless the result is BOXPIC_OK. */
enum {
  BOXPIC_OK = 0,
  BOXPIC_BAD_ARGUMENT = 1,   /* no file name, a picture size outside 1..BOXPIC_MAX_SIZE, or
                                a block count below 0 or blocks missing */
  BOXPIC_WRITE_FAILED = 2,   /* the PNG file could not be written */
  BOXPIC_INTERNAL_ERROR = 3  /* anything else; nothing escapes the library */
};
#define BOXPIC_MAX_SIZE 4096

/* One carton of width x height x length (along x, y, z), in three shades of its colour,
 * with its edges marked L, W and H. */
BOXPIC_API int32_t DrawCarton(const char* file, int32_t pictureWidth, int32_t pictureHeight,
                              double width, double height, double length, int32_t color);

/* The container outline and, in its place, a block of nx x ny x nz cartons at the vertex
 * (x, y, z) with the given pitch (carton size plus spacing) along each axis, in the shades
 * of its colour. edgeAlongY, edgeAlongZ and edgeAlongX name the carton edge (L = 2, W = 1,
 * H = 0) that lies along each axis; the picture marks the block's sides with them. */
BOXPIC_API int32_t DrawBlock(const char* file, int32_t pictureWidth, int32_t pictureHeight,
                             double containerWidth, double containerHeight, double containerLength,
                             double x, double y, double z, double pitchX, double pitchY, double pitchZ,
                             int32_t nx, int32_t ny, int32_t nz, int32_t edgeAlongY, int32_t edgeAlongZ,
                             int32_t edgeAlongX, int32_t color);

/* A block of a loading step: nx x ny x nz places of one carton at the vertex (x, y, z), one
 * pitch (the carton's size plus the spacing) apart along each axis, of which the first count
 * hold a carton: along z first, then up along y, then across along x. */
typedef struct BoxpicBlock {
  double x, y, z;
  double sizeX, sizeY, sizeZ; /* one carton's extents along x, y, z */
  double pitchX, pitchY, pitchZ;
  int32_t nx, ny, nz;
  int32_t count;
  int32_t color;
} BoxpicBlock;

/* One loading step, seen from above the door as a loader stands there: the inner end at the
 * back, the left wall (x = 0) on the left. The container, the blocks loaded before the step
 * drawn plainly, and the step's block (the last of blocks) in its colour, carton by carton,
 * with its free places outlined dashed. centre (x, y, z in mm; may be NULL) is marked with a
 * ring. innerEndLabel and doorLabel (UTF-8; NULL or empty for none) mark the two ends. */
BOXPIC_API int32_t DrawStep(const char* file, int32_t pictureWidth, int32_t pictureHeight,
                            double containerWidth, double containerHeight, double containerLength,
                            const BoxpicBlock* blocks, int32_t blockCount, const double* centre,
                            const char* innerEndLabel, const char* doorLabel);

/* One carton as it lies in a block, seen as in DrawStep: sizeX, sizeY and sizeZ are its
 * extents along the container's axes, edgeAlongX, edgeAlongY and edgeAlongZ the carton edges
 * (L = 2, W = 1, H = 0) along them; each visible side is marked with its edge and length. */
BOXPIC_API int32_t DrawOrientation(const char* file, int32_t pictureWidth, int32_t pictureHeight,
                                   double sizeX, double sizeY, double sizeZ, int32_t edgeAlongX,
                                   int32_t edgeAlongY, int32_t edgeAlongZ, int32_t color);

/* The entry points' types, for dlsym. */
typedef int32_t (*DrawCartonFunction)(const char*, int32_t, int32_t, double, double, double, int32_t);
typedef int32_t (*DrawBlockFunction)(const char*, int32_t, int32_t, double, double, double, double,
                                     double, double, double, double, double, int32_t, int32_t, int32_t,
                                     int32_t, int32_t, int32_t, int32_t);
typedef int32_t (*DrawStepFunction)(const char*, int32_t, int32_t, double, double, double, const BoxpicBlock*,
                                    int32_t, const double*, const char*, const char*);
typedef int32_t (*DrawOrientationFunction)(const char*, int32_t, int32_t, double, double, double, int32_t,
                                           int32_t, int32_t, int32_t);

#ifdef __cplusplus
}
#endif

#endif /* CARGOLYX_BOXPIC_H */
