#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include "mainwindowdriver.h"
#include "ui/doing.h"
#include "ui/loadinganimation.h"
#include "resultblocks.h"

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

// Runs an edit once, when the watched dialog is shown.
class EditOnShow : public QObject {
 public:
  explicit EditOnShow(std::function<void()> edit) : edit_(std::move(edit)) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && !done) {
      edit_();
      done = true;
    }
    return QObject::eventFilter(watched, event);
  }
  bool done = false;

 private:
  std::function<void()> edit_;
};

}  // namespace

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
  EXPECT_TRUE(blocksOf(d.project()).empty());
  EXPECT_EQ(d.resultList()->rowCount(), 1);
  EXPECT_FALSE(doingDialog(d)->findChild<LoadingAnimation*>("TheAnimate")->isPlaying());
}

// The view and the status bar showed an earlier result: a cancelled run leaves neither
// behind, only the entered cartons.
TEST(DoingDlg, aCancelledRunClearsTheViewAndShowsTheEnteredCartons) {
  MainWindowDriver d;
  enterLongSearch(d);
  resultBlocks(d.project()) = {makeBlock(0, 0, 2, 2, 2, 8)};
  d.form().refreshResults(-1);
  ASSERT_EQ(d.form().scene().sceneBlocks.size(), 1u);
  ASSERT_FALSE(d.statusText()->text().startsWith("已输入纸箱总数："));
  QTimer::singleShot(300, &d.form(), [&d] { doingDialog(d)->CancelBtnClick(); });
  d.click("tbRun");
  EXPECT_TRUE(blocksOf(d.project()).empty());
  EXPECT_TRUE(d.form().scene().sceneBlocks.empty());
  EXPECT_EQ(d.statusText()->text().left(8), "已输入纸箱总数：");
  EXPECT_TRUE(d.messages().shown.isEmpty());
}

TEST(DoingDlg, escapeCancelsTooAndTheNextRunStartsAfresh) {
  MainWindowDriver d;
  enterLongSearch(d);
  SeenDuringRun seen;
  watchRun(d, seen, [](TDoingDlg& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
  d.click("tbRun");
  EXPECT_TRUE(seen.dialogShown);
  EXPECT_TRUE(blocksOf(d.project()).empty());
  EXPECT_TRUE(d.messages().shown.isEmpty());

  // A quick project runs to its end: the cancel of the last run is forgotten.
  d.project().cartons.resize(1);
  Carton& c = d.project().cartons[0];
  c.length = 600, c.width = 400, c.height = 300, c.count = 850;
  d.project().spacingL = d.project().spacingW = d.project().spacingH = 0;
  d.form().refreshTree(true);
  d.click("tbRun");
  EXPECT_FALSE(doingDialog(d)->cancelRequested());
  EXPECT_EQ(statisticsOf(d.project()).loadedCount, 850);
  EXPECT_EQ(d.messages().shown, QStringList());
}

TEST(RunInProgress, aFileDroppedDuringARunIsNotOpened) {
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

TEST(DoingDlg, showsTheTimeSpentWhileTheRunGoes) {
  MainWindowDriver d;
  enterLongSearch(d);
  QString shown;
  auto* timer = new QTimer(&d.form());
  timer->setInterval(100);
  QObject::connect(timer, &QTimer::timeout, [&d, &shown, timer] {
    TDoingDlg* dialog = doingDialog(d);
    if (!dialog->isVisible()) return;
    shown = dialog->findChild<QLabel*>("lblElapsed")->text();
    if (shown != QStringLiteral("已用时间：0秒")) {
      dialog->CancelBtnClick();
      timer->stop();
    }
  });
  timer->start();
  d.click("tbRun");
  EXPECT_TRUE(shown.contains(QRegularExpression(QStringLiteral("^已用时间：[1-9][0-9]*秒$")))) << shown.toStdString();
}

// The project is edited while the worker calculates the old one: the edit stays, and the
// old project's result is not put into the new one.
TEST(RunInProgress, anEditDuringTheRunKeepsTheEditAndDropsTheOldResult) {
  MainWindowDriver d;
  Carton& c = d.project().addCarton();
  c.length = 600, c.width = 400, c.height = 300, c.count = 850;
  d.project().spacingL = d.project().spacingW = d.project().spacingH = 0;
  d.form().refreshTree(true);
  // The edit comes as the progress dialog appears: after the calculation took its
  // snapshot, before its report is back.
  EditOnShow edit([&d] {
    // As the carton dialog's OK does: change the carton and rebuild the tree.
    d.project().cartons[0].count = 10;
    d.form().refreshTree(true);
  });
  doingDialog(d)->installEventFilter(&edit);
  d.click("tbRun");
  doingDialog(d)->removeEventFilter(&edit);
  ASSERT_TRUE(edit.done);
  EXPECT_EQ(d.project().cartons.size(), 1u);
  EXPECT_EQ(d.project().cartons[0].count, 10);
  EXPECT_TRUE(blocksOf(d.project()).empty()) << "850 cartons were planned, 10 are entered";
  EXPECT_EQ(statisticsOf(d.project()).loadedCount, 0);
  EXPECT_EQ(d.resultList()->rowCount(), 1);

  // Calculated again, the edited project gets its own result.
  d.click("tbRun");
  EXPECT_GT(statisticsOf(d.project()).loadedCount, 0);
  EXPECT_EQ(statisticsOf(d.project()).loadedCount % 10, 0) << "whole sets of the 10 cartons now entered";
  for (const BlockScheme& b : blocksOf(d.project())) EXPECT_EQ(b.cartonIndex, 0);
}

// The window is closed while the worker searches: the calculation stops, the window
// asks about the unsaved cartons and goes, and the project keeps no half result.
TEST(RunInProgress, closingTheWindowDuringARunCancelsIt) {
  MainWindowDriver d;
  enterLongSearch(d);
  bool closedDuringRun = false;
  QTimer::singleShot(300, &d.form(), [&d, &closedDuringRun] {
    closedDuringRun = doingDialog(d)->isVisible();
    d.form().close();
  });
  // The entered cartons are unsaved changes: asked once the worker has handed over.
  d.messages().saveAnswers = {SaveChoice::Discard};
  d.click("tbRun");  // returns once the cancelled worker has handed over
  EXPECT_TRUE(closedDuringRun);
  EXPECT_TRUE(doingDialog(d)->cancelRequested());
  EXPECT_FALSE(d.form().isVisible());
  EXPECT_TRUE(blocksOf(d.project()).empty());
  EXPECT_EQ(d.messages().shown, QStringList{"当前装箱方案尚未保存，是否先保存？"});
}

TEST(DoingDlg, aLoadMaxRunShowsTheBestFillSoFarAndNothingRunsIntoTheButton) {
  MainWindowDriver d(CARGOLYX_EXAMPLES_DIR "/mixed.pak");
  for (Carton& carton : d.project().cartons) carton.count *= 4;  // more than fits
  d.form().refreshTree(true);
  d.settings().planningMode = PlanningMode::LoadMax;
  d.settings().loadMaxTimeLimit = 30;
  QString bestFill;
  bool layoutChecked = false;
  auto* timer = new QTimer(&d.form());
  timer->setInterval(50);
  QObject::connect(timer, &QTimer::timeout, [&] {
    TDoingDlg* dialog = doingDialog(d);
    if (!dialog->isVisible()) return;
    auto* note = dialog->findChild<QLabel*>("lblNote");
    auto* elapsed = dialog->findChild<QLabel*>("lblElapsed");
    auto* best = dialog->findChild<QLabel*>("lblBestFill");
    const QRect button = dialog->findChild<QPushButton*>("CancelBtn")->geometry();
    if (!layoutChecked) {
      layoutChecked = true;
      EXPECT_GE(note->height(), note->heightForWidth(note->width())) << "the note has room for all its lines";
      for (QLabel* label : {note, elapsed, best})
        EXPECT_FALSE(label->geometry().intersects(button)) << label->objectName().toStdString();
      EXPECT_TRUE(best->isVisible());
    }
    bestFill = best->text();
    if (bestFill != QStringLiteral("目前最佳填充率：0.00%")) {
      dialog->CancelBtnClick();
      timer->stop();
    }
  });
  timer->start();
  d.click("tbRun");
  EXPECT_TRUE(layoutChecked);
  EXPECT_TRUE(bestFill.contains(QRegularExpression(QStringLiteral("^目前最佳填充率：[1-9][0-9]?\\.[0-9]{2}%$"))))
      << bestFill.toStdString();
  EXPECT_TRUE(blocksOf(d.project()).empty()) << "a cancelled load-max run keeps no plan either";
}

TEST(DoingDlg, aSetsRunHasNoBestFillLine) {
  MainWindowDriver d;
  enterLongSearch(d);
  bool hidden = false;
  auto* timer = new QTimer(&d.form());
  timer->setInterval(50);
  QObject::connect(timer, &QTimer::timeout, [&] {
    TDoingDlg* dialog = doingDialog(d);
    if (!dialog->isVisible()) return;
    hidden = !dialog->findChild<QLabel*>("lblBestFill")->isVisible();
    dialog->CancelBtnClick();
    timer->stop();
  });
  timer->start();
  d.click("tbRun");
  EXPECT_TRUE(hidden);
}
