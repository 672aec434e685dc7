#include "ui/columnstretch.h"

#include <QEvent>
#include <QHeaderView>
#include <QTableView>

ColumnStretch::ColumnStretch(QTableView* table) : QObject(table), table_(table) {
  takeShares();
  table_->horizontalHeader()->setStretchLastSection(false);
  table_->viewport()->installEventFilter(this);
  connect(table_->horizontalHeader(), &QHeaderView::sectionResized, this, [this] {
    if (!applying_) takeShares();
  });
}

void ColumnStretch::takeShares() {
  const QHeaderView* header = table_->horizontalHeader();
  shares_.clear();
  for (int column = 0; column < header->count(); ++column) shares_ << header->sectionSize(column);
}

void ColumnStretch::apply() {
  QHeaderView* header = table_->horizontalHeader();
  if (shares_.size() != header->count()) takeShares();
  long long total = 0;
  for (int share : shares_) total += share;
  const int available = table_->viewport()->width();
  if (total <= 0) return;
  applying_ = true;
  int used = 0;
  for (int column = 0; column < shares_.size(); ++column) {
    int width = shares_[column];
    if (available > total) {
      // The last column takes what rounding left, so that the columns end at the edge.
      width = column + 1 < shares_.size() ? static_cast<int>(shares_[column] * available / total) : available - used;
    }
    header->resizeSection(column, width);
    used += width;
  }
  applying_ = false;
}

bool ColumnStretch::eventFilter(QObject* watched, QEvent* event) {
  if (watched == table_->viewport() && event->type() == QEvent::Resize) apply();
  return QObject::eventFilter(watched, event);
}
