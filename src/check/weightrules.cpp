// Where the weight of the cartons lies: the centre of gravity and the axle loads.

#include <algorithm>
#include <cmath>

#include "check/cargorules.h"

namespace check {
namespace {

// The carton's weight in kg, 0 for a carton of no known type or no weight.
double weightOf(const CheckInput& in, const PlacedCarton& c) {
  if (c.type < 0 || static_cast<std::size_t>(c.type) >= in.types.size()) return 0;
  const double w = in.types[static_cast<std::size_t>(c.type)].weight;
  return std::isfinite(w) && w > 0 ? w : 0;
}

std::int32_t stopOf(const CheckInput& in, const PlacedCarton& c) {
  return std::max(0, in.types[static_cast<std::size_t>(c.type)].stop);
}

// A small allowance for sums of many decimal numbers: a billionth of the limit.
bool exceeds(double value, double limit) { return value > limit + 1e-9 * std::max(1.0, std::abs(limit)); }

// The weight and its moment about the inner end (kg, kg mm) of the cartons of stops after
// afterStop.
struct Load {
  double mass = 0, moment = 0;
};

Load loadAfter(const CheckInput& in, std::int32_t afterStop) {
  Load load;
  for (const PlacedCarton& c : in.cartons) {
    const double w = weightOf(in, c);
    if (w <= 0 || stopOf(in, c) <= afterStop) continue;
    load.mass += w;
    load.moment += w * (c.z + c.sizeZ / 2.0);
  }
  return load;
}

std::size_t axleCount(const Vehicle& v) { return v.kind == Vehicle::Kind::RigidTruck ? 2 : 3; }

bool workable(const Vehicle& v) {
  const std::size_t axles = axleCount(v);
  if (v.tare.size() < axles || v.maxLoad.size() < axles || !(v.wheelbase > 0)) return false;
  return v.kind == Vehicle::Kind::RigidTruck || v.kingpinToTrailerAxle > 0;
}

}  // namespace

std::optional<Centre> centreOfGravity(const CheckInput& in) {
  double mass = 0;
  Centre sum;
  for (const PlacedCarton& c : in.cartons) {
    const double w = weightOf(in, c);
    if (w <= 0) continue;
    mass += w;
    sum.x += w * (c.x + c.sizeX / 2.0);
    sum.y += w * (c.y + c.sizeY / 2.0);
    sum.z += w * (c.z + c.sizeZ / 2.0);
  }
  if (mass <= 0) return std::nullopt;
  return Centre{sum.x / mass, sum.y / mass, sum.z / mass};
}

std::vector<double> axleLoads(const CheckInput& in, std::int32_t afterStop) {
  if (!in.vehicle || !workable(*in.vehicle)) return {};
  const Vehicle& v = *in.vehicle;
  const Load load = loadAfter(in, afterStop);
  std::vector<double> loads(v.tare.begin(), v.tare.begin() + static_cast<std::ptrdiff_t>(axleCount(v)));
  if (v.kind == Vehicle::Kind::RigidTruck) {
    // Moments about the front axle: the rear axle carries mass * distance / wheelbase.
    const double behindFront = load.moment + load.mass * v.frontAxleToCargo;
    const double rear = behindFront / v.wheelbase;
    loads[0] += load.mass - rear;
    loads[1] += rear;
  } else {
    // The trailer rests on the kingpin and its axles; the kingpin's share rests on the
    // tractor's axles, the fifth wheel fifthWheelLead ahead of the drive axle.
    const double behindKingpin = load.moment - load.mass * v.kingpinSetback;
    const double trailer = behindKingpin / v.kingpinToTrailerAxle;
    const double kingpin = load.mass - trailer;
    const double front = kingpin * v.fifthWheelLead / v.wheelbase;
    loads[0] += front;
    loads[1] += kingpin - front;
    loads[2] += trailer;
  }
  return loads;
}

void checkCentre(const CheckInput& in, Findings& findings) {
  const BalanceWindow& window = in.balance;
  if (!window.lengthPercent && !window.widthPercent && !window.maxHeight) return;
  const std::optional<Centre> centre = centreOfGravity(in);
  if (!centre) return;
  const auto outside = [&](Rule rule, double at, double size, const std::optional<double>& percent) {
    if (!percent) return true;
    const double off = std::abs(at - size / 2.0), allowed = *percent / 100.0 * size;
    return !exceeds(off, allowed) || findings.add(rule, {}, off - allowed);
  };
  if (!outside(Rule::CentreAlongLength, centre->z, in.container.length, window.lengthPercent)) return;
  if (!outside(Rule::CentreAcross, centre->x, in.container.width, window.widthPercent)) return;
  if (window.maxHeight && exceeds(centre->y, *window.maxHeight))
    findings.add(Rule::CentreHeight, {}, centre->y - *window.maxHeight);
}

void checkAxles(const CheckInput& in, Findings& findings) {
  if (!in.vehicle || !workable(*in.vehicle)) return;
  std::int32_t lastStop = 0;
  for (const PlacedCarton& c : in.cartons)
    if (weightOf(in, c) > 0) lastStop = std::max(lastStop, stopOf(in, c));
  // At departure (-1), then after each stop that leaves cartons behind.
  for (std::int32_t after = -1; after < lastStop; ++after) {
    const std::vector<double> loads = axleLoads(in, after);
    for (std::size_t axle = 0; axle < loads.size(); ++axle) {
      const double most = in.vehicle->maxLoad[axle];
      if (!exceeds(loads[axle], most)) continue;
      Violation v{Rule::AxleLoad, {}, loads[axle] - most};
      v.axle = static_cast<std::int32_t>(axle);
      v.afterStop = after;
      if (!findings.add(std::move(v))) return;
    }
  }
}

}  // namespace check
