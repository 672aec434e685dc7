#include "commands/palletfit.h"

#include <algorithm>
#include <array>
#include <limits>

#include "engine/pallet/palletload.h"
#include "engine/pallet/palletproject.h"
#include "model/language.h"
#include "model/orientation.h"
#include "model/projectinput.h"

namespace {

constexpr std::array<std::uint8_t, 3> kEdgeBits = {kEdgeLength, kEdgeWidth, kEdgeHeight};

std::string mm(std::int64_t value) { return std::to_string(value); }

std::string quoted(const std::string& name) { return "“" + name + "”"; }

// The edges a carton may stand on anywhere or in its lying layers.
std::uint8_t standingEdges(const MaxLoadType& t) { return t.verticalEdges | t.lyingEdges; }

// The least height a carton of the type stands, over the edges it may stand on; nothing
// when it may stand on none.
std::int32_t lowestStanding(const MaxLoadType& t) {
  const std::array<std::int32_t, 3> e = {t.length, t.width, t.height};
  std::int32_t lowest = std::numeric_limits<std::int32_t>::max();
  for (std::size_t up = 0; up < 3; ++up)
    if ((standingEdges(t) & kEdgeBits[up]) != 0) lowest = std::min(lowest, e[up]);
  return lowest;
}

// Whether the carton fits on the pallet's loading area and under its height in some way
// it may stand.
bool fitsOnPallet(const MaxLoadType& t, const PalletType& pallet) {
  const std::array<std::int32_t, 3> e = {t.length, t.width, t.height};
  const std::int64_t room = std::int64_t{pallet.maxHeight} - pallet.baseHeight;
  for (std::size_t up = 0; up < 3; ++up) {
    if ((standingEdges(t) & kEdgeBits[up]) == 0 || e[up] > room) continue;
    const std::int32_t p = e[(up + 1) % 3], q = e[(up + 2) % 3];
    if ((p <= pallet.loadWidth() && q <= pallet.loadLength()) || (q <= pallet.loadWidth() && p <= pallet.loadLength()))
      return true;
  }
  return false;
}

// Whether the pallet's base stands on the container's floor in a way its fork entries allow.
bool standsOnFloor(const PalletType& pallet, const Container& c) {
  const bool straight = pallet::mayStandStraight(pallet) && pallet.width <= c.width && pallet.length <= c.length;
  const bool turned = pallet::mayStandTurned(pallet) && pallet.length <= c.width && pallet.width <= c.length;
  return straight || turned;
}

}  // namespace

std::string palletFitMessage(const ProjectInput& input, const std::vector<ContainerType>& types) {
  if (types.empty()) return {};
  const PalletPlanInput run = palletInputFromProject(input);
  std::vector<std::string> lines;
  // Per pallet type in use: its lowest carton and how high that stands.
  std::vector<std::int32_t> lowest(run.palletTypes.size(), std::numeric_limits<std::int32_t>::max());
  std::vector<std::size_t> lowestCarton(run.palletTypes.size(), 0);
  for (std::size_t i = 0; i < run.cargo.types.size() && i < run.cartonPallet.size(); ++i) {
    const MaxLoadType& t = run.cargo.types[i];
    if (run.cartonPallet[i] < 0 || t.count <= 0) continue;
    const auto p = static_cast<std::size_t>(run.cartonPallet[i]);
    const PalletType& pallet = run.palletTypes[p];
    if (!fitsOnPallet(t, pallet)) {
      lines.push_back(inLanguage("纸箱", "Carton ") + quoted(t.name) + inLanguage("（", " (") + mm(t.length) + "×" + mm(t.width) +
                      "×" + mm(t.height) + inLanguage(" mm）", " mm)") +
                      inLanguage("无论怎样放置都大于托盘", " is larger than pallet ") + quoted(pallet.name) +
                      inLanguage("（装载面 ", " (loading area ") + mm(pallet.loadLength()) + "×" +
                      mm(pallet.loadWidth()) + inLanguage(" mm，底座以上可装高 ", " mm, ") +
                      mm(std::int64_t{pallet.maxHeight} - pallet.baseHeight) +
                      inLanguage(" mm）。", " mm high above its base) in every way it may stand."));
      continue;
    }
    if (lowestStanding(t) < lowest[p]) {
      lowest[p] = lowestStanding(t);
      lowestCarton[p] = i;
    }
  }
  const auto tallest = std::max_element(types.begin(), types.end(), [](const ContainerType& a, const ContainerType& b) {
    return a.container.height < b.container.height;
  });
  for (std::size_t p = 0; p < run.palletTypes.size(); ++p) {
    if (lowest[p] == std::numeric_limits<std::int32_t>::max()) continue;
    const PalletType& pallet = run.palletTypes[p];
    const bool anyFloor = std::any_of(types.begin(), types.end(),
                                      [&](const ContainerType& type) { return standsOnFloor(pallet, type.container); });
    if (!anyFloor) {
      lines.push_back(inLanguage("托盘", "Pallet ") + quoted(pallet.name) + inLanguage("（", " (") + mm(pallet.length) + "×" +
                      mm(pallet.width) + inLanguage(" mm）", " mm)") + inLanguage("放不进任何一种集装箱的底面。",
                                                             " fits no container's floor the ways a forklift may set it "
                                                             "down."));
      continue;
    }
    const std::int64_t built = std::int64_t{pallet.baseHeight} + lowest[p];
    if (built > tallest->container.height) {
      const Container& c = tallest->container;
      lines.push_back(inLanguage("托盘", "Pallet ") + quoted(pallet.name) +
                      inLanguage("装上纸箱后至少高 ", " stands at least ") + mm(built) +
                      inLanguage(" mm（底座 ", " mm high with its cartons (base ") + mm(pallet.baseHeight) +
                      inLanguage(" mm，纸箱", " mm, carton ") + quoted(run.cargo.types[lowestCarton[p]].name) + " " +
                      mm(lowest[p]) + inLanguage(" mm），高于集装箱", " mm), taller than container ") + quoted(c.name) +
                      inLanguage("的内高 ", ", ") + mm(c.height) + inLanguage(" mm。", " mm high inside."));
    }
  }
  if (lines.empty()) return {};
  std::string message;
  for (const std::string& line : lines) message += (message.empty() ? "" : "\n") + line;
  return message + inLanguage("\n请修改纸箱、托盘类型或集装箱，或把这些纸箱改为散装。",
                              "\nPlease change the cartons, the pallet types or the containers, or load these cartons "
                              "loose.");
}
