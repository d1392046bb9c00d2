// Race contacts of one element placed at a prescribed pose: a ball in its grooves against exact
// Hertz theory (own elliptic integrals), aligned straight rollers against the slice law over
// the roller length, tilted and mirrored rollers, every load derivative against central
// differences of the contact routine itself, separation, and the error record.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <stdexcept>
#include <tuple>

#include "contact/zelc1.h"
#include "contact/zelc4.h"
#include "contact/zelc6.h"
#include "contact/zelc7.h"
#include "model/model.h"
#include "numerics/zelb2.h"
#include "numerics/zelb22.h"
#include "numerics/zelb23.h"
#include "support/bearings.h"

namespace {

using zqtest::BearingCase;
constexpr double kPi = std::numbers::pi;

// Unknowns u[1..9]: element 1 axial position, radius, second and third attitude angle; centre
// x, y, z and second and third attitude angle of race `race`. The element stands at azimuth 0.4.
struct Pose { double u[10] = {}; int race = 1; };

// Load and moment derivatives by unknown d (moments about the element centre for its own
// unknowns, about the race centre for the race's).
using Arr = zq::FArray<double, 4> Loadder::*;
const Arr kDq[10] = {nullptr, &Loadder::dqx, &Loadder::dqr, &Loadder::dqt, &Loadder::dqp,
                     &Loadder::dqxx, &Loadder::dqyy, &Loadder::dqzz, &Loadder::dqt2, &Loadder::dqt3};
const Arr kDm[10] = {nullptr, &Loadder::dmx, &Loadder::dmr, &Loadder::dmt, &Loadder::dmp,
                     &Loadder::dmxx, &Loadder::dmyy, &Loadder::dmzz, &Loadder::dmt2, &Loadder::dmt3};

// A case at rest without flanges.
std::unique_ptr<zqtest::TestBearing> bearing(BearingCase which,
                                             const std::function<void(Model&)>& edit = {}) {
  return zqtest::setUpBearing(which, [&](Model& m) {
    zqtest::noGrowth(m);
    m.brggeom.kflngind.fill(0), m.brggeom.kflngindr.fill(0), m.brggeom.kflnginds = 0;
    if (edit) edit(m);
  });
}

// Positions and frames of element 1 and race p.race as the contact routine reads them: the
// element frame is its attitude matrix after the base frame, from its azimuth frame.
void place(Model& m, const Pose& p) {
  auto& vm = m.vecmats;
  const double *u = p.u, th = 0.4;
  const int j = p.race;
  m.revecs.ire = m.loadder.ider = 1;
  std::tie(vm.regci(1, 1), vm.regci(2, 1), vm.regci(3, 1)) = std::tuple(u[1], -u[2] * std::sin(th), u[2] * std::cos(th));
  auto tia = vm.inerttoiaz.sub<3, 3>(1), tir = vm.inerttorace.sub<3, 3>(j);
  zelb2::zelb2(m, th, 0.0, 0.0, tia);
  zelb2::zelb2(m, 0.0, u[8], u[9], tir);
  zelb22::zelb22(m.tmparea.rtmp.from<3>(1), m.tmparea.rtmp.from<3>(4), m.loadder.inerttorace2.sub<3, 3>(j));
  zelb23::zelb23(m.tmparea.rtmp.from<3>(1), m.tmparea.rtmp.from<3>(4), m.loadder.inerttorace3.sub<3, 3>(j));
  zq::Mat3 a, ab;
  zelb2::zelb2(m, 0.0, u[3], u[4], a);
  for (int n = 1; n <= 3; ++n) {
    vm.sinbt(n, 1) = m.tmparea.rtmp(n);
    vm.cosbt(n, 1) = m.tmparea.rtmp(n + 3);
    vm.racegc(n, j) = u[4 + n];
  }
  for (int r = 1; r <= 3; ++r)
    for (int q = 1; q <= 3; ++q)
      for (int n = 1; n <= 3; ++n) ab(r, q) += a(r, n) * m.brggeom.rebasetran(n, q);
  for (int r = 1; r <= 3; ++r)
    for (int q = 1; q <= 3; ++q) {
      vm.retoiaz(q, r, 1) = ab(r, q);
      vm.inerttore(r, q, 1) = ab(r, 1) * tia(1, q) + ab(r, 2) * tia(2, q) + ab(r, 3) * tia(3, q);
      for (int k = 1; k <= m.brggeom.nrace; ++k)
        vm.racetoiaz(r, q, k, 1) = tia(r, 1) * vm.inerttorace(q, 1, k) +
                                   tia(r, 2) * vm.inerttorace(q, 2, k) + tia(r, 3) * vm.inerttorace(q, 3, k);
    }
}

// Pose of element 1 pressed by delta into race j along the normal at angle phi from the
// radial: a ball into the groove at contact angle alpha, a straight roller with its generatrix
// facing the race along the raceway line of the azimuth plane.
Pose pressIn(Model& m, int j, double delta, double alpha = 0.0) {
  const auto& g = m.brggeom;
  Pose p{{}, j};
  const double side = j == 1 ? 1.0 : -1.0, phi = (j == 1 ? 0.0 : kPi) + (g.kbrg == 1 ? alpha : g.racetaper(j));
  const double l = g.racecurrad(j) - 1.0 + delta;  // ball centre from the groove centre
  const double rho0 = zelc7::zelc7(m, 1, 0, 0, 0.0, 0.0), r0 = zelc7::zelc7(m, g.nre + j, 0, 0, 0.0, 0.0);
  p.u[1] = g.kbrg == 1 ? g.racecurcen(1, j) + l * std::sin(phi) : -side * rho0 * std::sin(g.reax) + delta * std::sin(phi);
  p.u[2] = g.kbrg == 1 ? g.racecurcen(2, j) + l * std::cos(phi)
                       : r0 - side * rho0 * std::cos(g.reax) + delta * std::cos(phi);
  return p;
}

double contactAt(Model& m, const Pose& p) {
  place(m, p);
  zelc1::zelc1(m);
  return m.solutions.conload(p.race, 1);
}

}  // namespace

TEST(HertzPoint, BallInGrooveMatchesHertzTheory) {
  // D = 12.7 mm, f = 0.52, d_m = 65 mm, AISI 52100 pair. Reference: Hertz, with the axis
  // ratio k solved from F = ((1 + k^2) E - 2 k^2 K) / ((1 - k^2) E), E and K by the
  // arithmetic-geometric mean (Abramowitz & Stegun 17.6); delta = delta* (S/2) (3 Q C/(2 S))^(2/3),
  // a = a* (3 Q C/(2 S))^(1/3), p = 3 Q/(2 pi a b) (Harris), C the compliance sum 2 (1 - nu^2)/E.
  // zelc4 interpolates its table linearly: 1e-3. The same formulas on zelc4's factors: 1e-12.
  auto b = bearing(BearingCase::kBallSi, [](Model& m) {
    auto& g = m.brggeom;
    std::tie(g.bredia, g.racecurfac(1), g.racecurfac(2), g.pitchdia) = std::tuple(0.0127, 0.52, 0.52, 0.065);
    std::tie(g.brgbore, g.brgod, g.hsngod) = std::tuple(0.045, 0.090, 0.13);
    zqtest::internalGeometry(m);
  });
  Model& m = b->m();
  const auto& c = m.constants;
  const double d = 0.0127, f = 0.52, slen = c.slen;
  const double comp = 2.0 * (1.0 - m.matprop.repr * m.matprop.repr) / m.matprop.reem;
  for (int j : {1, 2}) {
    for (double alpha : {0.0, 0.3}) {
      Pose p = pressIn(m, j, 1.0e-3, alpha);
      contactAt(m, p);
      const double rc = m.brggeom.racecurcen(2, j) * slen + (j == 1 ? 1 : -1) * f * d * std::cos(alpha);
      const double rho[4] = {2.0 / d, 2.0 / d, (j == 1 ? -1 : 1) * std::cos(alpha) / rc, -1.0 / (f * d)};
      const double s = rho[0] + rho[1] + rho[2] + rho[3], fc = (rho[0] - rho[1] + rho[2] - rho[3]) / s;
      EXPECT_NEAR(m.solutions.cursum(j, 1) / (s * slen), 1.0, 1e-12);
      EXPECT_NEAR(m.solutions.curfunc(j, 1), fc, 1e-12);
      // Rolling radius 1 / (rho11 + rho21); track radius of the contact point (ball surface).
      EXPECT_NEAR(m.solutions.radiusx(j, 1) * slen * (rho[0] + rho[2]), 1.0, 1e-12);
      EXPECT_NEAR(m.solutions.radconposr(j, 1), p.u[2] + (j == 1 ? 1 : -1) * std::cos(alpha), 1e-12);
      double lo = 1e-6, hi = 1.0, kk = 0, ee = 0, k = 0;
      for (int n = 0; n < 60; ++n) {  // bisection on k; K, E of modulus sqrt(1 - k^2) by AGM
        k = (lo + hi) / 2.0;
        double a = 1.0, bb = k, sum = (1.0 - k * k) / 2.0;
        for (double pw = 1.0; std::abs(a - bb) > 1e-15 * a; pw *= 2.0) {
          sum += pw * (a - bb) * (a - bb) / 4.0;
          std::tie(a, bb) = std::pair(0.5 * (a + bb), std::sqrt(a * bb));
        }
        kk = kPi / (2.0 * a), ee = kk * (1.0 - sum);
        ((1.0 + k * k) * ee - 2.0 * k * k * kk) / ((1.0 - k * k) * ee) > fc ? lo = k : hi = k;
      }
      const double as = std::cbrt(2.0 * ee / (kPi * k * k)), bs = std::cbrt(2.0 * ee * k / kPi);
      const double ds = 2.0 * kk / kPi * std::cbrt(kPi * k * k / (2.0 * ee)),
                   q = 2.0 * s / (3.0 * comp) * std::pow(2.0 * 1.0e-3 * slen / (ds * s), 1.5);
      const double scale = std::cbrt(3.0 * q * comp / (2.0 * s));
      const auto& so = m.solutions;
      const double q0 = so.conload(j, 1), a0 = so.conwidtha(j, 1), b0 = so.conwidthb(j, 1), p0 = so.conpress(j, 1);
      EXPECT_NEAR(q0 * c.sforce / q, 1.0, 1e-3) << j << " " << alpha;
      EXPECT_NEAR(a0 * slen / (as * scale), 1.0, 1e-3);
      EXPECT_NEAR(b0 * slen / (bs * scale), 1.0, 1e-3);
      EXPECT_NEAR(p0 * c.sforce / (slen * slen) / (3.0 * q / (2.0 * kPi * as * bs * scale * scale)), 1.0, 1e-3);
      double ta = 0, tb = 0, td = 0, sn = so.cursum(j, 1);
      zelc4::zelc4(m, so.curfunc(j, 1), ta, tb, td, 0);
      const double sc = std::cbrt(3.0 * q0 * c.qmrerace(j) / (2.0 * sn));
      EXPECT_NEAR(td * sn / 2.0 * sc * sc / so.condef(j, 1), 1.0, 1e-12);
      EXPECT_NEAR(a0 / (ta * sc), 1.0, 1e-12);
      EXPECT_NEAR(b0 / (tb * sc), 1.0, 1e-12);
      EXPECT_NEAR(p0 * 2.0 * kPi * a0 * b0 / (3.0 * q0), 1.0, 1e-12);
    }
  }
}

TEST(LineContact, AlignedRollerLoadsSlicesEquallyTiltedOneMonotonicallyAndMirrored) {
  // A straight roller along a straight raceway at approach delta: every slice carries the law's
  // load per length q(delta) and the total is q times the generatrix length between the
  // corners (brelen - corner radii) / cos(roller half angle); with a uniform load the life sum
  // (q^e L)^(1/e) L^(1 - 1/e) is Q itself. Radii ~6.5 round on delta = 2e-4: 1e-10.
  // Tilted by +-1e-4 rad the approach varies linearly along it: the slice loads rise
  // monotonically toward one end, and the opposite tilt mirrors them about the mid-plane.
  for (BearingCase bc : {BearingCase::kCylindricalSi, BearingCase::kTaperedSi}) {
    auto b = bearing(bc, [](Model& m) { m.brggeom.brecrn = 1.0e10; });
    Model& m = b->m();
    const auto& s = m.solutions;
    const int n = m.revecs.ngrid;
    for (int j : {1, 2}) {
      Pose p = pressIn(m, j, 2.0e-4);
      const double qt = contactAt(m, p);
      double bq = 0, kq = 0, q = 0;
      zelc6::zelc6(m, 1, 2.0e-4, m.constants.qrerace.sub<2>(j), 1.0, 1.0, bq, kq, q);
      const double len = (m.brggeom.brelen - m.brggeom.brecorrad(1) - m.brggeom.brecorrad(2)) / std::cos(m.brggeom.bretaper);
      for (int i = 1; i <= n; ++i) EXPECT_NEAR(s.conloaddis(i, j, 1) / q, 1.0, 1e-10) << int(bc) << j << i;
      EXPECT_NEAR(qt / (q * len), 1.0, 1e-10) << int(bc) << " race " << j;
      EXPECT_NEAR(s.qcl(j, 1) / qt, 1.0, 1e-12);
    }
    if (bc == BearingCase::kTaperedSi) break;
    Pose p = pressIn(m, 1, 2.0e-4);
    p.u[3] = 1.0e-4;
    const double qa = contactAt(m, p);
    const auto load = s.conloaddis, xc = s.xcoord;
    p.u[3] = -1.0e-4;
    EXPECT_NEAR(contactAt(m, p) / qa, 1.0, 1e-10);
    for (int i = 1; i <= n; ++i) {
      EXPECT_TRUE(i == 1 || (load(i, 1, 1) - load(i - 1, 1, 1)) * (load(n, 1, 1) - load(1, 1, 1)) > 0);
      EXPECT_NEAR(s.conloaddis(n + 1 - i, 1, 1) / load(i, 1, 1), 1.0, 1e-9) << i;
      EXPECT_NEAR(s.xcoord(n + 1 - i, 1, 1), -xc(i, 1, 1), 1e-12) << i;
    }
  }
}

TEST(ContactDerivatives, MatchCentralDifferencesOfTheContactRoutine) {
  // Steps 1e-7 (lengths), 2e-8 rad: truncation < 1e-7 at approaches >= 2e-4, rounding of the
  // radii < 1e-8 (x100 where a crown radius of 9000 rounds or strip ends must move past the root
  // tolerance). Floor: tolerance x the largest derivative of the same quantity. Point contacts:
  // dqn = dQ/d(approach), Hertz factors; on a straight race dqx, dqr, dqxx, dqyy, dqzz. Line
  // contacts: all eighteen, 1e-6 with the strip ends at the profile ends, 1e-3 when they move.
  // Roller crown radius and flat length (m, < 0: as given); race imperfection 1 out-of-round,
  // 2 waviness (both with a varying taper).
  struct Case { BearingCase bc; double crown, land; int race; double delta, tol, step; bool tilted; int imp = 0; };
  const Case cases[] = {
      {BearingCase::kBallSi, -1, -1, 1, 1e-3, 1e-6, 1, false},
      {BearingCase::kBallSi, -1, -1, 2, 1e-3, 1e-6, 1, false},
      {BearingCase::kCylindricalSi, -1, 0, 1, 5e-4, 1e-6, 1, false},
      {BearingCase::kCylindricalSi, 50.0, 0, 2, 5e-3, 1e-6, 100, false},
      {BearingCase::kCylindricalSi, 1e10, -1, 1, 2e-4, 1e-6, 1, true},
      {BearingCase::kTaperedSi, 1e10, -1, 2, 2e-4, 1e-6, 1, true},
      {BearingCase::kCylindricalSi, 1e10, -1, 1, 2e-4, 1e-6, 1, true, 1},
      {BearingCase::kCylindricalSi, 1e10, -1, 2, 2e-4, 1e-6, 1, true, 2},
      {BearingCase::kCylindricalSi, 1e10, -1, 2, 1e-4, 1e-3, 100, true},  // one end moves
      {BearingCase::kCylindricalSi, -1, -1, 2, 3e-4, 1e-3, 100, true},   // ends on the crown
      {BearingCase::kCylindricalSi, -1, 0, 1, 5e-4, 1e-3, 100, true},
  };
  for (const Case& k : cases) {
    auto b = bearing(k.bc, [&k](Model& m) {
      if (k.crown >= 0) m.brggeom.brecrn = k.crown;
      if (k.land >= 0) m.brggeom.brecenlen = k.land;
      auto& g = m.brggeom;
      m.options.kracegeoimp.lin(k.race) = k.imp;
      std::tie(g.rlradvar(1, k.race), g.rlradvar(2, k.race), g.rlradvar(3, k.race), g.rltaper(2, k.race),
               g.rltaper(3, k.race), g.rltaper(4, k.race)) =
          k.imp == 1 ? std::tuple(2e-7, -1e-7, 20.0, 2e-5, 3.0, 30.0) : std::tuple(1e-7, 5.0, 10.0, 2e-5, 3.0, 30.0);
    });
    Model& m = b->m();
    const bool ball = k.bc == BearingCase::kBallSi;
    const int j = k.race;
    Pose p = pressIn(m, j, k.delta, 0.3);
    const double extra[10] = {0, 0, 0, k.delta < 1.5e-4 ? 4e-4 : 4e-5, 3e-3, 1e-4, -2e-5, 3e-5, 2e-5, -1e-5};
    for (int d = 1; d <= 9; ++d) p.u[d] += k.tilted ? extra[d] : 0.0;
    const Loadder& ld = m.loadder;
    const Solutions& s = m.solutions;
    contactAt(m, p);
    const bool line = m.brggeom.kcontype(j, 1) >= 1;
    double an[2][11] = {}, fd[3][11] = {}, big[2] = {};
    for (int d = line ? 1 : 0; d <= 9; ++d) {
      // d = 0: along the contact normal, which changes the approach alone.
      const double h = ((d == 3 || d == 4 || d > 7) ? 2e-8 : 1e-7) * k.step;
      const double n1 = m.vecmats.tacs(3, 1, j, 1), n3 = m.vecmats.tacs(3, 3, j, 1);
      for (int sg : {1, -1}) {
        Pose q = p;
        d == 0 ? (q.u[1] += sg * h * n1, q.u[2] += sg * h * n3) : q.u[d] += sg * h;
        fd[0][d] += sg * contactAt(m, q) / (2 * h);
        fd[1][d] += sg * (d <= 4 ? ld.bm(j) : ld.rm(j)) / (2 * h);
        fd[2][d] += sg * s.condef(j, 1) / (2 * h);
      }
      contactAt(m, p);
      if (d == 0) continue;
      an[0][d] = (ld.*kDq[d])(j);
      an[1][d] = (ld.*kDm[d])(j);
      if (!line && (ball || d == 3 || d == 4 || d > 7)) fd[0][d] = an[0][d] = 0;  // not computed
      if (!line) fd[1][d] = an[1][d] = 0;
      for (int t = 0; t < 2; ++t) big[t] = std::max(big[t], std::abs(fd[t][d]));
    }
    if (!line) {
      EXPECT_NEAR(ld.dqn(j) * fd[2][0] / fd[0][0], 1.0, k.tol) << int(k.bc);
      double as = 0, bs = 0, ds = 0;  // Hertz factors at the contact's own F, near-line too
      zelc4::zelc4(m, s.curfunc(j, 1), as, bs, ds, 0);
      EXPECT_TRUE(s.astar(j, 1) == as && s.bstar(j, 1) == bs);
    }
    for (int t = 0; t < 2; ++t)
      for (int d = 1; d <= 9; ++d)
        EXPECT_NEAR(an[t][d], fd[t][d], k.tol * (std::abs(fd[t][d]) + big[t]))
            << "case " << int(k.bc) << " race " << j << (t ? " moment" : " load") << " by " << d;
  }
}

TEST(RaceContact, SeparatedContactCarriesNothingKeepsItsStiffnessAndAPendingError) {
  // Ball, crowned roller (point), near-line roller, straight roller (line); loaded, then apart
  // by the same approach: no load, widths, pressure, life load or length, every derivative and
  // moment sum 0, dqn as in the loaded state. A point contact never keeps a derivative it does
  // not compute (all were 7 before it ran). A pending record passes every call unchanged.
  for (int c = 0; c < 4; ++c) {
    auto b = bearing(c == 0 ? BearingCase::kBallSi : BearingCase::kCylindricalSi, [c](Model& m) {
      m.brggeom.brecrn = c == 3 ? 1.0e10 : c == 2 ? 50.0 : m.brggeom.brecrn;
      if (c == 1 || c == 2) m.brggeom.brecenlen = 0.0;
    });
    Model& m = b->m();
    auto& ld = m.loadder;
    auto& e = m.errors;
    const auto& s = m.solutions;
    for (double delta : {1.0e-3, -1.0e-3}) {
      Pose p = pressIn(m, 1, delta, 0.2);
      for (int d = 1; d <= 9; ++d) (ld.*kDq[d]).fill(7.0), (ld.*kDm[d]).fill(7.0), ld.bm.fill(7), ld.rm.fill(7);
      std::tie(e.ierind, e.numi, e.iarray(1), e.imess(1)) = std::tuple(124, 1, 33, "pending");
      const double dqn = ld.dqn(1);
      contactAt(m, p);
      EXPECT_TRUE(e.ierind == 124 && e.numi == 1 && e.iarray(1) == 33 && e.imess(1) == "pending");
      const bool apart = delta < 0;
      for (int d = 1; d <= 9 && (c < 3 || apart); ++d) {
        EXPECT_EQ((ld.*kDm[d])(1), 0.0) << c << " " << d;
        EXPECT_EQ(apart || d == 3 || d == 4 || d > 7 ? (ld.*kDq[d])(1) : 0.0, 0.0) << c << " " << d;
      }
      EXPECT_TRUE(apart ? ld.dqn(1) == dqn && ld.bm(1) == 0 && ld.rm(1) == 0 : ld.dqn(1) > 0) << c;
      if (!apart) continue;
      for (double v : {s.conload(1, 1), s.conwidtha(1, 1), s.conwidthb(1, 1), s.conpress(1, 1), s.qcl(1, 1), s.acl(1, 1)})
        EXPECT_EQ(v, 0.0) << c;
      EXPECT_LT(s.condef(1, 1), 0.0);
    }
  }
}

TEST(LineContact, StripLoadedAtItsEndsOnlyOrWithAFailedEndSearch) {
  // A skewed straight roller apart at its middle (-5e-5), pressed in at both ends; an old strip
  // (-0.3, 0.3) fails the root search, the scan takes the profile ends. The middle slice carries
  // nothing; width and pressure of the mean load per length w = Q / L: b = sqrt(2 c2 w / S)
  // (Hertz line contact), p = 2 w / (pi b). A race land ending at x = +-0.5 puts a jump (to -1)
  // at the strip ends: with a zero step tolerance the bisection never ends: code 113, the root
  // finder's code 1, not fatal.
  auto b = bearing(BearingCase::kCylindricalSi, [](Model& m) { m.brggeom.brecrn = 1.0e10; });
  Model& m = b->m();
  auto& s = m.solutions;
  auto& e = m.errors;
  Pose p = pressIn(m, 1, -5.0e-5);
  p.u[4] = 0.05;
  std::tie(s.conlmts(1, 1, 1), s.conlmts(2, 1, 1), s.conwidthb(1, 1), s.conpress(1, 1)) =
      std::tuple(-0.3, 0.3, 9.0, 9.0);
  std::tie(e.ierind, e.numi, e.iarray(1)) = std::tuple(124, 1, 33);
  const double q = contactAt(m, p);  // a pending record survives the failed search
  EXPECT_TRUE(e.ierind == 124 && e.numi == 1 && e.iarray(1) == 33);
  ASSERT_GT(q, 0.0);
  EXPECT_EQ(s.conloaddis(m.revecs.ngm, 1, 1), 0.0);
  const double w = q / s.acl(1, 1);
  const double bw = std::sqrt(2.0 * m.constants.qrerace(2, 1) * w / s.cursum(1, 1));
  EXPECT_NEAR(s.conwidthb(1, 1) / bw, 1.0, 1e-12);
  EXPECT_NEAR(s.conpress(1, 1) * kPi * bw / (2.0 * w), 1.0, 1e-12);
  // Tilted by a2 and apart at the middle, one half presses in: delta(x) = d0 + cos a2 - 1 -
  // x sin a2 on the outer race; the scan takes the strip from that half's profile end to the
  // root, at 0.25 or (d0 = -3.2e-4) 0.8 of the half.
  for (auto [d0, a2] : {std::pair(-1.0e-4, 4e-4), std::pair(-1.0e-4, -4e-4), std::pair(-3.2e-4, -4e-4)}) {
    p = pressIn(m, 1, d0);
    std::tie(p.u[3], p.u[4]) = std::tuple(a2, 0.0);
    contactAt(m, p);
    const int end = a2 > 0 ? 1 : 2;
    EXPECT_NEAR(s.conlmts(3 - end, 1, 1), (d0 + std::cos(a2) - 1.0) / std::sin(a2), 1e-6);
    EXPECT_EQ(s.conlmts(end, 1, 1), m.brggeom.reconlmt(end, 1));
  }
  p = pressIn(m, 1, 3.0e-4);
  std::tie(p.u[3], m.brggeom.racelandlmt(1), m.constants.tolr(2), e.ierind) = std::tuple(0.0, 0.5, 0.0, 0);
  EXPECT_GT(contactAt(m, p), 0.0);
  EXPECT_TRUE(e.ierind == 113 && e.jerind == 1 && e.iterminate == 0 && e.numm == 1) << e.ierind;
  EXPECT_EQ(e.imess(1), "Error in LineContact procedure in Zelc1");
}

TEST(LineContact, LightlyLoadedShortLandOffTheAxisOriginIsFoundAtSetUpAndAfterSeparation) {
  // A tapered roller's land lies about rerad tan(half angle) = 0.033 slen, half length 0.019:
  // pressed in at its land only, the strip stays clear of x = 0. The crown drops alike on both
  // sides: the strip encloses the land, centred on it, from the set-up's first strip (the land)
  // and again after the contact was lost; ends to the root finder's relative step 1e-6.
  auto b = bearing(BearingCase::kTaperedSi, [](Model& m) { m.brggeom.brecenlen = 0.0002; });
  Model& m = b->m();
  const double lo = m.brggeom.recenlmt(1, 1), hi = m.brggeom.recenlmt(2, 1), *e = &m.solutions.conlmts(1, 2, 1);
  EXPECT_TRUE(e[0] == lo && e[1] == hi && lo > 0.0);
  const double q = contactAt(m, pressIn(m, 2, -5.0e-6));
  EXPECT_TRUE(q > 0.0 && e[0] < lo && e[1] > hi && std::abs(e[0] + e[1] - lo - hi) < 1e-6);
  EXPECT_EQ(contactAt(m, pressIn(m, 2, -2.0e-5)), 0.0);
  EXPECT_NEAR(contactAt(m, pressIn(m, 2, -5.0e-6)) / q, 1.0, 1e-6);
}

TEST(NearLineContact, LengthIsTheRollerBetweenItsCornersOnBothRaces) {
  // A tapered roller crowned 50 m without land: a near-line ellipse (F > 0.9995) on both cones,
  // half length (15 - 0.8 - 0.6)/2 mm, half the roller less both corner radii.
  auto b = bearing(BearingCase::kTaperedSi, [](Model& m) { m.brggeom.brecrn = 50.0, m.brggeom.brecenlen = 0.0; });
  for (int j : {1, 2}) {
    const auto& s = (contactAt(b->m(), pressIn(b->m(), j, 2.0e-4)), b->m().solutions);
    EXPECT_TRUE(s.curfunc(j, 1) > 0.9995 && std::abs(s.conwidtha(j, 1) * b->m().constants.slen - 0.0068) < 1e-13);
  }
}

TEST(PointContact, CrownCentreOfASkewedRollerLiesOnItsCircleInTheAzimuthPlane) {
  // Crown centres form a circle about the roller axis (axial rc1, radius rc2); a contact takes
  // its point in the race azimuth plane through the element centre, skewed 1e-3 rad or not.
  for (auto bc : {BearingCase::kTaperedSi, BearingCase::kSphericalTaperedSi})
    for (int j : {1, 2}) {
      auto b = bearing(bc, [](Model& m) { m.brggeom.brecenlen = 0.0; });
      Pose p = pressIn(b->m(), j, 1.0e-4);
      std::tie(p.u[3], p.u[4]) = std::tuple(2.0e-3, 1.0e-3);
      contactAt(b->m(), p);
      const Revecs& v = b->m().revecs;
      const double c1 = v.bcbgrs(1, j), c2 = v.bcbgrs(2, j), c3 = v.bcbgrs(3, j), r1 = b->m().brggeom.recurcen(1, 1);
      EXPECT_NEAR(v.tras(2, 2, j) * c2 + v.tras(2, 3, j) * c3, 0.0, 1e-12) << int(bc) << j;
      EXPECT_NEAR(c1 * c1 + c2 * c2 + c3 * c3, r1 * r1 + std::pow(b->m().brggeom.recurcen(2, 1), 2), 1e-10);
    }
}

TEST(ContactFrame, ConstantTaperImperfectionTurnsTheConeContactAngle) {
  // Inner cone 1 mrad steeper all round: contact angle pi + 10 deg + 1e-3, frame turned by it.
  auto b = bearing(BearingCase::kTaperedSi, [](Model& m) { m.brggeom.rltaper(1, 2) = 1.0e-3; });
  contactAt(b->m(), pressIn(b->m(), 2, 2.0e-4));
  const double phi = kPi + 10.0 * kPi / 180.0 + 1.0e-3;
  EXPECT_TRUE(std::abs(b->m().solutions.conang(2, 1, 1) - phi) < 1e-15 && std::abs(b->m().vecmats.tacs(3, 1, 2, 1) - std::sin(phi)) < 1e-15);
}

TEST(RaceContact, StraightElementInAGrooveIsAProgrammingFault) {
  // No input builds it; a checked build refuses to feed the stored frame and approach on.
  auto b = bearing(BearingCase::kCylindricalSi, [](Model& m) { m.brggeom.brecrn = 1.0e10; });
  Model& m = b->m();
  Pose p = pressIn(m, 1, 1.0e-4);
  std::tie(m.brggeom.kcontype(1, 1), m.brggeom.racecurrad(1)) = std::tuple(0, 2.0);
  EXPECT_THROW(contactAt(m, p), std::logic_error);
}
