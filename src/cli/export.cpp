// cargolyx-cli export FILE.pak [--spacing L,W,H] [--max-blocks N] [--dir DIR]
// Calculates the project as `plan` does and writes the loading plan "packplan.htm" with its
// pictures into DIR (by default the program folder, as the window does).

#include <filesystem>
#include <iostream>

#include "cli/calculate.h"
#include "cli/cli.h"
#include "engine/statistics.h"
#include "export/exportplan.h"
#include "export/installpaths.h"
#include "model/fillscheme.h"

namespace {

const char* const kUsage =
    "usage: cargolyx-cli export FILE.pak [--spacing L,W,H] [--max-blocks N] [--dir DIR]\n";

// Writes the plan into folder (created when missing). The document's path, or nothing
// after telling on stderr why the export failed.
std::optional<std::string> exportPlan(const FillScheme& project, const std::string& folder) {
  std::error_code ignored;  // a folder that cannot be made fails the export below, with its reason
  if (!folder.empty()) std::filesystem::create_directories(folder, ignored);
  ExportPlan exporter(project, programFolder(), folder);
  exporter.templateFile = planTemplatePath();
  exporter.libraryFile = drawingLibraryPath();
  if (exporter.run() != kExportDone) {
    std::cerr << "cargolyx-cli: " << exporter.failureMessage() << " (" << exporter.failureReason() << ")\n";
    return std::nullopt;
  }
  return exporter.htmlFile;
}

}  // namespace

int runExport(const std::vector<std::string>& args) {
  std::string folder;
  const auto dirOption = [&](const std::vector<std::string>& all, std::size_t at) {
    if (all[at] != "--dir") return 0;
    if (at + 1 >= all.size() || all[at + 1].empty()) {
      std::cerr << "cargolyx-cli: --dir needs a folder\n";
      return -1;
    }
    folder = all[at + 1];
    return 2;
  };
  const auto options = parseCalculationOptions(args, kUsage, dirOption);
  if (!options) return kExitBadInput;
  FillScheme project;
  int stopStatus = kExitBadInput;
  const auto report = calculateProject(*options, project, &stopStatus);
  if (!report) return stopStatus;

  if (!report->question.empty()) std::cout << report->question << "\n";
  if (report->status != PlanStatus::Loaded) {
    std::cout << report->message << "\n";
    std::cerr << "cargolyx-cli: " << nothingToExportMessage() << "\n";
    return exitStatus(report->status);
  }
  const auto document = exportPlan(project, folder);
  if (!document) return kExitExportFailed;
  std::cout << resultStatisticsText(project) << "\n" << *document << "\n";
  return kExitLoaded;
}
