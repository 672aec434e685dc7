#pragma once
// Drives the main window as a user does: clicks toolbar buttons, selects tree nodes and
// result rows, drops files, and reads back what the window shows. Message boxes and file
// dialogs are answered by the driver instead of modal windows.

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QTableWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <functional>
#include <memory>
#include <ostream>
#include <vector>

#include "ui/frmmain.h"

class MainWindowDriver {
 public:
  // Shows the window with startFile as the command-line argument and waits until its
  // first showing has opened that file or started a new project. The settings kept by an
  // earlier window are forgotten first, unless keepSettings (a restart of the program).
  explicit MainWindowDriver(const QString& startFile = {}, bool keepSettings = false);

  TMainForm& form() { return *form_; }
  FillScheme& project() { return form_->project(); }
  Settings& settings() { return form_->settings(); }
  RecordingMessageBoxes& messages() { return *messages_; }
  ScriptedFileDialogs& fileDialogs() { return *fileDialogs_; }

  QTreeWidget* tree() const;
  QTableWidget* resultList() const;
  QLabel* statusText() const;
  QToolButton* button(const char* name) const;

  void click(const char* toolButton);
  // The captions of the tree: the root, then its children.
  QStringList treeCaptions() const;
  // Selects a tree node by a mouse click: -1 the root, else the carton node at index.
  void selectTreeNode(int cartonIndex);
  void pressKeyInTree(Qt::Key key);
  // The texts of a result list row, in its shown columns.
  QStringList rowTexts(int row) const;
  // Clicks result rows; with control held the clicks add to the selection.
  void clickResultRow(int row, bool addToSelection = false);
  std::vector<int> selectedResultRows() const;
  // Drops local files on the window; true when the window accepted the drag.
  bool dropFiles(const QStringList& paths);
  // Runs act on the next modal dialog once it is shown by what follows; a dialog that
  // act leaves open is cancelled, so that a failing test cannot hang. Returns the caption
  // of the dialog seen (empty when none was shown).
  void onNextDialog(std::function<void(QDialog&)> act);
  QString lastDialogCaption() const { return lastDialogCaption_; }
  // Types into a box of a dialog, replacing its text.
  static void typeInto(QDialog& dialog, const char* box, const QString& text);
  static void clickButton(QDialog& dialog, const char* button);
  // Lets queued work of the window run.
  void settle();

 private:
  RecordingMessageBoxes* messages_;
  ScriptedFileDialogs* fileDialogs_;
  std::unique_ptr<TMainForm> form_;
  QString lastDialogCaption_;
};

// A result block as the engine makes them.
BlockScheme makeBlock(int cartonIndex, int material, int nx, int ny, int nz, int count);

// Readable texts in test failures.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& texts, std::ostream* out) {
  *out << '{';
  for (const QString& text : texts) *out << ' ' << '"' << text.toStdString() << '"';
  *out << " }";
}
