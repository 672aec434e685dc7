#pragma once
// A broken rule of a pallet plan in words, in the program's language: where it lies (a
// pallet, a container, the whole plan), the rule, the pallets and cartons it concerns by
// index, type and position, and by how much.

#include <string>

#include "check/palletcheck.h"

namespace check {

// The plan is the one the violation was found in.
std::string describeNestedViolation(const NestedViolation& violation, const NestedPlan& plan);

// The whole report: that the plan holds, or one line per broken rule, and a last line when
// the checker stopped listing. Every line ends in a line break.
std::string nestedReportText(const NestedReport& report, const NestedPlan& plan);

}  // namespace check
