#pragma once
// The rules of the carton dialog: what its boxes show for a carton, the checks made on
// OK in their order with their messages, and the carton an accepted entry gives.

#include <cstdint>
#include <string>
#include <vector>

#include "model/carton.h"
#include "model/fillscheme.h"

// The smallest carton edge the dialog accepts, mm.
inline constexpr std::int32_t kMinCartonEdge = 30;

// The colour box's items: the names of the colours 0-9, in order.
const std::vector<std::string>& materialNames();
// The position box's item texts, in order.
const std::vector<std::string>& spaceItemTexts();

// The position box's items by index.
enum SpaceItem : int { kItemNoRequirement = 0, kItemInner = 1, kItemDoor = 2 };
// Item 1 = 0, item 2 = 200, item 0 and any other item = 100.
std::int32_t spaceIndexOfItem(int item);
// 0 = item 1, 200 = item 2, any other value = item 0.
int itemOfSpaceIndex(std::int32_t spaceIndex);

// What the dialog's boxes hold.
struct CartonEntry {
  std::string name;
  std::string length;  // empty for a size of 0 or less
  std::string width;
  std::string height;
  std::string count;
  std::string upendLayers;  // "0" while the carton need not stay upright
  std::string weight;
  bool mustUp = false;
  int material = 0;   // colour box item
  int spaceItem = 0;  // position box item, -1 when none is chosen
  bool stackable = true;     // 可堆叠
  std::string maxLoadOnTop;  // 顶部最大承重, kg; empty: no limit
  bool fragile = false;      // 易碎
  std::string stop;          // 目的地: a stop's name; empty: the last stop
};

// The boxes for a carton when the dialog opens.
CartonEntry cartonEntryOf(const Carton& carton);

// The box a refused entry is refused for.
enum class CartonField { None, Name, Numbers, Length, Width, Height, Count, Weight, Position, LoadOnTop, Stop, Volume };

// The outcome of OK: the message to show, or the carton to store.
struct CartonCheck {
  std::string message;  // empty when the entry was accepted
  Carton carton;        // the edited carton with the entry's values, when accepted
  CartonField field = CartonField::None;  // what was refused
  bool accepted() const { return message.empty(); }
};

// Checks the entry for `edited`, a carton of `project`, in the dialog's order: the
// name, the numbers, each edge, the count, the weight, the position, the load on top, the
// stop's name, and, when the planner loads whole sets into one container (volumeCapped),
// the volume left in the container. In new mode the carton was added just before, with
// its default size.
CartonCheck checkCartonEntry(const FillScheme& project, const Carton& edited, bool newMode,
                             const CartonEntry& entry, bool volumeCapped = true);

// The same checks on one carton alone, without the volume left in a container: for a
// packing list, whose cartons need not all fit. `base` gives what the entry does not hold.
CartonCheck checkCartonValues(const Carton& base, const CartonEntry& entry);

// The messages of the checks, for the edge named "L", "W" or "H".
std::string edgeTooSmallMessage(const std::string& edge);
std::string cartonCountMessage();
std::string cartonWeightMessage();
std::string spaceRequirementMessage();
std::string loadOnTopMessage();
std::string stopNameMessage();

// A stop the carton goes to that the project does not list yet joins the list as its last
// stop; an empty stop (the last stop) adds nothing.
void addStopIfNew(ProjectInput& project, const std::string& stop);
// The volume message; when roomFor > 0 it ends with how many cartons of the entered
// size the remaining space could hold at most.
std::string volumeExceededMessage(bool newMode, double roomFor);
