// The main window's 3D view: the labels of the container's ends, the carton tooltip, the
// step slider kept in step with the result list's selection, and the centre of gravity of
// what the view shows, named under the slider.

#include <QFrame>
#include <QLayout>
#include <QTabBar>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "commands/loadbalance.h"
#include "commands/resultlist.h"
#include "ui/elidedlabel.h"
#include "model/cargorules.h"
#include "ui/frmmain.h"
#include "ui/stepcontrol.h"
#include "ui/stopkey.h"
#include "view3d/boxviewer.h"
#include "view3d/colors.h"

void TMainForm::createViewControls() {
  boxViewer->setEndLabels(tr("里端"), tr("门"));
  boxViewer->cartonToolTip = [](const PickedCarton& carton, const CubeBlock& block) {
    QString text;
    if (block.blockNumber > 0)
      text = tr("第 %1 块：%2").arg(block.blockNumber).arg(QString::fromStdString(block.cartonName)) + "\n";
    else if (!block.cartonName.empty())
      text = QString::fromStdString(block.cartonName) + "\n";  // a pallet's base or a carton on a pallet
    return text + tr("第 %1 箱，顶点 %2,%3,%4").arg(carton.carton).arg(carton.x).arg(carton.y).arg(carton.z);
  };
  // Coloured by stop: the key of the stops' colours, between the view and the slider.
  stopKey = new StopKey(pnlView);
  pnlView->layout()->addWidget(stopKey);
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
  // One line high: the view takes every pixel of height the other controls do not need.
  lblGravityLegend->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  pnlView->layout()->addWidget(lblGravityLegend);
  static_cast<QVBoxLayout*>(pnlView->layout())->setStretchFactor(boxViewer, 1);
  connect(stepControl, &StepControl::stepChosen, this,
          [this](int k) { selectResultRow(static_cast<int>(stepControl->rowOfStep(k))); });
}

void TMainForm::showPlanSteps() {
  QStringList stops;
  for (const std::size_t row : listing_.stepRows) {
    const ShownPart* part = listing_.partAt(row);
    const std::optional<std::size_t> stop = part ? partStop(*project_, *part) : std::nullopt;
    stops << (stop && *stop < project_->stops.size() ? QString::fromStdString(project_->stops[*stop]) : QString());
  }
  stepControl->setLoadingOrder(listing_.stepRows, stops);
}

bool TMainForm::colouredByStop() const {
  return mnuColourByStop && mnuColourByStop->isChecked() && !project_->stops.empty();
}

void TMainForm::showStopKey() {
  std::vector<std::pair<QString, QColor>> stops;
  if (colouredByStop() && !listing_.parts.empty())
    for (std::size_t k = 0; k < project_->stops.size(); ++k) {
      const std::uint32_t colour = blockShades(stopColour(k))[kShadeLight];
      stops.emplace_back(QString::fromStdString(project_->stops[k]),
                         QColor(redOf(colour), greenOf(colour), blueOf(colour)));
    }
  stopKey->showStops(stops);
}

void TMainForm::showResultSelection(const std::vector<int>& selected) {
  // The parts the selected rows show, each once: a pallet's rows all show the pallet.
  std::vector<std::size_t> partRows;
  bool totals = false;
  for (const int row : selected) {
    if (row < 0) continue;
    const auto r = static_cast<std::size_t>(row);
    totals = totals || r == listing_.totalsRow;
    if (const ShownPart* part = listing_.partAt(r))
      if (std::find(partRows.begin(), partRows.end(), part->headRow) == partRows.end()) partRows.push_back(part->headRow);
  }

  scene_.clearScene();
  // The parts shown, whose centre of gravity the view marks. Coloured by stop, a block
  // takes the colour of its cartons' stop instead of their own.
  std::vector<const ShownPart*> shownParts;
  const bool byStop = colouredByStop();
  const auto show = [this, &shownParts, byStop](std::size_t headRow) {
    const ShownPart& part = *listing_.partAt(headRow);
    shownParts.push_back(&part);
    if (part.palletBase)
      scene_.addPalletBase(*part.palletBase, part.palletType + tr(" 托盘").toStdString());
    for (const BlockScheme& block : part.blocks) {
      scene_.addResultBlock(block, part.blockNumber);
      const auto carton = static_cast<std::size_t>(block.cartonIndex);
      if (byStop && block.cartonIndex >= 0 && carton < project_->cartons.size())
        scene_.sceneBlocks.back().color = stopColour(stopIndexOf(*project_, project_->cartons[carton]));
    }
  };
  QString legend;
  if (totals) {
    // The whole plan: every part, none singled out, at the last step.
    for (const ShownPart& part : listing_.parts) show(part.headRow);
    stepControl->showStep(stepControl->stepCount());
    legend = tr("■ 黑色标记：全部 %1 步所装纸箱的重心").arg(stepControl->stepCount());
  } else if (partRows.size() == 1 && stepControl->stepOfRow(partRows[0]) > 0) {
    // One part: the loading up to its step, with that part singled out.
    const int step = stepControl->stepOfRow(partRows[0]);
    std::size_t before = 0;
    for (const std::size_t row : stepControl->rowsUpTo(step)) {
      before = scene_.sceneBlocks.size();
      show(row);
    }
    scene_.highlightedBlock = static_cast<std::int32_t>(before);
    scene_.highlightedCount = static_cast<std::int32_t>(scene_.sceneBlocks.size() - before);
    stepControl->showStep(step);
    legend = tr("■ 黑色标记：第 1–%1 步所装纸箱的重心").arg(step);
  } else {
    for (const std::size_t row : partRows) show(row);
    legend = tr("■ 黑色标记：所选 %1 块纸箱的重心").arg(partRows.size());
  }
  showGravityPoint(partsBalance(*project_, shownContainer().container, shownParts), legend);
  showStopKey();
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
