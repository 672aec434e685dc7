#include "app/programlanguage.h"

#include <QCoreApplication>
#include <QTranslator>

#include "app/qttranslations.h"

QTranslator* installEnglishTranslation(QCoreApplication& app) {
  auto* translator = new QTranslator(&app);
  if (!translator->load(QStringLiteral(":/translations/cargolyx_en.qm")) ||
      !QCoreApplication::installTranslator(translator)) {
    delete translator;
    return nullptr;
  }
  return translator;
}

void installProgramLanguage(QCoreApplication& app, Language language) {
  setLanguage(language);
  if (language == Language::English)
    installEnglishTranslation(app);  // Qt's own texts are English already
  else
    installQtTranslations(app, chineseLanguage());
}
