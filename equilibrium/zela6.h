// Packing of the converged equilibrium state into the state vector genvecs::x: per rolling
// element its mass-centre position (axial, radius, azimuth), orbital speed, Cardan attitude and
// Cardan rates; per race its mass centre, whirl velocity, angles and rates. Non-dimensional,
// radians; slot s of body b is x(12 (b - 1) + 1 + s).
#pragma once

struct Model;

namespace zela6 {

void zela6(Model& m);

// Cardan rates of a body whose angular velocity is (w1, w2, w3), body components, at the
// attitude angles a2 and a3: converted in place into (r1, r2, r3). Inverse of
// zelb1::ratetoangvel. Rates r2 and r3 of magnitude at most tolr(1) are stored as 0; at the
// Cardan singularity (|cos a2| <= tolr(1)) r1 = 0 (see zela6.cpp).
void angveltorate(const Model& m, double& w1, double& w2, double& w3, double a2, double a3);

}  // namespace zela6
