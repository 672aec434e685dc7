// The window's file and delete commands: which dropped files it opens, what Delete does
// with the selected node, and their messages.

#include <gtest/gtest.h>

#include "commands/deletecarton.h"
#include "commands/projectfiles.h"

TEST(ProjectFiles, aDroppedFileIsAProjectWhenItEndsInPakInAnyCase) {
  EXPECT_TRUE(isProjectFileName("/home/me/plan.pak"));
  EXPECT_TRUE(isProjectFileName("PLAN.PAK"));
  EXPECT_TRUE(isProjectFileName("装箱.Pak"));
  EXPECT_TRUE(isProjectFileName(".pak"));
  EXPECT_FALSE(isProjectFileName("plan.pak.txt"));
  EXPECT_FALSE(isProjectFileName("plan.pa"));
  EXPECT_FALSE(isProjectFileName("pak"));
  EXPECT_FALSE(isProjectFileName(""));
}

TEST(DeleteCarton, onlyASelectedCartonNodeIsDeleted) {
  EXPECT_EQ(decideDelete(false, false), DeleteDecision::NothingSelected);
  EXPECT_EQ(decideDelete(true, false), DeleteDecision::ContainerNode);
  EXPECT_EQ(decideDelete(true, true), DeleteDecision::DeleteCarton);
  EXPECT_EQ(deleteMessage(DeleteDecision::NothingSelected),
            "您没有选择任何一种纸箱，请选择纸箱后再执行删除操作。");
  EXPECT_EQ(deleteMessage(DeleteDecision::ContainerNode),
            "集装箱可以进行选择调整，但不允许删除，您只能对纸箱执行删除操作。");
  EXPECT_EQ(deleteMessage(DeleteDecision::DeleteCarton), "");
}
