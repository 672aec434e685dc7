#pragma once
// The checker's list of broken rules as it grows, up to kMaxViolations.

#include <cstddef>
#include <utility>
#include <vector>

#include "check/plancheck.h"

namespace check {

class Findings {
 public:
  // False once the list is full: the caller stops looking.
  bool add(Rule rule, std::vector<std::size_t> cartons, double amount) {
    return add(Violation{rule, std::move(cartons), amount});
  }
  bool add(Violation violation) {
    if (report_.violations.size() >= kMaxViolations) {
      report_.stoppedEarly = true;
      return false;
    }
    report_.violations.push_back(std::move(violation));
    return true;
  }
  bool full() const { return report_.stoppedEarly; }
  CheckReport take() { return std::move(report_); }

 private:
  CheckReport report_;
};

}  // namespace check
