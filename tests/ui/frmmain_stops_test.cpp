// Delivery stops in the window: coloured by stop, the view shows a key of the stops'
// colours, colours of their own beside the cartons' palette; the step slider names the stop
// of each step; the result list's stop column is in sight without scrolling sideways.

#include <gtest/gtest.h>

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QSlider>
#include <QTemporaryDir>
#include <cmath>

#include "commands/resultcheck.h"
#include "commands/resultlist.h"
#include "mainwindowdriver.h"
#include "model/palette.h"
#include "model/projectfile.h"
#include "resultblocks.h"
#include "ui/stepcontrol.h"
#include "ui/stopkey.h"
#include "view3d/colors.h"

namespace {

const QStringList kStops = {"北京", "天津", "上海"};

// A 1000 mm cube of a container with three stops, a block of four cartons for each, side
// by side on the floor; the cartons in their own colours 0, 1, 2.
FillScheme threeStops() {
  FillScheme p;
  p.container = Container{"厢式货车", 1000, 1000, 1000, 5000};
  for (const QString& stop : kStops) p.stops.push_back(stop.toStdString());
  for (int i = 0; i < 3; ++i) {
    Carton& c = p.addCarton();
    c.name = "货" + std::to_string(i + 1);
    c.length = c.width = c.height = 100;
    c.weight = 10;
    c.count = 4;
    c.material = i;
    c.stop = p.stops[static_cast<std::size_t>(i)];
    BlockScheme b = makeBlock(i, i, 2, 2, 1, 4);
    b.x = 300 * i;
    b.sizeX = b.sizeY = b.sizeZ = 100;
    b.cartonName = c.name;
    resultBlocks(p).push_back(b);
  }
  p.result.containers[0].container = p.container;
  return p;
}

struct OpenedStops {
  QTemporaryDir folder;
  std::unique_ptr<MainWindowDriver> d;
  OpenedStops() {
    const FillScheme project = threeStops();
    EXPECT_EQ(resultViolations(project), "");
    const QString path = folder.filePath("stops.clyx");
    EXPECT_TRUE(saveProjectFile(path.toStdString(), project));
    d = std::make_unique<MainWindowDriver>(path);
    EXPECT_TRUE(d->messages().shown.isEmpty()) << d->messages().shown.join("|").toStdString();
  }
};

// How far apart two colours look in the view: their middle shades, as points in RGB.
double shadeDistance(std::uint32_t a, std::uint32_t b) {
  const std::uint32_t x = blockShades(a)[kShadeMiddle], y = blockShades(b)[kShadeMiddle];
  const double dr = redOf(x) - redOf(y), dg = greenOf(x) - greenOf(y), db = blueOf(x) - blueOf(y);
  return std::sqrt(dr * dr + dg * dg + db * db);
}

}  // namespace

TEST(StopsInTheWindow, colouredByStopTheViewShowsAKeyNamingEveryStopInItsOwnColour) {
  OpenedStops opened;
  MainWindowDriver& d = *opened.d;
  auto* key = d.form().findChild<StopKey*>("stopKey");
  ASSERT_NE(key, nullptr);
  EXPECT_TRUE(key->isHidden()) << "the cartons in their own colours need no key";

  auto* byStop = d.form().findChild<QAction*>("mnuColourByStop");
  byStop->trigger();
  d.settle();
  EXPECT_TRUE(key->isVisible());
  if (const QByteArray path = qgetenv("CARGOLYX_SCREENSHOT"); !path.isEmpty()) d.form().grab().save(path);
  EXPECT_EQ(key->stopNames(), kStops);
  EXPECT_EQ(key->findChildren<QLabel*>("stopSwatch").size(), kStops.size());
  // Each carton in its stop's colour: the block of 北京 in the first stop's, and so on.
  const Scene& scene = d.form().scene();
  ASSERT_EQ(scene.sceneBlocks.size(), 3u);
  std::vector<std::uint32_t> colours;
  for (const CubeBlock& block : scene.sceneBlocks) colours.push_back(block.color);
  EXPECT_EQ(colours, (std::vector<std::uint32_t>{stopColour(0), stopColour(1), stopColour(2)}));
  // The key's swatches stay within the panel: the view is as wide as before.
  EXPECT_LE(key->width(), d.form().findChild<QWidget*>("pnlView")->width());

  byStop->trigger();
  d.settle();
  EXPECT_TRUE(key->isHidden());
  EXPECT_EQ(scene.sceneBlocks[0].color, materialColor(0));
}

TEST(StopsInTheWindow, theStopColoursStandApartFromEveryCartonColour) {
  // Apart: farther from any carton colour, in the view's shades, than the two closest carton
  // colours are from each other; and from one another.
  double closestCartons = 1e9;
  for (int a = 0; a < kMaterialCount; ++a)
    for (int b = a + 1; b < kMaterialCount; ++b)
      closestCartons = std::min(closestCartons, shadeDistance(materialColor(a), materialColor(b)));
  for (std::size_t stop = 0; stop < 8; ++stop) {
    for (int m = 0; m < kMaterialCount; ++m)
      EXPECT_GT(shadeDistance(stopColour(stop), materialColor(m)), closestCartons) << "stop " << stop << ", carton colour " << m;
    for (std::size_t other = 0; other < stop; ++other)
      EXPECT_GT(shadeDistance(stopColour(stop), stopColour(other)), closestCartons) << stop << " " << other;
  }
}

TEST(StopsInTheWindow, theStepSliderNamesTheStopOfEachStep) {
  OpenedStops opened;
  MainWindowDriver& d = *opened.d;
  auto* steps = d.form().findChild<StepControl*>("stepControl");
  ASSERT_EQ(steps->stepCount(), 3);
  // The last stop is loaded first.
  const QStringList expected = {"上海", "天津", "北京"};
  for (int k = 1; k <= 3; ++k) {
    steps->slider()->setValue(k);
    d.settle();
    EXPECT_EQ(steps->caption()->text(), QString("第 %1 步 / 共 3 步 · %2").arg(k).arg(expected[k - 1]));
    // The row of the step is of that stop.
    EXPECT_EQ(d.rowTexts(static_cast<int>(steps->rowOfStep(k))).last(), expected[k - 1]);
  }
}

TEST(StopsInTheWindow, theStopColumnIsInSightWithoutScrollingSideways) {
  OpenedStops opened;
  MainWindowDriver& d = *opened.d;
  QTableWidget* list = d.resultList();
  const int column = static_cast<int>(kResultColumnCount);
  ASSERT_FALSE(list->isColumnHidden(column));
  QHeaderView* header = list->horizontalHeader();
  EXPECT_EQ(list->horizontalScrollBar()->value(), 0);
  EXPECT_GE(header->sectionViewportPosition(column), 0);
  EXPECT_LE(header->sectionViewportPosition(column) + header->sectionSize(column), list->viewport()->width())
      << "viewport " << list->viewport()->width();
  EXPECT_EQ(list->item(0, column)->text(), "北京");
}
