#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "dialogtesthost.h"
#include "ui/frmcartonprop.h"
#include "ui/updown.h"
#include "resultblocks.h"

namespace {

const QString kInputProblem = "您输入的内容存在问题，请检查后重新输入。";

class CartonDialog : public ::testing::Test {
 protected:
  DialogTestHost host;
  TCartonPropForm form{host};

  template <typename T = QLineEdit>
  T* control(const char* name) {
    T* widget = form.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  QString text(const char* box) { return control(box)->text(); }
  void type(const char* box, const QString& value) { typeInto(control(box), value); }
  // A click on the check box's square, at its left end.
  void tickMustUp() {
    auto* box = control<QCheckBox>("chkMustUp");
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
  }
  void click(const char* button) { QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton); }

  // What the add-carton command does: a new carton, its node selected, the dialog in new mode.
  void openNew() {
    host.scheme.addCarton();
    host.selectedNode = static_cast<int>(host.scheme.cartons.size()) - 1;
    form.newMode = true;
    form.show();
  }
  // A double-click on the carton node at index.
  void openEdit(int index) {
    host.selectedNode = index;
    form.newMode = false;
    form.show();
  }
  void typeCarton(const char* l, const char* w, const char* h, const char* count) {
    type("txtL", l);
    type("txtW", w);
    type("txtH", h);
    type("txtCount", count);
  }
  Carton storedCarton() {
    Carton c;
    c.name = "冰箱";
    c.length = 600;
    c.width = 400;
    c.height = 300;
    c.count = 50;
    c.weight = 12.5;
    c.mustUp = true;
    c.upendLayers = 2;
    c.material = 7;
    c.spaceIndex = 200;
    return c;
  }
};

}  // namespace

TEST_F(CartonDialog, newModeShowsTheNewCartonWithEmptySizes) {
  openNew();
  EXPECT_EQ(form.editIndex, 0);
  EXPECT_EQ(text("txtName"), "纸箱1");
  EXPECT_EQ(text("txtL"), "");
  EXPECT_EQ(text("txtW"), "");
  EXPECT_EQ(text("txtH"), "");
  EXPECT_EQ(text("txtCount"), "1");
  EXPECT_EQ(text("txtWeight"), "0");
  EXPECT_EQ(text("txtUpendLayers"), "0");
  EXPECT_FALSE(control<QCheckBox>("chkMustUp")->isChecked());
  EXPECT_FALSE(control("txtUpendLayers")->isEnabled());
  EXPECT_FALSE(control<QLabel>("lblUpendLayers")->isEnabled());
  EXPECT_FALSE(control<UpDown>("UpDownLayer")->isEnabled());
  EXPECT_EQ(control<QComboBox>("cbSpaceIndex")->currentIndex(), 0);
  EXPECT_EQ(form.focusWidget(), control("txtL"));
}

TEST_F(CartonDialog, okStoresTheTypedCartonAndRebuildsTheTree) {
  resultBlocks(host.scheme).resize(2);  // a result that the change makes stale
  openNew();
  type("txtName", "电视机");
  typeCarton("600", "400", "300", "50");
  type("txtWeight", "12.5");
  tickMustUp();
  EXPECT_TRUE(control("txtUpendLayers")->isEnabled());
  type("txtUpendLayers", "2");
  control<QComboBox>("cbeMaterial")->setCurrentIndex(7);
  control<QComboBox>("cbSpaceIndex")->setCurrentIndex(1);
  click("btnOK");

  EXPECT_TRUE(host.boxes.shown.isEmpty()) << host.boxes.shown.join("\n").toStdString();
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(form.result(), QDialog::Accepted);
  EXPECT_FALSE(form.newMode);
  EXPECT_EQ(host.treeRebuilds, 1);
  EXPECT_TRUE(host.lastRebuildCleared);
  EXPECT_TRUE(blocksOf(host.scheme).empty());
  ASSERT_EQ(host.scheme.cartons.size(), 1u);
  const Carton& c = host.scheme.cartons[0];
  EXPECT_EQ(c.displayText(), "电视机 (600*400*300:50)");
  EXPECT_EQ(c.weight, 12.5);
  EXPECT_TRUE(c.mustUp);
  EXPECT_EQ(c.upendLayers, 2);
  EXPECT_EQ(c.material, 7);
  EXPECT_EQ(c.spaceIndex, 0);
}

TEST_F(CartonDialog, valuesBeyondTheArrowsRangeAreAccepted) {
  openNew();
  typeCarton("40000", "30", "30", "1");
  click("btnOK");
  openNew();
  typeCarton("30", "30", "30", "50000");
  click("btnOK");
  EXPECT_TRUE(host.boxes.shown.isEmpty()) << host.boxes.shown.join("\n").toStdString();
  ASSERT_EQ(host.scheme.cartons.size(), 2u);
  EXPECT_EQ(host.scheme.cartons[0].length, 40000);
  EXPECT_EQ(host.scheme.cartons[1].count, 50000);
}

TEST_F(CartonDialog, numberBoxesTakeOnlyTheirKeys) {
  openNew();
  typeKeys(control("txtL"), "6a0 -0.,");
  EXPECT_EQ(text("txtL"), "600");
  typeKeys(control("txtWeight"), "1-2.5kg");
  EXPECT_EQ(text("txtWeight"), "012.5");
  QTest::keyClick(control("txtL"), Qt::Key_Backspace);
  EXPECT_EQ(text("txtL"), "60");
}

TEST_F(CartonDialog, arrowsStepWithinTheirRange) {
  openNew();
  QTest::mouseClick(control<UpDown>("UpDownL")->upButton(), Qt::LeftButton);
  EXPECT_EQ(text("txtL"), "1");
  type("txtL", "40000");
  QTest::mouseClick(control<UpDown>("UpDownL")->upButton(), Qt::LeftButton);
  EXPECT_EQ(text("txtL"), "32767");
  QTest::keyClick(control("txtL"), Qt::Key_Down);
  EXPECT_EQ(text("txtL"), "32766");
  QTest::mouseClick(control<UpDown>("UpDownCount")->downButton(), Qt::LeftButton);
  EXPECT_EQ(text("txtCount"), "1") << "the count's arrows stop at 1";
  tickMustUp();
  type("txtUpendLayers", "9");
  QTest::mouseClick(control<UpDown>("UpDownLayer")->upButton(), Qt::LeftButton);
  EXPECT_EQ(text("txtUpendLayers"), "9");
}

TEST_F(CartonDialog, layersAreStoredEvenWhileTheirBoxIsDisabled) {
  openNew();
  typeCarton("600", "400", "300", "1");
  tickMustUp();
  type("txtUpendLayers", "3");
  tickMustUp();
  EXPECT_FALSE(control("txtUpendLayers")->isEnabled());
  click("btnOK");
  EXPECT_FALSE(host.scheme.cartons[0].mustUp);
  EXPECT_EQ(host.scheme.cartons[0].upendLayers, 3);
}

TEST_F(CartonDialog, enterPressesOk) {
  openNew();
  typeCarton("600", "400", "300", "1");
  QTest::keyClick(control("txtCount"), Qt::Key_Return);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(host.scheme.cartons[0].length, 600);
}

TEST_F(CartonDialog, cancelInNewModeRemovesTheNewCarton) {
  host.scheme.cartons.push_back(storedCarton());
  openNew();
  typeCarton("600", "400", "300", "1");
  click("btnCancel");
  EXPECT_FALSE(form.isVisible());
  ASSERT_EQ(host.scheme.cartons.size(), 1u);
  EXPECT_EQ(host.scheme.cartons[0].name, "冰箱");
  EXPECT_EQ(host.deletedNodes, 1);
  EXPECT_EQ(host.treeRebuilds, 1);
  EXPECT_FALSE(form.newMode);
}

TEST_F(CartonDialog, escapeInNewModeActsAsCancel) {
  openNew();
  QTest::keyClick(control("txtL"), Qt::Key_Escape);
  EXPECT_FALSE(form.isVisible());
  EXPECT_TRUE(host.scheme.cartons.empty());
  EXPECT_EQ(host.deletedNodes, 1);
}

TEST_F(CartonDialog, editModeShowsTheSelectedCartonAndCancelKeepsIt) {
  host.scheme.cartons = {Carton{}, storedCarton()};
  openEdit(1);
  EXPECT_EQ(form.editIndex, 1);
  EXPECT_EQ(text("txtName"), "冰箱");
  EXPECT_EQ(text("txtL"), "600");
  EXPECT_EQ(text("txtCount"), "50");
  EXPECT_EQ(text("txtWeight"), "12.5");
  EXPECT_EQ(text("txtUpendLayers"), "2");
  EXPECT_TRUE(control("txtUpendLayers")->isEnabled());
  EXPECT_EQ(control<QComboBox>("cbeMaterial")->currentIndex(), 7);
  EXPECT_EQ(control<QComboBox>("cbSpaceIndex")->currentIndex(), 2);
  type("txtCount", "7");
  click("btnCancel");
  EXPECT_EQ(host.scheme.cartons.size(), 2u);
  EXPECT_EQ(host.scheme.cartons[1].count, 50);
  EXPECT_EQ(host.deletedNodes, 0);
  EXPECT_EQ(host.treeRebuilds, 0);
}

TEST_F(CartonDialog, editModeOkWithoutChangesKeepsTheCarton) {
  host.scheme.cartons = {storedCarton()};
  openEdit(0);
  click("btnOK");
  EXPECT_TRUE(host.boxes.shown.isEmpty()) << host.boxes.shown.join("\n").toStdString();
  EXPECT_FALSE(form.isVisible());
  const Carton& c = host.scheme.cartons[0];
  const Carton expected = storedCarton();
  EXPECT_EQ(c.displayText(), expected.displayText());
  EXPECT_EQ(c.weight, expected.weight);
  EXPECT_EQ(c.upendLayers, expected.upendLayers);
  EXPECT_EQ(c.spaceIndex, expected.spaceIndex);
  EXPECT_EQ(host.treeRebuilds, 1);
}

TEST_F(CartonDialog, nameBoxTakesThirtyCharactersAndRefusesWhatCannotBeSaved) {
  openNew();
  auto* name = control("txtName");
  typeInto(name, QString(31, 'a'));
  EXPECT_EQ(name->text(), QString(30, 'a'));
  typeCarton("600", "400", "300", "1");
  typeInto(name, QString(25, QChar(0x7BB1)));  // 25 × 箱: 50 bytes in the project file
  click("btnOK");
  ASSERT_EQ(host.boxes.shown.size(), 1);
  EXPECT_TRUE(host.boxes.shown[0].startsWith("您输入的名称无法保存"));
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(host.scheme.cartons[0].name, "纸箱1");
  typeInto(name, QString(24, QChar(0x7BB1)));
  click("btnOK");
  EXPECT_EQ(host.scheme.cartons[0].name, QString(24, QChar(0x7BB1)).toStdString());
}

TEST_F(CartonDialog, opensAfreshEachTime) {
  host.scheme.cartons = {storedCarton()};
  openEdit(0);
  type("txtL", "999");
  click("btnCancel");
  openEdit(0);
  EXPECT_EQ(text("txtL"), "600");
}

TEST_F(CartonDialog, theLoadingRulesAreStoredAndANewStopJoinsTheList) {
  host.scheme.stops = {"上海"};
  openNew();
  EXPECT_TRUE(control<QCheckBox>("chkStackable")->isChecked()) << "a new carton may carry others";
  EXPECT_FALSE(control<QCheckBox>("chkFragile")->isChecked());
  EXPECT_EQ(text("txtMaxLoadOnTop"), "");
  auto* stop = control<QComboBox>("cbStop");
  ASSERT_EQ(stop->count(), 2) << "none, then the project's stops";
  EXPECT_EQ(stop->currentText(), "");
  typeCarton("600", "400", "300", "5");
  control<QCheckBox>("chkStackable")->setChecked(false);
  control<QCheckBox>("chkFragile")->setChecked(true);
  type("txtMaxLoadOnTop", "80.5");
  stop->setCurrentText("苏州");
  click("btnOK");
  ASSERT_TRUE(host.boxes.shown.isEmpty()) << host.boxes.shown.join("\n").toStdString();
  const Carton& c = host.scheme.cartons.at(0);
  EXPECT_FALSE(c.stackable);
  EXPECT_TRUE(c.fragile);
  EXPECT_EQ(c.maxLoadOnTop, 80.5);
  EXPECT_EQ(c.stop, "苏州");
  EXPECT_EQ(host.scheme.stops, (std::vector<std::string>{"上海", "苏州"}));

  // Opened again, the boxes show the carton's rules and the stop is among the items.
  openEdit(0);
  EXPECT_FALSE(control<QCheckBox>("chkStackable")->isChecked());
  EXPECT_EQ(text("txtMaxLoadOnTop"), "80.5");
  EXPECT_EQ(stop->count(), 3);
  EXPECT_EQ(stop->currentIndex(), 2);
  // An emptied load box is no limit; a load that is no number is refused.
  type("txtMaxLoadOnTop", "");
  click("btnOK");
  EXPECT_FALSE(host.scheme.cartons.at(0).maxLoadOnTop);
  openEdit(0);
  type("txtMaxLoadOnTop", "1.2.3");
  click("btnOK");
  ASSERT_EQ(host.boxes.shown.size(), 1);
  EXPECT_EQ(host.boxes.shown[0].toStdString(), loadOnTopMessage());
  EXPECT_TRUE(form.isVisible());
  form.reject();
}
