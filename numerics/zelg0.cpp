// Linear solve A x = b of the n equilibrium equations in which the unknowns flagged in kfix are
// held at zero (prescribed displacements): the rows and columns of the free unknowns form the
// reduced system. Up to three free unknowns it is solved by Cramer's rule, larger ones by Gauss
// elimination in the given order without row exchanges. Only an exactly zero determinant or
// pivot is singular; there is no tolerance. The reduced system lives in fixed local storage
// sized for the largest system of the program (the race equations have five unknowns).
#include "numerics/zelg0.h"

#include <array>
#include <stdexcept>
#include <string>

namespace zelg0 {

namespace {

// Largest system the working storage holds.
constexpr int kMaxEqns = 64;

// Reduced system: m x m matrix r (column-major, leading dimension kMaxEqns) and right-hand
// side / solution y, both 1-based through the accessors.
struct Reduced {
  std::array<double, kMaxEqns * kMaxEqns> r{};
  std::array<double, kMaxEqns> y{};
  double& a(int i, int j) { return r[std::size_t(i - 1) + std::size_t(j - 1) * kMaxEqns]; }
  double& b(int i) { return y[std::size_t(i - 1)]; }
};

// Determinant of the 2 x 2 matrix with columns (p1, p2), (q1, q2).
double det2(double p1, double p2, double q1, double q2) { return p1 * q2 - p2 * q1; }

// Determinant of the 3 x 3 matrix with columns p, q, w, expanded along the first column.
double det3(const std::array<double, 3>& p, const std::array<double, 3>& q,
            const std::array<double, 3>& w) {
  return p[0] * (q[1] * w[2] - q[2] * w[1]) - p[1] * (q[0] * w[2] - q[2] * w[0]) +
         p[2] * (q[0] * w[1] - q[1] * w[0]);
}

// Solves the m x m reduced system in place (solution in s.y); returns 0 or 1 (singular).
int solveReduced(Reduced& s, int m) {
  if (m == 1) {
    if (s.a(1, 1) == 0.0) return 1;
    s.b(1) = s.b(1) / s.a(1, 1);
    return 0;
  }
  if (m == 2) {
    const double d = det2(s.a(1, 1), s.a(2, 1), s.a(1, 2), s.a(2, 2));
    if (d == 0.0) return 1;
    const double x1 = det2(s.b(1), s.b(2), s.a(1, 2), s.a(2, 2)) / d;
    const double x2 = det2(s.a(1, 1), s.a(2, 1), s.b(1), s.b(2)) / d;
    s.b(1) = x1;
    s.b(2) = x2;
    return 0;
  }
  if (m == 3) {
    const std::array<double, 3> c1{s.a(1, 1), s.a(2, 1), s.a(3, 1)};
    const std::array<double, 3> c2{s.a(1, 2), s.a(2, 2), s.a(3, 2)};
    const std::array<double, 3> c3{s.a(1, 3), s.a(2, 3), s.a(3, 3)};
    const std::array<double, 3> rhs{s.b(1), s.b(2), s.b(3)};
    const double d = det3(c1, c2, c3);
    if (d == 0.0) return 1;
    s.b(1) = det3(rhs, c2, c3) / d;
    s.b(2) = det3(c1, rhs, c3) / d;
    s.b(3) = det3(c1, c2, rhs) / d;
    return 0;
  }
  // Forward elimination in the given row order.
  for (int k = 1; k <= m - 1; ++k) {
    const double piv = s.a(k, k);
    if (piv == 0.0) return 1;
    for (int i = k + 1; i <= m; ++i) {
      const double f = s.a(i, k) / piv;
      for (int j = k + 1; j <= m; ++j) s.a(i, j) = s.a(i, j) - f * s.a(k, j);
      s.b(i) = s.b(i) - f * s.b(k);
    }
  }
  // Back substitution.
  for (int i = m; i >= 1; --i) {
    const double piv = s.a(i, i);
    if (piv == 0.0) return 1;
    double sum = s.b(i);
    for (int j = i + 1; j <= m; ++j) sum = sum - s.a(i, j) * s.b(j);
    s.b(i) = sum / piv;
  }
  return 0;
}

}  // namespace

void zelg0(int n, const int* kfix, const double* a, double* x, int& ierr) {
  if (n < 0 || n > kMaxEqns)
    throw std::invalid_argument("zelg0: system of " + std::to_string(n) +
                                " equations; the working storage holds 0 to " +
                                std::to_string(kMaxEqns));
  // 1-based views of the caller's arrays.
  auto fixed = [kfix](int i) { return kfix[i - 1] != 0; };
  auto aa = [a, n](int i, int j) { return a[std::size_t(i - 1) + std::size_t(j - 1) * std::size_t(n)]; };

  // Free unknowns in ascending order.
  std::array<int, kMaxEqns> free{};
  int m = 0;
  for (int i = 1; i <= n; ++i) {
    if (!fixed(i)) free[std::size_t(m++)] = i;
  }

  Reduced s;
  for (int q = 1; q <= m; ++q) {
    const int iq = free[std::size_t(q - 1)];
    for (int p = 1; p <= m; ++p) s.a(p, q) = aa(free[std::size_t(p - 1)], iq);
    s.b(q) = x[iq - 1];
  }

  ierr = (m == 0) ? 0 : solveReduced(s, m);
  if (ierr != 0) return;

  for (int i = 1; i <= n; ++i) x[i - 1] = 0.0;
  for (int q = 1; q <= m; ++q) x[free[std::size_t(q - 1)] - 1] = s.b(q);
}

}  // namespace zelg0
