// State packing and unpacking: Cardan rates as the body rate of the attitude matrix, unpacking as
// the inverse of packing on every bearing type, packing conventions, the sweep's element loads.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "equilibrium/zela6.h"
#include "equilibrium/zelb1.h"
#include "numerics/zelb2.h"
#include "support/bearings.h"

namespace {

void expectSameMotion(const Vecmats& got, const Vecmats& want) {
  auto same = [&](auto member) {
    for (int k = 1; k <= int((got.*member).size); ++k)
      ASSERT_NEAR((got.*member).lin(k), (want.*member).lin(k), 1e-12) << k;
  };
  using V = Vecmats;
  same(&V::regci), same(&V::inerttoiaz), same(&V::retoiaz), same(&V::inerttore);
  same(&V::reangvel), same(&V::reveli), same(&V::racegc), same(&V::inerttorace);
  same(&V::racetoiaz), same(&V::raceangvel), same(&V::revel), same(&V::racevel);
}

}  // namespace

TEST(CardanRates, AngularVelocityIsTheBodyRateOfTheAttitudeMatrixAndPackingInvertsIt) {
  // Passive attitude T(a): skew(w) = -dT/dt T^T, dT/dt by central differences along the rates
  // (step 1e-6: truncation ~1e-12, rounding ~1e-10).
  auto m = std::make_unique<Model>();
  std::mt19937 gen(14);
  std::uniform_real_distribution<double> u(-3.0, 3.0);
  for (int n = 0; n < 20; ++n) {
    const double a[3] = {u(gen), u(gen) / 2.0, u(gen)}, r[3] = {u(gen), u(gen), u(gen)}, h = 1e-6;
    zq::Mat3 t, tp, tm;
    zelb2::zelb2(*m, a[0], a[1], a[2], t);
    zelb2::zelb2(*m, a[0] + h * r[0], a[1] + h * r[1], a[2] + h * r[2], tp);
    zelb2::zelb2(*m, a[0] - h * r[0], a[1] - h * r[1], a[2] - h * r[2], tm);
    double w[3] = {r[0], r[1], r[2]};
    zelb1::ratetoangvel(w[0], w[1], w[2], a[1], a[2]);
    for (int p = 1; p <= 3; ++p) {  // w_p is element (s, q) of skew(w), (p, q, s) cyclic
      const int q = p % 3 + 1, s = q % 3 + 1;
      double fd = 0.0;
      for (int k = 1; k <= 3; ++k) fd -= (tp(s, k) - tm(s, k)) / (2.0 * h) * t(q, k);
      EXPECT_NEAR(w[p - 1], fd, 1e-8);
    }
    zela6::angveltorate(*m, w[0], w[1], w[2], a[1], a[2]);
    for (int k = 0; k < 3; ++k) EXPECT_NEAR(w[k], r[k], 1e-12 * (1.0 + std::abs(r[k])));
  }
  double w[3] = {0.3, -0.4, 0.7};  // a2 = pi/2: only r1 + r3 is defined, all of it goes to r3
  zela6::angveltorate(*m, w[0], w[1], w[2], std::acos(0.0), 0.6);
  EXPECT_TRUE(w[0] == 0.0 && w[2] == 0.7);
}

TEST(StatePacking, UnpackingReturnsThePackedStateForEveryBearingType) {
  std::mt19937 gen(7);
  std::uniform_real_distribution<double> u(-1.0, 1.0);
  for (int n = 0; n < 6; ++n) {  // every test bearing, case 0 the SI ball bearing
    // Misaligned races (tilted rollers); split races on the ball bearing.
    auto b = zqtest::setUpBearing(zqtest::BearingCase(n), [n](Model& m) {
      m.opcond.appmis(1, 2) = 1.0e-3, m.opcond.appmis(2, 1) = -4.0e-4;
      if (n == 0) m.brggeom.shimthkns(1) = m.brggeom.shimthkns(2) = 2.0e-4;
      zqtest::internalGeometry(m);
    });
    Model& m = b->m();
    const Vecmats noload = m.vecmats;  // as the set-up placed every body
    zela6::zela6(m);
    zelb1::posandvels(m);
    expectSameMotion(m.vecmats, noload);
    // A random state about it, quasi-static: no axial, radial or race-centre velocity.
    for (int k = 2; k <= 12 * m.brggeom.nre + 25; ++k) m.genvecs.x(k) += u(gen);
    for (int j = 1; j <= m.brggeom.nre + 2; ++j)
      for (int s = 4; s <= (j > m.brggeom.nre ? 6 : 5); ++s) m.genvecs.x(12 * j - 11 + s) = 0.0;
    zelb1::posandvels(m);
    for (int i = 1; i <= m.brggeom.nre; ++i)  // every frame rebuilt at the new attitude
      zqtest::expectRotation(m.vecmats.inerttore.sub<3, 3>(i), "inerttore");
    const Vecmats start = m.vecmats;
    zela6::zela6(m);
    zelb1::posandvels(m);
    expectSameMotion(m.vecmats, start);
    for (int k = 1; k <= 18 && m.brggeom.nrace == 4; ++k)  // split races: second halves copied
      EXPECT_TRUE(m.vecmats.inerttorace.lin(k + 18) == m.vecmats.inerttorace.lin(k) &&
                  m.vecmats.racetoiaz.lin(k + 18) == m.vecmats.racetoiaz.lin(k));
  }
}

TEST(StatePacking, NegativeAnglesTurnOnceAndTinyRatesVanish) {
  auto b = zqtest::setUpBearing(zqtest::BearingCase::kBallSi);
  auto& x = b->m().genvecs.x;
  x(8) = -0.1, x(9) = -7.0;  // element 1, slots 7 and 8
  for (int n = 1; n <= 3; ++n) b->m().vecmats.reangvel(n, 2) = n == 3 ? 2.0e-11 : 5.0e-11;
  zela6::zela6(b->m());
  EXPECT_NEAR(x(8), b->m().constants.tpi - 0.1, 1e-15);
  EXPECT_NEAR(x(9), b->m().constants.tpi - 7.0, 1e-15);
  EXPECT_TRUE(x(23) == 5.0e-11 && x(24) == 0.0 && x(25) == 0.0);  // element 2 at zero attitude
  EXPECT_EQ(b->m().opcond.statpos(1, 2), b->m().vecmats.racegc(1, 2));  // no rotating load
}

TEST(FinalSweep, OrbitingTaperedRollerHasCentrifugalForceAndGyroscopicMomentOfItsSpin) {
  // Roller axis at reax to the bearing axis, spin w about it, orbit speed W: centrifugal force
  // m r W^2; gyroscopic moment about the azimuth y axis dH/dt = W x H with H = J_polar w along
  // the axis: -W H_z = J_polar w W sin(reax) (Harris, Rolling Bearing Analysis, ch. 6).
  auto b = zqtest::setUpBearing(zqtest::BearingCase::kTaperedSi);
  Model& m = b->m();
  m.brggeom.remi(1, 1) = 0.3;  // polar; the transverse moments stay 0
  zela6::zela6(m);
  m.genvecs.x(7) = 0.8, m.genvecs.x(11) = 5.0;  // W, w
  zelb1::zelb1(m);
  EXPECT_NEAR(m.solutions.cenforce(1), m.brggeom.remass(1) * m.genvecs.x(3) * 0.64, 1e-12);
  EXPECT_NEAR(m.solutions.gymoment(1), 0.3 * 4.0 * std::sin(m.brggeom.reax), 1e-12);
  EXPECT_TRUE(m.vecmats.revel(3, 1) == 0.8 && m.fatiguecons.iracerot(1) == 1);
  EXPECT_TRUE(m.setupb1.kload == 0 && m.setupa4.ib == m.brggeom.nre && m.setupa4.sx(2) == 1.0);
  auto ball = zqtest::setUpBearing(zqtest::BearingCase::kBallSi);
  ball->m().opcond.appload(3) = 0.0;  // pure axial load: the solved set keeps its symmetry
  zelb1::zelb1(ball->m());
  EXPECT_TRUE(ball->m().setupb1.kload == 1 && ball->m().setupa4.ib < ball->m().brggeom.nre);
}

TEST(FinalSweep, RaceReactionsBalanceTheElementForces) {
  // Balls moved outward and the inner race axially into them (every contact loaded, inner race
  // turning): the forces on the two races are minus the sum of those on the elements (inertial).
  auto b = zqtest::setUpBearing(zqtest::BearingCase::kBallSi, zqtest::noGrowth);
  Model& m = b->m();
  const int nre = m.brggeom.nre, inner = 12 * (nre + 1) + 1;
  zela6::zela6(m);
  for (int i = 1; i <= nre; ++i) m.genvecs.x(12 * i - 9) += 1.0e-3;  // radius
  m.genvecs.x(inner + 1) += 3.0e-3, m.genvecs.x(inner + 10) = 2.0;  // axial place, rotation rate
  zelb1::zelb1(m);
  zq::Vec3 sum;
  for (int i = 1; i <= nre; ++i)
    for (int n = 1; n <= 3; ++n)
      for (int r = 1; r <= 3; ++r) sum(n) += m.vecmats.inerttoiaz(r, n, i) * m.setupb1.bfors(r, i);
  for (int n = 1; n <= 3; ++n)
    EXPECT_NEAR(m.solutions.raceforce(n, 1) + m.solutions.raceforce(n, 2), -sum(n), 1e-13);
  for (int i = 1; i <= nre; ++i)
    EXPECT_GT(std::fmin(m.solutions.conload(1, i), m.solutions.conload(2, i)), 0.0) << i;
}
