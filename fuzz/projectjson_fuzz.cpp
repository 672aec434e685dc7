// Feeds arbitrary bytes to the reader of format 2 project files. Whatever it accepts is
// saved and read back equal, and saved again to the same text; a refused document leaves
// the project untouched.

#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "model/fillscheme.h"
#include "model/projectjson.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FillScheme project;
  project.addCarton();
  const FillScheme before = project;
  const ProjectJsonOutcome outcome = projectFromJson(std::span(data, size), project);
  if (!outcome.ok()) {
    if (!(project == before)) std::abort();
    return 0;
  }
  const std::string saved = projectToJson(project);
  FillScheme again;
  if (!projectFromJson(std::span(reinterpret_cast<const std::uint8_t*>(saved.data()), saved.size()), again).ok())
    std::abort();
  if (!(again == project) || projectToJson(again) != saved) std::abort();
  (void)project.computeMaxSets();
  return 0;
}
