// Friction angle of sand from its blow count and the vertical effective stress.
#pragma once

namespace quvex::methods {

// `blowCount` above 0; `stressPsi` the vertical effective stress in psi.
double frictionAngleFromBlowCount(double blowCount, double stressPsi);

} // namespace quvex::methods
