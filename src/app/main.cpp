// The desktop program: the main window, opening the project named by the first argument.

#include <QApplication>
#include <QMessageBox>
#include <exception>

#include "app/qttranslations.h"
#include "ui/frmmain.h"
#include "ui/pictures.h"
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

  const QStringList arguments = QApplication::arguments();
  try {
    TMainForm mainForm(arguments.size() > 1 ? arguments.at(1) : QString());
    mainForm.show();
    return QApplication::exec();
  } catch (const std::exception& error) {
    QMessageBox::critical(nullptr, "Cargolyx", QString::fromLocal8Bit(error.what()));
    return 1;
  }
}
