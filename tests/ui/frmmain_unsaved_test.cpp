// Unsaved changes in the main window, driven as a user does: the title, the question
// before New, Open, a drop or closing replaces the project, Delete's question, Save and
// Save As, a read-only file and the leftovers of a calculation.

#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "mainwindowdriver.h"
#include "model/projectfile.h"
#include "resultblocks.h"

namespace {

const QString kDemoFile = CARGOLYX_EXAMPLES_DIR "/demo.pak";
const QString kMixedFile = CARGOLYX_EXAMPLES_DIR "/mixed.pak";
const QString kDeleteQuestion = "确实要删除纸箱“纸箱1”吗？";

QString copyOf(const QString& from, const QTemporaryDir& dir, const QString& name) {
  const QString to = dir.filePath(name);
  QFile::copy(from, to);
  QFile::setPermissions(to, QFile::permissions(to) | QFileDevice::WriteOwner);
  return to;
}

QString changedQuestion(const QString& fileName) { return "装箱方案“" + fileName + "”已修改，是否保存修改？"; }

// Deletes the demo's only carton as a user does, agreeing to the question.
void deleteTheCarton(MainWindowDriver& d) {
  d.messages().answers.push_back(true);
  d.selectTreeNode(0);
  d.pressKeyInTree(Qt::Key_Delete);
}

std::size_t cartonsInFile(const QString& path) {
  FillScheme project;
  return loadProjectFile(QFile::encodeName(path).toStdString(), project) ? project.cartons.size() : 99;
}

void trigger(MainWindowDriver& d, const char* action) {
  QAction* found = d.form().findChild<QAction*>(action);
  ASSERT_NE(found, nullptr) << action;
  found->trigger();
  d.settle();
}

}  // namespace

TEST(UnsavedChanges, deleteAsksNamingTheCartonAndMarksTheTitle) {
  QTemporaryDir dir;
  MainWindowDriver d(copyOf(kDemoFile, dir, "demo.pak"));
  EXPECT_EQ(d.form().windowTitle(), "demo.pak — Cargolyx");

  d.selectTreeNode(0);
  d.pressKeyInTree(Qt::Key_Delete);  // answered No
  EXPECT_EQ(d.messages().shown, QStringList{kDeleteQuestion});
  EXPECT_EQ(d.project().cartons.size(), 1u);
  EXPECT_EQ(d.form().windowTitle(), "demo.pak — Cargolyx");

  deleteTheCarton(d);
  EXPECT_TRUE(d.project().cartons.empty());
  EXPECT_EQ(d.form().windowTitle(), "demo.pak* — Cargolyx");
}

TEST(UnsavedChanges, newAsksAndCancelOrAFailedSaveKeepsTheProject) {
  QTemporaryDir dir;
  const QString file = copyOf(kDemoFile, dir, "demo.pak");
  MainWindowDriver d(file);
  deleteTheCarton(d);
  d.messages().shown.clear();

  d.click("tbNew");  // Cancel
  EXPECT_EQ(d.messages().shown, QStringList{changedQuestion("demo.pak")});
  EXPECT_EQ(d.form().windowTitle(), "demo.pak* — Cargolyx");
  EXPECT_EQ(d.treeCaptions().size(), 1);

  // Save, but the file has become read-only and Save As is declined: nothing is lost.
  QFile::setPermissions(file, QFileDevice::ReadOwner);
  d.messages().saveAnswers = {SaveChoice::Save};
  d.click("tbNew");
  EXPECT_EQ(d.messages().shown.last(), "该文件为只读文件，无法保存。是否另存为其它文件？");
  EXPECT_EQ(d.form().windowTitle(), "demo.pak* — Cargolyx");
  EXPECT_EQ(cartonsInFile(file), 1u);

  // Save writes the file first, then the new project starts.
  QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
  d.messages().saveAnswers = {SaveChoice::Save};
  d.click("tbNew");
  EXPECT_EQ(cartonsInFile(file), 0u);
  EXPECT_EQ(d.form().windowTitle(), "未命名 — Cargolyx");

  // Discard throws the new project's change away without a file.
  d.project().addCarton();
  d.form().refreshTree(true);
  EXPECT_EQ(d.form().windowTitle(), "未命名* — Cargolyx");
  d.messages().saveAnswers = {SaveChoice::Save};  // the save dialog is cancelled
  d.click("tbNew");
  EXPECT_EQ(d.project().cartons.size(), 1u);
  d.messages().saveAnswers = {SaveChoice::Discard};
  d.click("tbNew");
  EXPECT_TRUE(d.project().cartons.empty());
  EXPECT_EQ(d.form().windowTitle(), "未命名 — Cargolyx");
}

TEST(UnsavedChanges, closingAndDroppingAFileAsk) {
  QTemporaryDir dir;
  MainWindowDriver d(copyOf(kDemoFile, dir, "demo.pak"));
  const QString mixed = copyOf(kMixedFile, dir, "mixed.pak");
  deleteTheCarton(d);
  d.messages().shown.clear();

  EXPECT_TRUE(d.dropFiles({mixed}));  // Cancel
  EXPECT_EQ(d.messages().shown, QStringList{changedQuestion("demo.pak")});
  EXPECT_TRUE(d.project().cartons.empty());

  d.form().close();  // Cancel
  EXPECT_TRUE(d.form().isVisible());

  d.messages().saveAnswers = {SaveChoice::Discard};
  d.dropFiles({mixed});
  EXPECT_EQ(d.project().cartons.size(), 3u);
  EXPECT_EQ(d.form().windowTitle(), "mixed.pak — Cargolyx");
  d.form().close();  // nothing changed: no question
  EXPECT_FALSE(d.form().isVisible());
  EXPECT_EQ(d.messages().shown.size(), 3);
}

TEST(SaveCommands, saveWritesTheOwnFileAndSaveAsAnother) {
  QTemporaryDir dir;
  const QString file = copyOf(kDemoFile, dir, "demo.pak");
  MainWindowDriver d(file);
  deleteTheCarton(d);
  trigger(d, "mnuSave");
  EXPECT_EQ(cartonsInFile(file), 0u);
  EXPECT_EQ(d.form().windowTitle(), "demo.pak — Cargolyx");

  Carton& carton = d.project().addCarton();
  carton.length = carton.width = carton.height = 500;
  d.form().refreshTree(true);
  const QString other = dir.filePath("other.pak");
  d.fileDialogs().saveNames << other;
  trigger(d, "mnuSaveAs");
  EXPECT_EQ(cartonsInFile(other), 1u);
  EXPECT_EQ(cartonsInFile(file), 0u);
  EXPECT_EQ(d.form().windowTitle(), "other.pak — Cargolyx");
  EXPECT_EQ(d.form().recentFiles(), (QStringList{other, file}));
  EXPECT_TRUE(d.fileDialogs().saveNames.isEmpty());
}

TEST(SaveCommands, aReadOnlyFileOffersSaveAsAndKeepsTheFile) {
  QTemporaryDir dir;
  const QString target = copyOf(kDemoFile, dir, "plan.pak");
  QFile::setPermissions(target, QFileDevice::ReadOwner);
  const QString other = dir.filePath("copy.pak");
  MainWindowDriver d;
  d.messages().answers = {true};
  d.fileDialogs().saveNames << target << other;
  d.click("tbSaveAs");
  EXPECT_EQ(d.messages().shown, QStringList{"该文件为只读文件，无法保存。是否另存为其它文件？"});
  EXPECT_EQ(cartonsInFile(target), 1u);
  EXPECT_EQ(cartonsInFile(other), 0u);
  EXPECT_EQ(d.form().windowTitle(), "copy.pak — Cargolyx");
}

TEST(MenuCommands, recentFilesReopenAndF5Calculates) {
  QTemporaryDir dir;
  const QString demo = copyOf(kDemoFile, dir, "demo.pak");
  MainWindowDriver d(copyOf(kMixedFile, dir, "mixed.pak"));
  d.form().setRecentFiles({demo, dir.filePath("gone.pak")});
  trigger(d, "mnuRecentFile1");
  EXPECT_EQ(d.messages().shown.size(), 1) << "the open message";
  EXPECT_EQ(d.form().recentFiles(), QStringList{demo}) << "a file that cannot be opened leaves the list";
  trigger(d, "mnuRecentFile0");
  EXPECT_EQ(d.form().windowTitle(), "demo.pak — Cargolyx");

  d.selectTreeNode(-1);
  d.pressKeyInTree(Qt::Key_F5);
  EXPECT_GT(statisticsOf(d.project()).loadedCount, 0);
  EXPECT_EQ(d.form().windowTitle(), "demo.pak* — Cargolyx") << "a new result is a change to save";
  trigger(d, "mnuRefresh");
  EXPECT_EQ(statisticsOf(d.project()).loadedCount, 0);
  EXPECT_TRUE(blocksOf(d.project()).empty());
  EXPECT_EQ(d.form().windowTitle(), "demo.pak — Cargolyx") << "back to what was opened";
}

TEST(UnsavedChanges, aCalculatedPlanIsAChangeThatNewAsksAbout) {
  QTemporaryDir dir;
  MainWindowDriver d(copyOf(kDemoFile, dir, "demo.pak"));
  d.click("tbRun");
  ASSERT_GT(statisticsOf(d.project()).loadedCount, 0);
  EXPECT_EQ(d.form().windowTitle(), "demo.pak* — Cargolyx");
  d.click("tbNew");  // Cancel
  EXPECT_EQ(d.messages().shown, QStringList{changedQuestion("demo.pak")});
  EXPECT_GT(statisticsOf(d.project()).loadedCount, 0) << "the plan is still there";
}

TEST(UnsavedChanges, cancellingADialogKeepsThePlan) {
  MainWindowDriver d(kDemoFile);
  d.click("tbRun");
  const std::vector<BlockScheme> plan = blocksOf(d.project());
  ASSERT_FALSE(plan.empty());
  const auto expectPlanKept = [&](const char* after) {
    EXPECT_EQ(blocksOf(d.project()), plan) << after;
    EXPECT_EQ(d.project().cartons.size(), 1u) << after;
    EXPECT_EQ(d.resultList()->rowCount(), static_cast<int>(plan.size()) + 1) << after;
    EXPECT_TRUE(d.statusText()->text().startsWith("总箱数：850")) << after;
  };

  d.onNextDialog([](QDialog& dialog) { MainWindowDriver::clickButton(dialog, "btnCancel"); });
  d.click("tbAddCarton");
  EXPECT_EQ(d.lastDialogCaption(), "纸箱属性");
  expectPlanKept("Cancel in the new carton's dialog");

  // Editing the carton and closing with OK unchanged, or cancelling the options.
  d.onNextDialog([](QDialog& dialog) { MainWindowDriver::clickButton(dialog, "btnOK"); });
  d.selectTreeNode(0);
  d.pressKeyInTree(Qt::Key_Return);
  expectPlanKept("OK without a change");
  d.onNextDialog([](QDialog& dialog) { MainWindowDriver::clickButton(dialog, "btnCancel"); });
  d.click("tbOption");
  expectPlanKept("Cancel in the options");

  // A real change still drops the plan.
  d.onNextDialog([](QDialog& dialog) {
    MainWindowDriver::typeInto(dialog, "txtCount", "800");
    MainWindowDriver::clickButton(dialog, "btnOK");
  });
  d.selectTreeNode(0);
  d.pressKeyInTree(Qt::Key_Return);
  EXPECT_TRUE(blocksOf(d.project()).empty());
}

TEST(Leftovers, theStatusBarNamesTheCartonsLeftBehindInRed) {
  MainWindowDriver d(kMixedFile);
  ASSERT_EQ(d.project().cartons.size(), 3u);
  const Carton& first = d.project().cartons[0];
  resultBlocks(d.project()) = {makeBlock(0, first.material, 1, 1, 1, 1)};
  d.form().refreshResults(-1);
  const QString text = d.statusText()->text();
  EXPECT_TRUE(text.contains("未装入：" + QString::fromStdString(first.name) + " " +
                            QString::number(first.count - 1) + " 箱"))
      << text.toStdString();
  EXPECT_EQ(d.statusText()->palette().color(QPalette::WindowText), QColor(Qt::red));
}

TEST(MenuCommands, theStandardKeysReachTheCommands) {
  QTemporaryDir dir;
  const QString file = copyOf(kDemoFile, dir, "demo.pak");
  MainWindowDriver d(file);
  d.form().activateWindow();
  deleteTheCarton(d);
  d.messages().shown.clear();
  QTest::keySequence(&d.form(), QKeySequence::New);  // asked, cancelled
  EXPECT_EQ(d.messages().shown, QStringList{changedQuestion("demo.pak")});
  QTest::keySequence(&d.form(), QKeySequence::Save);
  EXPECT_EQ(cartonsInFile(file), 0u);
  EXPECT_EQ(d.form().windowTitle(), "demo.pak — Cargolyx");
  const QString other = dir.filePath("other.pak");
  d.fileDialogs().saveNames << other;
  QTest::keySequence(&d.form(), QKeySequence("Ctrl+Shift+S"));
  EXPECT_EQ(cartonsInFile(other), 0u);
  d.fileDialogs().openNames << file;
  QTest::keySequence(&d.form(), QKeySequence::Open);
  EXPECT_EQ(d.form().windowTitle(), "demo.pak — Cargolyx");
  QTest::keySequence(&d.form(), QKeySequence("Ctrl+Q"));
  EXPECT_FALSE(d.form().isVisible());
}
