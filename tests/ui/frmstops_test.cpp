// The stops dialog: the project's stops in their order, moved, removed and stored on OK.

#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "dialogtesthost.h"
#include "ui/frmstops.h"

namespace {

class StopsDialog : public ::testing::Test {
 protected:
  DialogTestHost host;
  TStopsForm form{host};

  void SetUp() override {
    host.scheme.stops = {"上海", "苏州", "杭州"};
    host.scheme.addCarton().stop = std::string("苏州");
  }
  QListWidget* list() { return form.findChild<QListWidget*>("lvStops"); }
  void click(const char* button) {
    QTest::mouseClick(form.findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
  }
  QStringList items() {
    QStringList texts;
    for (int i = 0; i < list()->count(); ++i) texts << list()->item(i)->text();
    return texts;
  }
};

}  // namespace

TEST_F(StopsDialog, showsTheStopsInDeliveryOrderAndStoresTheNewOrderOnOk) {
  form.show();
  EXPECT_EQ(form.windowTitle(), "送货顺序");
  EXPECT_EQ(items(), (QStringList{"1. 上海", "2. 苏州", "3. 杭州"}));
  list()->setCurrentRow(2);
  click("btnStopUp");
  click("btnStopUp");
  EXPECT_EQ(items(), (QStringList{"1. 杭州", "2. 上海", "3. 苏州"}));
  EXPECT_EQ(list()->currentRow(), 0) << "the moved stop stays selected";
  EXPECT_EQ(host.scheme.stops.front(), "上海") << "nothing is stored before OK";
  click("btnOK");
  EXPECT_EQ(host.scheme.stops, (std::vector<std::string>{"杭州", "上海", "苏州"}));
  EXPECT_EQ(host.treeRebuilds, 1);
  EXPECT_TRUE(host.lastRebuildCleared) << "another order makes the plan stale";
}

TEST_F(StopsDialog, aRemovedStopsCartonsGoToTheLastAndCancelKeepsEverything) {
  form.show();
  list()->setCurrentRow(1);
  click("btnStopDelete");
  EXPECT_EQ(items(), (QStringList{"1. 上海", "2. 杭州"}));
  form.reject();
  EXPECT_EQ(host.scheme.stops.size(), 3u);
  EXPECT_EQ(host.treeRebuilds, 0);

  form.show();
  list()->setCurrentRow(1);
  click("btnStopDelete");
  click("btnOK");
  EXPECT_EQ(host.scheme.stops, (std::vector<std::string>{"上海", "杭州"}));
  EXPECT_EQ(host.scheme.cartons[0].stop, "");
}

TEST_F(StopsDialog, okWithoutChangesKeepsThePlan) {
  form.show();
  click("btnOK");
  EXPECT_EQ(host.treeRebuilds, 0);
}
