#pragma once
// The plan of several containers as documents: one loading plan per container, each in a
// folder of its own ("container1/packplan.htm" and its pictures, as ExportPlan writes a
// plan), and "index.htm" beside them: the summary (containers by type, cost, the bound,
// what is left) and a table of the containers (type, cartons, weight, fill, centre of
// gravity) linking to each plan. The index is UTF-8.

#include <atomic>
#include <string>

#include "export/exportplan.h"
#include "model/fillscheme.h"

// What every page of the shipment names besides its containers.
struct ShipmentFacts {
  std::string projectName;  // the project's name (its file's, without the extension); empty: not shown
  std::string planDate;     // "2026-12-08"; empty: today's
};

struct FleetExportResult {
  int result = 0;              // kExportDone, or the failed step's kExport... of the plan that failed
  std::string indexFile;       // folder + "index.htm"
  std::string failureMessage;  // for the user, empty when done
  std::string failureReason;   // the file and the system's reason
};

// Writes the plans, then the index, into a private folder inside folder, and swaps them in
// for the earlier plan there (its index.htm and container folders) only when every file is
// written: a failure or a cancel leaves the earlier plan whole, a success replaces it whole,
// container folders the new plan does not have included. templateFile and libraryFile as
// ExportPlan takes them (empty template: the built-in one). A cancel flag raised stops at
// the next file, with kExportCancelled.
FleetExportResult exportFleetPlans(const FillScheme& project, const std::string& programFolder,
                                   const std::string& folder, const std::string& templateFile,
                                   const std::string& libraryFile, const std::atomic<bool>* cancel = nullptr,
                                   const ShipmentFacts& facts = {});

// Whether the entry name of folder belongs to an earlier exported plan of several
// containers: "index.htm", or a folder "container<k>" holding a "packplan.htm".
bool isEarlierFleetPart(const std::string& folder, const std::string& name);

// Where each loaded container stands in the shipment, for the heading and legend of its
// page: its number, the facts, and the cartons of each type in the other containers.
std::vector<ContainerPage> containerPages(const FillScheme& project, const ShipmentFacts& facts);

// The index page's text.
std::string fleetIndexHtml(const FillScheme& project, const ShipmentFacts& facts = {});
// Today's date in the local time zone: "2026-12-08".
std::string todaysDate();
// The folder, relative to the index, of container number k (from 0): "container1".
std::string containerFolderName(std::size_t k);
