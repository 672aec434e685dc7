// A carton that must stay upright lies down only in the top layers its type allows, in
// every planner: above a lying carton stands nothing but lying cartons of its own type,
// and no more of them are stacked than the allowed layers. Measured on the placements
// that plan --json prints, apart from the checker.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/options.h"
#include "clijson.h"
#include "clirunner.h"
#include "model/fillscheme.h"
#include "model/projectfile.h"

namespace {

std::string example(const std::string& name) { return std::string(CARGOLYX_EXAMPLES_DIR) + "/" + name; }

struct Placed {
  std::int64_t x1, y1, z1, x2, y2, z2;
  int type;
  bool lying;  // its carton's height is not the vertical edge
};

Placed placedOf(const Json& p, std::int64_t x, std::int64_t y, std::int64_t z, const FillScheme& project) {
  const int type = p["cartonIndex"].get<int>();
  const std::int64_t sx = p["sizeX"], sy = p["sizeY"], sz = p["sizeZ"];
  return {x, y, z, x + sx, y + sy, z + sz, type, sy != project.cartons[static_cast<std::size_t>(type)].height};
}

// Every carton of every container, each container on its own: its placements, or for a
// plan of blocks alone every place of each block (a block that holds fewer leaves some
// empty, so this sees at least every carton).
std::vector<std::vector<Placed>> placementsOf(const Json& report, const FillScheme& project) {
  std::vector<std::vector<Placed>> containers;
  for (const Json& container : report["containers"]) {
    std::vector<Placed>& placed = containers.emplace_back();
    if (container.contains("placements") || report.contains("placements")) {
      for (const Json& p : container.contains("placements") ? container["placements"] : report["placements"])
        placed.push_back(placedOf(p, p["x"], p["y"], p["z"], project));
      continue;
    }
    for (const Json& b : container["blocks"]) {
      const std::int64_t stepX = b["sizeX"].get<std::int64_t>() + b["gapX"].get<std::int64_t>();
      const std::int64_t stepY = b["sizeY"].get<std::int64_t>() + b["gapY"].get<std::int64_t>();
      const std::int64_t stepZ = b["sizeZ"].get<std::int64_t>() + b["gapZ"].get<std::int64_t>();
      for (int i = 0; i < b["nx"].get<int>(); ++i)
        for (int j = 0; j < b["ny"].get<int>(); ++j)
          for (int k = 0; k < b["nz"].get<int>(); ++k)
            placed.push_back(placedOf(b, b["x"].get<std::int64_t>() + i * stepX, b["y"].get<std::int64_t>() + j * stepY,
                                      b["z"].get<std::int64_t>() + k * stepZ, project));
    }
  }
  return containers;
}

bool overlapsFootprint(const Placed& a, const Placed& b) {
  return a.x1 < b.x2 && b.x1 < a.x2 && a.z1 < b.z2 && b.z1 < a.z2;
}

// The lying cartons of a must-stay-upright type, each checked against what stands above it.
// Returns how many lay down.
int expectLyingOnlyOnTop(const std::vector<Placed>& placed, const FillScheme& project, const std::string& what) {
  int lying = 0;
  for (const Placed& c : placed) {
    const Carton& carton = project.cartons[static_cast<std::size_t>(c.type)];
    if (!carton.mustUp || !c.lying) continue;
    ++lying;
    int lyingFromHereUp = 1;
    for (const Placed& above : placed) {
      if (&above == &c || above.y1 < c.y2 || !overlapsFootprint(c, above)) continue;
      EXPECT_TRUE(above.type == c.type && above.lying)
          << what << ": a " << project.cartons[static_cast<std::size_t>(above.type)].name << " at y " << above.y1
          << " stands above a lying " << carton.name << " at y " << c.y1;
      if (above.type == c.type && above.lying && above.x1 <= c.x1 && c.x1 < above.x2 && above.z1 <= c.z1 &&
          c.z1 < above.z2)
        ++lyingFromHereUp;
    }
    EXPECT_LE(lyingFromHereUp, carton.upendLayers)
        << what << ": a lying " << carton.name << " at y " << c.y1 << " has " << lyingFromHereUp - 1
        << " lying above it";
  }
  return lying;
}

}  // namespace

TEST(CliUpright, everyPlannerLaysAnUprightCartonDownOnlyInItsTopLayers) {
  FillScheme mixed;
  ASSERT_TRUE(loadProjectFile(example("mixed.pak"), mixed));
  ASSERT_EQ(mixed.cartons[2].name, "微波炉");
  ASSERT_TRUE(mixed.cartons[2].mustUp);
  ASSERT_EQ(mixed.cartons[2].upendLayers, 2);

  // Without the exception, none may lie down at all.
  ScratchFolder folder;
  FillScheme strict = mixed;
  strict.cartons[2].upendLayers = 0;
  ASSERT_TRUE(saveProjectFile(folder.path() + "/strict.clyx", strict));

  for (const std::string mode : {"sets", "max", "fleet", "pallets"}) {
    const CliResult allowed = runCli({"plan", example("mixed.pak"), "--mode", mode, "--json", "--time-limit", "2"});
    ASSERT_EQ(allowed.status, kExitLoaded) << mode << allowed.err;
    int lying = 0;
    for (const auto& placed : placementsOf(parsedJson(allowed.out), mixed))
      lying += expectLyingOnlyOnTop(placed, mixed, mode);
    if (mode != "sets") {
      EXPECT_GT(lying, 0) << mode << ": lying microwaves fill the container better here";
    }

    const CliResult upright =
        runCli({"plan", folder.path() + "/strict.clyx", "--mode", mode, "--json", "--time-limit", "2"});
    ASSERT_EQ(upright.status, kExitLoaded) << mode << upright.err;
    for (const auto& placed : placementsOf(parsedJson(upright.out), strict))
      EXPECT_EQ(expectLyingOnlyOnTop(placed, strict, mode + " without the exception"), 0) << mode;
  }
}
