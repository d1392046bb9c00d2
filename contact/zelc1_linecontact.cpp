// Line contact of a roller with a race, cut into slices (strip theory): the two ends of the
// loaded strip by root search on the slice interference (a scan of the profile when the search
// fails), the slice loads of the line law at the Gauss points, the total load, the life-model
// load sum (Lundberg-Palmgren slice summation), the moment sums about the element and the race
// centre, and the exact derivatives of the summed loads and moments by the element's and the
// race's unknowns. Non-dimensional (lengths / slen, forces / sforce; slice loads per length).
#include <algorithm>
#include <cmath>
#include <functional>

#include "contact/zelc1.h"
#include "contact/zelc5.h"
#include "contact/zelc6.h"
#include "contact/zelc7.h"
#include "model/model.h"
#include "numerics/zelb3.h"
#include "numerics/zelg3.h"
#include "run/zela9.h"

namespace zelc1 {

namespace {

// Fractions of the profile limits at which the end-point scan looks (1-based).
constexpr double kScan[6] = {0.0, 1.0, 0.75, 0.5, 0.25, 0.0};

// The eighteen slice-summed derivatives of race segment j, in the order of the unknowns:
// loads by element x, r, t, p, race xx, yy, zz, t2, t3; moments the same.
double* dq(Loadder& ld, int j, int d) {
  switch (d) {
    case 1: return &ld.dqx(j);
    case 2: return &ld.dqr(j);
    case 3: return &ld.dqt(j);
    case 4: return &ld.dqp(j);
    case 5: return &ld.dqxx(j);
    case 6: return &ld.dqyy(j);
    case 7: return &ld.dqzz(j);
    case 8: return &ld.dqt2(j);
    default: return &ld.dqt3(j);
  }
}
double* dm(Loadder& ld, int j, int d) {
  switch (d) {
    case 1: return &ld.dmx(j);
    case 2: return &ld.dmr(j);
    case 3: return &ld.dmt(j);
    case 4: return &ld.dmp(j);
    case 5: return &ld.dmxx(j);
    case 6: return &ld.dmyy(j);
    case 7: return &ld.dmzz(j);
    case 8: return &ld.dmt2(j);
    default: return &ld.dmt3(j);
  }
}

// Root search for an end point with zelg3. A failure here only sends the search to the scan,
// so the iteration count zelg3 leaves in the error record is taken out again (a record pending
// from an earlier contact keeps its integer list); it is returned in `count` instead.
void endsearch(Model& m, const std::function<double(double)>& f, double& x, double lo, double hi,
               int& ierr, int& count) {
  auto& e = m.errors;
  const int numi = e.numi;
  const int first = e.iarray(1);
  e.numi = 0;
  zelg3::zelg3(m, x, lo, hi, f, ierr);
  count = e.numi == 1 ? e.iarray(1) : 0;
  e.numi = numi;
  e.iarray(1) = first;
}

// Radius of race segment `seg` at axial x and angle phi by x and by phi: the slope of the
// profile law of zelc7 (cone with varying taper, crown outside the central part measured from
// the race's axial reference, out-of-round ellipse or waviness). A grooved race has the
// constant radius of its curvature centre.
void raceslope(const Model& m, int seg, int mode, double x, double phi, double& rx, double& rp) {
  const auto& g = m.brggeom;
  const auto& c = m.constants;
  double r;
  rx = 0.0;
  rp = 0.0;
  if (g.racecurrad(seg) <= c.crnlmt) {
    r = g.racecurcen(2, seg);
  } else {
    const double arg = g.rltaper(3, seg) * phi + g.rltaper(4, seg);
    const double taper = g.racetantaper(seg) + g.rltaper(1, seg) + g.rltaper(2, seg) * std::sin(arg);
    const double off = g.rloffset(1, seg) +
                       g.rloffset(2, seg) * std::sin(g.rloffset(3, seg) * phi + g.rloffset(4, seg));
    const double r0 = c.sig(seg) > 0.0 ? g.racerad(2, seg) : g.racerad(1, seg);
    r = r0 - taper * x;
    rx = -taper;
    rp = -x * g.rltaper(2, seg) * g.rltaper(3, seg) * std::cos(arg);
    const double len = g.racecenlen(seg);
    if (x < off - len || x > off + len) {
      const double crn = g.racecrn(seg);
      const double u = x / crn;
      r = r - ((c.one4 * u * u + 1.0) * c.one2 * u * u * crn - g.racecencrndrop(seg));
      rx -= u + 0.5 * u * u * u;
    }
  }
  const double a1 = g.rlradvar(1, seg), a2 = g.rlradvar(2, seg), a3 = g.rlradvar(3, seg);
  if (mode == 1 && a1 != a2) {
    const double ax = r + a1, bx = r + a2;
    const double cs = std::cos(phi - a3), sn = std::sin(phi - a3);
    const double re = 1.0 / std::sqrt(cs * cs / (ax * ax) + sn * sn / (bx * bx));
    const double re3 = re * re * re;
    const double byr = re3 * (cs * cs / (ax * ax * ax) + sn * sn / (bx * bx * bx));
    rx *= byr;
    rp = byr * rp + re3 * sn * cs * (1.0 / (ax * ax) - 1.0 / (bx * bx));
  } else if (mode == 2) {
    rp += a1 * a2 * std::cos(a2 * phi + a3);
  }
}

// Change of the element centre from the race centre (race frame) and of the element-to-race
// frame per unit change of each unknown of race segment j: the element moves along the
// inertial x axis and along its radial direction, tilts about its second and third Cardan
// axes; the race moves along inertial x, y, z and tilts about its second and third axes.
void directions(Model& m, Host& h, int j) {
  const auto& rv = m.revecs;
  const auto& ld = m.loadder;
  h.db.fill(0.0);
  h.dtbr.fill(0.0);
  for (int n = 1; n <= 3; ++n) {
    h.db(n, 1) = rv.tir(n, 1);
    h.db(n, 2) = rv.tir(n, 2) * rv.tia(3, 2) + rv.tir(n, 3) * rv.tia(3, 3);
    for (int u = 1; u <= 3; ++u) h.db(n, 4 + u) = -rv.tir(n, u);
  }
  // Element centre from the race centre, inertial.
  zq::Vec3 d;
  for (int n = 1; n <= 3; ++n) d(n) = h.regci(n) - m.vecmats.racegc(n, j);
  for (int r = 1; r <= 3; ++r) {
    for (int q = 1; q <= 3; ++q) {
      double e2 = 0.0, e3 = 0.0, r2 = 0.0, r3 = 0.0;
      for (int n = 1; n <= 3; ++n) {
        e2 += rv.tir(r, n) * h.dtib2(q, n);
        e3 += rv.tir(r, n) * h.dtib3(q, n);
        r2 += ld.tir2(r, n) * h.tib(q, n);
        r3 += ld.tir3(r, n) * h.tib(q, n);
      }
      h.dtbr(r, q, 3) = e2;
      h.dtbr(r, q, 4) = e3;
      h.dtbr(r, q, 8) = r2;
      h.dtbr(r, q, 9) = r3;
    }
    h.db(r, 8) = ld.tir2(r, 1) * d(1) + ld.tir2(r, 2) * d(2) + ld.tir2(r, 3) * d(3);
    h.db(r, 9) = ld.tir3(r, 1) * d(1) + ld.tir3(r, 2) * d(2) + ld.tir3(r, 3) * d(3);
  }
}

// Slice contact points (contact frame, from the element and from the race centre) and the slice
// tilt, for grid point i of race segment j, from the slice geometry zelc5 left.
void slicepoints(Model& m, int i, int j) {
  auto& rv = m.revecs;
  const auto& g = m.brggeom;
  const int ire = rv.ire;
  rv.asc(1, i, j) = rv.tra(2, 2);
  rv.asc(2, i, j) = rv.tra(2, 3);
  for (int n = 1; n <= 3; ++n) {
    double b = 0.0, r = 0.0;
    for (int k = 1; k <= 3; ++k) {
      b += rv.trc(n, k) * rv.ccbgr(k) + rv.tbc(n, k) * g.regeocen(k, ire);
      r += rv.trc(n, k) * (g.racegeocen(k, j) + rv.ccrgr(k));
    }
    rv.cbsl(n, i, j) = b;
    rv.crsl(n, i, j) = r;
  }
}

// Curvature sum of the slice zelc5 evaluated last (roller and race radius at the slice, along
// the race's cone).
double slicecurvature(const Model& m, int j) {
  const auto& rv = m.revecs;
  return (1.0 / rv.brad - m.constants.sig(j) / rv.rrad) * m.brggeom.racecostaper(j);
}

// No contact: nothing is carried, no width, no pressure, no length (the report and the
// traction of a lost contact must not see the values of an earlier loaded state).
void nocontact(Model& m, Host& h) {
  auto& sol = m.solutions;
  const int j = m.revecs.irace, ire = m.revecs.ire;
  for (int i = 1; i <= m.revecs.ngm; ++i) {
    sol.conwidthdis(i, j, ire) = 0.0;
    sol.conloaddis(i, j, ire) = 0.0;
  }
  sol.conload(j, ire) = 0.0;
  sol.qcl(j, ire) = 0.0;
  sol.conwidtha(j, ire) = 0.0;
  sol.conwidthb(j, ire) = 0.0;
  sol.conpress(j, ire) = 0.0;
  sol.acl(j, ire) = 0.0;
  sol.conlmts(1, j, ire) = h.xj[1];
  sol.conlmts(2, j, ire) = h.xj[2];
}

// The loaded strip between the end points h.xj: slices at the Gauss points, sums, middle point.
void contact(Model& m, Host& h) {
  const auto& g = m.brggeom;
  const auto& c = m.constants;
  const auto& fc = m.fatiguecons;
  auto& rv = m.revecs;
  auto& ld = m.loadder;
  auto& sol = m.solutions;
  const int j = rv.irace, ire = rv.ire;
  const auto coef = c.qrerace.sub<2>(j);

  sol.conlmts(1, j, ire) = h.xj[1];
  sol.conlmts(2, j, ire) = h.xj[2];
  const double len = (h.xj[2] - h.xj[1]) / g.recostaper(ire);
  const double a = len / 2.0;
  sol.acl(j, ire) = len;
  sol.conwidtha(j, ire) = a;
  // Slice exponents of the race's rotation state; a split race's second half takes those of
  // its race.
  const int ie = (j - 1) % 2 + 1 + 2 * (fc.iracerot(j) - 1);
  const double expload = fc.expload(ie);
  const double lenexp = std::pow(len, fc.explen(ie));

  // Strip ends that are roots of the interference move with the unknowns: per unknown p,
  // dx = -(d delta/dp) / (d delta/dx) at the end; the slices and weights follow the ends.
  h.endmotion = false;
  h.dxe.fill(0.0);
  if (ld.ider != 0) {
    for (int e = 1; e <= 2; ++e) {
      if (std::abs(h.xj[e] - g.reconlmt(e, ire)) <= c.tolr(1)) continue;  // at the profile end
      if (std::abs(zelc5::zelc5(m, h.xj[e])) > c.tolr(2)) continue;      // at a race land edge
      double dd[kNumDir + 1], dab[kNumDir + 1], dar[kNumDir + 1];
      slicechain(m, h, true, dd, dab, dar);
      if (dd[0] == 0.0) continue;
      for (int d = 1; d <= kNumDir; ++d) h.dxe(e, d) = -dd[d] / dd[0];
      h.endmotion = true;
    }
  }
  double dxm[kNumDir + 1], dhalf[kNumDir + 1];
  for (int d = 1; d <= kNumDir; ++d) {
    dxm[d] = (h.dxe(1, d) + h.dxe(2, d)) / 2.0;
    dhalf[d] = (h.dxe(2, d) - h.dxe(1, d)) / (2.0 * g.recostaper(ire));
  }

  const double xm = (h.xj[1] + h.xj[2]) / 2.0;
  double fmax = -1.0e10, qsum = 0.0, gsum = 0.0;
  for (int i = 1; i <= rv.ngrid; ++i) {
    const double wi = a * rv.wgl(i);
    const double xi = xm + rv.xgl(i) * a;
    const double di = zelc5::zelc5(m, xi);
    slicepoints(m, i, j);
    const double si = slicecurvature(m, j);
    fmax = std::max(fmax, di);
    double bi = 0.0, ki = 0.0, qi = 0.0;
    zelc6::zelc6(m, 1, di, coef, 1.0, si, bi, ki, qi);
    sol.xcoord(i, j, ire) = rv.cbsl(1, i, j);
    sol.conloaddis(i, j, ire) = qi;
    sol.condefdis(i, j, ire) = di;
    sol.conwidthdis(i, j, ire) = bi;
    if (qi > 0.0) gsum += std::pow(qi, expload) * wi;
    qsum += qi * wi;
    ld.dqn(j) = ki;
    double bmt = 0.0, rmt = 0.0;
    lcderivatives(m, h, qi, ki, bmt, rmt);
    ld.bm(j) += bmt * wi;
    ld.rm(j) += rmt * wi;
    if (ld.ider != 0) {
      for (int d = 1; d <= kNumDir; ++d) {
        *dq(ld, j, d) += h.dqs(d) * wi;
        *dm(ld, j, d) += h.dms(d) * wi;
        if (!h.endmotion) continue;
        // The slice moves by dxi and its weight changes with the strip's half length.
        const double dxi = dxm[d] + rv.xgl(i) * dhalf[d];
        const double mt = d <= 4 ? bmt : rmt, m0 = d <= 4 ? h.dbm0 : h.drm0;
        *dq(ld, j, d) += rv.wgl(i) * (dhalf[d] * qi + a * h.dqs0 * dxi);
        *dm(ld, j, d) += rv.wgl(i) * (dhalf[d] * mt + a * m0 * dxi);
      }
    }
  }
  sol.qcl(j, ire) = std::pow(gsum, fc.exploadi(ie)) * lenexp;

  // Middle point: contact centre, rolling radius, curvature sum, middle-slice load and width.
  const int ngm = rv.ngm;
  const double dmid = zelc5::zelc5(m, xm);
  const double sm = slicecurvature(m, j);
  slicepoints(m, ngm, j);
  rv.radx(j) = 1.0 / sm;
  sol.cursum(j, ire) = sm;
  double bmid = 0.0, kmid = 0.0, qmid = 0.0;
  zelc6::zelc6(m, 1, dmid, coef, 1.0, sm, bmid, kmid, qmid);
  for (int n = 1; n <= 3; ++n) {
    m.vecmats.cbs(n, j, ire) = rv.cbsl(n, ngm, j);
    m.vecmats.crs(n, j, ire) = rv.crsl(n, ngm, j);
  }
  sol.radconposr(j, ire) = rv.tra(3, 1) * rv.ccrgr(1) + rv.tra(3, 2) * rv.ccrgr(2) +
                           rv.tra(3, 3) * rv.ccrgr(3);
  sol.conwidthdis(ngm, j, ire) = bmid;
  sol.conloaddis(ngm, j, ire) = qmid;
  sol.condef(j, ire) = fmax;
  sol.conload(j, ire) = qsum;

  // Half width and pressure of the mean load per length Q / (2a), also when the middle slice
  // itself carries nothing (a strip loaded at its ends).
  if (qsum > 0.0) {
    const double b = std::sqrt(coef(2) * qsum / (sm * a));
    sol.conwidthb(j, ire) = b;
    sol.conpress(j, ire) = qsum / (c.pi * a * b);
  } else {
    sol.conwidthb(j, ire) = 0.0;
    sol.conpress(j, ire) = 0.0;
  }
}

}  // namespace

void linecontact(Model& m, Host& h) {
  const auto& g = m.brggeom;
  const auto& c = m.constants;
  auto& rv = m.revecs;
  auto& ld = m.loadder;
  auto& sol = m.solutions;
  const int j = rv.irace, ire = rv.ire;
  const double tol = c.tolr(1);

  // Entry: sums and derivatives of this segment start from 0 (dqn keeps its last value).
  ld.rm(j) = 0.0;
  ld.bm(j) = 0.0;
  for (int d = 1; d <= kNumDir; ++d) {
    *dq(ld, j, d) = 0.0;
    *dm(ld, j, d) = 0.0;
  }
  for (int r = 1; r <= 3; ++r)
    for (int q = 1; q <= 3; ++q) rv.tac(r, q) = m.vecmats.tacs(r, q, j, ire);
  if (ld.ider != 0) directions(m, h, j);

  const std::function<double(double)> f = [&m](double x) { return zelc5::zelc5(m, x); };
  const double lim[3] = {0.0, g.reconlmt(1, ire), g.reconlmt(2, ire)};
  const double hw = std::abs(sol.conlmts(2, j, ire) - sol.conlmts(1, j, ire)) / 2.0;

  // End points from the previous ones: kept when they are roots or lie at the profile end with
  // interference; otherwise searched near them.
  bool scan = false;
  bool atlimit = false;
  for (int i = 1; i <= 2; ++i) {
    double x = sol.conlmts(i, j, ire);
    const double fx = f(x);
    if (std::abs(fx) < tol || (fx > 0.0 && std::abs(x - lim[i]) < tol)) {
      h.xj[i] = x;
      if (i == 1) atlimit = std::abs(fx) >= tol;
    } else {
      const double w = std::min(hw, c.one10 * std::abs(lim[i]));
      const double lo = i == 1 ? std::max(lim[1], x - w) : x - w;
      const double hi = i == 1 ? x + w : std::min(lim[2], x + w);
      int ierr = 0, count = 0;
      endsearch(m, f, x, lo, hi, ierr, count);
      if (ierr != 0) {
        scan = true;
        break;
      }
      h.xj[i] = x;
    }
    if (i == 1) {
      // A symmetric profile: the upper end mirrors the lower one. An end kept at the lower
      // profile limit with interference is no root, so its mirror is an end only at the
      // upper profile limit.
      const double f1 = f(h.xj[1]);
      const double fm = f(-h.xj[1]);
      if ((!atlimit && std::abs(f1 - fm) < tol) ||
          (fm > 0.0 && std::abs(-h.xj[1] - lim[2]) <= tol)) {
        h.xj[2] = -h.xj[1];
        break;
      }
    }
  }

  if (scan) {
    newcontlmts(m, h);
    if (h.jl[1] == 0 && h.jl[2] == 0) {
      nocontact(m, h);
      return;
    }
    contact(m, h);
    return;
  }

  const double fm = f((h.xj[1] + h.xj[2]) / 2.0);
  if (fm > tol) {
    contact(m, h);
    return;
  }
  sol.condef(j, ire) = fm < 0.0 ? fm : 0.0;
  nocontact(m, h);
}

void newcontlmts(Model& m, Host& h) {
  const auto& g = m.brggeom;
  const auto& c = m.constants;
  auto& sol = m.solutions;
  const int j = m.revecs.irace, ire = m.revecs.ire;
  const double tol = c.tolr(1);
  const double lim[3] = {0.0, g.reconlmt(1, ire), g.reconlmt(2, ire)};
  const std::function<double(double)> f = [&m](double x) { return zelc5::zelc5(m, x); };

  // Scan both halves of the profile from its ends inward to the centre of the roller's land
  // (where a lightly loaded strip lies: off x = 0 on a tapered roller or with a land offset)
  // for positive interference. Scan point n of end i: cen + kScan[n] (lim[i] - cen), written
  // so that the first point is the profile limit itself.
  const double cen = (g.recenlmt(1, ire) + g.recenlmt(2, ire)) / 2.0;
  const auto at = [cen](double frac, double end) { return end - (1.0 - frac) * (end - cen); };
  h.jl[1] = h.jl[2] = 0;
  double fmax = -1.0e10;
  for (int n = 1; n <= 5 && (h.jl[1] == 0 || h.jl[2] == 0); ++n) {
    for (int i = 1; i <= 2; ++i) {
      if (h.jl[i] != 0) continue;
      const double x = at(kScan[n], lim[i]);
      const double fx = f(x);
      fmax = std::max(fmax, fx);
      if (fx > tol) {
        h.jl[i] = n;
        h.xj[i] = x;
        if (n > 1) h.xjk[i] = at(kScan[n - 1], lim[i]);
      }
    }
  }
  if (h.jl[1] == 0 && h.jl[2] == 0) {
    sol.conwidtha(j, ire) = 0.0;
    sol.conwidthb(j, ire) = 0.0;
    sol.conload(j, ire) = 0.0;
    sol.condef(j, ire) = fmax;
    h.xj[1] = lim[1];
    h.xj[2] = lim[2];
    return;
  }
  // Only one end found: the strip lies within that half; its other end is sought there.
  for (int i = 1; i <= 2; ++i) {
    if (h.jl[i] != 0) continue;
    const double side = lim[3 - i];
    h.jl[i] = 2;
    h.xj[i] = at(kScan[2], side);
    h.xjk[i] = side;
    for (int n = 4; n >= 2; --n) {
      const double x = at(kScan[n], side);
      if (f(x) > tol) {
        h.jl[i] = n;
        h.xj[i] = x;
        h.xjk[i] = at(kScan[n + 1], side);
        break;
      }
    }
  }
  // Each end not at its profile limit: the root between the first point with interference and
  // the scan point before it.
  for (int i = 1; i <= 2; ++i) {
    if (h.jl[i] == 1) continue;
    double lo = std::min(h.xj[i], h.xjk[i]);
    double hi = std::max(h.xj[i], h.xjk[i]);
    double x = (lo + hi) / 2.0;
    int ierr = 0, count = 0;
    endsearch(m, f, x, lo, hi, ierr, count);
    if (ierr != 0) {
      zq::ErrorBlock b;
      b.code = m.errorcodes.krootlc;
      b.supplementary = ierr;
      b.lines = {"Error in LineContact procedure in Zelc1"};
      if (count > 0) b.ivalues = {count};
      zq::raiseError(m, b);
      return;
    }
    h.xj[i] = x;
    if (i == 1 && std::abs(f(h.xj[1]) - f(-h.xj[1])) < tol) {
      h.xj[2] = -h.xj[1];
      return;
    }
  }
}

void lcderivatives(Model& m, Host& h, double q, double k, double& bmterm, double& rmterm) {
  const auto& rv = m.revecs;
  const auto& tac = rv.tac;
  const auto& tra = rv.tra;

  // Moment arms: first contact-frame component of the contact point from the element centre
  // and from the race centre (R2 . t and R1 . t with t the first contact axis).
  double armb = 0.0, armr = 0.0;
  for (int n = 1; n <= 3; ++n) {
    armb += tac(1, n) * (tra(n, 1) * rv.ccbgr(1) + tra(n, 2) * rv.ccbgr(2) + tra(n, 3) * rv.ccbgr(3));
    armr += tac(1, n) * (tra(n, 1) * rv.ccrgr(1) + tra(n, 2) * rv.ccrgr(2) + tra(n, 3) * rv.ccrgr(3));
  }
  bmterm = q * armb;
  rmterm = -q * armr;
  if (m.loadder.ider == 0) return;
  if (q == 0.0 && k == 0.0) {
    h.dqs.fill(0.0);
    h.dms.fill(0.0);
    h.dqs0 = h.dbm0 = h.drm0 = 0.0;
    return;
  }
  double dd[kNumDir + 1], dab[kNumDir + 1], dar[kNumDir + 1];
  slicechain(m, h, h.endmotion, dd, dab, dar);
  for (int d = 1; d <= kNumDir; ++d) {
    const double dqd = k * dd[d];
    h.dqs(d) = dqd;
    h.dms(d) = d <= 4 ? dqd * armb + q * dab[d] : -(dqd * armr + q * dar[d]);
  }
  if (h.endmotion) {
    h.dqs0 = k * dd[0];
    h.dbm0 = h.dqs0 * armb + q * dab[0];
    h.drm0 = -(h.dqs0 * armr + q * dar[0]);
  }
}

void slicechain(Model& m, Host& h, bool along, double* ddelta, double* darmb, double* darmr) {
  // Exact derivatives of the slice as zelc5 builds it: the slice centre P on the roller axis
  // fixes the slice azimuth psi; the contact point lies on the slice circle at the angle t that
  // puts it in that azimuth plane; the interference is (radius of the point - race radius at
  // it) along the normal. A change dB of the element centre and dT of the element-to-race
  // frame (or a move along the roller, d = 0) moves P, psi, t and the point; the race radius
  // follows the profile slope, the arms turn with the azimuth frame.
  const auto& rv = m.revecs;
  const auto& g = m.brggeom;
  const auto& tac = rv.tac;
  const auto& tra = rv.tra;
  const auto& tbr = rv.tbr;
  const auto& tbra = m.zelc5.tbra;
  const int j = rv.irace;
  const double x = rv.ccbgb(1);
  const double brad = rv.brad;
  const double sint = -rv.ccbgb(2) / brad, cost = rv.ccbgb(3) / brad;
  const double e2 = tbra(2, 2), e3 = tbra(2, 3);
  const double ee = e2 * e2 + e3 * e3;
  zq::Vec3 ab, ar;
  double rhop = 0.0;
  for (int n = 1; n <= 3; ++n) {
    ab(n) = tra(n, 1) * rv.ccbgr(1) + tra(n, 2) * rv.ccbgr(2) + tra(n, 3) * rv.ccbgr(3);
    ar(n) = tra(n, 1) * rv.ccrgr(1) + tra(n, 2) * rv.ccrgr(2) + tra(n, 3) * rv.ccrgr(3);
    rhop += tra(3, n) * (rv.bgrgr(n) + x * tbr(n, 1));
  }
  const double phi = zelb3::zelb3(m, rv.ccrgr(2), rv.ccrgr(3));
  double rx = 0.0, rp = 0.0;
  raceslope(m, g.mrace(j) - g.nre, m.options.kracegeoimp.lin(j), rv.ccrgr(1), phi, rx, rp);
  // Slope of the roller radius along its axis (central difference of its profile law).
  double bradx = 0.0;
  if (along) {
    const double hx = 1.0e-5;
    bradx = (zelc7::zelc7(m, rv.ire, 0, 0, x + hx, 0.0) - zelc7::zelc7(m, rv.ire, 0, 0, x - hx, 0.0)) /
            (2.0 * hx);
  }

  for (int d = along ? 0 : 1; d <= kNumDir; ++d) {
    // d = 0: the slice moves by 1 along the roller axis, the bodies stay.
    const double mx = d == 0 ? 1.0 : 0.0;
    const int u = d == 0 ? 1 : d;
    const double w = d == 0 ? 0.0 : 1.0;
    zq::Vec3 dp, dcc, dc;
    for (int n = 1; n <= 3; ++n) dp(n) = w * (h.db(n, u) + x * h.dtbr(n, 1, u)) + mx * tbr(n, 1);
    const double dpsi = -(tra(2, 2) * dp(2) + tra(2, 3) * dp(3)) / rhop;
    double te2 = 0.0, te3 = 0.0;
    for (int n = 1; n <= 3; ++n) {
      te2 += w * tra(2, n) * h.dtbr(n, 2, u);
      te3 += w * tra(2, n) * h.dtbr(n, 3, u);
    }
    const double de2 = dpsi * tbra(3, 2) + te2;
    const double de3 = dpsi * tbra(3, 3) + te3;
    const double dt = (e2 * de3 - e3 * de2) / ee;
    // Change of the contact point from the element centre (element frame, then race frame).
    const double db1 = mx;
    const double db2 = -brad * cost * dt - mx * bradx * sint;
    const double db3 = -brad * sint * dt + mx * bradx * cost;
    for (int n = 1; n <= 3; ++n) {
      dcc(n) = w * (h.dtbr(n, 1, u) * x + h.dtbr(n, 2, u) * rv.ccbgb(2) + h.dtbr(n, 3, u) * rv.ccbgb(3)) +
               tbr(n, 1) * db1 + tbr(n, 2) * db2 + tbr(n, 3) * db3;
      dc(n) = w * h.db(n, u) + dcc(n);
    }
    const double drho = tra(3, 1) * dc(1) + tra(3, 2) * dc(2) + tra(3, 3) * dc(3);
    ddelta[d] = tac(1, 1) * (drho - rx * dc(1) - rp * dpsi);
    darmb[d] = dpsi * (tac(1, 2) * ab(3) - tac(1, 3) * ab(2));
    darmr[d] = dpsi * (tac(1, 2) * ar(3) - tac(1, 3) * ar(2));
    for (int n = 1; n <= 3; ++n) {
      darmb[d] += tac(1, n) * (tra(n, 1) * dcc(1) + tra(n, 2) * dcc(2) + tra(n, 3) * dcc(3));
      darmr[d] += tac(1, n) * (tra(n, 1) * dc(1) + tra(n, 2) * dc(2) + tra(n, 3) * dc(3));
    }
  }
}

}  // namespace zelc1
