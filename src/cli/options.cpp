#include "cli/options.h"

#include <charconv>
#include <iostream>
#include <vector>

#include "cli/projectinput.h"
#include "commands/containerform.h"
#include "model/language.h"

namespace {

// A whole number from min to max, nothing for anything else.
std::optional<std::int64_t> wholeNumber(const std::string& text, std::int64_t min, std::int64_t max) {
  std::int64_t value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || text.front() == '-' || text.front() == '+' || error != std::errc() || stop != end ||
      value < min || value > max)
    return std::nullopt;
  return value;
}

std::vector<std::string> commaParts(const std::string& text) {
  std::vector<std::string> parts(1);
  for (const char ch : text) {
    if (ch == ',') parts.emplace_back();
    else parts.back() += ch;
  }
  return parts;
}

[[noreturn]] void refuse(const std::string& option, const std::string& why) {
  throw CLI::ValidationError(option, why);
}

}  // namespace

std::string exitStatusTable() {
  return "exit status:\n"
         "  0    done: loaded a plan, read the file, exported, or the checked plan holds\n"
         "  1    calculated, and nothing could be loaded\n"
         "  2    refused before calculating (the message says why)\n"
         "  3    an unreadable or invalid file, or bad arguments\n"
         "  4    the plan could not be exported\n"
         "  5    the sets planner reached --time-limit (no plan)\n"
         "  6    check: the plan breaks a rule (each listed)\n"
         "  130  cancelled with Ctrl-C (143: SIGTERM during an export)\n";
}

void addOptions(CLI::App& verb, CliOptions& options, unsigned groups) {
  if (groups & kProjectOptions) {
    verb.add_option("FILE", options.path, "the project (.pak, .clyx) or a packing list (.csv)")->required();
    verb.add_option_function<std::vector<std::string>>(
          "--container",
          [&options](const std::vector<std::string>& texts) {
            for (const std::string& text : texts) {
              const std::vector<std::string> parts = commaParts(text);
              std::optional<Container> container;
              std::optional<double> cost;
              std::optional<std::int32_t> available;
              bool valid = parts.size() >= 4 && parts.size() <= 6;
              if (valid) {
                ContainerRow row;
                row.name = inLanguage("集装箱 ", "container ") + std::to_string(options.containers.size() + 1);
                row.length = parts[0];
                row.width = parts[1];
                row.height = parts[2];
                row.maxWeight = parts[3];
                if (checkContainerRow(row).empty()) container = containerOf(row);
                valid = container.has_value();
              }
              if (valid && parts.size() >= 5 && !parts[4].empty()) {
                double value = 0;
                const auto [end, error] = std::from_chars(parts[4].data(), parts[4].data() + parts[4].size(), value);
                valid = error == std::errc() && end == parts[4].data() + parts[4].size() && value >= 0 &&
                        value < 1e12;
                cost = value;
              }
              if (valid && parts.size() == 6) {
                const auto value = wholeNumber(parts[5], 0, INT32_MAX);
                valid = value.has_value();
                if (value) available = static_cast<std::int32_t>(*value);
              }
              if (!valid)
                refuse("--container",
                       inLanguage("须为集装箱内部的长、宽、高（毫米，大于0）和最大载重（千克）四个整数，以逗号分隔，如 "
                                  "11800,2300,2450,20000；多个集装箱时可再加费用和可用数量：L,W,H,KG,COST,AVAILABLE",
                                  "needs the container's inner length, width and height (mm, above 0) and its "
                                  "maximum load (kg) as four whole numbers L,W,H,KG, such as 11800,2300,2450,20000; "
                                  "for several containers a cost and the number available may follow: "
                                  "L,W,H,KG,COST,AVAILABLE"));
              options.containers.push_back(ContainerType{*container, cost, available});
            }
          },
          "L,W,H,KG[,COST[,AVAILABLE]]: the container of a packing list (inner size in mm, maximum load in "
          "kg); with --mode fleet, as often as there are container types, each with its cost and how many "
          "there are")
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
        ->expected(1)
        ->allow_extra_args(false);
  }
  if (groups & kCheckOptions) {
    verb.add_option("PLAN", options.planFile, "the plan to check, as plan --json prints it")->required();
  }
  if (groups & kPlanOptions) {
    verb.add_option_function<std::string>(
        "--mode",
        [&options](const std::string& text) {
          options.modeGiven = true;
          if (text == "sets") options.mode = PlanningMode::Sets;
          else if (text == "max") options.mode = PlanningMode::LoadMax;
          else if (text == "fleet") options.mode = PlanningMode::Fleet;
          else if (text == "pallets") options.mode = PlanningMode::Pallets;
          else
            refuse("--mode", "takes sets (complete sets, the default), max (as many cartons as fit), fleet "
                             "(several containers) or pallets (cartons onto pallets, then pallets and loose cartons "
                             "into the container, or the project's containers)");
        },
        "sets: complete sets of the cartons (default); max: as many cartons as fit; fleet: several "
        "containers; pallets: cartons onto pallets first (also whenever a carton names a pallet type), then the "
        "pallets and the loose cartons as much as fits into the container, or into the project's several "
        "containers");
    verb.add_option_function<std::string>(
        "--goal",
        [&options](const std::string& text) {
          options.goalGiven = true;
          if (text == "cheapest") options.goal = FleetGoal::Cheapest;
          else if (text == "fixed") options.goal = FleetGoal::FixedFleet;
          else refuse("--goal", "takes cheapest (every carton at the least cost) or fixed (the containers available)");
        },
        "with --mode fleet: cheapest loads every carton at the least total cost (default); fixed loads "
        "as much as fits into the containers available");
    verb.add_option_function<std::string>(
        "--max-blocks",
        [&options](const std::string& text) {
          const auto value = wholeNumber(text, 1, INT32_MAX);
          if (!value) refuse("--max-blocks", "needs a whole number of at least 1");
          options.maxBlockNum = static_cast<std::int32_t>(*value);
        },
        "N: the sets planner's block limit (default 6)");
    verb.add_option_function<std::string>(
        "--time-limit",
        [&options](const std::string& text) {
          double value = 0;
          const char* end = text.data() + text.size();
          const auto [stop, error] = std::from_chars(text.data(), end, value);
          if (text.empty() || error != std::errc() || stop != end || !(value > 0) || value > 86400)
            refuse("--time-limit", "needs a number of seconds above 0 (at most 86400)");
          options.timeLimit = value;
        },
        "S: seconds (decimals allowed); the sets planner stops without a plan, the load-max "
        "planner (default 2), several containers (default 10) and pallets (default 10) keep the best plan found");
  }
  if (groups & kSpacingOption) {
    verb.add_option_function<std::string>(
        "--spacing",
        [&options](const std::string& text) {
          const std::vector<std::string> parts = commaParts(text);
          std::optional<std::int64_t> values[3];
          for (std::size_t i = 0; i < parts.size() && i < 3; ++i) values[i] = wholeNumber(parts[i], 0, INT32_MAX);
          if (parts.size() != 3 || !values[0] || !values[1] || !values[2])
            refuse("--spacing", "needs three whole millimetre values L,W,H");
          options.spacingL = static_cast<std::int32_t>(*values[0]);
          options.spacingW = static_cast<std::int32_t>(*values[1]);
          options.spacingH = static_cast<std::int32_t>(*values[2]);
        },
        "L,W,H: mm between cartons along the length, width and height (default: the project's)");
  }
  if (groups & (kPlanOptions | kCheckOptions)) {
    verb.add_option_function<std::string>(
        "--support",
        [&options](const std::string& text) {
          const auto value = wholeNumber(text, 0, 100);
          if (!value) refuse("--support", "needs a whole percentage from 0 to 100");
          options.supportPercent = static_cast<std::int32_t>(*value);
          options.supportGiven = true;
        },
        "P: the share of each carton's base, in %, that must rest on what is below (load-max "
        "planner: default 100; check: default the plan's own)");
  }
  if (groups & kJsonOption) verb.add_flag("--json", options.json, "print the report as one JSON object");
  if (groups & kFolderOption) {
    verb.add_option_function<std::string>(
        "--dir",
        [&options](const std::string& text) {
          if (text.empty()) refuse("--dir", "needs a folder");
          options.folder = text;
        },
        "DIR: where the plan goes (default: Cargolyx in the documents folder)");
    verb.add_option_function<std::string>(
        "--pdf",
        [&options](const std::string& text) {
          if (text.empty()) refuse("--pdf", "needs a file name");
          options.pdfFile = text;
        },
        "OUT.pdf: write the plan as a PDF as well (the plan of one container)");
  }
}

bool containerFitsInput(const CliOptions& options) {
  if (isPackingListName(options.path) && options.containers.empty()) {
    std::cerr << "cargolyx-cli: "
              << inLanguage("装箱单须与 --container L,W,H,KG 一起给出（集装箱内部尺寸，毫米；最大载重，千克）。",
                            "a packing list needs --container L,W,H,KG (the container's inner size in mm and "
                            "its maximum load in kg).")
              << "\n";
    return false;
  }
  if (!isPackingListName(options.path) && !options.containers.empty() && options.mode != PlanningMode::Fleet) {
    std::cerr << "cargolyx-cli: "
              << inLanguage("--container 只用于装箱单（.csv）或 --mode fleet；项目文件自带集装箱。",
                            "--container is for packing lists (.csv) or --mode fleet; a project file has its own "
                            "container.")
              << "\n";
    return false;
  }
  return true;
}
