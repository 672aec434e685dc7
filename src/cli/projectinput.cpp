#include "cli/projectinput.h"

#include <cctype>
#include <iostream>
#include <vector>

#include "cli/terminaltext.h"
#include "commands/containerform.h"
#include "commands/packinglist.h"
#include "model/fillscheme.h"
#include "model/language.h"
#include "model/projectfile.h"

bool isPackingListName(const std::string& path) {
  constexpr std::string_view suffix = ".csv";
  if (path.size() < suffix.size()) return false;
  for (std::size_t i = 0; i < suffix.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(path[path.size() - suffix.size() + i])) != suffix[i]) return false;
  return true;
}

std::optional<Container> parseContainerOption(const std::string& text) {
  std::vector<std::string> parts(1);
  for (const char ch : text) {
    if (ch == ',') parts.emplace_back();
    else parts.back() += ch;
  }
  std::optional<Container> container;
  if (parts.size() == 4) {
    const ContainerRow row{Container{}.name, parts[0], parts[1], parts[2], parts[3]};
    if (checkContainerRow(row).empty()) container = containerOf(row);
  }
  if (!container)
    std::cerr << "cargolyx-cli: "
              << inLanguage("--container 须为集装箱内部的长、宽、高（毫米，大于0）和最大载重（千克）四个整数，以逗号分隔，如 11800,2300,2450,20000",
                            "--container needs the container's inner length, width and height (mm, above 0) "
                            "and its maximum load (kg) as four whole numbers L,W,H,KG, such as 11800,2300,2450,20000")
              << "\n";
  return container;
}

bool containerFitsInput(const std::string& path, const std::optional<Container>& container) {
  if (isPackingListName(path) && !container) {
    std::cerr << "cargolyx-cli: "
              << inLanguage("装箱单须与 --container L,W,H,KG 一起给出（集装箱内部尺寸，毫米；最大载重，千克）。",
                            "a packing list needs --container L,W,H,KG (the container's inner size in mm and "
                            "its maximum load in kg).")
              << "\n";
    return false;
  }
  if (!isPackingListName(path) && container) {
    std::cerr << "cargolyx-cli: "
              << inLanguage("--container 只用于装箱单（.csv）；项目文件自带集装箱。",
                            "--container is for packing lists (.csv); a project file has its own container.")
              << "\n";
    return false;
  }
  return true;
}

bool readInputProject(const std::string& path, const std::optional<Container>& container, FillScheme& project) {
  if (!containerFitsInput(path, container)) return false;
  if (!container) {
    std::string error;
    if (loadProjectFile(path, project, &error)) return true;
    std::cerr << "cargolyx-cli: cannot open the project: " << escapeControlCharacters(error) << "\n";
    return false;
  }
  PackingList list = readPackingListFile(path);
  if (!list.ok()) {
    std::cerr << "cargolyx-cli: " << escapeControlCharacters(list.message) << "\n";
    return false;
  }
  project.container = *container;
  project.cartons = std::move(list.cartons);
  return true;
}
