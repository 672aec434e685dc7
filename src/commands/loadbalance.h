#pragma once
// The words for the weight and balance of a loaded container (engine/balance.h).

#include <string>

#include "engine/balance.h"

// "装载重量：8500.00千克（最大载重的42.50%）"; without a maximum load only the weight.
std::string loadedWeightText(const LoadBalance& balance);
// "重心：距里端5900mm，距左壁1150mm，离地1225mm，偏离中心：纵向偏门口12mm，横向居中", or
// that the weights of the named cartons are missing. Empty when nothing is loaded.
std::string centreOfGravityText(const LoadBalance& balance);
