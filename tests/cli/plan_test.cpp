// cargolyx-cli plan as users meet it: the real program on real project files.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>
#include <thread>

#include "cli/options.h"
#include "clijson.h"
#include "clirunner.h"
#include "model/fillscheme.h"
#include "model/projectfile.h"

extern char** environ;

namespace {

std::string example(const std::string& name) { return std::string(CARGOLYX_EXAMPLES_DIR) + "/" + name; }

std::string slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

std::string golden(const std::string& name) {
  return slurp(std::string(CARGOLYX_CLI_TEST_DIR) + "/" + name + ".expected.json");
}

class PlanExample : public ::testing::TestWithParam<std::pair<const char*, int>> {};

}  // namespace

TEST_P(PlanExample, printsTheExpectedJson) {
  const auto [name, status] = GetParam();
  CliResult r = runCli({"plan", example(std::string(name) + ".pak"), "--json"});
  EXPECT_EQ(r.status, status) << r.err;
  EXPECT_EQ(parsedJson(r.out), parsedJson(golden(name)));
  EXPECT_EQ(r.err, "");
}

INSTANTIATE_TEST_SUITE_P(Examples, PlanExample,
                         ::testing::Values(std::make_pair("demo", kExitLoaded), std::make_pair("mixed", kExitLoaded),
                                           std::make_pair("positions", kExitLoaded)));

TEST(CliPlan, printsTheResultListAndItsStatistics) {
  CliResult r = runCli({"plan", example("demo.pak")});
  EXPECT_EQ(r.status, kExitLoaded) << r.err;
  EXPECT_EQ(r.out,
            "块号  包装箱  放置方向              顶点坐标  码放方式     装箱数量  重量(kg)\n"
            "1     纸箱1   L-W面朝门，W-H面朝上  0,0,0     5×4×39＝780  780       7800.00\n"
            "2     纸箱1   W-H面朝门，L-H面朝上  2000,0,0  1×6×19＝114  70        700.00\n"
            "      合计                                                 850       8500.00（42.50%）\n"
            "总箱数：850，总体积：61.20立方米，填充率92.04%，净装箱率92.04%\n"
            "装载重量：8500.00千克（最大载重的42.50%）\n"
            "重心：距里端5810mm，距左壁1095mm，离地1163mm，偏离中心：纵向偏里端90mm，横向偏左55mm\n");
}

TEST(CliPlan, tellsTheQuestionItAnsweredWithYes) {
  CliResult r = runCli({"plan", example("mixed.pak")});
  EXPECT_EQ(r.status, kExitLoaded) << r.err;
  EXPECT_EQ(r.out.rfind("您所输入的纸箱净体积不足集装箱的50%，系统将以此纸箱数据为单位，计算集装箱能够容纳的总套数，是否开始计算？\n块号", 0), 0u)
      << r.out;
  EXPECT_NE(r.out.find("套数：2，总箱数：460，"), std::string::npos) << r.out;
}

TEST(CliPlan, nothingLoadedAndRefusedHaveTheirOwnStatus) {
  CliResult nothing = runCli({"plan", example("demo.pak"), "--spacing", "10,5,5"});
  EXPECT_EQ(nothing.status, kExitNothingLoaded);
  EXPECT_EQ(nothing.out, "该集装箱无法装下给定的纸箱系列，您可能需要调整纸箱尺寸或减少纸箱数量。\n");

  CliResult oneBlock = runCli({"plan", example("demo.pak"), "--max-blocks", "1", "--json"});
  EXPECT_EQ(oneBlock.status, kExitNothingLoaded);
  EXPECT_EQ(parsedJson(oneBlock.out)["status"], "nothing-loaded");

  CliResult refused = runCli({"plan", std::string(CARGOLYX_TEST_DATA_DIR) + "/empty-demo.pak"});
  EXPECT_EQ(refused.status, kExitRefused);
  EXPECT_EQ(refused.out, "您没有输入纸箱数据，请输入纸箱数据后再进行计算。\n");

  ScratchFolder folder;
  FillScheme heavy;
  Carton& c = heavy.addCarton();
  c.length = 600;
  c.width = 400;
  c.height = 300;
  c.weight = 50;
  c.count = 500;
  ASSERT_TRUE(saveProjectFile(folder.path() + "/heavy.pak", heavy));
  CliResult overWeight = runCli({"plan", folder.path() + "/heavy.pak", "--json"});
  EXPECT_EQ(overWeight.status, kExitRefused);
  const Json refusal = parsedJson(overWeight.out);
  EXPECT_EQ(refusal["message"].get<std::string>().rfind("因总重量超重，", 0), 0u) << overWeight.out;
  EXPECT_EQ(refusal["maxSets"], -1);
  EXPECT_EQ(refusal["mode"], "none");
}

TEST(CliPlan, totalsBeyondTheInt32RangeReadBackExactly) {
  // Two types of 1 mm cartons, 2 147 483 647 of each: one set of 4 294 967 294 cartons.
  ScratchFolder folder;
  FillScheme p;
  p.container.length = p.container.width = p.container.height = 2000;
  for (int i = 0; i < 2; ++i) {
    Carton& c = p.addCarton();
    c.length = c.width = c.height = 1;
    c.weight = 0;
    c.count = 2147483647;
  }
  ASSERT_TRUE(saveProjectFile(folder.path() + "/many.pak", p));
  const CliResult r = runCli({"plan", folder.path() + "/many.pak", "--json"});
  ASSERT_EQ(r.status, kExitLoaded) << r.err;
  const Json plan = parsedJson(r.out);
  EXPECT_EQ(plan["loadedCount"], 4294967294);
  EXPECT_EQ(plan["setCount"], 1);
  EXPECT_GE(plan["capacityCount"].get<std::int64_t>(), 4294967294);
}

TEST(CliPlan, controlCharactersInNamesArePrintedEscapedInTheTable) {
  ScratchFolder folder;
  FillScheme p;
  Carton& c = p.addCarton();
  c.name = "\x1b[2Jbox\x07\r";
  c.length = 600;
  c.width = 400;
  c.height = 300;
  c.count = 10;
  ASSERT_TRUE(saveProjectFile(folder.path() + "/ctl.pak", p));
  const CliResult r = runCli({"plan", folder.path() + "/ctl.pak"});
  ASSERT_EQ(r.status, kExitLoaded) << r.err;
  EXPECT_NE(r.out.find("\\x1b[2Jbox\\x07\\r"), std::string::npos) << r.out;
  for (const char raw : {'\x1b', '\x07', '\r'}) EXPECT_EQ(r.out.find(raw), std::string::npos) << int(raw);
  const CliResult json = runCli({"plan", folder.path() + "/ctl.pak", "--json"});
  EXPECT_NE(json.out.find("\"cartonName\":\"\\u001b[2Jbox\\u0007\\r\""), std::string::npos) << json.out;
  EXPECT_EQ(parsedJson(json.out)["blocks"][0]["cartonName"], "\x1b[2Jbox\x07\r");
}

TEST(CliPlan, badArgumentsAndFilesGiveStatusThree) {
  ScratchFolder folder;
  std::ofstream(folder.path() + "/bad.pak") << "CLYX200 but not really";
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"plan"},
           {"plan", folder.path() + "/none.pak"},
           {"plan", folder.path() + "/bad.pak"},
           {"plan", example("demo.pak"), "--spacing"},
           {"plan", example("demo.pak"), "--spacing", "1,2"},
           {"plan", example("demo.pak"), "--spacing", "1,2,-3"},
           {"plan", example("demo.pak"), "--spacing", "1,2,3,"},
           {"plan", example("demo.pak"), "--max-blocks", "0"},
           {"plan", example("demo.pak"), "--max-blocks", "six"},
           {"plan", example("demo.pak"), "--colour"},
           {"plan", example("demo.pak"), "--time-limit", "0"},
           {"plan", example("demo.pak"), "--time-limit", "-1"},
           {"plan", example("demo.pak"), "--time-limit", "soon"},
           {"plan", example("demo.pak"), "--mode", "most"},
           {"plan", example("demo.pak"), "--support", "101"},
           {"plan", example("demo.pak"), example("mixed.pak")}}) {
    CliResult r = runCli(args);
    EXPECT_EQ(r.status, kExitBadInput) << args.back();
    EXPECT_EQ(r.out, "") << args.back();
    EXPECT_NE(r.err, "") << args.back();
  }
}

namespace {

// True once the process has a handler of its own for SIGINT.
bool catchesInterrupt(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("SigCgt:", 0) == 0) return (std::stoull(line.substr(7), nullptr, 16) & (1ull << (SIGINT - 1))) != 0;
  }
  return false;
}

}  // namespace

TEST(CliPlan, ctrlCCancelsTheCalculation) {
  // Three types of small cartons: a search of many seconds.
  ScratchFolder folder;
  FillScheme p;
  for (auto [l, w, h, count] : {std::array{120, 100, 80, 2}, std::array{110, 90, 70, 1}, std::array{130, 85, 75, 1}}) {
    Carton& c = p.addCarton();
    c.length = l;
    c.width = w;
    c.height = h;
    c.count = count;
  }
  const std::string path = folder.path() + "/long.pak";
  ASSERT_TRUE(saveProjectFile(path, p));
  const std::string program = std::string(CARGOLYX_PROGRAM_DIR) + "/cargolyx-cli";
  const std::string errPath = folder.path() + "/err";
  std::vector<std::string> args = {program, "plan", path, "--spacing", "10,5,5", "--json"};
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  pid_t pid = 0;
  ASSERT_EQ(posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ), 0);
  posix_spawn_file_actions_destroy(&actions);

  // The handler goes in just before the calculation starts.
  int status = 0;
  bool exited = false;
  for (int i = 0; i < 6000 && !catchesInterrupt(pid); ++i) {
    if (waitpid(pid, &status, WNOHANG) == pid) {
      exited = true;
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  ASSERT_FALSE(exited) << "the calculation ended before it could be interrupted";
  kill(pid, SIGINT);
  ASSERT_EQ(waitpid(pid, &status, 0), pid);
  ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), 130);
  EXPECT_EQ(slurp(errPath), "cargolyx-cli: the calculation was cancelled\n");
}

TEST(CliPlan, aTimeLimitStopsALongCalculationWithStatusFive) {
  ScratchFolder folder;
  FillScheme p;
  for (auto [l, w, h, count] : {std::array{120, 100, 80, 2}, std::array{110, 90, 70, 1}, std::array{130, 85, 75, 1}}) {
    Carton& c = p.addCarton();
    c.length = l;
    c.width = w;
    c.height = h;
    c.count = count;
  }
  const std::string path = folder.path() + "/long.pak";
  ASSERT_TRUE(saveProjectFile(path, p));
  CliResult r = runCli({"plan", path, "--spacing", "10,5,5", "--time-limit", "1", "--json"});
  EXPECT_EQ(r.status, 5);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("timed out"), std::string::npos) << r.err;

  // A limit the calculation stays within changes nothing.
  CliResult quick = runCli({"plan", example("demo.pak"), "--time-limit", "600", "--json"});
  EXPECT_EQ(quick.status, kExitLoaded);
  EXPECT_EQ(parsedJson(quick.out), parsedJson(runCli({"plan", example("demo.pak"), "--json"}).out));
}


TEST(CliPlan, speaksEnglishWithLangEnOrAnEnglishLocaleAndKeepsTheJsonKeys) {
  const CliResult chinese = runCli({"plan", example("mixed.pak"), "--json"});
  const CliResult english = runCli({"plan", example("mixed.pak"), "--json", "--lang", "en"});
  EXPECT_EQ(english.status, kExitLoaded) << english.err;
  const Json inEnglish = parsedJson(english.out);
  EXPECT_EQ(inEnglish["question"].get<std::string>().rfind("The cartons fill less than 50% of the container.", 0), 0u)
      << english.out;
  EXPECT_EQ(keysOf(inEnglish), keysOf(parsedJson(chinese.out)));
  EXPECT_GT(keysOf(inEnglish).size(), 10u);

  const CliResult refused = runCli({"--lang", "en", "plan", example("demo.pak"), "--spacing", "10,5,5", "--json"});
  EXPECT_EQ(parsedJson(refused.out)["message"].get<std::string>().rfind("The container cannot hold these cartons;", 0),
            0u) << refused.out;

  const CliResult underEnglishLocale = runCliUnderLocale({"plan", example("demo.pak")}, "en_GB.UTF-8");
  EXPECT_EQ(underEnglishLocale.out.rfind("Block  Carton  Orientation", 0), 0u) << underEnglishLocale.out;
  const CliResult chosenChinese = runCliUnderLocale({"plan", example("demo.pak"), "--lang", "zh"}, "en_GB.UTF-8");
  EXPECT_EQ(chosenChinese.out.rfind("块号", 0), 0u) << chosenChinese.out;
  const CliResult posix = runCliUnderLocale({"plan", example("demo.pak")}, "POSIX");
  EXPECT_EQ(posix.out.rfind("块号", 0), 0u) << posix.out;

  const CliResult unknown = runCli({"plan", example("demo.pak"), "--lang", "fr"});
  EXPECT_EQ(unknown.status, kExitBadInput);
  EXPECT_NE(unknown.err.find("--lang 取 en 或 zh"), std::string::npos) << unknown.err;
  const CliResult unknownUnderEnglish = runCliUnderLocale({"plan", example("demo.pak"), "--lang", "fr"}, "en_GB.UTF-8");
  EXPECT_NE(unknownUnderEnglish.err.find("--lang takes en or zh"), std::string::npos) << unknownUnderEnglish.err;
  EXPECT_EQ(runCli({"plan", example("demo.pak"), "--lang"}).status, kExitBadInput);
}

TEST(CliPlan, theSetsPlannerRefusesRulesItDoesNotKeepAndLoadMaxKeepsThem) {
  ScratchFolder folder;
  FillScheme project;
  project.container.vehicle = vehiclePresets().front().vehicle;
  project.container.balance = lengthBalancePreset();
  Carton& c = project.addCarton();
  c.length = 600;
  c.width = 400;
  c.height = 300;
  c.weight = 10;
  c.count = 850;
  ASSERT_TRUE(saveProjectFile(folder.path() + "/truck.clyx", project));
  {
    const CliResult r = runCli({"plan", folder.path() + "/truck.clyx", "--mode", "sets", "--json", "--lang", "en"});
    EXPECT_EQ(r.status, kExitRefused);
    const Json json = parsedJson(r.out);
    EXPECT_NE(json["message"].get<std::string>().find("centre of gravity window, axle loads"), std::string::npos)
        << r.out;
    // The empty truck's axles carry their tare; the window shows without a centre.
    const Json& axles = json["axleLoads"];
    EXPECT_EQ(axles["vehicle"], "rigid");
    ASSERT_EQ(axles["axles"].size(), 2u);
    EXPECT_EQ(axles["axles"][0]["axle"], "front");
    EXPECT_EQ(axles["axles"][1]["maxLoad"], project.container.vehicle->maxLoad[1]);
    ASSERT_EQ(axles["states"].size(), 1u);
    EXPECT_TRUE(axles["states"][0]["afterStop"].is_null());
    EXPECT_EQ(axles["states"][0]["loads"][0], project.container.vehicle->tare[0]);
    EXPECT_TRUE(axles["overloaded"].is_null());
    EXPECT_EQ(json["balance"]["window"]["lengthPercent"], 5);
    EXPECT_TRUE(json["balance"]["window"]["inside"].is_null());
  }
  // Loading as many as fit keeps the window and the axles.
  const CliResult r = runCli({"plan", folder.path() + "/truck.clyx", "--mode", "max", "--json", "--time-limit", "0.3"});
  ASSERT_EQ(r.status, kExitLoaded) << r.out << r.err;
  const Json json = parsedJson(r.out);
  EXPECT_FALSE(json["placements"].empty());
  EXPECT_TRUE(json["axleLoads"]["overloaded"].is_null()) << r.out;
}

TEST(CliPlan, placementsNameTheirStopAndAPackingListBringsItsStops) {
  // Every carton to one of the two stops named: a single stop in use, so the plan runs.
  ScratchFolder folder;
  const std::string list = folder.path() + "/list.csv";
  std::ofstream(list) << "name,length,width,height,weight,count,stop\na,600,400,300,10,40,北京\n";
  const CliResult r = runCli({"plan", list, "--container", "11800,2300,2450,20000", "--mode", "max", "--json",
                              "--time-limit", "0.2"});
  ASSERT_EQ(r.status, kExitLoaded) << r.err << r.out;
  const Json json = parsedJson(r.out);
  ASSERT_FALSE(json["placements"].empty());
  for (const Json& placement : json["placements"]) EXPECT_EQ(placement["stop"], "北京");
  EXPECT_FALSE(json.contains("axleLoads")) << "no vehicle";
  // Without stops a placement names none.
  const CliResult plain = runCli({"plan", example("demo.pak"), "--mode", "max", "--json", "--time-limit", "0.2"});
  EXPECT_FALSE(parsedJson(plain.out)["placements"][0].contains("stop"));
}

// The usage and the refusals of a command line come in the chosen language, and every
// number an option takes is typed and its range checked.
TEST(CliPlan, helpAndRefusedArgumentsComeInTheChosenLanguage) {
  const CliResult chinese = runCli({"plan", "--help"});
  EXPECT_EQ(chinese.status, kExitLoaded);
  for (const char* part : {"计算装箱方案并打印", "用法: cargolyx-cli plan [选项]", "显示本帮助后退出",
                           "--max-blocks 整数:至少为 1", "--support 整数:0-100", "退出状态：", "按套装载的块数上限"})
    EXPECT_NE(chinese.out.find(part), std::string::npos) << part << "\n" << chinese.out;
  EXPECT_EQ(chinese.out.find("Print this help"), std::string::npos) << chinese.out;
  EXPECT_EQ(chinese.out.find("exit status"), std::string::npos) << chinese.out;

  const CliResult english = runCli({"--lang", "en", "plan", "--help"});
  for (const char* part : {"Usage: cargolyx-cli plan [OPTIONS] FILE", "--max-blocks INT:at least 1", "--support INT:0-100",
                           "--time-limit SECONDS:above 0, at most 86400", "--spacing L,W,H:", "exit status:"})
    EXPECT_NE(english.out.find(part), std::string::npos) << part << "\n" << english.out;
  EXPECT_EQ(english.out.find("TEXT"), std::string::npos) << "every option names what it takes\n" << english.out;
  EXPECT_EQ(english.out.find("按套装载的块数上限"), std::string::npos) << english.out;

  const CliResult top = runCli({"--lang", "en", "--help"});
  EXPECT_NE(top.out.find("Subcommands:\n  info"), std::string::npos) << top.out;
  EXPECT_NE(runCli({"--help"}).out.find("命令:\n  info"), std::string::npos);

  struct Refusal {
    std::vector<std::string> args;
    std::string chinese, english;
  };
  for (const Refusal& r : std::vector<Refusal>{
           {{"plan", example("demo.pak"), "--colour"}, "多余的参数：--colour", "not expected: --colour"},
           {{"plan", example("demo.pak"), "--support", "101"}, "--support: 须为 0 到 100 的整数百分比",
            "--support: needs a whole percentage from 0 to 100"},
           {{"plan", example("demo.pak"), "--max-blocks", "six"}, "--max-blocks: 须为至少为 1 的整数",
            "--max-blocks: needs a whole number of at least 1"},
           {{"plan", example("demo.pak"), "--time-limit", "0"}, "--time-limit: 须为大于 0 的秒数",
            "--time-limit: needs a number of seconds above 0"},
           {{"plan", example("demo.pak"), "--spacing", "1,2,3,"}, "--spacing: 须为三个不小于 0 的整数毫米值",
            "--spacing: needs three whole millimetre values"},
           {{"plan", example("demo.pak"), "--mode"}, "--mode 缺少取值", "--mode: 1 required"},
           {{"plan", example("demo.pak"), "--mode", "most"}, "--mode: 取 sets", "--mode: takes sets"},
           {{"plan"}, "缺少 FILE", "FILE is required"},
           {{}, "须给出一个命令：info、plan、export 或 check", "A subcommand is required"},
       }) {
    const CliResult zh = runCli(r.args);
    std::vector<std::string> inEnglish = r.args;
    inEnglish.insert(inEnglish.begin(), {"--lang", "en"});
    const CliResult en = runCli(inEnglish);
    EXPECT_EQ(zh.status, kExitBadInput);
    EXPECT_EQ(en.status, kExitBadInput);
    EXPECT_NE(zh.err.find("cargolyx-cli: " + r.chinese), std::string::npos) << zh.err;
    EXPECT_NE(en.err.find(r.english), std::string::npos) << en.err;
    EXPECT_EQ(std::count(zh.err.begin(), zh.err.end(), '\n'), 2) << "the reason and where the usage is\n" << zh.err;
  }
}
