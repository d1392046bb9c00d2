// Roller end to flange contact through the race contacts of element 1: the tapered roller's end sphere on
// the cone's rib, the cylindrical roller's corner on the cup's flange II (tilted -0.02: on its rim).
// Hand-over, Hertz load, balance, friction, derivatives against central differences, failures.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <utility>

#include "contact/zelc3.h"
#include "fixture.h"
#include "run/stop.h"
#include "traction/zele6.h"

namespace {

using namespace contacttest;

zq::Vec3 times(const zq::Mat3& t, const zq::Vec3& v, bool tr = false) {  // t v or t^T v
  zq::Vec3 y;
  for (int i = 1; i <= 3; ++i) y(i) = tr ? t(1, i) * v(1) + t(2, i) * v(2) + t(3, i) * v(3) : t(i, 1) * v(1) + t(i, 2) * v(2) + t(i, 3) * v(3);
  return y;
}

}  // namespace

TEST(FlangeContact, HertzLoadBalanceFrictionDerivativesAndNothingLeftOffTheFlange) {
  struct Case { BearingCase bc; int k, j; double tilt; };  // flange side k of race j
  const Case cases[] = {{BearingCase::kTaperedSi, 1, 2, 0.0}, {BearingCase::kCylindricalSi, 2, 1, 0.0}, {BearingCase::kCylindricalSi, 2, 1, -0.02}};
  constexpr zq::Vec3 Flngdata::*kLoads[4] = {&Flngdata::bflngforjk, &Flngdata::bflngmomjk, &Flngdata::raceflngforjk, &Flngdata::raceflngmomjk};
  for (const Case& cs : cases) {
    auto b = bearing(cs.bc, [](Model&) {}, true);
    Model& m = b->m();
    const auto& fd = m.flngdata;
    const auto& rv = m.revecs;
    const auto& g = m.brggeom;
    const auto& s = m.solutions;
    const int k = cs.k, j = cs.j, f = k + 2 * (j - 1);
    const double lim = m.constants.flngcons(5, k, j);  // end of the Hertz law
    // The flanged race alone (its frames stay in revecs), sliding skewed roller, turning tilted race, stale
    // values of the element, rib friction 0.08, half the Hertz limit.
    std::tie(m.revecs.krace(3 - j), m.solutions.reendwr(3 - k, 1), m.loadder.fqdel(3 - k, 3 - j)) = std::tuple(0, 7.0, 7.0);
    for (int n = 1; n <= 3; ++n)
      std::tie(m.vecmats.revel(n, 1), m.vecmats.reangvel(n, 1), m.vecmats.racevel(n, j), m.vecmats.raceangvel(n, j), m.genvecs.x(7 + n)) =
          std::tuple(1e-3 * n, 0.4 / n, 5e-4 * (n == 2), n == 1 ? -0.2 : 1e-3, 0.1 * n);  // state slots 8-10: element 1's attitude
    m.tracprop.reflngcoeff = zq::FArray<double, 5>{0.08, 0.0, 0.0, 1.0, 1.0};
    Pose p = pressIn(m, j, 1.0e-4);
    std::tie(p.u[3], p.u[4], p.u[8], p.u[9]) = std::tuple(cs.tilt, -2.0e-3, 5.0e-4, -3.0e-4);
    for (int n = 0; n < 2; ++n) contactAt(m, p), p.u[1] += (0.5 * lim + fd.delf) / g.traf(1, 1, k, j);
    // The rib friction curve applies with or without a lubricant (ktrac < 0); then no friction.
    for (int ktrac : {-1, 1}) {
      if ((m.tracprop.ktrac = ktrac) > 0) m.tracprop.reflngcoeff = zq::FArray<double, 5>{};
      contactAt(m, p);
      // Handed on as the flange contact computed it; flange I of the cup untouched added nothing.
      const double got[] = {s.flngforce(f, 1), s.flngdef(f, 1), s.flngconwidtha(f, 1), s.flngconwidthb(f, 1), s.flngconposy(f, 1), s.flngconposz(f, 1),
                            s.flngentvel(f, 1), s.flngreconpos(f, 1), s.flngslip(f, 1), s.flngsv(f, 1), s.raceflngwri(f, 1), s.reendwr(k, 1), m.loadder.fqdel(k, j),
                            s.ths(f), s.flngangconpos(f, 1), 1.0 * rv.idflngsol, 10.0 * fd.istat(k, j, 1) + s.idflngcon(f, 1), s.reendwr(3 - k, 1) + m.loadder.fqdel(3 - k, 3 - j)};
      const double want[] = {fd.qf, fd.delf, fd.af, fd.bf, fd.fyc, fd.ccff(3), fd.flngentveljk, fd.flngreconposjk, fd.flngslipjk, fd.svf, fd.qvf, fd.qvf, fd.qdel,
                             fd.th, fd.th, 1.0, cs.tilt != 0 ? 10.0 : 0.0, 0.0};
      for (int n = 0; n < 18; ++n) EXPECT_EQ(got[n], want[n]) << n;
      for (int n = 1; n <= 15; ++n)  // by the race's 5 unknowns, by the roller's 4
        EXPECT_TRUE(m.loadder.drflngfor(1 + (n - 1) % 3, 1 + (n - 1) / 3, j) == fd.drflngforjk.lin(n) && m.loadder.drflngmom(1 + (n - 1) % 3, 1 + (n - 1) / 3, j) == fd.drflngmomjk.lin(n) &&
                    (n > 12 || (m.loadder.dbflngfor.lin(n) == fd.dbflngforjk.lin(n) && m.loadder.dbflngmom.lin(n) == fd.dbflngmomjk.lin(n))));
      for (int n = 1; n <= 3; ++n)
        EXPECT_TRUE(rv.reflngfor(n) == fd.reflngforjk(n) && rv.reflngmom(n) == fd.reflngmomjk(n) && rv.raceflngmom(n, j) == fd.raceflngmomjk(n) && rv.raceflngfor(n, j) == fd.raceflngforjk(n) &&
                    m.setupb1.reflngfors(n, 1) == fd.reflngforjk(n) && m.setupb1.raceflngfors(n, j, 1) == fd.raceflngforjk(n) && rv.rflngfor(n, j) == fd.rflngforjk(n) &&
                    rv.rflngmom(n, j) == fd.rflngmomjk(n) && rv.bflngfor(n) == fd.bflngforjk(n) && rv.bflngmom(n) == fd.bflngmomjk(n));
      // Race and roller loads opposite, moments balanced; in the flange frame (axis 1 normal) the race pushed
      // by qf, dragged by mu qf along the roller's slip (rigid-body surface velocities) in the flange plane.
      const double tol = 1e-12 * fd.qf, mu = ktrac < 0 ? 0.08 : 0.0;
      const zq::Vec3 arm = times(rv.tria, rv.bgrgr), fc = times(fd.trf, times(rv.tria, fd.raceflngforjk, true)), cb = times(rv.tir, fd.fccbgi), cr = times(rv.tir, fd.fccrgi);
      for (int i = 1, i2 = 2, i3 = 3; i <= 3; ++i, i2 = i % 3 + 1, i3 = i2 % 3 + 1)
        EXPECT_TRUE(std::abs(fd.raceflngforjk(i) + fd.reflngforjk(i)) < tol &&
                    std::abs(fd.raceflngmomjk(i) + fd.reflngmomjk(i) + arm(i2) * fd.reflngforjk(i3) - arm(i3) * fd.reflngforjk(i2)) < 10 * tol) << i;
      zq::Vec3 vs, ev;
      zele6::zele6(cb, fd.vbr, fd.ombr, cr, fd.vrr, fd.omrr, vs, ev);
      vs = times(fd.trf, vs), ev = times(fd.trf, ev);
      const double slip = std::hypot(vs(2), vs(3)), cbb[3] = {0, times(rv.tbr, cb, true)(2), times(rv.tbr, cb, true)(3)};
      for (int i = 1; i <= 3; ++i) EXPECT_NEAR(fc(i), i == 1 ? fd.qf : mu * fd.qf * vs(i) / slip, tol);
      EXPECT_TRUE(std::abs(fd.flngentveljk - std::hypot(ev(2), ev(3))) < 1e-12 && std::abs(fd.flngslipjk / slip - 1) < 1e-12 && fd.qvf == fd.qf * fd.flngslipjk &&
                  std::abs(fd.flngreconposjk - std::hypot(cbb[1], cbb[2])) < 1e-12 && std::abs(fd.svf - mu * fd.qf * slip) <= tol * slip);
      // Offset from the roller's plane: root radius times the contact's azimuth from it, short way.
      EXPECT_NEAR(fd.fyc, std::remainder(std::atan2(-cr(2), cr(3)) - rv.sii, m.constants.tpi) * fd.rf(3), 1e-12);
    }
    const Flngdata d = fd;  // the loaded contact without friction
    if (cs.tilt == 0.0) {
      // End sphere, or corner torus by tube and outer radius, against the flange cone of curvature
      // sin(angle)/(raceway radius); set-up steel E = 2.0133e11 Pa, Poisson 0.277; Hertz (fixture.h).
      const bool sphere = g.reendrad(k, 1) < 1.0e6;
      const double sl = m.constants.slen, k1 = 1.0 / (sphere ? g.reendrad(k, 1) : g.recorrad(k, 1)) / sl;
      const double k2 = (sphere ? k1 * sl : 1.0 / (g.recorrad(k, 1) + g.recorcen(2, k, 1))) / sl - m.constants.sig(j) * std::sin(g.flngang(k, j)) / g.flngorigin(2, k, j) / sl;
      const double sum = k1 + k2, c = 2 * (1 - 0.277 * 0.277) / 2.0133e11;
      const auto [as, bs, ds] = hertzStars(std::abs(k1 - k2) / sum);
      const double qh = 2 * sum / (3 * c) * std::pow(-2 * d.delf * sl / (ds * sum), 1.5);
      EXPECT_NEAR(d.qf * m.constants.sforce / qh, 1.0, 1e-3);
      EXPECT_NEAR(d.af * d.bf * sl * sl / (as * bs * std::pow(3 * qh * c / (2 * sum), 2.0 / 3.0)), 1.0, 2e-3);
      // Past conf(5) the tangent of the Hertz law: the load runs on without a step.
      Pose q = p;
      for (double to : {0.5, 0.9999, 1.0001}) contactAt(m, q), q.u[1] += (to * lim + fd.delf) / g.traf(1, 1, k, j);
      const double q0 = fd.qf, d0 = fd.delf;
      contactAt(m, q);
      EXPECT_TRUE(s.idflngcon(f, 1) == 1 && -d0 < lim && -fd.delf > lim && std::abs((fd.qf - q0) / (d0 - fd.delf) / fd.qdel - 1) < 1e-3);
      // A lubricant film adds to the approach: the Hertz load grows as (approach + film)^1.5.
      m.tracprop.reflngfilm = 0.25 * lim;
      contactAt(m, p);
      EXPECT_NEAR(fd.qf / d.qf, std::pow(1.0 - m.tracprop.reflngfilm / d.delf, 1.5), 1e-12);
      m.tracprop.reflngfilm = 0.0;
    }
    // Central differences, step 1/200 of the approach (angles 1/10000); floor 1e-4 of the column's largest
    // entry plus 1e-6 of the stiffness.
    for (int v = 1; v <= 9; ++v) {
      const double h = (v == 3 || v == 4 || v > 7 ? 0.02 : 1.0) * 5.0e-3 * lim;
      const auto at = [&](double sg) { Pose q = p; q.u[v] += sg * h; contactAt(m, q); return Flngdata(fd); };
      const Flngdata up = at(1), dn = at(-1);
      for (int part = 0; part < 2; ++part) {  // column v of the force, then the moment matrix
        const double* an = v <= 4 ? (part ? d.dbflngmomjk : d.dbflngforjk).data() + 3 * (v - 1) : (part ? d.drflngmomjk : d.drflngforjk).data() + 3 * (v - 5);
        const auto load = kLoads[part + (v <= 4 ? 0 : 2)];
        const double floor = 1e-4 * std::max({std::abs(an[0]), std::abs(an[1]), std::abs(an[2])}) + 1e-6 * d.qdel;
        for (int i = 1; i <= 3; ++i) EXPECT_NEAR(an[i - 1], ((up.*load)(i) - (dn.*load)(i)) / (2 * h), floor) << "unknown " << v << " case " << k << j;
      }
    }
    if (cs.tilt != 0.0) continue;
    const auto failed = [&](const Pose& q) {  // a fatal flange error stops the run at once
      try { return contactAt(m, q), false; } catch (const zq::StopRun& e) { return e.status() == 1; }
    };
    // Corner scan steps too short to reach the stationary point, no sign change (root finder's code 2): fatal
    // code 12, the bracket one step either side, the function there, attitude angles (slots 7-9), no load.
    const Errors& e = m.errors;
    if (!(g.reendrad(k, 1) < 1e6)) {
      const double xth = std::exchange(m.flngdata.xth, 1.0e-3);
      const int stopped = failed(p);
      m.flngdata.xth = xth;
      EXPECT_EQ((std::array{stopped, e.ierind, e.jerind, e.iterminate, e.numm, e.numi, e.iarray(1), e.numr}), (std::array{1, 12, 2, 1, 7, 1, 1, 9}));
      EXPECT_TRUE(std::abs(e.rarray(3) - e.rarray(2) - 2.0e-3) < 1e-15 && e.rarray(5) * e.rarray(6) > 0.0 && e.imess(3) == "Procedure: CornerInt in Zelc3" && fd.qf == 0);
      EXPECT_EQ((std::array{e.rarray(7), e.rarray(8), e.rarray(9)}), (std::array{m.genvecs.x(8), m.genvecs.x(9), m.genvecs.x(10)}));
    }
    // Sphere raised, corner lowered off the face: drawn back nothing; pressed in, a fatal code 13 with
    // roller, side, race, position and height.
    Pose q = p;
    q.u[2] += j == 2 ? 0.4 : -0.5;
    for (int n = 0; n < 2; ++n) failed(q), q.u[1] += (-lim + fd.delf) / g.traf(1, 1, k, j), m.errors.ierind = 0;
    EXPECT_TRUE(!failed(q) && fd.qf == 0 && fd.flngslipjk == 0 && fd.fyc == 0 && fd.drflngforjk(1, 4) == 0 && e.ierind == 0);
    q.u[1] += 2 * lim / g.traf(1, 1, k, j);
    EXPECT_TRUE(failed(q));
    EXPECT_EQ((std::array{e.ierind, e.iterminate, e.numi, e.iarray(1), e.iarray(2), e.iarray(3)}), (std::array{13, 1, 3, 1, k, j}));
    EXPECT_EQ((std::array{e.rarray(1), e.rarray(2), fd.qf}), (std::array{fd.ccff(3), fd.fht, 0.}));
  }
}
