#include "engine/balance.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// first + (first + step) + ... over n terms.
double arithmeticSum(double first, double step, std::int64_t n) {
  const auto count = static_cast<double>(n);
  return count * first + step * count * (count - 1) / 2;
}

// The sums of the centres of the block's loaded cartons along x, y and z, in closed form:
// a block may hold more cartons than are worth visiting one by one.
struct CentreSums {
  double x = 0, y = 0, z = 0;
};

CentreSums centreSums(const BlockScheme& b, std::int64_t count) {
  CentreSums sums;
  if (count <= 0 || b.ny <= 0 || b.nz <= 0) return sums;
  const double x0 = b.x + b.sizeX / 2.0, dx = double(b.sizeX) + b.gapX;
  const double y0 = b.y + b.sizeY / 2.0, dy = double(b.sizeY) + b.gapY;
  const double z0 = b.z + b.sizeZ / 2.0, dz = double(b.sizeZ) + b.gapZ;
  const std::int64_t slice = std::int64_t{b.ny} * b.nz;  // cartons of one x position
  const std::int64_t fullSlices = count / slice, rest = count % slice;
  const std::int64_t fullRows = rest / b.nz, lastRow = rest % b.nz;
  const double columnZ = arithmeticSum(z0, dz, b.nz);  // one full row along z
  sums.x = double(slice) * arithmeticSum(x0, dx, fullSlices) + double(rest) * (x0 + double(fullSlices) * dx);
  sums.y = double(fullSlices) * double(b.nz) * arithmeticSum(y0, dy, b.ny) +
           double(b.nz) * arithmeticSum(y0, dy, fullRows) + double(lastRow) * (y0 + double(fullRows) * dy);
  sums.z = double(fullSlices) * double(b.ny) * columnZ + double(fullRows) * columnZ +
           arithmeticSum(z0, dz, lastRow);
  return sums;
}

}  // namespace

LoadBalance loadBalance(const std::vector<Carton>& cartons, const LoadedContainer& loaded) {
  LoadBalance balance;
  std::vector<bool> weightless(cartons.size(), false);
  double sumX = 0, sumY = 0, sumZ = 0, mass = 0;
  std::vector<std::string> unknownCartons;  // blocks of a carton type no longer in the list
  for (const BlockScheme& block : loaded.blocks) {
    const std::int64_t count = std::min<std::int64_t>(block.count, block.capacity());
    if (count <= 0) continue;
    const bool known = block.cartonIndex >= 0 && static_cast<std::size_t>(block.cartonIndex) < cartons.size();
    const double weight = known ? cartons[static_cast<std::size_t>(block.cartonIndex)].weight : 0;
    if (!(weight > 0) || !std::isfinite(weight)) {
      if (known) weightless[static_cast<std::size_t>(block.cartonIndex)] = true;
      else if (std::find(unknownCartons.begin(), unknownCartons.end(), block.cartonName) == unknownCartons.end())
        unknownCartons.push_back(block.cartonName);
      continue;
    }
    const CentreSums sums = centreSums(block, count);
    balance.loadedWeight += weight * double(count);
    mass += weight * double(count);
    sumX += weight * sums.x;
    sumY += weight * sums.y;
    sumZ += weight * sums.z;
  }
  for (std::size_t i = 0; i < weightless.size(); ++i)
    if (weightless[i]) balance.weightlessCartons.push_back(cartons[i].name);
  balance.weightlessCartons.insert(balance.weightlessCartons.end(), unknownCartons.begin(), unknownCartons.end());
  const Container& box = loaded.container;
  if (box.maxWeight > 0) balance.maxLoadShare = balance.loadedWeight / box.maxWeight;
  if (mass > 0 && balance.weightlessCartons.empty()) {
    balance.centreKnown = true;
    balance.fromLeftWall = sumX / mass;
    balance.aboveFloor = sumY / mass;
    balance.fromInnerEnd = sumZ / mass;
    balance.offsetAlongLength = balance.fromInnerEnd - box.length / 2.0;
    balance.offsetAcross = balance.fromLeftWall - box.width / 2.0;
  }
  return balance;
}

