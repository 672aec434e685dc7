// The desktop program: the main window, opening the project named by the first argument.
// --reset-settings forgets the kept settings before the window starts.

#include <QApplication>
#include <QMessageBox>
#include <exception>

#include "app/qttranslations.h"
#include "ui/frmmain.h"
#include "ui/pictures.h"
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
  installQtTranslations(app, chineseLanguage());

  QStringList arguments = QApplication::arguments();
  arguments.removeFirst();
  if (arguments.removeAll("--reset-settings") > 0) SettingsStore().clear();
  try {
    TMainForm mainForm(arguments.isEmpty() ? QString() : arguments.constFirst());
    mainForm.show();
    return QApplication::exec();
  } catch (const std::exception& error) {
    QMessageBox::critical(nullptr, "Cargolyx", QString::fromLocal8Bit(error.what()));
    return 1;
  }
}
