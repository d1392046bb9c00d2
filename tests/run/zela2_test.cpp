// Model set-up and no-load state: Gauss rules, mirror symmetry, scaling round trip, element and
// flange geometry, split races, stop blocks, clearance take-up by hand and touching elements.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <stdexcept>
#include <string>
#include <tuple>

#include "contact/zelc1.h"
#include "contact/zelc7.h"
#include "model/model.h"
#include "run/stop.h"
#include "run/zela2.h"
#include "support/bearings.h"

namespace {

using zqtest::BearingCase;
using zqtest::setUpBearing;
using Edit = std::function<void(Model&)>;
constexpr double kPi = std::numbers::pi;

// Largest approach (overlap > 0) of element i to race 1 or 2 as the race contacts measure it.
double approach(Model& m, int i, int race) {
  m.revecs.ire = i;
  zelc1::zelc1(m);
  double a = -1e300;
  for (int j = race; j <= m.brggeom.nrace; j += 2) a = m.revecs.krace(j) ? std::max(a, m.solutions.condef(j, i)) : a;
  return a;
}
double innerOverlap(Model& m) {
  double a = -1e300;
  for (int i = 1; i <= m.brggeom.nre; ++i) a = std::max(a, approach(m, i, 2));
  return a;
}

// Every element touches race 1; a free inner race touches its nearest element, or where size
// scatter leaves no room sits where the largest overlap is least (1e-6 slen either way worse).
void expectTouching(Model& m, double tol = 1e-9) {
  for (int i = 1; i <= m.brggeom.nre; ++i) EXPECT_NEAR(approach(m, i, 1), 0.0, tol) << "element " << i;
  const auto& kfs = m.options.kfs;
  if (kfs(1) != 0 && kfs(2) != 0 && kfs(3) != 0) return;
  const double least = innerOverlap(m);
  EXPECT_GT(least, -tol) << "inner race off its nearest element";
  const int n = kfs(1) == 0 ? 1 : kfs(3) == 0 ? 3 : 2;
  for (double d : {-1e-6, 2e-6}) {
    if (least < tol) return;
    for (int j = 2; j <= m.brggeom.nrace; j += 2) m.vecmats.racegc(n, j) += d;
    EXPECT_GT(innerOverlap(m), least) << "overlap not least, step " << d;
  }
}

void atRest(Model& m) { zqtest::noGrowth(m); }  // room temperature, standing, no fits
void noRib(Model& m) { m.brggeom.kflngind(1, 2) = m.brggeom.kflngindr(2) = m.brggeom.kflnginds = 0; }

}  // namespace

TEST(LineContactGrid, GaussRulesAreExactToDegreeSevenAndMoreThanThirtyPointsStop) {
  auto m = std::make_unique<Model>();
  zela2::otherparam(*m);
  const auto& rv = m->revecs;
  EXPECT_EQ(rv.ngrid * 100 + rv.ngm, 1213);
  // Integral of x^k over [-1, 1]: 2/(k+1) (even k) or 0; 4-point Gauss rules exact to degree 7.
  const double cut[4] = {-1.0, -0.5, 0.5, 1.0};
  for (int k = 0; k <= 8; ++k) {
    double sum = 0.0;
    for (int n = 1; n <= 12; ++n) sum += rv.wgl(n) * std::pow(rv.xgl(n), k);
    const double err = std::abs(sum - (k % 2 == 0 ? 2.0 / (k + 1) : 0.0));
    EXPECT_TRUE(k < 8 ? err < 1e-14 : err > 1e-6) << "degree " << k << ": " << err;
  }
  for (int n = 1; n <= 12; ++n) EXPECT_TRUE(rv.xgl(n) > cut[(n - 1) / 4] && rv.xgl(n) < cut[(n + 3) / 4]) << n;
  zqtest::TestBearing b;
  b.m().devices.report.attach(b.report);
  EXPECT_NO_THROW(zela2::gridcheck(b.m(), 30));
  EXPECT_THROW(zela2::gridcheck(b.m(), 31), zq::StopRun);
  EXPECT_EQ(b.report.str(), "     Execution terminating in Zela2-OtherParam\n"
                            "     Number of grids encountered     =   31\n"
                            "     Max permissible number of grids =   30\n");
}

TEST(SolvedSet, FollowsTheSymmetryOfTheLoad) {
  struct Case {
    int nre, kfs[5];
    double dispz, misy1, misz2;  // m, rad
    int imperfect, ib;           // out-of-round outer race; elements solved (0: all)
  };
  const Case cases[] = {{6, {0, 1, 0, 1, 1}, 0, 0, 0, 0, 4},    {5, {0, 1, 0, 1, 1}, 0, 0, 0, 0, 3},
                        {8, {0, 1, 0, 1, 1}, 0, 1e-3, 0, 0, 5}, {7, {0, 1, 1, 1, 1}, 0, 0, 0, 0, 1},
                        {6, {0, 1, 1, 1, 1}, 1e-5, 0, 0, 0, 4}, {6, {0, 0, 0, 1, 1}, 0, 0, 0, 0, 0},
                        {6, {0, 1, 0, 1, 0}, 0, 0, 0, 0, 0},    {6, {0, 1, 0, 1, 1}, 0, 0, 1e-3, 0, 0},
                        {6, {0, 1, 0, 1, 1}, 0, 0, 0, 1, 0}};
  for (const auto& c : cases) {
    auto b = setUpBearing(BearingCase::kBallSi, [&c](Model& m) {
      m.brggeom.nre = c.nre, m.options.kfs = {c.kfs[0], c.kfs[1], c.kfs[2], c.kfs[3], c.kfs[4]};
      m.opcond.appdisp(3) = c.dispz, m.opcond.appmis(1, 1) = c.misy1, m.opcond.appmis(2, 2) = c.misz2;
      m.options.kracegeoimp.lin(1) = c.imperfect;
    });
    const auto& [s, th] = std::tie(b->m().setupa4, b->m().vecmats.regc);
    EXPECT_EQ(s.ib, c.ib == 0 ? c.nre : c.ib) << &c - cases;
    // Weight 2 where a mirror image copies the element, sum = count; axisymmetric: element 1.
    double sum = 0.0;
    for (int i = 1; i <= c.nre; ++i) {
      const int j = i <= s.ib ? i : s.njb(i);
      sum += i <= s.ib ? s.sx(i) : 0.0;
      ASSERT_TRUE(j >= 1 && j <= s.ib && (i <= s.ib) == (s.njb(i) == 0)) << i;
      if (s.ib > 1 && i > s.ib) { EXPECT_NEAR(th(3, i), 2.0 * kPi - th(3, j), 1e-12) << i; }
    }
    EXPECT_EQ(sum, c.nre);
  }
}

TEST(NonDimensionalForm, ScaledValuesTimesTheirScalesGiveTheInput) {
  // Lengths by slen (the nominal ball: diameter 2, mass 1), forces by the largest applied one,
  // moments, speeds, accelerations and stresses by their derived scales, percent to a fraction;
  // residual-stress shear: half the stress (largest shear of a uniaxial stress) and 0.4714 ~
  // sqrt(2)/3 of it (octahedral). English input: the limit shear stress from psi to Pa
  // (6894.757); the roughness ratio in mm in both systems, zero for a smooth race.
  for (auto which : {BearingCase::kBallSi, BearingCase::kBallEnglish}) {
    auto b = zqtest::makeBearing(which);
    Model& m = b->m();
    auto& g = m.brggeom;
    auto& op = m.opcond;
    auto& fc = m.fatiguecons;
    g.bregeocen = {1e-3, 2e-3, 3e-3}, m.tracprop.rerefilm = 4e-7, m.tracprop.reflngfilm = 5e-7;
    op.appmoment(1) = 20.0, op.gravityvec(3) = -9.81, op.appdisp(1) = 1e-5;
    fc.resstress(1) = -1.0e8, fc.shearlmt(1) = 100.0, fc.rmsaspht(2) = 0.0;
    zqtest::scale(m);
    const double pitch = g.pitchdia, fx = op.appload(1), rpm = op.rpm(2);
    zela2::zela2(m);
    const auto& c = m.constants;
    EXPECT_EQ(g.bredia + g.remass(9) + op.appload(3), 4.0);
    EXPECT_NEAR(g.racecurrad(1) * g.racecur(1), -1.0, 1e-15);
    EXPECT_NEAR(g.racecurrad(1), 1.06, 1e-14);  // groove radius f D over D/2
    const double pairs[][3] = {
        {g.pitchdia, c.slen, pitch}, {g.bregeocen(3), c.slen, 3e-3}, {g.bregeocen(1), c.slen, 1e-3},
        {m.tracprop.rerefilm, c.slen, 4e-7}, {m.tracprop.reflngfilm, c.slen, 5e-7}, {op.appdisp(1), c.slen, 1e-5},
        {op.appload(1), c.sforce, fx}, {op.appmoment(1), c.cmom, 20.0}, {m.vecmats.raceangvel(1, 2), c.cangvel, rpm},
        {op.gravityvec(3), c.cacc, -9.81}, {fc.resstress(1), c.cpres, -1.0e8}, {fc.taurvk(1), c.cpres, -0.5e8},
        {fc.taurih(1), c.cpres, -0.4714e8}, {op.pctdisp(1), 100.0, 1.0}};
    for (const auto& p : pairs) EXPECT_NEAR(p[0] * p[1], p[2], 1e-12 * std::abs(p[2])) << &p - pairs;
    EXPECT_NEAR(fc.shearlmt(1), m.options.kunit == 1 ? 100.0 : 689475.7, 1e-8);
    // RMS height 1e-7 m = 1e-4 mm, RMS slope 1e-4^0.7393 / 0.02683 (the defaults' law).
    EXPECT_NEAR(fc.sigtheta(1), 1000.0 * 1.0e-7 / (std::pow(1.0e-4, 0.7393) / 0.02683), 1e-15);
    EXPECT_EQ(fc.sigtheta(2), 0.0);
    EXPECT_THROW(zela2::dimorg(m), std::logic_error);  // a second scaling is refused
    EXPECT_EQ(g.bredia, 2.0);
  }
}

TEST(ElementGeometry, CrownsDropByTheSagittaAndProfilesAreContinuous) {
  // Crown R over the half land h: drop R - sqrt(R^2 - h^2) (to the neglected h^6/R^5 term),
  // centre R below the surface. A race radius given as 0 is straight across (1e10), its
  // curvature kept; a crowned inner race (R = 0.5 m) drops by the sagitta at the end of its
  // central part, so that its raceway has no step there (c^2/(2R) = 0.015 roller radii).
  auto b = setUpBearing(BearingCase::kCylindricalSi, [](Model& m) {
    atRest(m), m.brggeom.racecurrad(1) = 0.0, m.brggeom.racecur(1) = 0.123, m.brggeom.racecrn(2) = 0.5;
  });
  Model& m = b->m();
  const auto& g = m.brggeom;
  const double r = g.recrn(1), h = (g.recenlmt(2, 1) - g.recenlmt(1, 1)) / 2.0;
  EXPECT_NEAR(g.recencrndrop(1), r - std::sqrt(r * r - h * h), 1e-9);
  EXPECT_NEAR(g.recurcen(2, 1) + r, g.rerad(1), 1e-12);
  EXPECT_EQ(g.racecurrad(1) + g.racecur(1), 1e10 + 0.123);
  const double rr = g.racecrn(2), c = g.racecenlen(2), inside = zelc7::zelc7(m, g.nre + 2, 0, 0, c, 0.0);
  EXPECT_NEAR(g.racecencrndrop(2), rr - std::sqrt(rr * rr - c * c), 1e-9);
  EXPECT_NEAR(inside, g.racerad(1, 2), 1e-15);
  EXPECT_NEAR(zelc7::zelc7(m, g.nre + 2, 0, 0, c * (1.0 + 1e-9), 0.0), inside, 1e-8);
  for (double crn : {1e10, 0.2}) {
    auto s = setUpBearing(BearingCase::kCylindricalSi, [crn](Model& m) { m.brggeom.brecrn = crn, m.brggeom.brecenlen = 0.013; });
    const auto& e = s->m().brggeom;
    EXPECT_TRUE(e.brecenlen == e.brelen && e.recencrndrop(1) == 0.0 && e.brecrn >= 1e10 && e.kcontype(1, 1) == 1);
  }
}

TEST(ElementGeometry, TaperedRollerLandCentresOnItsGeneratrixAndEndSphereMeetsTheEdge) {
  // The land (offset 1 mm) about the generatrix mid-point x = t = rerad tan(taper) about which
  // the cone is built; the large end face at x = t - relen, where the cone's radius is D/2: the
  // end sphere (centre on the axis) meets its edge circle; corner circles at their radii from
  // the end faces.
  auto b = setUpBearing(BearingCase::kTaperedSi, [](Model& m) {
    atRest(m);
    for (int i = 1; i <= 16; ++i) m.brggeom.recenlenoffset(i) = 1e-3;
  });
  const auto& g = b->m().brggeom;
  const double t = g.rerad(1) * g.retantaper(1), e = g.reendrad(1, 1), half = g.bredia / 2.0, xend = t - g.relen(1);
  EXPECT_NEAR((g.recenlmt(1, 1) + g.recenlmt(2, 1)) / 2.0, t + 1e-3 / b->m().constants.slen, 1e-14);
  EXPECT_NEAR(g.rerad(1) + g.retantaper(1) * g.relen(1), half, 1e-14);
  EXPECT_NEAR(g.reendcen(1, 1) - xend, std::sqrt(e * e - half * half), 1e-6);
  EXPECT_EQ(g.reendcen(2, 1), 0.0);  // flat small end
  EXPECT_NEAR(g.recorcen(1, 1, 1) - xend + t + g.relen(1) - g.recorcen(1, 2, 1), g.recorrad(1, 1) + g.recorrad(2, 1), 1e-14);
}

// Cup 20 deg, cone 10 deg (roller half angle 5 deg), guide flange at the given angle (deg).
void taperedFlange(Model& m, double angle) {
  m.brggeom.racetaper(1) = 20.0, m.brggeom.racetaper(2) = 10.0, m.brggeom.brgbore = 0.015;
  m.brggeom.flngang(1, 2) = angle;
  zqtest::internalGeometry(m);
}

TEST(Flanges, SearchStepsAndAngleBounds) {
  // 2.5 mm flange, 5.5 mm roller radius: arc acos(1 - 0.4545) = 0.9935, 2 pi / 0.9935 = 6.32:
  // 6 steps; higher than the radius: 5; balls: none.
  EXPECT_NEAR(setUpBearing(BearingCase::kCylindricalSi)->m().flngdata.xth * 6, 2.0 * kPi, 1e-15);
  EXPECT_EQ(setUpBearing(BearingCase::kCylindricalSi, [](Model& m) { m.brggeom.flnght(1, 1) = 0.006; })->m().flngdata.nth, 5);
  const auto ball = setUpBearing(BearingCase::kBallSi);
  EXPECT_EQ(ball->m().flngdata.nth + ball->m().flngdata.xth, 0.0);
  // Flange angle within -b = -5 deg and a - b, a = asin(D/(2 E)); just beyond, the run stops.
  const double a = std::asin(0.0053 / 0.13) * 180.0 / kPi;
  for (double angle : {-5.0, a - 5.0 - 1e-7, a - 5.0 + 1e-7}) {
    auto t = zqtest::makeBearing(BearingCase::kTaperedSi);
    taperedFlange(t->m(), angle);
    zqtest::scale(t->m());
    EXPECT_EQ(zqtest::setUpStops(t->m()), angle > a - 5.0) << angle;
  }
}

TEST(Flanges, HertzConstantsOfEndSphereAndCornerTorusOnAFlatFlange) {
  // End sphere of radius E on a flat flange: Hertz P = (4/3) E* sqrt(E) delta^1.5, contact radius
  // (3 P E / (4 E*))^(1/3), 1/E* = ererace (scaled by cpres); the law hands over at f5 to the
  // line f4 delta - f6 with the same value and slope.
  auto b = setUpBearing(BearingCase::kTaperedSi, [](Model& m) { m.brggeom.flngang(1, 2) = 0.0; });
  const auto& c = b->m().constants;
  const double e = b->m().brggeom.breendrad(1), estar = 1.0 / (c.ererace(2) * c.cpres);
  const auto f = c.flngcons.sub<6>(1, 2);
  EXPECT_NEAR(f(1), 4.0 / 3.0 * estar * std::sqrt(e), 1e-12 * f(1));
  EXPECT_NEAR(f(2), std::cbrt(3.0 * e / (4.0 * estar)), 1e-12 * f(2));
  EXPECT_NEAR(f(3), f(2), 1e-12 * f(2));
  EXPECT_NEAR(f(1) * std::pow(f(5), 1.5), f(4) * f(5) - f(6), 1e-10 * f(4) * f(5));
  EXPECT_NEAR(1.5 * f(1) * std::sqrt(f(5)), f(4), 1e-10 * f(4));
  // Flat end: its corner torus (radii rc and rc + corner-centre radius) on a flat flange gives
  // the ellipse ratio a/b = 1.0339 (Ry/Rx)^0.636 (Brewe and Hamrock 1977, within 3 %).
  auto y = setUpBearing(BearingCase::kCylindricalSi, [](Model& m) { m.brggeom.flngang(1, 1) = 0.0; });
  const auto& g = y->m().brggeom;
  const auto t = y->m().constants.flngcons.sub<6>(1, 1);
  const double ratio = (g.recorrad(1, 1) + g.recorcen(2, 1, 1)) / g.recorrad(1, 1);
  EXPECT_NEAR(t(2) / t(3), 1.0339 * std::pow(ratio, 0.636), 0.03 * t(2) / t(3));
}

TEST(SplitRaceSetUp, InnerShimCreatesAMirroredSecondHalfWithTheSliceExponents) {
  auto b = setUpBearing(BearingCase::kBallSi, [](Model& m) { m.brggeom.shimthkns(2) = 2.0e-4, zqtest::internalGeometry(m); });
  const Model& m = b->m();
  const auto& [g, f] = std::tie(m.brggeom, m.fatiguecons);
  EXPECT_EQ(g.nrace + m.revecs.krace(3) + m.revecs.krace(4), 5);
  EXPECT_NEAR(g.racecurcen(1, 2), 1.0e-4 / m.constants.slen, 1e-15);  // mirrored groove centres
  EXPECT_EQ(g.racecurcen(1, 4), -g.racecurcen(1, 2));
  EXPECT_NE(m.opcond.raceexp(2), 0.0);  // the inner race grows with its fit and heat
  for (const auto& [fourth, second] :
       {std::pair{g.racecurrad(4), g.racecurrad(2)}, {g.racerad(1, 4), g.racerad(1, 2)}, {g.mrace(4), g.mrace(2)},
        {m.opcond.raceexp(4), m.opcond.raceexp(2)}, {m.constants.qmrerace(4), m.constants.qmrerace(2)},
        {f.qexp(4), f.qexp(2)}, {f.sigtheta(4), f.sigtheta(2)}, {m.revecs.baseang(4), kPi},
        {m.tracprop.reracecoeff(3, 4), m.tracprop.reracecoeff(3, 2)}, {double(f.iracerot(4)), 2.0},
        {m.vecmats.racetoiaz(3, 3, 4, 9), m.vecmats.racetoiaz(3, 3, 2, 9)}, {g.racecurcen(2, 4), g.racecurcen(2, 2)}})
    EXPECT_EQ(fourth, second);
  // Slice exponents: e = 10/3 with the Weibull slope 10/9 (races 1, 2), 3 without (3, 4).
  for (int n = 1; n <= 4; ++n) {
    const double e = n <= 2 ? 10.0 / 3.0 : 3.0;
    EXPECT_NEAR(f.expload(n) + 10 * f.exploadi(n) * e + 100 * f.explen(n), e + 10 + 100 * (e - 1.0) / e, 1e-12);
  }
}

TEST(SetUpStops, ExactBlocks) {
  const std::pair<BearingCase, Edit> cases[] = {
      // -5.001 deg = -8.7284E-02 rad; bounds -5 deg = -8.7266E-02 and asin(5.3/130) - 5 deg
      // = 4.0781E-02 - 8.7266E-02 = -4.6486E-02 rad.
      {BearingCase::kTaperedSi, [](Model& m) { taperedFlange(m, -5.001); }},
      {BearingCase::kCylindricalSi, [](Model& m) { m.brggeom.brecorrad(1) = 0.0; }},
      // A spherical tapered roller's end radius is at least half its large-end diameter.
      {BearingCase::kSphericalTaperedSi, [](Model& m) { m.brggeom.breendrad(1) = 1.0e10; }},
      {BearingCase::kTaperedSi, [](Model& m) { m.brggeom.breendrad(1) = 0.005; }},
      // Ball at rest held axially 1 mm off centre: the groove centres lie at most
      // D = (0.53 + 0.52 - 1) 12.7 mm = 0.635 mm apart.
      {BearingCase::kBallSi, [](Model& m) { atRest(m), m.options.kfs = {1, 1, 0, 1, 1}, m.opcond.appdisp(1) = 1e-3; }},
      {BearingCase::kBallSi, [](Model& m) { m.brggeom.kbrg = 7; }}};  // after the input checks
  const std::string reports[] = {
      "\n\n     Encountered error code:   11     Supplementary code:    0\n\n     Flange angle is out of bounds." +
          std::string(102, ' ') + "\n\n     flange angle, lower and upper limits " + std::string(35, ' ') +
          "\n      -8.7284E-02 -8.7266E-02 -4.6486E-02\n\n     Execution terminated due to error code.\n\n\n\n",
      "\n     Execution terminating in Zela2\n     Flat roller end facing flange 1 of race 1 has no corner radius:\n"
      "     the corner radius must be greater than zero.\n     Roller corner radius =   0.0000E+00  (m)\n\n\n",
      "\n     Execution terminating in Zela2\n     Flat roller end facing flange 1 of race 2 has no corner radius:\n"
      "     a spherical tapered roller has no corner radius input. Give this roller end\n"
      "     an end radius of at least half the roller diameter on the spherical tapered\n"
      "     roller geometry record.\n     Half roller dia    =   5.3000E-03  (m)\n\n\n",
      "\n     Execution terminating in Zela2\n     Spherical roller end facing flange 1 of race 2 is too small:\n"
      "     the end radius must be at least half the roller diameter.\n"
      "     Roller end radius  =   5.0000E-03  (m)\n     Half roller dia    =   5.3000E-03  (m)\n\n\n",
      "\n     Execution terminating in Zela2 (NoLoadPos)\n"
      "     The internal clearance is larger than the bearing geometry allows:\n"
      "     no start position of the rolling elements touches both races.\n"
      "     Axial distance of race curvature centres =   1.0000E-03  (m)\n"
      "     Geometric limit                          =   6.3500E-04  (m)\n\n\n",
      "\n     Execution terminating in Zela2 (NoLoadPos)\n     Invalid bearing type, kBrg =    7\n\n\n"};
  for (int n = 0; n < 6; ++n) {
    auto b = zqtest::makeBearing(cases[n].first);
    cases[n].second(b->m());
    zqtest::scale(b->m());
    EXPECT_TRUE(zqtest::setUpStops(b->m()));  // with exit status 1
    EXPECT_EQ(b->report.str(), reports[n]);
  }
  // 1e-14 beyond the limit is rounding (zero clearance); 1e-9 beyond is a real shortfall.
  for (double excess : {1e-14, 1e-9}) {
    auto b = zqtest::makeBearing(BearingCase::kBallSi);
    atRest(b->m()), b->m().options.kfs = {1, 1, 0, 1, 1}, b->m().opcond.appdisp(1) = 0.05 * 0.0127 * (1.0 + excess);
    zqtest::scale(b->m());
    EXPECT_EQ(zqtest::setUpStops(b->m()), excess > 1e-12);
    const auto& g = b->m().brggeom;
    EXPECT_NEAR(b->m().vecmats.racegc(3, 2), excess > 1e-12 ? 0.0 : g.racecurcen(2, 1) - g.racecurcen(2, 2), 1e-6);
  }
}

TEST(NoLoadTakeUp, BallClosesTheClearanceAlongTheLoad) {
  // At rest the groove centres lie dr apart radially, and a ball touches both grooves where
  // they are D = (f_o + f_i - 1) d apart: a free axial position takes up sqrt(D^2 - dr^2)
  // toward the axial force (+x for none); a free radial one D - dr along the radial force
  // where a ball lies in its direction, more between two balls; held components stay 0.
  struct Case {
    int nre, kfs1, kfs2, kfs3;
    double fx, fy, fz, e[3];  // force (N), direction of the take-up
  };
  const Case cases[] = {{9, 0, 1, 1, 500, 0, 3000, {1, 0, 0}},   {1, 0, 1, 1, 0, 0, 3000, {1, 0, 0}},
                        {9, 0, 1, 1, -500, 0, 3000, {-1, 0, 0}}, {4, 1, 0, 1, 0, -3000, 0, {0, -1, 0}},
                        {4, 1, 0, 1, 0, 3000, 0, {0, 1, 0}},     {4, 1, 1, 0, 0, 0, -3000, {0, 0, -1}},
                        {4, 1, 0, 0, 0, -300, 400, {0, -0.6, 0.8}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(&c - cases);
    auto b = setUpBearing(BearingCase::kBallSi, [&c](Model& m) {
      atRest(m), m.brggeom.nre = c.nre, m.options.kfs = {c.kfs1, c.kfs2, c.kfs3, 1, 1}, m.opcond.appload = {c.fx, c.fy, c.fz};
    });
    Model& m = b->m();
    const auto& g = m.brggeom;
    const auto& gc = m.vecmats.racegc;
    const double d = g.racecurrad(1) + g.racecurrad(2) - g.redia(1), dr = g.racecurcen(2, 2) - g.racecurcen(2, 1);
    const double take = c.e[0] != 0.0 ? std::sqrt(d * d - dr * dr) : d - dr, radial = std::hypot(gc(2, 2), gc(3, 2));
    const bool between = c.e[1] * c.e[2] != 0.0;
    EXPECT_TRUE(!between || radial > take);
    for (int k = 1; k <= 3; ++k) EXPECT_NEAR(gc(k, 2), (between ? radial : take) * c.e[k - 1], 1e-12) << k;
    EXPECT_EQ(m.setupa4.kf(1), c.kfs1);  // radial take-up flagged
    EXPECT_EQ(m.setupa4.racerefpos(1) - gc(1, 2) + m.setupa4.renoloadpos(2) - m.vecmats.regc(2, 1), 0.0);
    expectTouching(m);
  }
}

TEST(NoLoadTakeUp, CylindricalRollersCloseTheRadialAndTheFlangeClearance) {
  // Radial load along +z: the inner race moves by the radial clearance racerad(2,1) -
  // racerad(1,2) - d, rollers untilted; free axially, also by the larger flange clearance
  // (0.1 mm) toward the thrust (+x for none).
  for (double fx : {100.0, 0.0, -100.0}) {
    auto c = setUpBearing(BearingCase::kCylindricalSi, [fx](Model& m) {
      m.options.kfs(1) = 0, m.opcond.appload(1) = fx, m.brggeom.flngcls(2) = 4.0e-5;
    });
    const auto& g = c->m().brggeom;
    EXPECT_NEAR(c->m().vecmats.racegc(1, 2) * c->m().constants.slen, fx >= 0.0 ? 1.0e-4 : -1.0e-4, 1e-18);
    EXPECT_NEAR(c->m().vecmats.racegc(3, 2), g.racerad(2, 1) - g.racerad(1, 2) - g.redia(1), 1e-12);
    for (int i = 1; i <= g.nre; ++i) EXPECT_EQ(c->m().genvecs.x(12 * (i - 1) + 9), 0.0);
  }
}

TEST(NoLoadTakeUp, SphericalTaperedRollersSitOnTheCommonApex) {
  // No guide rib: the cup's apex lies on the axis at Lc cos a1 (Lc = L0 cos b, L0 = (pitchdia/2)
  // / sin(am), am the mean cone angle, b half their difference). A symmetric roller on both
  // cones has its centre at L0 along the mean cone, untilted, touching at its crests with the
  // cone normals (contact angles a1, pi + a2); the cone moves by Lc (cos a1 - cos a2). With the
  // guide rib the rollers roll on along the cup to it.
  struct Shape {
    double a1, a2, crown, f1, f2;  // cone angles (deg), roller profile radius (m), conformities
    int nre, rib;
  };
  const Shape shapes[] = {{14, 10, 0.08, 0.52, 0.51, 16, 0}, {9, 7, 0.3, 0.6, 0.55, 20, 0},
                          {30, 20, 0.04, 0.51, 0.51, 9, 0}, {14, 10, 0.08, 0.52, 0.51, 16, 1}};
  for (const Shape& c : shapes) {
    SCOPED_TRACE(&c - shapes);
    auto b = setUpBearing(BearingCase::kSphericalTaperedSi, [&c](Model& m) {
      auto& g = m.brggeom;
      g.racetaper(1) = c.a1, g.racetaper(2) = c.a2, g.brecrn = c.crown, g.nre = c.nre;
      g.racecurfac(1) = c.f1, g.racecurfac(2) = c.f2, g.kflngind(1, 2) = g.kflngindr(2) = g.kflnginds = c.rib;
      // The guide flange face midway between its bounds -b and a - b, a = asin(D/(2 E)).
      g.flngang(1, 2) = std::asin(g.bredia / (2.0 * g.breendrad(1))) * 90.0 / kPi - (c.a1 - c.a2) / 2.0;
      atRest(m), zqtest::internalGeometry(m);
    });
    Model& m = b->m();
    const double deg = kPi / 180.0, a1 = c.a1 * deg, a2 = c.a2 * deg, am = (a1 + a2) / 2.0;
    const double l0 = (m.brggeom.pitchdia / 2.0) / std::sin(am), lc = l0 * std::cos((a1 - a2) / 2.0);
    const double tol = c.rib ? 1e-2 : 1e-12;  // the rib rolls them along the cup
    EXPECT_NEAR(m.vecmats.racegc(1, 2), lc * (std::cos(a1) - std::cos(a2)), tol);
    for (int i = 1; i <= c.nre; ++i) {
      EXPECT_NEAR(m.vecmats.regc(1, i), lc * std::cos(a1) - l0 * std::cos(am), tol) << i;
      EXPECT_NEAR(m.vecmats.regc(2, i), l0 * std::sin(am), tol) << i;
      EXPECT_EQ(m.genvecs.x(12 * (i - 1) + 9), 0.0) << i;  // untilted
      approach(m, i, 1);  // the contact angles of the race contacts:
      EXPECT_NEAR(m.solutions.conang(1, 1, i), a1, tol) << i;
      EXPECT_NEAR(m.solutions.conang(2, 1, i), kPi + a2, tol) << i;
    }
    expectTouching(m);
  }
}

TEST(NoLoadContacts, EveryElementTouchesRaceOneAndTheInnerRaceItsNearestElement) {
  // Held displacements and misalignments stay exactly as given. A tilt that a roller cannot
  // follow away from the plane of the tilt leaves a gap or overlap of second order (1e-6 slen
  // at 1 mrad); the inner race is then held.
  const auto innerShim = [](Model& m) { m.brggeom.shimthkns(2) = 3e-4, zqtest::internalGeometry(m); };
  const auto held = [](Model& m) { m.options.kfs = {1, 1, 1, 1, 1}, m.opcond.appdisp = {1e-5, -2e-5, 3e-5}; };
  const std::tuple<BearingCase, Edit, double> cases[] = {
      {BearingCase::kBallSi, innerShim, 1e-9},
      {BearingCase::kBallSi, [&](Model& m) { innerShim(m), m.opcond.appload(1) = -500; }, 1e-9},
      {BearingCase::kBallSi, [](Model& m) { atRest(m), m.brggeom.shimthkns(1) = 1e-4, m.options.kfs = {1, 1, 0, 1, 1}, zqtest::internalGeometry(m); }, 1e-9},
      {BearingCase::kBallSi, [](Model& m) { atRest(m), m.opcond.appmis(1, 2) = -3e-3; }, 1e-9},
      {BearingCase::kBallSi, [](Model& m) { m.brggeom.rediavar(3) = 4e-5; }, 1e-9},  // one ball 40 um large
      {BearingCase::kBallEnglish, held, 1e-9},
      {BearingCase::kCylindricalSi, [](Model& m) { m.opcond.appmis(1, 1) = 1e-3, m.options.kfs(3) = 1; }, 1e-5},
      {BearingCase::kCylindricalSi, [](Model& m) {  // wavy and out-of-round outer race
         m.options.kracegeoimp.lin(1) = 2, m.options.kracegeoimp.lin(2) = 1, m.brggeom.rlradvar(1, 1) = 1e-6;
         m.brggeom.rlradvar(2, 1) = 7, m.brggeom.rlradvar(1, 2) = 2e-6, m.brggeom.rlradvar(2, 2) = 3e-6, m.brggeom.rlradvar(3, 2) = 90;
       }, 1e-9},
      {BearingCase::kSphericalSi, {}, 1e-9},
      {BearingCase::kTaperedSi, {}, 1e-9},
      {BearingCase::kTaperedSi, [](Model& m) { m.opcond.appmis(1, 1) = 1e-3, m.options.kfs = {1, 1, 1, 1, 1}; }, 1e-5},
      {BearingCase::kTaperedSi, held, 1e-9},
      {BearingCase::kSphericalTaperedSi, noRib, 1e-9},
      {BearingCase::kSphericalTaperedSi, [](Model& m) { atRest(m), m.options.kfs = {0, 1, 1, 1, 1}, m.opcond.appdisp(3) = 1e-5; }, 1e-9},
      {BearingCase::kSphericalTaperedSi, [](Model& m) { m.opcond.appmis(1, 1) = 1e-3; }, 1e-6}};
  for (std::size_t n = 0; n < std::size(cases); ++n) {
    const auto& [which, edit, tol] = cases[n];
    SCOPED_TRACE(n);
    auto b = setUpBearing(which, edit);
    const Model& m = b->m();
    for (int k = 1; k <= 3; ++k)
      EXPECT_EQ((m.vecmats.racegc(k, 2) - m.opcond.appdisp(k)) * m.options.kfs(k) + m.vecmats.racegc(k, 1), 0.0);
    EXPECT_EQ(m.genvecs.x(12 * m.brggeom.nre + 9), m.opcond.appmis(1, 1));
    expectTouching(b->m(), tol);
  }
}
