// The settings, the last folders and the window's layout kept between starts of the program.
#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QSplitter>

#include <QScreen>

#include "mainwindowdriver.h"
#include "ui/windowsize.h"
#include "ui/settingsstore.h"

namespace {

QString settingsFile() {
  return QSettings(QSettings::IniFormat, QSettings::UserScope, "Cargolyx", "Cargolyx").fileName();
}

const Container kA{"四十尺高柜", 12032, 2350, 2698, 26000};

QList<int> splitterSizes(MainWindowDriver& d, const char* name) {
  return d.form().findChild<QSplitter*>(name)->sizes();
}

}  // namespace

TEST(MainWindowSettings, whatWasChosenComesBackAfterARestart) {
  Settings expected;
  QSize size;
  QList<int> treeSizes, resultSizes;
  {
    MainWindowDriver d;
    // Chosen in the options dialog: kept at once on OK.
    d.settings().containers = {kA};
    d.settings().supportPercent = 80;
    d.settings().planningMode = PlanningMode::LoadMax;
    d.onNextDialog([](QDialog& dialog) {
      MainWindowDriver::typeInto(dialog, "txtSpacingL", "10");
      MainWindowDriver::typeInto(dialog, "txtSpacingH", "5");
      MainWindowDriver::typeInto(dialog, "txtMaxBlockNum", "4");
      MainWindowDriver::clickButton(dialog, "btnOK");
    });
    d.click("tbOption");
    expected = d.settings();
    ASSERT_EQ(expected.spacingL, 10);
    ASSERT_EQ(expected.containers.size(), 2u) << "the library and the project's own container";

    MainWindowDriver afterOk({}, true);
    EXPECT_EQ(afterOk.settings(), expected) << "OK keeps the settings before the window closes";
  }
  {
    MainWindowDriver d({}, true);
    d.form().resize(780, 600);  // within the screen
    d.settle();
    auto* tree = d.form().findChild<QSplitter*>("splitTreeView");
    tree->setSizes({300, tree->sizes().at(0) + tree->sizes().at(1) - 300});
    d.fileDialogs().folder = "/srv/projects";
    d.form().setRecentFiles({"/srv/projects/b.pak", "/srv/projects/a.pak"});
    d.settings().maxBlockNum = 3;  // changed after the last OK: kept by closing the window
    expected.maxBlockNum = 3;
    size = d.form().size();
    treeSizes = splitterSizes(d, "splitTreeView");
    resultSizes = splitterSizes(d, "splitViewResults");
    d.form().close();
  }
  MainWindowDriver restarted({}, true);
  EXPECT_EQ(restarted.settings(), expected);
  EXPECT_EQ(restarted.form().size(), size);
  EXPECT_EQ(splitterSizes(restarted, "splitTreeView"), treeSizes);
  EXPECT_EQ(splitterSizes(restarted, "splitViewResults"), resultSizes);
  EXPECT_EQ(restarted.fileDialogs().folder, "/srv/projects");
  EXPECT_EQ(restarted.form().recentFiles(), (QStringList{"/srv/projects/b.pak", "/srv/projects/a.pak"}));
  // The new project of the start takes the kept default container and spacings.
  EXPECT_EQ(restarted.project().container, kA);
  EXPECT_EQ(restarted.project().spacingL, 10);
  EXPECT_EQ(restarted.project().spacingH, 5);
}

TEST(MainWindowSettings, aWindowKeptWiderThanTheScreenComesBackWithinIt) {
  QRect available;
  {
    MainWindowDriver d;
    available = d.form().screen()->availableGeometry();
    d.form().resize(available.width() + 400, available.height() + 300);  // kept from a larger screen
    d.settle();
    d.form().close();
  }
  MainWindowDriver restarted({}, true);
  EXPECT_LE(restarted.form().width(), available.width());
  EXPECT_LE(restarted.form().height(), available.height());
  EXPECT_TRUE(available.contains(restarted.form().geometry().topLeft()));
}

TEST(MainWindowSettings, aDamagedSettingsFileGivesTheDefaultsAndIsReplacedOnClose) {
  SettingsStore().clear();
  QFile file(settingsFile());
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("[General]\nspacing/length=-5\nblocks/maxBlockNum=zero\nlibrary/size=99999999\n"
             "library/1/name=\\xff\\xfe\nplanning/timeLimit=nan\nwindow/geometry=@ByteArray(junk)\n"
             "[window\n\x01\x02\xff garbage=\n");
  file.close();
  {
    MainWindowDriver d({}, true);
    EXPECT_EQ(d.settings(), Settings{});
    EXPECT_EQ(d.form().size(), initialWindowSize(d.form().screen()->availableGeometry().size()));
    EXPECT_EQ(d.treeCaptions(), QStringList{"演示集装箱 11800×2300×2450 mm，最大载重 20000 kg"});
    d.form().close();
  }
  const QSettings rewritten(settingsFile(), QSettings::IniFormat);
  EXPECT_EQ(rewritten.value("spacing/length").toString(), "0");
  EXPECT_EQ(rewritten.value("blocks/maxBlockNum").toString(), "6");
  EXPECT_EQ(rewritten.value("library/size").toString(), "0");
}

TEST(MainWindowSettings, restoreDefaultsInTheOptionsTakesEffectOnOk) {
  {
    MainWindowDriver d;
    d.settings().containers = {kA};
    d.settings().supportPercent = 50;
    d.settings().spacingW = 7;
    d.project().spacingW = 7;
    d.onNextDialog([](QDialog& dialog) {
      MainWindowDriver::clickButton(dialog, "btnDefaults");
      EXPECT_EQ(dialog.findChild<QLineEdit*>("txtSpacingW")->text(), "0");
      MainWindowDriver::clickButton(dialog, "btnCancel");
    });
    d.click("tbOption");
    EXPECT_EQ(d.settings().supportPercent, 50) << "Cancel keeps everything";

    d.onNextDialog([](QDialog& dialog) {
      MainWindowDriver::clickButton(dialog, "btnDefaults");
      MainWindowDriver::clickButton(dialog, "btnOK");
    });
    d.click("tbOption");
    Settings defaults;
    // The list after "恢复默认设置" holds only the project's container, selected, as on a first start.
    defaults.containers = {d.project().container};
    EXPECT_EQ(d.settings(), defaults);
    EXPECT_EQ(d.project().spacingW, 0);
  }
  MainWindowDriver restarted({}, true);
  EXPECT_EQ(restarted.settings().supportPercent, 100);
}
