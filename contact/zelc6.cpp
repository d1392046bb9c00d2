// Load-deflection law of a line contact of length l (units of the rolling-element radius).
// Power law: delta = coef(1) q^0.9 / l^0.8 (Palmgren's line-contact approach, exponent 1/0.9
// written 1.1111111), half-width b = sqrt(2 coef(2) q / (l s)), which with coef(2) = 2/(pi E*)
// is the Hertz half-width sqrt(4 w R / (pi E*)) of a load w per unit length (Johnson, Contact
// Mechanics, sec. 4.3). Logarithmic law: delta = coef(2) w (1.1932 + ln(l / b)), solved for w by
// Newton steps. The stiffness k is dq/ddelta in both laws. Only the non-convergence of the
// logarithmic law touches the error record; a record pending from elsewhere is left as it is.
#include "contact/zelc6.h"

#include <cmath>

#include "model/model.h"
#include "run/zela9.h"

namespace zelc6 {

void zelc6(Model& m, int mode, double delta, zq::FRef<const double, 2> coef, double l, double s,
           double& b, double& k, double& q) {
  if (delta <= 0.0) {
    b = 0.0;
    k = 0.0;
    q = 0.0;
    return;
  }

  // Power law, also the start of the logarithmic law.
  q = std::pow(delta * std::pow(l, 0.8) / coef(1), 1.1111111);
  b = std::sqrt(2.0 * q * coef(2) / (l * s));
  k = 1.1111111 * q / delta;
  if (mode <= 1) return;

  // Logarithmic law: Newton iteration on the load per unit length w.
  double w = q;
  double g = 0.0;
  double d = 0.0;
  double cor = 0.0;
  for (int it = 1; it <= 100; ++it) {
    b = std::sqrt(2.0 * coef(2) * w / s);
    const double lg = std::log(l / b);
    g = (1.1932 + lg) * coef(2) * w - delta;
    d = (lg + 0.6932) * coef(2);
    cor = g / d;
    if (std::abs(cor / w) < m.constants.tolr(2)) {
      q = w * l;
      k = l / d;
      return;
    }
    const double wprev = w;
    w = w - cor;
    if (w <= 0.0) w = 0.5 * wprev;
  }

  zq::ErrorBlock block;
  block.code = 1;
  block.lines = {"Iteraction count encountered in Zelc6"};
  block.rname = "g,q,cor =";
  block.rvalues = {g, w, cor};
  zq::raiseError(m, block);
  q = w * l;
  k = l / d;
}

}  // namespace zelc6
