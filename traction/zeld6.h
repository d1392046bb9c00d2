// Rheological traction models of one strip of an elastohydrodynamic contact, from the
// lubricant's measured rheology: a Newtonian film with viscous heating across the film and
// shear thinning (traction model 0), or a Maxwell visco-elastic film with an Eyring (sinh) flow
// law integrated through the contact (model 2). Both integrate with one embedded five-stage
// Runge-Kutta pair with step control. User's units (pressure, length, speed, absolute temperature).
#pragma once

#include "model/farray.h"

struct Model;

namespace zeld6 {

// The integration state shared by the internal procedures of one call (fixed size, on the
// stack): state y and derivative f, both at the start of the step (ys, fs), the stage
// derivatives times the step, the step, its error measure and its stress-limit flag, and the
// groups of the model being integrated.
struct Frame {
  zq::FArray<double, 3> y, f, ys, fs;
  zq::FArray<double, 5, 3> k;
  double step = 0;
  double e = 0;
  int flag = 0;  // visco-elastic: 0 free, 1 stress at its steady value, 2 overshoot
  // Newtonian film: surface temperature, viscosity there, Brinkman number, viscosity ratio at y.
  double t0 = 0, eta0 = 0, br = 0, r = 1;
  // Visco-elastic film: dimensionless slips, their magnitude, Deborah number, steady stress.
  double sl1 = 0, sl2 = 0, sl = 0, de = 0, siginf = 0;
};

// p0 peak pressure, b half-width in the rolling direction, t0 surface temperature, u rolling
// speed, h film thickness, s1 and s2 the slip components. Returns the traction coefficients
// along s1 and s2, the shear-thinning factor (1 for the visco-elastic film), the flash-
// temperature rise and the film temperature (mid-film for the Newtonian film, t0 otherwise).
// Zero slip gives zero traction. Stops the run (block in the report) when the integration or
// the shear-thinning root fails. Preconditions (checked in test builds): p0, b, h, u > 0.
// No condition of these models marks a thermally unconverged solution: tracprop::itherconv,
// which the report's traction curves test, stays 0.
void zeld6(Model& m, double p0, double b, double t0, double u, double h, double s1, double s2,
           double& mu1, double& mu2, double& phi, double& dtf, double& tf);

// Newtonian film (s = |(s1, s2)| > 0): shear stress, shear-thinning factor, creep (elastic)
// limit and limiting coefficient; leaves the mid-film temperature in tf.
void shearthinning(Model& m, Frame& fr, double u, double h, double s1, double s2, double& mu1,
                   double& mu2, double& phi, double& tf);
// Temperature ratio across the half film, xi from -1 (surface) to 0 (mid-film); returns the
// integral of the viscosity ratio eta/eta0 over it.
double newtonianshear(Model& m, Frame& fr);
// Shear-thinning factor at the Newtonian shear stress tau, by the lubricant's law.
double shearthinningfactor(Model& m, double tau);
// One Runge-Kutta step of fr.step from (fr.ys, fr.fs): new state and derivative, error measure
// and, for the visco-elastic film, the flag of the first derivative that carries one.
void integrationstep(Model& m, Frame& fr);
// Visco-elastic film through the contact, x from -1 to 1: traction coefficients along s1, s2.
void viscoelastic(Model& m, Frame& fr, double b, double u, double h, double s1, double s2,
                  double& mu1, double& mu2);

// Step-size rule: growth factor after an accepted step of error e, and the step that repeats a
// rejected one.
double growthfactor(const Model& m, double e);
double reducedstep(const Model& m, double step, double e);

}  // namespace zeld6
