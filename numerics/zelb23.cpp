// Derivative with respect to the third rotation angle (about the final z axis) of the attitude
// matrix t = R3(a3) R2(a2) R1(a1) built by zelb2, per radian. The caller passes the sines
// s(1..3) and cosines c(1..3) of the three angles. The third row of t does not depend on the
// third angle, so its derivative row is zero.
#include "numerics/zelb23.h"

namespace zelb23 {

void zelb23(zq::Vec3In s, zq::Vec3In c, zq::Mat3Ref dt) {
  const double s1 = s(1), s2 = s(2), s3 = s(3);
  const double c1 = c(1), c2 = c(2), c3 = c(3);

  dt(1, 1) = -c2 * s3;
  dt(1, 2) = c1 * c3 - s1 * s2 * s3;
  dt(1, 3) = s1 * c3 + c1 * s2 * s3;
  dt(2, 1) = -c2 * c3;
  dt(2, 2) = -c1 * s3 - s1 * s2 * c3;
  dt(2, 3) = c1 * s2 * c3 - s1 * s3;
  dt(3, 1) = 0.0;
  dt(3, 2) = 0.0;
  dt(3, 3) = 0.0;
}

}  // namespace zelb23
