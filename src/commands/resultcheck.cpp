#include "commands/resultcheck.h"

#include "check/projectplan.h"
#include "model/language.h"

namespace {

constexpr std::size_t kLinesShown = 5;

}  // namespace

std::string resultViolations(const FillScheme& project) {
  if (project.result.empty()) return {};
  const check::PlanVerdict verdict = check::checkProjectPlan(project, check::planOfResult(project.result));
  if (!verdict.refusal.empty()) return verdict.refusal + "\n";
  std::string text;
  for (std::size_t i = 0; i < verdict.broken.size() && i < kLinesShown; ++i) text += verdict.broken[i] + "\n";
  if (verdict.broken.size() > kLinesShown)
    text += inLanguage("另有 ", "and ") + std::to_string(verdict.broken.size() - kLinesShown) +
            inLanguage(" 处违反规则", " more broken rules") + "\n";
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
