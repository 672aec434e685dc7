#include <gtest/gtest.h>

#include <QAction>
#include <QSlider>
#include <QApplication>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include "mainwindowdriver.h"
#include "commands/loadbalance.h"
#include "ui/windowsize.h"
#include "ui/stepcontrol.h"
#include "ui/pictures.h"
#include "resultblocks.h"

namespace {

const QString kDemoFile = CARGOLYX_EXAMPLES_DIR "/demo.pak";
const QString kMixedFile = CARGOLYX_EXAMPLES_DIR "/mixed.pak";
const QString kDemoRoot = "演示集装箱 11800×2300×2450 mm，最大载重 20000 kg";
const QString kDemoCarton = "纸箱1 600×400×300 mm × 850 箱，10 kg";
const QString kEmptyTotals = "已输入纸箱总数：0，总体积：0.00立方米，净装箱率0.00%";
const QString kOpenFailed = "打开文件失败，请确认您所打开的文件是否存在以及格式是否正确。";
const QString kSaveFailed = "保存文件失败，请确认您选择的保存位置是否可写，以及系统其它配置是否正确。";

QByteArray fileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString copyOf(const QString& from, const QTemporaryDir& dir, const QString& name) {
  const QString to = dir.filePath(name);
  QFile::copy(from, to);
  return to;
}

// Two carton types and a result of two blocks that load one set with room left:
// block 1 holds 20 of 24, block 2 holds 30 of 32.
void giveTwoBlockResult(MainWindowDriver& d) {
  FillScheme& p = d.project();
  p.cartons.clear();
  p.addCarton();
  p.cartons[0].length = 600, p.cartons[0].width = 400, p.cartons[0].height = 300, p.cartons[0].count = 20;
  p.addCarton();
  p.cartons[1].length = 500, p.cartons[1].width = 500, p.cartons[1].height = 500, p.cartons[1].count = 30;
  d.form().refreshTree(true);

  BlockScheme a = makeBlock(0, 0, 3, 2, 4, 20);
  a.sizeX = 400, a.sizeY = 300, a.sizeZ = 600, a.orientation = 3, a.cartonName = "纸箱1";
  BlockScheme b = makeBlock(1, 1, 2, 2, 8, 30);
  b.sizeX = 500, b.sizeY = 500, b.sizeZ = 500, b.orientation = 5, b.cartonName = "纸箱2";
  b.x = 1200, b.y = 0, b.z = 2400, b.gapX = 5, b.gapY = 5, b.gapZ = 10;
  resultBlocks(p) = {a, b};
  d.form().refreshResults(-1);
}

}  // namespace

TEST(MainWindowStart, withoutArgumentStartsANewProject) {
  MainWindowDriver d;
  EXPECT_EQ(d.form().windowTitle(), "未命名 — Cargolyx");
  EXPECT_EQ(d.form().size(), initialWindowSize(d.form().screen()->availableGeometry().size()));
  EXPECT_GE(d.form().width(), 761) << "the designed size where the screen has room";
  EXPECT_EQ(d.treeCaptions(), QStringList{kDemoRoot});
  EXPECT_TRUE(d.tree()->topLevelItem(0)->isSelected());
  ASSERT_EQ(d.resultList()->rowCount(), 1);
  EXPECT_EQ(d.rowTexts(0), (QStringList{"", "合计", "", "", "", "0", ""}));
  EXPECT_EQ(d.statusText()->text(), kEmptyTotals) << "the empty project's totals";
  EXPECT_TRUE(d.messages().shown.isEmpty());
}

TEST(MainWindowStart, withMissingFileShowsTheOpenMessageThenANewProject) {
  MainWindowDriver d("/no/such/folder/plan.pak");
  EXPECT_EQ(d.messages().shown, QStringList{kOpenFailed + "\n/no/such/folder/plan.pak: No such file or directory"});
  EXPECT_EQ(d.treeCaptions(), QStringList{kDemoRoot});
  EXPECT_EQ(d.statusText()->text(), kEmptyTotals);
}

TEST(MainWindowStart, withProjectFileShowsItsCartonsAndStatistics) {
  MainWindowDriver d(kDemoFile);
  EXPECT_TRUE(d.messages().shown.isEmpty());
  EXPECT_EQ(d.treeCaptions(), (QStringList{kDemoRoot, kDemoCarton}));
  EXPECT_EQ(d.statusText()->text(), "已输入纸箱总数：850，总体积：61.20立方米，净装箱率92.04%");
  EXPECT_EQ(d.resultList()->rowCount(), 1);
}

TEST(MainWindowDelete, refusesWithNothingSelectedAndForTheContainer) {
  MainWindowDriver d(kDemoFile);
  d.tree()->clearSelection();
  d.click("tbDelCarton");
  d.selectTreeNode(-1);
  d.click("tbDelCarton");
  EXPECT_EQ(d.messages().shown,
            (QStringList{"您没有选择任何一种纸箱，请选择纸箱后再执行删除操作。",
                         "集装箱可以进行选择调整，但不允许删除，您只能对纸箱执行删除操作。"}));
  EXPECT_EQ(d.treeCaptions(), (QStringList{kDemoRoot, kDemoCarton}));
  EXPECT_EQ(d.project().cartons.size(), 1u);
}

TEST(MainWindowDelete, deleteKeyRemovesTheSelectedCartonAndShiftsTheNext) {
  MainWindowDriver d(kMixedFile);
  ASSERT_EQ(d.treeCaptions().size(), 4);
  const QString third = d.treeCaptions()[3];
  d.selectTreeNode(1);
  d.messages().answers = {true};
  d.pressKeyInTree(Qt::Key_Delete);
  EXPECT_EQ(d.messages().shown.size(), 1) << "asked first";
  ASSERT_EQ(d.project().cartons.size(), 2u);
  EXPECT_EQ(d.project().cartons[1].name, "微波炉");
  EXPECT_EQ(d.treeCaptions()[2], third);
  EXPECT_EQ(d.statusText()->text().left(8), "已输入纸箱总数：");
}

TEST(MainWindowFiles, saveNewAndOpenGiveBackTheSameProject) {
  QTemporaryDir dir;
  MainWindowDriver d(kDemoFile);
  const QString saved = dir.filePath("copy.pak");
  d.fileDialogs().saveNames << saved;
  d.click("tbSaveAs");
  EXPECT_EQ(fileBytes(saved), fileBytes(kDemoFile));

  d.click("tbNew");
  EXPECT_EQ(d.treeCaptions(), QStringList{kDemoRoot});
  EXPECT_TRUE(d.project().cartons.empty());

  d.fileDialogs().openNames << saved;
  d.click("tbOpen");
  EXPECT_EQ(d.treeCaptions(), (QStringList{kDemoRoot, kDemoCarton}));
  EXPECT_TRUE(d.messages().shown.isEmpty());
}

TEST(MainWindowFiles, cancelledDialogsChangeNothing) {
  MainWindowDriver d(kDemoFile);
  d.click("tbOpen");
  d.click("tbSaveAs");
  EXPECT_TRUE(d.messages().shown.isEmpty());
  EXPECT_EQ(d.treeCaptions(), (QStringList{kDemoRoot, kDemoCarton}));
}

TEST(MainWindowFiles, saveToAMissingFolderShowsTheSaveMessageAndKeepsTheProject) {
  MainWindowDriver d(kDemoFile);
  d.fileDialogs().saveNames << "/no/such/folder/plan.pak";
  d.click("tbSaveAs");
  EXPECT_EQ(d.messages().shown, QStringList{kSaveFailed});
  EXPECT_EQ(d.treeCaptions(), (QStringList{kDemoRoot, kDemoCarton}));
}

TEST(MainWindowFiles, aNameGbkCannotHoldIsNotSavedAndTheOldFileSurvives) {
  QTemporaryDir dir;
  const QString target = copyOf(kDemoFile, dir, "plan.pak");
  MainWindowDriver d;
  d.project().addCarton().name = "纸箱😀";
  d.fileDialogs().saveNames << target;
  d.click("tbSaveAs");  // the offer to save as .clyx instead, answered No
  ASSERT_EQ(d.messages().shown.size(), 1);
  EXPECT_TRUE(d.messages().shown[0].contains("“纸箱😀”")) << d.messages().shown[0].toStdString();
  EXPECT_EQ(fileBytes(target), fileBytes(kDemoFile));
}

TEST(MainWindowFiles, openingAFileThatIsNoProjectKeepsTheProject) {
  QTemporaryDir dir;
  const QString junk = dir.filePath("junk.pak");
  QFile file(junk);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("CLYX200 but nothing else");
  file.close();
  MainWindowDriver d(kDemoFile);
  d.fileDialogs().openNames << junk;
  d.click("tbOpen");
  EXPECT_EQ(d.messages().shown, QStringList{"装箱方案文件已损坏：the header ends after 24 of its 92 bytes"});
  EXPECT_EQ(d.treeCaptions(), (QStringList{kDemoRoot, kDemoCarton}));
}

TEST(MainWindowDrop, opensTheFirstFileWhenItEndsInPakInAnyCase) {
  QTemporaryDir dir;
  for (const QString name : {"plan.Pak", "PLAN2.PAK"}) {
    MainWindowDriver d;
    const QString pak = copyOf(kDemoFile, dir, name);
    const QString other = copyOf(kMixedFile, dir, "other" + name);
    EXPECT_TRUE(d.dropFiles({pak, other, other})) << name.toStdString();
    EXPECT_EQ(d.treeCaptions(), (QStringList{kDemoRoot, kDemoCarton})) << name.toStdString();
    EXPECT_TRUE(d.messages().shown.isEmpty());
  }
}

TEST(MainWindowDrop, ignoresOtherFilesWithoutAMessage) {
  QTemporaryDir dir;
  MainWindowDriver d;
  const QString txt = copyOf(kDemoFile, dir, "plan.txt");
  const QString pak = copyOf(kDemoFile, dir, "plan.pak");
  EXPECT_FALSE(d.dropFiles({txt}));
  EXPECT_FALSE(d.dropFiles({txt, pak})) << "only the first file counts";
  EXPECT_EQ(d.treeCaptions(), QStringList{kDemoRoot});
  EXPECT_TRUE(d.messages().shown.isEmpty());
}

TEST(MainWindowDrop, aBrokenProjectFileShowsTheOpenMessage) {
  QTemporaryDir dir;
  MainWindowDriver d;
  QFile broken(dir.filePath("broken.pak"));
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.close();
  EXPECT_TRUE(d.dropFiles({broken.fileName()}));
  EXPECT_EQ(d.messages().shown, QStringList{"该文件不是装箱方案文件（.clyx 或 .pak）。"});
}

TEST(MainWindowTree, rootAndCartonsWithTheirPictures) {
  MainWindowDriver d(kMixedFile);
  QTreeWidgetItem* root = d.tree()->topLevelItem(0);
  EXPECT_EQ(root->text(0), "40尺高柜 12030×2350×2690 mm，最大载重 26000 kg");
  ASSERT_EQ(root->childCount(), 3);
  // Each number says what it is: the size in mm, the count in cartons, the weight in kg.
  EXPECT_EQ(root->child(0)->text(0), "电视机 1100×300×700 mm × 40 箱，28.50 kg");
  EXPECT_TRUE(root->isExpanded());
  EXPECT_EQ(d.tree()->indentation(), 19);
  // The pictures follow the colour: material + 1 of the tree's picture list.
  for (int i = 0; i < 3; ++i) {
    const QImage shown = root->child(i)->icon(0).pixmap(16, 16).toImage();
    const QImage expected = treePicture(d.project().cartons[static_cast<std::size_t>(i)].material + 1)
                                .pixmap(16, 16).toImage();
    EXPECT_EQ(shown, expected) << i;
  }
  EXPECT_EQ(root->icon(0).pixmap(16, 16).toImage(), treePicture(0).pixmap(16, 16).toImage());
}

TEST(MainWindowTree, refreshDropsTheResultAndShowsTheCartonStatistics) {
  MainWindowDriver d;
  giveTwoBlockResult(d);
  ASSERT_EQ(d.resultList()->rowCount(), 3);
  d.selectTreeNode(0);
  d.form().findChild<QAction*>("mnuRefresh")->trigger();
  EXPECT_EQ(d.resultList()->rowCount(), 1);
  EXPECT_TRUE(blocksOf(d.project()).empty());
  EXPECT_EQ(statisticsOf(d.project()).loadedCount, 0);
  EXPECT_EQ(d.statusText()->text().left(8), "已输入纸箱总数：");
}

TEST(MainWindowResults, listsEveryBlockAndTheTotalsRow) {
  MainWindowDriver d;
  giveTwoBlockResult(d);
  QTableWidget* list = d.resultList();
  const QStringList captions = {"块号", "包装箱", "放置方向", "顶点坐标", "码放方式", "装箱数量", "重量(kg)"};
  // The columns share the list's width in these proportions.
  const std::vector<int> widths = {40, 85, 150, 120, 130, 60, 130};
  const int shown = list->viewport()->width();
  ASSERT_GT(shown, 715);
  for (int c = 0; c < 7; ++c) {
    EXPECT_EQ(list->horizontalHeaderItem(c)->text(), captions[c]);
    EXPECT_NEAR(list->columnWidth(c), widths[static_cast<std::size_t>(c)] * shown / 715.0, 1.0) << c;
  }
  ASSERT_EQ(list->rowCount(), 3);
  EXPECT_EQ(d.rowTexts(0), (QStringList{"1", "纸箱1", "W-H面朝门，L-W面朝上", "0,0,0", "3×2×4＝24", "20", ""}));
  EXPECT_EQ(d.rowTexts(1), (QStringList{"2", "纸箱2", "L-W面朝门，L-H面朝上", "1200,0,2400", "2×2×8＝32", "30", ""}));
  // The totals row's values under the columns they belong to: the count, the weight.
  EXPECT_EQ(d.rowTexts(2), (QStringList{"", "合计", "", "", "", "50", "0.00（0.00%）"}));
  EXPECT_EQ(list->item(0, 0)->textAlignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
  EXPECT_EQ(list->item(0, 3)->textAlignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  EXPECT_EQ(list->item(1, 0)->icon().pixmap(16, 16).toImage(), treePicture(2).pixmap(16, 16).toImage());
  EXPECT_EQ(list->item(2, 0)->icon().pixmap(16, 16).toImage(), treePicture(11).pixmap(16, 16).toImage());
  EXPECT_EQ(d.selectedResultRows(), std::vector<int>{2}) << "the totals row is selected";

  EXPECT_EQ(statisticsOf(d.project()).loadedCount, 50);
  EXPECT_EQ(statisticsOf(d.project()).capacityCount, 56);
  EXPECT_EQ(statisticsOf(d.project()).setCount, 1);
  EXPECT_TRUE(d.statusText()->text().startsWith("总箱数：50，")) << d.statusText()->text().toStdString();
}

TEST(MainWindowResults, theTotalsRowShowsEveryBlockAtTheirTruePitch) {
  MainWindowDriver d;
  giveTwoBlockResult(d);
  const std::vector<CubeBlock>& shown = d.form().scene().sceneBlocks;
  ASSERT_EQ(shown.size(), 2u);
  const CubeBlock& b = shown[1];
  EXPECT_EQ(std::vector<std::int64_t>({b.sizeX, b.sizeY, b.sizeZ, b.orientation, b.x, b.y, b.z, b.nx, b.ny, b.nz,
                                       b.gapX, b.gapY, b.gapZ, b.count}),
            std::vector<std::int64_t>({497, 497, 497, 5, 1200, 0, 2400, 2, 2, 8, 8, 8, 13, 30}));
  EXPECT_EQ(b.color, 0x000000FFu) << "material 1 is bright red";
  EXPECT_EQ(shown[0].sizeX, 397);
  EXPECT_EQ(shown[0].gapX, 3);
  EXPECT_EQ(shown[0].color, 0x0000FF00u);
}

TEST(MainWindowResults, selectedRowsChooseTheBlocksOfTheScene) {
  MainWindowDriver d;
  giveTwoBlockResult(d);
  // One row: the loading up to that block, the block singled out.
  d.clickResultRow(1);
  ASSERT_EQ(d.form().scene().sceneBlocks.size(), 2u);
  EXPECT_EQ(d.form().scene().sceneBlocks[1].x, 1200);
  EXPECT_EQ(d.form().scene().highlightedBlock, 1);
  d.clickResultRow(0);
  ASSERT_EQ(d.form().scene().sceneBlocks.size(), 1u);
  EXPECT_EQ(d.form().scene().highlightedBlock, 0);

  // Several rows: just those blocks.
  d.clickResultRow(1, true);
  EXPECT_EQ(d.form().scene().sceneBlocks.size(), 2u);
  EXPECT_EQ(d.form().scene().highlightedBlock, -1);

  d.clickResultRow(0, true);
  d.clickResultRow(1, true);
  EXPECT_TRUE(d.selectedResultRows().empty());
  EXPECT_TRUE(d.form().scene().sceneBlocks.empty());
  EXPECT_EQ(d.form().scene().sceneSize.length, 11800) << "the container stays";
}

TEST(MainWindowStatistics, entriesBeyondTheContainerShowInRed) {
  MainWindowDriver d;
  Carton& carton = d.project().addCarton();
  carton.length = carton.width = carton.height = 1000;
  carton.count = 70;  // 70 m³ in a container of 66.49 m³
  d.form().refreshTree(true);
  EXPECT_EQ(d.statusText()->text(), "已输入纸箱总数：70，总体积：70.00立方米，净装箱率105.27%");
  EXPECT_EQ(d.statusText()->palette().color(QPalette::WindowText), QColor(Qt::red));

  d.project().cartons[0].count = 60;
  d.form().refreshTree(true);
  EXPECT_NE(d.statusText()->palette().color(QPalette::WindowText), QColor(Qt::red));
}

TEST(MainWindowFill, oneSelectedBlockIsFilledAndSelectedAgain) {
  MainWindowDriver d;
  giveTwoBlockResult(d);
  d.clickResultRow(0);
  d.click("tbFill");
  EXPECT_TRUE(d.messages().shown.isEmpty());
  EXPECT_EQ(d.rowTexts(0)[5], "24");
  EXPECT_EQ(d.project().cartons[0].count, 24);
  EXPECT_EQ(d.treeCaptions()[1], "纸箱1 600×400×300 mm × 24 箱") << "the tree shows the new count";
  EXPECT_EQ(d.selectedResultRows(), std::vector<int>{0});
  EXPECT_EQ(statisticsOf(d.project()).loadedCount, 54);
  EXPECT_EQ(blocksOf(d.project()).size(), 2u) << "the result stays";

  d.click("tbFill");  // the same block again: full now
  EXPECT_EQ(d.messages().shown, QStringList{"您选择的块中可装箱数和实装箱数已经相等，无需进行填充。"});
}

TEST(MainWindowFill, theTotalsRowAsksAndFillsEveryBlockOnYes) {
  MainWindowDriver d;
  giveTwoBlockResult(d);
  const QString q = "本操作将填充所有未填满的块，确定吗？";
  d.messages().answers = {false};
  d.click("tbFill");
  EXPECT_EQ(statisticsOf(d.project()).loadedCount, 50) << "No changes nothing";

  d.messages().answers = {true};
  d.click("tbFill");
  EXPECT_EQ(d.messages().shown, (QStringList{q, q}));
  EXPECT_EQ(statisticsOf(d.project()).loadedCount, 56);
  EXPECT_EQ(statisticsOf(d.project()).capacityCount, 56);
  EXPECT_EQ(statisticsOf(d.project()).setCount, 1);
  EXPECT_EQ(d.project().cartons[0].count, 24);
  EXPECT_EQ(d.project().cartons[1].count, 32);
  EXPECT_EQ(d.selectedResultRows(), std::vector<int>{2});
}

TEST(MainWindowFill, thePopupItemIsEnabledOnlyWhenTheButtonWouldFill) {
  MainWindowDriver d;
  giveTwoBlockResult(d);
  QAction* item = d.form().findChild<QAction*>("mnuFillCompletely");
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->text(), "完全填充");
  QTableWidget* list = d.resultList();
  auto openMenu = [&](int row) {
    const QPoint at = list->visualItemRect(list->item(row, 1)).center();
    QTimer::singleShot(0, [] {
      if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    });
    emit list->customContextMenuRequested(at);
    QApplication::processEvents();
  };
  d.clickResultRow(0);
  openMenu(0);
  EXPECT_TRUE(item->isEnabled());
  d.clickResultRow(1, true);
  openMenu(1);
  EXPECT_FALSE(item->isEnabled()) << "two rows";

  d.clickResultRow(0);
  openMenu(0);
  item->trigger();  // the item does what the button does
  EXPECT_EQ(blocksOf(d.project())[0].count, 24);
  openMenu(0);
  EXPECT_FALSE(item->isEnabled()) << "the block is full now";
}

namespace {

// Fills the carton dialog with a size and a count and presses OK.
void enterCarton(QDialog& dialog, const QString& l, const QString& w, const QString& h, const QString& count) {
  MainWindowDriver::typeInto(dialog, "txtL", l);
  MainWindowDriver::typeInto(dialog, "txtW", w);
  MainWindowDriver::typeInto(dialog, "txtH", h);
  MainWindowDriver::typeInto(dialog, "txtCount", count);
  MainWindowDriver::clickButton(dialog, "btnOK");
}

}  // namespace

TEST(MainWindowAddCarton, typedValuesAppearInTheTreeAfterOk) {
  MainWindowDriver d;
  d.onNextDialog([](QDialog& dialog) { enterCarton(dialog, "600", "400", "300", "10"); });
  d.click("tbAddCarton");
  EXPECT_EQ(d.lastDialogCaption(), "纸箱属性");
  EXPECT_EQ(d.treeCaptions(), (QStringList{kDemoRoot, "纸箱1 600×400×300 mm × 10 箱"}));
  EXPECT_EQ(d.statusText()->text(), "已输入纸箱总数：10，总体积：0.72立方米，净装箱率1.08%");
  EXPECT_TRUE(d.messages().shown.isEmpty());
}

TEST(MainWindowAddCarton, cancelLeavesTheCartonsAsTheyWere) {
  MainWindowDriver d(kDemoFile);
  d.onNextDialog([](QDialog& dialog) { MainWindowDriver::clickButton(dialog, "btnCancel"); });
  d.click("tbAddCarton");
  EXPECT_EQ(d.lastDialogCaption(), "纸箱属性");
  EXPECT_EQ(d.treeCaptions(), (QStringList{kDemoRoot, kDemoCarton}));
  EXPECT_EQ(d.project().cartons.size(), 1u);
}

TEST(MainWindowAddCarton, theVolumeCheckNamesHowManyFit) {
  MainWindowDriver d;
  d.onNextDialog([](QDialog& dialog) { enterCarton(dialog, "600", "400", "300", "1000"); });
  d.click("tbAddCarton");
  EXPECT_EQ(d.messages().shown,
            QStringList{"您输入的纸箱总体积超过集装箱所能容纳的体积。即使利用全部剩余空间也只可能容纳本规格的纸箱923个。"});
  EXPECT_TRUE(d.project().cartons.empty()) << "the dialog was cancelled after the refusal";
}

TEST(MainWindowTree, doubleClickOrEnterOnACartonEditsIt) {
  MainWindowDriver d(kDemoFile);
  d.onNextDialog([](QDialog& dialog) {
    MainWindowDriver::typeInto(dialog, "txtCount", "900");
    MainWindowDriver::clickButton(dialog, "btnOK");
  });
  QTreeWidgetItem* node = d.tree()->topLevelItem(0)->child(0);
  d.selectTreeNode(0);
  QTest::mouseDClick(d.tree()->viewport(), Qt::LeftButton, Qt::NoModifier, d.tree()->visualItemRect(node).center());
  EXPECT_EQ(d.lastDialogCaption(), "纸箱属性");
  EXPECT_EQ(d.treeCaptions()[1], "纸箱1 600×400×300 mm × 900 箱，10 kg");

  d.selectTreeNode(0);
  d.onNextDialog([](QDialog& dialog) { MainWindowDriver::clickButton(dialog, "btnCancel"); });
  d.pressKeyInTree(Qt::Key_Return);
  EXPECT_EQ(d.lastDialogCaption(), "纸箱属性");
  EXPECT_EQ(d.project().cartons.size(), 1u) << "cancel in edit mode removes nothing";
}

TEST(MainWindowTree, theRootOpensTheOptionsAndEnterWithoutSelectionDoesNothing) {
  MainWindowDriver d(kDemoFile);
  d.selectTreeNode(-1);
  d.onNextDialog([](QDialog&) {});
  d.pressKeyInTree(Qt::Key_Return);
  EXPECT_EQ(d.lastDialogCaption(), "选项");

  d.tree()->clearSelection();
  d.onNextDialog([](QDialog&) {});
  d.pressKeyInTree(Qt::Key_Return);
  d.settle();
  EXPECT_EQ(d.lastDialogCaption(), "");
  EXPECT_TRUE(d.messages().shown.isEmpty());
}

TEST(MainWindowOptions, okTakesTheSpacingsIntoTheProjectAndDropsTheResult) {
  MainWindowDriver d;
  giveTwoBlockResult(d);
  d.onNextDialog([](QDialog& dialog) {
    MainWindowDriver::typeInto(dialog, "txtSpacingL", "10");
    MainWindowDriver::typeInto(dialog, "txtSpacingW", "5");
    MainWindowDriver::clickButton(dialog, "btnOK");
  });
  d.click("tbOption");
  EXPECT_EQ(d.lastDialogCaption(), "选项");
  EXPECT_EQ(d.project().spacingL, 10);
  EXPECT_EQ(d.project().spacingW, 5);
  EXPECT_EQ(d.settings().spacingL, 10);
  EXPECT_TRUE(blocksOf(d.project()).empty());
  EXPECT_EQ(d.resultList()->rowCount(), 1);

  d.messages().saveAnswers = {SaveChoice::Discard};
  d.click("tbNew");
  EXPECT_EQ(d.project().spacingL, 10) << "a new project takes the settings' spacings";
}

namespace {

// Fills in the container dialog that the next Add or Modify of the options dialog opens.
void fillNextContainerDialog(QWidget* context, const QString& name, const QString& length,
                             const QString& width, const QString& height, const QString& weight) {
  QTimer::singleShot(0, context, [=] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "集装箱属性");
    dialog->findChild<QLineEdit*>("txtName")->setText(name);  // QTest types ASCII only
    MainWindowDriver::typeInto(*dialog, "txtL", length);
    MainWindowDriver::typeInto(*dialog, "txtW", width);
    MainWindowDriver::typeInto(*dialog, "txtH", height);
    MainWindowDriver::typeInto(*dialog, "txtWeight", weight);
    MainWindowDriver::clickButton(*dialog, "btnOK");
    if (dialog->isVisible()) dialog->reject();
  });
}

}  // namespace

TEST(MainWindowOptions, aLibraryOfTwoContainersWhoseSecondIsMadeDefaultGivesTheNewProjectsContainer) {
  MainWindowDriver d(kDemoFile);
  d.onNextDialog([](QDialog& dialog) {
    fillNextContainerDialog(&dialog, "二十尺柜", "5898", "2352", "2393", "21000");
    MainWindowDriver::clickButton(dialog, "btnAdd");
    fillNextContainerDialog(&dialog, "四十尺高柜", "12032", "2350", "2698", "26000");
    MainWindowDriver::clickButton(dialog, "btnAdd");
    MainWindowDriver::clickButton(dialog, "btnSetDefault");
    MainWindowDriver::clickButton(dialog, "btnOK");
  });
  d.click("tbOption");
  EXPECT_EQ(d.lastDialogCaption(), "选项");
  const Container highCube{"四十尺高柜", 12032, 2350, 2698, 26000};
  ASSERT_EQ(d.settings().containers.size(), 3u);
  EXPECT_EQ(d.settings().containers[0], highCube);
  EXPECT_EQ(d.settings().containers[2], ContainerType(Container{"二十尺柜", 5898, 2352, 2393, 21000}));
  EXPECT_EQ(d.treeCaptions().front(), "四十尺高柜 12032×2350×2698 mm，最大载重 26000 kg") << "the chosen row is the project's container";
  ASSERT_EQ(d.project().cartons.size(), 1u) << "the cartons stay";

  d.messages().saveAnswers = {SaveChoice::Discard};
  d.click("tbNew");
  EXPECT_EQ(d.project().container, highCube);
  EXPECT_EQ(d.treeCaptions(), QStringList{"四十尺高柜 12032×2350×2698 mm，最大载重 26000 kg"});
  EXPECT_EQ(d.messages().shown, QStringList{"装箱方案“demo.pak”已修改，是否保存修改？"});
}

namespace {

const QStringList kDemoTotals = {"", "合计", "", "", "", "850", "8500.00（42.50%）"};

Carton& addSizedCarton(MainWindowDriver& d, int l, int w, int h, int count) {
  Carton& carton = d.project().addCarton();
  carton.length = l, carton.width = w, carton.height = h, carton.count = count;
  return carton;
}

}  // namespace

TEST(MainWindowRun, fillsTheListTheStatusBarAndTheScene) {
  MainWindowDriver d(kDemoFile);
  d.click("tbRun");
  EXPECT_TRUE(d.messages().shown.isEmpty());
  ASSERT_EQ(d.resultList()->rowCount(), 3);
  EXPECT_EQ(d.rowTexts(0), (QStringList{"1", "纸箱1", "L-W面朝门，W-H面朝上", "0,0,0", "5×4×39＝780", "780", "7800.00"}));
  EXPECT_EQ(d.rowTexts(1), (QStringList{"2", "纸箱1", "W-H面朝门，L-H面朝上", "2000,0,0", "1×6×19＝114", "70", "700.00"}));
  EXPECT_EQ(d.rowTexts(2), kDemoTotals);
  EXPECT_EQ(d.statusText()->text(), "总箱数：850，总体积：61.20立方米，填充率92.04%，净装箱率92.04%");
  EXPECT_EQ(d.form().findChild<QLabel*>("StatusWeight")->text(), "装载重量：8500.00千克（最大载重的42.50%）");
  EXPECT_EQ(d.form().findChild<QLabel*>("StatusCentre")->text(),
            "重心：距里端5810mm，距左壁1095mm，离地1163mm，偏离中心：纵向偏里端90mm，横向偏左55mm");
  EXPECT_EQ(d.selectedResultRows(), std::vector<int>{2});
  EXPECT_EQ(d.form().scene().sceneBlocks.size(), 2u);
}

TEST(MainWindowRun, withoutCartonsTellsToEnterThemFirst) {
  MainWindowDriver d;
  d.click("tbRun");
  EXPECT_EQ(d.messages().shown, QStringList{"您没有输入纸箱数据，请输入纸箱数据后再进行计算。"});
  EXPECT_EQ(d.resultList()->rowCount(), 1);
}

TEST(MainWindowRun, aPoorFillAsksFirstAndNoStops) {
  MainWindowDriver d(kDemoFile);
  d.project().cartons[0].count = 400;  // 43 % of the container
  const QString q1Specified =
      "您所输入的纸箱净体积不足集装箱的50%，系统将以此纸箱数据为单位，计算集装箱能够容纳的总套数，是否开始计算？";
  // Below the question, what a set is here and what the run loads.
  const QString q1 = q1Specified + "\n\n即：输入的 400 箱为一套，计算将装入集装箱能装下的最多整套（按体积和重量最多 2 套，即 800 箱）。";
  d.messages().answers = {false};
  d.click("tbRun");
  EXPECT_EQ(d.messages().shown, QStringList{q1});
  EXPECT_TRUE(blocksOf(d.project()).empty());

  d.messages().answers = {true};
  d.click("tbRun");
  EXPECT_EQ(d.messages().shown, (QStringList{q1, q1}));
  EXPECT_GE(statisticsOf(d.project()).loadedCount, 400);
  EXPECT_EQ(d.resultList()->rowCount(), static_cast<int>(blocksOf(d.project()).size()) + 1);
}

TEST(MainWindowRun, nothingLoadedFlashesAndTellsWhy) {
  MainWindowDriver d;
  addSizedCarton(d, 3000, 3000, 100, 1);  // small, but wider than the container in every way
  d.form().refreshTree(true);
  const QString nothing = "该集装箱无法装下给定的纸箱系列，您可能需要调整纸箱尺寸或减少纸箱数量。";
  // The numbers below the specified message: the cargo is small, its size is the problem.
  const QString offer = nothing + "\n纸箱总体积 0.90 立方米，集装箱容积 66.49 立方米。" +
                        "\n\n是否改为“尽量多装”进行计算，装入所有能装下的纸箱？";
  d.click("tbRun");
  EXPECT_EQ(d.messages().shown, QStringList{offer});
  EXPECT_EQ(d.resultList()->rowCount(), 1);

  // Loading freely fits nothing either: it says so and asks nothing more.
  d.messages().answers = {true};
  d.click("tbRun");
  EXPECT_EQ(d.messages().shown, (QStringList{offer, offer, nothing + "\n纸箱总体积 0.90 立方米，集装箱容积 66.49 立方米。"}));
  EXPECT_EQ(d.resultList()->rowCount(), 1);
  EXPECT_EQ(d.settings().planningMode, PlanningMode::Sets) << "the next Run plans sets again";
}

TEST(MainWindowRun, fillAfterARealRunCompletesTheBlockAndTheEnteredCount) {
  MainWindowDriver d(kDemoFile);
  d.click("tbRun");
  d.clickResultRow(1);
  d.click("tbFill");
  EXPECT_TRUE(d.messages().shown.isEmpty());
  EXPECT_EQ(d.rowTexts(1)[5], "114");
  EXPECT_EQ(d.rowTexts(2), (QStringList{"", "合计", "", "", "", "894", "8940.00（44.70%）"}));
  EXPECT_EQ(d.treeCaptions()[1], "纸箱1 600×400×300 mm × 894 箱，10 kg");
  EXPECT_EQ(d.selectedResultRows(), std::vector<int>{1});

  d.clickResultRow(2);
  d.click("tbFill");
  EXPECT_EQ(d.messages().shown, QStringList{"可装纸箱总数和实装纸箱总数已经相等，无需进行填充。"});
}

TEST(MainWindowExport, withoutAResultTellsToCalculateFirst) {
  MainWindowDriver d(kDemoFile);
  d.click("tbExport");
  EXPECT_EQ(d.messages().shown, QStringList{"没有运算结果可供导出，请先进行运算。"});
}


// A plan listed top block first: the steps follow the loading order, floor first, and
// the slider and the result list move each other.
TEST(MainWindowSteps, theSliderWalksThePlanInLoadingOrderInStepWithTheList) {
  MainWindowDriver d;
  giveTwoBlockResult(d);
  FillScheme& p = d.project();
  BlockScheme top = blocksOf(p)[0];
  top.y = 1200;  // above the first block, listed first
  BlockScheme floor = blocksOf(p)[0];
  floor.x = 0, floor.z = 0;
  resultBlocks(p) = {top, floor, blocksOf(p)[1]};
  d.form().refreshResults(-1);

  auto* steps = d.form().findChild<StepControl*>("stepControl");
  ASSERT_NE(steps, nullptr);
  EXPECT_TRUE(steps->isEnabled());
  EXPECT_EQ(steps->caption()->text(), "第 3 步 / 共 3 步");
  EXPECT_EQ(d.selectedResultRows(), std::vector<int>{3}) << "the totals row";
  EXPECT_EQ(d.form().scene().sceneBlocks.size(), 3u);
  EXPECT_EQ(d.form().scene().highlightedBlock, -1);

  steps->slider()->setValue(1);  // as a drag of the slider does
  EXPECT_EQ(d.selectedResultRows(), std::vector<int>{1}) << "the floor block is loaded first";
  ASSERT_EQ(d.form().scene().sceneBlocks.size(), 1u);
  EXPECT_EQ(d.form().scene().sceneBlocks[0].blockNumber, 2);
  EXPECT_EQ(d.form().scene().highlightedBlock, 0);
  EXPECT_EQ(steps->caption()->text(), "第 1 步 / 共 3 步");

  steps->slider()->setValue(2);
  EXPECT_EQ(d.selectedResultRows(), std::vector<int>{0});
  ASSERT_EQ(d.form().scene().sceneBlocks.size(), 2u);
  EXPECT_EQ(d.form().scene().sceneBlocks[1].y, 1200);
  EXPECT_EQ(d.form().scene().highlightedBlock, 1);

  d.clickResultRow(2);
  EXPECT_EQ(steps->step(), 3);
  EXPECT_EQ(d.form().scene().sceneBlocks.size(), 3u);
  EXPECT_EQ(d.form().scene().highlightedBlock, 2);
  d.clickResultRow(1);
  EXPECT_EQ(steps->step(), 1);
  EXPECT_EQ(steps->caption()->text(), "第 1 步 / 共 3 步");

  // No plan: nothing to step through.
  d.form().refreshTree(true);
  EXPECT_FALSE(steps->isEnabled());
  EXPECT_EQ(steps->caption()->text(), "第 0 步 / 共 0 步");
}

TEST(MainWindowRun, aPlanOfSeveralSetsSaysSoAgainstTheCartonsEntered) {
  MainWindowDriver d(kMixedFile);
  d.messages().answers = {true};  // the question about sets
  d.click("tbRun");
  ASSERT_FALSE(d.messages().shown.isEmpty());
  EXPECT_TRUE(d.messages().shown[0].endsWith("即：输入的 230 箱为一套，计算将装入集装箱能装下的最多整套（按体积和重量最多 2 套，即 460 箱）。"))
      << d.messages().shown[0].toStdString();
  ASSERT_EQ(statisticsOf(d.project()).setCount, 2);
  EXPECT_TRUE(d.statusText()->text().startsWith("2 套 = 460 箱（输入 230 箱），总体积："))
      << d.statusText()->text().toStdString();
}

TEST(MainWindowView, theCentreOfGravityMarkIsThatOfWhatTheStepHasLoadedAndIsNamedUnderTheView) {
  MainWindowDriver d(kMixedFile);
  d.messages().answers = {true};
  d.click("tbRun");
  const LoadedContainer loaded = loadedContainerOf(d.project());
  ASSERT_GE(loaded.blocks.size(), 2u);
  auto* steps = d.form().findChild<StepControl*>("stepControl");
  auto* legend = d.form().findChild<QLabel*>("lblGravityLegend");
  ASSERT_NE(legend, nullptr);
  const auto markedAt = [&](const LoadedContainer& part) {
    const LoadBalance balance = loadBalance(d.project().cartons, part);
    return d.form().scene().gravityPoint ==
           std::optional<GravityPoint>(GravityPoint{balance.fromLeftWall, balance.aboveFloor, balance.fromInnerEnd});
  };

  // The totals row: the whole plan.
  EXPECT_TRUE(markedAt(loaded));
  EXPECT_FALSE(legend->isHidden());
  EXPECT_EQ(legend->text(), QString("■ 黑色标记：全部 %1 步所装纸箱的重心").arg(loaded.blocks.size()));

  // Step 1: only what step 1 loaded.
  d.clickResultRow(static_cast<int>(steps->rowOfStep(1)));
  EXPECT_TRUE(markedAt(LoadedContainer{loaded.container, {loaded.blocks[steps->rowOfStep(1)]}}));
  EXPECT_EQ(legend->text(), "■ 黑色标记：第 1–1 步所装纸箱的重心");
  EXPECT_FALSE(markedAt(loaded));

  // Without weights there is no centre, and nothing names one.
  for (Carton& carton : d.project().cartons) carton.weight = 0;
  d.form().refreshResults(-1);
  EXPECT_FALSE(d.form().scene().gravityPoint.has_value());
  EXPECT_TRUE(legend->isHidden());
}
