// Equilibrium of the solved race: five equations (forces along inertial x, y, z and moments
// about y and z: applied load plus the forces and moments of every loaded contact and flange
// on the race) in the race's three displacements and two misalignments, Newton steps with
// relaxation and a restoring pivot for a free direction without stiffness. Non-dimensional.
#include <cmath>

#include "equilibrium/zela4.h"
#include "model/model.h"
#include "numerics/zelg0.h"
#include "run/zela9.h"

namespace zela4 {

namespace {

// Derivatives of the load and of the sine and cosine of the contact angle of a point contact
// in a groove by the race's five unknowns: the distance between the element's crown centre and
// the groove's curvature centre, which moves with the race.
void groovederivatives(Model& m, int j, int k, double* dq, double* ds, double* dc) {
  const auto& g = m.brggeom;
  const auto& rv = m.revecs;
  const auto& vm = m.vecmats;
  const auto& ld = m.loadder;
  const int i = rv.ire;
  double bgrg[3], yz[3];
  for (int p = 1; p <= 3; ++p) bgrg[p - 1] = vm.regci(p, i) - vm.racegc(p, k);
  for (int p = 1; p <= 3; ++p)
    yz[p - 1] = vm.inerttorace(p, 1, k) * bgrg[0] + vm.inerttorace(p, 2, k) * bgrg[1] +
                vm.inerttorace(p, 3, k) * bgrg[2];
  const double y = yz[1], z = yz[2], rr = std::sqrt(y * y + z * z);
  const double rc2 = g.racecurcen(2, j);
  // Groove centre from the race centre (race frame), less the element's crown-centre offset.
  const double gc[3] = {g.racecurcen(1, j) - rv.bcbgrs(1, j), rc2 * y / rr - rv.bcbgrs(2, j),
                        rc2 * z / rr - rv.bcbgrs(3, j)};
  double w[3], ra[3];
  for (int p = 1; p <= 3; ++p)
    w[p - 1] = bgrg[p - 1] - (vm.inerttorace(1, p, k) * gc[0] + vm.inerttorace(2, p, k) * gc[1] +
                              vm.inerttorace(3, p, k) * gc[2]);
  for (int p = 1; p <= 3; ++p)
    ra[p - 1] = rv.tia(p, 1) * w[0] + rv.tia(p, 2) * w[1] + rv.tia(p, 3) * w[2];
  const double d = std::sqrt(ra[0] * ra[0] + ra[1] * ra[1] + ra[2] * ra[2]);
  const double rho = std::sqrt(ra[0] * ra[0] + ra[2] * ra[2]);
  for (int u = 1; u <= 5; ++u) {
    double dra[3];
    if (u <= 3) {
      for (int p = 1; p <= 3; ++p) dra[p - 1] = -rv.tia(p, u);
    } else {
      const auto ta = u == 4 ? ld.inerttorace2.sub<3, 3>(k) : ld.inerttorace3.sub<3, 3>(k);
      double dyz[3];
      for (int p = 1; p <= 3; ++p)
        dyz[p - 1] = ta(p, 1) * bgrg[0] + ta(p, 2) * bgrg[1] + ta(p, 3) * bgrg[2];
      const double r3 = rr * rr * rr;
      const double dg[3] = {0.0, rc2 * z * (z * dyz[1] - y * dyz[2]) / r3,
                            rc2 * y * (y * dyz[2] - z * dyz[1]) / r3};
      double dw[3];
      for (int p = 1; p <= 3; ++p)
        dw[p - 1] = -(ta(1, p) * gc[0] + ta(2, p) * gc[1] + ta(3, p) * gc[2]) -
                    (vm.inerttorace(1, p, k) * dg[0] + vm.inerttorace(2, p, k) * dg[1] +
                     vm.inerttorace(3, p, k) * dg[2]);
      for (int p = 1; p <= 3; ++p)
        dra[p - 1] = rv.tia(p, 1) * dw[0] + rv.tia(p, 2) * dw[1] + rv.tia(p, 3) * dw[2];
    }
    dq[u - 1] = ld.dqn(j) * (ra[0] * dra[0] + ra[1] * dra[1] + ra[2] * dra[2]) / d;
    const double gg = ra[0] * dra[2] - ra[2] * dra[0];
    const double r3 = rho * rho * rho;
    ds[u - 1] = m.setupa4.kvar == 1 ? 0.0 : -ra[2] * gg / r3;
    dc[u - 1] = m.setupa4.kvar == 1 ? 0.0 : ra[0] * gg / r3;
  }
}

// v x f.
void cross(const double* v, const double* f, double* c) {
  c[0] = v[1] * f[2] - v[2] * f[1];
  c[1] = v[2] * f[0] - v[0] * f[2];
  c[2] = v[0] * f[1] - v[1] * f[0];
}

void singularrace(Model& m, int ierr) {
  zq::ErrorBlock e;
  e.code = m.errorcodes.ksingmat;
  e.supplementary = ierr;
  e.fatal = true;
  e.lines = {"Singular matrix for race equilibirium",
             "Try solutions with prescribed displacements"};
  zq::raiseError(m, e);
}

}  // namespace

void buildraceeqns(Model& m, Host& h) {
  const auto& g = m.brggeom;
  const auto& sol = m.solutions;
  const auto& vm = m.vecmats;
  const auto& ld = m.loadder;
  const auto& rv = m.revecs;
  const int i = h.i;
  const int k = m.options.kraceeq;
  const double w = m.setupa4.sx(i);
  // Row weights: the y force and z moment are antisymmetric about the load plane.
  const double wt[5] = {w, 2.0 - w, w, w, 2.0 - w};
  const double c = h.ct, s = h.st;

  bool raceway = false;
  for (int j = k; j <= g.nrace; j += 2) {
    if (rv.krace(j) == 0 || sol.conload(j, i) == 0.0) continue;
    raceway = true;
    const double q = sol.conload(j, i);
    const auto tac = vm.tacs.sub<3, 3>(j, i);
    // Force on the race (azimuth frame): the load along the contact normal.
    const double n[3] = {tac(3, 1), tac(3, 2), tac(3, 3)};
    double rc[3];  // contact centre from the race centre, azimuth frame
    for (int p = 1; p <= 3; ++p)
      rc[p - 1] = tac(1, p) * vm.crs(1, j, i) + tac(2, p) * vm.crs(2, j, i) +
                  tac(3, p) * vm.crs(3, j, i);
    double dq[5], ds[5] = {0, 0, 0, 0, 0}, dc[5] = {0, 0, 0, 0, 0};
    const bool groove = g.kcontype(j, i) == 0;
    const bool line = g.kcontype(j, i) >= 1;
    if (groove) {
      groovederivatives(m, j, k, dq, ds, dc);
    } else {
      const double d[5] = {ld.dqxx(j), ld.dqyy(j), ld.dqzz(j), ld.dqt2(j), ld.dqt3(j)};
      for (int u = 0; u < 5; ++u) dq[u] = d[u];
    }
    const double sax[3] = {tac(2, 1), tac(2, 2), tac(2, 3)};  // second contact axis
    auto addmoment = [&](const double* f, const double* dmline, double* mv) {
      cross(rc, f, mv);
      if (line) {
        const double ms = mv[0] * sax[0] + mv[1] * sax[1] + mv[2] * sax[2];
        for (int p = 0; p < 3; ++p) mv[p] += (*dmline - ms) * sax[p];
      }
    };
    // Residuals.
    const double f[3] = {q * n[0], q * n[1], q * n[2]};
    double mv[3];
    const double rmj = ld.rm(j);
    addmoment(f, &rmj, mv);
    const double fi[5] = {f[0], c * f[1] - s * f[2], s * f[1] + c * f[2], c * mv[1] - s * mv[2],
                          s * mv[1] + c * mv[2]};
    for (int r = 0; r < 5; ++r) h.b(r + 1) += wt[r] * fi[r];
    // Derivatives, column by column.
    const double dml[5] = {ld.dmxx(j), ld.dmyy(j), ld.dmzz(j), ld.dmt2(j), ld.dmt3(j)};
    for (int u = 0; u < 5; ++u) {
      const double df[3] = {n[0] * dq[u] + q * ds[u], n[1] * dq[u], n[2] * dq[u] + q * dc[u]};
      double dmv[3];
      addmoment(df, &dml[u], dmv);
      const double dfi[5] = {df[0], c * df[1] - s * df[2], s * df[1] + c * df[2],
                             c * dmv[1] - s * dmv[2], s * dmv[1] + c * dmv[2]};
      for (int r = 0; r < 5; ++r) h.ar(r + 1, u + 1) += wt[r] * dfi[r];
    }
  }

  // Roller ends on the race's flanges: normal-load force and moment on the race (inertial);
  // their derivatives come in the element's azimuth frame and are turned to inertial. A roller
  // off the raceway (thrust from rib to rib) adds its force only: its rib stiffness across the
  // axis is a tiny fraction of a raceway's and, where no raceway carries load yet (inside the
  // clearance), would stand in place of the restoring pivot as a near-zero one.
  if (g.kbrg > 1) {
    const int comp[5] = {1, 2, 3, 2, 3};
    for (int r = 0; r < 5; ++r) {
      const bool force = r < 3;
      const int n = comp[r];
      h.b(r + 1) += wt[r] * (force ? rv.rflngfor(n, k) : rv.rflngmom(n, k));
      for (int u = 1; u <= 5 && raceway; ++u) {
        double d = 0.0;
        for (int p = 1; p <= 3; ++p)
          d += rv.tia(p, n) * (force ? ld.drflngfor(p, u, k) : ld.drflngmom(p, u, k));
        h.ar(r + 1, u) += wt[r] * d;
      }
    }
  }
}

void solveraceeqns(Model& m, Host& h) {
  const auto& s = m.setupa4;
  const int k = m.options.kraceeq;
  const double dmax = k == 1 ? h.dmax1 : h.dmax2;
  // A free direction without stiffness (no loaded contact acts along it): a restoring pivot
  // that closes the gap to the nearest contact and half the approach the residual load needs.
  bool repaired = false;
  for (int n = 1; n <= 5; ++n) {
    if (s.jf(n) != 0 || std::abs(h.ar(n, n)) >= m.constants.tolr(1) || h.b(n) == 0.0) continue;
    const double ab = std::abs(h.b(n));
    const double db = std::pow(ab / m.zela4.con(k), 1.0 / s.xn);
    h.ar(n, n) = -ab / (std::fmax(-dmax, 0.0) + 0.5 * db);
    repaired = true;
  }
  if (repaired) ++h.nrepair;
  if (h.nrepair >= 6) {
    singularrace(m, 0);
    h.b.fill(0.0);
    return;
  }
  int jfi[5];
  for (int n = 1; n <= 5; ++n) {
    jfi[n - 1] = s.jf(n);
    if (std::abs(h.b(n)) <= s.ftol) jfi[n - 1] = 1;
  }
  int ierr = 0;
  zelg0::zelg0(5, jfi, h.ar.data(), h.b.data(), ierr);
  for (int n = 1; n <= 5; ++n) ierr = std::isfinite(h.b(n)) ? ierr : 1;
  if (ierr != 0) {
    singularrace(m, ierr);
    h.b.fill(0.0);
  }
}

bool applyracecorr(Model& m, Host& h) {
  auto& s = m.setupa4;
  auto& vm = m.vecmats;
  auto& x = m.genvecs.x;
  const auto& t = m.constants.tolr;
  const int k = m.options.kraceeq;
  for (int n = 1; n <= 5; ++n) h.c(n) = h.b(n);

  bool same = true;
  for (int n = 1; n <= 5; ++n) {
    const int ig = h.c(n) < 0.0 ? -1 : 1;
    same = same && ig == s.igs(n);
    s.igs(n) = ig;
  }
  if (h.k > 1) {
    if (!same) {
      h.nrepr = 0;
      h.fr = 1.0;
    } else if (++h.nrepr >= 6) {
      h.nrepr = 0;
      h.fr += 0.5;
    }
  }
  bool conv = true;
  for (int n = 1; n <= 3; ++n) {
    // Relative to the race's travel from its no-load place beside race 1 (the coordinate
    // itself holds the axial offset of the raceways, which would hide a residual load).
    const double ref = vm.racegc(n, 1) + (n == 1 ? s.racerefpos(1) : 0.0);
    const double u = vm.racegc(n, k) - ref;
    const double rel = std::abs(u) > t(1) ? std::abs(h.c(n) / u) : std::abs(h.c(n));
    if (rel > t(2)) {
      conv = false;
      vm.racegc(n, k) -= h.fr * h.c(n);
    }
  }
  const int kb = 12 * (m.brggeom.nre + k - 1) + 1;
  bool turned = false;
  for (int n = 4; n <= 5; ++n) {
    double cn = h.c(n);
    if (std::abs(cn) > 1.0e-4) cn = std::copysign(1.0e-4, cn);
    h.c(n) = cn;
    if (std::abs(cn) > t(2)) {
      conv = false;
      turned = true;
      x(kb + n + 4) -= h.fr * cn;
    }
  }
  if (turned) raceframes(m, k);
  if (m.brggeom.nrace > 2 && m.revecs.krace(k + 2) != 0)
    for (int n = 1; n <= 3; ++n) vm.racegc(n, k + 2) = vm.racegc(n, k);
  if (conv) return true;
  if (h.k > 19 && h.fr <= 1.0) {
    // Converged when the assembled linear model leaves a negligible residual.
    double worst = 0.0;
    for (int r = 1; r <= 5; ++r) {
      if (h.c(r) == 0.0) continue;
      double sum = 0.0;
      for (int n = 1; n <= 5; ++n) sum += h.ar(r, n) * h.c(n);
      worst = std::fmax(worst, std::abs(sum));
    }
    if (worst < 1.0e-5) return true;
  }
  return false;
}

}  // namespace zela4
