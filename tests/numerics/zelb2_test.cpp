// Attitude matrix of three successive passive rotations: orthogonality, composition from the
// elementary rotations, the sines and cosines left in the scratch area, and the derivatives
// with respect to the second and third angles against central differences.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>

#include "model/model.h"
#include "numerics/zelb2.h"
#include "numerics/zelb22.h"
#include "numerics/zelb23.h"

namespace {

constexpr double kPi = 3.141592653589793;

using M3 = std::array<std::array<double, 3>, 3>;  // [row][column], 0-based

// Elementary passive rotations as defined for the frames of the program (rows as written).
M3 r1(double q) { return {{{1, 0, 0}, {0, std::cos(q), std::sin(q)}, {0, -std::sin(q), std::cos(q)}}}; }
M3 r2(double q) { return {{{std::cos(q), 0, -std::sin(q)}, {0, 1, 0}, {std::sin(q), 0, std::cos(q)}}}; }
M3 r3(double q) { return {{{std::cos(q), std::sin(q), 0}, {-std::sin(q), std::cos(q), 0}, {0, 0, 1}}}; }

M3 mul(const M3& p, const M3& q) {
  M3 r{};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j)
      for (int k = 0; k < 3; ++k) r[i][j] += p[i][k] * q[k][j];
  return r;
}

const std::array<std::array<double, 3>, 9> kAngles{{
    {0.0, 0.0, 0.0},
    {0.3, 0.0, 0.0},
    {0.0, -0.7, 0.0},
    {0.0, 0.0, 2.1},
    {0.1, 0.2, 0.3},
    {-1.2, 0.9, 4.0},
    {3.0, -1.5, -2.5},
    {0.7, 1.5707963, 0.2},
    {kPi / 2.0, kPi / 2.0, kPi / 2.0},
}};

}  // namespace

TEST(Rotation, OrthogonalWithUnitDeterminantAndProductOfElementaryRotations) {
  auto m = std::make_unique<Model>();
  for (const auto& q : kAngles) {
    zq::Mat3 t;
    zelb2::zelb2(*m, q[0], q[1], q[2], t);
    const M3 ref = mul(r3(q[2]), mul(r2(q[1]), r1(q[0])));
    for (int i = 1; i <= 3; ++i) {
      for (int j = 1; j <= 3; ++j) {
        double ttt = 0.0;  // (t t^T)(i, j)
        for (int k = 1; k <= 3; ++k) ttt += t(i, k) * t(j, k);
        EXPECT_NEAR(ttt, i == j ? 1.0 : 0.0, 1e-15) << q[0] << ' ' << q[1] << ' ' << q[2];
        EXPECT_NEAR(t(i, j), ref[i - 1][j - 1], 1e-15) << "element " << i << ',' << j;
      }
    }
    const double det = t(1, 1) * (t(2, 2) * t(3, 3) - t(3, 2) * t(2, 3)) -
                       t(2, 1) * (t(1, 2) * t(3, 3) - t(3, 2) * t(1, 3)) +
                       t(3, 1) * (t(1, 2) * t(2, 3) - t(2, 2) * t(1, 3));
    EXPECT_NEAR(det, 1.0, 1e-15);
  }
}

TEST(Rotation, LeavesSinesAndCosinesInScratch) {
  auto m = std::make_unique<Model>();
  m->tmparea.rtmp(7) = 42.0;  // beyond the six values: untouched
  zq::Mat3 t;
  const double a1 = -1.2, a2 = 0.9, a3 = 4.0;
  zelb2::zelb2(*m, a1, a2, a3, t);
  const double expect[6] = {std::sin(a1), std::sin(a2), std::sin(a3),
                            std::cos(a1), std::cos(a2), std::cos(a3)};
  for (int i = 1; i <= 6; ++i) EXPECT_DOUBLE_EQ(m->tmparea.rtmp(i), expect[i - 1]) << "rtmp(" << i << ')';
  EXPECT_EQ(m->tmparea.rtmp(7), 42.0);
}

TEST(RotationDerivative, SecondAndThirdAngleMatchCentralDifferences) {
  // Step h = 1e-5 rad: central-difference error h^2/6 |t'''| <= 1.7e-11 (entries of t and its
  // derivatives are bounded by 2 in magnitude), rounding 1e-16/h = 1e-11; tolerance 1e-9.
  auto m = std::make_unique<Model>();
  const double h = 1e-5;
  for (int which : {2, 3}) {
    for (const auto& q : kAngles) {
      zq::Mat3 tp, tm, t, dt;
      const double d2 = which == 2 ? h : 0.0, d3 = which == 3 ? h : 0.0;
      zelb2::zelb2(*m, q[0], q[1] + d2, q[2] + d3, tp);
      zelb2::zelb2(*m, q[0], q[1] - d2, q[2] - d3, tm);
      zelb2::zelb2(*m, q[0], q[1], q[2], t);
      const zq::Vec3 s{m->tmparea.rtmp(1), m->tmparea.rtmp(2), m->tmparea.rtmp(3)};
      const zq::Vec3 c{m->tmparea.rtmp(4), m->tmparea.rtmp(5), m->tmparea.rtmp(6)};
      if (which == 2)
        zelb22::zelb22(s, c, dt);
      else
        zelb23::zelb23(s, c, dt);
      for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j)
          EXPECT_NEAR(dt(i, j), (tp(i, j) - tm(i, j)) / (2.0 * h), 1e-9)
              << "angle " << which << " element " << i << ',' << j << " at " << q[0] << ' '
              << q[1] << ' ' << q[2];
    }
  }
}
