// The core's texts in English: the same facts as in Chinese, and plain ASCII, so that the
// GBK project files and exported plan encode them.

#include <gtest/gtest.h>

#include <string>

#include "commands/calculate.h"
#include "commands/cartonform.h"
#include "commands/documentstate.h"
#include "commands/fillblocks.h"
#include "commands/leftovers.h"
#include "commands/loadbalance.h"
#include "commands/optionform.h"
#include "commands/projectfiles.h"
#include "commands/resultlist.h"
#include "commands/runcheck.h"
#include "commands/exportfolder.h"
#include "commands/statistics.h"
#include "export/exportplan.h"
#include "resultblocks.h"
#include "model/fillscheme.h"
#include "model/language.h"

namespace {

// English for the life of the object; Chinese, the default, again after it.
class InEnglish {
 public:
  InEnglish() { setLanguage(Language::English); }
  ~InEnglish() { setLanguage(Language::Chinese); }
};

bool isAscii(const std::string& text) {
  for (unsigned char c : text)
    if (c >= 0x80) return false;
  return true;
}

FillScheme projectWithLeftovers() {
  FillScheme project;
  Carton& carton = project.addCarton();
  carton.name = "TV";
  carton.length = 600;
  carton.width = 400;
  carton.height = 300;
  carton.count = 10;
  BlockScheme block;
  block.cartonIndex = 0;
  block.cartonName = "TV";
  block.orientation = 0;
  block.nx = 2;
  block.ny = 2;
  block.nz = 2;
  block.count = 7;
  resultBlocks(project).push_back(block);
  return project;
}

std::string statisticsTextOf(const FillScheme& project) {
  return resultStatisticsText(resultStatistics(project, loadedContainerOf(project)));
}

std::vector<ResultRow> rowsOf(const FillScheme& project) {
  return resultRows(project, loadedContainerOf(project), leftoverCartons(project, project.result));
}

LoadBalance balanceOf(const FillScheme& project) { return loadBalance(project.cartons, loadedContainerOf(project));
}

}  // namespace

TEST(EnglishTexts, messagesNameTheSameFactsAsInChinese) {
  const FillScheme project = projectWithLeftovers();
  const std::vector<Leftover> leftovers = leftoverCartons(project, project.result);
  EXPECT_EQ(leftoverStatusText(leftovers), "未装入：TV 3 箱（共 3 箱）");
  EXPECT_EQ(elapsedTimeText(65), "已用时间：1分05秒");
  {
    InEnglish english;
    EXPECT_EQ(leftoverStatusText(leftovers), "Not loaded: TV 3 cartons (3 cartons in all)");
    EXPECT_EQ(elapsedTimeText(65), "Time elapsed: 1 min 05 s");
    EXPECT_EQ(elapsedTimeText(7), "Time elapsed: 7 s");
    EXPECT_EQ(windowTitle("", true), "Untitled* — Cargolyx");
    EXPECT_EQ(statisticsTextOf(project).rfind("Cartons: 7, volume: ", 0), 0u) << statisticsTextOf(project);
    const std::vector<ResultRow> rows = rowsOf(project);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].texts[2], "L-W face to the door, W-H face up");
    EXPECT_EQ(rows[1].texts[1], "Total");
    EXPECT_EQ(rows[2].texts[2], "Not loaded");
    EXPECT_EQ(resultColumns()[0], "Block");
  }
  EXPECT_EQ(resultColumns()[0], "块号");
  EXPECT_EQ(rowsOf(project)[1].texts[1], "合计");
}

TEST(EnglishTexts, everyFixedEnglishTextIsAscii) {
  InEnglish english;
  const FillScheme project = projectWithLeftovers();
  std::vector<std::string> texts = {leftoverMessage(leftoverCartons(project, project.result)),
                                    cartonStatisticsText(project),
                                    statisticsTextOf(project),
                                    edgeTooSmallMessage("L"),
                                    cartonCountMessage(),
                                    cartonWeightMessage(),
                                    volumeExceededMessage(true, 12),
                                    saveChangesQuestion("/tmp/a.pak"),
                                    saveChangesQuestion(""),
                                    nothingLoadedMessage(),
                                    emptyContainerMessage(),
                                    nothingToExportMessage(),
                                    openDocumentFailedMessage(),
                                    planAgainQuestion(""),
                                    loadMaxFillMessage(),
                                    timeLimitProblemMessage(),
                                    supportProblemMessage(),
                                    bestFillText(0.5),
                                    loadedWeightText(balanceOf(project)),
                                    centreOfGravityText(balanceOf(project))};
  FillScheme weighed = project;
  weighed.cartons[0].weight = 12;
  texts.push_back(centreOfGravityText(balanceOf(weighed)));
  for (PreRunCheck check : {PreRunCheck::NoCartons, PreRunCheck::TooManySets, PreRunCheck::OverWeight,
                            PreRunCheck::DoesNotFit, PreRunCheck::MixedUnderHalf, PreRunCheck::AskUnderHalf,
                            PreRunCheck::AskUnder85, PreRunCheck::RulesNotKept})
    texts.push_back(preRunMessage(check));
  // Every cargo rule, a balance window the centre misses and a truck whose axles are over.
  FillScheme ruled = weighed;
  ruled.cartons[0].stackable = false;
  ruled.cartons[0].maxLoadOnTop = 5;
  ruled.cartons[0].fragile = true;
  ruled.stops = {"A", "B"};
  ruled.cartons[0].stop = std::string("A");
  Vehicle truck = vehiclePresets().front().vehicle;
  truck.maxLoad = truck.tare;
  for (LoadedContainer& loaded : ruled.result.containers) {
    loaded.container.balance = BalanceWindow{0.0, 0.0, 0};
    loaded.container.vehicle = truck;
  }
  ruled.container = ruled.result.containers.front().container;
  texts.push_back(preRunMessage(PreRunCheck::RulesNotKept, ruled));
  texts.push_back(loadMaxRulesMessage(ruled));
  texts.push_back(fleetRulesMessage(ruled));
  texts.push_back(centreOfGravityText(balanceOf(ruled)));
  const std::optional<AxleLoads> axles = axleLoads(ruled, loadedContainerOf(ruled));
  ASSERT_TRUE(axles && axles->worstOverload());
  texts.push_back(axleLoadText(*axles, ruled));
  texts.push_back(axleStateText(axles->states.back(), ruled));
  for (const CargoRule rule : cargoRulesInUse(ruled)) texts.push_back(cargoRuleName(rule));
  for (const VehiclePreset& preset : vehiclePresets()) {
    texts.push_back(preset.name);
    texts.push_back(vehicleKindName(preset.vehicle.kind));
    for (std::size_t axle = 0; axle < preset.vehicle.axleCount(); ++axle)
      texts.push_back(axleName(preset.vehicle.kind, axle));
  }
  truck.wheelbase = 0;
  texts.push_back(vehicleProblem(truck));
  texts.push_back(pakCannotHoldRulesQuestion());
  texts.push_back(loadOnTopMessage());
  texts.push_back(stopNameMessage());
  for (int orientation = -1; orientation <= 6; ++orientation) texts.push_back(orientationName(orientation));
  for (const std::string& text : materialNames()) texts.push_back(text);
  for (const std::string& text : spaceItemTexts()) texts.push_back(text);
  for (const std::string& text : resultColumns()) texts.push_back(text);
  for (const std::string& text : texts) {
    EXPECT_FALSE(text.empty());
    EXPECT_TRUE(isAscii(text)) << text;
  }
}
