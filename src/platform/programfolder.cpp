#include "platform/programfolder.h"

#include <filesystem>
#include <system_error>

std::string programFolder() {
  std::error_code error;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error || !executable.has_parent_path()) return "./";
  std::string folder = executable.parent_path().string();
  if (folder.back() != '/') folder += '/';
  return folder;
}
