#pragma once
// The statistics texts of the status bar and the exported plan, shared by the window and
// the command line.

#include <string>

#include "engine/statistics.h"
#include "model/projectinput.h"

// F(v): a value with two decimals, at least three characters ("%3.2f").
std::string formatTwoDecimals(double value);

// Statistics of the entered cartons: "已输入纸箱总数：10，总体积：0.72立方米，净装箱率1.08%".
std::string cartonStatisticsText(const ProjectInput& input);
// True when the entered cartons exceed the container by volume (the text then shows in red).
bool cartonVolumeExceedsContainer(const ProjectInput& input);

// The figures of a loaded container of the project (see engine/statistics.h).
ResultStatistics resultStatistics(const ProjectInput& input, const LoadedContainer& loaded);
// Statistics of the result: "套数：2，总箱数：20，总体积：...立方米，填充率...%，净装箱率...%"
// (the number of sets only from two sets on).
std::string resultStatisticsText(const ResultStatistics& statistics);
// What a sets plan of more than one set loads, against what was entered: "2 套 = 460 箱
// （输入 230 箱）"; empty for one set or none.
std::string setsSummaryText(const ResultStatistics& statistics, std::int64_t enteredTotal);
// The status bar's text: mode 1 the entered cartons, mode 2 the loaded container's
// result (beginning with setsSummaryText when it loads more than one set), else "OK".
std::string statisticsText(const ProjectInput& input, const LoadedContainer& loaded, int mode);
