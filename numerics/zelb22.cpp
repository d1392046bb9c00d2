// Derivative with respect to the second rotation angle (about the intermediate y axis) of the
// attitude matrix t = R3(a3) R2(a2) R1(a1) built by zelb2, per radian. The caller passes the
// sines s(1..3) and cosines c(1..3) of the three angles, usually the ones zelb2 left in
// tmparea::rtmp, so no trigonometric function is evaluated again.
#include "numerics/zelb22.h"

namespace zelb22 {

void zelb22(zq::Vec3In s, zq::Vec3In c, zq::Mat3Ref dt) {
  const double s1 = s(1), s2 = s(2), s3 = s(3);
  const double c1 = c(1), c2 = c(2), c3 = c(3);

  dt(1, 1) = -s2 * c3;
  dt(1, 2) = s1 * c2 * c3;
  dt(1, 3) = -c1 * c2 * c3;
  dt(2, 1) = s2 * s3;
  dt(2, 2) = -s1 * c2 * s3;
  dt(2, 3) = c1 * c2 * s3;
  dt(3, 1) = c2;
  dt(3, 2) = s1 * s2;
  dt(3, 3) = -c1 * s2;
}

}  // namespace zelb22
