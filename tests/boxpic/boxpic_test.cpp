#include <dlfcn.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cmath>
#include <filesystem>
#include <string>

#include "boxpic/boxpic.h"
#include "pngfile.h"

namespace {

class BoxpicLibrary : public ::testing::Test {
 protected:
  void SetUp() override {
    // Loaded as the export loads it: kept mapped after dlclose, with its font caches.
    handle_ = dlopen(CARGOLYX_PROGRAM_DIR "/libboxpic.so", RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    ASSERT_NE(handle_, nullptr) << dlerror();
    drawCarton = reinterpret_cast<DrawCartonFunction>(dlsym(handle_, "DrawCarton"));
    drawBlock = reinterpret_cast<DrawBlockFunction>(dlsym(handle_, "DrawBlock"));
    ASSERT_NE(drawCarton, nullptr);
    ASSERT_NE(drawBlock, nullptr);
    char pattern[] = "/tmp/cargolyx-boxpic-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder_ = pattern;
  }
  void TearDown() override {
    if (handle_) dlclose(handle_);
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }

  std::string file(const std::string& name) const { return folder_ + "/" + name; }

  // A red block of nx x ny x nz cartons of 600 x 400 x 300 in the demo container.
  int32_t drawRedBlock(const std::string& path, double x, double y, double z, int nx, int ny, int nz,
                       double pitchX = 405, double pitchY = 305, double pitchZ = 610) {
    return drawBlock(path.c_str(), 600, 350, 2300, 2450, 11800, x, y, z, pitchX, pitchY, pitchZ, nx, ny, nz, 0,
                     2, 1, 0x000000FF);
  }

  void* handle_ = nullptr;
  std::string folder_;
  DrawCartonFunction drawCarton = nullptr;
  DrawBlockFunction drawBlock = nullptr;
};

bool isRed(Rgb8 c) { return c.r > 200 && c.g < 60 && c.b < 60; }
bool isGrey(Rgb8 c) { return std::abs(c.r - c.g) < 8 && std::abs(c.g - c.b) < 8 && c.r < 240 && c.r > 150; }

}  // namespace

TEST_F(BoxpicLibrary, exportsOnlyItsEntryPoints) {
  // The C++ insides are hidden: not even the picture functions can be looked up.
  EXPECT_EQ(dlsym(handle_, "_ZN6boxpic11unpackColorEi"), nullptr);  // boxpic::unpackColor(int)
  EXPECT_EQ(dlsym(handle_, "_ZN6boxpic9sideLabelB5cxx11Eiib"), nullptr);
  EXPECT_EQ(dlsym(handle_, "_ZNSt8__detail18__to_chars_10_implIjEEvPcjT_"), nullptr);  // std::to_string's
}

TEST_F(BoxpicLibrary, drawsACartonAsA200By200PngInShadesOfItsColour) {
  const std::string path = file("carton0.PNG");
  ASSERT_EQ(drawCarton(path.c_str(), 200, 200, 400, 300, 600, 0x0000FF00), BOXPIC_OK);
  EXPECT_EQ(readPngSize(path), (PngSize{200, 200}));
  auto image = PngImage::load(path);
  ASSERT_TRUE(image);
  EXPECT_TRUE(isWhite(image->at(0, 0)));
  EXPECT_TRUE(isWhite(image->at(199, 199)));
  // Three faces: the colour itself, a lighter and a darker shade of it.
  EXPECT_GT(image->count([](Rgb8 c) { return c.r == 0 && c.g == 255 && c.b == 0; }), 1000);
  EXPECT_GT(image->count([](Rgb8 c) { return c.g == 255 && c.r > 100 && c.r == c.b; }), 500);
  EXPECT_GT(image->count([](Rgb8 c) { return c.g > 150 && c.g < 200 && c.r == 0; }), 300);
}

TEST_F(BoxpicLibrary, takesTheFirstSizeAsTheWidth) {
  const std::string path = file("wide.PNG");
  ASSERT_EQ(drawCarton(path.c_str(), 300, 120, 400, 300, 600, 0x00FF0000), BOXPIC_OK);
  EXPECT_EQ(readPngSize(path), (PngSize{300, 120}));
}

TEST_F(BoxpicLibrary, drawsABlockAsA600By350PngInsideTheContainer) {
  const std::string path = file("block0.PNG");
  ASSERT_EQ(drawRedBlock(path, 0, 0, 0, 3, 2, 4), BOXPIC_OK);
  EXPECT_EQ(readPngSize(path), (PngSize{600, 350}));
  auto image = PngImage::load(path);
  ASSERT_TRUE(image);
  EXPECT_TRUE(isWhite(image->at(0, 0)));
  EXPECT_GT(image->count(isRed), 500);
  EXPECT_GT(image->count(isGrey), 5000) << "the container's floor and walls";
}

TEST_F(BoxpicLibrary, showsWhereTheBlockGoes) {
  double innerU = 0, doorU = 0, floorV = 0, raisedV = 0;
  ASSERT_EQ(drawRedBlock(file("inner.PNG"), 0, 0, 0, 3, 2, 4), BOXPIC_OK);
  ASSERT_EQ(drawRedBlock(file("door.PNG"), 0, 0, 11800 - 4 * 610, 3, 2, 4), BOXPIC_OK);
  ASSERT_EQ(drawRedBlock(file("raised.PNG"), 0, 1830, 0, 3, 2, 4), BOXPIC_OK);
  ASSERT_GT(PngImage::load(file("inner.PNG"))->count(isRed, &innerU, &floorV), 0);
  ASSERT_GT(PngImage::load(file("door.PNG"))->count(isRed, &doorU), 0);
  ASSERT_GT(PngImage::load(file("raised.PNG"))->count(isRed, nullptr, &raisedV), 0);
  // The inner end is on the left and the door on the right; up is up.
  EXPECT_GT(doorU - innerU, 300);
  EXPECT_LT(raisedV, floorV - 40);
  // A block that does not stand on the floor shows its place on the floor.
  const auto shadow = [](Rgb8 c) { return c.r == 179 && c.g == 179 && c.b == 179; };
  EXPECT_GT(PngImage::load(file("raised.PNG"))->count(shadow), 300);
  EXPECT_LT(PngImage::load(file("inner.PNG"))->count(shadow), 60) << "only where lines blend into the floor";
}

TEST_F(BoxpicLibrary, drawsTheGridOfEveryCarton) {
  // The same space as one carton or as ten along the length: the ten show lines between them.
  ASSERT_EQ(drawRedBlock(file("one.PNG"), 0, 0, 0, 1, 1, 1, 1000, 1000, 6100), BOXPIC_OK);
  ASSERT_EQ(drawRedBlock(file("ten.PNG"), 0, 0, 0, 1, 1, 10, 1000, 1000, 610), BOXPIC_OK);
  const int one = PngImage::load(file("one.PNG"))->count(isRed);
  const int ten = PngImage::load(file("ten.PNG"))->count(isRed);
  EXPECT_GT(one, 0);
  EXPECT_LT(ten, one - 9 * 15) << "nine lines across the side of the block";
}

TEST_F(BoxpicLibrary, refusesWhatCannotBeAPicture) {
  const std::string path = file("bad.PNG");
  EXPECT_EQ(drawCarton(nullptr, 200, 200, 400, 300, 600, 0), BOXPIC_BAD_ARGUMENT);
  EXPECT_EQ(drawCarton("", 200, 200, 400, 300, 600, 0), BOXPIC_BAD_ARGUMENT);
  EXPECT_EQ(drawCarton(path.c_str(), 0, 200, 400, 300, 600, 0), BOXPIC_BAD_ARGUMENT);
  EXPECT_EQ(drawCarton(path.c_str(), 200, -1, 400, 300, 600, 0), BOXPIC_BAD_ARGUMENT);
  EXPECT_EQ(drawBlock(path.c_str(), 600, BOXPIC_MAX_SIZE + 1, 2300, 2450, 11800, 0, 0, 0, 1, 1, 1, 1, 1, 1, 0,
                      2, 1, 0),
            BOXPIC_BAD_ARGUMENT);
  EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(BoxpicLibrary, reportsAFileItCannotWriteAndLeavesNothingBehind) {
  const std::string path = file("missing-folder/carton0.PNG");
  EXPECT_EQ(drawCarton(path.c_str(), 200, 200, 400, 300, 600, 0), BOXPIC_WRITE_FAILED);
  EXPECT_EQ(drawRedBlock(path, 0, 0, 0, 1, 1, 1), BOXPIC_WRITE_FAILED);
  std::filesystem::create_directory(file("locked"));
  std::filesystem::permissions(file("locked"), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  if (::geteuid() != 0) {  // root writes anywhere
    EXPECT_EQ(drawCarton(file("locked/carton0.PNG").c_str(), 200, 200, 400, 300, 600, 0), BOXPIC_WRITE_FAILED);
  }
  EXPECT_TRUE(std::filesystem::is_empty(file("locked")));
}

TEST_F(BoxpicLibrary, neverWritesThroughALinkPlantedInThePictureFolder) {
  // Another user who may write the folder links the temporary and the final names to a
  // file of the user who exports; that file must stay as it is.
  const std::string victim = file("victim.txt");
  const std::string precious = "the other file's content";
  { std::FILE* out = std::fopen(victim.c_str(), "w"); std::fputs(precious.c_str(), out); std::fclose(out); }
  for (const char* name : {"carton0.PNG.partial", "block0.PNG.partial", "block0.PNG"})
    std::filesystem::create_symlink(victim, file(name));
  EXPECT_EQ(drawCarton(file("carton0.PNG").c_str(), 200, 200, 400, 300, 600, 0x000000FF), BOXPIC_OK);
  EXPECT_EQ(drawRedBlock(file("block0.PNG"), 0, 0, 0, 1, 1, 1), BOXPIC_OK);

  std::FILE* in = std::fopen(victim.c_str(), "r");
  char text[64] = {};
  std::fgets(text, sizeof text, in);
  std::fclose(in);
  EXPECT_EQ(std::string(text), precious);
  EXPECT_EQ(readPngSize(file("carton0.PNG")), (PngSize{200, 200}));
  EXPECT_FALSE(std::filesystem::is_symlink(file("block0.PNG"))) << "the link is replaced by the picture";
  EXPECT_EQ(readPngSize(file("block0.PNG")), (PngSize{600, 350}));
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder_)) ++entries;
  EXPECT_EQ(entries, 5) << "the victim, two planted links and two pictures; no temporary file";
}

TEST_F(BoxpicLibrary, drawsWhatItCanOfSizesThatDescribeNothing) {
  const double nan = std::nan("");
  ASSERT_EQ(drawCarton(file("zero.PNG").c_str(), 200, 200, 0, 300, 600, 0), BOXPIC_OK);
  ASSERT_EQ(drawCarton(file("nan.PNG").c_str(), 200, 200, nan, -5, INFINITY, 0), BOXPIC_OK);
  EXPECT_EQ(PngImage::load(file("nan.PNG"))->count([](Rgb8 c) { return !isWhite(c); }), 0);
  // No container: the block alone.
  ASSERT_EQ(drawBlock(file("nocontainer.PNG").c_str(), 600, 350, 0, 0, 0, 0, 0, 0, 405, 305, 610, 3, 2, 4, 0, 2,
                      1, 0x000000FF),
            BOXPIC_OK);
  EXPECT_GT(PngImage::load(file("nocontainer.PNG"))->count(isRed), 1000);
  // No block (no cartons, or no pitch): the container alone.
  ASSERT_EQ(drawRedBlock(file("noblock.PNG"), 0, 0, 0, 0, 2, 4), BOXPIC_OK);
  ASSERT_EQ(drawRedBlock(file("nopitch.PNG"), 0, 0, 0, 3, 2, 4, nan, 305, 610), BOXPIC_OK);
  for (const char* name : {"noblock.PNG", "nopitch.PNG"}) {
    auto image = PngImage::load(file(name));
    ASSERT_TRUE(image) << name;
    EXPECT_EQ(image->count(isRed), 0) << name;
    EXPECT_GT(image->count(isGrey), 5000) << name;
  }
  // Millions of cartons: the grid is too fine to draw, the block is drawn all the same.
  ASSERT_EQ(drawRedBlock(file("huge.PNG"), 0, 0, 0, INT_MAX, INT_MAX, INT_MAX, 1e-6, 1e-6, 1e-6), BOXPIC_OK);
  EXPECT_GT(PngImage::load(file("huge.PNG"))->count(isRed), 1000);
}

TEST_F(BoxpicLibrary, keepsDarkColoursReadable) {
  // Dark blue: the grid lines on it are light, the outlines dark.
  ASSERT_EQ(drawBlock(file("blue.PNG").c_str(), 600, 350, 2300, 2450, 11800, 0, 0, 0, 405, 305, 610, 3, 2, 4, 0,
                      2, 1, 0x00FF0000),
            BOXPIC_OK);
  auto image = PngImage::load(file("blue.PNG"));
  ASSERT_TRUE(image);
  EXPECT_GT(image->count([](Rgb8 c) { return c.b == 255 && c.r == 0 && c.g == 0; }), 500);
  EXPECT_GT(image->count([](Rgb8 c) { return c.b > 200 && c.r > 120 && c.r == c.g; }), 50) << "light lines";
}
