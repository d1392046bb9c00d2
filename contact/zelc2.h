// Race fits, thermal and centrifugal expansion and hoop stress of the races, with the hoop shear
// terms of the life models and the operating clearance. Housing, shaft and races are thick
// rings (plane stress, Lame solution with the rotating-ring terms).
#pragma once

#include "model/farray.h"

struct Model;

namespace zelc2 {

// Updates fits, radii, hoop stresses, element diameters and the operating clearance from the
// current race speeds and temperatures; the ring coefficients are formed on the first call.
// Stops the run when an interference fit needs a housing or shaft ring that cannot exist.
void zelc2(Model& m);

// Lame coefficients of one ring (inside radius a, outside radius b; solid when a <= 0) at
// radius r: u(1..4) radial displacement per unit outside pressure, inside pressure, squared
// angular speed and temperature rise; s(1..3) hoop stress per unit outside pressure, inside
// pressure and squared angular speed. A hollow ring with b <= a does not exist: its pressure
// terms are left zero (they are never used, see zelc2).
void ringcoef(double a, double b, double r, double em, double pr, double den, double cte,
              zq::FRef<double, 4> u, zq::FRef<double, 3> s);

}  // namespace zelc2
