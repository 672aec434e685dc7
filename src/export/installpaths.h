#pragma once
// Where the program finds the files it ships with. In a build folder they lie beside the
// executable; once installed, the drawing library is in a private library folder and the
// template in the program's data folder, both found relative to the executable's folder
// (bin/ -> ../lib/cargolyx/, ../share/cargolyx/ for the usual layout), so an installed tree
// can be moved to another prefix as a whole.

#include <string>
#include <string_view>

#include "platform/programfolder.h"
#include "platform/userfolders.h"

// The installed folders relative to the executable's folder, without a trailing '/':
// "../lib/cargolyx" and "../share/cargolyx" for the usual layout.
std::string_view installedLibraryFolder();
std::string_view installedDataFolder();

// The full path of the shipped file name: in programFolder when it is there, else in the
// folder relativeFolder taken from programFolder. When it is in neither, the installed path,
// so that a message about the missing file names where it belongs.
std::string shippedFilePath(const std::string& programFolder, std::string_view relativeFolder,
                            std::string_view name);

// libboxpic.so, the drawing library of the plan export.
std::string drawingLibraryPath(const std::string& programFolder = ::programFolder());
// The template's file name in the program's language: "template.htm" for Chinese,
// "template_en.htm" for English.
std::string_view planTemplateName();
// The template of the exported plan (planTemplateName()): the user's own in userFolder first
// (one they edited), then the one beside the program, then the installed one. Empty when
// there is none of them: the export then uses the template built into the program.
std::string planTemplatePath(const std::string& programFolder = ::programFolder(),
                             const std::string& userFolder = userDataFolder());
