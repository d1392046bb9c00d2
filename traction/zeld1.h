// Traction of the current rolling element (revecs::ire) on its race contacts: slip and traction
// distributions, film, heat, power loss and wear per contact, and the resulting force and moment
// on the element (bfor, bmom) and on races 1 and 2 (rfor, rmom), all in the element's azimuth
// frame. Non-dimensional; the lubricated models and the film are called in the user's units.
// The internal procedures share the values of one contact through the host record Host.
#pragma once

#include <functional>

#include "model/farray.h"

struct Model;

namespace zeld1 {

// bfor, bmom: force on the element and moment about its centre; rfor(:, j), rmom(:, j): force
// on race j and moment about its centre (the second halves 3 and 4 of split races folded onto
// races 1 and 2). Copies go to setupb1::bfors, bmoms, rfors, rmoms of the element; per contact
// the results of solutions listed in docs/ARCHITECTURE.md are written for every race segment,
// as 0 for a segment without load. A zero-slip search that fails raises krootd1 (fatal); a
// record pending at entry is otherwise left as it is.
void zeld1(Model& m, zq::Vec3& bfor, zq::Vec3& bmom, zq::FArray<double, 3, 2>& rfor,
           zq::FArray<double, 3, 2>& rmom);

// Values of the current contact (race segment k of element i) that the internal procedures
// share: the traction law, the contact scales, the sums over its points or laminae and the
// running maxima.
struct Host {
  explicit Host(Model& m);
  int k = 0, i = 0;
  bool point = true;           // point contact (strips along the major axis), else laminae
  bool lub = false;            // lubricated model applies (film present and above critical)
  const double* curve = nullptr;  // traction curve of the segment, 5 coefficients
  double t = 0.0;              // surface (inlet) temperature, user units
  double damp = 0.0;           // damping coefficient of the normal force
  double p0 = 0.0;             // maximum contact pressure, user units
  double bdim = 0.0;           // half-width in the rolling direction, user units
  double hiso = 0.0, phit = 0.0;  // isothermal film and its thermal factor (0: no film)
  double x = 0.0;              // normalised position of the current point (0 on a lamina)
  double xpos = 0.0;           // its position along the major axis, for the pv maximum
  // Sums: force, moment on the element, moment on the race (contact frame for a point contact,
  // race frame for the laminae); load times slip, power, flash rise and film temperature.
  zq::Vec3 fs, ms, rs;
  double loadslip = 0.0, power = 0.0, flash = 0.0, tfilm = 0.0;
  // Values of the point just evaluated by incrementaltraction.
  double ploadslip = 0.0, ppower = 0.0, pflash = 0.0, ptfilm = 0.0;
  // Running maxima of the contact: slip, coefficient and shear-thinning factor there; pressure
  // times slip and its normalised position.
  double smax = 0.0, mumax = 0.0, phimax = 1.0, pvmax = 0.0;
  zq::FArray<double, 2> pvx;
  // Laminae: element centre velocity, race centre velocity, element and race angular velocity
  // relative to the orbiting azimuth frame, all in race-frame components (turned into each
  // lamina frame by linecontacttrans).
  zq::Vec3 vb, vr, wb, wr;
  // Slip along rolling as a function of the position on the major axis: zeld2, the root
  // function of the zero-slip search (built once per call of zeld1).
  std::function<double(double)> slip;
};

// Local traction at point or lamina j (normalised position h.x): force f on the element in the
// contact (lamina) frame, its moments mre about the element centre and mrace about the race
// centre; writes the distributions of point j and updates the maxima. A point without slip or
// without load carries its normal load only.
void incrementaltraction(Model& m, Host& h, int j, zq::Vec3& f, zq::Vec3& mre, zq::Vec3& mrace);
// Frame and velocities of lamina j: tilt rotation setupd1::traz, race-to-lamina frame
// revecs::trc, the velocities in the lamina frame and the lamina contact-point vectors.
void linecontacttrans(Model& m, Host& h, int j);
// Sum over the laminae of a line contact (race-frame sums in h).
void linecontactintegral(Model& m, Host& h);
// Sum over the strips of a point contact along its major axis (contact-frame sums in h):
// 4-point Gauss-Legendre on each interval between -1, the zero-slip points and +1.
void pointcontactsingleintegral(Model& m, Host& h);

}  // namespace zeld1
