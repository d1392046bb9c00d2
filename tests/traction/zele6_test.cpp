// Slip and entraining velocity of two rigid bodies at a common point from the rigid-body
// velocity field v + w x r of each body (Goldstein, Classical Mechanics, sec. 4.9).
#include <gtest/gtest.h>

#include <random>

#include "traction/zele6.h"

TEST(SlipVelocity, DifferenceOfTheSurfaceVelocitiesAndMeanOfTheirTurningParts) {
  std::mt19937 gen(13);  // fixed seed; positions and velocities uniform in [-2, 2]
  std::uniform_real_distribution<double> u(-2.0, 2.0);
  for (int n = 0; n < 50; ++n) {
    zq::FArray<double, 3, 6> b;  // r, v, w of body 1, then of body 2
    for (double& x : b) x = u(gen);
    zq::Vec3 us, um;
    zele6::zele6(b.sub<3>(1), b.sub<3>(2), b.sub<3>(3), b.sub<3>(4), b.sub<3>(5), b.sub<3>(6), us, um);
    for (int i = 1, j = 2, k = 3; i <= 3; ++i, j = i % 3 + 1, k = j % 3 + 1) {
      const double t1 = b(j, 3) * b(k, 1) - b(k, 3) * b(j, 1), t2 = b(j, 6) * b(k, 4) - b(k, 6) * b(j, 4);  // w x r
      EXPECT_NEAR(us(i), b(i, 2) + t1 - (b(i, 5) + t2), 1e-14);
      EXPECT_NEAR(um(i), 0.5 * (t1 + t2), 1e-14);
    }
  }
}
