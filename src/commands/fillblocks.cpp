#include "commands/fillblocks.h"

#include <cstdint>
#include <limits>

#include "commands/statistics.h"
#include "model/fillscheme.h"
#include "model/language.h"

namespace {

// The blocks of the one loaded container the fill command works on; none without a result.
const std::vector<BlockScheme>& blocksOf(const FillScheme& project) {
  static const std::vector<BlockScheme> none;
  return project.result.empty() ? none : project.result.containers.front().blocks;
}

ResultStatistics statisticsOf(const FillScheme& project) {
  return project.result.empty() ? ResultStatistics{}
                                 : resultStatistics(project.input(), project.result.containers.front());
}

int rowCount(const FillScheme& project) { return static_cast<int>(blocksOf(project).size()) + 1; }

int totalsRow(const FillScheme& project) { return static_cast<int>(blocksOf(project).size()); }

// The one selected row when exactly one valid row is selected, else -1.
int singleSelectedRow(const FillScheme& project, const std::vector<int>& selectedRows) {
  if (selectedRows.size() != 1) return -1;
  const int row = selectedRows.front();
  return row >= 0 && row < rowCount(project) ? row : -1;
}

bool isFull(const BlockScheme& block) { return block.count >= block.capacity(); }

std::int32_t clampToInt32(long long value) {
  if (value > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(value);
}

// Raises the block to its full grid and its carton type by the same number.
long long fill(FillScheme& project, BlockScheme& block) {
  const long long added = block.capacity() - block.count;
  if (added <= 0) return 0;
  block.count = clampToInt32(block.capacity());
  const auto index = block.cartonIndex;
  if (index >= 0 && static_cast<std::size_t>(index) < project.cartons.size()) {
    Carton& carton = project.cartons[static_cast<std::size_t>(index)];
    carton.count = clampToInt32(carton.count + added);
  }
  return added;
}

}  // namespace

FillDecision decideFill(const FillScheme& project, const std::vector<int>& selectedRows) {
  const ResultStatistics statistics = statisticsOf(project);
  if (statistics.loadedCount == 0) return FillDecision::NoResult;
  if (statistics.loadedCount == statistics.capacityCount) return FillDecision::NothingToFill;
  if (statistics.setCount != 1) return FillDecision::SeveralSets;
  const int row = singleSelectedRow(project, selectedRows);
  if (rowCount(project) <= 1 || row < 0) return FillDecision::NoSingleSelection;
  return row == totalsRow(project) ? FillDecision::FillAllBlocks : FillDecision::FillOneBlock;
}

std::string fillMessage(FillDecision decision) {
  switch (decision) {
    case FillDecision::NoResult:
      return inLanguage("没有运算结果可供操作，请先进行运算。",
                        "There is no result to work on; please calculate first.");
    case FillDecision::NothingToFill:
      return inLanguage("可装纸箱总数和实装纸箱总数已经相等，无需进行填充。",
                        "Every block already holds as many cartons as it can; there is nothing to fill.");
    case FillDecision::SeveralSets:
      return inLanguage("您现在的运行结果为多套装箱，因纸箱数有比例要求，不能填充剩余的空间。",
                        "The current result loads several sets whose carton counts keep their "
                        "proportions; the remaining space cannot be filled.");
    case FillDecision::NoSingleSelection:
      return inLanguage("填充操作未执行。若要对某块进行填充，请选择单个块，要填充所有块请选择合计数据。",
                        "Nothing was filled. To fill a block, select that block; to fill all "
                        "blocks, select the totals row.");
    case FillDecision::FillOneBlock:
    case FillDecision::FillAllBlocks:
      break;
  }
  return {};
}

std::string fillAllQuestion() {
  return inLanguage("本操作将填充所有未填满的块，确定吗？", "This fills every block that is not full. Continue?");
}

std::string blockAlreadyFullMessage() {
  return inLanguage("您选择的块中可装箱数和实装箱数已经相等，无需进行填充。",
                    "The selected block already holds as many cartons as it can; there is nothing to fill.");
}

bool fillBlock(FillScheme& project, std::size_t index) {
  if (project.result.empty()) return false;
  std::vector<BlockScheme>& blocks = project.result.containers.front().blocks;
  if (index >= blocks.size()) return false;
  return fill(project, blocks[index]) > 0;
}

long long fillAllBlocks(FillScheme& project) {
  long long added = 0;
  if (project.result.empty()) return added;
  for (BlockScheme& block : project.result.containers.front().blocks) added += fill(project, block);
  return added;
}

bool canFillSelection(const FillScheme& project, const std::vector<int>& selectedRows) {
  const ResultStatistics statistics = statisticsOf(project);
  if (statistics.setCount != 1 || rowCount(project) <= 1) return false;
  const int row = singleSelectedRow(project, selectedRows);
  if (row < 0) return false;
  if (row == totalsRow(project)) return statistics.loadedCount != statistics.capacityCount;
  return !isFull(blocksOf(project)[static_cast<std::size_t>(row)]);
}

std::string fleetFillMessage() {
  return inLanguage("多个集装箱的方案按输入的纸箱选定集装箱，不提供填充。",
                    "A plan of several containers chooses the containers for the cartons entered; it offers no "
                    "filling.");
}

std::string loadMaxFillMessage() {
  return inLanguage("当前方案按“尽量多装”计算，已装入所有能装下的纸箱，无需进行填充。",
                    "This plan loads as many cartons as fit already; there is nothing to fill.");
}
