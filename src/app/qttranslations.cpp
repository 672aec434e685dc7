#include "app/qttranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

QLocale chineseLanguage() { return QLocale(QLocale::Chinese, QLocale::SimplifiedChineseScript, QLocale::China); }

QTranslator* installQtTranslations(QCoreApplication& app, const QLocale& language) {
  auto* translator = new QTranslator(&app);
  // qtbase holds the texts of the widgets and dialogs the program uses.
  if (!translator->load(language, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
      !QCoreApplication::installTranslator(translator)) {
    delete translator;
    return nullptr;
  }
  return translator;
}
