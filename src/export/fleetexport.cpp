#include "export/fleetexport.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <ctime>
#include <filesystem>

#include "commands/fleetplan.h"
#include "commands/palletplan.h"
#include "commands/leftovers.h"
#include "commands/loadbalance.h"
#include "commands/statistics.h"
#include "export/exportplan.h"
#include "export/plansteps.h"
#include "export/planswap.h"
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

std::string todaysDate() {
  const std::time_t now = std::time(nullptr);
  std::tm local {};
  char text[16] = "";
  if (::localtime_r(&now, &local) != nullptr) std::strftime(text, sizeof text, "%Y-%m-%d", &local);
  return text;
}

std::string fleetIndexHtml(const FillScheme& project, const ShipmentFacts& facts) {
  const bool english = currentLanguage() == Language::English;
  std::string html = "<!DOCTYPE html>\n<html lang=\"" + std::string(english ? "en" : "zh") +
                     "\"><head><meta charset=\"utf-8\"><title>" +
                     inLanguage("装箱方案：多个集装箱", "Loading plan: several containers") +
                     "</title>\n<style>body{font-family:sans-serif}table{border-collapse:collapse}"
                     "td,th{border:1px solid #888;padding:3px 8px}td{text-align:right}</style></head><body>\n";
  html += "<h1>" + inLanguage("装箱方案：多个集装箱", "Loading plan: several containers") + "</h1>\n";
  std::string shipment;
  if (!facts.projectName.empty()) shipment += inLanguage("项目：", "Project: ") + escapeHtml(facts.projectName);
  if (!facts.planDate.empty())
    shipment += (shipment.empty() ? "" : " · ") + inLanguage("方案日期：", "Plan of ") + escapeHtml(facts.planDate);
  if (!shipment.empty()) html += "<p class=\"shipment\">" + shipment + "</p>\n";
  html += "<p>" + escapeHtml(fleetSummaryText(project)) + "</p>\n";
  if (const std::string pallets = palletSummaryText(project); !pallets.empty())
    html += "<p>" + escapeHtml(pallets) + "</p>\n";
  html += "<table><tr><th>" + inLanguage("集装箱", "Container") + "</th><th>" + inLanguage("种类", "Type") +
          "</th><th>" + inLanguage("箱数", "Cartons") + "</th><th>" + inLanguage("重量（千克）", "Weight (kg)") +
          "</th><th>" + inLanguage("填充率", "Fill") + "</th><th>" +
          inLanguage("重心（距里端、距左壁、离地，mm）", "Centre of gravity (from the inner end, left wall, floor; mm)") +
          "</th></tr>\n";
  for (std::size_t k = 0; k < project.result.containers.size(); ++k) {
    const LoadedContainer& loaded = project.result.containers[k];
    // Of a pallet plan, the cartons on the pallets and the pallets' tares count as well.
    const ResultStatistics statistics = resultStatistics(project, containerWithPalletCartons(project, k));
    const LoadBalance balance = project.result.mode == PlanningMode::Pallets ? palletLoadBalance(project, k)
                                                                             : loadBalance(project.cartons, loaded);
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
                                  : unfitReasonText("no-room");
      html += "<tr><td style=\"text-align:left\">" + escapeHtml(leftover.name) + "</td><td>" +
              std::to_string(leftover.count) + "</td><td style=\"text-align:left\">" + why + "</td></tr>\n";
    }
    html += "</table>\n";
  }
  return html + "</body></html>\n";
}

bool isEarlierFleetPart(const std::string& folder, const std::string& name) {
  if (name == "index.htm") return true;
  // "container<k>" folders of an earlier export, each with its plan.
  if (name.size() <= 9 || name.compare(0, 9, "container") != 0 || name[9] == '0') return false;
  if (!std::all_of(name.begin() + 9, name.end(), [](char c) { return c >= '0' && c <= '9'; })) return false;
  struct stat st {};
  if (::lstat((folder + name).c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
  return ::lstat((folder + name + "/packplan.htm").c_str(), &st) == 0;
}

std::vector<ContainerPage> containerPages(const FillScheme& project, const ShipmentFacts& facts) {
  const std::size_t containers = project.result.containers.size();
  // The cartons of each type in each container, those on its pallets too.
  std::vector<std::vector<std::int64_t>> loaded;
  std::vector<std::int64_t> loadedInAll(project.cartons.size(), 0);
  for (std::size_t k = 0; k < containers; ++k) {
    loaded.push_back(loadedCountsByType(project.cartons.size(), project.result.mode == PlanningMode::Pallets
                                                                    ? containerWithPalletCartons(project, k)
                                                                    : project.result.containers[k]));
    for (std::size_t i = 0; i < loadedInAll.size(); ++i) loadedInAll[i] += loaded[k][i];
  }
  std::vector<ContainerPage> pages;
  for (std::size_t k = 0; k < containers; ++k) {
    ContainerPage& page = pages.emplace_back(ContainerPage{k + 1, containers, facts.projectName, facts.planDate,
                                                           "../index.htm", {}});
    for (std::size_t i = 0; i < loadedInAll.size(); ++i) page.loadedElsewhere.push_back(loadedInAll[i] - loaded[k][i]);
  }
  return pages;
}

FleetExportResult exportFleetPlans(const FillScheme& project, const std::string& programFolder,
                                   const std::string& folder, const std::string& templateFile,
                                   const std::string& libraryFile, const std::atomic<bool>* cancel,
                                   const ShipmentFacts& shipmentFacts) {
  FleetExportResult out;
  ShipmentFacts facts = shipmentFacts;
  if (facts.planDate.empty()) facts.planDate = todaysDate();
  const auto failed = [&out](int result, const std::string& reason) {
    out.result = result;
    out.failureMessage = exportFailureMessage(result);
    out.failureReason = reason;
    return out;
  };
  const auto cancelled = [cancel] { return cancel != nullptr && cancel->load(); };
  PlanSwap swap(withTrailingSlash(folder));
  if (!swap.isReady()) return failed(kExportDocumentFailed, swap.error());
  const std::vector<Leftover> leftovers = leftoverCartons(project, project.result);
  const std::size_t containers = project.result.containers.size();
  const std::vector<ContainerPage> pages = containerPages(project, facts);
  for (std::size_t k = 0; k < containers; ++k) {
    if (cancelled()) return failed(kExportCancelled, "cancelled; nothing was written");
    const std::string sub = swap.stagingFolder() + containerFolderName(k) + "/";
    if (::mkdir(sub.c_str(), 0777) != 0) return failed(kExportDocumentFailed, sub + ": " + std::strerror(errno));
    ExportPlan plan(project, project.result.containers[k], leftovers, programFolder, sub);
    plan.templateFile = templateFile;
    plan.libraryFile = libraryFile;
    plan.setCancelFlag(cancel);
    if (project.result.mode == PlanningMode::Pallets) plan.setPallets(project.result.pallets);
    plan.setContainerPage(pages[k]);
    const int result = plan.run();
    if (result == kExportCancelled) return failed(kExportCancelled, plan.failureReason());
    if (result != kExportDone) {
      failed(result, plan.failureReason());
      out.failureMessage = plan.failureMessage();
      return out;
    }
  }
  const std::string html = fleetIndexHtml(project, facts);
  std::string reason;
  if (!writeFileSafely(swap.stagingFolder() + "index.htm", std::vector<std::uint8_t>(html.begin(), html.end()),
                       &reason))
    return failed(kExportDocumentFailed, reason);
  if (cancelled()) return failed(kExportCancelled, "cancelled; nothing was written");
  // From here on the earlier plan is replaced whole, or stays whole.
  if (!swap.swapIn(isEarlierFleetPart, &reason)) return failed(kExportDocumentFailed, reason);
  out.indexFile = swap.targetFolder() + "index.htm";
  return out;
}
