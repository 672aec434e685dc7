// The main window's calculation and fill commands.

#include <QApplication>

#include "engine/fillblocks.h"
#include "engine/prerun.h"
#include "export/exportplan.h"
#include "export/globalfunc.h"
#include "export/installpaths.h"
#include "ui/doing.h"
#include "ui/frmmain.h"

void TMainForm::tbRunClick() {
  const PreRunCheck check = checkBeforeRun(*project_);
  if (check == PreRunCheck::NoCartons) refreshResults(-1);
  if (isRefusal(check)) {
    messages_->information(QString::fromStdString(preRunMessage(check)));
    return;
  }
  if (isQuestion(check) && !messages_->question(QString::fromStdString(preRunMessage(check)))) return;

  DoingDlg->exec();  // the calculation runs while the dialog is shown
  refreshResults(-1);
  if (project_->loadedCount > 0) {
    QApplication::alert(this);
    return;
  }
  if (DoingDlg->cancelRequested()) return;
  QApplication::alert(this);
  messages_->information(QString::fromStdString(nothingLoadedMessage()));
}

void TMainForm::tbFillClick() {
  const std::vector<int> selected = selectedResultRows();
  const FillDecision decision = decideFill(*project_, selected);
  if (decision == FillDecision::FillOneBlock) {
    const int row = selected.front();
    if (!fillBlock(*project_, static_cast<std::size_t>(row))) {
      messages_->information(QString::fromStdString(blockAlreadyFullMessage()));
      return;
    }
    refreshTree(false);
    refreshResults(row);
  } else if (decision == FillDecision::FillAllBlocks) {
    if (!messages_->question(QString::fromStdString(fillAllQuestion()))) return;
    fillAllBlocks(*project_);
    refreshTree(false);
    refreshResults(-1);
  } else {
    messages_->information(QString::fromStdString(fillMessage(decision)));
  }
}

void TMainForm::mnuSyncClick() { tbFillClick(); }

void TMainForm::tbExportClick() {
  if (project_->loadedCount == 0) {
    messages_->information(QString::fromStdString(nothingToExportMessage()));
    return;
  }
  ExportPlan plan(*project_);
  plan.templateFile = planTemplatePath();
  plan.libraryFile = drawingLibraryPath();
  if (plan.run() != kExportDone) {
    messages_->information(QString::fromStdString(plan.failureMessage()));
    return;
  }
  if (!openDocument(plan.htmlFile)) messages_->information(QString::fromStdString(openDocumentFailedMessage()));
}
