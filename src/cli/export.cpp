// cargolyx-cli export FILE.pak [--spacing L,W,H] [--max-blocks N] [--time-limit S] [--dir DIR]
// Calculates the project as `plan` does and writes the loading plan "packplan.htm" with its
// pictures into DIR (by default the "Cargolyx" folder in the user's documents, where the
// window's export starts too).

#include <atomic>
#include <csignal>
#include <filesystem>
#include <iostream>

#include "cli/balanceoutput.h"
#include "cli/calculate.h"
#include "cli/cli.h"
#include "cli/terminaltext.h"
#include "engine/statistics.h"
#include "export/exportplan.h"
#include "export/installpaths.h"
#include "model/fillscheme.h"
#include "platform/userfolders.h"

namespace {

const char* const kUsage =
    "usage: cargolyx-cli export FILE.pak [--spacing L,W,H] [--max-blocks N] [--time-limit S] [--dir DIR]\n"
    "       cargolyx-cli export LIST.csv --container L,W,H,KG [options as above]\n";

// ---- Ctrl-C and SIGTERM during the export: the handler only notes the signal; the export
// stops at its next file and removes what it had written.

std::atomic<bool> exportCancelled{false};
std::atomic<int> exportSignal{0};
static_assert(std::atomic<bool>::is_always_lock_free && std::atomic<int>::is_always_lock_free);

extern "C" void onExportSignal(int signal) {
  exportSignal.store(signal);
  exportCancelled.store(true);
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
    std::cerr << "cargolyx-cli: the export was interrupted; "
              << (result == kExportCancelled ? "no file was changed\n" : "the plan had been written\n");
    return 128 + signal;
  }
  if (result != kExportDone) {
    std::cerr << "cargolyx-cli: " << exporter.failureMessage() << " (" << exporter.failureReason() << ")\n";
    return kExitExportFailed;
  }
  *document = exporter.htmlFile;
  return kExitLoaded;
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
  if (folder.empty()) folder = defaultExportFolder();
  if (folder.empty()) {
    std::cerr << "cargolyx-cli: no home folder to export into; name one with --dir\n";
    return kExitBadInput;
  }
  FillScheme project;
  int stopStatus = kExitBadInput;
  const auto report = calculateProject(*options, project, &stopStatus);
  if (!report) return stopStatus;

  if (!report->question.empty()) std::cout << report->question << "\n";
  if (report->status != CalculationStatus::Loaded) {
    std::cout << report->message << "\n";
    std::cerr << "cargolyx-cli: " << nothingToExportMessage() << "\n";
    return exitStatus(report->status);
  }
  std::string document;
  if (const int status = exportPlan(project, folder, &document); status != kExitLoaded) return status;
  std::cout << resultStatisticsText(project) << "\n"
            << balanceText(project) << escapeControlCharacters(document) << "\n";
  return kExitLoaded;
}
