// Module `setupd1`: working state of the traction integration over one rolling-element/race
// contact: the current contact's type, half-widths, pressure, film and curvature, its contact-
// point vectors and velocities in the contact (or lamina) frame, the slip at the current point,
// the prescribed slide-to-roll ratio of the traction-curve mode, and the force of each contact
// in its own frame (x across rolling, y rolling direction, z normal). Non-dimensional unless
// noted; `uroll` is in the user's speed unit.
#pragma once

#include "model/farray.h"
#include "model/ftext.h"

struct Setupd1 {
  // integer scalars
  int initd1 = 0;    // first-call flag
  int initd6 = 0;    // reserved
  int itracout = 0;  // 1: traction-curve mode (prescribed slip)
  int ka = 0;        // reserved (set to 1 at the first call)
  int kcti = 0;      // contact type of the current contact (< 1 point, >= 1 line)
  int m = 0;         // reserved
  int mq = 0;        // reserved
  int mq1 = 0;       // circumferential points of the polar integration grid (not used)
  // real scalars
  double ai = 0.0;        // half-width across rolling (half-length of a line contact)
  double bi = 0.0;        // half-width in the rolling direction
  double cth = 0.0;       // cosine of the surface tilt at the current point
  double h = 0.0;         // film thickness of the current contact (user length unit)
  double ph = 0.0;        // maximum contact pressure
  double prsurrad = 0.0;  // surface curvature radius across rolling
  double sth = 0.0;       // sine of the surface tilt at the current point
  double ur = 0.0;        // rolling speed (signed)
  double uroll = 0.0;     // rolling speed magnitude (user speed unit)
  double xa = 0.0;        // current normalised position across rolling
  // real arrays (3): contact (or lamina) frame
  zq::Vec3 cbc;          // contact point from the element centre
  zq::Vec3 crc;          // contact point from the race centre
  zq::Vec3 raceangvelc;  // race angular velocity, orbital rate removed
  zq::Vec3 racevelc;     // race centre velocity
  zq::Vec3 reangvelc;    // element angular velocity
  zq::Vec3 revelc;       // element centre velocity
  zq::Vec3 rrace;        // current point from the race centre
  zq::Vec3 rre;          // current point from the element centre
  zq::Vec3 us;           // slip vector at the current point (surface tangent frame)
  zq::Vec3 tsur;         // reserved
  zq::FArray<double, 2> storoll;  // prescribed slide-to-roll ratio (entry 1)
  zq::FArray<double, 3> ya;       // normalised position in the rolling direction (entry 1)
  zq::FArray<double, 4> xj;       // integration interval limits (-1, zero-slip points, +1)
  zq::FArray<double, 30> wg;      // weights of the polar integration grid (not used)
  zq::FArray<double, 30> xg;      // abscissae of the polar integration grid (not used)
  zq::FArray<double, 30> sph;     // sine table of the polar grid (not used)
  zq::FArray<double, 30> cph;     // cosine table of the polar grid (not used)
  zq::Mat3 traz;                  // lamina tilt rotation about the contact x axis
  zq::FArray<double, 3, 4> bforcs;  // force on the element per race segment (contact frame)
};
