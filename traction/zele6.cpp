// Slip velocity between two bodies at a common contact point: the surface velocity of each body
// from its centre velocity and its rotation (v + w x r, the rigid-body velocity field), their
// difference as the sliding velocity of body 1 on body 2, and the mean of the rotational parts
// as the entraining (rolling) velocity that carries lubricant through the contact.
#include "traction/zele6.h"

#include "numerics/zelg4.h"

namespace zele6 {

void zele6(zq::Vec3In r1, zq::Vec3In vel1, zq::Vec3In w1, zq::Vec3In r2, zq::Vec3In vel2,
           zq::Vec3In w2, zq::Vec3Ref us, zq::Vec3Ref um) {
  zq::Vec3 u1, u2;
  zelg4::zelg4(w1, r1, u1);
  zelg4::zelg4(w2, r2, u2);
  for (int i = 1; i <= 3; ++i) {
    // Both outputs are formed from locals only, so us or um may share storage with an input.
    const double s = (vel1(i) - vel2(i)) + u1(i) - u2(i);
    const double r = 0.5 * (u1(i) + u2(i));
    us(i) = s;
    um(i) = r;
  }
}

}  // namespace zele6
