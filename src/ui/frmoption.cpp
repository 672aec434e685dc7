#include "ui/frmoption.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "model/fillscheme.h"
#include "model/language.h"
#include "model/settings.h"
#include "platform/language.h"
#include "ui/formhost.h"
#include "ui/frmcontainerprop.h"
#include "ui/keyfilter.h"
#include "ui/dialogbuttons.h"
#include "ui/messages.h"
#include "ui/qtext.h"
#include "ui/updown.h"

namespace {

constexpr int kMaxSpacingArrows = 20;

// One label per line of text.
QWidget* noteLabels(const QString& text, QWidget* parent) {
  auto* note = new QWidget(parent);
  auto* layout = new QVBoxLayout(note);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  for (const QString& line : text.split('\n')) layout->addWidget(new QLabel(line, note));
  layout->addStretch();
  return note;
}

QPushButton* button(const QString& caption, const char* name, QWidget* parent) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setAutoDefault(false);
  return b;
}

}  // namespace

TOptionForm::TOptionForm(FormHost& host, TContainerPropForm& containerForm, QWidget* parent)
    : QDialog(parent), host_(host), containerForm_(containerForm) {
  setObjectName(QStringLiteral("OptionForm"));
  setWindowTitle(tr("选项"));
  containerForm_.setLibrary(&workingList);

  pcOptions = new QTabWidget(this);
  pcOptions->setObjectName(QStringLiteral("pcOptions"));
  pcOptions->addTab(buildContainerPage(), tr("集装箱"));
  pcOptions->addTab(buildSpacingPage(), tr("装箱设置"));
  pcOptions->addTab(buildPlanningPage(), tr("装载方式"));
  pcOptions->addTab(buildPalletPage(), tr("托盘"));

  auto* buttons = okCancelButtons(this, btnOK, btnCancel);
  btnDefaults = button(tr("恢复默认设置(&R)"), "btnDefaults", this);
  auto* buttonRow = new QHBoxLayout;
  buttonRow->addWidget(btnDefaults);
  buttonRow->addWidget(buttons, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pcOptions);
  layout->addLayout(buildLanguageRow());
  layout->addLayout(buttonRow);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(pcOptions, &QTabWidget::currentChanged, this, &TOptionForm::PageControl1Change);
  connect(lvContainers, &QTreeWidget::itemSelectionChanged, this, &TOptionForm::lvContainersSelectItem);
  connect(lvContainers, &QTreeWidget::itemDoubleClicked, this, &TOptionForm::lvContainersDblClick);
  connect(lvContainers, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int column) {
    if (column != 1) return;
    workingList.setInFleet(static_cast<std::size_t>(lvContainers->indexOfTopLevelItem(item)),
                           item->checkState(1) == Qt::Checked);
  });
  connect(btnAdd, &QPushButton::clicked, this, &TOptionForm::btnAddClick);
  connect(btnMod, &QPushButton::clicked, this, &TOptionForm::btnModClick);
  connect(btnDel, &QPushButton::clicked, this, &TOptionForm::btnDelClick);
  connect(btnSetDefault, &QPushButton::clicked, this, &TOptionForm::btnSetDefaultClick);
  connect(btnDefaults, &QPushButton::clicked, this, &TOptionForm::btnDefaultsClick);
  connect(btnOK, &QPushButton::clicked, this, &TOptionForm::btnOKClick);
  connect(btnCancel, &QPushButton::clicked, this, &TOptionForm::reject);
}

QWidget* TOptionForm::buildContainerPage() {
  SheetContainer = new QWidget(this);
  SheetContainer->setObjectName(QStringLiteral("SheetContainer"));
  lvContainers = new QTreeWidget(SheetContainer);
  lvContainers->setObjectName(QStringLiteral("lvContainers"));
  lvContainers->setHeaderLabels(
      {QString(), tr("名称"), tr("长"), tr("宽"), tr("高"), tr("最大容重"), tr("费用"), tr("可用数量")});
  lvContainers->header()->setMinimumSectionSize(8);  // room for the narrow marker column
  const int widths[] = {20, 100, 70, 60, 60, 100, 60, 70};
  for (int column = 0; column < 8; ++column) lvContainers->setColumnWidth(column, widths[column]);
  lvContainers->header()->setStretchLastSection(false);
  lvContainers->header()->setSectionsMovable(false);
  lvContainers->setRootIsDecorated(false);
  lvContainers->setItemsExpandable(false);
  lvContainers->setUniformRowHeights(true);
  lvContainers->setSelectionMode(QAbstractItemView::SingleSelection);
  lvContainers->setSelectionBehavior(QAbstractItemView::SelectRows);
  lvContainers->setEditTriggers(QAbstractItemView::NoEditTriggers);
  lvContainers->setTextElideMode(Qt::ElideNone);  // the marker digit stays out of sight
  lvContainers->setMinimumSize(20 + 100 + 70 + 60 + 60 + 100 + 60 + 70 + 24, 220);
  lvContainers->setToolTip(tr("勾选名称：用作多个集装箱装载时的集装箱种类"));

  btnAdd = button(tr("增加(&A)..."), "btnAdd", SheetContainer);
  btnMod = button(tr("修改(&M)..."), "btnMod", SheetContainer);
  btnDel = button(tr("删除(&D)..."), "btnDel", SheetContainer);
  btnSetDefault = button(tr("设为默认(&S)"), "btnSetDefault", SheetContainer);
  auto* buttons = new QVBoxLayout;
  for (QPushButton* b : {btnAdd, btnMod, btnDel, btnSetDefault}) buttons->addWidget(b);
  buttons->addStretch();

  auto* layout = new QHBoxLayout(SheetContainer);
  layout->addWidget(lvContainers, 1);
  layout->addLayout(buttons);
  return SheetContainer;
}

QLineEdit* TOptionForm::numberBox(const char* name, const char* upDownName, int minimum, int maximum,
                                  UpDown*& upDown) {
  auto* box = new QLineEdit(this);
  box->setObjectName(QString::fromLatin1(name));
  box->setFixedWidth(60);
  acceptDigitKeysOnly(box);
  upDown = new UpDown(box, minimum, maximum, this);
  upDown->setObjectName(QString::fromLatin1(upDownName));
  return box;
}

QWidget* TOptionForm::buildSpacingGroup() {
  auto* group = new QGroupBox(tr("箱间空隙"), SheetSpacing);
  txtSpacingL = numberBox("txtSpacingL", "UpDownSpacingL", 0, kMaxSpacingArrows, UpDownSpacingL);
  txtSpacingW = numberBox("txtSpacingW", "UpDownSpacingW", 0, kMaxSpacingArrows, UpDownSpacingW);
  txtSpacingH = numberBox("txtSpacingH", "UpDownSpacingH", 0, kMaxSpacingArrows, UpDownSpacingH);
  auto* fields = new QFormLayout;
  fields->addRow(tr("长方向空隙(mm)"), boxWithUpDown(txtSpacingL, UpDownSpacingL, group));
  fields->addRow(tr("宽方向空隙(mm)"), boxWithUpDown(txtSpacingW, UpDownSpacingW, group));
  fields->addRow(tr("高方向空隙(mm)"), boxWithUpDown(txtSpacingH, UpDownSpacingH, group));
  auto* layout = new QHBoxLayout(group);
  layout->addWidget(noteLabels(tr("　　纸箱间空隙设置。您可以分别\n设置在集装箱长、宽、高方向的箱\n间空隙。"),
                               group));
  layout->addLayout(fields);
  return group;
}

QWidget* TOptionForm::buildBlockGroup() {
  auto* group = new QGroupBox(tr("块数限制（2种纸箱以下）"), SheetSpacing);
  txtMaxBlockNum = numberBox("txtMaxBlockNum", "UpDownMaxBlockNum", 1, kMaxShownBlockNum, UpDownMaxBlockNum);
  UpDownMaxBlockNum->setPosition(kMaxShownBlockNum);
  auto* fields = new QFormLayout;
  fields->addRow(tr("最大允许块数"), boxWithUpDown(txtMaxBlockNum, UpDownMaxBlockNum, group));
  auto* layout = new QHBoxLayout(group);
  layout->addWidget(noteLabels(tr("　　计算结果是分块显示的，\n在这里您可以设定结算结果的\n最大块数。减少此数值可简化\n"
                                  "装箱方案，但可能引起装箱率\n的降低。"),
                               group));
  layout->addLayout(fields);
  return group;
}

QLayout* TOptionForm::buildLanguageRow() {
  cbeLanguage = new QComboBox(this);
  cbeLanguage->setObjectName(QStringLiteral("cbeLanguage"));
  cbeLanguage->addItem(QStringLiteral("中文"), QStringLiteral("zh"));
  cbeLanguage->addItem(QStringLiteral("English"), QStringLiteral("en"));
  auto* note = new QLabel(tr("语言在下次启动时生效。"), this);
  note->setObjectName(QStringLiteral("lblLanguageNote"));
  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(QStringLiteral("语言 / Language"), this));
  row->addWidget(cbeLanguage);
  row->addWidget(note, 1);
  return row;
}

QWidget* TOptionForm::buildSpacingPage() {
  SheetSpacing = new QWidget(this);
  SheetSpacing->setObjectName(QStringLiteral("SheetSpacing"));
  auto* layout = new QVBoxLayout(SheetSpacing);
  layout->addWidget(buildSpacingGroup());
  layout->addWidget(buildBlockGroup());
  layout->addStretch();
  return SheetSpacing;
}

QWidget* TOptionForm::buildPlanningPage() {
  SheetPlanning = new QWidget(this);
  SheetPlanning->setObjectName(QStringLiteral("SheetPlanning"));

  auto* modeGroup = new QGroupBox(tr("装载方式"), SheetPlanning);
  rbSets = new QRadioButton(tr("按套装载"), modeGroup);
  rbSets->setObjectName(QStringLiteral("rbSets"));
  rbLoadMax = new QRadioButton(tr("尽量多装"), modeGroup);
  rbLoadMax->setObjectName(QStringLiteral("rbLoadMax"));
  rbFleet = new QRadioButton(tr("多个集装箱"), modeGroup);
  rbFleet->setObjectName(QStringLiteral("rbFleet"));
  cbFleetGoal = new QComboBox(modeGroup);
  cbFleetGoal->setObjectName(QStringLiteral("cbFleetGoal"));
  cbFleetGoal->addItem(tr("全部装完、费用最低"));
  cbFleetGoal->addItem(tr("只用现有集装箱"));
  txtFleetTimeLimit = new QLineEdit(modeGroup);
  txtFleetTimeLimit->setObjectName(QStringLiteral("txtFleetTimeLimit"));
  txtFleetTimeLimit->setFixedWidth(60);
  acceptDecimalKeysOnly(txtFleetTimeLimit);
  auto* fleetRow = new QHBoxLayout;
  fleetRow->addWidget(rbFleet);
  fleetRow->addWidget(cbFleetGoal);
  fleetRow->addWidget(new QLabel(tr("计算时限(秒)"), modeGroup));
  fleetRow->addWidget(txtFleetTimeLimit);
  fleetRow->addStretch();
  auto* modes = new QVBoxLayout(modeGroup);
  modes->addWidget(rbSets);
  modes->addWidget(new QLabel(tr("　　按输入的纸箱数量成套装载，可装多套时按套数计算。"), modeGroup));
  modes->addWidget(rbLoadMax);
  modes->addWidget(new QLabel(tr("　　在集装箱和最大载重允许的范围内装入尽量多的纸箱，\n并列出未能装入的纸箱。"),
                              modeGroup));
  modes->addLayout(fleetRow);
  modes->addWidget(new QLabel(tr("　　用“集装箱”页中勾选的集装箱种类（未勾选时用当前集装箱）装载全部纸箱，\n"
                                 "费用最低；或只用各种集装箱的可用数量，装入尽量多的纸箱。"),
                              modeGroup));

  auto* loadMaxGroup = new QGroupBox(tr("尽量多装"), SheetPlanning);
  txtTimeLimit = new QLineEdit(loadMaxGroup);
  txtTimeLimit->setObjectName(QStringLiteral("txtTimeLimit"));
  txtTimeLimit->setFixedWidth(60);
  acceptDecimalKeysOnly(txtTimeLimit);
  txtSupportPercent = new QLineEdit(loadMaxGroup);
  txtSupportPercent->setObjectName(QStringLiteral("txtSupportPercent"));
  txtSupportPercent->setFixedWidth(60);
  acceptDigitKeysOnly(txtSupportPercent);
  auto* fields = new QFormLayout;
  fields->addRow(tr("计算时限(秒)"), txtTimeLimit);
  fields->addRow(tr("支撑面积(%)"), txtSupportPercent);
  auto* loadMaxLayout = new QHBoxLayout(loadMaxGroup);
  loadMaxLayout->addWidget(noteLabels(tr("　　计算在时限内找出最好的方案。\n悬空的纸箱底面至少有这一比例\n落在下面的纸箱上。"),
                                      loadMaxGroup));
  loadMaxLayout->addLayout(fields);

  auto* layout = new QVBoxLayout(SheetPlanning);
  layout->addWidget(modeGroup);
  layout->addWidget(loadMaxGroup);
  layout->addStretch();
  return SheetPlanning;
}

void TOptionForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormActivate();
}

void TOptionForm::FormActivate() {
  defaultsChosen_ = false;
  showSettings(host_.settings(), host_.project().planner);
  pcOptions->setCurrentWidget(SheetContainer);
  lvContainers->setFocus();
}

void TOptionForm::showSettings(const Settings& settings, const std::optional<PlannerChoice>& projectPlanner) {
  // The stored choice, else the language this start speaks.
  const std::string language =
      languageFromCode(settings.language) ? settings.language : languageCode(currentLanguage());
  cbeLanguage->setCurrentIndex(cbeLanguage->findData(QString::fromStdString(language)));
  const OptionEntry shown = optionEntryOf(settings, projectPlanner);
  showSpacings(shown);
  showPlanning(shown);
  workingList.load(settings.containers, host_.project().container, host_.project().fleet);
  showPalletTypes(settings.pallets, host_.project().palletTypes);
  showLibrary();
}

void TOptionForm::btnDefaultsClick() {
  static const Settings defaults;
  defaultsChosen_ = true;
  showSettings(defaults);
}

void TOptionForm::PageControl1Change() {
  if (pcOptions->currentWidget() != SheetSpacing) return;
  static const Settings defaults;
  showSpacings(spacingEntryOf(defaultsChosen_ ? defaults : host_.settings()));
}

void TOptionForm::showSpacings(const OptionEntry& e) {
  txtSpacingL->setText(qs(e.spacingL));
  txtSpacingW->setText(qs(e.spacingW));
  txtSpacingH->setText(qs(e.spacingH));
  if (!e.maxBlockNum.empty()) txtMaxBlockNum->setText(qs(e.maxBlockNum));
}

void TOptionForm::showPlanning(const OptionEntry& e) {
  (e.planningMode == PlanningMode::LoadMax ? rbLoadMax : e.planningMode == PlanningMode::Fleet ? rbFleet : rbSets)
      ->setChecked(true);
  cbFleetGoal->setCurrentIndex(e.fleetGoal == FleetGoal::FixedFleet ? 1 : 0);
  txtFleetTimeLimit->setText(qs(e.fleetTimeLimit));
  txtTimeLimit->setText(qs(e.loadMaxTimeLimit));
  txtSupportPercent->setText(qs(e.supportPercent));
}

void TOptionForm::showLibrary() {
  const QSignalBlocker blocker(lvContainers);
  lvContainers->clear();
  const std::vector<ContainerRow>& rows = workingList.rows();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const ContainerRow& r = rows[i];
    auto* item = new QTreeWidgetItem(lvContainers, {qs(rowMarker(i)), qs(r.name), qs(r.length), qs(r.width),
                                                    qs(r.height), qs(r.maxWeight), qs(r.cost), qs(r.available)});
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(1, workingList.inFleet(i) ? Qt::Checked : Qt::Unchecked);
    if (workingList.selected() == i) {
      item->setSelected(true);
      lvContainers->setCurrentItem(item);
      lvContainers->scrollToItem(item);
    }
  }
  enableRowButtons();
}

void TOptionForm::enableRowButtons() {
  const bool rowSelected = workingList.selectedRow() != nullptr;
  btnMod->setEnabled(rowSelected);
  btnDel->setEnabled(rowSelected);
  btnSetDefault->setEnabled(rowSelected);
}

void TOptionForm::lvContainersSelectItem() {
  const QList<QTreeWidgetItem*> chosen = lvContainers->selectedItems();
  std::optional<std::size_t> row;
  if (chosen.size() == 1) row = static_cast<std::size_t>(lvContainers->indexOfTopLevelItem(chosen.front()));
  workingList.select(row);
  enableRowButtons();
}

void TOptionForm::lvContainersDblClick() { btnModClick(); }

void TOptionForm::editSelectedRow(bool isNew) {
  containerForm_.newMode = isNew;
  containerForm_.exec();
  showLibrary();
}

void TOptionForm::btnAddClick() {
  workingList.addRow();
  showLibrary();
  editSelectedRow(true);
}

void TOptionForm::btnModClick() {
  if (workingList.selectedRow()) editSelectedRow(false);
}

void TOptionForm::btnDelClick() {
  const ContainerRow* row = workingList.selectedRow();
  if (!row || !host_.messages().question(qs(deleteRowQuestion(*row)))) return;
  workingList.removeSelected();
  showLibrary();
}

void TOptionForm::btnSetDefaultClick() {
  if (workingList.moveSelectedToTop()) showLibrary();
}

OptionEntry TOptionForm::entry() const {
  OptionEntry e;
  e.spacingL = std8(txtSpacingL->text());
  e.spacingW = std8(txtSpacingW->text());
  e.spacingH = std8(txtSpacingH->text());
  e.maxBlockNum = std8(txtMaxBlockNum->text());
  e.planningMode = rbLoadMax->isChecked() ? PlanningMode::LoadMax
                   : rbFleet->isChecked() ? PlanningMode::Fleet
                                          : PlanningMode::Sets;
  e.loadMaxTimeLimit = std8(txtTimeLimit->text());
  e.supportPercent = std8(txtSupportPercent->text());
  e.fleetGoal = cbFleetGoal->currentIndex() == 1 ? FleetGoal::FixedFleet : FleetGoal::Cheapest;
  e.fleetTimeLimit = std8(txtFleetTimeLimit->text());
  return e;
}

void TOptionForm::btnOKClick() {
  const OptionCheck check = checkOptionEntry(entry(), workingList);
  if (!check.accepted()) {
    host_.messages().information(qs(check.message));
    return;
  }
  const PalletRowsCheck pallets = readPalletRows(palletRowsShown());
  if (!pallets.accepted()) {
    pcOptions->setCurrentWidget(SheetPallets);
    lvPallets->selectRow(static_cast<int>(pallets.row));
    host_.messages().information(qs(pallets.message));
    return;
  }
  std::vector<PalletType> own;
  const std::vector<bool> ticked = palletRowsTicked();
  for (std::size_t i = 0; i < pallets.types.size(); ++i)
    if (ticked[i]) own.push_back(pallets.types[i]);
  host_.project().palletTypes = own;
  // After "恢复默认设置" what the dialog does not show goes back too.
  if (defaultsChosen_) host_.settings() = Settings{};
  applyOptions(check.values, host_.settings(), host_.project());
  host_.settings().pallets = pallets.types;
  // A language other than this start's is kept for the next start; choosing the one in
  // effect leaves the stored choice, or the locale, deciding.
  const std::string language = cbeLanguage->currentData().toString().toStdString();
  if (language != languageCode(currentLanguage())) host_.settings().language = language;
  host_.refreshTree(true);
  host_.settingsChanged();
  accept();
}

QWidget* TOptionForm::buildPalletPage() {
  SheetPallets = new QWidget(this);
  SheetPallets->setObjectName(QStringLiteral("SheetPallets"));
  lvPallets = new QTableWidget(0, static_cast<int>(kPalletColumnCount), SheetPallets);
  lvPallets->setObjectName(QStringLiteral("lvPallets"));
  QStringList captions;
  for (const std::string& caption : palletColumns()) captions << qs(caption);
  lvPallets->setHorizontalHeaderLabels(captions);
  lvPallets->verticalHeader()->hide();
  lvPallets->setSelectionBehavior(QAbstractItemView::SelectRows);
  lvPallets->setSelectionMode(QAbstractItemView::SingleSelection);
  auto* btnAddPallet = button(tr("增加托盘类型"), "btnAddPallet", SheetPallets);
  auto* btnDelPallet = button(tr("删除托盘类型"), "btnDelPallet", SheetPallets);
  connect(btnAddPallet, &QPushButton::clicked, this, [this] {
    addPalletRow(palletRowOf(newPalletType(palletRowsShown())), true);
    lvPallets->selectRow(lvPallets->rowCount() - 1);
  });
  connect(btnDelPallet, &QPushButton::clicked, this, [this] {
    if (lvPallets->currentRow() >= 0) lvPallets->removeRow(lvPallets->currentRow());
  });
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(btnAddPallet);
  buttons->addWidget(btnDelPallet);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(SheetPallets);
  layout->addWidget(noteLabels(tr("托盘库：您自己的托盘类型，在各项目间保留；勾选的是本项目所用的类型。\n"
                                  "EUR、ISO、US 三种预设总可选用；与预设同名的类型代替该预设。"),
                               SheetPallets));
  layout->addWidget(lvPallets, 1);
  layout->addLayout(buttons);
  return SheetPallets;
}

void TOptionForm::showPalletTypes(const std::vector<PalletType>& library, const std::vector<PalletType>& project) {
  lvPallets->setRowCount(0);
  const PalletTable table = palletTable(library, project);
  for (std::size_t i = 0; i < table.types.size(); ++i) addPalletRow(palletRowOf(table.types[i]), table.inProject[i]);
}

namespace {

// The columns chosen from a list rather than typed.
constexpr int kStackableColumn = 8;
constexpr int kForkEntryColumn = 10;

QComboBox* choiceBox(const std::vector<std::string>& texts, const std::string& current) {
  auto* box = new QComboBox;
  for (const std::string& text : texts) box->addItem(qs(text));
  box->setCurrentText(qs(current));
  return box;
}

}  // namespace

void TOptionForm::addPalletRow(const PalletRow& row, bool inProject) {
  const int r = lvPallets->rowCount();
  lvPallets->insertRow(r);
  for (int c = 0; c < static_cast<int>(kPalletColumnCount); ++c) {
    const std::string& text = row[static_cast<std::size_t>(c)];
    if (c == kStackableColumn)
      lvPallets->setCellWidget(r, c, choiceBox(stackableTexts(), text));
    else if (c == kForkEntryColumn)
      lvPallets->setCellWidget(r, c, choiceBox(forkEntryTexts(), text));
    else
      lvPallets->setItem(r, c, new QTableWidgetItem(qs(text)));
  }
  // The name's box ticked: the project uses the type.
  lvPallets->item(r, 0)->setFlags(lvPallets->item(r, 0)->flags() | Qt::ItemIsUserCheckable);
  lvPallets->item(r, 0)->setCheckState(inProject ? Qt::Checked : Qt::Unchecked);
}

std::vector<bool> TOptionForm::palletRowsTicked() const {
  std::vector<bool> ticked;
  for (int r = 0; r < lvPallets->rowCount(); ++r)
    ticked.push_back(lvPallets->item(r, 0) != nullptr && lvPallets->item(r, 0)->checkState() == Qt::Checked);
  return ticked;
}

std::vector<PalletRow> TOptionForm::palletRowsShown() const {
  std::vector<PalletRow> rows;
  for (int r = 0; r < lvPallets->rowCount(); ++r) {
    PalletRow row;
    for (int c = 0; c < static_cast<int>(kPalletColumnCount); ++c) {
      if (auto* box = qobject_cast<QComboBox*>(lvPallets->cellWidget(r, c)))
        row[static_cast<std::size_t>(c)] = std8(box->currentText());
      else if (const QTableWidgetItem* item = lvPallets->item(r, c))
        row[static_cast<std::size_t>(c)] = std8(item->text().trimmed());
    }
    rows.push_back(row);
  }
  return rows;
}
