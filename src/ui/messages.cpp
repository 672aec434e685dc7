#include "ui/messages.h"

#include <QMessageBox>

namespace {
const char* const kCaption = "Cargolyx";
}

void QtMessageBoxes::information(const QString& text) {
  QMessageBox::information(parent_, kCaption, text, QMessageBox::Ok);
}

bool QtMessageBoxes::question(const QString& text) {
  QMessageBox box(QMessageBox::Information, kCaption, text, QMessageBox::Yes | QMessageBox::No, parent_);
  return box.exec() == QMessageBox::Yes;
}
