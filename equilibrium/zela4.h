// Quasi-static equilibrium of the rolling elements and the solved (inner) race: Newton passes on
// each element's axial position, radius and tilt for the current race position, then Newton
// steps on the race's three displacements and two misalignments around that element sweep.
// Non-dimensional (lengths / slen, forces / sforce), angles in radians; element equations in
// the element's azimuth frame, race equations in the inertial frame.
#pragma once

#include "model/farray.h"

struct Model;

namespace zela4 {

// Values of one zela4 call shared by its internal procedures (the host's locals). What must
// survive between calls is in model/locals.h (Zela4Locals) and setupa4.
struct Host {
  int iel = 0;          // 0: every solved element, else that element alone
  int i = 0;            // current element (revecs::ire)
  int kb = 0;           // its block base in genvecs::x: slot s is x(kb + s)
  double ct = 1.0;      // cosine and sine of its azimuth
  double st = 0.0;
  // Element Newton step: residuals E (minus the net force on the element, axial and radial,
  // and the moment balance about the azimuth y axis), their derivatives A (column-major),
  // the tangential force terms of races 1 and 2 (0: traction is not carried by the
  // equilibrium), and the switch of the moment (tilt) equation.
  zq::FArray<double, 3> e;
  zq::FArray<double, 3, 3> a;
  double t1 = 0.0;
  double t2 = 0.0;
  int mom = 0;
  double omega = 0.0;   // orbital speed of the element
  double target = 0.0;  // load a light outer contact of an unloaded element is placed to carry
  double fref = 0.0;    // reference centrifugal force (element 1: its own; else the one before)
  int placed = 0;       // 1 once the element has been placed as unloaded in this solve
  double sg = 1.0;      // sign of the pure-rolling orbital speed
  double wc = 0.0;      // pure-rolling orbital speed
  // Relaxation of the element corrections.
  double fe = 1.0;
  int nrepe = 0;
  // Race equations: residuals b (applied load plus the forces of the elements on the race),
  // derivatives ar (column-major), largest outer and inner approach of the sweep.
  zq::FArray<double, 5> b;
  zq::FArray<double, 5, 5> ar;
  zq::FArray<double, 5> c;  // last race corrections
  double dmax1 = -1.0e10;
  double dmax2 = -1.0e10;
  int k = 0;         // race iteration
  double fr = 1.0;   // race relaxation factor
  int nrepr = 0;     // repeats of the race correction sign pattern
  int nrepair = 0;   // race iterations that needed a repaired pivot
  bool raceconv = false;
  // Non-fatal errors already reported in this call, per element.
  zq::FArray<int, 40> reported;
};

// Solves the elements 1..setupa4::ib (iel = 0, then fills the mirrored elements) or element
// iel alone, with the race equations unless setupa4::kfq = 1. Errors come back in the record.
void zela4(Model& m, int iel);

// The element equations of revecs::ire with their derivatives, solved for the limited
// corrections left in h.e.
void reeqns(Model& m, Host& h);

// Places an element without load at the outer race with a light contact; flag 0 -> 1.
void unloadedelements(Model& m, Host& h, int& flag);

// Whether element i carries load on either half of the outer (inner) race.
bool outerloaded(const Model& m, int i);
bool innerloaded(const Model& m, int i);

// Spin attitude and orbital speed of the element (zela5), gyroscopic and centrifugal terms.
void angvelocities(Model& m, Host& h);

// Applies the corrections in h.e; true when the element has converged.
bool applyrecorr(Model& m, Host& h, int pass);

// Adds element h.i to the race equations; solves them; applies the corrections.
void buildraceeqns(Model& m, Host& h);
void solveraceeqns(Model& m, Host& h);
bool applyracecorr(Model& m, Host& h);

// Elements setupa4::ib + 1..nre take the mirror image of the element they mirror.
void mirrorfill(Model& m);

// First-call load-deflection constant of race segment j (point contact) at the contact angle
// of element 1: Q = cons delta^1.5 for the Hertz contact of that geometry.
double pointcons(Model& m, int j);

// The element frames retoiaz, inerttore, sinbt, cosbt from its attitude slots 7..9.
void elementframes(Model& m, int i);

// Race frame of segment j from the race's attitude slots, with its derivatives.
void raceframes(Model& m, int j);

}  // namespace zela4
