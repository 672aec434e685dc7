#include "engine/balance.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "model/cargorules.h"
#include "model/projectinput.h"

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

// A little room for sums of many decimal weights: a billionth of the limit is no overload.
bool exceeds(double value, double limit) { return value > limit + 1e-9 * std::max(1.0, std::abs(limit)); }

bool insideWindow(const LoadBalance& balance, const Container& box) {
  const BalanceWindow& window = box.balance;
  if (window.lengthPercent && exceeds(std::abs(balance.offsetAlongLength), *window.lengthPercent / 100 * box.length))
    return false;
  if (window.widthPercent && exceeds(std::abs(balance.offsetAcross), *window.widthPercent / 100 * box.width))
    return false;
  return !window.maxHeight || !exceeds(balance.aboveFloor, *window.maxHeight);
}

// The axles' loads with mass kg of cartons whose moment about the inner end is moment kg mm.
std::vector<double> axleLoadsOf(const Vehicle& v, double mass, double moment) {
  std::vector<double> loads;
  for (std::size_t axle = 0; axle < v.axleCount(); ++axle) loads.push_back(v.tare[axle]);
  if (v.kind == VehicleKind::RigidTruck) {
    // Moments about the front axle.
    const double rear = (moment + mass * v.frontAxleToCargo) / v.wheelbase;
    loads[0] += mass - rear;
    loads[1] += rear;
  } else {
    // Moments about the kingpin give the trailer's axles their share; the rest rests on the
    // fifth wheel, fifthWheelLead ahead of the tractor's drive axle.
    const double trailer = (moment - mass * v.kingpinSetback) / v.kingpinToTrailerAxle;
    const double kingpin = mass - trailer;
    const double front = kingpin * v.fifthWheelLead / v.wheelbase;
    loads[0] += front;
    loads[1] += kingpin - front;
    loads[2] += trailer;
  }
  return loads;
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
    if (box.length > 0) balance.offsetAlongLengthPercent = balance.offsetAlongLength / box.length * 100;
    if (box.width > 0) balance.offsetAcrossPercent = balance.offsetAcross / box.width * 100;
    if (box.balance.active()) balance.insideWindow = insideWindow(balance, box);
  }
  return balance;
}

std::optional<AxleLoads::Overload> AxleLoads::worstOverload() const {
  std::optional<Overload> worst;
  for (std::size_t s = 0; s < states.size(); ++s)
    for (std::size_t a = 0; a < states[s].loads.size() && a < maxLoads.size(); ++a) {
      const double over = states[s].loads[a] - maxLoads[a];
      if (exceeds(states[s].loads[a], maxLoads[a]) && (!worst || over > worst->kg)) worst = Overload{s, a, over};
    }
  return worst;
}

std::optional<AxleLoads> axleLoads(const ProjectInput& project, const LoadedContainer& loaded) {
  if (!loaded.container.vehicle || !vehicleProblem(*loaded.container.vehicle).empty()) return std::nullopt;
  const Vehicle& vehicle = *loaded.container.vehicle;
  // The weight and its moment about the inner end of each stop's cartons.
  const std::size_t stops = std::max<std::size_t>(1, project.stops.size());
  std::vector<double> mass(stops, 0), moment(stops, 0);
  std::size_t lastStop = 0;
  for (const BlockScheme& block : loaded.blocks) {
    const std::int64_t count = std::min<std::int64_t>(block.count, block.capacity());
    if (count <= 0 || block.cartonIndex < 0 || static_cast<std::size_t>(block.cartonIndex) >= project.cartons.size())
      continue;
    const Carton& carton = project.cartons[static_cast<std::size_t>(block.cartonIndex)];
    if (!(carton.weight > 0) || !std::isfinite(carton.weight)) continue;
    const std::size_t stop = stopIndexOf(project, carton);
    mass[stop] += carton.weight * double(count);
    moment[stop] += carton.weight * centreSums(block, count).z;
    lastStop = std::max(lastStop, stop);
  }
  AxleLoads loads;
  loads.kind = vehicle.kind;
  for (std::size_t axle = 0; axle < vehicle.axleCount(); ++axle) loads.maxLoads.push_back(vehicle.maxLoad[axle]);
  // At departure every stop's cartons are on board; after stop k those of the later stops.
  for (std::size_t first = 0; first <= lastStop; ++first) {
    double m = 0, mz = 0;
    for (std::size_t stop = first; stop < stops; ++stop) {
      m += mass[stop];
      mz += moment[stop];
    }
    AxleState state;
    if (first > 0) state.afterStop = first - 1;
    state.loads = axleLoadsOf(vehicle, m, mz);
    loads.states.push_back(std::move(state));
  }
  return loads;
}

