// Complete elliptic integrals of the first kind K(k) and second kind E(k) of modulus k by the
// arithmetic-geometric mean (Abramowitz and Stegun 17.6): K = (pi/2) / AGM(1, sqrt(1 - k^2)),
// E = K (1 - S/2) with S = k^2 + sum 2^n c_n^2 over the half-differences c_n of the mean.
// The mean stops once a half-difference is at most 1.0e-6; the next one is then below about
// 3e-13, so K and E carry a relative error of that order. Below k of about 0.002 no step is
// taken and K = pi/2, E = (1 - k^2/2) pi/2 (relative error k^2/4 at most 1e-6).
#include "numerics/zelg7.h"

#include <cmath>

#include "model/model.h"

namespace zelg7 {

void zelg7(const Model& m, double k, double& ck, double& ce, int& ierr) {
  const double pi = m.constants.pi;
  const double comp = 1.0 - k * k;
  // k = 1 has no finite K; |k| > 1 has no real b; a NaN modulus is no argument either.
  if (!(comp > 0.0)) {
    ck = 0.0;
    ce = 1.0;
    ierr = 1;
    return;
  }
  double a = 1.0;
  double b = std::sqrt(comp);
  double s = k * k;
  double p = 1.0;
  int count = 0;
  if (std::abs((a - b) / 2.0) > 1.0e-6) {
    double c = 0.0;
    do {
      c = (a - b) / 2.0;
      p = 2.0 * p;
      s = s + p * (c * c);
      const double an = (a + b) / 2.0;
      const double bn = std::sqrt(a * b);
      a = an;
      b = bn;
      ++count;
      if (count > 100) {
        ck = 0.0;
        ce = 1.0;
        ierr = 2;
        return;
      }
    } while (std::abs(c) > 1.0e-6);
  }
  ierr = 0;
  ck = (pi / 2.0) / a;
  ce = (1.0 - s / 2.0) * ck;
}

}  // namespace zelg7
