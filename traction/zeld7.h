// Lubricant property database: viscosity with its temperature derivative and pressure-viscosity
// coefficient, density, specific heat, conductivity, traction viscosity and rheology constants of
// the lubricant tracprop::ktrac at tracprop::currtemp and tracprop::currpres (user's units:
// K/Pa/Pa s or R/psi/psi s). Built-in lubricants are fitted in SI and converted by the factors
// chosen at the first call; code 9 is the user's lubricant, kept in the user's units.
#pragma once

struct Model;

namespace zeld7 {
// Sets the current lubricant properties in m.tracprop; the first call (tracprop::initprop = 0)
// also sets the lubricant's constants, names, model codes and shear-thinning table. Stops the
// run (block in the report) on an invalid code or where the viscosity law has no finite value.
void zeld7(Model& m);

// Viscosity (user's units) at temperature temp and the pressure tracprop::currpres, for the film
// integration of the rheological traction models, which reads nothing else: the value and every
// stop of zeld7 at that state, with currtemp set to temp. The Yasutomi-Bair lubricants are
// evaluated with the pressure terms of the last zeld7 call at this pressure (the lubricant's
// constants unchanged since) and without storing their other properties (tracprop keeps those
// of the last zeld7 call); the other lubricants go through zeld7.
double viscosityat(Model& m, double temp);

// Internal procedures, one per lubricant family. T in K, P in Pa; each sets the viscosity,
// its temperature derivative and pressure-viscosity coefficient and the properties it owns.
void mill7808(Model& m, double T, double P);           // code 3
void mill23699(Model& m, double T, double P);          // codes 4 and 5
void santotrac30(Model& m, double T, double P);        // code 6
void santotrac50(Model& m, double T, double P);        // code 7
void mill7808ve(Model& m, double T, double P);         // code 8 (user's units, see zeld7.cpp)
void shellt9(Model& m, double T, double P);            // code 18
void hybridformulation(Model& m, double T, double P);  // codes 14, 16, 19
}  // namespace zeld7
