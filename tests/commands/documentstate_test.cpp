// The open project as a document: when it counts as changed, and the window title and
// the question asked before it is set aside.

#include <gtest/gtest.h>

#include "commands/documentstate.h"
#include "model/fillscheme.h"

TEST(DocumentState, changedUntilTheProjectIsBackToWhatWasSaved) {
  FillScheme project;
  DocumentState document;
  document.reset(project, "/home/me/demo.pak");
  EXPECT_FALSE(document.isModified(project));

  project.addCarton();
  EXPECT_TRUE(document.isModified(project)) << "an added carton";
  project.removeCarton(0);
  EXPECT_FALSE(document.isModified(project)) << "added and removed again";

  project.container.length += 1;
  EXPECT_TRUE(document.isModified(project)) << "the container";
  document.reset(project, "/home/me/other.pak");
  EXPECT_FALSE(document.isModified(project)) << "saved";
  EXPECT_EQ(document.filePath(), "/home/me/other.pak");

  project.addCarton().name = "冰箱";
  EXPECT_TRUE(document.isModified(project)) << "a carton's name";
  document.reset(project, "/home/me/other.pak");
  project.cartons[0].upendLayers = 2;
  EXPECT_TRUE(document.isModified(project)) << "any field of a carton";
  project.cartons[0].upendLayers = 0;
  project.spacingW = 5;
  EXPECT_TRUE(document.isModified(project)) << "the spacing";
  project.spacingW = 0;
  project.result.containers.push_back(LoadedContainer{project.container, {BlockScheme{}}});
  EXPECT_TRUE(document.isModified(project)) << "a result";
}

TEST(DocumentState, titleAndQuestionNameTheFileWithoutItsFolder) {
  EXPECT_EQ(windowTitle("/home/me/demo.pak", false), "demo.pak — Cargolyx");
  EXPECT_EQ(windowTitle("/home/me/demo.pak", true), "demo.pak* — Cargolyx");
  EXPECT_EQ(windowTitle("", false), "未命名 — Cargolyx");
  EXPECT_EQ(windowTitle("", true), "未命名* — Cargolyx");
  EXPECT_EQ(saveChangesQuestion("/tmp/装箱/方案.pak"), "装箱方案“方案.pak”已修改，是否保存修改？");
  EXPECT_EQ(saveChangesQuestion(""), "当前装箱方案尚未保存，是否先保存？");
}
