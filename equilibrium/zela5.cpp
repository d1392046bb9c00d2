// Spin attitude of a rolling element by minimum contact heat, race control or a given attitude.
// Kinematics: no sliding in the rolling direction at one point of each race contact (and, for
// race control, no spin at the controlling contact), in the element's azimuth frame turning at
// the orbital speed. Heat: traction power loss of the outer and inner race contacts, minimised
// over the attitude (21-point grid, parabola refinement) and over the pure-rolling points across
// each contact (39 x 39 grid, parabola refinement). Non-dimensional; derivation in
// docs/KINEMATICS.md.
#include "equilibrium/zela5.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "model/model.h"
#include "traction/zeld1.h"

namespace zela5 {

// Values of the host shared by its internal procedures.
struct Context {
  Model& m;
  int mode;     // 1, 2 race control; 3 attitude given (also while the search evaluates); 4
  double beta;  // attitude of the spin axis (cos beta, 0, sin beta), azimuth frame
  zq::FRef<const double, 2> xc, rad;
  zq::FRef<const double, 6> cb, cr, raceangvel;
  zq::FArray<double, 3, 3, 2> tac;  // azimuth -> contact frame of contacts 1 and 2
  zq::FArray<double, 2> x, d;       // pure-rolling point per contact: lateral offset, sagitta
  zq::Vec3 omega;                   // element angular velocity relative to the azimuth frame
  double orbspeed;
  bool orbgiven;  // orbital speed prescribed by the host
};

void angularvelocities(Context& c);
double contactheatgen(Context& c);

namespace {

constexpr int kNalf = 21;    // attitude grid points
constexpr int kNgpts = 39;   // pure-rolling positions across a contact
constexpr int kCentre = 20;  // the position at the contact centre

// Position k across a contact as a fraction of its half width: -0.95, -0.90, ..., 0.95.
double xoa(int k) { return (k - kCentre) / 20.0; }

// Sagitta of a circle of radius r at lateral offset x: how far the surface falls back from the
// contact centre along the normal (negative). Series for small (x/r)^2, where the square root
// would lose the digits.
double sagitta(double x, double r) {
  if (x == 0.0) return 0.0;
  const double s = (x / r) * (x / r);
  if (s <= 0.05) {
    return -r * (s / 2.0 + s * s / 8.0 + s * s * s / 16.0 + 5.0 * s * s * s * s / 128.0 +
                 7.0 * s * s * s * s * s / 256.0);
  }
  return r * (std::sqrt(std::max(0.0, 1.0 - s)) - 1.0);
}

// Vertex of the parabola through three points when it opens upward (a minimum); false when the
// points lie on a line or the parabola has a maximum.
bool vertex(double x0, double y0, double x1, double y1, double x2, double y2, double& v) {
  const double den = (y2 - y1) * (x0 - x1) - (y0 - y1) * (x2 - x1);
  if (den == 0.0 || den * (x2 - x0) >= 0.0) return false;
  v = -((x2 + x1) * (x2 - x1) * (y0 - y1) - (y2 - y1) * (x1 + x0) * (x0 - x1)) / (2.0 * den);
  return true;
}

// Window of the rolling-point search about the remembered index g (0: the whole contact); a
// contact of zero half width has one position, its centre.
void window(int g, double halfwidth, int& lo, int& hi) {
  if (halfwidth == 0.0) {
    lo = hi = kCentre;
  } else if (g == 0) {
    lo = 1;
    hi = kNgpts;
  } else {
    lo = std::max(1, g - 3);
    hi = std::min(kNgpts, g + 3);
  }
}

// Lowest heat of h(lo..hi) (all evaluated in this pass) and the refined position: the vertex of
// the parabola through three evaluated neighbours about it, when it is a minimum inside the
// contact (|fraction| < 1), else the grid position of the lowest heat.
struct Refined {
  double pos;
  int kmin;
};
Refined refine(const zq::FArray<double, kNgpts>& h, int lo, int hi) {
  int kmin = lo;
  for (int k = lo + 1; k <= hi; ++k)
    if (h(k) < h(kmin)) kmin = k;
  Refined r{xoa(kmin), kmin};
  if (hi - lo >= 2) {
    const int k = std::clamp(kmin, lo + 1, hi - 1);
    double v = 0.0;
    if (vertex(xoa(k - 1), h(k - 1), xoa(k), h(k), xoa(k + 1), h(k + 1), v) && std::abs(v) < 1.0)
      r.pos = v;
  }
  return r;
}

// Index kept in the search memory: the lowest point, kept off the first and last position so
// that the next window refines on both sides of it.
int memoryindex(int k) { return std::clamp(k, 2, kNgpts - 1); }

// The element's motion for the traction routine: centre at rest in the azimuth frame, which
// turns at the orbital speed; angular velocity in element-frame components.
void writemotion(Context& c) {
  auto& v = c.m.vecmats;
  const int i = c.m.revecs.ire;
  v.revel(1, i) = 0.0;
  v.revel(2, i) = 0.0;
  v.revel(3, i) = c.orbspeed;
  for (int n = 1; n <= 3; ++n) {
    double s = 0.0;
    for (int k = 1; k <= 3; ++k) s += v.retoiaz(k, n, i) * c.omega(k);
    v.reangvel(n, i) = s;
  }
}

// Heat of the trial motion with the rolling points already placed in c.x, c.d (fractions f1,
// f2 of the half widths): kinematics, motion, then the heat of the outer and inner contact.
double trialheat(Context& c, double f1, double f2) {
  Model& m = c.m;
  c.omega = zq::Vec3{};
  if (!c.orbgiven) c.orbspeed = 0.0;
  angularvelocities(c);
  writemotion(c);
  if (m.zela5.heat != nullptr) return m.zela5.heat(m, c.beta, f1, f2);
  zq::Vec3 bfor, bmom;
  zq::FArray<double, 3, 2> rfor, rmom;
  zeld1::zeld1(m, bfor, bmom, rfor, rmom);
  const int i = m.revecs.ire;
  return m.solutions.resv(1, i) + m.solutions.resv(2, i);
}

// Heat at the given attitude with the search memory of attitude grid point k.
double heatatgridmemory(Context& c, int k) {
  auto& s5 = c.m.setupa5;
  const int i = c.m.revecs.ire;
  s5.igridmin = s5.mingrid(k, i, 1);
  s5.jgridmin = s5.mingrid(k, i, 2);
  const double h = contactheatgen(c);
  if (c.m.errors.ierind != 0) return h;
  s5.mingrid(k, i, 1) = s5.igridmin;
  s5.mingrid(k, i, 2) = s5.jgridmin;
  return h;
}

// Mode 0: the attitude of least heat on the grid pi - 1.5 a .. pi - 0.5 a (a the outer contact
// angle), scanned upward from the remembered window until the heat rises, refined by the
// parabola through the last three evaluated points.
void search(Context& c) {
  Model& m = c.m;
  auto& s5 = m.setupa5;
  auto& alf = m.zela5.alf;
  auto& hgen = m.zela5.hgen;
  const int i = m.revecs.ire;
  const double pi = m.constants.pi;
  const double a = m.solutions.conang(1, 1, i);
  c.mode = 3;
  if (a == 0.0) {
    // Radial contact: every grid attitude is pi, one evaluation.
    c.beta = pi;
    heatatgridmemory(c, 1);
    return;
  }
  for (int k = 1; k <= kNalf; ++k) alf(k) = pi - 1.5 * a + (k - 1) * a / 20.0;
  const int k0 = s5.minalfgrid(i);
  const int ks = k0 == 0 ? 1 : std::max(1, k0 - 2);
  const int ke = k0 == 0 ? kNalf : std::min(kNalf, k0 + 2);

  // Stop at the first rise that closes a bracket of three points evaluated in this call; with
  // no such rise the bracket is the window's last three points.
  double prev = 1.0e30;
  int kb = 0;
  for (int k = ks; k <= ke; ++k) {
    c.beta = alf(k);
    hgen(k) = heatatgridmemory(c, k);
    if (m.errors.ierind != 0) return;
    if (hgen(k) > prev && k >= ks + 2) {
      kb = k;
      break;
    }
    prev = hgen(k);
  }
  if (kb == 0) kb = ke;

  int kbest = kb - 1;
  if (hgen(kb - 2) < hgen(kbest)) kbest = kb - 2;
  if (hgen(kb) < hgen(kbest)) kbest = kb;
  // Remember the point above the minimum, where the heat rose; a minimum at the window's first
  // point may lie below it, so the next window is moved down two points (up two at its last).
  s5.minalfgrid(i) = kbest == ks && ks > 1 ? ks : std::min(kbest + 1, ke);
  c.beta = alf(kbest);
  double v = 0.0;
  if (vertex(alf(kb - 2), hgen(kb - 2), alf(kb - 1), hgen(kb - 1), alf(kb), hgen(kb), v) &&
      v >= std::min(alf(kb - 2), alf(kb)) && v <= std::max(alf(kb - 2), alf(kb)))
    c.beta = v;

  // Final evaluation: leaves the element's trial motion and contact results.
  s5.igridmin = s5.mingrid(kbest, i, 1);
  s5.jgridmin = s5.mingrid(kbest, i, 2);
  contactheatgen(c);
}

}  // namespace

// Kinematics of the element for the pure-rolling points c.x, c.d. No sliding in the rolling
// direction (second contact axis) at the point of contact j reads
//   gb . omega + gr(1) orbspeed = gr . rho_j,   g(P) = P(1) T(3, :) - P(3) T(1, :)
// with T the contact frame, P the point from the element centre (gb) or from the race centre
// (gr) in contact components, and rho_j the race's absolute angular velocity; no spin at contact
// j: n . omega + n(1) orbspeed = n . rho_j with n = T(3, :).
void angularvelocities(Context& c) {
  double a[2][3];  // coefficients of (omega1, omega3, orbspeed) in the rolling conditions
  double r[2];
  for (int j = 1; j <= 2; ++j) {
    const double pb1 = c.cb(3 * j - 2) + c.x(j), pb3 = c.cb(3 * j) + c.d(j);
    const double pr1 = c.cr(3 * j - 2) + c.x(j), pr3 = c.cr(3 * j) + c.d(j);
    double gb[3], gr[3];
    for (int n = 1; n <= 3; ++n) {
      gb[n - 1] = pb1 * c.tac(3, n, j) - pb3 * c.tac(1, n, j);
      gr[n - 1] = pr1 * c.tac(3, n, j) - pr3 * c.tac(1, n, j);
    }
    a[j - 1][0] = gb[0];
    a[j - 1][1] = gb[2];
    a[j - 1][2] = gr[0];
    r[j - 1] = gr[0] * c.raceangvel(3 * j - 2) + gr[1] * c.raceangvel(3 * j - 1) +
               gr[2] * c.raceangvel(3 * j);
  }
  const double cbt = std::cos(c.beta), sbt = std::sin(c.beta);

  if (c.orbgiven) {
    // Spin along the given axis from rolling at the outer contact.
    const double den = a[0][0] * cbt + a[0][1] * sbt;
    const double w = den != 0.0 ? (r[0] - a[0][2] * c.orbspeed) / den : 0.0;
    c.omega(1) = w * cbt;
    c.omega(2) = 0.0;
    c.omega(3) = w * sbt;
    return;
  }

  if (c.mode == 1 || c.mode == 2) {
    // Race control: rolling at both contacts, no spin at contact mode; Cramer's rule on
    // (omega1, omega3, orbspeed).
    const int j = c.mode;
    const double n1 = c.tac(3, 1, j), n2 = c.tac(3, 2, j), n3 = c.tac(3, 3, j);
    const double mtx[3][3] = {{a[0][0], a[0][1], a[0][2]}, {a[1][0], a[1][1], a[1][2]},
                              {n1, n3, n1}};
    const double rhs[3] = {r[0], r[1],
                           n1 * c.raceangvel(3 * j - 2) + n2 * c.raceangvel(3 * j - 1) +
                               n3 * c.raceangvel(3 * j)};
    auto det3 = [](const double q[3][3]) {
      return q[0][0] * (q[1][1] * q[2][2] - q[1][2] * q[2][1]) -
             q[0][1] * (q[1][0] * q[2][2] - q[1][2] * q[2][0]) +
             q[0][2] * (q[1][0] * q[2][1] - q[1][1] * q[2][0]);
    };
    const double det = det3(mtx);
    if (det == 0.0) return;
    double sol[3];
    for (int col = 0; col < 3; ++col) {
      double q[3][3];
      for (int row = 0; row < 3; ++row)
        for (int k = 0; k < 3; ++k) q[row][k] = k == col ? rhs[row] : mtx[row][k];
      sol[col] = det3(q) / det;
    }
    c.omega(1) = sol[0];
    c.omega(2) = 0.0;
    c.omega(3) = sol[1];
    c.orbspeed = sol[2];
    return;
  }

  // Given attitude: rolling at both contacts for the spin magnitude w and the orbital speed.
  const double c11 = a[0][0] * cbt + a[0][1] * sbt, c12 = a[0][2];
  const double c21 = a[1][0] * cbt + a[1][1] * sbt, c22 = a[1][2];
  const double det = c11 * c22 - c12 * c21;
  if (det == 0.0) return;
  const double w = (r[0] * c22 - c12 * r[1]) / det;
  c.orbspeed = (c11 * r[1] - r[0] * c21) / det;
  c.omega(1) = w * cbt;
  c.omega(2) = 0.0;
  c.omega(3) = w * sbt;
}

// Heat of the two contacts at attitude c.beta, minimised over the pure-rolling points: for each
// outer position the inner positions of the window, refined by a parabola; then the outer
// positions refined the same way; a last evaluation at the two refined positions gives the heat
// and leaves the element's trial motion. Windows of 7 positions about the remembered indices
// setupa5::igridmin, jgridmin (0: all 39); those indices and xgmin are updated.
double contactheatgen(Context& c) {
  Model& m = c.m;
  auto& L = m.zela5;
  auto& s5 = m.setupa5;
  int ilo = 0, ihi = 0, jlo = 0, jhi = 0;
  window(s5.igridmin, c.xc(1), ilo, ihi);
  window(s5.jgridmin, c.xc(2), jlo, jhi);

  // Inner positions and sagittas do not change over the outer loop.
  zq::FArray<double, kNgpts> x2, d2;
  for (int j = jlo; j <= jhi; ++j) {
    x2(j) = xoa(j) * c.xc(2);
    d2(j) = sagitta(x2(j), c.rad(2));
  }

  for (int i = ilo; i <= ihi; ++i) {
    const double f1 = xoa(i);
    c.x(1) = f1 * c.xc(1);
    c.d(1) = sagitta(c.x(1), c.rad(1));
    for (int j = jlo; j <= jhi; ++j) {
      c.x(2) = x2(j);
      c.d(2) = d2(j);
      L.hg2s(j) = trialheat(c, f1, xoa(j));
      if (m.errors.ierind != 0) return 0.0;
    }
    const Refined r = refine(L.hg2s, jlo, jhi);
    L.xgms(i) = r.pos;
    L.jgms(i) = memoryindex(r.kmin);
    if (r.pos == xoa(r.kmin)) {
      L.hg1s(i) = L.hg2s(r.kmin);  // a grid point: evaluated already
    } else {
      c.x(2) = r.pos * c.xc(2);
      c.d(2) = sagitta(c.x(2), c.rad(2));
      L.hg1s(i) = trialheat(c, f1, r.pos);
      if (m.errors.ierind != 0) return 0.0;
    }
  }

  const Refined r = refine(L.hg1s, ilo, ihi);
  s5.igridmin = memoryindex(r.kmin);
  s5.jgridmin = L.jgms(r.kmin);
  s5.xgmin(1) = r.pos;
  s5.xgmin(2) = L.xgms(r.kmin);
  c.x(1) = s5.xgmin(1) * c.xc(1);
  c.d(1) = sagitta(c.x(1), c.rad(1));
  c.x(2) = s5.xgmin(2) * c.xc(2);
  c.d(2) = sagitta(c.x(2), c.rad(2));
  return trialheat(c, s5.xgmin(1), s5.xgmin(2));
}

void zela5(Model& m, int& mode, double& beta, zq::FRef<const double, 2> xc,
           zq::FRef<const double, 2> rad, zq::FRef<const double, 6> cb,
           zq::FRef<const double, 6> cr, zq::FRef<const double, 8> ca,
           zq::FRef<const double, 8> sa, zq::FRef<const double, 6> raceangvel, zq::Vec3Ref omega,
           double& orbspeed, zq::FRef<double, 2> sr) {
  if (mode < 0 || mode > 4) throw std::invalid_argument("zela5: mode must be 0 to 4");
  // The orbital speed is prescribed only for an element without inner-race contact; with both
  // contacts it is always solved, whatever the host left in it.
  const bool orbgiven = orbspeed != 0.0 && xc(2) == 0.0;
  Context c{m, mode, beta, xc, rad, cb, cr, raceangvel, {}, {}, {}, {},
            orbgiven ? orbspeed : 0.0, orbgiven};
  // Contact frames R1(out-of-plane angle) R2(contact angle), azimuth to contact.
  for (int j = 1; j <= 2; ++j) {
    const double cp = ca(2 * j - 1), sp = sa(2 * j - 1), cx = ca(2 * j), sx = sa(2 * j);
    const double t[3][3] = {{cp, 0.0, -sp}, {sx * sp, cx, sx * cp}, {cx * sp, -sx, cx * cp}};
    for (int row = 1; row <= 3; ++row)
      for (int col = 1; col <= 3; ++col) c.tac(row, col, j) = t[row - 1][col - 1];
  }

  switch (mode) {
    case 0:
      search(c);
      beta = c.beta;
      break;
    case 3:
      heatatgridmemory(c, 1);
      break;
    default:  // 1, 2, 4: rolling points at the contact centres
      angularvelocities(c);
      writemotion(c);
      if ((mode == 1 || mode == 2) && (c.omega(1) != 0.0 || c.omega(3) != 0.0)) {
        beta = std::atan2(c.omega(3), c.omega(1));
        if (beta < 0.0) beta += 2.0 * m.constants.pi;
      }
      break;
  }

  for (int n = 1; n <= 3; ++n) omega(n) = c.omega(n);
  orbspeed = c.orbspeed;
  for (int j = 1; j <= 2; ++j) {
    const double am = ca(2 * j - 1), cm = sa(2 * j - 1);
    const double w = (raceangvel(3 * j - 2) - c.orbspeed) - c.omega(1);
    const double num = w * cm - c.omega(3) * am;
    const double den = w * am + c.omega(3) * cm;
    sr(j) = den != 0.0 ? num / den : 0.0;
  }
}

}  // namespace zela5
