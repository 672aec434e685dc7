// Feeds arbitrary bytes to FillScheme::loadFromStream. Whatever it accepts must be
// written back byte for byte, and a refused stream must leave the project untouched.

#include <cstdint>
#include <cstdlib>
#include <span>

#include "model/fillscheme.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FillScheme project;
  project.addCarton();
  const auto before = project.saveToStream();
  if (project.loadFromStream(std::span(data, size))) {
    const auto saved = project.saveToStream();
    if (!saved || saved->size() != size || !std::equal(saved->begin(), saved->end(), data)) std::abort();
    project.computeMaxSets();
    (void)project.volumeRatio();
    for (const Carton& c : project.cartons) (void)c.displayText();
  } else if (project.saveToStream() != before) {
    std::abort();
  }
  return 0;
}
