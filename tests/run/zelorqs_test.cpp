// Output-data step, totals and the run's ends (exit statuses, console texts), on hand-made
// states whose expected values follow from geometry and the definitions of the quantities.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>
#include <sstream>

#if defined(__x86_64__)
#include <xmmintrin.h>
#endif

#include "model/model.h"
#include "run/zelorqs.h"

namespace {

constexpr double kPi = std::numbers::pi;

std::unique_ptr<Model> freshModel() {
  auto m = std::make_unique<Model>();
  m->constants.pi2 = kPi / 2.0;  // set by the input stage in a real run
  return m;
}

struct OrientationCase {
  const char* name;
  double v1, v2, v3;
  double mag, a1, a2;
};

// Expected angles from the definitions: a1 is the angle from the +x axis, a2 the azimuth of the
// radial part measured from +z toward -y.
const OrientationCase kOrientationCases[] = {
    {"zero", 0, 0, 0, 0, 0, 0},
    {"plus_x", 2, 0, 0, 2, 0, 0},
    {"minus_x", -2, 0, 0, 2, kPi, 0},
    {"plus_z", 0, 0, 3, 3, kPi / 2, 0},
    {"minus_y", 0, -1, 0, 1, kPi / 2, kPi / 2},
    {"plus_y", 0, 1, 0, 1, kPi / 2, 1.5 * kPi},
    {"tiny_radial_dropped", 1, 1e-12, 0, std::sqrt(1.0 + 1e-24), 0, 0},
    {"x_and_y", 1, 1, 0, std::sqrt(2.0), kPi / 4, 1.5 * kPi},
    {"minus_x_and_z", -1, 0, 1, std::sqrt(2.0), 0.75 * kPi, 0},
    // |(0, 3, -4)| = 5, all radial: sin a2 = -3/5, cos a2 = -4/5, a2 = pi + atan(3/4).
    {"y_and_minus_z", 0, 3, -4, 5, kPi / 2, kPi + std::atan(0.75)},
};

class VectorOrientation : public ::testing::TestWithParam<OrientationCase> {};

TEST_P(VectorOrientation, MagnitudeAndAnglesFollowTheAxisConventions) {
  const auto& c = GetParam();
  auto m = freshModel();
  zq::Vec3 v{c.v1, c.v2, c.v3};
  const auto o = zelorqs::vectororientation(*m, v);
  EXPECT_NEAR(o.mag, c.mag, 1e-15);
  EXPECT_NEAR(o.a1, c.a1, 1e-14);
  EXPECT_NEAR(o.a2, c.a2, 1e-14);
  // The vector back, v = mag (cos a1, -sin a1 sin a2, sin a1 cos a2), but for a radial part
  // below 1e-12 of the magnitude, which is dropped.
  const double tol = 1e-12 * std::max(1.0, o.mag);
  EXPECT_NEAR(o.mag * std::cos(o.a1), c.v1, tol);
  EXPECT_NEAR(-o.mag * std::sin(o.a1) * std::sin(o.a2), c.v2, tol);
  EXPECT_NEAR(o.mag * std::sin(o.a1) * std::cos(o.a2), c.v3, tol);
}

INSTANTIATE_TEST_SUITE_P(Cases, VectorOrientation, ::testing::ValuesIn(kOrientationCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A two-element state: element orbital velocities 2 and 4, race 2 moving off the axis.
std::unique_ptr<Model> twoElementState() {
  auto m = freshModel();
  m->brggeom.nre = 2;
  auto& vm = m->vecmats;
  vm.raceangvel(1, 1) = 1.5;
  vm.raceangvel(1, 2) = 11.5;
  vm.revel(3, 1) = 2.0;
  vm.revel(3, 2) = 4.0;
  for (int i = 1; i <= 2; ++i) {
    for (int k = 1; k <= 3; ++k) vm.retoiaz(k, k, i) = 1.0;
    vm.reangveli(1, i) = 0.0;
    vm.reangveli(3, i) = -3.0;
  }
  for (int j = 1; j <= 2; ++j)
    for (int k = 1; k <= 3; ++k) vm.inerttorace(k, k, j) = 1.0;
  auto& x = m->genvecs.x;
  x(4) = 0.5 * kPi;             // azimuth of element 1
  x(12 * 0 + 3) = 10.0;         // radius of element 1
  x(12 * 1 + 3) = 11.0;         // radius of element 2
  const int k2 = 12 * (2 + 2 - 1) + 1;  // race 2
  x(k2 + 1) = 0.1;
  x(k2 + 2) = 0.3;
  x(k2 + 3) = 0.4;
  x(k2 + 7) = 3.0 * kPi;
  vm.racevel(1, 2) = 0.7;
  vm.racevel(2, 2) = -0.2;
  vm.racevel(3, 2) = 0.5;
  m->solutions.conload(1, 2) = 0.25;  // element 2 loads the outer race
  m->solutions.conload(2, 1) = 0.0;   // no element loads the inner race
  m->solutions.conload(2, 2) = -1.0;
  return m;
}

TEST(OutputData, SpeedRatiosContactLossAndElementSpin) {
  auto m = twoElementState();
  zelorqs::setupoutputdata(*m);
  const auto& s = m->solutions;
  // Orbital speed ratios over the relative race speed 11.5 - 1.5 = 10.
  EXPECT_DOUBLE_EQ(s.bangvel, 10.0);
  EXPECT_DOUBLE_EQ(s.reorbvelr(1), 0.2);
  EXPECT_DOUBLE_EQ(s.reorbvelr(2), 0.4);
  EXPECT_DOUBLE_EQ(s.angp1, 0.25);
  // avereex = (vmax - vmin) / 2 * sum(r) / sum(v) = 1 * 21 / 6
  EXPECT_DOUBLE_EQ(s.avereex, 21.0 / 6.0);
  // No element loads the inner race.
  EXPECT_EQ(s.kconload(1), 0);
  EXPECT_EQ(s.kconload(2), 1);
  // (0, 0, -3): magnitude 3, radial (a1 = pi/2), pointing along -z (a2 = pi).
  EXPECT_DOUBLE_EQ(s.reangvels(1, 1), 3.0);
  EXPECT_DOUBLE_EQ(s.reangvels(2, 1), kPi / 2);
  EXPECT_DOUBLE_EQ(s.reangvels(3, 1), kPi);
  // Element axis along the azimuth frame's x: both angles 0.
  EXPECT_EQ(s.reaxis(1, 2), 0.0);
  EXPECT_EQ(s.reaxis(2, 2), 0.0);
  // Equal race speeds give the unit reference; a zero orbital velocity sum no excursion.
  auto e = twoElementState();
  e->vecmats.raceangvel(1, 2) = e->vecmats.raceangvel(1, 1);
  e->vecmats.revel(3, 1) = -4.0;
  zelorqs::setupoutputdata(*e);
  EXPECT_EQ(e->solutions.bangvel, 1.0);
  EXPECT_EQ(e->solutions.reorbvelr(2), 4.0);
  EXPECT_EQ(e->solutions.avereex, 0.0);
  // A bearing turning backwards (orbital speeds -1 and -3) has the same excursion.
  auto b = twoElementState();
  b->vecmats.revel(3, 1) = -1.0, b->vecmats.revel(3, 2) = -3.0;
  zelorqs::setupoutputdata(*b);
  EXPECT_DOUBLE_EQ(b->solutions.avereex, 21.0 / 4.0);
}

// The axis angles come from the first column of the frame matrix (the body's x axis in the
// outer frame), not its first row: a non-symmetric matrix tells them apart.
TEST(OutputData, AxisAnglesComeFromTheFirstColumn) {
  auto m = twoElementState();
  auto& vm = m->vecmats;
  const double el[3][3] = {{0.6, 0.0, -0.8}, {0.0, 1.0, 0.0}, {0.8, 0.0, 0.6}};  // rows
  const double race[3][3] = {{0.6, 0.8, 0.0}, {-0.8, 0.6, 0.0}, {0.0, 0.0, 1.0}};
  for (int r = 1; r <= 3; ++r)
    for (int c = 1; c <= 3; ++c) {
      vm.retoiaz(r, c, 1) = el[r - 1][c - 1];
      vm.inerttorace(r, c, 2) = race[r - 1][c - 1];
    }
  zelorqs::setupoutputdata(*m);
  const auto& s = m->solutions;
  // element: first column (0.6, 0, 0.8): 53.13 deg from x, radial part along +z (a2 = 0)
  EXPECT_DOUBLE_EQ(s.reaxis(1, 1), std::asin(0.8));
  EXPECT_EQ(s.reaxis(2, 1), 0.0);
  // race 2: first column (0.6, -0.8, 0): radial part along -y (a2 = pi/2)
  EXPECT_DOUBLE_EQ(s.raceaxis(1, 2), std::asin(0.8));
  EXPECT_DOUBLE_EQ(s.raceaxis(2, 2), kPi / 2);
  EXPECT_EQ(s.raceaxis(1, 1), 0.0);
}

TEST(OutputData, RaceOnTheAxisHasNoRadialMotion) {
  auto m = twoElementState();
  zelorqs::setupoutputdata(*m);
  const auto& s = m->solutions;
  for (int k = 2; k <= 3; ++k) {
    EXPECT_EQ(s.racepos(k, 1), 0.0);
    EXPECT_EQ(s.racevels(k, 1), 0.0);
    EXPECT_EQ(s.raceaccs(k, 1), 0.0);
  }
  // Offset at most the tolerance: positions are the Cartesian Y, Z themselves.
  const int k1 = 12 * (2 + 1 - 1) + 1;
  m->genvecs.x(k1 + 2) = 3e-11;
  m->genvecs.x(k1 + 3) = -4e-11;
  m->vecmats.racevel(2, 1) = 1.0;
  zelorqs::setupoutputdata(*m);
  EXPECT_EQ(s.racepos(2, 1), 3e-11);
  EXPECT_EQ(s.racepos(3, 1), -4e-11);
  EXPECT_EQ(s.racevels(2, 1), 0.0);
}

// Race centre moving with constant Cartesian velocity: radial and angular rates and
// accelerations are the time derivatives of r(t) and atan2(-Y(t), Z(t)).
TEST(OutputData, RaceCylindricalRatesAreTimeDerivatives) {
  auto m = twoElementState();
  zelorqs::setupoutputdata(*m);
  const auto& s = m->solutions;
  const double y0 = 0.3, z0 = 0.4, vy = -0.2, vz = 0.5;
  auto r = [&](double t) { return std::hypot(y0 + vy * t, z0 + vz * t); };
  auto th = [&](double t) { return std::atan2(-(y0 + vy * t), z0 + vz * t); };
  const double h = 1e-4;
  EXPECT_DOUBLE_EQ(s.racepos(1, 2), 0.1);
  EXPECT_DOUBLE_EQ(s.racevels(1, 2), 0.7);
  EXPECT_EQ(s.raceaccs(1, 2), 0.0);
  EXPECT_DOUBLE_EQ(s.racepos(2, 2), 0.5);
  EXPECT_NEAR(s.racepos(3, 2), th(0) + 2 * kPi, 1e-15);
  EXPECT_NEAR(s.racevels(2, 2), (r(h) - r(-h)) / (2 * h), 1e-8);
  EXPECT_NEAR(s.racevels(3, 2), (th(h) - th(-h)) / (2 * h), 1e-8);
  EXPECT_NEAR(s.raceaccs(2, 2), (r(h) - 2 * r(0) + r(-h)) / (h * h), 1e-6);
  EXPECT_NEAR(s.raceaccs(3, 2), (th(h) - 2 * th(0) + th(-h)) / (h * h), 1e-6);
  EXPECT_DOUBLE_EQ(s.racerot(2), 1.5);
  EXPECT_DOUBLE_EQ(s.raceposin(2, 2), 0.3);
  EXPECT_DOUBLE_EQ(s.raceposin(3, 2), 0.4);
}

// Totals: power loss from contacts 1 and 2 (and the flanges of roller bearings), race wear with
// the per-race constant on the unscaled wear, element wear rescaled once.
std::unique_ptr<Model> wearState(int kbrg) {
  auto m = freshModel();
  m->brggeom.kbrg = kbrg;
  m->brggeom.nre = 2;
  m->constants.crewr = 2.0;
  m->constants.cracewr(1) = 3.0;
  m->constants.cracewr(2) = 5.0;
  auto& s = m->solutions;
  for (int i = 1; i <= 2; ++i) {
    for (int j = 1; j <= 4; ++j) {
      s.resv(j, i) = 1.0 * j + 10.0 * i;         // 11..14, 21..24
      s.flngsv(j, i) = 100.0 * j + 1000.0 * i;    // flange sides
      s.raceflngwri(j, i) = 0.5 * j + i;
      s.rewr(j, i) = 0.25 * j + i;
    }
    s.reendwr(1, i) = 7.0 * i;
    s.reendwr(2, i) = 9.0 * i;
  }
  s.powerloss = 99.0;  // stale values are replaced
  s.raceflngwr(1) = 99.0;
  return m;
}

TEST(Totals, BallBearingSumsRaceContactsOnly) {
  auto m = wearState(1);
  zelorqs::totals(*m);
  const auto& s = m->solutions;
  EXPECT_DOUBLE_EQ(s.powerloss, 11 + 12 + 21 + 22);
  for (int k = 1; k <= 4; ++k) EXPECT_EQ(s.raceflngwr(k), 0.0);
  EXPECT_EQ(s.reendwr(1, 1), 7.0);  // untouched for ball bearings
  // racewr(j) = cracewr(j) * sum_i rewr(j, i) before rescaling
  EXPECT_DOUBLE_EQ(s.racewr(1), 3.0 * (1.25 + 2.25));
  EXPECT_DOUBLE_EQ(s.racewr(2), 5.0 * (1.5 + 2.5));
  EXPECT_DOUBLE_EQ(s.rewr(1, 2), 2.0 * 2.25);
  EXPECT_DOUBLE_EQ(s.rewr(3, 2), 2.75);  // second contacts of a split race stay unscaled
}

TEST(Totals, RollerBearingAddsFlangesAndEndWear) {
  auto m = wearState(4);
  zelorqs::totals(*m);
  const auto& s = m->solutions;
  const double flanges = (100 + 200 + 300 + 400) * 2 + 1000.0 * 4 * (1 + 2);
  EXPECT_DOUBLE_EQ(s.powerloss, 11 + 12 + 21 + 22 + flanges);
  // Flange load x slip turned into wear with the constant of the flange's race.
  EXPECT_DOUBLE_EQ(s.raceflngwr(1), 3.0 * (1.5 + 2.5));
  EXPECT_DOUBLE_EQ(s.raceflngwr(4), 5.0 * (3.0 + 4.0));
  EXPECT_DOUBLE_EQ(s.reendwr(1, 2), 28.0);
  EXPECT_DOUBLE_EQ(s.reendwr(2, 1), 18.0);
}

TEST(Run, CompletionNoticeText) {
  std::ostringstream out;
  zelorqs::completionnotice(out);
  EXPECT_EQ(out.str(),
            "\n"
            "     Execution completed sucessfully..\n"
            "\n"
            "     Please open PRINT.TXT file in the current directory\n"
            "     to look at the results.\n"
            "\n"
            "\n");
}

#if defined(__x86_64__)
TEST(Run, FlushToZeroTreatsSubnormalsAsZero) {
  const unsigned saved = _mm_getcsr();
  zq::setFlushToZero();
  volatile double tiny = 1.0e-300;
  volatile double scale = 1.0e-10;
  const double product = tiny * scale;  // 1e-310 is subnormal: flushed to zero
  volatile double sub = 4.9e-324;        // a subnormal operand reads as zero
  const double sum = sub + 0.0;
  _mm_setcsr(saved);
  EXPECT_EQ(product, 0.0);
  EXPECT_EQ(sum, 0.0);
}
#endif

}  // namespace
