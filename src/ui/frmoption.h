#pragma once
// The options dialog "选项": the container library, from which the project's container
// is chosen (and, ticked, the container types for several containers, with their costs
// and counts), the loading settings (gaps between cartons, block limit), the planner
// (按套装载, 尽量多装 with its time limit and support, or 多个集装箱 with its goal and time
// limit), the pallet library with the project's own pallet types and the language of the
// next start. Every edit
// is made on a working copy; OK applies them all at once, Cancel none.

#include <QDialog>

#include "commands/containerlibrary.h"
#include "commands/optionform.h"
#include "commands/pallettypeform.h"
#include "model/settings.h"

class FormHost;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QTabWidget;
class QTreeWidget;
class TContainerPropForm;
class UpDown;

class TOptionForm : public QDialog {
  Q_OBJECT

 public:
  TOptionForm(FormHost& host, TContainerPropForm& containerForm, QWidget* parent = nullptr);

  // Rebuilds the boxes and the list from the settings and the project, on the container page.
  void FormActivate();
  // Showing the spacing page again brings back the stored spacings.
  void PageControl1Change();
  void lvContainersSelectItem();
  void lvContainersDblClick();
  void btnAddClick();
  void btnModClick();
  void btnDelClick();
  void btnSetDefaultClick();
  // Shows the default settings: an empty library, no gaps, the block limit 6; OK stores them.
  void btnDefaultsClick();
  // Checks the boxes; applies everything and closes, or shows why not.
  void btnOKClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* buildContainerPage();
  QWidget* buildSpacingPage();
  QWidget* buildSpacingGroup();
  QWidget* buildBlockGroup();
  QWidget* buildPlanningPage();
  // The pallet library and the project's own pallet types (the rows ticked): a row each,
  // added and deleted here, read back on OK.
  QWidget* buildPalletPage();
  void showPalletTypes(const std::vector<PalletType>& library, const std::vector<PalletType>& project);
  void addPalletRow(const PalletRow& row, bool inProject);
  std::vector<PalletRow> palletRowsShown() const;
  std::vector<bool> palletRowsTicked() const;
  QLayout* buildLanguageRow();
  QLineEdit* numberBox(const char* name, const char* upDownName, int minimum, int maximum, UpDown*& upDown);
  // Shows the working list's rows and its selection.
  void showLibrary();
  // The boxes and the library of these settings, with the project's container selected.
  // The settings' boxes; the planner's show the project's own planner where it has one.
  void showSettings(const Settings& settings, const std::optional<PlannerChoice>& projectPlanner = {});
  // Modify, Delete and Set default need a selected row.
  void enableRowButtons();
  void showSpacings(const OptionEntry& entry);
  void showPlanning(const OptionEntry& entry);
  void editSelectedRow(bool isNew);
  OptionEntry entry() const;

  FormHost& host_;
  TContainerPropForm& containerForm_;
  ContainerLibrary workingList;
  bool defaultsChosen_ = false;  // "恢复默认设置" was pressed since the dialog opened

  QTabWidget* pcOptions = nullptr;
  // "语言 / Language": 中文 or English for the next start.
  QComboBox* cbeLanguage = nullptr;
  QWidget* SheetContainer = nullptr;
  QWidget* SheetSpacing = nullptr;
  QWidget* SheetPlanning = nullptr;
  QWidget* SheetPallets = nullptr;
  QTableWidget* lvPallets = nullptr;  // the pallet library; ticked: the project's own pallet types
  QTreeWidget* lvContainers = nullptr;
  QPushButton* btnAdd = nullptr;
  QPushButton* btnMod = nullptr;
  QPushButton* btnDel = nullptr;
  QPushButton* btnSetDefault = nullptr;
  QLineEdit* txtSpacingL = nullptr;
  QLineEdit* txtSpacingW = nullptr;
  QLineEdit* txtSpacingH = nullptr;
  QLineEdit* txtMaxBlockNum = nullptr;
  UpDown* UpDownSpacingL = nullptr;
  UpDown* UpDownSpacingW = nullptr;
  UpDown* UpDownSpacingH = nullptr;
  UpDown* UpDownMaxBlockNum = nullptr;
  QRadioButton* rbSets = nullptr;     // 按套装载
  QRadioButton* rbLoadMax = nullptr;  // 尽量多装
  QRadioButton* rbFleet = nullptr;    // 多个集装箱
  QComboBox* cbFleetGoal = nullptr;   // 全部装完、费用最低 / 只用现有集装箱
  QLineEdit* txtFleetTimeLimit = nullptr;
  QLineEdit* txtTimeLimit = nullptr;
  QLineEdit* txtSupportPercent = nullptr;
  QPushButton* btnDefaults = nullptr;
  QPushButton* btnOK = nullptr;
  QPushButton* btnCancel = nullptr;
};
