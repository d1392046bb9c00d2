// Profile radius of rollers and races: the straight cone, the crown against the exact circular
// arc, the land edges, the race land offset, the varying race taper, the out-of-round ellipse
// and the waviness.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <tuple>

#include "contact/zelc7.h"
#include "model/model.h"
#include "support/bearings.h"

namespace {

constexpr double kPi = 3.141592653589793;

// One roller (body 1) and the race segments 1..4 as bodies 2..5.
std::unique_ptr<Model> profileModel() {
  auto m = std::make_unique<Model>();
  m->constants.one2 = 0.5;
  m->constants.one4 = 0.25;
  auto& g = m->brggeom;
  g.nre = 1;
  g.rerad(1) = 1.0;
  g.retantaper(1) = 0.0;
  g.recostaper(1) = 1.0;
  g.recrn(1) = 1.0e10;
  g.recenlmt(1, 1) = -0.6;
  g.recenlmt(2, 1) = 0.6;
  for (int j = 1; j <= 4; ++j) {
    g.racecurrad(j) = 1.0e10;
    g.racecrn(j) = 1.0e10;
    g.racecenlen(j) = 10.0;
  }
  g.racerad(1, 1) = 7.0;  // bearing outer radius
  g.racerad(2, 1) = 6.0;  // outer raceway
  g.racerad(1, 2) = 4.0;  // inner raceway
  g.racerad(2, 2) = 3.0;  // bore
  return m;
}

// Exact sagitta of a circular arc of radius r at distance x from its apex.
double sagitta(double r, double x) { return r - std::sqrt(r * r - x * x); }
// The crown is written as the two-term series r (u^2/2)(1 + u^2/4), u = x/r; the first omitted
// term of the sagitta series is r u^6/16.
double seriesError(double r, double x) { return r * std::pow(x / r, 6) / 16.0; }

}  // namespace

TEST(ProfileRadius, StraightRollerIsAConeAtAnyX) {
  // Without crown (radius at or above the 1.0e6 limit) the profile is the cone of slope -tan
  // through the reference radius at x = tan rerad, inside and outside the land.
  auto m = profileModel();
  auto& g = m->brggeom;
  g.rerad(1) = 1.2;
  g.retantaper(1) = 0.05;
  g.recostaper(1) = 1.0 / std::sqrt(1.0 + 0.05 * 0.05);
  for (double crn : {1.0e6, 1.0e10}) {
    g.recrn(1) = crn;
    const double x0 = 0.05 * 1.2;
    EXPECT_NEAR(zelc7::zelc7(*m, 1, 0, 0, x0, 0.0), 1.2, 1e-15);
    for (double x : {-1.5, -0.6, 0.0, 0.3, 0.61, 2.0}) {
      EXPECT_NEAR(zelc7::zelc7(*m, 1, 0, 0, x, 1.7), 1.2 - 0.05 * (x - x0), 1e-15);
    }
  }
}

TEST(ProfileRadius, RollerCrownFollowsTheCircularArcOutsideTheLand) {
  // Cylindrical roller, crown radius 50, land (-0.4, 0.7) offset from the roller's middle:
  // inside the land the radius is the reference radius; outside it drops by the arc's sagitta
  // from the land centre 0.15 beyond the drop at the land's half length 0.55 (the drop that
  // the set-up stores), continuous at both land ends.
  auto m = profileModel();
  auto& g = m->brggeom;
  const double rc = 50.0, xc = 0.15, h = 0.55;
  g.recrn(1) = rc;
  g.recenlmt(1, 1) = -0.4;
  g.recenlmt(2, 1) = 0.7;
  g.recencrndrop(1) = rc * (0.5 * std::pow(h / rc, 2)) * (1.0 + 0.25 * std::pow(h / rc, 2));
  for (double x : {-0.4, -0.1, 0.0, 0.5, 0.7}) EXPECT_EQ(zelc7::zelc7(*m, 1, 0, 0, x, 0.0), 1.0);
  for (double x : {0.75, 1.0, 1.4, -0.9, -1.4}) {
    const double want = 1.0 - (sagitta(rc, x - xc) - sagitta(rc, h));
    EXPECT_NEAR(zelc7::zelc7(*m, 1, 0, 0, x, 0.0), want, 2.0 * seriesError(rc, 1.6) + 1e-15);
  }
  for (double edge : {-0.4, 0.7})
    EXPECT_NEAR(zelc7::zelc7(*m, 1, 0, 0, std::nextafter(edge, edge < 0 ? -1.0 : 1.0), 0.0), 1.0,
                1e-15);
}

TEST(ProfileRadius, TaperedRollerCrownIsNormalToTheGeneratrix) {
  // Tapered roller of half-angle tau: the crown arc lies along the generatrix, measured from
  // x = rerad tan(tau) by the generatrix length s = (x - rerad tan)/cos; its drop normal to the
  // generatrix appears as drop/cos in the radius.
  auto m = profileModel();
  auto& g = m->brggeom;
  const double tau = 0.08, rc = 30.0, tn = std::tan(tau), cs = std::cos(tau);
  g.retantaper(1) = tn;
  g.recostaper(1) = cs;
  g.recrn(1) = rc;
  const double x0 = tn;  // rerad = 1
  g.recenlmt(1, 1) = x0 - 0.5;
  g.recenlmt(2, 1) = x0 + 0.5;
  const double sh = 0.5 / cs;
  const double uh = sh / rc;
  g.recencrndrop(1) = rc * 0.5 * uh * uh * (1.0 + 0.25 * uh * uh);
  for (double x : {x0 - 1.2, x0 - 0.8, x0 + 0.9, x0 + 1.3}) {
    const double s = (x - x0) / cs;
    const double want = 1.0 - tn * (x - x0) - (sagitta(rc, s) - sagitta(rc, sh)) / cs;
    EXPECT_NEAR(zelc7::zelc7(*m, 1, 0, 0, x, 0.0), want, 2.0 * seriesError(rc, 1.4) + 1e-15);
  }
}

TEST(ProfileRadius, RaceCrownLandEdgesAndOffset) {
  // Outer race segment 1 (raceway radius 6), land half length 0.5, crown radius 40.
  auto m = profileModel();
  auto& g = m->brggeom;
  const double rc = 40.0;
  g.racecenlen(1) = 0.5;
  g.racecrn(1) = rc;
  const double u = 0.5 / rc;
  g.racecencrndrop(1) = rc * 0.5 * u * u * (1.0 + 0.25 * u * u);
  for (double x : {-0.5, -0.2, 0.0, 0.5}) EXPECT_EQ(zelc7::zelc7(*m, 2, 0, 0, x, 0.3), 6.0);
  for (double x : {0.6, -1.0, 1.5}) {
    const double want = 6.0 - (sagitta(rc, x) - sagitta(rc, 0.5));
    EXPECT_NEAR(zelc7::zelc7(*m, 2, 0, 0, x, 0.3), want, 2.0 * seriesError(rc, 1.5) + 1e-15);
  }
  // Land offset 0.2: the land is (-0.3, 0.7), but the crown stays centred at x = 0.
  g.rloffset(1, 1) = 0.2;
  for (double x : {-0.3, 0.6, 0.7}) EXPECT_EQ(zelc7::zelc7(*m, 2, 0, 0, x, 0.3), 6.0);
  for (double x : {-0.4, 0.8}) {
    const double want = 6.0 - (sagitta(rc, x) - sagitta(rc, 0.5));
    EXPECT_NEAR(zelc7::zelc7(*m, 2, 0, 0, x, 0.3), want, 2.0 * seriesError(rc, 0.8) + 1e-15);
  }
  // Offset varying around the race, 0.2 + 0.3 sin(2 phi): at phi = pi/4 the land is (0, 1).
  g.rloffset(2, 1) = 0.3;
  g.rloffset(3, 1) = 2.0;
  EXPECT_EQ(zelc7::zelc7(*m, 2, 0, 0, 0.9, kPi / 4.0), 6.0);
  // Just below that land the drop is still taken from x = 0, where the series at 0.1 is less
  // than the stored drop at 0.5: the radius rises above the raceway radius there.
  EXPECT_NEAR(zelc7::zelc7(*m, 2, 0, 0, -0.1, kPi / 4.0),
              6.0 - (sagitta(rc, 0.1) - sagitta(rc, 0.5)), 2.0 * seriesError(rc, 0.5) + 1e-15);
  EXPECT_GT(zelc7::zelc7(*m, 2, 0, 0, -0.1, kPi / 4.0), 6.0);
}

TEST(ProfileRadius, RaceTaperVariesAroundTheRace) {
  // Inner race segment 2 (raceway radius 4), taper tangent 0.1 + 0.01 + 0.02 sin(3 phi + 0.5):
  // at 3 phi + 0.5 = pi/2 the tangent is 0.13, at 3 phi + 0.5 = 3 pi/2 it is 0.09.
  auto m = profileModel();
  auto& g = m->brggeom;
  g.racetantaper(2) = 0.1;
  g.rltaper(1, 2) = 0.01;
  g.rltaper(2, 2) = 0.02;
  g.rltaper(3, 2) = 3.0;
  g.rltaper(4, 2) = 0.5;
  EXPECT_NEAR(zelc7::zelc7(*m, 3, 0, 0, 2.0, (kPi / 2.0 - 0.5) / 3.0), 4.0 - 0.26, 1e-14);
  EXPECT_NEAR(zelc7::zelc7(*m, 3, 0, 0, 2.0, (1.5 * kPi - 0.5) / 3.0), 4.0 - 0.18, 1e-14);
  EXPECT_NEAR(zelc7::zelc7(*m, 3, 0, 0, -1.0, (kPi / 2.0 - 0.5) / 3.0), 4.0 + 0.13, 1e-14);
}

TEST(ProfileRadius, SegmentsTakeTheirOwnRacewayOrCurvatureCentreRadius) {
  // Outer segments (1, 3) use the outer raceway radius racerad(2, j), inner ones (2, 4) the
  // inner raceway radius racerad(1, j); a grooved race gives its curvature-centre radius.
  auto m = profileModel();
  auto& g = m->brggeom;
  g.racerad(1, 3) = 7.5;
  g.racerad(2, 3) = 6.5;
  g.racerad(1, 4) = 4.5;
  g.racerad(2, 4) = 3.5;
  EXPECT_EQ(zelc7::zelc7(*m, 2, 0, 0, 0.0, 0.0), 6.0);
  EXPECT_EQ(zelc7::zelc7(*m, 3, 0, 0, 0.0, 0.0), 4.0);
  EXPECT_EQ(zelc7::zelc7(*m, 4, 0, 0, 0.0, 0.0), 6.5);
  EXPECT_EQ(zelc7::zelc7(*m, 5, 0, 0, 0.0, 0.0), 4.5);
  g.racecurrad(1) = 0.52;
  g.racecurcen(2, 1) = 5.48;
  g.racecurrad(2) = 1.0e6;  // at the limit: still curved
  g.racecurcen(2, 2) = 4.51;
  for (double x : {-0.3, 0.0, 0.4}) {
    EXPECT_EQ(zelc7::zelc7(*m, 2, 0, 0, x, 1.0), 5.48);
    EXPECT_EQ(zelc7::zelc7(*m, 3, 0, 0, x, 1.0), 4.51);
  }
}

TEST(ProfileRadius, OutOfRoundRaceIsAnEllipse) {
  // Mode 1: the radius at angle phi is the polar radius of the ellipse with semi-axes
  // R + a1 along angle a3 and R + a2 across it: the point satisfies x^2/A^2 + y^2/B^2 = 1.
  auto m = profileModel();
  auto& g = m->brggeom;
  const double a1 = 0.003, a2 = -0.002, a3 = 0.7;
  g.rlradvar(1, 1) = a1;
  g.rlradvar(2, 1) = a2;
  g.rlradvar(3, 1) = a3;
  const double big = 6.0 + a1, small = 6.0 + a2;
  for (double phi : {0.0, 0.4, 1.9, 3.3, 5.5}) {
    const double r = zelc7::zelc7(*m, 2, 0, 1, 0.0, phi);
    const double px = r * std::cos(phi - a3), py = r * std::sin(phi - a3);
    EXPECT_NEAR(px * px / (big * big) + py * py / (small * small), 1.0, 1e-14);
  }
  EXPECT_NEAR(zelc7::zelc7(*m, 2, 0, 1, 0.0, a3), big, 1e-14 * big);
  EXPECT_NEAR(zelc7::zelc7(*m, 2, 0, 1, 0.0, a3 + kPi / 2.0), small, 1e-14 * small);
  EXPECT_NEAR(zelc7::zelc7(*m, 2, 0, 1, 0.0, a3 + kPi), big, 1e-14 * big);
  // Without out-of-round the radius is R itself; equal axes make a circle of radius R + a1.
  g.rlradvar(1, 1) = 0.0;
  g.rlradvar(2, 1) = 0.0;
  EXPECT_EQ(zelc7::zelc7(*m, 2, 0, 1, 0.0, 1.234), 6.0);
  g.rlradvar(1, 1) = 0.01;
  g.rlradvar(2, 1) = 0.01;
  EXPECT_EQ(zelc7::zelc7(*m, 2, 0, 1, 0.0, 1.234), 6.01);
}

TEST(ProfileRadius, OutOfRoundCurvedRaceCarriesItsCentreWithTheRaceway) {
  // The raceway (radius 6) is the ellipse: at its axes the curvature centre moves by a1 and a2,
  // also on the axis (spherical outer race) and beyond it (spherical tapered cup).
  auto m = profileModel();
  auto& g = m->brggeom;
  g.racecurrad(1) = 0.52;
  std::tie(g.rlradvar(1, 1), g.rlradvar(2, 1), g.rlradvar(3, 1)) = std::tuple(0.003, -0.002, 0.7);
  for (double centre : {5.48, 0.0, -8.5}) {
    g.racecurcen(2, 1) = centre;
    EXPECT_NEAR(zelc7::zelc7(*m, 2, 0, 1, 0.0, 0.7), centre + 0.003, 1e-14);
    EXPECT_NEAR(zelc7::zelc7(*m, 2, 0, 1, 0.0, 0.7 + kPi / 2.0), centre - 0.002, 1e-14);
  }
}

TEST(ProfileRadius, WavinessAndOtherModes) {
  // Mode 2: R + a1 sin(a2 phi + a3); amplitude 0.001, 5 waves, phase 0.2.
  auto m = profileModel();
  auto& g = m->brggeom;
  g.rlradvar(1, 2) = 0.001;
  g.rlradvar(2, 2) = 5.0;
  g.rlradvar(3, 2) = 0.2;
  EXPECT_NEAR(zelc7::zelc7(*m, 3, 0, 2, 0.0, (kPi / 2.0 - 0.2) / 5.0), 4.001, 1e-15);
  EXPECT_NEAR(zelc7::zelc7(*m, 3, 0, 2, 0.0, (1.5 * kPi - 0.2) / 5.0), 3.999, 1e-15);
  for (int mode : {0, 3, -1}) EXPECT_EQ(zelc7::zelc7(*m, 3, 0, mode, 0.0, 0.77), 4.0);
  g.rlradvar(1, 2) = 0.0;
  EXPECT_EQ(zelc7::zelc7(*m, 3, 0, 2, 0.0, 0.77), 4.0);
}

TEST(ProfileRadius, SetUpRollerIsContinuousAtTheLandAndNeverAboveTheCone) {
  // Rollers as the set-up builds them: the 30208 tapered roller, and a cylindrical roller
  // whose land lies 1 mm off its middle. At both land limits the radius one step outside
  // equals the radius on the limit (the crown is tangent there), and nowhere along the roller
  // does it rise above the straight cone through the generatrix mid-point (t, rerad),
  // t = rerad tan(taper), of slope -tan(taper).
  using zqtest::BearingCase;
  for (auto which : {BearingCase::kTaperedSi, BearingCase::kCylindricalSi}) {
    SCOPED_TRACE(int(which));
    auto b = zqtest::setUpBearing(which, [](Model& m) {
      if (m.brggeom.kbrg == 2)
        for (int i = 1; i <= m.brggeom.nre; ++i) m.brggeom.recenlenoffset(i) = 1.0e-3;
    });
    Model& m = b->m();
    const auto& g = m.brggeom;
    const double tn = g.retantaper(1), t = g.rerad(1) * tn;
    for (int k = 1; k <= 2; ++k) {
      // The corner circle follows the crown at its station: its centre lies the corner radius
      // inside the profile there, less the taper share cr tan on side I, plus it on side II.
      const double sk = k == 1 ? 1.0 : -1.0, cr = g.recorrad(k, 1);
      EXPECT_NEAR(zelc7::zelc7(m, 1, 0, 0, g.recorcen(1, k, 1), 0.0) - g.recorcen(2, k, 1),
                  cr * (1.0 - sk * tn), 1e-12);
      const double edge = g.recenlmt(k, 1);
      const double out = std::nextafter(edge, k == 1 ? -1e9 : 1e9);
      EXPECT_NEAR(zelc7::zelc7(m, 1, 0, 0, out, 0.0), zelc7::zelc7(m, 1, 0, 0, edge, 0.0), 1e-12);
    }
    const double lo = g.reconlmt(1, 1), hi = g.reconlmt(2, 1);
    for (int n = 0; n <= 200; ++n) {
      const double x = lo + (hi - lo) * n / 200.0;
      EXPECT_LE(zelc7::zelc7(m, 1, 0, 0, x, 0.0), g.rerad(1) - tn * (x - t) + 1e-14) << x;
    }
  }
}
