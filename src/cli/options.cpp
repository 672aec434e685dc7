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

// L,W,H as three whole numbers of at least 0; fewer for anything else.
std::vector<std::int64_t> spacingValues(const std::string& text) {
  std::vector<std::int64_t> values;
  const std::vector<std::string> parts = commaParts(text);
  if (parts.size() != 3) return values;
  for (const std::string& part : parts) {
    const auto value = wholeNumber(part, 0, INT32_MAX);
    if (!value) return {};
    values.push_back(*value);
  }
  return values;
}

[[noreturn]] void refuse(const std::string& option, const std::string& why) {
  throw CLI::ValidationError(option, why);
}

}  // namespace

std::string exitStatusTable() {
  return inLanguage("退出状态：\n"
                    "  0    完成：得出方案、读出文件、已导出，或所查方案成立\n"
                    "  1    已计算，没有能装入的纸箱\n"
                    "  2    计算前拒绝（消息说明原因）\n"
                    "  3    文件无法读取或无效，或参数有误\n"
                    "  4    方案无法导出\n"
                    "  5    按套装载达到 --time-limit（没有方案）\n"
                    "  6    check：方案违反规则（逐条列出）\n"
                    "  130  按 Ctrl-C 取消（导出时收到 SIGTERM 为 143）\n",
                    "exit status:\n"
                    "  0    done: loaded a plan, read the file, exported, or the checked plan holds\n"
                    "  1    calculated, and nothing could be loaded\n"
                    "  2    refused before calculating (the message says why)\n"
                    "  3    an unreadable or invalid file, or bad arguments\n"
                    "  4    the plan could not be exported\n"
                    "  5    the sets planner reached --time-limit (no plan)\n"
                    "  6    check: the plan breaks a rule (each listed)\n"
                    "  130  cancelled with Ctrl-C (143: SIGTERM during an export)\n");
}

namespace {

// A whole number from min to max, checked before it is converted; help shows the range.
CLI::Validator wholeNumberCheck(std::int64_t min, std::int64_t max, const std::string& range, const std::string& why) {
  return CLI::Validator(
      [=](std::string& text) { return wholeNumber(text, min, max) ? std::string() : why; }, range);
}

std::string integerName() { return inLanguage("整数", "INT"); }

}  // namespace

void addOptions(CLI::App& verb, CliOptions& options, unsigned groups) {
  if (groups & kProjectOptions) {
    verb.add_option("FILE", options.path,
                    inLanguage("项目文件（.pak、.clyx）或装箱单（.csv）",
                               "the project (.pak, .clyx) or a packing list (.csv)"))
        ->type_name(inLanguage("文件", "FILE"))
        ->required();
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
          inLanguage("装箱单的集装箱（内部尺寸，毫米；最大载重，千克）；与 --mode fleet 一起时，每种集装箱给一次，"
                     "各带费用和可用数量",
                     "the container of a packing list (inner size in mm, maximum load in kg); with --mode fleet, "
                     "as often as there are container types, each with its cost and how many there are"))
        ->type_name("L,W,H,KG[,COST[,AVAILABLE]]")
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
        ->expected(1)
        ->allow_extra_args(false);
  }
  if (groups & kCheckOptions) {
    verb.add_option("PLAN", options.planFile,
                    inLanguage("要检查的方案，即 plan --json 打印的内容", "the plan to check, as plan --json prints it"))
        ->type_name(inLanguage("文件", "FILE"))
        ->required();
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
                refuse("--mode",
                       inLanguage("取 sets（按套装载，默认）、max（尽量多装）、fleet（多个集装箱）或 pallets"
                                  "（先装托盘，再把托盘和散箱装入集装箱或项目的多个集装箱）",
                                  "takes sets (complete sets, the default), max (as many cartons as fit), fleet "
                                  "(several containers) or pallets (cartons onto pallets, then pallets and loose "
                                  "cartons into the container, or the project's containers)"));
            },
            inLanguage("sets：按套装载（默认）；max：尽量多装；fleet：多个集装箱；pallets：先把纸箱装上托盘（纸箱指定了"
                       "托盘类型时也如此），再把托盘和散箱尽量装入集装箱或项目的多个集装箱",
                       "sets: complete sets of the cartons (default); max: as many cartons as fit; fleet: several "
                       "containers; pallets: cartons onto pallets first (also whenever a carton names a pallet type), "
                       "then the pallets and the loose cartons as much as fits into the container, or into the "
                       "project's several containers"))
        ->type_name("sets|max|fleet|pallets");
    verb.add_option_function<std::string>(
            "--goal",
            [&options](const std::string& text) {
              options.goalGiven = true;
              if (text == "cheapest") options.goal = FleetGoal::Cheapest;
              else if (text == "fixed") options.goal = FleetGoal::FixedFleet;
              else
                refuse("--goal", inLanguage("取 cheapest（以最低总费用装完所有纸箱）或 fixed（装入现有的集装箱）",
                                            "takes cheapest (every carton at the least cost) or fixed (the "
                                            "containers available)"));
            },
            inLanguage("与 --mode fleet 一起：cheapest 以最低总费用装完所有纸箱（默认）；fixed 在现有集装箱中尽量多装",
                       "with --mode fleet: cheapest loads every carton at the least total cost (default); fixed "
                       "loads as much as fits into the containers available"))
        ->type_name("cheapest|fixed");
    verb.add_option("--max-blocks", options.maxBlockNum,
                    inLanguage("按套装载的块数上限（默认 6）", "the sets planner's block limit (default 6)"))
        ->type_name(integerName())
        ->check(wholeNumberCheck(1, INT32_MAX, inLanguage("至少为 1", "at least 1"),
                                 inLanguage("须为至少为 1 的整数", "needs a whole number of at least 1")));
    verb.add_option_function<double>(
            "--time-limit", [&options](const double& seconds) { options.timeLimit = seconds; },
            inLanguage("秒数（可带小数）；按套装载到时停止且没有方案，尽量多装（默认 2）、多个集装箱（默认 10）和托盘"
                       "（默认 10）到时给出已找到的最好方案",
                       "seconds (decimals allowed); the sets planner stops without a plan, the load-max planner "
                       "(default 2), several containers (default 10) and pallets (default 10) keep the best plan found"))
        ->type_name(inLanguage("秒", "SECONDS"))
        ->check(CLI::Validator(
            [](std::string& text) {
              double value = 0;
              const char* end = text.data() + text.size();
              const auto [stop, error] = std::from_chars(text.data(), end, value);
              if (text.empty() || error != std::errc() || stop != end || !(value > 0) || value > 86400)
                return inLanguage("须为大于 0 的秒数（至多 86400）", "needs a number of seconds above 0 (at most 86400)");
              return std::string();
            },
            inLanguage("大于 0，至多 86400", "above 0, at most 86400")));
  }
  if (groups & kSpacingOption) {
    verb.add_option_function<std::string>(
            "--spacing",
            [&options](const std::string& text) {
              const std::vector<std::int64_t> values = spacingValues(text);
              options.spacingL = static_cast<std::int32_t>(values[0]);
              options.spacingW = static_cast<std::int32_t>(values[1]);
              options.spacingH = static_cast<std::int32_t>(values[2]);
            },
            inLanguage("纸箱之间沿长、宽、高方向的间隙，毫米（默认：项目自己的）",
                       "mm between cartons along the length, width and height (default: the project's)"))
        ->type_name("L,W,H")
        ->check(CLI::Validator(
            [](std::string& text) {
              return spacingValues(text).size() == 3
                         ? std::string()
                         : inLanguage("须为三个不小于 0 的整数毫米值 L,W,H", "needs three whole millimetre values L,W,H");
            },
            inLanguage("三个不小于 0 的整数", "three whole numbers, 0 or more")));
  }
  if (groups & (kPlanOptions | kCheckOptions)) {
    verb.add_option_function<std::int32_t>(
            "--support",
            [&options](const std::int32_t& percent) {
              options.supportPercent = percent;
              options.supportGiven = true;
            },
            inLanguage("每个纸箱底面须压在下方物体上的比例，%（尽量多装默认 100；check 默认取方案自己的）",
                       "the share of each carton's base, in %, that must rest on what is below (load-max "
                       "planner: default 100; check: default the plan's own)"))
        ->type_name(integerName())
        ->check(wholeNumberCheck(0, 100, "0-100",
                                 inLanguage("须为 0 到 100 的整数百分比", "needs a whole percentage from 0 to 100")));
  }
  if (groups & kJsonOption)
    verb.add_flag("--json", options.json, inLanguage("以一个 JSON 对象打印报告", "print the report as one JSON object"));
  if (groups & kRuleCostsOption)
    verb.add_flag("--rule-costs", options.ruleCosts,
                  inLanguage("再按每条装箱规则各算一次（不设该规则），报告它让方案少装多少",
                             "plan again once per cargo rule, without it, and report what the rule costs the plan"));
  if (groups & kFolderOption) {
    verb.add_option_function<std::string>(
            "--dir",
            [&options](const std::string& text) {
              if (text.empty()) refuse("--dir", inLanguage("须给出文件夹", "needs a folder"));
              options.folder = text;
            },
            inLanguage("方案写入的文件夹（默认：文档文件夹中的 Cargolyx）",
                       "where the plan goes (default: Cargolyx in the documents folder)"))
        ->type_name(inLanguage("文件夹", "DIR"));
    verb.add_option_function<std::string>(
            "--pdf",
            [&options](const std::string& text) {
              if (text.empty()) refuse("--pdf", inLanguage("须给出文件名", "needs a file name"));
              options.pdfFile = text;
            },
            inLanguage("同时把方案写成 PDF（几个集装箱时每个集装箱从新的一页开始）", "write the plan as a PDF as well (several containers: each from a new page)"))
        ->type_name("OUT.pdf");
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
