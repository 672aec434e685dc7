// The window in English, as a start with an English locale or English chosen in Options
// installs it, and in Chinese, the default; and the language choice in Options.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QMenuBar>
#include <QTranslator>

#include "app/programlanguage.h"
#include "mainwindowdriver.h"
#include "model/language.h"

namespace {

const QString kDemoFile = CARGOLYX_EXAMPLES_DIR "/demo.pak";

// The program started in English: the core's texts and the window's translation.
class EnglishStart {
 public:
  EnglishStart() : translator_(installEnglishTranslation(*qApp)) { setLanguage(Language::English); }
  ~EnglishStart() {
    setLanguage(Language::Chinese);
    if (translator_) QCoreApplication::removeTranslator(translator_);
    delete translator_;
  }
  bool loaded() const { return translator_ != nullptr; }

 private:
  QTranslator* translator_;
};

QString firstMenuTitle(TMainForm& form) { return form.menuBar()->actions().value(0)->text(); }

// Opens Options, chooses the language at index and presses OK; returns the dialog's caption.
QString chooseLanguageInOptions(MainWindowDriver& d, int index) {
  QString note;
  d.onNextDialog([&](QDialog& dialog) {
    dialog.findChild<QComboBox*>("cbeLanguage")->setCurrentIndex(index);
    note = dialog.findChild<QLabel*>("lblLanguageNote")->text();
    MainWindowDriver::clickButton(dialog, "btnOK");
  });
  d.click("tbOption");
  return d.lastDialogCaption() + " | " + note;
}

}  // namespace

TEST(WindowLanguage, anEnglishStartShowsEnglishCaptionsDialogsAndMessages) {
  EnglishStart english;
  ASSERT_TRUE(english.loaded()) << "the English translation is not built into the program";
  MainWindowDriver d(kDemoFile);
  EXPECT_EQ(d.button("tbNew")->text(), "New");
  EXPECT_EQ(d.button("tbRun")->toolTip(), "Calculate the loading plan");
  EXPECT_EQ(firstMenuTitle(d.form()), "&File");
  EXPECT_EQ(d.form().windowTitle(), "demo.pak — Cargolyx");

  d.tree()->clearSelection();
  d.click("tbDelCarton");
  EXPECT_EQ(d.messages().shown,
            QStringList{"No carton is selected; please select a carton, then delete it."});

  EXPECT_EQ(chooseLanguageInOptions(d, 1),
            "Options | The language takes effect the next time the program starts.");
  EXPECT_EQ(d.settings().language, "") << "English is in effect already: the locale still decides";
  chooseLanguageInOptions(d, 0);
  EXPECT_EQ(d.settings().language, "zh");
}

TEST(WindowLanguage, theDefaultStartStaysChineseAndKeepsAnEnglishChoiceForTheNextStart) {
  MainWindowDriver d;
  EXPECT_EQ(d.button("tbNew")->text(), "新建");
  EXPECT_EQ(firstMenuTitle(d.form()), "文件(&F)");
  EXPECT_EQ(d.form().windowTitle(), "未命名 — Cargolyx");
  EXPECT_EQ(chooseLanguageInOptions(d, 1), "选项 | 语言在下次启动时生效。");
  EXPECT_EQ(d.settings().language, "en");
  EXPECT_EQ(d.button("tbNew")->text(), "新建") << "the language changes at the next start only";
}
