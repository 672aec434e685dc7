#pragma once
// The main window asks for file names through this interface, so that tests can answer
// without a modal dialog. An empty name means the user cancelled.

#include <QString>
#include <QStringList>

class QWidget;

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // An existing file to open.
  virtual QString openFileName() = 0;
  // A file to save to: a .clyx project, or an old .pak one as its file type is chosen; that
  // extension is added when none is typed, and an existing file is replaced only after
  // the user agreed. It starts at suggestion (the project's own file) when one is given.
  virtual QString saveFileName(const QString& suggestion) = 0;
  // A packing list (CSV) to import, and one to export the carton list to (the extension
  // "csv" is added when none is typed). They start in the same folder as the others.
  virtual QString packingListToOpen() = 0;
  virtual QString packingListToSave() = 0;
  // A folder to export the plan into, starting in startFolder.
  virtual QString exportFolder(const QString& startFolder) = 0;
  // Where the open and save dialogs start: the folder of the last file chosen.
  virtual QString lastFolder() const = 0;
  virtual void setLastFolder(const QString& folder) = 0;
};

// The filter of the open dialog: project files of both formats, all files.
QStringList projectFileFilters();
// The file types of the save dialog: .clyx, then .pak.
QStringList projectSaveFilters();
// The filter of the packing list dialogs: CSV files, all files.
QStringList packingListFilters();

class QtFileDialogs : public FileDialogs {
 public:
  explicit QtFileDialogs(QWidget* parent) : parent_(parent) {}
  QString openFileName() override;
  QString saveFileName(const QString& suggestion) override;
  QString packingListToOpen() override;
  QString packingListToSave() override;
  QString exportFolder(const QString& startFolder) override;
  QString lastFolder() const override { return lastFolder_; }
  void setLastFolder(const QString& folder) override { lastFolder_ = folder; }

 private:
  QWidget* parent_;
  QString lastFolder_;  // where the last file was opened or saved
};

// Answers with the names queued in it (empty, that is cancelled, when none is left).
class ScriptedFileDialogs : public FileDialogs {
 public:
  QString openFileName() override { return openNames.isEmpty() ? QString() : openNames.takeFirst(); }
  QString saveFileName(const QString& suggestion) override {
    saveSuggestions << suggestion;
    return saveNames.isEmpty() ? QString() : saveNames.takeFirst();
  }
  QString packingListToOpen() override { return listOpenNames.isEmpty() ? QString() : listOpenNames.takeFirst(); }
  QString packingListToSave() override { return listSaveNames.isEmpty() ? QString() : listSaveNames.takeFirst(); }
  QString exportFolder(const QString& startFolder) override {
    exportStartFolders << startFolder;
    return exportFolders.isEmpty() ? QString() : exportFolders.takeFirst();
  }
  QString lastFolder() const override { return folder; }
  void setLastFolder(const QString& to) override { folder = to; }

  QStringList openNames;
  QStringList saveNames;
  QStringList listOpenNames;  // packing lists
  QStringList listSaveNames;
  QStringList exportFolders;
  QStringList exportStartFolders;  // where each folder dialog started
  QStringList saveSuggestions;     // the file each save dialog started at
  QString folder;
};
