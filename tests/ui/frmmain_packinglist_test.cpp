// Packing lists and the layout of the tree and the result list, as a user meets them on a
// real display: File > 导入装箱单 / 导出装箱单, captions shown whole, a result list of
// several rows whose columns follow the window.

#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QHeaderView>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>

#include "mainwindowdriver.h"

namespace {

const QString kDemoFile = CARGOLYX_EXAMPLES_DIR "/demo.pak";
const QString kExampleList = CARGOLYX_EXAMPLES_DIR "/packinglist.csv";

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
}

void importList(MainWindowDriver& d, const QString& path) {
  d.fileDialogs().listOpenNames << path;
  d.form().findChild<QAction*>("mnuImportPackingList")->trigger();
  d.settle();
}

// True when the tree shows every caption whole: its column is at least as wide as the
// widest caption with its indentation and picture.
bool showsCaptionsWhole(const QTreeWidget* tree) {
  const int needed = static_cast<const QAbstractItemView*>(tree)->sizeHintForColumn(0);
  return tree->columnWidth(0) >= needed && tree->viewport()->width() >= needed;
}

}  // namespace

TEST(MainWindowPackingList, aBadRowIsNamedAndNothingIsImported) {
  MainWindowDriver d(kDemoFile);
  QTemporaryDir dir;
  const QString path = dir.filePath("list.csv");
  writeFile(path, "名称,长,宽,高,重量,数量\n电视机,1100,300,700,25,40\n音箱,3o0,300,300,5,10\n");
  const QStringList before = d.treeCaptions();

  importList(d, path);

  ASSERT_EQ(d.messages().shown.size(), 1);
  EXPECT_TRUE(d.messages().shown[0].startsWith("装箱单第3行第2列（长）：")) << d.messages().shown[0].toStdString();
  EXPECT_EQ(d.project().cartons.size(), 1u);
  EXPECT_EQ(d.treeCaptions(), before);
  EXPECT_FALSE(d.form().isModified());
}

TEST(MainWindowPackingList, aGoodListAddsItsCartonsToTheTreeAndMarksTheProject) {
  MainWindowDriver d(kDemoFile);
  importList(d, kExampleList);

  // It says what it imported.
  EXPECT_EQ(d.messages().shown, QStringList{"导入 4 种纸箱，共 286 箱。"});
  EXPECT_EQ(d.treeCaptions(),
            (QStringList{"演示集装箱 11800×2300×2450 mm，最大载重 20000 kg", "纸箱1 600×400×300 mm × 850 箱，10 kg",
                         "电视机 1100×300×700 mm × 60 箱，25 kg", "冰箱 800×700×1800 mm × 6 箱，70 kg",
                         "洗衣机 600×600×900 mm × 20 箱，65 kg", "微波炉 500×400×300 mm × 200 箱，12 kg"}));
  EXPECT_TRUE(d.form().isModified());
  EXPECT_TRUE(d.form().windowTitle().startsWith("demo.pak*")) << d.form().windowTitle().toStdString();
  EXPECT_TRUE(showsCaptionsWhole(d.tree()));
  // A cancelled dialog adds nothing.
  d.form().findChild<QAction*>("mnuImportPackingList")->trigger();
  EXPECT_EQ(d.project().cartons.size(), 5u);
}

TEST(MainWindowPackingList, anExportedListImportsAsTheSameCartons) {
  MainWindowDriver d;
  importList(d, kExampleList);
  QTemporaryDir dir;
  const QString path = dir.filePath("out.csv");
  d.fileDialogs().listSaveNames << path;
  d.messages().shown.clear();
  d.form().findChild<QAction*>("mnuExportPackingList")->trigger();
  // It says what it wrote, and where.
  EXPECT_EQ(d.messages().shown, QStringList{"已导出 4 种纸箱，共 286 箱：" + path});
  const QStringList exported = d.treeCaptions();

  d.messages().saveAnswers.push_back(SaveChoice::Discard);
  d.form().tbNewClick();
  d.messages().shown.clear();
  ASSERT_EQ(d.project().cartons.size(), 0u);
  importList(d, path);
  EXPECT_EQ(d.treeCaptions().mid(1), exported.mid(1));

  d.messages().shown.clear();
  d.fileDialogs().listSaveNames << dir.filePath("missing/out.csv");
  d.form().findChild<QAction*>("mnuExportPackingList")->trigger();
  ASSERT_EQ(d.messages().shown.size(), 1);
  EXPECT_TRUE(d.messages().shown[0].startsWith("无法写入装箱单：")) << d.messages().shown[0].toStdString();
}

TEST(MainWindowLayout, aCaptionWithACountOfFortyShowsWhole) {
  MainWindowDriver d;
  Carton& tv = d.project().addCarton();
  tv.name = "电视机";
  tv.length = 1100, tv.width = 300, tv.height = 700, tv.count = 40;
  d.form().refreshTree(true);
  d.settle();
  EXPECT_EQ(d.treeCaptions().at(1), "电视机 1100×300×700 mm × 40 箱");
  EXPECT_TRUE(showsCaptionsWhole(d.tree()));
}

TEST(MainWindowLayout, aCaptionBeyondTheLimitEndsInAnEllipsisWithItsTooltip) {
  MainWindowDriver d;
  Carton& carton = d.project().addCarton();
  carton.name = QString(30, QChar(0x7BB1)).toStdString();  // 30 × 箱
  carton.length = 1100, carton.width = 300, carton.height = 700, carton.count = 40;
  d.form().refreshTree(true);
  d.settle();
  auto* splitter = d.form().findChild<QSplitter*>("splitTreeView");
  const QList<int> sizes = splitter->sizes();
  EXPECT_LE(sizes[0], (sizes[0] + sizes[1]) / 2);  // the view keeps most of the room
  EXPECT_GT(sizes[0], 209);                        // while the tree grew toward the caption
  QTreeWidgetItem* node = d.tree()->topLevelItem(0)->child(0);
  EXPECT_EQ(node->toolTip(0), node->text(0));
  EXPECT_EQ(d.tree()->textElideMode(), Qt::ElideRight);
}

TEST(MainWindowLayout, theResultListShowsSeveralRowsAndItsColumnsFollowTheWindow) {
  MainWindowDriver d;
  QTableWidget* list = d.resultList();
  const int rowHeight = list->verticalHeader()->defaultSectionSize();
  EXPECT_GE(list->viewport()->height(), 5 * rowHeight);  // more than four rows

  const auto columnsWidth = [list] {
    int width = 0;
    for (int c = 0; c < list->columnCount(); ++c) width += list->columnWidth(c);
    return width;
  };
  EXPECT_EQ(columnsWidth(), list->viewport()->width());
  const int narrowFirst = list->columnWidth(0);
  d.form().resize(d.form().width() + 400, d.form().height());
  QTest::qWait(50);
  d.settle();
  EXPECT_EQ(columnsWidth(), list->viewport()->width());
  EXPECT_GT(list->columnWidth(0), narrowFirst);
}
