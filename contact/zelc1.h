// Race contacts of the rolling element revecs::ire with every present race segment: contact
// frames, approaches, Hertz point contacts, sliced line contacts, roller-end/flange contacts,
// and the load and moment derivatives of loadder for the Newton steps. Non-dimensional
// (lengths / slen, forces / sforce), angles in radians; frames as in revecs.
// The internal procedures share the values of one call through the host record Host.
#pragma once

#include "model/farray.h"

struct Model;

namespace zelc1 {

void zelc1(Model& m);

// Number of unknowns a line-contact load derivative is taken by: the element's axial and
// radial displacement, its second and third attitude angle; the race's displacement along
// inertial x, y, z and its second and third attitude angle (in this order).
constexpr int kNumDir = 9;

// Values of one zelc1 call that its internal procedures read and write (the host's locals).
struct Host {
  zq::Mat3 tib;    // inertial -> element frame (TIB)
  zq::Vec3 regci;  // element geometric centre (inertial)
  // Current race segment: crown centre from the groove centre (grooved race) or from the
  // raceway point at the element's azimuth (straight race), race azimuth frame; the crown-
  // centre offset from the element centre, race frame; the local race radius; sin, cos of sii.
  zq::Vec3 v;
  zq::Vec3 bc;
  double rj = 0.0;
  double ssii = 0.0, csii = 1.0;
  // Line-contact end-point search: end points, bracket ends, scan indices.
  double xj[3] = {0.0, 0.0, 0.0};
  double xjk[3] = {0.0, 0.0, 0.0};
  int jl[3] = {0, 0, 0};
  // Derivatives of the element frame TIB by its second and third attitude angle.
  zq::Mat3 dtib2, dtib3;
  // Change of the element centre from the race centre (race frame) and of the element-to-race
  // frame per unit change of each unknown, for the current race segment.
  zq::FArray<double, 3, kNumDir> db;
  zq::FArray<double, 3, 3, kNumDir> dtbr;
  // Derivatives of one slice (per unit length), left by lcderivatives: load by each unknown,
  // and moment (about the element centre for the element's unknowns, about the race centre
  // for the race's unknowns), at a fixed slice position.
  zq::FArray<double, kNumDir> dqs, dms;
  // Strip ends that are roots of the interference move with the unknowns: their motion per
  // unknown (end 1, 2), and, when any end moves, the slice's load, element-moment and
  // race-moment terms per unit move along the roller.
  bool endmotion = false;
  zq::FArray<double, 2, kNumDir> dxe;
  double dqs0 = 0.0, dbm0 = 0.0, drm0 = 0.0;
};

// Point contact of race segment revecs::irace (Hertz, or the line law for a near-line ellipse).
void pointcontact(Model& m, Host& h);
// Sliced line contact of race segment revecs::irace.
void linecontact(Model& m, Host& h);
// End points of the line contact by scanning the profile when the root search failed.
void newcontlmts(Model& m, Host& h);
// Moment terms of one slice of load q and stiffness k (per unit length); with loadder::ider
// set, its derivatives in h.dqs, h.dms (and along the roller in h.dqs0, dbm0, drm0 when a
// strip end moves).
void lcderivatives(Model& m, Host& h, double q, double k, double& bmterm, double& rmterm);
// Interference derivatives of the slice zelc5 evaluated last by each unknown (ddelta[1..9])
// and, when `along` is set, by a move of the slice along the roller (ddelta[0]), with the
// matching changes of the two moment arms (element and race centre).
void slicechain(Model& m, Host& h, bool along, double* ddelta, double* darmb, double* darmr);
// Roller-end/flange contacts of race segment revecs::irace.
void flngcontact(Model& m, Host& h);

}  // namespace zelc1
