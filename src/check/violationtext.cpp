#include "check/violationtext.h"

#include <algorithm>
#include <cstdio>

#include "model/language.h"

namespace check {
namespace {

// The Chinese or the English sentence, after the program's language.
std::string says(const std::string& chinese, const std::string& english) {
  return inLanguage(chinese.c_str(), english.c_str());
}

std::string twoDecimals(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.2f", value);
  return text;
}

// Whole millimetres, cartons and layers are whole numbers in every amount.
std::string whole(double value) { return std::to_string(static_cast<long long>(value)); }

std::string typeName(const CheckInput& input, std::int32_t type) {
  if (type < 0 || static_cast<std::size_t>(type) >= input.types.size()) return "?";
  return input.types[static_cast<std::size_t>(type)].name;
}

// "#12（纸箱1，位于 x 0，y 0，z 600）" or "#12 (纸箱1 at x 0, y 0, z 600)".
std::string carton(const CheckInput& input, const Violation& v, std::size_t which) {
  if (which >= v.cartons.size() || v.cartons[which] >= input.cartons.size()) return "#?";
  const std::size_t i = v.cartons[which];
  const PlacedCarton& c = input.cartons[i];
  std::string text = "#";
  text += std::to_string(i);
  text += inLanguage("（", " (");
  text += typeName(input, c.type);
  text += inLanguage("，位于 x ", " at x ");
  text += std::to_string(c.x);
  text += inLanguage("，y ", ", y ");
  text += std::to_string(c.y);
  text += inLanguage("，z ", ", z ");
  text += std::to_string(c.z);
  text += inLanguage("）", ")");
  return text;
}

const CartonType* typeOfFirst(const CheckInput& input, const Violation& v) {
  if (v.cartons.empty() || v.cartons.front() >= input.cartons.size()) return nullptr;
  const std::int32_t t = input.cartons[v.cartons.front()].type;
  if (t < 0 || static_cast<std::size_t>(t) >= input.types.size()) return nullptr;
  return &input.types[static_cast<std::size_t>(t)];
}

}  // namespace

std::string describeViolation(const Violation& v, const CheckInput& input) {
  const std::string a = carton(input, v, 0), b = carton(input, v, 1);
  const std::string amount = whole(v.amount);
  const CartonType* type = typeOfFirst(input, v);
  switch (v.rule) {
    case Rule::UnknownType: {
      const std::string i = v.cartons.empty() ? "?" : std::to_string(v.cartons[0]);
      return says("纸箱#" + i + "的纸箱类型 " + amount + " 不存在",
                  "carton #" + i + " has the carton type " + amount + ", which does not exist");
    }
    case Rule::Outside:
      return says("纸箱" + a + "超出集装箱 " + amount + " mm",
                  "carton " + a + " reaches " + amount + " mm outside the container");
    case Rule::Overlap:
      return says("纸箱" + a + "与纸箱" + b + "重叠 " + amount + " mm",
                  "carton " + a + " and carton " + b + " overlap by " + amount + " mm");
    case Rule::Extents: {
      const PlacedCarton& c = input.cartons[v.cartons.at(0)];
      const std::string size = std::to_string(c.sizeX) + "×" + std::to_string(c.sizeY) + "×" +
                               std::to_string(c.sizeZ) + " mm";
      return says(
          "纸箱" + a + "的尺寸 " + size + " 与其长、宽、高不符",
          "carton " + a + " measures " + size + ", which are not its length, width and height");
    }
    case Rule::Orientation: {
      const std::string up = std::to_string(input.cartons[v.cartons.at(0)].sizeY) + " mm";
      return says("纸箱" + a + "以 " + up + " 的边竖直摆放，该纸箱不允许这样放",
                  "carton " + a + " stands on its " + up + " edge, which it may not have vertical");
    }
    case Rule::OnLyingCarton:
      return says("纸箱" + b + "位于躺放的纸箱" + a + "上方",
                  "carton " + b + " lies above the lying carton " + a);
    case Rule::LyingLayers: {
      const std::int32_t allowed = type ? type->lyingLayers : 0;
      const std::string layer = whole(allowed + v.amount), most = std::to_string(allowed);
      return says("纸箱" + a + "是第 " + layer + " 层躺放，超出允许的 " + most + " 层",
                  "carton " + a + " is lying layer " + layer + ", beyond the " + most + " allowed");
    }
    case Rule::Count: {
      const std::int64_t allowed = type ? allowedCount(*type, input.setCount) : 0;
      const std::string name = type ? type->name : "?";
      const std::string loaded = std::to_string(allowed + static_cast<std::int64_t>(v.amount));
      const std::string most = std::to_string(allowed);
      return says(
          name + "装入 " + loaded + " 箱，比允许的 " + most + " 箱多 " + amount + " 箱",
          name + ": " + loaded + " loaded, " + amount + " more than the " + most + " allowed");
    }
    case Rule::Weight: {
      const double limit = input.container.maxWeight;
      const std::string loaded = twoDecimals(limit + v.amount) + " kg";
      const std::string over = twoDecimals(v.amount) + " kg", most = twoDecimals(limit) + " kg";
      return says("装载重量 " + loaded + "，超出最大载重 " + most + " 共 " + over,
                  "the load weighs " + loaded + ", " + over + " over the maximum load of " + most);
    }
    case Rule::Zone:
      return says("靠后区域的纸箱" + a + "比靠前区域的纸箱" + b + "早 " + amount + " mm 开始",
                  "carton " + a + " of a later zone starts " + amount + " mm before carton " + b +
                      " of an earlier zone");
    case Rule::Support: {
      const std::int32_t required = std::clamp(input.supportPercent, 0, 100);
      const std::string carried = twoDecimals(required - v.amount) + "%";
      const std::string most = std::to_string(required) + "%";
      return says("纸箱" + a + "的底面只有 " + carried + " 压在下方纸箱上，要求至少 " + most,
                  "carton " + a + " rests on what is below with " + carried + " of its base, " +
                      "short of the " + most + " required");
    }
  }
  return {};
}

std::string checkReportText(const CheckReport& report, const CheckInput& input) {
  if (report.holds()) return inLanguage("计划符合全部规则。\n", "The plan holds.\n");
  std::string text;
  for (const Violation& v : report.violations) {
    text += describeViolation(v, input);
    text += "\n";
  }
  if (report.stoppedEarly) {
    const std::string most = std::to_string(report.violations.size());
    text += says("仅列出前 " + most + " 处违规，可能还有更多。\n",
                 "Only the first " + most + " broken rules are listed; there may be more.\n");
  }
  return text;
}

}  // namespace check
