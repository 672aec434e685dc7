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
  // A file to save to; the extension "pak" is added when none is typed, and an existing
  // file is replaced only after the user agreed.
  virtual QString saveFileName() = 0;
};

// The filter of both dialogs: project files, all files.
QStringList projectFileFilters();

class QtFileDialogs : public FileDialogs {
 public:
  explicit QtFileDialogs(QWidget* parent) : parent_(parent) {}
  QString openFileName() override;
  QString saveFileName() override;

 private:
  QWidget* parent_;
  QString lastFolder_;  // where the last file was opened or saved
};

// Answers with the names queued in it (empty, that is cancelled, when none is left).
class ScriptedFileDialogs : public FileDialogs {
 public:
  QString openFileName() override { return openNames.isEmpty() ? QString() : openNames.takeFirst(); }
  QString saveFileName() override { return saveNames.isEmpty() ? QString() : saveNames.takeFirst(); }

  QStringList openNames;
  QStringList saveNames;
};
