#include "commands/loadbalance.h"

#include <cmath>

#include "commands/statistics.h"
#include "model/language.h"
#include "model/projectinput.h"
#include "model/vehicle.h"

namespace {

std::string millimetres(double value) {
  return std::to_string(std::llround(value)) + inLanguage("mm", " mm");
}

// How an offset along one axis reads, in both languages.
struct OffsetWords {
  const char* centredZh;
  const char* centredEn;
  const char* positiveZh;  // before the distance
  const char* positiveEn;  // after it
  const char* negativeZh;
  const char* negativeEn;
};

std::string offsetText(double offset, const OffsetWords& words) {
  if (std::llround(offset) == 0) return inLanguage(words.centredZh, words.centredEn);
  const std::string size = millimetres(std::fabs(offset));
  if (offset > 0) return inLanguage(words.positiveZh, "") + size + inLanguage("", words.positiveEn);
  return inLanguage(words.negativeZh, "") + size + inLanguage("", words.negativeEn);
}

constexpr OffsetWords kAlongLength{"纵向居中", "centred along the length", "纵向偏门口", " toward the door",
                                   "纵向偏里端", " toward the inner end"};
constexpr OffsetWords kAcross{"横向居中", "centred across", "横向偏右", " to the right", "横向偏左", " to the left"};

std::string windowText(const LoadBalance& balance) {
  if (!balance.insideWindow) return {};
  return *balance.insideWindow ? inLanguage("，在重心范围内", "; within the balance window")
                               : inLanguage("，超出重心范围", "; outside the balance window");
}

}  // namespace

std::string loadedWeightText(const LoadBalance& balance) {
  std::string text = inLanguage("装载重量：", "Loaded weight: ") + formatTwoDecimals(balance.loadedWeight) +
                     inLanguage("千克", " kg");
  if (balance.maxLoadShare)
    text += inLanguage("（最大载重的", " (") + formatTwoDecimals(*balance.maxLoadShare * 100) +
            inLanguage("%）", "% of the maximum load)");
  return text;
}

std::string centreOfGravityText(const LoadBalance& balance) {
  if (!balance.weightlessCartons.empty()) {
    std::string names;
    for (const std::string& name : balance.weightlessCartons)
      names += (names.empty() ? "" : inLanguage("、", ", ")) + name;
    return inLanguage("重心：", "Centre of gravity: unknown, the weights of ") + names +
           inLanguage("未填写重量，无法确定", " are missing");
  }
  if (!balance.centreKnown) return {};
  return inLanguage("重心：距里端", "Centre of gravity: ") + millimetres(balance.fromInnerEnd) +
         inLanguage("，距左壁", " from the inner end, ") + millimetres(balance.fromLeftWall) +
         inLanguage("，离地", " from the left wall, ") + millimetres(balance.aboveFloor) +
         inLanguage("，偏离中心：", " above the floor; off centre: ") +
         offsetText(balance.offsetAlongLength, kAlongLength) +
         inLanguage("，", ", ") +
         offsetText(balance.offsetAcross, kAcross) + windowText(balance);
}

std::string axleStateText(const AxleState& state, const ProjectInput& project) {
  if (!state.afterStop) return inLanguage("出发时", "at departure");
  const std::size_t stop = *state.afterStop;
  const std::string name = stop < project.stops.size() ? project.stops[stop] : std::to_string(stop + 1);
  return inLanguage("卸下“", "after \"") + name + inLanguage("”的货物后", "\" is unloaded");
}

std::string axleLoadText(const AxleLoads& loads, const ProjectInput& project) {
  if (loads.states.empty()) return {};
  std::string text = inLanguage("轴荷：", "Axle loads: ");
  const std::vector<double>& departure = loads.states.front().loads;
  for (std::size_t axle = 0; axle < departure.size() && axle < loads.maxLoads.size(); ++axle) {
    if (axle > 0) text += inLanguage("，", ", ");
    text += axleName(loads.kind, axle) + " " + std::to_string(std::llround(departure[axle])) + "/" +
            std::to_string(std::llround(loads.maxLoads[axle])) + inLanguage("千克", " kg");
  }
  if (const auto over = loads.worstOverload()) {
    const std::string when = axleStateText(loads.states[over->state], project);
    text += inLanguage("；", "; ") + when + inLanguage("", " the ") + axleName(loads.kind, over->axle) +
            inLanguage("超载 ", " is ") + formatTwoDecimals(over->kg) + inLanguage("千克", " kg over");
  }
  return text;
}
