#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "mainwindowdriver.h"
#include "ui/aboutbox.h"

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
