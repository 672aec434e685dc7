#pragma once
// The language of this start, installed everywhere: the core's texts (setLanguage), the
// window's English translation (embedded as :/translations/cargolyx_en.qm), or, for
// Chinese, Qt's own texts in Chinese.

#include "model/language.h"

class QCoreApplication;
class QTranslator;

// The window's English translation from the program's resources, installed in app; nullptr
// when it cannot be loaded.
QTranslator* installEnglishTranslation(QCoreApplication& app);

// Sets the core's language and installs the translations of language in app.
void installProgramLanguage(QCoreApplication& app, Language language);
