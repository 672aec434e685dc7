// Plans in the command line's JSON form: read into cartons, or refused with what is wrong
// and where.

#include "check/planjson.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "check/projectplan.h"
#include "check/violationtext.h"
#include "model/fillscheme.h"
#include "model/language.h"
#include "model/projectfile.h"

namespace check {
namespace {

class PlanJson : public ::testing::Test {
 protected:
  void SetUp() override { setLanguage(Language::English); }
  void TearDown() override { setLanguage(Language::Chinese); }
};

std::string fileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Three cartons of type 2 in the load-max form, listed as placements and again as the
// blocks they come from.
const char* const kLoadMaxPlan = R"({"status": "loaded", "mode": "max",
 "blocks": [{"x":0,"y":0,"z":0,"sizeX":300,"sizeY":200,"sizeZ":100,"nx":2,"ny":1,"nz":1,
             "count":2,"gapX":0,"gapY":0,"gapZ":0,"cartonIndex":2,"cartonName":"c"},
            {"x":0,"y":200,"z":0,"sizeX":300,"sizeY":200,"sizeZ":100,"nx":1,"ny":1,"nz":1,
             "count":1,"gapX":0,"gapY":0,"gapZ":0,"cartonIndex":2,"cartonName":"c"}],
 "setCount": 0,
 "placements": [{"x":0,"y":0,"z":0,"sizeX":300,"sizeY":200,"sizeZ":100,"cartonIndex":2,"block":0},
                {"x":300,"y":0,"z":0,"sizeX":300,"sizeY":200,"sizeZ":100,"cartonIndex":2,"block":0},
                {"x":0,"y":200,"z":0,"sizeX":300,"sizeY":200,"sizeZ":100,"cartonIndex":2,"block":1}],
 "leftovers": [{"cartonIndex":0,"cartonName":"a","count":4}],
 "centreOfGravity": {"x":1,"y":2,"z":3}, "timedOut": false})";

const std::vector<PlacedCarton>& cartonsOf(const PlanReading& reading) { return reading.plan->containers.at(0).cartons; }

TEST_F(PlanJson, readsTheLoadMaxFormAsOneContainerOfTheProjectsType) {
  const PlanReading reading = readPlanJson(kLoadMaxPlan);
  ASSERT_TRUE(reading.plan) << reading.reason;
  EXPECT_EQ(reading.plan->kind, PlanKind::LoadMax);
  EXPECT_FALSE(reading.plan->fleetTypes);
  EXPECT_FALSE(reading.plan->supportPercent);
  ASSERT_EQ(reading.plan->containers.size(), 1u);
  EXPECT_EQ(reading.plan->containers[0].type, 0);
  const std::vector<PlacedCarton> expected = {
      {2, 0, 0, 0, 300, 200, 100}, {2, 300, 0, 0, 300, 200, 100}, {2, 0, 200, 0, 300, 200, 100}};
  EXPECT_EQ(cartonsOf(reading), expected);
}

TEST_F(PlanJson, placementsThatDisagreeWithTheirBlocksAreNoPlan) {
  // Blocks outside the container next to an empty placements list: which is the plan?
  const PlanReading reading = readPlanJson(R"({"mode": "max", "supportPercent": 100, "placements": [],
      "blocks": [{"x": -5000, "y": 0, "z": 0, "sizeX": 500, "sizeY": 300, "sizeZ": 400, "nx": 10, "ny": 10,
                  "nz": 10, "count": 1000, "gapX": 0, "gapY": 0, "gapZ": 0, "cartonIndex": 0}]})");
  EXPECT_FALSE(reading.plan);
  EXPECT_NE(reading.reason.find("placements and blocks list different cartons"), std::string::npos) << reading.reason;
  std::string moved = kLoadMaxPlan;
  moved.replace(moved.find(R"("x":300,"y":0)"), 13, R"("x":301,"y":0)");
  EXPECT_FALSE(readPlanJson(moved).plan);
}

TEST_F(PlanJson, containersAndTheDocumentsOwnListsMustAgree) {
  const std::string own = R"({"mode": "max", "placements": [{"x":0,"y":0,"z":0,"sizeX":1,"sizeY":1,"sizeZ":1,"cartonIndex":0}],
      "containers": [{"type": 0, "placements": [{"x":0,"y":0,"z":0,"sizeX":1,"sizeY":1,"sizeZ":1,"cartonIndex":0}]}]})";
  const PlanReading same = readPlanJson(own);
  ASSERT_TRUE(same.plan) << same.reason;
  EXPECT_EQ(same.plan->containers.size(), 1u);
  std::string other = own;
  other.replace(other.rfind(R"("x":0)"), 5, R"("x":9)");
  const PlanReading differs = readPlanJson(other);
  EXPECT_FALSE(differs.plan);
  EXPECT_NE(differs.reason.find("different cartons"), std::string::npos) << differs.reason;
}

TEST_F(PlanJson, readsTheSupportThePlanWasMadeWith) {
  const PlanReading reading = readPlanJson(R"({"mode": "max", "placements": [], "supportPercent": 70})");
  ASSERT_TRUE(reading.plan) << reading.reason;
  EXPECT_EQ(reading.plan->supportPercent, 70);
}

TEST_F(PlanJson, readsTheBlocksOfTheSetsForm) {
  const PlanReading reading = readPlanJson(R"({"mode": "zoned", "setCount": 3, "blocks": [
      {"x":10,"y":0,"z":5,"sizeX":100,"sizeY":50,"sizeZ":200,"nx":2,"ny":1,"nz":2,"count":3,
       "gapX":1,"gapY":0,"gapZ":2,"cartonIndex":1,"orientation":0,"cartonName":"b"}]})");
  ASSERT_TRUE(reading.plan) << reading.reason;
  EXPECT_EQ(reading.plan->kind, PlanKind::Sets);
  EXPECT_EQ(reading.plan->setCount, 3);
  const std::vector<PlacedCarton> expected = {
      {1, 10, 0, 5, 100, 50, 200}, {1, 10, 0, 207, 100, 50, 200}, {1, 111, 0, 5, 100, 50, 200}};
  EXPECT_EQ(cartonsOf(reading), expected);
}

TEST_F(PlanJson, aDocumentThatIsNoPlanIsRefusedAsSuch) {
  // A floating carton, twice the count: but no planner made it.
  const PlanReading noMode = readPlanJson(
      R"({"placements": [{"x": 0, "y": 1000, "z": 0, "sizeX": 500, "sizeY": 300, "sizeZ": 400, "cartonIndex": 0}]})");
  EXPECT_FALSE(noMode.plan);
  EXPECT_NE(noMode.reason.find("no mode"), std::string::npos) << noMode.reason;
  const PlanReading refused = readPlanJson(R"({"status": "nothing-loaded", "mode": "max", "blocks": [], "placements": []})");
  EXPECT_FALSE(refused.plan);
  EXPECT_NE(refused.reason.find("nothing-loaded"), std::string::npos) << refused.reason;
  const PlanReading emptyContainer = readPlanJson(R"({"mode": "fleet", "containers": [{"type": 0, "placements": []}]})");
  EXPECT_FALSE(emptyContainer.plan);
  EXPECT_NE(emptyContainer.reason.find("containers[0]: it holds nothing"), std::string::npos) << emptyContainer.reason;
  const PlanReading looseFleet = readPlanJson(R"({"mode": "fleet", "containers": [], "placements": []})");
  EXPECT_FALSE(looseFleet.plan);
}

TEST_F(PlanJson, readsAPlanOfSeveralContainersWithTheirTypes) {
  const PlanReading reading = readPlanJson(R"({"status": "loaded", "mode": "fleet", "supportPercent": 90, "containers": [
      {"type": 1, "placements": [{"x":0,"y":0,"z":0,"sizeX":1,"sizeY":2,"sizeZ":3,"cartonIndex":0}]},
      {"type": 0, "blocks": [{"x":0,"y":0,"z":0,"sizeX":1,"sizeY":2,"sizeZ":3,"nx":2,"ny":1,"nz":1,"count":2,
                              "gapX":0,"gapY":0,"gapZ":0,"cartonIndex":1}]}]})");
  ASSERT_TRUE(reading.plan) << reading.reason;
  EXPECT_EQ(reading.plan->kind, PlanKind::Fleet);
  EXPECT_TRUE(reading.plan->fleetTypes);
  ASSERT_EQ(reading.plan->containers.size(), 2u);
  EXPECT_EQ(reading.plan->containers[0].type, 1);
  EXPECT_EQ(reading.plan->containers[1].cartons.size(), 2u);
}

TEST_F(PlanJson, refusesAPlanOfMoreContainersThanItsBound) {
  std::string text = R"({"mode": "fleet", "containers": [)";
  const std::string one = R"({"type": 0, "placements": [{"x":0,"y":0,"z":0,"sizeX":1,"sizeY":1,"sizeZ":1,"cartonIndex":0}]})";
  for (std::int64_t k = 0; k <= kMaxPlanContainers; ++k) text += (k ? "," : "") + one;
  text += "]}";
  const PlanReading reading = readPlanJson(text);
  EXPECT_FALSE(reading.plan);
  EXPECT_NE(reading.reason.find("more than " + std::to_string(kMaxPlanContainers) + " containers"), std::string::npos);
}

// The example project with the spacing the command line plans with by default.
FillScheme example(const std::string& name) {
  FillScheme project;
  EXPECT_TRUE(loadProjectFile(std::string(CARGOLYX_EXAMPLES_DIR) + "/" + name, project));
  project.spacingL = project.spacingW = project.spacingH = 0;
  return project;
}

// "#12" followed by the rest.
std::string cartonNamed(std::size_t index, const char* rest) {
  std::string text = "#";
  text += std::to_string(index);
  text += rest;
  return text;
}

CheckInput inputOf(const FillScheme& project, const PlanReading& reading) {
  CheckInput in = projectCheckInput(project, 0, reading.plan->setCount);
  in.cartons = cartonsOf(reading);
  return in;
}

TEST_F(PlanJson, thePlansPrintedForTheExamplesHold) {
  for (const char* name : {"demo", "mixed", "positions"}) {
    const PlanReading reading = readPlanJson(
        fileText(std::string(CARGOLYX_CLI_GOLDEN_DIR) + "/" + name + ".expected.json"));
    ASSERT_TRUE(reading.plan) << name << ": " << reading.reason;
    EXPECT_FALSE(cartonsOf(reading).empty());
    const CheckReport report = checkPlan(inputOf(example(std::string(name) + ".pak"), reading));
    EXPECT_TRUE(report.holds()) << name;
  }
}

TEST_F(PlanJson, aBlockMovedIntoAnotherIsRejectedCartonByCarton) {
  // The demo plan's second block (780 cartons come before it) moved 100 mm into the first.
  std::string text = fileText(std::string(CARGOLYX_CLI_GOLDEN_DIR) + "/demo.expected.json");
  const std::string vertex = R"({"x":2000,"y":0,"z":0,"sizeX":300)";
  // Moved wherever the plan lists it: among its blocks and in its container.
  ASSERT_NE(text.find(vertex), std::string::npos);
  for (std::size_t at = text.find(vertex); at != std::string::npos; at = text.find(vertex))
    text.replace(at, vertex.size(), R"({"x":1900,"y":0,"z":0,"sizeX":300)");
  const PlanReading reading = readPlanJson(text);
  ASSERT_TRUE(reading.plan) << reading.reason;
  const CheckInput in = inputOf(example("demo.pak"), reading);
  const CheckReport report = checkPlan(in);
  ASSERT_FALSE(report.holds());
  for (const Violation& v : report.violations) {
    EXPECT_EQ(v.rule, Rule::Overlap);
    EXPECT_LT(v.cartons.at(0), 780u);
    EXPECT_GE(v.cartons.at(1), 780u);
    EXPECT_DOUBLE_EQ(v.amount, 100);
  }
  const Violation& first = report.violations[0];
  const std::string words = describeViolation(first, in);
  const std::string inFirstBlock = cartonNamed(first.cartons[0], " (纸箱1 at x 1600");
  const std::string inSecondBlock = cartonNamed(first.cartons[1], " (纸箱1 at x 1900");
  EXPECT_NE(words.find(inFirstBlock), std::string::npos) << words;
  EXPECT_NE(words.find(inSecondBlock), std::string::npos) << words;
}

TEST_F(PlanJson, twoCartonsMovedIntoEachOtherAreRejectedNamingBoth) {
  std::string text = kLoadMaxPlan;
  const std::string second = R"({"x":300,"y":0,"z":0,"sizeX":300)";
  text.replace(text.find(second), second.size(), R"({"x":100,"y":0,"z":0,"sizeX":300)");
  text.erase(text.find(R"( "blocks")"), text.find(R"( "setCount")") - text.find(R"( "blocks")"));
  const PlanReading reading = readPlanJson(text);
  ASSERT_TRUE(reading.plan) << reading.reason;
  CheckInput in;
  in.container = ContainerSize{1000, 1000, 1000, 100};
  in.types.resize(3);
  in.types[2] = CartonType{"纸箱3", 300, 200, 100, 3, 1};
  in.cartons = cartonsOf(reading);
  const CheckReport report = checkPlan(in);
  ASSERT_EQ(report.violations.size(), 1u);
  EXPECT_EQ(report.violations[0].rule, Rule::Overlap);
  EXPECT_EQ(report.violations[0].cartons, (std::vector<std::size_t>{0, 1}));
  EXPECT_DOUBLE_EQ(report.violations[0].amount, 100);
  const std::string words = describeViolation(report.violations[0], in);
  EXPECT_NE(words.find("#0 (纸箱3 at x 0, y 0, z 0)"), std::string::npos) << words;
  EXPECT_NE(words.find("#1 (纸箱3 at x 100, y 0, z 0)"), std::string::npos) << words;
  EXPECT_NE(words.find("by 100 mm"), std::string::npos) << words;
}

struct Refusal {
  const char* document;
  const char* where;  // what the reason must name
};

const Refusal kRefusals[] = {
    {"", "byte 1"},
    {R"({"mode": "max", "blocks": [)", "byte 28"},
    {R"({"mode": "max", "blocks": [] x)", "byte 30"},
    {"[1, 2]", "not a JSON object"},
    {"7", "not a JSON object"},
    {"{}", "no mode"},
    {R"({"mode": "max"})", "no containers, placements or blocks"},
    {R"({"mode": "stack", "blocks": []})", "mode \"stack\" names no planner"},
    {R"({"mode": "max", "placements": null})", "placements: expected an array"},
    {R"({"mode": "max", "blocks": {"x": 1}})", "blocks: expected an array"},
    {R"({"mode": "max", "blocks": [5]})", "blocks[0]: expected an object"},
    {R"({"mode": "max", "placements": [{"x":1,"y":2,"z":3,"sizeX":1,"sizeY":1,"sizeZ":1}]})",
     "placements[0]: cartonIndex is missing"},
    {R"({"mode": "max", "placements": [{"x":1,"y":2,"z":3,"sizeX":1,"sizeY":1,"sizeZ":1,"cartonIndex":0},
                        {"x":1.5,"y":2,"z":3,"sizeX":1,"sizeY":1,"sizeZ":1,"cartonIndex":0}]})",
     "placements[1].x"},
    {R"({"mode": "max", "placements": [{"x":"1","y":2,"z":3,"sizeX":1,"sizeY":1,"sizeZ":1,"cartonIndex":0}]})", "placements[0].x"},
    {R"({"mode": "max", "placements": [{"x":[1]}]})", "placements[0].x"},
    {R"({"mode": "max", "placements": [{"x":3000000000,"y":2,"z":3,"sizeX":1,"sizeY":1,"sizeZ":1,"cartonIndex":0}]})", "placements[0].x"},
    {R"({"mode": "max", "placements": [{"x":1,"x":2}]})", "placements[0].x: given twice"},
    {R"({"mode": "max", "placements": [], "placements": []})", "placements: given twice"},
    {R"({"mode": "max", "mode": "fleet", "placements": []})", "mode: given twice"},
    {R"({"mode": "fleet", "containers": [{"type": 0, "type": 1, "placements": []}]})", "containers[0].type: given twice"},
    {R"({"mode": "max", "blocks": [{"x":0,"y":0,"z":0,"sizeX":1,"sizeY":1,"sizeZ":1,"nx":2,"ny":2,"nz":2,
                     "count":9,"gapX":0,"gapY":0,"gapZ":0,"cartonIndex":0}]})",
     "blocks[0].count: more than the 8 places"},
    {R"({"mode": "max", "blocks": [{"x":0,"y":0,"z":0,"sizeX":1,"sizeY":1,"sizeZ":1,"nx":-2,"ny":2,"nz":2,
                     "count":0,"gapX":0,"gapY":0,"gapZ":0,"cartonIndex":0}]})",
     "blocks[0].nx: must not be negative"},
    {R"({"mode": "max", "blocks": [{"x":2000000000,"y":0,"z":0,"sizeX":100000000,"sizeY":1,"sizeZ":1,"nx":3,
                     "ny":1,"nz":1,"count":3,"gapX":0,"gapY":0,"gapZ":0,"cartonIndex":0}]})",
     "blocks[0]: its cartons lie beyond the 32-bit range"},
    {R"({"mode": "max", "blocks": [{"x":0,"y":0,"z":0,"sizeX":500,"sizeY":300,"sizeZ":400,"nx":4,"ny":8,"nz":125000,
                     "count":4000000,"gapX":0,"gapY":0,"gapZ":0,"cartonIndex":0}]})",
     "more than 500000 cartons"},
    {R"({"mode": "max", "setCount": -1, "blocks": []})", "setCount"},
    {R"({"mode": "max", "supportPercent": 101, "blocks": []})", "supportPercent"},
    {R"({"mode": "max", "supportPercent": "all", "blocks": []})", "supportPercent"},
    {R"({"mode": "max", "setCount": 1.5, "blocks": []})", "setCount"},
    {"{\"mode\": \"max\", \"blocks\": [], \"name\": \"\xff\"}", "not valid JSON"},
    {R"({"mode": "max", "a":[[[[[[[[[[[[[[[[1]]]]]]]]]]]]]]]], "blocks": []})", "deeper than 16 levels"},
};

TEST_F(PlanJson, refusesAMalformedDocumentSayingWhatAndWhere) {
  for (const Refusal& r : kRefusals) {
    const PlanReading reading = readPlanJson(r.document);
    EXPECT_FALSE(reading.plan) << r.document;
    EXPECT_NE(reading.reason.find(r.where), std::string::npos)
        << r.document << "\nreason: " << reading.reason;
  }
}

TEST_F(PlanJson, nestingUpToTheLimitIsRead) {
  // Fifteen arrays inside the document: sixteen levels.
  const PlanReading reading =
      readPlanJson(R"({"mode": "max", "a":[[[[[[[[[[[[[[[1]]]]]]]]]]]]]]], "blocks": []})");
  ASSERT_TRUE(reading.plan) << reading.reason;
  EXPECT_TRUE(cartonsOf(reading).empty());
}

TEST_F(PlanJson, refusesADocumentLargerThanItsBound) {
  std::string text = R"({"mode": "max", "blocks": []})";
  text.resize(kMaxPlanJsonBytes + 1, ' ');
  const PlanReading reading = readPlanJson(text);
  EXPECT_FALSE(reading.plan);
  EXPECT_NE(reading.reason.find("64 MiB"), std::string::npos) << reading.reason;
  text.resize(kMaxPlanJsonBytes);
  EXPECT_TRUE(readPlanJson(text).plan);
}

TEST_F(PlanJson, refusesEveryTruncatedPrefix) {
  const std::string text = kLoadMaxPlan;
  ASSERT_TRUE(readPlanJson(text).plan);
  for (std::size_t length = 0; length < text.size(); ++length) {
    const PlanReading reading = readPlanJson(std::string_view(text).substr(0, length));
    EXPECT_FALSE(reading.plan) << length;
    EXPECT_FALSE(reading.reason.empty()) << length;
  }
}

TEST_F(PlanJson, theReasonComesInTheProgramsLanguage) {
  setLanguage(Language::Chinese);
  const PlanReading reading = readPlanJson(R"({"blocks": [5]})");
  EXPECT_NE(reading.reason.find("blocks[0]"), std::string::npos);
  setLanguage(Language::English);
  EXPECT_NE(reading.reason, readPlanJson(R"({"blocks": [5]})").reason);
}

// A pallet plan: one EUR pallet with two cartons of type 0, placed turned in container
// type 0, and a loose carton of type 1 beside it.
const char* const kPalletPlan = R"({"status": "loaded", "mode": "pallets", "supportPercent": 100,
 "pallets": [{"type": "EUR", "height": 344, "grossWeight": 65,
              "placements": [{"x":0,"y":144,"z":0,"sizeX":400,"sizeY":200,"sizeZ":600,"cartonIndex":0},
                             {"x":400,"y":144,"z":0,"sizeX":400,"sizeY":200,"sizeZ":600,"cartonIndex":0}]}],
 "containers": [{"type": 0, "placements": [
   {"x":0,"y":0,"z":0,"sizeX":1200,"sizeY":344,"sizeZ":800,"pallet":0,"turned":true},
   {"x":1300,"y":0,"z":0,"sizeX":300,"sizeY":300,"sizeZ":300,"cartonIndex":1}]}]})";

TEST_F(PlanJson, readsAPalletPlanWithItsPalletsAndItsContainers) {
  const PlanReading reading = readPlanJson(kPalletPlan);
  ASSERT_TRUE(reading.plan) << reading.reason;
  const PlanDocument& plan = *reading.plan;
  EXPECT_EQ(plan.kind, PlanKind::Pallets);
  EXPECT_EQ(plan.supportPercent, 100);
  ASSERT_EQ(plan.pallets.size(), 1u);
  EXPECT_EQ(plan.pallets[0].type, "EUR");
  EXPECT_EQ(plan.pallets[0].height, 344);
  EXPECT_EQ(plan.pallets[0].grossWeight, 65.0);
  ASSERT_EQ(plan.pallets[0].cartons.size(), 2u);
  EXPECT_EQ(plan.pallets[0].cartons[1], (PlacedCarton{0, 400, 144, 0, 400, 200, 600}));
  ASSERT_EQ(plan.containers.size(), 1u);
  ASSERT_EQ(plan.containers[0].pallets.size(), 1u);
  const PlacedPallet& placed = plan.containers[0].pallets[0];
  EXPECT_EQ(placed.pallet, 0);
  EXPECT_TRUE(placed.turned);
  EXPECT_EQ(placed.statedSizeX, 1200);
  ASSERT_EQ(plan.containers[0].cartons.size(), 1u);
  EXPECT_EQ(plan.containers[0].cartons[0].type, 1);
}

TEST_F(PlanJson, refusesAPalletPlanSayingWhatAndWhere) {
  std::string text = kPalletPlan;
  text.replace(text.find("\"pallet\":0"), 10, "\"pallet\":\"a\"");
  const PlanReading reading = readPlanJson(text);
  EXPECT_FALSE(reading.plan);
  EXPECT_NE(reading.reason.find("containers[0].placements[0].pallet"), std::string::npos) << reading.reason;
  std::string noType = kPalletPlan;
  noType.replace(noType.find("\"type\": \"EUR\""), 13, "\"type\": 3");
  EXPECT_NE(readPlanJson(noType).reason.find("pallets[0].type"), std::string::npos);
}

TEST_F(PlanJson, aPalletPlanNamesPalletTypesAndContainerTypesOfTheProject) {
  FillScheme project;
  project.cartons.resize(2);
  project.container = Container{"c", 12000, 2400, 2600, 20000};
  const PlanDocument plan = *readPlanJson(kPalletPlan).plan;
  const PlanVerdict verdict = checkProjectPlan(project, plan);
  EXPECT_TRUE(verdict.refusal.empty()) << verdict.refusal;
  PlanDocument unknown = plan;
  unknown.pallets[0].type = "CHEP";
  EXPECT_NE(checkProjectPlan(project, unknown).refusal.find("CHEP"), std::string::npos);
  PlanDocument noContainer = plan;
  noContainer.containers[0].type = 1;
  EXPECT_FALSE(checkProjectPlan(project, noContainer).refusal.empty());
}

}  // namespace
}  // namespace check
