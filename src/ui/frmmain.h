#pragma once
// The program's main window: the toolbar with every command, the carton tree, the 3D
// view's panel, the result list and the status bar. It owns the current project and the
// settings, and opens a project named on the command line or dropped on the window.

#include <QKeySequence>
#include <QMainWindow>
#include <memory>
#include <string>
#include <vector>

#include "commands/documentstate.h"
#include "commands/resultparts.h"
#include "model/fillscheme.h"
#include "model/settings.h"
#include "ui/filedialogs.h"
#include "ui/formhost.h"
#include "ui/messages.h"
#include "view3d/scene.h"

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPrinter;
class QSplitter;
class QStatusBar;
class QTabBar;
class QTableWidget;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;
class BoxViewer;
class ColumnStretch;
class StepControl;
class StopKey;
struct CalculationReport;
struct CalculationRequest;
struct LoadBalance;
class TAboutBox;
class TCartonPropForm;
class TDoingDlg;
class TContainerPropForm;
class TOptionForm;
class TStopsForm;

class TMainForm : public QMainWindow, public FormHost {
  Q_OBJECT
 public:
  // startFile: the first command-line argument, opened on the first showing (empty:
  // a new project). messages and fileDialogs: nullptr for the real modal windows.
  explicit TMainForm(QString startFile = {}, std::unique_ptr<MessageBoxes> messages = nullptr,
                     std::unique_ptr<FileDialogs> fileDialogs = nullptr, QWidget* parent = nullptr);
  ~TMainForm() override;

  // FormHost
  FillScheme& project() override { return *project_; }
  Settings& settings() override { return *settings_; }
  MessageBoxes& messages() override { return *messages_; }
  int selectedCartonIndex() const override;
  void deleteSelectedCartonNode() override;
  void refreshTree(bool clearResults) override;
  void settingsChanged() override { saveSettings(); }

  // Opens a project file; on failure shows the open message and returns false. The
  // current project is replaced without a question: callers ask first.
  bool openProjectFile(const QString& name);
  // Whether the current project may be replaced or closed: when it has unsaved changes
  // the user is asked to save (and the save succeeds), to discard them, or cancels.
  bool maySetProjectAside();
  bool isModified() const { return document_.isModified(*project_); }
  // The recent files, newest first, as the File menu lists them.
  QStringList recentFiles() const { return recentFiles_; }
  void setRecentFiles(const QStringList& files);
  // Rebuilds the result list and the result statistics; selects row selectIndex, or the
  // totals row when there is no such row.
  void refreshResults(int selectIndex);
  // The status bar: 1 the entered cartons, 2 the result, anything else "OK".
  void showStatistics(int mode);
  const Scene& scene() const { return scene_; }
  // The loaded container the result list, the view and the status bar show: the result's
  // first, or the project's container without blocks when there is no result.
  const LoadedContainer& shownContainer() const;

  // The toolbar commands.
  void tbNewClick();
  void tbOpenClick();
  void tbSaveAsClick();  // the toolbar's 保存 and the menu's 另存为: always asks for a name
  void tbSaveClick();    // the menu's 保存: the project's own file, or a name when it has none
  void tbAddCartonClick();
  void tbDelCartonClick();
  void tbRunClick();
  void tbFillClick();
  // 计算 › 规则的代价: the plan made again once per cargo rule, without it, and what each
  // rule costs, in a message.
  void mnuRuleCostsClick();
  void tbExportClick();
  // File > 打印 (Ctrl+P): Qt's print dialog, then printPlan on the printer chosen.
  void mnuPrintClick();
  // Prints the plan as the export writes it onto printer (a PDF file when the printer's
  // output file is set); empty when printed, else what to tell the user.
  QString printPlan(QPrinter& printer);
  void tbOptionClick();
  // Edit > 送货顺序: the delivery stops in their order.
  void mnuStopsClick();
  void tbAboutClick();
  // The result list's pop-up item "完全填充": the fill command.
  void mnuFillCompletelyClick();
  // File > 导入装箱单: adds the cartons of a packing list (all or none); 导出装箱单 writes the
  // carton list as one (frmmain_packinglist.cpp).
  void mnuImportPackingListClick();
  void mnuExportPackingListClick();

 protected:
  void showEvent(QShowEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  // Closing the window during a calculation cancels it.
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void createToolbar();
  void createMenus();
  QAction* addMenuAction(QMenu* menu, const char* name, const QString& caption, void (TMainForm::*handler)(),
                         const QList<QKeySequence>& keys = {});
  void fillRecentFilesMenu();
  void addRecentFile(const QString& name);
  void openRecentFile(const QString& name);
  // A new project from the settings, without a question.
  void newProject();
  bool saveProject();
  bool saveProjectAs();
  // Writes the project to name; a read-only file offers Save As.
  bool writeProject(const QString& name);
  void updateTitle();
  // After the calculation: the result, or the entered cartons again when there is none.
  // True when the user asked to plan again loading as much as fits.
  bool runFinished(const CalculationRequest& request, const CalculationReport& report);
  // After an export: the status bar and a message name the document written (shown in the
  // browser or not), with 打开文件夹 to open folder.
  void confirmExport(const std::string& document, const std::string& folder);
  void createPanes();
  void createResultList();
  // StatusText with the lines of the result's weight, centre of gravity and axle loads below it.
  QWidget* createStatusLines();
  QAction* addToolButton(const char* name, const QString& caption, const QString& hint, int picture,
                         void (TMainForm::*handler)());
  void addSeparator(const char* name);

  // Opens the start file or starts a new project, once, after the window has appeared.
  void FormShow();
  void treeCartonDblClick();
  bool treeCartonKeyDown(int key);
  void lvResultSelectItem();
  void PopupMenuBlockPopup();

  QTreeWidgetItem* rootNode() const;
  QTreeWidgetItem* addCartonNode(const Carton& carton);
  // Row indexes of the selected rows of the result list, in order.
  std::vector<int> selectedResultRows() const;
  void selectResultRow(int row);
  // Repaints the 3D view; with resetCamera back at the initial view.
  void refreshView(bool resetCamera);
  // The 3D view's labels, tooltip and step slider (frmmain_view.cpp).
  void createViewControls();
  // The step slider takes the plan's blocks in loading order, stop by stop.
  void showPlanSteps();
  // Whether the view paints the cartons in their stops' colours (View > 按目的地着色 on a
  // project with stops).
  bool colouredByStop() const;
  // The key of the stops' colours under the view, while the view is coloured by stop.
  void showStopKey();
  // The result list's stop column is shown while the project lists stops.
  void showStopColumn(bool shown);
  // One tab per loaded container of a several-containers result; hidden otherwise.
  void showContainerTabs();
  // The selected result rows in the view: the totals row every block, one block row the
  // loading up to that block's step with it singled out, several rows those blocks.
  void showResultSelection(const std::vector<int>& selected);
  // Marks the centre of gravity of balance in the view, and names what it belongs to under
  // it; neither when the centre is not known.
  void showGravityPoint(const LoadBalance& balance, const QString& legend);
  // The weight and balance of the whole loaded container shown: its cartons and pallets.
  LoadBalance shownBalance() const;
  void showCartonDialog(bool newMode);
  void showOptionsDialog();

  // The settings, the last folders and the window's layout kept between starts
  // (frmmain_settings.cpp): read when the window is made, written on OK in the options
  // and when the window closes.
  void loadSettings();
  void saveSettings();
  // The folder the export dialog starts in: the last one used, else Documents/Cargolyx.
  QString exportStartFolder() const;

  std::unique_ptr<Settings> settings_;
  std::unique_ptr<FillScheme> project_;
  std::unique_ptr<MessageBoxes> messages_;
  std::unique_ptr<FileDialogs> fileDialogs_;
  Scene scene_;
  mutable LoadedContainer noResult_;  // shownContainer() without a result
  std::size_t shownIndex_ = 0;        // the loaded container shown, of several
  ResultListing listing_;             // the result list's rows and parts for the container shown
  QString startFile_;
  QString exportFolder_;  // where the last plan was exported; empty: none yet
  QString exportedFrom_;  // the project file whose plan went there
  bool shown_ = false;
  DocumentState document_;
  QStringList recentFiles_;
  bool closeAfterRun_ = false;  // the window was closed during a calculation

  QToolBar* tbMain = nullptr;
  QTreeWidget* treeCarton = nullptr;
  QSplitter* splitTreeView = nullptr;
  QFrame* pnlView = nullptr;
  BoxViewer* boxViewer = nullptr;  // the 3D view, filling pnlView
  StopKey* stopKey = nullptr;          // under the view, while it is coloured by stop
  StepControl* stepControl = nullptr;  // under the view
  QLabel* lblGravityLegend = nullptr;  // under the slider: what the centre-of-gravity mark belongs to
  QSplitter* splitViewResults = nullptr;
  QTableWidget* lvResult = nullptr;
  QStatusBar* sbStatus = nullptr;
  QLabel* StatusText = nullptr;
  QLabel* StatusWeight = nullptr;  // after a calculation: the loaded weight
  QLabel* StatusCentre = nullptr;  // and the centre of gravity
  QLabel* StatusAxles = nullptr;   // and the axle loads of the vehicle, red when an axle is over
  QAction* mnuColourByStop = nullptr;  // View > 按目的地着色: the cartons in their stop's colour
  ColumnStretch* resultStretch_ = nullptr;  // the result list's columns, owned by the list
  QLabel* StatusFleet = nullptr;   // several containers: by type, cost, bound
  QTabBar* tabContainers = nullptr;  // one tab per loaded container of several
  QMenu* PopupMenuBlock = nullptr;
  QAction* mnuFillCompletely = nullptr;
  QMenu* mnuRecentFiles = nullptr;
  QAction* mnuEditFill = nullptr;

  // The dialogs, created once in this order and shown modally.
  TAboutBox* AboutBox = nullptr;
  TCartonPropForm* CartonPropForm = nullptr;
  TContainerPropForm* ContainerPropForm = nullptr;
  TOptionForm* OptionForm = nullptr;
  TStopsForm* StopsForm = nullptr;
  TDoingDlg* DoingDlg = nullptr;
};
