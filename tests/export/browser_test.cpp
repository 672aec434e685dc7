// The exported plan opened in a web browser, as the warehouse will see it: headless
// Chromium reads the document, shows its text and loads its pictures, and each step's
// picture shows what is loaded so far with the step's cartons singled out.

#include <gtest/gtest.h>

#include "chromium.h"
#include "export/exportplan.h"
#include "exportfixture.h"
#include "model/language.h"
#include "pngfile.h"

namespace {

class ExportedPlanInABrowser : public ::testing::Test {
 protected:
  void exportPlan() {
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

// 纸箱1 (the first step) is green, 纸箱2 (the second) red; what earlier steps loaded is
// drawn pale.
bool isStepGreen(Rgb8 c) { return c.g > 200 && c.r < 60 && c.b < 60; }
bool isStepRed(Rgb8 c) { return c.r > 200 && c.g < 60 && c.b < 60; }
bool isPaleGreen(Rgb8 c) { return c.g > 200 && c.r > 140 && c.r < 225 && std::abs(c.r - c.b) < 8 && c.g - c.r > 25; }

// The text with every occurrence of the names taken out.
std::string without(std::string text, std::initializer_list<const char*> names) {
  for (const std::string name : names)
    for (auto at = text.find(name); at != std::string::npos; at = text.find(name)) text.erase(at, name.size());
  return text;
}

// The first Chinese character (or full-width sign) of UTF-8 text, or empty.
std::string firstChineseCharacter(const std::string& utf8) {
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    // U+3000 and above in three bytes: CJK signs and ideographs, full-width forms.
    if (lead >= 0xE3 && lead <= 0xEF && i + 2 < utf8.size()) return utf8.substr(i, 3);
  }
  return {};
}

}  // namespace

TEST_F(ExportedPlanInABrowser, showsTheLegendEveryStepAndTheTotals) {
  exportPlan();
  const std::string dom = chromiumDom(document, profile.path());
  ASSERT_FALSE(dom.empty());
  EXPECT_NE(dom.find("<title>装箱方案 - 演示集装箱 L=11800 W=2300 H=2450</title>"), std::string::npos) << dom;
  EXPECT_NE(dom.find("<td>纸箱1</td><td>600×400×300 mm</td><td>—</td><td>20</td><td>20</td><td>0</td>"),
            std::string::npos);
  EXPECT_EQ(occurrences(dom, "<img src=\"carton"), 2);
  EXPECT_EQ(occurrences(dom, "<img class=\"stepPicture\""), 2) << "a picture per step";
  EXPECT_NE(dom.find("第 1 步（共 2 步）：纸箱1 × 20 箱"), std::string::npos);
  EXPECT_NE(dom.find("第 2 步（共 2 步）：纸箱2 × 72 箱"), std::string::npos);
  EXPECT_EQ(occurrences(dom, "总箱数：92 总体积：8.64立方米 填充率：12.99% 净装箱率：12.99%"), 2);
}

TEST_F(ExportedPlanInABrowser, eachStepPictureShowsTheEarlierStepsPlainAndItsOwnCartonsInColour) {
  exportPlan();
  auto first = PngImage::load(folder.path() + "block0.PNG");
  auto second = PngImage::load(folder.path() + "block1.PNG");
  ASSERT_TRUE(first && second);
  EXPECT_GT(first->count(isStepGreen), 1000) << "step 1: its own cartons in their colour";
  EXPECT_EQ(first->count(isStepRed), 0) << "step 1: nothing of a later step";
  EXPECT_GT(second->count(isStepRed), 1000) << "step 2: its own cartons in their colour";
  EXPECT_GT(second->count(isPaleGreen), 200) << "step 2: the cartons of step 1, plain";
  EXPECT_EQ(second->count(isStepGreen), 0) << "step 2: step 1 is no longer singled out";
}

TEST_F(ExportedPlanInABrowser, showsThePictures) {
  exportPlan();
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
  // The browser loaded the legend's and the steps' pictures: both colours show, and the
  // pale cartons of step 1 in the picture of step 2.
  EXPECT_GT(image->count(isStepGreen), 1000);
  EXPECT_GT(image->count(isStepRed), 1000);
  EXPECT_GT(image->count(isPaleGreen), 100);
}

TEST_F(ExportedPlanInABrowser, inEnglishHoldsNoChineseButTheProjectsOwnNames) {
  setLanguage(Language::English);
  exportPlan();
  setLanguage(Language::Chinese);
  const std::string dom = chromiumDom(document, profile.path());
  ASSERT_FALSE(dom.empty());
  EXPECT_NE(dom.find("<h1>Loading plan</h1>"), std::string::npos) << dom;
  EXPECT_NE(dom.find("Step 2 of 2: 纸箱2 × 72 cartons"), std::string::npos);
  EXPECT_EQ(firstChineseCharacter(without(dom, {"纸箱1", "纸箱2", "演示集装箱"})), "") << dom;
}

TEST_F(ExportedPlanInABrowser, printsOnA4WithTheStepsThreeToAPage) {
  // Seven steps of one carton each, along the length.
  BlockScheme one = plan.result.containers[0].blocks[0];
  one.nx = one.ny = one.nz = 1;
  one.count = 1;
  std::vector<BlockScheme> seven;
  for (int i = 0; i < 7; ++i) {
    one.z = 1000 * i;
    seven.push_back(one);
  }
  plan.result.containers[0].blocks = seven;
  exportPlan();
  const std::string pdf = profile.path() + "plan.pdf";
  ASSERT_TRUE(chromiumPdf(document, profile.path() + "print", pdf));
  // The summary and the legend, then the steps on pages of their own: 3, 3 and 1 with the totals.
  EXPECT_EQ(pdfPageCount(pdf), 4);
}
