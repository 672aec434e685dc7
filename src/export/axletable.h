#pragma once
// The exported plan's table of axle loads: one row per moment (at departure, then after
// each stop), one column per axle with its maximum, an overloaded axle in red.

#include <functional>
#include <string>

#include "engine/balance.h"

struct ProjectInput;

// The table as HTML; empty without axle loads. escape turns the user's text (the stops'
// names) into HTML text.
std::string axleTableHtml(const AxleLoads& loads, const ProjectInput& project,
                          const std::function<std::string(const std::string&)>& escape);
