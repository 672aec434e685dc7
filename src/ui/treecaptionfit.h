#pragma once
// Keeps a tree's captions readable: the pane holding the tree in a splitter widens to show
// the longest caption whole, up to a share of the splitter's width; beyond it the captions
// end in an ellipsis, and every node's tooltip holds its whole caption. The pane is never
// narrowed, so a width the user chose stays.

#include <QObject>

class QSplitter;
class QTreeWidget;

class TreeCaptionFit : public QObject {
 public:
  // The tree is the splitter's first widget. maxShare: the widest the pane grows, as a
  // share of the splitter's width.
  TreeCaptionFit(QTreeWidget* tree, QSplitter* splitter, double maxShare = 0.45);

  // The width the tree needs to show every caption whole, frame and scroll bar included.
  int wantedWidth() const;
  // Widens the pane as far as wanted and allowed, and brings the tooltips up to date.
  void fit();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void fitLater();

  QTreeWidget* tree_;
  QSplitter* splitter_;
  double maxShare_;
  bool pending_ = false;
};
