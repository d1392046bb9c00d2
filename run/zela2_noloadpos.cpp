// No-load positions (lengths in slen, radians; passive frames, zelb2 = R3 R2 R1; azimuth frame
// R1(psi): x axial, z radially out at psi). Every element touches race 1 as its contacts see it
// (race imperfections, split halves; cylindrical and tapered rollers laid along race 1's
// raceway, tapered rollers seated on the cone's guide rib); the solved race takes up the
// clearance toward the load, then on to its first contact with any element (size scatter,
// imperfections), or to the least overlap where no room is left.
#include <algorithm>
#include <cmath>
#include <string>

#include "contact/zelc7.h"
#include "model/model.h"
#include "numerics/zelb2.h"
#include "numerics/zelb3.h"
#include "run/stop.h"
#include "run/zela2.h"

namespace zela2 {

namespace {

// Reference point of race j (its groove or crown curvature centre, or for a straight race the
// raceway point at axial x, 0 by default) seen in the azimuth plane of direction psi whose
// frame is tplane = R1(psi) (inertial to plane). Composition:
//   psi_j  = zelb3(-sin psi M(2,2), cos psi M(3,3)), M = inerttorace(j): the direction psi
//            seen in race j's frame (diagonal terms, exact without misalignment);
//   p_race = (a, -sin psi_j r, cos psi_j r): the point in race j's frame, (a, r) = (axial,
//            radial) of the curvature centre, or (x, raceway radius at x); both radii from
//            zelc7 at psi_j, so that an out-of-round race is seen as it is;
//   P      = M^T p_race + racegc(:, j): race to inertial (transpose of inertial to race) plus
//            the race centre;
//   q      = tplane P: q(1) axial, q(3) radial in the plane, q(2) out of the plane.
// With zero misalignment and a race centred on the axis, psi_j = psi and q = (a, 0, r).
// `mirror` gives the second half of a split (shimmed) race: its groove centre mirrored axially.
zq::Vec3 racepoint(Model& m, int j, double psi, zq::Mat3In tplane, bool mirror = false,
                   double x = 0.0) {
  const auto& g = m.brggeom;
  const auto tir = m.vecmats.inerttorace.sub<3, 3>(j);
  const double sp = std::sin(psi), cp = std::cos(psi);
  const double psij = zelb3::zelb3(m, -sp * tir(2, 2), cp * tir(3, 3));
  const bool curved = g.racecurrad(j) < m.constants.crnlmt;
  double a = curved ? g.racecurcen(1, j) : x;
  if (mirror) a = -a;
  const double r = zelc7::zelc7(m, g.nre + j, 0, m.options.kracegeoimp.lin(j), a, psij);
  const double prace[3] = {a, -std::sin(psij) * r, std::cos(psij) * r};
  double pin[3];
  for (int n = 1; n <= 3; ++n) {
    double sum = 0.0;
    for (int k = 1; k <= 3; ++k) sum += tir(k, n) * prace[k - 1];
    pin[n - 1] = sum + m.vecmats.racegc(n, j);
  }
  zq::Vec3 q;
  for (int n = 1; n <= 3; ++n) {
    double sum = 0.0;
    for (int k = 1; k <= 3; ++k) sum += tplane(n, k) * pin[k - 1];
    q(n) = sum;
  }
  return q;
}

// The clearance takes more room than the geometry gives: no start position lets the rolling
// elements touch both races. `what` names the distance printed (a component of the distance
// between two centres that must fit within the limit); values in the user's length unit.
[[noreturn]] void stopclearance(Model& m, const std::string& what, double distance, double limit) {
  const double sl = m.constants.slen;
  std::string limitlabel = "Geometric limit";
  limitlabel.resize(std::max(limitlabel.size(), what.size()), ' ');
  std::string label = what;
  label.resize(limitlabel.size(), ' ');
  m.devices.report.write(
      "/,5X,\"Execution terminating in Zela2 (NoLoadPos)\",/,"
      "5X,\"The internal clearance is larger than the bearing geometry allows:\",/,"
      "5X,\"no start position of the rolling elements touches both races.\",/,"
      "5X,A,\" = \",E12.4,1X,A4,/,5X,A,\" = \",E12.4,1X,A4,/,/",
      {label, std::abs(distance) * sl, m.units.ulen, limitlabel, limit * sl, m.units.ulen});
  zq::stopRun("zela2::noloadpos");
}

// sqrt(limit^2 - offset^2) of a start position. A negative argument from rounding alone (zero
// clearance: below 1e-12 of the squared limit) is zero; a real one stops the run, naming the
// offset by `what`.
double rootofgap(Model& m, double limit, double offset, const char* what) {
  const double l2 = limit * limit;
  const double arg = l2 - offset * offset;
  if (arg >= 0.0) return std::sqrt(arg);
  if (-arg <= 1.0e-12 * l2) return 0.0;
  stopclearance(m, what, offset, std::abs(limit));
}

constexpr const char* kRadialCentres = "Radial distance of race curvature centres";
constexpr const char* kAxialCentres = "Axial distance of race curvature centres";
constexpr const char* kRadialRaceways = "Radial distance of raceways at axial 0";

// Tilt of race 1's axis in the azimuth plane whose frame is tplane (inertial to plane), as a
// rotation about the plane's y axis: race 1's axis in plane components is the first column of
// tplane inerttorace(1)^T. Zero without misalignment.
double racetilt(Model& m, zq::Mat3In tplane) {
  const auto tir = m.vecmats.inerttorace.sub<3, 3>(1);
  double ax = 0.0, az = 0.0;
  for (int n = 1; n <= 3; ++n) {
    ax += tplane(1, n) * tir(1, n);
    az += tplane(3, n) * tir(1, n);
  }
  return std::atan2(-az, ax) + 0.0;  // + 0.0: an untilted race gives +0, not -0
}

// Distance from the centre of spherical tapered roller i to the crest of its crown, along the
// normal to the generatrix: the crown radius plus the signed distance of the crown centre
// recurcen(2, i)/cos(taper) (negative: the centre lies beyond the roller axis).
double crestdistance(const Brggeom& g, int i) {
  return g.recrn(i) + g.recurcen(2, i) / g.recostaper(i);
}

// Axial take-up of the cone of a spherical tapered roller bearing, in the plane of the load
// with the race curvature centres P1 (cup) and P2 (cone) of that plane (axial 1, radial 3) and
// the cup's tilt `tilt` in that plane.
// The roller keeps its nominal attitude: its axis at reax (plus the cup's tilt) from the bearing
// axis, so the crown crest facing the cup lies on the normal of angle phi1 = reax + taper, the
// one facing the cone on the normal of angle phi2 = reax - taper (taper the roller half angle),
// directions n = (sin phi, cos phi). Crown centres: C1 = E + c n1 and C2 = E - c n2 with
// c = recurcen(2)/cos(taper) (negative, beyond the axis), so that a crest lies h = R + c from
// the roller centre E (R the crown radius).
// 1. The roller touches the cup: the cup circle (radius rc1 about P1) and the crown are tangent
//    at the crest on n1, so E = P1 + (rc1 - h) n1.
// 2. Its crown centre facing the cone is C2 = E - c n2.
// 3. The cone moves axially by ax until its circle (radius rc2) touches that crown:
//    |P2 + (ax, 0) - C2| = rc2 - R, with W = P2 - C2: (Wa + ax)^2 + Wr^2 = (rc2 - R)^2. The
//    cone's centre lies outward of the crown centre along the cone normal, which leans toward
//    +x (positive cone angles): the positive root, ax = sqrt((rc2 - R)^2 - Wr^2) - Wa.
//    With |Wr| >= rc2 - R (a prescribed radial displacement of the cone that leaves no room)
//    the roller overlaps the cone at every axial position: the cone takes the position of
//    least overlap, its centre level with the crown centre, ax = -Wa, where the root ends.
// Each element is then placed as in step 1 in its own plane; without misalignment every roller
// touches both races exactly.
double sphtaperedtakeup(Model& m, const zq::Vec3& p1, const zq::Vec3& p2, double tilt) {
  const auto& g = m.brggeom;
  const double c = g.recurcen(2, 1) / g.recostaper(1);
  const double phi1 = g.reax + g.retaper(1) + tilt;
  const double phi2 = g.reax - g.retaper(1) + tilt;
  const double d1 = g.racecurrad(1) - crestdistance(g, 1);
  const double ea = p1(1) + d1 * std::sin(phi1);
  const double er = p1(3) + d1 * std::cos(phi1);
  const double c2a = ea - c * std::sin(phi2);
  const double c2r = er - c * std::cos(phi2);
  const double wa = p2(1) - c2a;
  const double wr = p2(3) - c2r;
  const double limit = g.racecurrad(2) - g.recrn(1);
  if (!(std::abs(wr) < limit)) return -wa;
  return std::sqrt(limit * limit - wr * wr) - wa;
}

// ---- Balls between grooves, split races included. In an azimuth plane (axial x, radial r)
// the groove of a race segment is a circle of radius rc about its curvature centre; a ball of
// radius rb overlaps no segment while its centre lies in the disc of radius l = rc - rb about
// every centre, and touches a segment on the circle. The halves of a split race give two discs
// whose lens ends in a tip where the ball touches both halves.
struct Disc {
  double x = 0.0, r = 0.0, l = 0.0;
};
struct Discs {
  Disc d[2];
  int n = 0;
};

// The grooves of race j in the plane of direction psi (frame tplane), for a ball of radius rb.
Discs grooves(Model& m, int j, double psi, zq::Mat3In tplane, double rb) {
  Discs s;
  const int halves = m.brggeom.shimthkns(j) > 0.0 ? 2 : 1;
  for (int h = 0; h < halves; ++h) {
    const zq::Vec3 q = racepoint(m, j, psi, tplane, h == 1);
    s.d[s.n++] = Disc{q(1), q(3), m.brggeom.racecurrad(j) - rb};
  }
  return s;
}

double dist(double x1, double r1, double x2, double r2) { return std::hypot(x1 - x2, r1 - r2); }

// Margin of the point (x, r) inside every disc of s (negative: overlap), the discs moved by
// (tx, tr).
double margin(const Discs& s, double x, double r, double tx = 0.0, double tr = 0.0) {
  double w = 1.0e300;
  for (int k = 0; k < s.n; ++k)
    w = std::min(w, s.d[k].l - dist(x, r, s.d[k].x + tx, s.d[k].r + tr));
  return w;
}

// Tip of the lens of the two discs of a split race on the side of the point (x, r); false when
// the discs do not meet.
bool lenstip(const Discs& s, double x, double r, double& tx, double& tr) {
  if (s.n < 2) return false;
  const double mx = 0.5 * (s.d[0].x + s.d[1].x), mr = 0.5 * (s.d[0].r + s.d[1].r);
  const double half = 0.5 * dist(s.d[0].x, s.d[0].r, s.d[1].x, s.d[1].r);
  if (!(half < s.d[0].l) || half == 0.0) return false;
  const double h = std::sqrt(s.d[0].l * s.d[0].l - half * half);
  double nx = -(s.d[1].r - s.d[0].r) / (2.0 * half), nr = (s.d[1].x - s.d[0].x) / (2.0 * half);
  if (nx * (x - mx) + nr * (r - mr) < 0.0) {
    nx = -nx;
    nr = -nr;
  }
  tx = mx + h * nx;
  tr = mr + h * nr;
  return true;
}

// Travel t along (ux, ur), in the sense sg, that brings the point w + t u to the distance dd
// from the origin; false when no such travel exists.
bool travel(double wx, double wr, double ux, double ur, double dd, double sg, double& t) {
  const double wu = wx * ux + wr * ur;
  const double disc = wu * wu - (wx * wx + wr * wr) + dd * dd;
  if (disc < 0.0) return false;
  t = -wu + sg * std::sqrt(disc);
  return true;
}

// Clearance take-up of the solved race with split grooves: the travel t along (ux, ur), sense
// sg, at which the room for a ball between the fixed race's discs f and the moving race's
// discs mv (moved by t u) closes to one point. The room is convex in (point, travel), so its
// end lies at the candidate of largest sg t whose point is inside every disc: a disc of each
// race tangent (centres l1 + l2 apart), the moving race's lens tip on a fixed disc, or a fixed
// the fixed race's lens tip on a moving disc. False when no candidate exists.
bool splittakeup(const Discs& f, const Discs& mv, double ux, double ur, double sg, double& best) {
  const double tol = 1.0e-10;
  bool found = false;
  auto consider = [&](double t, double px, double pr) {
    if (margin(f, px, pr) < -tol || margin(mv, px, pr, t * ux, t * ur) < -tol) return;
    if (!found || sg * t > sg * best) best = t;
    found = true;
  };
  double t = 0.0;
  for (int a = 0; a < f.n; ++a)
    for (int b = 0; b < mv.n; ++b) {
      const Disc& p = f.d[a];
      const Disc& q = mv.d[b];
      const double dd = p.l + q.l;
      if (!travel(q.x - p.x, q.r - p.r, ux, ur, dd, sg, t)) continue;
      const double wx = q.x + t * ux - p.x, wr = q.r + t * ur - p.r;
      consider(t, p.x + p.l * wx / dd, p.r + p.l * wr / dd);
    }
  double tx = 0.0, tr = 0.0;
  if (lenstip(mv, f.d[0].x, f.d[0].r, tx, tr))
    for (int a = 0; a < f.n; ++a)
      if (travel(tx - f.d[a].x, tr - f.d[a].r, ux, ur, f.d[a].l, sg, t))
        consider(t, tx + t * ux, tr + t * ur);
  if (lenstip(f, mv.d[0].x, mv.d[0].r, tx, tr))
    for (int b = 0; b < mv.n; ++b)
      if (travel(mv.d[b].x - tx, mv.d[b].r - tr, ux, ur, mv.d[b].l, sg, t)) consider(t, tx, tr);
  return found;
}

// Ball centre touching race 1 (discs f) and overlapping race 2 (discs mv) least: of the points
// where a disc of race 1 reaches toward a disc of race 2, race 1's lens tip and the points of
// race 1's circles midway between race 2's halves, the one inside every disc of race 1 with
// the largest margin to race 2. Without split races: on the line of the two curvature centres,
// l1 from race 1's.
void placeball(const Discs& f, const Discs& mv, double& bx, double& br) {
  const double tol = 1.0e-10;
  double bestw = -1.0e300;
  bool found = false;
  auto consider = [&](double px, double pr) {
    if (margin(f, px, pr) < -tol) return;
    const double w = margin(mv, px, pr);
    if (found && !(w > bestw)) return;
    bestw = w;
    bx = px;
    br = pr;
    found = true;
  };
  for (int a = 0; a < f.n; ++a)
    for (int b = 0; b < mv.n; ++b) {
      const Disc& p = f.d[a];
      const Disc& q = mv.d[b];
      const double dd = dist(q.x, q.r, p.x, p.r);
      if (dd > 0.0) consider(p.x + p.l * (q.x - p.x) / dd, p.r + p.l * (q.r - p.r) / dd);
      else consider(p.x, p.r + p.l);
    }
  double tx = 0.0, tr = 0.0;
  if (lenstip(f, mv.d[0].x, mv.d[0].r, tx, tr)) consider(tx, tr);
  if (mv.n == 2) {
    const double mx = 0.5 * (mv.d[0].x + mv.d[1].x), mr = 0.5 * (mv.d[0].r + mv.d[1].r);
    const double len = dist(mv.d[0].x, mv.d[0].r, mv.d[1].x, mv.d[1].r);
    const double nx = -(mv.d[1].r - mv.d[0].r) / len, nr = (mv.d[1].x - mv.d[0].x) / len;
    for (int a = 0; a < f.n; ++a) {
      double t = 0.0;
      for (double sg : {1.0, -1.0})
        if (travel(mx - f.d[a].x, mr - f.d[a].r, nx, nr, f.d[a].l, sg, t))
          consider(mx + t * nx, mr + t * nr);
    }
  }
  if (!found) {  // race 1's halves do not meet: the top of its first circle as a last resort
    bx = f.d[0].x;
    br = f.d[0].r + f.d[0].l;
  }
}

// ---- Tapered rollers on the cup, the cone and the guide rib. In the plane of a roller
// (axial x, radial r) with its axis at angle al from the bearing axis: axis direction
// (cos al, -sin al), normal (sin al, cos al). The roller's outer mid-generatrix point sits on
// the cup's raceway point P1 of axial 0; the roller may slide along the cup by lam (direction
// e1 of the cup's generatrix). Its inner mid-generatrix point is then P1 - redia n + lam e1,
// its end-sphere centre on side k the centre plus reendcen(k) along the axis.
struct Wedge {
  double e1x, e1r;        // cup generatrix direction (unit, toward +x)
  double c0x, c0r;        // cone raceway point of axial 0
  double d2x, d2r;        // cone generatrix direction
  double qx, qr;          // roller's inner mid-generatrix point at lam = 0
  double ex = 0.0, er = 0.0;  // end-sphere centre facing the rib at lam = 0
};

Wedge wedge(Model& m, int i, double psi, zq::Mat3In tplane, double al) {
  const auto& g = m.brggeom;
  Wedge w;
  const zq::Vec3 p1 = racepoint(m, 1, psi, tplane);
  const zq::Vec3 p1b = racepoint(m, 1, psi, tplane, false, 1.0);
  const zq::Vec3 c0 = racepoint(m, 2, psi, tplane);
  const zq::Vec3 c1 = racepoint(m, 2, psi, tplane, false, 1.0);
  const double l1 = std::hypot(p1b(1) - p1(1), p1b(3) - p1(3));
  w.e1x = (p1b(1) - p1(1)) / l1;
  w.e1r = (p1b(3) - p1(3)) / l1;
  w.c0x = c0(1);
  w.c0r = c0(3);
  w.d2x = c1(1) - c0(1);
  w.d2r = c1(3) - c0(3);
  const double sa = std::sin(al), ca = std::cos(al);
  w.qx = p1(1) - g.redia(i) * sa;
  w.qr = p1(3) - g.redia(i) * ca;
  return w;
}

// The guide rib of the solved race: the side k whose roller end is a sphere (the flange
// contact there is a sphere against the rib face); 0 when there is none.
int guiderib(const Model& m, int j) {
  const auto& g = m.brggeom;
  if (g.kbrg < 4 || g.kflngindr(j) == 0) return 0;
  for (int k = 1; k <= 2; ++k)
    if (g.kflngind(k, j) > 0 && g.reendrad(k, 1) < m.constants.crnlmt) return k;
  return 0;
}

// Approach of the end sphere of roller i (centre ex, er in the azimuth plane th) to the face of
// rib k of race j (positive: overlap), by the flange contact's measure: the centre seen from
// the race axis in the race frame (axial, signed distance), from the flange reference point,
// turned into the flange frame; its first component plus the end radius. In the plane it
// changes by traf(1,1,k,j) per unit axial and traf(1,3,k,j) per unit radial travel.
double ribapproach(const Model& m, int i, int k, int j, double ex, double er, double th) {
  const auto& g = m.brggeom;
  const auto& vm = m.vecmats;
  const double d[3] = {ex - vm.racegc(1, j), -std::sin(th) * er - vm.racegc(2, j),
                       std::cos(th) * er - vm.racegc(3, j)};
  double q[3];
  for (int r = 1; r <= 3; ++r)
    q[r - 1] = vm.inerttorace(r, 1, j) * d[0] + vm.inerttorace(r, 2, j) * d[1] +
               vm.inerttorace(r, 3, j) * d[2];
  const double rho = (std::cos(std::atan2(-q[1], q[2]) - th) < 0.0 ? -1.0 : 1.0) *
                     std::hypot(q[1], q[2]);
  const double rf1 = g.flngorigin(1, k, j);
  const double rf3 = m.opcond.raceexp(j) + g.flngorigin(2, k, j);
  return g.traf(1, 1, k, j) * (q[0] - rf1) + g.traf(1, 3, k, j) * (rho - rf3) + g.reendrad(k, i);
}

// Roller i in the plane of direction psi (frame tplane), axis at angle al, on the cup: its
// end-sphere centre facing rib k (at lam = 0) into w.
void ribend(Model& m, int i, int k, double psi, zq::Mat3In tplane, double al, Wedge& w) {
  const auto& g = m.brggeom;
  const zq::Vec3 p1 = racepoint(m, 1, psi, tplane);
  const double sa = std::sin(al), ca = std::cos(al);
  const double t = g.rerad(i) * g.retantaper(i);
  const double cx = p1(1) - t * ca - g.rerad(i) * sa;
  const double cr = p1(3) + t * sa - g.rerad(i) * ca;
  w.ex = cx + g.reendcen(k, i) * ca;
  w.er = cr - g.reendcen(k, i) * sa;
}

// Axial take-up of the cone of a tapered roller bearing in the plane psi0 (frame t0) and the
// slide lam of the rollers along the cup: the cone's raceway through the roller's inner
// generatrix (the two are parallel: the roller's half angle is half the cone-angle difference)
// and, with a guide rib on the cone, the roller's end sphere on the rib face. Both conditions
// are linear in (lam, ax):
//   (d2r e1x - d2x e1r) lam - d2r ax = -(d2r (qx - c0x) - d2x (qr - c0r))
//   (T11 e1x + T13 e1r) lam - T11 ax = -(rib approach at lam = ax = 0)
// (solved for ax; without a rib lam = 0). False when the cone's generatrix is axial and no rib
// fixes the cone.
bool taperedtakeup(Model& m, double psi0, zq::Mat3In t0, double tilt, double& ax) {
  const auto& g = m.brggeom;
  const int kre = m.options.kraceeq;
  const double al = g.reax + tilt;
  Wedge w = wedge(m, 1, psi0, t0, al);
  const double a11 = w.d2r * w.e1x - w.d2x * w.e1r, a12 = -w.d2r;
  const double b1 = -(w.d2r * (w.qx - w.c0x) - w.d2x * (w.qr - w.c0r));
  const int k = guiderib(m, kre);
  if (k > 0) {
    ribend(m, 1, k, psi0, t0, al, w);
    const double t11 = g.traf(1, 1, k, kre), t13 = g.traf(1, 3, k, kre);
    const double a21 = t11 * w.e1x + t13 * w.e1r, a22 = -t11;
    const double b2 = -ribapproach(m, 1, k, kre, w.ex, w.er, psi0);
    const double det = a11 * a22 - a12 * a21;
    if (det != 0.0) {
      ax = (a11 * b2 - a21 * b1) / det;
      return true;
    }
  }
  if (a12 == 0.0) return false;
  ax = b1 / a12;
  return true;
}

[[noreturn]] void stoptype(Model& m) {
  m.devices.report.write("/,5X,\"Execution terminating in Zela2 (NoLoadPos)\",/,"
                         "5X,\"Invalid bearing type, kBrg = \",I4,/,/",
                         {m.brggeom.kbrg});
  zq::stopRun("zela2::noloadpos");
}

// Angle of the line between two race points from its axial and radial differences, in the
// range (-pi/2, pi/2] of atan(da/dr); 0 when both differences vanish.
double lineangle(double da, double dr, double pi) {
  double a = std::atan2(da, dr);
  if (a > pi / 2.0) a -= pi;
  if (a < -pi / 2.0) a += pi;
  return a;
}

// State-vector slot s of body b.
double& slot(Model& m, int b, int s) { return m.genvecs.x(12 * (b - 1) + 1 + s); }

// A spherical tapered roller seated on the guide rib k of the solved race: it rolls along the
// cup, its crown centre facing the cup kept rc1 - R from the cup's curvature centre P1 (the
// contact stays) and its attitude kept, through the angle that brings its end sphere onto the
// rib face (secant iteration on the flange contact's approach, linear to first order).
void sphtaperedseat(Model& m, int i, int k, double th, zq::Mat3In tia, double tilt, double& xa,
                    double& xr) {
  const auto& g = m.brggeom;
  const int kre = m.options.kraceeq;
  const zq::Vec3 p1 = racepoint(m, 1, th, tia);
  const double phi = g.reax + g.retaper(i) + tilt;
  const double al = g.reax + tilt;
  const double c = g.recurcen(2, i) / g.recostaper(i);
  const double l = g.racecurrad(1) - g.recrn(i);
  auto approach = [&](double d, double& cx, double& cr) {
    cx = p1(1) + l * std::sin(phi + d) - c * std::sin(phi);
    cr = p1(3) + l * std::cos(phi + d) - c * std::cos(phi);
    const double e = g.reendcen(k, i);
    return ribapproach(m, i, k, kre, cx + e * std::cos(al), cr - e * std::sin(al), th);
  };
  double cx = xa, cr = xr;
  double d0 = 0.0, f0 = approach(d0, cx, cr);
  double d1 = 1.0e-6, f1 = approach(d1, cx, cr);
  for (int n = 0; n < 50 && f1 != f0 && std::abs(f1) > 1.0e-14; ++n) {
    const double d2 = d1 - f1 * (d1 - d0) / (f1 - f0);
    d0 = d1;
    f0 = f1;
    d1 = d2;
    f1 = approach(d1, cx, cr);
  }
  if (std::isfinite(f1) && std::abs(f1) < 1.0e-9) {
    xa = cx;
    xr = cr;
  }
}

// Steps 6 and 7: every element placed in its azimuth plane, touching race 1, with its frames.
void placeelements(Model& m) {
  auto& g = m.brggeom;
  auto& vm = m.vecmats;
  const double pi = m.constants.pi;
  const int kre = m.options.kraceeq;
  for (int i = 1; i <= g.nre; ++i) {
    const double th = vm.regc(3, i);
    const auto tia = vm.inerttoiaz.sub<3, 3>(i);
    const zq::Vec3 p1 = racepoint(m, 1, th, tia);
    const zq::Vec3 p2 = racepoint(m, 2, th, tia);
    // Line of the two race points; cylindrical and tapered rollers lie instead along race 1's
    // raceway: the mean cone angle plus the tilt of race 1's axis in this azimuth plane (zero
    // unless race 1 is misaligned). Race 1's axis in azimuth components is the first column
    // of racetoiaz(1, i); the roller axis of Cardan tilt a is (cos(reax + a), 0, -sin(reax + a)).
    double alpha;
    if ((g.kbrg == 2 || g.kbrg == 4) && g.racecurrad(1) >= m.constants.crnlmt &&
        m.options.kracegeoimp.lin(1) != 0) {
      // An imperfect raceway: its generatrix in this plane through its points of axial 0 and 1
      // (local taper and misalignment included); the roller's outer generatrix on it.
      const zq::Vec3 p1b = racepoint(m, 1, th, tia, false, 1.0);
      alpha = g.reax + std::atan2(-(p1b(3) - p1(3)), p1b(1) - p1(1)) - g.racetaper(1);
    } else if (g.kbrg == 2 || g.kbrg == 4) {
      alpha = g.reax + std::atan2(-vm.racetoiaz(3, 1, 1, i), vm.racetoiaz(1, 1, 1, i));
    } else {
      alpha = lineangle(p2(1) - p1(1), p2(3) - p1(3), pi);
    }
    double xa = 0.0, xr = 0.0, tilt = 0.0;
    switch (g.kbrg) {
      case 1: {
        // Touching race 1 and overlapping race 2 least (on the line of the curvature centres
        // without split races).
        const Discs f = grooves(m, 1, th, tia, g.rerad(i));
        const Discs mv = grooves(m, 2, th, tia, g.rerad(i));
        placeball(f, mv, xa, xr);
        break;
      }
      case 2:
      case 4: {
        const double a = -g.rerad(i) * g.retantaper(i);
        const double b = -g.rerad(i);
        xa = p1(1) + std::cos(alpha) * a + std::sin(alpha) * b;
        xr = p1(3) - std::sin(alpha) * a + std::cos(alpha) * b;
        tilt = alpha - g.reax;
        slot(m, i, 8) = tilt;
        // Tapered rollers slide along the cup onto the guide rib.
        if (const int k = g.kbrg == 4 ? guiderib(m, kre) : 0; k > 0) {
          Wedge w = wedge(m, i, th, tia, alpha);
          ribend(m, i, k, th, tia, alpha, w);
          const double a21 = g.traf(1, 1, k, kre) * w.e1x + g.traf(1, 3, k, kre) * w.e1r;
          // Newton steps on the slide (exact in one step when the race is centred).
          for (int n = 0; n < 4 && a21 != 0.0; ++n) {
            const double lam = -ribapproach(m, i, k, kre, w.ex, w.er, th) / a21;
            w.ex += lam * w.e1x;
            w.er += lam * w.e1r;
            xa += lam * w.e1x;
            xr += lam * w.e1r;
          }
        }
        break;
      }
      case 3: {
        // Along the line of the race sphere centres, the roller axis normal to it (tilted
        // from the free contact angle by the difference), so that both crown circles face
        // their race spheres on that line.
        const double l = g.racecurrad(1) - g.redia(i) / 2.0;
        xa = p1(1) + std::sin(alpha) * l;
        xr = p1(3) + std::cos(alpha) * l;
        tilt = alpha - g.reax;
        slot(m, i, 8) = tilt;
        break;
      }
      case 5: {
        // On the cup's crown normal, the element's crest distance short of the cup radius
        // (see sphtaperedtakeup); the roller axis follows the tilt of the cup.
        tilt = racetilt(m, tia);
        const double phi = g.reax + g.retaper(i) + tilt;
        const double l = g.racecurrad(1) - crestdistance(g, i);
        xa = p1(1) + std::sin(phi) * l;
        xr = p1(3) + std::cos(phi) * l;
        slot(m, i, 8) = tilt;
        if (const int k = guiderib(m, kre); k > 0) sphtaperedseat(m, i, k, th, tia, tilt, xa, xr);
        break;
      }
      default:
        stoptype(m);
    }
    vm.regc(1, i) = xa;
    vm.regc(2, i) = xr;
    vm.regci(1, i) = xa;
    vm.regci(2, i) = -std::sin(th) * xr;
    vm.regci(3, i) = std::cos(th) * xr;

    // Element frames: element to azimuth = (base to element . azimuth to base)^T.
    zq::Mat3 tel;
    zelb2::zelb2(m, 0.0, tilt, 0.0, tel);
    for (int n = 1; n <= 3; ++n) {
      vm.sinbt(n, i) = m.tmparea.rtmp(n);
      vm.cosbt(n, i) = m.tmparea.rtmp(n + 3);
    }
    for (int r = 1; r <= 3; ++r)
      for (int q = 1; q <= 3; ++q) {
        double sum = 0.0;
        for (int n = 1; n <= 3; ++n) sum += tel(r, n) * g.rebasetran(n, q);
        vm.retoiaz(q, r, i) = sum;
      }
    for (int r = 1; r <= 3; ++r)
      for (int q = 1; q <= 3; ++q) {
        double sum = 0.0;
        for (int n = 1; n <= 3; ++n) sum += vm.retoiaz(n, r, i) * vm.inerttoiaz(n, q, i);
        vm.inerttore(r, q, i) = sum;
      }
  }
}

// Gap between element i and race j (negative: overlap) by the geometry of the race contacts,
// the second half of a split race with `mirror`. Points of the element's azimuth plane are
// seen from the race's axis in the race frame: axial coordinate, signed distance (negative
// beyond the axis) and race azimuth. A ball or crowned roller is its crown circle (radius
// recrn about the crown centre on the side of race j) inside the race's curvature circle, whose
// centre radius zelc7 gives at that azimuth; a cylindrical or tapered roller is its profile
// (zelc7) at 41 slices and its land ends and centre against the raceway profile (zelc7),
// radially, times the cosine of the cone angle.
double elementgap(Model& m, int i, int j, bool mirror) {
  const auto& g = m.brggeom;
  const auto& vm = m.vecmats;
  const double th = vm.regc(3, i);
  const double side = m.constants.sig(j);
  const int mode = m.options.kracegeoimp.lin(j);
  const double ex[2] = {vm.retoiaz(1, 1, i), vm.retoiaz(3, 1, i)};
  const double ez[2] = {vm.retoiaz(1, 3, i), vm.retoiaz(3, 3, i)};
  double px = 0.0, prho = 0.0, ppsi = 0.0;
  auto at = [&](double x, double z) {
    const double rad = vm.regc(2, i) + x * ex[1] + z * ez[1];
    const double d[3] = {vm.regc(1, i) + x * ex[0] + z * ez[0] - vm.racegc(1, j),
                         -std::sin(th) * rad - vm.racegc(2, j),
                         std::cos(th) * rad - vm.racegc(3, j)};
    double q[3];
    for (int r = 1; r <= 3; ++r)
      q[r - 1] = vm.inerttorace(r, 1, j) * d[0] + vm.inerttorace(r, 2, j) * d[1] +
                 vm.inerttorace(r, 3, j) * d[2];
    ppsi = std::atan2(-q[1], q[2]);
    const double sg = std::cos(ppsi - th) < 0.0 ? -1.0 : 1.0;
    prho = sg * std::hypot(q[1], q[2]);
    if (sg < 0.0) ppsi += m.constants.pi;
    px = q[0];
  };
  if (g.kbrg == 2 || g.kbrg == 4) {
    double worst = 1.0e300;
    auto slice = [&](double x) {
      at(x, side * zelc7::zelc7(m, i, 0, 0, x, 0.0));
      const double rr = zelc7::zelc7(m, g.nre + j, 0, mode, px, ppsi);
      worst = std::min(worst, side * (rr - prho) * std::cos(g.racetaper(j)));
    };
    const double lo = g.reconlmt(1, i), hi = g.reconlmt(2, i);
    for (int n = 0; n <= 40; ++n) slice(lo + (hi - lo) * n / 40.0);
    const double land[3] = {g.recenlmt(1, i), g.recenlmt(2, i),
                            (g.recenlmt(1, i) + g.recenlmt(2, i)) / 2.0};
    for (double x : land)
      if (x > lo && x < hi) slice(x);
    return worst;
  }
  at(g.recurcen(1, i), side * g.recurcen(2, i));
  const double rc = zelc7::zelc7(m, g.nre + j, 0, mode, px, ppsi);
  const double ca = mirror ? -g.racecurcen(1, j) : g.racecurcen(1, j);
  return g.racecurrad(j) - g.recrn(i) - std::hypot(px - ca, prho - rc);
}

// Least gap of the elements to the solved race, both halves of a split race.
double solvedgap(Model& m) {
  const int j = m.options.kraceeq;
  const bool split = m.brggeom.shimthkns(j) > 0.0;
  double w = 1.0e300;
  for (int i = 1; i <= m.brggeom.nre; ++i) {
    w = std::min(w, elementgap(m, i, j, false));
    if (split) w = std::min(w, elementgap(m, i, j, true));
  }
  return w;
}

// The solved race moved along u (unit; prescribed components zero) from where the take-up of
// the load plane put it to its first contact with any element: the closed forms hold for the
// element geometry of the load plane; size scatter, race imperfections and azimuths off the
// load plane can make another element the first to touch. The least gap decreases along u;
// its zero is bracketed from the first-order step and closed by regula falsi (Illinois), the
// elements placed anew (touching race 1) at every trial. Without a bracket (no position along
// u touches) the travel of least overlap is taken.
void firstcontact(Model& m, const double u[3]) {
  auto& vm = m.vecmats;
  const int j = m.options.kraceeq;
  const double base[3] = {vm.racegc(1, j), vm.racegc(2, j), vm.racegc(3, j)};
  auto f = [&](double t) {
    for (int n = 1; n <= 3; ++n) vm.racegc(n, j) = base[n - 1] + t * u[n - 1];
    placeelements(m);
    return solvedgap(m);
  };
  const double tol = 1.0e-13;
  double a = 0.0, fa = f(0.0);
  if (!(std::abs(fa) > tol)) return;
  // Secant steps (the gap is nearly linear in the travel) until the zero is bracketed; a ball
  // moved axially beyond the centred position meets the far flank again, so no step doubling.
  double b = 1.0e-7, fb = f(b);
  for (int n = 0; n < 100 && (fb > 0.0) == (fa > 0.0) && std::abs(fb) > tol; ++n) {
    const double slope = (fb - fa) / (b - a);
    if (!(slope < 0.0)) break;
    const double t = b - fb / slope;
    a = b;
    fa = fb;
    b = t;
    fb = f(b);
  }
  if (std::abs(fb) <= tol) return;
  if ((fb > 0.0) == (fa > 0.0)) {
    if (fa > 0.0 || fb > 0.0) {  // no zero found: the take-up of the load plane stands
      f(0.0);
      return;
    }
    // Overlap at every travel (a clearance smaller than the size scatter and race
    // imperfections of some element): the travel of least overlap, by golden-section search on
    // the unimodal least gap around the secant steps.
    double lo = std::min(0.0, b) - std::abs(b), hi = std::max(0.0, b) + std::abs(b);
    const double r = 0.5 * (std::sqrt(5.0) - 1.0);
    double x1 = hi - r * (hi - lo), x2 = lo + r * (hi - lo);
    double f1 = f(x1), f2 = f(x2);
    for (int n = 0; n < 200 && hi - lo > 1.0e-14; ++n) {
      if (f1 < f2) {
        lo = x1;
        x1 = x2;
        f1 = f2;
        x2 = lo + r * (hi - lo);
        f2 = f(x2);
      } else {
        hi = x2;
        x2 = x1;
        f2 = f1;
        x1 = hi - r * (hi - lo);
        f1 = f(x1);
      }
    }
    f(0.5 * (lo + hi));
    return;
  }
  // Regula falsi, Illinois variant, on the bracket.
  double t = b, ft = fb;
  int last = 0;
  for (int n = 0; n < 200 && std::abs(ft) > tol; ++n) {
    t = (a * fb - b * fa) / (fb - fa);
    ft = f(t);
    if ((ft > 0.0) == (fa > 0.0)) {
      a = t;
      fa = ft;
      if (last == -1) fb /= 2.0;
      last = -1;
    } else {
      b = t;
      fb = ft;
      if (last == 1) fa /= 2.0;
      last = 1;
    }
  }
  if (std::abs(ft) > tol) f(std::abs(fa) < std::abs(fb) ? a : b);
}

}  // namespace

void noloadpos(Model& m) {
  auto& g = m.brggeom;
  auto& vm = m.vecmats;
  auto& op = m.opcond;
  const auto& opt = m.options;
  const auto& c = m.constants;
  const double pi = c.pi;
  const int nre = g.nre;
  const int kre = opt.kraceeq;

  // 1. Azimuths and azimuth frames.
  vm.racegc.fill(0.0);
  m.setupa4.kf.fill(0);
  for (int i = 1; i <= nre; ++i) {
    const double th = (i - 1) * 2.0 * pi / nre;
    vm.regc(3, i) = th;
    zelb2::zelb2(m, th, 0.0, 0.0, vm.inerttoiaz.sub<3, 3>(i));
  }

  // 2. Races: prescribed displacements of the solved race, misalignments, frames.
  for (int j = 1; j <= 2; ++j) {
    if (j == kre)
      for (int k = 1; k <= 3; ++k)
        if (opt.kfs(k) != 0) vm.racegc(k, j) = op.appdisp(k);
    slot(m, nre + j, 8) = op.appmis(1, j);
    slot(m, nre + j, 9) = op.appmis(2, j);
    zelb2::zelb2(m, 0.0, op.appmis(1, j), op.appmis(2, j), vm.inerttorace.sub<3, 3>(j));
    for (int n = 1; n <= 3; ++n) {
      vm.sinrt(n, j) = m.tmparea.rtmp(n);
      vm.cosrt(n, j) = m.tmparea.rtmp(n + 3);
    }
    // race to azimuth = (inertial to azimuth) (inertial to race)^T
    for (int i = 1; i <= nre; ++i)
      for (int r = 1; r <= 3; ++r)
        for (int q = 1; q <= 3; ++q) {
          double sum = 0.0;
          for (int n = 1; n <= 3; ++n) sum += vm.inerttoiaz(r, n, i) * vm.inerttorace(q, n, j);
          vm.racetoiaz(r, q, j, i) = sum;
        }
  }

  // 3. Azimuth of the direction in which the solved race takes up the clearance.
  double psi0;
  if (opt.kfs(2) == 0 && opt.kfs(3) == 0) {
    psi0 = zelb3::zelb3(m, op.appload(2), op.appload(3));
  } else if (opt.kfs(2) == 0) {
    psi0 = pi / 2.0 + (op.appload(2) > 0.0 ? pi : 0.0);
  } else if (opt.kfs(3) == 0) {
    psi0 = op.appload(3) < 0.0 ? pi : 0.0;
  } else {
    psi0 = zelb3::zelb3(m, op.appdisp(2), op.appdisp(3));
  }
  zq::Mat3 t0;
  zelb2::zelb2(m, psi0, 0.0, 0.0, t0);

  // 4. Race reference points in the plane psi0.
  const zq::Vec3 p01 = racepoint(m, 1, psi0, t0);
  const zq::Vec3 p02 = racepoint(m, 2, psi0, t0);
  const double da = p02(1) - p01(1);
  const double dr = p02(3) - p01(3);

  // 5. Offset of the solved race. An axial offset is only added where the axial position is
  // free, a radial one only to the free radial components (along psi0 the prescribed one is
  // zero), so prescribed displacements stay exactly as given.
  double ax = 0.0, rad = 0.0;
  const bool axfree = opt.kfs(1) == 0;
  const bool radfree = opt.kfs(2) == 0 || opt.kfs(3) == 0;
  const double s = c.sig(kre);
  switch (g.kbrg) {
    case 1: {
      // Take-up toward the applied axial force (+x when it is 0), or along psi0 radially.
      const double d = g.racecurrad(1) + g.racecurrad(2) - g.redia(1);
      const double sg = op.appload(1) >= 0.0 ? 1.0 : -1.0;
      bool done = false;
      if ((g.shimthkns(1) > 0.0 || g.shimthkns(2) > 0.0) && (axfree || radfree)) {
        // Split races: until the first contact with any half of either race.
        const Discs f = grooves(m, 3 - kre, psi0, t0, g.rerad(1));
        const Discs mv = grooves(m, kre, psi0, t0, g.rerad(1));
        double t = 0.0;
        if (axfree && splittakeup(f, mv, 1.0, 0.0, sg, t)) {
          ax = t;
          done = true;
        } else if (!axfree && splittakeup(f, mv, 0.0, 1.0, 1.0, t)) {
          m.setupa4.kf(1) = 1;
          rad = t;
          done = true;
        }
      }
      if (done) break;
      if (dr <= d) {
        if (axfree) {
          ax = sg * rootofgap(m, d, dr, kRadialCentres) - da;
        } else if (radfree) {
          m.setupa4.kf(1) = 1;
          rad = rootofgap(m, d, da, kAxialCentres) - dr;
        }
      } else if (axfree) {
        ax = -da;
      }
      break;
    }
    case 2:
      if (axfree) {
        const double cl = std::max(g.flngcls(1), g.flngcls(2));
        ax = op.appload(1) >= 0.0 ? cl : -cl;
      }
      if (radfree) rad = s * dr - g.redia(1);
      break;
    case 3:
      if (radfree) {
        const double d = g.racecurrad(1) + g.racecurrad(2) - g.redia(1);
        rad = -s * rootofgap(m, d, da, kAxialCentres) - dr;
      }
      break;
    case 4:
      // The cone shifts until its raceway touches the roller laid on the cup (and the roller
      // sits on the guide rib); a cone without taper and without rib keeps the chord rule.
      if (axfree && !taperedtakeup(m, psi0, t0, racetilt(m, t0), ax))
        ax = s * rootofgap(m, g.redia(1), dr, kRadialRaceways) - da;
      break;
    case 5:
      if (axfree) ax = sphtaperedtakeup(m, p01, p02, racetilt(m, t0));
      break;
    default:
      stoptype(m);
  }
  vm.racegc(1, kre) += ax;
  if (opt.kfs(2) == 0) vm.racegc(2, kre) += -std::sin(psi0) * rad;
  if (opt.kfs(3) == 0) vm.racegc(3, kre) += std::cos(psi0) * rad;

  // 6, 7. Element centres from race 1's point in each element's azimuth plane; then the solved
  // race moved on to its first contact with any element.
  placeelements(m);
  const bool axialtakeup = axfree && (g.kbrg == 1 || g.kbrg >= 4);
  const bool radialtakeup = radfree && (g.kbrg == 2 || g.kbrg == 3 || m.setupa4.kf(1) == 1);
  if (axialtakeup || radialtakeup) {
    const double u[3] = {axialtakeup ? (g.kbrg == 1 && op.appload(1) < 0.0 ? -1.0 : 1.0) : 0.0,
                         radialtakeup && opt.kfs(2) == 0 ? -std::sin(psi0) : 0.0,
                         radialtakeup && opt.kfs(3) == 0 ? std::cos(psi0) : 0.0};
    firstcontact(m, u);
  }

  // 8. No-load position of element 1.
  m.setupa4.renoloadpos(1) = vm.regc(1, 1);
  m.setupa4.renoloadpos(2) = vm.regc(2, 1);
}

}  // namespace zela2
