// The main window's 3D view: the labels of the container's ends, the carton tooltip, the
// step slider kept in step with the result list's selection, and the centre of gravity of
// what the view shows, named under the slider.

#include <QFrame>
#include <QLayout>
#include <QTabBar>
#include <QVBoxLayout>

#include "commands/loadbalance.h"
#include "commands/resultlist.h"
#include "ui/elidedlabel.h"
#include "model/cargorules.h"
#include "ui/frmmain.h"
#include "ui/stepcontrol.h"
#include "view3d/boxviewer.h"

void TMainForm::createViewControls() {
  boxViewer->setEndLabels(tr("里端"), tr("门"));
  boxViewer->cartonToolTip = [](const PickedCarton& carton, const CubeBlock& block) {
    QString text;
    if (block.blockNumber > 0)
      text = tr("第 %1 块：%2").arg(block.blockNumber).arg(QString::fromStdString(block.cartonName)) + "\n";
    return text + tr("第 %1 箱，顶点 %2,%3,%4").arg(carton.carton).arg(carton.x).arg(carton.y).arg(carton.z);
  };
  stepControl = new StepControl(pnlView);
  pnlView->layout()->addWidget(stepControl);
  // Several containers: the tab chosen drives the view, the result list, the steps and the status.
  tabContainers = new QTabBar(pnlView);
  tabContainers->setObjectName("tabContainers");
  tabContainers->setExpanding(false);
  tabContainers->setUsesScrollButtons(true);
  tabContainers->hide();
  static_cast<QVBoxLayout*>(pnlView->layout())->insertWidget(0, tabContainers);
  connect(tabContainers, &QTabBar::currentChanged, this, [this](int index) {
    if (index < 0) return;
    shownIndex_ = static_cast<std::size_t>(index);
    refreshResults(-1);
  });
  lblGravityLegend = new ElidedLabel(pnlView);
  lblGravityLegend->setObjectName("lblGravityLegend");
  lblGravityLegend->setContentsMargins(6, 0, 6, 2);
  lblGravityLegend->hide();
  pnlView->layout()->addWidget(lblGravityLegend);
  connect(stepControl, &StepControl::stepChosen, this,
          [this](int k) { selectResultRow(static_cast<int>(stepControl->rowOfStep(k))); });
}

void TMainForm::showPlanSteps() { stepControl->setLoadingOrder(loadingSteps(*project_, shownContainer())); }

void TMainForm::showResultSelection(const std::vector<int>& selected) {
  const LoadedContainer& loaded = shownContainer();
  const int blockCount = static_cast<int>(loaded.blocks.size());
  std::vector<int> blockRows;
  bool totals = false;
  for (const int row : selected) {
    if (row >= 0 && row < blockCount) blockRows.push_back(row);
    totals = totals || row == blockCount;
  }

  scene_.clearScene();
  // The blocks shown, whose centre of gravity the view marks. Coloured by stop, a block
  // takes the colour of its cartons' stop instead of their own.
  LoadedContainer shownLoad{loaded.container, {}};
  const bool byStop = mnuColourByStop && mnuColourByStop->isChecked() && !project_->stops.empty();
  const auto show = [this, &loaded, &shownLoad, byStop](int row) {
    BlockScheme block = loaded.blocks[static_cast<std::size_t>(row)];
    shownLoad.blocks.push_back(block);
    const auto carton = static_cast<std::size_t>(block.cartonIndex);
    if (byStop && block.cartonIndex >= 0 && carton < project_->cartons.size())
      block.material = stopMaterial(stopIndexOf(*project_, project_->cartons[carton]));
    scene_.addResultBlock(block, row + 1);
  };
  QString legend;
  if (totals) {
    // The whole plan: every block, none singled out, at the last step.
    for (int row = 0; row < blockCount; ++row) show(row);
    stepControl->showStep(stepControl->stepCount());
    legend = tr("■ 黑色标记：全部 %1 步所装纸箱的重心").arg(stepControl->stepCount());
  } else if (blockRows.size() == 1 && stepControl->stepOfRow(static_cast<std::size_t>(blockRows[0])) > 0) {
    // One block: the loading up to its step, with that block singled out.
    const int step = stepControl->stepOfRow(static_cast<std::size_t>(blockRows[0]));
    for (const std::size_t row : stepControl->rowsUpTo(step)) show(static_cast<int>(row));
    scene_.highlightedBlock = static_cast<std::int32_t>(scene_.sceneBlocks.size()) - 1;
    stepControl->showStep(step);
    legend = tr("■ 黑色标记：第 1–%1 步所装纸箱的重心").arg(step);
  } else {
    for (const int row : blockRows) show(row);
    legend = tr("■ 黑色标记：所选 %1 块纸箱的重心").arg(blockRows.size());
  }
  showGravityPoint(loadBalance(project_->cartons, shownLoad), legend);
  refreshView(false);
}

void TMainForm::showGravityPoint(const LoadBalance& balance, const QString& legend) {
  if (balance.centreKnown)
    scene_.setGravityPoint(GravityPoint{balance.fromLeftWall, balance.aboveFloor, balance.fromInnerEnd});
  else
    scene_.setGravityPoint(std::nullopt);
  lblGravityLegend->setText(legend);
  lblGravityLegend->setVisible(balance.centreKnown);
}
