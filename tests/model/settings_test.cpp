#include <gtest/gtest.h>

#include "model/settings.h"

TEST(Settings, defaultContainerIsACopyOfTheFirstLibraryEntry) {
  Settings s;
  EXPECT_EQ(s.defaultContainer().displayText(), "演示集装箱 (11800*2300*2450)") << "an empty library";
  s.containers.push_back(Container{"A", 5898, 2352, 2393, 21000});
  s.containers.push_back(Container{"B", 12000, 2350, 2690, 26000});
  Container c = s.defaultContainer();
  EXPECT_EQ(c, (Container{"A", 5898, 2352, 2393, 21000}));
  c.name = "changed";
  EXPECT_EQ(s.containers.front().name, "A");
}
