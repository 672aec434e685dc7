#pragma once
// A one-line label whose text never widens its window: a text longer than the label ends
// in "…", and the label's tooltip then holds it whole.

#include <QLabel>

class ElidedLabel : public QLabel {
 public:
  explicit ElidedLabel(QWidget* parent = nullptr);

  // Room for a few characters: the label takes the width its layout gives it.
  QSize minimumSizeHint() const override;
  QSize sizeHint() const override;
  // Whether the text is longer than the label and shows cut.
  bool isElided() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // The tooltip holds the whole text while it shows cut, and nothing otherwise.
  void updateToolTip();
};
