// Slip and entraining velocity of two rigid bodies at a common point from the rigid-body
// velocity field v + w x r of each body (Goldstein, Classical Mechanics, sec. 4.9).
#include <gtest/gtest.h>

#include <random>

#include "traction/zele6.h"

TEST(SlipVelocity, DifferenceOfTheSurfaceVelocitiesAndMeanOfTheirTurningParts) {
  std::mt19937 gen(13);
  std::uniform_real_distribution<double> u(-2.0, 2.0);
  for (int n = 0; n < 50; ++n) {
    zq::FArray<double, 3, 6> b;  // r, v, w of body 1, then of body 2
    for (double& x : b) x = u(gen);
    zq::Vec3 us, um;
    zele6::zele6(b.sub<3>(1), b.sub<3>(2), b.sub<3>(3), b.sub<3>(4), b.sub<3>(5), b.sub<3>(6),
                 us, um);
    for (int i = 1, i2 = 2, i3 = 3; i <= 3; ++i, i2 = i % 3 + 1, i3 = i2 % 3 + 1) {
      const double t1 = b(i2, 3) * b(i3, 1) - b(i3, 3) * b(i2, 1);  // (w x r)(i), body 1
      const double t2 = b(i2, 6) * b(i3, 4) - b(i3, 6) * b(i2, 4);
      EXPECT_NEAR(us(i), b(i, 2) + t1 - (b(i, 5) + t2), 1e-14);
      EXPECT_NEAR(um(i), 0.5 * (t1 + t2), 1e-14);
    }
  }
}
