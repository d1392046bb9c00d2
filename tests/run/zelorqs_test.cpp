// The run's last steps and ends: output data of a hand-made state by geometry and the
// definitions of its quantities, the completion notice, the floating-point mode, the error
// reporter's blocks line by line with the fatal stop and the clearing of the record.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <memory>
#include <numbers>
#include <sstream>

#if defined(__x86_64__)
#include <xmmintrin.h>
#endif

#include "model/model.h"
#include "run/stop.h"
#include "run/zela1.h"
#include "run/zela9.h"
#include "run/zelorqs.h"

namespace {

constexpr double kPi = std::numbers::pi;

// Two elements with orbital velocities 2 and 4 at radii 10 and 11, spin (0, 0, -3), races
// turning at 1.5 and 11.5, race 2 at (0.1, 0.3, 0.4) moving with (0.7, -0.2, 0.5); element 2
// loads the outer race, none the inner. Element 1's and race 2's frames have non-symmetric
// first rows and columns: an axis is the first column.
std::unique_ptr<Model> twoElementState() {
  auto m = std::make_unique<Model>();
  zela1::startconstants(*m);
  m->brggeom.nre = 2;
  auto& vm = m->vecmats;
  vm.raceangvel(1, 1) = 1.5, vm.raceangvel(1, 2) = 11.5, vm.revel(3, 1) = 2, vm.revel(3, 2) = 4;
  const double el[3][3] = {{0.6, 0.0, -0.8}, {0.0, 1.0, 0.0}, {0.8, 0.0, 0.6}};  // rows
  const double race[3][3] = {{0.6, 0.8, 0.0}, {-0.8, 0.6, 0.0}, {0.0, 0.0, 1.0}};
  for (int i = 1; i <= 2; ++i) {
    vm.reangveli(3, i) = -3.0;
    for (int r = 1; r <= 3; ++r)
      for (int c = 1; c <= 3; ++c) {
        vm.retoiaz(r, c, i) = i == 1 ? el[r - 1][c - 1] : r == c;
        vm.inerttorace(r, c, i) = i == 2 ? race[r - 1][c - 1] : r == c;
      }
  }
  auto& x = m->genvecs.x;
  x(3) = 10.0, x(4) = 0.5 * kPi, x(15) = 11.0;  // radius and azimuth of element 1, radius of 2
  x(38) = 0.1, x(39) = 0.3, x(40) = 0.4, x(44) = 3.0 * kPi;  // race 2 (body 4)
  vm.racevel(1, 2) = 0.7, vm.racevel(2, 2) = -0.2, vm.racevel(3, 2) = 0.5;
  m->solutions.conload(1, 2) = 0.25, m->solutions.conload(2, 2) = -1.0;
  return m;
}

TEST(OutputData, SpeedRatiosAxesAndRaceMotionFollowTheirDefinitions) {
  auto m = twoElementState();
  zelorqs::setupoutputdata(*m);
  const auto& s = m->solutions;
  EXPECT_DOUBLE_EQ(s.reorbvelr(2), 0.4);  // over the relative race speed 11.5 - 1.5
  EXPECT_DOUBLE_EQ(s.angp1, 0.25);
  EXPECT_DOUBLE_EQ(s.avereex, 21.0 / 6.0);  // (vmax - vmin)/2 sum(r)/sum(v)
  EXPECT_EQ(s.kconload(1) * 10 + s.kconload(2), 1);
  // Magnitude, angle from +x and azimuth of the radial part from +z toward -y: (0, 0, -3)
  // radial along -z; element 1's axis (0.6, 0, 0.8) 53.13 deg from x toward +z, race 2's
  // (0.6, -0.8, 0) toward -y; element 2 and race 1 along x.
  const double a = std::asin(0.8);
  for (const auto& [got, want] : {std::pair{s.reangvels(1, 1), 3.0}, {s.reangvels(2, 1), kPi / 2}, {s.reangvels(3, 1), kPi}, {s.reaxis(1, 1), a}, {s.raceaxis(1, 2), a}, {s.raceaxis(2, 2), kPi / 2}, {s.reaxis(2, 1) + s.reaxis(1, 2) + s.raceaxis(1, 1), 0.0}})
    EXPECT_NEAR(got, want, 1e-15);
  // Race 2's cylindrical rates are the derivatives of r(t) and atan2(-Y(t), Z(t)) at constant
  // Cartesian velocity (central differences, step 1e-4); race 1 on the axis has none.
  constexpr double y0 = 0.3, z0 = 0.4, vy = -0.2, vz = 0.5, h = 1e-4;
  auto r = [](double t) { return std::hypot(y0 + vy * t, z0 + vz * t); };
  auto th = [](double t) { return std::atan2(-(y0 + vy * t), z0 + vz * t); };
  EXPECT_EQ(s.racepos(1, 2) + s.racevels(1, 2) + s.raceaccs(1, 2), 0.1 + 0.7);
  EXPECT_DOUBLE_EQ(s.racepos(2, 2), 0.5);
  EXPECT_NEAR(s.racepos(3, 2), th(0) + 2 * kPi, 1e-15);
  for (const auto& [f, k] : {std::pair{+r, 2}, {+th, 3}}) {
    EXPECT_NEAR(s.racevels(k, 2), (f(h) - f(-h)) / (2 * h), 1e-8) << k;
    EXPECT_NEAR(s.raceaccs(k, 2), (f(h) - 2 * f(0) + f(-h)) / (h * h), 1e-6) << k;
  }
  EXPECT_EQ(s.racepos(2, 1) + s.racevels(3, 1) + s.raceaccs(2, 1), 0.0);
  EXPECT_DOUBLE_EQ(s.racerot(2), 1.5);
  EXPECT_EQ(s.raceposin(1, 2) + s.raceposin(2, 2) + s.raceposin(3, 2), 0.1 + 0.3 + 0.4);
  // Equal race speeds give the unit reference, a zero orbital velocity sum no excursion; a
  // bearing turning backwards (-1, -3) the same excursion as forwards. A radial part below
  // 1e-12 of the magnitude is dropped.
  m->vecmats.raceangvel(1, 2) = 1.5;
  m->vecmats.revel(3, 1) = -4.0;
  m->vecmats.reangveli(2, 2) = 3e-12;
  zelorqs::setupoutputdata(*m);
  EXPECT_EQ(s.reorbvelr(2), 4.0);
  EXPECT_EQ(s.avereex, 0.0);
  EXPECT_DOUBLE_EQ(s.reangvels(3, 2), kPi);
  m->vecmats.revel(3, 1) = -1.0, m->vecmats.revel(3, 2) = -3.0;
  zelorqs::setupoutputdata(*m);
  EXPECT_DOUBLE_EQ(s.avereex, 21.0 / 4.0);
}

TEST(RunEnd, CompletionNoticeAndSubnormalsFlushedToZero) {
  std::ostringstream out;
  zelorqs::completionnotice(out);
  EXPECT_EQ(out.str(), "\n     Execution completed sucessfully..\n\n     Please open PRINT.TXT file in the current directory\n     to look at the results.\n\n\n");
#if defined(__x86_64__)
  // From a clean mode: a subnormal product (1e-310) comes out as zero, a subnormal operand
  // (4.9e-324) reads as zero even where the product (4.9e-24) would be normal. Bit patterns,
  // since the restored mode may still flush.
  const unsigned saved = _mm_getcsr();
  _mm_setcsr(saved & ~0x8040u);
  zq::setFlushToZero();
  volatile double tiny = 1.0e-300, scale = 1.0e-10, sub = 4.9e-324, big = 1.0e300;
  volatile double product = tiny * scale, sum = sub * big;  // stored before the mode returns
  _mm_setcsr(saved);
  EXPECT_EQ(std::bit_cast<std::uint64_t>(double(product)), 0u);
  EXPECT_EQ(std::bit_cast<std::uint64_t>(double(sum)), 0u);
#endif
}

std::string pad(const std::string& s, std::size_t n) { return s + std::string(n - s.size(), ' '); }

TEST(ErrorReporter, BlocksLineByLineAndTheFatalStop) {
  // A warning: code line, messages, integer and real lists (at most ten) under their headings.
  auto m = std::make_unique<Model>();
  std::ostringstream out;
  m->devices.report.attach(out);
  m->errors.iterminate = 1;  // every field is set by the raiser
  zq::raiseError(*m, {12, -3, false, {"First line", "Second line"}, "Iteration count", {101, -7},
                      "Coefficients", {1234.5, -0.0125, 0, 4, 5, 6, 7, 8, 9, 10, 11}});
  zela9::zela9(*m);
  const std::string code = "\n\n     Encountered error code:  ";
  EXPECT_EQ(out.str(), code + " 12     Supplementary code:   -3\n\n     " + pad("First line", 132) +
                           "\n     " + pad("Second line", 132) + "\n\n     " +
                           pad("Iteration count", 72) + "\n        101    -7\n\n     " +
                           pad("Coefficients", 72) + "\n       1.2345E+03 -1.2500E-02  0.0000E+00  4.0000E+00  5.0000E+00  6.0000E+00  7.0000E+00  8.0000E+00  9.0000E+00  1.0000E+01\n");
  // Nothing of it survives: a later raiser that sets only the code prints no stale list and
  // does not stop; nothing pending writes nothing. A fatal error adds the termination line
  // and stops the run with status 1.
  out.str("");
  m->errors.ierind = 125;
  zela9::zela9(*m);
  zela9::zela9(*m);
  zq::raiseError(*m, {11, 0, true, {}, "", {}, "", {}});
  try {
    zela9::zela9(*m);
    ADD_FAILURE() << "a fatal error must stop the run";
  } catch (const zq::StopRun& s) {
    EXPECT_EQ(s.status(), 1);
    EXPECT_EQ(s.console(), "");
  }
  EXPECT_EQ(out.str(), code + "125     Supplementary code:    0\n\n" + code +
                           " 11     Supplementary code:    0\n\n\n     Execution terminated due to error code.\n\n\n\n");
}

}  // namespace
