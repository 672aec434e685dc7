#include "export/installpaths.h"
#include "model/language.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

// An installed tree in a temporary folder: prefix/bin/ and the shipped files where the
// install puts them, relative to bin/.
class InstalledTree : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/cargolyx-prefix-XXXXXX";
    prefix_ = ::mkdtemp(pattern);
    fs::create_directories(programFolder());
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(prefix_, ignored);
  }
  std::string programFolder() const { return prefix_ + "/bin/"; }
  // The user's data folder of the tests, beside the tree.
  std::string userFolder() const { return prefix_ + "/data/cargolyx"; }
  // Writes a file relative to the program folder; its normal full path.
  std::string put(const fs::path& relative) {
    const fs::path file = (fs::path(programFolder()) / relative).lexically_normal();
    fs::create_directories(file.parent_path());
    std::ofstream(file) << "x";
    return file.string();
  }

  std::string prefix_;
};

}  // namespace

TEST_F(InstalledTree, findsTheLibraryAndTheTemplateInTheInstalledFolders) {
  const std::string library = put(fs::path(installedLibraryFolder()) / "libboxpic.so");
  const std::string htm = put(fs::path(installedDataFolder()) / "template.htm");
  EXPECT_EQ(drawingLibraryPath(programFolder()), library);
  EXPECT_EQ(planTemplatePath(programFolder(), userFolder()), htm);
  // Both lie under the prefix, outside the program folder.
  EXPECT_EQ(library.rfind(prefix_ + "/", 0), 0u) << library;
  EXPECT_EQ(library.find("/bin/"), std::string::npos) << library;
  EXPECT_EQ(htm.find("/bin/"), std::string::npos) << htm;
}

TEST_F(InstalledTree, prefersTheFilesBesideTheProgram) {
  put(fs::path(installedLibraryFolder()) / "libboxpic.so");
  put(fs::path(installedDataFolder()) / "template.htm");
  const std::string library = put("libboxpic.so");
  const std::string htm = put("template.htm");
  EXPECT_EQ(drawingLibraryPath(programFolder()), library);
  EXPECT_EQ(planTemplatePath(programFolder(), userFolder()), htm);
}

TEST_F(InstalledTree, theUsersOwnTemplateComesFirstAndNoneAtAllMeansTheBuiltInOne) {
  EXPECT_EQ(planTemplatePath(programFolder(), userFolder()), "") << "nothing found: the built-in template";
  const std::string installed = put(fs::path(installedDataFolder()) / "template.htm");
  EXPECT_EQ(planTemplatePath(programFolder(), userFolder()), installed);
  const std::string beside = put("template.htm");
  EXPECT_EQ(planTemplatePath(programFolder(), userFolder()), beside);
  fs::create_directories(userFolder() + "/template.htm");  // a folder is not a template
  EXPECT_EQ(planTemplatePath(programFolder(), userFolder()), beside);
  fs::remove(userFolder() + "/template.htm");
  const std::string own = put("../data/cargolyx/template.htm");
  EXPECT_EQ(planTemplatePath(programFolder(), userFolder()), own);
  EXPECT_EQ(planTemplatePath(programFolder(), ""), beside) << "no home: no user's template";
}

TEST_F(InstalledTree, namesTheInstalledPlaceOfAMissingFile) {
  fs::create_directories(programFolder() + "libboxpic.so");  // a folder is not the library
  EXPECT_EQ(drawingLibraryPath(programFolder()),
            (fs::path(programFolder()) / installedLibraryFolder() / "libboxpic.so").lexically_normal().string());
}

TEST_F(InstalledTree, eachLanguageHasATemplateOfItsOwn) {
  const std::string chinese = put("template.htm");
  setLanguage(Language::English);
  EXPECT_EQ(planTemplateName(), "template_en.htm");
  EXPECT_EQ(planTemplatePath(programFolder(), userFolder()), "") << "the Chinese one is not used for English";
  const std::string english = put("template_en.htm");
  EXPECT_EQ(planTemplatePath(programFolder(), userFolder()), english);
  const std::string own = put("../data/cargolyx/template_en.htm");
  EXPECT_EQ(planTemplatePath(programFolder(), userFolder()), own);
  setLanguage(Language::Chinese);
  EXPECT_EQ(planTemplatePath(programFolder(), userFolder()), chinese);
}

TEST(ShippedFiles, areFoundBesideTheProgramInTheBuildFolder) {
  EXPECT_TRUE(fs::equivalent(drawingLibraryPath(CARGOLYX_PROGRAM_DIR "/"), CARGOLYX_PROGRAM_DIR "/libboxpic.so"));
  EXPECT_TRUE(fs::equivalent(planTemplatePath(CARGOLYX_PROGRAM_DIR "/", ""), CARGOLYX_PROGRAM_DIR "/template.htm"));
  setLanguage(Language::English);
  EXPECT_TRUE(fs::equivalent(planTemplatePath(CARGOLYX_PROGRAM_DIR "/", ""), CARGOLYX_PROGRAM_DIR "/template_en.htm"));
  setLanguage(Language::Chinese);
}
