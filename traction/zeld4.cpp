// Traction-curve set-up from the user's coefficients (user's speed unit). Four model types:
//   0  piecewise linear: value at zero slip, slopes before and after the break, break speed;
//  -1  exponential law mu = c4 + (c1 + c2 s) exp(-c3 s) with its coefficients given directly;
//   1  the same law fitted to a zero-slip value, a peak value at a given slip speed and an
//      asymptote at large slip (the fit solves the peak condition of zeld41 with zelg3);
//   2  exponential transition from the zero-slip value to the asymptote with a given slope.
// Every exponential curve built here stays bounded for s >= 0 (c3 >= 0); coefficients that
// would divide by zero or make the curve grow without bound are refused as code 11.
#include "traction/zeld4.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>

#include "model/model.h"
#include "numerics/zelg3.h"
#include "run/zela9.h"
#include "traction/zeld41.h"

namespace zeld4 {

namespace {

constexpr int kCoefficients = 11;  // incorrect traction coefficients
constexpr int kConvergence = 12;   // no peak-condition root
constexpr int kModelType = 13;     // unknown model type

// Distance from |x| to the next larger double (the smallest normal number at and near zero).
double spacing(double x) {
  const double a = std::abs(x);
  const double next = std::nextafter(a, std::numeric_limits<double>::infinity());
  return std::max(next - a, DBL_MIN);
}

void raiseCoefficients(Model& m, int type, zq::FRef<double, 4> ci, bool fatal) {
  zq::ErrorBlock b;
  b.code = kCoefficients;
  b.supplementary = 0;
  b.fatal = fatal;
  b.lines = {"Zeld4: Incorrect traction coefficients"};
  b.iname = "Model type";
  b.ivalues = {type};
  b.rname = "Input coefficients";
  b.rvalues = {ci(1), ci(2), ci(3), ci(4)};
  zq::raiseError(m, b);
}

// Type 0: the input is the curve; the cap 1.0 limits the coefficient to full sliding friction.
void linear(zq::FRef<double, 4> ci, zq::FRef<double, 5> co) {
  for (int k = 1; k <= 4; ++k) co(k) = ci(k);
  co(5) = 1.0;
}

// Type -1: exponential coefficients given directly. ci is rewritten into zero-slip value, peak
// value, asymptote and peak slip speed s* (where d mu / ds = 0: s* = 1/c3 - c1/c2).
void exponential(Model& m, int type, zq::FRef<double, 4> ci, zq::FRef<double, 5> co) {
  for (int k = 1; k <= 4; ++k) co(k) = ci(k);
  co(5) = -1.0;
  // A negative decay rate makes the curve grow exponentially with slip.
  if (!(ci(3) >= 0.0)) {
    raiseCoefficients(m, type, ci, true);
    return;
  }
  if (std::abs(ci(2) * ci(3)) > m.constants.tolr(1)) {
    const double c1 = ci(1), c2 = ci(2), c3 = ci(3), c4 = ci(4);
    const double sstar = (c2 - c3 * c1) / (c2 * c3);
    const double n1 = c1 + c4;
    const double n2 = std::exp(-c3 * sstar) * (c2 * sstar + c1) + c4;
    const double n3 = c4;
    const double n4 = sstar;
    // A peak far below zero slip overflows its value: no usable description, as above.
    if (std::isfinite(n1) && std::isfinite(n2) && std::isfinite(n4)) {
      ci(1) = n1;
      ci(2) = n2;
      ci(3) = n3;
      ci(4) = n4;
      return;
    }
  }
  // No peak description: the curve stands as given, the input stays as it was.
  raiseCoefficients(m, type, ci, false);
}

// Type 1: zero-slip value ci1, peak ci2 at slip speed ci4, asymptote ci3. The peak must lie
// above the asymptote and not below the zero-slip value, at a positive slip speed; otherwise
// the fitted law has no maximum there or grows without bound.
void peak(Model& m, int type, zq::FRef<double, 4> ci, zq::FRef<double, 5> co) {
  const bool valid = std::abs(ci(2) - ci(3)) > spacing(ci(2)) && ci(3) <= ci(2) &&
                     ci(4) > 0.0 && ci(1) <= ci(2);
  if (!valid) {
    raiseCoefficients(m, type, ci, true);
    return;
  }
  for (int k = 1; k <= 4; ++k) m.tmparea.rtmp(k) = ci(k);
  double x = 0.0;
  double xlo = -1000.0;
  double xhi = 1000.0;
  int ierr = 0;
  zelg3::zelg3(m, x, xlo, xhi, [&m](double v) { return zeld41::zeld41(m, v); }, ierr);
  if (ierr != 0) {
    // The integer list is the iteration count that zelg3 left in the record.
    zq::ErrorBlock b;
    b.code = kConvergence;
    b.supplementary = ierr;
    b.fatal = false;
    b.lines = {"Zeld4/Zeld41: Trac coeff convergence problems"};
    b.iname = "iteration count";
    for (int k = 1; k <= std::min(m.errors.numi, 10); ++k) b.ivalues.push_back(m.errors.iarray(k));
    b.rname = "solution,function,limit1,limit2";
    b.rvalues = {x, zeld41::zeld41(m, x), xlo, xhi};
    zq::raiseError(m, b);
    return;
  }
  const double c1 = ci(1) - ci(3);
  const double c2 = x / ci(4);
  const double denom = c1 + ci(4) * c2;
  const double c3 = denom != 0.0 ? c2 / denom : -1.0;
  if (!(c3 >= 0.0) || !std::isfinite(c3)) {
    raiseCoefficients(m, type, ci, true);
    return;
  }
  co(1) = c1;
  co(2) = c2;
  co(3) = c3;
  co(4) = ci(3);
  co(5) = -1.0;
}

// Type 2: mu = ci2 + (ci1 - ci2) exp(ci3 s / (ci1 - ci2)), initial slope ci3. The slope must
// point from ci1 towards ci2, else the curve runs away from its asymptote.
void transition(Model& m, int type, zq::FRef<double, 4> ci, zq::FRef<double, 5> co) {
  const double d = ci(1) - ci(2);
  if (std::abs(d) > m.constants.tolr(1)) {
    const double c3 = -ci(3) / d;
    // A slope beyond the range of numbers over the difference gives no curve either.
    if (!(c3 >= 0.0) || !std::isfinite(c3)) {
      raiseCoefficients(m, type, ci, true);
      return;
    }
    co(1) = d;
    co(2) = 0.0;
    co(3) = c3;
    co(4) = ci(2);
    co(5) = -1.0;
  } else {
    co(1) = ci(1);
    co(2) = 0.0;
    co(3) = 0.0;
    co(4) = 0.0;
    co(5) = -1.0;
  }
}

}  // namespace

void zeld4(Model& m, int type, zq::FRef<double, 4> ci, zq::FRef<double, 5> co) {
  switch (type) {
    case 0:
      linear(ci, co);
      return;
    case -1:
      exponential(m, type, ci, co);
      return;
    case 1:
      peak(m, type, ci, co);
      return;
    case 2:
      transition(m, type, ci, co);
      return;
    default: {
      zq::ErrorBlock b;
      b.code = kModelType;
      b.supplementary = 0;
      b.fatal = false;
      b.lines = {"Zeld4: Incorrect traction model type"};
      b.iname = "Model type";
      b.ivalues = {type};
      b.rname = "Input coefficients";
      zq::raiseError(m, b);
      return;
    }
  }
}

}  // namespace zeld4
