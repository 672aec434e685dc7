#pragma once
// The Open and Save commands' messages, and which dropped files the window opens.

#include <string>
#include <string_view>
#include <vector>

#include "model/fillscheme.h"
#include "model/projectfile.h"
#include "model/settings.h"

// A new project as the settings make it: the default container, the settings' spacings,
// no cartons, no result.
FillScheme newProject(const Settings& settings);

// Shown when a project file cannot be read.
std::string openFailedMessage();
// Shown when a project file cannot be opened, telling apart a missing or unreadable file,
// a file that is no project, a damaged one (what is wrong and where), one of a newer
// format and one that needs features this program does not know.
std::string openFailedMessage(const OpenFailure& failure);
// Asked when a project is saved as .pak but holds names that format cannot, several
// container types, or pallets: Yes saves it as .clyx instead.
std::string pakCannotHoldQuestion(const std::vector<std::string>& names, std::size_t containerTypes = 0,
                                  bool pallets = false);
// Asked when a project is saved as .pak but sets cargo rules (model/cargorules.h) that
// format cannot hold: Yes saves it as .clyx instead.
std::string pakCannotHoldRulesQuestion();
// The question for everything in the project a .pak cannot hold: names, container types,
// pallets, or else the cargo rules.
std::string pakCannotHoldQuestion(const ProjectInput& input);
// Asked when a project with a plan is saved as .pak, which keeps the container and the
// cartons only: Yes saves it as .clyx instead, No saves the .pak without the plan.
std::string pakDropsPlanQuestion();
// Shown when a project file cannot be written.
std::string saveFailedMessage();
// Asked when Save meets a read-only file: Yes saves under another name.
std::string readOnlySaveAsQuestion();
// A dropped file is opened when its name ends in ".pak" or ".clyx", in any letter case.
bool isProjectFileName(std::string_view name);
