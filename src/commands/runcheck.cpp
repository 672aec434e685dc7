#include "commands/runcheck.h"

#include "model/projectinput.h"
#include "model/planningmode.h"
#include "model/language.h"

PreRunCheck checkBeforeRun(const ProjectInput& project) {
  const std::int32_t maxSets = project.computeMaxSets();
  if (project.cartons.empty()) return PreRunCheck::NoCartons;
  if (!rulesNotKept(project, PlanningMode::Sets).empty()) return PreRunCheck::RulesNotKept;
  if (maxSets > kMaxRunnableSets) return PreRunCheck::TooManySets;
  if (maxSets == -1) return PreRunCheck::OverWeight;
  if (maxSets <= 0) return PreRunCheck::DoesNotFit;
  const double ratio = project.volumeRatio();
  if (project.hasMixedSpaceIndex() && ratio <= 0.5) return PreRunCheck::MixedUnderHalf;
  if (ratio > 0.2 && ratio <= 0.5) return PreRunCheck::AskUnderHalf;
  if (ratio > 0.5 && ratio < 0.85) return PreRunCheck::AskUnder85;
  return PreRunCheck::Go;
}

bool isQuestion(PreRunCheck check) {
  return check == PreRunCheck::AskUnderHalf || check == PreRunCheck::AskUnder85;
}

bool isRefusal(PreRunCheck check) { return check != PreRunCheck::Go && !isQuestion(check); }

bool isTooMuchCargo(PreRunCheck check) {
  return check == PreRunCheck::DoesNotFit || check == PreRunCheck::OverWeight;
}

bool offersLoadMax(PreRunCheck check) { return isTooMuchCargo(check) || check == PreRunCheck::RulesNotKept; }

bool plannerKeeps(PlanningMode, CargoRule) { return false; }

std::vector<CargoRule> rulesNotKept(const ProjectInput& project, PlanningMode planner) {
  std::vector<CargoRule> rules;
  for (const CargoRule rule : cargoRulesInUse(project))
    if (!plannerKeeps(planner, rule)) rules.push_back(rule);
  return rules;
}

std::string fleetRulesMessage(const ProjectInput& project) {
  const std::vector<CargoRule> rules = rulesNotKept(project, PlanningMode::Fleet);
  if (rules.empty()) return {};
  return inLanguage("多个集装箱的计算暂不能遵守本项目设定的装箱规则：",
                    "Loading several containers cannot keep these loading rules of the project yet: ") +
         cargoRuleNames(rules) +
         inLanguage("。请取消这些规则后再进行计算。", ". Please clear them, then calculate.");
}

std::string preRunMessage(PreRunCheck check, const ProjectInput& project) {
  if (check != PreRunCheck::RulesNotKept) return preRunMessage(check);
  const std::string names = cargoRuleNames(rulesNotKept(project, PlanningMode::Sets));
  return inLanguage("按套装载的计算不能遵守本项目设定的装箱规则：", "Loading by sets cannot keep the loading rules this project sets: ") +
         names + inLanguage("。", ".");
}

std::string loadMaxRulesMessage(const ProjectInput& project) {
  const std::vector<CargoRule> rules = rulesNotKept(project, PlanningMode::LoadMax);
  if (rules.empty()) return {};
  return inLanguage("“尽量多装”的计算暂不能遵守本项目设定的装箱规则：",
                    "Loading as many as fit cannot keep these loading rules of the project yet: ") +
         cargoRuleNames(rules) +
         inLanguage("。请取消这些规则后再进行计算。", ". Please clear them, then calculate.");
}

std::string preRunMessage(PreRunCheck check) {
  switch (check) {
    case PreRunCheck::Go:
      return "";
    case PreRunCheck::NoCartons:
      return inLanguage("您没有输入纸箱数据，请输入纸箱数据后再进行计算。",
                        "No cartons are entered; please enter cartons, then calculate.");
    case PreRunCheck::TooManySets:
      return inLanguage(
          "可容纳箱子数过多。可能是您给定的箱子尺寸过小，也可能是容器尺寸过大，请修改相应尺寸再进行计算。",
          "The container holds too many cartons: the cartons may be too small or the container "
          "too large. Please change the sizes, then calculate.");
    case PreRunCheck::OverWeight:
      return inLanguage(
          "因总重量超重，该集装箱无法装下给定的纸箱系列，请调整相应数据再进行计算。",
          "The cartons are too heavy for this container. Please change the data, then calculate.");
    case PreRunCheck::DoesNotFit:
      return inLanguage(
          "该集装箱无法装下给定的纸箱系列，请确认您输入的集装箱与纸箱的尺寸和重量数据是否正确。",
          "The container cannot hold these cartons. Please check the sizes and weights of the "
          "container and the cartons.");
    case PreRunCheck::MixedUnderHalf:
      return inLanguage(
          "您所输入的纸箱净体积不足集装箱的50%，同时又有特殊的货物空间要求，系统无法直接计算总套数，请直接输入预计的箱数进行计算。",
          "The cartons fill less than 50% of the container and have position requirements, so "
          "the number of sets cannot be calculated. Please enter the expected carton counts, "
          "then calculate.");
    case PreRunCheck::AskUnderHalf:
      return inLanguage(
          "您所输入的纸箱净体积不足集装箱的50%，系统将以此纸箱数据为单位，计算集装箱能够容纳的总套数，是否开始计算？",
          "The cartons fill less than 50% of the container. The program will take them as one "
          "set and calculate how many sets the container holds. Start the calculation?");
    case PreRunCheck::RulesNotKept:
      return inLanguage("按套装载的计算不能遵守本项目设定的装箱规则。",
                        "Loading by sets cannot keep the loading rules this project sets.");
    case PreRunCheck::AskUnder85:
      return inLanguage(
          "您所输入的纸箱净体积不足集装箱的85%，可能无法得到满意的结果，是否开始计算？",
          "The cartons fill less than 85% of the container; the result may not be satisfying. "
          "Start the calculation?");
  }
  return "";
}

std::string nothingLoadedMessage() {
  return inLanguage("该集装箱无法装下给定的纸箱系列，您可能需要调整纸箱尺寸或减少纸箱数量。",
                    "The container cannot hold these cartons; you may need to change the carton "
                    "sizes or load fewer cartons.");
}

std::string emptyContainerMessage() {
  return inLanguage("集装箱的内部尺寸为零，无法装箱，请输入集装箱的长、宽、高。",
                    "The container's inner size is zero and holds nothing; please enter its "
                    "length, width and height.");
}
