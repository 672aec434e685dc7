#include "commands/leftovers.h"

#include "model/projectinput.h"
#include "model/projectresult.h"
#include "model/language.h"

std::vector<Leftover> leftoverCartons(const ProjectInput& project, const ProjectResult& result) {
  std::vector<Leftover> leftovers;
  if (result.empty()) return leftovers;
  std::vector<std::int64_t> loaded(project.cartons.size(), 0);
  for (const LoadedContainer& container : result.containers)
    for (const BlockScheme& block : container.blocks)
      if (block.cartonIndex >= 0 && static_cast<std::size_t>(block.cartonIndex) < loaded.size())
        loaded[static_cast<std::size_t>(block.cartonIndex)] += block.count;
  // The cartons on the pallets loaded: each loaded pallet stands in one of the containers.
  for (const LoadedPallet& pallet : result.pallets)
    for (const BlockScheme& block : pallet.blocks)
      if (block.cartonIndex >= 0 && static_cast<std::size_t>(block.cartonIndex) < loaded.size())
        loaded[static_cast<std::size_t>(block.cartonIndex)] += block.count;
  for (std::size_t i = 0; i < project.cartons.size(); ++i) {
    const std::int64_t missing = static_cast<std::int64_t>(project.cartons[i].count) - loaded[i];
    if (missing > 0) leftovers.push_back({static_cast<int>(i), project.cartons[i].name, missing});
  }
  return leftovers;
}

namespace {

// "微波炉 32 箱，冰箱 40 箱（共 72 箱）"; with a reason per leftover, each after its count:
// "微波炉 32 箱（没有剩余空间）".
std::string listOf(const std::vector<Leftover>& leftovers, const std::vector<std::string>& reasons) {
  std::string text;
  std::int64_t total = 0;
  for (std::size_t i = 0; i < leftovers.size(); ++i) {
    const Leftover& leftover = leftovers[i];
    if (!text.empty()) text += inLanguage("，", ", ");
    text += leftover.name + " " + std::to_string(leftover.count) + inLanguage(" 箱", " cartons");
    if (reasons.size() == leftovers.size() && !reasons[i].empty())
      text += inLanguage("（", " (") + reasons[i] + inLanguage("）", ")");
    total += leftover.count;
  }
  return text + inLanguage("（共 ", " (") + std::to_string(total) + inLanguage(" 箱）", " cartons in all)");
}

}  // namespace

std::string leftoverStatusText(const std::vector<Leftover>& leftovers, const std::vector<std::string>& reasons) {
  if (leftovers.empty()) return {};
  return inLanguage("未装入：", "Not loaded: ") + listOf(leftovers, reasons);
}

std::string leftoverMessage(const std::vector<Leftover>& leftovers, const std::vector<std::string>& reasons) {
  if (leftovers.empty()) return {};
  return inLanguage("并非所有纸箱都已装入集装箱，以下纸箱未能装入：",
                    "Not all cartons fit into the container. These were not loaded: ") +
         listOf(leftovers, reasons) + inLanguage("。", ".");
}

std::string planAgainQuestion(const std::string& runMessage) {
  return runMessage + inLanguage("\n\n是否改为“尽量多装”进行计算，装入所有能装下的纸箱？",
                                 "\n\nCalculate instead loading as many of the cartons as fit?");
}
