// main() of the tests that need a QApplication: the OpenGL format is set first, as the
// program itself does. The user's config and documents folders are private to the run,
// so that the window's kept settings and exports never touch the real ones.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "view3d/surfaceformat.h"

int main(int argc, char** argv) {
  QTemporaryDir home;
  const QString config = home.filePath("config");
  QDir().mkpath(config);
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
  QFile userDirs(config + "/user-dirs.dirs");
  if (userDirs.open(QIODevice::WriteOnly))
    userDirs.write("XDG_DOCUMENTS_DIR=\"" + QFile::encodeName(home.filePath("Documents")) + "\"\n");
  userDirs.close();
  qputenv("XDG_DOCUMENTS_DIR", QFile::encodeName(home.filePath("Documents")));
  qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath("data")));

  setDefaultSurfaceFormat();
  QApplication app(argc, argv);
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
