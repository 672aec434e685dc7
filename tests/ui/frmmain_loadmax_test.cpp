// Loading as much as fits from the window: the planner chosen in Options, the offer after
// a sets run that leaves cartons behind, what did not fit, the weight and the balance in
// the list, the status bar, the 3D view and the exported plan.

#include <gtest/gtest.h>

#include <QFile>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "commands/loadbalance.h"
#include "commands/leftoverreasons.h"
#include "mainwindowdriver.h"
#include "model/gbk.h"
#include "resultblocks.h"

namespace {

const QString kDemoFile = CARGOLYX_EXAMPLES_DIR "/demo.pak";
const QString kMixedFile = CARGOLYX_EXAMPLES_DIR "/mixed.pak";
const QString kOffer = "\n\n是否改为“尽量多装”进行计算，装入所有能装下的纸箱？";

// Chooses 尽量多装 on the options' planning page with a short time limit, and OK.
void chooseLoadMaxInOptions(MainWindowDriver& d) {
  d.onNextDialog([](QDialog& dialog) {
    auto* pages = dialog.findChild<QTabWidget*>("pcOptions");
    pages->setCurrentWidget(dialog.findChild<QWidget*>("SheetPlanning"));
    auto* loadMax = dialog.findChild<QRadioButton*>("rbLoadMax");
    QTest::mouseClick(loadMax, Qt::LeftButton, {}, QPoint(8, loadMax->height() / 2));  // on its circle
    MainWindowDriver::typeInto(dialog, "txtTimeLimit", "0.5");
    MainWindowDriver::clickButton(dialog, "btnOK");
  });
  d.click("tbOption");
}

// The mixed example with four times its cartons: far more than the container takes.
void enterTooMuchMixedCargo(MainWindowDriver& d) {
  for (Carton& carton : d.project().cartons) carton.count *= 4;
  d.form().refreshTree(true);
}

int totalsRow(MainWindowDriver& d) { return static_cast<int>(blocksOf(d.project()).size()); }

}  // namespace

TEST(LoadMaxInTheWindow, chosenInOptionsItLoadsWhatFitsAndListsWhatIsLeft) {
  MainWindowDriver d(kMixedFile);
  enterTooMuchMixedCargo(d);
  chooseLoadMaxInOptions(d);
  EXPECT_TRUE(d.messages().shown.isEmpty()) << d.messages().shown.join("|").toStdString();
  EXPECT_EQ(d.settings().planningMode, PlanningMode::LoadMax);
  EXPECT_EQ(d.settings().loadMaxTimeLimit, 0.5);

  d.click("tbRun");
  ASSERT_EQ(d.messages().shown.size(), 1) << "no question about sets, one message about what is left";
  EXPECT_TRUE(d.messages().shown[0].startsWith("并非所有纸箱都已装入集装箱")) << d.messages().shown[0].toStdString();
  ASSERT_GT(statisticsOf(d.project()).loadedCount, 0);

  // The blocks, the totals row with the weight, then one red row per carton type left over.
  const int totals = totalsRow(d);
  const QStringList totalsTexts = d.rowTexts(totals);
  EXPECT_EQ(totalsTexts[1], "合计");
  EXPECT_EQ(totalsTexts[5], QString::number(statisticsOf(d.project()).loadedCount));
  const LoadBalance balance = loadBalance(d.project().cartons, loadedContainerOf(d.project()));
  EXPECT_GT(balance.loadedWeight, 0);
  EXPECT_TRUE(totalsTexts[6].startsWith(QString("%1（").arg(balance.loadedWeight, 0, 'f', 2)))
      << totalsTexts[6].toStdString() << ": the weight under the weight column";
  std::int64_t left = 0;
  for (int row = totals + 1; row < d.resultList()->rowCount(); ++row) {
    EXPECT_TRUE(d.rowTexts(row)[2].startsWith("未装入：")) << "with why: " << d.rowTexts(row)[2].toStdString();
    EXPECT_GT(d.rowTexts(row)[2].size(), 4);
    EXPECT_FALSE(d.resultList()->item(row, 1)->flags() & Qt::ItemIsSelectable);
    left += d.rowTexts(row)[5].toLongLong();
  }
  EXPECT_GT(left, 0);
  EXPECT_EQ(statisticsOf(d.project()).loadedCount + left, d.project().cartonTotal()) << "every carton is loaded or listed";
  EXPECT_EQ(d.selectedResultRows(), std::vector<int>{totals});
  EXPECT_EQ(d.form().scene().sceneBlocks.size(), blocksOf(d.project()).size());
  d.clickResultRow(totals + 1);
  EXPECT_EQ(d.selectedResultRows(), std::vector<int>{totals}) << "a leftover row holds nothing to show";
  EXPECT_EQ(d.form().scene().sceneBlocks.size(), blocksOf(d.project()).size());

  EXPECT_TRUE(d.statusText()->text().contains("未装入：")) << d.statusText()->text().toStdString();
  EXPECT_EQ(d.form().findChild<QLabel*>("StatusWeight")->text(), QString::fromStdString(loadedWeightText(balance)));
  EXPECT_TRUE(d.form().findChild<QLabel*>("StatusCentre")->text().startsWith("重心：距里端"));

  // The marker stands at the centre of gravity of what was loaded.
  ASSERT_TRUE(d.form().scene().gravityPoint);
  EXPECT_EQ(*d.form().scene().gravityPoint,
            (GravityPoint{balance.fromLeftWall, balance.aboveFloor, balance.fromInnerEnd}));

  // Fill has nothing to add to a plan that loads what fits.
  d.messages().shown.clear();
  d.click("tbFill");
  EXPECT_EQ(d.messages().shown, QStringList{"当前方案按“尽量多装”计算，已装入所有能装下的纸箱，无需进行填充。"});
}

TEST(LoadMaxInTheWindow, moreCartonsThanFitOffersToLoadWhatFitsAndYesDoesIt) {
  MainWindowDriver d(kDemoFile);
  d.project().cartons[0].count = 1000;  // 894 fit
  d.form().refreshTree(true);
  // The specified refusal, then the numbers that show the cargo is merely too big.
  const QString refusal = "该集装箱无法装下给定的纸箱系列，请确认您输入的集装箱与纸箱的尺寸和重量数据是否正确。"
                          "\n纸箱总体积 72.00 立方米，集装箱容积 66.49 立方米；纸箱总重 10000.00 千克，最大载重 20000 千克。";

  d.click("tbRun");  // No
  EXPECT_EQ(d.messages().shown, QStringList{refusal + kOffer});
  EXPECT_TRUE(blocksOf(d.project()).empty());

  d.settings().loadMaxTimeLimit = 0.5;
  d.messages().shown.clear();
  d.messages().answers = {true};
  d.click("tbRun");
  ASSERT_EQ(d.messages().shown.size(), 2);
  EXPECT_EQ(d.messages().shown[0], refusal + kOffer);
  EXPECT_TRUE(d.messages().shown[1].startsWith("并非所有纸箱都已装入集装箱")) << d.messages().shown[1].toStdString();
  EXPECT_GT(statisticsOf(d.project()).loadedCount, 800);
  const int totals = totalsRow(d);
  ASSERT_EQ(d.resultList()->rowCount(), totals + 2) << "one carton type left over";
  EXPECT_EQ(d.rowTexts(totals + 1),
            (QStringList{"", "纸箱1", "未装入：" + QString::fromStdString(leftoverReasonText("no-room")), "", "",
                         QString::number(1000 - statisticsOf(d.project()).loadedCount), ""}));
  EXPECT_EQ(d.settings().planningMode, PlanningMode::Sets) << "only that run loaded freely";
}

TEST(LoadMaxInTheWindow, theExportListsWhatIsLeftTheWeightAndTheCentreOfGravity) {
  MainWindowDriver d(kMixedFile);
  enterTooMuchMixedCargo(d);
  d.settings().planningMode = PlanningMode::LoadMax;
  d.settings().loadMaxTimeLimit = 0.5;
  d.click("tbRun");
  ASSERT_GT(statisticsOf(d.project()).loadedCount, 0);

  QTemporaryDir folder;
  d.fileDialogs().exportFolders << folder.path();
  d.click("tbExport");  // the tests have no drawing library: the document is written alone
  QFile file(folder.filePath("packplan.htm"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString document = QString::fromUtf8(file.readAll());
  const LoadBalance balance = loadBalance(d.project().cartons, loadedContainerOf(d.project()));
  EXPECT_TRUE(document.contains(QString::fromStdString(loadedWeightText(balance)))) << document.toStdString();
  EXPECT_TRUE(document.contains(QString::fromStdString(centreOfGravityText(balance))));
  EXPECT_TRUE(document.contains("<th>纸箱</th><th>未装入数量</th>"));
  for (int row = totalsRow(d) + 1; row < d.resultList()->rowCount(); ++row)
    EXPECT_TRUE(document.contains("<tr><td>" + d.rowTexts(row)[1] + "</td><td>" + d.rowTexts(row)[5] + "</td></tr>"));
}

TEST(LoadMaxInTheWindow, aSetsRunThatLoadsNothingOffersToLoadWhatFitsAndYesDoesIt) {
  MainWindowDriver d;
  // Metre cubes: 66 by volume, but only 11 × 2 × 2 stand in the demo container, so the
  // sets planner finds no complete set.
  Carton& cube = d.project().addCarton();
  cube.length = cube.width = cube.height = 1000;
  cube.count = 60;
  cube.weight = 100;
  d.form().refreshTree(true);
  d.settings().loadMaxTimeLimit = 0.5;

  d.messages().answers = {true};
  d.click("tbRun");
  ASSERT_EQ(d.messages().shown.size(), 2);
  EXPECT_EQ(d.messages().shown[0], "该集装箱无法装下给定的纸箱系列，您可能需要调整纸箱尺寸或减少纸箱数量。"
                                   "\n纸箱总体积 60.00 立方米，集装箱容积 66.49 立方米；纸箱总重 6000.00 千克，最大载重 20000 千克。" +
                                       kOffer);
  EXPECT_TRUE(d.messages().shown[1].startsWith("并非所有纸箱都已装入集装箱")) << d.messages().shown[1].toStdString();
  EXPECT_EQ(statisticsOf(d.project()).loadedCount, 44) << "the load-max plan";
  EXPECT_EQ(d.rowTexts(totalsRow(d) + 1), (QStringList{"", "纸箱1", "未装入：" + QString::fromStdString(leftoverReasonText("no-room")), "", "", "16", ""}));
  EXPECT_EQ(d.form().findChild<QLabel*>("StatusWeight")->text(), "装载重量：4400.00千克（最大载重的22.00%）");
}
