#pragma once
// Lets a table's columns share the width of the table: wider than their widths, each
// column grows in proportion to its width; narrower, they keep their widths and the table
// scrolls. A column the user drags keeps its new width as its share from then on.

#include <QObject>
#include <QList>

class QTableView;

class ColumnStretch : public QObject {
 public:
  // The columns' present widths are their shares.
  explicit ColumnStretch(QTableView* table);

  // Spreads the table's width over the columns.
  void apply();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void takeShares();

  QTableView* table_;
  QList<int> shares_;
  bool applying_ = false;
};
