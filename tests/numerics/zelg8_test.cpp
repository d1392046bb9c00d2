// Repeatable normal scatter: the quantile table against the standard normal distribution, its
// symmetry and order, the fixed hand-out sequence with its wrap, and the element size variations
// built from it. Reference quantiles: standard normal inverse, e.g. z(0.99) = 2.3263478740,
// z(0.84) = 0.9944578832 (tables of the normal distribution).
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "model/model.h"
#include "numerics/zelg8.h"
#include "run/zela1.h"

namespace {

// The hand-out order of quantile indices.
constexpr int kOrder[40] = {98, 58, 74, 3,  92, 14, 71, 53, 40, 3,  11, 96, 56, 40,
                            76, 60, 97, 66, 27, 67, 65, 94, 30, 64, 39, 85, 1,  71,
                            55, 94, 59, 87, 37, 50, 71, 65, 40, 99, 29, 48};

std::unique_ptr<Model> withTables() {
  auto m = std::make_unique<Model>();
  int istart = 0;
  zelg8::zelg8(*m, istart, 0, nullptr);
  EXPECT_EQ(istart, 1);
  return m;
}

TEST(NormalQuantiles, MedianZeroAndAntisymmetric) {
  auto m = withTables();
  const auto& g = m->constants.gpop;
  EXPECT_EQ(g(50), 0.0);
  EXPECT_FALSE(std::signbit(g(50)));
  for (int i = 1; i <= 49; ++i) EXPECT_EQ(g(i), -g(100 - i)) << i;
  for (int i = 1; i <= 98; ++i) EXPECT_LT(g(i), g(i + 1)) << i;
  EXPECT_EQ(g(100), 0.0);  // outside the 99 quantiles
}

TEST(NormalQuantiles, MatchTheStandardNormal) {
  // Linear inversion of a table with step 0.01 in x: error below 1e-4 up to the 99 % point.
  auto m = withTables();
  const auto& g = m->constants.gpop;
  struct Case {
    int i;
    double z;
  };
  const Case cases[] = {{99, 2.3263478740}, {95, 1.6448536270}, {90, 1.2815515655},
                        {84, 0.9944578832}, {75, 0.6744897502}, {51, 0.0250689083},
                        {1, -2.3263478740}};
  for (const Case& c : cases) EXPECT_NEAR(g(c.i), c.z, 1e-4) << c.i;
}

TEST(ScatterSequence, HandsOutTheFixedOrderAndWrapsAfterForty) {
  auto m = withTables();
  const auto& g = m->constants.gpop;
  double z[40] = {};
  int istart = 1;
  zelg8::zelg8(*m, istart, 4, z);
  EXPECT_EQ(istart, 1);
  for (int k = 0; k < 4; ++k) EXPECT_EQ(z[k], g(kOrder[k])) << k;
  istart = 2;
  zelg8::zelg8(*m, istart, 40, z);
  for (int k = 1; k <= 39; ++k) EXPECT_EQ(z[k - 1], g(kOrder[k])) << k;
  EXPECT_EQ(z[39], g(kOrder[0]));  // IR(1) after IR(40)
}

std::unique_ptr<Model> scatterModel(int kbrg, int nre, int kregeoimp = 1) {
  auto m = std::make_unique<Model>();
  auto& g = m->brggeom;
  g.kbrg = kbrg;
  g.nre = nre;
  g.rermsdiavar = 1.0;
  g.rermslenvar = 2.0;
  g.rermscenlenvar = 3.0;
  g.rermsclenoffset = 4.0;
  m->options.kregeoimp = kregeoimp;
  return m;
}

TEST(ElementScatter, DiameterVariationsOfFourBalls) {
  auto m = scatterModel(1, 4);
  m->brggeom.relenvar(1) = 0.25;  // ball: length variations keep what they had
  zela1::geomimp(*m);
  const auto& g = m->brggeom;
  const auto& q = m->constants.gpop;
  EXPECT_EQ(g.rediavar(1), q(98));
  EXPECT_EQ(g.rediavar(2), q(58));
  EXPECT_EQ(g.rediavar(3), q(74));
  EXPECT_EQ(g.rediavar(4), q(3));
  for (int i = 5; i <= 40; ++i) EXPECT_EQ(g.rediavar(i), 0.0) << i;
  EXPECT_EQ(g.relenvar(1), 0.25);
  EXPECT_EQ(g.recenlenvar(1), 0.0);
}

TEST(ElementScatter, RollerSeriesAreTheSequenceShiftedByOne) {
  for (int kbrg : {2, 4}) {
    auto m = scatterModel(kbrg, 40);
    zela1::geomimp(*m);
    const auto& g = m->brggeom;
    const auto& q = m->constants.gpop;
    for (int i = 1; i <= 40; ++i) {
      EXPECT_EQ(g.rediavar(i), q(kOrder[(i - 1) % 40])) << i;
      EXPECT_EQ(g.relenvar(i), 2.0 * q(kOrder[i % 40])) << i;
      EXPECT_EQ(g.recenlenvar(i), 3.0 * q(kOrder[(i + 1) % 40])) << i;
      EXPECT_EQ(g.recenlenoffset(i), 4.0 * q(kOrder[(i + 2) % 40])) << i;
    }
    // Element i's length deviate is element i + 1's diameter deviate.
    EXPECT_EQ(g.relenvar(7) / 2.0, g.rediavar(8));
    EXPECT_EQ(g.relenvar(40) / 2.0, g.rediavar(1));  // the length series ends with IR(1)
  }
}

TEST(ElementScatter, OnlyForRmsInput) {
  for (int k : {0, 2}) {
    auto m = scatterModel(2, 10, k);
    m->brggeom.rediavar(3) = 1.5e-6;  // a diameter list stays as read
    zela1::geomimp(*m);
    EXPECT_EQ(m->brggeom.rediavar(3), 1.5e-6);
    EXPECT_EQ(m->brggeom.relenvar(3), 0.0);
    EXPECT_EQ(m->constants.gpop(99), 0.0);
  }
}

}  // namespace
