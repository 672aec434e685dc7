#include "commands/projectfiles.h"

#include <cctype>

#include "model/language.h"

FillScheme newProject(const Settings& settings) {
  FillScheme project;
  project.spacingL = settings.spacingL;
  project.spacingW = settings.spacingW;
  project.spacingH = settings.spacingH;
  project.container = settings.defaultContainer();
  project.planner = settings.plannerChoice();
  return project;
}

std::string openFailedMessage() {
  return inLanguage("打开文件失败，请确认您所打开的文件是否存在以及格式是否正确。",
                    "The file could not be opened; please check that it exists and is a project file.");
}

std::string saveFailedMessage() {
  return inLanguage("保存文件失败，请确认您选择的保存位置是否可写，以及系统其它配置是否正确。",
                    "The file could not be saved; please check that the chosen place is writable.");
}

std::string readOnlySaveAsQuestion() {
  return inLanguage("该文件为只读文件，无法保存。是否另存为其它文件？",
                    "The file is read-only and cannot be saved. Save it as another file?");
}

std::string openFailedMessage(const OpenFailure& failure) {
  switch (failure.problem) {
    case OpenProblem::None:
      return {};
    case OpenProblem::Unreadable:
      return failure.detail.empty() ? openFailedMessage() : openFailedMessage() + "\n" + failure.detail;
    case OpenProblem::NotAProject:
      return inLanguage("该文件不是装箱方案文件（.clyx 或 .pak）。",
                        "The file is not a Cargolyx project file (.clyx or .pak).");
    case OpenProblem::Damaged:
      return inLanguage("装箱方案文件已损坏：", "The project file is damaged: ") + failure.detail;
    case OpenProblem::NewerFormat:
      return inLanguage("该文件由更新版本的 Cargolyx 保存：格式 ", "Saved by a newer Cargolyx: format ") +
             failure.detail + inLanguage("；本程序只能读取格式 2 及以下。", "; this one reads up to 2.");
    case OpenProblem::UnknownFeature:
      return inLanguage("该文件需要本程序不认识的功能：", "The file needs features this Cargolyx does not know: ") +
             failure.detail + inLanguage("。请用更新版本的 Cargolyx 打开。", ". Open it with a newer Cargolyx.");
  }
  return openFailedMessage();
}

std::string pakCannotHoldQuestion(const std::vector<std::string>& names, std::size_t containerTypes, bool pallets) {
  std::string text;
  if (!names.empty()) {
    std::string list;
    for (const std::string& name : names) list += (list.empty() ? "" : inLanguage("、", ", ")) + ("“" + name + "”");
    text += inLanguage(".pak 文件只能保存 GBK 字符、不超过 49 字节的名称，无法保存：",
                       "A .pak file holds only names of GBK characters within 49 bytes; it cannot hold ") +
            list + inLanguage("。", ". ");
  }
  if (containerTypes > 0)
    text += inLanguage(".pak 文件只能保存一个集装箱，无法保存本项目的 ", "A .pak file holds one container, not this "
                                                                      "project's ") +
            std::to_string(containerTypes) + inLanguage(" 种集装箱。", " container types. ");
  if (pallets)
    text += inLanguage(".pak 文件不能保存托盘类型和纸箱所用的托盘。",
                       "A .pak file holds no pallet types and no pallets for the cartons. ");
  return text + inLanguage("是否另存为 .clyx 文件（保存全部内容）？", "Save as a .clyx file, which holds everything?");
}

std::string pakCannotHoldQuestion(const ProjectInput& input) {
  if (pakCannotHoldRules(input) && namesPakCannotHold(input).empty() && !hasFormatTwoFeatures(input))
    return pakCannotHoldRulesQuestion();
  return pakCannotHoldQuestion(namesPakCannotHold(input), input.fleet.size(),
                               !input.palletTypes.empty() || input.usesPallets());
}

std::string pakDropsPlanQuestion() {
  return inLanguage(".pak 文件只保存集装箱和纸箱，不保存装箱方案。是否另存为 .clyx 文件（保存方案在内的全部内容）？"
                    "选“否”则保存为不含方案的 .pak 文件。",
                    "A .pak file keeps the container and the cartons, not the plan. Save as a .clyx file, which "
                    "keeps the plan too? No saves the .pak without the plan.");
}

std::string pakCannotHoldRulesQuestion() {
  return inLanguage(".pak 文件无法保存装载规则（可堆叠、顶部承重、易碎、目的地、重心范围、车辆）。"
                    "是否另存为 .clyx 文件（保存全部内容）？",
                    "A .pak file cannot hold the loading rules (stackable, load on top, fragile, stops, "
                    "centre of gravity window, vehicle). Save as a .clyx file, which holds everything?");
}

namespace {

bool endsWith(std::string_view name, std::string_view suffix) {
  if (name.size() < suffix.size()) return false;
  const std::string_view end = name.substr(name.size() - suffix.size());
  for (std::size_t i = 0; i < suffix.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(end[i])) != suffix[i]) return false;
  return true;
}

}  // namespace

bool isProjectFileName(std::string_view name) { return endsWith(name, ".pak") || endsWith(name, ".clyx"); }
