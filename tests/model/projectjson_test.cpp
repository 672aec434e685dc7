// The project file of format 2: a document written by hand, what is refused and why, every
// truncated prefix, and a project with its result saved and read back equal.

#include "model/projectjson.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "model/fillscheme.h"
#include "model/projectfile.h"

namespace {

std::vector<std::uint8_t> bytesOf(const std::string& text) { return {text.begin(), text.end()}; }

std::string fixture() {
  std::ifstream in(std::string(CARGOLYX_TEST_DATA_DIR) + "/fixture.clyx", std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

ProjectJsonOutcome read(const std::string& text, FillScheme& project) { return projectFromJson(bytesOf(text), project); }

// A project with a little of everything: two containers' worth of result, odd weights.
FillScheme sampleProject() {
  FillScheme p;
  p.container = Container{"40尺高柜", 12030, 2350, 2690, 26000};
  p.spacingL = 10;
  p.spacingW = 0;
  p.spacingH = 7;
  Carton& a = p.addCarton();
  a.name = "冰箱 \"双门\"\n";
  a.length = 700;
  a.width = 650;
  a.height = 1800;
  a.weight = 0.1 + 0.2;  // a double that does not print short
  a.count = 2147483647;
  a.mustUp = true;
  a.upendLayers = 9;
  a.material = 9;
  a.spaceIndex = kSpaceDoor;
  Carton& b = p.addCarton();  // a is no longer to be used
  b.length = b.width = b.height = 300;
  b.weight = 12;
  b.spaceIndex = kSpaceInner;
  BlockScheme block;
  block.x = 1;
  block.y = 2;
  block.z = 3;
  block.sizeX = 650;
  block.sizeY = 1800;
  block.sizeZ = 700;
  block.nx = 3;
  block.ny = 1;
  block.nz = 17;
  block.orientation = 3;
  block.material = 9;
  block.count = 50;
  block.gapX = 0;
  block.gapY = 7;
  block.gapZ = 10;
  block.cartonIndex = 0;
  block.cartonName = p.cartons[0].name;
  p.result.mode = PlanningMode::LoadMax;
  p.result.supportPercent = 75;
  p.result.timedOut = true;
  p.result.containers = {LoadedContainer{p.container, {block, block}}, LoadedContainer{p.container, {}}};
  return p;
}

// The same with several container types, and a plan of them.
FillScheme fleetProject() {
  FillScheme p = sampleProject();
  p.fleet = {ContainerType{Container{"20尺柜", 5898, 2352, 2393, 21770}, 1000.5, 3},
             ContainerType{p.container, std::nullopt, std::nullopt}};
  p.result.mode = PlanningMode::Fleet;
  p.result.goal = FleetGoal::FixedFleet;
  p.result.lowerBoundContainers = 2;
  p.result.lowerBoundCost = 2000.25;
  p.result.containers[0].fleetType = 1;
  p.result.containers[1].fleetType = 0;
  p.result.containers[1].container = p.fleet[0].container;
  return p;
}

// The same with pallets: a type of the project's own, cartons on it and on a preset, and a
// plan of two built pallets in one container, one of them turned.
FillScheme palletProject() {
  FillScheme p = sampleProject();
  PalletType own;
  own.name = "半托";
  own.length = 800;
  own.width = 600;
  own.baseHeight = 120;
  own.tareWeight = 12.5;
  own.maxHeight = 1500;
  own.maxGrossWeight = 600.25;
  own.overhang = 30;
  own.stackable = false;
  own.maxLoadOnTop = 0;
  own.forkEntry = kForkFromEnds;
  p.palletTypes = {own};
  p.cartons[0].pallet = "半托";
  p.cartons[1].pallet = "EUR";
  LoadedPallet pallet;
  pallet.type = own;
  BlockScheme onPallet = p.result.containers[0].blocks[0];
  onPallet.x = 30;
  onPallet.y = 120;
  onPallet.z = 30;
  onPallet.gapY = onPallet.gapZ = 0;
  pallet.blocks = {onPallet};
  pallet.height = 1920;
  pallet.grossWeight = 512.75;
  pallet.centreX = 330.5;
  pallet.centreY = 900;
  pallet.centreZ = 430;
  p.result.mode = PlanningMode::Pallets;
  p.result.pallets = {pallet, pallet};
  p.result.containers.resize(1);
  p.result.containers[0].pallets = {PalletPlacement{0, 0, 0, 0, false}, PalletPlacement{1, 900, 0, 0, true}};
  return p;
}

}  // namespace

TEST(ProjectJson, readsTheDocumentWrittenByHand) {
  FillScheme p;
  const ProjectJsonOutcome outcome = read(fixture(), p);
  ASSERT_TRUE(outcome.ok()) << outcome.detail;
  EXPECT_EQ(p.container, (Container{"20尺柜", 5898, 2352, 2393, 21000}));
  EXPECT_EQ(p.spacingL, 10);
  EXPECT_EQ(p.spacingW, 5);
  EXPECT_EQ(p.spacingH, 3);
  ASSERT_EQ(p.cartons.size(), 2u);
  EXPECT_EQ(p.cartons[0].name, "电视机");
  EXPECT_EQ(p.cartons[0].weight, 28.5);
  EXPECT_TRUE(p.cartons[0].mustUp);
  EXPECT_EQ(p.cartons[0].upendLayers, 2);
  EXPECT_EQ(p.cartons[0].material, 3);
  EXPECT_EQ(p.cartons[0].spaceIndex, kSpaceInner);
  // Members left out take the values of a new carton.
  EXPECT_EQ(p.cartons[1].name, "Box 😀");
  EXPECT_EQ(p.cartons[1].weight, 0.0);
  EXPECT_FALSE(p.cartons[1].mustUp);
  EXPECT_EQ(p.cartons[1].spaceIndex, kSpaceNone);
  EXPECT_EQ(p.result.mode, PlanningMode::LoadMax);
  EXPECT_EQ(p.result.supportPercent, 80);
  EXPECT_TRUE(p.result.timedOut);
  ASSERT_EQ(p.result.containers.size(), 1u);
  ASSERT_EQ(p.result.containers[0].blocks.size(), 2u);
  const BlockScheme& b = p.result.containers[0].blocks[1];
  EXPECT_EQ(b.x, 2210);
  EXPECT_EQ(b.orientation, 3);
  EXPECT_EQ(b.gapZ, 10);
  EXPECT_EQ(b.cartonName, "Box 😀") << "a block without a name takes its carton's";
}

TEST(ProjectJson, aProjectWithItsResultReadsBackEqual) {
  const FillScheme p = sampleProject();
  const std::string text = projectToJson(p);
  EXPECT_EQ(text.rfind("{\n \"cargolyxProject\": 2,", 0), 0u) << text.substr(0, 40);
  FillScheme q;
  const ProjectJsonOutcome outcome = read(text, q);
  ASSERT_TRUE(outcome.ok()) << outcome.detail;
  EXPECT_EQ(q, p);
  EXPECT_EQ(projectToJson(q), text);
  FillScheme empty;
  ASSERT_TRUE(read(projectToJson(empty), q).ok());
  EXPECT_EQ(q, empty);
  FillScheme planned = sampleProject();
  planned.planner = PlannerChoice{PlanningMode::Fleet, FleetGoal::FixedFleet, 0.5, 12.25, 70};
  ASSERT_TRUE(read(projectToJson(planned), q).ok());
  EXPECT_EQ(q.planner, planned.planner) << "the planner belongs to the project";
  const FillScheme fleet = fleetProject();
  const std::string fleetText = projectToJson(fleet);
  EXPECT_NE(fleetText.find("\"requires\": [\"fleet\"]"), std::string::npos) << "a reader must know the fleet";
  ASSERT_TRUE(read(fleetText, q).ok());
  EXPECT_EQ(q, fleet);
}

TEST(ProjectJson, palletTypesCartonsOnPalletsAndAPalletPlanReadBackEqual) {
  const FillScheme p = palletProject();
  const std::string text = projectToJson(p);
  EXPECT_NE(text.find("\"requires\": [\"pallets\"]"), std::string::npos) << "a reader must know pallets";
  FillScheme q;
  const ProjectJsonOutcome outcome = read(text, q);
  ASSERT_TRUE(outcome.ok()) << outcome.detail;
  EXPECT_EQ(q, p);
  EXPECT_EQ(projectToJson(q), text);
  // A carton naming a preset needs the feature as well, with no type of the project's own.
  FillScheme preset = sampleProject();
  preset.result = {};
  preset.cartons[1].pallet = "EUR";
  EXPECT_NE(projectToJson(preset).find("\"requires\": [\"pallets\"]"), std::string::npos);
  preset.cartons[1].pallet.clear();
  EXPECT_NE(projectToJson(preset).find("\"requires\": []"), std::string::npos);
}

TEST(ProjectJson, aPakCannotHoldPallets) {
  const std::string folder = ::testing::TempDir();
  FillScheme p = sampleProject();
  p.result = {};
  p.cartons[1].pallet = "EUR";
  EXPECT_TRUE(hasFormatTwoFeatures(p));
  EXPECT_FALSE(saveProjectFile(folder + "/pallets.pak", p));
  EXPECT_TRUE(saveProjectFile(folder + "/pallets.clyx", p));
  p.cartons[1].pallet.clear();
  p.palletTypes = {PalletType{}};
  EXPECT_TRUE(hasFormatTwoFeatures(p)) << "a pallet type of the project's own";
}

struct Refusal {
  const char* document;
  ProjectJsonProblem problem;
  const char* detail;  // a part of the detail
};

class ProjectJsonRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(ProjectJsonRefusal, leavesTheProjectAndSaysWhy) {
  FillScheme p = sampleProject();
  const FillScheme before = p;
  const ProjectJsonOutcome outcome = read(GetParam().document, p);
  EXPECT_EQ(outcome.problem, GetParam().problem) << outcome.detail;
  EXPECT_NE(outcome.detail.find(GetParam().detail), std::string::npos) << outcome.detail;
  EXPECT_EQ(p, before);
}

#define PROJECT(rest) "{\"cargolyxProject\": 2, \"container\": {\"name\": \"c\", \"length\": 100, \"width\": 100, " \
                      "\"height\": 100, \"maxWeight\": 10}" rest "}"

INSTANTIATE_TEST_SUITE_P(
    Documents, ProjectJsonRefusal,
    ::testing::Values(
        Refusal{"", ProjectJsonProblem::NotAProject, ""},
        Refusal{"CLYX200", ProjectJsonProblem::NotAProject, ""},
        Refusal{"[1, 2]", ProjectJsonProblem::NotAProject, ""},
        Refusal{"{\"name\": \"a shopping list\"}", ProjectJsonProblem::NotAProject, ""},
        Refusal{"{\"cargolyxProject\": 3, \"container\": 5}", ProjectJsonProblem::NewerFormat, "3"},
        Refusal{"{\"cargolyxProject\": 1}", ProjectJsonProblem::Damaged, "cargolyxProject: 1"},
        Refusal{"{\"cargolyxProject\": \"2\"}", ProjectJsonProblem::Damaged, "cargolyxProject: not a format number"},
        Refusal{"{\"cargolyxProject\": 2, \"requires\": [\"fleet\", \"hovercraft\", \"teleport\"]}",
                ProjectJsonProblem::UnknownFeature, "hovercraft, teleport"},
        Refusal{"{\"cargolyxProject\": 2, \"requires\": \"fleet\"}", ProjectJsonProblem::Damaged, "requires: not a list"},
        Refusal{"{\"cargolyxProject\": 2,\n \"container\": {\"name\": \"c\" \"length\": 1}}", ProjectJsonProblem::Damaged,
                "line 2, column 35: syntax error"},
        Refusal{"{\"cargolyxProject\": 2}", ProjectJsonProblem::Damaged, "container: missing"},
        Refusal{PROJECT(""), ProjectJsonProblem::Damaged, "cartons: missing"},
        Refusal{PROJECT(", \"cartons\": {}"), ProjectJsonProblem::Damaged, "cartons: not a list"},
        Refusal{PROJECT(", \"cartons\": [{\"name\": \"a\", \"length\": 0, \"width\": 1, \"height\": 1, \"count\": 1}]"),
                ProjectJsonProblem::Damaged, "cartons[0].length: not a whole number from 1"},
        Refusal{PROJECT(", \"cartons\": [{\"name\": \"a\", \"length\": 1, \"width\": 1, \"height\": 1, \"count\": 2147483648}]"),
                ProjectJsonProblem::Damaged, "cartons[0].count"},
        Refusal{PROJECT(", \"cartons\": [{\"name\": \"a\", \"length\": 1.5, \"width\": 1, \"height\": 1, \"count\": 1}]"),
                ProjectJsonProblem::Damaged, "cartons[0].length"},
        Refusal{PROJECT(", \"cartons\": [{\"name\": \"a\", \"length\": 1, \"width\": 1, \"height\": 1, \"count\": 1, "
                        "\"weight\": -1}]"),
                ProjectJsonProblem::Damaged, "cartons[0].weight"},
        Refusal{PROJECT(", \"cartons\": [{\"name\": \"a\", \"length\": 1, \"width\": 1, \"height\": 1, \"count\": 1, "
                        "\"position\": \"roof\"}]"),
                ProjectJsonProblem::Damaged, "cartons[0].position: not inner, free or door"},
        Refusal{PROJECT(", \"cartons\": [{\"name\": 7, \"length\": 1, \"width\": 1, \"height\": 1, \"count\": 1}]"),
                ProjectJsonProblem::Damaged, "cartons[0].name: not a text"},
        Refusal{PROJECT(", \"cartons\": [], \"result\": {\"planner\": \"best\", \"containers\": []}"),
                ProjectJsonProblem::Damaged, "result.planner"},
        Refusal{PROJECT(", \"cartons\": [], \"result\": {\"planner\": \"sets\", \"containers\": [{\"container\": "
                        "{\"name\": \"c\", \"length\": 1, \"width\": 1, \"height\": 1, \"maxWeight\": 1}, \"blocks\": "
                        "[{\"x\": 0, \"y\": 0, \"z\": 0, \"sizeX\": 1, \"sizeY\": 1, \"sizeZ\": 1, \"nx\": 1, \"ny\": 1, "
                        "\"nz\": 1, \"orientation\": 0, \"material\": 0, \"count\": 1, \"gapX\": 0, \"gapY\": 0, "
                        "\"gapZ\": 0, \"cartonIndex\": 0}]}]}"),
                ProjectJsonProblem::Damaged, "result.containers[0].blocks[0].cartonIndex: no carton 0"},
        Refusal{PROJECT(", \"stops\": [\"A\"], \"cartons\": [{\"name\": \"a\", \"length\": 1, \"width\": 1, "
                        "\"height\": 1, \"count\": 1, \"stop\": \"B\"}]"),
                ProjectJsonProblem::Damaged, "cartons[0].stop: no stop of that name"},
        Refusal{PROJECT(", \"stops\": [\"A\", \"A\"], \"cartons\": []"), ProjectJsonProblem::Damaged,
                "stops[1]: a second stop"},
        Refusal{PROJECT(", \"stops\": [\"\"], \"cartons\": []"), ProjectJsonProblem::Damaged, "stops[0]: not a name"},
        Refusal{PROJECT(", \"cartons\": [{\"name\": \"a\", \"length\": 1, \"width\": 1, \"height\": 1, \"count\": 1, "
                        "\"maxLoadOnTop\": -5}]"),
                ProjectJsonProblem::Damaged, "cartons[0].maxLoadOnTop"},
        Refusal{PROJECT(", \"cartons\": [{\"name\": \"a\", \"length\": 1, \"width\": 1, \"height\": 1, \"count\": 1, "
                        "\"fragile\": \"yes\"}]"),
                ProjectJsonProblem::Damaged, "cartons[0].fragile: not true or false"},
        Refusal{"{\"cargolyxProject\": 2, \"container\": {\"name\": \"c\", \"length\": 1, \"width\": 1, \"height\": 1, "
                "\"maxWeight\": 1, \"vehicle\": {\"kind\": \"bus\"}}, \"cartons\": []}",
                ProjectJsonProblem::Damaged, "container.vehicle.kind: not rigid or semitrailer"},
        Refusal{"{\"cargolyxProject\": 2, \"container\": {\"name\": \"c\", \"length\": 1, \"width\": 1, \"height\": 1, "
                "\"maxWeight\": 1, \"vehicle\": {\"kind\": \"rigid\", \"wheelbase\": 0, \"frontAxleToCargo\": 0, "
                "\"tare\": [1, 1], \"maxLoad\": [2, 2]}}, \"cartons\": []}",
                ProjectJsonProblem::Damaged, "container.vehicle.wheelbase"},
        Refusal{"{\"cargolyxProject\": 2, \"container\": {\"name\": \"c\", \"length\": 1, \"width\": 1, \"height\": 1, "
                "\"maxWeight\": 1, \"vehicle\": {\"kind\": \"semitrailer\", \"wheelbase\": 1, \"kingpinSetback\": 0, "
                "\"kingpinToTrailerAxle\": 1, \"fifthWheelLead\": 0, \"tare\": [1, 1], \"maxLoad\": [2, 2]}}, "
                "\"cartons\": []}",
                ProjectJsonProblem::Damaged, "container.vehicle.tare: not 3 values"},
        Refusal{"{\"cargolyxProject\": 2, \"container\": {\"name\": \"c\", \"length\": 1, \"width\": 1, \"height\": 1, "
                "\"maxWeight\": 1, \"vehicle\": {\"kind\": \"rigid\", \"wheelbase\": 1, \"frontAxleToCargo\": 0, "
                "\"tare\": [1, 3], \"maxLoad\": [2, 2]}}, \"cartons\": []}",
                ProjectJsonProblem::Damaged, "container.vehicle.tare[1]: above the axle's maxLoad"},
        Refusal{"{\"cargolyxProject\": 2, \"container\": {\"name\": \"c\", \"length\": 1, \"width\": 1, \"height\": 1, "
                "\"maxWeight\": 1, \"balance\": {\"lengthPercent\": \"5\"}}, \"cartons\": []}",
                ProjectJsonProblem::Damaged, "container.balance.lengthPercent"},
        Refusal{"{\"cargolyxProject\": 2, \"requires\": [\"stacking\", \"loadingRamp\"]}", ProjectJsonProblem::UnknownFeature,
                "loadingRamp"},
        Refusal{PROJECT(", \"cartons\": [], \"palletTypes\": [{\"name\": \"p\", \"length\": 1200, \"width\": 800, "
                        "\"baseHeight\": 144, \"maxHeight\": 100, \"maxGrossWeight\": 1000}]"),
                ProjectJsonProblem::Damaged, "palletTypes[0]: not a pallet"},
        Refusal{PROJECT(", \"cartons\": [], \"palletTypes\": [{\"name\": \"p\", \"length\": 1200, \"width\": 800, "
                        "\"baseHeight\": 144, \"maxHeight\": 1000, \"maxGrossWeight\": 1000, \"forkEntry\": \"top\"}]"),
                ProjectJsonProblem::Damaged, "palletTypes[0].forkEntry: not all, ends or sides"},
        Refusal{PROJECT(", \"cartons\": [], \"result\": {\"planner\": \"pallets\", \"pallets\": [], \"containers\": "
                        "[{\"container\": {\"name\": \"c\", \"length\": 1, \"width\": 1, \"height\": 1, \"maxWeight\": 1}, "
                        "\"blocks\": [], \"pallets\": [{\"pallet\": 0, \"x\": 0, \"y\": 0, \"z\": 0}]}]}"),
                ProjectJsonProblem::Damaged, "result.containers[0].pallets[0].pallet: no pallet 0"},
        Refusal{"{\"cargolyxProject\": 2, \"n\": 1e999}", ProjectJsonProblem::Damaged, ""},
        Refusal{PROJECT(", \"cartons\": [{\"name\": \"a\", \"length\": 1, \"width\": 1, \"height\": 1, \"count\": 1, "
                        "\"count\": 9}]"),
                ProjectJsonProblem::Damaged, "\"count\": given twice"},
        Refusal{PROJECT(", \"cartons\": [], \"cartons\": []"), ProjectJsonProblem::Damaged, "\"cartons\": given twice"},
        Refusal{PROJECT(", \"cartons\": [], \"planner\": {\"mode\": \"best\"}"), ProjectJsonProblem::Damaged,
                "planner.mode: not sets, max, fleet or pallets"},
        Refusal{PROJECT(", \"cartons\": [], \"planner\": {\"mode\": \"max\", \"loadMaxTimeLimit\": 0}"),
                ProjectJsonProblem::Damaged, "planner.loadMaxTimeLimit"},
        Refusal{PROJECT(", \"cartons\": [], \"planner\": {\"mode\": \"max\", \"supportPercent\": 101}"),
                ProjectJsonProblem::Damaged, "planner.supportPercent"},
        Refusal{PROJECT(", \"cartons\": [{\"name\": \"a\", \"length\": 1, \"width\": 1, \"height\": 1, \"count\": 1}], "
                        "\"result\": {\"planner\": \"max\", \"containers\": [{\"container\": "
                        "{\"name\": \"c\", \"length\": 1, \"width\": 1, \"height\": 1, \"maxWeight\": 1}, \"blocks\": "
                        "[{\"x\": 0, \"y\": 0, \"z\": 0, \"sizeX\": 1, \"sizeY\": 1, \"sizeZ\": 1, \"nx\": 1000, "
                        "\"ny\": 1000, \"nz\": 1, \"orientation\": 0, \"material\": 0, \"count\": 500001, \"gapX\": 0, "
                        "\"gapY\": 0, \"gapZ\": 0, \"cartonIndex\": 0}]}]}"),
                ProjectJsonProblem::Damaged, "result: more than 500000 cartons"},
        Refusal{"{\"cargolyxProject\": 2, \"n\": [[[[[[[[[[[[[[[[[[[[]]]]]]]]]]]]]]]]]]]}", ProjectJsonProblem::Damaged,
                "nested deeper than 16 levels"}));

namespace {

// The sample project with every cargo rule: stops, a carton of each stacking rule, a
// balance window and a vehicle on the container and on its loaded containers.
FillScheme projectWithRules() {
  FillScheme p = sampleProject();
  p.stops = {"上海", "Suzhou \"2\""};
  p.cartons[0].stackable = false;
  p.cartons[0].maxLoadOnTop = 12.5;
  p.cartons[0].stop = "Suzhou \"2\"";
  p.cartons[1].fragile = true;
  p.cartons[1].maxLoadOnTop = 0;
  p.container.balance = BalanceWindow{5.0, 12.5, 1200};
  p.container.vehicle = vehiclePresets().back().vehicle;
  for (LoadedContainer& loaded : p.result.containers) loaded.container = p.container;
  return p;
}

std::string requiresOf(const std::string& text) {
  const std::size_t from = text.find("\"requires\": ");
  return text.substr(from, text.find(']', from) + 1 - from);
}

}  // namespace

TEST(ProjectJson, theCargoRulesReadBackEqualAndAreRequired) {
  const FillScheme p = projectWithRules();
  const std::string text = projectToJson(p);
  EXPECT_EQ(requiresOf(text), "\"requires\": [\"stacking\",\"stops\",\"balance\",\"axles\"]");
  FillScheme q;
  const ProjectJsonOutcome outcome = read(text, q);
  ASSERT_TRUE(outcome.ok()) << outcome.detail;
  EXPECT_EQ(q, p);
  EXPECT_EQ(projectToJson(q), text);
  // A rigid truck and a window along the width only.
  FillScheme rigid = p;
  rigid.container.vehicle = vehiclePresets().front().vehicle;
  rigid.container.balance = BalanceWindow{std::nullopt, 3.0, std::nullopt};
  ASSERT_TRUE(read(projectToJson(rigid), q).ok());
  EXPECT_EQ(q, rigid);
}

TEST(ProjectJson, eachRuleRequiresItsOwnFeatureOnly) {
  struct Case {
    std::function<void(FillScheme&)> set;
    const char* features;
  };
  const Case cases[] = {
      {[](FillScheme&) {}, "[]"},
      {[](FillScheme& p) { p.cartons[1].stackable = false; }, "[\"stacking\"]"},
      {[](FillScheme& p) { p.cartons[1].maxLoadOnTop = 80; }, "[\"stacking\"]"},
      {[](FillScheme& p) { p.cartons[0].fragile = true; }, "[\"stacking\"]"},
      {[](FillScheme& p) { p.stops = {"A"}; }, "[\"stops\"]"},
      {[](FillScheme& p) { p.container.balance = lengthBalancePreset(); }, "[\"balance\"]"},
      {[](FillScheme& p) { p.result.containers[1].container.vehicle = vehiclePresets().front().vehicle; },
       "[\"axles\"]"},
      {[](FillScheme& p) {
         p.fleet.resize(1);
         p.fleet[0].container.balance = lengthBalancePreset();
       },
       "[\"fleet\",\"balance\"]"},
  };
  for (const Case& c : cases) {
    FillScheme p = sampleProject();
    c.set(p);
    EXPECT_EQ(requiresOf(projectToJson(p)), std::string("\"requires\": ") + c.features);
  }
}

TEST(ProjectJson, aPakRefusesTheCargoRules) {
  const std::string folder = ::testing::TempDir();
  FillScheme p = sampleProject();
  p.cartons[0].name = "冰箱";
  EXPECT_FALSE(pakCannotHoldRules(p));
  EXPECT_TRUE(saveProjectFile(folder + "/plain.pak", p));
  const std::function<void(FillScheme&)> rules[] = {
      [](FillScheme& q) { q.cartons[0].stackable = false; }, [](FillScheme& q) { q.cartons[0].maxLoadOnTop = 1; },
      [](FillScheme& q) { q.cartons[0].fragile = true; },     [](FillScheme& q) { q.stops = {"A"}; },
      [](FillScheme& q) { q.container.balance.maxHeight = 900; },
      [](FillScheme& q) { q.container.vehicle = vehiclePresets().front().vehicle; }};
  for (const auto& set : rules) {
    FillScheme q = p;
    set(q);
    EXPECT_TRUE(pakCannotHoldRules(q));
    std::string error;
    EXPECT_FALSE(saveProjectFile(folder + "/rules.pak", q, &error));
    EXPECT_NE(error.find("cargo rules"), std::string::npos) << error;
    EXPECT_TRUE(saveProjectFile(folder + "/rules.clyx", q));
  }
}

TEST(ProjectJson, everyTruncatedPrefixIsRefusedAsNotAProjectOrDamaged) {
  const std::string text = projectToJson(sampleProject());
  for (std::size_t length = 0; length + 1 < text.size(); ++length) {
    FillScheme p;
    const ProjectJsonOutcome outcome = read(text.substr(0, length), p);
    ASSERT_FALSE(outcome.ok()) << length;
    if (length >= std::string("{\n \"cargolyxProject\"").size()) {
      EXPECT_EQ(outcome.problem, ProjectJsonProblem::Damaged) << length << ": " << outcome.detail;
    }
    EXPECT_EQ(p, FillScheme{}) << length;
  }
}

TEST(ProjectJson, aFileOfEitherFormatOpensAndSavesInTheFormatItsNameAsksFor) {
  const std::string folder = ::testing::TempDir();
  const FillScheme p = sampleProject();
  ASSERT_TRUE(saveProjectFile(folder + "/plan.CLYX", p));
  FillScheme q;
  ASSERT_TRUE(loadProjectFile(folder + "/plan.CLYX", q));
  EXPECT_EQ(q, p);

  // The old format holds the container and the cartons; the spacing stays, the result goes.
  FillScheme pak = p;
  pak.cartons[0].name = "冰箱";
  for (LoadedContainer& loaded : pak.result.containers)
    for (BlockScheme& b : loaded.blocks)
      if (b.cartonIndex == 0) b.cartonName = "冰箱";
  ASSERT_TRUE(saveProjectFile(folder + "/plan.pak", pak));
  FillScheme r;
  r.spacingL = 55;
  r.fleet = fleetProject().fleet;  // what the project open before had
  r.stops = {"上海"};
  r.palletTypes = {PalletType{}};
  ASSERT_TRUE(loadProjectFile(folder + "/plan.pak", r));
  EXPECT_EQ(r.cartons, pak.cartons);
  EXPECT_EQ(r.spacingL, 55);
  EXPECT_TRUE(r.result.empty());
  EXPECT_TRUE(r.fleet.empty()) << "a .pak opens with its one container";
  EXPECT_TRUE(r.stops.empty());
  EXPECT_TRUE(r.palletTypes.empty());

  // The content decides, not the name.
  ASSERT_TRUE(saveProjectFile(folder + "/plan2.clyx", pak));
  std::rename((folder + "/plan2.clyx").c_str(), (folder + "/plan2.pak").c_str());
  FillScheme s;
  ASSERT_TRUE(loadProjectFile(folder + "/plan2.pak", s));
  EXPECT_EQ(s, pak);
  // A saved block shows its carton by the project's name, whatever name it stored.
  FillScheme renamed = p;
  renamed.result.containers[0].blocks[0].cartonName = "NOT A";
  ASSERT_TRUE(saveProjectFile(folder + "/renamed.clyx", renamed));
  FillScheme t;
  ASSERT_TRUE(loadProjectFile(folder + "/renamed.clyx", t));
  EXPECT_EQ(t.result.containers[0].blocks[0].cartonName, p.cartons[0].name);
  EXPECT_FALSE(saveProjectFile(folder + "/fleet.pak", fleetProject())) << "one container only";
  FillScheme foreign = pak;
  foreign.cartons[1].name = "Box 😀";
  foreign.container.name = std::string(50, 'c');  // GBK, but one byte too long for its field
  EXPECT_EQ(namesPakCannotHold(foreign), (std::vector<std::string>{foreign.container.name, "Box 😀"}));
  EXPECT_FALSE(saveProjectFile(folder + "/foreign.pak", foreign));
}

TEST(ProjectJson, aNewerFormatIsRefusedNamingItsNumber) {
  const std::string path = ::testing::TempDir() + "/newer.clyx";
  std::ofstream(path) << "{\"cargolyxProject\": 3, \"hologram\": true}";
  FillScheme p;
  OpenFailure failure;
  EXPECT_FALSE(loadProjectFile(path, p, &failure));
  EXPECT_EQ(failure.problem, OpenProblem::NewerFormat);
  EXPECT_EQ(failure.detail, "3");
}
