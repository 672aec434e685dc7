// Several containers from the window: 多个集装箱 chosen in Options, the project's container
// types in the tree, a tab per loaded container that drives the list and the view, the
// cost and the bound on the status bar, and the plan kept through saving and opening.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "mainwindowdriver.h"
#include "model/projectfile.h"
#include "resultblocks.h"

namespace {

const QString kShipmentFile = CARGOLYX_EXAMPLES_DIR "/shipment.clyx";

// Chooses 多个集装箱 on the options' planning page with a short time limit, and OK.
void chooseFleetInOptions(MainWindowDriver& d) {
  d.onNextDialog([](QDialog& dialog) {
    auto* pages = dialog.findChild<QTabWidget*>("pcOptions");
    pages->setCurrentWidget(dialog.findChild<QWidget*>("SheetPlanning"));
    auto* fleet = dialog.findChild<QRadioButton*>("rbFleet");
    QTest::mouseClick(fleet, Qt::LeftButton, {}, QPoint(8, fleet->height() / 2));  // on its circle
    MainWindowDriver::typeInto(dialog, "txtFleetTimeLimit", "1");
    MainWindowDriver::clickButton(dialog, "btnOK");
  });
  d.click("tbOption");
}

QTabBar* tabs(MainWindowDriver& d) { return d.form().findChild<QTabBar*>("tabContainers"); }
QLabel* fleetStatus(MainWindowDriver& d) { return d.form().findChild<QLabel*>("StatusFleet"); }

// The result list's total of cartons: the totals row's count.
int listedCartons(MainWindowDriver& d, std::size_t container) {
  const int totals = static_cast<int>(d.project().result.containers[container].blocks.size());
  return d.rowTexts(totals)[5].toInt();
}

}  // namespace

TEST(FleetInTheWindow, runLoadsEveryCartonIntoSeveralContainersShownATabEach) {
  MainWindowDriver d(kShipmentFile);
  const QStringList captions = d.treeCaptions();
  EXPECT_TRUE(captions.join("\n").contains("40尺高柜 12032×2352×2698 mm，最大载重 26500 kg，费用 1700"))
      << captions.join("\n").toStdString();

  chooseFleetInOptions(d);
  EXPECT_TRUE(d.messages().shown.isEmpty()) << d.messages().shown.join("|").toStdString();
  EXPECT_EQ(d.settings().planningMode, PlanningMode::Fleet);
  EXPECT_EQ(d.settings().fleetTimeLimit, 1.0);

  d.click("tbRun");
  EXPECT_TRUE(d.messages().shown.isEmpty()) << "every carton is loaded: " << d.messages().shown.join("|").toStdString();
  const ProjectResult& result = d.project().result;
  ASSERT_EQ(result.mode, PlanningMode::Fleet);
  ASSERT_GE(result.containers.size(), 3u);
  ASSERT_TRUE(tabs(d)->isVisible());
  ASSERT_EQ(tabs(d)->count(), static_cast<int>(result.containers.size()));

  // Each tab shows its own container: its blocks in the list and in the view.
  int listed = 0;
  for (int k = 0; k < tabs(d)->count(); ++k) {
    tabs(d)->setCurrentIndex(k);
    d.settle();
    const LoadedContainer& shown = result.containers[static_cast<std::size_t>(k)];
    EXPECT_EQ(d.form().scene().sceneBlocks.size(), shown.blocks.size()) << "tab " << k;
    EXPECT_TRUE(tabs(d)->tabText(k).contains(QString::fromStdString(shown.container.name)));
    listed += listedCartons(d, static_cast<std::size_t>(k));
  }
  EXPECT_EQ(listed, d.project().cartonTotal()) << "the tabs together list every carton once";

  const QString status = fleetStatus(d)->text();
  EXPECT_TRUE(fleetStatus(d)->isVisible());
  EXPECT_TRUE(status.contains("；费用 ")) << status.toStdString();
  EXPECT_TRUE(status.contains("至少需要 ")) << status.toStdString();

  // Fill offers nothing for several containers and leaves the plan as it is.
  const ProjectResult before = result;
  d.click("tbFill");
  ASSERT_EQ(d.messages().shown.size(), 1);
  EXPECT_EQ(d.project().result, before);
}

TEST(FleetInTheWindow, aSavedPlanOfSeveralContainersOpensWithItsTabs) {
  QTemporaryDir folder;
  const QString path = folder.filePath("saved.clyx");
  std::size_t containers = 0;
  {
    MainWindowDriver d(kShipmentFile);
    chooseFleetInOptions(d);
    d.click("tbRun");
    containers = d.project().result.containers.size();
    ASSERT_GE(containers, 3u);
    d.fileDialogs().saveNames << path;
    d.click("tbSaveAs");
    ASSERT_TRUE(d.messages().shown.isEmpty()) << d.messages().shown.join("|").toStdString();
  }
  MainWindowDriver reopened(path);
  EXPECT_EQ(reopened.project().result.containers.size(), containers);
  EXPECT_EQ(tabs(reopened)->count(), static_cast<int>(containers));
  EXPECT_TRUE(fleetStatus(reopened)->text().contains("；费用 "));
}
