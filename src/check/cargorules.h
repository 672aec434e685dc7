#pragma once
// The cargo rules of a plan (see plancheck.h): what may rest on what, the load a carton
// bears, the centre of gravity and the axle loads.

#include <vector>

#include "check/boxgrid.h"
#include "check/contacts.h"
#include "check/findings.h"
#include "check/plancheck.h"

namespace check {

// Not stackable, fragile, and no carton on one of an earlier stop; each rule a pass of its
// own. contacts[i]: what carton i rests on.
void checkResting(const CheckInput& input, const std::vector<std::vector<Contact>>& contacts,
                  Findings& findings);

// The load each carton bears against its maximum. boxes and contacts as the checker made them.
void checkLoadOnTop(const CheckInput& input, const std::vector<Box>& boxes,
                    const std::vector<std::vector<Contact>>& contacts, Findings& findings);

// The load each carton bears, kg, spread downward as plancheck.h defines it.
std::vector<double> loadsBorne(const CheckInput& input, const std::vector<Box>& boxes,
                               const std::vector<std::vector<Contact>>& contacts);

// The centre of gravity against the container's balance window.
void checkCentre(const CheckInput& input, Findings& findings);

// Every axle at departure and after each stop, against its maximum.
void checkAxles(const CheckInput& input, Findings& findings);

}  // namespace check
