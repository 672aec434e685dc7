#pragma once
// A label whose text leaves a gap of spaces for a small field, which sits in that gap:
// "例外：置于顶部时可躺放 [0] 层". The field is a child of the label; the gap widens
// when the spaces of the font are narrower than the field.

#include <QLabel>

class GapLabel : public QLabel {
  Q_OBJECT

 public:
  // text holds the gap as its first run of two or more spaces.
  GapLabel(const QString& text, QWidget* field, QWidget* parent = nullptr);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  struct Parts {
    QString before;
    QString after;
    int gapWidth;  // pixels
  };
  Parts parts() const;
  void placeField();

  QWidget* field_;
};
