// Remaining set-up constants: the geometric factors and slice exponents of the fatigue-life
// models (load exponent with and without the Weibull slope, length exponent (e - 1)/e and the
// inverse 1/e), the rotation flag of each race, the film formula (point or line contact) and
// the integration grid across line contacts: [-1, 1] cut at -1/2 and 1/2 into three segments
// with the 4-point Gauss-Legendre rule in each (exact for polynomials up to degree 7).
#include <cmath>

#include "model/model.h"
#include "run/stop.h"
#include "run/zela2.h"

namespace zela2 {

void gridcheck(Model& m, int ngm) {
  if (ngm <= 30) return;
  m.devices.report.write("5X,\"Execution terminating in Zela2-OtherParam\",/,"
                         "5X,\"Number of grids encountered     = \",I4,/,"
                         "5X,\"Max permissible number of grids = \",I4",
                         {ngm, 30});
  zq::stopRun("zela2::otherparam");
}

void otherparam(Model& m) {
  auto& fc = m.fatiguecons;
  auto& c = m.constants;
  auto& rv = m.revecs;

  // Life models: geometric factors and slice exponents; entries 1, 2 carry the Weibull slope,
  // entries 3, 4 are the plain load-life exponents of races 1 and 2.
  for (int j = 1; j <= 2; ++j) {
    c.cgeoparalp(j) = 1.0 / std::pow(c.slen, fc.ellp(j));
    c.cgeoparavk(j) = 1.0 / std::pow(c.slen, fc.elvk(j));
    fc.expload(j) = fc.qexp(j) * fc.wbs;
    fc.expload(j + 2) = fc.qexp(j);
    fc.exploadlp(j) = fc.qexplp(j) * fc.wbdis(j);
    fc.exploadlp(j + 2) = fc.qexplp(j);
    fc.exploadvk(j) = fc.qexpvk(j) * fc.wbdis(j);
    fc.exploadvk(j + 2) = fc.qexpvk(j);
  }
  for (int n = 1; n <= 4; ++n) {
    fc.explen(n) = (fc.expload(n) - 1.0) / fc.expload(n);
    fc.exploadi(n) = 1.0 / fc.expload(n);
    fc.explenlp(n) = (fc.exploadlp(n) - 1.0) / fc.exploadlp(n);
    fc.exploadlpi(n) = 1.0 / fc.exploadlp(n);
    fc.explenvk(n) = (fc.exploadvk(n) - 1.0) / fc.exploadvk(n);
    fc.exploadvki(n) = 1.0 / fc.exploadvk(n);
  }

  // A race that does not turn is stationary (1), else rotating (2).
  for (int j = 1; j <= 2; ++j) fc.iracerot(j) = m.opcond.rpm(j) == 0.0 ? 1 : 2;

  // Film formula: point contact (2) or line contact (1).
  if (m.tracprop.ktrac > 0) m.tracprop.kfilm = m.brggeom.kcontype(1, 1) == 0 ? 2 : 1;

  // Integration grid across a line contact.
  constexpr double kCut[4] = {-1.0, -0.5, 0.5, 1.0};
  constexpr double kX[4] = {-0.861136311594053, -0.339981043584856, 0.339981043584856,
                            0.861136311594053};
  constexpr double kW[4] = {0.347854845137454, 0.652145154862546, 0.652145154862546,
                            0.347854845137454};
  int n = 0;
  for (int seg = 0; seg < 3; ++seg) {
    const double hw = (kCut[seg + 1] - kCut[seg]) / 2.0;
    const double mid = (kCut[seg + 1] + kCut[seg]) / 2.0;
    for (int p = 0; p < 4; ++p) {
      ++n;
      rv.xgl(n) = mid + kX[p] * hw;
      rv.wgl(n) = kW[p] * hw;
    }
  }
  rv.ngrid = n;
  rv.ngm = rv.ngrid + 1;
  gridcheck(m, rv.ngm);
}

}  // namespace zela2
