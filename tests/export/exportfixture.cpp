#include "exportfixture.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "model/gbk.h"

FillScheme samplePlan() {
  FillScheme plan;
  Carton first;
  first.name = "纸箱1";
  first.length = 600;
  first.width = 400;
  first.height = 300;
  first.count = 20;
  first.material = 0;
  Carton second;
  second.name = "纸箱2";
  second.length = 500;
  second.width = 500;
  second.height = 400;
  second.count = 72;
  second.material = 1;
  plan.cartons = {first, second};

  BlockScheme lying;  // orientation 5: L, W, H along x, y, z
  lying.sizeX = 600;
  lying.sizeY = 400;
  lying.sizeZ = 300;
  lying.nx = 3;
  lying.ny = 2;
  lying.nz = 4;
  lying.orientation = 5;
  lying.count = 20;
  lying.cartonIndex = 0;
  lying.cartonName = "纸箱1";
  BlockScheme upright;  // orientation 3: W, H, L along x, y, z
  upright.z = 1240;
  upright.sizeX = 500;
  upright.sizeY = 400;
  upright.sizeZ = 500;
  upright.nx = 4;
  upright.ny = 6;
  upright.nz = 3;
  upright.orientation = 3;
  upright.material = 1;
  upright.count = 72;
  upright.cartonIndex = 1;
  upright.cartonName = "纸箱2";
  plan.result.containers.push_back(LoadedContainer{plan.container, {lying, upright}});
  return plan;
}

TempFolder::TempFolder() {
  char pattern[] = "/tmp/cargolyx-export-XXXXXX";
  if (::mkdtemp(pattern) == nullptr) throw std::runtime_error("no temporary folder");
  path_ = std::string(pattern) + "/";
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void writeBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string gbk(const std::string& utf8) {
  auto bytes = utf8ToGbk(utf8);
  if (!bytes) throw std::runtime_error("no GBK for " + utf8);
  return *bytes;
}
