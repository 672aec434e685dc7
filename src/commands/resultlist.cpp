#include "commands/resultlist.h"

#include <cstdint>

#include "commands/leftovers.h"
#include "commands/loadbalance.h"
#include "commands/statistics.h"
#include "engine/loadingorder.h"
#include "model/cargorules.h"
#include "model/language.h"

namespace {

// The weight of the block's cartons; empty when their type has no weight.
std::string blockWeightText(const BlockScheme& block, const ProjectInput& project) {
  if (block.cartonIndex < 0 || static_cast<std::size_t>(block.cartonIndex) >= project.cartons.size()) return {};
  const double weight = project.cartons[static_cast<std::size_t>(block.cartonIndex)].weight;
  if (!(weight > 0)) return {};
  return formatTwoDecimals(weight * block.count);
}

std::string stopOf(const ProjectInput& project, std::int32_t cartonIndex) {
  if (cartonIndex < 0 || static_cast<std::size_t>(cartonIndex) >= project.cartons.size()) return {};
  return stopNameOf(project, project.cartons[static_cast<std::size_t>(cartonIndex)]);
}

ResultRow blockRow(const BlockScheme& block, std::size_t number, const ProjectInput& project) {
  ResultRow row;
  row.texts = {std::to_string(number),
               block.cartonName,
               block.orientationText(),
               std::to_string(block.x) + "," + std::to_string(block.y) + "," + std::to_string(block.z),
               std::to_string(block.nx) + "×" + std::to_string(block.ny) + "×" +
                   std::to_string(block.nz) + "＝" + std::to_string(block.capacity()),
               std::to_string(block.count),
               blockWeightText(block, project)};
  row.imageIndex = block.material + 1;
  row.stop = stopOf(project, block.cartonIndex);
  return row;
}

ResultRow leftoverRow(const Leftover& leftover, const ProjectInput& project, const LeftoverReason* reason) {
  ResultRow row;
  std::string notLoaded = inLanguage("未装入", "Not loaded");
  if (reason != nullptr && !reason->text.empty()) notLoaded += inLanguage("：", ": ") + reason->text;
  row.texts = {"", leftover.name, notLoaded, "", "", std::to_string(leftover.count), ""};
  row.imageIndex = project.cartons[static_cast<std::size_t>(leftover.cartonIndex)].material + 1;
  row.kind = ResultRowKind::Leftover;
  row.stop = stopOf(project, leftover.cartonIndex);
  return row;
}

}  // namespace

std::vector<ResultRow> resultRows(const ProjectInput& project, const LoadedContainer& loaded,
                                  const std::vector<Leftover>& leftovers, const std::vector<LeftoverReason>& reasons) {
  std::vector<ResultRow> rows;
  rows.reserve(loaded.blocks.size() + 1 + leftovers.size());
  std::int64_t cartons = 0;
  for (const BlockScheme& block : loaded.blocks) {
    rows.push_back(blockRow(block, rows.size() + 1, project));
    cartons += block.count;
  }
  ResultRow totals;
  totals.texts = {"", inLanguage("合计", "Total"), "", "", "", std::to_string(cartons), ""};
  totals.imageIndex = kTotalsImageIndex;
  totals.kind = ResultRowKind::Totals;
  if (!loaded.blocks.empty()) {
    // The weight under the weight column; its share of the maximum load beside it.
    const LoadBalance balance = loadBalance(project.cartons, loaded);
    totals.texts[6] = formatTwoDecimals(balance.loadedWeight);
    if (balance.maxLoadShare)
      totals.texts[6] += inLanguage("（", " (") + formatTwoDecimals(*balance.maxLoadShare * 100) +
                         inLanguage("%）", "%)");
  }
  rows.push_back(totals);
  for (std::size_t i = 0; i < leftovers.size(); ++i)
    rows.push_back(leftoverRow(leftovers[i], project, reasons.size() == leftovers.size() ? &reasons[i] : nullptr));
  return rows;
}

std::vector<std::size_t> loadingSteps(const ProjectInput& project, const LoadedContainer& loaded) {
  return loadingOrder(loaded.blocks, stopGroups(project, loaded.blocks));
}

std::string stopColumnCaption() { return inLanguage("目的地", "Stop"); }

std::uint32_t stopColour(std::size_t stop) {
  // Red in the lowest byte. Orange, violet, spring green, rose, chartreuse at full
  // saturation, then a pale steel blue, sage and slate blue: the carton colours keep the
  // primary hues, ochre, azure, purple, the greys and the brown. Stops next to each other
  // differ most.
  static constexpr std::array<std::uint32_t, 8> colours = {
      0x00006EFF,  // orange
      0x00FF0080,  // violet
      0x0080FF00,  // spring green
      0x008000FF,  // rose
      0x0000FF80,  // chartreuse
      0x00C89A78,  // steel blue
      0x0078C896,  // sage
      0x00C85059,  // slate blue
  };
  return colours[stop % colours.size()];
}

std::array<std::string, kResultColumnCount> resultColumns() {
  if (currentLanguage() == Language::English)
    return {"Block", "Carton", "Orientation", "Vertex", "Arrangement", "Cartons loaded", "Weight (kg)"};
  return {"块号", "包装箱", "放置方向", "顶点坐标", "码放方式", "装箱数量", "重量(kg)"};
}
