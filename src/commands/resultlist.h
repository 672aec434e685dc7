#pragma once
// The rows of the result list: one per result block, then the totals row, then one row per
// carton type the result left behind. Shared by the window's list and the command line's
// table.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "commands/leftoverreasons.h"
#include "commands/leftovers.h"
#include "model/projectinput.h"
#include "model/projectresult.h"

// The columns: block number, carton, orientation, vertex, arrangement, cartons loaded,
// weight.
inline constexpr std::size_t kResultColumnCount = 7;
// Column captions, in the current language.
std::array<std::string, kResultColumnCount> resultColumns();
// The indexes of the loaded container's blocks in a loader's order (engine/loadingorder.h),
// stop by stop (the last stop first) where the plan allows: the steps of the step slider.
std::vector<std::size_t> loadingSteps(const ProjectInput& project, const LoadedContainer& loaded);
// The caption of the result list's stop column: "目的地".
std::string stopColumnCaption();
// The colour (packed 0x00BBGGRR) the view paints a stop's cartons in when it colours by
// stop: hues and saturations of their own, so that no stop looks like a carton's own colour
// in any of the view's shades. Past the last, the colours come round again.
std::uint32_t stopColour(std::size_t stop);

// Small image of the totals row.
inline constexpr int kTotalsImageIndex = 11;

enum class ResultRowKind { Block, Totals, Leftover };

struct ResultRow {
  std::array<std::string, kResultColumnCount> texts;  // 块号, 包装箱, 放置方向, 顶点坐标, 码放方式, 装箱数量, 重量(kg)
  std::string stop;  // 目的地: the carton's stop; empty without stops and on the totals row
  int imageIndex = 0;  // material + 1 for a block or a leftover, 11 for the totals row
  ResultRowKind kind = ResultRowKind::Block;

  bool operator==(const ResultRow&) const = default;
};

// One row per block of the loaded container: "1", cartonName, orientation text, "x,y,z", "nx×ny×nz＝capacity",
// count, the block's weight ("960.00"; empty when its carton has no weight); then the totals
// row: "", "合计", "", "", "", the summed count, the loaded weight with its share of the
// maximum load ("8500.00（42.50%）"; empty without blocks); then per carton type not loaded in
// full: "", its name, "未装入" (with its reason when reasons hold one for each leftover:
// "未装入：会违反“不可堆叠”"), "", "", the cartons not loaded, "".
// The totals row's index is the number of blocks. A block or leftover row names its
// carton's stop when the project lists stops.
std::vector<ResultRow> resultRows(const ProjectInput& project, const LoadedContainer& loaded,
                                  const std::vector<Leftover>& leftovers,
                                  const std::vector<LeftoverReason>& reasons = {});
