#include <gtest/gtest.h>

#include "model/settings.h"

TEST(Settings, startsWithDefaultsAndTheDemoContainer) {
  Settings s;
  EXPECT_EQ(s.spacingL, 0);
  EXPECT_EQ(s.spacingW, 0);
  EXPECT_EQ(s.spacingH, 0);
  EXPECT_EQ(s.maxBlockNum, 6);
  EXPECT_TRUE(s.containers.empty());
  EXPECT_EQ(s.defaultContainer(), Container{});
  EXPECT_EQ(s.defaultContainer().displayText(), "演示集装箱 (11800*2300*2450)");
}

TEST(Settings, defaultContainerIsACopyOfTheFirstLibraryEntry) {
  Settings s;
  s.containers.push_back(Container{"A", 5898, 2352, 2393, 21000});
  s.containers.push_back(Container{"B", 12000, 2350, 2690, 26000});
  Container c = s.defaultContainer();
  EXPECT_EQ(c, (Container{"A", 5898, 2352, 2393, 21000}));
  c.name = "changed";
  EXPECT_EQ(s.containers.front().name, "A");
}

TEST(Settings, assigningALibraryCopiesEveryEntryInOrder) {
  Settings s;
  s.containers = {Container{"A", 1, 2, 3, 4}, Container{"B", 5, 6, 7, 8}, Container{}};
  std::vector<Container> working = s.containers;
  working.erase(working.begin());
  s.containers = working;
  ASSERT_EQ(s.containers.size(), 2u);
  EXPECT_EQ(s.containers[0].name, "B");
  EXPECT_EQ(s.containers[1], Container{});
}
