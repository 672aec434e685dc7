#pragma once
// The container dialog's group "车辆": the vehicle the container rides on, for its axle
// loads. None, a rigid two-axle truck or a tractor with a semi-trailer, filled in by hand
// or from a preset; the boxes of the other kind are disabled.

#include <QGroupBox>
#include <array>

#include "commands/containerform.h"

class QComboBox;
class QLabel;
class QLineEdit;

class VehicleBox : public QGroupBox {
  Q_OBJECT

 public:
  explicit VehicleBox(QWidget* parent = nullptr);

  // Shows the vehicle columns of a row.
  void showRow(const ContainerRow& row);
  // Writes the boxes into the vehicle columns of row.
  void takeInto(ContainerRow& row) const;

  QComboBox* kindBox() const { return cbVehicle; }
  QComboBox* presetBox() const { return cbVehiclePreset; }

 private:
  // Enables the boxes the chosen kind uses and names its axles.
  void showKind();
  // Fills the boxes from the preset of item (item 0 is the prompt).
  void takePreset(int item);

  QComboBox* cbVehicle = nullptr;
  QComboBox* cbVehiclePreset = nullptr;
  QLineEdit* txtWheelbase = nullptr;
  QLineEdit* txtFrontAxleToCargo = nullptr;
  QLineEdit* txtKingpinSetback = nullptr;
  QLineEdit* txtKingpinToTrailerAxle = nullptr;
  QLineEdit* txtFifthWheelLead = nullptr;
  std::array<QLabel*, kMaxAxles> lblAxle{};
  std::array<QLineEdit*, kMaxAxles> txtTare{};
  std::array<QLineEdit*, kMaxAxles> txtMaxAxleLoad{};
};
