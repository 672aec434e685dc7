// The main window's calculation and fill commands.

#include <QApplication>
#include <QFileInfo>

#include <QStatusBar>

#include "commands/calculate.h"
#include "commands/confirmations.h"
#include "commands/exportfolder.h"
#include "commands/fillblocks.h"
#include "commands/palletplan.h"
#include "commands/leftoverreasons.h"
#include "commands/leftovers.h"
#include "commands/resultcheck.h"
#include "commands/rulecosts.h"
#include "commands/runcheck.h"
#include "commands/runexplanations.h"
#include "export/exportplan.h"
#include "export/fleetexport.h"
#include "platform/opener.h"
#include "export/installpaths.h"
#include "ui/doing.h"
#include "ui/frmmain.h"
#include "ui/qtext.h"

namespace {

// How long the status bar says where the plan was exported.
constexpr int kExportedStatusMilliseconds = 30000;

}  // namespace

void TMainForm::tbRunClick() {
  CalculationRequest request = calculationRequest(*project_, *settings_);
  // The sets planner's checks and questions are about sets; the load-max planner loads
  // what fits of whatever was entered, and so does the pallet planner, which runs in any
  // mode once a carton names a pallet type (the calculation says what stops it).
  const bool pallets = runsPalletPlanner(request);
  if (request.planningMode == PlanningMode::Sets && !pallets) {
    const PreRunCheck check = checkBeforeRun(*project_);
    if (check == PreRunCheck::NoCartons) refreshResults(-1);
    if (isRefusal(check)) {
      if (!offersLoadMax(check)) {
        messages_->information(qs(preRunMessage(check)));
        return;
      }
      // More cartons than fit, or rules loading by sets does not keep: as many as fit may
      // be loaded instead, for this run only. Past the volume or weight, the numbers below
      // the message say by how much.
      std::string message = preRunMessage(check, *project_);
      if (check != PreRunCheck::RulesNotKept) {
        message += '\n';
        message += cargoAgainstContainerText(*project_);
      }
      if (!messages_->question(qs(planAgainQuestion(message)))) return;
      request.planningMode = PlanningMode::LoadMax;
    } else if (isQuestion(check)) {
      // Below a question about sets, what a set is and what the run will load.
      std::string question = preRunMessage(check);
      if (check == PreRunCheck::AskUnderHalf) {
        question += "\n\n";
        question += setsMeaningText(*project_);
      }
      if (!messages_->question(qs(question))) return;
    }
  }
  // Rules the load-max or several-containers planner does not keep stop the run before it starts.
  const std::string refusal = pallets                                       ? std::string()
                              : request.planningMode == PlanningMode::LoadMax ? loadMaxRulesMessage(*project_)
                              : request.planningMode == PlanningMode::Fleet ? fleetRulesMessage(*project_)
                                                                             : std::string();
  if (!refusal.empty()) {
    messages_->information(qs(refusal));
    return;
  }

  for (;;) {
    const CalculationReport report = DoingDlg->runCalculation(request);  // shown while it runs
    const bool planAgain = runFinished(request, report);
    if (closeAfterRun_) {
      closeAfterRun_ = false;
      close();
      return;
    }
    if (!planAgain) return;
    // This run only: the settings keep the planner the user chose.
    request.planningMode = PlanningMode::LoadMax;
  }
}

bool TMainForm::runFinished(const CalculationRequest& request, const CalculationReport& report) {
  // A project changed while the calculation ran keeps no result of the old one, and a
  // cancelled run leaves none: the view and the status bar show the entered cartons.
  if (!requestMatches(request, *project_)) {
    refreshTree(true);
    return false;
  }
  applyReport(report, *project_);
  if (report.status == CalculationStatus::Cancelled) {
    refreshTree(true);
    return false;
  }
  // A plan is shown only when the checker finds it within every rule.
  if (const std::string broken = resultViolations(*project_); !broken.empty()) {
    refreshTree(true);
    messages_->information(qs(brokenPlanMessage(broken)));
    return false;
  }
  refreshResults(-1);
  QApplication::alert(this);
  // After the sets planner, what it could not load may still fit loaded freely.
  const bool offerLoadMax = request.planningMode == PlanningMode::Sets;
  std::string message = report.message;
  if (report.status == CalculationStatus::Loaded) {
    const std::vector<Leftover> leftovers = leftoverCartons(*project_, project_->result);
    message = leftoverMessage(leftovers, reasonTexts(listedLeftoverReasons(*project_, project_->result, leftovers)));
  }
  if (report.status == CalculationStatus::NothingLoaded) {
    message += '\n';
    message += cargoAgainstContainerText(*project_);
  }
  const bool cartonsLeft = report.status == CalculationStatus::Loaded || report.status == CalculationStatus::NothingLoaded;
  if (message.empty()) return false;
  if (offerLoadMax && cartonsLeft) return messages_->question(qs(planAgainQuestion(message)));
  messages_->information(qs(message));
  return false;
}

void TMainForm::mnuRuleCostsClick() {
  if (project_->result.empty()) {
    messages_->information(qs(ruleCostsNeedAPlanMessage()));
    return;
  }
  // Planned again as the plan was made: with its planner, the window's limits.
  CalculationRequest request = calculationRequest(*project_, *settings_);
  request.planningMode = project_->result.mode;
  bool cancelled = false;
  const std::vector<RuleCost> costs =
      ruleCosts(request, project_->result, [&](const CalculationRequest& without) -> std::optional<CalculationReport> {
        CalculationReport report = DoingDlg->runCalculation(without);  // shown while it runs
        cancelled = DoingDlg->cancelRequested();
        if (cancelled) return std::nullopt;
        return report;
      });
  if (cancelled) return;
  messages_->information(qs(ruleCostsText(costs, project_->result.containers.size() > 1)));
}

void TMainForm::tbFillClick() {
  if (project_->result.mode == PlanningMode::LoadMax && !project_->result.empty()) {
    messages_->information(qs(loadMaxFillMessage()));
    return;
  }
  if (project_->result.mode == PlanningMode::Fleet && !project_->result.empty()) {
    messages_->information(qs(fleetFillMessage()));
    return;
  }
  if (project_->result.mode == PlanningMode::Pallets && !project_->result.empty()) {
    messages_->information(qs(palletFillMessage()));
    return;
  }
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
    return;
  }
  // The fill checks no weight: say so when the filled plan breaks a rule.
  if (const std::string broken = resultViolations(*project_); !broken.empty())
    messages_->information(qs(filledPlanMessage(broken)));
}

void TMainForm::mnuFillCompletelyClick() { tbFillClick(); }

void TMainForm::tbExportClick() {
  if (project_->result.empty()) {
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
  exportedFrom_ = qs(document_.filePath());
  if (project_->result.mode == PlanningMode::Fleet || project_->result.containers.size() > 1) {
    // One plan per container and the index of them all.
    const FleetExportResult done =
        exportFleetPlans(*project_, programFolder(), std8(folder), planTemplatePath(), drawingLibraryPath(), nullptr,
                         ShipmentFacts{std8(QFileInfo(qs(document_.filePath())).completeBaseName()), {}});
    if (done.result != kExportDone) {
      messages_->information(qs(exportFailedText(done.failureMessage, done.failureReason)));
      return;
    }
    confirmExport(done.indexFile, std8(folder));
    return;
  }
  ExportPlan plan(*project_, programFolder(), std8(folder));
  plan.templateFile = planTemplatePath();
  plan.libraryFile = drawingLibraryPath();
  if (plan.run() != kExportDone) {
    messages_->information(qs(exportFailedText(plan.failureMessage(), plan.failureReason())));
    return;
  }
  confirmExport(plan.htmlFile, plan.pictureFolder());
}

void TMainForm::confirmExport(const std::string& document, const std::string& folder) {
  // Where the plan went, shown or not, with the way to its folder.
  sbStatus->showMessage(qs(planExportedStatus(document)), kExportedStatusMilliseconds);
  const bool shown = openDocument(document);
  const std::string text = shown ? planExportedMessage(document) : planNotOpenedMessage(document);
  if (messages_->informationWithAction(qs(text), tr("打开文件夹")) &&
      !openDocumentWith({}, fileAssociationOpener(), folder))
    messages_->information(qs(folderNotOpenedMessage(folder)));
}
