// Hertz point-contact factors a*, b*, delta* against the exact elliptic solution: at every table
// node, between nodes within the linear-interpolation error bound, the circular and line
// limits, extrapolation past the last node, the refinement mode and its root-finder failure.
// The exact solution solves the Hertz contact-ellipse relation F = ((1 + k^2) E - 2 k^2 K) /
// ((1 - k^2) E) (Harris, Rolling Bearing Analysis, chapter on contact stress and deformation)
// for k with an independent AGM below.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "contact/zelc4.h"
#include "model/model.h"

namespace {

constexpr long double kPiL = 3.141592653589793238462643383279502884L;

// The curvature-difference grid of the factor table (ascending).
const std::vector<double> kNodes = {
    0.0,   0.05,  0.1,   0.15,  0.2,   0.25,  0.3,   0.35,  0.4,   0.45,  0.5,   0.55,  0.6,
    0.65,  0.7,   0.75,  0.8,   0.81,  0.82,  0.83,  0.84,  0.85,  0.86,  0.87,  0.88,  0.89,
    0.9,   0.91,  0.92,  0.93,  0.94,  0.945, 0.95,  0.955, 0.96,  0.965, 0.97,  0.975, 0.98,
    0.985, 0.99,  0.991, 0.992, 0.993, 0.994, 0.995, 0.996, 0.997, 0.998, 0.999, 0.9999};

std::unique_ptr<Model> freshModel() {
  auto m = std::make_unique<Model>();
  m->constants.one2 = 0.5;
  m->constants.one3 = 1.0 / 3.0;
  m->constants.one4 = 0.25;
  return m;
}

// Complete elliptic integrals of modulus e by the arithmetic-geometric mean run to
// convergence in long double (Abramowitz and Stegun 17.6.1-17.6.4):
// K = pi / (2 AGM(1, sqrt(1 - e^2))), E = K (1 - sum 2^(n-1) c_n^2), c_0 = e.
struct KE {
  long double k, e;
};
KE agm(long double modulus) {
  long double a = 1.0L;
  long double b = std::sqrt(1.0L - modulus * modulus);
  long double s = modulus * modulus / 2.0L;
  long double p = 0.5L;
  for (int n = 0; n < 60 && std::fabs(a - b) > 1.0e-19L * a; ++n) {
    const long double c = (a - b) / 2.0L;
    p *= 2.0L;
    s += p * c * c;
    const long double an = (a + b) / 2.0L;
    b = std::sqrt(a * b);
    a = an;
  }
  const long double kk = kPiL / (2.0L * a);
  return {kk, kk * (1.0L - s)};
}

// Curvature difference of the contact ellipse of axis ratio k.
long double fOfRatio(long double k) {
  const KE ke = agm(std::sqrt(1.0L - k * k));
  return ((1.0L + k * k) * ke.e - 2.0L * k * k * ke.k) / ((1.0L - k * k) * ke.e);
}

// Exact axis ratio at F by bisection (F falls monotonically from 1 at k = 0 to 0 at k = 1).
long double exactRatio(double f) {
  long double lo = 1.0e-12L, hi = 1.0L;
  for (int n = 0; n < 90; ++n) {
    const long double mid = (lo + hi) / 2.0L;
    if (fOfRatio(mid) > f) {
      lo = mid;
    } else {
      hi = mid;
    }
  }
  return (lo + hi) / 2.0L;
}

struct Exact {
  double k, e, kk;  // axis ratio, E, K
};
Exact exactSolution(double f) {
  const long double k = exactRatio(f);
  const KE ke = agm(std::sqrt(1.0L - k * k));
  return {double(k), double(ke.e), double(ke.k)};
}

// Hertz factors of a ratio k and integrals E, K: a* = (2E/(pi k^2))^(1/3),
// b* = (2Ek/pi)^(1/3), delta* = (2K/pi)(pi k^2/(2E))^(1/3) (Harris, same chapter).
struct Stars {
  double a, b, d;
};
Stars starsOf(double k, double e, double kk) {
  const double pi = 3.141592653589793;
  return {std::cbrt(2.0 * e / (pi * k * k)), std::cbrt(2.0 * e * k / pi),
          (2.0 * kk / pi) * std::cbrt(pi * k * k / (2.0 * e))};
}
// The same with K taken from the ellipse relation at F (how the table mode closes the triple).
Stars starsFromRelation(double f, double k, double e) {
  return starsOf(k, e, e * (1.0 + k * k - f * (1.0 - k * k)) / (2.0 * k * k));
}

Stars call(Model& m, double f, int mode) {
  Stars s{-1, -1, -1};
  zelc4::zelc4(m, f, s.a, s.b, s.d, mode);
  return s;
}

double rel(double got, double want) { return std::abs(got / want - 1.0); }

}  // namespace

TEST(HertzFactors, TableNodesMatchExactEllipticSolution) {
  // The table carries 8 significant digits; at every node the factors, the axis ratio b*/a*
  // and E = pi a* b*^2 / 2 agree with the exact solution to 1e-7.
  auto m = freshModel();
  for (std::size_t i = 1; i < kNodes.size(); ++i) {
    const double f = kNodes[i];
    const Stars got = call(*m, f, 0);
    const Exact ex = exactSolution(f);
    const Stars want = starsOf(ex.k, ex.e, ex.kk);
    SCOPED_TRACE("F = " + std::to_string(f));
    EXPECT_LT(rel(got.a, want.a), 1e-7);
    EXPECT_LT(rel(got.b, want.b), 1e-7);
    EXPECT_LT(rel(got.d, want.d), 1e-7);
    EXPECT_LT(rel(got.b / got.a, ex.k), 1e-7);
    EXPECT_LT(rel(3.141592653589793 * got.a * got.b * got.b / 2.0, ex.e), 1e-7);
  }
}

TEST(HertzFactors, BetweenNodesWithinLinearInterpolationBound) {
  // Linear interpolation of k(F) and E(F) on [F0, F1] errs by at most
  // (F - F0)(F1 - F) / 2 max|f''| (the classical remainder), plus the 1e-7 node accuracy.
  // max|f''| is sampled from the exact solution by second differences (33 points, factor 1.5
  // for the unsampled ends); the factors may then deviate at most as much as the worst corner
  // of the box k +- ek, E +- eE moves them (each factor is monotone in k and E).
  auto m = freshModel();
  for (std::size_t i = 0; i + 1 < kNodes.size(); ++i) {
    const double f0 = kNodes[i];
    const double f1 = kNodes[i + 1];
    const double h = f1 - f0;
    const int ns = 32;
    const double s = h / ns;
    double kpp = 0.0, epp = 0.0;
    for (int j = 1; j < ns; ++j) {
      const double x = f0 + j * s;
      const Exact lo = exactSolution(x - s), mid = exactSolution(x), hi = exactSolution(x + s);
      kpp = std::max(kpp, std::abs(hi.k - 2.0 * mid.k + lo.k) / (s * s));
      epp = std::max(epp, std::abs(hi.e - 2.0 * mid.e + lo.e) / (s * s));
    }
    for (double frac : {0.25, 0.5, 0.75}) {
      const double f = f0 + frac * h;
      const Exact ex = exactSolution(f);
      const double w = 0.5 * (f - f0) * (f1 - f);
      const double ek = 1.5 * w * kpp + 1e-7 * ex.k;
      const double ee = 1.5 * w * epp + 1e-7 * ex.e;
      const Stars want = starsFromRelation(f, ex.k, ex.e);
      Stars bound{0, 0, 0};
      for (double sk : {-1.0, 1.0}) {
        for (double se : {-1.0, 1.0}) {
          const Stars c = starsFromRelation(f, ex.k + sk * ek, ex.e + se * ee);
          bound.a = std::max(bound.a, std::abs(c.a - want.a));
          bound.b = std::max(bound.b, std::abs(c.b - want.b));
          bound.d = std::max(bound.d, std::abs(c.d - want.d));
        }
      }
      const Stars got = call(*m, f, 0);
      SCOPED_TRACE("F = " + std::to_string(f));
      EXPECT_LE(std::abs(got.a - want.a), bound.a);
      EXPECT_LE(std::abs(got.b - want.b), bound.b);
      EXPECT_LE(std::abs(got.d - want.d), bound.d);
    }
  }
}

TEST(HertzFactors, CircularAndLineLimitsInBothModes) {
  // F <= 0: circle (1, 1, 1); F >= 1: line contact (1e10, 0, 0). A pending error of another
  // routine survives the call.
  auto m = freshModel();
  for (double f : {0.0, -0.0, -1.0e-300, -0.3, -5.0, 1.0, 1.0000001, 3.0}) {
    for (int mode : {0, 1}) {
      m->errors.ierind = 113;
      m->errors.jerind = 7;
      const Stars s = call(*m, f, mode);
      const bool circle = f <= 0.0;
      EXPECT_EQ(s.a, circle ? 1.0 : 1.0e10) << f;
      EXPECT_EQ(s.b, circle ? 1.0 : 0.0) << f;
      EXPECT_EQ(s.d, circle ? 1.0 : 0.0) << f;
      EXPECT_EQ(m->errors.ierind, 113);
      EXPECT_EQ(m->errors.jerind, 7);
    }
  }
}

TEST(HertzFactors, ExtrapolatesTheLastIntervalBeyondTheLastNode) {
  // Between 0.9999 and 1 the interval (0.999, 0.9999) is extended: k = b*/a* and
  // E = pi a* b*^2 / 2 stay on the straight line through the two last nodes, and k stays > 0.
  auto m = freshModel();
  const double pi = 3.141592653589793;
  const Stars s50 = call(*m, 0.999, 0);
  const Stars s51 = call(*m, 0.9999, 0);
  for (double f : {0.99995, 0.99999}) {
    const Stars s = call(*m, f, 0);
    const double k50 = s50.b / s50.a, k51 = s51.b / s51.a, k = s.b / s.a;
    const double e50 = pi * s50.a * s50.b * s50.b / 2.0, e51 = pi * s51.a * s51.b * s51.b / 2.0;
    const double e = pi * s.a * s.b * s.b / 2.0;
    const double t = (f - 0.9999) / (0.9999 - 0.999);
    EXPECT_GT(k, 0.0);
    EXPECT_LT(k, k51);
    EXPECT_NEAR(k, k51 + t * (k51 - k50), 1e-14);
    EXPECT_NEAR(e, e51 + t * (e51 - e50), 1e-14);
    EXPECT_TRUE(std::isfinite(s.d));
    EXPECT_GT(s.d, 0.0);
  }
}

TEST(HertzFactors, RefinementMatchesExactSolution) {
  // The root search stops on a Newton step |dk/k| <= 1e-6 (or a bracket of width 1e-6), so k is
  // known to about 1e-6 relative; the factors then agree with the exact ones to a few 1e-6.
  // Near F = 1 the refinement beats the table interpolation by far.
  auto m = freshModel();
  for (double f : {0.02, 0.33, 0.7777, 0.87654, 0.9305, 0.9833, 0.9995, 0.99985}) {
    m->errors.ierind = 5;  // pending from another routine: a successful search keeps it
    m->errors.iarray(1) = 17;
    const Stars got = call(*m, f, 1);
    SCOPED_TRACE("F = " + std::to_string(f));
    EXPECT_EQ(m->errors.ierind, 5);
    EXPECT_EQ(m->errors.iarray(1), 17);
    const Exact ex = exactSolution(f);
    const Stars want = starsOf(ex.k, ex.e, ex.kk);
    EXPECT_LT(rel(got.a, want.a), 4e-6);
    EXPECT_LT(rel(got.b, want.b), 4e-6);
    EXPECT_LT(rel(got.d, want.d), 4e-6);
    // E and K left in the scratch slots belong to the returned ratio itself.
    const double k = got.b / got.a;
    const KE ke = agm(std::sqrt(1.0L - (long double)k * k));
    EXPECT_LT(rel(m->tmparea.rtmp(2), double(ke.e)), 1e-11);
    EXPECT_LT(rel(m->tmparea.rtmp(3), double(ke.k)), 1e-11);
    EXPECT_EQ(m->tmparea.rtmp(1), f);
  }
  // At the middle of the last full interval the table is off by more than 1e-4 in delta*.
  const Exact ex = exactSolution(0.99985);
  const Stars want = starsOf(ex.k, ex.e, ex.kk);
  EXPECT_GT(rel(call(*m, 0.99985, 0).d, want.d), 1e-4);
  EXPECT_LT(rel(call(*m, 0.99985, 1).d, want.d), 4e-6);
}

TEST(HertzFactors, RefinementRootFailureRaisesKrootc4) {
  // Beyond the last node the root lies outside the bracket of the last two table ratios:
  // the search finds no sign change (code 2) and the error record carries code 114.
  auto m = freshModel();
  m->errors.numr = 3;
  const Stars s = call(*m, 0.99995, 1);
  EXPECT_EQ(m->errors.ierind, m->errorcodes.krootc4);
  EXPECT_EQ(m->errors.ierind, 114);
  EXPECT_EQ(m->errors.jerind, 2);
  EXPECT_EQ(m->errors.iterminate, 0);
  ASSERT_EQ(m->errors.numm, 2);
  EXPECT_EQ(m->errors.imess(1), "Iteration error in Zelc4");
  EXPECT_EQ(m->errors.imess(2), "Root function is Zelc41");
  EXPECT_EQ(m->errors.numi, 1);  // the search count, left by the root finder
  EXPECT_GT(m->errors.iarray(1), 0);
  EXPECT_EQ(m->errors.numr, 0);
  EXPECT_EQ(s.a, 0.0);
  EXPECT_EQ(s.b, 0.0);
  EXPECT_EQ(s.d, 0.0);
}

TEST(HertzFactors, RootFunctionVanishesAtTheExactRatio) {
  auto m = freshModel();
  for (double f : {0.1, 0.6, 0.95, 0.9999}) {
    const Exact ex = exactSolution(f);
    m->tmparea.rtmp(1) = f;
    const double r = zelc4::zelc41(*m, ex.k);
    EXPECT_LT(std::abs(r), 1e-12);
    EXPECT_EQ(m->tmparea.rtmp(1), f);
    // zelg7 stops the mean at a half-difference of 1e-6 (about 3e-13 relative), and k rounded
    // to double moves K by dK/dk dk.
    EXPECT_LT(rel(m->tmparea.rtmp(2), ex.e), 1e-11);
    EXPECT_LT(rel(m->tmparea.rtmp(3), ex.kk), 1e-11);
    EXPECT_EQ(m->tmparea.itmp(1), 0);
  }
  // Sign: a ratio too large (too round an ellipse) gives F(k) < F.
  m->tmparea.rtmp(1) = 0.6;
  EXPECT_GT(zelc4::zelc41(*m, 0.5), 0.0);
  EXPECT_LT(zelc4::zelc41(*m, 0.3), 0.0);
}

TEST(HertzFactors, RootFunctionAtTheCircleAndInvalidRatios) {
  // k = 1 is the circle, F(1) = 0: the root function is F itself, not 0/0.
  auto m = freshModel();
  m->tmparea.rtmp(1) = 0.01;
  EXPECT_EQ(zelc4::zelc41(*m, 1.0), 0.01);
  EXPECT_EQ(m->tmparea.itmp(1), 0);
  // k = 0 (modulus 1) and |k| > 1 (no real modulus) cannot be evaluated.
  for (double k : {0.0, 1.5}) {
    auto b = freshModel();
    b->tmparea.rtmp(1) = 0.5;
    EXPECT_EQ(zelc4::zelc41(*b, k), 0.0);
    EXPECT_EQ(b->tmparea.itmp(1), 1);
    EXPECT_EQ(b->errors.ierind, 1);
    EXPECT_EQ(b->errors.jerind, 1);
    ASSERT_EQ(b->errors.numm, 1);
    EXPECT_EQ(b->errors.imess(1), "Error count in Zelc41");
    EXPECT_EQ(b->tmparea.rtmp(1), 0.5);
  }
}
