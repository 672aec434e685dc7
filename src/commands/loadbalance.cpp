#include "commands/loadbalance.h"

#include <cmath>

#include "commands/statistics.h"
#include "model/language.h"

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
         offsetText(balance.offsetAcross, kAcross);
}
