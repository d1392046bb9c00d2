// Module `loadder`: derivatives of the contact loads and moments of the current rolling element
// with respect to its own unknowns and to the solved race's unknowns, for the Newton steps of
// the element and race equilibrium. Suffixes: x, r element axial and radial displacement; t, p
// its second and third attitude angle; xx, yy, zz race displacement along inertial x, y, z;
// 2, 3 the race's second and third attitude angle. `dq` is a load derivative, `dm` a moment
// derivative; arrays (4) are per race segment. `ider` switches their computation on.
#pragma once

#include "model/farray.h"
#include "model/ftext.h"

struct Loadder {
  int ider = 0;  // nonzero: compute the load derivatives
  // real arrays (4): per race segment
  zq::FArray<double, 4> bm;    // line-contact moment sum about the element centre
  zq::FArray<double, 4> rm;    // line-contact moment sum about the race centre
  zq::FArray<double, 4> dqn;   // contact stiffness dQ/d(approach)
  zq::FArray<double, 4> dqx, dqr, dqt, dqp;      // load by element x, r, t, p
  zq::FArray<double, 4> dmx, dmr, dmt, dmp;      // moment by element x, r, t, p
  zq::FArray<double, 4> dqxx, dqyy, dqzz;        // load by race displacement x, y, z
  zq::FArray<double, 4> dqt2, dqt3;              // load by race angles 2, 3
  zq::FArray<double, 4> dmxx, dmyy, dmzz;        // moment by race displacement x, y, z
  zq::FArray<double, 4> dmt2, dmt3;              // moment by race angles 2, 3
  // real arrays (2, 2): flange side, race
  zq::FArray<double, 2, 2> fqdel;  // flange contact stiffness dQ/d(approach)
  // flange sums: 3 components x 4 element unknowns; 3 components x 5 race unknowns x 2 races
  zq::FArray<double, 3, 4> dbflngfor;     // flange force on the element by element unknowns
  zq::FArray<double, 3, 4> dbflngmom;     // flange moment on the element by element unknowns
  zq::FArray<double, 3, 5, 2> drflngfor;  // flange force on the race by race unknowns
  zq::FArray<double, 3, 5, 2> drflngmom;  // flange moment on the race by race unknowns
  // real arrays (3, 3): derivative matrices of the current element and race frames
  zq::Mat3 tib2, tib3;  // inertial -> element frame, by its second and third angle
  zq::Mat3 tir2, tir3;  // inertial -> race frame, by its second and third angle
  // real arrays (3, 3, 4): per race segment
  zq::FArray<double, 3, 3, 4> inerttorace2;  // inertial -> race frame, by the race's second angle
  zq::FArray<double, 3, 3, 4> inerttorace3;  // inertial -> race frame, by the race's third angle
};
