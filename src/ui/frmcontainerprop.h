#pragma once
// The container dialog "集装箱属性": edits the selected row of the options dialog's
// container list: the size, the load, the balance window and the vehicle. It never touches the settings or the project; the options dialog
// stores the list when it is confirmed itself.

#include <QDialog>

#include "commands/containerlibrary.h"

class FormHost;
class QLineEdit;
class QPushButton;
class UpDown;
class VehicleBox;

class TContainerPropForm : public QDialog {
  Q_OBJECT

 public:
  explicit TContainerPropForm(FormHost& host, QWidget* parent = nullptr);

  bool newMode = false;  // set when the row was added just before; cleared on closing

  // The list whose selected row the dialog edits; the options dialog hands over its own.
  void setLibrary(ContainerLibrary* library) { library_ = library; }

  // Fills the boxes from the selected row's texts.
  void FormActivate();
  // Checks the boxes; writes them into the row and closes, or shows why not.
  void btnOKClick();
  // Cancel, Escape and the close box: in new mode the added row is removed again.
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void buildControls();
  QWidget* buildBalanceGroup();
  QLineEdit* sizeBox(const char* name, const char* upDownName, UpDown*& upDown);
  ContainerRow row() const;

  FormHost& host_;
  ContainerLibrary* library_ = nullptr;
  QLineEdit* txtName = nullptr;
  QLineEdit* txtL = nullptr;
  QLineEdit* txtW = nullptr;
  QLineEdit* txtH = nullptr;
  QLineEdit* txtWeight = nullptr;
  QLineEdit* txtCost = nullptr;       // for several containers; empty: none given
  QLineEdit* txtAvailable = nullptr;  // how many there are; empty: as many as needed
  UpDown* UpDownL = nullptr;
  UpDown* UpDownW = nullptr;
  UpDown* UpDownH = nullptr;
  // The balance window: ± % of the length and of the width, a height; empty boxes: off.
  QLineEdit* txtBalanceLength = nullptr;
  QLineEdit* txtBalanceWidth = nullptr;
  QLineEdit* txtBalanceHeight = nullptr;
  QPushButton* btnBalancePreset = nullptr;  // ±5 % along the length
  VehicleBox* grpVehicle = nullptr;
  QPushButton* btnOK = nullptr;
  QPushButton* btnCancel = nullptr;
};
