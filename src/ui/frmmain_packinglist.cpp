// File > 导入装箱单 and 导出装箱单: the carton list to and from a spreadsheet's CSV file.

#include <QFile>

#include "commands/confirmations.h"
#include "commands/packinglist.h"
#include "ui/doing.h"
#include "ui/frmmain.h"
#include "ui/qtext.h"

void TMainForm::mnuImportPackingListClick() {
  // While a calculation runs the project is the worker's.
  if (DoingDlg->isVisible()) return;
  const QString name = fileDialogs_->packingListToOpen();
  if (name.isEmpty()) return;
  PackingList list = readPackingListFile(QFile::encodeName(name).toStdString(), project_->cartons.size());
  if (!list.ok()) {
    messages_->information(qs(list.message));
    return;
  }
  std::int64_t cartons = 0;
  for (const Carton& carton : list.cartons) cartons += carton.count;
  const std::size_t types = list.cartons.size();
  for (Carton& carton : list.cartons) project_->cartons.push_back(std::move(carton));
  project_->stops = mergedStops(project_->stops, list.stops);
  // Other cartons make the last result meaningless.
  refreshTree(true);
  messages_->information(qs(packingListImportedMessage(types, cartons)));
}

void TMainForm::mnuExportPackingListClick() {
  const QString name = fileDialogs_->packingListToSave();
  if (name.isEmpty()) return;
  std::string error;
  if (!writePackingListFile(QFile::encodeName(name).toStdString(), project_->cartons, &error, &project_->result)) {
    messages_->information(qs(error));
    return;
  }
  messages_->information(
      qs(packingListExportedMessage(project_->cartons.size(), project_->cartonTotal(), std8(name))));
}
