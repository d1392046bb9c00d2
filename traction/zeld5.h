// Thermal Newtonian traction of one strip of a lubricated contact: a film whose viscosity rises
// exponentially with pressure and falls exponentially with temperature, sheared between the
// surfaces and heated by its own dissipation (conducted to both surfaces). Traction-viscosity
// constants fitted to traction data, from the lubricant database. User's units throughout.
#pragma once

struct Model;

namespace zeld5 {
// p peak pressure of the strip (pressure p sqrt(1 - X^2) across it), b its half-width in the
// rolling direction, t surface temperature, u rolling speed, h film thickness, s slip speed.
// Returns the traction coefficient mu (sign of s), the flash-temperature rise dtf and the film
// temperature tf; at s = 0, mu = 0 and dtf, tf are left as they are. mode 0: mean over the
// strip (the only mode provided: the value on the strip's centre line is not built).
// Preconditions (checked in test builds): p, b, h > 0 and mode 0.
void zeld5(Model& m, double p, double b, double t, double u, double h, double s, double& mu,
           double& dtf, double& tf, int mode);
}  // namespace zeld5
