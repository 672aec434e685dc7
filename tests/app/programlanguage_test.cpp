// The language a start installs: the core's texts, the window's translation and Qt's own
// texts all in the same language.

#include "app/programlanguage.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTranslator>

#include "commands/documentstate.h"

namespace {

QString cancelText() {
  QDialogButtonBox box(QDialogButtonBox::Cancel);
  return box.button(QDialogButtonBox::Cancel)->text();
}

void removeTranslators() {
  for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
    QCoreApplication::removeTranslator(translator);
    delete translator;
  }
}

}  // namespace

TEST(ProgramLanguage, englishTranslatesTheWindowAndTheCoreAndLeavesQtsTextsEnglish) {
  installProgramLanguage(*qApp, Language::English);
  EXPECT_EQ(windowTitle("", false), "Untitled — Cargolyx");
  EXPECT_EQ(QCoreApplication::translate("TMainForm", "新建"), "New");
  EXPECT_EQ(cancelText(), "Cancel");
  removeTranslators();
  setLanguage(Language::Chinese);
}

TEST(ProgramLanguage, chineseKeepsTheSourceTextsAndPutsQtsTextsInChinese) {
  installProgramLanguage(*qApp, Language::Chinese);
  EXPECT_EQ(windowTitle("", false), "未命名 — Cargolyx");
  EXPECT_EQ(QCoreApplication::translate("TMainForm", "新建"), QString::fromUtf8("新建"));
  EXPECT_EQ(cancelText(), QString::fromUtf8("取消"));
  removeTranslators();
}
