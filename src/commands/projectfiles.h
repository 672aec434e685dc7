#pragma once
// The Open and Save commands' messages, and which dropped files the window opens.

#include <string>
#include <string_view>

#include "model/fillscheme.h"
#include "model/settings.h"

// A new project as the settings make it: the default container, the settings' spacings,
// no cartons, no result.
FillScheme newProject(const Settings& settings);

// Shown when a project file cannot be read.
std::string openFailedMessage();
// Shown when a project file cannot be written.
std::string saveFailedMessage();
// Asked when Save meets a read-only file: Yes saves under another name.
std::string readOnlySaveAsQuestion();
// A dropped file is opened when its name ends in ".pak", in any letter case.
bool isProjectFileName(std::string_view name);
