// The 3D view keeps its share of its panel on a real X display (Xvfb): after a run, after
// opening a project, after a tab switch and after the window is resized, the view takes the
// panel's height but for the tabs, the step slider and the centre-of-gravity line.

#include <gtest/gtest.h>

#include <QFrame>
#include <QTabBar>

#include "mainwindowdriver.h"
#include "view3d/boxviewer.h"

namespace {

// The view's height over the panel's.
double viewShare(MainWindowDriver& d) {
  d.settle();
  auto* viewer = d.form().findChild<BoxViewer*>();
  auto* panel = d.form().findChild<QFrame*>("pnlView");
  if (viewer == nullptr || panel == nullptr || panel->height() <= 0) return 0;
  return double(viewer->height()) / panel->height();
}

constexpr double kShare = 0.75;  // the slider, the legend line and the tabs take the rest

TEST(MainWindowView, keepsItsShareOfThePanelAfterARunAndAResize) {
  MainWindowDriver d(CARGOLYX_EXAMPLES_DIR "/mixed.pak");
  EXPECT_GT(viewShare(d), kShare) << "before a run";
  d.messages().answers = {true};
  d.click("tbRun");
  ASSERT_FALSE(d.project().result.empty());
  EXPECT_GT(viewShare(d), kShare) << "after a run";
  d.form().resize(d.form().width(), d.form().height() + 200);
  EXPECT_GT(viewShare(d), kShare) << "after the window grew";
}

TEST(MainWindowView, keepsItsShareOfThePanelWithATabPerContainer) {
  // A project of several container types runs the several-containers planner.
  MainWindowDriver d(CARGOLYX_EXAMPLES_DIR "/shipment.clyx");
  d.settings().fleetTimeLimit = 3;  // room for the first fill on a busy machine
  d.messages().answers = {true, true};
  d.click("tbRun");
  ASSERT_GT(d.project().result.containers.size(), 1u);
  EXPECT_GT(viewShare(d), kShare) << "with a tab per container";
  auto* tabs = d.form().findChild<QTabBar*>("tabContainers");
  ASSERT_NE(tabs, nullptr);
  tabs->setCurrentIndex(1);
  EXPECT_GT(viewShare(d), kShare) << "after a tab switch";
}

}  // namespace
