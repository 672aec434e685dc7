#include "thpack.h"

#include <algorithm>
#include <fstream>

std::optional<FillScheme> thpackProject(const std::string& path, int instance, int scale,
                                        bool withSeed, int countDivisor) {
  std::ifstream in(path);
  int instances = 0;
  if (!(in >> instances) || instance < 1 || instance > instances) return std::nullopt;
  for (int i = 1; i <= instance; ++i) {
    long number = 0, seed = 0;
    int length = 0, width = 0, height = 0, types = 0;
    if (!(in >> number)) return std::nullopt;
    if (withSeed && !(in >> seed)) return std::nullopt;
    if (!(in >> length >> width >> height >> types)) return std::nullopt;
    FillScheme project;
    project.spacingL = project.spacingW = project.spacingH = 0;
    project.container = Container{"thpack " + std::to_string(number), length * scale,
                                  width * scale, height * scale, 20000};
    for (int t = 0; t < types; ++t) {
      int id = 0, l = 0, fl = 0, w = 0, fw = 0, h = 0, fh = 0, count = 0;
      if (!(in >> id >> l >> fl >> w >> fw >> h >> fh >> count)) return std::nullopt;
      if (i != instance) continue;
      Carton& carton = project.addCarton();
      carton.length = l * scale;
      carton.width = w * scale;
      carton.height = h * scale;
      carton.count = std::max(1, count / countDivisor);
      carton.mustUp = fl == 0 && fw == 0 && fh == 1;
    }
    if (i == instance) return project;
  }
  return std::nullopt;
}
