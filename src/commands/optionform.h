#pragma once
// The rules of the options dialog: what its boxes show, the checks made on OK and what
// OK changes in the settings and the project.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/container.h"
#include "commands/containerlibrary.h"
#include "model/fillscheme.h"
#include "model/settings.h"

// The block limit box offers 1 to this many; a larger stored limit is shown as this.
inline constexpr std::int32_t kMaxShownBlockNum = 6;

// What the boxes of the spacing page hold.
struct OptionEntry {
  std::string spacingL;
  std::string spacingW;
  std::string spacingH;
  std::string maxBlockNum;
};

// The three spacing texts of the settings.
OptionEntry spacingEntryOf(const Settings& settings);
// All four texts of the settings: the spacings and the block limit, shown as at most 6.
OptionEntry optionEntryOf(const Settings& settings);

// What an accepted OK stores.
struct OptionValues {
  std::int32_t spacingL = 0;
  std::int32_t spacingW = 0;
  std::int32_t spacingH = 0;
  std::int32_t maxBlockNum = kMaxShownBlockNum;
  std::vector<Container> library;             // every row, top to bottom
  std::optional<Container> projectContainer;  // the selected row, when one is
};

struct OptionCheck {
  std::string message;  // empty when accepted
  OptionValues values;
  bool accepted() const { return message.empty(); }
};

// Checks the spacings, then the block limit (a whole number of at least 1), then that
// every row of the library can be read.
OptionCheck checkOptionEntry(const OptionEntry& entry, const ContainerLibrary& library);

// Stores accepted values: the library, spacings and block limit in the settings; the
// spacings and the selected container in the project.
void applyOptions(const OptionValues& values, Settings& settings, FillScheme& project);
