#include "ui/filedialogs.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>

QStringList projectFileFilters() {
  return {QCoreApplication::translate("FileDialogs", "装箱方案文件(*.clyx *.pak)"),
          QCoreApplication::translate("FileDialogs", "所有文件(*)")};
}

QStringList projectSaveFilters() {
  return {QCoreApplication::translate("FileDialogs", "装箱方案文件(*.clyx)"),
          QCoreApplication::translate("FileDialogs", "旧版装箱方案文件，不含计算结果(*.pak)")};
}

QStringList packingListFilters() {
  return {QCoreApplication::translate("FileDialogs", "装箱单(*.csv)"),
          QCoreApplication::translate("FileDialogs", "所有文件(*)")};
}

namespace {

QString runDialog(QFileDialog& dialog, QString& lastFolder, const QStringList& filters = projectFileFilters()) {
  dialog.setNameFilters(filters);
  dialog.setOption(QFileDialog::ReadOnly, false);
  if (!lastFolder.isEmpty()) dialog.setDirectory(lastFolder);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  const QString name = dialog.selectedFiles().constFirst();
  lastFolder = QFileInfo(name).absolutePath();
  return name;
}

// The save dialog in folder with fileName chosen; folder becomes where it was accepted.
QString runDialogAt(QFileDialog& dialog, QString& folder, const QString& fileName) {
  dialog.setNameFilters(projectSaveFilters());
  dialog.setDirectory(folder);
  dialog.selectFile(fileName);
  if (fileName.endsWith(".pak", Qt::CaseInsensitive)) dialog.selectNameFilter(projectSaveFilters().value(1));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  const QString name = dialog.selectedFiles().constFirst();
  folder = QFileInfo(name).absolutePath();
  return name;
}

}  // namespace

QString QtFileDialogs::openFileName() {
  QFileDialog dialog(parent_, QCoreApplication::translate("FileDialogs", "打开"));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  return runDialog(dialog, lastFolder_);
}

QString QtFileDialogs::saveFileName(const QString& suggestion) {
  QFileDialog dialog(parent_, QCoreApplication::translate("FileDialogs", "保存"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  // The extension added to a name typed without one follows the chosen file type.
  dialog.setDefaultSuffix("clyx");
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
    dialog.setDefaultSuffix(filter == projectSaveFilters().value(1) ? "pak" : "clyx");
  });
  if (suggestion.isEmpty()) return runDialog(dialog, lastFolder_, projectSaveFilters());
  // In the project's folder, under its name.
  QString folder = QFileInfo(suggestion).absolutePath();
  const QString name = runDialogAt(dialog, folder, QFileInfo(suggestion).fileName());
  if (!name.isEmpty()) lastFolder_ = folder;
  return name;
}

QString QtFileDialogs::packingListToOpen() {
  QFileDialog dialog(parent_, QCoreApplication::translate("FileDialogs", "导入装箱单"));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  return runDialog(dialog, lastFolder_, packingListFilters());
}

QString QtFileDialogs::packingListToSave() {
  QFileDialog dialog(parent_, QCoreApplication::translate("FileDialogs", "导出装箱单"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix("csv");
  return runDialog(dialog, lastFolder_, packingListFilters());
}

QString QtFileDialogs::exportFolder(const QString& startFolder) {
  return QFileDialog::getExistingDirectory(
      parent_, QCoreApplication::translate("FileDialogs", "导出装箱方案"), startFolder);
}
