#include "ui/frmmain.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "commands/deletecarton.h"
#include "commands/documentstate.h"
#include "commands/projectfiles.h"
#include "commands/resultcheck.h"
#include "commands/treecaptions.h"
#include "model/projectfile.h"
#include "model/safefile.h"
#include "ui/aboutbox.h"
#include "ui/columnstretch.h"
#include "ui/doing.h"
#include "ui/filedialogs.h"
#include "ui/frmcartonprop.h"
#include "ui/frmcontainerprop.h"
#include "ui/frmoption.h"
#include "ui/frmstops.h"
#include "ui/pictures.h"
#include "ui/qtext.h"
#include "ui/treecaptionfit.h"
#include "ui/elidedlabel.h"
#include "ui/windowsize.h"
#include "view3d/boxviewer.h"

namespace {

// The first dropped file, when it is a local file.
QString firstDroppedFile(const QMimeData* data) {
  if (!data || !data->hasUrls() || data->urls().isEmpty()) return {};
  const QUrl url = data->urls().constFirst();
  return url.isLocalFile() ? url.toLocalFile() : QString();
}

// The rows of the result list shown at the start: the totals row and a few blocks.
constexpr int kResultRowsShown = 6;

bool isProjectFile(const QString& name) { return !name.isEmpty() && isProjectFileName(name.toStdString()); }

// After a dialog that may have dropped the result: when the input is what it was before
// (the dialog was cancelled, or closed with OK without a change), the result comes back.
void keepResultOfUnchangedInput(TMainForm& form, const FillScheme& before) {
  FillScheme& project = form.project();
  if (before.result.empty() || !project.result.empty() || !(project.input() == before.input())) return;
  project.result = before.result;
  form.refreshTree(false);
  form.refreshResults(-1);
}

}  // namespace

TMainForm::TMainForm(QString startFile, std::unique_ptr<MessageBoxes> messages,
                     std::unique_ptr<FileDialogs> fileDialogs, QWidget* parent)
    : QMainWindow(parent),
      settings_(std::make_unique<Settings>()),
      project_(std::make_unique<FillScheme>()),
      messages_(messages ? std::move(messages) : std::make_unique<QtMessageBoxes>(this)),
      fileDialogs_(fileDialogs ? std::move(fileDialogs) : std::make_unique<QtFileDialogs>(this)),
      startFile_(std::move(startFile)) {
  setObjectName("MainForm");
  document_.reset(*project_, {});
  updateTitle();
  setWindowIcon(programIcon());
  setAcceptDrops(true);

  createMenus();
  createToolbar();
  createPanes();
  sbStatus = new QStatusBar(this);
  sbStatus->setObjectName("sbStatus");
  sbStatus->setSizeGripEnabled(true);
  StatusText = new ElidedLabel(sbStatus);
  StatusText->setObjectName("StatusText");
  sbStatus->addWidget(createStatusLines(), 1);
  setStatusBar(sbStatus);

  // The dialogs exist once for the program's life, created in this order.
  AboutBox = new TAboutBox(this);
  CartonPropForm = new TCartonPropForm(*this, this);
  ContainerPropForm = new TContainerPropForm(*this, this);
  OptionForm = new TOptionForm(*this, *ContainerPropForm, this);
  StopsForm = new TStopsForm(*this, this);
  DoingDlg = new TDoingDlg(this);

  // Most of the screen, centred on it.
  const QScreen* screen = this->screen();
  const QRect available = screen ? screen->availableGeometry() : QRect();
  resize(initialWindowSize(available.size()));
  if (screen) {
    QRect frame(QPoint(), size());
    frame.moveCenter(available.center());
    move(frame.topLeft());
  }
  loadSettings();
  // A window kept from a larger screen comes back within this one.
  if (screen) setGeometry(fittedOnScreen(geometry(), available));
}

TMainForm::~TMainForm() {
  // The dialogs reach the project through this window: they go first.
  delete DoingDlg;
  delete StopsForm;
  delete OptionForm;
  delete ContainerPropForm;
  delete CartonPropForm;
  delete AboutBox;
}

QAction* TMainForm::addToolButton(const char* name, const QString& caption, const QString& hint,
                                  int picture, void (TMainForm::*handler)()) {
  QAction* action = tbMain->addAction(toolbarPicture(picture), caption);
  action->setObjectName(name);
  action->setToolTip(hint);
  connect(action, &QAction::triggered, this, handler);
  tbMain->widgetForAction(action)->setObjectName(name);
  return action;
}

void TMainForm::addSeparator(const char* name) { tbMain->addSeparator()->setObjectName(name); }

void TMainForm::createToolbar() {
  tbMain = addToolBar(tr("工具栏"));
  tbMain->setObjectName("tbMain");
  tbMain->setMovable(false);
  tbMain->setFloatable(false);
  tbMain->setContextMenuPolicy(Qt::PreventContextMenu);
  tbMain->setIconSize(QSize(kToolbarPictureSize, kToolbarPictureSize));
  tbMain->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  QFont font = tbMain->font();
  font.setPixelSize(12);
  tbMain->setFont(font);

  addSeparator("tbSeparator1");
  addToolButton("tbNew", tr("新建"), tr("新装箱方案"), 0, &TMainForm::tbNewClick);
  addToolButton("tbOpen", tr("打开"), tr("打开已保存的方案"), 1, &TMainForm::tbOpenClick);
  addToolButton("tbSaveAs", tr("保存"), tr("保存当前方案到文件"), 2, &TMainForm::tbSaveAsClick);
  addSeparator("tbSeparator2");
  addToolButton("tbAddCarton", tr("添加箱子"), tr("添加箱子"), 3, &TMainForm::tbAddCartonClick);
  addToolButton("tbDelCarton", tr("删除箱子"), tr("删除选中的箱子"), 4, &TMainForm::tbDelCartonClick);
  addToolButton("tbRun", tr("运行"), tr("开始装箱计算"), 5, &TMainForm::tbRunClick);
  addToolButton("tbFill", tr("填充"), tr("增加箱数直到填满您所选择的块"), 6, &TMainForm::tbFillClick);
  addToolButton("tbExport", tr("导出装箱方案"), tr("导出装箱方案"), 7, &TMainForm::tbExportClick);
  addToolButton("tbOption", tr("选项"), tr("选项"), 8, &TMainForm::tbOptionClick);
  addSeparator("tbSeparator3");
  addToolButton("tbAbout", tr("关于本软件"), tr("关于本软件"), 9, &TMainForm::tbAboutClick);
}

void TMainForm::createPanes() {
  treeCarton = new QTreeWidget;
  treeCarton->setObjectName("treeCarton");
  treeCarton->setHeaderHidden(true);
  treeCarton->setColumnCount(1);
  treeCarton->setIndentation(19);
  treeCarton->setIconSize(QSize(kTreePictureSize, kTreePictureSize));
  treeCarton->setEditTriggers(QAbstractItemView::NoEditTriggers);
  treeCarton->setSelectionMode(QAbstractItemView::SingleSelection);
  treeCarton->setExpandsOnDoubleClick(false);
  treeCarton->installEventFilter(this);
  connect(treeCarton, &QTreeWidget::itemDoubleClicked, this, [this] { treeCartonDblClick(); });

  pnlView = new QFrame;
  pnlView->setObjectName("pnlView");
  pnlView->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  pnlView->setLineWidth(2);
  pnlView->setMinimumSize(100, 80);
  auto* panelLayout = new QVBoxLayout(pnlView);
  panelLayout->setContentsMargins(2, 2, 2, 2);
  boxViewer = new BoxViewer(scene_, pnlView);
  if (TOpenGLPanel* panel = boxViewer->panel())
    panel->OnFailure = [this](const QString& text) { messages_->information(text); };
  createViewControls();

  splitTreeView = new QSplitter(Qt::Horizontal);
  splitTreeView->setObjectName("splitTreeView");
  splitTreeView->setHandleWidth(5);
  splitTreeView->setChildrenCollapsible(false);
  splitTreeView->addWidget(treeCarton);
  splitTreeView->addWidget(pnlView);
  splitTreeView->setStretchFactor(0, 0);
  splitTreeView->setStretchFactor(1, 1);
  splitTreeView->setSizes({209, 761 - 209});
  new TreeCaptionFit(treeCarton, splitTreeView);  // owned by the tree

  createResultList();
  // The columns share the list's width; the list starts tall enough for a few blocks.
  resultStretch_ = new ColumnStretch(lvResult);  // owned by the list
  const int resultListHeight = lvResult->horizontalHeader()->sizeHint().height() +
                               kResultRowsShown * lvResult->verticalHeader()->defaultSectionSize() +
                               2 * lvResult->frameWidth();

  splitViewResults = new QSplitter(Qt::Vertical);
  splitViewResults->setObjectName("splitViewResults");
  splitViewResults->setHandleWidth(5);
  splitViewResults->setChildrenCollapsible(false);
  splitViewResults->addWidget(splitTreeView);
  splitViewResults->addWidget(lvResult);
  splitViewResults->setStretchFactor(0, 1);
  splitViewResults->setStretchFactor(1, 0);
  splitViewResults->setSizes({300, resultListHeight});
  setCentralWidget(splitViewResults);
}

void TMainForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_) return;
  shown_ = true;
  // After the window has appeared, so that a message about the start file stands over it.
  QTimer::singleShot(0, this, &TMainForm::FormShow);
}

void TMainForm::FormShow() {
  if (!startFile_.isEmpty() && openProjectFile(startFile_)) return;
  newProject();
}

void TMainForm::tbNewClick() {
  if (maySetProjectAside()) newProject();
}

void TMainForm::newProject() {
  project_ = std::make_unique<FillScheme>(::newProject(*settings_));

  treeCarton->clear();
  auto* root = new QTreeWidgetItem(treeCarton, {QString::fromStdString(containerCaption(project_->container))});
  root->setIcon(0, treePicture(kContainerPicture));
  root->setSelected(true);
  treeCarton->setCurrentItem(root);

  scene_.clearScene();
  scene_.setSceneContainer(project_->container);
  refreshView(true);
  refreshResults(-1);
  // The empty project's totals, as after any change of the cartons.
  showStatistics(1);
  document_.reset(*project_, {});
  updateTitle();
}

void TMainForm::tbOpenClick() {
  if (!maySetProjectAside()) return;
  const QString name = fileDialogs_->openFileName();
  if (!name.isEmpty()) openProjectFile(name);
}

bool TMainForm::openProjectFile(const QString& name) {
  OpenFailure failure;
  if (!loadProjectFile(QFile::encodeName(name).toStdString(), *project_, &failure)) {
    messages_->information(QString::fromStdString(openFailedMessage(failure)));
    return false;
  }
  // A project of format 2 brings its plan along, when the checker finds it within the rules.
  const std::string broken = resultViolations(*project_);
  if (!broken.empty()) project_->result = {};
  refreshTree(false);
  refreshResults(-1);
  document_.reset(*project_, std8(name));
  addRecentFile(name);
  updateTitle();
  if (!broken.empty()) messages_->information(qs(brokenSavedPlanMessage(broken)));
  return true;
}

bool TMainForm::maySetProjectAside() {
  if (!document_.isModified(*project_)) return true;
  switch (messages_->askToSave(qs(saveChangesQuestion(document_.filePath())))) {
    case SaveChoice::Save:
      return saveProject();
    case SaveChoice::Discard:
      return true;
    case SaveChoice::Cancel:
      break;
  }
  return false;
}

void TMainForm::tbSaveClick() { saveProject(); }

void TMainForm::tbSaveAsClick() { saveProjectAs(); }

bool TMainForm::saveProject() {
  if (document_.filePath().empty()) return saveProjectAs();
  return writeProject(qs(document_.filePath()));
}

bool TMainForm::saveProjectAs() {
  const QString name = fileDialogs_->saveFileName(qs(document_.filePath()));
  return !name.isEmpty() && writeProject(name);
}

bool TMainForm::writeProject(const QString& name) {
  // A .pak holds GBK names of 49 bytes at most and no cargo rules; a .clyx holds everything.
  if (projectFormatOfName(std8(name)) == ProjectFormat::Pak) {
    if (!namesPakCannotHold(*project_).empty() || hasFormatTwoFeatures(*project_) || pakCannotHoldRules(*project_))
      return messages_->question(qs(pakCannotHoldQuestion(*project_))) && saveProjectAs();
    // The plan is not lost without a word: the user may keep it in a .clyx instead.
    if (!project_->result.empty() && messages_->question(qs(pakDropsPlanQuestion()))) return saveProjectAs();
  }
  FileProblem problem = FileProblem::None;
  if (saveProjectFile(QFile::encodeName(name).toStdString(), *project_, nullptr, &problem)) {
    document_.reset(*project_, std8(name));
    addRecentFile(name);
    updateTitle();
    return true;
  }
  if (problem == FileProblem::ReadOnly) {
    if (messages_->question(qs(readOnlySaveAsQuestion()))) return saveProjectAs();
    return false;
  }
  messages_->information(qs(saveFailedMessage()));
  return false;
}

void TMainForm::updateTitle() {
  setWindowTitle(qs(::windowTitle(document_.filePath(), document_.isModified(*project_))));
}

void TMainForm::tbAddCartonClick() {
  const FillScheme before = *project_;
  const Carton& carton = project_->addCarton();
  QTreeWidgetItem* node = addCartonNode(carton);
  treeCarton->expandAll();
  treeCarton->clearSelection();
  node->setSelected(true);
  treeCarton->setCurrentItem(node);
  showCartonDialog(true);
  keepResultOfUnchangedInput(*this, before);
}

void TMainForm::tbDelCartonClick() {
  const QList<QTreeWidgetItem*> selected = treeCarton->selectedItems();
  const DeleteDecision decision =
      decideDelete(!selected.isEmpty(), !selected.isEmpty() && selected.constFirst()->parent() == rootNode());
  if (decision != DeleteDecision::DeleteCarton) {
    messages_->information(QString::fromStdString(deleteMessage(decision)));
    return;
  }
  const auto index = static_cast<std::size_t>(selectedCartonIndex());
  if (index >= project_->cartons.size() ||
      !messages_->question(qs(deleteCartonQuestion(project_->cartons[index].name))))
    return;
  if (project_->removeCarton(static_cast<std::size_t>(selectedCartonIndex()))) deleteSelectedCartonNode();
  refreshTree(true);
}

void TMainForm::tbOptionClick() { showOptionsDialog(); }

void TMainForm::tbAboutClick() { AboutBox->exec(); }

void TMainForm::mnuStopsClick() {
  StopsForm->exec();
  updateTitle();
}

void TMainForm::showCartonDialog(bool newMode) {
  const FillScheme before = *project_;
  CartonPropForm->newMode = newMode;
  CartonPropForm->exec();
  if (!newMode) keepResultOfUnchangedInput(*this, before);
  updateTitle();
}

void TMainForm::showOptionsDialog() {
  const FillScheme before = *project_;
  OptionForm->exec();
  keepResultOfUnchangedInput(*this, before);
  updateTitle();
}


int TMainForm::selectedCartonIndex() const {
  const QList<QTreeWidgetItem*> selected = treeCarton->selectedItems();
  if (selected.isEmpty()) return -1;
  QTreeWidgetItem* node = selected.constFirst();
  return node->parent() != nullptr && node->parent() == rootNode() ? rootNode()->indexOfChild(node) : -1;
}

void TMainForm::deleteSelectedCartonNode() {
  const QList<QTreeWidgetItem*> selected = treeCarton->selectedItems();
  if (!selected.isEmpty() && selected.constFirst()->parent() == rootNode()) delete selected.constFirst();
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
  // While a calculation runs the project is the worker's: no file replaces it.
  if (DoingDlg->isVisible()) return;
  if (isProjectFile(firstDroppedFile(event->mimeData()))) event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event) {
  const QString name = firstDroppedFile(event->mimeData());
  if (DoingDlg->isVisible() || !isProjectFile(name)) return;
  event->acceptProposedAction();
  // Opened once the drop has ended, so that a message box never holds up the program the
  // file came from.
  QTimer::singleShot(0, this, [this, name] {
    if (maySetProjectAside()) openProjectFile(name);
  });
}

void TMainForm::closeEvent(QCloseEvent* event) {
  if (DoingDlg->isVisible()) {
    // The calculation stops first; the window closes (asking about changes) once it has
    // handed the project back.
    DoingDlg->CancelBtnClick();
    closeAfterRun_ = true;
    event->ignore();
    return;
  }
  if (!maySetProjectAside()) {
    event->ignore();
    return;
  }
  QMainWindow::closeEvent(event);
  if (event->isAccepted()) saveSettings();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == treeCarton && event->type() == QEvent::KeyPress)
    return treeCartonKeyDown(static_cast<QKeyEvent*>(event)->key());
  return QMainWindow::eventFilter(watched, event);
}

bool TMainForm::treeCartonKeyDown(int key) {
  switch (key) {
    case Qt::Key_Delete:
      tbDelCartonClick();
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      treeCartonDblClick();
      return true;
    default:
      return false;  // the tree's own keys
  }
}

void TMainForm::treeCartonDblClick() {
  const QList<QTreeWidgetItem*> selected = treeCarton->selectedItems();
  if (selected.isEmpty()) return;
  // The container and the container types are edited in the options.
  if (selected.constFirst()->parent() != rootNode()) {
    treeCarton->expandAll();
    showOptionsDialog();
    return;
  }
  showCartonDialog(false);
}
