// The picture of a built pallet's layers: the layers worked out from the pallet's blocks, and
// the picture drawn through the library's C entry point as the export calls it.

#include "boxpic/palletpicture.h"

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "boxpic/boxpic.h"
#include "pngfile.h"

namespace {

boxpic::StepBlock block(double x, double y, double z, int nx, int ny, int nz, int count, double pitchY = 300) {
  return {{x, y, z}, {400, 300, 600}, {400, pitchY, 600}, nx, ny, nz, count, 0x000000FF};
}

std::size_t cartonsIn(const boxpic::PalletLayer& layer) { return layer.cartons.size(); }

}  // namespace

TEST(PalletLayers, aBlockGivesOneLayerPerPlaceUpAndBlocksAtOneHeightShareALayer) {
  // Two across, three up, two along: three layers of four; a second block on the middle
  // layer's height joins it.
  const std::vector<boxpic::PalletLayer> layers =
      boxpic::palletLayers({block(0, 144, 0, 2, 3, 2, 12), block(800, 444, 0, 1, 1, 2, 2)});
  ASSERT_EQ(layers.size(), 3u);
  EXPECT_DOUBLE_EQ(layers[0].bottom, 144);
  EXPECT_DOUBLE_EQ(layers[1].bottom, 444);
  EXPECT_DOUBLE_EQ(layers[2].bottom, 744);
  EXPECT_EQ(cartonsIn(layers[0]), 4u);
  EXPECT_EQ(cartonsIn(layers[1]), 6u);
  EXPECT_EQ(cartonsIn(layers[2]), 4u);
  // The second block's cartons lie where it stands, one pitch apart along z.
  EXPECT_DOUBLE_EQ(layers[1].cartons[4].x, 800);
  EXPECT_DOUBLE_EQ(layers[1].cartons[5].z, 600);
}

TEST(PalletLayers, onlyTheFilledPlacesCountAlongZThenUpThenAcross) {
  // Five of eight places: along z (2), up (2), then the first place of the next column.
  const std::vector<boxpic::PalletLayer> layers = boxpic::palletLayers({block(0, 144, 0, 2, 2, 2, 5)});
  ASSERT_EQ(layers.size(), 2u);
  EXPECT_EQ(cartonsIn(layers[0]), 3u);
  EXPECT_EQ(cartonsIn(layers[1]), 2u);
  EXPECT_DOUBLE_EQ(layers[0].cartons[2].x, 400) << "the fifth carton starts the second column";
}

TEST(PalletLayers, layersGoFromTheLowestUpWhateverTheBlockOrder) {
  const std::vector<boxpic::PalletLayer> layers =
      boxpic::palletLayers({block(0, 744, 0, 1, 1, 1, 1), block(0, 144, 0, 1, 1, 1, 1), block(0, 444.3, 0, 1, 1, 1, 1)});
  ASSERT_EQ(layers.size(), 3u);
  EXPECT_LT(layers[0].bottom, layers[1].bottom);
  EXPECT_LT(layers[1].bottom, layers[2].bottom);
  // Within half a millimetre is the same height.
  EXPECT_EQ(boxpic::palletLayers({block(0, 144, 0, 1, 1, 1, 1), block(400, 144.4, 0, 1, 1, 1, 1)}).size(), 1u);
}

class DrawPalletEntry : public ::testing::Test {
 protected:
  void SetUp() override {
    handle_ = dlopen(CARGOLYX_PROGRAM_DIR "/libboxpic.so", RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    ASSERT_NE(handle_, nullptr) << dlerror();
    drawPallet = reinterpret_cast<DrawPalletFunction>(dlsym(handle_, "DrawPallet"));
    ASSERT_NE(drawPallet, nullptr) << "the library exports DrawPallet";
    char pattern[] = "/tmp/cargolyx-pallet-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder_ = pattern;
  }
  void TearDown() override {
    if (handle_) dlclose(handle_);
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  std::string file(const std::string& name) const { return folder_ + "/" + name; }

  void* handle_ = nullptr;
  std::string folder_;
  DrawPalletFunction drawPallet = nullptr;
};

TEST_F(DrawPalletEntry, drawsEachLayerBesideTheOtherOnTheBase) {
  // A EUR pallet of two layers: red cartons below, blue above.
  const BoxpicBlock blocks[] = {{0, 144, 0, 400, 300, 600, 400, 300, 600, 2, 1, 2, 4, 0x000000FF},
                                {0, 444, 0, 400, 300, 600, 400, 300, 600, 2, 1, 2, 4, 0x00FF0000}};
  const std::string path = file("pallet0.PNG");
  ASSERT_EQ(drawPallet(path.c_str(), 600, 400, 800, 1200, 0, blocks, 2, "第 ", " 层"), BOXPIC_OK);
  const auto image = PngImage::load(path);
  ASSERT_TRUE(image);
  EXPECT_EQ(image->width(), 600);
  EXPECT_EQ(image->height(), 400);
  double redU = 0, blueU = 0;
  const int red = image->count([](Rgb8 c) { return c.r > 200 && c.g < 60 && c.b < 60; }, &redU);
  const int blue = image->count([](Rgb8 c) { return c.b > 200 && c.r < 60 && c.g < 60; }, &blueU);
  EXPECT_GT(red, 2000) << "the lower layer's cartons";
  EXPECT_GT(blue, 2000) << "the upper layer's cartons";
  EXPECT_LT(redU, blueU) << "the first layer on the left, the next beside it";
}

TEST_F(DrawPalletEntry, refusesWhatDescribesNoPictureAndWritesNothing) {
  const BoxpicBlock one = {0, 144, 0, 400, 300, 600, 400, 300, 600, 1, 1, 1, 1, 0x000000FF};
  EXPECT_EQ(drawPallet(nullptr, 600, 400, 800, 1200, 0, &one, 1, nullptr, nullptr), BOXPIC_BAD_ARGUMENT);
  EXPECT_EQ(drawPallet(file("a.PNG").c_str(), 0, 400, 800, 1200, 0, &one, 1, nullptr, nullptr), BOXPIC_BAD_ARGUMENT);
  EXPECT_EQ(drawPallet(file("b.PNG").c_str(), 600, 400, 800, 1200, 0, nullptr, 1, nullptr, nullptr),
            BOXPIC_BAD_ARGUMENT);
  EXPECT_EQ(drawPallet(file("c.PNG").c_str(), 600, 400, 800, 1200, 0, &one, -1, nullptr, nullptr),
            BOXPIC_BAD_ARGUMENT);
  EXPECT_FALSE(std::filesystem::exists(file("a.PNG")));
  EXPECT_EQ(drawPallet(file("d/e.PNG").c_str(), 600, 400, 800, 1200, 0, &one, 1, nullptr, nullptr),
            BOXPIC_WRITE_FAILED) << "no such folder";
}
