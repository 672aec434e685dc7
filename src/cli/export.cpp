// cargolyx-cli export FILE [--mode sets|max] [options] [--dir DIR] [--pdf OUT.pdf]
// Calculates the project as `plan` does and writes the loading plan "packplan.htm" with its
// pictures into DIR (by default the "Cargolyx" folder in the user's documents, where the
// window's export starts too), or the plans of several containers with their index; with
// --pdf the plan as a PDF as well, every container of it.

#include <atomic>
#include <csignal>
#include <filesystem>
#include <iostream>

#include "cli/calculate.h"
#include "cli/options.h"
#include "cli/planpdf.h"
#include "cli/reporttext.h"
#include "cli/terminaltext.h"
#include "cli/verbs.h"
#include "commands/exportfolder.h"
#include "commands/statistics.h"
#include "commands/fleetplan.h"
#include "commands/loadbalance.h"
#include "commands/palletplan.h"
#include "export/exportplan.h"
#include "export/fleetexport.h"
#include "export/installpaths.h"
#include "model/fillscheme.h"
#include "model/language.h"
#include "platform/userfolders.h"

namespace {

// ---- Ctrl-C and SIGTERM during the export: the handler only notes the signal; the export
// stops at its next file and removes what it had written.

std::atomic<bool> exportCancelled{false};
std::atomic<int> exportSignal{0};
static_assert(std::atomic<bool>::is_always_lock_free && std::atomic<int>::is_always_lock_free);

extern "C" void onExportSignal(int signal) {
  exportSignal.store(signal);
  exportCancelled.store(true);
}

// What an interrupted export left: the earlier plan as it was, or the complete new one (the
// signal came after the last file went in).
std::string interruptedMessage(bool cancelled) {
  return cancelled ? inLanguage("导出已中断，原有文件未作任何改动", "the export was interrupted; no file was changed")
                   : inLanguage("导出已中断，但装箱方案已全部写完",
                                "the export was interrupted after the plan had been written");
}

// Routes SIGINT and SIGTERM to the cancel flag while it lives.
class SignalsCancelExport {
 public:
  SignalsCancelExport() {
    struct sigaction action {};
    action.sa_handler = onExportSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &previousInterrupt_);
    sigaction(SIGTERM, &action, &previousTerminate_);
  }
  ~SignalsCancelExport() {
    sigaction(SIGINT, &previousInterrupt_, nullptr);
    sigaction(SIGTERM, &previousTerminate_, nullptr);
  }
  SignalsCancelExport(const SignalsCancelExport&) = delete;
  SignalsCancelExport& operator=(const SignalsCancelExport&) = delete;

 private:
  struct sigaction previousInterrupt_ {}, previousTerminate_ {};
};

// Writes the plan into folder (created when missing). kExitLoaded with the document's path
// in *document; kExitExportFailed after telling on stderr why the export failed; 128 + the
// signal's number after SIGINT or SIGTERM, which leave the folder's files as they were (or,
// arriving after the last file went in, the complete new plan).
int exportPlan(const FillScheme& project, const std::string& folder, std::string* document) {
  SignalsCancelExport signals;
  std::error_code ignored;  // a folder that cannot be made fails the export below, with its reason
  std::filesystem::create_directories(folder, ignored);
  ExportPlan exporter(project, programFolder(), folder);
  exporter.templateFile = planTemplatePath();
  exporter.libraryFile = drawingLibraryPath();
  exporter.setCancelFlag(&exportCancelled);
  const int result = exporter.run();
  if (const int signal = exportSignal.load(); signal != 0) {
    std::cerr << "cargolyx-cli: " << interruptedMessage(result == kExportCancelled) << "\n";
    return 128 + signal;
  }
  if (result != kExportDone) {
    std::cerr << "cargolyx-cli: " << exporter.failureMessage() << " (" << exporter.failureReason() << ")\n";
    return kExitExportFailed;
  }
  *document = exporter.htmlFile;
  return kExitLoaded;
}

// The plans of several containers and their index, as exportPlan writes one plan: the
// earlier plans in the folder are replaced whole, or after a failure or a signal stay whole.
int exportFleet(const FillScheme& project, const ShipmentFacts& facts, const std::string& folder,
                std::string* document) {
  SignalsCancelExport signals;
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  const FleetExportResult done = exportFleetPlans(project, programFolder(), folder, planTemplatePath(),
                                                  drawingLibraryPath(), &exportCancelled, facts);
  if (const int signal = exportSignal.load(); signal != 0) {
    std::cerr << "cargolyx-cli: " << interruptedMessage(done.result == kExportCancelled) << "\n";
    return 128 + signal;
  }
  if (done.result != kExportDone) {
    std::cerr << "cargolyx-cli: " << done.failureMessage << " (" << done.failureReason << ")\n";
    return kExitExportFailed;
  }
  *document = done.indexFile;
  return kExitLoaded;
}

}  // namespace

int runExport(const CliOptions& options) {
  std::string folder = options.folder.empty() ? defaultExportFolder() : options.folder;
  if (folder.empty()) {
    std::cerr << "cargolyx-cli: no home folder to export into; name one with --dir\n";
    return kExitBadInput;
  }
  FillScheme project;
  int stopStatus = kExitBadInput;
  const auto report = calculateProject(options, project, &stopStatus);
  if (!report) return stopStatus;

  if (!report->question.empty()) std::cout << report->question << "\n";
  if (report->status != CalculationStatus::Loaded) {
    std::cout << report->message << "\n";
    std::cerr << "cargolyx-cli: " << nothingToExportMessage() << "\n";
    return exitStatus(report->status);
  }
  std::string document;
  const bool pallets = project.result.mode == PlanningMode::Pallets;
  const bool several = project.result.mode == PlanningMode::Fleet || project.result.containers.size() > 1;
  // The PDF is drawn from the plan just written, with its pictures.
  const auto writePdf = [&](const std::vector<std::string>& pictureFolders, const std::vector<ContainerPage>& pages) {
    if (options.pdfFile.empty()) return true;
    const std::string problem = writePlanPdf(project, pictureFolders, pages, options.pdfFile);
    if (!problem.empty())
      std::cerr << "cargolyx-cli: " << inLanguage("无法写入 PDF：", "cannot write the PDF: ")
                << escapeControlCharacters(problem) << "\n";
    return problem.empty();
  };
  // With --pdf the PDF is named last, on a line of its own.
  const std::string pdfLine = options.pdfFile.empty() ? "" : escapeControlCharacters(options.pdfFile) + "\n";
  if (several) {
    ShipmentFacts facts{std::filesystem::path(options.path).stem().string(), todaysDate()};
    if (const int status = exportFleet(project, facts, folder, &document); status != kExitLoaded) return status;
    const std::string indexFolder = std::filesystem::path(document).parent_path().string() + "/";
    std::vector<std::string> pictureFolders;
    for (std::size_t k = 0; k < project.result.containers.size(); ++k)
      pictureFolders.push_back(indexFolder + containerFolderName(k) + "/");
    if (!writePdf(pictureFolders, containerPages(project, facts))) return kExitExportFailed;
    const std::string summary = pallets ? palletSummaryText(project) : fleetSummaryText(project);
    std::cout << escapeControlCharacters(summary) << "\n" << escapeControlCharacters(document) << "\n" << pdfLine;
    return kExitLoaded;
  }
  if (const int status = exportPlan(project, folder, &document); status != kExitLoaded) return status;
  if (!writePdf({std::filesystem::path(document).parent_path().string() + "/"}, {})) return kExitExportFailed;
  if (pallets) {
    // The cartons on the pallets count as loaded, and the pallets weigh their tare as well.
    std::cout << resultStatisticsText(resultStatistics(project, containerWithPalletCartons(project, 0))) << "\n"
              << escapeControlCharacters(palletSummaryText(project)) << "\n"
              << loadedWeightText(palletLoadBalance(project, 0)) << "\n"
              << escapeControlCharacters(document) << "\n"
              << pdfLine;
    return kExitLoaded;
  }
  std::cout << resultStatisticsText(resultStatistics(project, project.result.containers.front())) << "\n"
            << balanceText(project) << escapeControlCharacters(document) << "\n"
            << pdfLine;
  return kExitLoaded;
}
