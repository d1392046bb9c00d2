// Rheological traction models of an elastohydrodynamic strip. Newtonian film: the temperature
// ratio across the film from the first integral of the energy equation with viscous heating
// (Brinkman number Br), the shear stress from the mean viscosity, a Carreau-Yasuda shear-thinning
// factor, the creep (elastic) limit of small slide-to-roll ratios and a limiting coefficient.
// Visco-elastic film: a Maxwell fluid with an Eyring flow law, dSigma/dx = S - sinh|Sigma|
// Sigma / (De |Sigma|), integrated from the inlet. One embedded 4(3) Runge-Kutta pair serves both.
#include "traction/zeld6.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "model/model.h"
#include "numerics/zelg5.h"
#include "report/format.h"
#include "run/stop.h"
#include "traction/zeld7.h"

namespace zeld6 {

namespace {

// The Runge-Kutta pair, the interval and the step limits of the lubricant's model.
void setconstants(Model& m) {
  auto& z = m.zeld6;
  const bool ve = m.tracprop.kmtype == 2;
  z.km = 5;
  z.nq = ve ? 3 : 2;
  z.xm = ve ? 1.0 : 0.0;
  z.dmin = ve ? 1.0e-5 : 1.0e-4;
  z.tol = 1.0e-4;
  z.dm = 2;
  z.cc = 0.8;
  const double b[10] = {2.0 / 7.0,          77.0 / 900.0,       343.0 / 900.0,
                        805.0 / 1444.0,     -77175.0 / 54872.0, 97125.0 / 54872.0,
                        79.0 / 490.0,       0.0,                2175.0 / 3626.0,
                        2166.0 / 9065.0};
  const double c[5] = {229.0 / 1470.0, 0.0, 1125.0 / 1813.0, 13718.0 / 81585.0, 1.0 / 18.0};
  const double te[5] = {4.0 / 735.0, 0.0, -75.0 / 3626.0, 5776.0 / 81585.0, -1.0 / 18.0};
  for (int i = 1; i <= 10; ++i) z.b(i) = b[i - 1];
  for (int i = 1; i <= 5; ++i) {
    z.c(i) = c[i - 1];
    z.te(i) = te[i - 1];
  }
}

// Newtonian film: d theta / d xi = -Br xi eta(theta T0) / eta0, the viscosity at the mean
// pressure of the strip (tracprop::currpres) and the temperature theta T0. Leaves the ratio
// eta/eta0 in fr.r.
void newtonianderivative(Model& m, Frame& fr, const zq::FArray<double, 3>& y,
                         zq::FArray<double, 3>& f) {
  fr.r = zeld7::viscosityat(m, y(2) * fr.t0) / fr.eta0;
  f(1) = 1;
  f(2) = -fr.br * y(1) * fr.r;
}

// Visco-elastic film: rates (f2, f3) of the stresses (s2, s3) and their flag: 1 when the
// stress is within 0.1 % of its steady value or a component would fall, 2 when it overshoots
// (the rates are 0 with a flag).
int stressrates(const Model& m, const Frame& fr, double s2, double s3, double& f2, double& f3) {
  const double sig = std::sqrt(s2 * s2 + s3 * s3);
  if (sig <= m.constants.tolr(1)) {
    f2 = fr.sl1;
    f3 = fr.sl2;
    return 0;
  }
  f2 = 0;
  f3 = 0;
  if (std::abs(sig - fr.siginf) / fr.siginf <= 0.001) return 1;
  if (sig > fr.siginf) return 2;
  double sinhsig;
  if (sig < 0.001) {
    sinhsig = sig + sig * sig * sig / 6 + std::pow(sig, 5) / 120;
  } else {
    const double e = std::exp(sig);
    sinhsig = (e * e - 1) / (2 * e);
  }
  const double r2 = fr.sl1 - s2 * sinhsig / (fr.de * sig);
  const double r3 = fr.sl2 - s3 * sinhsig / (fr.de * sig);
  if (r2 < 0 || r3 < 0) return 1;
  f2 = r2;
  f3 = r3;
  return 0;
}

// Visco-elastic film: derivative of (x, Sigma1, Sigma2) and its flag (stressrates).
int viscoelasticderivative(const Model& m, const Frame& fr, const zq::FArray<double, 3>& y,
                           zq::FArray<double, 3>& f) {
  f(1) = 1;
  return stressrates(m, fr, y(2), y(3), f(2), f(3));
}

int derivative(Model& m, Frame& fr, const zq::FArray<double, 3>& y, zq::FArray<double, 3>& f) {
  if (m.tracprop.kmtype == 2) return viscoelasticderivative(m, fr, y, f);
  newtonianderivative(m, fr, y, f);
  return 0;
}

// Steady Eyring stress asinh(X), by series at both ends.
double steadystress(double x) {
  if (x < 0.001) return x - x * x * x / 6 + 3 * std::pow(x, 5) / 40;
  if (x <= 10) return std::log(x + std::sqrt(x * x + 1));
  return std::log(2 * x) + 1 / (4 * x * x) - 3 / (32 * std::pow(x, 4));
}

[[noreturn]] void stopNewtonianSteps(Model& m, int n, const Frame& fr) {
  m.devices.report.write(
      "/,5X,\"Execution terminating in NewtonianShear due to \",\"step count:\",/,5X,"
      "\"Step number and size           =\",I13,E13.4,/,5X,"
      "\"Solution vector                =\",2E13.4,/,5X,"
      "\"Derivative vector              =\",2E13.4,/",
      {n, fr.step, fr.y(1), fr.y(2), fr.f(1), fr.f(2)});
  zq::stopRun("zeld6");
}

[[noreturn]] void stopNewtonianTruncation(Model& m, int n, const Frame& fr) {
  m.devices.report.write(
      "/,5X,\"Execution terminating in NewtonianShear due to \",\"truncation check:\",/,5X,"
      "\"Step Number                    =\",I13,/,5X,"
      "\"Step size and truncation error =\",2E13.4,/,5X,"
      "\"Solution vector                =\",2E13.4,/,5X,"
      "\"Derivative vector              =\",2E13.4,/",
      {n, fr.step, fr.e, fr.y(1), fr.y(2), fr.f(1), fr.f(2)});
  zq::stopRun("zeld6");
}

// The visco-elastic blocks: properties, Deborah number, slip, then the state and derivative.
[[noreturn]] void stopViscoelastic(Model& m, const Frame& fr, bool truncation) {
  const auto& tp = m.tracprop;
  zq::FmtList values{tp.vislub, tp.smod, tp.cshear, fr.de, fr.sl1, fr.y(1),
                     fr.y(2),   fr.y(3), fr.f(1),   fr.f(2), fr.f(3)};
  if (truncation) {
    values.add(fr.step).add(fr.e);
    m.devices.report.write(
        "5X,\"Execution terminating in -Zeld6-\",/,/,5X,"
        "\"Truncation limit encountered in Traction Integral\",\" computation\",/,5X,"
        "\"viscosity,shearModulus,critShear,dbNum = \",4E12.4,5X,\"slipY = \",E12.4,/,/,5X,"
        "\"x,y =\",6E12.4,/,/,5X,\"Step Size, Truncation Error = \",2E12.4,/,/,/,/",
        values);
  } else {
    m.devices.report.write(
        "/,/,5X,\"Execution terminating in -Zeld6-\",/,/,5X,"
        "\"Excessive integration steps while computing Traction \",\"Integral\",/,5X,"
        "\"viscosity,shearModulus,critShear,dbNum = \",4E12.4,5X,\"slipY = \",E12.4,/,/,5X,"
        "\"x,y =\",6E12.4,/,/,5X,\"Check lubricant properties.\",/,/,/",
        values);
  }
  zq::stopRun("zeld6");
}

[[noreturn]] void stopBisectionBounds(Model& m, double upper, double lower, double gupper,
                                      double glower) {
  m.devices.report.write(
      "/,5X,\"Execution terminating in Zeld6 \",\"(ShearThinningFactor)\",/,5X,"
      "\"Bisection bounds invalid.\",/,5X,"
      "\"Bounding solutions and function values are -\",/,5X,4E13.5",
      {upper, lower, gupper, glower});
  zq::stopRun("zeld6");
}

[[noreturn]] void stopBisectionCount(Model& m, double trial, double g) {
  m.devices.report.write(
      "/,5X,\"Execution terminating in Zeld6 \",\"(ShearThinningFactor)\",/,5X,"
      "\"Bisection iteration count \","
      "\"encountered. Last solution and function values are -\",/,5X,2E13.5,/,/",
      {trial, g});
  zq::stopRun("zeld6");
}

// Two-term Carreau-Yasuda shear thinning: the factor phi in [0.01, 1] with phi = (1 + (phi
// L1)^2)^cexp (1 + (phi L2)^2)^cexp1, L1 and L2 the stress over the two shear moduli, by
// bisection to |g| <= 1e-4 in at most 100 trials.
double twotermfactor(Model& m, double tau) {
  const auto& tp = m.tracprop;
  const double l1 = tau / tp.cshearmod;
  const double l2 = tau / tp.cshearmod1;
  auto g = [&](double ph) {
    return ph - std::pow(1 + (ph * l1) * (ph * l1), tp.cexp) *
                    std::pow(1 + (ph * l2) * (ph * l2), tp.cexp1);
  };
  auto same = [](double a, double b) { return (a > 0 && b > 0) || (a < 0 && b < 0); };
  double upper = 1;
  double lower = 0.01;
  double gupper = g(upper);
  double glower = g(lower);
  double trial = (upper + lower) / 2;
  for (int n = 1;; ++n) {
    const double gt = g(trial);
    if (std::abs(gt) <= 1.0e-4) return trial;
    const bool up = same(gt, gupper);
    const bool low = same(gt, glower);
    if (up && low) stopBisectionBounds(m, upper, lower, gupper, glower);
    if (n >= 100) stopBisectionCount(m, trial, gt);
    if (up) {
      upper = trial;
      gupper = gt;
    } else if (low) {
      lower = trial;
      glower = gt;
    }
    trial = (upper + lower) / 2;
  }
}

}  // namespace

double growthfactor(const Model& m, double e) {
  const auto& z = m.zeld6;
  if (e == 0) return z.dm;
  return std::min(z.dm, z.cc * std::cbrt(z.tol / e));
}

double reducedstep(const Model& m, double step, double e) {
  const auto& z = m.zeld6;
  return std::max(z.dmin, z.cc * step * std::cbrt(z.tol / e));
}

namespace {

// The step for any number of variables (z.nq) and stages (z.km) with the derivative of the
// lubricant's model.
void genericstep(Model& m, Frame& fr) {
  const auto& z = m.zeld6;
  const int nq = z.nq;
  zq::FArray<double, 3> ystage, fstage;
  // The first stage is the derivative at the start of the step, known from the previous step.
  for (int j = 1; j <= nq; ++j) fr.k(1, j) = fr.step * fr.fs(j);
  int row = 0;  // b(row + l) is the coefficient a(i, l) of stage i
  for (int i = 2; i <= z.km; ++i) {
    for (int j = 1; j <= nq; ++j) {
      double sum = fr.ys(j);
      for (int l = 1; l < i; ++l) sum += z.b(row + l) * fr.k(l, j);
      ystage(j) = sum;
    }
    row += i - 1;
    fr.flag = derivative(m, fr, ystage, fstage);
    if (fr.flag != 0) return;
    for (int j = 1; j <= nq; ++j) fr.k(i, j) = fr.step * fstage(j);
  }
  // New state and the largest component of the error estimate (a NaN stays NaN: never accepted).
  fr.e = 0;
  for (int j = 1; j <= nq; ++j) {
    double sum = fr.ys(j);
    double err = 0;
    for (int i = 1; i <= z.km; ++i) {
      sum += z.c(i) * fr.k(i, j);
      err += z.te(i) * fr.k(i, j);
    }
    fr.y(j) = sum;
    const double a = std::abs(err);
    if (std::isnan(a) || a > fr.e) fr.e = a;
  }
  fr.flag = derivative(m, fr, fr.y, fr.f);
}

// Value of stage i = 2..5 from the start value y0 and the increments k(1..i-1) of one variable:
// y0 + a(i,1) k(1) + ... + a(i,i-1) k(i-1), summed in stage order as in genericstep.
double stagevalue(const zq::FArray<double, 10>& b, int i, double y0, const double (&k)[6]) {
  switch (i) {
    case 2:
      return y0 + b(1) * k[1];
    case 3:
      return y0 + b(2) * k[1] + b(3) * k[2];
    case 4:
      return y0 + b(4) * k[1] + b(5) * k[2] + b(6) * k[3];
    default:
      return y0 + b(7) * k[1] + b(8) * k[2] + b(9) * k[3] + b(10) * k[4];
  }
}

// New value and error estimate of one variable from its increments, summed in stage order; the
// largest error magnitude goes to e (a NaN stays NaN: never accepted).
double newvalue(const Zeld6Locals& z, double y0, const double (&k)[6], double& e) {
  double sum = y0;
  double err = 0;
  for (int i = 1; i <= 5; ++i) {
    sum += z.c(i) * k[i];
    err += z.te(i) * k[i];
  }
  const double a = std::abs(err);
  if (std::isnan(a) || a > e) e = a;
  return sum;
}

// The steps of the two films with their derivatives formed in line, so that the stage values
// stay in registers: the operations and their order are those of genericstep (the slope of
// the first variable, x or xi, is 1). The increments are left in fr.k as there.

// Newtonian film (xi, theta): d theta / d xi = -Br xi eta / eta0.
void newtonianstep(Model& m, Frame& fr) {
  const auto& z = m.zeld6;
  const double h = fr.step;
  // Slope of theta at (xi, theta); leaves the viscosity ratio of the point in fr.r.
  auto slope = [&m, &fr](double x, double t) {
    fr.r = zeld7::viscosityat(m, t * fr.t0) / fr.eta0;
    return -fr.br * x * fr.r;
  };
  double kx[6], kt[6];
  kx[1] = h * fr.fs(1);
  kt[1] = h * fr.fs(2);
  auto stage = [&](int i) {
    const double x = stagevalue(z.b, i, fr.ys(1), kx);
    const double t = stagevalue(z.b, i, fr.ys(2), kt);
    kx[i] = h * 1.0;
    kt[i] = h * slope(x, t);
  };
  stage(2);
  stage(3);
  stage(4);
  stage(5);
  for (int i = 1; i <= 5; ++i) {
    fr.k(i, 1) = kx[i];
    fr.k(i, 2) = kt[i];
  }
  fr.e = 0;
  fr.y(1) = newvalue(z, fr.ys(1), kx, fr.e);
  fr.y(2) = newvalue(z, fr.ys(2), kt, fr.e);
  fr.f(1) = 1;
  fr.f(2) = slope(fr.y(1), fr.y(2));
  fr.flag = 0;
}

// Visco-elastic film (x, Sigma1, Sigma2): a stage whose rates carry a flag ends the step there.
void viscoelasticstep(Model& m, Frame& fr) {
  const auto& z = m.zeld6;
  const double h = fr.step;
  double kx[6], k2[6], k3[6];
  kx[1] = h * fr.fs(1);
  k2[1] = h * fr.fs(2);
  k3[1] = h * fr.fs(3);
  auto keep = [&](int n) {
    for (int i = 1; i <= n; ++i) {
      fr.k(i, 1) = kx[i];
      fr.k(i, 2) = k2[i];
      fr.k(i, 3) = k3[i];
    }
  };
  auto stage = [&](int i) {
    const double s2 = stagevalue(z.b, i, fr.ys(2), k2);
    const double s3 = stagevalue(z.b, i, fr.ys(3), k3);
    double f2 = 0;
    double f3 = 0;
    fr.flag = stressrates(m, fr, s2, s3, f2, f3);
    if (fr.flag != 0) return false;
    kx[i] = h * 1.0;
    k2[i] = h * f2;
    k3[i] = h * f3;
    return true;
  };
  if (!stage(2)) return keep(1);
  if (!stage(3)) return keep(2);
  if (!stage(4)) return keep(3);
  if (!stage(5)) return keep(4);
  keep(5);
  fr.e = 0;
  fr.y(1) = newvalue(z, fr.ys(1), kx, fr.e);
  fr.y(2) = newvalue(z, fr.ys(2), k2, fr.e);
  fr.y(3) = newvalue(z, fr.ys(3), k3, fr.e);
  fr.f(1) = 1;
  fr.flag = stressrates(m, fr, fr.y(2), fr.y(3), fr.f(2), fr.f(3));
}

}  // namespace

void integrationstep(Model& m, Frame& fr) {
  const auto& z = m.zeld6;
  const bool ve = m.tracprop.kmtype == 2;
  if (z.km == 5 && z.nq == 3 && ve) {
    viscoelasticstep(m, fr);
  } else if (z.km == 5 && z.nq == 2 && !ve) {
    newtonianstep(m, fr);
  } else {
    genericstep(m, fr);
  }
}

double newtonianshear(Model& m, Frame& fr) {
  const auto& z = m.zeld6;
  fr.y(1) = -1;
  fr.y(2) = 1;
  fr.r = 1;
  fr.f(1) = 1;
  fr.f(2) = fr.br;  // -Br xi eta/eta0 at the surface, xi = -1, eta = eta0
  fr.step = 0.005;
  double integral = 0;
  // From the surface (xi = -1, theta = 1) to mid-film (xi = 0). A step whose error exceeds the
  // tolerance is repeated from the same start at a smaller size, down to dmin; the mean
  // viscosity ratio is gathered by the trapezoid rule over the steps taken. Steps are counted
  // once each, not once per repetition. A step taken unresolved at the smallest size does not
  // grow: the next one starts at dmin again.
  int nstep = 0;
  int unresolved = 0;
  while (fr.y(1) < z.xm) {
    const double rest = z.xm - fr.y(1);
    if (fr.step > rest) fr.step = rest;
    if (++nstep > 1000) stopNewtonianSteps(m, nstep, fr);
    fr.ys = fr.y;
    fr.fs = fr.f;
    const double rstart = fr.r;
    double growth = 1;
    for (;;) {
      integrationstep(m, fr);
      if (fr.e <= z.tol) {
        growth = growthfactor(m, fr.e);
        unresolved = 0;
        break;
      }
      if (fr.step > z.dmin) {
        fr.step = reducedstep(m, fr.step, fr.e);
        continue;
      }
      // Still above the tolerance at the smallest step: taken all the same, five in a row stop.
      if (++unresolved >= 5) stopNewtonianTruncation(m, nstep, fr);
      break;
    }
    if (fr.step == rest) fr.y(1) = z.xm;  // the last step ends on the mid-film plane exactly
    integral += (rstart + fr.r) * fr.step / 2;
    fr.step *= growth;
  }
  return integral;
}

double shearthinningfactor(Model& m, double tau) {
  const auto& tp = m.tracprop;
  if (tp.kshthtype == 1) {
    // Factor table over the dimensionless stress; held at its last entry beyond the table (the
    // linear extension of the last interval would turn negative and reverse the traction).
    const double x = tau / tp.cshearmod;
    if (x >= tp.slamda(tp.nstf)) return tp.stfac(tp.nstf);
    int i1 = 0;
    int i2 = 0;
    return zelg5::zelg5(x, tp.slamda.data(), tp.stfac.data(), tp.nstf, i1, i2);
  }
  if (tp.kshthtype == 2) return twotermfactor(m, tau);
  return 1;
}

void shearthinning(Model& m, Frame& fr, double u, double h, double s1, double s2, double& mu1,
                   double& mu2, double& phi, double& tf) {
  const auto& tp = m.tracprop;
  const double s = std::sqrt(s1 * s1 + s2 * s2);
  const double integral = newtonianshear(m, fr);
  tf = fr.y(2) * fr.t0;
  const double tau = fr.eta0 * s * integral / h;
  phi = shearthinningfactor(m, tau);
  // One evaluation: the slide-to-roll ratio corrected by the elastic strain enters no input of
  // it, so repeating it until that ratio settles gives the same coefficient every pass.
  const double pm = tp.currpres;
  double mu = tau * phi / pm;
  const double srr = s / u;
  if (srr - mu * pm / tp.gshearmod <= 0) mu = srr * tp.gshearmod / pm;  // creep (elastic) limit
  mu = std::min(mu, tp.tcl);
  mu1 = mu * s1 / s;
  mu2 = mu * s2 / s;
}

void viscoelastic(Model& m, Frame& fr, double b, double u, double h, double s1, double s2,
                  double& mu1, double& mu2) {
  const auto& tp = m.tracprop;
  const auto& z = m.zeld6;
  // Properties at the surface temperature and mean pressure are current (set by the driver).
  // Slips as elastic stress per half-width over the critical stress, S = |s| G b / (u h tau_c);
  // Deborah number De = (eta / G) / (b / u), relaxation time over transit time.
  const double tauc = tp.cshear;
  fr.sl1 = std::abs(s1) * tp.smod * b / (u * h * tauc);
  fr.sl2 = std::abs(s2) * tp.smod * b / (u * h * tauc);
  fr.sl = std::sqrt(fr.sl1 * fr.sl1 + fr.sl2 * fr.sl2);
  if (fr.sl == 0) {
    mu1 = 0;
    mu2 = 0;
    return;
  }
  fr.de = tp.vislub * u / (tp.smod * b);
  fr.siginf = steadystress(fr.de * fr.sl);
  fr.y(1) = -1;
  fr.y(2) = 0;
  fr.y(3) = 0;
  derivative(m, fr, fr.y, fr.f);
  fr.step = 0.001;
  double growth = 1;
  double i1 = 0;
  double i2 = 0;
  int nstep = 0;
  // From the inlet (x = -1, no stress) to the outlet (x = 1). A step whose stress overshoots its
  // steady value is halved; one that reaches that value (or would lower a stress component)
  // ends the integration with the steady stress held to the outlet; otherwise the error rule of
  // the Newtonian film applies with at most four reductions per step.
  while (fr.y(1) < z.xm) {
    fr.step *= growth;
    const double rest = z.xm - fr.y(1);
    if (fr.step > rest) fr.step = rest;
    if (++nstep > 1000) stopViscoelastic(m, fr, false);
    fr.ys = fr.y;
    fr.fs = fr.f;
    int reductions = 0;  // error reductions of this step (four are allowed)
    bool limit = false;
    for (;;) {
      integrationstep(m, fr);
      while (fr.flag == 2 && fr.step > z.dmin) {  // overshoot: halve until it goes or dmin
        fr.step /= 2;
        integrationstep(m, fr);
      }
      if (fr.flag != 0) {
        limit = true;
        break;
      }
      if (fr.e <= z.tol) {
        growth = growthfactor(m, fr.e);
        break;
      }
      if (reductions == 4) stopViscoelastic(m, fr, true);
      ++reductions;
      fr.step = reducedstep(m, fr.step, fr.e);
    }
    if (limit) {
      // The stress has reached its steady value: held there to the outlet.
      fr.y(1) = fr.ys(1) + fr.step;
      fr.y(2) = fr.siginf * fr.sl1 / fr.sl;
      fr.y(3) = fr.siginf * fr.sl2 / fr.sl;
    } else if (fr.step == rest) {
      fr.y(1) = z.xm;
    }
    // Mean stresses by the trapezoid rule over the steps taken: the step control bounds the
    // error of the stress, not of this sum, which runs up to about 2 % low on long steps.
    i1 += (fr.ys(2) + fr.y(2)) * fr.step / 2;
    i2 += (fr.ys(3) + fr.y(3)) * fr.step / 2;
    if (limit) {
      i1 += fr.y(2) * (z.xm - fr.y(1));
      i2 += fr.y(3) * (z.xm - fr.y(1));
      break;
    }
  }
  mu1 = (s1 < 0 ? -1 : 1) * tauc * i1 / (2 * tp.currpres);
  mu2 = (s2 < 0 ? -1 : 1) * tauc * i2 / (2 * tp.currpres);
}

void zeld6(Model& m, double p0, double b, double t0, double u, double h, double s1, double s2,
           double& mu1, double& mu2, double& phi, double& dtf, double& tf) {
#if ZQS_CHECKED
  if (!(p0 > 0 && b > 0 && h > 0 && u > 0)) {
    throw std::invalid_argument("zeld6: needs p0, b, h > 0 and a rolling speed u > 0");
  }
#endif
  auto& tp = m.tracprop;
  const auto& c = m.constants;
  if (tp.initzeld6 == 0) {
    setconstants(m);
    tp.initzeld6 = 1;
  }
  tp.currpres = c.one4 * c.pi * p0;  // mean pressure of the strip
  tp.currtemp = t0;
  zeld7::zeld7(m);
  Frame fr;
  fr.t0 = t0;
  fr.eta0 = tp.vislub;
  const double s = std::sqrt(s1 * s1 + s2 * s2);
  fr.br = s * s * fr.eta0 / (4 * tp.thercondlub(1) * t0);
  tf = t0;
  phi = 1;
  mu1 = 0;
  mu2 = 0;
  if (tp.kmtype == 2) {
    viscoelastic(m, fr, b, u, h, s1, s2, mu1, mu2);
  } else if (s > 0) {  // no slip, no shear: the Newtonian film carries no traction
    shearthinning(m, fr, u, h, s1, s2, mu1, mu2, phi, tf);
  }
  dtf = 0;
  if (tp.dimlessdt != 0) {
    const double mu = std::sqrt(mu1 * mu1 + mu2 * mu2);
    dtf = std::abs(s * mu) * tp.dimlessdt * std::sqrt(b / u) * p0 / c.rock(m.revecs.irace);
  }
}

}  // namespace zeld6
