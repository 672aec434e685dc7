#include "ui/frmcartonprop.h"

#include "model/settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "model/fillscheme.h"
#include "model/gbk.h"
#include "ui/colourbox.h"
#include "ui/dialogpicture.h"
#include "ui/formhost.h"
#include "ui/gaplabel.h"
#include "ui/keyfilter.h"
#include "ui/dialogbuttons.h"
#include "ui/messages.h"
#include "ui/qtext.h"
#include "ui/updown.h"

namespace {

constexpr int kUpDownMax = 32767;
constexpr int kMaxUpendLayers = 9;

}  // namespace

TCartonPropForm::TCartonPropForm(FormHost& host, QWidget* parent) : QDialog(parent), host_(host) {
  setObjectName(QStringLiteral("CartonPropForm"));
  setWindowTitle(tr("纸箱属性"));
  buildControls();
  connect(chkMustUp, &QCheckBox::toggled, this, &TCartonPropForm::chkMustUpClick);
  connect(btnOK, &QPushButton::clicked, this, &TCartonPropForm::btnOKClick);
  connect(btnCancel, &QPushButton::clicked, this, &TCartonPropForm::reject);
}

QLineEdit* TCartonPropForm::numberBox(const char* name) {
  auto* box = new QLineEdit(this);
  box->setObjectName(QString::fromLatin1(name));
  acceptDigitKeysOnly(box);
  return box;
}

void TCartonPropForm::buildControls() {
  txtName = new QLineEdit(this);
  txtName->setObjectName(QStringLiteral("txtName"));
  txtName->setMaxLength(kMaxNameChars);
  txtName->setMinimumWidth(200);
  txtL = numberBox("txtL");
  txtW = numberBox("txtW");
  txtH = numberBox("txtH");
  txtCount = numberBox("txtCount");
  txtCount->setToolTip(tr("请输入纸箱数量，成套装箱时输入装箱比例"));
  txtWeight = new QLineEdit(this);
  txtWeight->setObjectName(QStringLiteral("txtWeight"));
  acceptDecimalKeysOnly(txtWeight);
  UpDownL = new UpDown(txtL, 0, kUpDownMax, this);
  UpDownW = new UpDown(txtW, 0, kUpDownMax, this);
  UpDownH = new UpDown(txtH, 0, kUpDownMax, this);
  UpDownCount = new UpDown(txtCount, 1, kUpDownMax, this);
  UpDownL->setObjectName(QStringLiteral("UpDownL"));
  UpDownW->setObjectName(QStringLiteral("UpDownW"));
  UpDownH->setObjectName(QStringLiteral("UpDownH"));
  UpDownCount->setObjectName(QStringLiteral("UpDownCount"));
  cbeMaterial = new QComboBox(this);
  cbeMaterial->setObjectName(QStringLiteral("cbeMaterial"));
  fillColourBox(cbeMaterial);

  auto* fields = new QFormLayout;
  fields->addRow(tr("名称"), txtName);
  fields->addRow(QStringLiteral("L(mm)"), boxWithUpDown(txtL, UpDownL, this));
  fields->addRow(QStringLiteral("W(mm)"), boxWithUpDown(txtW, UpDownW, this));
  fields->addRow(QStringLiteral("H(mm)"), boxWithUpDown(txtH, UpDownH, this));
  fields->addRow(tr("数量"), boxWithUpDown(txtCount, UpDownCount, this));
  fields->addRow(tr("重量(kg)"), txtWeight);
  fields->addRow(tr("颜色"), cbeMaterial);

  auto* buttons = okCancelButtons(this, btnOK, btnCancel);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(dialogPicture(QStringLiteral("carton.png"), this), 0, Qt::AlignHCenter);
  layout->addLayout(fields);
  layout->addWidget(buildLyingGroup());
  layout->addWidget(buildPositionGroup());
  layout->addWidget(buildRulesGroup());
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* TCartonPropForm::buildLyingGroup() {
  auto* group = new QGroupBox(tr("躺放选项"), this);
  chkMustUp = new QCheckBox(tr("不允许躺放"), group);
  chkMustUp->setObjectName(QStringLiteral("chkMustUp"));
  txtUpendLayers = numberBox("txtUpendLayers");
  UpDownLayer = new UpDown(txtUpendLayers, 0, kMaxUpendLayers, this);
  UpDownLayer->setObjectName(QStringLiteral("UpDownLayer"));
  QWidget* layersField = boxWithUpDown(txtUpendLayers, UpDownLayer, this);
  layersField->setMinimumWidth(40);
  lblUpendLayers = new GapLabel(tr("例外：置于顶部时可躺放        层"), layersField, group);
  lblUpendLayers->setObjectName(QStringLiteral("lblUpendLayers"));
  // The top of its own stack, not only under the ceiling: a lying carton carries nothing but
  // lying cartons of its type, so it may also lie on the floor with nothing above it.
  lblUpendLayers->setToolTip(tr("在一摞纸箱的最上面几层可以躺放：躺放的纸箱上面只能再放同种躺放的纸箱，"
                                "最多叠这么多层，放在地板上也可以"));
  txtUpendLayers->setToolTip(lblUpendLayers->toolTip());
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(chkMustUp);
  layout->addWidget(lblUpendLayers);
  return group;
}

QWidget* TCartonPropForm::buildPositionGroup() {
  auto* group = new QGroupBox(tr("位置要求"), this);
  cbSpaceIndex = new QComboBox(group);
  cbSpaceIndex->setObjectName(QStringLiteral("cbSpaceIndex"));
  for (const std::string& text : spaceItemTexts()) cbSpaceIndex->addItem(qs(text));
  auto* label = new QLabel(tr("在集装箱中的位置要求："), group);
  label->setBuddy(cbSpaceIndex);
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(label);
  layout->addWidget(cbSpaceIndex);
  return group;
}

QWidget* TCartonPropForm::buildRulesGroup() {
  auto* group = new QGroupBox(tr("装载规则"), this);
  chkStackable = new QCheckBox(tr("可堆叠"), group);
  chkStackable->setObjectName(QStringLiteral("chkStackable"));
  chkStackable->setToolTip(tr("不勾选时，任何纸箱都不能压在它上面"));
  chkFragile = new QCheckBox(tr("易碎"), group);
  chkFragile->setObjectName(QStringLiteral("chkFragile"));
  chkFragile->setToolTip(tr("只有易碎的纸箱可以压在它上面"));
  txtMaxLoadOnTop = new QLineEdit(group);
  txtMaxLoadOnTop->setObjectName(QStringLiteral("txtMaxLoadOnTop"));
  txtMaxLoadOnTop->setPlaceholderText(tr("不限"));
  acceptDecimalKeysOnly(txtMaxLoadOnTop);
  cbStop = new QComboBox(group);
  cbStop->setObjectName(QStringLiteral("cbStop"));
  cbStop->setEditable(true);
  cbStop->setInsertPolicy(QComboBox::NoInsert);
  cbStop->setToolTip(tr("选择或输入送货的目的地；留空表示最后一站"));
  cbPallet = new QComboBox(group);
  cbPallet->setObjectName(QStringLiteral("cbPallet"));
  cbPallet->setToolTip(tr("装在哪种托盘上；散装表示不上托盘，直接装入集装箱"));
  auto* checks = new QHBoxLayout;
  checks->addWidget(chkStackable);
  checks->addWidget(chkFragile);
  checks->addStretch();
  auto* fields = new QFormLayout;
  fields->addRow(tr("顶部最大承重(kg)"), txtMaxLoadOnTop);
  fields->addRow(tr("目的地"), cbStop);
  fields->addRow(tr("托盘"), cbPallet);
  auto* layout = new QVBoxLayout(group);
  layout->addLayout(checks);
  layout->addLayout(fields);
  return group;
}

void TCartonPropForm::fillStopBox() {
  cbStop->clear();
  cbStop->addItem(QString());
  for (const std::string& stop : host_.project().stops) cbStop->addItem(qs(stop));
}

void TCartonPropForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  FormActivate();
  txtL->setFocus();
  txtL->selectAll();
}

bool TCartonPropForm::editedCartonExists() const {
  return editIndex >= 0 && static_cast<std::size_t>(editIndex) < host_.project().cartons.size();
}

void TCartonPropForm::FormActivate() {
  editIndex = host_.selectedCartonIndex();
  const Carton carton = editedCartonExists() ? host_.project().cartons[static_cast<std::size_t>(editIndex)]
                                             : Carton{};
  showEntry(cartonEntryOf(carton));
}

void TCartonPropForm::showEntry(const CartonEntry& e) {
  txtName->setText(qs(e.name));
  txtL->setText(qs(e.length));
  txtW->setText(qs(e.width));
  txtH->setText(qs(e.height));
  txtCount->setText(qs(e.count));
  chkMustUp->setChecked(e.mustUp);
  txtUpendLayers->setText(qs(e.upendLayers));
  txtWeight->setText(qs(e.weight));
  cbeMaterial->setCurrentIndex(e.material);
  cbSpaceIndex->setCurrentIndex(e.spaceItem);
  chkStackable->setChecked(e.stackable);
  txtMaxLoadOnTop->setText(qs(e.maxLoadOnTop));
  chkFragile->setChecked(e.fragile);
  fillStopBox();
  const int stopItem = cbStop->findText(qs(e.stop));
  if (stopItem >= 0) cbStop->setCurrentIndex(stopItem);
  else cbStop->setEditText(qs(e.stop));
  // The items are the carton's data: its pallet name goes back as it came unless another is chosen.
  cbPallet->clear();
  const std::vector<PalletChoice> pallets = palletChoices(host_.project(), e.pallet, host_.settings().pallets);
  for (const PalletChoice& choice : pallets) cbPallet->addItem(qs(choice.text), qs(choice.name));
  cbPallet->setCurrentIndex(palletChoiceOf(pallets, host_.project(), e.pallet));
  chkMustUpClick();
}

CartonEntry TCartonPropForm::entry() const {
  CartonEntry e;
  e.name = std8(txtName->text());
  e.length = std8(txtL->text());
  e.width = std8(txtW->text());
  e.height = std8(txtH->text());
  e.count = std8(txtCount->text());
  e.upendLayers = std8(txtUpendLayers->text());
  e.weight = std8(txtWeight->text());
  e.mustUp = chkMustUp->isChecked();
  e.material = cbeMaterial->currentIndex();
  e.spaceItem = cbSpaceIndex->currentIndex();
  e.stackable = chkStackable->isChecked();
  e.maxLoadOnTop = std8(txtMaxLoadOnTop->text().trimmed());
  e.fragile = chkFragile->isChecked();
  e.stop = std8(cbStop->currentText().trimmed());
  e.pallet = std8(cbPallet->currentData().toString());
  return e;
}

void TCartonPropForm::chkMustUpClick() {
  const bool enabled = chkMustUp->isChecked();
  lblUpendLayers->setEnabled(enabled);
  txtUpendLayers->setEnabled(enabled);
  UpDownLayer->setEnabled(enabled);
}

void TCartonPropForm::btnOKClick() {
  if (!editedCartonExists()) {  // nothing to write to: close as Cancel would
    reject();
    return;
  }
  FillScheme& project = host_.project();
  Carton& carton = project.cartons[static_cast<std::size_t>(editIndex)];
  // Loading as much as fits, or into several containers, takes orders of any size.
  const bool capped = host_.project().planner.value_or(host_.settings().plannerChoice()).mode == PlanningMode::Sets;
  const CartonCheck check = checkCartonEntry(project, carton, newMode, entry(), capped);
  if (!check.accepted()) {
    host_.messages().information(qs(check.message));
    return;
  }
  carton = check.carton;
  addStopIfNew(project, carton.stop);
  adoptLibraryPallet(project, host_.settings().pallets, carton.pallet);
  host_.refreshTree(true);
  newMode = false;
  accept();
}

void TCartonPropForm::reject() {
  if (newMode) {
    if (editIndex >= 0 && host_.project().removeCarton(static_cast<std::size_t>(editIndex)))
      host_.deleteSelectedCartonNode();
    host_.refreshTree(true);
  }
  newMode = false;
  QDialog::reject();
}
