// Spin attitude of the current element for its Newton pass: the mode of the spin-attitude
// routine (minimum contact heat, race control by the race of larger friction moment, given
// attitude, or kinematics only), then the gyroscopic moment of the polar inertia, the
// centrifugal force and the moving-frame term. Non-dimensional; azimuth-frame components.
#include <cmath>

#include "equilibrium/zela4.h"
#include "equilibrium/zela5.h"
#include "model/model.h"
#include "numerics/zelg7.h"
#include "run/zela9.h"

namespace zela4 {

namespace {

void fatal(Model& m, int code, int sup, std::vector<std::string> lines) {
  zq::ErrorBlock e;
  e.code = code;
  e.supplementary = sup;
  e.fatal = true;
  e.lines = std::move(lines);
  zq::raiseError(m, e);
}

// Race control: the race whose contact has the larger friction moment E(k) Q a (E(k) the
// complete elliptic integral of the second kind of the contact ellipse, k = sqrt(1 - (b/a)^2))
// holds the ball without spin. Returns the mode, 0 after an error.
int racecontrol(Model& m, int i, const int* seg) {
  const auto& sol = m.solutions;
  double p[2];
  for (int n = 1; n <= 2; ++n) {
    const int j = seg[n - 1];
    const double a = sol.conwidtha(j, i), b = sol.conwidthb(j, i);
    const double arg = a > 0.0 ? std::sqrt(std::fmax(1.0 - (b / a) * (b / a), 0.0)) : 0.0;
    double ck = 0.0, ce = 0.0;
    int ierr = 0;
    zelg7::zelg7(m, arg, ck, ce, ierr);
    if (ierr != 0) {
      zq::ErrorBlock e;
      e.code = m.errorcodes.kargelpint;
      e.supplementary = ierr;
      e.fatal = true;
      e.lines = {"Execution terminating in Zela4.", "Invalid argument encountered for",
                 "elliptical integral function."};
      e.rname = "Argument value is:";
      e.rvalues = {arg};
      zq::raiseError(m, e);
      return 0;
    }
    p[n - 1] = ce * sol.conload(j, i) * a;
  }
  const double ang = sol.conang(seg[1], 1, i) - m.constants.pi - sol.conang(seg[0], 1, i);
  return std::cos(ang) * p[1] < p[0] ? 1 : 2;
}

}  // namespace

void angvelocities(Model& m, Host& h) {
  const auto& g = m.brggeom;
  auto& vm = m.vecmats;
  auto& sol = m.solutions;
  auto& x = m.genvecs.x;
  const int i = h.i;
  bool still = true;
  for (int j = 1; j <= 2; ++j)
    for (int n = 1; n <= 3; ++n) still = still && vm.raceangvel(n, j) == 0.0;
  if (still) {
    sol.spintoroll(1, i) = sol.spintoroll(2, i) = 0.0;
    x(h.kb + 6) = 0.0;
    for (int n = 1; n <= 3; ++n) vm.reangveli(n, i) = 0.0;
  } else {
    // The loaded half of each race (a split race's second half when only it carries load).
    const int seg[2] = {sol.conload(1, i) == 0.0 && m.revecs.krace(3) != 0 ? 3 : 1,
                        sol.conload(2, i) == 0.0 && m.revecs.krace(4) != 0 ? 4 : 2};
    zq::FArray<double, 2> xc, rad, sr;
    zq::FArray<double, 6> cb, cr, raceav;
    zq::FArray<double, 8> ca, sa;
    for (int r = 1; r <= 2; ++r) {
      const int j = seg[r - 1];
      rad(r) = 2.0 * g.racecurrad(j) * g.recrn(i) / (g.racecurrad(j) + g.recrn(i));
      xc(r) = sol.conwidtha(j, i);
      for (int n = 1; n <= 2; ++n) {
        ca(2 * (r - 1) + n) = m.setupa4.ca(2 * (j - 1) + n);
        sa(2 * (r - 1) + n) = m.setupa4.sa(2 * (j - 1) + n);
      }
      for (int n = 1; n <= 3; ++n) {
        cb(3 * (r - 1) + n) = vm.cbs(n, j, i);
        cr(3 * (r - 1) + n) = vm.crs(n, j, i);
        // Race angular velocity in the element's azimuth frame.
        double w = 0.0;
        for (int q = 1; q <= 3; ++q) w += vm.racetoiaz(n, q, j, i) * vm.raceangvel(q, j);
        raceav(3 * (r - 1) + n) = w;
      }
    }
    // Attitude of a roller (and of a ball without inner contact, whose tilt is taken as 0):
    // the element axis reversed in the azimuth plane.
    const double tilt = (g.kbrg == 2 || g.kbrg == 4) ? x(h.kb + 8) : 0.0;
    double beta = m.constants.pi - g.reax - tilt;
    double orb = 0.0;
    int mode;
    if (xc(2) == 0.0) {
      // No inner contact: the orbital speed the reference centrifugal force gives at the
      // element's radius.
      orb = h.sg * std::sqrt(std::fmax(h.fref, 0.0) / (vm.regc(2, i) * g.remass(i)));
      mode = g.kbrg == 1 ? 3 : 4;
    } else if (g.kbrg != 1) {
      mode = 4;
    } else {
      const int kangvel = m.setupa4.kangvel;
      if (kangvel == 0) {
        mode = 0;
      } else if (kangvel == 1) {
        mode = racecontrol(m, i, seg);
        if (mode == 0) return;
        beta = 0.0;
      } else if (kangvel == 2) {
        mode = 3;
        beta = m.opcond.angvelorient;
      } else {
        fatal(m, m.errorcodes.kinitangvel, 0,
              {"Execution terminating in Zela4.", "Invalid initial angular velocity option",
               "kAngVel, on Input Record 3.3"});
        m.errors.iname = "Input value is:";
        m.errors.numi = 1;
        m.errors.iarray(1) = kangvel;
        return;
      }
    }
    zq::Vec3 omega;
    zela5::zela5(m, mode, beta, xc, rad, cb, cr, ca, sa, raceav, omega, orb, sr);
    sol.spintoroll(1, i) = sr(1);
    sol.spintoroll(2, i) = sr(2);
    x(h.kb + 6) = orb;
    for (int n = 1; n <= 3; ++n) vm.reangveli(n, i) = omega(n);
  }
  // Gyroscopic moment about the azimuth y axis (polar inertia), centrifugal force at the mass
  // centre, moving-frame force of an orbiting bearing (its orbit about a parallel axis at
  // brgorbitrad, radial in the azimuth frame).
  h.omega = x(h.kb + 6);
  sol.gymoment(i) = -vm.reangveli(3, i) * h.omega * g.remi(1, i);
  sol.cenforce(i) = h.omega * h.omega * g.remass(i) * vm.remc(2, i);
  auto& z4 = m.zela4;
  const double acc = m.opcond.brgorbitrad(1) * m.opcond.brgangvel * m.opcond.brgangvel;
  z4.r2 = zq::Vec3{0.0, 0.0, acc};
  for (int n = 1; n <= 3; ++n)
    z4.r1(n) = vm.inerttoiaz(n, 1, i) * z4.r2(1) + vm.inerttoiaz(n, 2, i) * z4.r2(2) +
               vm.inerttoiaz(n, 3, i) * z4.r2(3);
  sol.remff(1, i) = g.remass(i) * z4.r1(1);
  sol.remff(2, i) = g.remass(i) * z4.r1(3);
  sol.remff(3, i) = g.remass(i) * z4.r1(2);
}

}  // namespace zela4
