#pragma once
// The statistics texts of the status bar, shared by the window and the command line.

#include <string>

struct FillScheme;

// F(v): a value with two decimals, at least three characters ("%3.2f").
std::string formatTwoDecimals(double value);

// Statistics of the entered cartons: "已输入纸箱总数：10，总体积：0.72立方米，净装箱率1.08%".
std::string cartonStatisticsText(const FillScheme& project);
// True when the entered cartons exceed the container by volume (the text then shows in red).
bool cartonVolumeExceedsContainer(const FillScheme& project);

// The result statistics of the blocks, stored in the project: loadedCount, capacityCount,
// setCount, loadedVolume, fillRatio and netRatio (the ratios at most 1, and 0 like
// loadedVolume when the container has no volume).
void refreshResultStatistics(FillScheme& project);
// Statistics of the result: "套数：2，总箱数：20，总体积：...立方米，填充率...%，净装箱率...%"
// (the number of sets only from two sets on).
std::string resultStatisticsText(const FillScheme& project);
// The status bar's text: mode 1 the entered cartons, mode 2 the result, else "OK".
std::string statisticsText(const FillScheme& project, int mode);
