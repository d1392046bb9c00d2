// Planar angle of a point (a, b): atan2(-a, b) folded into [0, 2 pi) radians, with exact values
// on the axes (0, pi/2, pi, 3 pi/2). Called with the (y, z) components of a point in the radial
// plane of the bearing it gives the azimuth measured from +z toward -y, as used for the
// positions of rolling elements and race centres and for the orientation angles in the report.
// A NaN component gives NaN, so an undefined position is never turned into a valid angle.
#include "numerics/zelb3.h"

#include <cmath>
#include <limits>

#include "model/model.h"

namespace zelb3 {

double zelb3(const Model& m, double a, double b) {
  const double pi = m.constants.pi;
  if (std::isnan(a) || std::isnan(b)) return std::numeric_limits<double>::quiet_NaN();
  if (b == 0.0) {
    if (a == 0.0) return 0.0;
    return a < 0.0 ? pi / 2.0 : 1.5 * pi;
  }
  if (a == 0.0) return b < 0.0 ? pi : 0.0;
  const double q = std::atan(-a / b);
  if (b < 0.0) return q + pi;
  if (q >= 0.0) return q;
  // A tiny negative angle plus 2 pi rounds to 2 pi itself: fold it back into [0, 2 pi).
  const double folded = q + 2.0 * pi;
  return folded >= 2.0 * pi ? 0.0 : folded;
}

}  // namespace zelb3
