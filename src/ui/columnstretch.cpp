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
  long long before = 0;  // the shares of the columns to the left
  for (int column = 0; column < shares_.size(); ++column) {
    int width = shares_[column];
    if (available > total) {
      // Edges rounded from the running total, so that no rounding piles up in one column
      // and the last one ends at the list's edge.
      const long long after = before + shares_[column];
      width = static_cast<int>((after * available + total / 2) / total - (before * available + total / 2) / total);
      before = after;
    }
    header->resizeSection(column, width);
  }
  applying_ = false;
}

bool ColumnStretch::eventFilter(QObject* watched, QEvent* event) {
  if (watched == table_->viewport() && event->type() == QEvent::Resize) apply();
  return QObject::eventFilter(watched, event);
}
