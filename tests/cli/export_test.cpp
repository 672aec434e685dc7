// cargolyx-cli export as users meet it: the real program on the example projects, the
// document and pictures it writes, and the document opened in a browser.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <optional>
#include <regex>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <tuple>

#include "chromium.h"
#include "cli/options.h"
#include "clijson.h"
#include "clirunner.h"
#include "cubesproject.h"
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
  const int blocks = static_cast<int>(parsedJson(plan.out)["blocks"].size());
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

  const std::string text = slurp(document);
  EXPECT_NE(text.find("<meta charset=\"utf-8\">"), std::string::npos);
  EXPECT_EQ(occurrences(text, "<img src='carton"), static_cast<int>(loaded.cartons.size()));
  EXPECT_EQ(occurrences(text, "<img class='stepPicture' src='block"), blocks);
  EXPECT_EQ(occurrences(text, " 步（共 " + std::to_string(blocks) + " 步）："), blocks);

  EXPECT_NE(text.find("总箱数：" + std::to_string(jsonInteger(plan.out, "loadedCount"))), std::string::npos);
  for (std::size_t i = 0; i < loaded.cartons.size(); ++i) {
    const std::string picture = folder.path() + "/carton" + std::to_string(i) + ".PNG";
    EXPECT_EQ(readPngSize(picture), (PngSize{200, 200})) << picture;
  }
  for (int i = 0; i < blocks; ++i) {
    const std::string picture = folder.path() + "/block" + std::to_string(i) + ".PNG";
    EXPECT_EQ(readPngSize(picture), (PngSize{600, 640})) << picture;
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
  EXPECT_NE(dom.find("<td>纸箱1</td><td>600×400×300 mm</td>"), std::string::npos) << dom;
  EXPECT_NE(dom.find("<td>850</td><td>850</td><td>0</td>"), std::string::npos) << "entered, loaded, left";
  EXPECT_EQ(occurrences(dom, "<img src=\"carton"), 1);
  EXPECT_EQ(occurrences(dom, "<img class=\"stepPicture\" src=\"block"), 2);
  EXPECT_NE(dom.find("第 1 步（共 2 步）：纸箱1 × 780 箱"), std::string::npos);
  EXPECT_NE(dom.find("距里端 0 mm，距左壁 0 mm，离地 0 mm"), std::string::npos);
  EXPECT_NE(dom.find("第 2 步（共 2 步）：纸箱1 × 70 箱"), std::string::npos);
  EXPECT_NE(dom.find("距里端 0 mm，距左壁 2000 mm，离地 0 mm"), std::string::npos);
  EXPECT_NE(dom.find("= 114 个位置，装 70 箱，44 个位置空着"), std::string::npos);
  EXPECT_EQ(occurrences(dom, "总箱数：850 总体积：61.20立方米 填充率：92.04% 净装箱率：92.04%"), 2);
}

TEST(CliExport, theChineseDemoPlanHoldsTheLegendLineBlockCaptionsAndTotalsLoadersKnow) {
  ScratchFolder folder;
  const CliResult r = runCli({"export", example("demo.pak"), "--dir", folder.path()});
  ASSERT_EQ(r.status, kExitLoaded) << r.err;
  const std::string text = slurp(folder.path() + "/packplan.htm");
  for (const std::string piece :
       {"<table border=0><tr><td><img src='carton0.PNG' border=0></td><td>纸箱1:  L=600 W=400 H=300 数量：850</td>"
        "</tr></table><br><hr>",
        "第1块  所用纸箱：纸箱1<br>放置方向：L-W面朝门，W-H面朝上<br>顶点坐标：0,0,0<br>码放方式：5×4×39<br>码放数量：780<",
        "第2块  所用纸箱：纸箱1<br>放置方向：W-H面朝门，L-H面朝上<br>顶点坐标：2000,0,0<br>码放方式：1×6×19<br>"
        "码放数量：70 (注：本区域可容纳114个纸箱（见图），实际无需放满）",
        " 总箱数：850 总体积：61.20立方米 填充率：92.04% 净装箱率：92.04%"})
    EXPECT_NE(text.find(piece), std::string::npos) << piece;
  // Beside the loader's newer facts, not instead of them.
  EXPECT_NE(text.find("第 2 步（共 2 步）：纸箱1 × 70 箱"), std::string::npos);
  EXPECT_NE(text.find("<table class='legend'"), std::string::npos);
}

// Pixels of a step picture in a carton's colour, pale or not: neither white nor grey.
int colouredPixels(const std::string& picture) {
  const auto image = PngImage::load(picture);
  if (!image) return -1;
  return image->count([](Rgb8 c) { return std::max({c.r, c.g, c.b}) - std::min({c.r, c.g, c.b}) > 30; });
}

TEST(CliExport, inEnglishTheMaxPlanOfTheMixedExampleBuildsUpStepByStepAndCountsWhatItLoads) {
  ASSERT_FALSE(chromiumPath().empty()) << "Chromium is missing: scripts/bootstrap installs it";
  ScratchFolder folder;
  const CliResult plan = runCli({"--lang", "en", "plan", example("mixed.pak"), "--mode", "max", "--json"});
  ASSERT_EQ(plan.status, kExitLoaded) << plan.err;
  const CliResult r = runCli({"--lang", "en", "export", example("mixed.pak"), "--mode", "max", "--dir", folder.path()});
  ASSERT_EQ(r.status, kExitLoaded) << r.err;
  const std::string dom = chromiumDom(folder.path() + "/packplan.htm", folder.path() + "/profile");
  ASSERT_FALSE(dom.empty());
  EXPECT_NE(dom.find("<h1>Loading plan</h1>"), std::string::npos) << dom;

  // The legend: entered, loaded (as the plan's blocks hold them) and left of every type.
  FillScheme project;
  ASSERT_TRUE(loadProjectFile(example("mixed.pak"), project));
  const Json json = parsedJson(plan.out);
  std::map<int, int> loaded;
  for (const Json& block : json["blocks"]) loaded[block["cartonIndex"].get<int>()] += block["count"].get<int>();
  for (std::size_t i = 0; i < project.cartons.size(); ++i) {
    const Carton& c = project.cartons[i];
    const int n = loaded[static_cast<int>(i)];
    const std::string cells = "<td>" + std::to_string(c.count) + "</td><td>" + std::to_string(n) + "</td><td>" +
                              std::to_string(c.count - n) + "</td></tr>";
    const std::size_t row = dom.find("<td>" + c.name + "</td>");
    ASSERT_NE(row, std::string::npos) << c.name;
    EXPECT_EQ(dom.find(cells, row), dom.find("</td></tr>", row) - (cells.size() - 10)) << c.name << ": " << cells;
  }

  // No Chinese but the project's own names.
  std::string english = dom;
  std::vector<std::string> names = {project.container.name};
  for (const Carton& c : project.cartons) names.push_back(c.name);
  for (const std::string& name : names)
    for (auto at = english.find(name); at != std::string::npos; at = english.find(name)) english.erase(at, name.size());
  for (std::size_t i = 0; i < english.size(); ++i)
    ASSERT_LT(static_cast<unsigned char>(english[i]), 0xE3) << english.substr(i > 80 ? i - 80 : 0, 160);

  // A step per block, and the steps build up: the last step's picture holds every carton,
  // the first only its own.
  const int steps = occurrences(dom, "<img class=\"stepPicture\"");
  EXPECT_EQ(steps, static_cast<int>(json["blocks"].size()));
  ASSERT_GT(steps, 1);
  EXPECT_GT(colouredPixels(folder.path() + "/block" + std::to_string(steps - 1) + ".PNG"),
            colouredPixels(folder.path() + "/block0.PNG"));
}

TEST(CliExport, severalContainersGiveAPlanEachUnderAnIndexThatCountsEveryCarton) {
  ASSERT_FALSE(chromiumPath().empty()) << "Chromium is missing: scripts/bootstrap installs it";
  ScratchFolder folder;
  const CliResult r = runCli({"--lang", "en", "export", example("shipment.clyx"), "--mode", "fleet", "--time-limit",
                              "1", "--dir", folder.path() + "/plans"});
  ASSERT_EQ(r.status, kExitLoaded) << r.err;
  const std::string index = chromiumDom(folder.path() + "/plans/index.htm", folder.path() + "/profile");
  EXPECT_NE(index.find("<h1>Loading plan: several containers</h1>"), std::string::npos) << index;
  EXPECT_EQ(index.find("Cartons not loaded"), std::string::npos) << index;

  // A row per container linking its own plan, whose loaded count it repeats.
  const std::regex row("<a href=\"(container[0-9]+/packplan.htm)\">([0-9]+)</a></td><td[^>]*>[^<]+</td><td>([0-9]+)</td>");
  int containers = 0;
  int cartons = 0;
  for (auto it = std::sregex_iterator(index.begin(), index.end(), row); it != std::sregex_iterator(); ++it) {
    ++containers;
    EXPECT_EQ((*it)[2].str(), std::to_string(containers));
    const std::string plan = slurp(folder.path() + "/plans/" + (*it)[1].str());
    ASSERT_FALSE(plan.empty()) << (*it)[1].str();
    EXPECT_NE(plan.find(" Cartons: " + (*it)[3].str() + " "), std::string::npos) << (*it)[1].str();
    EXPECT_NE(plan.find("<h2 class='containerOf'>Container " + std::to_string(containers) + " of "), std::string::npos);
    EXPECT_NE(plan.find("<a href='../index.htm'>← Back to the index</a> · Project: shipment · Plan of "),
              std::string::npos);
    EXPECT_NE(plan.find("<th>In this container</th><th>In other containers</th>"), std::string::npos);
    cartons += std::stoi((*it)[3].str());
  }
  EXPECT_GE(containers, 3);
  EXPECT_EQ(cartons, 150 + 120 + 500 + 60);
}

// The index and the container pages as a browser shows them.
TEST(CliExport, eachContainersPageNamesItsPlaceInTheShipmentLinksBackAndCountsEveryCartonOnce) {
  ASSERT_FALSE(chromiumPath().empty()) << "Chromium is missing: scripts/bootstrap installs it";
  ScratchFolder folder;
  const CliResult r = runCli(
      {"export", example("shipment.clyx"), "--mode", "fleet", "--time-limit", "1", "--dir", folder.path() + "/plans"});
  ASSERT_EQ(r.status, kExitLoaded) << r.err;
  const std::string index = chromiumDom(folder.path() + "/plans/index.htm", folder.path() + "/profile");
  EXPECT_NE(index.find("项目：shipment · 方案日期："), std::string::npos) << index;
  const std::regex link("<a href=\"(container([0-9]+)/packplan.htm)\">");
  std::vector<std::string> pages;
  for (auto it = std::sregex_iterator(index.begin(), index.end(), link); it != std::sregex_iterator(); ++it) {
    EXPECT_EQ((*it)[2].str(), std::to_string(pages.size() + 1));
    pages.push_back((*it)[1].str());
  }
  ASSERT_GE(pages.size(), 2u);
  const std::string n = std::to_string(pages.size());

  // Per carton type: entered, and the sums over the pages of what each loads.
  std::map<std::string, int> entered, loadedHere, notLoaded;
  const std::regex row("<tr><td>([^<]+)</td><td>[^<]*</td><td>[^<]*</td><td>([0-9]+)</td><td>([0-9]+)</td>"
                       "<td>([0-9]+)</td><td>([0-9]+)</td></tr>");
  for (std::size_t k = 0; k < pages.size(); ++k) {
    const std::string page = chromiumDom(folder.path() + "/plans/" + pages[k], folder.path() + "/profile");
    ASSERT_FALSE(page.empty()) << pages[k];
    EXPECT_NE(page.find("<h2 class=\"containerOf\">集装箱 " + std::to_string(k + 1) + " / 共 " + n + " · "),
              std::string::npos)
        << pages[k];
    EXPECT_NE(page.find("<a href=\"../index.htm\">← 返回总览</a> · 项目：shipment · 方案日期："), std::string::npos)
        << pages[k];
    EXPECT_TRUE(std::filesystem::exists(
        std::filesystem::path(folder.path() + "/plans/" + pages[k]).parent_path() / "../index.htm"));
    const std::size_t legend = page.find("<table class=\"legend\"");
    ASSERT_NE(legend, std::string::npos) << pages[k];
    const std::string table = page.substr(legend, page.find("</table>", legend) - legend);
    EXPECT_NE(table.find("<th>输入</th><th>本柜装入</th><th>其他柜装入</th><th>未装入</th>"), std::string::npos);
    int types = 0;
    for (auto it = std::sregex_iterator(table.begin(), table.end(), row); it != std::sregex_iterator(); ++it, ++types) {
      const std::string name = (*it)[1];
      const int in = std::stoi((*it)[2]), here = std::stoi((*it)[3]), others = std::stoi((*it)[4]),
                left = std::stoi((*it)[5]);
      EXPECT_EQ(in, here + others + left) << pages[k] << ": " << name;
      entered[name] = in;
      loadedHere[name] += here;
      notLoaded[name] = left;
    }
    EXPECT_EQ(types, 4) << table;
  }
  for (const auto& [name, in] : entered) EXPECT_EQ(loadedHere[name] + notLoaded[name], in) << name;
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
    EXPECT_EQ(readPngSize(documents + "/Cargolyx/block1.PNG"), (PngSize{600, 640}));
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

namespace {

// Every entry under folder by its path from there, with its inode and, for a file, its bytes.
std::map<std::string, std::pair<ino_t, std::string>> treeSnapshot(const std::string& folder) {
  std::map<std::string, std::pair<ino_t, std::string>> tree;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    struct stat st {};
    ::lstat(entry.path().c_str(), &st);
    tree[std::filesystem::relative(entry.path(), folder).string()] = {
        st.st_ino, S_ISREG(st.st_mode) ? slurp(entry.path().string()) : std::string()};
  }
  return tree;
}

// Runs `export project --mode fleet --dir folder` and sends signal once the plan of the
// first container is written (the second container's folder appears in the private folder
// the export writes into). The exit status, or 128 + the signal that ended it.
int fleetExportInterruptedBy(int signal, const std::string& project, const std::string& folder,
                             const std::string& seconds) {
  const int watch = inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
  inotify_add_watch(watch, folder.c_str(), IN_CREATE);
  const std::string program = std::string(CARGOLYX_PROGRAM_DIR) + "/cargolyx-cli";
  std::vector<std::string> args = {program, "export", project, "--mode", "fleet", "--time-limit", seconds, "--dir", folder};
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
  int status = 0;
  bool ended = false;
  // The names of the entries created next; empty once the export has ended on its own.
  const auto created = [&]() {
    std::vector<std::string> names;
    alignas(inotify_event) char events[4096];
    while (names.empty() && !ended) {
      pollfd readable{watch, POLLIN, 0};
      if (::poll(&readable, 1, 100) <= 0) {
        ended = ::waitpid(pid, &status, WNOHANG) == pid;
        continue;
      }
      const ssize_t n = ::read(watch, events, sizeof events);
      for (ssize_t at = 0; at < n;) {
        const auto* event = reinterpret_cast<const inotify_event*>(events + at);
        if (event->len > 0) names.emplace_back(event->name);
        at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
      }
    }
    return names;
  };
  // The private folder is the first entry the export makes; the second container's folder
  // appears in it once the first container's plan is written.
  std::string staging;
  while (staging.empty() && !ended)
    for (const std::string& name : created())
      if (std::filesystem::is_directory(folder + "/" + name)) staging = folder + "/" + name;
  if (!ended) inotify_add_watch(watch, staging.c_str(), IN_CREATE);
  bool second = !ended && std::filesystem::exists(staging + "/container2");
  while (!second && !ended)
    for (const std::string& name : created()) second = second || name == "container2";
  ::close(watch);
  if (ended) return -2;  // the export ended before it could be interrupted
  ::kill(pid, signal);
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

}  // namespace

TEST(CliExport, aFleetExportInterruptedHalfwayLeavesTheEarlierPlanWholeAndNothingOfItsOwn) {
  ScratchFolder folder;
  const std::string plans = folder.path() + "/plans";
  ASSERT_EQ(runCli({"export", example("shipment.clyx"), "--mode", "fleet", "--time-limit", "1", "--dir", plans}).status,
            kExitLoaded);
  const auto earlier = treeSnapshot(plans);
  ASSERT_TRUE(earlier.count("container3/packplan.htm"));
  // Ctrl-C in an export of 200 carton types in several containers, and SIGTERM in another
  // of the same project, each once the first container's plan is written.
  // The 200 types get time enough to fill several containers, whose pictures take a while.
  const std::tuple<int, std::string, std::string> runs[] = {
      {SIGINT, std::string(CARGOLYX_TEST_DATA_DIR) + "/fleet-200-types.clyx", "10"},
      {SIGTERM, example("shipment.clyx"), "1"}};
  for (const auto& [signal, project, seconds] : runs) {
    EXPECT_EQ(fleetExportInterruptedBy(signal, project, plans, seconds), 128 + signal) << "signal " << signal;
    EXPECT_TRUE(treeSnapshot(plans) == earlier) << "signal " << signal << ": no entry added, removed or replaced";
  }
}

TEST(CliExport, aFleetExportOverALongerOneLeavesOnlyItsOwnContainers) {
  ScratchFolder folder;
  const std::string plans = folder.path() + "/plans";
  for (const char* name : {"container1", "container4", "container7"}) {
    std::filesystem::create_directories(plans + "/" + name);
    std::ofstream(plans + "/" + name + "/packplan.htm") << "an earlier plan";
  }
  const CliResult r =
      runCli({"export", example("shipment.clyx"), "--mode", "fleet", "--time-limit", "1", "--dir", plans});
  ASSERT_EQ(r.status, kExitLoaded) << r.err;
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(plans)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  ASSERT_GE(names.size(), 3u);
  EXPECT_EQ(names.back(), "index.htm");
  for (std::size_t k = 0; k + 1 < names.size(); ++k) EXPECT_EQ(names[k], "container" + std::to_string(k + 1));
  EXPECT_NE(slurp(plans + "/container1/packplan.htm"), "an earlier plan");
}

namespace {

// What a command prints on its standard output.
std::string outputOf(const std::string& command) {
  std::string out;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    while (const std::size_t n = fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
    pclose(pipe);
  }
  return out;
}

// The page count pdfinfo reads from a PDF; -1 when it cannot read one.
int pdfPages(const std::string& pdf) {
  const std::string info = outputOf("pdfinfo '" + pdf + "' 2>/dev/null");
  std::smatch pages;
  return std::regex_search(info, pages, std::regex("Pages:\\s+(\\d+)")) ? std::stoi(pages[1]) : -1;
}

}  // namespace

TEST(CliExport, aPdfOfThePlanHoldsItsTitleContainerCartonsTotalsAndAPageForEveryTwoSteps) {
  for (const char* name : {"demo.pak", "pallets.clyx"}) {
    SCOPED_TRACE(name);
    const std::string project = example(name);
    ScratchFolder folder;
    const std::string pdf = folder.path() + "/plan.pdf";
    const CliResult r = runCli({"export", project, "--dir", folder.path() + "/plan", "--pdf", pdf});
    ASSERT_EQ(r.status, kExitLoaded) << r.err;
    EXPECT_EQ(lastLine(r.out), pdf);
    FillScheme plan;
    ASSERT_TRUE(loadProjectFile(project, plan));
    // The steps of the plan, as the exported document counts them.
    const std::string document = slurp(folder.path() + "/plan/packplan.htm");
    std::size_t steps = 0;
    for (std::size_t at = 0; (at = document.find("class='stepPicture'", at)) != std::string::npos; ++at) ++steps;
    ASSERT_GT(steps, 0u);
    // The first page, then two steps a page.
    EXPECT_EQ(pdfPages(pdf), static_cast<int>(1 + (steps + 1) / 2));
    const std::string text = outputOf("pdftotext -layout '" + pdf + "' -");
    EXPECT_NE(text.find("装箱方案"), std::string::npos) << text;
    EXPECT_NE(text.find("总箱数："), std::string::npos) << text;
    for (const Carton& carton : plan.cartons) EXPECT_NE(text.find(carton.name + ":"), std::string::npos) << carton.name;
    for (std::size_t k = 1; k <= steps; ++k)
      EXPECT_NE(text.find("第 " + std::to_string(k) + " 步（共 " + std::to_string(steps) + " 步）"), std::string::npos)
          << "step " << k;
    EXPECT_EQ(text.find("第 " + std::to_string(steps + 1) + " 步"), std::string::npos);
  }
}

// Each container from a page of its own, named "k of n", then its steps two to a page; the
// pages add up to what the exported container pages show.
TEST(CliExport, aPdfOfSeveralContainersHasEachContainerWithItsStepsFromANewPage) {
  ScratchFolder folder;
  const std::string pdf = folder.path() + "/plan.pdf";
  const CliResult r = runCli({"export", example("shipment.clyx"), "--mode", "fleet", "--time-limit", "1", "--dir",
                              folder.path() + "/plan", "--pdf", pdf});
  ASSERT_EQ(r.status, kExitLoaded) << r.err;
  EXPECT_EQ(lastLine(r.out), pdf);
  std::size_t containers = 0;
  while (std::filesystem::exists(folder.path() + "/plan/container" + std::to_string(containers + 1) + "/packplan.htm"))
    ++containers;
  ASSERT_GT(containers, 1u);
  int expectedPages = 0;
  const std::string text = outputOf("pdftotext -layout '" + pdf + "' -");
  std::size_t at = 0;
  for (std::size_t k = 1; k <= containers; ++k) {
    SCOPED_TRACE("container " + std::to_string(k));
    const std::string page = slurp(folder.path() + "/plan/container" + std::to_string(k) + "/packplan.htm");
    std::size_t steps = 0;
    for (std::size_t s = 0; (s = page.find("class='stepPicture'", s)) != std::string::npos; ++s) ++steps;
    ASSERT_GT(steps, 0u);
    expectedPages += static_cast<int>(1 + (steps + 1) / 2);
    // In order: the container's heading, then its steps.
    at = text.find("集装箱 " + std::to_string(k) + " / 共 " + std::to_string(containers), at);
    ASSERT_NE(at, std::string::npos) << text;
    for (std::size_t step = 1; step <= steps; ++step) {
      at = text.find("第 " + std::to_string(step) + " 步（共 " + std::to_string(steps) + " 步）", at);
      ASSERT_NE(at, std::string::npos) << "step " << step;
    }
  }
  EXPECT_EQ(pdfPages(pdf), expectedPages);
}

TEST(CliExport, aPdfOfAPlanWithStopsNamesTheStopOfEveryStep) {
  ScratchFolder folder;
  FillScheme project;
  project.container = Container{"厢式货车", 2000, 1000, 1000, 5000};
  project.stops = {"北京", "天津"};
  for (const char* stop : {"北京", "天津"}) {
    Carton& carton = project.addCarton();
    carton.name = std::string("去") + stop;
    carton.length = carton.width = carton.height = 500;
    carton.weight = 10;
    carton.count = 4;
    carton.stop = std::string(stop);
  }
  const std::string file = folder.path() + "/stops.clyx";
  ASSERT_TRUE(saveProjectFile(file, project));
  const std::string pdf = folder.path() + "/plan.pdf";
  // Stops are kept by the planner that loads as many as fit.
  const CliResult r = runCli({"export", file, "--mode", "max", "--time-limit", "1", "--dir", folder.path() + "/plan",
                              "--pdf", pdf});
  ASSERT_EQ(r.status, kExitLoaded) << r.err << r.out;
  const std::string text = outputOf("pdftotext '" + pdf + "' -");
  // 天津 is delivered last and so loaded first.
  const std::size_t first = text.find("第 1 步");
  ASSERT_NE(first, std::string::npos) << text;
  EXPECT_EQ(text.find("· 天津", first), text.find("步）", first) + std::string("步）").size() + 1) << text;
  std::size_t named = 0;
  for (std::size_t at = 0; (at = text.find("步） · ", at)) != std::string::npos; ++at) ++named;
  std::size_t steps = 0;
  for (std::size_t at = 0; (at = text.find("步（共 ", at)) != std::string::npos; ++at) ++steps;
  EXPECT_GT(steps, 0u);
  EXPECT_EQ(named, steps) << "every step names its stop:\n" << text;
}

// Below the legend, the exported plan says why each leftover stayed behind, in the words
// of the result list.
TEST(CliExport, thePlanSaysWhyTheLeftoversStayedBehind) {
  ScratchFolder folder;
  FillScheme project = notStackableCubes(1000, 8);
  const std::string file = folder.path() + "/cubes.clyx";
  ASSERT_TRUE(saveProjectFile(file, project));
  const CliResult r =
      runCli({"export", file, "--mode", "max", "--time-limit", "0.5", "--dir", folder.path() + "/plan"});
  ASSERT_EQ(r.status, kExitLoaded) << r.err;
  const std::string document = slurp(folder.path() + "/plan/packplan.htm");
  EXPECT_NE(document.find("<p class='leftoverReasons'>未装入的原因：<br>立方 × 4：会违反“不可堆叠”</p>"),
            std::string::npos)
      << document;
}
