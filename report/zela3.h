// Results section of the report: rolling-element kinematics and wear, the race-contact tables,
// the distributions and traction curves of the heaviest loaded element, the roller to flange
// tables, then the operating parameters, stiffness, capacities and fatigue lives. Results are
// converted from the non-dimensional form with the scale factors of `constants`.
#pragma once

#include <string_view>

#include "model/farray.h"
#include "report/format.h"

struct Model;

namespace zela3 {

// The whole results section: rollelementparameters, then operatingparameters.
void zela3(Model& m);

// Rolling-element part: element table, race-contact tables (primary, then split-race segments),
// ball slip/traction or roller load distribution of the heaviest element, its traction curves,
// and the flange tables when the bearing has flanges.
void rollelementparameters(Model& m);

// The four race-contact tables of contacts k + 1 (left column) and k + 2 (right column), k = 0
// for the primary contacts, k = 2 for the second contacts of a split race.
void reraceparameters(Model& m, int k);

// Roller end to race flange interaction, contact dimension and wear tables.
void flangetables(Model& m);

// Operating parameters, clearance, power loss, stiffness, capacities, lives and life factors.
void operatingparameters(Model& m);

// Race names of the table rows and heads, race 1 (outer) and 2 (inner).
inline const char* racename(int j) { return j == 1 ? "Outer Race" : "Inner Race"; }

// Writes one table row: the `prefix` items with their `values`, then one 11-column cell per
// value alist(1 .. n): an E11.3 field, or an 11X blank run when bit k - 1 of `missing` is set,
// so that the values after a missing one keep their columns.
void writecells(Model& m, std::string_view prefix, zq::FmtList values, int n,
                unsigned missing = 0);

// A traction result of contact (c, i) as printed: the stored value for a loaded contact, 0 for
// a contact without load (the traction routine does not evaluate it, so the store may hold the
// value of an earlier state).
double tractionresult(const Model& m, const zq::FArray<double, 4, 40>& a, int c, int i);

// Heaviest loaded element: the first with the largest inner-race contact load.
int heaviestelement(const Model& m);

// Slip and traction distribution of ball j on both races (points sorted along the major axis,
// stored back sorted), with its pure-rolling points.
void balldistribution(Model& m, int j);

// Deflection, half-width, load and traction along the laminae of roller j on both races.
void loaddistribution(Model& m, int j);

// Traction of one element on its race contacts, with the signature of the traction routine.
using TractionEval = void (*)(Model&, zq::Vec3&, zq::Vec3&, zq::FArray<double, 3, 2>&,
                              zq::FArray<double, 3, 2>&);

// Traction-curve table of element j: the traction routine `eval` is driven in its prescribed-
// slip mode over slide-to-roll ratios 0 .. 40 steps; the mode is switched off on every exit.
void tractioncurves(Model& m, int j, TractionEval eval);

}  // namespace zela3
