#pragma once
// The project a verb works on: a project file, or a packing list (.csv) with the container
// given by --container L,W,H,KG.

#include <optional>
#include <string>

#include "model/container.h"

struct FillScheme;

// True when the file name ends in ".csv", in any letter case.
bool isPackingListName(const std::string& path);

// The container of --container L,W,H,KG, checked as the container dialog checks it;
// nothing, after a message on stderr, for anything else.
std::optional<Container> parseContainerOption(const std::string& text);

// True when --container was given exactly for a packing list; otherwise false after a
// message on stderr.
bool containerFitsInput(const std::string& path, const std::optional<Container>& container);

// Reads the project at path into project: a project file, or a packing list with the
// container (see containerFitsInput). False after a message on stderr when the file
// cannot be read or is not a valid project or packing list.
bool readInputProject(const std::string& path, const std::optional<Container>& container, FillScheme& project);
