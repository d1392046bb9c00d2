// Traction coefficient of a traction curve c(1..5) at slip speed s (units of the curve).
// c5 >= 0: piecewise linear (c1 at zero slip, slope c2 up to the break c4, slope c3 beyond,
// capped at c5); c5 < 0: exponential, c4 + (c1 + c2 s) exp(-c3 s). No side effects.
#pragma once

#include "model/farray.h"

namespace zeld3 {
double zeld3(double s, zq::FRef<const double, 5> c);
}  // namespace zeld3
