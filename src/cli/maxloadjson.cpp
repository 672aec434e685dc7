#include "cli/maxloadjson.h"

#include "cli/jsonwriter.h"

namespace {

std::string placementJson(const MaxLoadPlacement& p) {
  return JsonObject()
      .addInteger("x", p.x)
      .addInteger("y", p.y)
      .addInteger("z", p.z)
      .addInteger("sizeX", p.sizeX)
      .addInteger("sizeY", p.sizeY)
      .addInteger("sizeZ", p.sizeZ)
      .addInteger("cartonIndex", p.cartonIndex)
      .addInteger("block", p.block)
      .str(",", "");
}

}  // namespace

std::string maxLoadJson(const MaxLoadReport& report, const MaxLoadResult& result,
                        const std::vector<std::string>& cartonNames, const std::string& balance) {
  std::vector<std::string> blocks, placements, leftovers;
  for (const BlockScheme& b : result.blocks) blocks.push_back(blockJson(b));
  for (const MaxLoadPlacement& p : result.placements) placements.push_back(placementJson(p));
  for (std::size_t i = 0; i < result.leftovers.size(); ++i) {
    if (result.leftovers[i] <= 0) continue;
    leftovers.push_back(JsonObject()
                            .addInteger("cartonIndex", static_cast<std::int64_t>(i))
                            .addText("cartonName", i < cartonNames.size() ? cartonNames[i] : "")
                            .addInteger("count", result.leftovers[i])
                            .str(",", ""));
  }
  const std::string centre = JsonObject()
                                 .addNumber("x", result.centreX)
                                 .addNumber("y", result.centreY)
                                 .addNumber("z", result.centreZ)
                                 .str(",", "");
  return JsonObject()
      .addText("status", report.status)
      .addText("message", report.message)
      .addText("question", "")
      .addInteger("maxSets", report.maxSets)
      .addText("mode", "max")
      .addJson("blocks", jsonArray(blocks, ",\n            "))
      .addInteger("loadedCount", report.loadedCount)
      .addInteger("capacityCount", report.capacityCount)
      .addInteger("setCount", 0)
      .addNumber("loadedVolume", report.loadedVolume)
      .addNumber("fillRatio", report.fillRatio)
      .addNumber("netRatio", report.netRatio)
      .addJson("placements", jsonArray(placements, ",\n                "))
      .addJson("leftovers", jsonArray(leftovers, ",\n               "))
      .addNumber("loadedWeight", result.loadedWeight)
      .addJson("centreOfGravity", centre)
      .addJson("timedOut", result.timedOut ? "true" : "false")
      .addJson("balance", balance)
      .str(",\n ", " ");
}
