// Attitude matrix of three successive passive rotations: orthogonality, composition from the
// elementary rotations, the sines and cosines left in the scratch area, and closed-form cases.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>

#include "model/model.h"
#include "numerics/zelb2.h"

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

const std::array<std::array<double, 3>, 8> kAngles{{
    {0.0, 0.0, 0.0},
    {0.3, 0.0, 0.0},
    {0.0, -0.7, 0.0},
    {0.0, 0.0, 2.1},
    {0.1, 0.2, 0.3},
    {-1.2, 0.9, 4.0},
    {3.0, -1.5, -2.5},
    {kPi / 2.0, kPi / 2.0, kPi / 2.0},
}};

}  // namespace

TEST(Rotation, OrthogonalWithUnitDeterminant) {
  auto m = std::make_unique<Model>();
  for (const auto& q : kAngles) {
    zq::Mat3 t;
    zelb2::zelb2(*m, q[0], q[1], q[2], t);
    for (int i = 1; i <= 3; ++i) {
      for (int j = 1; j <= 3; ++j) {
        double ttt = 0.0;  // (t t^T)(i, j)
        double tti = 0.0;  // (t^T t)(i, j)
        for (int k = 1; k <= 3; ++k) {
          ttt += t(i, k) * t(j, k);
          tti += t(k, i) * t(k, j);
        }
        EXPECT_NEAR(ttt, i == j ? 1.0 : 0.0, 1e-15) << q[0] << ' ' << q[1] << ' ' << q[2];
        EXPECT_NEAR(tti, i == j ? 1.0 : 0.0, 1e-15) << q[0] << ' ' << q[1] << ' ' << q[2];
      }
    }
    const double det = t(1, 1) * (t(2, 2) * t(3, 3) - t(3, 2) * t(2, 3)) -
                       t(2, 1) * (t(1, 2) * t(3, 3) - t(3, 2) * t(1, 3)) +
                       t(3, 1) * (t(1, 2) * t(2, 3) - t(2, 2) * t(1, 3));
    EXPECT_NEAR(det, 1.0, 1e-15);
  }
}

TEST(Rotation, TransposeIsInverse) {
  // A vector taken into the rotated frame and back with the transpose comes back unchanged.
  auto m = std::make_unique<Model>();
  const double v[3] = {0.4, -1.3, 2.2};
  for (const auto& q : kAngles) {
    zq::Mat3 t;
    zelb2::zelb2(*m, q[0], q[1], q[2], t);
    double w[3] = {0, 0, 0};
    for (int i = 1; i <= 3; ++i)
      for (int k = 1; k <= 3; ++k) w[i - 1] += t(i, k) * v[k - 1];
    for (int i = 1; i <= 3; ++i) {
      double back = 0.0;
      for (int k = 1; k <= 3; ++k) back += t(k, i) * w[k - 1];
      EXPECT_NEAR(back, v[i - 1], 1e-14);
    }
  }
}

TEST(Rotation, IsProductOfElementaryPassiveRotations) {
  auto m = std::make_unique<Model>();
  for (const auto& q : kAngles) {
    zq::Mat3 t;
    zelb2::zelb2(*m, q[0], q[1], q[2], t);
    const M3 ref = mul(r3(q[2]), mul(r2(q[1]), r1(q[0])));
    for (int i = 1; i <= 3; ++i)
      for (int j = 1; j <= 3; ++j)
        EXPECT_NEAR(t(i, j), ref[i - 1][j - 1], 1e-15) << "element " << i << ',' << j;
  }
}

TEST(Rotation, StoredColumnMajor) {
  // t(i, j) is element (i, j); the third row (s2, -s1 c2, c1 c2) lies at linear 3, 6, 9.
  auto m = std::make_unique<Model>();
  zq::Mat3 t;
  zelb2::zelb2(*m, 0.3, 0.5, 0.0, t);
  EXPECT_DOUBLE_EQ(t.lin(3), std::sin(0.5));
  EXPECT_DOUBLE_EQ(t.lin(6), -std::sin(0.3) * std::cos(0.5));
  EXPECT_DOUBLE_EQ(t.lin(9), std::cos(0.3) * std::cos(0.5));
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

TEST(Rotation, ZeroAnglesGiveIdentity) {
  auto m = std::make_unique<Model>();
  m->tmparea.rtmp.fill(9.0);
  zq::Mat3 t;
  t.fill(7.0);
  zelb2::zelb2(*m, 0.0, 0.0, 0.0, t);
  for (int i = 1; i <= 3; ++i)
    for (int j = 1; j <= 3; ++j) EXPECT_EQ(t(i, j), i == j ? 1.0 : 0.0);
  const double expect[6] = {0, 0, 0, 1, 1, 1};
  for (int i = 1; i <= 6; ++i) EXPECT_EQ(m->tmparea.rtmp(i), expect[i - 1]);
}

TEST(Rotation, QuarterTurnAboutY) {
  // Rotating the frame by +90 degrees about y: old x becomes new -z (row 1 = (0, 0, -1)),
  // old z becomes new x (row 3 = (1, 0, 0)). cos(pi/2) rounds to 6.1e-17.
  auto m = std::make_unique<Model>();
  zq::Mat3 t;
  zelb2::zelb2(*m, 0.0, kPi / 2.0, 0.0, t);
  const double row1[3] = {0, 0, -1}, row2[3] = {0, 1, 0}, row3[3] = {1, 0, 0};
  for (int j = 1; j <= 3; ++j) {
    EXPECT_NEAR(t(1, j), row1[j - 1], 1e-16);
    EXPECT_NEAR(t(2, j), row2[j - 1], 1e-16);
    EXPECT_NEAR(t(3, j), row3[j - 1], 1e-16);
  }
}
