#pragma once
// The words for the weight and balance of a loaded container (engine/balance.h).

#include <string>

#include "engine/balance.h"

// "装载重量：8500.00千克（最大载重的42.50%）"; without a maximum load only the weight.
std::string loadedWeightText(const LoadBalance& balance);
// "重心：距里端5900mm，距左壁1150mm，离地1225mm，偏离中心：纵向偏门口12mm，横向居中", or
// that the weights of the named cartons are missing. Empty when nothing is loaded. With a
// balance window, whether the centre lies inside it follows: "，在重心范围内".
std::string centreOfGravityText(const LoadBalance& balance);

// The axle loads at departure, each against its maximum: "轴荷：前轴 5200/7100千克，后轴
// 9800/11500千克"; when an axle is over at any moment, the worst overload follows:
// "；卸下“上海”的货物后前轴超载 120.00千克". project names the stops.
std::string axleLoadText(const AxleLoads& loads, const ProjectInput& project);
// "出发时" or "卸下“上海”的货物后": the moment of a state of the axle loads.
std::string axleStateText(const AxleState& state, const ProjectInput& project);
