// Peak condition of the exponential traction law mu = c4 + (c1 + c2 s) exp(-c3 s) fitted to a
// zero-slip value r1, a peak value r2 at slip speed r4 and an asymptote r3 (r = rtmp(1..4)).
// With x = c2 r4 and d = c1 + x = r1 - r3 + x, the peak condition fixes c3 = x / (r4 d) and
// the peak value is r3 + d exp(-x / d); the residual is that value minus r2.
#include "traction/zeld41.h"

#include <cmath>

#include "model/model.h"

namespace zeld41 {

double zeld41(Model& m, double x) {
  const auto& r = m.tmparea.rtmp;
  const double d = r(1) - r(3) + x;
  if (std::abs(d) > m.constants.tolr(1)) return (r(3) - r(2)) + d * std::exp(-x / d);
  return r(3) - r(2);
}

}  // namespace zeld41
