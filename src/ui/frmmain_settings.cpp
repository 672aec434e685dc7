// The main window's settings kept between starts, and the folders it remembers.

#include <QDir>
#include <QFileInfo>
#include <QSplitter>
#include <QStandardPaths>

#include "ui/frmmain.h"
#include "ui/qtext.h"
#include "ui/settingsstore.h"

void TMainForm::loadSettings() {
  const SettingsStore store;
  const StoredSettings stored = store.read();
  *settings_ = stored.settings;
  project_->spacingL = settings_->spacingL;
  project_->spacingW = settings_->spacingW;
  project_->spacingH = settings_->spacingH;
  fileDialogs_->setLastFolder(qs(stored.projectFolder));
  exportFolder_ = qs(stored.exportFolder);
  QStringList recent;
  for (const std::string& file : stored.recentFiles) recent << qs(file);
  setRecentFiles(recent);

  // Qt refuses layouts it cannot read; the window then keeps its default size and place.
  const WindowLayout layout = store.readLayout();
  if (!layout.geometry.isEmpty()) restoreGeometry(layout.geometry);
  if (!layout.treeSplitter.isEmpty()) splitTreeView->restoreState(layout.treeSplitter);
  if (!layout.resultSplitter.isEmpty()) splitViewResults->restoreState(layout.resultSplitter);
}

void TMainForm::saveSettings() {
  StoredSettings stored{*settings_, std8(fileDialogs_->lastFolder()), std8(exportFolder_), {}};
  for (const QString& file : recentFiles()) stored.recentFiles.push_back(std8(file));
  SettingsStore().write(stored, {saveGeometry(), splitTreeView->saveState(), splitViewResults->saveState()});
}

QString TMainForm::exportStartFolder() const {
  // A saved project's plan goes beside it, unless another folder was chosen for it before.
  if (!document_.filePath().empty()) {
    const QString own = QFileInfo(qs(document_.filePath())).absolutePath();
    if (exportFolder_.isEmpty() || !QDir(exportFolder_).exists() || exportedFrom_ != qs(document_.filePath())) return own;
  }
  if (!exportFolder_.isEmpty() && QDir(exportFolder_).exists()) return exportFolder_;
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  const QString folder = QDir(documents.isEmpty() ? QDir::homePath() : documents).filePath("Cargolyx");
  QDir().mkpath(folder);  // the dialog starts in it; when it cannot be made the dialog says where it is
  return folder;
}
