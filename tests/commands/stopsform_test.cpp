// The stops dialog's rules: moving and removing stops, and what storing them does to the
// cartons.

#include "commands/stopsform.h"

#include <gtest/gtest.h>

#include "model/projectinput.h"

namespace {

using Stops = std::vector<std::string>;

TEST(StopsForm, movesAStopUpAndDownWithinTheList) {
  Stops stops{"A", "B", "C"};
  EXPECT_TRUE(moveStop(stops, 2, true));
  EXPECT_EQ(stops, (Stops{"A", "C", "B"}));
  EXPECT_TRUE(moveStop(stops, 0, false));
  EXPECT_EQ(stops, (Stops{"C", "A", "B"}));
  EXPECT_FALSE(moveStop(stops, 0, true));
  EXPECT_FALSE(moveStop(stops, 2, false));
  EXPECT_FALSE(moveStop(stops, 3, true));
  EXPECT_EQ(stops, (Stops{"C", "A", "B"}));
  EXPECT_TRUE(removeStop(stops, 1));
  EXPECT_EQ(stops, (Stops{"C", "B"}));
  EXPECT_FALSE(removeStop(stops, 2));
}

TEST(StopsForm, aCartonOfARemovedStopGoesToTheLast) {
  ProjectInput p;
  p.stops = {"A", "B", "C"};
  p.addCarton().stop = std::string("A");
  p.addCarton().stop = std::string("B");
  p.addCarton();
  EXPECT_FALSE(applyStops(p, p.stops)) << "nothing changes";
  EXPECT_TRUE(applyStops(p, {"C", "B"}));
  EXPECT_EQ(p.stops, (Stops{"C", "B"}));
  EXPECT_EQ(p.cartons[0].stop, "");
  EXPECT_EQ(p.cartons[1].stop, "B");
  EXPECT_TRUE(applyStops(p, {"B", "C"})) << "the order alone";
}

}  // namespace
