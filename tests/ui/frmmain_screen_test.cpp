// The main window on a real X display (Xvfb) with its OpenGL view, as a user sees it
// after a calculation: the cartons are drawn, the Chinese texts render, nothing is cut.

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QHeaderView>
#include <QImage>
#include <QPainter>
#include <QToolBar>

#include <QScreen>

#include "mainwindowdriver.h"
#include "resultblocks.h"
#include "view3d/boxviewer.h"

namespace {

// How a text looks in a font: the ink it leaves on a white image.
QImage inked(const QString& text, const QFont& font) {
  QImage image(64, 32, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.drawText(image.rect(), Qt::AlignCenter, text);
  return image;
}

int darkPixels(const QImage& image) {
  int dark = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) dark += qGray(image.pixel(x, y)) < 128;
  return dark;
}

}  // namespace

TEST(MainWindowOnScreen, chineseTextsRenderAsGlyphsNotAsMissingCharacterBoxes) {
  MainWindowDriver d;
  const QFont font = d.button("tbRun")->font();
  // Two characters no font has: what a missing font would show instead of two ideographs.
  const QImage missing = inked(QString(2, QChar(0xE000)), font);
  for (const char* text : {"运行", "合计", "纸箱"}) {
    const QImage image = inked(QString::fromUtf8(text), font);
    EXPECT_GT(darkPixels(image), 20) << text;
    EXPECT_NE(image, missing) << text;
  }
}

TEST(MainWindowOnScreen, afterACalculationTheViewShowsTheCartonsAndNothingIsCut) {
  MainWindowDriver d(CARGOLYX_EXAMPLES_DIR "/demo.pak");
  d.click("tbRun");
  ASSERT_EQ(d.resultList()->rowCount(), 3);
  d.settle();

  // The 3D view draws the green cartons of carton colour 0.
  auto* viewer = d.form().findChild<BoxViewer*>();
  ASSERT_NE(viewer, nullptr);
  ASSERT_NE(viewer->panel(), nullptr) << "an X display hosts the OpenGL panel";
  const QImage view = viewer->panel()->grabFramebuffer();
  int green = 0;
  for (int y = 0; y < view.height(); ++y)
    for (int x = 0; x < view.width(); ++x) {
      const QColor c = view.pixelColor(x, y);
      green += c.green() > 100 && c.red() < 60 && c.blue() < 60;
    }
  EXPECT_GT(green, view.width() * view.height() / 20);

  // Every cell of the result list fits its column.
  QTableWidget* list = d.resultList();
  const QFontMetrics metrics(list->font());
  for (int r = 0; r < list->rowCount(); ++r)
    for (int c = 0; c < list->columnCount(); ++c) {
      if (list->isColumnHidden(c)) continue;
      const QTableWidgetItem* item = list->item(r, c);
      const int iconWidth = item->icon().isNull() ? 0 : list->iconSize().width() + 4;
      EXPECT_LE(metrics.horizontalAdvance(item->text()) + iconWidth + 6, list->columnWidth(c))
          << "row " << r << " column " << c << ": " << item->text().toStdString();
    }

  // The status lines and every toolbar caption are shown whole.
  for (const char* line : {"StatusText", "StatusWeight", "StatusCentre"}) {
    QLabel* status = d.form().findChild<QLabel*>(line);
    EXPECT_TRUE(status->isVisible()) << line;
    EXPECT_LE(QFontMetrics(status->font()).horizontalAdvance(status->text()), status->width()) << line;
  }
  for (QAction* action : d.form().findChild<QToolBar*>("tbMain")->actions()) {
    if (action->isSeparator()) continue;
    QWidget* button = d.form().findChild<QToolBar*>("tbMain")->widgetForAction(action);
    EXPECT_GE(button->width(), button->sizeHint().width()) << action->text().toStdString();
    EXPECT_TRUE(button->isVisible()) << action->text().toStdString();
  }

  // The screenshot the developers look at, when asked for.
  if (const QByteArray path = qgetenv("CARGOLYX_SCREENSHOT"); !path.isEmpty()) d.form().grab().save(path);
}

TEST(MainWindowOnScreen, twelveTypesLeftBehindNeitherWidenTheWindowNorHideTheirNames) {
  MainWindowDriver d;
  const QRect screen = d.form().screen()->availableGeometry();
  FillScheme& project = d.project();
  project.cartons.clear();
  std::vector<BlockScheme> blocks;
  for (int i = 0; i < 12; ++i) {
    Carton& carton = project.addCarton();
    carton.name = "长名称的纸箱类型" + std::to_string(i + 1);
    carton.length = carton.width = carton.height = 500;
    carton.count = 1000;
    BlockScheme block = makeBlock(i, carton.material, 1, 1, 1, 1);
    block.sizeX = block.sizeY = block.sizeZ = 500;
    block.z = 500 * i;
    block.cartonIndex = i;
    block.cartonName = carton.name;
    blocks.push_back(block);
  }
  d.form().refreshTree(true);
  resultBlocks(project) = blocks;
  d.form().refreshResults(-1);
  d.settle();

  EXPECT_LE(d.form().frameGeometry().width(), screen.width());
  EXPECT_LE(d.form().width(), screen.width());
  // The red line is cut with "…" and its tooltip holds it whole, every type named.
  QLabel* status = d.statusText();
  const QString text = status->text();
  ASSERT_TRUE(text.contains("未装入："));
  EXPECT_GT(QFontMetrics(status->font()).horizontalAdvance(text), status->width()) << "the text is longer than the bar";
  status->repaint();
  EXPECT_EQ(status->toolTip(), text);
  for (int i = 0; i < 12; ++i) EXPECT_TRUE(status->toolTip().contains(QString("长名称的纸箱类型%1 999 箱").arg(i + 1)));
}
