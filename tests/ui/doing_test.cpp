#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "mainwindowdriver.h"
#include "ui/doing.h"
#include "ui/loadinganimation.h"

namespace {

// Three types of small cartons: a search of many seconds.
void enterLongSearch(MainWindowDriver& d) {
  FillScheme& p = d.project();
  const int sizes[3][4] = {{120, 100, 80, 2}, {110, 90, 70, 1}, {130, 85, 75, 1}};
  for (const auto& size : sizes) {
    Carton& c = p.addCarton();
    c.length = size[0], c.width = size[1], c.height = size[2], c.count = size[3];
  }
  p.spacingL = 10;
  p.spacingW = p.spacingH = 5;
  d.form().refreshTree(true);
}

TDoingDlg* doingDialog(MainWindowDriver& d) { return d.form().findChild<TDoingDlg*>("DoingDlg"); }

// What the test saw of the dialog while the run was going.
struct SeenDuringRun {
  bool dialogShown = false;
  bool animationPlaying = false;
  int framesSeen = 0;
  int lastFrame = 0;
  int ticks = 0;  // timer ticks of the window's own thread while the worker ran
};

// Watches the dialog during a run and presses act (Cancel or Escape) after some ticks.
void watchRun(MainWindowDriver& d, SeenDuringRun& seen, std::function<void(TDoingDlg&)> act) {
  auto* timer = new QTimer(&d.form());
  timer->setInterval(20);
  QObject::connect(timer, &QTimer::timeout, [&d, &seen, timer, act] {
    TDoingDlg* dialog = doingDialog(d);
    if (!dialog->isVisible()) return;
    seen.dialogShown = true;
    auto* animation = dialog->findChild<LoadingAnimation*>("TheAnimate");
    seen.animationPlaying = animation->isPlaying();
    if (animation->frame() != seen.lastFrame) ++seen.framesSeen, seen.lastFrame = animation->frame();
    if (++seen.ticks == 25) {
      act(*dialog);
      timer->stop();
    }
  });
  timer->start();
}

}  // namespace

TEST(DoingDlg, captionLabelAndCancelButton) {
  MainWindowDriver d;
  TDoingDlg* dialog = doingDialog(d);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->windowTitle(), "正在计算中，请稍候……");
  EXPECT_EQ(dialog->size(), QSize(415, 104));
  EXPECT_FALSE(dialog->windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(dialog->windowFlags() & Qt::WindowSystemMenuHint);
  EXPECT_EQ(dialog->findChild<QLabel*>("Label1")->text(),
            QStringLiteral("\u3000\u3000计算所需的时间视计算机性能的不同而定，按“取消”键可以中断计算。"));
  EXPECT_EQ(dialog->findChild<QPushButton*>("CancelBtn")->text(), "取消");
  EXPECT_FALSE(dialog->findChild<LoadingAnimation*>("TheAnimate")->isPlaying());
}

TEST(DoingDlg, cancelEndsALongRunWithNoBlocksAndNoMessage) {
  MainWindowDriver d;
  enterLongSearch(d);
  SeenDuringRun seen;
  watchRun(d, seen, [](TDoingDlg& dialog) {
    QTest::mouseClick(dialog.findChild<QPushButton*>("CancelBtn"), Qt::LeftButton);
  });
  d.click("tbRun");  // returns when the dialog has closed

  EXPECT_TRUE(seen.dialogShown);
  EXPECT_TRUE(seen.animationPlaying);
  EXPECT_GE(seen.framesSeen, 3) << "the animation moved while the worker searched";
  EXPECT_EQ(seen.ticks, 25) << "the window's thread kept running during the search";
  EXPECT_FALSE(doingDialog(d)->isVisible());
  EXPECT_TRUE(doingDialog(d)->cancelRequested());
  EXPECT_TRUE(d.messages().shown.isEmpty());
  EXPECT_TRUE(d.project().blocks.empty());
  EXPECT_EQ(d.resultList()->rowCount(), 1);
  EXPECT_FALSE(doingDialog(d)->findChild<LoadingAnimation*>("TheAnimate")->isPlaying());
}

TEST(DoingDlg, escapeCancelsTooAndTheNextRunStartsAfresh) {
  MainWindowDriver d;
  enterLongSearch(d);
  SeenDuringRun seen;
  watchRun(d, seen, [](TDoingDlg& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
  d.click("tbRun");
  EXPECT_TRUE(seen.dialogShown);
  EXPECT_TRUE(d.project().blocks.empty());
  EXPECT_TRUE(d.messages().shown.isEmpty());

  // A quick project runs to its end: the cancel of the last run is forgotten.
  d.project().cartons.resize(1);
  Carton& c = d.project().cartons[0];
  c.length = 600, c.width = 400, c.height = 300, c.count = 850;
  d.project().spacingL = d.project().spacingW = d.project().spacingH = 0;
  d.form().refreshTree(true);
  d.click("tbRun");
  EXPECT_FALSE(doingDialog(d)->cancelRequested());
  EXPECT_EQ(d.project().loadedCount, 850);
  EXPECT_EQ(d.messages().shown, QStringList());
}

TEST(DoingDlg, aFileDroppedDuringARunLeavesTheProjectToTheWorker) {
  MainWindowDriver d;
  enterLongSearch(d);
  SeenDuringRun seen;
  bool dropAccepted = true;
  watchRun(d, seen, [&d, &dropAccepted](TDoingDlg& dialog) {
    dropAccepted = d.dropFiles({CARGOLYX_EXAMPLES_DIR "/demo.pak"});
    QTest::mouseClick(dialog.findChild<QPushButton*>("CancelBtn"), Qt::LeftButton);
  });
  d.click("tbRun");
  d.settle();
  EXPECT_TRUE(seen.dialogShown);
  EXPECT_FALSE(dropAccepted);
  EXPECT_EQ(d.project().cartons.size(), 3u) << "the dropped file was not opened";
}
