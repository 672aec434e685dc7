// The exported plan opened in a web browser, as the warehouse will see it: headless
// Chromium reads the GBK document, shows its text and loads its pictures.

#include <gtest/gtest.h>

#include "chromium.h"
#include "export/exportplan.h"
#include "exportfixture.h"
#include "pngfile.h"

namespace {

class ExportedPlanInABrowser : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(chromiumPath().empty()) << "Chromium is missing: scripts/bootstrap installs it";
    ExportPlan exporter(plan, CARGOLYX_PROGRAM_DIR, folder.path());
    ASSERT_EQ(exporter.run(), kExportDone) << exporter.failureReason();
    document = exporter.htmlFile;
  }

  FillScheme plan = samplePlan();
  TempFolder folder;
  TempFolder profile;
  std::string document;
};

}  // namespace

TEST_F(ExportedPlanInABrowser, showsTheLegendEveryBlockAndTheTotals) {
  const std::string dom = chromiumDom(document, profile.path());
  ASSERT_FALSE(dom.empty());
  EXPECT_NE(dom.find("<title>装箱方案 - 演示集装箱 L=11800 W=2300 H=2450</title>"), std::string::npos) << dom;
  EXPECT_NE(dom.find("纸箱1:  L=600 W=400 H=300 数量：20"), std::string::npos);
  EXPECT_NE(dom.find("纸箱2:  L=500 W=500 H=400 数量：72"), std::string::npos);
  EXPECT_EQ(occurrences(dom, "<img src=\"carton"), 2);
  EXPECT_EQ(occurrences(dom, "<img src=\"block"), 2);
  EXPECT_NE(dom.find("第1块  所用纸箱：纸箱1<br>放置方向：L-W面朝门，L-H面朝上"), std::string::npos);
  EXPECT_NE(dom.find("码放数量：20 (注：本区域可容纳24个纸箱（见图），实际无需放满）"), std::string::npos);
  EXPECT_NE(dom.find("第2块  所用纸箱：纸箱2"), std::string::npos);
  EXPECT_EQ(occurrences(dom, "总箱数：92 总体积：8.64立方米 填充率：12.99% 净装箱率：12.99%"), 2);
}

TEST_F(ExportedPlanInABrowser, showsThePictures) {
  constexpr int kWidth = 900, kHeight = 2400;
  const std::string shot = profile.path() + "plan.png";
  ASSERT_TRUE(chromiumScreenshot(document, profile.path() + "shot", shot, kWidth, kHeight));
  auto image = PngImage::load(shot);
  ASSERT_TRUE(image) << "no screenshot";
  EXPECT_EQ(image->width(), kWidth);
  EXPECT_EQ(image->height(), kHeight);
  const int all = image->width() * image->height();
  const int ink = image->count([](Rgb8 c) { return !isWhite(c); });
  EXPECT_GT(ink, all / 50) << "the page is blank";
  EXPECT_LT(ink, all / 2);
  // 纸箱1 and its block are green, 纸箱2 and its block red: the browser loaded the pictures.
  EXPECT_GT(image->count([](Rgb8 c) { return c.g > 200 && c.r < 60 && c.b < 60; }), 2000);
  EXPECT_GT(image->count([](Rgb8 c) { return c.r > 200 && c.g < 60 && c.b < 60; }), 2000);
}
