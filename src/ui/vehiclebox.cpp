#include "ui/vehiclebox.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "model/vehicle.h"
#include "ui/keyfilter.h"
#include "ui/qtext.h"

namespace {

QLineEdit* wholeNumberBox(QWidget* parent, const QString& name) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  acceptDigitKeysOnly(box);
  return box;
}

}  // namespace

VehicleBox::VehicleBox(QWidget* parent) : QGroupBox(tr("车辆"), parent) {
  setObjectName(QStringLiteral("grpVehicle"));
  cbVehicle = new QComboBox(this);
  cbVehicle->setObjectName(QStringLiteral("cbVehicle"));
  cbVehicle->addItems({tr("无"), tr("两轴卡车"), tr("牵引车+半挂车")});
  cbVehiclePreset = new QComboBox(this);
  cbVehiclePreset->setObjectName(QStringLiteral("cbVehiclePreset"));
  cbVehiclePreset->addItem(tr("套用预设……"));
  for (const VehiclePreset& preset : vehiclePresets()) cbVehiclePreset->addItem(qs(preset.name));
  txtWheelbase = wholeNumberBox(this, QStringLiteral("txtWheelbase"));
  txtFrontAxleToCargo = wholeNumberBox(this, QStringLiteral("txtFrontAxleToCargo"));
  txtKingpinSetback = wholeNumberBox(this, QStringLiteral("txtKingpinSetback"));
  txtKingpinToTrailerAxle = wholeNumberBox(this, QStringLiteral("txtKingpinToTrailerAxle"));
  txtFifthWheelLead = wholeNumberBox(this, QStringLiteral("txtFifthWheelLead"));

  auto* kind = new QFormLayout;
  kind->addRow(tr("车型"), cbVehicle);
  kind->addRow(tr("预设"), cbVehiclePreset);
  kind->addRow(tr("轴距(mm)"), txtWheelbase);
  kind->addRow(tr("前轴到货厢里端(mm)"), txtFrontAxleToCargo);
  kind->addRow(tr("货厢里端到牵引销(mm)"), txtKingpinSetback);
  kind->addRow(tr("牵引销到挂车轴(mm)"), txtKingpinToTrailerAxle);
  kind->addRow(tr("牵引销在驱动轴前(mm)"), txtFifthWheelLead);

  auto* axles = new QGridLayout;
  axles->addWidget(new QLabel(tr("空载轴荷(kg)"), this), 0, 1);
  axles->addWidget(new QLabel(tr("最大轴荷(kg)"), this), 0, 2);
  for (std::size_t axle = 0; axle < kMaxAxles; ++axle) {
    const int row = static_cast<int>(axle) + 1;
    lblAxle[axle] = new QLabel(this);
    txtTare[axle] = wholeNumberBox(this, QStringLiteral("txtTare%1").arg(row));
    txtMaxAxleLoad[axle] = wholeNumberBox(this, QStringLiteral("txtMaxAxleLoad%1").arg(row));
    axles->addWidget(lblAxle[axle], row, 0);
    axles->addWidget(txtTare[axle], row, 1);
    axles->addWidget(txtMaxAxleLoad[axle], row, 2);
  }
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(kind);
  layout->addLayout(axles);

  connect(cbVehicle, &QComboBox::currentIndexChanged, this, [this] { showKind(); });
  connect(cbVehiclePreset, &QComboBox::activated, this, [this](int item) { takePreset(item); });
  showKind();
}

void VehicleBox::showKind() {
  const int item = cbVehicle->currentIndex();
  const bool any = item == kItemRigidTruck || item == kItemSemiTrailer;
  const bool rigid = item == kItemRigidTruck;
  const VehicleKind kind = rigid ? VehicleKind::RigidTruck : VehicleKind::SemiTrailer;
  txtWheelbase->setEnabled(any);
  txtFrontAxleToCargo->setEnabled(rigid);
  for (QLineEdit* box : {txtKingpinSetback, txtKingpinToTrailerAxle, txtFifthWheelLead}) box->setEnabled(any && !rigid);
  const std::size_t axles = rigid ? 2 : 3;
  for (std::size_t axle = 0; axle < kMaxAxles; ++axle) {
    const bool used = any && axle < axles;
    lblAxle[axle]->setText(used ? qs(axleName(kind, axle)) : QString());
    txtTare[axle]->setEnabled(used);
    txtMaxAxleLoad[axle]->setEnabled(used);
  }
}

void VehicleBox::takePreset(int item) {
  const std::vector<VehiclePreset> presets = vehiclePresets();
  if (item < 1 || static_cast<std::size_t>(item) > presets.size()) return;
  ContainerRow row;
  takeInto(row);
  showRow(withVehicle(row, presets[static_cast<std::size_t>(item - 1)].vehicle));
  cbVehiclePreset->setCurrentIndex(0);
}

void VehicleBox::showRow(const ContainerRow& row) {
  cbVehicle->setCurrentIndex(row.vehicle == kItemRigidTruck || row.vehicle == kItemSemiTrailer ? row.vehicle
                                                                                                 : kItemNoVehicle);
  txtWheelbase->setText(qs(row.wheelbase));
  txtFrontAxleToCargo->setText(qs(row.frontAxleToCargo));
  txtKingpinSetback->setText(qs(row.kingpinSetback));
  txtKingpinToTrailerAxle->setText(qs(row.kingpinToTrailerAxle));
  txtFifthWheelLead->setText(qs(row.fifthWheelLead));
  for (std::size_t axle = 0; axle < kMaxAxles; ++axle) {
    txtTare[axle]->setText(qs(row.tare[axle]));
    txtMaxAxleLoad[axle]->setText(qs(row.maxAxleLoad[axle]));
  }
  showKind();
}

void VehicleBox::takeInto(ContainerRow& row) const {
  row.vehicle = cbVehicle->currentIndex();
  const bool rigid = row.vehicle == kItemRigidTruck;
  const bool any = rigid || row.vehicle == kItemSemiTrailer;
  // The boxes the chosen kind does not use are left out, so the row reads as that kind.
  const auto text = [](const QLineEdit* box, bool used) { return used ? std8(box->text().trimmed()) : std::string(); };
  row.wheelbase = text(txtWheelbase, any);
  row.frontAxleToCargo = text(txtFrontAxleToCargo, rigid);
  row.kingpinSetback = text(txtKingpinSetback, any && !rigid);
  row.kingpinToTrailerAxle = text(txtKingpinToTrailerAxle, any && !rigid);
  row.fifthWheelLead = text(txtFifthWheelLead, any && !rigid);
  const std::size_t axles = !any ? 0 : rigid ? 2 : 3;
  for (std::size_t axle = 0; axle < kMaxAxles; ++axle) {
    row.tare[axle] = text(txtTare[axle], axle < axles);
    row.maxAxleLoad[axle] = text(txtMaxAxleLoad[axle], axle < axles);
  }
}
