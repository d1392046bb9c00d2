// Equilibrium driver: initial guess of the inner-race offset and the element positions from
// the secant stiffness of a trial contact, the solution of every element and the inner race,
// the bearing stiffness by one-sided steps of the held inner race along inertial x, y, z, the
// final solution and the packing of the state. Non-dimensional; stiffness reported through
// constants::cstiff.
#include <cmath>

#include "contact/zelc1.h"
#include "contact/zelc2.h"
#include "equilibrium/zela4.h"
#include "equilibrium/zela6.h"
#include "model/model.h"
#include "run/zela9.h"
#include "run/zelorqs.h"

namespace zelorqs {

namespace {

void report(Model& m) {
  if (m.errors.ierind != 0) zela9::zela9(m);
}

// Secant stiffness Q / delta of element 1's outer contact at its trial position; 0 when the
// trial contact carries no load (the elastic part of the guess is then left out).
double secant(Model& m) {
  const double q = m.solutions.conload(1, 1), d = m.solutions.condef(1, 1);
  return q > 0.0 && d > 0.0 ? q / d : 0.0;
}

// Initial guess: element axial offset a and radial magnitude b, race axial offset A and
// radial offset B.
void guess(Model& m, double& a, double& b, double& aa, double& bb) {
  const auto& op = m.opcond;
  const auto& kfs = m.options.kfs;
  auto& vm = m.vecmats;
  a = b = aa = bb = 0.0;
  if (kfs(1) == 0) {
    vm.regci(1, 1) = vm.regc(1, 1) + 0.001;
    zelc1::zelc1(m);
    report(m);
    const double k = secant(m);
    a = (k > 0.0 ? op.appload(1) / m.brggeom.nre / k : 0.0) + 0.001;
    aa = 2.0 * a;
  } else if (kfs(2) == 0 || kfs(3) == 0) {
    const double r1 = vm.regc(2, 1), th = vm.regc(3, 1);
    vm.regci(2, 1) = -(r1 + 0.001) * std::sin(th);
    vm.regci(3, 1) = (r1 + 0.001) * std::cos(th);
    zelc1::zelc1(m);
    report(m);
    const double k = 1.5 * secant(m);
    if (k > 0.0) b = std::sqrt(op.appload(2) * op.appload(2) + op.appload(3) * op.appload(3)) / k;
    bb = 2.0 * b;
  } else {
    // All forces prescribed: the set-up already put the race at the prescribed displacement,
    // so the remaining radial displacement (y and z alike) is 0; the elements start at half
    // the axial one.
    a = op.appdisp(1) / 2.0;
    const double dy = op.appdisp(2) - (vm.racegc(2, 2) - vm.racegc(2, 1));
    const double dz = op.appdisp(3) - (vm.racegc(3, 2) - vm.racegc(3, 1));
    b = std::sqrt(dy * dy + dz * dz) / 2.0;
  }
}

}  // namespace

void raceload(Model& m, zq::Vec3& r) {
  const auto& sol = m.solutions;
  const auto& vm = m.vecmats;
  const auto& g = m.brggeom;
  r.fill(0.0);
  for (int i = 1; i <= g.nre; ++i) {
    for (int j = 2; j <= g.nrace; j += 2) {
      if (m.revecs.krace(j) == 0 || sol.conload(j, i) == 0.0) continue;
      // Contact normal in inertial components: third row of tacs inerttoiaz.
      for (int n = 1; n <= 3; ++n) {
        double t = 0.0;
        for (int p = 1; p <= 3; ++p) t += vm.tacs(3, p, j, i) * vm.inerttoiaz(p, n, i);
        r(n) += sol.conload(j, i) * t;
      }
    }
    // Roller ends on the inner race's flanges (azimuth frame to inertial).
    if (g.kbrg > 1)
      for (int n = 1; n <= 3; ++n)
        for (int p = 1; p <= 3; ++p)
          r(n) += vm.inerttoiaz(p, n, i) * m.setupb1.raceflngfors(p, 2, i);
  }
}

void stiffness(Model& m) {
  auto& q = m.quasistaticeq;
  auto& vm = m.vecmats;
  auto& s = m.setupa4;
  const int nre = m.brggeom.nre;
  for (int n = 1; n <= 3; ++n) q.racer(n) = vm.racegc(n, 2);
  for (int i = 1; i <= nre; ++i) {
    q.rer(1, i) = vm.regc(1, i);
    q.rer(2, i) = vm.regc(2, i);
  }
  s.kfq = 1;
  s.sx.fill(1.0);
  q.stf.fill(0.0);
  s.ib = nre;
  // One percent of the race's offset, at least 1e-6 (a concentric race still gets a step).
  double delta = 0.0;
  for (int n = 1; n <= 3; ++n) delta = std::fmax(delta, std::abs(vm.racegc(n, 2) - vm.racegc(n, 1)));
  delta = std::fmax(delta * m.opcond.pctdisp(1) / 100.0, 1.0e-6);
  for (int n = 1; n <= 3; ++n) {
    vm.racegc(n, 2) += delta;
    zela4::zela4(m, 0);
    report(m);
    raceload(m, q.racep);
    vm.racegc(n, 2) = q.racer(n);
    q.stf(n) = (q.raceq(n) - q.racep(n)) / delta;
    for (int i = 1; i <= nre; ++i) {
      vm.regc(1, i) = q.rer(1, i);
      vm.regc(2, i) = q.rer(2, i);
    }
  }
  for (int n = 1; n <= 3; ++n) m.solutions.brgstiffness(n) = q.stf(n) * m.constants.cstiff;
}

void quasistaticeq(Model& m) {
  auto& s = m.setupa4;
  auto& vm = m.vecmats;
  auto& q = m.quasistaticeq;
  const auto& op = m.opcond;
  const auto& g = m.brggeom;
  for (int n = 1; n <= 5; ++n) s.jf(n) = m.options.kfs(n);
  s.kfq = 0;
  s.mde = 0;
  m.revecs.ire = 1;

  double a, b, aa, bb;
  guess(m, a, b, aa, bb);
  const double f = std::sqrt(op.appload(2) * op.appload(2) + op.appload(3) * op.appload(3));
  const double ey = f != 0.0 ? op.appload(2) / f : 0.0;
  const double ez = f != 0.0 ? op.appload(3) / f : 1.0;
  const int k = m.options.kraceeq;
  vm.racegc(1, k) += aa;
  vm.racegc(2, k) += bb * ey;
  vm.racegc(3, k) += bb * ez;
  for (int i = 1; i <= s.ib; ++i) {
    const double th = vm.regc(3, i);
    vm.regc(1, i) += a;
    vm.regc(2, i) += b * (-ey * std::sin(th) + ez * std::cos(th));
    vm.regci(1, i) = vm.regc(1, i);
    vm.regci(2, i) = -std::sin(th) * vm.regc(2, i);
    vm.regci(3, i) = std::cos(th) * vm.regc(2, i);
  }
  // Ball bearings: the stiffness is taken under race control.
  if (g.kbrg == 1) {
    q.kangvel = s.kangvel;
    s.kangvel = 1;
  }
  m.opcond.pctdisp(1) = 1.0;
  for (int i = 1; i <= 40; ++i) q.sxx(i) = s.sx(i);

  zelc2::zelc2(m);
  zela4::zela4(m, 0);
  report(m);
  raceload(m, q.raceq);

  const int ib = s.ib;
  stiffness(m);
  s.kfq = 0;
  for (int i = 1; i <= 40; ++i) s.sx(i) = q.sxx(i);
  s.ib = ib;
  zela4::zela4(m, 0);
  report(m);
  if (g.kbrg == 1) {
    s.kangvel = q.kangvel;
    zela4::zela4(m, 0);
    report(m);
  }
  zela6::zela6(m);
}

}  // namespace zelorqs
