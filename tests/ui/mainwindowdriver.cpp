#include "mainwindowdriver.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QTest>
#include <QUrl>
#include <algorithm>

#include "ui/settingsstore.h"

MainWindowDriver::MainWindowDriver(const QString& startFile, bool keepSettings) {
  if (!keepSettings) SettingsStore().clear();  // a test starts as on a fresh machine
  auto messages = std::make_unique<RecordingMessageBoxes>();
  auto fileDialogs = std::make_unique<ScriptedFileDialogs>();
  messages_ = messages.get();
  fileDialogs_ = fileDialogs.get();
  form_ = std::make_unique<TMainForm>(startFile, std::move(messages), std::move(fileDialogs));
  form_->show();
  if (!QTest::qWaitFor([this] { return tree()->topLevelItemCount() >= 1; }, 5000))
    ADD_FAILURE() << "the window did not start a project";
}

QTreeWidget* MainWindowDriver::tree() const { return form_->findChild<QTreeWidget*>("treeCarton"); }

QTableWidget* MainWindowDriver::resultList() const { return form_->findChild<QTableWidget*>("lvResult"); }

QLabel* MainWindowDriver::statusText() const { return form_->findChild<QLabel*>("StatusText"); }

QToolButton* MainWindowDriver::button(const char* name) const { return form_->findChild<QToolButton*>(name); }

void MainWindowDriver::click(const char* toolButton) { QTest::mouseClick(button(toolButton), Qt::LeftButton); }

QStringList MainWindowDriver::treeCaptions() const {
  QStringList captions;
  for (int i = 0; i < tree()->topLevelItemCount(); ++i) {
    QTreeWidgetItem* root = tree()->topLevelItem(i);
    captions << root->text(0);
    for (int c = 0; c < root->childCount(); ++c) captions << root->child(c)->text(0);
  }
  return captions;
}

void MainWindowDriver::selectTreeNode(int cartonIndex) {
  QTreeWidgetItem* root = tree()->topLevelItem(0);
  QTreeWidgetItem* node = cartonIndex < 0 ? root : root->child(cartonIndex);
  const QRect rect = tree()->visualItemRect(node);
  QTest::mouseClick(tree()->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
}

void MainWindowDriver::pressKeyInTree(Qt::Key key) { QTest::keyClick(tree(), key); }

QStringList MainWindowDriver::rowTexts(int row) const {
  QStringList texts;
  for (int c = 0; c < resultList()->columnCount(); ++c)
    if (!resultList()->isColumnHidden(c)) texts << resultList()->item(row, c)->text();
  return texts;
}

void MainWindowDriver::clickResultRow(int row, bool addToSelection) {
  QTableWidget* list = resultList();
  const QRect rect = list->visualItemRect(list->item(row, 1));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, addToSelection ? Qt::ControlModifier : Qt::NoModifier,
                    rect.center());
}

std::vector<int> MainWindowDriver::selectedResultRows() const {
  std::vector<int> rows;
  for (const QModelIndex& index : resultList()->selectionModel()->selectedRows()) rows.push_back(index.row());
  std::sort(rows.begin(), rows.end());
  return rows;
}

bool MainWindowDriver::dropFiles(const QStringList& paths) {
  QMimeData data;
  QList<QUrl> urls;
  for (const QString& path : paths) urls << QUrl::fromLocalFile(path);
  data.setUrls(urls);
  const QPoint at = form_->rect().center();
  QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(form_.get(), &enter);
  // The drop is delivered even when the drag was refused, to see that it changes nothing.
  QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(form_.get(), &drop);
  settle();
  return enter.isAccepted();
}

void MainWindowDriver::onNextDialog(std::function<void(QDialog&)> act) {
  lastDialogCaption_.clear();
  QTimer::singleShot(0, form_.get(), [this, act = std::move(act)] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    lastDialogCaption_ = dialog->windowTitle();
    act(*dialog);
    if (dialog->isVisible()) dialog->reject();
  });
}

void MainWindowDriver::typeInto(QDialog& dialog, const char* box, const QString& text) {
  auto* edit = dialog.findChild<QLineEdit*>(box);
  if (!edit) {
    ADD_FAILURE() << "no box " << box;
    return;
  }
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Backspace);
  QTest::keyClicks(edit, text);
}

void MainWindowDriver::clickButton(QDialog& dialog, const char* button) {
  auto* widget = dialog.findChild<QPushButton*>(button);
  if (!widget) {
    ADD_FAILURE() << "no button " << button;
    return;
  }
  QTest::mouseClick(widget, Qt::LeftButton);
}

void MainWindowDriver::settle() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

BlockScheme makeBlock(int cartonIndex, int material, int nx, int ny, int nz, int count) {
  BlockScheme b;
  b.cartonIndex = cartonIndex;
  b.material = material;
  b.nx = nx;
  b.ny = ny;
  b.nz = nz;
  b.count = count;
  return b;
}
