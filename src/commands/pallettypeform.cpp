#include "commands/pallettypeform.h"

#include <algorithm>
#include <optional>

#include "commands/entrycheck.h"
#include "model/language.h"

namespace {

// The column of each fork entry, in the order forkEntryTexts lists them.
constexpr std::array<std::uint8_t, 3> kForkEntries = {kForkFromAllSides, kForkFromEnds, kForkFromSides};

std::string rowRefusal(std::size_t row, const std::string& why) {
  return inLanguage("托盘类型第 ", "Pallet type row ") + std::to_string(row + 1) + inLanguage(" 行：", ": ") + why;
}

std::optional<std::int32_t> millimetres(const std::string& text) { return readCheckedInteger(text); }

}  // namespace

PalletRow palletColumns() {
  if (currentLanguage() == Language::English)
    return {"Name",        "Length (mm)", "Width (mm)", "Base height (mm)", "Tare (kg)", "Highest (mm)",
            "Heaviest (kg)", "Overhang (mm)", "Stackable", "Load on top (kg)", "Forks from"};
  return {"名称", "长(mm)", "宽(mm)", "底座高(mm)", "自重(kg)", "最大高度(mm)", "最大毛重(kg)", "外伸(mm)",
          "可堆叠", "顶部最大承重(kg)", "叉车进叉"};
}

std::vector<std::string> stackableTexts() { return {inLanguage("是", "Yes"), inLanguage("否", "No")}; }

std::vector<std::string> forkEntryTexts() {
  return {inLanguage("四面", "all sides"), inLanguage("两端", "the ends"), inLanguage("两侧", "the sides")};
}

PalletRow palletRowOf(const PalletType& t) {
  const auto fork = std::find(kForkEntries.begin(), kForkEntries.end(), t.forkEntry);
  return {t.name,
          std::to_string(t.length),
          std::to_string(t.width),
          std::to_string(t.baseHeight),
          numberText(t.tareWeight),
          std::to_string(t.maxHeight),
          numberText(t.maxGrossWeight),
          std::to_string(t.overhang),
          stackableTexts()[t.stackable ? 0 : 1],
          numberText(t.maxLoadOnTop),
          forkEntryTexts()[fork == kForkEntries.end() ? 0 : static_cast<std::size_t>(fork - kForkEntries.begin())]};
}

PalletRowsCheck readPalletRows(const std::vector<PalletRow>& rows) {
  PalletRowsCheck check;
  const std::vector<std::string> stackable = stackableTexts(), forks = forkEntryTexts();
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const PalletRow& row = rows[r];
    check.row = r;
    PalletType t;
    t.name = row[0];
    if (t.name.empty() || !isAcceptableName(t.name)) {
      check.message = rowRefusal(r, inLanguage("名称为空、过长或含有无法保存的字符。",
                                               "the name is empty, too long or holds characters that cannot be saved."));
      return check;
    }
    const auto length = millimetres(row[1]), width = millimetres(row[2]), base = millimetres(row[3]),
               highest = millimetres(row[5]), overhang = millimetres(row[7]);
    const auto tare = readCheckedNumber(row[4]), heaviest = readCheckedNumber(row[6]), onTop = readCheckedNumber(row[9]);
    const auto stack = std::find(stackable.begin(), stackable.end(), row[8]);
    const auto fork = std::find(forks.begin(), forks.end(), row[10]);
    if (!length || !width || !base || !highest || !overhang || !tare || !heaviest || !onTop ||
        stack == stackable.end() || fork == forks.end()) {
      check.message = rowRefusal(r, inLanguage("请输入正确的数值。", "please enter valid numbers."));
      return check;
    }
    t.length = std::max(*length, *width);  // the length is the longer edge
    t.width = std::min(*length, *width);
    t.baseHeight = *base;
    t.tareWeight = *tare;
    t.maxHeight = *highest;
    t.maxGrossWeight = *heaviest;
    t.overhang = *overhang;
    t.stackable = stack == stackable.begin();
    t.maxLoadOnTop = *onTop;
    t.forkEntry = kForkEntries[static_cast<std::size_t>(fork - forks.begin())];
    if (!t.isUsable()) {
      check.message = rowRefusal(r, inLanguage("尺寸须大于零，最大高度须高于底座，最大毛重须大于自重。",
                                               "the sizes must be above zero, the highest pallet above its base and "
                                               "the heaviest pallet above its tare."));
      return check;
    }
    const bool twice = std::any_of(check.types.begin(), check.types.end(),
                                   [&t](const PalletType& other) { return other.name == t.name; });
    if (twice) {
      check.message = rowRefusal(r, inLanguage("名称与前面的托盘类型重复。", "another row has the same name."));
      return check;
    }
    check.types.push_back(t);
  }
  check.row = 0;
  return check;
}

PalletType newPalletType(const std::vector<PalletRow>& rows) {
  PalletType type = palletPresets()[0];
  for (int n = 1;; ++n) {
    type.name = inLanguage("托盘", "Pallet ") + std::to_string(n);
    if (std::none_of(rows.begin(), rows.end(), [&type](const PalletRow& row) { return row[0] == type.name; }))
      return type;
  }
}

PalletTable palletTable(const std::vector<PalletType>& library, const std::vector<PalletType>& project) {
  PalletTable table;
  const auto inProject = [&project](const std::string& name) {
    return std::find_if(project.begin(), project.end(), [&name](const PalletType& t) { return t.name == name; });
  };
  for (const PalletType& kept : library) {
    const auto own = inProject(kept.name);
    table.types.push_back(own == project.end() ? kept : *own);
    table.inProject.push_back(own != project.end());
  }
  for (const PalletType& own : project) {
    const bool listed = std::any_of(library.begin(), library.end(), [&own](const PalletType& t) { return t.name == own.name; });
    if (listed) continue;
    table.types.push_back(own);
    table.inProject.push_back(true);
  }
  return table;
}
