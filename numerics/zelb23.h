// Derivative of the zelb2 attitude matrix with respect to the third angle, from the sines
// s(1..3) and cosines c(1..3) of the three angles.
#pragma once

#include "model/farray.h"

namespace zelb23 {
void zelb23(zq::Vec3In s, zq::Vec3In c, zq::Mat3Ref dt);
}  // namespace zelb23
