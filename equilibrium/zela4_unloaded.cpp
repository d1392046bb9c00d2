// Rolling elements that carry no load: placed against the outer race at a light contact that
// carries the host's target load, attitude reset to the base attitude, so that the Newton
// passes start from a contact with stiffness. Non-dimensional; positions in the element's
// azimuth plane (axial, radial), the approach along the outer contact normal.
#include <algorithm>
#include <cmath>

#include "contact/zelc1.h"
#include "contact/zelc7.h"
#include "equilibrium/zela4.h"
#include "model/model.h"

namespace zela4 {

namespace {

// Moves the element by dn along the outer contact normal (sin a, cos a) of the azimuth plane.
void movenormal(Model& m, const Host& h, double dn) {
  auto& vm = m.vecmats;
  const int i = h.i;
  const double a = m.solutions.conang(1, 1, i);
  vm.regc(1, i) += dn * std::sin(a);
  vm.regc(2, i) += dn * std::cos(a);
  vm.regci(1, i) = vm.regc(1, i);
  vm.regci(2, i) = -vm.regc(2, i) * h.st;
  vm.regci(3, i) = vm.regc(2, i) * h.ct;
}

}  // namespace

bool outerloaded(const Model& m, int i) {
  double q = m.solutions.conload(1, i);
  if (m.revecs.krace(3) != 0) q += m.solutions.conload(3, i);
  return q != 0.0;
}

bool innerloaded(const Model& m, int i) {
  double q = m.solutions.conload(2, i);
  if (m.revecs.krace(4) != 0) q += m.solutions.conload(4, i);
  return q != 0.0;
}

void unloadedelements(Model& m, Host& h, int& flag) {
  const auto& g = m.brggeom;
  const auto& sol = m.solutions;
  auto& vm = m.vecmats;
  auto& s = m.setupa4;
  auto& x = m.genvecs.x;
  const int i = h.i;

  // Unloaded: no load on either half of the outer race, or (before the first placement) none
  // on either half of the inner race; a tapered roller also when it has left its guide rib.
  bool unloaded = !outerloaded(m, i) || (!innerloaded(m, i) && flag == 0);
  if (g.kbrg == 4 && flag == 0 && sol.flngforce(1, i) == 0.0 && sol.flngforce(3, i) == 0.0)
    unloaded = true;
  if (!unloaded) return;
  flag = 1;

  // Radius of the element centre touching the outer race at its azimuth.
  const double th = vm.regc(3, i);
  double r;
  if (g.kbrg <= 3) {
    const double rr = zelc7::zelc7(m, g.nre + 1, 0, m.options.kracegeoimp.lin(1), 0.0, th);
    r = g.kbrg == 2 ? rr - g.rerad(i) : g.racecurrad(1) + rr - g.rerad(i);
  } else {
    r = s.rerefpos(2) + m.opcond.raceexp(1);
  }
  // An outer race off the axis: the circle of radius r about its centre, along the element's
  // radial direction.
  const double cy = vm.racegc(2, 1), cz = vm.racegc(3, 1);
  if (cy != 0.0 || cz != 0.0) {
    const double ey = -h.st, ez = h.ct;
    const double cross = ey * cz - ez * cy;
    r = ey * cy + ez * cz + std::sqrt(std::max(r * r - cross * cross, 0.0));
  }
  if (g.kbrg <= 2) {
    vm.regc(1, i) = vm.racegc(1, 1);
    vm.regc(2, i) = r;
  } else if (g.kbrg == 3) {
    vm.regc(1, i) = s.renoloadpos(1);
    vm.regc(2, i) = s.renoloadpos(2);
  } else {
    vm.regc(1, i) = s.rerefpos(1) + vm.racegc(1, 1);
    vm.regc(2, i) = r;
  }

  // Base attitude; the tilt equation stays as the host set it (on only where a roller tilt is
  // solved).
  x(h.kb + 8) = s.rebaseang(1);
  x(h.kb + 9) = s.rebaseang(2);
  elementframes(m, i);
  movenormal(m, h, 0.0);
  zelc1::zelc1(m);
  if (m.errors.ierind != 0) return;

  // Out of the flange it presses hardest, sliding along the outer contact line (a move dx
  // changes the flange approach by den dx).
  const double t = s.sa(1) / s.ca(1);
  auto flangemove = [&](int f, double approach) {
    const int k = (f - 1) % 2 + 1, j = (f - 1) / 2 + 1;
    const double den = g.traf(1, 1, k, j) - g.traf(1, 3, k, j) * t;
    if (den == 0.0 || !std::isfinite(t)) return true;
    const double dx = (approach + sol.flngdef(f, i) - m.tracprop.reflngfilm) / den;
    vm.regc(1, i) += dx;
    vm.regc(2, i) -= dx * t;
    movenormal(m, h, 0.0);
    zelc1::zelc1(m);
    return m.errors.ierind == 0;
  };
  int fmax = 0;
  double qmax = 0.0;
  for (int f = 1; f <= 4; ++f)
    if (sol.flngforce(f, i) > qmax) {
      qmax = sol.flngforce(f, i);
      fmax = f;
    }
  if (fmax > 0 && g.kbrg < 4 && !flangemove(fmax, 0.0)) return;

  // Light contact: the outer approach of the target load by the first-call constant
  // (Q = cons delta^xn, never a load of this or another element), then once more scaled by
  // the load it gave, (target / Q)^(1/xn), both along the outer contact normal.
  if (h.target > 0.0) {
    const double dt = std::pow(h.target / s.cons(1), s.xn1);
    movenormal(m, h, dt - sol.condef(1, i));
    zelc1::zelc1(m);
    if (m.errors.ierind != 0) return;
    const double q = sol.conload(1, i), d = sol.condef(1, i);
    if (q > 0.0 && d > 0.0) {
      movenormal(m, h, d * std::pow(h.target / q, s.xn1) - d);
      zelc1::zelc1(m);
      if (m.errors.ierind != 0) return;
    }
    // Tapered rollers are seated against their guide flange (side I of the guide race) at
    // the same light approach, the outer approach restored after each slide (a crowned or
    // spherical outer race is left by a long slide along its contact line).
    for (int n = 0; n < 3 && g.kbrg >= 4 && s.ifl > 0; ++n) {
      if (!flangemove(1 + 2 * (s.ifl - 1), dt)) return;
      movenormal(m, h, dt - sol.condef(1, i));
      zelc1::zelc1(m);
      if (m.errors.ierind != 0) return;
    }
  }
}

}  // namespace zela4
