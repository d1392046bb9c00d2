// Bearing model set-up: the line-contact grid against the exactness of Gauss-Legendre rules,
// the equation count, the solved element set against the mirror symmetry of the azimuths, the
// non-dimensional form (unit nominal element, traction curves equal at equal physical slip, a
// unit-free roughness ratio), element geometry against exact circle and sphere geometry,
// flange frames and Hertz constants (sphere on plane, continuous load law), split races, and
// every stop block line by line as worked out from its layout.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <stdexcept>
#include <string>

#include "contact/zelc7.h"
#include "model/model.h"
#include "run/stop.h"
#include "run/zela2.h"
#include "support/bearings.h"
#include "traction/zeld3.h"

namespace {

using zqtest::BearingCase;
using zqtest::setUpBearing;
constexpr double kPi = std::numbers::pi;

std::string pad(const std::string& s, std::size_t n) { return s + std::string(n - s.size(), ' '); }

// ---------------------------------------------------------------- grid and counts

TEST(LineContactGrid, WeightsSumToTwoAndIntegrateUpToDegreeSeven) {
  auto m = std::make_unique<Model>();
  zela2::otherparam(*m);
  const auto& rv = m->revecs;
  ASSERT_EQ(rv.ngrid, 12);
  EXPECT_EQ(rv.ngm, 13);
  // Exact integrals over [-1, 1]: 2/(k+1) for even k, 0 for odd k. Each of the three segments
  // carries a 4-point Gauss-Legendre rule, exact up to degree 2*4 - 1 = 7; degree 8 is beyond
  // the rule: the composite sum misses 2/9 by a visible amount.
  for (int k = 0; k <= 8; ++k) {
    double sum = 0.0;
    for (int n = 1; n <= 12; ++n) sum += rv.wgl(n) * std::pow(rv.xgl(n), k);
    const double exact = k % 2 == 0 ? 2.0 / (k + 1) : 0.0;
    if (k < 8) {
      EXPECT_NEAR(sum, exact, 1e-14) << "degree " << k;
    } else {
      EXPECT_GT(std::abs(sum - exact), 1e-6);
    }
  }
  // Points ascend and four lie in each segment (-1, -1/2), (-1/2, 1/2), (1/2, 1).
  const double cuts[4] = {-1.0, -0.5, 0.5, 1.0};
  for (int n = 1; n <= 12; ++n) {
    EXPECT_GT(rv.xgl(n), cuts[(n - 1) / 4]);
    EXPECT_LT(rv.xgl(n), cuts[(n - 1) / 4 + 1]);
  }
}

TEST(LineContactGrid, MoreThanThirtyPointsStopTheRun) {
  zqtest::TestBearing b;
  b.m().devices.report.attach(b.report);
  EXPECT_NO_THROW(zela2::gridcheck(b.m(), 30));
  EXPECT_EQ(b.report.str(), "");
  EXPECT_THROW(zela2::gridcheck(b.m(), 31), zq::StopRun);
  EXPECT_EQ(b.report.str(),
            "     Execution terminating in Zela2-OtherParam\n"
            "     Number of grids encountered     =   31\n"
            "     Max permissible number of grids =   30\n");
}

TEST(EquationCount, TwelvePerElementPlusTwentyFive) {
  // 40 elements fill the state vector: one leading entry and 12 slots for each of 42 bodies.
  for (int nre : {1, 9, 40}) {
    auto b = setUpBearing(BearingCase::kBallSi, [nre](Model& m) { m.brggeom.nre = nre; });
    EXPECT_EQ(b->m().genvecs.neqns, 12 * nre + 25);
  }
}

// ---------------------------------------------------------------- solved set

struct SolvedCase {
  const char* name;
  int nre;
  int kfs[5];
  double appdispy, appdispz;  // m
  double mis[4];              // appmis (1,1), (2,1), (1,2), (2,2), rad
  int kracegeoimp1;
  int ib;                     // expected elements solved (0: all)
};

TEST(SolvedSet, FollowsTheSymmetryOfTheLoad) {
  const SolvedCase cases[] = {
      {"plane symmetry, 6 elements", 6, {0, 1, 0, 1, 1}, 0, 0, {0, 0, 0, 0}, 0, 4},
      {"plane symmetry, 5 elements", 5, {0, 1, 0, 1, 1}, 0, 0, {0, 0, 0, 0}, 0, 3},
      {"plane symmetry, 9 elements", 9, {0, 1, 0, 1, 1}, 0, 0, {0, 0, 0, 0}, 0, 5},
      {"plane symmetry, 1 element", 1, {0, 1, 0, 1, 1}, 0, 0, {0, 0, 0, 0}, 0, 1},
      {"plane symmetry, 2 elements", 2, {0, 1, 0, 1, 1}, 0, 0, {0, 0, 0, 0}, 0, 2},
      {"tilt about y keeps the x-z plane", 8, {0, 1, 0, 1, 1}, 0, 0, {1e-3, 0, 0, 0}, 0, 5},
      {"pure axial load", 7, {0, 1, 1, 1, 1}, 0, 0, {0, 0, 0, 0}, 0, 1},
      {"free y force", 6, {0, 0, 0, 1, 1}, 0, 0, {0, 0, 0, 0}, 0, 0},
      {"prescribed y displacement", 6, {0, 1, 0, 1, 1}, 1e-5, 0, {0, 0, 0, 0}, 0, 0},
      {"free z moment", 6, {0, 1, 0, 1, 0}, 0, 0, {0, 0, 0, 0}, 0, 0},
      {"inner race tilted about z", 6, {0, 1, 0, 1, 1}, 0, 0, {0, 0, 0, 1e-3}, 0, 0},
      {"out-of-round outer race", 6, {0, 1, 0, 1, 1}, 0, 0, {0, 0, 0, 0}, 1, 0},
      {"axial load with z displacement", 6, {0, 1, 1, 1, 1}, 0, 1e-5, {0, 0, 0, 0}, 0, 4},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto b = setUpBearing(BearingCase::kBallSi, [&c](Model& m) {
      m.brggeom.nre = c.nre;
      for (int k = 1; k <= 5; ++k) m.options.kfs(k) = c.kfs[k - 1];
      m.opcond.appdisp(2) = c.appdispy;
      m.opcond.appdisp(3) = c.appdispz;
      m.opcond.appmis(1, 1) = c.mis[0];
      m.opcond.appmis(2, 1) = c.mis[1];
      m.opcond.appmis(1, 2) = c.mis[2];
      m.opcond.appmis(2, 2) = c.mis[3];
      m.options.kracegeoimp.lin(1) = c.kracegeoimp1;
    });
    const auto& s = b->m().setupa4;
    const auto& th = b->m().vecmats.regc;
    EXPECT_EQ(s.ib, c.ib == 0 ? c.nre : c.ib);
    // The solved elements stand for all: their weights sum to the element count.
    double sum = 0.0;
    for (int i = 1; i <= s.ib; ++i) {
      sum += s.sx(i);
      EXPECT_EQ(s.njb(i), 0);
    }
    EXPECT_EQ(sum, c.nre);
    // An element that is not solved copies one whose azimuth is its mirror image in the x-z
    // plane (theta -> 2 pi - theta), or element 1 for an axisymmetric load.
    for (int i = s.ib + 1; i <= c.nre; ++i) {
      const int j = s.njb(i);
      ASSERT_GE(j, 1);
      ASSERT_LE(j, s.ib);
      if (s.ib > 1) {
        EXPECT_NEAR(th(3, i), 2.0 * kPi - th(3, j), 1e-12) << "element " << i;
      }
    }
    // A solved element that counts twice has a mirror image; one counted once lies in the plane.
    if (s.ib > 1 && s.ib < c.nre)
      for (int i = 1; i <= s.ib; ++i) {
        const bool inplane = std::abs(std::sin(th(3, i))) < 1e-12;
        EXPECT_EQ(s.sx(i), inplane ? 1.0 : 2.0) << "element " << i;
      }
  }
  // Six elements at 0, 60, ..., 300 deg: 1 and 4 lie in the plane, 5 mirrors 3 and 6 mirrors 2.
  auto b = setUpBearing(BearingCase::kBallSi, [](Model& m) { m.brggeom.nre = 6; });
  const auto& s = b->m().setupa4;
  const int njb[6] = {0, 0, 0, 0, 3, 2};
  const double sx[6] = {1, 2, 2, 1, 1, 1};
  EXPECT_EQ(s.ib, 4);
  for (int i = 1; i <= 6; ++i) {
    EXPECT_EQ(s.njb(i), njb[i - 1]) << i;
    EXPECT_EQ(s.sx(i), sx[i - 1]) << i;
  }
}

// ---------------------------------------------------------------- non-dimensional form

TEST(NonDimensionalForm, NominalElementHasDiameterTwoAndUnitMassOnce) {
  for (auto which : {BearingCase::kBallSi, BearingCase::kBallEnglish, BearingCase::kCylindricalSi,
                     BearingCase::kSphericalSi, BearingCase::kTaperedSi}) {
    auto b = setUpBearing(which);
    const auto& g = b->m().brggeom;
    EXPECT_EQ(g.bredia, 2.0);
    for (int i = 1; i <= g.nre; ++i) EXPECT_EQ(g.remass(i), 1.0);
  }
  // The 6208 example: groove radii f D over D/2 = 2 f, concave curvature -1/(2 f); the largest
  // applied force is the force scale. A second conversion is refused and changes nothing.
  auto b = setUpBearing(BearingCase::kBallSi);
  Model& m = b->m();
  const auto& g = m.brggeom;
  EXPECT_NEAR(g.racecurrad(1), 1.06, 1e-14);
  EXPECT_NEAR(g.racecurrad(2), 1.04, 1e-14);
  EXPECT_NEAR(g.racecur(1), -1.0 / 1.06, 1e-14);
  EXPECT_EQ(m.opcond.appload(3), 1.0);
  EXPECT_NEAR(m.opcond.appload(1), 500.0 / 3000.0, 1e-15);
  const double pitch = g.pitchdia;
  EXPECT_THROW(zela2::dimorg(m), std::logic_error);
  EXPECT_EQ(g.bredia, 2.0);
  EXPECT_EQ(g.pitchdia, pitch);
  EXPECT_EQ(g.remass(1), 1.0);
}

TEST(NonDimensionalForm, TractionCurvesGiveTheSameCoefficientAtTheSameSlip) {
  // Each curve keeps its value at the same physical slip speed s (m/s), now given as s/cvel,
  // whether the element/race and the element/flange curves are of the same form or not.
  const zq::FArray<double, 5> linear{0.01, 0.2, 0.02, 0.3, 0.09};  // break at 0.3 m/s
  const zq::FArray<double, 5> expo{0.02, 0.5, 4.0, 0.05, -1.0};
  for (int racetype : {0, 1}) {
    const auto& race = racetype == 0 ? linear : expo;
    const auto& flng = racetype == 0 ? expo : linear;
    auto b = zqtest::makeBearing(BearingCase::kCylindricalSi);
    Model& m = b->m();
    auto& tp = m.tracprop;
    tp.ktractype = racetype;
    tp.krftractype = 1 - racetype;
    for (int n = 1; n <= 5; ++n) {
      tp.reracecoeff(n, 1) = tp.reracecoeff(n, 2) = race(n);
      tp.reflngcoeff(n) = flng(n);
    }
    zqtest::scale(m);
    const double cvel = m.constants.cvel;
    zela2::zela2(m);
    for (double s : {0.0, 0.05, 0.2, 0.3, 0.45, 2.0}) {
      EXPECT_NEAR(zeld3::zeld3(s / cvel, tp.reracecoeff.sub<5>(1)), zeld3::zeld3(s, race), 1e-14)
          << "race curve type " << racetype << " at " << s;
      EXPECT_NEAR(zeld3::zeld3(s / cvel, tp.reflngcoeff), zeld3::zeld3(s, flng), 1e-14)
          << "flange curve type " << 1 - racetype << " at " << s;
    }
  }
}

TEST(NonDimensionalForm, RoughnessRatioIsUnitFreeAndZeroForSmoothRaces) {
  // RMS height 1e-7 m = 1e-4 mm, RMS slope h_mm^0.7393 / 0.02683 (the defaults' law): the
  // ratio 1000 h/slope in millimetres is the same for the SI and the English input.
  const double slope = std::pow(1.0e-4, 1.0 - 0.2607) / 0.02683;
  for (auto which : {BearingCase::kBallSi, BearingCase::kBallEnglish}) {
    auto b = setUpBearing(which, [](Model& m) { m.fatiguecons.rmsaspht(2) = 0.0; });
    EXPECT_NEAR(b->m().fatiguecons.sigtheta(1), 1000.0 * 1.0e-7 / slope, 1e-15);
    EXPECT_EQ(b->m().fatiguecons.sigtheta(2), 0.0);
  }
}

TEST(NonDimensionalForm, UnitSpecificConversions) {
  // Waviness amplitude, wave number, out-of-round axes and orientation (deg to rad), the
  // displacement percentage; the limit shear stress in pascals in both systems (psi times
  // 6894.757 for English input).
  for (auto which : {BearingCase::kCylindricalSi, BearingCase::kBallEnglish}) {
    auto b = setUpBearing(which, [](Model& m) {
      m.fatiguecons.shearlmt(1) = 100.0;
      m.options.kracegeoimp.lin(1) = 2;  // waviness: amplitude, wave number, phase
      m.options.kracegeoimp.lin(2) = 1;  // out-of-round: two axes, orientation
      m.brggeom.rlradvar(1, 1) = 1e-6;
      m.brggeom.rlradvar(2, 1) = 7.0;
      m.brggeom.rlradvar(1, 2) = 2e-6;
      m.brggeom.rlradvar(2, 2) = 3e-6;
      m.brggeom.rlradvar(3, 2) = 90.0;
      m.opcond.pctdisp(1) = 1.0;
    });
    const Model& m = b->m();
    const double sl = m.constants.slen;
    const auto& g = m.brggeom;
    EXPECT_EQ(g.rlradvar(2, 1), 7.0);  // a wave number keeps its value
    EXPECT_NEAR(g.rlradvar(1, 1) * sl, 1e-6, 1e-20);
    EXPECT_NEAR(g.rlradvar(2, 2) * sl, 3e-6, 1e-20);
    EXPECT_NEAR(g.rlradvar(3, 2), kPi / 2.0, 1e-15);
    EXPECT_EQ(m.opcond.pctdisp(1), 0.01);
    EXPECT_NEAR(m.fatiguecons.shearlmt(1), m.options.kunit == 1 ? 100.0 : 689475.7, 1e-8);
  }
}

TEST(NonDimensionalForm, RaceRadiiAndSpeeds) {
  auto b = zqtest::makeBearing(BearingCase::kCylindricalSi);
  Model& m = b->m();
  auto& g = m.brggeom;
  g.racecurrad(1) = 0.0;  // given as zero: straight across, curvature left as it was
  g.racecur(1) = 0.123;
  g.racecrn(2) = 0.5;  // crowned inner race, radius 0.5 m
  zqtest::scale(m);
  const double sl = m.constants.slen;
  const double cangvel = m.constants.cangvel;
  zela2::zela2(m);
  EXPECT_EQ(g.racecurrad(1), 1.0e10);
  EXPECT_EQ(g.racecur(1), 0.123);
  EXPECT_NEAR(g.racecrn(2) * sl, 0.5, 1e-15);
  EXPECT_NEAR(g.racecenlen(2) * sl, 0.009, 1e-17);  // the inner land limit
  EXPECT_NEAR(m.vecmats.raceangvel(1, 2) * cangvel, 3000.0, 1e-9);
  EXPECT_EQ(m.vecmats.raceangvel(1, 1), 0.0);
  // The crown drop at the end of the central part is the sagitta of the crown circle:
  // R - sqrt(R^2 - c^2) to within the neglected c^6/R^5 term.
  const double r = g.racecrn(2), c = g.racecenlen(2);
  EXPECT_NEAR(g.racecencrndrop(2), r - std::sqrt(r * r - c * c), 1e-9);
  EXPECT_EQ(g.racecencrndrop(1), 0.0);
  // With it the crowned raceway has no step at the end of its central part (the drop there
  // would be c^2/(2R) = 0.015 roller radii without it).
  if (zqtest::profileRadiusReady()) {
    const int body = g.nre + 2;
    const double inside = zelc7::zelc7(m, body, 0, 0, c, 0.0);
    const double beyond = zelc7::zelc7(m, body, 0, 0, c * (1.0 + 1e-9), 0.0);
    EXPECT_NEAR(inside, g.racerad(1, 2), 1e-15);
    EXPECT_NEAR(beyond, inside, 1e-8);
  }
}

// ---------------------------------------------------------------- element geometry

TEST(ElementGeometry, CrownDropIsTheSagittaOfTheCrownCircle) {
  auto b = setUpBearing(BearingCase::kCylindricalSi, zqtest::noGrowth);
  const auto& g = b->m().brggeom;
  const double r = g.recrn(1);
  const double h = (g.recenlmt(2, 1) - g.recenlmt(1, 1)) / 2.0;
  EXPECT_NEAR(g.recencrndrop(1), r - std::sqrt(r * r - h * h), 1e-9);
  // The crown centre of a cylindrical roller lies on the axis side, R below the surface.
  EXPECT_NEAR(g.recurcen(2, 1) + r, g.rerad(1), 1e-12);
  // Line contact with a flat part on both races; flat half length limited by the corner.
  EXPECT_EQ(g.kcontype(1, 1), 1);
  EXPECT_NEAR(g.recenlen(1), h, 1e-15);
}

TEST(ElementGeometry, ContactTypeFollowsCrownsAndFlats) {
  // A roller without crown, or with a central land as long as itself, is straight: its flat
  // part is the whole roller and its crown drop zero.
  struct Case {
    const char* name;
    double racecurrad;  // outer race transverse radius (m), 1e10 straight
    double racecenlen;  // its central half length (m)
    double brecrn;      // roller crown radius (m), 1e10 straight
    double brecenlen;   // roller central length (m)
    int kcontype;
    bool straight;
  };
  const Case cases[] = {
      {"crowned race with a flat", 0.05, 0.004, 0.2, 0.0, 1, false},
      {"crowned race and roller, roller flat", 0.05, 0.0, 0.2, 0.008, 1, false},
      {"crowned race and roller, no flat", 0.05, 0.0, 0.2, 0.0, -3, false},
      {"straight roller on a crowned race", 0.05, 0.0, 1.0e10, 0.0, -2, true},
      {"straight race, straight roller", 1.0e10, 0.00605, 1.0e10, 0.0, 1, true},
      {"straight race, crowned roller with flat", 1.0e10, 0.00605, 0.2, 0.008, 1, false},
      {"straight race, crowned roller without flat", 1.0e10, 0.00605, 0.2, 0.0, -1, false},
      {"land as long as the roller", 1.0e10, 0.00605, 0.2, 0.013, 1, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto b = setUpBearing(BearingCase::kCylindricalSi, [&c](Model& m) {
      m.brggeom.racecurrad(1) = c.racecurrad;
      m.brggeom.racecenlen(1) = c.racecenlen;
      m.brggeom.brecrn = c.brecrn;
      m.brggeom.brecenlen = c.brecenlen;
    });
    const auto& g = b->m().brggeom;
    EXPECT_EQ(g.kcontype(1, 1), c.kcontype);
    EXPECT_EQ(g.kcontype(1, 14), c.kcontype);
    if (c.straight) {
      if (c.brecrn < 1.0e10) {
        EXPECT_EQ(g.brecrn, 1.0e10);  // made straight
      }
      EXPECT_EQ(g.brecenlen, g.brelen);
      EXPECT_EQ(g.recencrndrop(1), 0.0);
    }
    // Initial line-contact limits: the flat part within the profile limits.
    const auto& lm = b->m().solutions.conlmts;
    EXPECT_LE(lm(1, 1, 1), lm(2, 1, 1));
    EXPECT_GE(lm(1, 1, 1), g.reconlmt(1, 1));
    EXPECT_LE(lm(2, 1, 1), g.reconlmt(2, 1));
  }
}

TEST(ElementGeometry, RaceRotationFlagsAndPointContacts) {
  // A race turns (2) or stands (1); balls make point contacts (0) with the point-contact film
  // (2), cylindrical rollers the line-contact film (1).
  const double speeds[3][2] = {{0.0, 3000.0}, {1500.0, 0.0}, {1500.0, -3000.0}};
  const int flags[3][2] = {{1, 2}, {2, 1}, {2, 2}};
  for (int n = 0; n < 3; ++n) {
    auto b = setUpBearing(BearingCase::kBallSi, [&](Model& m) {
      m.opcond.rpm(1) = speeds[n][0];
      m.opcond.rpm(2) = speeds[n][1];
    });
    const Model& m = b->m();
    EXPECT_EQ(m.fatiguecons.iracerot(1), flags[n][0]);
    EXPECT_EQ(m.fatiguecons.iracerot(2), flags[n][1]);
    EXPECT_EQ(m.brggeom.kcontype(2, 9), 0);
    EXPECT_EQ(m.tracprop.kfilm, 2);
    EXPECT_EQ(m.flngdata.nth, 0);
  }
  EXPECT_EQ(setUpBearing(BearingCase::kCylindricalSi)->m().tracprop.kfilm, 1);
}

TEST(ElementGeometry, TaperedEndSpherePassesThroughTheLargeEndEdge) {
  auto b = setUpBearing(BearingCase::kTaperedSi, zqtest::noGrowth);
  const auto& g = b->m().brggeom;
  for (int i : {1, 16}) {
    const double t = g.rerad(i) * g.retantaper(i);
    const double e = g.reendrad(1, i), half = g.bredia / 2.0;
    // Large end face at x = t - relen, where the cone's radius is half the nominal diameter;
    // the end sphere (centre on the axis) meets the edge circle of that face.
    const double xend = t - g.relen(i);
    EXPECT_NEAR(g.rerad(i) + g.retantaper(i) * g.relen(i), half, 1e-14);
    EXPECT_NEAR(g.reendcen(1, i) - xend, std::sqrt(e * e - half * half), 1e-6);
    // Flat small end, and the corner circles at their corner radii from the end faces.
    EXPECT_EQ(g.reendcen(2, i), 0.0);
    EXPECT_NEAR(g.recorcen(1, 1, i) - xend, g.recorrad(1, i), 1e-14);
    EXPECT_NEAR(t + g.relen(i) - g.recorcen(1, 2, i), g.recorrad(2, i), 1e-14);
    EXPECT_EQ(g.reconlmt(1, i), g.recorcen(1, 1, i));
    EXPECT_EQ(g.reconlmt(2, i), g.recorcen(1, 2, i));
  }
}

TEST(ElementGeometry, InitialContactFramesAreRotationsAboutY) {
  auto b = setUpBearing(BearingCase::kCylindricalSi, [](Model& m) {
    m.brggeom.racetaper(2) = -0.0005 * 180.0 / kPi;  // inner contact angle just below pi
    m.brggeom.racetaper(1) = 0.3;
  });
  const Model& m = b->m();
  for (int j = 1; j <= 2; ++j) {
    const double phi = m.solutions.conang(j, 1, 1);
    const auto t = m.vecmats.tacs.sub<3, 3>(j, 1);
    zqtest::expectRotation(t, "tacs");
    // Series and library values agree to the rounding of pi itself.
    EXPECT_NEAR(t(3, 1), std::sin(phi), 1e-15);
    EXPECT_NEAR(t(1, 1), std::cos(phi), 1e-15);
    EXPECT_EQ(t(2, 2), 1.0);
  }
  // Series around pi: the sine has the sign of -(phi - pi) = +0.0005.
  EXPECT_GT(m.vecmats.tacs(3, 1, 2, 1), 0.0);
  EXPECT_NEAR(m.solutions.conang(2, 1, 1), kPi - 0.0005, 1e-15);
}

// ---------------------------------------------------------------- stops and flanges

// Tapered case with cup 20 deg, cone 10 deg (roller half angle exactly 5 deg in radians), the
// guide flange at the large end of the cone at the given angle (deg).
void taperedFlange(Model& m, double angle) {
  auto& g = m.brggeom;
  g.racetaper(1) = 20.0;
  g.racetaper(2) = 10.0;
  g.brgbore = 0.015;
  g.flngang(1, 2) = angle;
  zqtest::internalGeometry(m);
}

struct StopCase {
  const char* name;
  BearingCase which;
  std::function<void(Model&)> edit;
  std::string report;
};

TEST(SetUpStops, ExactBlocks) {
  const StopCase cases[] = {
      // -5.001 deg = -8.7284E-02 rad; bounds -5 deg = -8.7266E-02 and asin(5.3/130) - 5 deg
      // = 4.0781E-02 - 8.7266E-02 = -4.6486E-02 rad.
      {"flange angle out of bounds", BearingCase::kTaperedSi,
       [](Model& m) { taperedFlange(m, -5.001); },
       "\n\n     Encountered error code:   11     Supplementary code:    0\n\n"
       "     " + pad("Flange angle is out of bounds.", 132) + "\n\n"
       "     " + pad("flange angle, lower and upper limits ", 72) + "\n"
       "      -8.7284E-02 -8.7266E-02 -4.6486E-02\n"
       "\n     Execution terminated due to error code.\n\n\n\n"},
      {"flat end without corner radius", BearingCase::kCylindricalSi,
       [](Model& m) { m.brggeom.brecorrad(1) = 0.0; },
       "\n     Execution terminating in Zela2\n"
       "     Flat roller end facing flange 1 of race 1 has no corner radius:\n"
       "     the corner radius must be greater than zero.\n"
       "     Roller corner radius =   0.0000E+00  (m)\n\n\n"},
      // A spherical tapered roller has no corner radius on its record: the user is told to give
      // the end a radius, at least half the large-end diameter (10.6 mm / 2).
      {"flat spherical tapered end at a flange", BearingCase::kSphericalTaperedSi,
       [](Model& m) { m.brggeom.breendrad(1) = 1.0e10; },
       "\n     Execution terminating in Zela2\n"
       "     Flat roller end facing flange 1 of race 2 has no corner radius:\n"
       "     a spherical tapered roller has no corner radius input. Give this roller end\n"
       "     an end radius of at least half the roller diameter on the spherical tapered\n"
       "     roller geometry record.\n"
       "     Half roller dia    =   5.3000E-03  (m)\n\n\n"},
      {"end sphere smaller than the roller", BearingCase::kTaperedSi,
       [](Model& m) { m.brggeom.breendrad(1) = 0.005; },
       "\n     Execution terminating in Zela2\n"
       "     Spherical roller end facing flange 1 of race 2 is too small:\n"
       "     the end radius must be at least half the roller diameter.\n"
       "     Roller end radius  =   5.0000E-03  (m)\n"
       "     Half roller dia    =   5.3000E-03  (m)\n\n\n"},
  };
  for (const StopCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto b = zqtest::makeBearing(c.which);
    c.edit(b->m());
    zqtest::scale(b->m());
    EXPECT_TRUE(zqtest::setUpStops(b->m()));
    EXPECT_EQ(b->report.str(), c.report);
  }
}

TEST(Flanges, AngleAtItsBoundsIsAccepted) {
  // Bounds -b (exactly -5 deg) and a - b with a = asin(D/(2 E)), where the end sphere meets the
  // edge; just beyond the upper bound the run stops.
  const double a = std::asin(0.0053 / 0.13) * 180.0 / kPi;
  for (double angle : {-5.0, a - 5.0 - 1e-7, a - 5.0 + 1e-7}) {
    auto b = zqtest::makeBearing(BearingCase::kTaperedSi);
    taperedFlange(b->m(), angle);
    zqtest::scale(b->m());
    EXPECT_EQ(zqtest::setUpStops(b->m()), angle > a - 5.0) << angle;
  }
}

TEST(Flanges, FramesFollowTheSideAndRaceFlips) {
  // Flanges on all four sides, no taper, no flange angle: the frames are the side/race flips
  // R2(pi), R1(pi), R3(pi), identity: diagonals (-1, 1, -1), (1, -1, -1), (-1, -1, 1), (1, 1, 1).
  auto b = setUpBearing(BearingCase::kCylindricalSi, [](Model& m) {
    for (int j = 1; j <= 2; ++j)
      for (int k = 1; k <= 2; ++k) {
        m.brggeom.kflngind(k, j) = 1;
        m.brggeom.flngang(k, j) = 0.0;
        m.brggeom.flnght(k, j) = 0.0025;
      }
  });
  const auto& g = b->m().brggeom;
  const double diag[2][2][3] = {{{-1, 1, -1}, {1, -1, -1}}, {{-1, -1, 1}, {1, 1, 1}}};
  for (int j = 1; j <= 2; ++j)
    for (int k = 1; k <= 2; ++k)
      for (int r = 1; r <= 3; ++r)
        for (int q = 1; q <= 3; ++q)
          EXPECT_NEAR(g.traf(r, q, k, j), r == q ? diag[j - 1][k - 1][r - 1] : 0.0, 1e-15)
              << "side " << k << " race " << j;
}

TEST(Flanges, CornerSearchSteps) {
  // Flange height 2.5 mm over a 5.5 mm roller radius: the corner arc below it is
  // acos(1 - 0.4545) = 0.9935 rad, so 2 pi / 0.9935 = 6.32 gives 6 steps; a flange higher than
  // the roller radius: 5 steps.
  auto b = setUpBearing(BearingCase::kCylindricalSi);
  EXPECT_EQ(b->m().flngdata.nth, 6);
  EXPECT_NEAR(b->m().flngdata.xth * 6, 2.0 * kPi, 1e-15);
  auto c = setUpBearing(BearingCase::kCylindricalSi,
                        [](Model& m) { m.brggeom.flnght(1, 1) = 0.006; });
  EXPECT_EQ(c->m().flngdata.nth, 5);
}

TEST(Flanges, HertzConstantsOfASphericalEndOnAFlatFlange) {
  if (!zqtest::hertzFactorsReady()) GTEST_SKIP() << "Hertz point-contact factors not built yet";
  // Flange angle 0: the flange is flat (rhof = 0) and the end sphere of radius E meets it in a
  // circle: Hertz P = (4/3) E* sqrt(E) delta^1.5, contact radius a = (3 P E / (4 E*))^(1/3),
  // with 1/E* = ererace; in scaled form E* carries cpres.
  auto b = setUpBearing(BearingCase::kTaperedSi, [](Model& m) { m.brggeom.flngang(1, 2) = 0.0; });
  const Model& m = b->m();
  const auto& c = m.constants;
  const double e = m.brggeom.breendrad(1);
  const double estar = 1.0 / (c.ererace(2) * c.cpres);
  const auto f = c.flngcons.sub<6>(1, 2);
  EXPECT_NEAR(f(1), 4.0 / 3.0 * estar * std::sqrt(e), 1e-12 * f(1));
  EXPECT_NEAR(f(2), std::cbrt(3.0 * e / (4.0 * estar)), 1e-12 * f(2));
  EXPECT_NEAR(f(3), f(2), 1e-12 * f(2));
}

TEST(Flanges, ExampleFramesAreRotationsAndTheLoadLawContinuesWithoutJump) {
  // At the approach conf(5) the Hertz law Q = conf(1) delta^1.5 hands over to the straight
  // line conf(4) delta - conf(6) with the same value and the same slope.
  const bool hertz = zqtest::hertzFactorsReady();
  for (auto which : {BearingCase::kCylindricalSi, BearingCase::kTaperedSi}) {
    auto b = setUpBearing(which);
    const auto& g = b->m().brggeom;
    for (int j = 1; j <= 2; ++j)
      for (int k = 1; k <= 2; ++k) {
        if (g.kflngind(k, j) <= 0) continue;
        zqtest::expectRotation(g.traf.sub<3, 3>(k, j), "traf");
        if (!hertz) continue;
        const auto f = b->m().constants.flngcons.sub<6>(k, j);
        const double d = f(5);
        ASSERT_GT(f(1), 0.0);
        ASSERT_TRUE(std::isfinite(f(4)));
        EXPECT_NEAR(f(1) * std::pow(d, 1.5), f(4) * d - f(6), 1e-10 * f(4) * d);
        EXPECT_NEAR(1.5 * f(1) * std::sqrt(d), f(4), 1e-10 * f(4));
      }
  }
}

// ---------------------------------------------------------------- split races

TEST(SplitRace, InnerShimCreatesAMirroredSecondHalf) {
  auto b = setUpBearing(BearingCase::kBallSi, [](Model& m) {
    m.brggeom.shimthkns(2) = 2.0e-4;
    zqtest::internalGeometry(m);
  });
  const Model& m = b->m();
  const auto& g = m.brggeom;
  EXPECT_EQ(g.nrace, 4);
  const int krace[4] = {1, 1, 0, 1};
  for (int j = 1; j <= 4; ++j) EXPECT_EQ(m.revecs.krace(j), krace[j - 1]);
  // The two inner halves: groove centres mirrored about the race's axial origin.
  EXPECT_NEAR(g.racecurcen(1, 2), 1.0e-4 / m.constants.slen, 1e-15);
  EXPECT_EQ(g.racecurcen(1, 4), -g.racecurcen(1, 2));
  EXPECT_EQ(g.racecurcen(2, 4), g.racecurcen(2, 2));
  EXPECT_EQ(m.revecs.baseang(4), kPi);
  // Copies that the contact, profile and life code read for segment 4; segment 3 (outer)
  // stays absent.
  const auto& v = m.vecmats;
  const auto& f = m.fatiguecons;
  for (const auto& [fourth, second] :
       {std::pair{g.racecurrad(4), g.racecurrad(2)}, {g.racecur(4), g.racecur(2)},
        {g.racerad(1, 4), g.racerad(1, 2)}, {g.racerad(2, 4), g.racerad(2, 2)},
        {g.racecostaper(4), g.racecostaper(2)}, {g.racetantaper(4), g.racetantaper(2)},
        {g.racetaper(4), g.racetaper(2)}, {g.mrace(4), g.mrace(2)},
        {m.constants.qmrerace(4), m.constants.qmrerace(2)}, {f.qexp(4), f.qexp(2)},
        {f.sigtheta(4), f.sigtheta(2)}, {m.tracprop.reracecoeff(3, 4), m.tracprop.reracecoeff(3, 2)},
        {v.racegc(3, 4), v.racegc(3, 2)}, {v.raceangvel(1, 4), v.raceangvel(1, 2)},
        {double(f.iracerot(4)), double(f.iracerot(2))}, {g.racecurrad(3), 0.0}})
    EXPECT_EQ(fourth, second);
  for (int i = 1; i <= g.nre; ++i) {
    EXPECT_EQ(g.reprrad(4, i), g.reprrad(2, i));
    EXPECT_EQ(g.kcontype(4, i), g.kcontype(2, i));
    EXPECT_EQ(v.racetoiaz(3, 3, 4, i), v.racetoiaz(3, 3, 2, i));
  }
}

}  // namespace
