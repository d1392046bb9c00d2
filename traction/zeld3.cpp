// Traction coefficient of a traction curve at one slip speed s (same speed unit as the curve,
// non-dimensional during the traction computation). Two forms share one five-coefficient
// vector: piecewise linear with a break and an upper cap (c5 >= 0), or the exponential
// rise-and-decay law mu = c4 + (c1 + c2 s) exp(-c3 s) (c5 < 0) common in dry and boundary
// traction modelling.
#include "traction/zeld3.h"

#include <cmath>

namespace zeld3 {

namespace {
// Below this |c3 s| the exponential is taken from its Taylor polynomial of fourth order.
constexpr double kTaylorLimit = 0.001;
// Beyond this c3 s the exponential term is negligible and not evaluated.
constexpr double kDecayLimit = 36.0;
}  // namespace

double zeld3(double s, zq::FRef<const double, 5> c) {
  if (c(5) >= 0.0) {
    // Piecewise linear: slope c2 up to the break speed c4, slope c3 beyond it, capped at c5.
    double v;
    if (s <= c(4)) {
      v = c(1) + c(2) * s;
    } else {
      v = c(1) + c(2) * c(4) + (s - c(4)) * c(3);
    }
    return v <= c(5) ? v : c(5);
  }
  // Exponential form: c1 + c4 at zero slip, c4 at infinite slip.
  const double t = c(3) * s;
  if (std::abs(t) > kTaylorLimit) {
    if (t < kDecayLimit) return c(4) + (c(1) + c(2) * s) * std::exp(-t);
    return c(4);
  }
  const double t2 = t * t;
  const double t3 = t2 * t;
  const double t4 = t3 * t;
  return c(4) + (c(1) + c(2) * s) * (1.0 - t + t2 / 2.0 - t3 / 6.0 + t4 / 24.0);
}

}  // namespace zeld3
