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

}  // namespace

QString QtFileDialogs::openFileName() {
  QFileDialog dialog(parent_, QCoreApplication::translate("FileDialogs", "打开"));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  return runDialog(dialog, lastFolder_);
}

QString QtFileDialogs::saveFileName() {
  QFileDialog dialog(parent_, QCoreApplication::translate("FileDialogs", "保存"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  // The extension added to a name typed without one follows the chosen file type.
  dialog.setDefaultSuffix("clyx");
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
    dialog.setDefaultSuffix(filter == projectSaveFilters().value(1) ? "pak" : "clyx");
  });
  return runDialog(dialog, lastFolder_, projectSaveFilters());
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
