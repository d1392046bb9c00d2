// Planar angle of a point: exact axis values, agreement with atan2 folded into [0, 2 pi),
// undefined points and the fold just below 2 pi.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

#include "model/model.h"
#include "numerics/zelb3.h"

namespace {
constexpr double kPi = 3.141592653589793;
}

TEST(PlanarAngle, AxisAndDiagonalValues) {
  // Values on the axes are exact (+z is 0, not 2 pi); the diagonals are atan(1) = pi/4 away
  // from an axis angle; a small step from +z toward -y is a small positive azimuth.
  auto m = std::make_unique<Model>();
  struct Case {
    double a, b, angle, tol;
  };
  const Case cases[] = {
      {0.0, 0.0, 0.0, 0},           {-1.0, 0.0, kPi / 2.0, 0},     {0.0, -1.0, kPi, 0},
      {1.0, 0.0, 1.5 * kPi, 0},     {0.0, 1.0, 0.0, 0},            {0.0, 123.0, 0.0, 0},
      {0.0, -0.0, 0.0, 0},          {-0.0, 0.0, 0.0, 0},           {-3.5, 0.0, kPi / 2.0, 0},
      {2.0e-300, 0.0, 1.5 * kPi, 0}, {0.0, 1e-300, 0.0, 0},        {-0.0, -2.0, kPi, 0},
      {1.0, 1.0, 7.0 * kPi / 4.0, 1e-15}, {-1.0, -1.0, 3.0 * kPi / 4.0, 1e-15},
      {-1.0, 1.0, kPi / 4.0, 1e-15},      {1.0, -1.0, 5.0 * kPi / 4.0, 1e-15},
      {-0.01, 1.0, std::atan(0.01), 1e-16}, {0.01, 1.0, 2.0 * kPi - std::atan(0.01), 1e-15},
  };
  for (const Case& c : cases)
    EXPECT_NEAR(zelb3::zelb3(*m, c.a, c.b), c.angle, c.tol) << c.a << ' ' << c.b;
}

TEST(PlanarAngle, AgreesWithFoldedAtan2) {
  // Points on circles of several radii at 1-degree-and-a-bit steps, avoiding the axes.
  auto m = std::make_unique<Model>();
  for (double r : {1e-3, 1.0, 250.0}) {
    for (int k = 0; k < 360; ++k) {
      const double th = (k + 0.37) * kPi / 180.0;
      const double a = r * std::sin(th), b = r * std::cos(th);
      double ref = std::atan2(-a, b);
      if (ref < 0.0) ref += 2.0 * kPi;
      EXPECT_NEAR(zelb3::zelb3(*m, a, b), ref, 4e-15) << "a " << a << " b " << b;
    }
  }
}

TEST(PlanarAngle, UndefinedPointGivesNaNAndTinyNegativeAngleStaysBelowTwoPi) {
  auto m = std::make_unique<Model>();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_TRUE(std::isnan(zelb3::zelb3(*m, nan, 0.0)));
  EXPECT_TRUE(std::isnan(zelb3::zelb3(*m, 0.0, nan)));
  EXPECT_TRUE(std::isnan(zelb3::zelb3(*m, 1.0, nan)));
  // Just counter-clockwise of +z the angle is so close to 2 pi that adding 2 pi rounds to
  // 2 pi itself; the result must stay inside [0, 2 pi).
  const double q = zelb3::zelb3(*m, 1e-17, 1.0);
  EXPECT_GE(q, 0.0);
  EXPECT_LT(q, 2.0 * m->constants.pi);
}
