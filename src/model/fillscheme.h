#pragma once
// The loading project as a document: what the user entered (its ProjectInput: the
// container, the carton types, the spacing) and the result of its last calculation.

#include "model/projectresult.h"
#include "model/projectinput.h"

struct FillScheme : ProjectInput {
  ProjectResult result;  // empty until a calculation, and again after any change of the input

  const ProjectInput& input() const { return *this; }
  ProjectInput& input() { return *this; }

  bool operator==(const FillScheme&) const = default;
};

