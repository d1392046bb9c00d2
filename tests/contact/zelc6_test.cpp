// Line-contact slice law: the power law and its inverse, the literal exponent, the Hertz
// half-width of a line contact, the stiffness as the derivative of the load, the logarithmic
// law and its non-convergence report.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "contact/zelc6.h"
#include "model/model.h"

namespace {

// Law constants of a steel pair in the non-dimensional form, as the per-race material set-up
// forms them: 1/E* = 2 (1 - 0.3^2)/2.07e11 Pa, sforce = 1000 N, slen = 0.005 m;
// coef(1) = 0.39 (4 sforce/E*)^0.9 / slen^1.8, coef(2) = 2 sforce/(pi E* slen^2).
constexpr double kInvEstar = 2.0 * (1.0 - 0.09) / 2.07e11;  // 1/Pa
constexpr double kForce = 1000.0;
constexpr double kLen = 0.005;
const double kCoef1 = 0.39 * std::pow(4.0 * kForce * kInvEstar, 0.9) / std::pow(kLen, 1.8);
const double kCoef2 = 2.0 * kForce * kInvEstar / (3.141592653589793 * kLen * kLen);

struct Out {
  double b = -1, k = -1, q = -1;
};

Out law(Model& m, int mode, double delta, double l, double s, double c1 = kCoef1,
        double c2 = kCoef2) {
  zq::FArray<double, 2> coef{c1, c2};
  Out o;
  zelc6::zelc6(m, mode, delta, coef, l, s, o.b, o.k, o.q);
  return o;
}

double rel(double got, double want) { return std::abs(got / want - 1.0); }

// Deflection of the logarithmic law at load w per unit length (the relation it solves):
// delta = coef(2) w (1.1932 + ln(l / b)), b = sqrt(2 coef(2) w / s).
double logDeflection(double w, double l, double s) {
  const double b = std::sqrt(2.0 * kCoef2 * w / s);
  return kCoef2 * w * (1.1932 + std::log(l / b));
}

}  // namespace

TEST(SliceLaw, PowerLawLoadAndDeflectionInvert) {
  // delta = coef(1) q^(1/1.1111111) / l^0.8 is the inverse of q(delta), both directions.
  auto m = std::make_unique<Model>();
  for (double l : {1.0, 0.37, 2.5}) {
    for (double delta : {1.0e-6, 3.0e-4, 0.02}) {
      const Out o = law(*m, 1, delta, l, 1.2);
      const double back = kCoef1 * std::pow(o.q, 1.0 / 1.1111111) / std::pow(l, 0.8);
      EXPECT_LT(rel(back, delta), 1e-12);
    }
    for (double q : {1.0e-3, 0.8, 40.0}) {
      const double delta = kCoef1 * std::pow(q, 1.0 / 1.1111111) / std::pow(l, 0.8);
      EXPECT_LT(rel(law(*m, 1, delta, l, 1.2).q, q), 1e-12);
    }
  }
}

TEST(SliceLaw, DoublingDeflectionScalesLoadByTheLiteralExponent) {
  // q grows as delta^1.1111111 (the literal, 7.7e-9 relative short of 2^(10/9) here).
  auto m = std::make_unique<Model>();
  const double q1 = law(*m, 1, 2.0e-4, 1.0, 1.1).q;
  const double q2 = law(*m, 1, 4.0e-4, 1.0, 1.1).q;
  EXPECT_LT(rel(q2 / q1, std::pow(2.0, 1.1111111)), 1e-14);
  EXPECT_GT(rel(q2 / q1, std::pow(2.0, 10.0 / 9.0)), 5e-9);
}

TEST(SliceLaw, HalfWidthIsTheHertzLineContactHalfWidth) {
  // Hertz line contact (Johnson, Contact Mechanics, 1985, sec. 4.3: a^2 = 4PR/(pi E*)): half-width
  // b = sqrt(4 w R / (pi E*)) for a load w per unit length and 1/R the curvature sum.
  // In the non-dimensional form E* becomes E* slen^2 / sforce, so with coef(2) as above the law
  // must give exactly that half-width, for the whole contact (q over l) as for a unit slice.
  auto m = std::make_unique<Model>();
  const double estar = kLen * kLen / (kForce * kInvEstar);  // non-dimensional E*
  for (double l : {1.0, 0.6}) {
    for (double s : {0.3, 1.15, 4.0}) {
      for (double delta : {5.0e-5, 2.0e-3}) {
        const Out o = law(*m, 1, delta, l, s);
        const double w = o.q / l;
        const double hertz = std::sqrt(4.0 * w * (1.0 / s) / (3.141592653589793 * estar));
        EXPECT_LT(rel(o.b, hertz), 1e-14);
      }
    }
  }
}

TEST(SliceLaw, StiffnessIsTheDerivativeOfLoad) {
  // Central differences of q(delta), step 1e-4 delta: truncation ~1e-9, rounding ~1e-12.
  auto m = std::make_unique<Model>();
  for (double l : {1.0, 0.45}) {
    for (double delta : {2.0e-5, 7.0e-4, 0.01}) {
      const double h = 1.0e-4 * delta;
      const Out o = law(*m, 1, delta, l, 1.3);
      const double fd = (law(*m, 1, delta + h, l, 1.3).q - law(*m, 1, delta - h, l, 1.3).q) /
                        (2.0 * h);
      EXPECT_LT(rel(o.k, fd), 1e-7);
    }
  }
}

TEST(SliceLaw, NoOverlapNoLoadAndAPendingErrorSurvives) {
  auto m = std::make_unique<Model>();
  for (int mode : {0, 1, 2}) {
    for (double delta : {0.0, -0.0, -1.0e-3, 3.0e-4}) {
      m->errors.ierind = 124;
      const Out o = law(*m, mode, delta, 1.0, 1.1);
      EXPECT_EQ(m->errors.ierind, 124);
      if (delta > 0.0 || mode == 0) continue;
      EXPECT_EQ(o.b, 0.0);
      EXPECT_EQ(o.k, 0.0);
      EXPECT_EQ(o.q, 0.0);
    }
  }
}

TEST(SliceLaw, LogarithmicLawSolvesItsRelation) {
  // The Newton iteration stops when the correction is below 1e-6 of w: the returned load
  // reproduces the deflection to that order, b belongs to it, and k = dq/ddelta of the
  // relation (central differences of delta(w), step 1e-5 w).
  auto m = std::make_unique<Model>();
  for (double l : {1.0, 0.7}) {
    for (double delta : {1.0e-4, 1.0e-3, 4.0e-3}) {
      const double s = 1.1;
      const Out o = law(*m, 2, delta, l, s);
      EXPECT_EQ(m->errors.ierind, 0);
      const double w = o.q / l;
      EXPECT_LT(rel(logDeflection(w, l, s), delta), 2e-6);
      EXPECT_LT(rel(o.b, std::sqrt(2.0 * kCoef2 * w / s)), 1e-14);
      const double h = 1.0e-5 * w;
      const double ddw = (logDeflection(w + h, l, s) - logDeflection(w - h, l, s)) / (2.0 * h);
      EXPECT_LT(rel(o.k, l / ddw), 1e-7);
    }
  }
}

TEST(SliceLaw, LogarithmicLawReportsNonConvergence) {
  // With a zero tolerance the iteration runs out of its 100 steps and reports, not fatally,
  // the last residual, load per unit length and correction.
  auto m = std::make_unique<Model>();
  m->constants.tolr(2) = 0.0;
  m->errors.numi = 3;
  const Out o = law(*m, 2, 1.0e-3, 0.5, 1.1);
  EXPECT_EQ(m->errors.ierind, 1);
  EXPECT_EQ(m->errors.iterminate, 0);
  ASSERT_EQ(m->errors.numm, 1);
  EXPECT_EQ(m->errors.imess(1), "Iteraction count encountered in Zelc6");
  EXPECT_EQ(m->errors.numi, 0);
  EXPECT_EQ(m->errors.rname, "g,q,cor =");
  ASSERT_EQ(m->errors.numr, 3);
  EXPECT_EQ(o.q, m->errors.rarray(2) * 0.5);
  EXPECT_LT(std::abs(m->errors.rarray(1)), 1e-6 * 1.0e-3);  // converged all the same
  EXPECT_TRUE(std::isfinite(o.b));
  EXPECT_GT(o.k, 0.0);
}
