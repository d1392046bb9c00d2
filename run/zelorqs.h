// Main program of the quasi-static bearing analysis: the fixed run sequence (input, model
// set-up, equilibrium, final sweep, output data, lives, totals, report, console notice), the
// output-data step that turns the final state into report quantities, and the power-loss and
// wear totals.
#pragma once

#include <iosfwd>
#include <string>

#include "model/farray.h"

struct Model;

namespace zelorqs {

// How a run ended, for drivers that run many inputs in one process (tests, the fuzz driver).
struct RunEnd {
  int status = -1;
  std::string where;  // the routine that stopped the run (zq::StopRun::where); empty otherwise
  std::string fault;  // description of an internal error (programming fault); empty otherwise
};

// Runs one analysis and returns the exit status (0 completed, 1 stopped by a check or fatal
// error, 2 input or report file unusable). `console` receives the completion notice, `err`
// the messages of an unusable file. When `end` is given it receives how the run ended.
int zelorqs(Model& m, std::ostream& console, std::ostream& err, RunEnd* end = nullptr);

// Magnitude and two orientation angles of a vector (V1 axial, V2 and V3 radial), with
// components below tol of the magnitude treated as zero. Returns (m, a1, a2).
struct Orientation {
  double mag, a1, a2;
};
Orientation vectororientation(const Model& m, zq::Vec3In v);

// Output-data step: race positions, velocities and accelerations, element orbital speed
// ratios, angular-velocity vectors as magnitude and two angles, contact-loss flags.
void setupoutputdata(Model& m);

// Bearing power loss and wear sums after the lives; rescales rewr and reendwr in place.
void totals(Model& m);

// The console notice of a completed run.
void completionnotice(std::ostream& console);

// Equilibrium driver: initial guess, solution, stiffness, packing of the state.
void quasistaticeq(Model& m);

// Force of the inner race's contacts (both halves of a split race) and flanges on the inner
// race, summed over every element, inertial components.
void raceload(Model& m, zq::Vec3& r);

// Diagonal bearing stiffness: one-sided steps of the held inner race along inertial x, y, z
// from the solution, each re-solved with every element on its own.
void stiffness(Model& m);

}  // namespace zelorqs

namespace zq {
// Subnormal operands read as zero and subnormal results flushed to zero, for the whole run.
void setFlushToZero();
}  // namespace zq
