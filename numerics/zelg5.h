// Linear interpolation of ytab over the ascending xtab (n >= 2 entries, 1-based: xtab[0] is the
// first), with linear extrapolation beyond both ends; i1, i2 return the interval used.
// n < 2 is a programming fault (std::invalid_argument).
#pragma once

namespace zelg5 {
double zelg5(double x, const double* xtab, const double* ytab, int n, int& i1, int& i2);
}  // namespace zelg5
