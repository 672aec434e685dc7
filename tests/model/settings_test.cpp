#include <gtest/gtest.h>

#include "model/settings.h"

TEST(Settings, theDefaultContainerIsTheFirstOfTheLibrary) {
  Settings s;
  EXPECT_EQ(s.defaultContainer().displayText(), "演示集装箱 (11800*2300*2450)") << "an empty library";
  s.containers.push_back(ContainerType{Container{"A", 5898, 2352, 2393, 21000}, 1000.0, 2});
  s.containers.push_back(ContainerType{Container{"B", 12000, 2350, 2690, 26000}, std::nullopt, std::nullopt});
  EXPECT_EQ(s.defaultContainer(), (Container{"A", 5898, 2352, 2393, 21000}));
}
