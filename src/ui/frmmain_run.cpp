// The main window's calculation and fill commands.

#include "engine/fillblocks.h"
#include "ui/frmmain.h"

void TMainForm::tbRunClick() {}

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
