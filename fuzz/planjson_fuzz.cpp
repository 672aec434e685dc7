// Reads arbitrary bytes as a plan in the command line's JSON form. Whatever the bytes,
// reading ends with a plan or a reason, never both; a plan it accepts is checked against a
// small project of two container types, and the check ends with a refusal, a plan that holds
// or broken rules that are each put into words.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <tuple>

#include "check/planjson.h"
#include "check/projectplan.h"
#include "model/fillscheme.h"

namespace {

FillScheme smallProject() {
  FillScheme project;
  project.container = Container{"c", 6000, 2300, 2400, 1000};
  project.spacingL = 10;
  project.spacingW = 5;
  for (const auto& [name, length, width, height, count] :
       {std::tuple{"a", 600, 400, 300, 20}, std::tuple{"b", 500, 300, 200, 10}, std::tuple{"c", 100, 100, 100, 5}}) {
    Carton& carton = project.addCarton();
    carton.name = name;
    carton.length = length;
    carton.width = width;
    carton.height = height;
    carton.count = count;
    carton.weight = 12.5;
  }
  project.cartons[1].mustUp = true;
  project.cartons[1].upendLayers = 2;
  project.cartons[2].fragile = true;
  Container other = project.container;
  other.length = 3000;
  other.balance.lengthPercent = 10;
  project.fleet = {ContainerType{project.container, 1000.0, 2}, ContainerType{other, 600.0, 1}};
  return project;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const check::PlanReading reading = check::readPlanJson(std::string_view(reinterpret_cast<const char*>(data), size));
  if (reading.plan.has_value() == !reading.reason.empty()) std::abort();
  if (!reading.plan) return 0;
  std::size_t cartons = 0;
  for (const check::PlanContainer& c : reading.plan->containers) cartons += c.cartons.size() + c.pallets.size();
  for (const check::PlanPallet& p : reading.plan->pallets) cartons += p.cartons.size();
  if (cartons > 20000) return 0;
  static const FillScheme project = smallProject();
  const check::PlanVerdict verdict = check::checkProjectPlan(project, *reading.plan);
  if (!verdict.refusal.empty() && !verdict.broken.empty()) std::abort();
  for (const std::string& line : verdict.broken)
    if (line.empty()) std::abort();
  if (check::planVerdictText(verdict).empty()) std::abort();
  return 0;
}
