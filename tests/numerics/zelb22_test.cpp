// Derivative of the attitude matrix with respect to the second angle against central
// differences of zelb2.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>

#include "model/model.h"
#include "numerics/zelb2.h"
#include "numerics/zelb22.h"

TEST(RotationDerivative, SecondAngleMatchesCentralDifference) {
  // Step h = 1e-5 rad: central-difference error h^2/6 |t'''| <= 1.7e-11 (entries of t and its
  // derivatives are bounded by 2 in magnitude), rounding 1e-16/h = 1e-11; tolerance 1e-9.
  auto m = std::make_unique<Model>();
  const double h = 1e-5;
  const std::array<std::array<double, 3>, 6> angles{{
      {0.0, 0.0, 0.0}, {0.1, 0.2, 0.3}, {-1.2, 0.9, 4.0}, {3.0, -1.5, -2.5}, {0.7, 1.5707963, 0.2},
      {2.0, 2.5, -0.4}}};
  for (const auto& q : angles) {
    zq::Mat3 tp, tm, t, dt;
    zelb2::zelb2(*m, q[0], q[1] + h, q[2], tp);
    zelb2::zelb2(*m, q[0], q[1] - h, q[2], tm);
    zelb2::zelb2(*m, q[0], q[1], q[2], t);
    const zq::Vec3 s{m->tmparea.rtmp(1), m->tmparea.rtmp(2), m->tmparea.rtmp(3)};
    const zq::Vec3 c{m->tmparea.rtmp(4), m->tmparea.rtmp(5), m->tmparea.rtmp(6)};
    zelb22::zelb22(s, c, dt);
    for (int i = 1; i <= 3; ++i)
      for (int j = 1; j <= 3; ++j)
        EXPECT_NEAR(dt(i, j), (tp(i, j) - tm(i, j)) / (2.0 * h), 1e-9)
            << "element " << i << ',' << j << " at " << q[0] << ' ' << q[1] << ' ' << q[2];
  }
}
