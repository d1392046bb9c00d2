// Integration of the traction over one element/race contact: the local traction of a strip of a
// point contact or of a lamina of a line contact (traction coefficient from the dry curve, the
// thermal Newtonian film or the rheological models, opposing the slip of the element on the
// race), the lamina frames tilted with the lamina's azimuth, and the sums over strips and
// laminae. Non-dimensional sums; the lubricated models take pressure, width, speed and film in
// the user's units. Inside the point loops nothing is recomputed that does not change there.
#include <cmath>

#include "model/model.h"
#include "traction/zeld1.h"
#include "traction/zeld2.h"
#include "traction/zeld3.h"
#include "traction/zeld5.h"
#include "traction/zeld6.h"

namespace zeld1 {

void incrementaltraction(Model& m, Host& h, int j, zq::Vec3& f, zq::Vec3& mre, zq::Vec3& mrace) {
  auto& d = m.setupd1;
  auto& sol = m.solutions;
  const auto& c = m.constants;
  const auto& tp = m.tracprop;
  const int k = h.k, i = h.i;
  zeld2::zeld2(m, h.x);
  const auto& us = d.us;

  // Normal load of the strip (share (1 - x^2) of the Hertz load) or of the lamina (per unit
  // length), and the peak pressure and half-width of the strip the local law sees. A strip or
  // lamina without load has neither pressure nor traction.
  double f3, p = 0.0, bl = 0.0;
  if (h.point) {
    const double strip = 1.0 - h.x * h.x;
    f3 = -strip;
    const double r = strip - d.ya(1) * d.ya(1);
    if (strip > 0.0 && r > 0.0) {
      p = h.p0 * std::sqrt(r);
      bl = h.bdim * std::sqrt(strip);
    }
  } else {
    const double q = sol.conloaddis(j, k, i);
    const double bw = sol.conwidthdis(j, k, i);
    f3 = -q;
    if (q > 0.0 && bw > 0.0) {
      p = 2.0 * c.cpres * q / (c.pi * bw);
      bl = c.slen * bw;
    }
  }
  f(1) = 0.0;
  f(2) = 0.0;
  f(3) = f3;
  h.ploadslip = 0.0;
  h.ppower = 0.0;
  h.pflash = 0.0;
  // Where no lubricated model runs the film stays at the surface temperature (no shear heat).
  h.ptfilm = h.lub ? h.t : 0.0;
  sol.conslipdis(j, k, i) = us(2);
  sol.contracdis(j, k, i) = 0.0;

  const double s = std::sqrt(us(1) * us(1) + us(2) * us(2));
  if (s > c.tolr(1) && p > 0.0) {
    const double sdim = s * c.cvel;
    double mu = 0.0, mux = 0.0, muy = 0.0, phi = 1.0;
    if (!h.lub) {
      mu = zeld3::zeld3(s, zq::FRef<const double, 5>(h.curve));
      mux = us(1) * mu / s;
      muy = us(2) * mu / s;
    } else if (tp.kmtype == 1) {
      double dtf = 0.0, tf = h.t;
      zeld5::zeld5(m, p, bl, h.t, d.uroll, d.h, sdim, mu, dtf, tf, tp.ktracint);
      mux = us(1) * mu / s;
      muy = us(2) * mu / s;
      h.pflash = dtf;
      h.ptfilm = tf;
    } else {
      double dtf = 0.0, tf = h.t;
      zeld6::zeld6(m, p, bl, h.t, d.uroll, d.h, us(2) * c.cvel, us(1) * c.cvel, muy, mux, phi,
                   dtf, tf);
      mu = std::sqrt(mux * mux + muy * muy);
      h.pflash = dtf;
      h.ptfilm = tf;
    }
    if (s > h.smax) {
      h.smax = s;
      h.mumax = mu;
      h.phimax = phi;
    }
    const double pv = p * sdim;
    if (pv > h.pvmax && std::abs(pv - h.pvmax) / pv > c.tolr(3)) {
      h.pvmax = pv;
      h.pvx(1) = h.xpos;
      h.pvx(2) = d.ya(1);
    }
    // The traction on the element opposes its slip on the race (f3 < 0).
    f(1) = mux * f3;
    f(2) = muy * f3;
    h.ploadslip = -f3 * s;
    h.ppower = -f3 * s * mu;
    sol.contracdis(j, k, i) = muy;
  }
  // Moments of the point's force, the normal load included also where nothing slides.
  const auto& a = d.rre;
  const auto& b = d.rrace;
  mre(1) = a(2) * f(3) - a(3) * f(2);
  mre(2) = a(3) * f(1) - a(1) * f(3);
  mre(3) = a(1) * f(2) - a(2) * f(1);
  mrace(1) = b(2) * f(3) - b(3) * f(2);
  mrace(2) = b(3) * f(1) - b(1) * f(3);
  mrace(3) = b(1) * f(2) - b(2) * f(1);
}

void linecontacttrans(Model& m, Host& h, int j) {
  auto& d = m.setupd1;
  auto& rv = m.revecs;
  const int k = h.k;
  // Lamina frame: the contact frame turned about its first axis by the lamina's azimuth,
  // race -> lamina = tac R1(psi_j), R1 rows (1, 0, 0), (0, c, s), (0, -s, c).
  const double ca = rv.asc(1, j, k), sa = rv.asc(2, j, k);
  d.traz(2, 2) = ca;
  d.traz(2, 3) = sa;
  d.traz(3, 2) = -sa;
  d.traz(3, 3) = ca;
  const auto& tac = rv.tac;
  auto& trc = rv.trc;
  for (int r = 1; r <= 3; ++r) {
    trc(r, 1) = tac(r, 1);
    trc(r, 2) = tac(r, 2) * ca - tac(r, 3) * sa;
    trc(r, 3) = tac(r, 2) * sa + tac(r, 3) * ca;
  }
  // Velocities from race-frame components into the lamina frame (the element-to-lamina frame
  // trc tbr is not formed: the element's angular velocity is already in race components).
  for (int r = 1; r <= 3; ++r) {
    d.revelc(r) = trc(r, 1) * h.vb(1) + trc(r, 2) * h.vb(2) + trc(r, 3) * h.vb(3);
    d.racevelc(r) = trc(r, 1) * h.vr(1) + trc(r, 2) * h.vr(2) + trc(r, 3) * h.vr(3);
    d.reangvelc(r) = trc(r, 1) * h.wb(1) + trc(r, 2) * h.wb(2) + trc(r, 3) * h.wb(3);
    d.raceangvelc(r) = trc(r, 1) * h.wr(1) + trc(r, 2) * h.wr(2) + trc(r, 3) * h.wr(3);
    d.cbc(r) = rv.cbsl(r, j, k);
    d.crc(r) = rv.crsl(r, j, k);
  }
}

void linecontactintegral(Model& m, Host& h) {
  const auto& rv = m.revecs;
  const auto& us = m.setupd1.us;
  const double a = m.setupd1.ai;
  zq::Vec3 f, mre, mrace;
  h.x = 0.0;
  for (int j = 1; j <= rv.ngrid; ++j) {
    linecontacttrans(m, h, j);
    h.xpos = rv.xgl(j);
    incrementaltraction(m, h, j, f, mre, mrace);
    // Race frame: force on the race (minus the force on the element, normal load damped),
    // moment on the element, moment on the race.
    const double wj = rv.wgl(j) * a;
    f(3) -= h.damp * us(3);
    const auto& trc = rv.trc;
    for (int n = 1; n <= 3; ++n) {
      h.fs(n) -= wj * (trc(1, n) * f(1) + trc(2, n) * f(2) + trc(3, n) * f(3));
      h.ms(n) += wj * (trc(1, n) * mre(1) + trc(2, n) * mre(2) + trc(3, n) * mre(3));
      h.rs(n) -= wj * (trc(1, n) * mrace(1) + trc(2, n) * mrace(2) + trc(3, n) * mrace(3));
    }
    h.loadslip += wj * h.ploadslip;
    h.power += wj * h.ppower;
    h.flash += rv.wgl(j) * h.pflash;
    h.tfilm += rv.wgl(j) * h.ptfilm;
  }
}

void pointcontactsingleintegral(Model& m, Host& h) {
  const auto& d = m.setupd1;
  const auto& c = m.constants;
  const int k = h.k, i = h.i;
  const int limits = m.vecmats.kns(k, i) == 0 ? 3 : m.vecmats.kns(k, i) + 2;
  zq::Vec3 f, mre, mrace;
  int j = 0;
  for (int iv = 1; iv < limits; ++iv) {
    const double mid = (d.xj(iv) + d.xj(iv + 1)) / 2.0;
    const double half = (d.xj(iv + 1) - d.xj(iv)) / 2.0;
    // Two symmetric pairs of the 4-point Gauss-Legendre rule on the interval.
    for (int g = 1; g <= 2; ++g) {
      const double w = half * c.gqw(g);
      for (int side = -1; side <= 1; side += 2) {
        h.x = mid + side * c.gqx(g) * half;
        h.xpos = h.x;
        ++j;
        m.solutions.xcoord(j, k, i) = h.x;
        incrementaltraction(m, h, j, f, mre, mrace);
        h.fs(1) += w * f(1);
        h.fs(2) += w * f(2);
        h.fs(3) += w * (f(3) - h.damp * d.us(3));
        for (int n = 1; n <= 3; ++n) {
          h.ms(n) += w * mre(n);
          h.rs(n) -= w * mrace(n);
        }
        h.loadslip += w * h.ploadslip;
        h.power += w * h.ppower;
        h.flash += w * h.pflash;
        h.tfilm += w * h.ptfilm;
      }
    }
  }
  m.solutions.npoints(k, i) = j;
}

}  // namespace zeld1
