// Repeatable standard-normal deviates for the rolling-element size scatter. The normal
// distribution function is tabulated on x = 0.00 .. 3.00 by the rational approximation of
// Abramowitz and Stegun 26.2.17 (error below 7.5e-8); the table is inverted by linear
// interpolation at p = 0.50 .. 0.99, and the 1 % .. 99 % quantiles go into constants::gpop
// (gpop(50) = 0, gpop(100 - i) = -gpop(i)). The deviates are handed out in a fixed order, so
// every run with the same input gets the same element sizes.
#include "numerics/zelg8.h"

#include <cmath>

#include "model/model.h"
#include "numerics/zelg5.h"

namespace zelg8 {

namespace {

// Order in which the quantile indices are handed out (repeats are part of the sequence).
constexpr int kOrder[40] = {98, 58, 74, 3,  92, 14, 71, 53, 40, 3,  11, 96, 56, 40,
                            76, 60, 97, 66, 27, 67, 65, 94, 30, 64, 39, 85, 1,  71,
                            55, 94, 59, 87, 37, 50, 71, 65, 40, 99, 29, 48};

int order(int j) { return kOrder[j - 1]; }

void buildTables(Model& m) {
  // Abramowitz and Stegun 26.2.17.
  constexpr double c = 0.3989423;
  constexpr double p = 0.2316419;
  constexpr double b1 = 0.31938153;
  constexpr double b2 = -0.356563782;
  constexpr double b3 = 1.781477937;
  constexpr double b4 = -1.821255978;
  constexpr double b5 = 1.330274429;

  auto& t = m.zelg8;
  t.x(1) = 0.0;
  for (int i = 2; i <= 301; ++i) t.x(i) = t.x(i - 1) + 0.01;

  t.f(1) = 0.5;
  for (int i = 2; i <= 301; ++i) {
    const double x = t.x(i);
    const double s = 1.0 / (1.0 + p * x);
    const double poly =
        b1 * s + b2 * (s * s) + b3 * (s * s * s) + b4 * (s * s * s * s) + b5 * (s * s * s * s * s);
    t.f(i) = 1.0 - c * std::exp(-x * x / 2.0) * poly;
  }

  t.y(1) = 0.5;
  t.z(1) = 0.0;
  for (int k = 2; k <= 50; ++k) {
    t.y(k) = t.y(k - 1) + 0.01;
    int i1 = 0, i2 = 0;
    t.z(k) = zelg5::zelg5(t.y(k), t.f.data(), t.x.data(), 301, i1, i2);
  }

  auto& g = m.constants.gpop;
  // 0.0 - z keeps the median an unsigned zero.
  for (int i = 1; i <= 50; ++i) g(i) = 0.0 - t.z(51 - i);
  for (int i = 1; i <= 49; ++i) g(50 + i) = t.z(i + 1);
}

}  // namespace

void zelg8(Model& m, int& istart, int n, double* z) {
  if (istart <= 0) {
    buildTables(m);
    istart = 1;
    return;
  }
  // A start beyond the sequence continues it cyclically.
  int j = (istart - 1) % 40 + 1;
  for (int k = 1; k <= n; ++k) {
    z[k - 1] = m.constants.gpop(order(j));
    j = j + 1;
    if (j > 40) j = 1;
  }
}

}  // namespace zelg8
