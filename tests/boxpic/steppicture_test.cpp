// The step pictures of libboxpic.so, called as the export calls them: DrawStep shows what is
// loaded so far from the door, the step's block in colour; DrawOrientation how a carton lies.

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "boxpic/boxpic.h"
#include "pngfile.h"

namespace {

constexpr int32_t kRed = 0x000000FF, kGreen = 0x0000FF00;

class StepPictures : public ::testing::Test {
 protected:
  void SetUp() override {
    handle_ = dlopen(CARGOLYX_PROGRAM_DIR "/libboxpic.so", RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    ASSERT_NE(handle_, nullptr) << dlerror();
    drawStep = reinterpret_cast<DrawStepFunction>(dlsym(handle_, "DrawStep"));
    drawOrientation = reinterpret_cast<DrawOrientationFunction>(dlsym(handle_, "DrawOrientation"));
    ASSERT_NE(drawStep, nullptr);
    ASSERT_NE(drawOrientation, nullptr);
    char pattern[] = "/tmp/cargolyx-steps-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder_ = pattern;
  }
  void TearDown() override {
    if (handle_) dlclose(handle_);
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }

  std::string file(const std::string& name) const { return folder_ + "/" + name; }

  // The step whose block is the last of blocks, in the demo container, as a 600 x 640 picture.
  std::optional<PngImage> step(const std::string& name, const std::vector<BoxpicBlock>& blocks,
                               const double* centre = nullptr) {
    const std::string path = file(name);
    if (drawStep(path.c_str(), 600, 640, 2300, 2450, 11800, blocks.data(), static_cast<int32_t>(blocks.size()),
                 centre, "里端", "门") != BOXPIC_OK)
      return std::nullopt;
    return PngImage::load(path);
  }

  void* handle_ = nullptr;
  std::string folder_;
  DrawStepFunction drawStep = nullptr;
  DrawOrientationFunction drawOrientation = nullptr;
};

// A block of cartons 600 x 400 x 300 (x, y, z) at the vertex, nx x ny x nz of them, count filled.
BoxpicBlock block(double x, double y, double z, int32_t nx, int32_t ny, int32_t nz, int32_t count, int32_t color) {
  return {x, y, z, 600, 400, 300, 600, 400, 300, nx, ny, nz, count, color};
}

bool isStepRed(Rgb8 c) { return c.r > 200 && c.g < 60 && c.b < 60; }
bool isStepGreen(Rgb8 c) { return c.g > 200 && c.r < 60 && c.b < 60; }
bool isPaleGreen(Rgb8 c) { return c.g > 200 && c.r > 140 && c.r < 225 && std::abs(c.r - c.b) < 8 && c.g - c.r > 25; }
bool isBlack(Rgb8 c) { return c.r < 30 && c.g < 30 && c.b < 30; }

}  // namespace

TEST_F(StepPictures, theStepsBlockIsInColourAndWhatCameBeforeIsPlain) {
  const BoxpicBlock first = block(0, 0, 0, 3, 2, 4, 24, kGreen);
  const BoxpicBlock second = block(0, 0, 1200, 3, 2, 4, 24, kRed);
  auto stepOne = step("one.PNG", {first});
  auto stepTwo = step("two.PNG", {first, second});
  ASSERT_TRUE(stepOne && stepTwo);
  EXPECT_EQ(stepTwo->width(), 600);
  EXPECT_EQ(stepTwo->height(), 640);
  EXPECT_GT(stepOne->count(isStepGreen), 500);
  EXPECT_LT(stepOne->count(isPaleGreen), 30) << "only where outlines blend";
  EXPECT_GT(stepTwo->count(isStepRed), 500);
  EXPECT_GT(stepTwo->count(isPaleGreen), 300) << "the first step's cartons are still there";
  EXPECT_EQ(stepTwo->count(isStepGreen), 0);
}

TEST_F(StepPictures, seenFromTheDoorTheInnerEndIsAtTheBackAndTheLeftWallOnTheLeft) {
  double innerU = 0, innerV = 0, doorU = 0, doorV = 0, leftU = 0, rightU = 0;
  ASSERT_GT(step("inner.PNG", {block(0, 0, 0, 1, 1, 4, 4, kRed)})->count(isStepRed, &innerU, &innerV), 0);
  ASSERT_GT(step("door.PNG", {block(0, 0, 10600, 1, 1, 4, 4, kRed)})->count(isStepRed, &doorU, &doorV), 0);
  ASSERT_GT(step("left.PNG", {block(0, 0, 5000, 1, 1, 1, 1, kRed)})->count(isStepRed, &leftU), 0);
  ASSERT_GT(step("right.PNG", {block(1700, 0, 5000, 1, 1, 1, 1, kRed)})->count(isStepRed, &rightU), 0);
  EXPECT_LT(innerV, doorV - 200) << "the inner end is farther up the picture";
  EXPECT_LT(leftU, rightU - 40) << "x = 0 is on the left of a loader at the door";
}

TEST_F(StepPictures, aPartlyFilledBlockShowsItsEmptyPlaces) {
  auto full = step("full.PNG", {block(0, 0, 0, 3, 2, 4, 24, kRed)});
  auto part = step("part.PNG", {block(0, 0, 0, 3, 2, 4, 14, kRed)});
  ASSERT_TRUE(full && part);
  EXPECT_LT(part->count(isStepRed), full->count(isStepRed) * 3 / 4);
  // The empty places are outlined in a dark shade of the block's colour.
  const auto darkRed = [](Rgb8 c) { return c.r > 100 && c.r < 170 && c.g < 40 && c.b < 40; };
  EXPECT_GT(part->count(darkRed), 100);
}

TEST_F(StepPictures, nearerCartonsCoverFartherOnes) {
  // The step's green column stands behind (toward the inner end of) a red one loaded
  // before: painted in the order given, the green would cover part of the red.
  const BoxpicBlock red = block(0, 0, 3300, 1, 4, 1, 4, kRed);
  const BoxpicBlock greenBehind = block(0, 0, 3000, 1, 4, 1, 4, kGreen);
  const BoxpicBlock greenAway = block(1700, 0, 0, 1, 1, 1, 1, kGreen);
  auto hidden = step("behind.PNG", {red, greenBehind});
  auto alone = step("away.PNG", {red, greenAway});
  ASSERT_TRUE(hidden && alone);
  const auto paleRed = [](Rgb8 c) { return c.r > 200 && c.g > 120 && c.g < 225 && std::abs(c.g - c.b) < 8; };
  const auto greenTop = [](Rgb8 c) { return c.g > 240 && c.r > 80 && c.r < 130 && std::abs(c.r - c.b) < 8; };
  EXPECT_GT(hidden->count(greenTop), 100) << "the green column's top shows beyond the red one's";
  EXPECT_GE(hidden->count(paleRed), alone->count(paleRed) * 95 / 100) << "the column behind covers the red one";
}

TEST_F(StepPictures, marksTheCentreOfGravityWhenGiven) {
  const double centre[3] = {1150, 1200, 5900};
  auto without = step("without.PNG", {block(0, 0, 0, 1, 1, 1, 1, kRed)});
  auto with = step("with.PNG", {block(0, 0, 0, 1, 1, 1, 1, kRed)}, centre);
  ASSERT_TRUE(without && with);
  EXPECT_GT(with->count(isBlack), without->count(isBlack) + 20);
}

TEST_F(StepPictures, refusesWhatCannotBeAPictureAndDrawsWhatItCan) {
  const BoxpicBlock one = block(0, 0, 0, 1, 1, 1, 1, kRed);
  const std::string path = file("bad.PNG");
  EXPECT_EQ(drawStep(path.c_str(), 600, 640, 2300, 2450, 11800, nullptr, 1, nullptr, "", ""), BOXPIC_BAD_ARGUMENT);
  EXPECT_EQ(drawStep(path.c_str(), 600, 640, 2300, 2450, 11800, &one, -1, nullptr, "", ""), BOXPIC_BAD_ARGUMENT);
  EXPECT_EQ(drawStep(path.c_str(), 0, 640, 2300, 2450, 11800, &one, 1, nullptr, "", ""), BOXPIC_BAD_ARGUMENT);
  EXPECT_FALSE(std::filesystem::exists(path));
  // No blocks, no labels: the empty container.
  ASSERT_EQ(drawStep(file("empty.PNG").c_str(), 600, 640, 2300, 2450, 11800, nullptr, 0, nullptr, nullptr, nullptr),
            BOXPIC_OK);
  EXPECT_EQ(PngImage::load(file("empty.PNG"))->count(isStepRed), 0);
  // A block of millions of cartons is drawn as boxes of rows, not carton by carton.
  const BoxpicBlock huge = {0, 0, 0, 10, 10, 10, 10, 10, 10, 230, 245, 1180, 230 * 245 * 1180, kRed};
  ASSERT_EQ(drawStep(file("huge.PNG").c_str(), 600, 640, 2300, 2450, 11800, &huge, 1, nullptr, "", ""), BOXPIC_OK);
  EXPECT_GT(PngImage::load(file("huge.PNG"))->count(isStepRed), 1000);
  // Sizes that describe nothing leave the block out.
  const BoxpicBlock nothing = {0, 0, 0, std::nan(""), 1, 1, 1, 1, 1, 1, 1, 1, 1, kRed};
  ASSERT_EQ(drawStep(file("nan.PNG").c_str(), 600, 640, 2300, 2450, 11800, &nothing, 1, nullptr, "", ""), BOXPIC_OK);
  EXPECT_EQ(PngImage::load(file("nan.PNG"))->count(isStepRed), 0);
}

TEST_F(StepPictures, anOrientationPictureShowsTheCartonInItsColour) {
  const std::string path = file("orient.PNG");
  ASSERT_EQ(drawOrientation(path.c_str(), 160, 120, 600, 400, 300, 2, 1, 0, kRed), BOXPIC_OK);
  EXPECT_EQ(readPngSize(path), (PngSize{160, 120}));
  auto image = PngImage::load(path);
  ASSERT_TRUE(image);
  EXPECT_GT(image->count(isStepRed), 500);
  EXPECT_GT(image->count(isBlack), 50) << "the outline and the edge labels";
  EXPECT_EQ(drawOrientation(nullptr, 160, 120, 600, 400, 300, 2, 1, 0, kRed), BOXPIC_BAD_ARGUMENT);
}
