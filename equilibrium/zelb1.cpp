// Final sweep over all bodies in the converged state: unpacks positions, frames (passive, zelb2
// convention), velocities and angular velocities of every rolling element and race from
// genvecs::x, evaluates the race fits once, then the contacts and traction of every element,
// summed into the race reactions on both races.
// Non-dimensional; element vectors in cylindrical (axial, radius, azimuth) or inertial Cartesian
// components as named, angular velocities in body components (reangveli: azimuth components).
#include "equilibrium/zelb1.h"

#include <cmath>

#include "contact/zelc1.h"
#include "contact/zelc2.h"
#include "model/model.h"
#include "numerics/zelb2.h"
#include "numerics/zelb3.h"
#include "run/zela9.h"
#include "traction/zeld1.h"

namespace zelb1 {

namespace {

// First-call tests: a ball bearing under pure axial load, without misalignment or
// imperfections, keeps the symmetry of the solved element set; any other case solves every
// element on its own with unit weights.
void firstcall(Model& m) {
  const auto& g = m.brggeom;
  const auto& op = m.opcond;
  const auto& opt = m.options;
  auto& s = m.setupb1;
  bool general = g.kbrg > 1 || op.appload(2) != 0.0 || op.appdisp(2) != 0.0 ||
                 op.appload(3) != 0.0 || op.appdisp(3) != 0.0 || opt.kregeoimp != 0 ||
                 opt.kracegeoimp.lin(1) != 0 || opt.kracegeoimp.lin(2) != 0;
  for (double a : op.appmis) general = general || a != 0.0;
  if (general) {
    s.kload = 0;
    m.setupa4.ib = g.nre;
    m.setupa4.sx.fill(1.0);
  } else {
    s.kload = 1;
  }
  for (int i = 1; i <= g.nre; ++i) {
    double d2 = 0.0;
    for (int n = 1; n <= 3; ++n) d2 += g.regeocen(n, i) * g.regeocen(n, i);
    s.kregc(i) = d2 > 0.0 ? 1 : 0;
  }
  for (int n = 1; n <= 3; ++n) s.apploads(n) = op.appload(n);
  for (int n = 1; n <= 2; ++n) s.appmoments(n) = op.appmoment(n);
  s.initb1 = 1;
}

// Block base of body b: slot s is x(base + s).
int base(int b) { return 12 * (b - 1) + 1; }

void unpackelement(Model& m, int i) {
  const auto& g = m.brggeom;
  auto& vm = m.vecmats;
  const auto& x = m.genvecs.x;
  const int b = base(i);

  // Mass centre and the roller's rotation angle about its axis.
  const double xa = x(b + 1), r = x(b + 2), th = x(b + 3);
  const double st = std::sin(th), ct = std::cos(th);
  vm.remc(1, i) = xa;
  vm.remc(2, i) = r;
  vm.remc(3, i) = th;
  vm.remci(1, i) = xa;
  vm.remci(2, i) = -r * st;
  vm.remci(3, i) = r * ct;
  m.flngdata.rerotc(i) = x(b + 7);

  // Frames: element to azimuth = (base to element . azimuth to base)^T; azimuth = R1(theta).
  zq::Mat3 t;
  zelb2::zelb2(m, x(b + 7), x(b + 8), x(b + 9), t);
  for (int n = 1; n <= 3; ++n) {
    vm.sinbt(n, i) = m.tmparea.rtmp(n);
    vm.cosbt(n, i) = m.tmparea.rtmp(n + 3);
  }
  for (int p = 1; p <= 3; ++p)
    for (int q = 1; q <= 3; ++q) {
      double sum = 0.0;
      for (int n = 1; n <= 3; ++n) sum += t(p, n) * g.rebasetran(n, q);
      vm.retoiaz(q, p, i) = sum;
    }
  zelb2::zelb2(m, th, 0.0, 0.0, vm.inerttoiaz.sub<3, 3>(i));
  for (int p = 1; p <= 3; ++p)
    for (int q = 1; q <= 3; ++q) {
      double sum = 0.0;
      for (int n = 1; n <= 3; ++n) sum += vm.retoiaz(n, p, i) * vm.inerttoiaz(n, q, i);
      vm.inerttore(p, q, i) = sum;
    }

  // Geometric centre: the mass centre plus the centre offset carried out of the element frame.
  if (m.setupb1.kregc(i) == 0) {
    for (int n = 1; n <= 3; ++n) {
      vm.regc(n, i) = vm.remc(n, i);
      vm.regci(n, i) = vm.remci(n, i);
    }
  } else {
    for (int n = 1; n <= 3; ++n) {
      double sum = 0.0;
      for (int k = 1; k <= 3; ++k) sum += vm.inerttore(k, n, i) * g.regeocen(k, i);
      vm.regci(n, i) = vm.remci(n, i) + sum;
    }
    vm.regc(1, i) = vm.regci(1, i);
    vm.regc(2, i) = std::sqrt(vm.regci(2, i) * vm.regci(2, i) + vm.regci(3, i) * vm.regci(3, i));
    vm.regc(3, i) = zelb3::zelb3(m, vm.regci(2, i), vm.regci(3, i));
  }

  // Velocity of the mass centre: (xdot, rdot, thetadot) and its inertial Cartesian form.
  const double rdot = x(b + 5), thdot = x(b + 6);
  vm.revel(1, i) = x(b + 4);
  vm.revel(2, i) = rdot;
  vm.revel(3, i) = thdot;
  vm.reveli(1, i) = x(b + 4);
  vm.reveli(2, i) = -st * rdot - ct * r * thdot;
  vm.reveli(3, i) = ct * rdot - st * r * thdot;

  // Angular velocity in body and in azimuth components.
  vm.reangvel(1, i) = x(b + 10);
  vm.reangvel(2, i) = x(b + 11);
  vm.reangvel(3, i) = x(b + 12);
  ratetoangvel(vm.reangvel(1, i), vm.reangvel(2, i), vm.reangvel(3, i), x(b + 8), x(b + 9));
  for (int n = 1; n <= 3; ++n) {
    double sum = 0.0;
    for (int k = 1; k <= 3; ++k) sum += vm.retoiaz(n, k, i) * vm.reangvel(k, i);
    vm.reangveli(n, i) = sum;
  }

  // Centrifugal force of the orbit, and the gyroscopic moment about the azimuth y axis of the
  // spin carried round the bearing axis, dH/dt = thetadot x H: M = -J w_z thetadot (Harris),
  // J the polar moment about the element's own axis, remi(1, i), and w_z the angular velocity
  // along the azimuth frame's radial axis.
  m.solutions.cenforce(i) = g.remass(i) * r * thdot * thdot;
  m.solutions.gymoment(i) = -g.remi(1, i) * vm.reangveli(3, i) * thdot;
}

void unpackrace(Model& m, int j) {
  const auto& g = m.brggeom;
  auto& vm = m.vecmats;
  const auto& x = m.genvecs.x;
  const int b = base(g.nre + j);

  // t: inertial to the race's principal frame; the race frame is its geometric frame.
  zq::Mat3 t;
  zelb2::zelb2(m, x(b + 7), x(b + 8), x(b + 9), t);
  for (int n = 1; n <= 3; ++n) {
    vm.sinrt(n, j) = m.tmparea.rtmp(n);
    vm.cosrt(n, j) = m.tmparea.rtmp(n + 3);
  }
  for (int p = 1; p <= 3; ++p)
    for (int q = 1; q <= 3; ++q) {
      double sum = 0.0;
      for (int n = 1; n <= 3; ++n) sum += g.racegeotoprin(n, p, j) * t(n, q);
      vm.inerttorace(p, q, j) = sum;
    }
  for (int n = 1; n <= 3; ++n) {
    vm.racemc(n, j) = x(b + n);
    double sum = 0.0;
    for (int k = 1; k <= 3; ++k) sum += t(k, n) * g.racegeocen(k, j);
    vm.racegc(n, j) = vm.racemc(n, j) + sum;
    vm.racevel(n, j) = x(b + 3 + n);
    vm.raceangvel(n, j) = x(b + 9 + n);
  }
  ratetoangvel(vm.raceangvel(1, j), vm.raceangvel(2, j), vm.raceangvel(3, j), x(b + 8),
               x(b + 9));
  m.fatiguecons.iracerot(j) = vm.raceangvel(1, j) == 0.0 ? 1 : 2;

  // Race to azimuth = (inertial to azimuth) (inertial to race)^T for every element.
  for (int i = 1; i <= g.nre; ++i)
    for (int p = 1; p <= 3; ++p)
      for (int q = 1; q <= 3; ++q) {
        double sum = 0.0;
        for (int n = 1; n <= 3; ++n) sum += vm.inerttoiaz(p, n, i) * vm.inerttorace(q, n, j);
        vm.racetoiaz(p, q, j, i) = sum;
      }
}

// Second halves 3, 4 of split races: exact copies of the frames and motion of races 1, 2.
void copysplitraces(Model& m) {
  auto& vm = m.vecmats;
  for (int j = 1; j <= 2; ++j) {
    const int k = j + 2;
    for (int n = 1; n <= 3; ++n) {
      vm.racegc(n, k) = vm.racegc(n, j);
      vm.racevel(n, k) = vm.racevel(n, j);
      vm.raceangvel(n, k) = vm.raceangvel(n, j);
      vm.sinrt(n, k) = vm.sinrt(n, j);
      vm.cosrt(n, k) = vm.cosrt(n, j);
      for (int q = 1; q <= 3; ++q) {
        vm.inerttorace(n, q, k) = vm.inerttorace(n, q, j);
        for (int i = 1; i <= 40; ++i) vm.racetoiaz(n, q, k, i) = vm.racetoiaz(n, q, j, i);
      }
    }
    m.fatiguecons.iracerot(k) = m.fatiguecons.iracerot(j);
  }
}

}  // namespace

void ratetoangvel(double& r1, double& r2, double& r3, double a2, double a3) {
  const double s2 = std::sin(a2), c2 = std::cos(a2);
  const double s3 = std::sin(a3), c3 = std::cos(a3);
  const double w1 = c2 * c3 * r1 + s3 * r2;
  const double w2 = -c2 * s3 * r1 + c3 * r2;
  const double w3 = s2 * r1 + r3;
  r1 = w1;
  r2 = w2;
  r3 = w3;
}

void posandvels(Model& m) {
  for (int i = 1; i <= m.brggeom.nre; ++i) unpackelement(m, i);
  for (int j = 1; j <= 2; ++j) unpackrace(m, j);
  if (m.brggeom.nrace != 2) copysplitraces(m);
}

void zelb1(Model& m) {
  if (m.setupb1.initb1 == 0) firstcall(m);
  m.solutions.raceforce.fill(0.0);
  m.solutions.racemoment.fill(0.0);
  posandvels(m);
  zelc2::zelc2(m);

  // Every element: its contacts, then their traction; each routine's error record is reported
  // at once, so that a failure of one element is not lost to the next. The race reactions sum
  // the traction and flange forces on each race (inertial frame) and their moments about the
  // race centre (race frame).
  auto& vm = m.vecmats;
  auto& s = m.solutions;
  zq::Vec3 bfor, bmom;
  zq::FArray<double, 3, 2> rfor, rmom;
  for (int i = 1; i <= m.brggeom.nre; ++i) {
    m.revecs.ire = i;
    zelc1::zelc1(m);
    if (m.errors.ierind != 0) zela9::zela9(m);
    zeld1::zeld1(m, bfor, bmom, rfor, rmom);
    if (m.errors.ierind != 0) zela9::zela9(m);
    const auto& rv = m.revecs;
    for (int j = 1; j <= 2; ++j)
      for (int n = 1; n <= 3; ++n)
        for (int r = 1; r <= 3; ++r) {
          s.raceforce(n, j) += vm.inerttoiaz(r, n, i) * (rfor(r, j) + rv.raceflngfor(r, j));
          s.racemoment(n, j) += vm.racetoiaz(r, n, j, i) * (rmom(r, j) + rv.raceflngmom(r, j));
        }
  }
}

}  // namespace zelb1
