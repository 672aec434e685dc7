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

// Three cartons of type 2 in the load-max form; its blocks say something else, to show
// which of the two is read.
const char* const kLoadMaxPlan = R"({"status": "loaded", "mode": "max",
 "blocks": [{"x":0,"y":0,"z":0,"sizeX":100,"sizeY":100,"sizeZ":100,"nx":1,"ny":1,"nz":1,
             "count":1,"gapX":0,"gapY":0,"gapZ":0,"cartonIndex":0,"cartonName":"a"}],
 "setCount": 0,
 "placements": [{"x":0,"y":0,"z":0,"sizeX":300,"sizeY":200,"sizeZ":100,"cartonIndex":2,"block":0},
                {"x":300,"y":0,"z":0,"sizeX":300,"sizeY":200,"sizeZ":100,"cartonIndex":2,"block":0},
                {"x":0,"y":200,"z":0,"sizeX":300,"sizeY":200,"sizeZ":100,"cartonIndex":2,"block":1}],
 "leftovers": [{"cartonIndex":0,"cartonName":"a","count":4}],
 "centreOfGravity": {"x":1,"y":2,"z":3}, "timedOut": false})";

TEST_F(PlanJson, readsThePlacementsOfTheLoadMaxFormBeforeItsBlocks) {
  const JsonPlanReading reading = readPlanJson(kLoadMaxPlan);
  ASSERT_TRUE(reading.plan) << reading.reason;
  EXPECT_TRUE(reading.plan->loadMax);
  EXPECT_EQ(reading.plan->setCount, 0);
  EXPECT_FALSE(reading.plan->supportPercent);
  const std::vector<PlacedCarton> expected = {
      {2, 0, 0, 0, 300, 200, 100}, {2, 300, 0, 0, 300, 200, 100}, {2, 0, 200, 0, 300, 200, 100}};
  EXPECT_EQ(reading.plan->cartons, expected);
}

TEST_F(PlanJson, readsTheSupportThePlanWasMadeWith) {
  const JsonPlanReading reading = readPlanJson(R"({"placements": [], "supportPercent": 70})");
  ASSERT_TRUE(reading.plan) << reading.reason;
  EXPECT_EQ(reading.plan->supportPercent, 70);
}

TEST_F(PlanJson, readsTheBlocksOfTheSetsForm) {
  const JsonPlanReading reading = readPlanJson(R"({"mode": "zoned", "setCount": 3, "blocks": [
      {"x":10,"y":0,"z":5,"sizeX":100,"sizeY":50,"sizeZ":200,"nx":2,"ny":1,"nz":2,"count":3,
       "gapX":1,"gapY":0,"gapZ":2,"cartonIndex":1,"orientation":0,"cartonName":"b"}]})");
  ASSERT_TRUE(reading.plan) << reading.reason;
  EXPECT_FALSE(reading.plan->loadMax);
  EXPECT_EQ(reading.plan->setCount, 3);
  const std::vector<PlacedCarton> expected = {
      {1, 10, 0, 5, 100, 50, 200}, {1, 10, 0, 207, 100, 50, 200}, {1, 111, 0, 5, 100, 50, 200}};
  EXPECT_EQ(reading.plan->cartons, expected);
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

CheckInput inputOf(const FillScheme& project, const JsonPlan& plan) {
  CheckInput in = projectCheckInput(project, 0, plan.setCount);
  in.cartons = plan.cartons;
  return in;
}

TEST_F(PlanJson, thePlansPrintedForTheExamplesHold) {
  for (const char* name : {"demo", "mixed", "positions"}) {
    const JsonPlanReading reading = readPlanJson(
        fileText(std::string(CARGOLYX_CLI_GOLDEN_DIR) + "/" + name + ".expected.json"));
    ASSERT_TRUE(reading.plan) << name << ": " << reading.reason;
    EXPECT_FALSE(reading.plan->cartons.empty());
    const CheckReport report =
        checkPlan(inputOf(example(std::string(name) + ".pak"), *reading.plan));
    EXPECT_TRUE(report.holds()) << name;
  }
}

TEST_F(PlanJson, aBlockMovedIntoAnotherIsRejectedCartonByCarton) {
  // The demo plan's second block (780 cartons come before it) moved 100 mm into the first.
  std::string text = fileText(std::string(CARGOLYX_CLI_GOLDEN_DIR) + "/demo.expected.json");
  const std::string vertex = R"({"x":2000,"y":0,"z":0,"sizeX":300)";
  const std::size_t at = text.find(vertex);
  ASSERT_NE(at, std::string::npos);
  text.replace(at, vertex.size(), R"({"x":1900,"y":0,"z":0,"sizeX":300)");
  const JsonPlanReading reading = readPlanJson(text);
  ASSERT_TRUE(reading.plan) << reading.reason;
  const CheckInput in = inputOf(example("demo.pak"), *reading.plan);
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
  const JsonPlanReading reading = readPlanJson(text);
  ASSERT_TRUE(reading.plan);
  CheckInput in;
  in.container = ContainerSize{1000, 1000, 1000, 100};
  in.types.resize(3);
  in.types[2] = CartonType{"纸箱3", 300, 200, 100, 3, 1};
  in.cartons = reading.plan->cartons;
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
    {R"({"blocks": [)", "byte 13"},
    {R"({"blocks": [] x)", "byte 15"},
    {"[1, 2]", "not a JSON object"},
    {"7", "not a JSON object"},
    {"{}", "neither placements nor blocks"},
    {R"({"placements": null})", "placements: expected an array"},
    {R"({"blocks": {"x": 1}})", "blocks: expected an array"},
    {R"({"blocks": [5]})", "blocks[0]: expected an object"},
    {R"({"placements": [{"x":1,"y":2,"z":3,"sizeX":1,"sizeY":1,"sizeZ":1}]})",
     "placements[0]: cartonIndex is missing"},
    {R"({"placements": [{"x":1,"y":2,"z":3,"sizeX":1,"sizeY":1,"sizeZ":1,"cartonIndex":0},
                        {"x":1.5,"y":2,"z":3,"sizeX":1,"sizeY":1,"sizeZ":1,"cartonIndex":0}]})",
     "placements[1].x"},
    {R"({"placements": [{"x":"1"}]})", "placements[0].x"},
    {R"({"placements": [{"x":[1]}]})", "placements[0].x"},
    {R"({"placements": [{"x":3000000000}]})", "placements[0].x"},
    {R"({"placements": [{"x":1,"x":2}]})", "placements[0]: x appears twice"},
    {R"({"placements": [], "placements": []})", "placements appears twice"},
    {R"({"blocks": [{"x":0,"y":0,"z":0,"sizeX":1,"sizeY":1,"sizeZ":1,"nx":2,"ny":2,"nz":2,
                     "count":9,"gapX":0,"gapY":0,"gapZ":0,"cartonIndex":0}]})",
     "blocks[0].count: more than the 8 places"},
    {R"({"blocks": [{"x":0,"y":0,"z":0,"sizeX":1,"sizeY":1,"sizeZ":1,"nx":-2,"ny":2,"nz":2,
                     "count":0,"gapX":0,"gapY":0,"gapZ":0,"cartonIndex":0}]})",
     "blocks[0].nx: must not be negative"},
    {R"({"blocks": [{"x":2000000000,"y":0,"z":0,"sizeX":100000000,"sizeY":1,"sizeZ":1,"nx":3,
                     "ny":1,"nz":1,"count":3,"gapX":0,"gapY":0,"gapZ":0,"cartonIndex":0}]})",
     "blocks[0]: its cartons lie beyond the 32-bit range"},
    {R"({"blocks": [{"x":0,"y":0,"z":0,"sizeX":1,"sizeY":1,"sizeZ":1,"nx":2001,"ny":2000,"nz":1,
                     "count":4002000,"gapX":0,"gapY":0,"gapZ":0,"cartonIndex":0}]})",
     "more than 4000000 cartons"},
    {R"({"setCount": -1, "blocks": []})", "setCount"},
    {R"({"supportPercent": 101, "blocks": []})", "supportPercent"},
    {R"({"supportPercent": "all", "blocks": []})", "supportPercent"},
    {R"({"setCount": 1.5, "blocks": []})", "setCount"},
    {"{\"blocks\": [], \"name\": \"\xff\"}", "not valid JSON"},
    {R"({"a":[[[[[[[[[[[[[[[[1]]]]]]]]]]]]]]]], "blocks": []})", "deeper than 16 levels"},
};

TEST_F(PlanJson, refusesAMalformedDocumentSayingWhatAndWhere) {
  for (const Refusal& r : kRefusals) {
    const JsonPlanReading reading = readPlanJson(r.document);
    EXPECT_FALSE(reading.plan) << r.document;
    EXPECT_NE(reading.reason.find(r.where), std::string::npos)
        << r.document << "\nreason: " << reading.reason;
  }
}

TEST_F(PlanJson, nestingUpToTheLimitIsRead) {
  // Fifteen arrays inside the document: sixteen levels.
  const JsonPlanReading reading =
      readPlanJson(R"({"a":[[[[[[[[[[[[[[[1]]]]]]]]]]]]]]], "blocks": []})");
  ASSERT_TRUE(reading.plan) << reading.reason;
  EXPECT_TRUE(reading.plan->cartons.empty());
}

TEST_F(PlanJson, refusesADocumentLargerThanItsBound) {
  std::string text = R"({"blocks": []})";
  text.resize(kMaxPlanJsonBytes + 1, ' ');
  const JsonPlanReading reading = readPlanJson(text);
  EXPECT_FALSE(reading.plan);
  EXPECT_NE(reading.reason.find("64 MiB"), std::string::npos) << reading.reason;
  text.resize(kMaxPlanJsonBytes);
  EXPECT_TRUE(readPlanJson(text).plan);
}

TEST_F(PlanJson, refusesEveryTruncatedPrefix) {
  const std::string text = kLoadMaxPlan;
  ASSERT_TRUE(readPlanJson(text).plan);
  for (std::size_t length = 0; length < text.size(); ++length) {
    const JsonPlanReading reading = readPlanJson(std::string_view(text).substr(0, length));
    EXPECT_FALSE(reading.plan) << length;
    EXPECT_FALSE(reading.reason.empty()) << length;
  }
}

TEST_F(PlanJson, theReasonComesInTheProgramsLanguage) {
  setLanguage(Language::Chinese);
  const JsonPlanReading reading = readPlanJson(R"({"blocks": [5]})");
  EXPECT_NE(reading.reason.find("blocks[0]"), std::string::npos);
  EXPECT_NE(reading.reason, readPlanJson(R"({"blocks": [5]})").reason + "x");
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
  EXPECT_TRUE(isPalletPlanJson(kPalletPlan));
  EXPECT_FALSE(isPalletPlanJson(kLoadMaxPlan));
  const JsonPalletPlanReading reading = readPalletPlanJson(kPalletPlan);
  ASSERT_TRUE(reading.plan) << reading.reason;
  const JsonPalletPlan& plan = *reading.plan;
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
  const JsonPalletPlanReading reading = readPalletPlanJson(text);
  EXPECT_FALSE(reading.plan);
  EXPECT_NE(reading.reason.find("containers[0].placements[0].pallet"), std::string::npos) << reading.reason;
  std::string noType = kPalletPlan;
  noType.replace(noType.find("\"type\": \"EUR\""), 13, "\"type\": 3");
  EXPECT_NE(readPalletPlanJson(noType).reason.find("pallets[0].type"), std::string::npos);
}

TEST_F(PlanJson, aPalletPlanNamesPalletTypesAndContainerTypesOfTheProject) {
  FillScheme project;
  project.cartons.resize(2);
  const JsonPalletPlan plan = *readPalletPlanJson(kPalletPlan).plan;
  const NestedPlanReading reading = nestedPlanOfJson(project, plan, 100);
  ASSERT_TRUE(reading.plan) << reading.reason;
  EXPECT_EQ(reading.plan->pallets[0].kind.width, 800) << "the preset EUR";
  JsonPalletPlan unknown = plan;
  unknown.pallets[0].type = "CHEP";
  EXPECT_NE(nestedPlanOfJson(project, unknown, 100).reason.find("CHEP"), std::string::npos);
  JsonPalletPlan noContainer = plan;
  noContainer.containers[0].type = 1;
  EXPECT_FALSE(nestedPlanOfJson(project, noContainer, 100).plan);
}

}  // namespace
}  // namespace check
