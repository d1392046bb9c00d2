// No-load positions: rolling elements at equal azimuths touching the outer race without load,
// races at their prescribed misalignments, the solved (inner) race at its prescribed
// displacements plus an offset that takes up the clearance along the load (spherical tapered
// rollers: on their crown crests, touching both races, see sphtaperedtakeup). Non-dimensional
// lengths, radians. Frames are passive ("A to B" turns A-components into B-components, inverse =
// transpose; zelb2 = R3 R2 R1); the azimuth frame of direction psi is R1(psi) of the inertial
// frame: x along the bearing axis, z radially outward at azimuth psi (0 on +z, pi/2 on -y).
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
// raceway point at axial 0) seen in the azimuth plane of direction psi whose frame is
// tplane = R1(psi) (inertial to plane). Composition:
//   psi_j  = zelb3(-sin psi M(2,2), cos psi M(3,3)), M = inerttorace(j): the direction psi
//            seen in race j's frame (diagonal terms, exact without misalignment);
//   p_race = (a, -sin psi_j r, cos psi_j r): the point in race j's frame, (a, r) = (axial,
//            radial) of the curvature centre, or (0, zelc7 radius at psi_j);
//   P      = M^T p_race + racegc(:, j): race to inertial (transpose of inertial to race) plus
//            the race centre;
//   q      = tplane P: q(1) axial, q(3) radial in the plane, q(2) out of the plane.
// With zero misalignment and a race centred on the axis, psi_j = psi and q = (a, 0, r).
zq::Vec3 racepoint(Model& m, int j, double psi, zq::Mat3In tplane) {
  const auto& g = m.brggeom;
  const auto tir = m.vecmats.inerttorace.sub<3, 3>(j);
  const double sp = std::sin(psi), cp = std::cos(psi);
  const double psij = zelb3::zelb3(m, -sp * tir(2, 2), cp * tir(3, 3));
  const double rj = zelc7::zelc7(m, g.nre + j, 0, m.options.kracegeoimp.lin(j), 0.0, psij);
  double a = 0.0, r = rj;
  if (g.racecurrad(j) < m.constants.crnlmt) {
    a = g.racecurcen(1, j);
    r = g.racecurcen(2, j);
  }
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
      const double d = g.racecurrad(1) + g.racecurrad(2) - g.redia(1);
      if (dr <= d) {
        if (axfree) {
          ax = rootofgap(m, d, dr, kRadialCentres) - da;
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
      if (axfree) ax = s * rootofgap(m, g.redia(1), dr, kRadialRaceways) - da;
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

  // 6, 7. Element centres from race 1's point in each element's azimuth plane.
  for (int i = 1; i <= nre; ++i) {
    const double th = vm.regc(3, i);
    const auto tia = vm.inerttoiaz.sub<3, 3>(i);
    const zq::Vec3 p1 = racepoint(m, 1, th, tia);
    const zq::Vec3 p2 = racepoint(m, 2, th, tia);
    // Line of the two race points; cylindrical and tapered rollers lie instead along race 1's
    // raceway: the mean cone angle plus the tilt of race 1's axis in this azimuth plane (zero
    // unless race 1 is misaligned). Race 1's axis in azimuth components is the first column
    // of racetoiaz(1, i); the roller axis of Cardan tilt a is (cos(reax + a), 0, -sin(reax + a)).
    double alpha;
    if (g.kbrg == 2 || g.kbrg == 4) {
      alpha = g.reax + std::atan2(-vm.racetoiaz(3, 1, 1, i), vm.racetoiaz(1, 1, 1, i));
    } else {
      alpha = lineangle(p2(1) - p1(1), p2(3) - p1(3), pi);
    }
    double xa = 0.0, xr = 0.0, tilt = 0.0;
    switch (g.kbrg) {
      case 1: {
        const double l = g.racecurrad(1) - g.rerad(i);
        if (ax == 0.0) {
          // At axial 0 and at the distance l from race 1's groove centre (axial x1): radially
          // sqrt(l^2 - x1^2) beyond it. For a ball of nominal size this is l cos(shim angle);
          // the root keeps the contact for a ball of another size or grown by heat.
          xa = 0.0;
          xr = p1(3) + rootofgap(m, l, p1(1), "Axial offset of the outer race curvature centre");
        } else {
          xa = p1(1) + std::sin(alpha) * l;
          xr = p1(3) + std::cos(alpha) * l;
        }
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
        break;
      }
      case 3: {
        const double l = g.racecurrad(1) - g.redia(i) / 2.0;
        xa = p1(1) + std::sin(alpha) * l;
        xr = p1(3) + std::cos(alpha) * l;
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

  // 8. No-load position of element 1.
  m.setupa4.renoloadpos(1) = vm.regc(1, 1);
  m.setupa4.renoloadpos(2) = vm.regc(2, 1);
}

}  // namespace zela2
