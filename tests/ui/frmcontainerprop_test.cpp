#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "dialogtesthost.h"
#include "ui/frmcontainerprop.h"
#include "ui/updown.h"

namespace {

const Container kA{"A", 5898, 2352, 2393, 21000};
const Container kB{"B", 12032, 2350, 2698, 26000};

class ContainerDialog : public ::testing::Test {
 protected:
  DialogTestHost host;
  ContainerLibrary library;
  TContainerPropForm form{host};

  void SetUp() override {
    library.load({kA, kB}, kB);
    form.setLibrary(&library);
  }

  QLineEdit* box(const char* name) {
    auto* widget = form.findChild<QLineEdit*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  QString text(const char* name) { return box(name)->text(); }
  void type(const char* name, const QString& value) { typeInto(box(name), value); }
  void click(const char* button) {
    QTest::mouseClick(form.findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
  }
  // What Modify does: the dialog on the selected row.
  void openOnRow(std::size_t row) {
    library.select(row);
    form.newMode = false;
    form.show();
  }
  // What Add does: a new row, selected, and the dialog in new mode.
  void openOnNewRow() {
    library.addRow();
    form.newMode = true;
    form.show();
  }
};

}  // namespace

TEST_F(ContainerDialog, showsTheSelectedRow) {
  EXPECT_EQ(form.windowTitle(), "集装箱属性");
  EXPECT_EQ(form.findChild<QLabel*>("Image1")->size(), QSize(160, 160));
  openOnRow(0);
  EXPECT_EQ(text("txtName"), "A");
  EXPECT_EQ(text("txtL"), "5898");
  EXPECT_EQ(text("txtW"), "2352");
  EXPECT_EQ(text("txtH"), "2393");
  EXPECT_EQ(text("txtWeight"), "21000");
}

TEST_F(ContainerDialog, okWithoutChangesLeavesTheRowAsItWas) {
  openOnRow(1);
  click("btnOK");
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(library.rows()[1], rowOf(kB));
  EXPECT_TRUE(host.boxes.shown.isEmpty());
}

TEST_F(ContainerDialog, okWritesTheTypedTextsIntoTheRowOnly) {
  openOnRow(1);
  type("txtName", "40英尺高柜");
  type("txtL", "12032");
  type("txtW", "2352");
  type("txtH", "0");
  type("txtWeight", "26500");
  click("btnOK");
  EXPECT_EQ(host.boxes.shown, QStringList{"您输入的内容存在问题，请检查后重新输入。集装箱的长、宽、高须至少为 1 mm。"})
      << "a container needs a height";
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(library.rows()[1], rowOf(kB));
  host.boxes.shown.clear();
  type("txtH", "2698");
  click("btnOK");
  EXPECT_TRUE(host.boxes.shown.isEmpty()) << host.boxes.shown.join("\n").toStdString();
  EXPECT_EQ(library.rows()[1], (ContainerRow{"40英尺高柜", "12032", "2352", "2698", "26500"}));
  EXPECT_EQ(library.rows()[0], rowOf(kA));
  EXPECT_TRUE(host.config.containers.empty()) << "the settings change only on the options' OK";
  EXPECT_EQ(host.scheme.container, Container{});
  EXPECT_FALSE(form.newMode);
}

TEST_F(ContainerDialog, nameBoxTakesThirtyCharactersAndRefusesWhatCannotBeSaved) {
  openOnRow(0);
  type("txtName", QString(31, 'c'));
  EXPECT_EQ(text("txtName"), QString(30, 'c'));
  click("btnOK");
  EXPECT_EQ(library.rows()[0].name, std::string(30, 'c'));

  openOnRow(0);
  type("txtName", QString(25, QChar(0x67DC)));  // 25 × 柜: 50 bytes in the project file
  click("btnOK");
  ASSERT_EQ(host.boxes.shown.size(), 1);
  EXPECT_TRUE(host.boxes.shown[0].startsWith("您输入的名称无法保存"));
  EXPECT_EQ(library.rows()[0].name, std::string(30, 'c'));
}

TEST_F(ContainerDialog, boxesTakeOnlyTheirKeysAndArrowsStepTheSizes) {
  openOnRow(0);
  type("txtL", "12a3 4");
  EXPECT_EQ(text("txtL"), "1234");
  type("txtWeight", "2.5t");
  EXPECT_EQ(text("txtWeight"), "2.5");
  QTest::mouseClick(form.findChild<UpDown*>("UpDownW")->upButton(), Qt::LeftButton);
  EXPECT_EQ(text("txtW"), "2353");
  type("txtH", "32767");
  QTest::keyClick(box("txtH"), Qt::Key_Up);
  EXPECT_EQ(text("txtH"), "32767");
}

TEST_F(ContainerDialog, cancelAfterAddRemovesTheNewRow) {
  openOnNewRow();
  EXPECT_EQ(text("txtName"), "");
  type("txtName", "新柜");
  click("btnCancel");
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(library.rows().size(), 2u);
  EXPECT_EQ(library.selected(), 1u) << "the row selected before Add is selected again";
  EXPECT_FALSE(form.newMode);
}

TEST_F(ContainerDialog, escapeAfterModifyChangesNothing) {
  openOnRow(0);
  type("txtL", "1");
  QTest::keyClick(box("txtL"), Qt::Key_Escape);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(library.rows().size(), 2u);
  EXPECT_EQ(library.rows()[0], rowOf(kA));
}

TEST_F(ContainerDialog, okAfterAddKeepsTheFilledRow) {
  openOnNewRow();
  type("txtName", "C");
  type("txtL", "13556");
  type("txtW", "2440");
  type("txtH", "2698");
  type("txtWeight", "26000");
  QTest::keyClick(box("txtWeight"), Qt::Key_Return);
  EXPECT_FALSE(form.isVisible());
  ASSERT_EQ(library.rows().size(), 3u);
  EXPECT_EQ(library.rows()[2], (ContainerRow{"C", "13556", "2440", "2698", "26000"}));
}

TEST_F(ContainerDialog, theBalanceWindowAndAVehiclePresetGoIntoTheRow) {
  openOnRow(0);
  EXPECT_EQ(text("txtBalanceLength"), "");
  auto* kind = form.findChild<QComboBox*>("cbVehicle");
  ASSERT_NE(kind, nullptr);
  EXPECT_EQ(kind->currentIndex(), kItemNoVehicle);
  EXPECT_FALSE(box("txtWheelbase")->isEnabled()) << "no vehicle, nothing to enter";
  click("btnBalancePreset");
  EXPECT_EQ(text("txtBalanceLength"), "5");
  type("txtBalanceHeight", "1300");
  // The tractor with semi-trailer preset: three axles, the rigid truck's box disabled.
  auto* presets = form.findChild<QComboBox*>("cbVehiclePreset");
  ASSERT_EQ(presets->count(), static_cast<int>(vehiclePresets().size()) + 1);
  presets->activated(presets->count() - 1);
  EXPECT_EQ(kind->currentIndex(), kItemSemiTrailer);
  EXPECT_TRUE(box("txtMaxAxleLoad3")->isEnabled());
  EXPECT_FALSE(box("txtFrontAxleToCargo")->isEnabled());
  click("btnOK");
  EXPECT_TRUE(host.boxes.shown.isEmpty()) << host.boxes.shown.join("\n").toStdString();
  const std::optional<Container> stored = containerOf(library.rows()[0]);
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->balance, (BalanceWindow{5.0, std::nullopt, 1300}));
  EXPECT_EQ(stored->vehicle, vehiclePresets().back().vehicle);

  // A rigid truck without its wheelbase is refused with the reason.
  openOnRow(0);
  kind->setCurrentIndex(kItemRigidTruck);
  EXPECT_EQ(box("txtTare3")->isEnabled(), false) << "a rigid truck has two axles";
  presets->activated(1);
  type("txtWheelbase", "0");
  click("btnOK");
  ASSERT_EQ(host.boxes.shown.size(), 1);
  EXPECT_NE(host.boxes.shown[0].indexOf("轴距"), -1) << host.boxes.shown[0].toStdString();
  form.reject();
  EXPECT_EQ(containerOf(library.rows()[0])->vehicle, vehiclePresets().back().vehicle) << "cancel keeps the row";
}
