// Slip of the element surface on the race surface at one point of a contact. The point lies on
// the major axis of the contact ellipse at a x (a the half-width across rolling); across rolling
// the contact surface is a circle of the principal radius prsurrad (the mean of element and race
// profile radii), so the point falls back by the sagitta and its tangent plane tilts by
// asin(a x / prsurrad). Surface velocities are rigid-body velocities of element and race in the
// element's azimuth frame turning with the orbit. Non-dimensional.
#include "traction/zeld2.h"

#include <algorithm>
#include <cmath>

#include "model/model.h"

namespace zeld2 {

double zeld2(Model& m, double x) {
  auto& d = m.setupd1;
  const auto& cbc = d.cbc;
  const auto& crc = d.crc;
  auto& rre = d.rre;
  auto& rrace = d.rrace;

  d.xa = x;
  const double sx = d.ai * x;
  const double sy = d.ya(1) * d.bi;
  rre(1) = cbc(1) + sx;
  rre(2) = cbc(2) + sy;
  rrace(1) = crc(1) + sx;
  rrace(2) = crc(2) + sy;
  if (d.kcti < 1) {
    // Sagitta of the profile circle; below q = 0.05 from the series of 1 - sqrt(1 - q), which
    // keeps the digits the square root would lose. A point beyond the circle (never reached by
    // a Hertz ellipse) is taken at its rim.
    d.sth = sx / d.prsurrad;
    const double q = d.sth * d.sth;
    double dz;
    if (q >= 0.05) {
      d.cth = std::sqrt(std::max(0.0, 1.0 - q));
      dz = d.prsurrad * (d.cth - 1.0);
    } else {
      const double s = q / 2.0 + q * q / 8.0 + q * q * q / 16.0 + 5.0 * q * q * q * q / 128.0;
      d.cth = 1.0 - s;
      dz = -d.prsurrad * s;
    }
    rre(3) = cbc(3) + dz;
    rrace(3) = crc(3) + dz;
  } else {
    d.sth = 0.0;
    d.cth = 1.0;
    rre(3) = cbc(3);
    rrace(3) = crc(3);
  }

  auto& us = d.us;
  if (d.itracout != 0) {
    // Traction-curve mode: the prescribed slide-to-roll ratio times the rolling speed.
    us(1) = 0.0;
    us(2) = std::abs(d.ur) * d.storoll(1);
    us(3) = 0.0;
    return us(2);
  }

  // Relative velocity d = v_element(P) - v_race(P) = revel + w x rre - W x rrace - racevel.
  const auto& w = d.reangvelc;
  const auto& o = d.raceangvelc;
  double v[3];
  v[0] = d.revelc(1) + (w(2) * rre(3) - w(3) * rre(2)) - (o(2) * rrace(3) - o(3) * rrace(2)) -
         d.racevelc(1);
  v[1] = d.revelc(2) + (w(3) * rre(1) - w(1) * rre(3)) - (o(3) * rrace(1) - o(1) * rrace(3)) -
         d.racevelc(2);
  v[2] = d.revelc(3) + (w(1) * rre(2) - w(2) * rre(1)) - (o(1) * rrace(2) - o(2) * rrace(1)) -
         d.racevelc(3);
  // Into the tangent frame of the tilted surface.
  us(1) = d.cth * v[0] - d.sth * v[2];
  us(2) = v[1];
  us(3) = d.sth * v[0] + d.cth * v[2];
  return us(2);
}

}  // namespace zeld2
