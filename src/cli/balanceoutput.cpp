#include "cli/balanceoutput.h"

#include <vector>

#include "cli/jsonwriter.h"
#include "cli/terminaltext.h"
#include "commands/loadbalance.h"
#include "model/fillscheme.h"

std::string balanceText(const FillScheme& project) {
  if (project.blocks.empty()) return {};
  const LoadBalance balance = loadBalance(project);
  std::string text = loadedWeightText(balance) + "\n";
  if (const std::string centre = centreOfGravityText(balance); !centre.empty())
    text += escapeControlCharacters(centre) + "\n";  // carton names are shown, never obeyed
  return text;
}

std::string balanceJson(const FillScheme& project) {
  const LoadBalance balance = loadBalance(project);
  std::vector<std::string> missing;
  for (const std::string& name : balance.weightlessCartons) missing.push_back(jsonString(name));
  const std::string centre = balance.centreKnown ? JsonObject()
                                                       .addNumber("fromInnerEnd", balance.fromInnerEnd)
                                                       .addNumber("fromLeftWall", balance.fromLeftWall)
                                                       .addNumber("aboveFloor", balance.aboveFloor)
                                                       .addNumber("offsetAlongLength", balance.offsetAlongLength)
                                                       .addNumber("offsetAcross", balance.offsetAcross)
                                                       .str(",", "")
                                                 : std::string("null");
  return JsonObject()
      .addNumber("loadedWeight", balance.loadedWeight)
      .addJson("maxLoadShare", balance.maxLoadShare ? jsonNumber(*balance.maxLoadShare) : std::string("null"))
      .addJson("weightsMissing", jsonArray(missing, ","))
      .addJson("centreOfGravity", centre)
      .str(",", "");
}
