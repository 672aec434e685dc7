#pragma once
// The "确定" and "取消" buttons every property dialog ends with.

class QDialog;
class QDialogButtonBox;
class QPushButton;

// Adds the two buttons, named btnOK and btnCancel, to a button box of the dialog.
// Enter presses OK; Escape rejects the dialog, as Cancel does.
QDialogButtonBox* okCancelButtons(QDialog* dialog, QPushButton*& btnOK, QPushButton*& btnCancel);
