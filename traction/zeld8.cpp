// Central film thickness of an elastohydrodynamic contact from the dimensionless speed, material
// and load groups (U, G, W): the Hamrock-Dowson central film for point contacts and power laws
// for line contacts, the inlet-starvation reduction as a function of the inlet meniscus measure
// and the Gupta-type reduction for inlet shear heating (thermal loading and slide-to-roll ratio).
// User's units throughout; the groups are dimensionless.
#include "traction/zeld8.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "model/model.h"
#include "traction/zeld7.h"

namespace zeld8 {

void zeld8(Model& m, double rx, double p, double a, double b, double cmp, double t, double u,
           double us, double& h, double& phit) {
  h = 0;
  phit = 0;
  if (u <= 0) return;
#if ZQS_CHECKED
  if (!(rx > 0 && p > 0 && a > 0 && b > 0 && cmp > 0 && us >= 0)) {
    throw std::invalid_argument("zeld8: a loaded contact needs rx, p, a, b, cmp > 0, us >= 0");
  }
#endif
  auto& tp = m.tracprop;
  tp.currtemp = t;
  tp.currpres = 0;
  zeld7::zeld7(m);

  // Dimensionless groups: speed U, material G, load per unit length W1 (line), load W (point).
  const double ep = 2 / cmp;
  const double uu = tp.vislub * u / (ep * rx);
  const double g = tp.viscoeff(1) * ep;
  const double w1 = m.constants.pi * b * p / (2 * ep * rx);
  const double w = 4 * w1 * a / (3 * rx);

  double h0;
  if (tp.kfilm == 1) {
    h0 = 2.0 * rx * std::pow(uu, 0.7) * std::pow(g, 0.6) / std::pow(w1, 0.13);
  } else if (tp.kfilm == 2) {
    h0 = 2.69 * rx * std::pow(uu, 0.67) * std::pow(g, 0.53) * (1 - 0.61 * std::exp(-0.73 * a / b)) /
         std::pow(w, 0.067);
  } else {
    h0 = 1.95 * rx * std::pow(uu * g, 8.0 / 11.0) / std::pow(w1, 1.0 / 11.0);
  }

  // Starvation: the inlet meniscus measure of the flooded (isothermal) film, flooded from 8 on;
  // a starvation parameter of 0 is a fully starved inlet without film.
  const double sm = tp.strparam * std::pow(b * b / (2 * h0 * rx), 2.0 / 3.0);
  h = h0;
  if (sm < 8) {
    h = h0 * (1 - std::exp(-1.68005 * std::pow(sm, 0.8315) + 0.260137 * std::pow(sm, 1.558) -
                           0.016146 * std::pow(sm, 2.296)));
  }

  // Inlet shear heating: thermal loading L = u^2 (-d eta/dT) / k and the slide-to-roll ratio.
  // A viscosity that does not fall with temperature (a fitted law outside its range, such as the
  // MIL-L-7808 VE polynomial below about 287 K) gives no heating reduction: L is held at 0, where
  // the fractional powers of a negative loading would have no real value.
  const double l = std::max(0.0, u * u * tp.dvislub / tp.thercondlub(1));
  const double srr = us / u;
  phit = (1 - 13.2 * (p / ep) * std::pow(l, 0.42)) /
         (1 + 0.213 * (1 + 2.23 * std::pow(srr, 0.83)) * std::pow(l, 0.62));
  if (phit < 0.01) phit = 0.01;
}

}  // namespace zeld8
