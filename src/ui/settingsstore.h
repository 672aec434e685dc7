#pragma once
// Keeps the settings between starts in QSettings (organisation and application "Cargolyx",
// an ini file in the user's config folder: ~/.config/Cargolyx/Cargolyx.ini). What the
// settings mean and how damaged values are read back is decided in commands/storedsettings.h;
// this only moves the texts, and the window's geometry and splitter positions, which Qt
// checks itself when they are restored.

#include <QByteArray>

#include "commands/storedsettings.h"

struct WindowLayout {
  QByteArray geometry;        // QWidget::saveGeometry of the main window
  QByteArray treeSplitter;    // QSplitter::saveState of the tree | view splitter
  QByteArray resultSplitter;  // of the view / result list splitter
};

class SettingsStore {
 public:
  StoredSettings read() const;
  WindowLayout readLayout() const;
  // Replaces everything stored by these.
  void write(const StoredSettings& stored, const WindowLayout& layout);
  // Forgets everything: the next start begins with the defaults.
  void clear();
};
