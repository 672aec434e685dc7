#include "ui/dialogbuttons.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

QDialogButtonBox* okCancelButtons(QDialog* dialog, QPushButton*& btnOK, QPushButton*& btnCancel) {
  auto* buttons = new QDialogButtonBox(dialog);
  btnOK = buttons->addButton(QCoreApplication::translate("DialogButtons", "确定"),
                             QDialogButtonBox::AcceptRole);
  btnCancel = buttons->addButton(QCoreApplication::translate("DialogButtons", "取消"),
                                 QDialogButtonBox::RejectRole);
  btnOK->setObjectName(QStringLiteral("btnOK"));
  btnCancel->setObjectName(QStringLiteral("btnCancel"));
  btnOK->setDefault(true);
  btnCancel->setAutoDefault(false);
  return buttons;
}
