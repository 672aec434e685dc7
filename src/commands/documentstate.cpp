#include "commands/documentstate.h"

#include "model/language.h"

namespace {

std::string shownName(std::string_view filePath) {
  if (filePath.empty()) return inLanguage("未命名", "Untitled");
  const std::size_t slash = filePath.find_last_of('/');
  return std::string(slash == std::string_view::npos ? filePath : filePath.substr(slash + 1));
}

}  // namespace

void DocumentState::reset(const FillScheme& project, std::string filePath) {
  saved_ = project;
  filePath_ = std::move(filePath);
}

bool DocumentState::isModified(const FillScheme& project) const {
  return !(project == saved_);
}

std::string windowTitle(std::string_view filePath, bool modified) {
  return shownName(filePath) + (modified ? "*" : "") + " — Cargolyx";
}

std::string saveChangesQuestion(std::string_view filePath) {
  if (filePath.empty())
    return inLanguage("当前装箱方案尚未保存，是否先保存？",
                      "The current loading plan has not been saved. Save it first?");
  return inLanguage("装箱方案“", "The loading plan \"") + shownName(filePath) +
         inLanguage("”已修改，是否保存修改？", "\" has been modified. Save the changes?");
}
