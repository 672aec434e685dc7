#include "app/qttranslations.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTranslator>

namespace {

QString buttonText(QDialogButtonBox::StandardButton which) {
  QDialogButtonBox box(which);
  return box.button(which)->text();
}

}  // namespace

TEST(QtTranslations, putQtsOwnTextsInChinese) {
  QTranslator* translator = installQtTranslations(*qApp, chineseLanguage());
  ASSERT_NE(translator, nullptr) << "Qt's Chinese translations are not installed (qt6-translations-l10n)";
  EXPECT_EQ(buttonText(QDialogButtonBox::Cancel), QString::fromUtf8("取消"));
  EXPECT_EQ(buttonText(QDialogButtonBox::Save), QString::fromUtf8("保存"));
  EXPECT_EQ(buttonText(QDialogButtonBox::Discard), QString::fromUtf8("丢弃"));
  QCoreApplication::removeTranslator(translator);
  delete translator;
  EXPECT_EQ(buttonText(QDialogButtonBox::Cancel), "Cancel");
}

TEST(QtTranslations, leaveEnglishAsItIs) {
  EXPECT_EQ(installQtTranslations(*qApp, QLocale(QLocale::English, QLocale::UnitedStates)), nullptr);
  EXPECT_EQ(buttonText(QDialogButtonBox::Cancel), "Cancel");
}
