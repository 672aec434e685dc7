// The main window's carton tree, result list and status bar.

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <functional>

#include "commands/fillblocks.h"
#include "commands/fleetplan.h"
#include "commands/leftoverreasons.h"
#include "commands/leftovers.h"
#include "commands/loadbalance.h"
#include "commands/palletplan.h"
#include "commands/resultlist.h"
#include "commands/statistics.h"
#include "commands/treecaptions.h"
#include "ui/elidedlabel.h"
#include "ui/columnstretch.h"
#include "ui/frmmain.h"
#include "ui/pictures.h"
#include "ui/stepcontrol.h"
#include "ui/stopkey.h"
#include "view3d/boxviewer.h"

namespace {

// The columns' widths and alignments; the captions are the core's resultColumns().
struct ResultColumnLook {
  int width;
  Qt::Alignment alignment;
};

const std::array<ResultColumnLook, kResultColumnCount> kColumnLooks = {{
    {40, Qt::AlignLeft | Qt::AlignVCenter},
    {85, Qt::AlignCenter},
    {150, Qt::AlignCenter},
    {120, Qt::AlignCenter},
    {130, Qt::AlignCenter},
    {60, Qt::AlignCenter},
    {130, Qt::AlignRight | Qt::AlignVCenter},
}};
constexpr int kColumnCount = static_cast<int>(kColumnLooks.size());
// After them the stop column, shown while the project lists stops.
constexpr int kStopColumn = kColumnCount;
constexpr int kStopColumnWidth = 80;
constexpr int kStopColumnShownAt = 2;  // after the block number and the carton

// Leftover rows name what the plan left behind, in red; they hold no block to select.
QTableWidgetItem* resultItem(const std::string& text, Qt::Alignment alignment, ResultRowKind kind) {
  auto* item = new QTableWidgetItem(QString::fromStdString(text));
  item->setTextAlignment(alignment);
  if (kind == ResultRowKind::Leftover) {
    item->setFlags(Qt::ItemIsEnabled);
    item->setForeground(QColor(Qt::red));
  } else {
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
  }
  return item;
}

// Presses on the leftover rows below the totals row leave the selection, and so the view,
// as they are: those rows hold no block.
class LeftoverRowPresses : public QObject {
 public:
  // totalsRow: the index of the totals row, asked at each press (the project may be replaced).
  LeftoverRowPresses(QTableWidget* list, std::function<int()> totalsRow)
      : QObject(list), list_(list), totalsRow_(std::move(totalsRow)) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    const auto type = event->type();
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
      const int row = list_->rowAt(static_cast<QMouseEvent*>(event)->position().toPoint().y());
      if (row > totalsRow_()) return true;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QTableWidget* list_;
  std::function<int()> totalsRow_;
};

}  // namespace

void TMainForm::createResultList() {
  lvResult = new QTableWidget(0, kColumnCount + 1);
  lvResult->setObjectName("lvResult");
  QStringList captions;
  for (const std::string& caption : resultColumns()) captions << QString::fromStdString(caption);
  captions << QString::fromStdString(stopColumnCaption());
  lvResult->setHorizontalHeaderLabels(captions);
  for (int i = 0; i < kColumnCount; ++i) lvResult->setColumnWidth(i, kColumnLooks[static_cast<std::size_t>(i)].width);
  lvResult->setColumnWidth(kStopColumn, kStopColumnWidth);
  lvResult->setColumnHidden(kStopColumn, true);
  // The stop stands beside the carton, in sight without scrolling the list sideways.
  lvResult->horizontalHeader()->moveSection(kStopColumn, kStopColumnShownAt);
  lvResult->horizontalHeader()->setStretchLastSection(false);
  lvResult->horizontalHeader()->setHighlightSections(false);
  lvResult->verticalHeader()->hide();
  lvResult->verticalHeader()->setDefaultSectionSize(lvResult->fontMetrics().height() + 6);
  lvResult->setShowGrid(true);
  lvResult->setWordWrap(false);
  lvResult->setSelectionBehavior(QAbstractItemView::SelectRows);
  lvResult->setSelectionMode(QAbstractItemView::ExtendedSelection);
  lvResult->setEditTriggers(QAbstractItemView::NoEditTriggers);
  lvResult->setIconSize(QSize(kTreePictureSize, kTreePictureSize));
  lvResult->resize(lvResult->width(), 112);
  // The selection stays as visible when the list loses the focus.
  QPalette palette = lvResult->palette();
  for (auto role : {QPalette::Highlight, QPalette::HighlightedText})
    palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
  lvResult->setPalette(palette);
  connect(lvResult, &QTableWidget::itemSelectionChanged, this, [this] { lvResultSelectItem(); });
  lvResult->viewport()->installEventFilter(
      new LeftoverRowPresses(lvResult, [this] { return static_cast<int>(listing_.totalsRow); }));

  PopupMenuBlock = new QMenu(this);
  PopupMenuBlock->setObjectName("PopupMenuBlock");
  mnuFillCompletely = PopupMenuBlock->addAction(tr("完全填充"));
  mnuFillCompletely->setObjectName("mnuFillCompletely");
  connect(mnuFillCompletely, &QAction::triggered, this, &TMainForm::mnuFillCompletelyClick);
  lvResult->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(lvResult, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    PopupMenuBlockPopup();
    PopupMenuBlock->popup(lvResult->viewport()->mapToGlobal(at));
  });
}

QTreeWidgetItem* TMainForm::rootNode() const { return treeCarton->topLevelItem(0); }

QTreeWidgetItem* TMainForm::addCartonNode(const Carton& carton) {
  auto* node = new QTreeWidgetItem(rootNode(), {QString::fromStdString(cartonCaption(carton))});
  node->setIcon(0, treePicture(carton.material + 1));
  return node;
}

void TMainForm::refreshTree(bool clearResults) {
  treeCarton->clear();
  auto* root = new QTreeWidgetItem(treeCarton, {QString::fromStdString(containerCaption(project_->container))});
  root->setIcon(0, treePicture(kContainerPicture));
  for (const Carton& carton : project_->cartons) addCartonNode(carton);
  // The container types for several containers, with their counts and costs.
  if (!project_->fleet.empty()) {
    auto* fleet = new QTreeWidgetItem(treeCarton, {tr("多个集装箱（%1 种）").arg(project_->fleet.size())});
    fleet->setIcon(0, treePicture(kContainerPicture));
    for (const ContainerType& type : project_->fleet) {
      auto* node = new QTreeWidgetItem(fleet, {QString::fromStdString(containerTypeCaption(type))});
      node->setIcon(0, treePicture(kContainerPicture));
    }
  }
  treeCarton->expandAll();

  scene_.clearScene();
  stopKey->showStops({});
  scene_.setSceneContainer(project_->container);
  refreshView(true);
  showStatistics(1);
  if (clearResults) {
    project_->result = {};
    shownIndex_ = 0;
    refreshResults(-1);
  }
  updateTitle();
}

void TMainForm::showContainerTabs() {
  const QSignalBlocker quiet(tabContainers);
  const std::size_t count = project_->result.containers.size();
  if (shownIndex_ >= count) shownIndex_ = 0;
  while (tabContainers->count() > 0) tabContainers->removeTab(0);
  for (std::size_t k = 0; k < count; ++k)
    tabContainers->addTab(QString::fromStdString(loadedContainerCaption(*project_, k)));
  tabContainers->setCurrentIndex(static_cast<int>(shownIndex_));
  tabContainers->setVisible((project_->result.mode == PlanningMode::Fleet && count > 0) || count > 1);
}

void TMainForm::refreshResults(int selectIndex) {
  showContainerTabs();
  listing_ = resultListing(*project_, shownIndex_);
  const std::vector<ResultRow>& rows = listing_.rows;
  // The view draws the container shown: of several, each tab's own type.
  const Container& shown = shownContainer().container;
  const SceneSize& drawn = scene_.sceneSize;
  if (drawn.length != shown.length || drawn.width != shown.width || drawn.height != shown.height) {
    scene_.setSceneContainer(shown);
    refreshView(true);
  }
  {
    const QSignalBlocker quiet(lvResult);
    lvResult->clearSelection();
    lvResult->setRowCount(0);
    lvResult->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
      const ResultRow& row = rows[static_cast<std::size_t>(r)];
      for (int c = 0; c < kColumnCount; ++c)
        lvResult->setItem(r, c, resultItem(row.texts[static_cast<std::size_t>(c)],
                                            kColumnLooks[static_cast<std::size_t>(c)].alignment, row.kind));
      lvResult->setItem(r, kStopColumn, resultItem(row.stop, Qt::AlignCenter, row.kind));
      lvResult->item(r, 0)->setIcon(treePicture(row.imageIndex));
    }
  }
  showStopColumn(!project_->stops.empty());
  showPlanSteps();
  showStopKey();
  const int totalsRow = static_cast<int>(listing_.totalsRow);
  // The whole plan's centre until the selection shows less of it.
  showGravityPoint(shownBalance(),
                   tr("■ 黑色标记：全部 %1 步所装纸箱的重心").arg(stepControl->stepCount()));
  selectResultRow(selectIndex >= 0 && selectIndex <= totalsRow ? selectIndex : totalsRow);
  if (!listing_.parts.empty()) showStatistics(2);
  updateTitle();
}

void TMainForm::showStopColumn(bool shown) {
  if (lvResult->isColumnHidden(kStopColumn) != shown) return;
  lvResult->setColumnHidden(kStopColumn, !shown);
  if (shown) lvResult->setColumnWidth(kStopColumn, kStopColumnWidth);
  resultStretch_->apply();
}

void TMainForm::selectResultRow(int row) {
  const QModelIndex index = lvResult->model()->index(row, 0);
  lvResult->selectionModel()->setCurrentIndex(
      index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  lvResult->scrollTo(index);
}

std::vector<int> TMainForm::selectedResultRows() const {
  std::vector<int> rows;
  for (const QModelIndex& index : lvResult->selectionModel()->selectedRows()) rows.push_back(index.row());
  std::sort(rows.begin(), rows.end());
  return rows;
}

QWidget* TMainForm::createStatusLines() {
  auto* lines = new QWidget(sbStatus);
  auto* layout = new QVBoxLayout(lines);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  StatusWeight = new ElidedLabel(lines);
  StatusWeight->setObjectName("StatusWeight");
  StatusFleet = new ElidedLabel(lines);
  StatusFleet->setObjectName("StatusFleet");
  StatusCentre = new ElidedLabel(lines);
  StatusCentre->setObjectName("StatusCentre");
  StatusAxles = new QLabel(lines);
  StatusAxles->setObjectName("StatusAxles");
  for (QLabel* line : {StatusText, StatusWeight, StatusCentre, StatusAxles, StatusFleet}) layout->addWidget(line);
  StatusFleet->hide();
  StatusWeight->hide();
  StatusCentre->hide();
  StatusAxles->hide();
  return lines;
}

void TMainForm::showStatistics(int mode) {
  // The result's statistics name the cartons it left behind, in red.
  // The listing has them, with their reasons, from refreshResults.
  const std::string leftovers =
      mode == 2 ? leftoverStatusText(listing_.leftovers, reasonTexts(listing_.leftoverReasons)) : std::string();
  const bool red = (mode == 1 && cartonVolumeExceedsContainer(*project_)) || !leftovers.empty();
  // Of a pallet result, the cartons on the pallets count as loaded too.
  const LoadedContainer loaded = containerWithPalletCartons(*project_, shownIndex_);
  const LoadedContainer& counted = project_->result.empty() ? shownContainer() : loaded;
  std::string shown = statisticsText(*project_, counted, mode);
  if (!leftovers.empty()) shown += "    " + leftovers;
  // The weight and the balance of a result, each on a line of its own below.
  const LoadBalance balance = shownBalance();
  const std::string weight = mode == 2 ? loadedWeightText(balance) : std::string();
  const std::string centre = mode == 2 ? centreOfGravityText(balance) : std::string();
  StatusWeight->setText(QString::fromStdString(weight));
  StatusWeight->setVisible(!weight.empty());
  StatusCentre->setText(QString::fromStdString(centre));
  StatusCentre->setVisible(!centre.empty());
  const std::optional<AxleLoads> axles =
      mode == 2 ? listingAxleLoads(*project_, shownContainer().container, listing_) : std::nullopt;
  const std::string axleLine = axles ? axleLoadText(*axles, *project_) : std::string();
  StatusAxles->setText(QString::fromStdString(axleLine));
  StatusAxles->setVisible(!axleLine.empty());
  QPalette axlePalette = StatusAxles->palette();
  axlePalette.setColor(QPalette::WindowText, axles && axles->worstOverload() ? QColor(Qt::red)
                                                                             : QApplication::palette().color(QPalette::ButtonText));
  StatusAxles->setPalette(axlePalette);
  // Several containers: the containers by type, the cost and the bound; pallets: how many of each type.
  std::string fleet = mode == 2 ? fleetSummaryText(*project_) : std::string();
  if (const std::string pallets = mode == 2 ? palletSummaryText(*project_) : std::string(); !pallets.empty())
    fleet += (fleet.empty() ? "" : "    ") + pallets;
  StatusFleet->setText(QString::fromStdString(fleet));
  StatusFleet->setVisible(!fleet.empty());
  const QString text = QString::fromStdString(shown);
  QPalette palette = StatusText->palette();
  palette.setColor(QPalette::WindowText, red ? QColor(Qt::red) : QApplication::palette().color(QPalette::ButtonText));
  StatusText->setPalette(palette);
  StatusText->setText(text);
}

void TMainForm::lvResultSelectItem() {
  const std::vector<int> selected = selectedResultRows();
  if (selected.empty()) {
    scene_.clearScene();
    showGravityPoint(LoadBalance{}, {});
    refreshView(false);
    return;
  }
  if (listing_.parts.empty()) return;  // only the totals row: nothing to show
  showResultSelection(selected);
}

void TMainForm::PopupMenuBlockPopup() { mnuFillCompletely->setEnabled(canFillSelection(*project_, selectedResultRows())); }

void TMainForm::refreshView(bool resetCamera) { ::refreshView(*boxViewer, resetCamera); }

const LoadedContainer& TMainForm::shownContainer() const {
  const std::vector<LoadedContainer>& loaded = project_->result.containers;
  if (!loaded.empty()) return loaded[shownIndex_ < loaded.size() ? shownIndex_ : 0];
  noResult_.container = project_->container;
  noResult_.blocks.clear();
  return noResult_;
}

LoadBalance TMainForm::shownBalance() const {
  std::vector<const ShownPart*> parts;
  for (const ShownPart& part : listing_.parts) parts.push_back(&part);
  return partsBalance(*project_, shownContainer().container, parts);
}
