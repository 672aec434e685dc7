#pragma once
// The carton dialog "纸箱属性": edits one carton of the project, the one of the carton
// tree's selected node, with its loading rules (stackable, load on top, fragile, stop). New mode follows the add-carton command, whose carton Cancel
// removes again; edit mode follows a double-click on a carton node.

#include <QDialog>

#include "commands/cartonform.h"

class FormHost;
class GapLabel;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class UpDown;

class TCartonPropForm : public QDialog {
  Q_OBJECT

 public:
  explicit TCartonPropForm(FormHost& host, QWidget* parent = nullptr);

  bool newMode = false;  // set by the main window before showing; cleared on closing
  int editIndex = -1;    // the carton edited: the selected node's index, taken on showing

  // Fills the boxes from the selected carton.
  void FormActivate();
  // Enables the lying exception while the carton must stay upright.
  void chkMustUpClick();
  // Checks the boxes; stores them and closes, or shows why not and stays open.
  void btnOKClick();
  // Cancel, Escape and the close box: in new mode the new carton is removed again.
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void buildControls();
  QWidget* buildLyingGroup();
  QWidget* buildPositionGroup();
  QWidget* buildRulesGroup();
  // The stop box's items: none (the last stop), then the project's stops.
  void fillStopBox();
  QLineEdit* numberBox(const char* name);
  CartonEntry entry() const;
  void showEntry(const CartonEntry& entry);
  bool editedCartonExists() const;

  FormHost& host_;
  QLineEdit* txtName = nullptr;
  QLineEdit* txtL = nullptr;
  QLineEdit* txtW = nullptr;
  QLineEdit* txtH = nullptr;
  QLineEdit* txtCount = nullptr;
  QLineEdit* txtWeight = nullptr;
  QLineEdit* txtUpendLayers = nullptr;
  UpDown* UpDownL = nullptr;
  UpDown* UpDownW = nullptr;
  UpDown* UpDownH = nullptr;
  UpDown* UpDownCount = nullptr;
  UpDown* UpDownLayer = nullptr;
  QComboBox* cbeMaterial = nullptr;
  QComboBox* cbSpaceIndex = nullptr;
  QCheckBox* chkMustUp = nullptr;
  QCheckBox* chkStackable = nullptr;   // 可堆叠
  QLineEdit* txtMaxLoadOnTop = nullptr;  // 顶部最大承重(kg), empty: no limit
  QCheckBox* chkFragile = nullptr;     // 易碎
  QComboBox* cbStop = nullptr;         // 目的地: a stop of the project, or a new one typed in
  GapLabel* lblUpendLayers = nullptr;
  QPushButton* btnOK = nullptr;
  QPushButton* btnCancel = nullptr;
};
