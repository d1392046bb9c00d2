// Numbers set at the very start of a run, before the input is opened: reciprocals 1/2 to 1/10,
// degrees per radian, 2 pi, pi/2, sqrt(2 pi), the SI to English conversion factors of specific
// heat, density (kg/m^3 to lbm/in^3), viscosity (Pa s to psi s), pressure (Pa to psi) and
// thermal conductivity, and the temperature-interval ratio K to R; the first-call flags and
// search memories of the equilibrium, final sweep, fit and traction routines are cleared.
#include <cmath>

#include "model/model.h"
#include "run/zela1.h"

namespace zela1 {

void startconstants(Model& m) {
  auto& c = m.constants;
  c.one2 = c.one / c.two;
  c.one3 = c.one / c.three;
  c.one4 = c.one / c.four;
  c.one5 = c.one / c.five;
  c.one6 = c.one / c.six;
  c.one7 = c.one / c.seven;
  c.one8 = c.one / c.eight;
  c.one9 = c.one / c.nine;
  c.one10 = c.one / c.ten;
  c.cang = 180.0 / c.pi;
  c.tpi = c.two * c.pi;
  c.pi2 = c.pi / c.two;
  c.tempc = c.nine / c.five;
  c.s2pi = std::sqrt(c.two * c.pi);
  c.spheatc = 2.230373307176302;
  c.denc = 3.61269212944e-5;
  c.visc = 1.45037891e-4;
  c.pressc = 1.45037891e-4;
  c.thercondc = 0.12489385722222222;

  m.setupa4.kreeqcode = 0;
  m.setupa4.inita4 = 0;
  m.setupa5.igridmin = 0;
  m.setupa5.jgridmin = 0;
  m.setupa5.mingrid.fill(0);
  m.setupa5.minalfgrid.fill(0);
  m.setupb1.initb1 = 0;
  m.setupc2.initc2 = 0;
  m.setupd1.initd1 = 0;
  m.setupd1.itracout = 0;

  // Property markers of the material echo: none until a record or the database sets them.
  m.matprop.rem = "";
  m.matprop.racem(1) = "";
  m.matprop.racem(2) = "";
  m.matprop.hsngm = "";
  m.matprop.shftm = "";
}

}  // namespace zela1
