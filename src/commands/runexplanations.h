#pragma once
// The plain lines the window adds below the Run command's specified questions and
// messages, saying in numbers what they mean. The specified texts stay as they are.

#include <string>

struct ProjectInput;

// When the cartons are more than the container takes: "纸箱总体积 45.20 立方米，集装箱容积
// 74.00 立方米；纸箱总重 30000.00 千克，最大载重 26000.00 千克。" (the weights only when the
// cartons have any).
std::string cargoAgainstContainerText(const ProjectInput& project);
// Below the question before a sets run that may load several sets: the entered cartons are
// one set, and the run loads as many whole sets as fit (at most computeMaxSets of them).
std::string setsMeaningText(const ProjectInput& project);
