#include "commands/resultcheck.h"

#include "check/pallettext.h"
#include "check/projectplan.h"
#include "check/violationtext.h"
#include "model/language.h"

namespace {

constexpr std::size_t kLinesShown = 5;

}  // namespace

namespace {

// A pallet result, both levels: the cartons on each pallet, the pallets and loose cartons
// in each container, and the plan as a whole.
std::string palletResultViolations(const FillScheme& project) {
  const check::NestedPlan plan = check::nestedPlanOfResult(project, project.result);
  const check::NestedReport report = check::checkNestedPlan(plan);
  std::string text;
  for (std::size_t i = 0; i < report.violations.size() && i < kLinesShown; ++i)
    text += check::describeNestedViolation(report.violations[i], plan) + "\n";
  if (report.violations.size() > kLinesShown)
    text += inLanguage("另有 ", "and ") + std::to_string(report.violations.size() - kLinesShown) +
            inLanguage(" 处违反规则", " more broken rules") + "\n";
  return text;
}

}  // namespace

std::string resultViolations(const FillScheme& project) {
  if (project.result.mode == PlanningMode::Pallets) return palletResultViolations(project);
  std::string text;
  std::size_t shown = 0, more = 0;
  for (std::size_t i = 0; i < project.result.containers.size(); ++i) {
    const check::CheckInput input =
        check::loadedContainerCheckInput(project, project.result, project.result.containers[i]);
    const check::CheckReport report = check::checkPlan(input);
    for (const check::Violation& violation : report.violations) {
      if (shown == kLinesShown) {
        ++more;
        continue;
      }
      const std::string where = project.result.containers.size() > 1
                                    ? inLanguage("集装箱 ", "container ") + std::to_string(i + 1) + inLanguage("：", ": ")
                                    : std::string();
      text += where + check::describeViolation(violation, input) + "\n";
      ++shown;
    }
  }
  // Over several containers, no carton is loaded twice.
  if (project.result.containers.size() > 1) {
    check::CheckInput all = check::projectCheckInput(project, 0, 1);
    for (const LoadedContainer& container : project.result.containers) {
      const std::vector<check::PlacedCarton> cartons = check::cartonsOfBlocks(container.blocks);
      all.cartons.insert(all.cartons.end(), cartons.begin(), cartons.end());
    }
    for (const check::Violation& violation : check::checkCounts(all).violations) {
      if (shown == kLinesShown) {
        ++more;
        continue;
      }
      text += inLanguage("所有集装箱合计：", "over all containers: ") + check::describeViolation(violation, all) + "\n";
      ++shown;
    }
  }
  if (more > 0)
    text += inLanguage("另有 ", "and ") + std::to_string(more) + inLanguage(" 处违反规则", " more broken rules") + "\n";
  return text;
}

std::string brokenPlanMessage(const std::string& violations) {
  return inLanguage("内部错误：计算得到的装箱方案违反了装箱规则，因此不予显示。请将项目文件发给开发者。\n",
                    "Internal error: the calculated plan breaks the loading rules and is not shown. Please "
                    "send the project file to the developers.\n") +
         violations;
}

std::string brokenSavedPlanMessage(const std::string& violations) {
  return inLanguage("文件中保存的装箱方案违反了装箱规则，已打开项目但舍去该方案，请重新计算。\n",
                    "The plan saved in the file breaks the loading rules; the project is opened without it. "
                    "Please calculate again.\n") +
         violations;
}

std::string filledPlanMessage(const std::string& violations) {
  return inLanguage("填充后的装箱方案违反了以下装箱规则：\n", "After filling, the plan breaks these loading rules:\n") +
         violations;
}
