// Traction curves: evaluation of both curve forms (branches, cap, cut-off and Taylor switch),
// the set-up of every model type checked against the closed-form properties of the curves it
// builds (zero-slip value, large-slip limit, peak value and zero slope at the peak, initial
// slope), the type -1 rewrite as a round trip through type 1, and the error record of every
// refused input.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "model/model.h"
#include "traction/zeld3.h"
#include "traction/zeld4.h"
#include "traction/zeld41.h"

namespace {

using Coef = zq::FArray<double, 5>;
using Input = zq::FArray<double, 4>;

double mu(double s, const Coef& c) { return zeld3::zeld3(s, c); }

// Central difference of the curve at s.
double slope(double s, const Coef& c, double h) { return (mu(s + h, c) - mu(s - h, c)) / (2.0 * h); }

struct Curve {
  std::unique_ptr<Model> m = std::make_unique<Model>();
  Input ci;
  Coef co;
  Curve(int type, std::vector<double> in) {
    for (int k = 1; k <= 4; ++k) ci(k) = k <= int(in.size()) ? in[std::size_t(k - 1)] : 0.0;
    for (int k = 1; k <= 5; ++k) co(k) = 99.0;  // marks coefficients the set-up did not write
    zeld4::zeld4(*m, type, ci, co);
  }
  const Errors& e() const { return m->errors; }
};

// Record of a coefficient error: one message line, the type, the four input coefficients.
void expectCoefficientError(const Curve& s, int type, const std::vector<double>& in, bool fatal) {
  const auto& e = s.e();
  EXPECT_EQ(e.ierind, 11);
  EXPECT_EQ(e.jerind, 0);
  EXPECT_EQ(e.iterminate, fatal ? 1 : 0);
  EXPECT_EQ(e.numm, 1);
  EXPECT_EQ(e.imess(1).trimmed(), "Zeld4: Incorrect traction coefficients");
  EXPECT_EQ(e.iname.trimmed(), "Model type");
  EXPECT_EQ(e.numi, 1);
  EXPECT_EQ(e.iarray(1), type);
  EXPECT_EQ(e.rname.trimmed(), "Input coefficients");
  ASSERT_EQ(e.numr, 4);
  for (int k = 1; k <= 4; ++k) EXPECT_EQ(e.rarray(k), in[std::size_t(k - 1)]) << k;
}

}  // namespace

// ---------------------------------------------------------------- evaluation of the two forms

// Piecewise linear curve (0.02, 0.5, -0.01, 0.1, cap 0.05): 0.02 + 0.5 s up to s = 0.1, then
// 0.07 - 0.01 (s - 0.1), capped at 0.05. Values worked out by hand.
TEST(TractionCurve, PiecewiseLinearBranchesAndCap) {
  const Coef c{0.02, 0.5, -0.01, 0.1, 0.05};
  EXPECT_DOUBLE_EQ(mu(0.0, c), 0.02);
  EXPECT_DOUBLE_EQ(mu(0.04, c), 0.04);    // rising branch below the cap
  EXPECT_DOUBLE_EQ(mu(0.08, c), 0.05);    // 0.06 capped
  EXPECT_DOUBLE_EQ(mu(2.1, c), 0.05);     // 0.05 beyond the break: v <= cap, v itself
  EXPECT_DOUBLE_EQ(mu(3.1, c), 0.04);     // 0.07 - 0.01 * 3.0
  const Coef open{0.02, 0.5, -0.01, 0.1, 1.0};
  EXPECT_DOUBLE_EQ(mu(0.1, open), 0.07);  // at the break: still the first branch
  EXPECT_NEAR(mu(0.1 + 1e-9, open), 0.07, 1e-10);  // continuous across the break
}

// Exponential curve 0.01 + (0.05 + 0.2 s) exp(-s): at zero slip c1 + c4; from c3 s = 36 on the
// value is c4 exactly; just below it the decaying term is still there.
TEST(TractionCurve, ExponentialZeroSlipAndCutOff) {
  const Coef c{0.05, 0.2, 1.0, 0.01, -1.0};
  EXPECT_DOUBLE_EQ(mu(0.0, c), 0.06);
  EXPECT_EQ(mu(36.0, c), 0.01);
  EXPECT_EQ(mu(1.0e6, c), 0.01);
  EXPECT_GT(mu(35.9, c), 0.01);
  EXPECT_NEAR(mu(35.9, c), 0.01 + (0.05 + 0.2 * 35.9) * std::exp(-35.9), 1e-18);
  EXPECT_NEAR(mu(1.0, c), 0.01 + 0.25 * std::exp(-1.0), 1e-16);
}

// Around |c3 s| = 0.001 the Taylor polynomial (error t^5/120 ~ 1e-17) and the exponential give
// the same value, so the switch leaves no visible step.
TEST(TractionCurve, TaylorSwitchIsSeamless) {
  const Coef c{0.05, 0.2, 2.0, 0.01, -1.0};
  for (double s : {0.0005, 0.0005 * (1 + 1e-12), 0.0004, -0.0005}) {
    const double exact = 0.01 + (0.05 + 0.2 * s) * std::exp(-2.0 * s);
    EXPECT_NEAR(mu(s, c), exact, 5e-17) << s;
  }
}

// ---------------------------------------------------------------- set-up by model type

// Every type reproduces its value at zero slip, ci1 (types 0, 1, 2) or ci1 + ci4 (type -1), and
// its large-slip limit exactly: type 0 with a rising tail the cap 1.0, the exponential types
// their asymptote once c3 s >= 36; a falling tail of type 0 is an ordinary curve. Type 0
// copies the input and adds the cap 1.0.
TEST(TractionSetUp, ZeroSlipValueAndLargeSlipLimitOfEveryType) {
  struct Case {
    int type;
    std::vector<double> ci;
    double zero, slip, limit;
  };
  const std::vector<Case> cases = {
      {0, {0.02, 0.5, 0.1, 0.1}, 0.02, 1.0e4, 1.0},
      {0, {0.02, 0.5, -0.01, 0.1}, 0.02, 10.1, 0.07 - 0.1},  // 0.02 + 0.05 - 0.01 * 10
      {-1, {0.03, 0.4, 5.0, 0.01}, 0.04, 1.0e4, 0.01},
      {1, {0.02, 0.08, 0.05, 0.3}, 0.02, 1.0e6, 0.05},
      {1, {0.06, 0.08, 0.01, 2.0}, 0.06, 1.0e6, 0.01},
      {2, {0.02, 0.07, 0.5, 0.0}, 0.02, 1.0e4, 0.07},
      {2, {0.08, 0.03, -0.2, 0.0}, 0.08, 1.0e4, 0.03},
  };
  for (const auto& k : cases) {
    Curve s(k.type, k.ci);
    EXPECT_EQ(s.e().ierind, 0) << k.type;
    EXPECT_NEAR(mu(0.0, s.co), k.zero, 1e-15) << k.type;
    EXPECT_DOUBLE_EQ(mu(k.slip, s.co), k.limit) << k.type;
    if (k.type == 0) {
      for (int j = 1; j <= 4; ++j) EXPECT_EQ(s.co(j), k.ci[std::size_t(j - 1)]);
      EXPECT_EQ(s.co(5), 1.0);
    }
  }
}

// Type 1: the fitted curve has its maximum ci2 at slip ci4: value, zero central-difference
// slope there, lower values on both sides. The peak value is ci2 plus the residual left by the
// root search (at most about 1e-6 x times the residual's slope, below 1e-8 here).
TEST(TractionSetUp, PeakTypeHasItsMaximumAtTheGivenSlip) {
  const std::vector<std::vector<double>> cases = {
      {0.02, 0.08, 0.05, 0.3},
      {0.0, 0.1, 0.06, 1.5},
      {0.06, 0.08, 0.01, 2.0},
      {0.01, 0.12, 0.11, 0.05},
      {0.03, 0.09, 0.0, 10.0},
  };
  for (const auto& ci : cases) {
    Curve s(1, ci);
    ASSERT_EQ(s.e().ierind, 0);
    EXPECT_EQ(s.co(5), -1.0);
    EXPECT_EQ(s.co(4), ci[2]);
    EXPECT_DOUBLE_EQ(s.co(1), ci[0] - ci[2]);
    const double sp = ci[3];
    const double h = 1e-4 * sp;
    EXPECT_NEAR(mu(sp, s.co), ci[1], 1e-8) << sp;
    EXPECT_NEAR(slope(sp, s.co, h), 0.0, 1e-7) << sp;
    EXPECT_LT(mu(sp - 10 * h, s.co), mu(sp, s.co));
    EXPECT_LT(mu(sp + 10 * h, s.co), mu(sp, s.co));
    EXPECT_GE(s.co(3), 0.0);
  }
}

// Type 1 with the peak equal to the zero-slip value: the fit is the constant curve ci1.
TEST(TractionSetUp, PeakAtZeroSlipGivesConstantCurve) {
  Curve s(1, {0.08, 0.08, 0.05, 0.3});
  ASSERT_EQ(s.e().ierind, 0);
  for (double v : {0.0, 0.3, 5.0}) EXPECT_DOUBLE_EQ(mu(v, s.co), 0.08);
}

// The root function is the peak value minus the required peak: zero at the fitted x, and the
// plain difference r3 - r2 where d = r1 - r3 + x vanishes.
TEST(TractionSetUp, PeakResidual) {
  auto own = std::make_unique<Model>();
  Model& m = *own;
  m.tmparea.rtmp(1) = 0.02;
  m.tmparea.rtmp(2) = 0.08;
  m.tmparea.rtmp(3) = 0.05;
  m.tmparea.rtmp(4) = 0.3;
  EXPECT_DOUBLE_EQ(zeld41::zeld41(m, 0.0), 0.02 - 0.08);           // d exp(0) + r3 - r2
  EXPECT_DOUBLE_EQ(zeld41::zeld41(m, 0.03), 0.05 - 0.08);          // d = 0
  EXPECT_NEAR(zeld41::zeld41(m, 0.07), -0.03 + 0.04 * std::exp(-1.75), 1e-17);
}

// Type -1 ci = (0.03, 0.4, 5, 0.01): s* = (0.4 - 5 * 0.03) / (0.4 * 5) = 0.125; the peak value is
// 0.01 + 0.08 exp(-0.625); the input is rewritten into (0.04, peak, 0.01, 0.125) and the curve is
// the input itself. Fed back as type 1 the description gives the same curve (round trip).
TEST(TractionSetUp, ExponentialTypeRewritesIntoPeakDescription) {
  Curve s(-1, {0.03, 0.4, 5.0, 0.01});
  EXPECT_EQ(s.e().ierind, 0);
  const Coef expected{0.03, 0.4, 5.0, 0.01, -1.0};
  EXPECT_EQ(s.co, expected);
  EXPECT_DOUBLE_EQ(s.ci(1), 0.04);
  EXPECT_DOUBLE_EQ(s.ci(2), 0.01 + 0.08 * std::exp(-0.625));
  EXPECT_DOUBLE_EQ(s.ci(3), 0.01);
  EXPECT_DOUBLE_EQ(s.ci(4), 0.125);
  EXPECT_NEAR(slope(0.125, s.co, 1e-5), 0.0, 1e-9);

  Curve back(1, {s.ci(1), s.ci(2), s.ci(3), s.ci(4)});
  ASSERT_EQ(back.e().ierind, 0);
  for (int k = 1; k <= 5; ++k) EXPECT_NEAR(back.co(k), s.co(k), 1e-6 * std::abs(s.co(k))) << k;
}

// Type 2: mu = ci2 + (ci1 - ci2) exp(ci3 s / (ci1 - ci2)): coefficients, initial slope ci3.
TEST(TractionSetUp, TransitionTypeHasGivenInitialSlope) {
  Curve s(2, {0.02, 0.07, 0.5, 123.0});
  const Coef expected{-0.05, 0.0, 10.0, 0.07, -1.0};
  for (int k = 1; k <= 5; ++k) EXPECT_DOUBLE_EQ(s.co(k), expected(k)) << k;
  EXPECT_NEAR(slope(0.0, s.co, 1e-6), 0.5, 1e-9);
  Curve f(2, {0.08, 0.03, -0.2, 0.0});
  EXPECT_NEAR(slope(0.0, f.co, 1e-6), -0.2, 1e-9);
}

// Type 2 with ci1 = ci2 within 1e-10: the constant curve ci1 at every slip.
TEST(TractionSetUp, TransitionTypeWithEqualValuesIsConstant) {
  Curve s(2, {0.05, 0.05 + 5e-11, 3.0, 0.0});
  const Coef expected{0.05, 0.0, 0.0, 0.0, -1.0};
  EXPECT_EQ(s.co, expected);
  for (double v : {0.0, 0.001, 1.0, 1e6}) EXPECT_EQ(mu(v, s.co), 0.05);
}

// ---------------------------------------------------------------- refused inputs

// Coefficient errors. Fatal: type 1 without a peak above the asymptote (as given), and the
// inputs that would divide by zero or give a curve that grows without bound: type 1 with a
// non-positive peak slip, a zero-slip value above the peak, or d = c1 + ci4 c2 = 0 at the
// root (r1 = r3 = 0 and r2 - r3 below the residual tolerance: x = 0 is accepted at once);
// type -1 with a negative decay rate; type 2 with a slope pointing away from the asymptote.
// Non-fatal: type -1 without a peak description (c2 c3 = 0, or a peak value that overflows
// because the "peak" lies far below zero slip); the curve is then the input itself. The input
// stays as given.
TEST(TractionSetUp, InvalidCoefficientsAreReported) {
  struct Case {
    int type;
    std::vector<double> ci;
    bool fatal;
  };
  const std::vector<Case> cases = {
      {1, {0.02, 0.05, 0.05, 0.3}, true},   // peak equal to the asymptote
      {1, {0.02, 0.05, 0.06, 0.3}, true},   // asymptote above the peak
      {1, {0.02, 0.08, 0.05, 0.0}, true},   // peak at zero slip
      {1, {0.02, 0.08, 0.05, -0.3}, true},  // peak at negative slip
      {1, {0.09, 0.08, 0.05, 0.3}, true},   // zero-slip value above the peak
      {1, {0.0, 1e-11, 0.0, 1.0}, true},    // zero denominator of c3
      {-1, {0.03, 0.4, -5.0, 0.01}, true},  // exponential growth
      {2, {0.08, 0.03, 0.2, 0.0}, true},    // from 0.08 upwards, away from 0.03
      {2, {0.02, 0.07, -0.5, 0.0}, true},   // from 0.02 downwards, away from 0.07
      {-1, {0.03, 0.0, 5.0, 0.01}, false},
      {-1, {0.03, 0.4, 0.0, 0.01}, false},
      {-1, {0.05, 1e-9, 1.0, 0.02}, false},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(std::to_string(k.type) + " " + std::to_string(k.ci[0]));
    Curve s(k.type, k.ci);
    expectCoefficientError(s, k.type, k.ci, k.fatal);
    for (int j = 1; j <= 4; ++j) EXPECT_EQ(s.ci(j), k.ci[std::size_t(j - 1)]);
    if (k.fatal) continue;
    for (int j = 1; j <= 4; ++j) EXPECT_EQ(s.co(j), k.ci[std::size_t(j - 1)]);
    EXPECT_EQ(s.co(5), -1.0);
  }
}

// Type 1 (0, 1000, 0, 1): the peak 1000 is beyond the bracket [-1000, 1000] of x (x ~ 1000 e).
// Trace: f(0) = -1000 (d = 0), f(-1000) = -1000 - 1000/e, f(1000) = 1000/e - 1000; one Newton
// step from 0 jumps to x ~ 2718 outside the bracket; the first bisection midpoint 0 has no sign
// change to either end: zelg3 code 2 after count 1, x = 0, bracket unchanged.
TEST(TractionSetUp, PeakRootFailureReportsConvergenceProblem) {
  Curve s(1, {0.0, 1000.0, 0.0, 1.0});
  const auto& e = s.e();
  EXPECT_EQ(e.ierind, 12);
  EXPECT_EQ(e.jerind, 2);
  EXPECT_EQ(e.iterminate, 0);
  EXPECT_EQ(e.numm, 1);
  EXPECT_EQ(e.imess(1).trimmed(), "Zeld4/Zeld41: Trac coeff convergence problems");
  EXPECT_EQ(e.iname.trimmed(), "iteration count");
  EXPECT_EQ(e.numi, 1);
  EXPECT_EQ(e.iarray(1), 1);
  EXPECT_EQ(e.rname.trimmed(), "solution,function,limit1,limit2");
  ASSERT_EQ(e.numr, 4);
  EXPECT_EQ(e.rarray(1), 0.0);
  EXPECT_EQ(e.rarray(2), -1000.0);
  EXPECT_EQ(e.rarray(3), -1000.0);
  EXPECT_EQ(e.rarray(4), 1000.0);
  for (int k = 1; k <= 5; ++k) EXPECT_EQ(s.co(k), 99.0);  // no curve was built
}

// An unknown model type: code 13, non-fatal, the type listed, the real list named but empty,
// the curve untouched.
TEST(TractionSetUp, UnknownModelTypeIsReported) {
  for (int type : {3, -2, 99}) {
    Curve s(type, {0.02, 0.08, 0.05, 0.3});
    const auto& e = s.e();
    EXPECT_EQ(e.ierind, 13);
    EXPECT_EQ(e.jerind, 0);
    EXPECT_EQ(e.iterminate, 0);
    EXPECT_EQ(e.numm, 1);
    EXPECT_EQ(e.imess(1).trimmed(), "Zeld4: Incorrect traction model type");
    EXPECT_EQ(e.iname.trimmed(), "Model type");
    EXPECT_EQ(e.numi, 1);
    EXPECT_EQ(e.iarray(1), type);
    EXPECT_EQ(e.rname.trimmed(), "Input coefficients");
    EXPECT_EQ(e.numr, 0);
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(s.co(k), 99.0);
  }
}
