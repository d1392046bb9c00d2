// Newton step of one rolling element: axial and radial force balance (minus the net force on
// the element in its azimuth frame) and, for rollers with a line contact, the moment balance
// about the azimuth y axis (contact and flange moments less the gyroscopic moment), with their
// derivatives by the element's axial position, radius and tilt; solved for limited corrections.
// Non-dimensional; grooved-race derivatives from the line of the two curvature centres.
#include <cmath>
#include <string>

#include "equilibrium/zela4.h"
#include "model/model.h"
#include "numerics/zelg0.h"
#include "report/format.h"
#include "run/zela9.h"

namespace zela4 {

namespace {

// Derivatives of the load and of the contact-angle sine and cosine of a point contact in a
// groove by the element's axial position and radius (index 1, 2): the load follows the
// distance between the element's crown centre and the groove's curvature centre, the angle
// the direction of that line.
void groovederivatives(Model& m, const Host& h, int j, double* dq, double* ds, double* dc) {
  const auto& g = m.brggeom;
  auto& rv = m.revecs;
  const auto& vm = m.vecmats;
  const int i = h.i;
  for (int p = 1; p <= 3; ++p)
    for (int q = 1; q <= 3; ++q) {
      rv.tir(p, q) = vm.inerttorace(p, q, j);
      if (p >= 2) rv.tra(p, q) = rv.tras(p, q, j);
    }
  // Groove curvature centre from the element's crown centre, race frame.
  const double rb[3] = {g.racecurcen(1, j) - rv.bcbgrs(1, j),
                        rv.tra(3, 2) * g.racecurcen(2, j) - rv.bcbgrs(2, j),
                        rv.tra(3, 3) * g.racecurcen(2, j) - rv.bcbgrs(3, j)};
  double r1[3], ra[3];
  for (int p = 1; p <= 3; ++p) {
    r1[p - 1] = vm.regci(p, i) - vm.racegc(p, j);
    for (int q = 1; q <= 3; ++q) r1[p - 1] -= rv.tir(q, p) * rb[q - 1];
  }
  for (int p = 1; p <= 3; ++p)
    ra[p - 1] = rv.tia(p, 1) * r1[0] + rv.tia(p, 2) * r1[1] + rv.tia(p, 3) * r1[2];
  const double d = std::sqrt(ra[0] * ra[0] + ra[1] * ra[1] + ra[2] * ra[2]);
  const double rho = std::sqrt(ra[0] * ra[0] + ra[2] * ra[2]);
  // Directions of the two displacements in the azimuth frame: axial, radial through the centre.
  double u[2][3];
  for (int p = 1; p <= 3; ++p) {
    u[0][p - 1] = rv.tia(p, 1);
    u[1][p - 1] = -rv.tia(p, 2) * h.st + rv.tia(p, 3) * h.ct;
  }
  for (int n = 0; n < 2; ++n) {
    dq[n] = m.loadder.dqn(j) * (u[n][0] * ra[0] + u[n][1] * ra[1] + u[n][2] * ra[2]) / d;
    const double dd = ra[0] * u[n][2] - ra[2] * u[n][0];
    const double r3 = rho * rho * rho;
    ds[n] = m.setupa4.kvar == 1 ? 0.0 : -ra[2] * dd / r3;
    dc[n] = m.setupa4.kvar == 1 ? 0.0 : ra[0] * dd / r3;
  }
}

void singular(Model& m, const Host& h, const int* jfi) {
  const auto& s = m.setupa4;
  zq::ErrorBlock e;
  e.code = m.errorcodes.ksingmat;
  e.supplementary = 1;
  e.fatal = true;
  e.lines.push_back("Singular marix: Eq Eqns for Roll Element #" + zq::renderI(h.i, 3));
  e.lines.push_back("Eqn constraints: " + zq::renderI(jfi[0], 3) + zq::renderI(jfi[1], 3) +
                    zq::renderI(jfi[2], 3));
  const char* const head[3] = {"Eqn 1 coefficients: ", "Eqn 2 coefficients: ",
                               "Eqn 3 coefficients: "};
  for (int r = 1; r <= 3; ++r) {
    std::string line = head[r - 1];
    for (int c = 1; c <= 3; ++c) line += zq::renderE(h.a(r, c), 12, 4);
    line += zq::renderE(s.gx(r), 12, 4);
    e.lines.push_back(line);
  }
  zq::raiseError(m, e);
}

}  // namespace

void reeqns(Model& m, Host& h) {
  const auto& g = m.brggeom;
  const auto& sol = m.solutions;
  const auto& ld = m.loadder;
  auto& s = m.setupa4;
  const int i = h.i;
  auto& e = h.e;
  auto& a = h.a;

  e(1) = -s.ca(1) * h.t1 - s.ca(3) * h.t2;
  e(2) = s.sa(1) * h.t1 + s.sa(3) * h.t2 - sol.cenforce(i) - sol.remff(2, i);
  e(3) = h.mom != 0 ? -s.igym * sol.gymoment(i) : 0.0;
  a.fill(0.0);
  a(2, 2) = -g.remass(i) * h.omega * h.omega;

  // Every present race segment (a split race's second halves included).
  double dsa[2][2] = {{0.0, 0.0}, {0.0, 0.0}}, dca[2][2] = {{0.0, 0.0}, {0.0, 0.0}};
  for (int j = 1; j <= g.nrace; ++j) {
    if (m.revecs.krace(j) == 0) continue;
    const double q = sol.conload(j, i);
    const double sj = s.sa(2 * j - 1), cj = s.ca(2 * j - 1);
    e(1) += q * sj;
    e(2) += q * cj;
    if (q == 0.0) continue;  // apart: no stiffness
    double dq[2] = {0.0, 0.0}, ds[2] = {0.0, 0.0}, dc[2] = {0.0, 0.0};
    if (g.kcontype(j, i) == 0) {
      groovederivatives(m, h, j, dq, ds, dc);
    } else {
      // Line contacts and crowned rollers on straight races: the contact's own derivatives.
      dq[0] = ld.dqx(j);
      dq[1] = ld.dqr(j);
      if (h.mom != 0) {
        e(3) += ld.bm(j);
        a(3, 1) += ld.dmx(j);
        a(3, 2) += ld.dmr(j);
        a(3, 3) += ld.dmt(j);
        a(1, 3) += sj * ld.dqt(j);
        a(2, 3) += cj * ld.dqt(j);
      }
    }
    for (int n = 0; n < 2; ++n) {
      a(1, n + 1) += sj * dq[n] + q * ds[n];
      a(2, n + 1) += cj * dq[n] + q * dc[n];
    }
    if (j <= 2)
      for (int n = 0; n < 2; ++n) {
        dsa[j - 1][n] = ds[n];
        dca[j - 1][n] = dc[n];
      }
  }
  // Tangential forces turn with the contact angles.
  for (int n = 0; n < 2; ++n) {
    a(1, n + 1) -= h.t1 * dca[0][n] + h.t2 * dca[1][n];
    a(2, n + 1) += h.t1 * dsa[0][n] + h.t2 * dsa[1][n];
  }

  // Roller end on flange: force on the element (azimuth components 1 axial, 3 radial) and its
  // moment about the element centre, added to the raceway terms.
  if (m.revecs.idflngsol >= 1) {
    const auto& bf = m.revecs.bflngfor;
    e(1) -= bf(1);
    e(2) -= bf(3);
    a(1, 1) -= ld.dbflngfor(1, 1);
    a(1, 2) -= ld.dbflngfor(1, 2);
    a(2, 1) -= ld.dbflngfor(3, 1);
    a(2, 2) -= ld.dbflngfor(3, 2);
    if (h.mom != 0) {
      e(3) += m.revecs.bflngmom(2);
      a(3, 1) += ld.dbflngmom(2, 1);
      a(3, 2) += ld.dbflngmom(2, 2);
      a(3, 3) += ld.dbflngmom(2, 3);
      a(1, 3) -= ld.dbflngfor(1, 3);
      a(2, 3) -= ld.dbflngfor(3, 3);
    }
  }
  // A direction without stiffness keeps a unit pivot.
  const double t2 = m.constants.tolr(2);
  if (std::abs(a(1, 1)) < t2) a(1, 1) = 1.0;
  if (std::abs(a(2, 2)) < t2) a(2, 2) = 1.0;

  int jfi[3] = {0, 0, 0};
  if (g.kbrg == 2) {
    jfi[0] = s.jf(1);
    if (sol.conload(2, i) == 0.0) jfi[2] = 1;
  } else if (g.kbrg == 3 && sol.conload(2, i) == 0.0) {
    jfi[0] = 1;
  }
  if (h.mom == 0) jfi[2] = 1;
  // An element placed at its light outer contact, without inner load, whose body force is
  // below the target load stays where it was placed (nothing else positions it).
  if (h.placed != 0 && !innerloaded(m, i) && sol.cenforce(i) + sol.remff(2, i) <= h.target)
    jfi[0] = jfi[1] = jfi[2] = 1;
  // A tapered roller pressed only against the outer cone has no axial balance (its guide
  // flange would give it): it keeps its axial place and balances radially.
  if (h.placed != 0 && g.kbrg >= 4 && !innerloaded(m, i) && m.revecs.idflngsol == 0) jfi[0] = 1;
  for (int n = 1; n <= 3; ++n)
    if (std::abs(e(n)) <= s.ftol) jfi[n - 1] = 1;
  for (int n = 1; n <= 3; ++n) s.gx(n) = e(n);
  s.gxx = std::sqrt(e(1) * e(1) + e(2) * e(2) + e(3) * e(3));

  int ierr = 0;
  zelg0::zelg0(3, jfi, a.data(), e.data(), ierr);
  for (int n = 1; n <= 3; ++n) ierr = std::isfinite(e(n)) ? ierr : 1;
  if (ierr != 0) {
    singular(m, h, jfi);
    return;
  }
  for (int n = 1; n <= 3; ++n)
    if (jfi[n - 1] == 0 && std::abs(e(n)) > s.corrlmt) e(n) = std::copysign(s.corrlmt / 2.0, e(n));
}

}  // namespace zela4
