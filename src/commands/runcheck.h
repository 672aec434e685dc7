#pragma once
// The checks of the Run command before a calculation starts: refuse, ask, or go. A cargo
// rule a planner does not keep is never accepted and ignored: the run is refused naming it.

#include <string>
#include <vector>

#include "model/cargorules.h"
#include "model/planningmode.h"

struct ProjectInput;

enum class PreRunCheck {
  Go,              // run without a question
  NoCartons,       // refused: no cartons entered (the window also refreshes the result list)
  TooManySets,     // refused: the container holds too many cartons
  OverWeight,      // refused: not one set within the weight limit
  DoesNotFit,      // refused: not one set fits
  MixedUnderHalf,  // refused: under half full with position requirements
  AskUnderHalf,    // asks: under half full, calculate whole sets?
  AskUnder85,      // asks: under 85 % full, calculate anyway?
  RulesNotKept,    // refused: the project sets cargo rules the sets planner does not keep
};

// Most complete sets a calculation may aim at; more means the cartons are too small or
// the container too large.
inline constexpr int kMaxRunnableSets = 20000;

// Decides what the Run command does with the project (its computeMaxSets and fill, and the
// cargo rules it sets).
PreRunCheck checkBeforeRun(const ProjectInput& project);
// One of the two questions: the user is asked, and No stops the run.
bool isQuestion(PreRunCheck check);
// True for the refusals: the run does not start.
bool isRefusal(PreRunCheck check);
// Refusals because the cartons are more than the container takes, by volume or weight:
// loading as many as fit is worth offering instead.
bool isTooMuchCargo(PreRunCheck check);
// Refusals after which loading as many as fit is offered: too much cargo, and rules the
// sets planner does not keep.
bool offersLoadMax(PreRunCheck check);
// The text of a refusal or question; empty for Go.
std::string preRunMessage(PreRunCheck check);
// The same for this project: a refusal for rules not kept names them.
std::string preRunMessage(PreRunCheck check, const ProjectInput& project);

// Whether the planner keeps the cargo rule in its plans. Neither keeps any yet: a project
// that sets one is refused rather than planned without it.
bool plannerKeeps(PlanningMode planner, CargoRule rule);
// The rules the project sets that the planner does not keep, in cargoRulesInUse order.
std::vector<CargoRule> rulesNotKept(const ProjectInput& project, PlanningMode planner);
// Refuses a load-max run of a project whose rules it does not keep, naming them; empty
// when it keeps every rule the project sets.
std::string loadMaxRulesMessage(const ProjectInput& project);
// The same for the several-containers planner.
std::string fleetRulesMessage(const ProjectInput& project);
// Shown when a calculation that was not cancelled loaded nothing.
std::string nothingLoadedMessage();
// Refuses a load-max run in a container with no inside.
std::string emptyContainerMessage();
