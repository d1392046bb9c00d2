// Slice interference of a roller with a race on hand-made frames: a straight roller on a
// straight race at a known offset (outer and inner race, any azimuth), the land limit, tilt in
// the axial plane and skew about the radial axis against closed-form geometry, and the
// degenerate slice circles of extreme skew and tilt.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "contact/zelc5.h"
#include "model/model.h"

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kRo = 6.0;  // outer raceway radius
constexpr double kRi = 4.0;  // inner raceway radius

// One straight roller of radius 1 (body 1) between a straight outer race (segment 1, body 2)
// and a straight inner race (segment 2, body 3), both with land limit 1.
std::unique_ptr<Model> sliceModel(int irace) {
  auto m = std::make_unique<Model>();
  m->constants.one2 = 0.5;
  m->constants.one4 = 0.25;
  auto& g = m->brggeom;
  g.nre = 1;
  g.mrace(1) = 2;
  g.mrace(2) = 3;
  g.rerad(1) = 1.0;
  g.retantaper(1) = 0.0;
  g.recostaper(1) = 1.0;
  g.recrn(1) = 1.0e10;
  g.recenlmt(1, 1) = -0.8;
  g.recenlmt(2, 1) = 0.8;
  for (int j = 1; j <= 2; ++j) {
    g.racecurrad(j) = 1.0e10;
    g.racecrn(j) = 1.0e10;
    g.racecenlen(j) = 10.0;
    g.racelandlmt(j) = 1.0;
  }
  g.racerad(2, 1) = kRo;
  g.racerad(1, 2) = kRi;
  auto& rv = m->revecs;
  rv.ire = 1;
  rv.irace = irace;
  // Contact frame from the azimuth frame: contact angle 0 from the base angle (0 outer, pi
  // inner), rows (cos, 0, -sin), (0, 1, 0), (sin, 0, cos).
  const double c = irace == 1 ? 1.0 : -1.0;
  rv.tac.fill(0.0);
  rv.tac(1, 1) = c;
  rv.tac(2, 2) = 1.0;
  rv.tac(3, 3) = c;
  rv.tbr.fill(0.0);
  for (int i = 1; i <= 3; ++i) rv.tbr(i, i) = 1.0;
  return m;
}

// Element axes (columns of tbr, race components).
void setAxes(Model& m, const double (&ex)[3], const double (&ey)[3], const double (&ez)[3]) {
  for (int i = 1; i <= 3; ++i) {
    m.revecs.tbr(i, 1) = ex[i - 1];
    m.revecs.tbr(i, 2) = ey[i - 1];
    m.revecs.tbr(i, 3) = ez[i - 1];
  }
}

void setCentre(Model& m, double y, double z) {
  m.revecs.bgrgr(1) = 0.0;
  m.revecs.bgrgr(2) = y;
  m.revecs.bgrgr(3) = z;
}

}  // namespace

TEST(SliceInterference, StraightRollerGivesTheOffsetAtAnyAzimuth) {
  // Roller centre at radius rc = Ro - 1 + d (outer) or Ri + 1 - d (inner): every slice overlaps
  // the race by d. At azimuth theta (centre (0, -rc sin, rc cos), element frame turned with
  // it) the slice azimuth frame is that azimuth and the contact point lies on the normal.
  for (int irace : {1, 2}) {
    for (double th : {0.0, 0.3, 2.0, 3.5, 5.9}) {
      for (double d : {1.0e-3, 0.0, -2.0e-3}) {
        auto m = sliceModel(irace);
        const double rc = irace == 1 ? kRo - 1.0 + d : kRi + 1.0 - d;
        const double c = std::cos(th), s = std::sin(th), side = irace == 1 ? 1.0 : -1.0;
        setCentre(*m, -rc * s, rc * c);
        setAxes(*m, {1, 0, 0}, {0, c, s}, {0, -s, c});
        for (double x : {-0.7, 0.4, 0.95}) {
          EXPECT_NEAR(zelc5::zelc5(*m, x), d, 1e-13);
          const auto& rv = m->revecs;
          EXPECT_EQ(rv.brad, 1.0);
          EXPECT_EQ(rv.rrad, irace == 1 ? kRo : kRi);
          EXPECT_EQ(rv.ccbgb(1), x);
          EXPECT_NEAR(rv.ccbgb(3), side, 1e-15);
          EXPECT_NEAR(rv.tra(2, 2), c, 1e-15);
          EXPECT_NEAR(rv.tra(2, 3), s, 1e-15);
          EXPECT_NEAR(rv.tra(3, 2), -s, 1e-15);
          // Race -> contact frame carries the contact point onto (x, 0, +-(rc +- 1)).
          double p[3];
          for (int i = 1; i <= 3; ++i)
            p[i - 1] = rv.trc(i, 1) * rv.ccrgr(1) + rv.trc(i, 2) * rv.ccrgr(2) +
                       rv.trc(i, 3) * rv.ccrgr(3);
          EXPECT_NEAR(p[0], side * x, 1e-14);
          EXPECT_NEAR(p[1], 0.0, 1e-14);
          EXPECT_NEAR(p[2], irace == 1 ? rc + 1.0 : -(rc - 1.0), 1e-13);
          // Element -> contact frame: the element's radial axis is the contact normal.
          EXPECT_NEAR(rv.tbc(3, 3), side, 1e-15);
        }
      }
    }
  }
}

TEST(SliceInterference, BeyondTheLandLimitGivesMinusOne) {
  // Whatever the overlap, a contact point axially beyond the land gives exactly -1 and leaves
  // the race radius alone; at the limit itself the slice counts.
  auto m = sliceModel(1);
  m->brggeom.racelandlmt(1) = 0.5;
  setCentre(*m, 0.0, kRo - 1.0 + 0.1);
  m->revecs.rrad = 123.0;
  EXPECT_EQ(zelc5::zelc5(*m, 0.6), -1.0);
  EXPECT_EQ(zelc5::zelc5(*m, -0.5000001), -1.0);
  EXPECT_EQ(m->revecs.rrad, 123.0);
  EXPECT_NEAR(zelc5::zelc5(*m, 0.5), 0.1, 1e-14);
  EXPECT_NEAR(zelc5::zelc5(*m, -0.5), 0.1, 1e-14);
}

TEST(SliceInterference, TiltInTheAxialPlaneMatchesClosedForm) {
  // Roller axis (cos b, 0, sin b): the slice centre at x is (x cos b, 0, rc + x sin b) and its
  // outermost point in the axial plane is 1 further along (-sin b, 0, cos b); overlap with the
  // outer race = rc + x sin b + cos b - Ro. At b = pi/2 the axis is radial: each slice circle
  // is horizontal at height rc + x.
  for (double b : {0.002, -0.01, 0.2, kPi / 2.0}) {
    auto m = sliceModel(1);
    m->brggeom.racelandlmt(1) = 10.0;
    const double rc = kRo - 1.0;
    setCentre(*m, 0.0, rc);
    const double c = std::cos(b), s = std::sin(b);
    setAxes(*m, {c, 0, s}, {0, 1, 0}, {-s, 0, c});
    for (double x : {-0.8, -0.1, 0.5, 0.9}) {
      EXPECT_NEAR(zelc5::zelc5(*m, x), rc + x * s + c - kRo, 1e-14);
      EXPECT_NEAR(m->revecs.ccrgr(1), x * c - s, 1e-15);
    }
  }
}

TEST(SliceInterference, SkewAboutTheRadialAxisMatchesClosedForm) {
  // Roller axis (cos f, sin f, 0) through (0, 0, rc). The slice circle at x (centre
  // (x cos f, a, rc), a = x sin f) crosses the axial plane through its centre where
  // tan u = a / (rc cos f); the outer crossing lies at radius
  // sqrt(a^2 + rc^2) (1 + cos f / sqrt(a^2 + rc^2 cos^2 f)) for a slice radius 1.
  for (double f : {0.1, 0.5, 1.2, kPi / 2.0}) {
    auto m = sliceModel(1);
    m->brggeom.racelandlmt(1) = 10.0;
    const double rc = kRo - 1.0 + 2.0e-3;
    setCentre(*m, 0.0, rc);
    const double c = std::cos(f), s = std::sin(f);
    setAxes(*m, {c, s, 0}, {-s, c, 0}, {0, 0, 1});
    for (double x : {-0.7, -0.2, 0.0, 0.4, 0.9}) {
      const double a = x * s;
      const double r = std::sqrt(a * a + rc * rc) * (1.0 + c / std::sqrt(a * a + rc * rc * c * c));
      const double got = zelc5::zelc5(*m, x);
      EXPECT_TRUE(std::isfinite(got));
      EXPECT_NEAR(got, r - kRo, 1e-13) << "skew " << f << " x " << x;
    }
  }
}

TEST(SliceInterference, RollerAxisAlongTheAzimuthDirection) {
  // Skew of exactly 90 degrees: at x = 0 the slice circle lies in the axial plane itself, so
  // every point of it is "in the plane"; the deepest one toward the race is taken: radius
  // rc + 1 against the outer race, rc - 1 against the inner race. Away from x = 0 the circle
  // crosses the plane at (+-1, x, rc), radius sqrt(x^2 + rc^2).
  for (int irace : {1, 2}) {
    auto m = sliceModel(irace);
    const double rc = 5.0;
    setCentre(*m, 0.0, rc);
    setAxes(*m, {0, 1, 0}, {-1, 0, 0}, {0, 0, 1});
    const double got = zelc5::zelc5(*m, 0.0);
    ASSERT_TRUE(std::isfinite(got));
    EXPECT_NEAR(got, irace == 1 ? rc + 1.0 - kRo : kRi - (rc - 1.0), 1e-14);
    for (int i = 1; i <= 3; ++i) EXPECT_TRUE(std::isfinite(m->revecs.ccrgr(i)));
    EXPECT_NEAR(m->revecs.ccbgb(3), irace == 1 ? 1.0 : -1.0, 1e-15);
    for (double x : {-0.3, 0.25}) {
      const double sign = irace == 1 ? 1.0 : -1.0;
      EXPECT_NEAR(zelc5::zelc5(*m, x),
                  sign * (std::sqrt(x * x + rc * rc) - (irace == 1 ? kRo : kRi)), 1e-13);
    }
  }
}

TEST(SliceAngle, CircleInThePlaneTakesTheDeepestPoint) {
  // No component of the element y, z axes along the azimuth y axis: the point maximising the
  // contact-normal component (c33 cos t - c32 sin t) is (cos t, sin t) = (c33, -c32) / norm.
  double s = 0, c = 0;
  zelc5::sliceangle(0.0, 0.0, 0.0, 1.0, 0.6, 0.8, s, c);
  EXPECT_NEAR(s, -0.6, 1e-15);
  EXPECT_NEAR(c, 0.8, 1e-15);
  // Zero slice radius as well.
  zelc5::sliceangle(0.7, 0.2, 0.0, 0.0, -0.6, 0.8, s, c);
  EXPECT_NEAR(s, 0.6, 1e-15);
  EXPECT_NEAR(c, 0.8, 1e-15);
  // Contact normal along the roller axis too: any point, but a defined one.
  zelc5::sliceangle(0.0, 0.0, 0.0, 1.0, 0.0, 0.0, s, c);
  EXPECT_TRUE(std::isfinite(s) && std::isfinite(c));
  EXPECT_NEAR(s * s + c * c, 1.0, 1e-15);
}

TEST(SliceAngle, SineBeyondOneIsClamped) {
  // A circle centre off the plane by more than rho * brad (roundoff with a nearly degenerate
  // axis) is treated as touching it: sin(t - beta) = +-1 with (e2, e3) = rho (cos beta,
  // sin beta) = rho (0.6, 0.8), so (cos t, sin t) = +-(-0.8, 0.6) turned a quarter from beta;
  // the race side (contact normal along the element z axis) keeps cos t > 0.
  const double e2 = 3.0e-17, e3 = 4.0e-17;  // rho = 5e-17
  for (double yc : {1.0e-15, -1.0e-15, 4.6e-17}) {
    double s = 0, c = 0;
    zelc5::sliceangle(e2, e3, yc, 0.9, 0.0, 1.0, s, c);
    EXPECT_NEAR(s, -0.6, 1e-15);
    EXPECT_NEAR(c, 0.8, 1e-15);
  }
}
