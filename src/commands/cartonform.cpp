#include "commands/cartonform.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

#include "commands/entrycheck.h"
#include "model/language.h"

namespace {

// A whole number held in a double, in plain decimal digits.
std::string wholeNumberText(double value) {
  char buffer[400];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 0);
  return ec == std::errc() ? std::string(buffer, end) : std::string();
}

std::string sizeText(std::int32_t size) { return size > 0 ? std::to_string(size) : std::string(); }

struct EnteredNumbers {
  std::int32_t length, width, height, count, upendLayers;
  double weight;
};

std::optional<EnteredNumbers> readNumbers(const CartonEntry& e) {
  auto l = readCheckedInteger(e.length);
  auto w = readCheckedInteger(e.width);
  auto h = readCheckedInteger(e.height);
  auto count = readCheckedInteger(e.count);
  auto layers = readCheckedInteger(e.upendLayers);
  auto weight = readCheckedNumber(e.weight);
  if (!l || !w || !h || !count || !layers || !weight) return std::nullopt;
  return EnteredNumbers{*l, *w, *h, *count, *layers, *weight};
}

// The first edge below the smallest size, as "L", "W" or "H"; empty when all are large enough.
std::string firstShortEdge(const EnteredNumbers& n) {
  if (n.length < kMinCartonEdge) return "L";
  if (n.width < kMinCartonEdge) return "W";
  if (n.height < kMinCartonEdge) return "H";
  return {};
}

// The volume message when the entered cartons would not fit beside the others; empty
// when they do. All volumes in mm³.
std::string checkVolume(const FillScheme& project, const Carton& edited, bool newMode,
                        const EnteredNumbers& n) {
  const double containerVolume = project.container.volume();
  const double listVolume = project.netVolume();  // the edited carton with its old values
  const double unit = static_cast<double>(n.length) * n.width * n.height;
  const double entered = n.count * unit;
  // In new mode the carton still has its default size, so it adds nothing to listVolume.
  const double old = newMode ? 0.0 : edited.count * edited.volume();
  if (listVolume - old + entered <= containerVolume) return {};
  const double roomFor = unit > 0.0 ? std::trunc((old + containerVolume - listVolume) / unit) : 0.0;
  return volumeExceededMessage(newMode, roomFor);
}

Carton withEntry(Carton carton, const CartonEntry& e, const EnteredNumbers& n) {
  carton.name = e.name;
  carton.length = n.length;
  carton.width = n.width;
  carton.height = n.height;
  carton.count = n.count;
  carton.mustUp = e.mustUp;
  carton.upendLayers = n.upendLayers;
  carton.weight = n.weight == 0.0 ? 0.0 : n.weight;  // no "-0" in the box next time
  if (e.material >= 0 && e.material < kMaterialCount) carton.material = e.material;
  carton.spaceIndex = spaceIndexOfItem(e.spaceItem);
  carton.stackable = e.stackable;
  carton.maxLoadOnTop.reset();
  if (const auto limit = readCheckedNumber(e.maxLoadOnTop)) carton.maxLoadOnTop = *limit == 0.0 ? 0.0 : *limit;
  carton.fragile = e.fragile;
  carton.stop = e.stop;
  return carton;
}

// An empty box: no limit; else a number of at least 0.
bool isLoadOnTop(const std::string& text) {
  if (text.empty()) return true;
  const auto value = readCheckedNumber(text);
  return value && *value >= 0.0;
}

}  // namespace

const std::vector<std::string>& materialNames() {
  static const std::vector<std::string> chinese = {"草绿", "大红", "浅蓝", "黄色", "灰色",
                                                   "深蓝", "土黄", "亮紫", "石青", "棕色"};
  static const std::vector<std::string> english = {"Grass green", "Bright red", "Light blue",
                                                   "Yellow",      "Grey",       "Dark blue",
                                                   "Ochre",       "Bright purple", "Azure",
                                                   "Brown"};
  return currentLanguage() == Language::English ? english : chinese;
}

const std::vector<std::string>& spaceItemTexts() {
  static const std::vector<std::string> chinese = {"无特殊要求", "尽量靠里（尽量先放）",
                                                   "尽量靠门（尽量后放）"};
  static const std::vector<std::string> english = {
      "No requirement", "Towards the back (loaded first)", "Towards the door (loaded last)"};
  return currentLanguage() == Language::English ? english : chinese;
}

std::int32_t spaceIndexOfItem(int item) {
  switch (item) {
    case kItemInner: return kSpaceInner;
    case kItemDoor: return kSpaceDoor;
    default: return kSpaceNone;
  }
}

int itemOfSpaceIndex(std::int32_t spaceIndex) {
  switch (spaceIndex) {
    case kSpaceInner: return kItemInner;
    case kSpaceDoor: return kItemDoor;
    default: return kItemNoRequirement;
  }
}

CartonEntry cartonEntryOf(const Carton& c) {
  CartonEntry e;
  e.name = c.name;
  e.length = sizeText(c.length);
  e.width = sizeText(c.width);
  e.height = sizeText(c.height);
  e.count = std::to_string(c.count);
  e.upendLayers = c.mustUp ? std::to_string(c.upendLayers) : "0";
  e.weight = numberText(c.weight);
  e.mustUp = c.mustUp;
  e.material = c.material;
  e.spaceItem = itemOfSpaceIndex(c.spaceIndex);
  e.stackable = c.stackable;
  e.maxLoadOnTop = c.maxLoadOnTop ? numberText(*c.maxLoadOnTop) : std::string();
  e.fragile = c.fragile;
  e.stop = c.stop;
  return e;
}

CartonCheck checkCartonValues(const Carton& base, const CartonEntry& entry) {
  if (!isAcceptableName(entry.name)) return {unstorableNameMessage(), {}, CartonField::Name};
  const std::optional<EnteredNumbers> numbers = readNumbers(entry);
  if (!numbers) return {inputProblemMessage(), {}, CartonField::Numbers};
  if (std::string edge = firstShortEdge(*numbers); !edge.empty()) {
    const CartonField field = edge == "L" ? CartonField::Length : edge == "W" ? CartonField::Width : CartonField::Height;
    return {edgeTooSmallMessage(edge), {}, field};
  }
  if (numbers->count < 1) return {cartonCountMessage(), {}, CartonField::Count};
  if (numbers->weight < 0.0) return {cartonWeightMessage(), {}, CartonField::Weight};
  if (entry.spaceItem < kItemNoRequirement || entry.spaceItem > kItemDoor)
    return {spaceRequirementMessage(), {}, CartonField::Position};
  if (!isLoadOnTop(entry.maxLoadOnTop)) return {loadOnTopMessage(), {}, CartonField::LoadOnTop};
  if (!entry.stop.empty() && !isAcceptableName(entry.stop)) return {stopNameMessage(), {}, CartonField::Stop};
  return {{}, withEntry(base, entry, *numbers)};
}

CartonCheck checkCartonEntry(const FillScheme& project, const Carton& edited, bool newMode,
                             const CartonEntry& entry, bool volumeCapped) {
  CartonCheck check = checkCartonValues(edited, entry);
  if (!check.accepted() || !volumeCapped) return check;
  const std::optional<EnteredNumbers> numbers = readNumbers(entry);
  if (std::string message = checkVolume(project, edited, newMode, *numbers); !message.empty())
    return {message, {}, CartonField::Volume};
  return check;
}

std::string edgeTooSmallMessage(const std::string& edge) {
  if (currentLanguage() == Language::English)
    return "The carton's " + edge + " value you entered is too small; please check it and enter it again. "
           "A carton's shortest edge is " + std::to_string(kMinCartonEdge) + " mm.";
  return "您输入的纸箱" + edge + "值太小，请检查后重新输入。纸箱的最小边长为" +
         std::to_string(kMinCartonEdge) + "mm。";
}

std::string cartonCountMessage() {
  return inLanguage("您输入的纸箱数量不正确，请检查后重新输入。",
                    "The carton count you entered is not valid; please check it and enter it again.");
}

std::string cartonWeightMessage() {
  return inLanguage("您输入的纸箱重量不正确，请检查后重新输入。",
                    "The carton weight you entered is not valid; please check it and enter it again.");
}

std::string spaceRequirementMessage() {
  return inLanguage("您没有正确选择位置要求，请检查后重新输入。",
                    "No valid position requirement is chosen; please check it and choose again.");
}

std::string loadOnTopMessage() {
  return inLanguage("您输入的顶部最大承重不正确，请检查后重新输入。不限承重时请留空。",
                    "The maximum load on top you entered is not valid; please check it and enter it again. "
                    "Leave it empty for no limit.");
}

std::string stopNameMessage() {
  return inLanguage("您输入的目的地名称过长或含有无法保存的字符，请检查后重新输入。",
                    "The stop's name you entered is too long or holds characters that cannot be saved; please "
                    "check it and enter it again.");
}

void addStopIfNew(ProjectInput& project, const std::string& stop) {
  if (stop.empty() || std::find(project.stops.begin(), project.stops.end(), stop) != project.stops.end()) return;
  project.stops.push_back(stop);
}

std::string volumeExceededMessage(bool newMode, double roomFor) {
  std::string message =
      newMode ? inLanguage("您输入的纸箱总体积超过集装箱所能容纳的体积。",
                           "The total volume of the cartons you entered exceeds what the container holds.")
              : inLanguage("纸箱总体积超过集装箱所能容纳的体积。",
                           "The total volume of the cartons exceeds what the container holds.");
  if (roomFor > 0.0)
    message += inLanguage("即使利用全部剩余空间也只可能容纳本规格的纸箱",
                          " Even all the remaining space holds only ") +
               wholeNumberText(roomFor) + inLanguage("个。", " cartons of this size.");
  return message;
}
