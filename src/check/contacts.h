#pragma once
// What rests on what: for every carton, the cartons right below it whose gross tops carry
// its gross bottom, with the area they share.

#include <cstddef>
#include <vector>

#include "check/boxgrid.h"

namespace check {

struct Contact {
  std::size_t below = 0;  // the carton carrying
  double area = 0;        // mm² of the footprints they share, above 0
};

// Per box, the boxes it rests on, each once, in no particular order. A box on the floor
// (y1 <= 0) rests on none.
std::vector<std::vector<Contact>> restingContacts(const std::vector<Box>& boxes, const BoxGrid& grid);

// The area two boxes' footprints share, mm²; 0 when they do not meet.
double footprintOverlap(const Box& a, const Box& b);

}  // namespace check
