#pragma once
// The loading project as a document: what the user entered (its ProjectInput: the
// container, the carton types, the spacing) and the result of its last calculation.

#include <optional>

#include "model/plannerchoice.h"
#include "model/projectresult.h"
#include "model/projectinput.h"

struct FillScheme : ProjectInput {
  ProjectResult result;  // empty until a calculation, and again after any change of the input
  // The planner the project is planned with; nothing for a project that never had one (a
  // .pak file), which is planned as Options say.
  std::optional<PlannerChoice> planner;

  const ProjectInput& input() const { return *this; }
  ProjectInput& input() { return *this; }

  bool operator==(const FillScheme&) const = default;
};

