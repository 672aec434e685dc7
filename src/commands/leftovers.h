#pragma once
// The cartons a calculation left behind: per carton type, the entered count less the
// cartons its result blocks hold, loose and on the loaded pallets.

#include <cstdint>
#include <string>
#include <vector>

struct ProjectInput;
struct ProjectResult;

struct Leftover {
  int cartonIndex = -1;  // position in the project's cartons
  std::string name;
  std::int64_t count = 0;  // cartons not loaded, > 0

  bool operator==(const Leftover&) const = default;
};

// The carton types of which fewer were loaded than entered, over all loaded containers,
// in the carton list's order; empty when there is no result or everything entered was
// loaded.
std::vector<Leftover> leftoverCartons(const ProjectInput& project, const ProjectResult& result);
// "未装入：微波炉 3 箱，冰箱 5 箱（共 8 箱）"; empty for no leftovers. With a reason for each
// leftover (leftoverreasons.h), each names it: "微波炉 3 箱（没有剩余空间）".
std::string leftoverStatusText(const std::vector<Leftover>& leftovers, const std::vector<std::string>& reasons = {});
// The message after a run that left cartons behind, with the reasons as above; empty for
// no leftovers.
std::string leftoverMessage(const std::vector<Leftover>& leftovers, const std::vector<std::string>& reasons = {});
// After a sets run that loaded nothing or left cartons behind: the run's message and the
// offer to plan again loading as much as fits.
std::string planAgainQuestion(const std::string& runMessage);
