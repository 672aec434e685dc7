#include "commands/runexplanations.h"

#include "commands/statistics.h"
#include "model/language.h"
#include "model/projectinput.h"

namespace {

double cartonWeight(const ProjectInput& project) {
  double weight = 0;
  for (const Carton& carton : project.cartons) weight += carton.count * carton.weight;
  return weight;
}

}  // namespace

std::string cargoAgainstContainerText(const ProjectInput& project) {
  std::string text = inLanguage("纸箱总体积 ", "The cartons take ") + formatTwoDecimals(project.netVolume() * 1e-9) +
                     inLanguage(" 立方米，集装箱容积 ", " cubic metres, the container holds ") +
                     formatTwoDecimals(project.container.volume() * 1e-9) + inLanguage(" 立方米", " cubic metres");
  const double weight = cartonWeight(project);
  if (weight > 0)
    text += inLanguage("；纸箱总重 ", "; they weigh ") + formatTwoDecimals(weight) +
            inLanguage(" 千克，最大载重 ", " kg, the container carries ") +
            std::to_string(project.container.maxWeight) + inLanguage(" 千克", " kg");
  return text + inLanguage("。", ".");
}

std::string setsMeaningText(const ProjectInput& project) {
  const std::int64_t entered = project.cartonTotal();
  const std::int32_t sets = project.computeMaxSets();
  std::string text = inLanguage("即：输入的 ", "That is: the ") + std::to_string(entered) +
                     inLanguage(" 箱为一套，计算将装入集装箱能装下的最多整套", " cartons entered make one set, and "
                                "the calculation loads as many whole sets as fit");
  if (sets >= 2)
    text += inLanguage("（按体积和重量最多 ", " (by volume and weight at most ") + std::to_string(sets) +
            inLanguage(" 套，即 ", " sets, ") + std::to_string(entered * sets) + inLanguage(" 箱）", " cartons)");
  return text + inLanguage("。", ".");
}
