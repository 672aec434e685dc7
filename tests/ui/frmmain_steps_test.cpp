// Stepping through the loading in the main window's 3D view on a real X display (Xvfb):
// step 1 shows the first block alone, the last step every block.

#include <gtest/gtest.h>

#include <QSlider>
#include <set>

#include "mainwindowdriver.h"
#include "model/palette.h"
#include "ui/stepcontrol.h"
#include "view3d/boxviewer.h"
#include "view3d/colors.h"
#include "resultblocks.h"

namespace {

// How many pixels of the picture show one of the three shades of each colour.
std::vector<int> shadePixels(const QImage& image, const std::vector<std::uint32_t>& colors) {
  std::vector<int> counts(colors.size(), 0);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      for (std::size_t c = 0; c < colors.size(); ++c)
        for (const std::uint32_t shade : blockShades(colors[c]))
          counts[c] += p == qRgb(redOf(shade), greenOf(shade), blueOf(shade));
    }
  }
  return counts;
}

TEST(MainWindowSteps, stepOneShowsTheFirstBlockAloneAndTheLastStepEveryBlock) {
  MainWindowDriver d(CARGOLYX_EXAMPLES_DIR "/mixed.pak");
  d.messages().answers = {true};  // "calculate all the same?" when the sets fill the container poorly
  d.click("tbRun");
  const std::vector<BlockScheme>& blocks = blocksOf(d.project());
  ASSERT_GE(blocks.size(), 2u);
  std::vector<std::uint32_t> colors;
  for (const BlockScheme& b : blocks) colors.push_back(materialColor(b.material));
  ASSERT_EQ(std::set<std::uint32_t>(colors.begin(), colors.end()).size(), colors.size())
      << "each block in a colour of its own";
  d.settle();

  auto* viewer = d.form().findChild<BoxViewer*>();
  auto* steps = d.form().findChild<StepControl*>("stepControl");
  ASSERT_NE(viewer, nullptr);
  ASSERT_NE(viewer->panel(), nullptr) << "an X display hosts the OpenGL panel";
  ASSERT_NE(steps, nullptr);
  EXPECT_EQ(steps->caption()->text(), QString("第 %1 步 / 共 %1 步").arg(blocks.size()));

  std::vector<int> all = shadePixels(viewer->panel()->grabFramebuffer(), colors);
  for (std::size_t c = 0; c < colors.size(); ++c) EXPECT_GT(all[c], 50) << "block " << c + 1 << " at the last step";

  steps->slider()->setValue(1);
  EXPECT_EQ(steps->caption()->text(), QString("第 1 步 / 共 %1 步").arg(blocks.size()));
  const std::size_t first = steps->rowOfStep(1);
  const std::vector<int> one = shadePixels(viewer->panel()->grabFramebuffer(), colors);
  for (std::size_t c = 0; c < colors.size(); ++c) {
    if (c == first) {
      EXPECT_GT(one[c], 50) << "the first block shows";
    } else {
      EXPECT_EQ(one[c], 0) << "block " << c + 1 << " is not loaded yet";
    }
  }

  steps->slider()->setValue(static_cast<int>(blocks.size()));
  all = shadePixels(viewer->panel()->grabFramebuffer(), colors);
  for (std::size_t c = 0; c < colors.size(); ++c) EXPECT_GT(all[c], 50) << "block " << c + 1 << " again";
}

}  // namespace
