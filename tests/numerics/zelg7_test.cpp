// Complete elliptic integrals K(k), E(k): tabulated values, an independent quadrature over the
// whole range of moduli, Legendre's relation, the small-modulus shortcut, and invalid moduli.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

#include "model/model.h"
#include "numerics/zelg7.h"

namespace {

constexpr double kPi = 3.141592653589793;

// Reference K and E by the trapezoidal rule over a full period in long double:
// K = int_0^{pi/2} (1 - k^2 sin^2 t)^(-1/2) dt, E = int_0^{pi/2} (1 - k^2 sin^2 t)^(1/2) dt.
// The integrands are analytic and pi-periodic, so the rule converges geometrically, with error
// of order exp(-2 N acosh(1/k)): below 1e-30 for N = 4096 at k = 0.999.
struct KE {
  long double k, e;
};
KE quadrature(double modulus) {
  const int n = 4096;
  const long double pi = 3.141592653589793238462643383279502884L;
  const long double k2 = static_cast<long double>(modulus) * modulus;
  long double sk = 0.0L, se = 0.0L;
  for (int j = 0; j < n; ++j) {
    const long double s = std::sin(pi * j / n);
    const long double r = std::sqrt(1.0L - k2 * s * s);
    sk += 1.0L / r;
    se += r;
  }
  return {pi / (2 * n) * sk, pi / (2 * n) * se};
}

}  // namespace

TEST(EllipticIntegrals, TabulatedModulusOneHalf) {
  // Abramowitz and Stegun, Table 17.1, parameter m = k^2 = 0.25.
  auto m = std::make_unique<Model>();
  double ck = 0, ce = 0;
  int ierr = -1;
  zelg7::zelg7(*m, 0.5, ck, ce, ierr);
  EXPECT_EQ(ierr, 0);
  EXPECT_NEAR(ck, 1.685750354812596, 1e-12);
  EXPECT_NEAR(ce, 1.467462209339427, 1e-12);
  // The reference quadrature reproduces the table as well.
  const KE q = quadrature(0.5);
  EXPECT_NEAR(double(q.k), 1.685750354812596, 1e-15);
  EXPECT_NEAR(double(q.e), 1.467462209339427, 1e-15);
}

TEST(EllipticIntegrals, AgreeWithQuadratureWhereTheMeanIsIterated) {
  auto m = std::make_unique<Model>();
  for (double k : {0.0021, 0.003, 0.01, 0.05, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.85, 0.9,
                   0.95, 0.98, 0.99, 0.995, 0.998, 0.9989, -0.3, -0.97}) {
    double ck = 0, ce = 0;
    int ierr = -1;
    zelg7::zelg7(*m, k, ck, ce, ierr);
    const KE q = quadrature(k);
    EXPECT_EQ(ierr, 0) << "k = " << k;
    EXPECT_NEAR(ck, double(q.k), 1e-11) << "k = " << k;
    EXPECT_NEAR(ce, double(q.e), 1e-11) << "k = " << k;
  }
}

TEST(EllipticIntegrals, LegendreRelation) {
  // E K' + E' K - K K' = pi/2, with K', E' the integrals of the complementary modulus.
  auto m = std::make_unique<Model>();
  for (double k : {0.1, 0.3, 0.6, 0.7071, 0.9, 0.99}) {
    const double kc = std::sqrt(1.0 - k * k);
    double K = 0, E = 0, Kc = 0, Ec = 0;
    int i1 = -1, i2 = -1;
    zelg7::zelg7(*m, k, K, E, i1);
    zelg7::zelg7(*m, kc, Kc, Ec, i2);
    ASSERT_EQ(i1, 0);
    ASSERT_EQ(i2, 0);
    EXPECT_NEAR(E * Kc + Ec * K - K * Kc, kPi / 2.0, 1e-11) << "k = " << k;
  }
}

TEST(EllipticIntegrals, SmallModulusTakesNoMeanStep) {
  // Below k of about 0.002 the first half-difference (1 - sqrt(1 - k^2))/2 is under 1e-6, so
  // K = pi/2 and E = (1 - k^2/2) pi/2 exactly, in error by (pi/2) k^2/4 at most: within 1e-6
  // up to k = 0.0014, and within a relative 1e-6 (1.6e-6) up to the threshold.
  auto m = std::make_unique<Model>();
  for (double k : {0.0, 1e-4, 0.001, 0.0014, 0.0017, 0.0019999}) {
    double ck = 0, ce = 0;
    int ierr = -1;
    zelg7::zelg7(*m, k, ck, ce, ierr);
    const KE q = quadrature(k);
    EXPECT_EQ(ierr, 0);
    EXPECT_EQ(ck, m->constants.pi / 2.0) << "k = " << k;
    EXPECT_EQ(ce, (1.0 - k * k / 2.0) * (m->constants.pi / 2.0)) << "k = " << k;
    const double tol = k <= 0.0014 ? 1e-6 : 1e-6 * double(q.k);
    EXPECT_NEAR(ck, double(q.k), tol) << "k = " << k;
    EXPECT_NEAR(ce, double(q.e), tol) << "k = " << k;
  }
}

TEST(EllipticIntegrals, ModulusOneOrBeyondIsRefused) {
  // k = 1: K is infinite; k^2 > 1: the complementary modulus is imaginary; NaN: no argument.
  auto m = std::make_unique<Model>();
  for (double k : {1.0, -1.0, 1.0 + 1e-15, 1.0000001, 2.0, std::numeric_limits<double>::quiet_NaN()}) {
    double ck = 5, ce = 5;
    int ierr = -1;
    zelg7::zelg7(*m, k, ck, ce, ierr);
    EXPECT_EQ(ierr, 1) << "k = " << k;
    EXPECT_EQ(ck, 0.0);
    EXPECT_EQ(ce, 1.0);
  }
}
