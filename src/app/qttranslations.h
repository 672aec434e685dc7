#pragma once
// Qt's own texts (file dialogs, standard buttons, context menus) in the program's language,
// from the translations Qt ships (Debian: qt6-translations-l10n).

#include <QLocale>

class QCoreApplication;
class QTranslator;

// The language of the program's texts: Chinese (China).
QLocale chineseLanguage();

// Loads Qt's translations for language from Qt's translations folder and installs them in
// app. The installed translator, owned by app, or nullptr when Qt has none for the language
// (English needs none) or they are not installed.
QTranslator* installQtTranslations(QCoreApplication& app, const QLocale& language);
