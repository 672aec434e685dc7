#include "commands/optionform.h"

#include <algorithm>

#include "commands/entrycheck.h"

OptionEntry spacingEntryOf(const Settings& s) {
  return {std::to_string(s.spacingL), std::to_string(s.spacingW), std::to_string(s.spacingH), {}};
}

OptionEntry optionEntryOf(const Settings& s) {
  OptionEntry entry = spacingEntryOf(s);
  entry.maxBlockNum = std::to_string(std::min(s.maxBlockNum, kMaxShownBlockNum));
  return entry;
}

OptionCheck checkOptionEntry(const OptionEntry& entry, const ContainerLibrary& library) {
  auto spacingL = readCheckedInteger(entry.spacingL);
  auto spacingW = readCheckedInteger(entry.spacingW);
  auto spacingH = readCheckedInteger(entry.spacingH);
  if (!spacingL || !spacingW || !spacingH) return {inputProblemMessage(), {}};
  // No plan can be made of fewer than one block.
  auto maxBlockNum = readCheckedInteger(entry.maxBlockNum);
  if (!maxBlockNum || *maxBlockNum < 1) return {inputProblemMessage(), {}};
  auto containers = library.containers();
  if (!containers) return {inputProblemMessage(), {}};

  OptionValues values{*spacingL, *spacingW, *spacingH, *maxBlockNum, std::move(*containers), {}};
  if (library.selected()) values.projectContainer = values.library[*library.selected()];
  return {{}, std::move(values)};
}

void applyOptions(const OptionValues& values, Settings& settings, FillScheme& project) {
  if (values.projectContainer) project.container = *values.projectContainer;
  settings.containers = values.library;
  settings.spacingL = values.spacingL;
  settings.spacingW = values.spacingW;
  settings.spacingH = values.spacingH;
  settings.maxBlockNum = values.maxBlockNum;
  project.spacingL = values.spacingL;
  project.spacingW = values.spacingW;
  project.spacingH = values.spacingH;
}
