#include "view3d/extensions.h"

#include <algorithm>

bool extensionListContains(std::string_view list, std::string_view name) {
  if (name.empty()) return false;
  std::size_t start = 0;
  while (start < list.size()) {
    const std::size_t end = std::min(list.find(' ', start), list.size());
    if (list.substr(start, end - start) == name) return true;
    start = end + 1;
  }
  return false;
}
