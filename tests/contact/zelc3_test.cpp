// Roller end to flange contact on the set-up tapered (spherical end) and cylindrical (corner)
// bearings, element 1 placed by hand as the race-contact routine would hand it over.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "contact/zelc3.h"
#include "model/model.h"
#include "numerics/zelb2.h"
#include "numerics/zelb22.h"
#include "numerics/zelb23.h"
#include "numerics/zelb3.h"
#include "support/bearings.h"
#include "traction/zele6.h"

namespace {

// Element 1: axial, radius, azimuth, attitude angles 1-3; race: centre x, y, z, angles 2, 3.
enum { X, R, TH, A1, A2, A3, RX, RY, RZ, B2, B3 };
using Pose = std::array<double, 11>;

zq::Mat3 mul(const zq::Mat3& a, const zq::Mat3& b, bool bt = false) {  // a b or a b^T
  zq::Mat3 c;
  for (int i = 1; i <= 3; ++i)
    for (int j = 1; j <= 3; ++j)
      for (int n = 1; n <= 3; ++n) c(i, j) += a(i, n) * (bt ? b(j, n) : b(n, j));
  return c;
}
zq::Vec3 times(const zq::Mat3& t, const zq::Vec3& v, bool tr = false) {  // t v or t^T v
  zq::Vec3 y;
  for (int i = 1; i <= 3; ++i)
    for (int n = 1; n <= 3; ++n) y(i) += (tr ? t(n, i) : t(i, n)) * v(n);
  return y;
}

struct Case { zqtest::BearingCase bearing; int k, j; double tilt; };  // side k, race j, angle 2
constexpr Case kCases[] = {{zqtest::BearingCase::kTaperedSi, 1, 2, 0.0},  // sphere, inner race
                           {zqtest::BearingCase::kCylindricalSi, 1, 1, 0.0},  // corner, outer
                           {zqtest::BearingCase::kCylindricalSi, 1, 1, 0.02}};  // tilted: on rim

// Hands over what the race-contact routine gives for element 1; returns 10 kcon + klaw.
int evaluate(Model& m, const Case& cs, const Pose& p) {
  auto& rv = m.revecs;
  auto& fd = m.flngdata;
  const auto& g = m.brggeom;
  zq::Mat3 t;  // element and race attitude matrices and their derivatives by angles 2 and 3
  const auto sn = m.tmparea.rtmp.from<3>(1), co = m.tmparea.rtmp.from<3>(4);
  zelb2::zelb2(m, p[TH], 0.0, 0.0, rv.tia);
  zelb2::zelb2(m, p[A1], p[A2], p[A3], t);
  zelb22::zelb22(sn, co, m.loadder.tib2), zelb23::zelb23(sn, co, m.loadder.tib3);
  zelb2::zelb2(m, 0.0, p[B2], p[B3], rv.tir);
  zelb22::zelb22(sn, co, m.loadder.tir2), zelb23::zelb23(sn, co, m.loadder.tir3);
  const zq::Mat3 tbase = mul(t, g.rebasetran);  // azimuth -> element
  for (int a = 1; a <= 9; ++a) rv.tbia.lin(a) = tbase(1 + (a - 1) / 3, 1 + (a - 1) % 3);
  rv.tbr = mul(rv.tir, mul(tbase, rv.tia), true);
  rv.tria = mul(rv.tia, rv.tir, true);
  rv.bgrgr = times(rv.tir, {p[X] - p[RX], -p[R] * std::sin(p[TH]) - p[RY],
                           p[R] * std::cos(p[TH]) - p[RZ]});
  rv.sii = zelb3::zelb3(m, rv.bgrgr(2), rv.bgrgr(3));
  rv.ire = 1, rv.irace = cs.j;
  m.errors.iarray = {1, cs.k, cs.j};
  const int k = cs.k, j = cs.j;
  fd.xcc = g.recorcen(1, k, 1), fd.rcc = g.recorcen(2, k, 1), fd.fht = g.flnght(k, j);
  fd.ter = rv.tbr;  // end faces square to the roller axis (identity end-face frames)
  fd.rf = {g.flngorigin(1, k, j), 0.0, m.opcond.raceexp(j) + g.flngorigin(2, k, j)};
  for (int a = 1; a <= 9; ++a) fd.trafjk.lin(a) = g.traf(1 + (a - 1) % 3, 1 + (a - 1) / 3, k, j);
  for (int a = 1; a <= 6; ++a) fd.conf(a) = m.constants.flngcons(a, k, j);
  fd.erad = g.reendrad(k, 1), fd.corrad = g.recorrad(k, 1), fd.ecc = g.reendcen(k, 1);
  int kcon = -1, klaw = -1;
  zelc3::zelc3(m, kcon, klaw);
  return 10 * kcon + klaw;
}

double limit(const Model& m, const Case& cs) { return m.constants.flngcons(5, cs.k, cs.j); }

// Moved axially to the approach delta (no film; it grows by n1 per axial step, n the normal).
Pose atApproach(Model& m, const Case& cs, double delta, Pose p) {
  evaluate(m, cs, p);
  p[X] += (delta + m.flngdata.delf) / m.brggeom.traf(1, 1, cs.k, cs.j);
  return p;
}

// Elliptical Hertz contact (Johnson, Contact Mechanics, 1985, sec. 3.5): gap A x^2 + B y^2,
// A <= B, semi-axes a >= b, e^2 = 1 - b^2/a^2, B/A = (E/(1 - e^2) - K)/(K - E),
// A = p0 b (K - E)/(E* a^2 e^2), approach p0 b K/E*, load 2 pi a b p0/3 (K, E of modulus e).
std::array<double, 3> hertz(double ka, double kb, double delta, double estar) {
  const double ca = std::min(ka, kb) / 2.0, cb = std::max(ka, kb) / 2.0;
  double lo = 1.0e-12, hi = 1.0 - 1.0e-12, e2 = 0.0, kk = 0.0, ee = 0.0;
  for (int n = 0; n < 100; ++n) {
    e2 = 0.5 * (lo + hi);
    kk = std::comp_ellint_1(std::sqrt(e2)), ee = std::comp_ellint_2(std::sqrt(e2));
    ((ee / (1.0 - e2) - kk) / (kk - ee) < cb / ca ? lo : hi) = e2;
  }
  const double a = std::sqrt(delta * (kk - ee) / (kk * ca * e2)), b = a * std::sqrt(1.0 - e2);
  return {2.0 * std::acos(-1.0) * a * b * (delta * estar / (b * kk)) / 3.0, a, b};
}

// No-load pose (tilt: state slot 8) moved to azimuth -0.01 (rim: 0.01), turned, skewed, race
// tilted, half the Hertz limit; sliding roller, turning race, friction coefficient 0.08.
Pose genericPose(Model& m, const Case& cs) {
  m.flngdata.vbr = {1.0e-3, 2.0e-3, -1.0e-3}, m.flngdata.ombr = {0.4, 1.0e-2, -2.0e-2};
  m.flngdata.vrr = {0.0, 5.0e-4, 0.0}, m.flngdata.omrr = {-0.2, 0.0, 1.0e-3};
  m.tracprop.reflngcoeff = {0.08, 0.0, 0.0, 1.0, 1.0};
  m.tracprop.ktrac = m.loadder.ider = 1;
  const auto& v = m.vecmats;
  const Pose p = {v.regc(1, 1), v.regc(2, 1), cs.tilt > 0.0 ? 0.01 : -0.01, 0.1,
                  m.genvecs.x(9) + cs.tilt, -2.0e-3, v.racegc(1, cs.j), v.racegc(2, cs.j),
                  v.racegc(3, cs.j), 5.0e-4, -3.0e-4};
  return atApproach(m, cs, 0.5 * limit(m, cs), atApproach(m, cs, 0.5 * limit(m, cs), p));
}

TEST(FlangeContact, HertzLoadBalanceFrictionDerivativesAndNothingLeftOffTheFlange) {
  constexpr int kVars[9] = {X, R, A2, A3, RX, RY, RZ, B2, B3};
  constexpr zq::Vec3 Flngdata::*kLoads[4] = {&Flngdata::bflngforjk, &Flngdata::bflngmomjk,
                                              &Flngdata::raceflngforjk, &Flngdata::raceflngmomjk};
  for (const Case& cs : kCases) {
    auto bb = zqtest::setUpBearing(cs.bearing, zqtest::noGrowth);
    Model& m = bb->m();
    const auto& fd = m.flngdata;
    const auto& rv = m.revecs;
    const Pose p = genericPose(m, cs);
    for (int ktrac : {-1, 1}) {  // the rib curve applies with or without a lubricant
      m.tracprop.ktrac = ktrac;
      if (ktrac > 0) m.tracprop.reflngcoeff = zq::FArray<double, 5>{};  // then no friction
      EXPECT_EQ(evaluate(m, cs, p), cs.tilt > 0.0 ? 10 : 0);
      const double tol = 1e-12 * fd.qf, mu = ktrac < 0 ? 0.08 : 0.0;
      const zq::Vec3 b = times(rv.tria, rv.bgrgr);  // forces opposite, moments balance
      for (int i = 1, i2 = 2, i3 = 3; i <= 3; ++i, i2 = i % 3 + 1, i3 = i2 % 3 + 1) {
        const double arm = b(i2) * fd.reflngforjk(i3) - b(i3) * fd.reflngforjk(i2);
        EXPECT_NEAR(fd.raceflngforjk(i) + fd.reflngforjk(i), 0.0, tol);
        EXPECT_NEAR(fd.raceflngmomjk(i) + fd.reflngmomjk(i) + arm, 0.0, 10 * tol);
      }
      // Flange frame (axis 1 normal): race pushed by qf, friction mu qf along the roller's slip.
      const zq::Vec3 f = times(fd.trf, times(rv.tria, fd.raceflngforjk, true));
      const zq::Vec3 cb = times(rv.tir, fd.fccbgi), cr = times(rv.tir, fd.fccrgi);
      zq::Vec3 v, ev;
      zele6::zele6(cb, fd.vbr, fd.ombr, cr, fd.vrr, fd.omrr, v, ev);
      v = times(fd.trf, v), ev = times(fd.trf, ev);
      const double slip = std::hypot(v(2), v(3));
      EXPECT_NEAR(fd.flngentveljk, std::hypot(ev(2), ev(3)), 1e-12);
      for (int i = 1; i <= 3; ++i)
        EXPECT_NEAR(f(i), i == 1 ? fd.qf : mu * fd.qf * v(i) / slip, tol);
      EXPECT_NEAR(fd.flngslipjk, slip, 1e-12 * slip);
      const zq::Vec3 cbb = times(rv.tbr, cb, true);  // from the roller centre, roller frame
      EXPECT_NEAR(fd.flngreconposjk, std::hypot(cbb(2), cbb(3)), 1e-12);
      EXPECT_NEAR(fd.svf, mu * fd.qf * slip, tol * slip);
    }
    const Flngdata d = fd;  // the loaded contact without friction
    // Offset from the roller's plane: root radius times the contact's azimuth from it, short way.
    const zq::Vec3 c = times(rv.tir, d.fccrgi);
    EXPECT_NEAR(d.fyc, std::remainder(std::atan2(-c(2), c(3)) - rv.sii, m.constants.tpi) * d.rf(3),
                1e-12);
    const auto& g = m.brggeom;
    if (const int k = cs.k, j = cs.j; cs.tilt == 0.0) {
      // End sphere, or corner torus by tube and outer radius; flange cone of curvature sin(angle)/
      // (raceway radius) round the axis. Steel of the set-up: E = 2.0133e11 Pa, Poisson 0.277.
      const bool sphere = g.reendrad(k, 1) < 1.0e6;
      const double k1 = 1.0 / (sphere ? g.reendrad(k, 1) : g.recorrad(k, 1));
      const double k2 = sphere ? k1 : 1.0 / (g.recorrad(k, 1) + g.recorcen(2, k, 1));
      const double kf = -m.constants.sig(j) * std::sin(g.flngang(k, j)) / g.flngorigin(2, k, j);
      const double sl = m.constants.slen, estar = 2.0133e11 / (2.0 * (1.0 - 0.277 * 0.277));
      const auto h = hertz(k1 / sl, (k2 + kf) / sl, -d.delf * sl, estar);
      EXPECT_NEAR(d.qf * m.constants.sforce / h[0], 1.0, 1e-3);
      EXPECT_NEAR(d.af * d.bf * sl * sl / (h[1] * h[2]), 1.0, 2e-3);
      // Past conf(5) the tangent of the Hertz law: the load runs on without a step.
      EXPECT_EQ(evaluate(m, cs, atApproach(m, cs, limit(m, cs) * 0.9999, p)), 0);
      const double q = fd.qf, dl = fd.delf;
      EXPECT_EQ(evaluate(m, cs, atApproach(m, cs, limit(m, cs) * 1.0001, p)), 1);
      EXPECT_NEAR((fd.qf - q) / (dl - fd.delf) / fd.qdel, 1.0, 1e-3);
      // A lubricant film adds to the approach: the Hertz load grows as (approach + film)^1.5.
      m.tracprop.reflngfilm = 0.25 * limit(m, cs);
      evaluate(m, cs, p);
      EXPECT_NEAR(fd.qf / d.qf, std::pow(1.0 - m.tracprop.reflngfilm / d.delf, 1.5), 1e-12);
      m.tracprop.reflngfilm = 0.0;
    }
    // Central differences, step 1/200 of the approach (angles 1/10000: lever of the far centre).
    for (int v = 0; v < 9; ++v) {
      const double h = (v == 2 || v == 3 || v > 6 ? 0.02 : 1.0) * 5.0e-3 * limit(m, cs);
      const auto at = [&](double sign) {
        Pose q = p;
        q[kVars[v]] += sign * h;
        evaluate(m, cs, q);
        return fd;
      };
      const Flngdata up = at(1.0), dn = at(-1.0);
      for (int part = 0; part < 2; ++part) {  // column v of the force, then the moment matrix
        const double* an = v < 4 ? (part ? d.dbflngmomjk : d.dbflngforjk).data() + 3 * v
                                 : (part ? d.drflngmomjk : d.drflngforjk).data() + 3 * (v - 4);
        const auto load = kLoads[part + (v < 4 ? 0 : 2)];
        const double tol = 1e-4 * std::max({std::abs(an[0]), std::abs(an[1]), std::abs(an[2])});
        for (int i = 1; i <= 3; ++i)
          EXPECT_NEAR(an[i - 1], ((up.*load)(i) - (dn.*load)(i)) / (2 * h), tol + 1e-6 * d.qdel)
              << "unknown " << v + 1;
      }
    }
    // Corner scan steps too short to reach the stationary point: no sign change in the bracket
    // (root finder's code 2), fatal code 12 with the bracket one step either side, the
    // stationarity function there, the roller's attitude angles (state slots 7-9), and no load.
    if (const double xth = fd.xth; g.reendrad(cs.k, 1) > 1e6 && cs.tilt == 0.0) {
      m.flngdata.xth = 1.0e-3;
      evaluate(m, cs, p);
      m.flngdata.xth = xth;
      const Errors& e = m.errors;
      EXPECT_EQ((std::array{e.ierind, e.jerind, e.iterminate, e.numm, e.numi, e.iarray(1), e.numr}),
                (std::array{12, 2, 1, 7, 1, 1, 9}));
      EXPECT_NEAR(e.rarray(3) - e.rarray(2), 2.0e-3, 1e-15);
      EXPECT_GT(e.rarray(5) * e.rarray(6), 0.0);
      EXPECT_EQ((std::array{e.rarray(7), e.rarray(8), e.rarray(9), fd.qf}),
                (std::array{m.genvecs.x(8), m.genvecs.x(9), m.genvecs.x(10), 0.0}));
      EXPECT_EQ(e.imess(3), "Procedure: CornerInt in Zelc3");
    }
    // Sphere raised, corner lowered off the face: drawn back no result is left, pressed in: stop.
    if (cs.tilt > 0.0) continue;
    Pose q = p;
    q[R] += cs.j == 2 ? 0.4 : -0.5;
    q = atApproach(m, cs, -0.01, q);
    m.errors.ierind = 0;
    evaluate(m, cs, q);
    EXPECT_EQ(m.errors.ierind, 0);
    for (double v : {fd.qf, fd.flngslipjk, fd.flngentveljk, fd.flngreconposjk, fd.trra(2, 3),
                     fd.th * (fd.erad < 1e6), fd.reflngmomjk(2), fd.dbflngforjk(3, 1), fd.fyc,
                     fd.dbflngmomjk(2, 3), fd.drflngforjk(1, 4), fd.drflngmomjk(2, 5)})
      EXPECT_EQ(v, 0.0);
    evaluate(m, cs, atApproach(m, cs, 0.01, q));
    const Errors& e = m.errors;  // code 13, fatal; roller, side, race; position, height
    EXPECT_EQ((std::array{e.ierind, e.iterminate, e.numi, e.iarray(1), e.iarray(2), e.iarray(3)}),
              (std::array{13, 1, 3, 1, cs.k, cs.j}));
    EXPECT_EQ((std::array{e.rarray(1), e.rarray(2), fd.qf}), (std::array{fd.ccff(3), fd.fht, 0.}));
  }
}

}  // namespace
