#include "export/globalfunc.h"

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

TEST(ReplaceAll, replacesEveryOccurrence) {
  EXPECT_EQ(replaceAll("a[x]b[x]", "[x]", "1"), "a1b1");
  EXPECT_EQ(replaceAll("[x][x]", "[x]", ""), "");
  EXPECT_EQ(replaceAll("纸箱[x]纸箱", "[x]", "图例"), "纸箱图例纸箱");
}

TEST(ReplaceAll, neverSearchesTheInsertedText) {
  EXPECT_EQ(replaceAll("a[x]b[x]", "[x]", "[x][x]"), "a[x][x]b[x][x]");
  EXPECT_EQ(replaceAll("[[x]]", "[x]", "["), "[[]");
  EXPECT_EQ(replaceAll("aaaa", "aa", "a"), "aa");
}

TEST(ReplaceAll, leavesTextWithoutThePatternAsItWas) {
  EXPECT_EQ(replaceAll("a[x]b", "[y]", "1"), "a[x]b");
  EXPECT_EQ(replaceAll("", "[x]", "1"), "");
  EXPECT_EQ(replaceAll("a[X]b", "[x]", "1"), "a[X]b") << "case-sensitive";
  EXPECT_EQ(replaceAll("a[x]b", "", "1"), "a[x]b") << "an empty pattern finds nothing";
}

TEST(ReplaceAll, endsAtTheFirstZeroByte) {
  EXPECT_EQ(replaceAll(std::string("a[x]\0b[x]", 9), "[x]", "1"), "a1");
  EXPECT_EQ(replaceAll("a[x]b", "[x]", std::string("1\0002", 3)), "a1");
}

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
  EXPECT_TRUE(std::filesystem::exists(folder + "export_globalfunc_test"));
}

TEST(NumberChecks, acceptNonNegativeValuesOnly) {
  EXPECT_TRUE(isNonNegativeInteger("0"));
  EXPECT_TRUE(isNonNegativeInteger("2147483647"));
  EXPECT_FALSE(isNonNegativeInteger(""));
  EXPECT_FALSE(isNonNegativeInteger("12a"));
  EXPECT_FALSE(isNonNegativeInteger("-1"));
  EXPECT_FALSE(isNonNegativeInteger("2147483648"));
  EXPECT_TRUE(isNonNegativeNumber("12.5"));
  EXPECT_TRUE(isNonNegativeNumber("-0.5"));
  EXPECT_FALSE(isNonNegativeNumber("-3"));
  EXPECT_FALSE(isNonNegativeNumber("nan"));
}

TEST(MaterialColor, packsRedInTheLowestByte) {
  EXPECT_EQ(materialColor(0), 0x0000FF00u);
  EXPECT_EQ(materialColor(1), 0x000000FFu);
  EXPECT_EQ(materialColor(5), 0x00FF0000u);
  EXPECT_EQ(materialColor(10), 0u);
  EXPECT_EQ(materialColor(-1), 0u);
}
