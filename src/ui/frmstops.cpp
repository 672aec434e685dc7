#include "ui/frmstops.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "commands/stopsform.h"
#include "model/fillscheme.h"
#include "ui/dialogbuttons.h"
#include "ui/formhost.h"
#include "ui/qtext.h"

TStopsForm::TStopsForm(FormHost& host, QWidget* parent) : QDialog(parent), host_(host) {
  setObjectName(QStringLiteral("StopsForm"));
  setWindowTitle(tr("送货顺序"));
  lvStops = new QListWidget(this);
  lvStops->setObjectName(QStringLiteral("lvStops"));
  lvStops->setMinimumSize(240, 160);
  btnStopUp = new QPushButton(tr("上移"), this);
  btnStopUp->setObjectName(QStringLiteral("btnStopUp"));
  btnStopDown = new QPushButton(tr("下移"), this);
  btnStopDown->setObjectName(QStringLiteral("btnStopDown"));
  btnStopDelete = new QPushButton(tr("删除"), this);
  btnStopDelete->setObjectName(QStringLiteral("btnStopDelete"));
  auto* side = new QVBoxLayout;
  for (QPushButton* button : {btnStopUp, btnStopDown, btnStopDelete}) side->addWidget(button);
  side->addStretch();
  auto* list = new QHBoxLayout;
  list->addWidget(lvStops);
  list->addLayout(side);
  auto* buttons = okCancelButtons(this, btnOK, btnCancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(tr("按送货的先后排列目的地；未指定目的地的纸箱属于最后一站。"), this));
  layout->addLayout(list);
  layout->addWidget(buttons);
  connect(btnStopUp, &QPushButton::clicked, this, &TStopsForm::btnStopUpClick);
  connect(btnStopDown, &QPushButton::clicked, this, &TStopsForm::btnStopDownClick);
  connect(btnStopDelete, &QPushButton::clicked, this, &TStopsForm::btnStopDeleteClick);
  connect(btnOK, &QPushButton::clicked, this, &TStopsForm::btnOKClick);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TStopsForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormActivate();
}

void TStopsForm::FormActivate() {
  stops_ = host_.project().stops;
  showStops(stops_.empty() ? -1 : 0);
}

void TStopsForm::showStops(int row) {
  lvStops->clear();
  for (std::size_t i = 0; i < stops_.size(); ++i)
    lvStops->addItem(QStringLiteral("%1. %2").arg(i + 1).arg(qs(stops_[i])));
  lvStops->setCurrentRow(row);
}

void TStopsForm::move(bool up) {
  const int row = lvStops->currentRow();
  if (row < 0 || !moveStop(stops_, static_cast<std::size_t>(row), up)) return;
  showStops(up ? row - 1 : row + 1);
}

void TStopsForm::btnStopDeleteClick() {
  const int row = lvStops->currentRow();
  if (row < 0 || !removeStop(stops_, static_cast<std::size_t>(row))) return;
  showStops(std::min(row, static_cast<int>(stops_.size()) - 1));
}

void TStopsForm::btnOKClick() {
  if (applyStops(host_.project(), stops_)) host_.refreshTree(true);
  accept();
}
