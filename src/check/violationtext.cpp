#include "check/violationtext.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "check/wording.h"
#include "model/language.h"

namespace check {
namespace {

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

std::string oneDecimal(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.1f", value);
  return text;
}

// The name of stop index k: its name in quotes, or its number when the input names none.
std::string stopName(const CheckInput& input, std::int32_t k) {
  if (k >= 0 && static_cast<std::size_t>(k) < input.stops.size())
    return inLanguage("“", "\"") + input.stops[static_cast<std::size_t>(k)] + inLanguage("”", "\"");
  return inLanguage("第", "stop ") + std::to_string(k + 1) + inLanguage("站", "");
}

std::string stopOfCarton(const CheckInput& input, const Violation& v, std::size_t which) {
  if (which >= v.cartons.size() || v.cartons[which] >= input.cartons.size()) return "?";
  const std::int32_t t = input.cartons[v.cartons[which]].type;
  if (t < 0 || static_cast<std::size_t>(t) >= input.types.size()) return "?";
  return stopName(input, input.types[static_cast<std::size_t>(t)].stop);
}

std::string axleName(const CheckInput& input, std::int32_t axle) {
  const bool rigid = !input.vehicle || input.vehicle->kind == Vehicle::Kind::RigidTruck;
  if (rigid) return axle == 0 ? inLanguage("前轴", "front axle") : inLanguage("后轴", "rear axle");
  if (axle == 0) return inLanguage("牵引车前轴", "tractor front axle");
  return axle == 1 ? inLanguage("驱动轴", "drive axle") : inLanguage("挂车轴", "trailer axles");
}

// "出发时" / "at departure", or "卸下“A”的货物后" / "after stop “A” is unloaded".
std::string whenText(const CheckInput& input, std::int32_t afterStop) {
  if (afterStop < 0) return inLanguage("出发时", "at departure");
  return inLanguage("卸下", "after ") + stopName(input, afterStop) + inLanguage("的货物后", " is unloaded");
}

// The centre's offset from the middle along one axis against its window, in words.
std::string centreText(const CheckInput& input, Rule rule, double amount) {
  const std::optional<Centre> centre = centreOfGravity(input);
  const bool along = rule == Rule::CentreAlongLength;
  const double size = along ? input.container.length : input.container.width;
  const double at = centre ? (along ? centre->z : centre->x) : size / 2.0;
  const std::optional<double> percent = along ? input.balance.lengthPercent : input.balance.widthPercent;
  const double off = at - size / 2.0;
  const std::string distance = oneDecimal(std::abs(off)) + " mm", over = oneDecimal(amount) + " mm";
  const std::string allowed = "±" + oneDecimal(percent.value_or(0)) + "%（" + oneDecimal(percent.value_or(0) / 100 * size) + " mm）";
  const std::string allowedEn = "±" + oneDecimal(percent.value_or(0)) + "% (" + oneDecimal(percent.value_or(0) / 100 * size) + " mm)";
  if (along)
    return says("重心纵向偏离中心 " + distance + (off > 0 ? "（偏门口）" : "（偏里端）") + "，超出允许的 " + allowed + " 共 " + over,
                "the centre of gravity lies " + distance + (off > 0 ? " toward the door" : " toward the inner end") +
                    " from the middle, " + over + " beyond the " + allowedEn + " allowed");
  return says("重心横向偏离中心 " + distance + (off > 0 ? "（偏右）" : "（偏左）") + "，超出允许的 " + allowed + " 共 " + over,
              "the centre of gravity lies " + distance + (off > 0 ? " to the right" : " to the left") +
                  " of the middle, " + over + " beyond the " + allowedEn + " allowed");
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
    case Rule::NotStackable:
      return says("纸箱" + b + "压在不可堆叠的纸箱" + a + "上",
                  "carton " + b + " rests on carton " + a + ", which is not stackable");
    case Rule::LoadOnTop: {
      const double limit = type && type->maxLoadOnTop ? *type->maxLoadOnTop : 0;
      const std::string borne = twoDecimals(limit + v.amount) + " kg";
      const std::string over = twoDecimals(v.amount) + " kg", most = twoDecimals(limit) + " kg";
      return says("纸箱" + a + "承重 " + borne + "，超出其顶部最大承重 " + most + " 共 " + over,
                  "carton " + a + " bears " + borne + ", " + over + " over its maximum load on top of " + most);
    }
    case Rule::Fragile:
      return says("非易碎的纸箱" + b + "压在易碎的纸箱" + a + "上",
                  "carton " + b + ", which is not fragile, rests on the fragile carton " + a);
    case Rule::StopOrder:
      return says("送往" + stopOfCarton(input, v, 0) + "的纸箱" + a + "比送往更晚的" + stopOfCarton(input, v, 1) +
                      "的纸箱" + b + "早 " + amount + " mm 开始（更靠里端）",
                  "carton " + a + " for " + stopOfCarton(input, v, 0) + " starts " + amount +
                      " mm further in than carton " + b + " for the later " + stopOfCarton(input, v, 1));
    case Rule::StopBuried:
      return says("送往" + stopOfCarton(input, v, 1) + "的纸箱" + b + "压在送往更早的" + stopOfCarton(input, v, 0) +
                      "的纸箱" + a + "上",
                  "carton " + b + " for " + stopOfCarton(input, v, 1) + " rests on carton " + a +
                      " for the earlier " + stopOfCarton(input, v, 0));
    case Rule::CentreAlongLength:
    case Rule::CentreAcross:
      return centreText(input, v.rule, v.amount);
    case Rule::CentreHeight: {
      const double most = input.balance.maxHeight.value_or(0);
      const std::string height = oneDecimal(most + v.amount) + " mm";
      return says("重心离地 " + height + "，超出允许的最高 " + oneDecimal(most) + " mm 共 " + oneDecimal(v.amount) + " mm",
                  "the centre of gravity lies " + height + " above the floor, " + oneDecimal(v.amount) +
                      " mm above the highest allowed, " + oneDecimal(most) + " mm");
    }
    case Rule::AxleLoad: {
      const double most = input.vehicle && v.axle >= 0 && static_cast<std::size_t>(v.axle) < input.vehicle->maxLoad.size()
                              ? input.vehicle->maxLoad[static_cast<std::size_t>(v.axle)]
                              : 0;
      const std::string load = twoDecimals(most + v.amount) + " kg", over = twoDecimals(v.amount) + " kg";
      const std::string when = whenText(input, v.afterStop), axle = axleName(input, v.axle);
      return says(when + axle + "荷载 " + load + "，超出最大轴荷 " + twoDecimals(most) + " kg 共 " + over,
                  when + " the " + axle + " carries " + load + ", " + over + " over its maximum of " +
                      twoDecimals(most) + " kg");
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
