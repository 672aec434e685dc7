#pragma once
// Helpers of the load-max planner's tests: small inputs, and the independent check of a
// plan through the plan checker.

#include <string>
#include <vector>

#include "engine/maxload/maxload.h"
#include "plancheck.h"

inline MaxLoadType cartonType(std::int32_t length, std::int32_t width, std::int32_t height,
                              std::int32_t count, std::uint8_t verticalEdges = kEveryEdge) {
  MaxLoadType t;
  t.name = "box";
  t.length = length;
  t.width = width;
  t.height = height;
  t.count = count;
  t.verticalEdges = verticalEdges;
  return t;
}

// A container of the given inner width (x), height (y) and length (z) without a weight
// limit, searched briefly and without a time limit.
inline MaxLoadInput containerInput(std::int32_t x, std::int32_t y, std::int32_t z) {
  MaxLoadInput input;
  input.containerX = x;
  input.containerY = y;
  input.containerZ = z;
  input.maxWeight = 1e12;
  input.timeLimitSeconds = 0;
  input.effortBudget = 2000;
  return input;
}

// Every rule the plan breaks, as the independent checker sees it.
inline std::vector<std::string> brokenRules(const MaxLoadInput& input, const MaxLoadResult& r) {
  plancheck::CheckPlan plan;
  plan.width = input.containerX;
  plan.height = input.containerY;
  plan.length = input.containerZ;
  plan.gapX = input.gapX;
  plan.gapY = input.gapY;
  plan.gapZ = input.gapZ;
  plan.maxWeight = input.maxWeight;
  plan.supportPercent = input.supportPercent;
  for (const MaxLoadType& t : input.types) {
    plancheck::CheckType c;
    c.length = t.length;
    c.width = t.width;
    c.height = t.height;
    c.count = t.count;
    c.weight = t.weight;
    c.vertical = t.verticalEdges;
    c.lying = t.lyingEdges;
    c.lyingLayers = t.lyingLayers;
    c.zone = static_cast<std::int32_t>(t.zone);
    plan.types.push_back(c);
  }
  for (const MaxLoadPlacement& p : r.placements)
    plan.cartons.push_back({p.cartonIndex, p.x, p.y, p.z, p.sizeX, p.sizeY, p.sizeZ});
  return plancheck::checkPlan(plan);
}

inline std::int64_t loadedOf(const MaxLoadResult& r, std::int32_t type) {
  std::int64_t n = 0;
  for (const MaxLoadPlacement& p : r.placements) n += p.cartonIndex == type ? 1 : 0;
  return n;
}
