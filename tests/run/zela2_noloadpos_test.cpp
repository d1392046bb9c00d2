// No-load positions checked by geometry worked out here: ball centres at the groove radius less
// the ball radius from the groove centres, roller generatrices on the outer raceway, spherical
// roller centres at the race radius less the roller radius from the race sphere centre,
// spherical tapered rollers touching both races by the point-contact relation of the race
// contacts and sitting on the common apex of the cones; every frame a proper rotation;
// prescribed displacements kept exactly; the clearance offset along the load; the stop blocks
// line by line; the shipped examples run through input and set-up.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "contact/zelc7.h"
#include "model/model.h"
#include "run/stop.h"
#include "run/zela2.h"
#include "support/bearings.h"

namespace {

using zqtest::BearingCase;
constexpr double kPi = std::numbers::pi;

// Every frame of the set-up is a rotation, the element positions are finite and consistent
// with their azimuths, and the azimuth frame carries the element centre onto its z axis.
void expectConsistentFrames(const Model& m) {
  const auto& g = m.brggeom;
  const auto& vm = m.vecmats;
  zqtest::expectRotation(g.rebasetran, "rebasetran");
  for (int j = 1; j <= 2; ++j) {
    zqtest::expectRotation(vm.inerttorace.sub<3, 3>(j), "inerttorace");
    zqtest::expectRotation(g.racegeotoprin.sub<3, 3>(j), "racegeotoprin");
    for (int k = 1; k <= 2; ++k)
      if (g.kflngind(k, j) > 0) zqtest::expectRotation(g.traf.sub<3, 3>(k, j), "traf");
  }
  for (int i = 1; i <= g.nre; ++i) {
    const double th = 2.0 * kPi * (i - 1) / g.nre;
    EXPECT_NEAR(vm.regc(3, i), th, 1e-14);
    ASSERT_TRUE(std::isfinite(vm.regc(1, i)) && std::isfinite(vm.regc(2, i))) << "element " << i;
    EXPECT_EQ(vm.regci(1, i), vm.regc(1, i));
    EXPECT_NEAR(vm.regci(2, i), -std::sin(th) * vm.regc(2, i), 1e-13);
    EXPECT_NEAR(vm.regci(3, i), std::cos(th) * vm.regc(2, i), 1e-13);
    const auto tia = vm.inerttoiaz.sub<3, 3>(i);
    zqtest::expectRotation(tia, "inerttoiaz");
    EXPECT_NEAR(tia(2, 2) * vm.regci(2, i) + tia(2, 3) * vm.regci(3, i), 0.0, 1e-13);
    EXPECT_NEAR(tia(3, 2) * vm.regci(2, i) + tia(3, 3) * vm.regci(3, i), vm.regc(2, i), 1e-13);
    zqtest::expectRotation(vm.inerttore.sub<3, 3>(i), "inerttore");
    zqtest::expectRotation(vm.retoiaz.sub<3, 3>(i), "retoiaz");
    zqtest::expectRotation(g.regeotoprin.sub<3, 3>(i), "regeotoprin");
    for (int k = 1; k <= 2; ++k) zqtest::expectRotation(g.tre.sub<3, 3>(k, i), "tre");
    for (int j = 1; j <= 2; ++j) {
      zqtest::expectRotation(vm.racetoiaz.sub<3, 3>(j, i), "racetoiaz");
      zqtest::expectRotation(vm.tacs.sub<3, 3>(j, i), "tacs");
      // race to azimuth = inertial to azimuth after race to inertial.
      for (int r = 1; r <= 3; ++r)
        for (int q = 1; q <= 3; ++q) {
          double sum = 0.0;
          for (int n = 1; n <= 3; ++n) sum += tia(r, n) * vm.inerttorace(q, n, j);
          EXPECT_NEAR(vm.racetoiaz(r, q, j, i), sum, 1e-15);
        }
    }
    // Element frame = azimuth frame turned by the base tilt and the element's own tilt.
    const double a2 = m.genvecs.x(12 * (i - 1) + 9);
    for (int r = 1; r <= 3; ++r)
      for (int q = 1; q <= 3; ++q) {
        double sum = 0.0;
        for (int n = 1; n <= 3; ++n) sum += vm.retoiaz(n, r, i) * tia(n, q);
        EXPECT_NEAR(vm.inerttore(r, q, i), sum, 1e-15);
      }
    EXPECT_NEAR(vm.sinbt(2, i), std::sin(a2), 1e-16);
    EXPECT_NEAR(vm.cosbt(2, i), std::cos(a2), 1e-16);
  }
}

// Distance in element i's azimuth plane from its centre to a point (axial, radial) of that
// plane.
double planeDistance(const Model& m, int i, double ax, double rad) {
  const double dx = m.vecmats.regc(1, i) - ax;
  const double dr = m.vecmats.regc(2, i) - rad;
  return std::sqrt(dx * dx + dr * dr);
}

// Radial offset of race j's centre seen at azimuth theta.
double radialOffset(const Model& m, int j, double th) {
  return -std::sin(th) * m.vecmats.racegc(2, j) + std::cos(th) * m.vecmats.racegc(3, j);
}

// A ball touches the outer groove: centre at f_o D - D/2 from the groove centre (race 1 is
// neither moved nor tilted). With `inner`, also the inner groove of the moved inner race.
void expectBallTouchesOuter(const Model& m, int i) {
  const auto& g = m.brggeom;
  EXPECT_NEAR(planeDistance(m, i, g.racecurcen(1, 1), g.racecurcen(2, 1)),
              g.racecurrad(1) - g.rerad(i), 1e-12)
      << "element " << i;
}

void expectBallTouchesInner(const Model& m, int i) {
  const auto& g = m.brggeom;
  const double th = m.vecmats.regc(3, i);
  EXPECT_NEAR(planeDistance(m, i, g.racecurcen(1, 2) + m.vecmats.racegc(1, 2),
                            g.racecurcen(2, 2) + radialOffset(m, 2, th)),
              g.racecurrad(2) - g.rerad(i), 1e-12)
      << "element " << i;
}

// Gap between the outer raceway (a straight cone of half angle racetaper(1) through radius
// racerad(2,1) at axial 0, in race 1's frame) and a roller's outer generatrix at three points
// of its flat land. The generatrix points are formed in the element's azimuth frame and
// carried into race 1's frame with the transpose of racetoiaz (race 1 sits at the origin).
void expectRollerOnOuterRaceway(const Model& m, int i, double tol = 1e-12) {
  const auto& g = m.brggeom;
  const auto& vm = m.vecmats;
  const double h = g.recenlen(i);
  const double t = g.rerad(i) * g.retantaper(i);
  for (double x : {-h / 2.0, 0.0, h / 2.0}) {
    const double rx = g.rerad(i) - g.retantaper(i) * (x - t);  // roller radius at x
    // Generatrix point: centre + x (element x axis) + rx (element z axis), azimuth frame.
    double p[3];
    for (int n = 1; n <= 3; ++n)
      p[n - 1] = x * vm.retoiaz(n, 1, i) + rx * vm.retoiaz(n, 3, i);
    p[0] += vm.regc(1, i);
    p[2] += vm.regc(2, i);
    double q[3];
    for (int n = 1; n <= 3; ++n) {
      q[n - 1] = 0.0;
      for (int k = 1; k <= 3; ++k) q[n - 1] += vm.racetoiaz(k, n, 1, i) * p[k - 1];
    }
    const double race = g.racerad(2, 1) - std::tan(g.racetaper(1)) * q[0];
    EXPECT_NEAR(race - std::hypot(q[1], q[2]), 0.0, tol) << "element " << i << " at x = " << x;
  }
}

// Point contact of a crowned element with a curved race, as the race contacts form it: the
// element centre seen from race j's centre in the race frame (inertial to race applied to the
// difference of the centres), the race azimuth of the element, the element's crown centre
// facing race j (of the two mirror images of the crown-centre offset, the one on the far side
// from race j: for race 1 the one whose radial component points inward), V from the race's
// curvature centre to that crown centre in the race azimuth frame. approach = |V| + R - rc
// (zero: touching; positive: overlap). `normal` receives V/|V| (azimuth components).
struct CrownContact {
  double approach;
  double normal[3];
};

CrownContact crownContact(const Model& m, int i, int j) {
  const auto& g = m.brggeom;
  const auto& vm = m.vecmats;
  const auto tir = vm.inerttorace.sub<3, 3>(j);
  const auto tib = vm.inerttore.sub<3, 3>(i);
  double tbr[3][3], bgrgr[3];
  for (int r = 1; r <= 3; ++r) {
    bgrgr[r - 1] = 0.0;
    for (int n = 1; n <= 3; ++n) bgrgr[r - 1] += tir(r, n) * (vm.regci(n, i) - vm.racegc(n, j));
    for (int q = 1; q <= 3; ++q) {
      tbr[r - 1][q - 1] = 0.0;
      for (int n = 1; n <= 3; ++n) tbr[r - 1][q - 1] += tir(r, n) * tib(q, n);
    }
  }
  // Race azimuth: the element centre at (-r sin psi, r cos psi) in the race's y-z plane.
  const double psi = std::atan2(-bgrgr[1], bgrgr[2]);
  const double cs = std::cos(psi), sn = std::sin(psi);
  auto toAzimuth = [&](const double v[3], double out[3]) {
    out[0] = v[0];
    out[1] = cs * v[1] + sn * v[2];
    out[2] = -sn * v[1] + cs * v[2];
  };
  double centre[3], tbra[3][3];
  toAzimuth(bgrgr, centre);
  for (int q = 0; q < 3; ++q) {
    const double col[3] = {tbr[0][q], tbr[1][q], tbr[2][q]};
    double out[3];
    toAzimuth(col, out);
    for (int r = 0; r < 3; ++r) tbra[r][q] = out[r];
  }
  // Crown-centre offset in the element frame, turned about the element axis into the plane.
  const double ca = g.recurcen(1, i), cr = g.recurcen(2, i);
  double turn = std::atan(tbra[1][2] / tbra[1][1]);
  if (ca != 0.0) {
    const double q = tbra[1][0] * ca / (std::hypot(tbra[1][1], tbra[1][2]) * cr);
    turn += std::asin(q);
  }
  double bcb[3] = {ca, -cr * std::sin(turn), cr * std::cos(turn)};
  const double sg = j == 1 ? 1.0 : -1.0;
  if (sg * (tbra[2][0] * bcb[0] + tbra[2][1] * bcb[1] + tbra[2][2] * bcb[2]) > 0.0) {
    bcb[1] = -bcb[1];
    bcb[2] = -bcb[2];
  }
  double v[3];
  for (int r = 0; r < 3; ++r)
    v[r] = centre[r] + tbra[r][0] * bcb[0] + tbra[r][1] * bcb[1] + tbra[r][2] * bcb[2];
  v[0] -= g.racecurcen(1, j);
  v[2] -= g.racecurcen(2, j);
  const double len = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
  CrownContact c{len + g.recrn(i) - g.racecurrad(j), {v[0] / len, v[1] / len, v[2] / len}};
  return c;
}

// Spherical tapered rollers: every roller touches the cup; with `cone`, the cone too.
void expectSphericalTaperedTouches(const Model& m, bool cone, double tol = 1e-12) {
  for (int i = 1; i <= m.brggeom.nre; ++i) {
    EXPECT_NEAR(crownContact(m, i, 1).approach, 0.0, tol) << "element " << i << " on the cup";
    if (cone) {
      EXPECT_NEAR(crownContact(m, i, 2).approach, 0.0, tol) << "element " << i << " on the cone";
    }
  }
}

// Spherical tapered roller centres near the pitch radius. The nominal roller centre lies on the
// roller axis at the apex distance L0 from the common apex of the cones, at the radius
// L0 sin(mean cone angle) = pitchdia/2. The cup's radial growth carries the rollers out with
// it; the roller's own growth changes its radius by at most its radius growth.
void expectSphericalTaperedNearPitch(const Model& m) {
  const auto& g = m.brggeom;
  const double nominal = g.bredia / 2.0 - g.relen(1) * g.retantaper(1);
  // The seat on the cone's rib rolls them along the cup by up to 0.01 roller radii.
  const double tol =
      std::abs(m.opcond.raceexp(1)) + std::abs(g.rerad(1) - nominal) + 1e-2;
  for (int i = 1; i <= g.nre; ++i)
    EXPECT_NEAR(m.vecmats.regc(2, i), g.pitchdia / 2.0, tol) << "element " << i;
}

// ---------------------------------------------------------------- gaps from the contact geometry

// A point of element i's azimuth plane (axial ax, radial rad) seen from race segment j in its
// frame (inertial frame moved to the race centre and turned by the misalignment): its axial
// coordinate, its signed distance from the race axis and its race azimuth.
struct RacePoint {
  double x, rho, psi;
};
RacePoint fromRace(const Model& m, int i, int j, double ax, double rad) {
  const auto& vm = m.vecmats;
  const double th = vm.regc(3, i);
  const double d[3] = {ax - vm.racegc(1, j), -std::sin(th) * rad - vm.racegc(2, j),
                       std::cos(th) * rad - vm.racegc(3, j)};
  double q[3];
  for (int r = 1; r <= 3; ++r)
    q[r - 1] = vm.inerttorace(r, 1, j) * d[0] + vm.inerttorace(r, 2, j) * d[1] +
               vm.inerttorace(r, 3, j) * d[2];
  const double y = q[1], z = q[2];
  // A point beyond the race axis (the crown and race centres of spherical tapered rollers)
  // has a negative radius at the element's race azimuth.
  const double psi = std::atan2(-y, z);
  const double sg = std::cos(psi - th) < 0.0 ? -1.0 : 1.0;
  return {q[0], sg * std::hypot(y, z), sg < 0.0 ? psi + kPi : psi};
}

// Gap between element i and race segment j (negative: overlap), from the geometry of the race
// contacts: a ball or crowned roller is its crown circle (radius recrn about the crown centre
// on the side of race j) inside the race's curvature circle (radius racecurrad about the
// race's centre, whose radius the race profile zelc7 gives at the element's race azimuth);
// a cylindrical or tapered roller is its profile (zelc7) at 41 slices and its land ends and
// centre against the raceway profile (zelc7), radially, times the cosine of the cone angle.
double contactGap(Model& m, int i, int j) {
  const auto& g = m.brggeom;
  const auto& vm = m.vecmats;
  const int race = j == 1 || j == 3 ? 1 : 2;
  const double side = race == 1 ? 1.0 : -1.0;
  const int mode = m.options.kracegeoimp.lin(race);
  const double ex[2] = {vm.retoiaz(1, 1, i), vm.retoiaz(3, 1, i)};
  const double ez[2] = {vm.retoiaz(1, 3, i), vm.retoiaz(3, 3, i)};
  auto at = [&](double x, double z) {
    return fromRace(m, i, j, vm.regc(1, i) + x * ex[0] + z * ez[0],
                    vm.regc(2, i) + x * ex[1] + z * ez[1]);
  };
  if (g.kbrg == 2 || g.kbrg == 4) {
    double worst = 1e300;
    auto slice = [&](double x) {
      const RacePoint p = at(x, side * zelc7::zelc7(m, i, 0, 0, x, 0.0));
      const double rr = zelc7::zelc7(m, g.nre + j, 0, mode, p.x, p.psi);
      worst = std::min(worst, side * (rr - p.rho) * std::cos(g.racetaper(j)));
    };
    const double lo = g.reconlmt(1, i), hi = g.reconlmt(2, i);
    for (int n = 0; n <= 40; ++n) slice(lo + (hi - lo) * n / 40.0);
    for (double x : {g.recenlmt(1, i), g.recenlmt(2, i), (g.recenlmt(1, i) + g.recenlmt(2, i)) / 2})
      if (x > lo && x < hi) slice(x);
    return worst;
  }
  const RacePoint p = at(g.recurcen(1, i), side * g.recurcen(2, i));
  const double rc = zelc7::zelc7(m, g.nre + j, 0, mode, p.x, p.psi);
  return g.racecurrad(j) - g.recrn(i) - std::hypot(p.x - g.racecurcen(1, j), p.rho - rc);
}

// Approach of roller i's end sphere on side k to the face of rib k of race j, as the flange
// contact measures it: the sphere centre from the flange reference point (axial, radial in the
// race frame) turned into the flange frame, first component plus the end radius.
double ribApproach(const Model& m, int i, int k, int j) {
  const auto& g = m.brggeom;
  const auto& vm = m.vecmats;
  const double e = g.reendcen(k, i);
  const RacePoint p = fromRace(m, i, j, vm.regc(1, i) + e * vm.retoiaz(1, 1, i),
                               vm.regc(2, i) + e * vm.retoiaz(3, 1, i));
  return g.traf(1, 1, k, j) * (p.x - g.flngorigin(1, k, j)) +
         g.traf(1, 3, k, j) * (p.rho - m.opcond.raceexp(j) - g.flngorigin(2, k, j)) +
         g.reendrad(k, i);
}

// Least gap of the elements to the solved race (both halves of a split race).
double solvedGap(Model& m) {
  double w = 1e300;
  for (int i = 1; i <= m.brggeom.nre; ++i)
    for (int j = 2; j <= m.brggeom.nrace; j += 2)
      if (m.revecs.krace(j) != 0) w = std::min(w, contactGap(m, i, j));
  return w;
}

// Every element touches race 1 (its nearer half) without overlapping it; a roller guided by a
// rib of the solved race (spherical end) sits on it; the solved race, when free to take up the
// clearance, touches an element without overlapping any. Where the size scatter and race
// imperfections leave no room at all, it sits where the overlap is least: a step of 1e-6 either
// way along its free direction makes it worse. Tolerance 1e-9 slen.
void expectTouchesRaceOne(Model& m);
void expectTouchingWithoutOverlap(Model& m) {
  const auto& g = m.brggeom;
  const double tol = 1e-9;
  int rib = 0;
  for (int k = 1; k <= 2; ++k)
    if (g.kbrg >= 4 && g.kflngind(k, 2) > 0 && g.reendrad(k, 1) < 1e6) rib = k;
  expectTouchesRaceOne(m);
  for (int i = 1; rib > 0 && i <= g.nre; ++i)
    EXPECT_NEAR(ribApproach(m, i, rib, 2), 0.0, tol) << "element " << i << " rib";
  const auto& kfs = m.options.kfs;
  const double least = solvedGap(m);
  if (kfs(1) != 0 && kfs(2) != 0 && kfs(3) != 0) return;
  if (least > -tol) {
    EXPECT_NEAR(least, 0.0, tol) << "solved race";
    return;
  }
  const int n = kfs(1) == 0 ? 1 : kfs(3) == 0 ? 3 : 2;
  for (double d : {-1e-6, 1e-6}) {
    for (int j = 2; j <= g.nrace; j += 2) m.vecmats.racegc(n, j) += d;
    EXPECT_LT(solvedGap(m), least) << "overlap not least, step " << d;
    for (int j = 2; j <= g.nrace; j += 2) m.vecmats.racegc(n, j) -= d;
  }
}

// Every element on race 1 (its nearer half) within 1e-9 slen.
void expectTouchesRaceOne(Model& m) {
  for (int i = 1; i <= m.brggeom.nre; ++i) {
    double outer = 1e300;
    for (int j = 1; j <= m.brggeom.nrace; j += 2)
      if (m.revecs.krace(j) != 0) outer = std::min(outer, contactGap(m, i, j));
    EXPECT_NEAR(outer, 0.0, 1e-9) << "element " << i << " on race 1";
  }
}

// ---------------------------------------------------------------- ball bearings

TEST(NoLoadPositions, BallTakesUpTheClearanceAxiallyWhenTheAxialForceIsFree) {
  // Radial load along +z, axial force free: the inner race moves axially until the ball at
  // azimuth 0 touches both grooves; no radial offset. A single element sits at azimuth 0.
  for (int nre : {9, 1}) {
    auto b = zqtest::setUpBearing(BearingCase::kBallSi, [nre](Model& m) { m.brggeom.nre = nre; });
    const Model& m = b->m();
    EXPECT_GT(m.vecmats.racegc(1, 2), 0.0);
    EXPECT_EQ(m.vecmats.racegc(2, 2), 0.0);
    EXPECT_EQ(m.vecmats.racegc(3, 2), 0.0);
    EXPECT_EQ(m.setupa4.kf(1), 0);
    EXPECT_EQ(m.vecmats.regc(3, 1), 0.0);
    EXPECT_EQ(m.vecmats.regci(2, 1), 0.0);
    expectBallTouchesOuter(m, 1);
    expectBallTouchesInner(m, 1);
    EXPECT_EQ(m.setupa4.racerefpos(1), m.vecmats.racegc(1, 2));
    EXPECT_EQ(m.setupa4.racerefpos(2), 0.0);
    EXPECT_EQ(m.setupa4.renoloadpos(1), m.vecmats.regc(1, 1));
    EXPECT_EQ(m.setupa4.rerefpos(2), m.vecmats.regc(2, 1));
  }
}

TEST(NoLoadPositions, FreeRadialBallMovesTheInnerRaceAlongTheLoad) {
  struct Case {
    const char* name;
    int kfs2, kfs3;
    double fy, fz;  // applied radial force (N)
    double ey, ez;  // expected direction of the inner race offset
  };
  const Case cases[] = {
      {"force along -y", 0, 1, -3000.0, 0.0, -1.0, 0.0},
      {"force along +y", 0, 1, 3000.0, 0.0, 1.0, 0.0},
      {"force along -z", 1, 0, 0.0, -3000.0, 0.0, -1.0},
      {"force along +z", 1, 0, 0.0, 3000.0, 0.0, 1.0},
      {"both components free", 0, 0, -300.0, 400.0, -0.6, 0.8},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto b = zqtest::setUpBearing(BearingCase::kBallSi, [&c](Model& m) {
      m.brggeom.nre = 4;
      m.options.kfs = {1, c.kfs2, c.kfs3, 1, 1};
      m.opcond.appload(1) = 0.0;
      m.opcond.appload(2) = c.fy;
      m.opcond.appload(3) = c.fz;
    });
    const Model& m = b->m();
    const auto& g = m.brggeom;
    const auto& vm = m.vecmats;
    EXPECT_EQ(m.setupa4.kf(1), 1);
    EXPECT_EQ(vm.racegc(1, 2), 0.0);
    // The offset closes the radial gap between the groove centres to f_o D + f_i D - D where
    // a ball lies in the load direction; between two balls (the last case) the race goes on
    // along the load until one of them touches. A prescribed component stays exactly zero.
    const double gap = g.racecurrad(1) + g.racecurrad(2) - g.redia(1) -
                       (g.racecurcen(2, 2) - g.racecurcen(2, 1));
    const double y = vm.racegc(2, 2), z = vm.racegc(3, 2);
    EXPECT_NEAR(y * c.ez - z * c.ey, 0.0, 1e-15);
    if (c.ey * c.ez == 0.0) {
      EXPECT_NEAR(std::hypot(y, z), gap, 1e-12);
    } else {
      EXPECT_GT(std::hypot(y, z), gap);
    }
    EXPECT_TRUE(c.kfs2 == 0 || y == 0.0);
    EXPECT_TRUE(c.kfs3 == 0 || z == 0.0);
    expectTouchingWithoutOverlap(b->m());
  }
}

TEST(NoLoadPositions, TiltedInnerRaceSeenThroughItsFrame) {
  // Inner race tilted about y by beta, seen through its frame: the axial offset brings it onto
  // the first ball it meets (its groove leans toward +x on one side of the bearing), every
  // ball on the outer groove, none into the inner one.
  for (double beta : {2.0e-3, -3.0e-3}) {
    auto b = zqtest::setUpBearing(BearingCase::kBallSi, [beta](Model& m) {
      zqtest::noGrowth(m);
      m.opcond.appmis(1, 2) = beta;
    });
    expectTouchingWithoutOverlap(b->m());
    const Model& m = b->m();
    const auto& g = m.brggeom;
    EXPECT_EQ(m.genvecs.x(12 * (g.nre + 1) + 9), beta);  // race 2, slot 8
    expectConsistentFrames(m);
  }
}

TEST(NoLoadPositions, BallsBetweenTheHalvesOfASplitOuterRace) {
  // Outer race split by a shim, axial position held: the balls sit at axial 0, between the two
  // groove centres at -s/2 and +s/2, touching both; also a ball 2 um larger and with the
  // thermal growth of the balls.
  for (bool growth : {true, false}) {
    auto b = zqtest::setUpBearing(BearingCase::kBallSi, [growth](Model& m) {
      m.brggeom.shimthkns(1) = 3.0e-4;
      m.options.kfs = {1, 1, 0, 1, 1};
      zqtest::internalGeometry(m);
      m.brggeom.rediavar(3) = 2.0e-6;
      if (!growth) m.opcond.retemp(1) = m.opcond.roomtemp;
    });
    const Model& m = b->m();
    const auto& g = m.brggeom;
    EXPECT_EQ(g.nrace, 4);
    for (int i = 1; i <= g.nre; ++i) {
      EXPECT_EQ(m.vecmats.regc(1, i), 0.0);
      expectBallTouchesOuter(m, i);
      EXPECT_NEAR(planeDistance(m, i, g.racecurcen(1, 3), g.racecurcen(2, 3)),
                  g.racecurrad(3) - g.rerad(i), 1e-12);
    }
    // A ball of nominal size without growth: the radius offset is l cos(shim angle), with
    // sin(shim angle) = s / (2 l) from the defaults.
    if (!growth) {
      const double l = g.racecurrad(1) - g.rerad(1);
      EXPECT_NEAR(m.vecmats.regc(2, 1) - g.racecurcen(2, 1), l * g.cosshimang(1), 1e-12);
    }
  }
}

// ---------------------------------------------------------------- roller bearings

TEST(NoLoadPositions, CylindricalRollersTakeTheFlangeClearanceTowardTheThrust) {
  for (double fx : {100.0, 0.0, -100.0}) {
    auto b = zqtest::setUpBearing(BearingCase::kCylindricalSi, [fx](Model& m) {
      m.options.kfs(1) = 0;
      m.opcond.appload(1) = fx;
      m.brggeom.flngcls(2) = 4.0e-5;
    });
    const double shift = b->m().vecmats.racegc(1, 2) * b->m().constants.slen;
    EXPECT_NEAR(shift, fx >= 0.0 ? 1.0e-4 : -1.0e-4, 1e-18) << fx;
  }
}

TEST(NoLoadPositions, RollerAtTheLoadTouchesBothRaces) {
  // Load along +z (azimuth 0). Cylindrical: the inner race moves by the radial clearance left
  // over. Tapered: the cone moves axially, toward the small roller end, by sqrt(d^2 - dr^2)
  // with dr the radial distance of the raceways at axial 0; the roller axis lies along the
  // mean cone (no tilt). Spherical: the roller at the load touches both race spheres.
  if (zqtest::profileRadiusReady()) {
    auto c = zqtest::setUpBearing(BearingCase::kCylindricalSi);
    const Model& m = c->m();
    const auto& g = m.brggeom;
    const double inner = g.racerad(1, 2) + radialOffset(m, 2, 0.0);
    EXPECT_NEAR(m.vecmats.regc(2, 1) - g.rerad(1), inner, 1e-12);
    EXPECT_NEAR(m.vecmats.racegc(3, 2), g.racerad(2, 1) - g.racerad(1, 2) - g.redia(1), 1e-12);
    for (int i = 1; i <= g.nre; ++i) EXPECT_EQ(m.genvecs.x(12 * (i - 1) + 9), 0.0);
    auto t = zqtest::setUpBearing(BearingCase::kTaperedSi);
    const Model& n = t->m();
    const auto& h = n.brggeom;
    for (int i = 1; i <= h.nre; ++i) EXPECT_EQ(n.genvecs.x(12 * (i - 1) + 9), 0.0);
    EXPECT_LT(n.vecmats.racegc(1, 2), 0.0);
    expectTouchingWithoutOverlap(t->m());
  }
  auto s = zqtest::setUpBearing(BearingCase::kSphericalSi);
  const Model& m = s->m();
  const auto& g = m.brggeom;
  const double cx = g.racecurcen(1, 2) + m.vecmats.racegc(1, 2);
  const double cr = g.racecurcen(2, 2) + radialOffset(m, 2, 0.0);
  EXPECT_NEAR(planeDistance(m, 1, cx, cr), g.racecurrad(2) - g.redia(1) / 2.0, 1e-12);
}

TEST(NoLoadPositions, RollersFollowAMisalignedOuterRace) {
  if (!zqtest::profileRadiusReady()) GTEST_SKIP() << "raceway profile radius not built yet";
  // Outer race tilted by 1 mrad about y: in the azimuth planes 0 and pi the tilt lies in the
  // plane and the rollers lie on the raceway exactly; elsewhere the tilt has a tangential part
  // that a roller tilt cannot follow, leaving a gap of second order (about 1e-6 roller radii).
  // The roller tilt is the raceway's: 1 mrad times cos(azimuth) to first order.
  const double b1 = 1.0e-3;
  for (auto which : {BearingCase::kCylindricalSi, BearingCase::kTaperedSi}) {
    SCOPED_TRACE(int(which));
    auto b = zqtest::setUpBearing(which, [b1](Model& m) { m.opcond.appmis(1, 1) = b1; });
    const Model& m = b->m();
    const int nre = m.brggeom.nre;
    ASSERT_EQ(nre % 2, 0);
    for (int i = 1; i <= nre; ++i) {
      const double th = m.vecmats.regc(3, i);
      const bool inplane = i == 1 || i == nre / 2 + 1;
      expectRollerOnOuterRaceway(m, i, inplane ? 1e-12 : 1e-5);
      EXPECT_NEAR(m.genvecs.x(12 * (i - 1) + 9), b1 * std::cos(th), 1e-9) << "element " << i;
    }
    expectConsistentFrames(m);
  }
}

// Spherical tapered bearings of various shapes, parts at room temperature, standing, without
// fits (the geometry as the defaults derive it). Construction in the axial plane: the cup's
// cone has its apex on the bearing axis at axial Lc cos a1 (Lc = L0 cos b the distance from the
// apex to the raceway point of axial 0, L0 = (pitchdia/2)/sin(am) the apex distance of the
// roller centre, a1, a2 the cone angles, am their mean, b half their difference). A roller
// symmetric about its axis, on the common apex with both generatrices on the cones, has its
// centre at L0 from the apex along the mean cone, touches the races at its crown crests, where
// the contact normals are the cone normals, and the cone's apex reaches the cup's: the cone
// moves by Lc (cos a1 - cos a2).
struct SphTaperedShape {
  const char* name;
  double a1, a2;   // cone angles (deg)
  double crown;    // roller profile radius (m)
  double f1, f2;   // race curvature factors
  int nre;
};

std::unique_ptr<zqtest::TestBearing> sphTapered(const SphTaperedShape& c) {
  auto b = zqtest::makeBearing(BearingCase::kSphericalTaperedSi);
  Model& m = b->m();
  auto& g = m.brggeom;
  g.racetaper(1) = c.a1;
  g.racetaper(2) = c.a2;
  g.brecrn = c.crown;
  g.racecurfac(1) = c.f1;
  g.racecurfac(2) = c.f2;
  g.nre = c.nre;
  // The guide flange's face angle midway between its bounds -b and a - b, a = asin(D/(2 E)).
  const double a = std::asin(g.bredia / (2.0 * g.breendrad(1))) * 180.0 / kPi;
  g.flngang(1, 2) = a / 2.0 - (c.a1 - c.a2) / 2.0;
  zqtest::noGrowth(m);
  zqtest::internalGeometry(m);
  return b;
}

const SphTaperedShape kShapes[] = {{"30208 envelope", 14.0, 10.0, 0.08, 0.52, 0.51, 16},
                                   {"steep cup, close conformity", 25.0, 15.0, 0.05, 0.505,
                                    0.502, 12},
                                   {"shallow cones, large crown", 9.0, 7.0, 0.3, 0.6, 0.55, 20},
                                   {"wide taper, odd count", 30.0, 20.0, 0.04, 0.51, 0.51, 9}};

TEST(SphericalTaperedNoLoad, RollersTouchBothRacesAtTheCrestsOnTheCommonApex) {
  for (const auto& c : kShapes) {
    SCOPED_TRACE(c.name);
    auto b = sphTapered(c);
    zqtest::scale(b->m());
    zela2::zela2(b->m());
    const Model& m = b->m();
    const auto& g = m.brggeom;
    expectConsistentFrames(m);
    expectSphericalTaperedTouches(m, true);
    const double deg = kPi / 180.0;
    const double a1 = c.a1 * deg, a2 = c.a2 * deg, am = (a1 + a2) / 2.0, hb = (a1 - a2) / 2.0;
    const double l0 = (g.pitchdia / 2.0) / std::sin(am);
    const double lc = l0 * std::cos(hb);
    // The rollers then roll on the cup onto the guide rib, whose origin the set-up forms for
    // the nominal roller: a few 1e-9 roller radii here.
    const double tol = 1e-7;
    EXPECT_NEAR(m.vecmats.racegc(1, 2), lc * (std::cos(a1) - std::cos(a2)), tol);
    for (int i = 1; i <= g.nre; ++i) {
      EXPECT_NEAR(m.vecmats.regc(1, i), lc * std::cos(a1) - l0 * std::cos(am), tol) << i;
      EXPECT_NEAR(m.vecmats.regc(2, i), l0 * std::sin(am), tol) << i;
      EXPECT_EQ(m.genvecs.x(12 * (i - 1) + 9), 0.0) << i;  // no tilt
      // Contact normals: along the cup normal (sin a1, cos a1) from the cup's centre, against
      // the cone normal (sin a2, cos a2) from the cone's centre.
      const CrownContact k1 = crownContact(m, i, 1), k2 = crownContact(m, i, 2);
      const double* n1 = k1.normal;
      const double* n2 = k2.normal;
      EXPECT_NEAR(std::atan2(n1[0], n1[2]), a1, 10 * tol) << i;
      EXPECT_NEAR(std::atan2(-n2[0], -n2[2]), a2, 10 * tol) << i;
      EXPECT_NEAR(n1[1], 0.0, 1e-13);
      EXPECT_NEAR(n2[1], 0.0, 1e-13);
    }
  }
}

TEST(SphericalTaperedNoLoad, HeldAxialPositionKeepsTheCupContactOnly) {
  // Axial displacement prescribed (10 um): the cone stays where it is put and the rollers still
  // lie on the cup; on the cone they now overlap or stand off.
  auto b = sphTapered(kShapes[0]);
  Model& m = b->m();
  m.options.kfs(1) = 1;
  m.opcond.appdisp(1) = 1.0e-5;
  zqtest::scale(m);
  zela2::zela2(m);
  EXPECT_EQ(m.vecmats.racegc(1, 2), m.opcond.appdisp(1));
  expectSphericalTaperedTouches(m, false);
  EXPECT_GT(std::abs(crownContact(m, 1, 2).approach), 1e-6);
}

TEST(SphericalTaperedNoLoad, RollersFollowATiltedCup) {
  // Cup tilted about y, axial position free. In the azimuth planes 0 and pi the tilt lies in
  // the plane: the rollers there tilt with the cup and touch it exactly; the cone moves on to
  // its first roller. Elsewhere part of the tilt turns the cup about
  // the radial direction, which the roller's tilt in its plane cannot follow: an overlap of
  // second order in the tilt, largest at azimuth pi/2, four times larger at twice the tilt
  // (below 1e-6 roller radii at 1 mrad).
  double quarter[2] = {0.0, 0.0};
  for (int k = 0; k < 2; ++k) {
    const double tilt = 1.0e-3 * (k + 1);
    SCOPED_TRACE(tilt);
    auto b = sphTapered(kShapes[0]);
    b->m().opcond.appmis(1, 1) = tilt;
    zqtest::scale(b->m());
    zela2::zela2(b->m());
    const Model& m = b->m();
    const int nre = m.brggeom.nre;
    ASSERT_EQ(nre % 4, 0);
    for (int i = 1; i <= nre; ++i) {
      const double th = m.vecmats.regc(3, i);
      const bool inplane = i == 1 || i == nre / 2 + 1;
      const double tol = inplane ? 1e-12 : 1e-6 * std::pow(tilt / 1e-3, 2);
      EXPECT_NEAR(crownContact(m, i, 1).approach, 0.0, tol) << i;
      EXPECT_NEAR(m.genvecs.x(12 * (i - 1) + 9), tilt * std::cos(th), 1e-9) << i;
    }
    quarter[k] = crownContact(m, nre / 4 + 1, 1).approach;
    EXPECT_NEAR(solvedGap(b->m()), 0.0, 1e-9);  // the cone on its first roller
    expectConsistentFrames(m);
  }
  EXPECT_GT(quarter[0], 0.0);
  EXPECT_LT(quarter[0], 1e-6);
  EXPECT_NEAR(quarter[1] / quarter[0], 4.0, 0.1);  // the seat on the rib adds a little
}

TEST(SphericalTaperedNoLoad, PrescribedRadialDisplacementKeepsTheConeOnItsFirstRoller) {
  // Cone displaced radially toward the cup at azimuth 0 (10 and 50 um), axial position free:
  // the displacement stays exact, and the cone moves axially onto the first roller it meets
  // (the rollers, seated on the cone's rib, roll along the cup as it moves).
  for (double dz : {1.0e-5, 5.0e-5}) {
    SCOPED_TRACE(dz);
    auto b = sphTapered(kShapes[0]);
    Model& m = b->m();
    m.options.kfs = {0, 1, 1, 1, 1};
    m.opcond.appdisp(3) = dz;
    zqtest::scale(m);
    zela2::zela2(m);
    EXPECT_EQ(m.vecmats.racegc(3, 2), m.opcond.appdisp(3));
    expectTouchingWithoutOverlap(m);
  }
}

// ---------------------------------------------------------------- prescribed displacements

TEST(NoLoadPositions, PartlyPrescribedDisplacementsAreKeptExactly) {
  // The held axial and z displacements stay exact while y takes up the clearance (every
  // displacement held: see the examples below).
  auto b = zqtest::setUpBearing(BearingCase::kBallSi, [](Model& m) {
    zqtest::noGrowth(m);  // with fits and heat 2 um at z would overlap the ball at azimuth 0
    m.options.kfs = {1, 0, 1, 1, 1};
    m.opcond.appload(2) = -3000.0;
    m.opcond.appdisp(1) = 1.0e-5;
    m.opcond.appdisp(3) = 2.0e-6;
  });
  const Model& m = b->m();
  EXPECT_EQ(m.vecmats.racegc(1, 2), m.opcond.appdisp(1));
  EXPECT_EQ(m.vecmats.racegc(3, 2), m.opcond.appdisp(3));
  EXPECT_LT(m.vecmats.racegc(2, 2), 0.0);
}

// ---------------------------------------------------------------- stops

// Ball bearing at room temperature and standing (no growth), axial position held at `dx` (m),
// radial force free: the radial offset needs sqrt(D^2 - dx^2) with D = (f_o + f_i - 1) d.
std::unique_ptr<zqtest::TestBearing> ballHeldAxially(double dx) {
  auto b = zqtest::makeBearing(BearingCase::kBallSi);
  Model& m = b->m();
  zqtest::noGrowth(m);
  m.options.kfs = {1, 1, 0, 1, 1};
  m.opcond.appdisp(1) = dx;
  zqtest::scale(m);
  return b;
}

TEST(NoLoadPositionStops, ClearanceBeyondTheGeometryStops) {
  auto b = ballHeldAxially(1.0e-3);
  EXPECT_TRUE(zqtest::setUpStops(b->m()));
  // D = (0.53 + 0.52 - 1) 12.7 mm = 0.635 mm.
  EXPECT_EQ(b->report.str(),
            "\n     Execution terminating in Zela2 (NoLoadPos)\n"
            "     The internal clearance is larger than the bearing geometry allows:\n"
            "     no start position of the rolling elements touches both races.\n"
            "     Axial distance of race curvature centres =   1.0000E-03  (m)\n"
            "     Geometric limit                          =   6.3500E-04  (m)\n\n\n");
}

TEST(NoLoadPositionStops, RoundingBelowZeroIsZeroClearance) {
  const double d = 0.05 * 0.0127;
  // 1e-14 beyond the limit: a rounding matter, the race is offset by the bare radial gap.
  auto b = ballHeldAxially(d * (1.0 + 1.0e-14));
  EXPECT_FALSE(zqtest::setUpStops(b->m()));
  const auto& g = b->m().brggeom;
  EXPECT_NEAR(b->m().vecmats.racegc(3, 2), -(g.racecurcen(2, 2) - g.racecurcen(2, 1)), 1e-6);
  EXPECT_TRUE(std::isfinite(b->m().vecmats.regc(2, 1)));
  // 1e-9 beyond: a real shortfall.
  auto c = ballHeldAxially(d * (1.0 + 1.0e-9));
  EXPECT_TRUE(zqtest::setUpStops(c->m()));
}

TEST(NoLoadPositionStops, InvalidBearingTypeStops) {
  auto b = zqtest::setUpBearing(BearingCase::kBallSi);
  b->m().brggeom.kbrg = 7;
  EXPECT_THROW(zela2::noloadpos(b->m()), zq::StopRun);
  EXPECT_EQ(b->report.str(),
            "\n     Execution terminating in Zela2 (NoLoadPos)\n"
            "     Invalid bearing type, kBrg =    7\n\n\n");
}

// ---------------------------------------------------------------- shipped examples

// The examples, every displacement of the inner race held.
std::string holdEverything(const std::string& text) {
  std::string t = zqtest::replaceRecordValues(text, "REC3.3", {"1", "1", "1", "1", "1"});
  return zqtest::replaceRecordValues(t, "REC9.1",
                                     {"0.0", "0.0", "0.0", "1.0E-5", "-2.0E-5", "3.0E-5"});
}

const char* const kExamples[] = {
    "ball-si.txt",      "ball-english.txt",   "ball-variations-si.txt",  "cylindrical-si.txt",
    "spherical-si.txt", "tapered-si.txt",     "tapered-dry-english.txt", "spherical-tapered-si.txt",
    "cylindrical-variations-english.txt"};

std::string innerShim(const std::string& t) {
  return zqtest::replaceRecordValues(t, "REC5A", {"0.0127", "0.060", "0.0", "2.0E-5", "0.53",
                                                  "0.52", "0.0685", "0.0518", "0.0", "3.0E-4"});
}
std::string outerShim(const std::string& t) {
  return zqtest::replaceRecordValues(t, "REC5A", {"0.0127", "0.060", "0.0", "2.0E-5", "0.53",
                                                  "0.52", "0.0685", "0.0518", "3.0E-4"});
}
std::string thrustBack(const std::string& t) {
  return zqtest::replaceRecordValues(t, "REC9.1", {"-500.0"});
}
std::string innerShimBack(const std::string& t) { return thrustBack(innerShim(t)); }
void atRest(Model& m) { zqtest::noGrowth(m); }
void landOffset(Model& m) {
  for (int i = 1; i <= m.brggeom.nre; ++i) m.brggeom.recenlenoffset(i) = 1.0e-3;
}
void noRib(Model& m) { m.brggeom.kflngind(1, 2) = m.brggeom.kflngindr(2) = m.brggeom.kflnginds = 0; }

TEST(NoLoadContacts, EveryElementTouchesRaceOneAndTheSolvedRaceTouchesWithoutOverlap) {
  struct Variant {
    const char* file;
    std::string (*edit)(const std::string&);
    void (*change)(Model&);
  };
  std::vector<Variant> variants;
  for (const char* file : kExamples) {
    variants.push_back({file, nullptr, nullptr});  // fits, heat and speed as given
    variants.push_back({file, nullptr, atRest});
  }
  for (auto edit : {innerShim, outerShim, thrustBack})
    variants.push_back({"ball-si.txt", edit, nullptr});
  for (auto edit : {innerShim, innerShimBack})  // with size scatter and race imperfections
    for (auto change : {atRest, (void (*)(Model&)) nullptr})
      variants.push_back({"ball-variations-si.txt", edit, change});
  variants.push_back({"cylindrical-si.txt", nullptr, landOffset});
  variants.push_back({"tapered-si.txt", nullptr, landOffset});
  variants.push_back({"spherical-tapered-si.txt", nullptr, noRib});
  for (const Variant& v : variants) {
    const char* what = v.edit == innerShim       ? " inner shim"
                       : v.edit == innerShimBack ? " inner shim, Fx < 0"
                       : v.edit == outerShim     ? " outer shim"
                       : v.edit                  ? " Fx < 0"
                       : v.change == atRest      ? ""
                       : v.change == landOffset  ? " land offset"
                       : v.change                ? " no rib"
                                                 : "";
    SCOPED_TRACE(std::string(v.file) + what + (v.change == atRest ? " at rest" : ""));
    auto run = zqtest::setUpExample(v.file, v.edit, v.change);
    if (!run) GTEST_SKIP() << "examples not present";
    ASSERT_FALSE(run->stopped) << run->report;
    expectTouchingWithoutOverlap(*run->model);
    if (v.edit == thrustBack) {
      EXPECT_LT(run->model->vecmats.racegc(1, 2), 0.0);
    }
  }
}

// Parts at room temperature, standing, without fits; the inner race held axially at 0 and free
// radially along z (ball, cylindrical and spherical bearings), the cone free axially and held
// radially (tapered types: their clearance is set by the cone's axial position).
void radialAtRest(Model& m) {
  zqtest::noGrowth(m);
  const bool tapered = m.brggeom.kbrg >= 4;
  m.options.kfs(1) = tapered ? 0 : 1;
  m.options.kfs(2) = 1;
  m.options.kfs(3) = tapered ? 1 : 0;
  for (int k = 1; k <= 3; ++k) m.opcond.appdisp(k) = 0.0;
  m.opcond.appload(3) = 1000.0;
}

TEST(NoLoadClearance, AtRestTheOperatingClearanceIsTheFreeOneAndTwiceTheRadialTakeUp) {
  // Every bearing type, the examples without size scatter or race imperfections (the
  // tapered ones with cone angles 14 and 10 deg): the printed operating clearance equals the
  // free clearance (input, or 0 for the tapered types) and twice the radial travel of the
  // inner race toward element 1 (azimuth 0) that the contact geometry shows touching.
  for (const char* file : {"ball-si.txt", "ball-english.txt", "cylindrical-si.txt",
                           "spherical-si.txt", "tapered-si.txt", "tapered-dry-english.txt",
                           "spherical-tapered-si.txt"}) {
    SCOPED_TRACE(file);
    auto run = zqtest::setUpExample(file, nullptr, radialAtRest);
    if (!run) GTEST_SKIP() << "examples not present";
    ASSERT_FALSE(run->stopped) << run->report;
    Model& m = *run->model;
    const double sl = m.constants.slen;
    EXPECT_NEAR(m.opcond.opintcls * sl, m.brggeom.freeintcls, 1e-9 * sl);
    expectTouchingWithoutOverlap(m);
    double first = 1e300;
    for (int j = 2; j <= m.brggeom.nrace; j += 2) first = std::min(first, contactGap(m, 1, j));
    EXPECT_NEAR(first, 0.0, 1e-9);
    EXPECT_NEAR(m.opcond.opintcls, 2.0 * m.vecmats.racegc(3, 2), 1e-9);
  }
}

// The tapered example without its rib (rollers stay where they touch the cup), parts at room
// temperature except the rollers (35 K warmer), no fits, standing; the cone held axially where
// it took up the play at rest (`restCone`, m) or free to do so.
double restCone = 0.0;
void taperedNoRib(Model& m) {
  zqtest::noGrowth(m);
  m.brggeom.kflngind(1, 2) = 0;
  m.brggeom.kflngindr(2) = 0;
  m.brggeom.kflnginds = 0;
}
void warmRollersConeHeld(Model& m) {
  taperedNoRib(m);
  m.opcond.retemp(1) = m.opcond.roomtemp + 35.0;
  m.options.kfs(1) = 1;
  m.opcond.appdisp(1) = restCone;
}

TEST(NoLoadClearance, TaperedRollerGrowthCountsAsTheGeometryHasIt) {
  // With the cone held where it touched the rollers at rest, the rollers' thermal growth is
  // covered by a radial travel of the cone (negative: the rollers now overlap it) that the
  // printed clearance must equal twice over; found by bisection of the contact gap of roller 1
  // (azimuth 0) to 1e-15 roller radii.
  auto rest = zqtest::setUpExample("tapered-si.txt", nullptr, taperedNoRib);
  if (!rest) GTEST_SKIP() << "examples not present";
  ASSERT_FALSE(rest->stopped) << rest->report;
  restCone = rest->model->vecmats.racegc(1, 2) * rest->model->constants.slen;
  auto warm = zqtest::setUpExample("tapered-si.txt", nullptr, warmRollersConeHeld);
  ASSERT_FALSE(warm->stopped) << warm->report;
  Model& m = *warm->model;
  auto gap = [&m](double d) {
    m.vecmats.racegc(3, 2) += d;
    const double w = contactGap(m, 1, 2);
    m.vecmats.racegc(3, 2) -= d;
    return w;
  };
  double lo = -0.02, hi = 0.02;
  ASSERT_GT(gap(lo), 0.0);
  ASSERT_LT(gap(hi), 0.0);
  while (hi - lo > 1e-15) (gap(0.5 * (lo + hi)) > 0.0 ? lo : hi) = 0.5 * (lo + hi);
  EXPECT_LT(lo, 0.0);
  EXPECT_NEAR(m.opcond.opintcls, 2.0 * lo, 1e-9);
}

TEST(NoLoadPositionExamples, SphericalTaperedRollersTouchBothRacesNearThePitchRadius) {
  auto run = zqtest::setUpExample("spherical-tapered-si.txt");
  if (!run) GTEST_SKIP() << "examples not present";
  ASSERT_FALSE(run->stopped) << run->report;
  const Model& m = *run->model;
  ASSERT_EQ(m.brggeom.kbrg, 5);
  ASSERT_EQ(m.options.kfs(1), 0);  // axial force in equilibrium: the cone takes up the play
  expectSphericalTaperedTouches(m, true);
  expectSphericalTaperedNearPitch(m);
  // The cone moves toward the small roller ends (-x), by about the plain tapered bearing's
  // shift to the common apex, Lc (cos a1 - cos a2) = -2.1 mm for this envelope.
  const double shift = m.vecmats.racegc(1, 2) * m.constants.slen;
  EXPECT_LT(shift, -2.0e-3);
  EXPECT_GT(shift, -2.2e-3);
}

TEST(NoLoadPositionExamples, AllConstraintsHeldPutTheInnerRaceAtTheDisplacements) {
  for (const char* file : kExamples) {
    SCOPED_TRACE(file);
    auto run = zqtest::setUpExample(file, holdEverything);
    if (!run) GTEST_SKIP() << "examples not present";
    ASSERT_FALSE(run->stopped) << run->report;
    Model& m = *run->model;
    ASSERT_EQ(m.options.kfs(1), 1);
    const double sl = m.constants.slen;
    const double given[3] = {1.0e-5, -2.0e-5, 3.0e-5};
    const double toUser = m.options.kunit == 1 ? 1.0 : 0.0254;  // inches read as given
    for (int k = 1; k <= 3; ++k) {
      EXPECT_EQ(m.vecmats.racegc(k, 2), m.opcond.appdisp(k));
      EXPECT_NEAR(m.vecmats.racegc(k, 2) * sl * toUser, given[k - 1] * toUser, 1e-18);
      EXPECT_EQ(m.vecmats.racegc(k, 1), 0.0);
    }
    expectConsistentFrames(m);
    expectTouchesRaceOne(m);
  }
}

}  // namespace
