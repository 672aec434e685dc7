// The main window's calculation and fill commands.

#include <QApplication>

#include "commands/calculate.h"
#include "commands/exportfolder.h"
#include "commands/fillblocks.h"
#include "commands/leftovers.h"
#include "commands/runcheck.h"
#include "export/exportplan.h"
#include "platform/opener.h"
#include "export/installpaths.h"
#include "ui/doing.h"
#include "ui/frmmain.h"
#include "ui/qtext.h"

void TMainForm::tbRunClick() {
  const PreRunCheck check = checkBeforeRun(*project_);
  if (check == PreRunCheck::NoCartons) refreshResults(-1);
  if (isRefusal(check)) {
    messages_->information(qs(preRunMessage(check)));
    return;
  }
  if (isQuestion(check) && !messages_->question(qs(preRunMessage(check)))) return;

  const CalculationRequest request = calculationRequest(*project_, *settings_);
  const CalculationReport report = DoingDlg->runCalculation(request);  // shown while it runs
  runFinished(request, report);
  if (closeAfterRun_) {
    closeAfterRun_ = false;
    close();
  }
}

void TMainForm::runFinished(const CalculationRequest& request, const CalculationReport& report) {
  // A project changed while the calculation ran keeps no result of the old one, and a
  // cancelled run leaves none: the view and the status bar show the entered cartons.
  if (!requestMatches(request, *project_)) {
    refreshTree(true);
    return;
  }
  applyReport(report, *project_);
  if (report.status == CalculationStatus::Cancelled) {
    refreshTree(true);
    return;
  }
  refreshResults(-1);
  QApplication::alert(this);
  if (report.status != CalculationStatus::Loaded) {
    if (!report.message.empty()) messages_->information(qs(report.message));
    return;
  }
  const std::string leftovers = leftoverMessage(leftoverCartons(*project_));
  if (!leftovers.empty()) messages_->information(qs(leftovers));
}

void TMainForm::tbFillClick() {
  const std::vector<int> selected = selectedResultRows();
  const FillDecision decision = decideFill(*project_, selected);
  if (decision == FillDecision::FillOneBlock) {
    const int row = selected.front();
    if (!fillBlock(*project_, static_cast<std::size_t>(row))) {
      messages_->information(qs(blockAlreadyFullMessage()));
      return;
    }
    refreshTree(false);
    refreshResults(row);
  } else if (decision == FillDecision::FillAllBlocks) {
    if (!messages_->question(qs(fillAllQuestion()))) return;
    fillAllBlocks(*project_);
    refreshTree(false);
    refreshResults(-1);
  } else {
    messages_->information(qs(fillMessage(decision)));
  }
}

void TMainForm::mnuFillCompletelyClick() { tbFillClick(); }

void TMainForm::tbExportClick() {
  if (project_->loadedCount == 0) {
    messages_->information(qs(nothingToExportMessage()));
    return;
  }
  const QString folder = fileDialogs_->exportFolder(exportStartFolder());
  if (folder.isEmpty()) return;
  if (const std::string problem = prepareExportFolder(std8(folder)); !problem.empty()) {
    messages_->information(qs(problem));
    return;
  }
  exportFolder_ = folder;
  ExportPlan plan(*project_, programFolder(), std8(folder));
  plan.templateFile = planTemplatePath();
  plan.libraryFile = drawingLibraryPath();
  if (plan.run() != kExportDone) {
    messages_->information(qs(exportFailedText(plan.failureMessage(), plan.failureReason())));
    return;
  }
  if (!openDocument(plan.htmlFile)) messages_->information(qs(planNotOpenedMessage(plan.htmlFile)));
}
