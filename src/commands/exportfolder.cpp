#include "commands/exportfolder.h"

#include <filesystem>
#include <system_error>

#include "model/language.h"

std::string prepareExportFolder(const std::string& folder) {
  std::error_code error;
  if (std::filesystem::is_directory(folder, error)) return {};
  if (folder.empty()) error = std::make_error_code(std::errc::no_such_file_or_directory);
  else if (std::filesystem::create_directories(folder, error) || std::filesystem::is_directory(folder, error))
    return {};
  if (!error) error = std::make_error_code(std::errc::not_a_directory);
  return inLanguage("无法创建导出文件夹 ", "Cannot create the export folder ") + folder +
         inLanguage("：", ": ") + error.message();
}

std::string exportFailedText(const std::string& message, const std::string& reason) {
  return reason.empty() ? message : message + "\n" + reason;
}

std::string planNotOpenedMessage(const std::string& document) {
  return openDocumentFailedMessage() + inLanguage("\n装箱方案已写入 ", "\nThe loading plan was written to ") +
         document;
}

std::string nothingToExportMessage() {
  return inLanguage("没有运算结果可供导出，请先进行运算。",
                    "There is no result to export; please calculate first.");
}

std::string openDocumentFailedMessage() {
  return inLanguage("自动打开文件失败，请您选择其它程序进行打开。",
                    "The file could not be opened automatically; please open it with another program.");
}
