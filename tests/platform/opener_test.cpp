#include "platform/opener.h"
#include "platform/programfolder.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace {

// A folder of fake programs, put alone on PATH while the object lives.
class FakePrograms {
 public:
  FakePrograms() {
    char pattern[] = "/tmp/cargolyx-programs-XXXXXX";
    folder_ = ::mkdtemp(pattern);
    const char* path = std::getenv("PATH");
    oldPath_ = path ? path : "";
    ::setenv("PATH", ("relative/bin:" + folder_).c_str(), 1);
  }
  ~FakePrograms() {
    ::setenv("PATH", oldPath_.c_str(), 1);
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  // A program that writes the number of its arguments and each argument on a line of its own
  // into name + ".args"; executable unless told otherwise.
  std::string add(const std::string& name, bool executable = true) {
    const std::string path = folder_ + "/" + name;
    std::ofstream(path) << "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > \"" << path << ".args.tmp\"\n/bin/mv \"" << path
                        << ".args.tmp\" \"" << path << ".args\"\n";
    ::chmod(path.c_str(), executable ? 0755 : 0644);
    return path;
  }
  // What the program was started with, once it has run; empty if it never ran.
  std::string argumentsOf(const std::string& program) const {
    const std::string file = program + ".args";
    for (int i = 0; i < 500 && !std::filesystem::exists(file); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  const std::string& folder() const { return folder_; }

 private:
  std::string folder_;
  std::string oldPath_;
};

}  // namespace

TEST(BrowserPath, prefersTheSystemsBrowserToOthersOnThePath) {
  FakePrograms programs;
  EXPECT_EQ(browserPath(), "");
  programs.add("firefox", false);
  EXPECT_EQ(browserPath(), "") << "not executable";
  const std::string firefox = programs.add("firefox");
  EXPECT_EQ(browserPath(), firefox);
  const std::string system = programs.add("x-www-browser");
  EXPECT_EQ(browserPath(), system);
  EXPECT_EQ(fileAssociationOpener(), "");
  const std::string opener = programs.add("xdg-open");
  EXPECT_EQ(fileAssociationOpener(), opener);
}

TEST(OpenDocument, startsTheBrowserWithTheDocumentAsItsOneArgument) {
  FakePrograms programs;
  const std::string browser = programs.add("browser");
  const std::string opener = programs.add("opener");
  EXPECT_TRUE(openDocumentWith(browser, opener, "/home/me/my plans/packplan.htm"));
  EXPECT_EQ(programs.argumentsOf(browser), "1\n/home/me/my plans/packplan.htm\n");
  EXPECT_FALSE(std::filesystem::exists(opener + ".args"));
}

TEST(OpenDocument, fallsBackToTheFileAssociation) {
  FakePrograms programs;
  const std::string opener = programs.add("opener");
  EXPECT_TRUE(openDocumentWith("", opener, "https://example.org/cargolyx"));
  EXPECT_EQ(programs.argumentsOf(opener), "1\nhttps://example.org/cargolyx\n");
  const std::string missing = programs.folder() + "/no-browser";
  std::filesystem::remove(opener + ".args");
  EXPECT_TRUE(openDocumentWith(missing, opener, "/tmp/packplan.htm"));
  EXPECT_EQ(programs.argumentsOf(opener), "1\n/tmp/packplan.htm\n");
}

TEST(OpenDocument, failsWhenNoProgramCanBeStarted) {
  FakePrograms programs;
  EXPECT_FALSE(openDocumentWith("", "", "/tmp/packplan.htm"));
  EXPECT_FALSE(openDocumentWith(programs.folder() + "/none", programs.folder(), "/tmp/packplan.htm"));
  EXPECT_FALSE(openDocument("/tmp/packplan.htm")) << "nothing on PATH";
}

TEST(ProgramFolder, isTheFolderOfTheRunningExecutable) {
  const std::string folder = programFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '/');
  EXPECT_TRUE(std::filesystem::exists(folder + "platform_opener_test"));
}
