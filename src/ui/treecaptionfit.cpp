#include "ui/treecaptionfit.h"

#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QSplitter>
#include <QStyle>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <algorithm>

TreeCaptionFit::TreeCaptionFit(QTreeWidget* tree, QSplitter* splitter, double maxShare)
    : QObject(tree), tree_(tree), splitter_(splitter), maxShare_(maxShare) {
  // The caption column fills the tree; a caption wider than that is cut with an ellipsis
  // instead of scrolling out of sight.
  tree_->header()->setStretchLastSection(true);
  tree_->header()->setSectionResizeMode(QHeaderView::Stretch);
  tree_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  tree_->setTextElideMode(Qt::ElideRight);
  QAbstractItemModel* model = tree_->model();
  connect(model, &QAbstractItemModel::rowsInserted, this, [this] { fitLater(); });
  connect(model, &QAbstractItemModel::dataChanged, this, [this] { fitLater(); });
  connect(model, &QAbstractItemModel::modelReset, this, [this] { fitLater(); });
  splitter_->installEventFilter(this);
}

int TreeCaptionFit::wantedWidth() const {
  // Room for the vertical scroll bar as well, so that its showing up cuts nothing short.
  const int scrollBar = tree_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, tree_);
  // QTreeView's own measure, indentation and picture included (public through its base).
  const QAbstractItemView* view = tree_;
  return view->sizeHintForColumn(0) + 2 * tree_->frameWidth() + scrollBar + 4;
}

void TreeCaptionFit::fit() {
  pending_ = false;
  for (QTreeWidgetItemIterator it(tree_); *it; ++it)
    if ((*it)->toolTip(0) != (*it)->text(0)) (*it)->setToolTip(0, (*it)->text(0));

  QList<int> sizes = splitter_->sizes();
  if (sizes.size() < 2 || splitter_->indexOf(tree_) != 0) return;
  int total = 0;
  for (int size : sizes) total += size;
  const int limit = static_cast<int>(total * maxShare_);
  const int wanted = std::min(wantedWidth(), limit);
  if (sizes[0] >= wanted) return;
  sizes[1] -= wanted - sizes[0];
  sizes[0] = wanted;
  splitter_->setSizes(sizes);
}

void TreeCaptionFit::fitLater() {
  if (pending_) return;
  pending_ = true;
  // After the tree's change is complete: a refill adds its nodes one by one.
  QTimer::singleShot(0, this, [this] { fit(); });
}

bool TreeCaptionFit::eventFilter(QObject* watched, QEvent* event) {
  if (watched == splitter_ && (event->type() == QEvent::Resize || event->type() == QEvent::Show)) fitLater();
  return QObject::eventFilter(watched, event);
}
