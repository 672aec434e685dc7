#pragma once
// Edit boxes that take only some characters from the keyboard. Backspace, Enter, Tab,
// the arrows and shortcuts such as paste keep working; whatever reaches the box is
// checked again when OK is pressed.

#include <QObject>
#include <QString>

class QLineEdit;

class KeyFilter : public QObject {
  Q_OBJECT

 public:
  KeyFilter(QString allowed, QObject* parent);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QString allowed_;
};

// Keys 0-9 and Backspace only.
void acceptDigitKeysOnly(QLineEdit* box);
// Keys 0-9, "." and Backspace only.
void acceptDecimalKeysOnly(QLineEdit* box);
