#pragma once
// The settings as the window keeps them between starts: plain key/value texts, read back
// with the checks of the dialogs that made them. A value that is missing, unreadable or out
// of range gives its default (a library row of that kind is left out), so a damaged
// settings file never stops the program and is replaced by the next save.

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "model/settings.h"

using SettingsText = std::map<std::string, std::string>;

// What is kept besides the settings themselves.
struct StoredSettings {
  Settings settings;
  std::string projectFolder;  // where the last project was opened or saved; empty: none yet
  std::string exportFolder;   // where the last plan was exported; empty: none yet
  std::vector<std::string> recentFiles;  // projects opened or saved, newest first

  bool operator==(const StoredSettings&) const = default;
};

// Bounds of what is read back: a longer library is cut there, a longer time limit refused.
inline constexpr std::size_t kMaxStoredContainers = 1000;
inline constexpr std::size_t kMaxStoredPallets = 1000;
inline constexpr double kMaxStoredTimeLimit = 3600.0;
inline constexpr std::size_t kMaxRecentFiles = 8;

StoredSettings readStoredSettings(const SettingsText& text);
SettingsText writeStoredSettings(const StoredSettings& stored);
