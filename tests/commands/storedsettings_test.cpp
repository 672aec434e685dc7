#include <gtest/gtest.h>

#include "commands/storedsettings.h"

namespace {

StoredSettings someChosenSettings() {
  StoredSettings stored;
  Settings& s = stored.settings;
  s.spacingL = 10, s.spacingW = 5, s.spacingH = 50, s.maxBlockNum = 9;
  s.containers = {Container{"A", 5898, 2352, 2393, 21000}, Container{"四十尺 高柜", 12032, 2350, 2698, 26000}};
  s.planningMode = PlanningMode::LoadMax;
  s.supportPercent = 75;
  s.loadMaxTimeLimit = 0.1;
  stored.projectFolder = "/home/user/项目";
  stored.exportFolder = "/home/user/Documents/Cargolyx";
  stored.recentFiles = {"/home/user/项目/demo.pak", "/tmp/a.pak"};
  s.language = "en";
  PalletType half{"半托 800", 800, 600, 120, 12.5, 1400, 600.5, 20, false, 0, kForkFromEnds};
  s.pallets = {half, palletPresets()[1]};
  return stored;
}

}  // namespace

TEST(StoredSettings, whatIsWrittenIsReadBack) {
  const StoredSettings chosen = someChosenSettings();
  EXPECT_EQ(readStoredSettings(writeStoredSettings(chosen)), chosen);
  // The library's order is kept: the first row stays the default container.
  EXPECT_EQ(readStoredSettings(writeStoredSettings(chosen)).settings.defaultContainer().name, "A");
}

TEST(StoredSettings, theLibrarysBalanceWindowsAndVehiclesAreReadBack) {
  StoredSettings chosen = someChosenSettings();
  std::vector<ContainerType>& library = chosen.settings.containers;
  library.push_back(ContainerType{Container{"半挂", 13600, 2450, 2700, 24000}, 1500.0, 2});
  library.push_back(ContainerType{Container{"卡车", 7200, 2400, 2500, 9000}, std::nullopt, std::nullopt});
  // A window along the length and up, and a semi-trailer; a window across and a rigid truck.
  library[2].container.balance = BalanceWindow{5.0, std::nullopt, 1500};
  library[2].container.vehicle = vehiclePresets().back().vehicle;
  library[3].container.balance.widthPercent = 12.5;
  library[3].container.vehicle = vehiclePresets().front().vehicle;
  const SettingsText text = writeStoredSettings(chosen);
  EXPECT_EQ(readStoredSettings(text), chosen);
  EXPECT_FALSE(text.contains("library/1/vehicle/kind")) << "nothing is written for a container without one";
  // A vehicle that cannot be worked out leaves its row out.
  SettingsText broken = text;
  broken["library/4/vehicle/wheelbase"] = "0";
  EXPECT_EQ(readStoredSettings(broken).settings.containers.size(), 3u);
}

TEST(StoredSettings, nothingStoredGivesTheDefaults) {
  EXPECT_EQ(readStoredSettings({}), StoredSettings{});
}

TEST(StoredSettings, eachUnreadableOrAbsurdValueFallsBackAlone) {
  SettingsText text = writeStoredSettings(someChosenSettings());
  text["spacing/length"] = "-3";
  text["spacing/width"] = "abc";
  text["spacing/height"] = "99999999999";  // beyond 32 bits
  text["blocks/maxBlockNum"] = "0";
  text["planning/mode"] = "fastest";
  text["planning/supportPercent"] = "150";
  text["planning/timeLimit"] = "1e308";
  text["folders/project"] = "relative/folder";
  text["folders/export"] = "/tmp/a\nb";
  text["recent/file0"] = "demo.pak";  // not absolute: dropped, the next one moves up
  text["window/language"] = "English";

  const StoredSettings read = readStoredSettings(text);
  const Settings defaults;
  EXPECT_EQ(read.settings.spacingL, defaults.spacingL);
  EXPECT_EQ(read.settings.spacingW, defaults.spacingW);
  EXPECT_EQ(read.settings.spacingH, defaults.spacingH);
  EXPECT_EQ(read.settings.maxBlockNum, defaults.maxBlockNum);
  EXPECT_EQ(read.settings.planningMode, PlanningMode::Sets);
  EXPECT_EQ(read.settings.supportPercent, 100);
  EXPECT_EQ(read.settings.loadMaxTimeLimit, 2.0);
  EXPECT_EQ(read.projectFolder, "");
  EXPECT_EQ(read.exportFolder, "");
  EXPECT_EQ(read.recentFiles, std::vector<std::string>{"/tmp/a.pak"});
  EXPECT_EQ(read.settings.language, "");
  // What was sound stays.
  EXPECT_EQ(read.settings.containers, someChosenSettings().settings.containers);

  for (const char* limit : {"0", "-1", "nan", "inf", "3600.5"}) {
    text["planning/timeLimit"] = limit;
    EXPECT_EQ(readStoredSettings(text).settings.loadMaxTimeLimit, 2.0) << limit;
  }
}

TEST(StoredSettings, libraryRowsTheContainerDialogWouldRefuseAreLeftOut) {
  SettingsText text = writeStoredSettings(someChosenSettings());
  const std::string emoji = "\xF0\x9F\x98\x80";  // GBK cannot store it in a project file
  text["library/1/name"] = emoji;
  text["library/size"] = std::to_string(3);  // a third row that is not there
  std::vector<ContainerType> library = readStoredSettings(text).settings.containers;
  ASSERT_EQ(library.size(), 1u);
  EXPECT_EQ(library[0].container.name, "四十尺 高柜");

  text = writeStoredSettings(someChosenSettings());
  text["library/2/maxWeight"] = "20.5";
  text["library/2/length"] = "-1";
  EXPECT_EQ(readStoredSettings(text).settings.containers.size(), 1u);

  // An absurd size reads no more rows than the bound, and no row that is not there.
  text["library/size"] = "2147483647";
  EXPECT_EQ(readStoredSettings(text).settings.containers.size(), 1u);
  text["library/size"] = "many";
  EXPECT_TRUE(readStoredSettings(text).settings.containers.empty());
}

TEST(StoredSettings, palletLibraryRowsThatMakeNoPalletAreLeftOut) {
  SettingsText text = writeStoredSettings(someChosenSettings());
  ASSERT_EQ(text.at("pallets/size"), "2");
  text["pallets/1/maxHeight"] = "100";  // below the base
  const Settings read = readStoredSettings(text).settings;
  ASSERT_EQ(read.pallets.size(), 1u);
  EXPECT_EQ(read.pallets[0].name, "ISO");
  text["pallets/2/stackable"] = "maybe";
  EXPECT_TRUE(readStoredSettings(text).settings.pallets.empty());
}
