// Masked linear solve: held unknowns come back exactly 0, the free block is solved by Cramer's
// rule (1 to 3 unknowns) or elimination without row exchange (4 and more), exact-zero
// determinants and pivots are reported, and the caller's matrix and mask are left alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "numerics/zelg0.h"

namespace {

// Column-major n x n matrix from rows written as in the text of a test.
std::vector<double> fromRows(int n, const std::vector<double>& rows) {
  std::vector<double> a(std::size_t(n * n));
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) a[std::size_t(i + j * n)] = rows[std::size_t(i * n + j)];
  return a;
}

}  // namespace

TEST(MaskedSolve, AllHeldGivesZeroAndSuccess) {
  const std::vector<int> kfix{1, 1, 1};
  const std::vector<double> a(9, 0.0);  // singular, but nothing is solved
  std::vector<double> x{5.0, 6.0, 7.0};
  int ierr = -1;
  zelg0::zelg0(3, kfix.data(), a.data(), x.data(), ierr);
  EXPECT_EQ(ierr, 0);
  for (double v : x) EXPECT_EQ(v, 0.0);
}

TEST(MaskedSolve, SingleFreeUnknown) {
  const std::vector<int> kfix{1, 0, 2};  // any nonzero flag holds
  const auto a = fromRows(3, {9, 9, 9, 9, 4, 9, 9, 9, 9});
  std::vector<double> x{1.0, 10.0, 3.0};
  int ierr = -1;
  zelg0::zelg0(3, kfix.data(), a.data(), x.data(), ierr);
  EXPECT_EQ(ierr, 0);
  EXPECT_EQ(x[0], 0.0);
  EXPECT_EQ(x[1], 2.5);
  EXPECT_EQ(x[2], 0.0);

  const auto z = fromRows(3, {9, 9, 9, 9, 0, 9, 9, 9, 9});
  std::vector<double> y{1.0, 10.0, 3.0};
  zelg0::zelg0(3, kfix.data(), z.data(), y.data(), ierr);
  EXPECT_EQ(ierr, 1);
}

TEST(MaskedSolve, TwoByTwoCramer) {
  // [2 1; 1 3] x = (0, -5) has x = (1, -2); small integers keep every step exact.
  const std::vector<int> kfix{0, 0};
  const auto a = fromRows(2, {2, 1, 1, 3});
  std::vector<double> x{0.0, -5.0};
  int ierr = -1;
  zelg0::zelg0(2, kfix.data(), a.data(), x.data(), ierr);
  EXPECT_EQ(ierr, 0);
  EXPECT_EQ(x[0], 1.0);
  EXPECT_EQ(x[1], -2.0);

  const auto s = fromRows(2, {1, 2, 2, 4});
  std::vector<double> y{1.0, 1.0};
  zelg0::zelg0(2, kfix.data(), s.data(), y.data(), ierr);
  EXPECT_EQ(ierr, 1);
}

TEST(MaskedSolve, FiveUnknownsWithSecondAndFourthHeld) {
  // Free block (rows and columns 1, 3, 5) = [4 1 -2; 3 5 1; -1 2 6], determinant 71, with
  // solution (1, -1, 2): right-hand sides -1, 0, 9. The held rows and columns carry values that
  // would change the answer if they were used.
  const std::vector<int> kfix{0, 1, 0, 1, 0};
  const auto a = fromRows(5, {4, 50, 1, -70, -2,
                              11, 12, 13, 14, 15,
                              3, -60, 5, 80, 1,
                              21, 22, 23, 24, 25,
                              -1, 90, 2, -30, 6});
  const auto a0 = a;
  const auto kfix0 = kfix;
  std::vector<double> x{-1.0, 77.0, 0.0, -88.0, 9.0};
  int ierr = -1;
  zelg0::zelg0(5, kfix.data(), a.data(), x.data(), ierr);
  EXPECT_EQ(ierr, 0);
  EXPECT_EQ(x[0], 1.0);
  EXPECT_EQ(x[1], 0.0);
  EXPECT_EQ(x[2], -1.0);
  EXPECT_EQ(x[3], 0.0);
  EXPECT_EQ(x[4], 2.0);
  EXPECT_EQ(a, a0);
  EXPECT_EQ(kfix, kfix0);
}

TEST(MaskedSolve, ThreeByThreeZeroDeterminant) {
  // Rows (1 2 3), (4 5 6), (7 8 9): determinant exactly 0 in integer arithmetic.
  const std::vector<int> kfix{0, 0, 0};
  const auto a = fromRows(3, {1, 2, 3, 4, 5, 6, 7, 8, 9});
  std::vector<double> x{1.0, 2.0, 3.0};
  int ierr = -1;
  zelg0::zelg0(3, kfix.data(), a.data(), x.data(), ierr);
  EXPECT_EQ(ierr, 1);
}

TEST(MaskedSolve, EliminationResidualIsSmall) {
  // Diagonally dominant matrices (no zero pivot in the given order); a known solution gives
  // the right-hand side. Relative residual of a backward-stable elimination: a few eps * n.
  struct Case {
    std::vector<int> kfix;
  };
  const Case cases[] = {{{0, 0, 0, 0}},
                        {{0, 0, 0, 0, 0, 0}},
                        {{0, 1, 0, 0, 1, 0}},
                        {{0, 0, 1, 0, 0, 1, 0, 1}},
                        {std::vector<int>(20, 0)}};
  for (const Case& c : cases) {
    const int n = int(c.kfix.size());
    std::vector<double> a(std::size_t(n * n));
    for (int i = 1; i <= n; ++i)
      for (int j = 1; j <= n; ++j)
        a[std::size_t((i - 1) + (j - 1) * n)] =
            (i == j) ? 3.0 * n + i : std::sin(1.3 * i + 0.7 * j * j) * (1.0 + 0.1 * j);
    std::vector<double> xt(static_cast<std::size_t>(n));
    for (int i = 1; i <= n; ++i) xt[std::size_t(i - 1)] = c.kfix[std::size_t(i - 1)] ? 0.0 : std::cos(2.1 * i) * i;
    std::vector<double> b(static_cast<std::size_t>(n), 0.0);
    for (int i = 1; i <= n; ++i)
      for (int j = 1; j <= n; ++j) b[std::size_t(i - 1)] += a[std::size_t((i - 1) + (j - 1) * n)] * xt[std::size_t(j - 1)];
    const auto a0 = a;
    std::vector<double> x = b;
    int ierr = -1;
    zelg0::zelg0(n, c.kfix.data(), a.data(), x.data(), ierr);
    ASSERT_EQ(ierr, 0) << "n = " << n;
    EXPECT_EQ(a, a0);
    double anorm = 0.0, xnorm = 0.0, rnorm = 0.0;
    for (int i = 1; i <= n; ++i) {
      if (c.kfix[std::size_t(i - 1)]) {
        EXPECT_EQ(x[std::size_t(i - 1)], 0.0);
        continue;
      }
      double r = b[std::size_t(i - 1)], rowsum = 0.0;
      for (int j = 1; j <= n; ++j) {
        if (c.kfix[std::size_t(j - 1)]) continue;
        r -= a[std::size_t((i - 1) + (j - 1) * n)] * x[std::size_t(j - 1)];
        rowsum += std::abs(a[std::size_t((i - 1) + (j - 1) * n)]);
      }
      anorm = std::max(anorm, rowsum);
      xnorm = std::max(xnorm, std::abs(x[std::size_t(i - 1)]));
      rnorm = std::max(rnorm, std::abs(r));
      EXPECT_NEAR(x[std::size_t(i - 1)], xt[std::size_t(i - 1)], 1e-13 * (1.0 + std::abs(xt[std::size_t(i - 1)])));
    }
    EXPECT_LE(rnorm, 1e-14 * anorm * xnorm) << "n = " << n;
  }
}

TEST(MaskedSolve, ZeroPivotIsSingularWithoutRowExchange) {
  int ierr = -1;
  const std::vector<int> kfix{0, 0, 0, 0};
  // A permutation matrix is regular, but its first pivot is 0 and rows are not exchanged.
  const auto perm = fromRows(4, {0, 1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 1, 0, 0, 1, 0});
  std::vector<double> x{1, 2, 3, 4};
  zelg0::zelg0(4, kfix.data(), perm.data(), x.data(), ierr);
  EXPECT_EQ(ierr, 1);
  // Second pivot exactly 0 after the first elimination step: row 2 - row 1 = (0 0 1 0).
  const auto second = fromRows(4, {1, 1, 0, 0, 1, 1, 1, 0, 0, 1, 0, 1, 0, 0, 1, 1});
  x = {1, 2, 3, 4};
  zelg0::zelg0(4, kfix.data(), second.data(), x.data(), ierr);
  EXPECT_EQ(ierr, 1);
  // Row 4 = row 1 + row 2: elimination leaves the last pivot exactly 0 for back substitution.
  const auto last = fromRows(4, {2, 1, 0, 0, 1, 3, 1, 0, 0, 1, 4, 1, 3, 4, 1, 0});
  x = {1, 2, 3, 4};
  zelg0::zelg0(4, kfix.data(), last.data(), x.data(), ierr);
  EXPECT_EQ(ierr, 1);
}

TEST(MaskedSolve, HeldUnknownRemovesTheSingularity) {
  // The 3 x 3 zero-determinant matrix is regular on unknowns 1 and 2 alone:
  // [1 2; 4 5] x = (1 * 1 + 2 * 1, 4 + 5) = (3, 9) has x = (1, 1).
  const std::vector<int> kfix{0, 0, 1};
  const auto a = fromRows(3, {1, 2, 3, 4, 5, 6, 7, 8, 9});
  std::vector<double> x{3.0, 9.0, 100.0};
  int ierr = -1;
  zelg0::zelg0(3, kfix.data(), a.data(), x.data(), ierr);
  EXPECT_EQ(ierr, 0);
  EXPECT_EQ(x[0], 1.0);
  EXPECT_EQ(x[1], 1.0);
  EXPECT_EQ(x[2], 0.0);
}

TEST(MaskedSolve, RefusesSystemBeyondWorkingStorage) {
  const int n = 65;
  const std::vector<int> kfix(std::size_t(n), 0);
  const std::vector<double> a(std::size_t(n * n), 1.0);
  std::vector<double> x(std::size_t(n), 1.0);
  int ierr = -1;
  EXPECT_THROW(zelg0::zelg0(n, kfix.data(), a.data(), x.data(), ierr), std::invalid_argument);
}
