#include "check/pallettext.h"

#include <cstdio>

#include "check/violationtext.h"
#include "check/wording.h"
#include "model/language.h"

namespace check {
namespace {

// "托盘 #3（EUR）" or "pallet #3 (EUR)".
std::string palletName(const NestedPlan& plan, std::size_t pallet) {
  const std::string kind = pallet < plan.pallets.size() ? plan.pallets[pallet].kind.name : std::string("?");
  return says("托盘 #" + std::to_string(pallet) + "（" + kind + "）", "pallet #" + std::to_string(pallet) + " (" + kind + ")");
}

std::string position(std::int64_t x, std::int64_t y, std::int64_t z) {
  return says("位于 x " + std::to_string(x) + "，y " + std::to_string(y) + "，z " + std::to_string(z),
              "at x " + std::to_string(x) + ", y " + std::to_string(y) + ", z " + std::to_string(z));
}

std::string typeName(const NestedPlan& plan, std::int32_t type) {
  return type >= 0 && static_cast<std::size_t>(type) < plan.types.size() ? plan.types[static_cast<std::size_t>(type)].name
                                                                          : std::string("?");
}

// "纸箱#12（纸箱1，位于 x 0，y 0，z 600）" for a carton of the list.
std::string cartonName(const NestedPlan& plan, const std::vector<PlacedCarton>& cartons, std::size_t i) {
  if (i >= cartons.size()) return says("纸箱#?", "carton #?");
  const PlacedCarton& c = cartons[i];
  const std::string place = typeName(plan, c.type) + says("，", " ") + position(c.x, c.y, c.z);
  return says("纸箱#" + std::to_string(i) + "（" + place + "）", "carton #" + std::to_string(i) + " (" + place + ")");
}

// An item of a container: a loose carton, or a placed pallet with its place.
std::string itemName(const NestedPlan& plan, const NestedContainer& container, std::size_t item) {
  if (item < container.cartons.size()) return cartonName(plan, container.cartons, item);
  const std::size_t k = item - container.cartons.size();
  if (k >= container.pallets.size()) return says("托盘 #?", "pallet #?");
  const PlacedPallet& placed = container.pallets[k];
  const std::size_t pallet = placed.pallet < 0 ? plan.pallets.size() : static_cast<std::size_t>(placed.pallet);
  const std::string kind = pallet < plan.pallets.size() ? plan.pallets[pallet].kind.name : std::string("?");
  return says("托盘 #" + std::to_string(placed.pallet) + "（" + kind + "，" + position(placed.x, placed.y, placed.z) + "）",
              "pallet #" + std::to_string(placed.pallet) + " (" + kind + " " + position(placed.x, placed.y, placed.z) + ")");
}

std::string item(const NestedPlan& plan, const NestedContainer& container, const std::vector<std::size_t>& items,
                 std::size_t which) {
  return which < items.size() ? itemName(plan, container, items[which]) : std::string("?");
}

std::string containerPrefix(std::size_t c) {
  return says("集装箱 " + std::to_string(c + 1) + "：", "container " + std::to_string(c + 1) + ": ");
}

// A rule of a plan broken on a built pallet.
std::string onPallet(const NestedViolation& v, const NestedPlan& plan) {
  const std::size_t k = v.index;
  const std::string where = palletName(plan, k) + says("上：", ": ");
  if (k >= plan.pallets.size()) return where;
  const BuiltPallet& pallet = plan.pallets[k];
  if (v.plan.rule == Rule::Outside) {
    const std::string carton = cartonName(plan, pallet.cartons, v.plan.cartons.empty() ? pallet.cartons.size() : v.plan.cartons[0]);
    return where + says(carton + "超出托盘的装载范围（含允许的外伸）或低于托盘面 " + whole(v.plan.amount) + " mm",
                        carton + " reaches " + whole(v.plan.amount) +
                            " mm outside the pallet's loading area (its allowed overhang included) or below its deck");
  }
  // The cartons in pallet coordinates, as the plan gives them.
  CheckInput input = palletCheckInput(plan, k);
  input.cartons = pallet.cartons;
  return where + describeViolation(v.plan, input);
}

// A rule of a plan broken in a container where a pallet is concerned.
std::string inContainer(const NestedViolation& v, const NestedPlan& plan, const NestedContainer& container) {
  const std::vector<std::size_t>& items = v.plan.cartons;
  const std::string a = item(plan, container, items, 0), b = item(plan, container, items, 1);
  const std::string amount = whole(v.plan.amount);
  switch (v.plan.rule) {
    case Rule::Outside:
      return says(a + "超出集装箱 " + amount + " mm", a + " reaches " + amount + " mm outside the container");
    case Rule::Overlap:
      return says(a + "与" + b + "重叠 " + amount + " mm", a + " and " + b + " overlap by " + amount + " mm");
    case Rule::Zone:
      return says("靠后区域的" + a + "比靠前区域的" + b + "早 " + amount + " mm 开始",
                  a + " of a later zone starts " + amount + " mm before " + b + " of an earlier zone");
    case Rule::Support: {
      const std::string carried = twoDecimals(plan.supportPercent - v.plan.amount) + "%";
      const std::string most = std::to_string(plan.supportPercent) + "%";
      return says(a + "的底面只有 " + carried + " 压在下方货物上，要求至少 " + most,
                  a + " rests on what is below with " + carried + " of its base, short of the " + most + " required");
    }
    default:
      return describeViolation(v.plan, containerCheckInput(plan, v.index));
  }
}

}  // namespace

std::string describeNestedViolation(const NestedViolation& v, const NestedPlan& plan) {
  const std::string amount = whole(v.amount);
  const std::size_t k = v.index;
  const BuiltPallet* pallet = v.level == Level::Pallet && k < plan.pallets.size() ? &plan.pallets[k] : nullptr;
  const NestedContainer* container =
      v.level == Level::Container && k < plan.containers.size() ? &plan.containers[k] : nullptr;
  const auto itemText = [&](std::size_t which) {
    return container ? item(plan, *container, v.items, which) : std::string("?");
  };
  switch (v.rule) {
    case PalletRule::Plan:
      if (v.level == Level::Pallet) return onPallet(v, plan);
      if (v.level == Level::Container && container) {
        bool palletConcerned = false;
        for (const std::size_t i : v.plan.cartons) palletConcerned = palletConcerned || i >= container->cartons.size();
        // The centre and the axles were weighed with every carton where it stands.
        const bool weighed = v.plan.rule == Rule::CentreAlongLength || v.plan.rule == Rule::CentreAcross ||
                             v.plan.rule == Rule::CentreHeight || v.plan.rule == Rule::AxleLoad;
        return containerPrefix(k) +
               (palletConcerned ? inContainer(v, plan, *container)
                                : describeViolation(v.plan, weighed ? containerMassInput(plan, k)
                                                                    : containerCheckInput(plan, k)));
      }
      {
        // The count over the whole plan: every pallet's cartons, then every container's.
        CheckInput all;
        all.types = plan.types;
        all.setCount = 1;
        for (const BuiltPallet& p : plan.pallets) all.cartons.insert(all.cartons.end(), p.cartons.begin(), p.cartons.end());
        for (const NestedContainer& c : plan.containers) all.cartons.insert(all.cartons.end(), c.cartons.begin(), c.cartons.end());
        return says("整个方案：", "the whole plan: ") + describeViolation(v.plan, all);
      }
    case PalletRule::TooHigh: {
      const std::int32_t most = pallet ? pallet->kind.maxHeight : 0;
      return says(palletName(plan, k) + "高 " + whole(most + v.amount) + " mm，超出最大高度 " + std::to_string(most) + " mm 共 " +
                      amount + " mm",
                  palletName(plan, k) + " is " + whole(most + v.amount) + " mm high, " + amount + " mm over its maximum of " +
                      std::to_string(most) + " mm");
    }
    case PalletRule::TooHeavy: {
      const double most = pallet ? pallet->kind.maxGrossWeight : 0;
      return says(palletName(plan, k) + "毛重 " + twoDecimals(most + v.amount) + " kg，超出最大毛重 " + twoDecimals(most) +
                      " kg 共 " + twoDecimals(v.amount) + " kg",
                  palletName(plan, k) + " weighs " + twoDecimals(most + v.amount) + " kg gross, " + twoDecimals(v.amount) +
                      " kg over its maximum gross weight of " + twoDecimals(most) + " kg");
    }
    case PalletRule::StatedHeight:
      return says(palletName(plan, k) + "标明的高度与实际高度相差 " + amount + " mm",
                  palletName(plan, k) + ": the height the plan states is " + amount + " mm off its built height");
    case PalletRule::StatedWeight:
      return says(palletName(plan, k) + "标明的毛重与实际毛重相差 " + twoDecimals(v.amount) + " kg",
                  palletName(plan, k) + ": the gross weight the plan states is " + twoDecimals(v.amount) +
                      " kg off its cartons and tare");
    case PalletRule::WrongPallet: {
      const std::string carton = pallet ? cartonName(plan, pallet->cartons, v.items.empty() ? 0 : v.items[0]) : "?";
      return says(palletName(plan, k) + "上的" + carton + "不应装在这种托盘上",
                  palletName(plan, k) + ": " + carton + " does not go onto this pallet type");
    }
    case PalletRule::StatedSize:
      return containerPrefix(k) + says(itemText(0) + "标明的尺寸与其底座和纸箱相差 " + amount + " mm",
                                       itemText(0) + ": the size the plan states is " + amount +
                                           " mm off its base and cartons");
    case PalletRule::UnknownPallet:
      return containerPrefix(k) + says("方案中没有托盘 #" + amount, "the plan has no pallet #" + amount);
    case PalletRule::OnCartons:
      return containerPrefix(k) + says(itemText(0) + "压在散装的" + itemText(1) + "上；托盘只能放在地板或托盘上",
                                       itemText(0) + " stands on the loose " + itemText(1) +
                                           "; a pallet stands on the floor or on pallets only");
    case PalletRule::NotCarried:
      return containerPrefix(k) + says(itemText(0) + "的底面有 " + twoDecimals(v.amount) + "% 没有压在下方的托盘上",
                                       itemText(0) + " has " + twoDecimals(v.amount) + "% of its base not on pallets below");
    case PalletRule::NotStackable:
      return containerPrefix(k) + says(itemText(1) + "压在不可堆叠的" + itemText(0) + "上",
                                       itemText(1) + " stands on " + itemText(0) + ", which may not be stacked on");
    case PalletRule::LoadOnTop: {
      const std::size_t placed = v.items.empty() || !container ? 0 : v.items[0] - container->cartons.size();
      const std::int32_t index = container && placed < container->pallets.size() ? container->pallets[placed].pallet : -1;
      const double most = index >= 0 && static_cast<std::size_t>(index) < plan.pallets.size()
                              ? plan.pallets[static_cast<std::size_t>(index)].kind.maxLoadOnTop
                              : 0;
      return containerPrefix(k) + says(itemText(0) + "上方承重 " + twoDecimals(most + v.amount) + " kg，超出允许的 " +
                                           twoDecimals(most) + " kg 共 " + twoDecimals(v.amount) + " kg",
                                       itemText(0) + " bears " + twoDecimals(most + v.amount) + " kg on top, " +
                                           twoDecimals(v.amount) + " kg over the " + twoDecimals(most) + " kg it may bear");
    }
    case PalletRule::ForkSide:
      return containerPrefix(k) + says(itemText(0) + "朝向门口的一侧不能插入叉车",
                                       itemText(0) + " faces the door with a side a forklift may not enter");
    case PalletRule::NotOnPallet:
      return containerPrefix(k) + says(itemText(0) + "应装在托盘上，却散装装入",
                                       itemText(0) + " is loaded loose but goes onto a pallet");
    case PalletRule::NotPlaced: {
      const std::size_t p = v.items.empty() ? plan.pallets.size() : v.items[0];
      return says(palletName(plan, p) + "没有装入任何集装箱", palletName(plan, p) + " stands in no container");
    }
    case PalletRule::PlacedTwice: {
      const std::size_t p = v.items.empty() ? plan.pallets.size() : v.items[0];
      return says(palletName(plan, p) + "被多装了 " + amount + " 次", palletName(plan, p) + " is placed " + amount +
                                                                         " more times than once");
    }
  }
  return {};
}

std::string nestedReportText(const NestedReport& report, const NestedPlan& plan) {
  if (report.holds()) return inLanguage("计划符合全部规则。\n", "The plan holds.\n");
  std::string text;
  for (const NestedViolation& v : report.violations) text += describeNestedViolation(v, plan) + "\n";
  if (report.stoppedEarly) {
    const std::string most = std::to_string(report.violations.size());
    text += says("仅列出前 " + most + " 处违规，可能还有更多。\n",
                 "Only the first " + most + " broken rules are listed; there may be more.\n");
  }
  return text;
}

}  // namespace check
