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
