// Traction curves: both forms by hand, the set-up of every model type against the closed-form
// properties of the curve it builds, and the error record of every refused input.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "model/model.h"
#include "traction/zeld3.h"
#include "traction/zeld4.h"

namespace {

using Coef = zq::FArray<double, 5>;

double mu(double s, const Coef& c) { return zeld3::zeld3(s, c); }
double slope(double s, const Coef& c, double h) { return (mu(s + h, c) - mu(s - h, c)) / (2 * h); }

struct Curve {  // set-up of type `type` from `in`; co starts at 99, the mark of an unwritten coefficient
  std::unique_ptr<Model> m = std::make_unique<Model>();
  zq::FArray<double, 4> ci;
  Coef co;
  Curve(int type, const std::vector<double>& in) {
    for (int k = 1; k <= 4; ++k) ci(k) = in[std::size_t(k - 1)];
    co.fill(99.0), zeld4::zeld4(*m, type, ci, co);
  }
};

}  // namespace

// Piecewise linear (0.02, 0.5, -0.01, break 0.1, cap 0.05 or 1): 0.02 + 0.5 s up to the break
// (still the first branch at it, continuous past it), then 0.07 - 0.01 (s - 0.1), capped.
// Exponential 0.01 + (0.05 + 0.2 s) exp(-c3 s): c1 + c4 at zero slip, c4 exactly from c3 s =
// 36 on; around |c3 s| = 0.001 the Taylor polynomial (error t^5/120 ~ 1e-17) and the
// exponential agree, so the switch leaves no visible step.
TEST(TractionCurve, BothFormsByHand) {
  const Coef lin{0.02, 0.5, -0.01, 0.1, 0.05}, open{0.02, 0.5, -0.01, 0.1, 1.0};
  const Coef ex{0.05, 0.2, 1.0, 0.01, -1.0}, ex2{0.05, 0.2, 2.0, 0.01, -1.0};
  const struct { const Coef& c; double s, want, tol; } cases[] = {
      {lin, 0, 0.02, 0}, {lin, 0.04, 0.04, 1e-17}, {lin, 0.08, 0.05, 0}, {lin, 2.1, 0.05, 1e-16},
      {lin, 3.1, 0.04, 1e-16}, {open, 0.1, 0.07, 1e-17}, {open, 0.1 + 1e-9, 0.07, 1e-10},
      {ex, 0, 0.06, 1e-17}, {ex, 36, 0.01, 0}, {ex, 1e6, 0.01, 0},
      {ex, 35.9, 0.01 + (0.05 + 0.2 * 35.9) * std::exp(-35.9), 1e-18},
      {ex, 1, 0.01 + 0.25 * std::exp(-1.0), 1e-16}};
  for (const auto& c : cases) EXPECT_NEAR(mu(c.s, c.c), c.want, c.tol) << c.s;
  for (double s : {0.0005, 0.0005 * (1 + 1e-12), 0.0004, -0.0005})
    EXPECT_NEAR(mu(s, ex2), 0.01 + (0.05 + 0.2 * s) * std::exp(-2.0 * s), 5e-17) << s;
}

// Zero-slip value (ci1; type -1 ci1 + ci4) and large-slip limit of every type: type 0 the cap 1.0
// on a rising tail, the exponential types their asymptote. Type 1: maximum ci2 at slip ci4 (zero
// central-difference slope; the root search leaves below 1e-8), the constant ci1 if ci1 = ci2.
// Type 2: initial slope ci3 (constant where ci1 = ci2 within 1e-10). Type -1 (0.03, 0.4, 5, 0.01)
// becomes (0.04, 0.01 + 0.08 exp(-0.625), 0.01, s* = (0.4 - 5 x 0.03)/(0.4 x 5)), and back as type 1.
TEST(TractionSetUp, EveryTypeBuildsTheCurveItDescribes) {
  const struct { int type; std::vector<double> ci; double slip, limit; } cases[] = {
      {0, {0.02, 0.5, 0.1, 0.1}, 1e4, 1.0}, {0, {0.02, 0.5, -0.01, 0.1}, 10.1, -0.03},
      {-1, {0.03, 0.4, 5.0, 0.01}, 1e4, 0.01}, {1, {0.02, 0.08, 0.05, 0.3}, 1e6, 0.05},
      {1, {0.0, 0.1, 0.06, 1.5}, 1e6, 0.06}, {1, {0.06, 0.08, 0.01, 2.0}, 1e6, 0.01},
      {1, {0.01, 0.12, 0.11, 0.05}, 1e6, 0.11}, {1, {0.03, 0.09, 0.0, 10.0}, 1e6, 0.0},
      {1, {0.08, 0.08, 0.05, 0.3}, 5, 0.08}, {2, {0.02, 0.07, 0.5, 123.0}, 1e4, 0.07},
      {2, {0.08, 0.03, -0.2, 0.0}, 1e4, 0.03}, {2, {0.05, 0.05 + 5e-11, 3.0, 0.0}, 1e6, 0.05}};
  for (const auto& k : cases) {
    Curve s(k.type, k.ci);
    const std::vector<double>& ci = k.ci;
    SCOPED_TRACE(std::to_string(k.type) + " " + std::to_string(ci[1]));
    EXPECT_TRUE(s.m->errors.ierind == 0 && std::abs(mu(0, s.co) - (k.type == -1 ? 0.04 : ci[0])) < 1e-15);
    EXPECT_DOUBLE_EQ(mu(k.slip, s.co), k.limit);
    if (k.type == 0) {
      EXPECT_TRUE(s.co(1) == ci[0] && s.co(2) == ci[1] && s.co(3) == ci[2] && s.co(4) == ci[3] && s.co(5) == 1);
    } else if (k.type == 1 && ci[0] != ci[1]) {
      const double sp = ci[3], h = 1e-4 * sp, top = mu(sp, s.co);
      EXPECT_TRUE(s.co(5) == -1 && s.co(4) == ci[2] && s.co(3) >= 0 && std::abs(s.co(1) - (ci[0] - ci[2])) < 1e-17);
      EXPECT_TRUE(std::abs(top - ci[1]) < 1e-8 && std::abs(slope(sp, s.co, h)) < 1e-7);
      EXPECT_TRUE(mu(sp - 10 * h, s.co) < top && mu(sp + 10 * h, s.co) < top);
    } else if (k.type == 2) {
      EXPECT_NEAR(slope(0, s.co, 1e-6), ci[0] == 0.05 ? 0.0 : ci[2], 1e-9);
      EXPECT_TRUE(s.co(2) == 0 && s.co(5) == -1);
    }
  }
  Curve s(-1, {0.03, 0.4, 5.0, 0.01}), back(1, {0.04, 0.01 + 0.08 * std::exp(-0.625), 0.01, 0.125});
  EXPECT_EQ(s.co, Coef({0.03, 0.4, 5.0, 0.01, -1.0}));
  for (int k = 1; k <= 4; ++k) EXPECT_DOUBLE_EQ(s.ci(k), back.ci(k)) << k;
  EXPECT_NEAR(slope(0.125, s.co, 1e-5), 0.0, 1e-9);
  for (int k = 1; k <= 5; ++k) EXPECT_NEAR(back.co(k), s.co(k), 1e-6 * std::abs(s.co(k))) << k;
}

// Code 11 with the four inputs, fatal where the curve would divide by zero or grow without bound
// (type 1: peak not above the asymptote, at zero or negative slip, below the zero-slip value, zero
// denominator of c3; type -1 growing; type 2 sloping away), non-fatal for type -1 without a peak
// (c2 c3 = 0, or an overflowing peak value), whose curve is then the input. Type 1 (0, 1000, 0, 1):
// the peak lies beyond the bracket [-1000, 1000] of x; Newton from f(0) = -1000 jumps outside, the
// first midpoint 0 has no sign change: code 12 after one iteration. Unknown types: code 13.
TEST(TractionSetUp, RefusedInputsFillTheErrorRecord) {
  struct Case { int type; std::vector<double> ci; int fatal, code = 11;
                std::string text = "Zeld4: Incorrect traction coefficients", rname = "Input coefficients";
                std::vector<double> r = {}; };
  const Case cases[] = {
      {1, {0.02, 0.05, 0.05, 0.3}, 1}, {1, {0.02, 0.05, 0.06, 0.3}, 1}, {1, {0.02, 0.08, 0.05, 0.0}, 1},
      {1, {0.02, 0.08, 0.05, -0.3}, 1}, {1, {0.09, 0.08, 0.05, 0.3}, 1}, {1, {0.0, 1e-11, 0.0, 1.0}, 1},
      {-1, {0.03, 0.4, -5.0, 0.01}, 1}, {2, {0.08, 0.03, 0.2, 0.0}, 1}, {2, {0.02, 0.07, -0.5, 0.0}, 1},
      {-1, {0.03, 0.0, 5.0, 0.01}, 0}, {-1, {0.03, 0.4, 0.0, 0.01}, 0}, {-1, {0.05, 1e-9, 1.0, 0.02}, 0},
      {1, {0.0, 1000.0, 0.0, 1.0}, 0, 12, "Zeld4/Zeld41: Trac coeff convergence problems",
       "solution,function,limit1,limit2", {0.0, -1000.0, -1000.0, 1000.0}},
      {3, {0.02, 0.08, 0.05, 0.3}, 0, 13, "Zeld4: Incorrect traction model type"},
      {-2, {0.02, 0.08, 0.05, 0.3}, 0, 13, "Zeld4: Incorrect traction model type"}};
  for (const auto& k : cases) {
    SCOPED_TRACE(std::to_string(k.type) + " " + std::to_string(k.ci[0]) + " " + std::to_string(k.ci[3]));
    Curve s(k.type, k.ci);
    const Errors& e = s.m->errors;
    EXPECT_TRUE(e.ierind == k.code && e.jerind == (k.code == 12) * 2 && e.iterminate == k.fatal && e.numm == 1);
    EXPECT_TRUE(e.imess(1).trimmed() == k.text && e.rname.trimmed() == k.rname &&
                e.iname.trimmed() == (k.code == 12 ? "iteration count" : "Model type"));
    EXPECT_TRUE(e.numi == 1 && e.iarray(1) == (k.code == 12 ? 1 : k.type));
    const std::vector<double> r = k.code == 11 ? k.ci : k.r;
    ASSERT_EQ(e.numr, int(r.size()));
    for (int j = 1; j <= e.numr; ++j) EXPECT_EQ(e.rarray(j), r[std::size_t(j - 1)]) << j;
    for (int j = 1; j <= 4; ++j) EXPECT_EQ(s.ci(j), k.ci[std::size_t(j - 1)]);
    const bool given = k.type == -1;  // type -1 takes the input as its curve; others untouched
    for (int j = 1; j <= 5; ++j) EXPECT_EQ(s.co(j), given ? (j == 5 ? -1.0 : k.ci[std::size_t(j - 1)]) : 99.0) << j;
  }
}
