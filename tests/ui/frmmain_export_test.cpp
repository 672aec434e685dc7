// The export command of the window: the folder the user picks, the template it fills, and
// what it says when the plan cannot be written.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

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

TEST(MainWindowExport, writesIntoTheChosenFolderStartingInDocumentsThenWhereItLastWent) {
  QTemporaryDir chosen;
  CalculatedDemo demo;
  MainWindowDriver& d = demo.d;
  QDir(documentsCargolyx()).removeRecursively();

  d.fileDialogs().exportFolders << chosen.path();
  d.click("tbExport");
  EXPECT_EQ(d.fileDialogs().exportStartFolders, QStringList{documentsCargolyx()});
  EXPECT_TRUE(QDir(documentsCargolyx()).exists()) << "the default folder is made for the dialog";
  // No template beside the tests nor in the user's data folder: the built-in one is filled.
  const QByteArray document = fileBytes(chosen.filePath("packplan.htm"));
  EXPECT_TRUE(document.contains(QByteArray("演示集装箱 L=11800 W=2300 H=2450")));
  // The tests have no drawing library beside them: the pictures step fails and says why.
  ASSERT_EQ(d.messages().shown.size(), 1);
  EXPECT_TRUE(d.messages().shown[0].startsWith("导出纸箱图例文件失败。\n")) << d.messages().shown[0].toStdString();
  EXPECT_TRUE(d.messages().shown[0].contains("libboxpic.so"));
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
