#include <gtest/gtest.h>

#include "ui/messages.h"

TEST(RecordingMessageBoxes, recordsTextsAndAnswersInOrder) {
  RecordingMessageBoxes boxes;
  boxes.answers = {true};
  boxes.information("一");
  EXPECT_TRUE(boxes.question("二"));
  EXPECT_FALSE(boxes.question("三")) << "no answer left means No";
  EXPECT_EQ(boxes.shown, (QStringList{"一", "二", "三"}));
}
