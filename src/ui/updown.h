#pragma once
// Up-down arrows bound to an edit box. They step the whole number in the box by one
// within their range, as do the Up and Down keys in the box; a number typed into the
// box is not bound by the range.

#include <QWidget>

class QLineEdit;
class QToolButton;

class UpDown : public QWidget {
  Q_OBJECT

 public:
  UpDown(QLineEdit* buddy, int minimum, int maximum, QWidget* parent = nullptr);

  int minimum() const { return minimum_; }
  int maximum() const { return maximum_; }
  // Adds steps to the number in the box, held within the range. Text that is not a
  // number steps from the last number the arrows wrote (at first the minimum).
  void stepBy(int steps);
  // The number the arrows step from while the box holds no number.
  void setPosition(int position) { position_ = position; }
  QToolButton* upButton() const { return up_; }
  QToolButton* downButton() const { return down_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLineEdit* buddy_;
  QToolButton* up_;
  QToolButton* down_;
  int minimum_;
  int maximum_;
  int position_;
};

// A box and its arrows side by side, in one widget for a form layout.
QWidget* boxWithUpDown(QLineEdit* box, UpDown* upDown, QWidget* parent = nullptr);
