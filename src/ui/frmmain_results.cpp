// The main window's carton tree, result list and status bar.

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QTableWidget>
#include <QTreeWidget>
#include <algorithm>
#include <array>
#include <cstdio>

#include "engine/fillblocks.h"
#include "engine/statistics.h"
#include "export/globalfunc.h"
#include "ui/frmmain.h"
#include "ui/pictures.h"
#include "view3d/boxviewer.h"

namespace {

struct ResultColumn {
  const char* caption;
  int width;
  Qt::Alignment alignment;
};

const std::array<ResultColumn, 6> kResultColumns = {{
    {"块号", 40, Qt::AlignLeft | Qt::AlignVCenter},
    {"包装箱", 85, Qt::AlignCenter},
    {"放置方向", 150, Qt::AlignCenter},
    {"顶点坐标", 120, Qt::AlignCenter},
    {"码放方式", 130, Qt::AlignCenter},
    {"装箱数量", 60, Qt::AlignCenter},
}};

struct ResultRow {
  std::array<std::string, 6> texts;
  int imageIndex = 0;
};

std::vector<ResultRow> resultRows(const FillScheme& project) {
  std::vector<ResultRow> rows;
  long long capacity = 0, loaded = 0;
  int number = 1;
  for (const BlockScheme& b : project.blocks) {
    ResultRow row;
    row.texts = {std::to_string(number++), b.cartonName, b.orientationText(),
                 std::to_string(b.x) + "," + std::to_string(b.y) + "," + std::to_string(b.z),
                 std::to_string(b.nx) + "×" + std::to_string(b.ny) + "×" + std::to_string(b.nz) + "＝" +
                     std::to_string(b.capacity()),
                 std::to_string(b.count)};
    row.imageIndex = b.material + 1;
    capacity += b.capacity();
    loaded += b.count;
    rows.push_back(row);
  }
  rows.push_back({{"", "合计", "", "", std::to_string(capacity), std::to_string(loaded)}, 11});
  return rows;
}

void refreshResultStatistics(FillScheme& p) {
  long long loaded = 0, capacity = 0;
  double gross = 0, net = 0, volume = 0;
  const double v = p.container.volume();
  for (const BlockScheme& b : p.blocks) {
    capacity += b.capacity();
    loaded += b.count;
    if (v > 0) {
      gross += b.grossVolume() / v;
      volume += b.netVolume();
      net += b.netVolume() / v;
    }
  }
  p.setCount = p.cartonTotal() > 0 ? static_cast<std::int32_t>(loaded / p.cartonTotal()) : 0;
  p.loadedCount = static_cast<std::int32_t>(loaded);
  p.capacityCount = static_cast<std::int32_t>(capacity);
  p.loadedVolume = volume;
  p.fillRatio = std::min(gross, 1.0);
  p.netRatio = std::min(net, 1.0);
}

std::string resultStatisticsText(const FillScheme& p) {
  std::string text = p.setCount >= 2 ? "套数：" + std::to_string(p.setCount) + "，" : "";
  return text + "总箱数：" + std::to_string(p.loadedCount) + "，总体积：" +
         formatTwoDecimals(p.loadedVolume * 1e-9) + "立方米，填充率" + formatTwoDecimals(p.fillRatio * 100) +
         "%，净装箱率" + formatTwoDecimals(p.netRatio * 100) + "%";
}

QTableWidgetItem* resultItem(const std::string& text, Qt::Alignment alignment) {
  auto* item = new QTableWidgetItem(QString::fromStdString(text));
  item->setTextAlignment(alignment);
  item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
  return item;
}

}  // namespace

void TMainForm::createResultList() {
  lvResult = new QTableWidget(0, static_cast<int>(kResultColumns.size()));
  lvResult->setObjectName("lvResult");
  QStringList captions;
  for (const ResultColumn& column : kResultColumns) captions << column.caption;
  lvResult->setHorizontalHeaderLabels(captions);
  for (int i = 0; i < static_cast<int>(kResultColumns.size()); ++i)
    lvResult->setColumnWidth(i, kResultColumns[static_cast<std::size_t>(i)].width);
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

  PopupMenuBlock = new QMenu(this);
  PopupMenuBlock->setObjectName("PopupMenuBlock");
  mnuSync = PopupMenuBlock->addAction("完全填充");
  mnuSync->setObjectName("mnuSync");
  connect(mnuSync, &QAction::triggered, this, &TMainForm::mnuSyncClick);
  lvResult->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(lvResult, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    PopupMenuBlockPopup();
    PopupMenuBlock->popup(lvResult->viewport()->mapToGlobal(at));
  });
}

QTreeWidgetItem* TMainForm::rootNode() const { return treeCarton->topLevelItem(0); }

QTreeWidgetItem* TMainForm::addCartonNode(const Carton& carton) {
  auto* node = new QTreeWidgetItem(rootNode(), {QString::fromStdString(carton.displayText())});
  node->setIcon(0, treePicture(carton.material + 1));
  return node;
}

void TMainForm::refreshTree(bool clearResults) {
  treeCarton->clear();
  auto* root = new QTreeWidgetItem(treeCarton, {QString::fromStdString(project_->container.displayText())});
  root->setIcon(0, treePicture(kContainerPicture));
  for (const Carton& carton : project_->cartons) addCartonNode(carton);
  treeCarton->expandAll();

  scene_.clearScene();
  scene_.setSceneContainer(project_->container);
  refreshView(true);
  showStatistics(1);
  if (clearResults) {
    project_->blocks.clear();
    refreshResults(-1);
  }
}

void TMainForm::refreshResults(int selectIndex) {
  refreshResultStatistics(*project_);
  const std::vector<ResultRow> rows = resultRows(*project_);
  {
    const QSignalBlocker quiet(lvResult);
    lvResult->clearSelection();
    lvResult->setRowCount(0);
    lvResult->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
      const ResultRow& row = rows[static_cast<std::size_t>(r)];
      for (int c = 0; c < static_cast<int>(kResultColumns.size()); ++c)
        lvResult->setItem(r, c, resultItem(row.texts[static_cast<std::size_t>(c)],
                                            kResultColumns[static_cast<std::size_t>(c)].alignment));
      lvResult->item(r, 0)->setIcon(treePicture(row.imageIndex));
    }
  }
  const int rowCount = lvResult->rowCount();
  selectResultRow(selectIndex >= 0 && selectIndex < rowCount ? selectIndex : rowCount - 1);
  if (project_->loadedCount > 0) showStatistics(2);
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

void TMainForm::showStatistics(int mode) {
  bool red = false;
  QString text = "OK";
  if (mode == 1) {
    red = cartonVolumeExceedsContainer(*project_);
    text = QString::fromStdString(cartonStatisticsText(*project_));
  } else if (mode == 2) {
    text = QString::fromStdString(resultStatisticsText(*project_));
  }
  QPalette palette = StatusText->palette();
  palette.setColor(QPalette::WindowText, red ? QColor(Qt::red) : QApplication::palette().color(QPalette::ButtonText));
  StatusText->setPalette(palette);
  StatusText->setText(text);
}

void TMainForm::lvResultSelectItem() {
  const int rowCount = lvResult->rowCount();
  const std::vector<int> selected = selectedResultRows();
  if (selected.empty()) {
    scene_.clearScene();
    refreshView(false);
    return;
  }
  if (rowCount < 2) return;  // only the totals row: nothing to show
  const bool all = std::find(selected.begin(), selected.end(), rowCount - 1) != selected.end();
  scene_.clearScene();
  for (int i = 0; i < static_cast<int>(project_->blocks.size()) && i < rowCount; ++i) {
    if (!all && !std::binary_search(selected.begin(), selected.end(), i)) continue;
    const BlockScheme& b = project_->blocks[static_cast<std::size_t>(i)];
    scene_.addSceneBlock(b.sizeX - 3, b.sizeY - 3, b.sizeZ - 3, b.orientation, b.x, b.y, b.z, b.nx, b.ny,
                         b.nz, b.gapX + 3, b.gapY + 3, b.gapZ + 3, b.count, materialColor(b.material));
  }
  refreshView(false);
}

void TMainForm::PopupMenuBlockPopup() { mnuSync->setEnabled(canFillSelection(*project_, selectedResultRows())); }

void TMainForm::refreshView(bool resetCamera) { ::refreshView(*boxViewer, resetCamera); }
