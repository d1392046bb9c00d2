// Planar angle atan2(-a, b) folded into [0, 2 pi), with exact values on the axes.
#include "numerics/zelb3.h"

#include <cmath>

#include "model/model.h"

namespace zelb3 {

double zelb3(const Model& m, double a, double b) {
  const double pi = m.constants.pi;
  if (b == 0.0) {
    if (a == 0.0) return 0.0;
    return a < 0.0 ? pi / 2.0 : 1.5 * pi;
  }
  if (a == 0.0) return b < 0.0 ? pi : 0.0;
  const double q = std::atan(-a / b);
  if (b < 0.0) return q + pi;
  return q < 0.0 ? q + 2.0 * pi : q;
}

}  // namespace zelb3
