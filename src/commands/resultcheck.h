#pragma once
// Every plan the window shows is first held against the rules by the plan checker
// (src/check), which shares nothing with the planners.

#include <string>

#include "model/fillscheme.h"

// The broken rules of the project's result, one line each (at most a few, then how many
// more), for each loaded container; empty when the result keeps every rule or there is none.
std::string resultViolations(const FillScheme& project);

// A calculation gave a plan that breaks a rule: an internal error, and the plan is not shown.
std::string brokenPlanMessage(const std::string& violations);
// A project file holds a plan that breaks a rule: the project opens without it.
std::string brokenSavedPlanMessage(const std::string& violations);
// Filling blocks made the plan break a rule (the fill checks no weight): what it broke.
std::string filledPlanMessage(const std::string& violations);
