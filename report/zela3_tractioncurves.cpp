// Traction curves of the heaviest loaded element: the traction routine runs in its prescribed-
// slip mode (every point of a contact slides at slide-to-roll ratio times the rolling speed)
// for 41 ratios from 0 up to twice or four times the largest ratio of the final state (at least
// 0.15); each line gives the traction coefficient (tangential over normal contact force), the
// isothermal film, the thermal reduction factor and the net film of both race contacts.
#include <algorithm>
#include <cmath>

#include "contact/zelc1.h"
#include "model/model.h"
#include "report/zela3.h"
#include "run/zela9.h"

namespace zela3 {

namespace {

// Switches the prescribed-slip mode off when the table ends, also when a stop raised inside an
// evaluation ends the run.
struct TracoutOff {
  Model& m;
  ~TracoutOff() { m.setupd1.itracout = 0; }
};

// Traction coefficient of race contact k in the last evaluation, from its force in the contact
// frame. A contact without load is skipped by the traction routine, so its force entry may hold
// the value of another element: it prints 0.
double tractioncoefficient(const Model& m, int k, int j) {
  const auto& f = m.setupd1.bforcs;
  if (m.solutions.conload(k, j) <= 0.0 || f(3, k) == 0.0) return 0.0;
  return f(2, k) / f(3, k);
}

// Slide-to-roll ratio at the maximum slip of contact k in the final state (0 without rolling).
double maxslidetoroll(const Model& m, int k, int j) {
  const double u = m.solutions.rollvel(k, j);
  return u == 0.0 ? 0.0 : std::abs(m.solutions.reracemaxslip(k, j) / u);
}

}  // namespace

void tractioncurves(Model& m, int j, TractionEval eval) {
  const auto& s = m.solutions;
  auto& d1 = m.setupd1;
  auto& a = m.solutions.alist;
  auto& rep = m.devices.report;
  TracoutOff off{m};
  m.revecs.ire = j;
  // The traction routine reads the contact frames and, for rollers, the lamina data of the
  // element's last contact evaluation, which the final sweep left for the last element: the
  // contacts of this element are evaluated again in the same final state (same results). Its
  // end wear was already turned into a volume rate by the totals and is kept as it is.
  const double endwear1 = s.reendwr(1, j), endwear2 = s.reendwr(2, j);
  zelc1::zelc1(m);
  if (m.errors.ierind != 0) zela9::zela9(m);
  m.solutions.reendwr(1, j) = endwear1;
  m.solutions.reendwr(2, j) = endwear2;
  d1.itracout = 1;

  const double r1 = maxslidetoroll(m, 1, j), r2 = maxslidetoroll(m, 2, j);
  const double range = r1 > r2 ? 4.0 * r1 : 2.0 * r2;
  const double step = std::max(0.15, range) * 0.25 / 10.0;

  d1.storoll(1) = 0.0;
  rep.write(
      R"f(/,/,5X,"Traction Curves for Rolling Element #",I2,/,5X,"---------------------------------------",/,/,5X," Slide/Roll"," .....Trac Coeff......"," ...Isothermal Film..."," ...Thermal Rec Fac..."," ......Net Film.......",/,47X,A4,40X,A4,/,16X,4(" Outer Race Inner Race"),/)f",
      {j, m.units.ulen, m.units.ulen});
  for (int k = 1; k <= m.brggeom.nrace; ++k) m.revecs.radx(k) = s.radiusx(k, j);

  zq::Vec3 bfor, bmom;
  zq::FArray<double, 3, 2> rfor, rmom;
  for (int n = 1; n <= 41; ++n) {
    eval(m, bfor, bmom, rfor, rmom);
    if (m.errors.ierind != 0) zela9::zela9(m);
    a(1) = d1.storoll(1);
    a(2) = tractioncoefficient(m, 1, j);
    a(3) = tractioncoefficient(m, 2, j);
    a(4) = s.filmthk(1, j);
    a(5) = s.filmthk(2, j);
    a(6) = s.filmmodfac(1, j);
    a(7) = s.filmmodfac(2, j);
    a(8) = s.filmthk(1, j) * s.filmmodfac(1, j);
    a(9) = s.filmthk(2, j) * s.filmmodfac(2, j);
    rep.write("5X,9E11.3", zq::FmtList{}.range(a, 1, 9));
    if (m.tracprop.itherconv > 0) {
      rep.write(R"f(5X,"***Additional solutions terminated.",/)f");
      break;
    }
    d1.storoll(1) += step;
  }
}

}  // namespace zela3
