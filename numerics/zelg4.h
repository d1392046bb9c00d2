// Cross product c = a x b of two 3-vectors.
#pragma once

#include "model/farray.h"

namespace zelg4 {
void zelg4(zq::Vec3In a, zq::Vec3In b, zq::Vec3Ref c);
}  // namespace zelg4
