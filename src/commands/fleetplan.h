#pragma once
// The several-containers planner behind the calculation call, and its words: what stops a
// run before it starts, and the summary of a plan (containers by type, cost, the bound,
// what is left).

#include <string>
#include <vector>

#include "commands/calculate.h"

struct FillScheme;
struct FleetInput;
struct ProjectInput;

// What stops a run of the several-containers planner before it starts: no cartons, a
// container type without room, cartons no container type takes (loading every carton),
// a container type without an available count (loading a fixed fleet). Empty: it may run.
std::string fleetRefusal(const CalculationRequest& request);
// Loading only the containers available needs every type's count: the refusal naming the
// types without one, empty when all have it.
std::string uncountedFleetMessage(const std::vector<ContainerType>& types);

// Every container type has an available count of 0: the refusal saying no container is
// available; empty otherwise.
std::string noContainerAvailableMessage(const std::vector<ContainerType>& types);
// An order that would need more than the planner's most containers: the refusal naming
// that number and the containers it needs at least; empty when it needs no more.
std::string tooManyContainersMessage(const FleetInput& input);

// Runs the planner on the request and puts its answer into the report.
void planFleetInto(const CalculationRequest& request, CancelToken& token, CalculationReport& report);

// "4 × 40尺高柜，1 × 20尺柜；费用 7400；至少需要 5 个集装箱，费用至少 7200": the containers by
// type, the total cost and the bound. Empty without a several-containers result.
std::string fleetSummaryText(const FillScheme& project);
// Why each carton type of the project cannot be loaded at all, one per carton type:
// "fits-no-container", "heavier-than-every-container", or empty when some container type
// takes it (a carton of it left behind found no room).
std::vector<std::string> unfitReasonCodes(const ProjectInput& input);
// The same in words, for the cartons left behind, as one container's reasons put them:
// "比每一种集装箱都大，怎样放置都装不下", "超过每一种集装箱的最大载重", and for "no-room"
// "没有剩余空间"; empty for an empty code.
std::string unfitReasonText(const std::string& code);

// The caption of a loaded container's tab: "1 · 40尺高柜".
std::string loadedContainerCaption(const FillScheme& project, std::size_t index);
