#pragma once
// The captions of the carton tree: what each number is, in the program's language.

#include <string>

#include "model/carton.h"
#include "model/container.h"
#include "model/containertype.h"

// "电视机 1100×300×700 mm × 40 箱，25 kg" (the weight only when it is entered).
std::string cartonCaption(const Carton& carton);
// "40尺高柜 12030×2350×2690 mm，最大载重 26000 kg"
std::string containerCaption(const Container& container);
// A container type of several containers: "… kg，最多 3 个，费用 1700" (count and cost
// only when entered).
std::string containerTypeCaption(const ContainerType& type);
