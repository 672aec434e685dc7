// cargolyx-cli export as users meet it: the real program on the example projects, the
// document and pictures it writes, and the document opened in a browser.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <map>
#include <optional>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "chromium.h"
#include "cli/options.h"
#include "clirunner.h"
#include "model/fillscheme.h"
#include "model/gbk.h"
#include "model/projectfile.h"
#include "pngfile.h"

extern char** environ;

namespace {

std::string example(const std::string& name) { return std::string(CARGOLYX_EXAMPLES_DIR) + "/" + name; }

std::string slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// The whole number after key in `plan --json` output.
int jsonInteger(const std::string& json, const std::string& key) {
  const auto at = json.find("\"" + key + "\": ");
  return at == std::string::npos ? -1 : std::stoi(json.substr(at + key.size() + 4));
}

// The last line of the program's output.
std::string lastLine(const std::string& out) {
  std::string text = out;
  if (!text.empty() && text.back() == '\n') text.pop_back();
  return text.substr(text.rfind('\n') + 1);
}

class ExportExample : public ::testing::TestWithParam<const char*> {};

}  // namespace

TEST_P(ExportExample, writesTheDocumentAndAPictureOfEveryCartonAndBlock) {
  const std::string project = example(GetParam());
  const CliResult plan = runCli({"plan", project, "--json"});
  ASSERT_EQ(plan.status, kExitLoaded) << plan.err;
  const int blocks = occurrences(plan.out, "\"cartonIndex\"");
  ASSERT_GT(blocks, 0);
  FillScheme loaded;
  ASSERT_TRUE(loadProjectFile(project, loaded));

  ScratchFolder folder;
  const CliResult r = runCli({"export", project, "--dir", folder.path()});
  ASSERT_EQ(r.status, kExitLoaded) << r.err;
  EXPECT_EQ(r.err, "");
  const std::string document = folder.path() + "/packplan.htm";
  EXPECT_EQ(lastLine(r.out), document);
  EXPECT_NE(r.out.find("总箱数：" + std::to_string(jsonInteger(plan.out, "loadedCount"))), std::string::npos);

  const auto text = gbkToUtf8(slurp(document));
  ASSERT_TRUE(text) << "the document is GBK";
  EXPECT_EQ(occurrences(*text, "<img src='carton"), static_cast<int>(loaded.cartons.size()));
  EXPECT_EQ(occurrences(*text, "<img src='block"), blocks);
  EXPECT_EQ(occurrences(*text, "块  所用纸箱："), blocks);
  EXPECT_NE(text->find("总箱数：" + std::to_string(jsonInteger(plan.out, "loadedCount"))), std::string::npos);
  for (std::size_t i = 0; i < loaded.cartons.size(); ++i) {
    const std::string picture = folder.path() + "/carton" + std::to_string(i) + ".PNG";
    EXPECT_EQ(readPngSize(picture), (PngSize{200, 200})) << picture;
  }
  for (int i = 0; i < blocks; ++i) {
    const std::string picture = folder.path() + "/block" + std::to_string(i) + ".PNG";
    EXPECT_EQ(readPngSize(picture), (PngSize{600, 350})) << picture;
  }
  EXPECT_FALSE(std::filesystem::exists(folder.path() + "/block" + std::to_string(blocks) + ".PNG"));
}

INSTANTIATE_TEST_SUITE_P(Examples, ExportExample, ::testing::Values("demo.pak", "mixed.pak", "positions.pak"));

TEST(CliExport, theDemoPlanShowsInABrowser) {
  ASSERT_FALSE(chromiumPath().empty()) << "Chromium is missing: scripts/bootstrap installs it";
  ScratchFolder folder;
  const CliResult r = runCli({"export", example("demo.pak"), "--dir", folder.path() + "/plan"});
  ASSERT_EQ(r.status, kExitLoaded) << r.err;
  const std::string dom = chromiumDom(folder.path() + "/plan/packplan.htm", folder.path() + "/profile");
  EXPECT_NE(dom.find("纸箱1:  L=600 W=400 H=300 数量：850"), std::string::npos) << dom;
  EXPECT_EQ(occurrences(dom, "<img src=\"carton"), 1);
  EXPECT_EQ(occurrences(dom, "<img src=\"block"), 2);
  EXPECT_NE(dom.find("第1块  所用纸箱：纸箱1<br>放置方向：L-W面朝门，W-H面朝上<br>顶点坐标：0,0,0<br>码放方式：5×4×39"
                     "<br>码放数量：780<br>"),
            std::string::npos);
  EXPECT_NE(dom.find("第2块  所用纸箱：纸箱1<br>放置方向：W-H面朝门，L-H面朝上<br>顶点坐标：2000,0,0<br>码放方式：1×6×19"
                     "<br>码放数量：70 (注：本区域可容纳114个纸箱（见图），实际无需放满）<br>"),
            std::string::npos);
  EXPECT_EQ(occurrences(dom, "总箱数：850 总体积：61.20立方米 填充率：92.04% 净装箱率：92.04%"), 2);
}

// Sets an environment variable for the programs this test starts, and puts it back after.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value) ::setenv(name, value, 1);
    else ::unsetenv(name);
  }
  ~ScopedEnvironment() {
    if (old_) ::setenv(name_, old_->c_str(), 1);
    else ::unsetenv(name_);
  }
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(CliExport, writesIntoCargolyxInTheDocumentsByDefaultNeverTheProgramFolder) {
  ScratchFolder home;
  const std::string documents = home.path() + "/文档";
  {
    ScopedEnvironment documentsDir("XDG_DOCUMENTS_DIR", documents.c_str());
    const CliResult r = runCli({"export", example("demo.pak")});
    ASSERT_EQ(r.status, kExitLoaded) << r.err;
    EXPECT_EQ(lastLine(r.out), documents + "/Cargolyx/packplan.htm");
    EXPECT_EQ(readPngSize(documents + "/Cargolyx/block1.PNG"), (PngSize{600, 350}));
  }
  // Without the variable: the desktop's user-dirs.dirs, else Documents in the home folder.
  ScopedEnvironment noDocumentsDir("XDG_DOCUMENTS_DIR", nullptr);
  ScopedEnvironment homeDir("HOME", home.path().c_str());
  ScopedEnvironment configDir("XDG_CONFIG_HOME", (home.path() + "/config").c_str());
  CliResult r = runCli({"export", example("demo.pak")});
  ASSERT_EQ(r.status, kExitLoaded) << r.err;
  EXPECT_EQ(lastLine(r.out), home.path() + "/Documents/Cargolyx/packplan.htm");

  std::filesystem::create_directories(home.path() + "/config");
  std::ofstream(home.path() + "/config/user-dirs.dirs") << "# written by xdg-user-dirs-update\n"
                                                         << "XDG_DOCUMENTS_DIR=\"$HOME/我的文档\"\n";
  r = runCli({"export", example("demo.pak")});
  ASSERT_EQ(r.status, kExitLoaded) << r.err;
  EXPECT_EQ(lastLine(r.out), home.path() + "/我的文档/Cargolyx/packplan.htm");
}

TEST(CliExport, makesTheFolderItIsGiven) {
  ScratchFolder folder;
  const std::string nested = folder.path() + "/plans/today";
  const CliResult r = runCli({"export", example("demo.pak"), "--dir", nested});
  ASSERT_EQ(r.status, kExitLoaded) << r.err;
  EXPECT_TRUE(std::filesystem::exists(nested + "/packplan.htm"));
  EXPECT_TRUE(std::filesystem::exists(nested + "/carton0.PNG"));
}

TEST(CliExport, exportsNothingWhenTheRunIsRefused) {
  ScratchFolder folder;
  const CliResult r =
      runCli({"export", std::string(CARGOLYX_TEST_DATA_DIR) + "/empty-demo.pak", "--dir", folder.path()});
  EXPECT_EQ(r.status, kExitRefused);
  EXPECT_NE(r.err.find("没有运算结果可供导出，请先进行运算。"), std::string::npos) << r.err;
  EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

TEST(CliExport, aFailedExportGivesStatusFourAndItsMessage) {
  ScratchFolder folder;
  const std::string notAFolder = folder.path() + "/file";
  std::ofstream(notAFolder) << "a file where the folder should be";
  const CliResult r = runCli({"export", example("demo.pak"), "--dir", notAFolder});
  EXPECT_EQ(r.status, kExitExportFailed);
  EXPECT_NE(r.err.find("导出HTML文件失败。"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find(notAFolder), std::string::npos) << "names the folder: " << r.err;
  EXPECT_EQ(slurp(notAFolder), "a file where the folder should be");
}

TEST(CliExport, refusesBadArguments) {
  ScratchFolder folder;
  EXPECT_EQ(runCli({"export"}).status, kExitBadInput);
  EXPECT_EQ(runCli({"export", example("demo.pak"), "--dir"}).status, kExitBadInput);
  EXPECT_EQ(runCli({"export", example("demo.pak"), "--dir", ""}).status, kExitBadInput);
  EXPECT_EQ(runCli({"export", example("demo.pak"), "--json", "--dir", folder.path()}).status, kExitBadInput);
  EXPECT_EQ(runCli({"export", example("demo.pak"), "--spacing", "1,2", "--dir", folder.path()}).status,
            kExitBadInput);
  const CliResult missing = runCli({"export", folder.path() + "/none.pak", "--dir", folder.path()});
  EXPECT_EQ(missing.status, kExitBadInput);
  EXPECT_NE(missing.err.find("none.pak"), std::string::npos);
  EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

TEST(CliExport, takesTheSpacingsAndBlockLimitOfPlan) {
  ScratchFolder folder;
  const CliResult plan = runCli({"plan", example("mixed.pak"), "--spacing", "10,5,5", "--max-blocks", "3"});
  const CliResult r =
      runCli({"export", example("mixed.pak"), "--spacing", "10,5,5", "--max-blocks", "3", "--dir", folder.path()});
  ASSERT_EQ(r.status, plan.status) << r.err;
  // What plan prints after its table (the statistics, the weight and the centre of
  // gravity) export prints before the document's path.
  const std::size_t statistics = plan.out.find("总箱数：");
  ASSERT_NE(statistics, std::string::npos) << plan.out;
  EXPECT_NE(r.out.find(plan.out.substr(statistics) + folder.path() + "/packplan.htm\n"), std::string::npos) << r.out;
}

namespace {

// Every file of a folder with its inode and content: a file replaced, even by an equal
// one, shows as a new inode.
std::map<std::string, std::pair<ino_t, std::string>> snapshot(const std::string& folder) {
  std::map<std::string, std::pair<ino_t, std::string>> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    struct stat st {};
    ::lstat(entry.path().c_str(), &st);
    files[entry.path().filename().string()] = {st.st_ino, slurp(entry.path().string())};
  }
  return files;
}

// Runs `export project --dir folder` and sends signal as soon as the export starts writing
// (its first new entry in the folder). The exit status, or 128 + the signal that ended it.
int exportInterruptedBy(int signal, const std::string& project, const std::string& folder) {
  const int watch = inotify_init1(IN_CLOEXEC);
  inotify_add_watch(watch, folder.c_str(), IN_CREATE);
  const std::string program = std::string(CARGOLYX_PROGRAM_DIR) + "/cargolyx-cli";
  std::vector<std::string> args = {program, "export", project, "--dir", folder};
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const bool started = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) == 0;
  posix_spawn_file_actions_destroy(&actions);
  if (!started) return -1;
  char events[4096];
  (void)!::read(watch, events, sizeof events);  // blocks until the export creates something
  ::kill(pid, signal);
  ::close(watch);
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

}  // namespace

TEST(CliExport, anInterruptedExportLeavesTheEarlierOneAsItWas) {
  ScratchFolder folder;
  const std::string project = example("positions.pak");
  ASSERT_EQ(runCli({"export", project, "--dir", folder.path()}).status, kExitLoaded);
  const auto earlier = snapshot(folder.path());
  for (const int signal : {SIGINT, SIGTERM}) {
    const int status = exportInterruptedBy(signal, project, folder.path());
    EXPECT_EQ(status, 128 + signal) << "signal " << signal;
    EXPECT_TRUE(snapshot(folder.path()) == earlier) << "signal " << signal << ": no file added, removed or replaced";
  }
}
