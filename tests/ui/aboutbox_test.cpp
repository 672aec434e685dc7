#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "mainwindowdriver.h"
#include "ui/aboutbox.h"

TEST(AboutBox, showsNameVersionAndTheHomePageLink) {
  TAboutBox box;
  EXPECT_EQ(box.windowTitle(), "About Cargolyx");
  EXPECT_TRUE(box.findChild<QLabel*>("ProductName")->text().contains("1.91"));
  EXPECT_TRUE(box.findChild<QLabel*>("ProductName")->text().contains("集装箱"));
  EXPECT_TRUE(box.findChild<QLabel*>("Version")->text().contains("Version 1.91"));
  const QLabel* link = box.findChild<QLabel*>("lblHomePage");
  EXPECT_TRUE(link->text().contains(kHomePage));
  EXPECT_EQ(link->toolTip(), "访问本软件主页");
  EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_FALSE(box.findChild<QLabel*>("ProgramIcon")->pixmap().isNull());
}

TEST(AboutBox, theToolbarButtonShowsItModallyAndOkClosesIt) {
  MainWindowDriver d;
  QString caption;
  bool wasModal = false;
  QTimer::singleShot(0, [&] {
    QWidget* box = QApplication::activeModalWidget();
    if (!box) return;
    caption = box->windowTitle();
    wasModal = box->isModal();
    QPushButton* ok = box->findChild<QPushButton*>("OKButton");
    EXPECT_EQ(ok->text(), "确定");
    QTest::mouseClick(ok, Qt::LeftButton);
  });
  d.click("tbAbout");  // returns once the box is closed
  EXPECT_EQ(caption, "About Cargolyx");
  EXPECT_TRUE(wasModal);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
