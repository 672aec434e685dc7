// Pallets in the window: two carton types on EUR pallets and a third loose, run; the result
// list shows each pallet with its cartons under it, the view draws the pallets' bases and
// their cartons, the steps go pallet by pallet, the status names the pallets, the plan is
// kept through saving and opening, and the export lists the pallets with a picture of each
// distinct pallet's layers. The test runs from the program folder, beside the drawing
// library, as the program does.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QSlider>
#include <QTemporaryDir>

#include "commands/palletplan.h"
#include "mainwindowdriver.h"
#include "model/palette.h"
#include "pngfile.h"
#include "ui/stepcontrol.h"

namespace {

const QString kPalletsFile = CARGOLYX_EXAMPLES_DIR "/pallets.clyx";

QLabel* summaryLine(MainWindowDriver& d) { return d.form().findChild<QLabel*>("StatusFleet"); }
StepControl* steps(MainWindowDriver& d) { return d.form().findChild<StepControl*>("stepControl"); }

std::size_t palletBasesShown(MainWindowDriver& d) {
  std::size_t bases = 0;
  for (const CubeBlock& block : d.form().scene().sceneBlocks) bases += block.color == kPalletBaseColor;
  return bases;
}

// The rows of the result list that name a pallet: "P1", "P2" ...
std::vector<int> palletRows(MainWindowDriver& d) {
  std::vector<int> rows;
  for (int r = 0; r < d.resultList()->rowCount(); ++r)
    if (QRegularExpression("^P\\d+$").match(d.rowTexts(r)[0]).hasMatch()) rows.push_back(r);
  return rows;
}

// The project calculated: every carton loaded, the pallets on the status bar.
struct CalculatedPallets {
  MainWindowDriver d{kPalletsFile};
  CalculatedPallets() {
    d.click("tbRun");
    EXPECT_TRUE(d.messages().shown.isEmpty()) << d.messages().shown.join("|").toStdString();
  }
  const LoadedContainer& loaded() { return d.project().result.containers.at(0); }
};

}  // namespace

TEST(PalletsInTheWindow, theResultListShowsEachPalletWithItsCartonsThenTheLooseOnes) {
  CalculatedPallets run;
  MainWindowDriver& d = run.d;
  const ProjectResult& result = d.project().result;
  ASSERT_EQ(result.mode, PlanningMode::Pallets);
  ASSERT_EQ(result.containers.size(), 1u);
  const LoadedContainer& loaded = run.loaded();
  ASSERT_FALSE(loaded.pallets.empty());
  ASSERT_FALSE(loaded.blocks.empty()) << "the fridges go loose";

  const std::vector<int> pallets = palletRows(d);
  ASSERT_EQ(pallets.size(), loaded.pallets.size());
  int listed = 0;
  QStringList heights, listedHeights;  // of the placed pallets, and as the list shows them
  for (const PalletPlacement& placement : loaded.pallets)
    heights << QString("高 %1 mm").arg(result.pallets.at(static_cast<std::size_t>(placement.pallet)).height);
  for (std::size_t k = 0; k < pallets.size(); ++k) {
    const QStringList head = d.rowTexts(pallets[k]);
    EXPECT_EQ(head[0], QString("P%1").arg(k + 1));
    EXPECT_EQ(head[1], "EUR 托盘");
    listedHeights << head[2];
    // Under it a row per carton type, whose counts make the pallet's.
    int onPallet = 0;
    for (int r = pallets[k] + 1; r < d.resultList()->rowCount() && d.rowTexts(r)[1].startsWith("└ "); ++r)
      onPallet += d.rowTexts(r)[5].toInt();
    EXPECT_EQ(onPallet, head[5].toInt()) << "pallet " << k + 1;
    listed += onPallet;
  }
  heights.sort();
  listedHeights.sort();
  EXPECT_EQ(listedHeights, heights);
  // Then the loose blocks, numbered as blocks, and the totals of everything.
  int totalsRow = -1;
  for (int r = 0; r < d.resultList()->rowCount(); ++r)
    if (d.rowTexts(r)[1] == "合计") totalsRow = r;
  ASSERT_GE(totalsRow, 0);
  const int firstLoose = totalsRow - static_cast<int>(loaded.blocks.size());
  EXPECT_TRUE(d.rowTexts(firstLoose - 1)[1].startsWith("└ ")) << "the loose cartons follow the last pallet's";
  for (std::size_t b = 0; b < loaded.blocks.size(); ++b) {
    const QStringList row = d.rowTexts(firstLoose + static_cast<int>(b));
    EXPECT_EQ(row[0], QString::number(b + 1));
    EXPECT_EQ(row[1], "冰箱");
    listed += row[5].toInt();
  }
  EXPECT_EQ(listed, d.project().cartonTotal()) << "every carton listed once";
  EXPECT_EQ(d.rowTexts(totalsRow)[5].toInt(), d.project().cartonTotal());

  // The status names the pallets; the statistics count the cartons on them as loaded.
  EXPECT_TRUE(summaryLine(d)->isVisible());
  EXPECT_TRUE(summaryLine(d)->text().contains(QString::fromStdString(palletSummaryText(d.project()))))
      << summaryLine(d)->text().toStdString();
  EXPECT_TRUE(d.statusText()->text().contains(QString::number(d.project().cartonTotal())))
      << d.statusText()->text().toStdString();
}

TEST(PalletsInTheWindow, theViewDrawsEachPalletsBaseAndCartonsAndTheStepsGoPalletByPallet) {
  CalculatedPallets run;
  MainWindowDriver& d = run.d;
  const LoadedContainer& loaded = run.loaded();
  const ProjectResult& result = d.project().result;
  // The whole plan: a base per pallet, every carton on them, every loose block.
  std::size_t blocks = loaded.blocks.size() + loaded.pallets.size();
  for (const PalletPlacement& placement : loaded.pallets)
    blocks += placedPalletCartons(result.pallets.at(static_cast<std::size_t>(placement.pallet)), placement).size();
  EXPECT_EQ(palletBasesShown(d), loaded.pallets.size());
  EXPECT_EQ(d.form().scene().sceneBlocks.size(), blocks);

  // A step per pallet and per loose block.
  StepControl* control = steps(d);
  ASSERT_EQ(control->stepCount(), static_cast<int>(loaded.pallets.size() + loaded.blocks.size()));
  std::size_t palletSteps = 0;
  for (int k = 1; k <= control->stepCount(); ++k) {
    control->slider()->setValue(k);
    d.settle();
    const Scene& scene = d.form().scene();
    const bool palletStep = d.rowTexts(static_cast<int>(control->rowOfStep(k)))[0].startsWith("P");
    palletSteps += palletStep;
    EXPECT_EQ(palletBasesShown(d), palletSteps) << "step " << k;
    // The step's part singled out: a pallet's base and all its cartons, or one block.
    ASSERT_GE(scene.highlightedBlock, 0) << "step " << k;
    EXPECT_EQ(static_cast<std::size_t>(scene.highlightedBlock + scene.highlightedCount), scene.sceneBlocks.size());
    if (palletStep) {
      EXPECT_EQ(scene.sceneBlocks[static_cast<std::size_t>(scene.highlightedBlock)].color, kPalletBaseColor);
      EXPECT_GE(scene.highlightedCount, 2);
    } else {
      EXPECT_EQ(scene.highlightedCount, 1);
    }
  }
  EXPECT_EQ(palletSteps, loaded.pallets.size());

  // The pallets are numbered in their loading order: P1 is the first pallet loaded, P2 the
  // next, as the list runs from the top.
  QStringList palletsInSteps;
  for (int k = 1; k <= control->stepCount(); ++k)
    if (const QString number = d.rowTexts(static_cast<int>(control->rowOfStep(k)))[0]; number.startsWith("P"))
      palletsInSteps << number;
  QStringList numbers;
  for (std::size_t k = 1; k <= loaded.pallets.size(); ++k) numbers << QString("P%1").arg(k);
  EXPECT_EQ(palletsInSteps, numbers);
  std::vector<int> rowsInSteps;
  for (int k = 1; k <= control->stepCount(); ++k)
    if (d.rowTexts(static_cast<int>(control->rowOfStep(k)))[0].startsWith("P"))
      rowsInSteps.push_back(static_cast<int>(control->rowOfStep(k)));
  EXPECT_EQ(rowsInSteps, palletRows(d)) << "read from the top, the list loads in the order of the steps";

  // A carton row of a pallet shows that pallet: its base and its cartons, up to its step.
  const int cartonRow = palletRows(d).front() + 1;
  d.clickResultRow(cartonRow);
  EXPECT_EQ(control->step(), control->stepOfRow(static_cast<std::size_t>(cartonRow - 1)));
  EXPECT_EQ(d.form().scene().sceneBlocks[static_cast<std::size_t>(d.form().scene().highlightedBlock)].color,
            kPalletBaseColor);
}

TEST(PalletsInTheWindow, aPalletPlanOffersNoFilling) {
  CalculatedPallets run;
  MainWindowDriver& d = run.d;
  const ProjectResult before = d.project().result;
  d.clickResultRow(palletRows(d).front());
  d.click("tbFill");
  EXPECT_EQ(d.messages().shown.size(), 1);
  EXPECT_EQ(d.project().result, before);
}

TEST(PalletsInTheWindow, aSavedPalletPlanOpensWithItsPallets) {
  QTemporaryDir folder;
  const QString path = folder.filePath("pallets.clyx");
  ProjectResult saved;
  int rows = 0;
  {
    CalculatedPallets run;
    saved = run.d.project().result;
    rows = run.d.resultList()->rowCount();
    run.d.fileDialogs().saveNames << path;
    run.d.click("tbSaveAs");
    ASSERT_TRUE(run.d.messages().shown.isEmpty()) << run.d.messages().shown.join("|").toStdString();
  }
  MainWindowDriver reopened(path);
  EXPECT_TRUE(reopened.messages().shown.isEmpty()) << reopened.messages().shown.join("|").toStdString();
  EXPECT_EQ(reopened.project().result, saved);
  EXPECT_EQ(reopened.resultList()->rowCount(), rows);
  EXPECT_EQ(palletRows(reopened).size(), saved.containers[0].pallets.size());
  EXPECT_EQ(palletBasesShown(reopened), saved.containers[0].pallets.size());
}

TEST(PalletsInTheWindow, theExportListsThePalletsAndDrawsEachDistinctPalletsLayers) {
  CalculatedPallets run;
  MainWindowDriver& d = run.d;
  QTemporaryDir chosen, noPrograms;
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", noPrograms.path().toUtf8());  // no browser starts
  d.fileDialogs().exportFolders << chosen.path();
  d.click("tbExport");
  qputenv("PATH", path);
  QFile file(chosen.filePath("packplan.htm"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString document = QString::fromUtf8(file.readAll());
  EXPECT_TRUE(document.contains("托盘清单"));

  // A row per pallet, naming its type, its cartons, its height and its picture.
  const LoadedContainer& loaded = run.loaded();
  EXPECT_EQ(document.count("<tr class='pallet'>"), static_cast<int>(loaded.pallets.size()));
  std::vector<const LoadedPallet*> distinct;
  for (const PalletPlacement& placement : loaded.pallets) {
    const LoadedPallet& pallet = d.project().result.pallets.at(static_cast<std::size_t>(placement.pallet));
    if (std::none_of(distinct.begin(), distinct.end(),
                     [&](const LoadedPallet* p) { return p->type == pallet.type && p->blocks == pallet.blocks; }))
      distinct.push_back(&pallet);
  }
  for (std::size_t i = 0; i < distinct.size(); ++i) {
    const QString picture = chosen.filePath(QString("pallet%1.PNG").arg(i));
    EXPECT_TRUE(document.contains(QString("src='pallet%1.PNG'").arg(i)));
    const auto size = readPngSize(picture.toStdString());
    ASSERT_TRUE(size) << picture.toStdString();
    EXPECT_EQ(*size, (PngSize{600, 400}));
  }
  EXPECT_FALSE(QFile::exists(chosen.filePath(QString("pallet%1.PNG").arg(distinct.size()))));
  // A step per pallet: its picture in the container.
  for (std::size_t k = 0; k < loaded.pallets.size(); ++k)
    EXPECT_TRUE(QFile::exists(chosen.filePath(QString("blockp%1.PNG").arg(k)))) << k;
}
