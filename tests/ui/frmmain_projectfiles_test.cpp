// Both project formats in the window, as users meet them: a plan saved as .clyx comes back
// with its spacing and result, a .pak that cannot hold a name offers .clyx, and each kind
// of file that cannot be opened gets its own message.

#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QTemporaryDir>

#include "mainwindowdriver.h"
#include "commands/projectfiles.h"
#include "model/projectfile.h"
#include "resultblocks.h"

namespace {

const QString kDemoFile = CARGOLYX_EXAMPLES_DIR "/demo.pak";

void trigger(MainWindowDriver& d, const char* action) {
  QAction* found = d.form().findChild<QAction*>(action);
  ASSERT_NE(found, nullptr) << action;
  found->trigger();
  d.settle();
}

}  // namespace

TEST(ProjectFormats, aPlanSavedAsClyxReopensWithItsSpacingAndResult) {
  QTemporaryDir dir;
  MainWindowDriver d(kDemoFile);
  d.project().spacingH = 0;
  d.project().spacingW = 0;
  d.project().spacingL = 0;
  d.click("tbRun");
  ASSERT_FALSE(d.project().result.empty());
  d.project().spacingW = 3;  // a spacing the .pak would not keep; the result no longer fits it...
  d.form().refreshTree(true);
  d.click("tbRun");  // ...so it is calculated again with it
  ASSERT_FALSE(d.project().result.empty());
  const FillScheme planned = d.project();
  const int rows = d.resultList()->rowCount();

  const QString path = dir.filePath("plan.clyx");
  d.fileDialogs().saveNames << path;
  trigger(d, "mnuSaveAs");
  EXPECT_EQ(d.form().windowTitle(), "plan.clyx — Cargolyx");

  d.click("tbNew");
  EXPECT_TRUE(d.project().result.empty());
  d.fileDialogs().openNames << path;
  d.click("tbOpen");
  EXPECT_EQ(d.project(), planned);
  EXPECT_EQ(d.project().spacingW, 3);
  EXPECT_EQ(d.resultList()->rowCount(), rows) << "the result list shows the plan again";
  EXPECT_EQ(d.form().windowTitle(), "plan.clyx — Cargolyx");
  EXPECT_TRUE(d.messages().shown.isEmpty()) << d.messages().shown.join("\n").toStdString();
}

TEST(ProjectFormats, aNameThePakCannotHoldOffersTheClyx) {
  QTemporaryDir dir;
  MainWindowDriver d(kDemoFile);
  d.project().cartons[0].name = "Box 😀";
  d.form().refreshTree(true);
  d.fileDialogs().saveNames << dir.filePath("plan.pak") << dir.filePath("plan.clyx");
  d.messages().answers.push_back(true);  // save as .clyx instead
  trigger(d, "mnuSaveAs");
  ASSERT_EQ(d.messages().shown.size(), 1);
  EXPECT_TRUE(d.messages().shown[0].contains("“Box 😀”")) << d.messages().shown[0].toStdString();
  EXPECT_FALSE(QFile::exists(dir.filePath("plan.pak")));
  FillScheme saved;
  ASSERT_TRUE(loadProjectFile(QFile::encodeName(dir.filePath("plan.clyx")).toStdString(), saved));
  EXPECT_EQ(saved.cartons[0].name, "Box 😀");
  EXPECT_EQ(d.form().windowTitle(), "plan.clyx — Cargolyx");

  d.fileDialogs().saveNames << dir.filePath("again.pak");
  trigger(d, "mnuSaveAs");  // answered No: nothing is written
  EXPECT_FALSE(QFile::exists(dir.filePath("again.pak")));
}

TEST(ProjectFormats, aPlanThePakCannotKeepIsNotDroppedWithoutAWord) {
  QTemporaryDir dir;
  MainWindowDriver d(kDemoFile);
  d.click("tbRun");
  ASSERT_FALSE(d.project().result.empty());
  d.messages().shown.clear();
  d.fileDialogs().saveNames << dir.filePath("plan.pak") << dir.filePath("plan.clyx");
  d.messages().answers.push_back(true);  // keep the plan in a .clyx
  trigger(d, "mnuSaveAs");
  ASSERT_EQ(d.messages().shown.size(), 1);
  EXPECT_EQ(d.messages().shown[0].toStdString(), pakDropsPlanQuestion());
  EXPECT_EQ(d.fileDialogs().saveSuggestions.value(0), kDemoFile) << "Save As starts at the project's own file";
  EXPECT_FALSE(QFile::exists(dir.filePath("plan.pak")));
  FillScheme saved;
  ASSERT_TRUE(loadProjectFile(QFile::encodeName(dir.filePath("plan.clyx")).toStdString(), saved));
  EXPECT_FALSE(saved.result.empty());

  d.fileDialogs().saveNames << dir.filePath("old.pak");
  d.messages().answers.push_back(false);  // the .pak all the same, without the plan
  trigger(d, "mnuSaveAs");
  FillScheme old;
  ASSERT_TRUE(loadProjectFile(QFile::encodeName(dir.filePath("old.pak")).toStdString(), old));
  EXPECT_TRUE(old.result.empty());
  EXPECT_EQ(old.cartons, d.project().cartons);
}

TEST(ProjectFormats, cargoRulesThePakCannotHoldOfferTheClyx) {
  QTemporaryDir dir;
  MainWindowDriver d(kDemoFile);
  d.project().cartons[0].fragile = true;
  d.project().container.balance = lengthBalancePreset();
  d.form().refreshTree(true);
  d.fileDialogs().saveNames << dir.filePath("plan.pak") << dir.filePath("plan.clyx");
  d.messages().answers.push_back(true);  // save as .clyx instead
  trigger(d, "mnuSaveAs");
  ASSERT_EQ(d.messages().shown.size(), 1);
  EXPECT_EQ(d.messages().shown[0].toStdString(), pakCannotHoldRulesQuestion());
  EXPECT_FALSE(QFile::exists(dir.filePath("plan.pak")));
  FillScheme saved;
  ASSERT_TRUE(loadProjectFile(QFile::encodeName(dir.filePath("plan.clyx")).toStdString(), saved));
  EXPECT_TRUE(saved.cartons[0].fragile);
  EXPECT_EQ(saved.container.balance, lengthBalancePreset());
}

TEST(ProjectFormats, eachFileThatCannotBeOpenedGetsItsOwnMessage) {
  QTemporaryDir dir;
  const auto write = [&](const QString& name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return dir.filePath(name);
  };
  MainWindowDriver d(kDemoFile);
  const FillScheme before = d.project();
  d.fileDialogs().openNames << write("newer.clyx", "{\"cargolyxProject\": 3}")
                            << write("feature.clyx", "{\"cargolyxProject\": 2, \"requires\": [\"hovercraft\"]}")
                            << write("broken.clyx", "{\"cargolyxProject\": 2, \"container\": [}")
                            << write("photo.clyx", "\x89PNG\r\n");
  for (int i = 0; i < 4; ++i) d.click("tbOpen");
  ASSERT_EQ(d.messages().shown.size(), 4);
  EXPECT_TRUE(d.messages().shown[0].contains("格式 3")) << d.messages().shown[0].toStdString();
  EXPECT_TRUE(d.messages().shown[1].contains("hovercraft")) << d.messages().shown[1].toStdString();
  EXPECT_TRUE(d.messages().shown[2].contains("已损坏") && d.messages().shown[2].contains("line 1"))
      << d.messages().shown[2].toStdString();
  EXPECT_TRUE(d.messages().shown[3].contains("不是装箱方案文件")) << d.messages().shown[3].toStdString();
  EXPECT_EQ(d.project(), before) << "the open project stays";
}

TEST(ProjectFormats, aDroppedClyxIsOpened) {
  QTemporaryDir dir;
  FillScheme project;
  project.addCarton().name = "拖入的纸箱";
  project.cartons[0].length = project.cartons[0].width = project.cartons[0].height = 500;
  const QString path = dir.filePath("dropped.CLYX");
  ASSERT_TRUE(saveProjectFile(QFile::encodeName(path).toStdString(), project));
  MainWindowDriver d;
  EXPECT_TRUE(d.dropFiles({path}));
  EXPECT_EQ(d.project().cartons.size(), 1u);
  EXPECT_EQ(d.project().cartons[0].name, "拖入的纸箱");
}

// The plan in the hand-written file reaches past the container's right wall.
TEST(ProjectFormats, aSavedPlanThatBreaksARuleIsDroppedWithItsReason) {
  MainWindowDriver d(CARGOLYX_TEST_DATA_DIR "/fixture.clyx");
  EXPECT_EQ(d.project().cartons.size(), 2u);
  EXPECT_TRUE(d.project().result.empty());
  ASSERT_EQ(d.messages().shown.size(), 1);
  EXPECT_TRUE(d.messages().shown[0].startsWith("文件中保存的装箱方案违反了装箱规则")) << d.messages().shown[0].toStdString();
  EXPECT_TRUE(d.messages().shown[0].contains("163 mm")) << "2210 + 305 reaches 163 mm past 2352: "
                                                       << d.messages().shown[0].toStdString();
  EXPECT_EQ(d.form().windowTitle(), "fixture.clyx — Cargolyx");
}
