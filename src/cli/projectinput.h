#pragma once
// The project a verb works on: a project file (.pak or .clyx), or a packing list (.csv)
// with the container given by --container L,W,H,KG.

#include <string>

struct CliOptions;
struct FillScheme;

// True when the file name ends in ".csv", in any letter case.
bool isPackingListName(const std::string& path);

// Reads the project of the options into project: a project file, or a packing list with
// its container. False after a message on stderr when the file cannot be read or is not a
// valid project or packing list.
bool readInputProject(const CliOptions& options, FillScheme& project);
