// Safeguarded root finder: roots of known functions, the early return at a root start value,
// a root at the first bisection midpoint, brackets without sign change, failing functions,
// Newton leaving the bracket or cycling, and the iteration limit. Every evaluation is recorded
// so that the path taken can be checked against the counts worked out by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <vector>

#include "model/model.h"
#include "numerics/zelg3.h"

namespace {

// Wraps a function and records every argument it is evaluated at.
struct Probe {
  std::vector<double> args;
  std::function<double(double)> wrap(std::function<double(double)> g) {
    return [this, g](double x) {
      args.push_back(x);
      return g(x);
    };
  }
};

// Real root of x^3 - 2x + 2 by Cardano's formula (p = -2, q = 2).
double cubicRoot() {
  const double d = std::sqrt(1.0 - 8.0 / 27.0);
  return std::cbrt(-1.0 + d) + std::cbrt(-1.0 - d);
}

// Newton stops when its next step is at most 1e-6 of x without taking it, so the root is
// known to about 1e-6 relative; a small allowance covers the forward-difference slope.
double rootTol(double root) { return 1.1e-6 * std::max(std::abs(root), 1.0); }

}  // namespace

TEST(RootFinder, FindsKnownRoots) {
  struct Case {
    const char* name;
    std::function<double(double)> f;
    double x0, lo, hi, root;
  };
  const Case cases[] = {
      {"x^2 - 2", [](double x) { return x * x - 2.0; }, 1.0, 0.0, 2.0, std::sqrt(2.0)},
      // Fixed point of cos (the Dottie number), OEIS A003957.
      {"cos x - x", [](double x) { return std::cos(x) - x; }, 0.5, 0.0, 1.0, 0.7390851332151607},
      {"exp x - 3", [](double x) { return std::exp(x) - 3.0; }, 0.2, 0.0, 2.0, std::log(3.0)},
      {"x^3 - 2x + 2", [](double x) { return x * x * x - 2.0 * x + 2.0; }, -1.0, -3.0, 0.0, cubicRoot()},
      // Newton from 5 lands near -26, outside the bracket: bisection takes over.
      {"atan(x - 0.3)", [](double x) { return std::atan(x - 0.3); }, 5.0, -10.0, 10.0, 0.3},
      // Newton from 0 falls into the cycle 0, 1, 0, ...: bisection takes over.
      {"x^3 - 2x + 2 from 0", [](double x) { return x * x * x - 2.0 * x + 2.0; }, 0.0, -2.0, 1.5,
       cubicRoot()},
  };
  for (const Case& c : cases) {
    auto m = std::make_unique<Model>();
    double x = c.x0, lo = c.lo, hi = c.hi;
    int ierr = -1;
    zelg3::zelg3(*m, x, lo, hi, c.f, ierr);
    EXPECT_EQ(ierr, 0) << c.name;
    EXPECT_NEAR(x, c.root, rootTol(c.root)) << c.name;
    EXPECT_LE(lo, c.root) << c.name;
    EXPECT_GE(hi, c.root) << c.name;
    EXPECT_EQ(m->errors.numi, 0) << c.name;
  }
}

TEST(RootFinder, StartValueAtRootReturnsWithoutTouchingBracket) {
  for (double off : {0.0, 5e-11, -1e-10}) {
    auto m = std::make_unique<Model>();
    Probe p;
    double x = 0.25, lo = 0.0, hi = 1.0;
    int ierr = -1;
    zelg3::zelg3(*m, x, lo, hi, p.wrap([off](double v) { return v - 0.25 + off; }), ierr);
    EXPECT_EQ(ierr, 0);
    EXPECT_EQ(x, 0.25);
    ASSERT_EQ(p.args.size(), 1u) << "bracket ends must not be evaluated";
    EXPECT_EQ(p.args[0], 0.25);
    EXPECT_EQ(lo, 0.0);
    EXPECT_EQ(hi, 1.0);
  }
}

TEST(RootFinder, RootAtFirstBisectionMidpointIsSuccess) {
  // Flat (f = 1) from 0.9 up, so Newton from 0.95 stops at once on the flat slope; the first
  // midpoint of [0, 1] is 0.5, where f = off. Evaluations: start, both ends, the Newton pair,
  // the midpoint: six.
  for (double off : {0.0, 5e-11, -1e-10}) {
    auto m = std::make_unique<Model>();
    Probe p;
    double x = 0.95, lo = 0.0, hi = 1.0;
    int ierr = -1;
    zelg3::zelg3(*m, x, lo, hi, p.wrap([off](double v) { return v >= 0.9 ? 1.0 : v - 0.5 + off; }), ierr);
    EXPECT_EQ(ierr, 0) << "off = " << off;
    EXPECT_EQ(x, 0.5) << "off = " << off;
    ASSERT_EQ(p.args.size(), 6u);
    EXPECT_EQ(p.args[5], 0.5);
    EXPECT_EQ(m->errors.numi, 0);
  }
}

TEST(RootFinder, NoSignChangeIsReportedWithCount) {
  struct Case {
    const char* name;
    std::function<double(double)> f;
    double x0, lo, hi;
  };
  const Case cases[] = {
      // Newton from 1 jumps to about 5e-7, below the bracket; midpoint 1.25 has f > 0 like
      // both ends.
      {"x^2 + 1, Newton leaves", [](double x) { return x * x + 1.0; }, 1.0, 0.5, 2.0},
      {"constant, flat slope", [](double) { return 3.0; }, 0.5, 0.0, 1.0},
  };
  for (const Case& c : cases) {
    auto m = std::make_unique<Model>();
    m->errors.iarray(1) = -5;
    double x = c.x0, lo = c.lo, hi = c.hi;
    int ierr = -1;
    zelg3::zelg3(*m, x, lo, hi, c.f, ierr);
    EXPECT_EQ(ierr, 2) << c.name;
    EXPECT_EQ(m->errors.iarray(1), 1) << c.name << ": one Newton phase counted";
    EXPECT_EQ(m->errors.numi, 1) << c.name;
    EXPECT_EQ(m->errors.ierind, 0) << c.name << ": the caller raises the error";
  }
}

TEST(RootFinder, FailingFunctionReturnsItsCode) {
  // The function reports failure through tmparea::itmp(1) and then returns 0, which would
  // pass as a root if the flag were not tested; it clears the flag when it succeeds.
  struct Case {
    const char* name;
    double x0, flo, fhi;  // the function fails for flo < x < fhi
    std::size_t evals;
  };
  const Case cases[] = {
      {"at the start value", 0.5, 0.4, 0.6, 1},
      {"at the lower end", 0.7, -1.0, 0.1, 2},
      {"at the upper end", 0.7, 0.99, 2.0, 3},
      // Flat from 0.9 up: Newton from 0.95 ends at once, the first midpoint 0.5 fails.
      {"at the first bisection midpoint", 0.95, 0.45, 0.55, 6},
  };
  for (const Case& c : cases) {
    auto m = std::make_unique<Model>();
    Model& mr = *m;
    Probe p;
    auto g = [&mr, c](double v) {
      if (v > c.flo && v < c.fhi) {
        mr.tmparea.itmp(1) = 7;
        return 0.0;
      }
      mr.tmparea.itmp(1) = 0;
      return v >= 0.9 ? 1.0 : v - 0.3;
    };
    double x = c.x0, lo = 0.0, hi = 1.0;
    int ierr = -1;
    zelg3::zelg3(*m, x, lo, hi, p.wrap(g), ierr);
    EXPECT_EQ(ierr, 7) << c.name;
    EXPECT_EQ(p.args.size(), c.evals) << c.name;
    EXPECT_EQ(m->errors.numi, 0) << c.name;
  }
}

// Newton from 0 goes to about 1, where the function cannot be evaluated: bisection of
// [-2, 1.5] then finds the real root. The function only ever sets the failure flag (never
// clears it), so this also needs the flag cleared before each evaluation.
TEST(RootFinder, FailureFlagDoesNotOutliveItsEvaluation) {
  auto m = std::make_unique<Model>();
  Model& mr = *m;
  auto g = [&mr](double v) {
    if (v > 0.9 && v < 1.1) {
      mr.tmparea.itmp(1) = 4;
      return 0.0;
    }
    return v * v * v - 2.0 * v + 2.0;
  };
  double x = 0.0, lo = -2.0, hi = 1.5;
  int ierr = -1;
  zelg3::zelg3(*m, x, lo, hi, g, ierr);
  EXPECT_EQ(ierr, 0);
  EXPECT_NEAR(x, cubicRoot(), rootTol(cubicRoot()));
}

TEST(RootFinder, IterationLimitReportsCount) {
  // A step function: every Newton slope is flat, so each cycle is one Newton phase (count + 1)
  // and four bisection passes (count + 4) that narrow the bracket sixteenfold. From a width of
  // 2e20, twenty cycles reach count 100 at width 2e20 / 16^20 = 1.65e-4; the next Newton phase
  // (101) and one bisection pass (102) exceed the limit while the width is still above 1e-6.
  auto m = std::make_unique<Model>();
  double x = 0.0, lo = -1e20, hi = 1e20;
  int ierr = -1;
  zelg3::zelg3(*m, x, lo, hi, [](double v) { return v < 0.1234 ? -1.0 : 1.0; }, ierr);
  EXPECT_EQ(ierr, 1);
  EXPECT_EQ(m->errors.iarray(1), 102);
  EXPECT_EQ(m->errors.numi, 1);
  EXPECT_LE(lo, 0.1234);
  EXPECT_GE(hi, 0.1234);
  EXPECT_GT(hi - lo, 1e-6);
}
