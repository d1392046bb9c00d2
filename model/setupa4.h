// Module `setupa4`: persistent working state of the rolling-element and race equilibrium
// iteration: settings fixed at its first call (load-deflection exponent and constants,
// tolerances, contact-angle sines and cosines), the solved-element set and its weights, the
// constraint flags of the race equations, reference positions and the last residuals. Lengths
// and forces non-dimensional; angles in radians.
#pragma once

#include "model/farray.h"
#include "model/ftext.h"

struct Setupa4 {
  // integer scalars
  int ib = 0;         // number of elements solved (the others mirror one of them)
  int ifl = 0;        // guide flange of a tapered bearing: 0 none, 1 outer race, 2 inner race
  int igx0 = 0;       // reserved
  int igym = 0;       // 1: gyroscopic moment in the element moment equation
  int inflx = 0;      // reserved
  int inita4 = 0;     // first-call flag
  int kangvel = 0;    // initial angular-velocity option (0 heat search, 1 race control, 2 angle)
  int kfq = 0;        // 1: race held, only the elements are solved
  int kreeqcode = 0;  // rolling-element equation code (cleared at start)
  int kvar = 0;       // 1 for cylindrical and tapered rollers (no contact-angle derivatives)
  int mde = 0;        // solver mode, cleared by the driver
  // integer arrays
  zq::FArray<int, 2> kf;    // 1: element axial (1) / radial (2) position held
  zq::FArray<int, 3> jgs;   // previous sign pattern of the element corrections
  zq::FArray<int, 5> igs;   // previous sign pattern of the race corrections
  zq::FArray<int, 5> jf;    // race constraint flags (1 prescribed, 0 free), copy of kfs
  zq::FArray<int, 40> njb;  // element whose solution an unsolved element mirrors (0 = itself)
  // real scalars
  double corrlmt = 0.0;  // limit of an element correction
  double ftol = 0.0;     // residual below which an equation is held
  double ginflx0 = 0.0;  // reserved
  double gmin = 0.0;     // reserved
  double gxx = 0.0;      // Euclidean norm of the element residuals
  double xn = 0.0;       // load-deflection exponent
  double xn1 = 0.0;      // its reciprocal
  // real arrays
  zq::FArray<double, 2> rebaseang;    // base attitude angles of the current element
  zq::FArray<double, 2> renoloadpos;  // no-load axial position and radius of element 1
  zq::FArray<double, 2> racerefpos;   // reference axial race-centre offset (2nd entry 0)
  zq::FArray<double, 2> rerefpos;     // reference axial position and radius of the elements
  zq::FArray<double, 3> gx;           // element residuals before the last solve
  zq::FArray<double, 4> cfri;         // reference centrifugal force (entry 1)
  zq::FArray<double, 4> cons;         // load-deflection constant per race segment
  zq::FArray<double, 4> gx0;          // reserved
  zq::FArray<double, 8> ca;           // cosines of contact (2j-1) and out-of-plane (2j) angles
  zq::FArray<double, 8> sa;           // sines of the same angles
  zq::FArray<double, 40> sx;          // weight of a solved element in the race sums
  zq::FArray<double, 5, 5> solv;      // reserved
};
