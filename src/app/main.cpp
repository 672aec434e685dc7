// The desktop program: the main window, opening the project named by the first argument.
// --reset-settings forgets the kept settings before the window starts.
// The language is chosen once here: the one chosen in Options, else the locale's.

#include <QApplication>
#include <QMessageBox>
#include <exception>

#include "app/programlanguage.h"
#include "ui/frmmain.h"
#include "ui/pictures.h"
#include "platform/language.h"
#include "ui/settingsstore.h"
#include "view3d/surfaceformat.h"

int main(int argc, char** argv) {
  setDefaultSurfaceFormat();
  QApplication app(argc, argv);
  QApplication::setApplicationName("Cargolyx");
  QApplication::setApplicationDisplayName("Cargolyx");
  QApplication::setApplicationVersion("1.91");
  QApplication::setDesktopFileName("cargolyx");
  QApplication::setWindowIcon(programIcon());

  QStringList arguments = QApplication::arguments();
  arguments.removeFirst();
  if (arguments.removeAll("--reset-settings") > 0) SettingsStore().clear();
  installProgramLanguage(app, startLanguage(SettingsStore().read().settings.language, languageOfEnvironment()));
  try {
    TMainForm mainForm(arguments.isEmpty() ? QString() : arguments.constFirst());
    mainForm.show();
    return QApplication::exec();
  } catch (const std::exception& error) {
    QMessageBox::critical(nullptr, "Cargolyx", QString::fromLocal8Bit(error.what()));
    return 1;
  }
}
