#pragma once
// A broken rule in words for the user, in the program's language: the rule, the cartons
// it concerns by index, type name and position, and by how much with its unit.

#include <string>

#include "check/plancheck.h"

namespace check {

// The input is the one the violation was found in.
std::string describeViolation(const Violation& violation, const CheckInput& input);

// The whole report: that the plan holds, or one line per broken rule, and a last line when
// the checker stopped listing. Every line ends in a line break.
std::string checkReportText(const CheckReport& report, const CheckInput& input);

}  // namespace check
