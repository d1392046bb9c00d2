// Piecewise-linear interpolation in a table of n >= 2 points with ascending abscissae xtab and
// ordinates ytab (any units). Below the first point the first interval is extended, above the
// last point the last interval: the table is extrapolated linearly at both ends. i1 and i2
// return the 1-based indices of the two points used.
#include "numerics/zelg5.h"

#include <stdexcept>
#include <string>

namespace zelg5 {

double zelg5(double x, const double* xtab, const double* ytab, int n, int& i1, int& i2) {
  if (n < 2) throw std::invalid_argument("zelg5: a table needs at least 2 points, got " + std::to_string(n));
  // 1-based views of the tables.
  auto xt = [xtab](int i) { return xtab[i - 1]; };
  auto yt = [ytab](int i) { return ytab[i - 1]; };

  if (x <= xt(1)) {
    i1 = 1;
    i2 = 2;
  } else {
    i2 = n;
    for (int i = 2; i <= n; ++i) {
      if (x <= xt(i)) {
        i2 = i;
        break;
      }
    }
    i1 = i2 - 1;
  }
  return yt(i1) + (yt(i2) - yt(i1)) * (x - xt(i1)) / (xt(i2) - xt(i1));
}

}  // namespace zelg5
