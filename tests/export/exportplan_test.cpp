#include "export/exportplan.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>

#include "exportfixture.h"
#include "commands/statistics.h"
#include "model/language.h"
#include "resultblocks.h"
#include "palletresult.h"
#include "pngfile.h"

namespace {

const std::string kTestLibraries = CARGOLYX_TEST_LIBRARY_DIR "/";

const std::string kStatistics = " 总箱数：92 总体积：8.64立方米 填充率：12.99% 净装箱率：12.99%";
// The sample cartons have no weights.
const std::string kBalance = "<br>装载重量：0.00千克（最大载重的0.00%）<br>重心：纸箱1、纸箱2未填写重量，无法确定";
const std::string kTotals = kStatistics + kBalance;
const std::string kContainer = "演示集装箱 L=11800 W=2300 H=2450";

// The texts of the cells of the table row that holds name, one string per cell.
std::vector<std::string> rowCells(const std::string& html, const std::string& name) {
  std::vector<std::string> cells;
  const std::size_t at = html.find("<td>" + name + "</td>");
  if (at == std::string::npos) return cells;
  const std::size_t rowStart = html.rfind("<tr>", at), rowEnd = html.find("</tr>", at);
  std::string row = html.substr(rowStart, rowEnd - rowStart);
  for (std::size_t open = row.find("<td>"); open != std::string::npos; open = row.find("<td>", open + 4)) {
    const std::size_t close = row.find("</td>", open);
    cells.push_back(row.substr(open + 4, close - open - 4));
  }
  return cells;
}

// The text of step k (from 1) of the steps' markup.
std::string stepText(const std::string& html, int k) {
  const std::size_t at = html.find("<h3>第 " + std::to_string(k) + " 步");
  if (at == std::string::npos) return {};
  return html.substr(at, html.find("</table>", at) - at);
}

bool exists(const std::string& path) { return std::filesystem::exists(path); }

int occurrences(const std::string& text, const std::string& what) {
  int n = 0;
  for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size())) ++n;
  return n;
}

}  // namespace

TEST(ExportPlanTexts, theLegendGivesEachTypeEnteredLoadedAndLeftBehind) {
  FillScheme plan = samplePlan();
  plan.cartons[1].count = 100;  // 72 loaded
  plan.cartons[1].weight = 12.5;
  const std::string legend = ExportPlan(plan, "/opt/cargolyx/").cartonLegendHtml();
  EXPECT_EQ(rowCells(legend, "纸箱1"),
            (std::vector<std::string>{"纸箱1", "600×400×300 mm", "—", "20", "20", "0"}));
  EXPECT_EQ(rowCells(legend, "纸箱2"),
            (std::vector<std::string>{"纸箱2", "500×500×400 mm", "12.50 kg", "100", "72", "28"}));
}

TEST(ExportPlanTexts, theLegendBeginsWithTheLinesLoadersKnowAPictureAndALineEachType) {
  FillScheme plan = samplePlan();
  plan.cartons[0].count = 10;
  const std::string legend = ExportPlan(plan, "/opt/cargolyx/").cartonLegendHtml();
  EXPECT_EQ(legend.find("<div class='cartonLines'><table border=0><tr><td><img src='carton0.PNG' border=0></td><td>"
                        "纸箱1:  L=600 W=400 H=300 "
                        "数量：10</td></tr></table><br><hr><table border=0><tr><td><img src='carton1.PNG' border=0>"
                        "</td><td>纸箱2:  L=500 W=500 H=400 数量：72</td></tr></table><br><hr></div><table class='legend'"),
            0u)
      << legend;
  setLanguage(Language::English);
  const std::string english = ExportPlan(plan, "/opt/cargolyx/").cartonLegendHtml();
  setLanguage(Language::Chinese);
  EXPECT_NE(english.find("<td>纸箱1:  L=600 W=400 H=300 count: 10</td>"), std::string::npos) << english;
}

TEST(ExportPlanTexts, eachStepCarriesItsBlocksCaptionAsLoadersKnowIt) {
  FillScheme plan = samplePlan();
  std::swap(resultBlocks(plan)[0], resultBlocks(plan)[1]);  // numbered as listed, told in loading order
  const std::string html = ExportPlan(plan, "/opt/cargolyx/").blockPicturesHtml();
  // Under each step's picture, before the step's facts.
  const std::size_t second = html.find("第2块  所用纸箱"), first = html.find("第1块  所用纸箱");
  EXPECT_LT(html.find("src='block1.PNG'"), second);
  EXPECT_LT(second, html.find("<h3>第 1 步"));
  EXPECT_LT(html.find("<h3>第 1 步"), html.find("src='block0.PNG'"));
  EXPECT_LT(html.find("src='block0.PNG'"), first);
  EXPECT_LT(first, html.find("<h3>第 2 步"));
  EXPECT_NE(html.find("<p class='blockCaption'>第2块  所用纸箱：纸箱1<br>放置方向：L-W面朝门，L-H面朝上"
                                   "<br>顶点坐标：0,0,0<br>码放方式：3×2×4<br>码放数量：20 (注：本区域可容纳24个纸箱"
                                   "（见图），实际无需放满）</p>"),
            std::string::npos)
      << html;
  EXPECT_NE(html.find("<p class='blockCaption'>第1块  所用纸箱：纸箱2<br>放置方向：W-H面朝门，L-W面朝上"
                                   "<br>顶点坐标：0,0,1240<br>码放方式：4×6×3<br>码放数量：72</p>"),
            std::string::npos)
      << "a full block has no note: " << html;
  setLanguage(Language::English);
  const std::string english = ExportPlan(plan, "/opt/cargolyx/").blockPicturesHtml();
  setLanguage(Language::Chinese);
  EXPECT_NE(english.find("Block 2  carton: 纸箱1<br>orientation: L-W face to the door, L-H face up<br>vertex: 0,0,0"
                         "<br>arrangement: 3×2×4<br>cartons stacked: 20 (note: this block holds 24 cartons"),
            std::string::npos)
      << english;
}

TEST(ExportPlanTexts, inSetsTheLegendCountsWhatIsLoadedNotWhatWasEntered) {
  FillScheme plan = samplePlan();
  plan.cartons[0].count = 5;  // sets of 29 cartons: 92 loaded are three of them (20 and 72)
  plan.cartons[1].count = 24;
  const std::string legend = ExportPlan(plan, "/opt/cargolyx/").cartonLegendHtml();
  EXPECT_EQ(rowCells(legend, "纸箱1").at(3), "5");
  EXPECT_EQ(rowCells(legend, "纸箱1").at(4), "20");
  EXPECT_EQ(rowCells(legend, "纸箱1").at(5), "0");
  EXPECT_EQ(rowCells(legend, "纸箱2").at(4), "72");
}

TEST(ExportPlanTexts, eachStepHasItsPictureAndSaysWhatItLoadsWhereAndWhatIsLoadedSoFar) {
  FillScheme plan = samplePlan();
  plan.cartons[0].weight = 10;
  plan.cartons[1].weight = 20;
  const std::string html = ExportPlan(plan, "/opt/cargolyx/").blockPicturesHtml();
  const std::string first = stepText(html, 1), second = stepText(html, 2);
  ASSERT_FALSE(first.empty()) << html;
  ASSERT_FALSE(second.empty()) << html;
  EXPECT_NE(html.find("src='block0.PNG'"), std::string::npos);
  EXPECT_LT(html.find("src='block0.PNG'"), html.find("<h3>第 1 步")) << "the picture beside its facts";
  EXPECT_NE(first.find("第 1 步（共 2 步）：纸箱1 × 20 箱"), std::string::npos) << first;
  EXPECT_NE(first.find("<img class='orientation' src='orient0-5.PNG'"), std::string::npos) << first;
  EXPECT_NE(first.find("侧放（宽边朝上），高边沿箱长"), std::string::npos) << first;
  EXPECT_NE(first.find("距里端 0 mm，距左壁 0 mm，离地 0 mm"), std::string::npos) << first;
  EXPECT_NE(first.find("沿箱宽 3 × 沿箱高 2 × 沿箱长 4 = 24 个位置，装 20 箱，4 个位置空着"), std::string::npos) << first;
  EXPECT_NE(first.find("本步 200.00 kg"), std::string::npos) << first;
  EXPECT_NE(first.find("累计已装：</b>20 箱；装载重量：200.00千克"), std::string::npos) << first;
  EXPECT_NE(second.find("距里端 1240 mm，距左壁 0 mm，离地 0 mm"), std::string::npos) << second;
  EXPECT_EQ(second.find("空着"), std::string::npos) << "a full block has no empty places";
  EXPECT_NE(second.find("累计已装：</b>92 箱；装载重量：1640.00千克"), std::string::npos) << second;
  EXPECT_NE(second.find("重心：距里端1820mm"), std::string::npos) << "the centre of all loaded by then";
}

TEST(ExportPlanTexts, withStopsEachStepNamesItsStopAndTheUnloadingListGoesStopByStop) {
  FillScheme plan = samplePlan();
  EXPECT_EQ(ExportPlan(plan, "/opt/cargolyx/").unloadingListHtml(), "") << "no stops, no list";
  plan.stops = {"北京", "天津"};
  plan.cartons[0].stop = "天津";  // at the inner end: delivered last
  plan.cartons[1].stop = "北京";
  std::string html = ExportPlan(plan, "/opt/cargolyx/").blockPicturesHtml();
  EXPECT_NE(html.find("<h3>第 1 步 · 天津（共 2 步）：纸箱1 × 20 箱</h3>"), std::string::npos) << html;
  EXPECT_NE(html.find("<h3>第 2 步 · 北京（共 2 步）：纸箱2 × 72 箱</h3>"), std::string::npos) << html;
  EXPECT_NE(html.find("<tr class='stop'><td>1</td><td>北京</td><td>纸箱2 × 72（第 2 步）</td><td>72</td></tr>"
                      "<tr class='stop'><td>2</td><td>天津</td><td>纸箱1 × 20（第 1 步）</td><td>20</td></tr>"),
            std::string::npos)
      << html;
  EXPECT_LT(html.find("卸货清单"), html.find("<div class='steps'>"));

  // Both to the last stop (a carton without a stop goes there): what went in last comes out first.
  plan.cartons[1].stop.clear();
  html = ExportPlan(plan, "/opt/cargolyx/").blockPicturesHtml();
  EXPECT_NE(html.find("<h3>第 2 步 · 天津（共 2 步）："), std::string::npos) << html;
  EXPECT_NE(html.find("<tr class='stop'><td>2</td><td>天津</td><td>纸箱2 × 72（第 2 步）<br>纸箱1 × 20（第 1 步）</td>"
                      "<td>92</td></tr></table>"),
            std::string::npos)
      << html;
  EXPECT_EQ(html.find("<td>北京</td>"), std::string::npos) << "a stop with nothing in this container is left out";

  setLanguage(Language::English);
  html = ExportPlan(plan, "/opt/cargolyx/").blockPicturesHtml();
  setLanguage(Language::Chinese);
  EXPECT_NE(html.find("<h3>Step 1 of 2 · 天津: 纸箱1 × 20 cartons</h3>"), std::string::npos) << html;
  EXPECT_NE(html.find("纸箱2 × 72 (step 2)<br>纸箱1 × 20 (step 1)"), std::string::npos) << html;
}

TEST(ExportPlanTexts, stepsFollowTheLoadingOrderNotTheListOrder) {
  FillScheme plan = samplePlan();
  std::swap(resultBlocks(plan)[0], resultBlocks(plan)[1]);  // the block at the inner end listed second
  const std::string html = ExportPlan(plan, "/opt/cargolyx/").blockPicturesHtml();
  EXPECT_NE(stepText(html, 1).find("纸箱1 × 20 箱"), std::string::npos);
  EXPECT_LT(html.find("src='block1.PNG'"), html.find("src='block0.PNG'")) << "the picture of list block 1 first";
}

TEST(ExportPlanTexts, inEnglishTheStepsHaveNoChineseButTheNames) {
  setLanguage(Language::English);
  FillScheme plan = samplePlan();
  plan.cartons[0].weight = 10;
  plan.cartons[1].weight = 20;
  const ExportPlan exporter(plan, "/opt/cargolyx/");
  std::string text = exporter.blockPicturesHtml() + exporter.cartonLegendHtml() + exporter.totalsHtml();
  setLanguage(Language::Chinese);
  for (const std::string name : {"纸箱1", "纸箱2"})
    for (auto at = text.find(name); at != std::string::npos; at = text.find(name)) text.erase(at, name.size());
  for (const unsigned char c : text) EXPECT_LT(c, 0xE3) << "a CJK character in: " << text;
  EXPECT_NE(text.find("Step 1 of 2:  × 20 cartons"), std::string::npos) << text;
  EXPECT_NE(text.find("on its side (width up), height along the container"), std::string::npos);
  EXPECT_NE(text.find("0 mm from the inner end, 0 mm from the left wall, 0 mm above the floor"), std::string::npos);
}

TEST(ExportPlanTexts, totalsSayHowManySetsThePlanLoadsAgainstTheCartonsEntered) {
  FillScheme plan = samplePlan();
  EXPECT_EQ(ExportPlan(plan, "/opt/cargolyx/").totalsHtml(), kTotals);
  plan.cartons[0].count = 5;  // sets of 29 cartons: 92 loaded are three of them
  plan.cartons[1].count = 24;
  const std::string totals = ExportPlan(plan, "/opt/cargolyx/").totalsHtml();
  EXPECT_EQ(totals.find("套数：3" + kStatistics + "<br><b>3 套 = 92 箱（输入 29 箱）</b>"), 0u) << totals;
  EXPECT_NE(totals.find("输入的纸箱为一套"), std::string::npos) << totals;
  EXPECT_NE(totals.find(kBalance), std::string::npos) << totals;
  const FillScheme empty;
  EXPECT_EQ(ExportPlan(empty, "/opt/cargolyx/").totalsHtml(),
            " 总箱数：0 总体积：0.00立方米 填充率：0.00% 净装箱率：0.00%");
}

TEST(ExportPlanTexts, totalsListTheCartonsLeftBehind) {
  FillScheme plan = samplePlan();
  plan.cartons[1].count = 100;  // 72 loaded
  plan.cartons[1].name = "<b>冰箱";
  plan.cartons[0].weight = 10;
  plan.cartons[1].weight = 20;
  EXPECT_EQ(ExportPlan(plan, "/opt/cargolyx/").totalsHtml(),
            kStatistics + "<br>装载重量：1640.00千克（最大载重的8.20%）" +
                "<br>重心：距里端1820mm，距左壁973mm，离地1098mm，偏离中心：纵向偏里端4080mm，横向偏左177mm" +
                "<br>未装入的纸箱：<table border=1 cellspacing=0 cellpadding=3><tr><th>纸箱</th><th>未装入数量</th></tr>"
                "<tr><td>&lt;b&gt;冰箱</td><td>28</td></tr></table>");
}

TEST(ExportPlanTexts, totalsShowTheAxleLoadsOfAVehicle) {
  FillScheme plan = samplePlan();
  const std::string without = ExportPlan(plan, "/opt/cargolyx/").totalsHtml();
  plan.result.containers.front().container.vehicle = vehiclePresets().front().vehicle;
  const std::string with = ExportPlan(plan, "/opt/cargolyx/").totalsHtml();
  EXPECT_EQ(with.substr(0, without.size()), without);
  EXPECT_NE(with.find("<br>轴荷（千克）：<table"), std::string::npos) << with;
  EXPECT_NE(with.find("<tr><td>出发时</td>"), std::string::npos) << with;
}

TEST(ExportPlanTexts, containerIsNameAndSizes) {
  FillScheme plan = samplePlan();
  EXPECT_EQ(ExportPlan(plan, "/opt/cargolyx/").containerHtml(), kContainer);
  plan.container.name = "A";
  plan.container.length = -5;
  plan.result.containers[0].container = plan.container;
  EXPECT_EQ(ExportPlan(plan, "/opt/cargolyx/").containerHtml(), "A L=-5 W=2300 H=2450");
}

TEST(ExportPlanTexts, anEmptyPlanHasNoLegendAndNoBlocks) {
  const FillScheme empty;
  ExportPlan plan(empty, "/opt/cargolyx/");
  EXPECT_EQ(plan.cartonLegendHtml(), "");
  EXPECT_EQ(plan.blockPicturesHtml(), "");
}

TEST(ExportPlanTexts, namesShowAsTextNotAsMarkup) {
  FillScheme plan = samplePlan();
  plan.cartons[0].name = "<易碎>&'B\"";
  resultBlocks(plan)[0].cartonName = "<易碎>";
  plan.container.name = "<20GP>";
  plan.result.containers[0].container = plan.container;
  ExportPlan exportPlan(plan, "/opt/cargolyx/");
  EXPECT_NE(exportPlan.cartonLegendHtml().find("<td>&lt;易碎&gt;&amp;&#39;B&quot;</td>"), std::string::npos);
  EXPECT_NE(exportPlan.blockPicturesHtml().find("：&lt;易碎&gt; × 20 箱"), std::string::npos);
  EXPECT_EQ(exportPlan.containerHtml(), "&lt;20GP&gt; L=11800 W=2300 H=2450");
}

TEST(ExportPlanTexts, filesLieInTheProgramAndOutputFolders) {
  const FillScheme plan;
  ExportPlan inProgramFolder(plan, "/opt/cargolyx/");
  EXPECT_EQ(inProgramFolder.htmlFile, "/opt/cargolyx/packplan.htm");
  EXPECT_EQ(inProgramFolder.templateFile, "/opt/cargolyx/template.htm");
  setLanguage(Language::English);
  EXPECT_EQ(ExportPlan(plan, "/opt/cargolyx/").templateFile, "/opt/cargolyx/template_en.htm");
  setLanguage(Language::Chinese);
  EXPECT_EQ(inProgramFolder.libraryFile, "/opt/cargolyx/libboxpic.so");
  EXPECT_EQ(inProgramFolder.pictureExt, ".PNG");
  EXPECT_EQ(inProgramFolder.cartonPrefix, "carton");
  EXPECT_EQ(inProgramFolder.blockPrefix, "block");
  ExportPlan elsewhere(plan, "/opt/cargolyx", "/home/me/plans");
  EXPECT_EQ(elsewhere.htmlFile, "/home/me/plans/packplan.htm");
  EXPECT_EQ(elsewhere.templateFile, "/opt/cargolyx/template.htm");
  EXPECT_EQ(elsewhere.libraryFile, "/opt/cargolyx/libboxpic.so");
  EXPECT_EQ(ExportPlan(plan).templateFile, programFolder() + "template.htm");
}

TEST(ExportPlanTexts, orientationCodesNameTheEdgesAlongYZAndX) {
  const int expected[6][3] = {{2, 0, 1}, {1, 2, 0}, {0, 1, 2}, {0, 2, 1}, {2, 1, 0}, {1, 0, 2}};
  for (int orientation = 0; orientation < 6; ++orientation) {
    const OrientationCodes codes = orientationCodes(orientation);
    EXPECT_EQ(codes.alongY, expected[orientation][0]) << orientation;
    EXPECT_EQ(codes.alongZ, expected[orientation][1]) << orientation;
    EXPECT_EQ(codes.alongX, expected[orientation][2]) << orientation;
  }
  for (int unknown : {-1, 6, 1000}) {
    const OrientationCodes codes = orientationCodes(unknown);
    EXPECT_EQ(codes.alongY + codes.alongZ + codes.alongX, 0) << unknown;
  }
}

TEST(ExportPlanTexts, messages) {
  EXPECT_EQ(exportFailureMessage(kExportDone), "");
  EXPECT_EQ(exportFailureMessage(kExportDocumentFailed), "导出HTML文件失败。");
  EXPECT_EQ(exportFailureMessage(kExportCartonPicturesFailed), "导出纸箱图例文件失败。");
  EXPECT_EQ(exportFailureMessage(kExportBlockPicturesFailed), "导出装箱方案分解示意图失败。");
}

// The document, from a template written into a program folder of the test's own.
class ExportPlanDocument : public ::testing::Test {
 protected:
  FillScheme plan = samplePlan();
  TempFolder folder;

  void writeTemplate(const std::string& bytes) { writeBytes(folder.path() + "template.htm", bytes); }
  std::string document() const { return readBytes(folder.path() + "packplan.htm"); }
  bool exportDocument() {
    ExportPlan exportPlan(plan, folder.path());
    return exportPlan.writeHtml();
  }
};

TEST_F(ExportPlanDocument, aTemplateWithoutPlaceholdersIsCopiedByteForByte) {
  std::string bytes = gbk("<html><head><meta charset=\"gbk\"><title>装箱方案</title></head>\r\n<body>");
  for (char ch = ' '; ch < 127; ++ch) bytes += ch;  // every printable ASCII character, [ and ] too
  bytes += gbk("\t纸箱图例 [纸箱] 【装箱合计】 ＜集装箱＞\n</body></html>");
  writeTemplate(bytes);
  ASSERT_TRUE(exportDocument());
  EXPECT_EQ(document(), bytes);
}

TEST_F(ExportPlanDocument, aContainersPageAmongSeveralHasItsHeadingInAnyTemplate) {
  ExportPlan exportPlan(plan, folder.path());
  ASSERT_EQ(exportPlan.pageHeadingHtml(), "") << "a plan of one container has none";
  EXPECT_EQ(*exportPlan.fillTemplate("<p>[页眉]</p>", nullptr), "<p></p>");
  exportPlan.setContainerPage(ContainerPage{2, 3, "<发货>", "2026-12-08", "../index.htm", {0, 0}});
  const std::string heading =
      "<p class='pageHeading'><a href='../index.htm'>← 返回总览</a> · 项目：&lt;发货&gt; · 方案日期：2026-12-08</p>"
      "<h2 class='containerOf'>集装箱 2 / 共 3 · 演示集装箱</h2>";
  EXPECT_EQ(exportPlan.pageHeadingHtml(), heading);
  EXPECT_EQ(*exportPlan.fillTemplate("<p>[页眉]</p>", nullptr), "<p>" + heading + "</p>");
  // A template of the user's own, without the placeholder: right after the body tag.
  EXPECT_EQ(*exportPlan.fillTemplate("<html><BODY class=x>plan</BODY></html>", nullptr),
            "<html><BODY class=x>" + heading + "plan</BODY></html>");
  EXPECT_EQ(*exportPlan.fillTemplate("plan", nullptr), heading + "plan");
}

TEST_F(ExportPlanDocument, replacesEveryPlaceholderEveryTime) {
  writeTemplate("<title>[集装箱描述]</title>[装箱合计]|[纸箱图例]|[装箱图示]|[装箱合计]");
  ASSERT_TRUE(exportDocument());
  const ExportPlan texts(plan, folder.path());
  EXPECT_EQ(document(), "<title>" + kContainer + "</title>" + kTotals + "|" + texts.cartonLegendHtml() + "|" +
                            texts.blockPicturesHtml() + "|" + kTotals);
}

TEST_F(ExportPlanDocument, aGbkTemplateOfTheUsersOwnMakesAGbkDocument) {
  writeTemplate(gbk("<meta charset=\"gb2312\"><h1>装箱方案</h1>[集装箱描述]|[装箱合计]"));
  ASSERT_TRUE(exportDocument());
  EXPECT_EQ(document(), gbk("<meta charset=\"gb2312\"><h1>装箱方案</h1>" + kContainer + "|" + kTotals));
}

TEST_F(ExportPlanDocument, aUtf8TemplateMakesAUtf8DocumentWhateverTheNames) {
  plan.cartons[1].name = "箱\xF0\x9F\x93\xA6";  // an emoji: no GBK code, and no harm in UTF-8
  writeTemplate("<meta charset=\"utf-8\">[纸箱图例]");
  ASSERT_TRUE(exportDocument());
  EXPECT_NE(document().find("<td>箱\xF0\x9F\x93\xA6</td>"), std::string::npos);
}

TEST_F(ExportPlanDocument, aZeroByteEndsTheTemplate) {
  writeTemplate("前[装箱合计]" + std::string(1, '\0') + "后[装箱合计]");
  ASSERT_TRUE(exportDocument());
  EXPECT_EQ(document(), "前" + kTotals);
}

TEST_F(ExportPlanDocument, aCartonNamedLikeAPlaceholderIsReplacedByTheLaterPass) {
  // The totals pass runs after the legend was inserted, and finds the name there;
  // the legend pass, before the blocks were inserted, does not see their names.
  plan.cartons[0].name = "[装箱合计]";
  resultBlocks(plan)[0].cartonName = "[纸箱图例]";
  writeTemplate("[纸箱图例]\n[装箱图示]");
  ASSERT_TRUE(exportDocument());
  const std::string text = document();
  const std::string totals =
      kStatistics + "<br>装载重量：0.00千克（最大载重的0.00%）<br>重心：[装箱合计]、纸箱2未填写重量，无法确定";
  EXPECT_NE(text.find("<td>" + totals + "</td><td>600×400×300 mm"), std::string::npos) << text;
  EXPECT_NE(text.find("：[纸箱图例] × 20 箱"), std::string::npos);
}

TEST_F(ExportPlanDocument, neverFindsAPlaceholderInsideAChineseCharacter) {
  // 0x81 0x5B is one GBK character whose second byte is '['; the bytes after it spell
  // "纸箱图例]", so the raw bytes hold "[纸箱图例]" although the text does not.
  const std::string bytes = "\x81" + gbk("[纸箱图例]") + gbk(" [纸箱图例]");
  writeTemplate(bytes);
  ASSERT_TRUE(exportDocument());
  EXPECT_EQ(document(), "\x81" + gbk("[纸箱图例] ") + gbk(ExportPlan(plan, folder.path()).cartonLegendHtml()));
}

TEST_F(ExportPlanDocument, aTemplateThatIsNotGbkFailsAndKeepsTheOldDocument) {
  writeBytes(folder.path() + "packplan.htm", "the earlier plan");
  writeTemplate("<html>\xFF\xFE[装箱合计]</html>");
  ExportPlan exportPlan(plan, folder.path());
  EXPECT_EQ(exportPlan.run(), kExportDocumentFailed);
  EXPECT_EQ(exportPlan.failureMessage(), "导出HTML文件失败。");
  EXPECT_NE(exportPlan.failureReason().find("template.htm"), std::string::npos) << exportPlan.failureReason();
  EXPECT_EQ(document(), "the earlier plan");
  EXPECT_FALSE(exists(folder.path() + "carton0.PNG"));
}

TEST_F(ExportPlanDocument, aMissingTemplateFailsAndKeepsTheOldDocument) {
  writeBytes(folder.path() + "packplan.htm", "the earlier plan");
  ExportPlan exportPlan(plan, folder.path());
  EXPECT_EQ(exportPlan.run(), kExportDocumentFailed);
  EXPECT_EQ(exportPlan.failureMessage(), "导出HTML文件失败。");
  EXPECT_EQ(document(), "the earlier plan");
  EXPECT_FALSE(exists(folder.path() + "carton0.PNG"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1) << "no stray files";
}

TEST_F(ExportPlanDocument, withoutATemplateFileTheOneBuiltIntoTheProgramIsFilled) {
  const std::string shipped = readBytes(CARGOLYX_TEST_DATA_DIR "/../../resources/template.htm");
  ASSERT_FALSE(shipped.empty());
  EXPECT_EQ(builtInPlanTemplate(), shipped) << "built in byte for byte";

  ExportPlan exportPlan(plan, folder.path());
  exportPlan.templateFile.clear();
  ASSERT_TRUE(exportPlan.writeHtml()) << exportPlan.failureReason();
  EXPECT_EQ(document(), *exportPlan.fillTemplate(shipped, nullptr));
  EXPECT_NE(document().find("<meta charset=\"utf-8\">"), std::string::npos);
  EXPECT_NE(document().find("演示集装箱 L=11800 W=2300 H=2450"), std::string::npos);
}

TEST_F(ExportPlanDocument, inEnglishTheBuiltInTemplateIsTheEnglishOne) {
  const std::string shipped = readBytes(CARGOLYX_TEST_DATA_DIR "/../../resources/template_en.htm");
  EXPECT_EQ(builtInPlanTemplate(Language::English), shipped);
  EXPECT_EQ(builtInPlanTemplate(Language::Chinese), builtInPlanTemplate());
  setLanguage(Language::English);
  ExportPlan exportPlan(plan, folder.path());
  exportPlan.templateFile.clear();
  const bool written = exportPlan.writeHtml();
  setLanguage(Language::Chinese);
  ASSERT_TRUE(written) << exportPlan.failureReason();
  EXPECT_NE(document().find("<h1>Loading plan</h1>"), std::string::npos);
  EXPECT_NE(document().find("Step 1 of 2"), std::string::npos);
}

TEST_F(ExportPlanDocument, aNameWithoutGbkCodeFailsInAGbkTemplateAndKeepsTheOldDocument) {
  writeBytes(folder.path() + "packplan.htm", "the earlier plan");
  writeTemplate(gbk("<meta charset=gbk>[纸箱图例]"));
  plan.cartons[1].name = "箱\xF0\x9F\x93\xA6";  // an emoji has no GBK code
  ExportPlan exportPlan(plan, folder.path());
  EXPECT_EQ(exportPlan.run(), kExportDocumentFailed);
  EXPECT_EQ(document(), "the earlier plan");
}

TEST_F(ExportPlanDocument, anOutputFolderThatCannotBeWrittenFails) {
  writeTemplate(gbk("[纸箱图例]"));
  ExportPlan exportPlan(plan, folder.path(), folder.path() + "no-such-folder/");
  EXPECT_EQ(exportPlan.run(), kExportDocumentFailed);
  EXPECT_FALSE(exportPlan.failureReason().empty());
}

TEST_F(ExportPlanDocument, aHugeTemplateIsRefusedBeforeItIsRead) {
  writeBytes(folder.path() + "packplan.htm", "the earlier plan");
  writeTemplate(gbk("[纸箱图例]"));
  ASSERT_EQ(::truncate((folder.path() + "template.htm").c_str(), off_t{1} << 30), 0);  // a 1 GiB hole
  struct rusage before {}, after {};
  ::getrusage(RUSAGE_SELF, &before);
  ExportPlan exportPlan(plan, folder.path());
  EXPECT_EQ(exportPlan.run(), kExportDocumentFailed);
  ::getrusage(RUSAGE_SELF, &after);
  EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 16 * 1024) << "KiB: the template was read";
  EXPECT_NE(exportPlan.failureReason().find("larger than 16 MiB"), std::string::npos) << exportPlan.failureReason();
  EXPECT_EQ(document(), "the earlier plan");
}

TEST_F(ExportPlanDocument, aTemplateThatIsANamedPipeIsRefusedAtOnce) {
  // Opening a pipe for reading waits for a writer, unless it is opened without waiting; a
  // writer comes after a while so that a reader that waits is not stuck for ever.
  ASSERT_EQ(::mkfifo((folder.path() + "template.htm").c_str(), 0600), 0);
  std::atomic<bool> done{false};
  std::thread writerAfterAWhile([&] {
    for (int i = 0; i < 300 && !done; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    const int fd = ::open((folder.path() + "template.htm").c_str(), O_WRONLY | O_NONBLOCK);
    if (fd >= 0) ::close(fd);  // releases a reader that waited
  });
  ExportPlan exportPlan(plan, folder.path());
  const int result = exportPlan.run();
  done = true;
  writerAfterAWhile.join();
  EXPECT_EQ(result, kExportDocumentFailed);
  EXPECT_NE(exportPlan.failureReason().find("named pipe"), std::string::npos) << exportPlan.failureReason();
}

// The whole export with the real drawing library from the build's program folder.
class ExportPlanRun : public ::testing::Test {
 protected:
  FillScheme plan = samplePlan();
  TempFolder output;

  ExportPlan exportPlan() { return ExportPlan(plan, CARGOLYX_PROGRAM_DIR, output.path()); }
  std::string file(const std::string& name) const { return output.path() + name; }
};

TEST_F(ExportPlanRun, writesTheDocumentAndEveryPicture) {
  ExportPlan exporter = exportPlan();
  ASSERT_EQ(exporter.run(), kExportDone) << exporter.failureReason();
  EXPECT_EQ(exporter.failureMessage(), "");
  const std::string document = readBytes(exporter.htmlFile);
  EXPECT_NE(document.find(exporter.cartonLegendHtml()), std::string::npos);
  EXPECT_NE(document.find(exporter.blockPicturesHtml()), std::string::npos);
  EXPECT_NE(document.find("charset=\"utf-8\""), std::string::npos);
  for (const char* name : {"carton0.PNG", "carton1.PNG"})
    EXPECT_EQ(readPngSize(file(name)), (PngSize{200, 200})) << name;
  for (const char* name : {"block0.PNG", "block1.PNG"})
    EXPECT_EQ(readPngSize(file(name)), (PngSize{600, 640})) << name;
  for (const char* name : {"orient0-5.PNG", "orient1-3.PNG"})
    EXPECT_EQ(readPngSize(file(name)), (PngSize{160, 120})) << name;
  EXPECT_FALSE(exists(file("block2.PNG")));
}

TEST_F(ExportPlanRun, exportingAgainReplacesTheDocumentAndThePictures) {
  writeBytes(file("packplan.htm"), "old");
  writeBytes(file("block1.PNG"), "a picture of another plan");
  writeBytes(file("block7.PNG"), "a picture of a longer plan");
  ExportPlan exporter = exportPlan();
  ASSERT_EQ(exporter.run(), kExportDone) << exporter.failureReason();
  EXPECT_NE(readBytes(file("packplan.htm")), "old");
  EXPECT_EQ(readPngSize(file("block1.PNG")), (PngSize{600, 640}));
  EXPECT_EQ(readBytes(file("block7.PNG")), "a picture of a longer plan") << "higher numbers stay";
}

TEST_F(ExportPlanRun, passesTheArgumentListsOfTheEntryPoints) {
  plan.spacingL = 10;  // not used: the blocks' own gaps place the cartons
  plan.spacingW = 5;
  plan.spacingH = 3;
  for (BlockScheme& block : resultBlocks(plan)) {
    block.gapX = 5;
    block.gapY = 3;
    block.gapZ = 10;
  }
  plan.cartons[0].weight = 10;
  plan.cartons[1].weight = 20;
  ExportPlan exporter = exportPlan();
  exporter.libraryFile = kTestLibraries + "libboxpic_recording.so";
  ::setenv("CARGOLYX_BOXPIC_CALLS", file("calls.txt").c_str(), 1);
  const int result = exporter.run();
  ::unsetenv("CARGOLYX_BOXPIC_CALLS");
  ASSERT_EQ(result, kExportDone) << exporter.failureReason();
  // Each step draws the blocks loaded so far; the step's own is the last. The centre is
  // that of the cartons loaded by then.
  EXPECT_EQ(readBytes(file("calls.txt")),
            "DrawCarton|carton0.PNG|200|200|400|300|600|65280\n"
            "DrawCarton|carton1.PNG|200|200|500|400|500|255\n"
            "DrawStep|block0.PNG|600|640|2300|2450|11800|1|0|0|0|600|400|300|605|403|310|3|2|4|20|65280"
            "|784|361.2|615|里端|门\n"
            "DrawStep|block1.PNG|600|640|2300|2450|11800|2|0|0|1240|500|400|500|505|403|510|4|6|3|72|255"
            "|980.244|1104.29|1831.1|里端|门\n"
            "DrawOrientation|orient0-5.PNG|160|120|600|400|300|2|1|0|65280\n"
            "DrawOrientation|orient1-3.PNG|160|120|500|400|500|1|0|2|255\n");
}

TEST_F(ExportPlanRun, inEnglishThePicturesAreLabelledInEnglish) {
  setLanguage(Language::English);
  ExportPlan exporter = exportPlan();
  exporter.libraryFile = kTestLibraries + "libboxpic_recording.so";
  ::setenv("CARGOLYX_BOXPIC_CALLS", file("calls.txt").c_str(), 1);
  const int result = exporter.run();
  ::unsetenv("CARGOLYX_BOXPIC_CALLS");
  setLanguage(Language::Chinese);
  ASSERT_EQ(result, kExportDone) << exporter.failureReason();
  const std::string calls = readBytes(file("calls.txt"));
  EXPECT_EQ(occurrences(calls, "|Inner end|Door\n"), 2) << calls;
  EXPECT_EQ(calls.find("门"), std::string::npos);
}

TEST_F(ExportPlanRun, aMissingLibraryFailsTheCartonPicturesAfterTheDocument) {
  ExportPlan exporter = exportPlan();
  exporter.libraryFile = output.path() + "libboxpic.so";
  EXPECT_EQ(exporter.run(), kExportCartonPicturesFailed);
  EXPECT_EQ(exporter.failureMessage(), "导出纸箱图例文件失败。");
  EXPECT_NE(exporter.failureReason().find("libboxpic.so"), std::string::npos) << exporter.failureReason();
  EXPECT_TRUE(exists(exporter.htmlFile));
  EXPECT_FALSE(exists(file("carton0.PNG")));
}

TEST_F(ExportPlanRun, aLibraryWithoutDrawStepFailsTheStepPictures) {
  ExportPlan exporter = exportPlan();
  exporter.libraryFile = kTestLibraries + "libboxpic_without_drawstep.so";
  EXPECT_EQ(exporter.run(), kExportBlockPicturesFailed);
  EXPECT_EQ(exporter.failureMessage(), "导出装箱方案分解示意图失败。");
  EXPECT_NE(exporter.failureReason().find("DrawStep"), std::string::npos);
  EXPECT_TRUE(exists(exporter.htmlFile));
  EXPECT_TRUE(exists(file("carton0.PNG")));
  EXPECT_TRUE(exists(file("carton1.PNG")));
  EXPECT_FALSE(exists(file("block0.PNG")));
}

TEST_F(ExportPlanRun, aLibraryThatDrawsNothingIsAFailureNotAnEmptyPlan) {
  writeBytes(file("carton0.PNG"), "a picture of another plan");
  ExportPlan exporter = exportPlan();
  exporter.libraryFile = kTestLibraries + "libboxpic_drawing_nothing.so";
  EXPECT_EQ(exporter.run(), kExportCartonPicturesFailed);
  EXPECT_NE(exporter.failureReason().find("carton0.PNG"), std::string::npos) << exporter.failureReason();
  EXPECT_FALSE(exists(file("carton0.PNG"))) << "no stale picture passes for this plan's";
}

TEST_F(ExportPlanRun, aLibraryThatIsNotALibraryFailsCleanly) {
  writeBytes(file("libboxpic.so"), "not an ELF file");
  ExportPlan exporter = exportPlan();
  exporter.libraryFile = file("libboxpic.so");
  EXPECT_EQ(exporter.run(), kExportCartonPicturesFailed);
  ExportPlan bare = exportPlan();
  bare.libraryFile = "libboxpic.so";  // never looked up on the system's library path
  EXPECT_FALSE(bare.drawCartonPictures());
}

TEST_F(ExportPlanRun, picturesGoNextToTheDocument) {
  ExportPlan exporter = exportPlan();
  std::filesystem::create_directory(file("elsewhere"));
  exporter.htmlFile = file("elsewhere/plan.htm");
  ASSERT_EQ(exporter.run(), kExportDone) << exporter.failureReason();
  EXPECT_TRUE(exists(file("elsewhere/plan.htm")));
  EXPECT_TRUE(exists(file("elsewhere/carton1.PNG")));
  EXPECT_TRUE(exists(file("elsewhere/block1.PNG")));
  EXPECT_FALSE(exists(file("block0.PNG")));
}

TEST_F(ExportPlanRun, neverWritesThroughLinksPlantedInTheOutputFolder) {
  // Whoever may write the export folder links the document, a picture and the temporary
  // names used for them to files of the user who exports.
  TempFolder elsewhere;
  const std::string victim = elsewhere.path() + "victim.txt";
  writeBytes(victim, "the other file's content");
  for (const char* name : {"packplan.htm", "carton0.PNG", "carton0.PNG.partial", "block1.PNG.partial"})
    std::filesystem::create_symlink(victim, file(name));
  ExportPlan exporter = exportPlan();
  ASSERT_EQ(exporter.run(), kExportDone) << exporter.failureReason();
  EXPECT_EQ(readBytes(victim), "the other file's content");
  EXPECT_FALSE(std::filesystem::is_symlink(file("packplan.htm")));
  EXPECT_NE(readBytes(file("packplan.htm")).find(exporter.cartonLegendHtml()), std::string::npos);
  EXPECT_EQ(readPngSize(file("carton0.PNG")), (PngSize{200, 200}));
  EXPECT_EQ(readPngSize(file("block1.PNG")), (PngSize{600, 640}));
}

TEST_F(ExportPlanRun, aCancelledExportLeavesTheFolderAsItWas) {
  writeBytes(file("packplan.htm"), "the earlier plan");
  writeBytes(file("block0.PNG"), "an earlier picture");
  std::atomic<bool> cancel{true};
  ExportPlan exporter = exportPlan();
  exporter.setCancelFlag(&cancel);
  EXPECT_EQ(exporter.run(), kExportCancelled);
  EXPECT_EQ(readBytes(file("packplan.htm")), "the earlier plan");
  EXPECT_EQ(readBytes(file("block0.PNG")), "an earlier picture");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(output.path()), {}), 2) << "nothing left behind";
}

TEST_F(ExportPlanRun, aReadOnlyDocumentOrPictureIsNotReplaced) {
  writeBytes(file("packplan.htm"), "a plan someone protected");
  ASSERT_EQ(::chmod(file("packplan.htm").c_str(), 0444), 0);
  ExportPlan exporter = exportPlan();
  EXPECT_EQ(exporter.run(), kExportDocumentFailed);
  EXPECT_NE(exporter.failureReason().find("packplan.htm: the file is read-only"), std::string::npos)
      << exporter.failureReason();
  EXPECT_EQ(readBytes(file("packplan.htm")), "a plan someone protected");
  EXPECT_FALSE(exists(file("carton0.PNG")));

  ::chmod(file("packplan.htm").c_str(), 0644);
  writeBytes(file("block1.PNG"), "a picture someone protected");
  ASSERT_EQ(::chmod(file("block1.PNG").c_str(), 0444), 0);
  EXPECT_EQ(exporter.run(), kExportBlockPicturesFailed);
  EXPECT_NE(exporter.failureReason().find("block1.PNG: the file is read-only"), std::string::npos)
      << exporter.failureReason();
  EXPECT_EQ(readBytes(file("block1.PNG")), "a picture someone protected");
}

// A pallet plan: the pallet list, a picture per distinct pallet, a step per pallet.
class ExportPalletPlan : public ::testing::Test {
 protected:
  ExportPalletPlan() {
    setLanguage(Language::Chinese);
    // A third pallet built as the second, placed nearer the door.
    plan.cartons[0].count += 8;
    plan.result.pallets.push_back(plan.result.pallets[1]);
    plan.result.containers[0].pallets.push_back(PalletPlacement{2, 0, 0, 2400, false});
  }
  FillScheme plan = palletPlan();
  TempFolder output;
  std::string file(const std::string& name) const { return output.path() + name; }
};

TEST_F(ExportPalletPlan, listsEachPalletAndDrawsEachDistinctPalletOnce) {
  ExportPlan exporter(plan, CARGOLYX_PROGRAM_DIR, output.path());
  ASSERT_EQ(exporter.run(), kExportDone) << exporter.failureReason();
  const std::string document = readBytes(exporter.htmlFile);
  std::size_t rows = 0;
  for (std::size_t at = document.find("<tr class='pallet'>"); at != std::string::npos;
       at = document.find("<tr class='pallet'>", at + 1))
    ++rows;
  EXPECT_EQ(rows, 3u);
  // Numbered as they are loaded, from the inner end: the plain pallet at 0, the mixed one at
  // 1200, the other plain one at 2400.
  EXPECT_NE(document.find("<td>P1</td><td>EUR</td><td>微波炉 × 8</td>"), std::string::npos);
  EXPECT_NE(document.find("<td>P2</td><td>EUR</td><td>微波炉 × 8<br>电饭煲 × 4</td>"), std::string::npos);
  EXPECT_NE(document.find("图 1：EUR 托盘（P1, P3）"), std::string::npos) << "alike pallets share a picture";
  std::size_t previous = 0;
  for (const char* pallet : {"托盘 P1（", "托盘 P2（", "托盘 P3（"}) {
    const std::size_t at = document.find(pallet, document.find("<div class='steps'>"));
    EXPECT_GT(at, previous) << pallet << " loaded after the one before";
    previous = at == std::string::npos ? previous : at;
  }
  for (const char* name : {"pallet0.PNG", "pallet1.PNG"})
    EXPECT_EQ(readPngSize(file(name)), (PngSize{600, 400})) << name;
  EXPECT_FALSE(exists(file("pallet2.PNG")));
  // Three pallet steps and the fridge's.
  for (const char* name : {"blockp0.PNG", "blockp1.PNG", "blockp2.PNG", "block0.PNG"})
    EXPECT_EQ(readPngSize(file(name)), (PngSize{600, 640})) << name;
  EXPECT_NE(document.find("第 4 步（共 4 步）：托盘 P3（EUR）"), std::string::npos) << "the pallet nearest the door last";
}

TEST_F(ExportPalletPlan, aPalletComesOutWholeAtTheFirstStopOfItsCartons) {
  plan.stops = {"北京", "上海"};
  plan.cartons[0].stop = "上海";  // microwaves: on every pallet
  plan.cartons[1].stop = "北京";  // rice cookers: on the mixed pallet only
  plan.cartons[2].stop = "上海";
  const std::string list = ExportPlan(plan, CARGOLYX_PROGRAM_DIR, output.path()).unloadingListHtml();
  const std::size_t beijing = list.find("<td>北京</td>"), shanghai = list.find("<td>上海</td>");
  ASSERT_NE(beijing, std::string::npos) << list;
  ASSERT_NE(shanghai, std::string::npos) << list;
  EXPECT_LT(beijing, shanghai);
  const std::string first = list.substr(beijing, shanghai - beijing);
  EXPECT_NE(first.find("托盘 P"), std::string::npos) << first;
  EXPECT_NE(first.find("微波炉 × 8、电饭煲 × 4"), std::string::npos) << "the whole mixed pallet: " << first;
  EXPECT_EQ(list.find("电饭煲", shanghai), std::string::npos) << list;
}

TEST_F(ExportPalletPlan, theLegendAndTheTotalsCountTheCartonsOnThePallets) {
  const ExportPlan exporter(plan, CARGOLYX_PROGRAM_DIR, output.path());
  // 24 microwaves and 4 rice cookers on pallets, the fridge loose.
  EXPECT_NE(exporter.cartonLegendHtml().find("<td>24</td><td>24</td><td>0</td>"), std::string::npos)
      << exporter.cartonLegendHtml();
  const std::string totals = exporter.totalsHtml();
  EXPECT_NE(totals.find("总箱数：29"), std::string::npos) << totals;
  EXPECT_NE(totals.find("托盘：3"), std::string::npos) << totals;
  const double weight = 24 * 15 + 4 * 6 + 75 + 3 * palletPresets()[0].tareWeight;
  EXPECT_NE(totals.find(formatTwoDecimals(weight)), std::string::npos) << "the tares weigh too: " << totals;
}

TEST_F(ExportPalletPlan, aLibraryWithoutThePalletPictureFailsThePictures) {
  ExportPlan exporter(plan, CARGOLYX_PROGRAM_DIR, output.path());
  exporter.libraryFile = kTestLibraries + "libboxpic_recording.so";
  EXPECT_EQ(exporter.run(), kExportBlockPicturesFailed);
  EXPECT_NE(exporter.failureReason().find("DrawPallet"), std::string::npos) << exporter.failureReason();
}
