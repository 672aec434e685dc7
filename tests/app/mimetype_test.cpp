// The project file type as the desktop sees it once the program is installed: the system's
// shared-mime-info types and resources/cargolyx-mime.xml in one database, read through Qt.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QTemporaryDir>

namespace {

constexpr const char* kProjectType = "application/x-cargolyx-project";

class MimeDataFolder : public ::testing::Test {
 protected:
  // The database reads its folders once, at the first use: it sees only ours.
  static void SetUpTestSuite() {
    data_ = new QTemporaryDir();
    const QString packages = data_->path() + "/mime/packages";
    ASSERT_TRUE(QDir().mkpath(packages));
    ASSERT_TRUE(QFile::copy("/usr/share/mime/packages/freedesktop.org.xml", packages + "/freedesktop.org.xml"))
        << "shared-mime-info is not installed";
    ASSERT_TRUE(QFile::copy(CARGOLYX_RESOURCES_DIR "/cargolyx-mime.xml", packages + "/cargolyx.xml"));
    qputenv("XDG_DATA_DIRS", data_->path().toUtf8());
    qputenv("XDG_DATA_HOME", data_->path().toUtf8() + "/none");
  }
  static void TearDownTestSuite() { delete data_; }

  QString writeFile(const QString& name, const QByteArray& bytes) {
    const QString path = files_.path() + "/" + name;
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
  }

  static QTemporaryDir* data_;
  QTemporaryDir files_;
};
QTemporaryDir* MimeDataFolder::data_ = nullptr;

}  // namespace

TEST_F(MimeDataFolder, knowsAProjectByItsMagicNotByItsName) {
  QMimeDatabase db;
  EXPECT_EQ(db.mimeTypeForFile(CARGOLYX_EXAMPLES_DIR "/demo.pak").name(), kProjectType);
  // A project under another name is still a project.
  QFile demo(CARGOLYX_EXAMPLES_DIR "/demo.pak");
  ASSERT_TRUE(demo.open(QIODevice::ReadOnly));
  EXPECT_EQ(db.mimeTypeForFile(writeFile("plan.bin", demo.readAll())).name(), kProjectType);
  // A game archive called .pak stays one, and the name alone gives the other format.
  EXPECT_EQ(db.mimeTypeForFile(writeFile("pak0.pak", QByteArray("PACK") + QByteArray(60, '\0'))).name(),
            "application/x-pak");
  EXPECT_EQ(db.mimeTypeForFile(writeFile("notes.pak", QByteArray(64, '\x01'))).name(), "application/x-pak");
  EXPECT_EQ(db.mimeTypeForFile("plan.pak", QMimeDatabase::MatchExtension).name(), "application/x-pak");
}

TEST_F(MimeDataFolder, knowsAFormatTwoProjectByItsFirstMember) {
  QMimeDatabase db;
  const QByteArray project = "{\n \"cargolyxProject\": 2,\n \"requires\": []}\n";
  EXPECT_EQ(db.mimeTypeForFile(writeFile("plan.clyx", project)).name(), "application/x-cargolyx-project-2");
  EXPECT_EQ(db.mimeTypeForFile(writeFile("plan.bin", project)).name(), "application/x-cargolyx-project-2")
      << "the content decides";
  EXPECT_EQ(db.mimeTypeForFile(writeFile("other.json", "{\"name\": \"cargolyxProject\"}")).name(), "application/json");
  EXPECT_EQ(db.mimeTypeForFile("plan.clyx", QMimeDatabase::MatchExtension).name(), "application/x-cargolyx-project-2");
}

TEST_F(MimeDataFolder, describesTheTypeWithTheProgramIcon) {
  const QMimeType type = QMimeDatabase().mimeTypeForName(kProjectType);
  ASSERT_TRUE(type.isValid());
  EXPECT_EQ(type.iconName(), "cargolyx");
  EXPECT_TRUE(type.suffixes().contains("pak"));
}
