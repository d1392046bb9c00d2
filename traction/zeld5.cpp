// Thermal Newtonian traction coefficient of a Hertzian strip: shear stress of a film with
// viscosity eta exp(alpha P - beta dT) heated by its own shear and conducted to both surfaces
// (Y asinh(Y) / sqrt(1 + Y^2) law of the thermal Couette film, Y the thermal group), averaged
// over the half strip by the 4-point Gauss-Legendre rule. Reduces to the isothermal Newtonian
// coefficient 4 eta s / (pi p h) x mean(exp(alpha P)) at small slip or beta = 0.
#include "traction/zeld5.h"

#include <cmath>
#include <stdexcept>

#include "model/model.h"

namespace zeld5 {

namespace {
// asinh(Y) / (Y sqrt(1 + Y^2)): the thermal softening of the shear stress, 1 in the isothermal
// limit. The series 1 - 2 Y^2 / 3 (next term 8 Y^4 / 15) stands below 1e-4; above it the library
// asinh keeps full precision where ln(Y + sqrt(1 + Y^2)) would lose digits to 1 + Y^2.
double thermalFactor(double y) {
  if (y < 1.0e-4) return 1 - 2 * y * y / 3;
  return std::asinh(y) / (y * std::sqrt(1 + y * y));
}
}  // namespace

void zeld5(Model& m, double p, double b, double t, double u, double h, double s, double& mu,
           double& dtf, double& tf, int mode) {
#if ZQS_CHECKED
  if (!(p > 0 && b > 0 && h > 0 && mode == 0)) {
    throw std::invalid_argument("zeld5: needs p, b, h > 0 and the strip mean (mode 0)");
  }
#else
  (void)mode;
#endif
  if (s == 0) {
    mu = 0;
    return;
  }
  const auto& tp = m.tracprop;
  const auto& c = m.constants;
  const double eta = tp.tracvis;
  const double k = tp.thercondlub(1);
  const double as = std::abs(s);
  // Thermal group c = sqrt(eta beta / (8 k)) |s|; at each Gauss point Y = c exp(alpha P / 2).
  // The strip mean of Y asinh(Y) / sqrt(1 + Y^2) times 32 k / (s p beta h pi) is written as
  // 4 eta s / (pi p h) times the mean of exp(alpha P) asinh(Y) / (Y sqrt(1 + Y^2)): the same
  // law without the quotient 0/0 at beta = 0 (a lubricant without temperature coefficient).
  const double cth = std::sqrt(eta * tp.tracbeta / (8 * k)) * as;
  double sum = 0;
  for (int i = 1; i <= 2; ++i) {
    for (int side = -1; side <= 1; side += 2) {
      const double x = (1 + side * c.gqx(i)) / 2;
      const double e = std::exp(tp.tracalfa * p * std::sqrt(1 - x * x) / 2);
      sum += c.gqw(i) / 2 * e * e * thermalFactor(cth * e);
    }
  }
  mu = 4 * eta * s * sum / (c.pi * p * h);
  // The flash-temperature coefficient is 0 unless set; rock may be 0 for split-race segments.
  dtf = 0;
  if (tp.dimlessdt != 0) {
    dtf = tp.dimlessdt * std::sqrt(b / u) * std::abs(s * mu) * p / c.rock(m.revecs.irace);
  }
  // Film temperature: the heat of shear warms the film whatever the slip direction (|s mu|).
  tf = t + std::abs(s * mu) * p * h * c.pi / (4 * (4 * k));
}

}  // namespace zeld5
