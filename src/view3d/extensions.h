#pragma once
// Whole-word search in an OpenGL extension string.

#include <string_view>

// True when name equals one of the blank-separated words of list; a prefix of an
// extension's name does not match, nor does an empty name.
bool extensionListContains(std::string_view list, std::string_view name);
