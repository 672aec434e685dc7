#pragma once
// The example projects shipped in examples/, defined in code.

#include <string>
#include <vector>

#include "model/fillscheme.h"

struct ExampleProject {
  std::string fileName;  // e.g. "demo.pak"
  FillScheme project;
};

std::vector<ExampleProject> exampleProjects();
