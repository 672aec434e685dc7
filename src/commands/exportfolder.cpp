#include "commands/exportfolder.h"

#include <filesystem>
#include <system_error>

#include "export/exportplan.h"

std::string prepareExportFolder(const std::string& folder) {
  std::error_code error;
  if (std::filesystem::is_directory(folder, error)) return {};
  if (folder.empty()) error = std::make_error_code(std::errc::no_such_file_or_directory);
  else if (std::filesystem::create_directories(folder, error) || std::filesystem::is_directory(folder, error))
    return {};
  if (!error) error = std::make_error_code(std::errc::not_a_directory);
  return "无法创建导出文件夹 " + folder + "：" + error.message();
}

std::string exportFailedText(const std::string& message, const std::string& reason) {
  return reason.empty() ? message : message + "\n" + reason;
}

std::string planNotOpenedMessage(const std::string& document) {
  return openDocumentFailedMessage() + "\n装箱方案已写入 " + document;
}
