#pragma once
// Why each carton type a plan left behind stayed behind, with the rule or limit that
// stopped it: larger than the container, over the maximum load, or one more carton of it
// would break not stackable / load on top / fragile / the stop order / the balance window
// / an axle; else no room was left for it.

#include <string>
#include <vector>

#include "commands/leftovers.h"

struct ProjectInput;
struct LoadedContainer;
struct ProjectResult;

struct LeftoverReason {
  // A stable English key: "larger-than-container", "max-load", "not-stackable",
  // "load-on-top", "fragile", "stop-order", "balance", "axle" or "no-room".
  std::string rule;
  std::string text;  // the same in the program's language

  bool operator==(const LeftoverReason&) const = default;
};

// The reason for each leftover, in the leftovers' order, judged against the loaded
// container with the support the result promises. A carton that fits the container in no
// way it may stand is larger than it; one whose weight the container's load no longer
// allows is over the maximum load; otherwise one more carton is tried in the free places
// of the plan (on the floor or on tops carrying it, against the walls and the loaded
// cartons; a bounded number of them, from the floor up, so that a large plan takes a
// moment only), some of them judged by the plan checker: the rule that stops the place it
// comes nearest to keeping is named, and where no place is free, or one keeps every rule
// (the search did not reach it), no room was left.
std::vector<LeftoverReason> leftoverReasons(const ProjectInput& project, const ProjectResult& result,
                                            const LoadedContainer& loaded, const std::vector<Leftover>& leftovers);
// The reasons the lists give beside the leftovers: those of a plan of one container that
// loads as many as fit (for its leftovers, in their order); none for any other plan.
std::vector<LeftoverReason> listedLeftoverReasons(const ProjectInput& project, const ProjectResult& result,
                                                  const std::vector<Leftover>& leftovers);
// The words of each reason, in order.
std::vector<std::string> reasonTexts(const std::vector<LeftoverReason>& reasons);
// The words for a reason's key; empty for an unknown key.
std::string leftoverReasonText(const std::string& rule);
