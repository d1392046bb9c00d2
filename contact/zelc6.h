// Line-contact slice law: half-width b, stiffness k = dq/ddelta and load q of a slice of length l
// at deflection delta, for the power law (mode <= 1) or the logarithmic law (mode >= 2).
#pragma once

#include "model/farray.h"
#include "model/ftext.h"

struct Model;

namespace zelc6 {
void zelc6(const Model& m, int mode, double delta, zq::FRef<const double, 2> coef, double l,
           double s, double& b, double& k, double& q);
}  // namespace zelc6
