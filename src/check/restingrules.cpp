// What may rest on what, and the load each carton bears.

#include <algorithm>
#include <cmath>
#include <numeric>

#include "check/cargorules.h"

namespace check {
namespace {

const CartonType* typeOf(const CheckInput& in, std::size_t i) {
  const std::int32_t t = in.cartons[i].type;
  if (t < 0 || static_cast<std::size_t>(t) >= in.types.size()) return nullptr;
  return &in.types[static_cast<std::size_t>(t)];
}

double weightOf(const CartonType* type) {
  return type && std::isfinite(type->weight) && type->weight > 0 ? type->weight : 0.0;
}

// Calls breaks(lower, upper) for every carton resting on another; adds a finding of rule
// for each pair it names. False once the findings are full.
template <typename Breaks>
bool eachRestingPair(const CheckInput& in, const std::vector<std::vector<Contact>>& contacts, Rule rule,
                     Findings& findings, Breaks breaks) {
  for (std::size_t upper = 0; upper < contacts.size(); ++upper) {
    const CartonType* top = typeOf(in, upper);
    if (!top) continue;
    for (const Contact& c : contacts[upper]) {
      const CartonType* bottom = typeOf(in, c.below);
      if (bottom && breaks(*bottom, *top) && !findings.add(rule, {c.below, upper}, 0)) return false;
    }
  }
  return true;
}

}  // namespace

void checkResting(const CheckInput& in, const std::vector<std::vector<Contact>>& contacts, Findings& findings) {
  const bool kept = eachRestingPair(in, contacts, Rule::NotStackable, findings,
                                    [](const CartonType& below, const CartonType&) { return !below.stackable; }) &&
                    eachRestingPair(in, contacts, Rule::Fragile, findings,
                                    [](const CartonType& below, const CartonType& above) {
                                      return below.fragile && !above.fragile;
                                    });
  if (!kept) return;
  eachRestingPair(in, contacts, Rule::StopBuried, findings,
                  [](const CartonType& below, const CartonType& above) { return above.stop > below.stop; });
}

std::vector<double> loadsBorne(const CheckInput& in, const std::vector<Box>& boxes,
                               const std::vector<std::vector<Contact>>& contacts) {
  const std::size_t n = boxes.size();
  // From the top down: a carton's bottom lies above the bottom of everything it rests on.
  std::vector<std::size_t> order(n);
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    if (boxes[a].y1 != boxes[b].y1) return boxes[a].y1 > boxes[b].y1;
    if (boxes[a].y2 != boxes[b].y2) return boxes[a].y2 > boxes[b].y2;
    return a < b;
  });
  std::vector<double> borne(n, 0.0);
  for (const std::size_t i : order) {
    double area = 0;
    for (const Contact& c : contacts[i]) area += c.area;
    if (area <= 0) continue;  // on the floor, or resting on nothing
    const double force = weightOf(typeOf(in, i)) + borne[i];
    for (const Contact& c : contacts[i]) borne[c.below] += force * c.area / area;
  }
  return borne;
}

void checkLoadOnTop(const CheckInput& in, const std::vector<Box>& boxes,
                    const std::vector<std::vector<Contact>>& contacts, Findings& findings) {
  const bool anyLimit = std::any_of(in.types.begin(), in.types.end(),
                                    [](const CartonType& t) { return t.maxLoadOnTop.has_value(); });
  if (!anyLimit) return;
  const std::vector<double> borne = loadsBorne(in, boxes, contacts);
  for (std::size_t i = 0; i < borne.size(); ++i) {
    const CartonType* type = typeOf(in, i);
    if (!type || !type->maxLoadOnTop) continue;
    const double limit = *type->maxLoadOnTop;
    // Shares of decimal weights round; a billionth of the limit is no overload.
    if (borne[i] > limit + 1e-9 * std::max(1.0, std::abs(limit)) &&
        !findings.add(Rule::LoadOnTop, {i}, borne[i] - limit))
      return;
  }
}

}  // namespace check
