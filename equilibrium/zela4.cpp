// Equilibrium of the rolling elements and the solved race: first-call load-deflection constants
// (Hertz point contact, Harris "Rolling Bearing Analysis"; the 10/9 slice law of line contacts),
// Newton passes per element with relaxation, the element sweep inside the race iteration, and
// the mirror fill of the elements not solved. Non-dimensional (lengths / slen, forces /
// sforce), angles in radians; element vectors in the element's azimuth frame.
#include "equilibrium/zela4.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "contact/zelc1.h"
#include "contact/zelc4.h"
#include "contact/zelc7.h"
#include "model/model.h"
#include "numerics/zelb2.h"
#include "numerics/zelb22.h"
#include "numerics/zelb23.h"
#include "numerics/zelb3.h"
#include "run/zela9.h"

namespace zela4 {

namespace {

// Block base of body b in genvecs::x: slot s is x(base + s).
int base(int b) { return 12 * (b - 1) + 1; }

void knoflng(Model& m) {
  zq::ErrorBlock e;
  e.code = m.errorcodes.knoflng;
  e.fatal = true;
  e.lines = {"Execution terminating in Zela4 during data ",
             "setup. No flange present for tapered bearing."};
  zq::raiseError(m, e);
}

// First call: exponents, tolerances, contact-angle sines and cosines, race moving-frame terms,
// the guide flange of tapered bearings and the load-deflection constants.
void firstcall(Model& m) {
  const auto& g = m.brggeom;
  const auto& op = m.opcond;
  auto& s = m.setupa4;
  s.xn = 1.5;
  s.xn1 = 1.0 / s.xn;
  s.ftol = 1.0e-8;
  s.igym = 1;
  s.corrlmt = 0.1;
  s.kvar = 0;
  s.ca.fill(0.0);
  s.sa.fill(0.0);
  s.ca(1) = std::cos(g.racetaper(1));
  s.sa(1) = std::sin(g.racetaper(1));
  s.ca(3) = std::cos(m.constants.pi + g.racetaper(2));
  s.sa(3) = std::sin(m.constants.pi + g.racetaper(2));
  s.ca(2) = s.ca(4) = 1.0;
  s.sa(2) = s.sa(4) = 0.0;

  // Race moving-frame terms of an orbiting bearing (no input sets the orbit: zero).
  const double xf = (g.racemass(2) * op.brgloadfrac(2) - g.racemass(1) * op.brgloadfrac(1)) *
                    op.brgorbitrad(1) * op.brgangvel * op.brgangvel;
  m.solutions.racemff.fill(0.0);
  m.solutions.racemff(3, 2) = xf;
  m.solutions.racemff(3, 1) = -xf;

  s.ifl = 0;
  if (g.kbrg >= 4) {
    if (g.kflngind(1, 1) >= 1) {
      s.ifl = 1;
    } else if (g.kflngind(1, 2) >= 1) {
      s.ifl = 2;
    } else {
      knoflng(m);
      return;
    }
  }

  if (g.kbrg == 2 || g.kbrg == 4) s.kvar = 1;
  if (s.kvar == 1 && g.recenlen(1) > 0.0) {
    // Line contact: Q per unit length ~ delta^1.11 (the slice law), over the central length.
    s.xn = 1.1111111;
    s.xn1 = 1.0 / 1.1111111;
    for (int j = 1; j <= 2; ++j)
      s.cons(j) = std::pow(std::pow(g.recenlen(1), 0.8) / m.constants.qrerace(1, j), 1.1111111);
  } else {
    for (int j = 1; j <= 2; ++j) s.cons(j) = pointcons(m, j);
  }
  if (g.nrace == 4) {
    s.cons(3) = s.cons(1);
    s.cons(4) = s.cons(2);
  }
  s.inita4 = 1;
}

// Relaxation of a correction pattern: the factor grows while the signs repeat.
void relax(const int* jg, int* jgs, int pass, int from, int limit, double& f, int& nrep) {
  bool same = true;
  for (int n = 0; n < 3; ++n) same = same && jg[n] == jgs[n];
  if (pass > from) {
    if (same) {
      ++nrep;
      if (nrep < limit) f += 0.5;
    } else {
      nrep = 0;
      f = 1.0;
    }
  }
  for (int n = 0; n < 3; ++n) jgs[n] = jg[n];
}

// A record left by a contact or the spin attitude: a fatal one ends the call (the driver
// reports it); a non-fatal one is reported once per element and call, and the solve goes on.
bool stopon(Model& m, Host& h) {
  if (m.errors.ierind == 0) return false;
  if (m.errors.iterminate != 0) return true;
  if (h.reported(h.i) == 0) {
    h.reported(h.i) = 1;
    zela9::zela9(m);
  } else {
    m.errors.ierind = 0;
    m.errors.jerind = 0;
  }
  return false;
}

// Newton passes of element h.i at the current race position.
bool solveelement(Model& m, Host& h, bool axialzero) {
  const auto& g = m.brggeom;
  auto& vm = m.vecmats;
  auto& s = m.setupa4;
  auto& x = m.genvecs.x;
  auto& z4 = m.zela4;
  const int i = h.i;
  m.revecs.ire = i;
  h.kb = base(i);
  const double th = vm.regc(3, i);
  h.ct = std::cos(th);
  h.st = std::sin(th);

  // Only a cylindrical roller with a line contact solves its tilt.
  h.mom = (g.kbrg == 2 && h.iel == 0 && (g.kcontype(1, 1) == 1 || g.kcontype(2, 1) == 1)) ? 1 : 0;
  // The outer race's misalignment seen in the element's azimuth plane (tilt about the
  // azimuth y and z axes).
  const double b1 = z4.racebaseang(1, 1), b2 = z4.racebaseang(2, 1);
  s.rebaseang(1) = b1 * h.ct + b2 * h.st;
  s.rebaseang(2) = b2 * h.ct - b1 * h.st;
  s.jgs.fill(0);
  h.nrepe = 0;
  h.fe = 1.0;
  if ((g.kbrg == 2 || g.kbrg == 4) && (b1 != 0.0 || b2 != 0.0)) {
    x(h.kb + 8) = s.rebaseang(1);
    x(h.kb + 9) = s.rebaseang(2);
    elementframes(m, i);
  }
  h.fref = i == 1 ? m.solutions.cenforce(1) : m.solutions.cenforce(i - 1);
  if (i == 1 && h.fref <= 0.0) h.fref = s.cfri(1);
  if (axialzero) vm.regc(1, i) = 0.0;

  h.placed = 0;
  for (int n = 0; n <= 200; ++n) {
    z4.ibc(i) = 0;
    const double r = vm.regc(2, i);
    vm.regci(1, i) = vm.regc(1, i);
    vm.regci(2, i) = -r * h.st;
    vm.regci(3, i) = r * h.ct;
    for (int p = 1; p <= 3; ++p) {
      double off = 0.0;
      for (int q = 1; q <= 3; ++q) off += vm.inerttore(q, p, i) * g.regeocen(q, i);
      z4.bci(p) = vm.regci(p, i) - off;
    }
    vm.remc(2, i) = std::sqrt(z4.bci(2) * z4.bci(2) + z4.bci(3) * z4.bci(3));

    zelc1::zelc1(m);
    if (stopon(m, h)) return false;
    unloadedelements(m, h, h.placed);
    if (stopon(m, h)) return false;
    if (s.kvar == 0) {
      const int nj = g.nrace >= 3 ? 4 : 2;
      for (int j = 1; j <= nj; ++j) {
        s.ca(2 * j - 1) = std::cos(m.solutions.conang(j, 1, i));
        s.sa(2 * j - 1) = std::sin(m.solutions.conang(j, 1, i));
        s.ca(2 * j) = std::cos(m.solutions.conang(j, 2, i));
        s.sa(2 * j) = std::sin(m.solutions.conang(j, 2, i));
      }
    }
    angvelocities(m, h);
    if (stopon(m, h)) return false;
    reeqns(m, h);
    if (m.errors.ierind != 0) return false;
    if (applyrecorr(m, h, n)) break;
  }

  // Mass centre into the state; running maxima of the approaches.
  const double r = vm.regc(2, i);
  vm.regci(1, i) = vm.regc(1, i);
  vm.regci(2, i) = -r * h.st;
  vm.regci(3, i) = r * h.ct;
  for (int p = 1; p <= 3; ++p) {
    double off = 0.0;
    for (int q = 1; q <= 3; ++q) off += vm.inerttore(q, p, i) * g.regeocen(q, i);
    z4.bci(p) = vm.regci(p, i) - off;
  }
  x(h.kb + 1) = z4.bci(1);
  x(h.kb + 2) = std::sqrt(z4.bci(2) * z4.bci(2) + z4.bci(3) * z4.bci(3));
  vm.remc(1, i) = x(h.kb + 1);
  vm.remc(2, i) = x(h.kb + 2);
  h.dmax1 = std::fmax(h.dmax1, m.solutions.condef(1, i));
  h.dmax2 = std::fmax(h.dmax2, m.solutions.condef(2, i));
  if (s.kfq == 0) {
    // Every element that loads the solved race: a contact on either half, or a roller end on
    // one of its flanges (a roller off the raceway may still pass thrust from rib to rib).
    const int k = m.options.kraceeq;
    const auto& sol = m.solutions;
    bool loaded = sol.conload(k, i) != 0.0 || sol.flngforce(2 * k - 1, i) != 0.0 ||
                  sol.flngforce(2 * k, i) != 0.0;
    if (m.revecs.krace(k + 2) != 0) loaded = loaded || sol.conload(k + 2, i) != 0.0;
    if (loaded) buildraceeqns(m, h);
  }
  return true;
}

void itcntre(Model& m) {
  zq::ErrorBlock e;
  e.code = m.errorcodes.kitcntre;
  e.lines = {"Diagnostic message from Zela4. Iteration count",
             "encountered for rolling element equations.", "Control vector is: "};
  // The element numbers in lines of 24 values (24I3).
  const int ib = m.setupa4.ib;
  for (int i0 = 1; i0 <= ib && e.lines.size() < 10; i0 += 24) {
    std::string line;
    for (int i = i0; i <= std::min(ib, i0 + 23); ++i) {
      std::string v = std::to_string(m.zela4.ibc(i));
      if (v.size() > 3) v = "***";
      line += std::string(3 - v.size(), ' ') + v;
    }
    e.lines.push_back(line);
  }
  zq::raiseError(m, e);
}

void itcntrace(Model& m, const Host& h) {
  const int k = m.options.kraceeq;
  const int kb = base(m.brggeom.nre + k);
  zq::ErrorBlock e;
  e.code = m.errorcodes.kitcntrace;
  e.fatal = true;
  e.lines = {"Iteration count encountered for race eqns in Zela4."};
  e.rname = "Solution and correction vectors are:";
  e.rvalues = {m.vecmats.racegc(1, k), m.vecmats.racegc(2, k), m.vecmats.racegc(3, k),
               m.genvecs.x(kb + 8), m.genvecs.x(kb + 9)};
  for (int n = 1; n <= 5; ++n) e.rvalues.push_back(h.c(n));
  zq::raiseError(m, e);
}

}  // namespace

double pointcons(Model& m, int j) {
  const auto& g = m.brggeom;
  const auto& c = m.constants;
  auto& vm = m.vecmats;
  // Element 1's azimuth seen from race j and the local radius of the race's curvature centre
  // (or raceway), as the point contact takes them.
  zq::Vec3 d, bgrgr;
  for (int n = 1; n <= 3; ++n) d(n) = vm.regci(n, 1) - vm.racegc(n, j);
  for (int p = 1; p <= 3; ++p) {
    bgrgr(p) = 0.0;
    for (int q = 1; q <= 3; ++q) bgrgr(p) += vm.inerttorace(p, q, j) * d(q);
  }
  const double sii = zelb3::zelb3(m, bgrgr(2), bgrgr(3));
  const double rj = zelc7::zelc7(m, g.nre + j, 0, m.options.kracegeoimp.lin(j), 0.0, sii);
  // Contact angle including the base angle: the curvature in the rolling plane is concave
  // (negative) for the outer race and convex for the inner one.
  const double phi = m.solutions.conang(j, 1, 1);
  const double rg = g.racecurrad(j);
  double k1, k2;
  if (std::abs(rg) <= c.crnlmt) {
    k1 = -1.0 / (rj / std::cos(phi) + rg);
    k2 = -1.0 / rg;
  } else {
    k1 = -std::cos(phi) / rj;
    k2 = 0.0;
  }
  const double sum = g.recur(1, 1) + g.recur(2, 1) + k1 + k2;
  // Above the last Hertz point the ellipse is a line (delta* = 0, no finite constant): take
  // the constant of the last point.
  const double f = std::fmin((g.recur(1, 1) - g.recur(2, 1) + k1 - k2) / sum, 0.9995);
  double as = 0.0, bs = 0.0, ds = 0.0;
  zelc4::zelc4(m, f, as, bs, ds, 0);
  const double xn = m.setupa4.xn;
  return sum * std::pow(2.0 / (ds * sum), xn) / (c.qmrerace(j) * xn);
}

void elementframes(Model& m, int i) {
  const auto& g = m.brggeom;
  auto& vm = m.vecmats;
  const auto& x = m.genvecs.x;
  const int kb = base(i);
  zq::Mat3 t;
  zelb2::zelb2(m, x(kb + 7), x(kb + 8), x(kb + 9), t);
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
  for (int p = 1; p <= 3; ++p)
    for (int q = 1; q <= 3; ++q) {
      double sum = 0.0;
      for (int n = 1; n <= 3; ++n) sum += vm.retoiaz(n, p, i) * vm.inerttoiaz(n, q, i);
      vm.inerttore(p, q, i) = sum;
    }
}

void raceframes(Model& m, int j) {
  const auto& g = m.brggeom;
  auto& vm = m.vecmats;
  auto& ld = m.loadder;
  const auto& x = m.genvecs.x;
  const int kb = base(g.nre + j);
  zq::Mat3 t, t2, t3;
  zelb2::zelb2(m, x(kb + 7), x(kb + 8), x(kb + 9), t);
  for (int n = 1; n <= 3; ++n) {
    vm.sinrt(n, j) = m.tmparea.rtmp(n);
    vm.cosrt(n, j) = m.tmparea.rtmp(n + 3);
  }
  zelb22::zelb22(vm.sinrt.sub<3>(j), vm.cosrt.sub<3>(j), t2);
  zelb23::zelb23(vm.sinrt.sub<3>(j), vm.cosrt.sub<3>(j), t3);
  // inerttorace = racegeotoprin^T T (principal to geometric frame of the race).
  for (int p = 1; p <= 3; ++p)
    for (int q = 1; q <= 3; ++q) {
      double a = 0.0, b = 0.0, c = 0.0;
      for (int n = 1; n <= 3; ++n) {
        a += g.racegeotoprin(n, p, j) * t(n, q);
        b += g.racegeotoprin(n, p, j) * t2(n, q);
        c += g.racegeotoprin(n, p, j) * t3(n, q);
      }
      vm.inerttorace(p, q, j) = a;
      ld.inerttorace2(p, q, j) = b;
      ld.inerttorace3(p, q, j) = c;
    }
  m.zela4.racebaseang(1, j) = x(kb + 8);
  m.zela4.racebaseang(2, j) = x(kb + 9);
  for (int i = 1; i <= g.nre; ++i)
    for (int p = 1; p <= 3; ++p)
      for (int q = 1; q <= 3; ++q) {
        double sum = 0.0;
        for (int n = 1; n <= 3; ++n) sum += vm.inerttoiaz(p, n, i) * vm.inerttorace(q, n, j);
        vm.racetoiaz(p, q, j, i) = sum;
      }
  // The second half of a split race moves with its race.
  if (g.nrace >= 3 && m.revecs.krace(j + 2) != 0) {
    const int k = j + 2;
    for (int n = 1; n <= 3; ++n) {
      vm.sinrt(n, k) = vm.sinrt(n, j);
      vm.cosrt(n, k) = vm.cosrt(n, j);
      vm.racegc(n, k) = vm.racegc(n, j);
      for (int q = 1; q <= 3; ++q) {
        vm.inerttorace(n, q, k) = vm.inerttorace(n, q, j);
        ld.inerttorace2(n, q, k) = ld.inerttorace2(n, q, j);
        ld.inerttorace3(n, q, k) = ld.inerttorace3(n, q, j);
        for (int i = 1; i <= g.nre; ++i) vm.racetoiaz(n, q, k, i) = vm.racetoiaz(n, q, j, i);
      }
    }
  }
}

bool applyrecorr(Model& m, Host& h, int pass) {
  auto& s = m.setupa4;
  auto& vm = m.vecmats;
  auto& x = m.genvecs.x;
  const auto& t = m.constants.tolr;
  const int i = h.i;
  int jg[3], jgs[3];
  for (int n = 0; n < 3; ++n) {
    jg[n] = h.e(n + 1) < 0.0 ? -1 : 1;
    jgs[n] = s.jgs(n + 1);
  }
  relax(jg, jgs, pass, 10, 4, h.fe, h.nrepe);
  for (int n = 0; n < 3; ++n) s.jgs(n + 1) = jgs[n];

  bool conv = true;
  if (h.mom != 0) {
    double c3 = h.e(3);
    if (std::abs(c3) > 1.0e-4) c3 = std::copysign(1.0e-4, c3);
    if (std::abs(c3) > t(2)) {
      conv = false;
      x(h.kb + 8) -= c3;
      elementframes(m, i);
    }
  }
  for (int n = 1; n <= 2; ++n) {
    if (s.kf(n) != 0) continue;
    const double c = h.e(n);
    if (std::abs(c) <= t(1)) continue;
    const double dist = std::abs(vm.regc(n, i) - s.rerefpos(n));
    const double rel = dist > t(1) ? std::abs(c) / dist : std::abs(c);
    if (rel > t(2)) {
      conv = false;
      vm.regc(n, i) -= h.fe * c;
    }
  }
  vm.regci(1, i) = vm.regc(1, i);
  if (!conv) m.zela4.ibc(i) = i;
  return conv;
}

void zela4(Model& m, int iel) {
  const auto& g = m.brggeom;
  const auto& op = m.opcond;
  auto& s = m.setupa4;
  auto& vm = m.vecmats;
  auto& sol = m.solutions;
  auto& z4 = m.zela4;
  auto& x = m.genvecs.x;
  if (s.inita4 == 0) {
    firstcall(m);
    if (m.errors.ierind != 0 && m.errors.iterminate != 0) return;
  }
  Host h;
  h.iel = iel;

  // Pure-rolling orbital speed and the reference centrifugal force at the pitch radius.
  const double r2 = g.racerad.lin(2), r3 = g.racerad.lin(3);
  h.wc = (vm.raceangvel(1, 1) * r2 + vm.raceangvel(1, 2) * r3) / (r2 + r3);
  if (sol.cenforce(1) <= 0.0) sol.cenforce(1) = g.remass(1) * vm.regc(2, 1) * h.wc * h.wc;
  const double fc = sol.cenforce(1);
  s.cfri(1) = fc;
  for (int j = 1; j <= 2; ++j) {
    if (fc > 0.0) {
      const double fj = j == 1 ? fc : fc / 2.0;
      z4.con(j) = s.xn * std::pow(s.cons(j), 1.0 / s.xn) * std::pow(fj, (s.xn - 1.0) / s.xn);
    } else {
      z4.con(j) = s.cons(j);
    }
  }
  if (g.nrace == 4) {
    z4.con(3) = z4.con(1);
    z4.con(4) = z4.con(2);
  }
  h.sg = h.wc != 0.0 ? (h.wc > 0.0 ? 1.0 : -1.0) : 1.0;
  // Light contact of an element without load: 1e-3 of the mean element load of the applied
  // forces (at least 1e-3 of the centrifugal force, and never 0), enough to keep a Hertz
  // stiffness and far below any loaded element.
  {
    const double fa = std::sqrt(op.appload(1) * op.appload(1) + op.appload(2) * op.appload(2) +
                                op.appload(3) * op.appload(3));
    h.target = std::fmax(1.0e-3 * std::fmax(fa / g.nre, fc), 1.0e-9);
    z4.target = h.target;
  }

  const int i1 = iel == 0 ? 1 : iel;
  const int i2 = iel == 0 ? s.ib : iel;
  for (int j = 1; j <= 2; ++j) raceframes(m, j);
  m.loadder.ider = 1;
  // Races centred axially: balls and cylindrical rollers sit at axial 0 (the elements of
  // spherical, tapered and spherical tapered bearings sit off the race centres).
  const bool axialzero = vm.racegc(1, 1) == 0.0 && vm.racegc(1, 2) == 0.0 && g.kbrg <= 2;

  const int kr = m.options.kraceeq;
  bool raceok = true;
  for (h.k = 0;; ++h.k) {
    h.ar.fill(0.0);
    z4.ibc.fill(0);
    h.b(1) = op.appload(1) + sol.racemff(1, 2);
    h.b(2) = op.appload(2) + sol.racemff(2, 2);
    h.b(3) = op.appload(3) + sol.racemff(3, 2);
    h.b(4) = op.appmoment(1);
    h.b(5) = op.appmoment(2);
    h.dmax1 = h.dmax2 = -1.0e10;
    for (int i = i1; i <= i2; ++i) {
      h.i = i;
      if (!solveelement(m, h, axialzero)) return;
    }
    if (s.kfq != 0) break;
    solveraceeqns(m, h);
    if (m.errors.ierind != 0) return;
    if (applyracecorr(m, h)) break;
    if (h.k + 1 > 200) {
      raceok = false;
      break;
    }
    // The elements follow half the race's axial move (and its tilt at their radius).
    const double hf = h.fr / 2.0;
    for (int i = i1; i <= i2; ++i) {
      const double th = vm.regc(3, i);
      vm.regc(1, i) -= hf * h.c(1) +
                       vm.regc(2, i) * hf * (std::cos(th) * h.c(4) + std::sin(th) * h.c(5));
    }
  }

  bool unconverged = false;
  for (int i = i1; i <= i2; ++i) unconverged = unconverged || z4.ibc(i) != 0;
  if (!raceok) {
    itcntrace(m, h);
  } else if (unconverged) {
    itcntre(m);
  }
  if (s.kfq == 0) {
    const int kb = base(g.nre + kr);
    for (int p = 1; p <= 3; ++p) {
      double off = 0.0;
      for (int q = 1; q <= 3; ++q) off += vm.inerttorace(q, p, kr) * g.racegeocen(q, kr);
      vm.racemc(p, kr) = vm.racegc(p, kr) - off;
      x(kb + p) = vm.racemc(p, kr);
    }
    if (g.nrace > 2)
      for (int p = 1; p <= 3; ++p) vm.racegc(p, kr + 2) = vm.racegc(p, kr);
  }
  if (iel == 0 && s.ib < g.nre) mirrorfill(m);
}

}  // namespace zela4
