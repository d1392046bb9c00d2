// Traction of the current rolling element (revecs::ire) on its race contacts: slip and traction
// distributions, film, heat, power loss and wear per contact, and the resulting force and moment
// on the element (bfor, bmom) and on races 1 and 2 (rfor, rmom), all in the element's azimuth
// frame. Non-dimensional.
#pragma once

#include "model/farray.h"

struct Model;

namespace zeld1 {
void zeld1(Model& m, zq::Vec3& bfor, zq::Vec3& bmom, zq::FArray<double, 3, 2>& rfor,
           zq::FArray<double, 3, 2>& rmom);
}  // namespace zeld1
