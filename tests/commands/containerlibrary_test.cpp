#include <gtest/gtest.h>

#include <string>

#include "commands/containerlibrary.h"
#include "commands/entrycheck.h"

namespace {

const Container kA{"A", 5898, 2352, 2393, 21000};
const Container kB{"B", 12032, 2350, 2698, 26000};
const Container kC{"C", 13556, 2440, 2698, 26000};

std::vector<std::string> names(const ContainerLibrary& library) {
  std::vector<std::string> list;
  for (const ContainerRow& row : library.rows()) list.push_back(row.name);
  return list;
}

}  // namespace

TEST(ContainerLibrary, anEmptyLibraryShowsTheProjectContainerSelected) {
  ContainerLibrary library;
  library.load({}, Container{});
  ASSERT_EQ(library.rows().size(), 1u);
  EXPECT_EQ(library.rows()[0], (ContainerRow{"演示集装箱", "11800", "2300", "2450", "20000"}));
  EXPECT_EQ(library.selected(), 0u);
}

TEST(ContainerLibrary, selectsTheProjectContainerInPlace) {
  ContainerLibrary library;
  library.load({kA, kB, kC}, kB);
  EXPECT_EQ(names(library), (std::vector<std::string>{"A", "B", "C"}));
  EXPECT_EQ(library.selected(), 1u);
}

TEST(ContainerLibrary, addsARowForAProjectContainerThatDiffersInOneField) {
  Container current = kB;
  current.maxWeight = 25000;
  ContainerLibrary library;
  library.load({kA, kB}, current);
  EXPECT_EQ(names(library), (std::vector<std::string>{"A", "B", "B"}));
  EXPECT_EQ(library.selected(), 2u);
  EXPECT_EQ(library.rows()[2].maxWeight, "25000");
}

TEST(ContainerLibrary, loadingAgainForgetsTheEditsOfLastTime) {
  ContainerLibrary library;
  library.load({kA}, kA);
  library.addRow();
  library.load({kA}, kA);
  EXPECT_EQ(library.rows().size(), 1u);
  EXPECT_EQ(library.selected(), 0u);
}

TEST(ContainerLibrary, marksTheFirstRowAsTheDefault) {
  EXPECT_EQ(rowMarker(0), std::string(94, ' ') + "0");
  EXPECT_EQ(rowMarker(1), std::string(94, ' ') + "1");
  EXPECT_EQ(rowMarker(5), std::string(94, ' ') + "1");
}

TEST(ContainerLibrary, addThenDiscardLeavesTheListAsItWas) {
  ContainerLibrary library;
  library.load({kA, kB, kC}, kB);
  library.addRow();
  EXPECT_EQ(library.rows().size(), 4u);
  EXPECT_EQ(library.selected(), 3u);
  EXPECT_EQ(*library.selectedRow(), ContainerRow{});
  EXPECT_TRUE(library.discardNewRow());
  EXPECT_EQ(names(library), (std::vector<std::string>{"A", "B", "C"}));
  EXPECT_EQ(library.selected(), 1u);
}

TEST(ContainerLibrary, addThenWriteKeepsTheNewRow) {
  ContainerLibrary library;
  library.load({kA}, kA);
  library.addRow();
  EXPECT_TRUE(library.setSelectedRow(rowOf(kC)));
  EXPECT_EQ(names(library), (std::vector<std::string>{"A", "C"}));
  EXPECT_EQ(library.selected(), 1u);
}

TEST(ContainerLibrary, setDefaultMovesTheSelectedRowToTheTop) {
  ContainerLibrary library;
  library.load({kA, kB, kC}, kC);
  EXPECT_TRUE(library.moveSelectedToTop());
  EXPECT_EQ(names(library), (std::vector<std::string>{"C", "A", "B"}));
  EXPECT_EQ(library.selected(), 0u);
  EXPECT_TRUE(library.moveSelectedToTop()) << "the top row stays where it is";
  EXPECT_EQ(names(library), (std::vector<std::string>{"C", "A", "B"}));
}

TEST(ContainerLibrary, deleteRemovesTheSelectedRowAndSelectsNothing) {
  ContainerLibrary library;
  library.load({kA, kB, kC}, kB);
  EXPECT_TRUE(library.removeSelected());
  EXPECT_EQ(names(library), (std::vector<std::string>{"A", "C"}));
  EXPECT_FALSE(library.selected());
  EXPECT_EQ(library.selectedRow(), nullptr);
  EXPECT_FALSE(library.removeSelected());
  EXPECT_FALSE(library.moveSelectedToTop());
  EXPECT_FALSE(library.setSelectedRow(rowOf(kA)));
  EXPECT_FALSE(library.discardNewRow());
  EXPECT_EQ(library.rows().size(), 2u);
}

TEST(ContainerLibrary, selectingPastTheEndSelectsNothing) {
  ContainerLibrary library;
  library.load({kA, kB}, kA);
  library.select(1);
  EXPECT_EQ(library.selected(), 1u);
  library.select(2);
  EXPECT_FALSE(library.selected());
}

TEST(ContainerLibrary, readsEveryRowBackAsAContainer) {
  ContainerLibrary library;
  library.load({kA, kB}, kC);
  auto list = library.containers();
  ASSERT_TRUE(list);
  EXPECT_EQ(*list, (std::vector<ContainerType>{kA, kB, kC}));
  library.select(0);
  library.setSelectedRow(ContainerRow{"X", "1", "2", "3", "4.5"});
  EXPECT_FALSE(library.containers()) << "a row that cannot be read is never stored half-read";
}

TEST(ContainerLibrary, containerRowCheck) {
  EXPECT_EQ(checkContainerRow(rowOf(kA)), "");
  EXPECT_EQ(checkContainerRow(ContainerRow{"", "1", "1", "1", "0"}), "") << "no name and no load pass";
  EXPECT_EQ(checkContainerRow(ContainerRow{"A", "+12", "2", "3", "4"}), "");
  const std::string problem = inputProblemMessage();
  // A size of 0: the dialog's message, and the limit it broke beside it.
  const std::string noRoom = problem + "集装箱的长、宽、高须至少为 1 mm。";
  EXPECT_EQ(checkContainerRow(ContainerRow{"A", "0", "2", "3", "4"}), noRoom) << "no length";
  EXPECT_EQ(checkContainerRow(ContainerRow{"A", "1", "0", "3", "4"}), noRoom) << "no width";
  EXPECT_EQ(checkContainerRow(ContainerRow{"A", "1", "2", "000", "4"}), noRoom) << "no height";
  EXPECT_EQ(checkContainerRow(ContainerRow{"A", "", "2", "3", "4"}), problem);
  EXPECT_EQ(checkContainerRow(ContainerRow{"A", "1", "-2", "3", "4"}), problem);
  EXPECT_EQ(checkContainerRow(ContainerRow{"A", "1", "2", "3a", "4"}), problem);
  EXPECT_EQ(checkContainerRow(ContainerRow{"A", "1", "2", "3", "20000.5"}), problem)
      << "the maximum load is whole kilograms";
  EXPECT_EQ(checkContainerRow(ContainerRow{"A", "1", "2", "3", "2147483648"}), problem);
  EXPECT_EQ(checkContainerRow(ContainerRow{"集装箱😀", "1", "2", "3", "4"}), unstorableNameMessage());
  EXPECT_EQ(checkContainerRow(ContainerRow{std::string(31, 'a'), "1", "2", "3", "4"}),
            unstorableNameMessage());
}

TEST(ContainerLibrary, theBalanceWindowAndTheVehicleGoIntoTheRowAndBack) {
  Container c{"挂车", 13600, 2450, 2700, 24000};
  EXPECT_EQ(rowOf(c).vehicle, kItemNoVehicle);
  EXPECT_EQ(rowOf(c).balanceLength, "");
  c.balance = BalanceWindow{5.0, 2.5, 1400};
  for (const VehiclePreset& preset : vehiclePresets()) {
    c.vehicle = preset.vehicle;
    const ContainerRow row = rowOf(c);
    EXPECT_EQ(row.balanceLength, "5");
    EXPECT_EQ(row.balanceWidth, "2.5");
    EXPECT_EQ(row.balanceHeight, "1400");
    EXPECT_EQ(containerOf(row), c) << preset.name;
    EXPECT_EQ(checkContainerRow(row), "");
  }
  // A preset replaces the vehicle's columns only.
  const ContainerRow rigid = withVehicle(rowOf(c), vehiclePresets().front().vehicle);
  EXPECT_EQ(rigid.vehicle, kItemRigidTruck);
  EXPECT_EQ(rigid.kingpinSetback, "");
  EXPECT_EQ(rigid.tare[2], "");
  EXPECT_EQ(rigid.balanceLength, "5");
}

TEST(ContainerLibrary, refusesABalanceWindowOrAVehicleThatCannotBeKept) {
  const std::string problem = inputProblemMessage();
  ContainerRow row = rowOf(Container{"A", 1000, 1000, 1000, 100});
  row.balanceLength = "51";
  EXPECT_EQ(checkContainerRow(row), problem) << "beyond half the length";
  row.balanceLength = "";
  row.balanceWidth = "x";
  EXPECT_EQ(checkContainerRow(row), problem);
  row.balanceWidth = "";
  row.balanceHeight = "1.5";
  EXPECT_EQ(checkContainerRow(row), problem);
  row.balanceHeight = "";
  row = withVehicle(row, vehiclePresets().front().vehicle);
  row.tare[0] = "";
  EXPECT_EQ(checkContainerRow(row), problem) << "an axle without its tare";
  row = withVehicle(row, vehiclePresets().front().vehicle);
  row.wheelbase = "0";
  EXPECT_EQ(checkContainerRow(row), vehicleProblem(*containerOf(row)->vehicle));
  EXPECT_NE(checkContainerRow(row), "");
}

TEST(ContainerLibrary, deleteAsksWithTheRowsName) {
  EXPECT_EQ(deleteRowQuestion(rowOf(kA)), "确实要从集装箱列表中删除“A”吗？");
}
