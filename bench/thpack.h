#pragma once
// Published container-loading instances (OR-Library "thpack" format, see data/README.md)
// as loading projects.

#include <optional>
#include <string>

#include "model/fillscheme.h"

// Instance number (1-based) of a thpack file as a project. Dimensions are multiplied by
// scale to give millimetres; a box that may stand only on its height is kept upright,
// any other box may lie in every direction. The boxes carry no weight. Counts are divided
// by countDivisor (at least 1 each), which makes one instance a set of several. Nothing when the
// file cannot be read or has no such instance.
std::optional<FillScheme> thpackProject(const std::string& path, int instance, int scale,
                                        bool withSeed, int countDivisor = 1);
