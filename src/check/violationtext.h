#pragma once
// A broken rule in words for the user, in the program's language: the rule, the cartons
// it concerns by index, type name and position, and by how much with its unit.

#include <string>

#include "check/plancheck.h"

namespace check {

// The input is the one the violation was found in.
std::string describeViolation(const Violation& violation, const CheckInput& input);

}  // namespace check
