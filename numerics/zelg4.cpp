// Cross product c = a x b of two 3-vectors given by their components in one right-handed
// frame. The components are formed before c is written, so c may be the same array as a or b.
#include "numerics/zelg4.h"

namespace zelg4 {

void zelg4(zq::Vec3In a, zq::Vec3In b, zq::Vec3Ref c) {
  const double c1 = a(2) * b(3) - a(3) * b(2);
  const double c2 = a(3) * b(1) - b(3) * a(1);
  const double c3 = b(2) * a(1) - a(2) * b(1);
  c(1) = c1;
  c(2) = c2;
  c(3) = c3;
}

}  // namespace zelg4
