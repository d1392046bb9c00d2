// Central elastohydrodynamic film thickness of one lubricated element to race contact, reduced
// for inlet starvation, and the separate inlet-shear-heating reduction factor. Dimensional values
// in the user's units (length, pressure, speed, absolute temperature); lubricant properties from
// the lubricant database at the inlet temperature and zero pressure.
#pragma once

struct Model;

namespace zeld8 {
// rx reduced radius in the rolling direction, p maximum contact pressure, a and b half-widths
// across and along the rolling direction, cmp combined compliance (1 - nu1^2)/E1 + (1 - nu2^2)/E2,
// t inlet temperature, u rolling speed, us sliding speed (magnitude). Returns the isothermal
// central film with the starvation reduction (h) and the thermal factor (phit, at least 0.01);
// both are 0 and no property is evaluated when u <= 0.
// Preconditions (a loaded contact; checked in test builds): rx, p, a, b, cmp > 0 and us >= 0.
void zeld8(Model& m, double rx, double p, double a, double b, double cmp, double t, double u,
           double us, double& h, double& phit);
}  // namespace zeld8
