#include "export/installpaths.h"

#include <filesystem>
#include <system_error>

#include "model/language.h"

// CMake sets both from the install folders chosen at configure time (cmake/CargolyxInstallDirs.cmake).
#if !defined(CARGOLYX_LIBRARY_FOLDER_FROM_PROGRAM) || !defined(CARGOLYX_DATA_FOLDER_FROM_PROGRAM)
#error "the installed folders relative to the program folder are not defined"
#endif

std::string_view installedLibraryFolder() { return CARGOLYX_LIBRARY_FOLDER_FROM_PROGRAM; }
std::string_view installedDataFolder() { return CARGOLYX_DATA_FOLDER_FROM_PROGRAM; }

std::string shippedFilePath(const std::string& programFolder, std::string_view relativeFolder,
                            std::string_view name) {
  const std::filesystem::path program(programFolder.empty() ? "." : programFolder);
  std::error_code error;
  const std::filesystem::path beside = program / name;
  if (std::filesystem::is_regular_file(beside, error)) return beside.string();
  return (program / relativeFolder / name).lexically_normal().string();
}

std::string drawingLibraryPath(const std::string& programFolder) {
  return shippedFilePath(programFolder, installedLibraryFolder(), "libboxpic.so");
}

std::string_view planTemplateName() {
  return currentLanguage() == Language::English ? "template_en.htm" : "template.htm";
}

std::string planTemplatePath(const std::string& programFolder, const std::string& userFolder) {
  std::error_code error;
  if (!userFolder.empty()) {
    const std::filesystem::path own = std::filesystem::path(userFolder) / planTemplateName();
    if (std::filesystem::is_regular_file(own, error)) return own.string();
  }
  const std::string shipped = shippedFilePath(programFolder, installedDataFolder(), planTemplateName());
  return std::filesystem::is_regular_file(shipped, error) ? shipped : std::string();
}
