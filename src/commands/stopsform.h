#pragma once
// The rules of the stops dialog "送货顺序": the project's delivery stops in delivery order,
// moved up and down and removed on a working list, then stored in the project.

#include <cstddef>
#include <string>
#include <vector>

struct ProjectInput;

// Moves the stop at index one place up (toward the first delivered) or down; false when
// there is no such stop or it is already at that end.
bool moveStop(std::vector<std::string>& stops, std::size_t index, bool up);
// Removes the stop at index; false when there is none.
bool removeStop(std::vector<std::string>& stops, std::size_t index);

// Stores the edited stops in the project: a carton whose stop is no longer listed goes to
// the last stop. False when nothing changes.
bool applyStops(ProjectInput& project, const std::vector<std::string>& stops);
