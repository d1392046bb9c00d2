// Elements not solved because the load is symmetric about the inertial x-z plane: each takes
// the mirror image of the element it mirrors (azimuth -theta): positions and tilt as they are,
// the out-of-plane contact angles, the attitude about the azimuth z axis and every azimuth y
// component with the opposite sign; its frames rebuilt about its own azimuth.
#include <cmath>

#include "equilibrium/zela4.h"
#include "model/model.h"

namespace zela4 {

namespace {

// Column i of a per-element array (last index the element) copied to column j.
template <class A>
void column(A& a, int n, int j) {
  constexpr int per = int(A::size) / 40;
  for (int k = 1; k <= per; ++k) a.lin(per * (j - 1) + k) = a.lin(per * (n - 1) + k);
}

}  // namespace

void mirrorfill(Model& m) {
  const auto& g = m.brggeom;
  auto& vm = m.vecmats;
  auto& s = m.solutions;
  auto& x = m.genvecs.x;
  for (int j = m.setupa4.ib + 1; j <= g.nre; ++j) {
    const int n = m.setupa4.njb(j);
    if (n <= 0) continue;
    const int kj = 12 * (j - 1) + 1, kn = 12 * (n - 1) + 1;
    for (int slot : {1, 2, 6, 8}) x(kj + slot) = x(kn + slot);
    x(kj + 9) = -x(kn + 9);
    vm.regc(1, j) = vm.regc(1, n);
    vm.regc(2, j) = vm.regc(2, n);
    vm.remc(1, j) = vm.remc(1, n);
    vm.remc(2, j) = vm.remc(2, n);
    const double th = vm.regc(3, j);
    vm.regci(1, j) = vm.regc(1, j);
    vm.regci(2, j) = -vm.regc(2, j) * std::sin(th);
    vm.regci(3, j) = vm.regc(2, j) * std::cos(th);
    column(vm.revel, n, j);
    column(vm.reangveli, n, j);
    vm.reangveli(2, j) = -vm.reangveli(2, j);
    elementframes(m, j);
    for (int p = 1; p <= 3; ++p) {
      vm.reangvel(p, j) = 0.0;
      for (int q = 1; q <= 3; ++q) vm.reangvel(p, j) += vm.retoiaz(q, p, j) * vm.reangveli(q, j);
    }
    for (auto* a : {&s.acl, &s.astar, &s.bstar, &s.condef, &s.conload, &s.conpress, &s.conwidtha,
                    &s.conwidthb, &s.curfunc, &s.cursum, &s.qcl, &s.radconposr, &s.radiusx,
                    &s.spintoroll, &s.flngangconpos, &s.flngconposz, &s.flngconwidtha,
                    &s.flngconwidthb, &s.flngdef, &s.flngentvel, &s.flngforce, &s.flngreconpos,
                    &s.flngslip, &s.flngsv, &s.raceflngwri, &s.rewr, &s.resv})
      column(*a, n, j);
    column(s.idflngcon, n, j);
    column(s.flngconposy, n, j);
    for (int f = 1; f <= 4; ++f) s.flngconposy(f, j) = -s.flngconposy(f, j);
    column(s.conlmts, n, j);
    column(s.conang, n, j);
    for (int c = 1; c <= 4; ++c) s.conang(c, 2, j) = -s.conang(c, 2, j);
    column(s.condefdis, n, j);
    column(s.conloaddis, n, j);
    column(s.conwidthdis, n, j);
    column(s.xcoord, n, j);
    column(s.reendwr, n, j);
    s.cenforce(j) = s.cenforce(n);
    s.gymoment(j) = s.gymoment(n);
    column(s.remff, n, j);
    s.remff(3, j) = -s.remff(3, j);
    // Contact frames D tacs D and contact centres with the y components negated
    // (D = diag(1, -1, 1) turns the azimuth and contact frames into their mirror images).
    for (int c = 1; c <= 4; ++c) {
      for (int p = 1; p <= 3; ++p) {
        for (int q = 1; q <= 3; ++q) {
          const double sg = (p == 2) != (q == 2) ? -1.0 : 1.0;
          vm.tacs(p, q, c, j) = sg * vm.tacs(p, q, c, n);
        }
        const double sg = p == 2 ? -1.0 : 1.0;
        vm.cbs(p, c, j) = sg * vm.cbs(p, c, n);
        vm.crs(p, c, j) = sg * vm.crs(p, c, n);
      }
    }
    // Flange force and moment sums (azimuth frame): a force keeps x and z, a moment y.
    auto& b1 = m.setupb1;
    for (int p = 1; p <= 3; ++p) {
      const double fs = p == 2 ? -1.0 : 1.0;
      for (int r = 1; r <= 2; ++r) {
        b1.raceflngfors(p, r, j) = fs * b1.raceflngfors(p, r, n);
        b1.raceflngmoms(p, r, j) = -fs * b1.raceflngmoms(p, r, n);
      }
      b1.reflngfors(p, j) = fs * b1.reflngfors(p, n);
      b1.reflngmoms(p, j) = -fs * b1.reflngmoms(p, n);
    }
    auto& a5 = m.setupa5;
    a5.minalfgrid(j) = a5.minalfgrid(n);
    for (int k = 1; k <= 21; ++k)
      for (int l = 1; l <= 2; ++l) a5.mingrid(k, j, l) = a5.mingrid(k, n, l);
  }
}

}  // namespace zela4
