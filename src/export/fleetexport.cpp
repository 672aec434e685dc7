#include "export/fleetexport.h"

#include <cmath>
#include <filesystem>

#include "commands/fleetplan.h"
#include "commands/leftovers.h"
#include "commands/loadbalance.h"
#include "commands/statistics.h"
#include "export/exportplan.h"
#include "export/textreplace.h"
#include "model/language.h"
#include "model/projectfile.h"

namespace {

std::string withTrailingSlash(std::string folder) {
  if (folder.empty()) return "./";
  if (folder.back() != '/') folder += '/';
  return folder;
}

std::string millimetres(double value) { return std::to_string(std::llround(value)); }

}  // namespace

std::string containerFolderName(std::size_t k) { return "container" + std::to_string(k + 1); }

std::string fleetIndexHtml(const FillScheme& project) {
  const bool english = currentLanguage() == Language::English;
  std::string html = "<!DOCTYPE html>\n<html lang=\"" + std::string(english ? "en" : "zh") +
                     "\"><head><meta charset=\"utf-8\"><title>" +
                     inLanguage("装箱方案：多个集装箱", "Loading plan: several containers") +
                     "</title>\n<style>body{font-family:sans-serif}table{border-collapse:collapse}"
                     "td,th{border:1px solid #888;padding:3px 8px}td{text-align:right}</style></head><body>\n";
  html += "<h1>" + inLanguage("装箱方案：多个集装箱", "Loading plan: several containers") + "</h1>\n";
  html += "<p>" + escapeHtml(fleetSummaryText(project)) + "</p>\n";
  html += "<table><tr><th>" + inLanguage("集装箱", "Container") + "</th><th>" + inLanguage("种类", "Type") +
          "</th><th>" + inLanguage("箱数", "Cartons") + "</th><th>" + inLanguage("重量（千克）", "Weight (kg)") +
          "</th><th>" + inLanguage("填充率", "Fill") + "</th><th>" +
          inLanguage("重心（距里端、距左壁、离地，mm）", "Centre of gravity (from the inner end, left wall, floor; mm)") +
          "</th></tr>\n";
  for (std::size_t k = 0; k < project.result.containers.size(); ++k) {
    const LoadedContainer& loaded = project.result.containers[k];
    const ResultStatistics statistics = resultStatistics(project, loaded);
    const LoadBalance balance = loadBalance(project.cartons, loaded);
    const std::string centre = balance.centreKnown ? millimetres(balance.fromInnerEnd) + ", " +
                                                         millimetres(balance.fromLeftWall) + ", " +
                                                         millimetres(balance.aboveFloor)
                                                   : inLanguage("未知", "unknown");
    html += "<tr><td><a href=\"" + containerFolderName(k) + "/packplan.htm\">" + std::to_string(k + 1) +
            "</a></td><td style=\"text-align:left\">" + escapeHtml(loaded.container.name) + "</td><td>" +
            std::to_string(statistics.loadedCount) + "</td><td>" + formatTwoDecimals(balance.loadedWeight) +
            "</td><td>" + formatTwoDecimals(statistics.netRatio * 100) + "%</td><td>" + centre + "</td></tr>\n";
  }
  html += "</table>\n";
  const std::vector<Leftover> leftovers = leftoverCartons(project, project.result);
  if (!leftovers.empty()) {
    const std::vector<std::string> unfit = unfitReasonCodes(project);
    html += "<h2>" + inLanguage("未装入的纸箱", "Cartons not loaded") + "</h2>\n<table><tr><th>" +
            inLanguage("纸箱", "Carton") + "</th><th>" + inLanguage("未装入数量", "Not loaded") + "</th><th>" +
            inLanguage("原因", "Why") + "</th></tr>\n";
    for (const Leftover& leftover : leftovers) {
      const std::size_t i = static_cast<std::size_t>(leftover.cartonIndex);
      const std::string why = i < unfit.size() && !unfit[i].empty()
                                  ? unfitReasonText(unfit[i])
                                  : inLanguage("集装箱已无空间", "no room left in the containers");
      html += "<tr><td style=\"text-align:left\">" + escapeHtml(leftover.name) + "</td><td>" +
              std::to_string(leftover.count) + "</td><td style=\"text-align:left\">" + why + "</td></tr>\n";
    }
    html += "</table>\n";
  }
  return html + "</body></html>\n";
}

FleetExportResult exportFleetPlans(const FillScheme& project, const std::string& programFolder,
                                   const std::string& folder, const std::string& templateFile,
                                   const std::string& libraryFile, const std::atomic<bool>* cancel) {
  FleetExportResult out;
  const std::string base = withTrailingSlash(folder);
  const std::vector<Leftover> leftovers = leftoverCartons(project, project.result);
  for (std::size_t k = 0; k < project.result.containers.size(); ++k) {
    const std::string sub = base + containerFolderName(k) + "/";
    std::error_code ignored;  // a folder that cannot be made fails the plan's export below
    std::filesystem::create_directories(sub, ignored);
    ExportPlan plan(project, project.result.containers[k], leftovers, programFolder, sub);
    plan.templateFile = templateFile;
    plan.libraryFile = libraryFile;
    plan.setCancelFlag(cancel);
    out.result = plan.run();
    if (out.result != kExportDone) {
      out.failureMessage = plan.failureMessage();
      out.failureReason = plan.failureReason();
      return out;
    }
  }
  out.indexFile = base + "index.htm";
  const std::string html = fleetIndexHtml(project);
  std::string reason;
  if (!writeFileSafely(out.indexFile, std::vector<std::uint8_t>(html.begin(), html.end()), &reason)) {
    out.result = kExportDocumentFailed;
    out.failureMessage = exportFailureMessage(kExportDocumentFailed);
    out.failureReason = reason;
  }
  return out;
}
