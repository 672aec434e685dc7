// cargolyx-cli: plan, inspect, export and check loading projects without a window.
// Messages come in the locale's language (platform/language.h); --lang en|zh, anywhere on
// the line, chooses instead. JSON keys stay the same in both languages.

#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "cli/options.h"
#include "cli/usagetext.h"
#include "cli/verbs.h"
#include "model/language.h"
#include "platform/language.h"

namespace {

// Takes --lang CODE out of args and sets the language: the code's, else the locale's.
// False for a missing or unknown code.
bool chooseLanguage(std::vector<std::string>& args) {
  setLanguage(languageOfEnvironment());
  for (auto it = args.begin(); it != args.end(); ++it) {
    if (*it != "--lang") continue;
    const std::optional<Language> chosen =
        std::next(it) == args.end() ? std::nullopt : languageFromCode(*std::next(it));
    if (!chosen) {
      std::cerr << "cargolyx-cli: " << inLanguage("--lang 取 en 或 zh", "--lang takes en or zh") << "\n";
      return false;
    }
    setLanguage(*chosen);
    args.erase(it, it + 2);
    return true;
  }
  return true;
}

struct Verb {
  CLI::App* command;
  int (*run)(const CliOptions&);
};

// Where the whole usage is, after the one-line reason of a refused command line.
std::string seeHelp(const CLI::App& command) {
  const std::string verb = command.get_parent() ? "cargolyx-cli " + command.get_name() : "cargolyx-cli";
  return inLanguage("用法见 ", "see ") + verb + " --help";
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (!chooseLanguage(args)) return kExitBadInput;

  CLI::App app(inLanguage("cargolyx-cli：不开窗口即可计算、查看、导出和检查装箱项目",
                          "cargolyx-cli: plan, inspect, export and check loading projects"),
               "cargolyx-cli");
  wordUsage(app);
  app.require_subcommand(1);
  app.footer(inLanguage("  --lang en|zh  以英文或中文给出消息，可放在命令行任何位置（默认取区域设置的语言：LC_ALL、\n"
                        "               LC_MESSAGES 或 LANG 以 \"en\" 开头时为英文）\n\n",
                        "  --lang en|zh  messages in English or Chinese, anywhere on the line (default: the locale's\n"
                        "               language, English when LC_ALL, LC_MESSAGES or LANG starts with \"en\")\n\n") +
             exitStatusTable());
  CliOptions options;
  const std::vector<Verb> verbs = {
      {app.add_subcommand("info", inLanguage("集装箱、纸箱及其统计，以及保存的方案",
                                             "the container, the cartons and their statistics, and a saved plan")),
       runInfo},
      {app.add_subcommand("plan", inLanguage("计算装箱方案并打印", "calculate the loading plan and print it")), runPlan},
      {app.add_subcommand("export", inLanguage("计算方案，把 packplan.htm 及其图片写入文件夹",
                                               "calculate the plan and write packplan.htm with its pictures into DIR")),
       runExport},
      {app.add_subcommand("check", inLanguage("对照项目检查 plan --json 打印的方案：成立时退出状态为 0，否则为 6 并列出"
                                              "每条违反的规则",
                                              "check a plan printed by plan --json against the project: exit 0 when it "
                                              "holds, 6 listing each broken rule")),
       runCheck},
  };
  for (const Verb& verb : verbs) verb.command->group(inLanguage("命令", "Subcommands"));
  addOptions(*verbs[0].command, options, kProjectOptions);
  addOptions(*verbs[1].command, options,
             kProjectOptions | kPlanOptions | kSpacingOption | kJsonOption | kRuleCostsOption);
  addOptions(*verbs[2].command, options, kProjectOptions | kPlanOptions | kSpacingOption | kFolderOption);
  addOptions(*verbs[3].command, options, kProjectOptions | kCheckOptions | kSpacingOption);
  for (const Verb& verb : verbs) verb.command->footer(exitStatusTable());

  // CLI11 takes the arguments last to first.
  std::vector<std::string> reversed(args.rbegin(), args.rend());
  try {
    app.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    std::cout << app.help();
    return kExitLoaded;
  } catch (const CLI::ParseError& error) {
    const CLI::App* failed = &app;
    for (const Verb& verb : verbs)
      if (verb.command->parsed()) failed = verb.command;
    std::cerr << "cargolyx-cli: " << parseErrorText(error) << "\n" << seeHelp(*failed) << "\n";
    return kExitBadInput;
  }
  for (const Verb& verb : verbs) {
    if (!verb.command->parsed()) continue;
    if (!containerFitsInput(options)) {
      std::cerr << seeHelp(*verb.command) << "\n";
      return kExitBadInput;
    }
    return verb.run(options);
  }
  std::cerr << seeHelp(app) << "\n";
  return kExitBadInput;
}
