// Element 1 of a set-up bearing placed by hand against a race as the equilibrium hands it to the
// race contacts: positions and frames from nine unknowns (slen, rad). For the contact tests.
#pragma once

#include <array>
#include <cmath>
#include <memory>
#include <numbers>
#include <tuple>

#include "contact/zelc1.h"
#include "contact/zelc7.h"
#include "model/model.h"
#include "numerics/zelb2.h"
#include "numerics/zelb22.h"
#include "numerics/zelb23.h"
#include "support/bearings.h"

namespace contacttest {

using zqtest::BearingCase;

// u[1..9]: element 1 axial position, radius, attitude angles 2, 3; race centre x, y, z, angles 2, 3.
struct Pose { double u[10] = {}; int race = 1; };

// A case at rest after `edit`, flanges removed unless `flanges`.
template <class F>
std::unique_ptr<zqtest::TestBearing> bearing(BearingCase which, F edit, bool flanges = false) {
  return zqtest::setUpBearing(which, [&](Model& m) {
    zqtest::noGrowth(m), edit(m);
    if (!flanges) m.brggeom.kflngind.fill(0), m.brggeom.kflngindr.fill(0), m.brggeom.kflnginds = 0;
  });
}

// Places element 1 (azimuth 0.4) and race p.race, evaluates the race contacts; the contact load.
inline double contactAt(Model& m, const Pose& p) {
  auto& vm = m.vecmats;
  const double *u = p.u, th = 0.4;
  const int j = p.race;
  const auto sn = m.tmparea.rtmp.from<3>(1), co = m.tmparea.rtmp.from<3>(4);
  auto tia = vm.inerttoiaz.sub<3, 3>(1);
  zq::Mat3 a, ab;
  zelb2::zelb2(m, th, 0.0, 0.0, tia);
  zelb2::zelb2(m, 0.0, u[8], u[9], vm.inerttorace.sub<3, 3>(j));
  zelb22::zelb22(sn, co, m.loadder.inerttorace2.sub<3, 3>(j)), zelb23::zelb23(sn, co, m.loadder.inerttorace3.sub<3, 3>(j));
  zelb2::zelb2(m, 0.0, u[3], u[4], a);
  for (int n = 1; n <= 3; ++n) std::tie(vm.sinbt(n, 1), vm.cosbt(n, 1), vm.racegc(n, j)) = std::tuple(sn(n), co(n), u[4 + n]);
  std::tie(m.revecs.ire, m.loadder.ider, vm.regci(1, 1), vm.regci(2, 1), vm.regci(3, 1)) = std::tuple(1, 1, u[1], -u[2] * std::sin(th), u[2] * std::cos(th));
  for (int r = 1; r <= 3; ++r)
    for (int q = 1; q <= 3; ++q) ab(r, q) = a(r, 1) * m.brggeom.rebasetran(1, q) + a(r, 2) * m.brggeom.rebasetran(2, q) + a(r, 3) * m.brggeom.rebasetran(3, q);
  for (int r = 1; r <= 3; ++r)
    for (int q = 1; q <= 3; ++q) {
      std::tie(vm.retoiaz(q, r, 1), vm.inerttore(r, q, 1)) = std::tuple(ab(r, q), ab(r, 1) * tia(1, q) + ab(r, 2) * tia(2, q) + ab(r, 3) * tia(3, q));
      for (int k = 1; k <= m.brggeom.nrace; ++k)
        vm.racetoiaz(r, q, k, 1) = tia(r, 1) * vm.inerttorace(q, 1, k) + tia(r, 2) * vm.inerttorace(q, 2, k) + tia(r, 3) * vm.inerttorace(q, 3, k);
    }
  zelc1::zelc1(m);
  return m.solutions.conload(j, 1);
}

// Hertz factors a*, b*, delta* of the curvature difference F (Harris, Rolling Bearing Analysis):
// k solves F = ((1 + k^2) E - 2 k^2 K) / ((1 - k^2) E), E, K of modulus sqrt(1 - k^2); a* = (2E/(pi k^2))^(1/3),
// b* = (2Ek/pi)^(1/3), delta* = (2K/pi)(pi k^2/(2E))^(1/3); delta = delta* (S/2) (3 Q C/(2 S))^(2/3), a = a* (3 Q C/(2 S))^(1/3).
inline std::array<double, 3> hertzStars(double f) {
  double lo = 1e-12, hi = 1.0, k = 0, e = 0, kk = 0, pi = std::numbers::pi;
  for (int n = 0; n < 80; ++n) {
    k = (lo + hi) / 2, kk = std::comp_ellint_1(std::sqrt(1 - k * k)), e = std::comp_ellint_2(std::sqrt(1 - k * k));
    ((1 + k * k) * e - 2 * k * k * kk) / ((1 - k * k) * e) > f ? lo = k : hi = k;
  }
  return {std::cbrt(2 * e / (pi * k * k)), std::cbrt(2 * e * k / pi), 2 * kk / pi * std::cbrt(pi * k * k / (2 * e))};
}

// Element 1 pressed by delta into race j: a ball into the groove at contact angle alpha, a roller along the raceway.
inline Pose pressIn(Model& m, int j, double delta, double alpha = 0.0) {
  const auto& g = m.brggeom;
  const double side = j == 1 ? 1.0 : -1.0, phi = (j == 1 ? 0.0 : std::numbers::pi) + (g.kbrg == 1 ? alpha : g.racetaper(j)), l = g.racecurrad(j) - 1.0 + delta;
  const double rho0 = zelc7::zelc7(m, 1, 0, 0, 0.0, 0.0), r0 = zelc7::zelc7(m, g.nre + j, 0, 0, 0.0, 0.0);
  if (g.kbrg == 1) return Pose{{0, g.racecurcen(1, j) + l * std::sin(phi), g.racecurcen(2, j) + l * std::cos(phi)}, j};
  return Pose{{0, -side * rho0 * std::sin(g.reax) + delta * std::sin(phi), r0 - side * rho0 * std::cos(g.reax) + delta * std::cos(phi)}, j};
}

}  // namespace contacttest
