#include "commands/resultlist.h"

#include <cstdint>

#include "commands/leftovers.h"
#include "commands/loadbalance.h"
#include "commands/statistics.h"
#include "engine/loadingorder.h"
#include "model/cargorules.h"
#include "model/language.h"

namespace {

std::string stopOf(const ProjectInput& project, std::int32_t cartonIndex) {
  if (cartonIndex < 0 || static_cast<std::size_t>(cartonIndex) >= project.cartons.size()) return {};
  return stopNameOf(project, project.cartons[static_cast<std::size_t>(cartonIndex)]);
}

ResultRow blockRow(const BlockScheme& block, std::size_t number) {
  ResultRow row;
  row.texts = {std::to_string(number),
               block.cartonName,
               block.orientationText(),
               std::to_string(block.x) + "," + std::to_string(block.y) + "," + std::to_string(block.z),
               std::to_string(block.nx) + "×" + std::to_string(block.ny) + "×" +
                   std::to_string(block.nz) + "＝" + std::to_string(block.capacity()),
               std::to_string(block.count)};
  row.imageIndex = block.material + 1;
  return row;
}

ResultRow leftoverRow(const Leftover& leftover, const ProjectInput& project) {
  ResultRow row;
  row.texts = {"", leftover.name, inLanguage("未装入", "Not loaded"), "", "", std::to_string(leftover.count)};
  row.imageIndex = project.cartons[static_cast<std::size_t>(leftover.cartonIndex)].material + 1;
  row.kind = ResultRowKind::Leftover;
  row.stop = stopOf(project, leftover.cartonIndex);
  return row;
}

}  // namespace

std::vector<ResultRow> resultRows(const ProjectInput& project, const LoadedContainer& loaded,
                                  const std::vector<Leftover>& leftovers) {
  std::vector<ResultRow> rows;
  rows.reserve(loaded.blocks.size() + 1 + leftovers.size());
  std::int64_t capacity = 0;
  std::int64_t cartons = 0;
  for (const BlockScheme& block : loaded.blocks) {
    rows.push_back(blockRow(block, rows.size() + 1));
    rows.back().stop = stopOf(project, block.cartonIndex);
    capacity += block.capacity();
    cartons += block.count;
  }
  ResultRow totals;
  totals.texts = {"", inLanguage("合计", "Total"), "", "", std::to_string(capacity), std::to_string(cartons)};
  totals.imageIndex = kTotalsImageIndex;
  totals.kind = ResultRowKind::Totals;
  if (!loaded.blocks.empty()) {
    const LoadBalance balance = loadBalance(project.cartons, loaded);
    totals.texts[2] = inLanguage("重量：", "Weight: ") + formatTwoDecimals(balance.loadedWeight) +
                      inLanguage("千克", " kg");
    if (balance.maxLoadShare)
      totals.texts[3] = inLanguage("最大载重的", "") + formatTwoDecimals(*balance.maxLoadShare * 100) +
                        inLanguage("%", "% of the maximum load");
  }
  rows.push_back(totals);
  for (const Leftover& leftover : leftovers) rows.push_back(leftoverRow(leftover, project));
  return rows;
}

std::vector<std::size_t> loadingSteps(const ProjectInput& project, const LoadedContainer& loaded) {
  return loadingOrder(loaded.blocks, stopGroups(project, loaded.blocks));
}

std::string stopColumnCaption() { return inLanguage("目的地", "Stop"); }

std::int32_t stopMaterial(std::size_t stop) { return static_cast<std::int32_t>(stop % kMaterialCount); }

std::array<std::string, 6> resultColumns() {
  if (currentLanguage() == Language::English)
    return {"Block", "Carton", "Orientation", "Vertex", "Arrangement", "Cartons loaded"};
  return {"块号", "包装箱", "放置方向", "顶点坐标", "码放方式", "装箱数量"};
}
