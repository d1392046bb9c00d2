// Line-contact slice law: half-width b, stiffness k = dq/ddelta and load q of a slice of length l
// at deflection delta, for the power law (mode <= 1) or the logarithmic law (mode >= 2).
// coef(1) is the deflection coefficient, coef(2) the half-width coefficient, s the curvature sum.
// Raises error 1 when the logarithmic law does not converge; otherwise leaves the error record.
#pragma once

#include "model/farray.h"
#include "model/ftext.h"

struct Model;

namespace zelc6 {
void zelc6(Model& m, int mode, double delta, zq::FRef<const double, 2> coef, double l, double s,
           double& b, double& k, double& q);
}  // namespace zelc6
