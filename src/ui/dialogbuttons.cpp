#include "ui/dialogbuttons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

QDialogButtonBox* okCancelButtons(QDialog* dialog, QPushButton*& btnOK, QPushButton*& btnCancel) {
  auto* buttons = new QDialogButtonBox(dialog);
  btnOK = buttons->addButton(QStringLiteral("确定"), QDialogButtonBox::AcceptRole);
  btnCancel = buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
  btnOK->setObjectName(QStringLiteral("btnOK"));
  btnCancel->setObjectName(QStringLiteral("btnCancel"));
  btnOK->setDefault(true);
  btnCancel->setAutoDefault(false);
  return buttons;
}
