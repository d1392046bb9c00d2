// Equation solvers against known solutions. Masked linear solve: held unknowns exactly 0, Cramer's
// rule (1 to 3 free unknowns), elimination without row exchange (4 and more), exact singularities.
// Root finder: known roots, and each exit's path worked out by hand (evaluations, code, count).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <stdexcept>
#include <vector>

#include "model/model.h"
#include "numerics/zelg0.h"
#include "numerics/zelg3.h"

TEST(MaskedSolve, KnownSolutionsAndExactSingularities) {
  // Matrices by rows; held rows and columns carry values that would change the answer if used;
  // x empty: singular.
  struct Case { const char* name; std::vector<int> kfix; std::vector<double> rows, b, x; };
  const Case cases[] = {
      {"all held", {1, 1, 1}, std::vector<double>(9, 0.0), {5, 6, 7}, {0, 0, 0}},
      {"one free", {1, 0, 2}, {9, 9, 9, 9, 4, 9, 9, 9, 9}, {1, 10, 3}, {0, 2.5, 0}},
      {"one free, zero pivot", {1, 0, 2}, {9, 9, 9, 9, 0, 9, 9, 9, 9}, {1, 10, 3}, {}},
      {"2 x 2", {0, 0}, {2, 1, 1, 3}, {0, -5}, {1, -2}},
      {"2 x 2 zero determinant", {0, 0}, {1, 2, 2, 4}, {1, 1}, {}},
      {"3 x 3 zero determinant", {0, 0, 0}, {1, 2, 3, 4, 5, 6, 7, 8, 9}, {1, 2, 3}, {}},
      // regular on unknowns 1 and 2: [1 2; 4 5] x = (3, 9) gives x = (1, 1)
      {"hold removes the singularity", {0, 0, 1}, {1, 2, 3, 4, 5, 6, 7, 8, 9}, {3, 9, 100}, {1, 1, 0}},
      // free block (1, 3, 5) = [4 1 -2; 3 5 1; -1 2 6], determinant 71, solution (1, -1, 2)
      {"five, second and fourth held", {0, 1, 0, 1, 0},
       {4, 50, 1, -70, -2, 11, 12, 13, 14, 15, 3, -60, 5, 80, 1, 21, 22, 23, 24, 25, -1, 90, 2, -30, 6},
       {-1, 77, 0, -88, 9}, {1, 0, -1, 0, 2}},
      {"4 x 4 elimination", {0, 0, 0, 0}, {2, 1, 0, 0, 1, 2, 1, 0, 0, 1, 2, 1, 0, 0, 1, 2}, {1, 0, 0, -1},
       {1, -1, 1, -1}},
      // no row exchange: a regular permutation matrix has a first pivot 0
      {"first pivot zero", {0, 0, 0, 0}, {0, 1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 1, 0, 0, 1, 0}, {1, 2, 3, 4}, {}},
      // row 2 - row 1 = (0 0 1 0): second pivot exactly 0
      {"second pivot zero", {0, 0, 0, 0}, {1, 1, 0, 0, 1, 1, 1, 0, 0, 1, 0, 1, 0, 0, 1, 1}, {1, 2, 3, 4}, {}},
      // row 4 = row 1 + row 2: the last pivot, met in back substitution, is exactly 0
      {"last pivot zero", {0, 0, 0, 0}, {2, 1, 0, 0, 1, 3, 1, 0, 0, 1, 4, 1, 3, 4, 1, 0}, {1, 2, 3, 4}, {}},
  };
  for (const Case& c : cases) {
    const std::size_t n = c.kfix.size();
    std::vector<double> a(n * n), x = c.b;
    for (std::size_t k = 0; k < n * n; ++k) a[k / n + k % n * n] = c.rows[k];  // column-major
    int ierr = -1;
    zelg0::zelg0(int(n), c.kfix.data(), a.data(), x.data(), ierr);
    EXPECT_EQ(ierr, c.x.empty() ? 1 : 0) << c.name;
    for (std::size_t i = 0; i < c.x.size(); ++i) EXPECT_NEAR(x[i], c.x[i], 1e-15) << c.name << ' ' << i;
  }
  const std::vector<int> kfix(65, 0);  // beyond the working storage of 64 unknowns: refused
  std::vector<double> a(65 * 65, 1.0), x(65, 1.0);
  int ierr = -1;
  EXPECT_THROW(zelg0::zelg0(65, kfix.data(), a.data(), x.data(), ierr), std::invalid_argument);
}

namespace {
constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
// Real root of x^3 - 2x + 2 by Cardano's formula (p = -2, q = 2).
const double kCubicRoot = std::cbrt(std::sqrt(19.0 / 27.0) - 1.0) - std::cbrt(std::sqrt(19.0 / 27.0) + 1.0);
double cubic(double x) { return x * x * x - 2.0 * x + 2.0; }
// Flat from 0.9 up: Newton from 0.95 stops at once (start, both ends, the Newton pair: five
// evaluations) and bisection of [0, 1] takes midpoints 0.5, 0.25, 0.375, 0.3125 toward 0.3.
double ramp(double v) { return v >= 0.9 ? 1.0 : v - 0.3; }
}  // namespace

TEST(RootFinder, KnownRootsAndHandWorkedPaths) {
  // f cannot be evaluated on (flo, fhi); evals 0: not checked; count: left in the error record.
  struct Case {
    const char* name; double (*f)(double); double x0, lo, hi, flo, fhi; int ierr, evals, count; double root;
  };
  const Case cases[] = {
      // Newton from 1: 1.5, 1.4167, 1.414216, 1.4142136, where |f| < 1e-10 (start, ends, four pairs, one)
      {"x^2 - 2", [](double x) { return x * x - 2.0; }, 1.0, 0.0, 2.0, 0, 0, 0, 12, 0, std::sqrt(2.0)},
      {"atan, Newton leaves", [](double x) { return std::atan(x - 0.3); }, 5.0, -10.0, 10.0, 0, 0, 0, 0, 0, 0.3},
      {"cubic, Newton cycles 0, 1, 0", cubic, 0.0, -2.0, 1.5, 0, 0, 0, 0, 0, kCubicRoot},
      {"cubic, flag cleared after 1", cubic, 0.0, -2.0, 1.5, 0.9, 1.1, 0, 0, 0, kCubicRoot},
      {"start at root, no ends", [](double x) { return x - 0.25 + 5e-11; }, 0.25, 0.0, 1.0, 0, 0, 0, 1, 0, 0.25},
      {"root at midpoint 1", [](double x) { return x >= 0.9 ? 1.0 : x - 0.5; }, 0.95, 0.0, 1.0, 0, 0, 0, 6, 0, 0.5},
      {"root at midpoint 2", [](double x) { return x >= 0.9 ? 1.0 : x - 0.25; }, 0.95, 0.0, 1.0, 0, 0, 0, 7, 0, 0.25},
      {"no sign change", [](double) { return 3.0; }, 0.5, 0.0, 1.0, 0, 0, 2, 0, 1, kNone},
      {"fails at start", ramp, 0.5, 0.0, 1.0, 0.4, 0.6, 7, 1, 0, kNone},
      {"fails at lower end", ramp, 0.7, 0.0, 1.0, -1.0, 0.1, 7, 2, 0, kNone},
      {"fails at upper end", ramp, 0.7, 0.0, 1.0, 0.99, 2.0, 7, 3, 0, kNone},
      {"fails at midpoint 1", ramp, 0.95, 0.0, 1.0, 0.45, 0.55, 7, 6, 0, kNone},
      {"fails at midpoint 2", ramp, 0.95, 0.0, 1.0, 0.2, 0.27, 7, 7, 0, kNone},
      {"fails at midpoint 4", ramp, 0.95, 0.0, 1.0, 0.31, 0.32, 7, 9, 0, kNone},
      // A step: every slope is flat, so each cycle is a Newton phase (count + 1) and four
      // bisection passes (+ 4) narrowing sixteenfold. From a width of 2e20 twenty cycles reach
      // count 100 at width 1.65e-4; the next Newton phase (101) and one pass (102) exceed the limit.
      {"step", [](double x) { return x < 0.1234 ? -1.0 : 1.0; }, 0.0, -1e20, 1e20, 0, 0, 1, 0, 102, kNone},
  };
  for (const Case& c : cases) {
    auto m = std::make_unique<Model>();
    int evals = 0, ierr = -1;
    double x = c.x0, lo = c.lo, hi = c.hi;
    // A failing f sets tmparea::itmp(1) = 7, never clears it, and returns 0 as if at a root.
    auto f = [&](double v) {
      ++evals;
      return v > c.flo && v < c.fhi ? (m->tmparea.itmp(1) = 7, 0.0) : c.f(v);
    };
    zelg3::zelg3(*m, x, lo, hi, f, ierr);
    EXPECT_EQ(ierr, c.ierr) << c.name;
    EXPECT_TRUE(c.evals == 0 || evals == c.evals) << c.name << ": " << evals << " evaluations";
    const auto& e = m->errors;  // the count is left for the caller, which raises its own error
    EXPECT_TRUE(e.numi == (c.count > 0) && e.iarray(1) == c.count && e.ierind == 0) << c.name;
    if (std::isnan(c.root)) continue;
    // Newton stops once its next step is within 1e-6 of x: the root is known to about 1e-6.
    EXPECT_NEAR(x, c.root, 1.1e-6 * std::max(std::abs(c.root), 1.0)) << c.name;
    EXPECT_TRUE(lo <= c.root && c.root <= hi) << c.name;
  }
}
