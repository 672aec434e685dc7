#include "commands/storedsettings.h"

#include <algorithm>
#include <cmath>

#include "commands/containerform.h"
#include "commands/entrycheck.h"
#include "platform/language.h"

namespace {

const char* const kSpacingL = "spacing/length";
const char* const kSpacingW = "spacing/width";
const char* const kSpacingH = "spacing/height";
const char* const kMaxBlockNum = "blocks/maxBlockNum";
const char* const kMode = "planning/mode";
const char* const kSupportPercent = "planning/supportPercent";
const char* const kTimeLimit = "planning/timeLimit";
const char* const kFleetGoal = "planning/fleetGoal";
const char* const kFleetTimeLimit = "planning/fleetTimeLimit";
const char* const kLibrarySize = "library/size";
const char* const kPalletLibrarySize = "pallets/size";
const char* const kProjectFolder = "folders/project";
const char* const kExportFolder = "folders/export";
const char* const kLanguage = "window/language";
const char* const kRecentFile = "recent/file";  // recent/file0 (newest) to recent/file7

const char* const kModeSets = "sets";
const char* const kModeLoadMax = "loadmax";
const char* const kModeFleet = "fleet";
const char* const kGoalFixed = "fixed";
const char* const kGoalCheapest = "cheapest";

// The key of one field of the library's row at 0-based index: "library/1/name" for the first.
std::string rowKey(std::size_t index, const char* field) {
  return "library/" + std::to_string(index + 1) + "/" + field;
}

std::string valueOf(const SettingsText& text, const std::string& key) {
  const auto found = text.find(key);
  return found == text.end() ? std::string() : found->second;
}

std::int32_t integerOr(const SettingsText& text, const char* key, std::int32_t fallback, std::int32_t low,
                       std::int32_t high) {
  const auto value = readCheckedInteger(valueOf(text, key));
  return value && *value >= low && *value <= high ? *value : fallback;
}

// A folder is kept only as an absolute path without control characters.
std::string folderOr(const SettingsText& text, const char* key) {
  std::string folder = valueOf(text, key);
  const bool plain = std::none_of(folder.begin(), folder.end(),
                                  [](char c) { return static_cast<unsigned char>(c) < 0x20; });
  return !folder.empty() && folder.front() == '/' && plain ? folder : std::string();
}

// The balance window's and the vehicle's columns of a library row, by key; a key is
// written only when its column holds something.
struct RowField {
  const char* key;
  std::string ContainerRow::*text;
};
constexpr RowField kRuleFields[] = {
    {"balance/length", &ContainerRow::balanceLength},
    {"balance/width", &ContainerRow::balanceWidth},
    {"balance/height", &ContainerRow::balanceHeight},
    {"vehicle/wheelbase", &ContainerRow::wheelbase},
    {"vehicle/frontAxleToCargo", &ContainerRow::frontAxleToCargo},
    {"vehicle/kingpinSetback", &ContainerRow::kingpinSetback},
    {"vehicle/kingpinToTrailerAxle", &ContainerRow::kingpinToTrailerAxle},
    {"vehicle/fifthWheelLead", &ContainerRow::fifthWheelLead},
};
const char* const kVehicleKind = "vehicle/kind";
const char* const kVehicleRigid = "rigid";
const char* const kVehicleSemi = "semitrailer";

std::string axleKey(const char* what, std::size_t axle) { return std::string("vehicle/") + what + std::to_string(axle + 1); }

void readRuleColumns(const SettingsText& text, std::size_t i, ContainerRow& row) {
  for (const RowField& field : kRuleFields) row.*field.text = valueOf(text, rowKey(i, field.key));
  const std::string kind = valueOf(text, rowKey(i, kVehicleKind));
  row.vehicle = kind == kVehicleRigid ? kItemRigidTruck : kind == kVehicleSemi ? kItemSemiTrailer : kItemNoVehicle;
  for (std::size_t axle = 0; axle < kMaxAxles; ++axle) {
    row.tare[axle] = valueOf(text, rowKey(i, axleKey("tare", axle).c_str()));
    row.maxAxleLoad[axle] = valueOf(text, rowKey(i, axleKey("maxLoad", axle).c_str()));
  }
}

void writeRuleColumns(const ContainerRow& row, std::size_t i, SettingsText& text) {
  for (const RowField& field : kRuleFields)
    if (!(row.*field.text).empty()) text[rowKey(i, field.key)] = row.*field.text;
  if (row.vehicle == kItemNoVehicle) return;
  text[rowKey(i, kVehicleKind)] = row.vehicle == kItemRigidTruck ? kVehicleRigid : kVehicleSemi;
  for (std::size_t axle = 0; axle < kMaxAxles; ++axle) {
    if (!row.tare[axle].empty()) text[rowKey(i, axleKey("tare", axle).c_str())] = row.tare[axle];
    if (!row.maxAxleLoad[axle].empty()) text[rowKey(i, axleKey("maxLoad", axle).c_str())] = row.maxAxleLoad[axle];
  }
}

std::vector<ContainerType> libraryOf(const SettingsText& text) {
  std::vector<ContainerType> library;
  const auto size = readCheckedInteger(valueOf(text, kLibrarySize));
  if (!size) return library;
  const std::size_t rows = std::min<std::size_t>(static_cast<std::size_t>(*size), kMaxStoredContainers);
  for (std::size_t i = 0; i < rows; ++i) {
    ContainerRow row{valueOf(text, rowKey(i, "name")), valueOf(text, rowKey(i, "length")),
                     valueOf(text, rowKey(i, "width")), valueOf(text, rowKey(i, "height")),
                     valueOf(text, rowKey(i, "maxWeight")), valueOf(text, rowKey(i, "cost")),
                     valueOf(text, rowKey(i, "available"))};
    readRuleColumns(text, i, row);
    // A row the container dialog would refuse is left out, the others stay.
    if (!checkContainerRow(row).empty()) continue;
    if (auto type = containerTypeOf(row)) library.push_back(*type);
  }
  return library;
}

// The key of one field of the pallet library's row at 0-based index: "pallets/1/name" for the first.
std::string palletKey(std::size_t index, const char* field) {
  return "pallets/" + std::to_string(index + 1) + "/" + field;
}

// The pallet library: a row with a value missing or out of range, or that makes no pallet,
// is left out.
std::vector<PalletType> palletLibraryOf(const SettingsText& text) {
  std::vector<PalletType> library;
  const auto size = readCheckedInteger(valueOf(text, kPalletLibrarySize));
  if (!size) return library;
  const std::size_t rows = std::min<std::size_t>(static_cast<std::size_t>(*size), kMaxStoredPallets);
  for (std::size_t i = 0; i < rows; ++i) {
    const auto whole = [&](const char* field) { return readCheckedInteger(valueOf(text, palletKey(i, field))); };
    const auto number = [&](const char* field) {
      const auto value = readCheckedNumber(valueOf(text, palletKey(i, field)));
      return value && std::isfinite(*value) ? value : std::nullopt;
    };
    const std::string stackable = valueOf(text, palletKey(i, "stackable"));
    const auto length = whole("length"), width = whole("width"), base = whole("baseHeight");
    const auto maxHeight = whole("maxHeight"), overhang = whole("overhang");
    const auto tare = number("tareWeight"), gross = number("maxGrossWeight"), onTop = number("maxLoadOnTop");
    if (!length || !width || !base || !maxHeight || !overhang || !tare || !gross || !onTop ||
        (stackable != "0" && stackable != "1"))
      continue;
    PalletType type{valueOf(text, palletKey(i, "name")), *length, *width, *base, *tare, *maxHeight, *gross,
                    *overhang, stackable == "1", *onTop, forkEntryOfName(valueOf(text, palletKey(i, "forkEntry")))};
    if (type.isUsable()) library.push_back(std::move(type));
  }
  return library;
}

}  // namespace

StoredSettings readStoredSettings(const SettingsText& text) {
  StoredSettings stored;
  Settings& s = stored.settings;
  const Settings defaults;
  constexpr std::int32_t kMaxInt = 2147483647;
  s.spacingL = integerOr(text, kSpacingL, defaults.spacingL, 0, kMaxInt);
  s.spacingW = integerOr(text, kSpacingW, defaults.spacingW, 0, kMaxInt);
  s.spacingH = integerOr(text, kSpacingH, defaults.spacingH, 0, kMaxInt);
  s.maxBlockNum = integerOr(text, kMaxBlockNum, defaults.maxBlockNum, 1, kMaxInt);
  s.containers = libraryOf(text);
  s.pallets = palletLibraryOf(text);

  const std::string mode = valueOf(text, kMode);
  s.planningMode = mode == kModeLoadMax ? PlanningMode::LoadMax
                   : mode == kModeFleet  ? PlanningMode::Fleet
                                         : PlanningMode::Sets;
  s.fleetGoal = valueOf(text, kFleetGoal) == kGoalFixed ? FleetGoal::FixedFleet : FleetGoal::Cheapest;
  const auto fleetTimeLimit = readCheckedNumber(valueOf(text, kFleetTimeLimit));
  s.fleetTimeLimit = fleetTimeLimit && std::isfinite(*fleetTimeLimit) && *fleetTimeLimit > 0.0 &&
                             *fleetTimeLimit <= kMaxStoredTimeLimit
                         ? *fleetTimeLimit
                         : defaults.fleetTimeLimit;
  s.supportPercent = integerOr(text, kSupportPercent, defaults.supportPercent, 0, 100);
  const auto timeLimit = readCheckedNumber(valueOf(text, kTimeLimit));
  s.loadMaxTimeLimit = timeLimit && std::isfinite(*timeLimit) && *timeLimit > 0.0 && *timeLimit <= kMaxStoredTimeLimit
                           ? *timeLimit
                           : defaults.loadMaxTimeLimit;

  stored.projectFolder = folderOr(text, kProjectFolder);
  stored.exportFolder = folderOr(text, kExportFolder);
  if (const auto found = text.find(kLanguage); found != text.end() && languageFromCode(found->second))
    stored.settings.language = found->second;
  for (std::size_t i = 0; i < kMaxRecentFiles; ++i) {
    const std::string key = kRecentFile + std::to_string(i);
    std::string file = folderOr(text, key.c_str());  // the same rule: absolute, no control characters
    if (!file.empty()) stored.recentFiles.push_back(std::move(file));
  }
  return stored;
}

SettingsText writeStoredSettings(const StoredSettings& stored) {
  const Settings& s = stored.settings;
  SettingsText text{
      {kSpacingL, std::to_string(s.spacingL)},
      {kSpacingW, std::to_string(s.spacingW)},
      {kSpacingH, std::to_string(s.spacingH)},
      {kMaxBlockNum, std::to_string(s.maxBlockNum)},
      {kMode, s.planningMode == PlanningMode::LoadMax ? kModeLoadMax
              : s.planningMode == PlanningMode::Fleet ? kModeFleet
                                                      : kModeSets},
      {kFleetGoal, s.fleetGoal == FleetGoal::FixedFleet ? kGoalFixed : kGoalCheapest},
      {kFleetTimeLimit, numberText(s.fleetTimeLimit)},
      {kSupportPercent, std::to_string(s.supportPercent)},
      {kTimeLimit, numberText(s.loadMaxTimeLimit)},
      {kLibrarySize, std::to_string(s.containers.size())},
  };
  for (std::size_t i = 0; i < s.containers.size(); ++i) {
    const ContainerRow row = rowOf(s.containers[i]);
    text[rowKey(i, "name")] = row.name;
    text[rowKey(i, "length")] = row.length;
    text[rowKey(i, "width")] = row.width;
    text[rowKey(i, "height")] = row.height;
    text[rowKey(i, "maxWeight")] = row.maxWeight;
    if (!row.cost.empty()) text[rowKey(i, "cost")] = row.cost;
    if (!row.available.empty()) text[rowKey(i, "available")] = row.available;
    writeRuleColumns(row, i, text);
  }
  if (!s.pallets.empty()) text[kPalletLibrarySize] = std::to_string(s.pallets.size());
  for (std::size_t i = 0; i < s.pallets.size(); ++i) {
    const PalletType& type = s.pallets[i];
    text[palletKey(i, "name")] = type.name;
    text[palletKey(i, "length")] = std::to_string(type.length);
    text[palletKey(i, "width")] = std::to_string(type.width);
    text[palletKey(i, "baseHeight")] = std::to_string(type.baseHeight);
    text[palletKey(i, "tareWeight")] = numberText(type.tareWeight);
    text[palletKey(i, "maxHeight")] = std::to_string(type.maxHeight);
    text[palletKey(i, "maxGrossWeight")] = numberText(type.maxGrossWeight);
    text[palletKey(i, "overhang")] = std::to_string(type.overhang);
    text[palletKey(i, "stackable")] = std::to_string(type.stackable ? 1 : 0);
    text[palletKey(i, "maxLoadOnTop")] = numberText(type.maxLoadOnTop);
    text[palletKey(i, "forkEntry")] = forkEntryName(type.forkEntry);
  }
  if (!stored.projectFolder.empty()) text[kProjectFolder] = stored.projectFolder;
  if (!stored.exportFolder.empty()) text[kExportFolder] = stored.exportFolder;
  if (languageFromCode(stored.settings.language)) text[kLanguage] = stored.settings.language;
  for (std::size_t i = 0; i < stored.recentFiles.size() && i < kMaxRecentFiles; ++i)
    text[kRecentFile + std::to_string(i)] = stored.recentFiles[i];
  return text;
}
