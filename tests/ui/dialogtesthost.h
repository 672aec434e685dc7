#pragma once
// A stand-in for the main window as the dialogs see it: the project, the settings, the
// recorded message boxes, the selected tree node, and a count of the tree rebuilds.

#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <functional>

#include "model/fillscheme.h"
#include "model/settings.h"
#include "ui/formhost.h"
#include "ui/messages.h"
#include "resultblocks.h"

class DialogTestHost : public FormHost {
 public:
  FillScheme scheme;
  Settings config;
  RecordingMessageBoxes boxes;
  int selectedNode = -1;       // index of the selected carton node; -1 for none or the root
  int treeRebuilds = 0;        // refreshTree calls
  bool lastRebuildCleared = false;
  int deletedNodes = 0;        // deleteSelectedCartonNode calls

  FillScheme& project() override { return scheme; }
  Settings& settings() override { return config; }
  MessageBoxes& messages() override { return boxes; }
  int selectedCartonIndex() const override { return selectedNode; }
  void deleteSelectedCartonNode() override {
    ++deletedNodes;
    selectedNode = -1;
  }
  void refreshTree(bool clearResults) override {
    ++treeRebuilds;
    lastRebuildCleared = clearResults;
    if (clearResults) scheme.result = {};
  }
};

// Types text into a box key by key; characters beyond ASCII arrive as a keyboard
// layout would deliver them, as text without a key code.
inline void typeKeys(QWidget* box, const QString& text) {
  for (QChar ch : text) {
    if (ch.unicode() < 128)
      QTest::keyClick(box, ch.toLatin1());
    else
      QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(ch), Qt::NoModifier);
  }
}

// Replaces the text of a box by typing, as a user would after selecting it all.
inline void typeInto(QLineEdit* box, const QString& text) {
  box->selectAll();
  QTest::keyClick(box, Qt::Key_Backspace);
  typeKeys(box, text);
}

// Runs `act` once `dialog` is shown modally by what follows, then closes the dialog
// with Cancel if `act` left it open, so that a failing test cannot hang in exec().
inline void whenShown(QDialog& dialog, std::function<void()> act) {
  QTimer::singleShot(0, &dialog, [&dialog, act = std::move(act)] {
    act();
    if (dialog.isVisible()) dialog.reject();
  });
}
