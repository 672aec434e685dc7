#include <gtest/gtest.h>

#include <string>

#include "commands/cartonform.h"
#include "commands/entrycheck.h"

namespace {

const std::string kVolumeNew = "您输入的纸箱总体积超过集装箱所能容纳的体积。";
const std::string kVolumeEdit = "纸箱总体积超过集装箱所能容纳的体积。";

Carton makeCarton(int l, int w, int h, int count) {
  Carton c;
  c.length = l;
  c.width = w;
  c.height = h;
  c.count = count;
  return c;
}

CartonEntry entry(const std::string& l, const std::string& w, const std::string& h,
                  const std::string& count) {
  CartonEntry e = cartonEntryOf(Carton{});
  e.length = l;
  e.width = w;
  e.height = h;
  e.count = count;
  return e;
}

// A project with a new carton added, as the add command leaves it.
struct NewCartonProject {
  FillScheme project;
  Carton& added = project.addCarton();
};

}  // namespace

TEST(CartonForm, mapsThePositionItemsToTheStoredRanks) {
  EXPECT_EQ(spaceIndexOfItem(0), 100);
  EXPECT_EQ(spaceIndexOfItem(1), 0);
  EXPECT_EQ(spaceIndexOfItem(2), 200);
  EXPECT_EQ(spaceIndexOfItem(7), 100);
  EXPECT_EQ(spaceIndexOfItem(-1), 100);
  EXPECT_EQ(itemOfSpaceIndex(0), 1);
  EXPECT_EQ(itemOfSpaceIndex(100), 0);
  EXPECT_EQ(itemOfSpaceIndex(200), 2);
  EXPECT_EQ(itemOfSpaceIndex(150), 0);
}

TEST(CartonForm, showsANewCartonWithEmptySizes) {
  NewCartonProject p;
  CartonEntry e = cartonEntryOf(p.added);
  EXPECT_EQ(e.name, "纸箱1");
  EXPECT_EQ(e.length, "");
  EXPECT_EQ(e.width, "");
  EXPECT_EQ(e.height, "");
  EXPECT_EQ(e.count, "1");
  EXPECT_EQ(e.upendLayers, "0");
  EXPECT_EQ(e.weight, "0");
  EXPECT_FALSE(e.mustUp);
  EXPECT_EQ(e.spaceItem, kItemNoRequirement);
}

TEST(CartonForm, showsTheLayersOnlyForACartonThatMustStayUp) {
  Carton c = makeCarton(600, 400, 300, 5);
  c.upendLayers = 3;
  c.weight = 12.5;
  c.material = 7;
  c.spaceIndex = 200;
  EXPECT_EQ(cartonEntryOf(c).upendLayers, "0");
  c.mustUp = true;
  CartonEntry e = cartonEntryOf(c);
  EXPECT_EQ(e.upendLayers, "3");
  EXPECT_EQ(e.length, "600");
  EXPECT_EQ(e.weight, "12.5");
  EXPECT_EQ(e.material, 7);
  EXPECT_EQ(e.spaceItem, kItemDoor);
}

TEST(CartonForm, okOnANewCartonWithoutSizesFailsTheNumberCheck) {
  NewCartonProject p;
  CartonCheck check = checkCartonEntry(p.project, p.added, true, cartonEntryOf(p.added));
  EXPECT_FALSE(check.accepted());
  EXPECT_EQ(check.message, "您输入的内容存在问题，请检查后重新输入。");
}

TEST(CartonForm, refusesUnreadableTextInAnyNumberBox) {
  NewCartonProject p;
  const CartonEntry good = entry("600", "400", "300", "10");
  for (std::string CartonEntry::*box : {&CartonEntry::length, &CartonEntry::width, &CartonEntry::height,
                                        &CartonEntry::count, &CartonEntry::upendLayers, &CartonEntry::weight}) {
    CartonEntry e = good;
    e.*box = "1x";
    EXPECT_EQ(checkCartonEntry(p.project, p.added, true, e).message, inputProblemMessage());
    e.*box = "-4";
    EXPECT_EQ(checkCartonEntry(p.project, p.added, true, e).message, inputProblemMessage());
  }
}

TEST(CartonForm, namesTheFirstEdgeBelowThirtyMillimetres) {
  NewCartonProject p;
  EXPECT_EQ(checkCartonEntry(p.project, p.added, true, entry("29", "20", "10", "1")).message,
            "您输入的纸箱L值太小，请检查后重新输入。纸箱的最小边长为30mm。");
  EXPECT_EQ(checkCartonEntry(p.project, p.added, true, entry("30", "20", "10", "1")).message,
            edgeTooSmallMessage("W"));
  EXPECT_EQ(checkCartonEntry(p.project, p.added, true, entry("30", "30", "0", "1")).message,
            edgeTooSmallMessage("H"));
  EXPECT_TRUE(checkCartonEntry(p.project, p.added, true, entry("30", "30", "30", "1")).accepted());
}

TEST(CartonForm, checksCountWeightAndPositionInThatOrder) {
  NewCartonProject p;
  CartonEntry e = entry("600", "400", "300", "0");
  e.weight = "-0.5";
  e.spaceItem = -1;
  EXPECT_EQ(checkCartonEntry(p.project, p.added, true, e).message,
            "您输入的纸箱数量不正确，请检查后重新输入。");
  e.count = "1";
  EXPECT_EQ(checkCartonEntry(p.project, p.added, true, e).message,
            "您输入的纸箱重量不正确，请检查后重新输入。");
  e.weight = "0";
  EXPECT_EQ(checkCartonEntry(p.project, p.added, true, e).message,
            "您没有正确选择位置要求，请检查后重新输入。");
  e.spaceItem = kItemInner;
  EXPECT_TRUE(checkCartonEntry(p.project, p.added, true, e).accepted());
}

TEST(CartonForm, checksTheNameBeforeEverythingElse) {
  NewCartonProject p;
  CartonEntry e = entry("", "", "", "");
  e.name = "纸箱😀";
  EXPECT_EQ(checkCartonEntry(p.project, p.added, true, e).message, unstorableNameMessage());
  e.name = "";
  e = entry("600", "400", "300", "1");
  e.name = "";
  EXPECT_TRUE(checkCartonEntry(p.project, p.added, true, e).accepted()) << "an empty name is allowed";
}

TEST(CartonForm, newCartonsBeyondTheContainerGiveTheRoomLeft) {
  NewCartonProject p;  // the demo container: 66 493 000 000 mm³
  CartonCheck check = checkCartonEntry(p.project, p.added, true, entry("600", "400", "300", "1000"));
  EXPECT_EQ(check.message, kVolumeNew + "即使利用全部剩余空间也只可能容纳本规格的纸箱923个。");
  EXPECT_TRUE(checkCartonEntry(p.project, p.added, true, entry("600", "400", "300", "923")).accepted());
}

TEST(CartonForm, theChecksWithoutTheContainerTakeWhatDoesNotFitAndNameTheRefusedBox) {
  FillScheme project;
  project.cartons.push_back(makeCarton(11800, 2300, 2450, 1));  // fills the container
  Carton& added = project.addCarton();
  const CartonEntry big = entry("600", "400", "300", "5000");
  EXPECT_EQ(checkCartonEntry(project, added, true, big).field, CartonField::Volume);
  const CartonCheck alone = checkCartonValues(added, big);
  ASSERT_TRUE(alone.accepted()) << alone.message;
  EXPECT_EQ(alone.carton.count, 5000);
  EXPECT_EQ(checkCartonValues(added, entry("600", "29", "300", "1")).field, CartonField::Width);
  EXPECT_EQ(checkCartonValues(added, entry("600", "400", "300", "0")).field, CartonField::Count);
  EXPECT_EQ(checkCartonValues(added, entry("600", "x", "300", "1")).field, CartonField::Numbers);
}

TEST(CartonForm, leavesTheRoomOutWhenNotOneMoreCartonFits) {
  FillScheme project;
  project.cartons.push_back(makeCarton(11800, 2300, 2450, 1));  // fills the container
  Carton& added = project.addCarton();
  EXPECT_EQ(checkCartonEntry(project, added, true, entry("600", "400", "300", "1")).message, kVolumeNew);
}

TEST(CartonForm, editedCartonsCountWithoutTheirOldVolume) {
  FillScheme project;
  project.cartons.push_back(makeCarton(600, 400, 300, 800));
  project.cartons.push_back(makeCarton(1000, 1000, 1000, 2));
  const Carton& edited = project.cartons[0];
  EXPECT_TRUE(checkCartonEntry(project, edited, false, cartonEntryOf(edited)).accepted())
      << "an unchanged carton fits where it was";
  // Room without the edited carton: 66 493 000 000 - 2 000 000 000 mm³, 895 cartons of 72 000 000.
  EXPECT_EQ(checkCartonEntry(project, edited, false, entry("600", "400", "300", "1000")).message,
            kVolumeEdit + "即使利用全部剩余空间也只可能容纳本规格的纸箱895个。");
}

TEST(CartonForm, anAcceptedEntryGivesTheEditedCarton) {
  FillScheme project;
  project.cartons.push_back(makeCarton(600, 400, 300, 5));
  CartonEntry e = entry("40000", "30", "30", "7");  // beyond the arrows' range is fine
  e.name = "电视机";
  e.weight = "12.5";
  e.mustUp = false;
  e.upendLayers = "4";  // kept although the box is disabled
  e.material = 9;
  e.spaceItem = kItemDoor;
  CartonCheck check = checkCartonEntry(project, project.cartons[0], false, e);
  ASSERT_TRUE(check.accepted()) << check.message;
  const Carton& c = check.carton;
  EXPECT_EQ(c.name, "电视机");
  EXPECT_EQ(c.length, 40000);
  EXPECT_EQ(c.width, 30);
  EXPECT_EQ(c.height, 30);
  EXPECT_EQ(c.count, 7);
  EXPECT_EQ(c.weight, 12.5);
  EXPECT_FALSE(c.mustUp);
  EXPECT_EQ(c.upendLayers, 4);
  EXPECT_EQ(c.material, 9);
  EXPECT_EQ(c.spaceIndex, 200);
}

TEST(CartonForm, negativeZeroWeightIsStoredAsZero) {
  NewCartonProject p;
  CartonEntry e = entry("600", "400", "300", "1");
  e.weight = "-0";
  CartonCheck check = checkCartonEntry(p.project, p.added, true, e);
  ASSERT_TRUE(check.accepted());
  EXPECT_EQ(cartonEntryOf(check.carton).weight, "0");
}

TEST(CartonForm, theCargoRulesGoIntoTheCartonAndBackIntoTheBoxes) {
  Carton c;
  c.length = c.width = c.height = 300;
  CartonEntry e = cartonEntryOf(c);
  EXPECT_TRUE(e.stackable);
  EXPECT_EQ(e.maxLoadOnTop, "");
  EXPECT_FALSE(e.fragile);
  EXPECT_EQ(e.stop, "");
  e.stackable = false;
  e.maxLoadOnTop = "80.5";
  e.fragile = true;
  e.stop = "上海";
  const CartonCheck check = checkCartonValues(c, e);
  ASSERT_TRUE(check.accepted()) << check.message;
  EXPECT_FALSE(check.carton.stackable);
  EXPECT_EQ(check.carton.maxLoadOnTop, 80.5);
  EXPECT_TRUE(check.carton.fragile);
  EXPECT_EQ(check.carton.stop, "上海");
  const CartonEntry back = cartonEntryOf(check.carton);
  EXPECT_EQ(back.maxLoadOnTop, "80.5");
  EXPECT_EQ(back.stop, "上海");
  // A limit of 0 is a limit; an emptied box none.
  e.maxLoadOnTop = "0";
  EXPECT_EQ(checkCartonValues(check.carton, e).carton.maxLoadOnTop, 0.0);
  e.maxLoadOnTop = "";
  EXPECT_FALSE(checkCartonValues(check.carton, e).carton.maxLoadOnTop);
}

TEST(CartonForm, refusesABadLoadOnTopAndAStopNameItCannotSave) {
  Carton c;
  c.length = c.width = c.height = 300;
  CartonEntry e = cartonEntryOf(c);
  for (const char* bad : {"-1", "heavy", "1.2.3"}) {
    e.maxLoadOnTop = bad;
    const CartonCheck check = checkCartonValues(c, e);
    EXPECT_EQ(check.field, CartonField::LoadOnTop) << bad;
    EXPECT_EQ(check.message, loadOnTopMessage());
  }
  e.maxLoadOnTop = "";
  e.stop = std::string(31, 's');
  EXPECT_EQ(checkCartonValues(c, e).field, CartonField::Stop);
  e.stop = "Box ☃";  // not in GBK
  EXPECT_EQ(checkCartonValues(c, e).message, stopNameMessage());
}

TEST(CartonForm, aNewStopJoinsTheListAsTheLast) {
  FillScheme p;
  addStopIfNew(p, "");
  EXPECT_TRUE(p.stops.empty());
  addStopIfNew(p, "上海");
  addStopIfNew(p, "苏州");
  addStopIfNew(p, "上海");
  EXPECT_EQ(p.stops, (std::vector<std::string>{"上海", "苏州"}));
}
