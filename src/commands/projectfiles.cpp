#include "commands/projectfiles.h"

#include <cctype>

#include "model/language.h"

FillScheme newProject(const Settings& settings) {
  FillScheme project;
  project.spacingL = settings.spacingL;
  project.spacingW = settings.spacingW;
  project.spacingH = settings.spacingH;
  project.container = settings.defaultContainer();
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

bool isProjectFileName(std::string_view name) {
  constexpr std::string_view suffix = ".pak";
  if (name.size() < suffix.size()) return false;
  const std::string_view end = name.substr(name.size() - suffix.size());
  for (std::size_t i = 0; i < suffix.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(end[i])) != suffix[i]) return false;
  return true;
}
