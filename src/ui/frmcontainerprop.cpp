#include "ui/frmcontainerprop.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "commands/entrycheck.h"
#include "model/balancewindow.h"
#include "model/gbk.h"
#include "ui/dialogpicture.h"
#include "ui/formhost.h"
#include "ui/keyfilter.h"
#include "ui/dialogbuttons.h"
#include "ui/messages.h"
#include "ui/qtext.h"
#include "ui/updown.h"
#include "ui/vehiclebox.h"

namespace {

constexpr int kUpDownMax = 32767;

}  // namespace

TContainerPropForm::TContainerPropForm(FormHost& host, QWidget* parent) : QDialog(parent), host_(host) {
  setObjectName(QStringLiteral("ContainerPropForm"));
  setWindowTitle(tr("集装箱属性"));
  buildControls();
  connect(btnOK, &QPushButton::clicked, this, &TContainerPropForm::btnOKClick);
  connect(btnCancel, &QPushButton::clicked, this, &TContainerPropForm::reject);
}

QLineEdit* TContainerPropForm::sizeBox(const char* name, const char* upDownName, UpDown*& upDown) {
  auto* box = new QLineEdit(this);
  box->setObjectName(QString::fromLatin1(name));
  acceptDigitKeysOnly(box);
  upDown = new UpDown(box, 0, kUpDownMax, this);
  upDown->setObjectName(QString::fromLatin1(upDownName));
  return box;
}

void TContainerPropForm::buildControls() {
  txtName = new QLineEdit(this);
  txtName->setObjectName(QStringLiteral("txtName"));
  txtName->setMaxLength(kMaxNameChars);
  txtName->setMinimumWidth(200);
  txtL = sizeBox("txtL", "UpDownL", UpDownL);
  txtW = sizeBox("txtW", "UpDownW", UpDownW);
  txtH = sizeBox("txtH", "UpDownH", UpDownH);
  txtWeight = new QLineEdit(this);
  txtWeight->setObjectName(QStringLiteral("txtWeight"));
  acceptDecimalKeysOnly(txtWeight);
  txtCost = new QLineEdit(this);
  txtCost->setObjectName(QStringLiteral("txtCost"));
  acceptDecimalKeysOnly(txtCost);
  txtCost->setPlaceholderText(tr("不填：每个集装箱计 1"));
  txtAvailable = new QLineEdit(this);
  txtAvailable->setObjectName(QStringLiteral("txtAvailable"));
  acceptDigitKeysOnly(txtAvailable);
  txtAvailable->setPlaceholderText(tr("不填：不限"));

  auto* fields = new QFormLayout;
  fields->addRow(tr("名称"), txtName);
  fields->addRow(tr("长(mm)"), boxWithUpDown(txtL, UpDownL, this));
  fields->addRow(tr("宽(mm)"), boxWithUpDown(txtW, UpDownW, this));
  fields->addRow(tr("高(mm)"), boxWithUpDown(txtH, UpDownH, this));
  fields->addRow(tr("最大容重(kg)"), txtWeight);
  fields->addRow(tr("费用（多个集装箱）"), txtCost);
  fields->addRow(tr("可用数量（多个集装箱）"), txtAvailable);

  auto* buttons = okCancelButtons(this, btnOK, btnCancel);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(dialogPicture(QStringLiteral("container.png"), this), 0, Qt::AlignHCenter);
  layout->addLayout(fields);
  layout->addWidget(buildBalanceGroup());
  grpVehicle = new VehicleBox(this);
  layout->addWidget(grpVehicle);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* TContainerPropForm::buildBalanceGroup() {
  auto* group = new QGroupBox(tr("重心范围"), this);
  group->setToolTip(tr("装载后的重心须在此范围内；留空的项不限制"));
  txtBalanceLength = new QLineEdit(group);
  txtBalanceLength->setObjectName(QStringLiteral("txtBalanceLength"));
  txtBalanceWidth = new QLineEdit(group);
  txtBalanceWidth->setObjectName(QStringLiteral("txtBalanceWidth"));
  for (QLineEdit* box : {txtBalanceLength, txtBalanceWidth}) {
    acceptDecimalKeysOnly(box);
    box->setPlaceholderText(tr("不限"));
  }
  txtBalanceHeight = new QLineEdit(group);
  txtBalanceHeight->setObjectName(QStringLiteral("txtBalanceHeight"));
  acceptDigitKeysOnly(txtBalanceHeight);
  txtBalanceHeight->setPlaceholderText(tr("不限"));
  btnBalancePreset = new QPushButton(tr("纵向±5%"), group);
  btnBalancePreset->setObjectName(QStringLiteral("btnBalancePreset"));
  connect(btnBalancePreset, &QPushButton::clicked, this, [this] {
    txtBalanceLength->setText(qs(numberText(*lengthBalancePreset().lengthPercent)));
  });
  auto* fields = new QFormLayout(group);
  fields->addRow(tr("纵向偏离中心（长度的±%）"), txtBalanceLength);
  fields->addRow(tr("横向偏离中心（宽度的±%）"), txtBalanceWidth);
  fields->addRow(tr("重心离地最高(mm)"), txtBalanceHeight);
  fields->addRow(QString(), btnBalancePreset);
  return group;
}

void TContainerPropForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  FormActivate();
  txtName->setFocus();
  txtName->selectAll();
}

void TContainerPropForm::FormActivate() {
  const ContainerRow* row = library_ ? library_->selectedRow() : nullptr;
  const ContainerRow shown = row ? *row : ContainerRow{};
  txtName->setText(qs(shown.name));
  txtL->setText(qs(shown.length));
  txtW->setText(qs(shown.width));
  txtH->setText(qs(shown.height));
  txtWeight->setText(qs(shown.maxWeight));
  txtCost->setText(qs(shown.cost));
  txtAvailable->setText(qs(shown.available));
  txtBalanceLength->setText(qs(shown.balanceLength));
  txtBalanceWidth->setText(qs(shown.balanceWidth));
  txtBalanceHeight->setText(qs(shown.balanceHeight));
  grpVehicle->showRow(shown);
}

ContainerRow TContainerPropForm::row() const {
  ContainerRow row{std8(txtName->text()), std8(txtL->text()),      std8(txtW->text()),         std8(txtH->text()),
                   std8(txtWeight->text()), std8(txtCost->text()), std8(txtAvailable->text())};
  row.balanceLength = std8(txtBalanceLength->text().trimmed());
  row.balanceWidth = std8(txtBalanceWidth->text().trimmed());
  row.balanceHeight = std8(txtBalanceHeight->text().trimmed());
  grpVehicle->takeInto(row);
  return row;
}

void TContainerPropForm::btnOKClick() {
  if (!library_ || !library_->selectedRow()) {  // no row to write to: close as Cancel would
    reject();
    return;
  }
  const ContainerRow entered = row();
  if (const std::string message = checkContainerRow(entered); !message.empty()) {
    host_.messages().information(qs(message));
    return;
  }
  library_->setSelectedRow(entered);
  newMode = false;
  accept();
}

void TContainerPropForm::reject() {
  if (newMode && library_) library_->discardNewRow();
  newMode = false;
  QDialog::reject();
}
