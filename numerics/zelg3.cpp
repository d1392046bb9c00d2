// Root of a scalar function f in the bracket [xlo, xhi]: Newton steps with a forward-difference
// slope (absolute step 1.0e-6) from the start value, safeguarded by bisection. When Newton
// leaves the bracket, meets a flat slope, cannot evaluate f or has not converged in eleven
// steps, bisection narrows the bracket sixteenfold and Newton is tried again from the last
// midpoint. f reports that it cannot be evaluated by setting tmparea::itmp(1) nonzero; that
// code is returned at once (after a failed Newton evaluation bisection takes over). Tolerances: |f| <= tolr(1), Newton step |dx/x| <= tolr(2).
#include "numerics/zelg3.h"

#include <cmath>

#include "model/model.h"

namespace zelg3 {

namespace {

// Newton steps per phase.
constexpr int kNewtonSteps = 11;
// Iteration count beyond which bisection gives up.
constexpr int kMaxCount = 100;

// Error exit for no convergence (1) and no sign change (2): the count goes to the error record
// for the caller, which raises its own code.
void errorExit(Model& m, int n) {
  m.errors.iarray(1) = n;
  m.errors.numi = 1;
}

}  // namespace

void zelg3(Model& m, double& x, double& xlo, double& xhi, const std::function<double(double)>& f,
           int& ierr) {
  const double t1 = m.constants.tolr(1);
  const double t2 = m.constants.tolr(2);
  int& failure = m.tmparea.itmp(1);
  int n = 0;
  // Each evaluation starts with a cleared flag, so a failure reported at one point (which sends
  // Newton to bisection) is not mistaken for a failure at the next point.
  auto eval = [&](double xv) {
    failure = 0;
    return f(xv);
  };

  ierr = 0;
  const double f0 = eval(x);
  if (failure != 0) {
    ierr = failure;
    return;
  }
  if (std::abs(f0) <= t1) return;

  double fa = eval(xlo);
  if (failure != 0) {
    ierr = failure;
    return;
  }
  double fb = eval(xhi);
  if (failure != 0) {
    ierr = failure;
    return;
  }

  // Bisection step: keep the half of the bracket in which f changes sign; false when neither
  // half does.
  auto narrow = [&](double fm) {
    if (fm * fa < 0.0) {
      xhi = x;
      fb = fm;
    } else if (fm * fb < 0.0) {
      xlo = x;
      fa = fm;
    } else {
      return false;
    }
    return true;
  };

  for (;;) {
    // Newton phase from the current x.
    ++n;
    ierr = 0;
    for (int step = 1; step <= kNewtonSteps; ++step) {
      const double f1 = eval(x);
      if (failure != 0) {
        ierr = failure;
        break;
      }
      if (std::abs(f1) <= t1) return;
      const double f2 = eval(x + t2);
      if (failure != 0) {
        ierr = failure;
        break;
      }
      if (std::abs(f2 - f1) <= t1) {
        ierr = 1;  // flat
        break;
      }
      const double dx = f1 * t2 / (f2 - f1);
      if (x == 0.0 ? std::abs(dx) <= t1 : std::abs(dx / x) <= t2) return;
      x = x - dx;
      if (!(x >= xlo && x <= xhi)) {
        ierr = 1;  // left the bracket (or the step was undefined)
        break;
      }
    }
    // Bisection phase: Newton left the bracket, met a flat slope, could not evaluate f, or
    // did not converge in its eleven steps.
    const double w0 = xhi - xlo;
    x = (xlo + xhi) / 2.0;
    double fm = eval(x);
    if (failure != 0) {
      ierr = failure;
      return;
    }
    if (std::abs(fm) <= t1) {
      ierr = 0;  // the midpoint is the root
      return;
    }
    if (!narrow(fm)) {
      ierr = 2;  // no sign change in the bracket
      errorExit(m, n);
      return;
    }
    for (;;) {
      ++n;
      ierr = 0;
      if (xhi - xlo <= t2) return;
      const double w = xhi - xlo;
      x = (xlo + xhi) / 2.0;
      fm = eval(x);
      if (failure != 0) {
        ierr = failure;
        return;
      }
      if (std::abs(fm) <= t1) return;
      if (n > kMaxCount) {
        ierr = 1;
        errorExit(m, n);
        return;
      }
      // Narrowed sixteenfold: back to Newton from this midpoint.
      if (w0 / w >= 10.0) break;
      if (!narrow(fm)) {
        ierr = 2;
        errorExit(m, n);
        return;
      }
    }
  }
}

}  // namespace zelg3
