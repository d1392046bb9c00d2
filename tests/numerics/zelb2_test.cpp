// Frames: the attitude matrix of three passive rotations is the product of the elementary ones,
// turns back by its transpose and is right-handed (row 1 x row 2 = row 3); its derivatives in the
// second and third angle match central differences; the planar angle is the azimuth in [0, 2 pi).
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <memory>
#include <numbers>

#include "model/model.h"
#include "numerics/zelb2.h"
#include "numerics/zelb22.h"
#include "numerics/zelb23.h"
#include "numerics/zelb3.h"
#include "numerics/zelg4.h"

namespace {
constexpr double kPi = std::numbers::pi;
using M3 = std::array<std::array<double, 3>, 3>;  // [row][column]
// Elementary passive rotations about x, y, z, rows as written in the frame conventions.
M3 r1(double q) { return {{{1, 0, 0}, {0, std::cos(q), std::sin(q)}, {0, -std::sin(q), std::cos(q)}}}; }
M3 r2(double q) { return {{{std::cos(q), 0, -std::sin(q)}, {0, 1, 0}, {std::sin(q), 0, std::cos(q)}}}; }
M3 r3(double q) { return {{{std::cos(q), std::sin(q), 0}, {-std::sin(q), std::cos(q), 0}, {0, 0, 1}}}; }
}  // namespace

TEST(Rotation, ProductOfElementaryRotationsWithCentralDifferenceDerivatives) {
  // Derivatives: step h = 1e-5 rad, truncation h^2/6 |t'''| <= 1.7e-11, rounding 1e-16/h;
  // tolerance 1e-9. They take the sines and cosines that zelb2 leaves in tmparea::rtmp(1..6).
  auto m = std::make_unique<Model>();
  const double h = 1e-5;
  for (const auto& q : {std::array<double, 3>{0.3, 0, 0}, {0, -0.7, 2.1}, {-1.2, 0.9, 4.0}, {3.0, -1.5, -2.5},
                        {kPi / 2, kPi / 2, kPi / 2}}) {
    auto at = [&](double a2, double a3) { zq::Mat3 r; zelb2::zelb2(*m, q[0], a2, a3, r); return r; };
    const zq::Mat3 t2p = at(q[1] + h, q[2]), t2m = at(q[1] - h, q[2]), t3p = at(q[1], q[2] + h);
    const zq::Mat3 t3m = at(q[1], q[2] - h), t = at(q[1], q[2]);  // t last: its sines stay in rtmp
    zq::Mat3 d2, d3;
    const auto& r = m->tmparea.rtmp;
    const zq::Vec3 s{r(1), r(2), r(3)}, c{r(4), r(5), r(6)};
    zelb22::zelb22(s, c, d2);
    zelb23::zelb23(s, c, d3);
    const M3 e3 = r3(q[2]), e2 = r2(q[1]), e1 = r1(q[0]);
    for (int i = 1; i <= 3; ++i)
      for (int j = 1; j <= 3; ++j) {
        SCOPED_TRACE(testing::Message() << q[0] << ' ' << q[1] << ' ' << q[2] << " element " << i << j);
        double ref = 0.0, ttt = 0.0;  // (R3 R2 R1)(i, j) and (t t^T)(i, j): there and back again
        for (int k = 0; k < 3; ++k) {
          ttt += t(i, k + 1) * t(j, k + 1);
          for (int l = 0; l < 3; ++l) ref += e3[i - 1][k] * e2[k][l] * e1[l][j - 1];
        }
        EXPECT_NEAR(t(i, j), ref, 1e-15);
        EXPECT_NEAR(ttt, i == j, 1e-15);
        EXPECT_NEAR(d2(i, j), (t2p(i, j) - t2m(i, j)) / (2.0 * h), 1e-9);
        EXPECT_NEAR(d3(i, j), (t3p(i, j) - t3m(i, j)) / (2.0 * h), 1e-9);
      }
    zq::Vec3 u{t(1, 1), t(1, 2), t(1, 3)}, v{t(2, 1), t(2, 2), t(2, 3)};
    zelg4::zelg4(u, v, u);  // the result may overwrite an argument
    for (int k = 1; k <= 3; ++k) EXPECT_NEAR(u(k), t(3, k), 1e-15) << k;
  }
}

TEST(PlanarAngle, AzimuthFromPlusZTowardMinusYInZeroToTwoPi) {
  // Exact on the axes (+z is 0, not 2 pi); a NaN component gives NaN, never a valid azimuth.
  auto m = std::make_unique<Model>();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double cases[][3] = {{0, 0, 0}, {-3.5, 0, kPi / 2}, {0, -1, kPi}, {2e-300, 0, 1.5 * kPi}, {0, 123, 0},
                             {1, 1, 1.75 * kPi}, {-1, -1, 0.75 * kPi}, {0.01, 1, 2 * kPi - std::atan(0.01)},
                             {nan, 0, nan}, {1, nan, nan}};
  for (const auto& c : cases) {
    const double q = zelb3::zelb3(*m, c[0], c[1]);
    EXPECT_TRUE(std::isnan(c[2]) ? std::isnan(q) : std::abs(q - c[2]) <= 1e-15) << c[0] << ' ' << c[1];
  }
  // Just counter-clockwise of +z, adding 2 pi rounds to 2 pi itself: the angle must fold back.
  const double q = zelb3::zelb3(*m, 1e-17, 1.0);
  EXPECT_TRUE(q >= 0.0 && q < 2.0 * kPi) << q;
}
