// cargolyx-cli: plan, inspect and export loading projects without a window.
// Messages come in the locale's language (platform/language.h); --lang en|zh, anywhere on
// the line, chooses instead. JSON keys stay the same in both languages.

#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "platform/language.h"

namespace {

void printUsage(std::ostream& out) {
  out << "usage: cargolyx-cli VERB FILE.pak [options] [--lang en|zh]\n"
         "verbs:\n"
         "  info FILE.pak    the container, the cartons and their statistics\n"
         "  plan FILE.pak [--spacing L,W,H] [--max-blocks N] [--time-limit S] [--json]\n"
         "                   calculate the loading plan and print its blocks\n"
         "  plan FILE.pak --mode max [--time-limit S] [--support P] [--spacing L,W,H] [--json]\n"
         "                   load as many cartons as fit; also print what is left\n"
         "  export FILE.pak [--spacing L,W,H] [--max-blocks N] [--time-limit S] [--dir DIR]\n"
         "                   calculate the plan and write packplan.htm with its pictures\n"
         "                   into DIR (default: Cargolyx in the documents folder)\n"
         "  info|plan|export LIST.csv --container L,W,H,KG [options]\n"
         "                   a packing list (CSV: name, length, width, height, weight, count,\n"
         "                   ...) as the project, in the container L x W x H mm, KG kg\n"
         "  --lang en|zh     messages in English or Chinese (default: the locale's language,\n"
         "                   English when LC_ALL, LC_MESSAGES or LANG starts with \"en\")\n";
}

// Takes --lang CODE out of args and sets the language: the code's, else the locale's.
// False for a missing or unknown code.
bool chooseLanguage(std::vector<std::string>& args) {
  setLanguage(languageOfEnvironment());
  for (auto it = args.begin(); it != args.end(); ++it) {
    if (*it != "--lang") continue;
    const std::optional<Language> chosen =
        std::next(it) == args.end() ? std::nullopt : languageFromCode(*std::next(it));
    if (!chosen) {
      std::cerr << "cargolyx-cli: --lang takes en or zh\n";
      return false;
    }
    setLanguage(*chosen);
    args.erase(it, it + 2);
    return true;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (!chooseLanguage(args)) return kExitBadInput;
  if (args.empty()) {
    printUsage(std::cerr);
    return kExitBadInput;
  }
  const std::string verb = args.front();
  args.erase(args.begin());
  if (verb == "info") return runInfo(args);
  if (verb == "plan") return runPlan(args);
  if (verb == "export") return runExport(args);
  if (verb == "--help" || verb == "-h" || verb == "help") {
    printUsage(std::cout);
    return 0;
  }
  std::cerr << "cargolyx-cli: unknown verb \"" << verb << "\"\n";
  printUsage(std::cerr);
  return kExitBadInput;
}
