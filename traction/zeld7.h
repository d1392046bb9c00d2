// Lubricant property database: viscosity with its temperature and pressure dependence,
// pressure-viscosity coefficient, density, specific heat, conductivity and rheology constants of
// the lubricant tracprop::ktrac at tracprop::currtemp and tracprop::currpres.
#pragma once

struct Model;

namespace zeld7 {
void zeld7(Model& m);
}  // namespace zeld7
