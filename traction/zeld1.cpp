// Traction of a rolling element on its race contacts. Each loaded contact is integrated over its
// area with a local traction law: a point contact (Hertz ellipse) in strips across the major axis,
// 4-point Gauss-Legendre between the pure-rolling (zero-slip) points of the major axis (Heathcote
// slip); a line contact over its laminae. The local law is the dry traction curve, the thermal
// Newtonian film or the rheological models, the film (Hamrock-Dowson with starvation and inlet
// heating) deciding between dry and lubricated. Non-dimensional; frames as in revecs.
#include "traction/zeld1.h"

#include <cmath>

#include "model/model.h"
#include "numerics/zelg3.h"
#include "run/zela9.h"
#include "traction/zeld2.h"
#include "traction/zeld8.h"

namespace zeld1 {

namespace {

// Entries of a distribution per contact.
constexpr int kMaxPoints = 30;

// y = a v.
template <class A, class V, class Y>
void mv(const A& a, const V& v, Y&& y) {
  for (int r = 1; r <= 3; ++r) y(r) = a(r, 1) * v(1) + a(r, 2) * v(2) + a(r, 3) * v(3);
}

// y = a^T v.
template <class A, class V, class Y>
void mtv(const A& a, const V& v, Y&& y) {
  for (int r = 1; r <= 3; ++r) y(r) = a(1, r) * v(1) + a(2, r) * v(2) + a(3, r) * v(3);
}

// c = a b.
template <class A, class B, class C>
void mul(const A& a, const B& b, C&& c) {
  for (int r = 1; r <= 3; ++r)
    for (int q = 1; q <= 3; ++q) c(r, q) = a(r, 1) * b(1, q) + a(r, 2) * b(2, q) + a(r, 3) * b(3, q);
}

template <class S, class D>
void copy3(const S& s, D&& d) {
  for (int r = 1; r <= 3; ++r)
    for (int q = 1; q <= 3; ++q) d(r, q) = s(r, q);
}

// Distribution entries from `from` on that no point of the current evaluation wrote.
void cleardistributions(Model& m, int k, int i, int from, bool point) {
  auto& sol = m.solutions;
  for (int j = from; j <= kMaxPoints; ++j) {
    sol.contracdis(j, k, i) = 0.0;
    sol.conslipdis(j, k, i) = 0.0;
    if (point) sol.xcoord(j, k, i) = 0.0;  // a line contact's axial positions are the contact's
  }
}

// A contact without load: nothing is computed, every traction result is 0, so that nothing of
// an earlier state or another element is read as this contact's result.
void clearcontact(Model& m, int k, int i) {
  auto& sol = m.solutions;
  auto& vm = m.vecmats;
  for (auto* a : {&sol.filmthk, &sol.filmmodfac, &sol.rewr, &sol.filmtemp, &sol.reracemaxslip,
                  &sol.reracetrac, &sol.resv, &sol.repv, &sol.contempr, &sol.shearthinfac,
                  &sol.rollvel, &sol.spintoroll})
    (*a)(k, i) = 0.0;
  for (int n = 1; n <= 3; ++n) {
    sol.conposr(n, k, i) = 0.0;
    m.setupd1.bforcs(n, k) = 0.0;
  }
  for (int n = 1; n <= 2; ++n) {
    sol.repvx(n, k, i) = 0.0;
    vm.xys(n, k, i) = 0.0;
  }
  sol.npoints(k, i) = 0;
  vm.kns(k, i) = 0;
  cleardistributions(m, k, i, 1, m.brggeom.kcontype(k, i) < 1);
}

// One root search of the slip along rolling on [lo, hi] from x. The iteration count zelg3 leaves
// in the error record when it finds no root is taken out again (a record pending from an earlier
// routine keeps its integer list) and returned in `count`.
int search(Model& m, Host& h, double& x, double& lo, double& hi, int& count) {
  auto& e = m.errors;
  const int numi = e.numi;
  const int first = e.iarray(1);
  e.numi = 0;
  int ierr = 0;
  zelg3::zelg3(m, x, lo, hi, h.slip, ierr);
  count = e.numi == 1 ? e.iarray(1) : 0;
  e.numi = numi;
  e.iarray(1) = first;
  return ierr;
}

// Pure-rolling points of the major axis (at most two, ascending: one each side of the centre)
// and the integration limits -1, the points, +1 (split at the centre when there is none). u0 is
// the slip along rolling at the centre.
void zeroslippoints(Model& m, Host& h, double u0) {
  auto& d = m.setupd1;
  auto& vm = m.vecmats;
  const int k = h.k, i = h.i;
  double roots[2] = {0.0, 0.0};
  int n = 0;
  if (std::abs(u0) <= m.constants.tolr(1)) {
    roots[n++] = 0.0;
  } else {
    // Negative half first; the positive half starts at the mirror of its root.
    double start = -0.5;
    for (int side = 0; side <= 1; ++side) {
      double x = start, lo = side == 0 ? -1.0 : 0.0, hi = side == 0 ? 0.0 : 1.0;
      int count = 0;
      const int ierr = search(m, h, x, lo, hi, count);
      if (ierr == 0) {
        roots[n++] = x;
        start = -x;
      } else if (ierr == 2) {
        start = 0.5;  // no sign change in this half
      } else {
        // No convergence: fatal; the contact goes on with the points found so far.
        zq::ErrorBlock b;
        b.code = m.errorcodes.krootd1;
        b.supplementary = ierr;
        b.fatal = true;
        b.lines = {"Error while computing zero slip points"};
        if (count > 0) {
          b.iname = "iteration count";
          b.ivalues = {count};
        }
        b.rname = "limit1,limit2,solution";
        b.rvalues = {lo, hi, x};
        zq::raiseError(m, b);
        break;
      }
    }
  }
  vm.kns(k, i) = n;
  vm.xys(1, k, i) = roots[0];
  vm.xys(2, k, i) = roots[1];
  d.xj(1) = -1.0;
  if (n == 0) d.xj(2) = 0.0;
  for (int p = 0; p < n; ++p) d.xj(p + 2) = roots[p];
  d.xj(n == 0 ? 3 : n + 2) = 1.0;
}

// Film of the contact at its centre (lubricant selected): the lubricated models apply only to a
// film that exists and reaches the critical film of the race; otherwise the dry curve does.
void film(Model& m, Host& h, double u0) {
  auto& d = m.setupd1;
  const auto& c = m.constants;
  const int k = h.k;
  h.hiso = 0.0;
  h.phit = 0.0;
  d.h = 0.0;
  h.lub = m.tracprop.ktrac > 0;
  if (!h.lub) return;
  zeld8::zeld8(m, m.revecs.radx(k) * c.slen, h.p0, d.ai * c.slen, h.bdim, c.ererace(k), h.t,
               d.uroll, std::abs(u0) * c.cvel, h.hiso, h.phit);
  d.h = h.hiso * h.phit;
  if (!(d.h > 0.0) || d.h < m.tracprop.reracefilm(k)) h.lub = false;
}

// Rolling speed and spin-to-roll ratio at the contact centre, from the velocities in its frame.
void centre(Model& m, Host& h) {
  auto& d = m.setupd1;
  const auto& w = d.reangvelc;
  const auto& o = d.raceangvelc;
  d.ur = 0.5 * (d.crc(1) * o(3) - d.cbc(3) * w(1) - d.crc(3) * o(1));
  d.uroll = std::abs(d.ur) * m.constants.cvel;
  const double den = o(1) - w(1);
  m.solutions.spintoroll(h.k, h.i) = den != 0.0 ? (o(3) - w(3)) / den : 0.0;
  m.solutions.rollvel(h.k, h.i) = d.ur;
}

// Per-contact results after the integration; fscale turns the sums into forces.
void results(Model& m, Host& h, int npoints, double fscale) {
  auto& sol = m.solutions;
  const int k = h.k, i = h.i;
  sol.filmthk(k, i) = h.hiso;
  sol.filmmodfac(k, i) = h.phit;
  sol.reracemaxslip(k, i) = h.smax;
  sol.reracetrac(k, i) = h.mumax;
  sol.shearthinfac(k, i) = h.phimax;
  sol.rewr(k, i) = fscale * h.loadslip;
  sol.resv(k, i) = fscale * h.power;
  sol.repv(k, i) = h.pvmax;
  sol.repvx(1, k, i) = h.pvx(1);
  sol.repvx(2, k, i) = h.pvx(2);
  // Means over the normalised axis (the weights add up to 2).
  sol.contempr(k, i) = 0.5 * h.flash;
  sol.filmtemp(k, i) = 0.5 * h.tfilm;
  sol.npoints(k, i) = npoints;
  cleardistributions(m, k, i, npoints + 1, h.point);
}

// Hertz point contact: F = (pi/2) a b ph = 3Q/4 times the integral of (1 - x^2) over the axis.
void pointcontact(Model& m, Host& h, const zq::Vec3& om, zq::Vec3& bfor, zq::Vec3& bmom,
                  zq::FArray<double, 3, 4>& rf, zq::FArray<double, 3, 4>& rm) {
  auto& d = m.setupd1;
  auto& rv = m.revecs;
  const auto& vm = m.vecmats;
  const auto& c = m.constants;
  const int k = h.k, i = h.i;
  const double q = m.solutions.conload(k, i);
  d.ph = 3.0 * q / (2.0 * c.pi * d.ai * d.bi);
  h.p0 = c.cpres * d.ph;
  const double fscale = c.pi / 2.0 * d.ai * d.bi * d.ph;

  // Velocities in the contact frame, relative to the azimuth frame turning with the orbit.
  const zq::Vec3 vaz{vm.revel(1, i), 0.0, vm.revel(2, i)};
  mv(rv.tac, vaz, d.revelc);
  mv(rv.tbc, vm.reangvel.sub<3>(i), d.reangvelc);
  zq::Vec3 t;
  mv(rv.tia, vm.racevel.sub<3>(k), t);
  mv(rv.tac, t, d.racevelc);
  mv(rv.tac, om, d.raceangvelc);
  centre(m, h);
  mtv(rv.trc, d.crc, m.solutions.conposr.sub<3>(k, i));
  d.prsurrad = m.brggeom.reprrad(k, i);
  d.ya(1) = 0.0;

  const double u0 = zeld2::zeld2(m, 0.0);
  zeroslippoints(m, h, u0);
  film(m, h, u0);
  pointcontactsingleintegral(m, h);

  for (int n = 1; n <= 3; ++n) {
    h.fs(n) *= fscale;
    h.ms(n) *= fscale;
    h.rs(n) *= fscale;
    d.bforcs(n, k) = h.fs(n);
  }
  zq::Vec3 a;
  mtv(rv.tac, h.fs, a);
  for (int n = 1; n <= 3; ++n) {
    bfor(n) += a(n);
    rf(n, k) -= a(n);
  }
  mtv(rv.tac, h.ms, a);
  for (int n = 1; n <= 3; ++n) bmom(n) += a(n);
  mtv(rv.tac, h.rs, a);
  for (int n = 1; n <= 3; ++n) rm(n, k) += a(n);
  results(m, h, m.solutions.npoints(k, i), fscale);
}

// Line contact: the laminae of the contact routine, each carrying its load per unit length.
void linecontact(Model& m, Host& h, const zq::Vec3& om, zq::Vec3& bfor, zq::Vec3& bmom,
                 zq::FArray<double, 3, 4>& rf, zq::FArray<double, 3, 4>& rm) {
  auto& d = m.setupd1;
  auto& rv = m.revecs;
  auto& vm = m.vecmats;
  const auto& c = m.constants;
  const int k = h.k, i = h.i;
  const double q = m.solutions.conload(k, i);
  d.ph = q / (c.pi * d.ai * d.bi);
  h.p0 = c.cpres * d.ph;

  // Velocities in race-frame components, the same for every lamina (hoisted out of the loop).
  copy3(vm.inerttorace.sub<3, 3>(k), rv.tir);
  copy3(rv.tbrs.sub<3, 3>(k), rv.tbr);
  const zq::Vec3 vaz{vm.revel(1, i), 0.0, vm.revel(2, i)};
  zq::Vec3 t;
  mtv(rv.tia, vaz, t);
  mv(rv.tir, t, h.vb);
  mv(rv.tir, vm.racevel.sub<3>(k), h.vr);
  mv(rv.tbr, vm.reangvel.sub<3>(i), h.wb);
  mtv(rv.tria, om, h.wr);

  // The contact centre: the middle lamina.
  linecontacttrans(m, h, rv.ngm);
  const zq::Mat3 trcm = rv.trc;
  centre(m, h);
  mtv(rv.trc, d.crc, m.solutions.conposr.sub<3>(k, i));
  d.prsurrad = m.brggeom.reprrad(k, i);
  d.ya(1) = 0.0;
  vm.kns(k, i) = 0;
  vm.xys(1, k, i) = 0.0;
  vm.xys(2, k, i) = 0.0;
  film(m, h, zeld2::zeld2(m, 0.0));
  linecontactintegral(m, h);

  // Race force FR (inertial) = tir^T fs; element moment tbr^T ms (element frame); race moment
  // rs (race frame).
  zq::Vec3 fr, a;
  mtv(rv.tir, h.fs, fr);
  mv(rv.tia, fr, a);
  for (int n = 1; n <= 3; ++n) {
    bfor(n) -= a(n);
    rf(n, k) += a(n);
  }
  mtv(rv.tbr, h.ms, t);
  mv(rv.tbia, t, a);
  for (int n = 1; n <= 3; ++n) bmom(n) += a(n);
  mv(rv.tria, h.rs, a);
  for (int n = 1; n <= 3; ++n) rm(n, k) += a(n);
  // Force on the element in the frame of the contact centre.
  mv(trcm, h.fs, a);
  for (int n = 1; n <= 3; ++n) d.bforcs(n, k) = -a(n);
  results(m, h, rv.ngrid, 1.0);
}

// Race segment k of element i with load: frames, traction law, integration, results.
void racecontact(Model& m, Host& h, int k, zq::Vec3& bfor, zq::Vec3& bmom,
                 zq::FArray<double, 3, 4>& rf, zq::FArray<double, 3, 4>& rm) {
  auto& d = m.setupd1;
  auto& rv = m.revecs;
  const auto& vm = m.vecmats;
  const auto& g = m.brggeom;
  const auto& sol = m.solutions;
  const int i = h.i;
  rv.irace = k;
  h.k = k;
  d.kcti = g.kcontype(k, i);
  h.point = d.kcti < 1;

  // Damping of the normal force: the contact damping ratio has no source in the input (0), and
  // no approach is needed then.
  h.damp = 0.0;
  const double ratio = m.matprop.reracedmpg(k);
  if (ratio != 0.0 && sol.condef(k, i) > 0.0)
    h.damp = 2.0 * ratio * std::sqrt(g.remass(i) * sol.conload(k, i) / sol.condef(k, i));
  h.t = m.opcond.racetemp(k);
  h.curve = &m.tracprop.reracecoeff(1, k);

  copy3(vm.tacs.sub<3, 3>(k, i), rv.tac);
  mul(rv.tac, rv.tbia, rv.tbc);
  copy3(vm.racetoiaz.sub<3, 3>(k, i), rv.tria);
  mul(rv.tac, rv.tria, rv.trc);
  d.ai = sol.conwidtha(k, i);
  d.bi = sol.conwidthb(k, i);
  h.bdim = d.bi * m.constants.slen;
  for (int n = 1; n <= 3; ++n) {
    d.cbc(n) = vm.cbs(n, k, i);
    d.crc(n) = vm.crs(n, k, i);
  }
  // Race angular velocity in the azimuth frame, less the orbital rate about the bearing axis.
  zq::Vec3 om;
  mv(rv.tria, vm.raceangvel.sub<3>(k), om);
  om(1) -= vm.revel(3, i);

  h.fs.fill(0.0);
  h.ms.fill(0.0);
  h.rs.fill(0.0);
  h.loadslip = h.power = h.flash = h.tfilm = 0.0;
  h.smax = h.mumax = h.pvmax = 0.0;
  h.phimax = 1.0;
  h.pvx.fill(0.0);
  if (h.point) {
    pointcontact(m, h, om, bfor, bmom, rf, rm);
  } else {
    linecontact(m, h, om, bfor, bmom, rf, rm);
  }
}

}  // namespace

Host::Host(Model& m) : slip([&m](double x) { return zeld2::zeld2(m, x); }) {}

void zeld1(Model& m, zq::Vec3& bfor, zq::Vec3& bmom, zq::FArray<double, 3, 2>& rfor,
           zq::FArray<double, 3, 2>& rmom) {
  auto& d = m.setupd1;
  auto& rv = m.revecs;
  const auto& vm = m.vecmats;
  const auto& g = m.brggeom;
  const auto& sol = m.solutions;
  if (d.initd1 == 0) {
    d.initd1 = 1;
    d.xj(1) = -1.0;
    d.xa = 0.0;
    d.ya(1) = 0.0;
    d.traz = zq::Mat3{1.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 1.0};
    d.ka = 1;
  }
  m.tracprop.itherconv = 0;
  const int i = rv.ire;
  bfor.fill(0.0);
  bmom.fill(0.0);
  zq::FArray<double, 3, 4> rf, rm;  // per race segment
  copy3(vm.inerttoiaz.sub<3, 3>(i), rv.tia);
  copy3(vm.retoiaz.sub<3, 3>(i), rv.tbia);

  Host h(m);
  h.i = i;
  for (int k = 1; k <= g.nrace; ++k) {
    // A contact carries traction only with load and a contact area.
    if (sol.conload(k, i) > 0.0 && sol.conwidtha(k, i) > 0.0 && sol.conwidthb(k, i) > 0.0) {
      racecontact(m, h, k, bfor, bmom, rf, rm);
    } else {
      clearcontact(m, k, i);
    }
  }

  // Second halves of split races act on their races.
  for (int j = 1; j <= 2; ++j)
    for (int n = 1; n <= 3; ++n) {
      rfor(n, j) = rf(n, j) + (g.nrace > 2 ? rf(n, j + 2) : 0.0);
      rmom(n, j) = rm(n, j) + (g.nrace > 2 ? rm(n, j + 2) : 0.0);
    }
  auto& s = m.setupb1;
  for (int n = 1; n <= 3; ++n) {
    s.bfors(n, i) = bfor(n);
    s.bmoms(n, i) = bmom(n);
    for (int j = 1; j <= 2; ++j) {
      s.rfors(n, j, i) = rfor(n, j);
      s.rmoms(n, j, i) = rmom(n, j);
    }
  }
}

}  // namespace zeld1
