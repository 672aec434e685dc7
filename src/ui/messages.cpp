#include "ui/messages.h"

#include <QMessageBox>
#include <QPushButton>

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

SaveChoice QtMessageBoxes::askToSave(const QString& text) {
  QMessageBox box(QMessageBox::Warning, kCaption, text,
                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent_);
  box.setDefaultButton(QMessageBox::Save);
  box.setEscapeButton(QMessageBox::Cancel);
  switch (box.exec()) {
    case QMessageBox::Save:
      return SaveChoice::Save;
    case QMessageBox::Discard:
      return SaveChoice::Discard;
    default:
      return SaveChoice::Cancel;
  }
}

bool QtMessageBoxes::informationWithAction(const QString& text, const QString& action) {
  QMessageBox box(QMessageBox::Information, kCaption, text, QMessageBox::Ok, parent_);
  QPushButton* step = box.addButton(action, QMessageBox::ActionRole);
  box.setDefaultButton(QMessageBox::Ok);
  box.exec();
  return box.clickedButton() == step;
}
