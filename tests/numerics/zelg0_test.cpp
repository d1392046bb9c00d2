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

// Small systems whose solution is exact in binary (small integers), and systems whose
// determinant or pivot is exactly 0. Any nonzero flag holds an unknown; held rows and columns
// carry values that would change the answer if they were used.
TEST(MaskedSolve, ExactSmallSystemsAndExactSingularities) {
  struct Case {
    const char* name;
    std::vector<int> kfix;
    std::vector<double> rows, b, x;  // x empty: singular
  };
  const std::vector<double> z9(9, 0.0);
  const Case cases[] = {
      {"all held, singular but nothing solved", {1, 1, 1}, z9, {5, 6, 7}, {0, 0, 0}},
      {"single free unknown", {1, 0, 2}, {9, 9, 9, 9, 4, 9, 9, 9, 9}, {1, 10, 3}, {0, 2.5, 0}},
      {"single free unknown, zero pivot", {1, 0, 2}, {9, 9, 9, 9, 0, 9, 9, 9, 9}, {1, 10, 3}, {}},
      // [2 1; 1 3] x = (0, -5) has x = (1, -2)
      {"2 x 2 Cramer", {0, 0}, {2, 1, 1, 3}, {0, -5}, {1, -2}},
      {"2 x 2 zero determinant", {0, 0}, {1, 2, 2, 4}, {1, 1}, {}},
      {"3 x 3 zero determinant", {0, 0, 0}, {1, 2, 3, 4, 5, 6, 7, 8, 9}, {1, 2, 3}, {}},
      // the same matrix is regular on unknowns 1 and 2: [1 2; 4 5] x = (3, 9), x = (1, 1)
      {"held unknown removes the singularity", {0, 0, 1}, {1, 2, 3, 4, 5, 6, 7, 8, 9},
       {3, 9, 100}, {1, 1, 0}},
      // free block (1, 3, 5) = [4 1 -2; 3 5 1; -1 2 6], determinant 71, solution (1, -1, 2)
      {"five unknowns, second and fourth held", {0, 1, 0, 1, 0},
       {4, 50, 1, -70, -2, 11, 12, 13, 14, 15, 3, -60, 5, 80, 1, 21, 22, 23, 24, 25,
        -1, 90, 2, -30, 6},
       {-1, 77, 0, -88, 9}, {1, 0, -1, 0, 2}},
      // elimination without row exchange: a regular permutation matrix has first pivot 0
      {"first pivot zero", {0, 0, 0, 0}, {0, 1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 1, 0, 0, 1, 0},
       {1, 2, 3, 4}, {}},
      // row 2 - row 1 = (0 0 1 0): second pivot exactly 0
      {"second pivot zero", {0, 0, 0, 0}, {1, 1, 0, 0, 1, 1, 1, 0, 0, 1, 0, 1, 0, 0, 1, 1},
       {1, 2, 3, 4}, {}},
      // row 4 = row 1 + row 2: the last pivot is exactly 0
      {"last pivot zero", {0, 0, 0, 0}, {2, 1, 0, 0, 1, 3, 1, 0, 0, 1, 4, 1, 3, 4, 1, 0},
       {1, 2, 3, 4}, {}},
  };
  for (const Case& c : cases) {
    const int n = int(c.kfix.size());
    const auto a = fromRows(n, c.rows);
    const auto a0 = a;
    const auto kfix0 = c.kfix;
    std::vector<double> x = c.b;
    int ierr = -1;
    zelg0::zelg0(n, c.kfix.data(), a.data(), x.data(), ierr);
    EXPECT_EQ(ierr, c.x.empty() ? 1 : 0) << c.name;
    if (!c.x.empty()) {
      EXPECT_EQ(x, c.x) << c.name;
    }
    EXPECT_EQ(a, a0) << c.name;
    EXPECT_EQ(c.kfix, kfix0) << c.name;
  }
}

TEST(MaskedSolve, EliminationRecoversAKnownSolution) {
  // Diagonally dominant matrices (no zero pivot in the given order, condition near 1); a known
  // solution gives the right-hand side and is recovered to a few eps * n; held unknowns are 0.
  for (const std::vector<int>& kfix :
       {std::vector<int>{0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}, {0, 1, 0, 0, 1, 0},
        {0, 0, 1, 0, 0, 1, 0, 1}, std::vector<int>(20, 0)}) {
    const std::size_t n = kfix.size();
    std::vector<double> a(n * n), xt(n), b(n, 0.0);
    auto at = [&](std::size_t i, std::size_t j) -> double& { return a[i + j * n]; };
    for (std::size_t i = 0; i < n; ++i) {
      for (std::size_t j = 0; j < n; ++j)
        at(i, j) = i == j ? 3.0 * double(n) + double(i + 1)
                          : std::sin(1.3 * double(i + 1) + 0.7 * double((j + 1) * (j + 1))) *
                                (1.0 + 0.1 * double(j + 1));
      xt[i] = kfix[i] ? 0.0 : std::cos(2.1 * double(i + 1)) * double(i + 1);
    }
    for (std::size_t i = 0; i < n; ++i)
      for (std::size_t j = 0; j < n; ++j) b[i] += at(i, j) * xt[j];
    const auto a0 = a;
    std::vector<double> x = b;
    int ierr = -1;
    zelg0::zelg0(int(n), kfix.data(), a.data(), x.data(), ierr);
    ASSERT_EQ(ierr, 0) << "n = " << n;
    EXPECT_EQ(a, a0);
    for (std::size_t i = 0; i < n; ++i)
      EXPECT_NEAR(x[i], xt[i], 1e-13 * (1.0 + std::abs(xt[i]))) << "n = " << n << " i = " << i;
  }
}

TEST(MaskedSolve, RefusesSystemBeyondWorkingStorage) {
  const int n = 65;
  const std::vector<int> kfix(std::size_t(n), 0);
  const std::vector<double> a(std::size_t(n * n), 1.0);
  std::vector<double> x(std::size_t(n), 1.0);
  int ierr = -1;
  EXPECT_THROW(zelg0::zelg0(n, kfix.data(), a.data(), x.data(), ierr), std::invalid_argument);
}
