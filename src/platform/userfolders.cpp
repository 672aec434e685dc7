#include "platform/userfolders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

namespace {

// An environment variable that holds an absolute path, or empty.
std::string absoluteEnvironment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && value[0] == '/' ? std::string(value) : std::string();
}

std::string homeFolder() {
  if (std::string home = absoluteEnvironment("HOME"); !home.empty()) return home;
  const passwd* entry = getpwuid(getuid());
  return entry != nullptr && entry->pw_dir != nullptr && entry->pw_dir[0] == '/' ? entry->pw_dir : "";
}

std::string configFolder(const std::string& home) {
  if (std::string config = absoluteEnvironment("XDG_CONFIG_HOME"); !config.empty()) return config;
  return home.empty() ? std::string() : home + "/.config";
}

// The documents line of user-dirs.dirs: XDG_DOCUMENTS_DIR="$HOME/Documents" (a path is
// either absolute or starts with $HOME). Empty when the file or the line is missing.
std::string documentsFromUserDirs(const std::string& home) {
  const std::string config = configFolder(home);
  if (config.empty()) return {};
  std::ifstream file(config + "/user-dirs.dirs");
  const std::string key = "XDG_DOCUMENTS_DIR=\"";
  for (std::string line; std::getline(file, line);) {
    if (line.rfind(key, 0) != 0 || line.size() < key.size() + 1 || line.back() != '"') continue;
    std::string path = line.substr(key.size(), line.size() - key.size() - 1);
    if (path.rfind("$HOME", 0) == 0 && !home.empty()) path = home + path.substr(5);
    if (!path.empty() && path.front() == '/') return path;
  }
  return {};
}

}  // namespace

std::string documentsFolder() {
  if (std::string documents = absoluteEnvironment("XDG_DOCUMENTS_DIR"); !documents.empty()) return documents;
  const std::string home = homeFolder();
  if (std::string documents = documentsFromUserDirs(home); !documents.empty()) return documents;
  return home.empty() ? std::string() : home + "/Documents";
}

std::string defaultExportFolder() {
  const std::string documents = documentsFolder();
  return documents.empty() ? std::string() : documents + "/Cargolyx";
}

std::string userDataFolder() {
  if (std::string data = absoluteEnvironment("XDG_DATA_HOME"); !data.empty()) return data + "/cargolyx";
  const std::string home = homeFolder();
  return home.empty() ? std::string() : home + "/.local/share/cargolyx";
}
