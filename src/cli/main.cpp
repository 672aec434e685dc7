// cargolyx-cli: plan, inspect and export loading projects without a window.

#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"

namespace {

void printUsage(std::ostream& out) {
  out << "usage: cargolyx-cli VERB FILE.pak [options]\n"
         "verbs:\n"
         "  info FILE.pak    the container, the cartons and their statistics\n"
         "  plan FILE.pak [--spacing L,W,H] [--max-blocks N] [--time-limit S] [--json]\n"
         "                   calculate the loading plan and print its blocks\n"
         "  plan FILE.pak --mode max [--time-limit S] [--support P] [--spacing L,W,H] [--json]\n"
         "                   load as many cartons as fit; also print what is left\n"
         "  export FILE.pak [--spacing L,W,H] [--max-blocks N] [--time-limit S] [--dir DIR]\n"
         "                   calculate the plan and write packplan.htm with its pictures\n"
         "                   into DIR (default: the program folder)\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    printUsage(std::cerr);
    return kExitBadInput;
  }
  const std::string verb = argv[1];
  const std::vector<std::string> args(argv + 2, argv + argc);
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
