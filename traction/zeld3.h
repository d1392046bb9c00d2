// Traction coefficient of a traction curve c(1..5) at slip speed s (units of the curve).
#pragma once

#include "model/farray.h"
#include "model/ftext.h"

struct Model;

namespace zeld3 {
double zeld3(double s, zq::FRef<const double, 5> c);
}  // namespace zeld3
