// Reads arbitrary bytes as a plan in the command line's JSON form. Whatever the bytes,
// reading ends with a plan or a reason, never both; a plan it accepts is checked against a
// small project, and every finding names cartons of the plan and can be put into words.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "check/planjson.h"
#include "check/violationtext.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const check::JsonPlanReading reading =
      check::readPlanJson(std::string_view(reinterpret_cast<const char*>(data), size));
  if (reading.plan.has_value() == !reading.reason.empty()) std::abort();
  if (!reading.plan || reading.plan->cartons.size() > 20000) return 0;
  check::CheckInput input;
  input.container = check::ContainerSize{2300, 2400, 6000, 1000};
  input.spacing = check::Spacing{5, 0, 10};
  input.types.resize(3);
  input.types[0] = check::CartonType{"a", 600, 400, 300, 20, 12.5};
  input.types[1] = check::CartonType{
      "b", 500, 300, 200, 10, 3, check::kEdgeH, check::kEdgeL | check::kEdgeW, 2, check::kZoneDoor};
  input.types[2] =
      check::CartonType{"c", 100, 100, 100, 5, 0, check::kEdgeH, 0, 0, check::kZoneInnerEnd};
  input.supportPercent = 70;
  input.setCount = reading.plan->setCount;
  input.cartons = reading.plan->cartons;
  const check::CheckReport report = check::checkPlan(input);
  for (const check::Violation& v : report.violations) {
    for (const std::size_t i : v.cartons)
      if (i >= input.cartons.size()) std::abort();
    if (check::describeViolation(v, input).empty()) std::abort();
  }
  return 0;
}
