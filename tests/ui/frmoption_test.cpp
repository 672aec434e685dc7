#include <gtest/gtest.h>

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include "dialogtesthost.h"
#include "ui/frmcontainerprop.h"
#include "ui/frmoption.h"
#include "resultblocks.h"

namespace {

const Container kA{"A", 5898, 2352, 2393, 21000};
const Container kB{"B", 12032, 2350, 2698, 26000};
const QString kMarker(94, ' ');

class OptionsDialog : public ::testing::Test {
 protected:
  DialogTestHost host;
  TContainerPropForm containerForm{host};
  TOptionForm form{host, containerForm};

  void open() {
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  }
  QTreeWidget* list() { return form.findChild<QTreeWidget*>("lvContainers"); }
  QTabWidget* pages() { return form.findChild<QTabWidget*>("pcOptions"); }
  QLineEdit* box(QWidget* dialog, const char* name) {
    auto* widget = dialog->findChild<QLineEdit*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  void type(const char* name, const QString& value) { typeInto(box(&form, name), value); }
  void click(QWidget* dialog, const char* button) {
    auto* b = dialog->findChild<QPushButton*>(QString::fromLatin1(button));
    ASSERT_NE(b, nullptr) << button;
    QTest::mouseClick(b, Qt::LeftButton);
  }
  void click(const char* button) { click(&form, button); }
  void showSpacingPage() { pages()->setCurrentWidget(form.findChild<QWidget*>("SheetSpacing")); }
  void clickRow(int row) {
    const QRect rect = list()->visualItemRect(list()->topLevelItem(row));
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, rect.center());
  }
  QStringList rowTexts(int row) {
    QStringList texts;
    for (int column = 0; column < 6; ++column) texts << list()->topLevelItem(row)->text(column);
    return texts;
  }
  QStringList names() {
    QStringList texts;
    for (int row = 0; row < list()->topLevelItemCount(); ++row) texts << list()->topLevelItem(row)->text(1);
    return texts;
  }
  int selectedRow() {
    const QList<QTreeWidgetItem*> items = list()->selectedItems();
    return items.size() == 1 ? list()->indexOfTopLevelItem(items.front()) : -1;
  }
  // Fills the container dialog, shown by what follows, and presses its OK.
  void fillContainerDialog(const QString& name, const QString& l, const QString& w, const QString& h,
                           const QString& weight) {
    whenShown(containerForm, [=, this] {
      typeInto(box(&containerForm, "txtName"), name);
      typeInto(box(&containerForm, "txtL"), l);
      typeInto(box(&containerForm, "txtW"), w);
      typeInto(box(&containerForm, "txtH"), h);
      typeInto(box(&containerForm, "txtWeight"), weight);
      click(&containerForm, "btnOK");
    });
  }
};

}  // namespace

TEST_F(OptionsDialog, okWithNewSpacingsChangesSettingsAndProjectAndClearsTheResult) {
  resultBlocks(host.scheme).resize(3);
  open();
  showSpacingPage();
  type("txtSpacingL", "10");
  type("txtSpacingW", "5");
  type("txtSpacingH", "5");
  type("txtMaxBlockNum", "4");
  click("btnOK");
  EXPECT_TRUE(host.boxes.shown.isEmpty()) << host.boxes.shown.join("\n").toStdString();
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(host.config.spacingL, 10);
  EXPECT_EQ(host.config.spacingW, 5);
  EXPECT_EQ(host.config.spacingH, 5);
  EXPECT_EQ(host.config.maxBlockNum, 4);
  EXPECT_EQ(host.scheme.spacingL, 10);
  EXPECT_EQ(host.scheme.spacingW, 5);
  EXPECT_EQ(host.scheme.spacingH, 5);
  EXPECT_EQ(host.treeRebuilds, 1);
  EXPECT_TRUE(blocksOf(host.scheme).empty());
}

TEST_F(OptionsDialog, comingBackToTheSpacingPageShowsTheStoredSpacings) {
  host.config.spacingH = 3;
  open();
  showSpacingPage();
  type("txtSpacingH", "15");
  pages()->setCurrentIndex(0);
  showSpacingPage();
  EXPECT_EQ(box(&form, "txtSpacingH")->text(), "3");
}

TEST_F(OptionsDialog, theSelectedRowBecomesTheProjectContainerOnOk) {
  host.config.containers = {kA, kB};
  host.scheme.container = kA;
  open();
  clickRow(1);
  EXPECT_EQ(selectedRow(), 1);
  click("btnOK");
  EXPECT_EQ(host.scheme.container, kB);
  EXPECT_EQ(host.config.containers, (std::vector<ContainerType>{kA, kB}));
}

TEST_F(OptionsDialog, addThenCancelLeavesTheListAsItWas) {
  host.config.containers = {kA, kB};
  host.scheme.container = kA;
  open();
  whenShown(containerForm, [this] {
    EXPECT_TRUE(containerForm.newMode);
    EXPECT_EQ(list()->topLevelItemCount(), 3) << "the new row is in the list while it is edited";
    click(&containerForm, "btnCancel");
  });
  click("btnAdd");
  EXPECT_EQ(names(), (QStringList{"A", "B"}));
  EXPECT_EQ(selectedRow(), 0);
  EXPECT_TRUE(form.isVisible());
}

TEST_F(OptionsDialog, aLibraryBuiltHereGivesTheContainerOfTheNextNewProject) {
  open();
  fillContainerDialog("A", "5898", "2352", "2393", "21000");
  click("btnAdd");
  fillContainerDialog("B", "12032", "2350", "2698", "26000");
  click("btnAdd");
  EXPECT_EQ(names(), (QStringList{"演示集装箱", "A", "B"}));
  EXPECT_EQ(selectedRow(), 2);
  click("btnSetDefault");
  EXPECT_EQ(names(), (QStringList{"B", "演示集装箱", "A"}));
  EXPECT_EQ(list()->topLevelItem(0)->text(0), kMarker + "0");
  EXPECT_EQ(list()->topLevelItem(1)->text(0), kMarker + "1");
  EXPECT_EQ(selectedRow(), 0);
  click("btnOK");
  EXPECT_EQ(host.config.containers, (std::vector<ContainerType>{kB, Container{}, kA}));
  EXPECT_EQ(host.config.defaultContainer(), kB) << "what New takes";
  EXPECT_EQ(host.scheme.container, kB);
}

TEST_F(OptionsDialog, modifyAndDoubleClickEditTheSelectedRow) {
  host.config.containers = {kA, kB};
  host.scheme.container = kA;
  open();
  whenShown(containerForm, [this] {
    EXPECT_FALSE(containerForm.newMode);
    EXPECT_EQ(box(&containerForm, "txtName")->text(), "A");
    typeInto(box(&containerForm, "txtWeight"), "22000");
    click(&containerForm, "btnOK");
  });
  click("btnMod");
  EXPECT_EQ(rowTexts(0), (QStringList{kMarker + "0", "A", "5898", "2352", "2393", "22000"}));
  EXPECT_EQ(host.config.containers[0].container.maxWeight, 21000) << "nothing is stored before OK";

  clickRow(1);
  whenShown(containerForm, [this] {
    EXPECT_EQ(box(&containerForm, "txtName")->text(), "B");
    typeInto(box(&containerForm, "txtName"), "B2");
    click(&containerForm, "btnOK");
  });
  const QRect rect = list()->visualItemRect(list()->topLevelItem(1));
  QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, rect.center());
  EXPECT_EQ(names(), (QStringList{"A", "B2"}));
  click("btnOK");
  EXPECT_EQ(host.config.containers[0].container.maxWeight, 22000);
  EXPECT_EQ(host.config.containers[1].container.name, "B2");
  EXPECT_EQ(host.scheme.container.name, "B2");
}

TEST_F(OptionsDialog, deleteAsksFirstAndLeavesNoRowSelected) {
  host.config.containers = {kA, kB};
  host.scheme.container = kB;
  open();
  click("btnDel");  // answered No
  EXPECT_EQ(host.boxes.shown, QStringList{"确实要从集装箱列表中删除“B”吗？"});
  EXPECT_EQ(names(), (QStringList{"A", "B"}));
  host.boxes.answers = {true};
  click("btnDel");
  EXPECT_EQ(names(), QStringList{"A"});
  EXPECT_EQ(selectedRow(), -1);
  EXPECT_FALSE(form.findChild<QPushButton*>("btnMod")->isEnabled());
  EXPECT_FALSE(form.findChild<QPushButton*>("btnDel")->isEnabled());
  EXPECT_FALSE(form.findChild<QPushButton*>("btnSetDefault")->isEnabled());
  click("btnOK");
  EXPECT_EQ(host.config.containers, std::vector<ContainerType>{kA});
  EXPECT_EQ(host.scheme.container, kB) << "with no row selected the project keeps its container";
  open();
  EXPECT_EQ(names(), (QStringList{"A", "B"})) << "and it is offered again as an extra row";
  EXPECT_EQ(selectedRow(), 1);
}

TEST_F(OptionsDialog, cancelChangesNothing) {
  host.config.containers = {kA, kB};
  host.scheme.container = kA;
  resultBlocks(host.scheme).resize(2);
  open();
  host.boxes.answers = {true};
  click("btnDel");
  fillContainerDialog("C", "1", "2", "3", "4");
  click("btnAdd");
  showSpacingPage();
  type("txtSpacingL", "12");
  click("btnCancel");
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(host.config.containers, (std::vector<ContainerType>{kA, kB}));
  EXPECT_EQ(host.config.spacingL, 0);
  EXPECT_EQ(host.scheme.container, kA);
  EXPECT_EQ(blocksOf(host.scheme).size(), 2u);
  EXPECT_EQ(host.treeRebuilds, 0);
  open();
  EXPECT_EQ(names(), (QStringList{"A", "B"})) << "the next opening starts from the settings again";
}

TEST_F(OptionsDialog, thePlanningPageShowsAndChecksTheLoadMaxOptions) {
  host.config.planningMode = PlanningMode::LoadMax;
  host.config.loadMaxTimeLimit = 5;
  host.config.supportPercent = 80;
  open();
  pages()->setCurrentWidget(form.findChild<QWidget*>("SheetPlanning"));
  auto* sets = form.findChild<QRadioButton*>("rbSets");
  EXPECT_TRUE(form.findChild<QRadioButton*>("rbLoadMax")->isChecked());
  EXPECT_EQ(box(&form, "txtTimeLimit")->text(), "5");
  EXPECT_EQ(box(&form, "txtSupportPercent")->text(), "80");

  type("txtSupportPercent", "120");
  click("btnOK");
  EXPECT_EQ(host.boxes.shown, QStringList{"支撑面积比例应为0到100之间的整数，请检查后重新输入。"});
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(host.config.supportPercent, 80) << "nothing is stored";

  QTest::mouseClick(sets, Qt::LeftButton, {}, QPoint(8, sets->height() / 2));
  type("txtSupportPercent", "50");
  click("btnOK");
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(host.config.planningMode, PlanningMode::Sets);
  EXPECT_EQ(host.config.supportPercent, 50);

  open();
  click("btnDefaults");
  EXPECT_TRUE(sets->isChecked());
  EXPECT_EQ(box(&form, "txtTimeLimit")->text(), "2");
  EXPECT_EQ(box(&form, "txtSupportPercent")->text(), "100");
}
