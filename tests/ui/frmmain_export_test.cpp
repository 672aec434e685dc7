// The export command of the window: the folder the user picks, the template it fills, what
// it says about where the plan went (with a button that opens its folder), and what it says
// when the plan cannot be written. The test runs from the program folder, beside the
// drawing library and the templates, as the program does; a browser and the desktop's
// opener of its own note what they were given instead of showing anything.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QStatusBar>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "mainwindowdriver.h"
#include "model/gbk.h"
#include "resultblocks.h"

namespace {

const QString kDemoFile = CARGOLYX_EXAMPLES_DIR "/demo.pak";

QByteArray fileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

QString documentsCargolyx() {
  return QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath("Cargolyx");
}

// The template of the user's own, in their data folder.
QString usersTemplate() { return QString::fromLocal8Bit(qgetenv("XDG_DATA_HOME")) + "/cargolyx/template.htm"; }

// Programs on PATH that stand in for the web browser (x-www-browser) and the desktop's
// opener (xdg-open): each notes the argument it was started with in a file of its name.
class StandInPrograms {
 public:
  explicit StandInPrograms(std::initializer_list<const char*> programs) : oldPath_(qgetenv("PATH")) {
    for (const char* name : programs) {
      QFile script(dir_.filePath(name));
      script.open(QIODevice::WriteOnly);
      const QByteArray noted = dir_.filePath(QString(name) + ".arg").toUtf8();
      script.write("#!/bin/sh\nprintf '%s' \"$1\" > '" + noted + ".part' && /bin/mv '" + noted + ".part' '" + noted +
                   "'\n");
      script.close();
      script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    qputenv("PATH", dir_.path().toUtf8());  // nothing else: no real browser starts
  }
  ~StandInPrograms() { qputenv("PATH", oldPath_); }
  StandInPrograms(const StandInPrograms&) = delete;
  StandInPrograms& operator=(const StandInPrograms&) = delete;

  // What the program was started with, once it has run; empty when it was not started.
  QString argumentOf(const char* name) const {
    const QString file = dir_.filePath(QString(name) + ".arg");
    if (!QTest::qWaitFor([&] { return QFile::exists(file); }, 5000)) return {};
    return QString::fromUtf8(fileBytes(file));
  }

 private:
  QTemporaryDir dir_;
  QByteArray oldPath_;
};

// A window with the demo project calculated.
struct CalculatedDemo {
  MainWindowDriver d{kDemoFile};
  CalculatedDemo() {
    d.click("tbRun");
    EXPECT_EQ(statisticsOf(d.project()).loadedCount, 850);
    d.messages().shown.clear();
  }
  void expectResultKept() {
    EXPECT_EQ(statisticsOf(d.project()).loadedCount, 850);
    EXPECT_EQ(d.resultList()->rowCount(), 3);
  }
};

}  // namespace

TEST(MainWindowExport, writesIntoTheChosenFolderStartingBesideTheProjectThenWhereItLastWent) {
  StandInPrograms programs{"x-www-browser"};
  QTemporaryDir chosen;
  CalculatedDemo demo;
  MainWindowDriver& d = demo.d;
  QDir(documentsCargolyx()).removeRecursively();

  d.fileDialogs().exportFolders << chosen.path();
  d.click("tbExport");
  EXPECT_EQ(d.fileDialogs().exportStartFolders, QStringList{QFileInfo(kDemoFile).absolutePath()})
      << "a saved project's plan starts beside it";
  const QByteArray document = fileBytes(chosen.filePath("packplan.htm"));
  EXPECT_TRUE(document.contains("演示集装箱 L=11800 W=2300 H=2450"));
  EXPECT_TRUE(QFile::exists(chosen.filePath("block1.PNG")));
  EXPECT_FALSE(QFile::exists(documentsCargolyx() + "/packplan.htm"));

  // The user's own template comes first, a GBK one makes a GBK document; the dialog starts
  // where the last plan went.
  writeFile(usersTemplate(), QByteArray::fromStdString(*utf8ToGbk("<p>[集装箱描述]</p>")));
  d.fileDialogs().exportFolders << chosen.path();
  d.click("tbExport");
  QFile::remove(usersTemplate());
  EXPECT_EQ(d.fileDialogs().exportStartFolders.value(1), chosen.path());
  EXPECT_EQ(fileBytes(chosen.filePath("packplan.htm")),
            QByteArray::fromStdString(*utf8ToGbk("<p>演示集装箱 L=11800 W=2300 H=2450</p>")));

  // A cancelled dialog writes nothing and says nothing.
  d.messages().shown.clear();
  QFile::remove(chosen.filePath("packplan.htm"));
  d.click("tbExport");
  EXPECT_TRUE(d.messages().shown.isEmpty());
  EXPECT_FALSE(QFile::exists(chosen.filePath("packplan.htm")));
}

TEST(MainWindowExport, saysWhereThePlanWentOnTheStatusBarAndInAMessageThatOffersItsFolder) {
  StandInPrograms programs{"x-www-browser", "xdg-open"};
  QTemporaryDir chosen;
  CalculatedDemo demo;
  MainWindowDriver& d = demo.d;
  const QString document = chosen.filePath("packplan.htm");
  d.fileDialogs().exportFolders << chosen.path();
  d.click("tbExport");
  EXPECT_EQ(programs.argumentOf("x-www-browser"), document) << "the browser shows the plan";
  EXPECT_EQ(d.form().statusBar()->currentMessage(), "已导出装箱方案：" + document);
  EXPECT_EQ(d.messages().shown, QStringList{"装箱方案已导出到 " + document + "。"});
  EXPECT_EQ(d.messages().actions, QStringList{"打开文件夹"});
  EXPECT_FALSE(QFile::exists(chosen.filePath("xdg-open.arg"))) << "the folder opens only when asked";

  // The button opens the folder with the desktop's opener.
  d.messages().actionAnswers = {true};
  d.fileDialogs().exportFolders << chosen.path();
  d.click("tbExport");
  EXPECT_EQ(QDir(programs.argumentOf("xdg-open")).absolutePath(), QDir(chosen.path()).absolutePath());
  demo.expectResultKept();
}

TEST(MainWindowExport, withNoProgramToShowThePlanSaysWhereItWasWritten) {
  StandInPrograms nothing{};
  QTemporaryDir chosen;
  CalculatedDemo demo;
  MainWindowDriver& d = demo.d;
  d.messages().actionAnswers = {true};  // open the folder: there is no opener either
  d.fileDialogs().exportFolders << chosen.path();
  d.click("tbExport");
  const QString document = chosen.filePath("packplan.htm");
  ASSERT_EQ(d.messages().shown.size(), 2);
  EXPECT_EQ(d.messages().shown[0], "自动打开文件失败，请您选择其它程序进行打开。\n装箱方案已写入 " + document);
  EXPECT_TRUE(d.messages().shown[1].startsWith("无法自动打开文件夹，请自行打开：")) << d.messages().shown[1].toStdString();
  EXPECT_EQ(d.form().statusBar()->currentMessage(), "已导出装箱方案：" + document);
}

TEST(MainWindowExport, aFolderThatCannotBeWrittenIsNamedWithTheReasonAndTheResultStays) {
  QTemporaryDir scratch;
  writeFile(scratch.filePath("file"), "a file, not a folder");
  CalculatedDemo demo;
  MainWindowDriver& d = demo.d;

  // No folder can be made under a regular file, whoever runs the tests (root included).
  const QString underAFile = scratch.filePath("file/plans");
  d.fileDialogs().exportFolders << underAFile;
  d.click("tbExport");
  ASSERT_EQ(d.messages().shown.size(), 1);
  EXPECT_TRUE(d.messages().shown[0].contains(underAFile)) << d.messages().shown[0].toStdString();
  EXPECT_TRUE(d.messages().shown[0].contains("Not a directory")) << d.messages().shown[0].toStdString();
  demo.expectResultKept();

  // A folder whose document cannot be replaced: the step, the file and the reason.
  QDir().mkpath(scratch.filePath("plans/packplan.htm"));
  d.messages().shown.clear();
  d.fileDialogs().exportFolders << scratch.filePath("plans");
  d.click("tbExport");
  ASSERT_EQ(d.messages().shown.size(), 1);
  EXPECT_TRUE(d.messages().shown[0].startsWith("导出HTML文件失败。\n")) << d.messages().shown[0].toStdString();
  EXPECT_TRUE(d.messages().shown[0].contains(scratch.filePath("plans"))) << d.messages().shown[0].toStdString();
  demo.expectResultKept();
}

TEST(MainWindowExport, theExportsOfSeveralContainersAndOfPalletsSayWhereTheyWentAndOfferTheirFolder) {
  StandInPrograms programs{"x-www-browser", "xdg-open"};
  // Several containers: the index of the plans is the document named; the button opens the
  // folder chosen, which holds it.
  {
    QTemporaryDir chosen;
    MainWindowDriver d(CARGOLYX_EXAMPLES_DIR "/shipment.clyx");
    d.settings().planningMode = PlanningMode::Fleet;
    d.settings().fleetTimeLimit = 3;  // room for the first fill on a busy machine
    d.click("tbRun");
    ASSERT_GT(d.project().result.containers.size(), 1u);
    d.messages().shown.clear();
    d.messages().actionAnswers = {true};
    d.fileDialogs().exportFolders << chosen.path();
    d.click("tbExport");
    const QString index = chosen.filePath("index.htm");
    ASSERT_TRUE(QFile::exists(index));
    EXPECT_EQ(d.messages().shown, QStringList{"装箱方案已导出到 " + index + "。"});
    EXPECT_EQ(d.messages().actions, QStringList{"打开文件夹"});
    EXPECT_EQ(d.form().statusBar()->currentMessage(), "已导出装箱方案：" + index);
    EXPECT_EQ(QDir(programs.argumentOf("xdg-open")).absolutePath(), QDir(chosen.path()).absolutePath());
  }
  // Pallets: the plan with its pallet list.
  {
    QTemporaryDir chosen;
    MainWindowDriver d(CARGOLYX_EXAMPLES_DIR "/pallets.clyx");
    d.click("tbRun");
    ASSERT_FALSE(d.project().result.containers.at(0).pallets.empty());
    d.messages().shown.clear();
    d.fileDialogs().exportFolders << chosen.path();
    d.click("tbExport");
    const QString document = chosen.filePath("packplan.htm");
    ASSERT_TRUE(QFile::exists(document));
    EXPECT_EQ(d.messages().shown, QStringList{"装箱方案已导出到 " + document + "。"});
    EXPECT_EQ(d.messages().actions, QStringList{"打开文件夹"});
    EXPECT_EQ(d.form().statusBar()->currentMessage(), "已导出装箱方案：" + document);
  }
}

namespace {

// What a command prints on its standard output.
QString commandOutput(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  process.waitForFinished(30000);
  return QString::fromUtf8(process.readAllStandardOutput());
}

// Prints the window's plan into a PDF file; its text as pdftotext reads it.
QString printedText(MainWindowDriver& d, const QString& pdf, int* pages) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(pdf);
  EXPECT_EQ(d.form().printPlan(printer), QString());
  // To look at: CARGOLYX_PRINTED=FILE keeps a copy of the printed PDF.
  if (const QString keep = qEnvironmentVariable("CARGOLYX_PRINTED"); !keep.isEmpty()) {
    QFile::remove(keep);
    QFile::copy(pdf, keep);
  }
  const QRegularExpressionMatch count =
      QRegularExpression("Pages:\\s+(\\d+)").match(commandOutput("pdfinfo", {pdf}));
  *pages = count.hasMatch() ? count.captured(1).toInt() : -1;
  return commandOutput("pdftotext", {pdf, "-"});
}

}  // namespace

TEST(MainWindowPrint, printsThePlanAsExportedWithItsContainerStepsAndTotals) {
  QTemporaryDir folder;
  CalculatedDemo demo;
  MainWindowDriver& d = demo.d;
  auto* print = d.form().findChild<QAction*>("mnuPrint");
  ASSERT_NE(print, nullptr);
  EXPECT_TRUE(print->shortcuts().contains(QKeySequence("Ctrl+P")));
  int pages = 0;
  const QString text = printedText(d, folder.filePath("plan.pdf"), &pages);
  EXPECT_GE(pages, 1);
  for (const char* piece : {"演示集装箱 L=11800 W=2300 H=2450", "第 1 步（共 2 步）", "第 2 步（共 2 步）", "总箱数：850"})
    EXPECT_TRUE(text.contains(QString::fromUtf8(piece))) << piece << "\n" << text.toStdString();
  // The pictures are printed with it: the carton's and a step's each (pdfimages lists them
  // under two heading lines).
  const QStringList images = commandOutput("pdfimages", {"-list", folder.filePath("plan.pdf")}).split('\n', Qt::SkipEmptyParts);
  EXPECT_GE(images.size() - 2, 3) << images.join('\n').toStdString();
  demo.expectResultKept();
}

TEST(MainWindowPrint, aPlanOfSeveralContainersPrintsEveryContainersPage) {
  QTemporaryDir folder;
  MainWindowDriver d(CARGOLYX_EXAMPLES_DIR "/shipment.clyx");
  d.settings().planningMode = PlanningMode::Fleet;
  d.settings().fleetTimeLimit = 3;  // room for the first fill on a busy machine
  d.click("tbRun");
  const std::size_t containers = d.project().result.containers.size();
  ASSERT_GT(containers, 1u);
  int pages = 0;
  const QString text = printedText(d, folder.filePath("plan.pdf"), &pages);
  EXPECT_GT(pages, static_cast<int>(containers));
  for (std::size_t k = 1; k <= containers; ++k)
    EXPECT_TRUE(text.contains(QString("集装箱 %1 / 共 %2").arg(k).arg(containers))) << k << "\n" << text.toStdString();
}

TEST(MainWindowPrint, withoutAPlanThereIsNothingToPrint) {
  MainWindowDriver d;
  d.form().findChild<QAction*>("mnuPrint")->trigger();
  ASSERT_EQ(d.messages().shown.size(), 1);
  QPrinter printer;
  EXPECT_EQ(d.form().printPlan(printer), d.messages().shown[0]);
}
