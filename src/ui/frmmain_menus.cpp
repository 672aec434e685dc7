// The main window's menu bar: every toolbar command, Save As, the recent files, the
// packing lists and the standard keys.

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

#include "commands/fillblocks.h"
#include "ui/frmmain.h"

namespace {

constexpr int kRecentFileCount = 8;

// The platform's keys for a standard command; some desktops define none for Save As or
// Quit, and then the usual Linux ones hold.
QList<QKeySequence> standardKeys(QKeySequence::StandardKey key, const QKeySequence& fallback) {
  QList<QKeySequence> keys = QKeySequence::keyBindings(key);
  if (keys.isEmpty()) keys << fallback;
  return keys;
}

}  // namespace

QAction* TMainForm::addMenuAction(QMenu* menu, const char* name, const QString& caption,
                                  void (TMainForm::*handler)(), const QList<QKeySequence>& keys) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(name);
  action->setShortcuts(keys);
  connect(action, &QAction::triggered, this, handler);
  return action;
}

void TMainForm::createMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName("mnuMain");

  QMenu* file = bar->addMenu(tr("文件(&F)"));
  file->setObjectName("mnuFile");
  addMenuAction(file, "mnuNew", tr("新建(&N)"), &TMainForm::tbNewClick, QKeySequence::keyBindings(QKeySequence::New));
  addMenuAction(file, "mnuOpen", tr("打开(&O)..."), &TMainForm::tbOpenClick, QKeySequence::keyBindings(QKeySequence::Open));
  addMenuAction(file, "mnuSave", tr("保存(&S)"), &TMainForm::tbSaveClick, QKeySequence::keyBindings(QKeySequence::Save));
  addMenuAction(file, "mnuSaveAs", tr("另存为(&A)..."), &TMainForm::tbSaveAsClick, standardKeys(QKeySequence::SaveAs, QKeySequence("Ctrl+Shift+S")));
  file->addSeparator();
  mnuRecentFiles = file->addMenu(tr("最近打开的文件(&R)"));
  mnuRecentFiles->setObjectName("mnuRecentFiles");
  fillRecentFilesMenu();
  file->addSeparator();
  addMenuAction(file, "mnuExport", tr("导出装箱方案(&E)..."), &TMainForm::tbExportClick);
  addMenuAction(file, "mnuPrint", tr("打印(&P)..."), &TMainForm::mnuPrintClick,
                standardKeys(QKeySequence::Print, QKeySequence("Ctrl+P")));
  file->addSeparator();
  addMenuAction(file, "mnuImportPackingList", tr("导入装箱单(&I)..."), &TMainForm::mnuImportPackingListClick);
  addMenuAction(file, "mnuExportPackingList", tr("导出装箱单(&L)..."), &TMainForm::mnuExportPackingListClick);
  file->addSeparator();
  QAction* quit = file->addAction(tr("退出(&X)"));
  quit->setObjectName("mnuQuit");
  quit->setShortcuts(standardKeys(QKeySequence::Quit, QKeySequence("Ctrl+Q")));
  quit->setMenuRole(QAction::QuitRole);
  connect(quit, &QAction::triggered, this, &QWidget::close);

  QMenu* edit = bar->addMenu(tr("编辑(&E)"));
  edit->setObjectName("mnuEdit");
  addMenuAction(edit, "mnuAddCarton", tr("添加箱子(&A)"), &TMainForm::tbAddCartonClick);
  addMenuAction(edit, "mnuDelCarton", tr("删除箱子(&D)"), &TMainForm::tbDelCartonClick, QKeySequence::keyBindings(QKeySequence::Delete));
  mnuEditFill = addMenuAction(edit, "mnuEditFillCompletely", tr("完全填充(&F)"), &TMainForm::mnuFillCompletelyClick);
  edit->addSeparator();
  addMenuAction(edit, "mnuStops", tr("送货顺序(&T)..."), &TMainForm::mnuStopsClick);
  addMenuAction(edit, "mnuOption", tr("选项(&O)..."), &TMainForm::tbOptionClick);
  connect(edit, &QMenu::aboutToShow, this,
          [this] { mnuEditFill->setEnabled(canFillSelection(*project_, selectedResultRows())); });

  QMenu* run = bar->addMenu(tr("计算(&C)"));
  run->setObjectName("mnuCalculate");
  addMenuAction(run, "mnuRun", tr("运行(&R)"), &TMainForm::tbRunClick, {QKeySequence(Qt::Key_F5)});
  addMenuAction(run, "mnuFill", tr("填充(&F)"), &TMainForm::tbFillClick);
  run->addSeparator();
  addMenuAction(run, "mnuRuleCosts", tr("规则的代价(&C)..."), &TMainForm::mnuRuleCostsClick);

  QMenu* view = bar->addMenu(tr("视图(&V)"));
  view->setObjectName("mnuView");
  QAction* refresh = view->addAction(tr("刷新（清除计算结果）(&R)"));
  refresh->setObjectName("mnuRefresh");
  connect(refresh, &QAction::triggered, this, [this] { refreshTree(true); });
  mnuColourByStop = view->addAction(tr("按目的地着色(&S)"));
  mnuColourByStop->setObjectName("mnuColourByStop");
  mnuColourByStop->setCheckable(true);
  connect(mnuColourByStop, &QAction::toggled, this, [this] {
    if (!listing_.parts.empty()) showResultSelection(selectedResultRows());
  });
  QAction* resetCamera = view->addAction(tr("恢复初始视角(&I)"));
  resetCamera->setObjectName("mnuResetView");
  connect(resetCamera, &QAction::triggered, this, [this] { refreshView(true); });

  QMenu* help = bar->addMenu(tr("帮助(&H)"));
  help->setObjectName("mnuHelp");
  addMenuAction(help, "mnuAbout", tr("关于本软件(&A)"), &TMainForm::tbAboutClick, {QKeySequence(Qt::Key_F1)});
}

void TMainForm::setRecentFiles(const QStringList& files) {
  recentFiles_ = files.mid(0, kRecentFileCount);
  fillRecentFilesMenu();
}

void TMainForm::addRecentFile(const QString& name) {
  const QString path = QFileInfo(name).absoluteFilePath();
  QStringList files = recentFiles_;
  files.removeAll(path);
  files.prepend(path);
  setRecentFiles(files);
}

void TMainForm::fillRecentFilesMenu() {
  // The entries exist once and change their text: an entry may be the one being chosen.
  if (mnuRecentFiles->actions().isEmpty()) {
    for (int i = 0; i < kRecentFileCount; ++i) {
      QAction* action = mnuRecentFiles->addAction(QString());
      action->setObjectName(QString("mnuRecentFile%1").arg(i));
      connect(action, &QAction::triggered, this, [this, i] {
        if (i < recentFiles_.size()) openRecentFile(recentFiles_[i]);
      });
    }
  }
  const QList<QAction*> actions = mnuRecentFiles->actions();
  for (int i = 0; i < actions.size(); ++i) {
    actions[i]->setVisible(i < recentFiles_.size());
    if (i < recentFiles_.size()) actions[i]->setText(QString("&%1 %2").arg(i + 1).arg(recentFiles_[i]));
  }
  mnuRecentFiles->setEnabled(!recentFiles_.isEmpty());
}

void TMainForm::openRecentFile(const QString& name) {
  if (!maySetProjectAside()) return;
  if (openProjectFile(name)) return;
  // A file that can no longer be read leaves the list.
  QStringList files = recentFiles_;
  files.removeAll(name);
  setRecentFiles(files);
}
