// Cross product: basis vectors, orthogonality, anti-symmetry, Lagrange's identity, aliasing.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "numerics/zelg4.h"

namespace {
double dot(const zq::Vec3& u, const zq::Vec3& v) { return u(1) * v(1) + u(2) * v(2) + u(3) * v(3); }
}  // namespace

TEST(CrossProduct, RightHandedBasis) {
  const zq::Vec3 e1{1, 0, 0}, e2{0, 1, 0}, e3{0, 0, 1};
  struct Case {
    const zq::Vec3& a;
    const zq::Vec3& b;
    std::array<double, 3> c;
  };
  const Case cases[] = {{e1, e2, {0, 0, 1}},  {e2, e3, {1, 0, 0}},  {e3, e1, {0, 1, 0}},
                        {e2, e1, {0, 0, -1}}, {e3, e2, {-1, 0, 0}}, {e1, e3, {0, -1, 0}},
                        {e1, e1, {0, 0, 0}}};
  for (const Case& k : cases) {
    zq::Vec3 c;
    zelg4::zelg4(k.a, k.b, c);
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(c(i), k.c[std::size_t(i - 1)]);
  }
}

TEST(CrossProduct, OrthogonalAntisymmetricAndLagrange) {
  const std::array<std::array<double, 6>, 4> pairs{{{1.5, -2.0, 0.25, 3.0, 0.5, -1.0},
                                                    {0.1, 0.2, 0.3, -4.0, 5.0, 6.0},
                                                    {1e3, 2e-3, -7.0, 0.0, 1.0, 1.0},
                                                    {2.0, 4.0, 6.0, 1.0, 2.0, 3.0}}};
  for (const auto& p : pairs) {
    const zq::Vec3 a{p[0], p[1], p[2]}, b{p[3], p[4], p[5]};
    zq::Vec3 ab, ba;
    zelg4::zelg4(a, b, ab);
    zelg4::zelg4(b, a, ba);
    const double scale = std::sqrt(dot(a, a) * dot(b, b));
    EXPECT_NEAR(dot(ab, a), 0.0, 1e-14 * scale * std::sqrt(dot(a, a)));
    EXPECT_NEAR(dot(ab, b), 0.0, 1e-14 * scale * std::sqrt(dot(b, b)));
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(ab(i), -ba(i));
    // |a x b|^2 = |a|^2 |b|^2 - (a.b)^2
    EXPECT_NEAR(dot(ab, ab), dot(a, a) * dot(b, b) - dot(a, b) * dot(a, b), 1e-12 * scale * scale);
  }
}

TEST(CrossProduct, ResultMayOverwriteAnArgument) {
  zq::Vec3 a{1, 2, 3};
  const zq::Vec3 b{4, 5, 6};
  zelg4::zelg4(a, b, a);  // (2*6 - 3*5, 3*4 - 1*6, 1*5 - 2*4) = (-3, 6, -3)
  EXPECT_EQ(a(1), -3.0);
  EXPECT_EQ(a(2), 6.0);
  EXPECT_EQ(a(3), -3.0);
}
