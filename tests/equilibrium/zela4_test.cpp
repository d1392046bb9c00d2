// Equilibrium solver: force balance of every converged state recomputed from fresh contacts,
// classical load distributions (Stribeck, pure thrust, line contact), the bearing stiffness
// against an independent re-solve, symmetry, element-equation derivatives against central
// differences, and the mended faults of the element and race equations.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <string>

#include "contact/zelc1.h"
#include "equilibrium/zela4.h"
#include "equilibrium/zelb1.h"
#include "model/model.h"
#include "support/bearings.h"
#include "support/rundir.h"
#include "run/stop.h"
#include "run/zelorqs.h"

namespace {

// Residuals of the converged state from fresh contacts at the packed positions: per element
// the net force on it in its azimuth frame (free variables only), and the net force on the
// inner race (free directions only), each over the largest contact load.
struct Balance {
  double element = 0.0, race = 0.0, agree = 0.0;
};

Balance balance(Model& m) {
  const auto& g = m.brggeom;
  auto& sol = m.solutions;
  const auto& vm = m.vecmats;
  Balance b;
  zq::FArray<double, 4, 40> qsolve = sol.conload;
  double qmax = 0.0;
  for (double q : qsolve) qmax = std::fmax(qmax, q);
  double race[3] = {m.opcond.appload(1), m.opcond.appload(2), m.opcond.appload(3)};
  for (int i = 1; i <= g.nre; ++i) {
    m.revecs.ire = i;
    zelc1::zelc1(m);
    double f[3] = {0.0, 0.0, 0.0};
    bool inner = false;
    for (int j = 1; j <= g.nrace; ++j) {
      if (m.revecs.krace(j) == 0) continue;
      const double q = sol.conload(j, i);
      b.agree = std::fmax(b.agree, std::abs(q - qsolve(j, i)) / qmax);
      inner = inner || (j % 2 == 0 && q > 0.0);
      for (int n = 1; n <= 3; ++n) {
        f[n - 1] -= q * vm.tacs(3, n, j, i);  // force on the element, azimuth frame
        if (j % 2 == 0)
          for (int p = 1; p <= 3; ++p) race[p - 1] += q * vm.tacs(3, n, j, i) * vm.inerttoiaz(n, p, i);
      }
    }
    // Roller ends on flanges: normal force on the element (azimuth) and on the inner race.
    for (int n = 1; n <= 3; ++n) {
      f[n - 1] += m.revecs.bflngfor(n);
      race[n - 1] += m.revecs.rflngfor(n, 2);
    }
    f[2] += sol.cenforce(i);
    if (!inner) continue;  // resting at its light outer contact
    const bool axial = m.setupa4.kf(1) == 0 && !(g.kbrg == 2 && m.setupa4.jf(1) != 0);
    if (axial) b.element = std::fmax(b.element, std::abs(f[0]) / qmax);
    b.element = std::fmax(b.element, std::abs(f[2]) / qmax);
  }
  for (int n = 1; n <= 3; ++n)
    if (m.setupa4.jf(n) == 0) b.race = std::fmax(b.race, std::abs(race[n - 1]) / qmax);
  return b;
}

}  // namespace

TEST(Equilibrium, EveryExampleBalancesItsContactForces) {
  const char* files[] = {"ball-si.txt", "ball-english.txt", "ball-variations-si.txt",
                         "cylindrical-si.txt", "cylindrical-variations-english.txt",
                         "spherical-si.txt", "spherical-tapered-si.txt", "tapered-si.txt",
                         "tapered-dry-english.txt"};
  for (const char* f : files) {
    zqtest::ScratchDir dir;
    dir.write("DATA.txt", zqtest::readSource(std::string("examples/") + f));
    auto run = zqtest::runInProcess(dir);
    ASSERT_EQ(run.status, 0) << f;
    EXPECT_NE(run.out.find("Execution completed sucessfully.."), std::string::npos) << f;
    const Balance b = balance(*run.model);
    std::printf("%-36s element %.2e race %.2e agree %.2e\n", f, b.element, b.race, b.agree);
    // The element passes stop at corrections of 1e-6 of the element's travel, the race
    // iteration at 1e-6 of the race's travel: residuals of that order of the largest load
    // (measured at most 1.5e-6 and 3e-5). The final sweep's contacts are found again.
    EXPECT_LT(b.element, 1e-5) << f;
    EXPECT_LT(b.race, 1e-4) << f;
    EXPECT_LT(b.agree, 1e-10) << f;
  }
}

namespace {

constexpr double kFlat = 1.0e10;

// A test bearing at rest without thermal growth or fits, with zero diametral clearance, loaded
// by the radial force fr (along +z) or the axial force fa (user units), solved.
std::unique_ptr<zqtest::TestBearing> solved(zqtest::BearingCase c, double fa, double fr,
                                            const std::function<void(Model&)>& more = {}) {
  auto b = zqtest::setUpBearing(c, [&](Model& m) {
    zqtest::noGrowth(m);
    m.brggeom.freeintcls = 0.0;
    m.brggeom.freeconang = 0.0;
    m.opcond.appload(1) = fa;
    m.opcond.appload(3) = fr;
    m.options.kfs = {fa != 0.0 ? 0 : 1, 1, fr != 0.0 ? 0 : 1, 1, 1};
    if (more) more(m);
    zqtest::internalGeometry(m);
  });
  zelorqs::quasistaticeq(b->m());
  return b;
}

}  // namespace

TEST(ClassicalDistribution, ZeroClearanceBallsFollowStribeck) {
  // Stribeck: delta_psi = delta_max cos psi and Q = K delta^1.5 give Q_psi = Qmax cos^1.5 psi
  // and Fr = Qmax sum cos^2.5 psi over the loaded balls (Harris, Rolling Bearing Analysis,
  // radially loaded bearings); the exact ring geometry meets it to first order: 0.5 %.
  auto b = solved(zqtest::BearingCase::kBallSi, 0.0, 3000.0);
  Model& m = b->m();
  double sum = 0.0;
  for (int i = 1; i <= m.brggeom.nre; ++i) {
    const double c = std::cos(m.vecmats.regc(3, i));
    if (c > 1e-9) sum += std::pow(c, 2.5);
  }
  const double qmax = m.opcond.appload(3) / sum;
  for (int i = 1; i <= m.brggeom.nre; ++i) {
    const double c = std::cos(m.vecmats.regc(3, i));
    const double q = m.solutions.conload(2, i);
    if (c > 1e-9) {
      EXPECT_NEAR(q / qmax, std::pow(c, 1.5), 0.005) << i;
    } else {
      // Unloaded: resting on the outer race at the light-contact load.
      EXPECT_EQ(q, 0.0) << i;
      EXPECT_NEAR(m.solutions.conload(1, i) / m.zela4.target, 1.0, 1e-6) << i;
    }
  }
  // A race centred axially still gets its axial and transverse stiffness.
  for (int n = 1; n <= 3; ++n) EXPECT_GT(m.solutions.brgstiffness(n), 0.0) << n;
  // The final sweep over the packed state finds the loads of the last solve.
  const zq::FArray<double, 4, 40> solve = m.solutions.conload;
  zelb1::zelb1(m);
  for (int i = 1; i <= m.brggeom.nre; ++i)
    for (int j = 1; j <= 2; ++j) EXPECT_NEAR(m.solutions.conload(j, i), solve(j, i), 1e-12 * qmax);
}

TEST(ClassicalDistribution, ZeroClearanceRollersFollowTheSliceLaw) {
  // Straight rollers: every slice takes the same interference, so a roller carries
  // Q = K delta^(10/9) and Q_psi = Qmax cos^1.1111111 psi (the slice law exponent; Harris).
  auto b = solved(zqtest::BearingCase::kCylindricalSi, 0.0, 5000.0,
                  [](Model& m) { m.brggeom.brecrn = kFlat; });
  Model& m = b->m();
  const double qmax = m.solutions.conload(2, 1);
  for (int i = 1; i <= m.brggeom.nre; ++i) {
    const double c = std::cos(m.vecmats.regc(3, i));
    const double want = c > 0.0 ? qmax * std::pow(c, 1.1111111) : 0.0;
    EXPECT_NEAR(m.solutions.conload(2, i), want, 0.005 * qmax) << i;
  }
}

TEST(ClassicalDistribution, ThrustLoadedBallsShareTheLoadAtTheLoadedContactAngle) {
  // Pure thrust: Q = Fa / (Z sin a), and the curvature centres, A = (fo + fi - 1) D apart at
  // the free contact angle a0, move apart by the total approach (Harris, thrust-loaded ball
  // bearings): Fa / Z = Kn A^1.5 sin a (cos a0 / cos a - 1)^1.5 with the contacts' Hertz
  // constants in series, Kn^(-2/3) = Ko^(-2/3) + Ki^(-2/3). Solved here for a by bisection.
  auto b = solved(zqtest::BearingCase::kBallSi, 500.0, 0.0,
                  [](Model& m) { m.brggeom.freeintcls = 1.0e-4; });
  Model& m = b->m();
  const auto& g = m.brggeom;
  const auto& s = m.solutions;
  const int z = g.nre;
  const double aa = g.racecurrad(1) + g.racecurrad(2) - g.redia(1);
  const double a0 = std::acos((g.racecurcen(2, 2) - g.racecurcen(2, 1)) / aa);
  const double ko = s.conload(1, 1) / std::pow(s.condef(1, 1), 1.5);
  const double ki = s.conload(2, 1) / std::pow(s.condef(2, 1), 1.5);
  const double kn = std::pow(std::pow(ko, -2.0 / 3.0) + std::pow(ki, -2.0 / 3.0), -1.5);
  const double fa = m.opcond.appload(1) / z;
  double lo = a0, hi = 1.5;
  for (int n = 0; n < 200; ++n) {
    const double a = 0.5 * (lo + hi);
    const double f = kn * std::pow(aa, 1.5) * std::sin(a) * std::pow(std::cos(a0) / std::cos(a) - 1.0, 1.5);
    (f > fa ? hi : lo) = a;
  }
  const double alpha = 0.5 * (lo + hi);
  for (int i = 1; i <= z; ++i) {
    EXPECT_NEAR(s.conang(1, 1, i), alpha, 1e-6) << i;
    // The race converges to 1e-6 of its axial position: 1e-4 of the load.
    EXPECT_NEAR(s.conload(1, i) * std::sin(alpha) / fa, 1.0, 1e-4) << i;
    EXPECT_NEAR(s.conload(2, i) / s.conload(1, i), 1.0, 1e-5) << i;  // element tolerance
  }
}

namespace {

// Residuals E and derivatives A of element i's equations at its current position, with the
// spin attitude's outputs (centrifugal force, gyroscopic moment, orbital speed) held.
void elementeqns(Model& m, zela4::Host& h, int i) {
  auto& vm = m.vecmats;
  h.i = i;
  m.revecs.ire = i;
  h.kb = 12 * (i - 1) + 1;
  const double th = vm.regc(3, i);
  h.ct = std::cos(th);
  h.st = std::sin(th);
  vm.regci(1, i) = vm.regc(1, i);
  vm.regci(2, i) = -vm.regc(2, i) * h.st;
  vm.regci(3, i) = vm.regc(2, i) * h.ct;
  zela4::elementframes(m, i);
  zelc1::zelc1(m);
  if (m.setupa4.kvar == 0)
    for (int j = 1; j <= 2; ++j) {
      m.setupa4.ca(2 * j - 1) = std::cos(m.solutions.conang(j, 1, i));
      m.setupa4.sa(2 * j - 1) = std::sin(m.solutions.conang(j, 1, i));
    }
  m.setupa4.ftol = -1.0;  // solve every equation: the residuals stay in gx
  zela4::reeqns(m, h);
}

// Central differences of the element equations (step 1e-6 of the unit length and 1e-6 rad:
// truncation ~1e-12 relative, rounding ~1e-10 of the largest load) against A.
void expectElementDerivatives(Model& m, int i, int nvar, const char* what) {
  zela4::Host h;
  h.mom = nvar == 3 ? 1 : 0;
  h.omega = m.genvecs.x(12 * (i - 1) + 7);
  elementeqns(m, h, i);
  const zq::FArray<double, 3, 3> a = h.a;
  double scale = 0.0;
  for (int j = 1; j <= 2; ++j) scale = std::fmax(scale, m.solutions.conload(j, i));
  const double step = 1e-6;
  for (int v = 1; v <= nvar; ++v) {
    double* u = v < 3 ? &m.vecmats.regc(v, i) : &m.genvecs.x(12 * (i - 1) + 9);
    double e[2][3];
    for (int sgn = 0; sgn < 2; ++sgn) {
      *u += sgn == 0 ? step : -2.0 * step;
      elementeqns(m, h, i);
      for (int r = 1; r <= 3; ++r) e[sgn][r - 1] = m.setupa4.gx(r);
    }
    *u += step;
    for (int r = 1; r <= nvar; ++r) {
      const double fd = (e[0][r - 1] - e[1][r - 1]) / (2.0 * step);
      if (r == v && std::abs(fd) < 1e-6) continue;  // no stiffness: the unit pivot stands in
      // 2e-4: the crown centre of a crowned roller in a groove is held at its position; and
      // 1e-5 of the row's largest entry: the two raceways' terms of a line contact cancel.
      const double row = std::fmax(std::abs(a(r, 1)), std::fmax(std::abs(a(r, 2)), std::abs(a(r, 3))));
      EXPECT_NEAR(a(r, v), fd, 2e-4 * (std::abs(fd) + scale) + 1e-5 * row)
          << what << " type " << m.brggeom.kbrg << " row " << r << " variable " << v;
    }
  }
}

// Flanges on both sides of both races: an axial load passes through the roller ends.
void innerribs(Model& m) {
  auto& g = m.brggeom;
  g.kflngind(1, 2) = g.kflngind(2, 2) = g.kflngindr(2) = 1;
  g.flngang(1, 2) = g.flngang(2, 2) = 0.5;
  g.flnght(1, 2) = g.flnght(2, 2) = 0.0025;
}

}  // namespace

TEST(ElementEquations, DerivativesAreCentralDifferencesOfTheEquations) {
  // Point contacts in grooves (ball, spherical and spherical tapered rollers: the groove
  // branch), a line contact with the tilt solved, and a crowned roller on straight races
  // (contact type -1: the contact's own derivatives).
  struct Case {
    zqtest::BearingCase c;
    double crown, fa;
    int nvar;
  } cases[] = {{zqtest::BearingCase::kBallSi, 0.0, 0.0, 2},
               {zqtest::BearingCase::kSphericalSi, 0.0, 0.0, 2},
               {zqtest::BearingCase::kSphericalTaperedSi, 0.0, 2500.0, 2},
               {zqtest::BearingCase::kCylindricalSi, 0.0, 0.0, 3},
               {zqtest::BearingCase::kCylindricalSi, 0.0, 300.0, 3},  // roller ends on flanges
               {zqtest::BearingCase::kCylindricalSi, 0.05, 0.0, 2}};
  for (const Case& k : cases) {
    auto b = solved(k.c, k.fa, 4000.0, [&](Model& m) {
      if (k.c == zqtest::BearingCase::kCylindricalSi && k.fa > 0.0) innerribs(m);
      if (k.crown > 0.0) {
        m.brggeom.brecrn = k.crown;
        m.brggeom.brecenlen = 0.0;
      }
    });
    Model& m = b->m();
    if (k.crown > 0.0) {
      ASSERT_EQ(m.brggeom.kcontype(1, 1), -1);
    }
    if (m.brggeom.kbrg == 2 && k.fa > 0.0) {
      m.revecs.ire = 1;
      zelc1::zelc1(m);
      ASSERT_GT(m.revecs.idflngsol, 0);
    }
    expectElementDerivatives(m, 1, k.nvar, "loaded");
    expectElementDerivatives(m, 2, k.nvar, "second");
  }
}

namespace {

// Force of the inner race's contacts and flanges on it, inertial, over all elements.
zq::Vec3 innerraceforce(const Model& m) {
  zq::Vec3 r;
  for (int i = 1; i <= m.brggeom.nre; ++i)
    for (int n = 1; n <= 3; ++n)
      for (int p = 1; p <= 3; ++p)
        r(n) += (m.solutions.conload(2, i) * m.vecmats.tacs(3, p, 2, i) +
                 m.setupb1.raceflngfors(p, 2, i)) * m.vecmats.inerttoiaz(p, n, i);
  return r;
}

}  // namespace

TEST(BearingStiffness, EachDirectionIsTheOneSidedQuotientOfAReSolve) {
  // From the solution, the held inner race stepped by 1 % of its largest centre offset along
  // x, y and z, every element re-solved on its own: k = (R(0) - R(step)) / step.
  // (A single tapered row needs an axial load above Fr tan a, about 640 N here.)
  for (auto c : {zqtest::BearingCase::kBallSi, zqtest::BearingCase::kTaperedSi}) {
  auto b = solved(c, c == zqtest::BearingCase::kBallSi ? 500.0 : 2500.0, 3000.0,
                  [](Model& m) { m.brggeom.freeintcls = 2.0e-5; });
  Model& m = b->m();
  auto& vm = m.vecmats;
  const zq::Vec3 r0 = innerraceforce(m);
  double step = 0.0;
  for (int n = 1; n <= 3; ++n) step = std::fmax(step, std::abs(vm.racegc(n, 2) - vm.racegc(n, 1)));
  step /= 100.0;
  m.setupa4.kfq = 1;
  m.setupa4.ib = m.brggeom.nre;
  m.setupa4.sx.fill(1.0);
  const auto regc = vm.regc;
  const auto x = m.genvecs.x;
  for (int n = 1; n <= 3; ++n) {
    vm.racegc(n, 2) += step;
    zela4::zela4(m, 0);
    const double k = (r0(n) - innerraceforce(m)(n)) / step;
    vm.racegc(n, 2) -= step;
    vm.regc = regc;
    m.genvecs.x = x;
    EXPECT_GT(k, 0.0) << n;
    EXPECT_NEAR(m.solutions.brgstiffness(n) / m.constants.cstiff / k, 1.0, 1e-3) << n;
  }
  }
}

TEST(Symmetry, MirrorReducedAndFullSolvesAgreeAndMirrorEachOther) {
  // Load in the x-z plane: elements at theta and 2 pi - theta are mirror images.
  // A moment about y tilts the race (the moment row carries the weight of both halves).
  auto tilt = [](Model& m) {
    m.brggeom.freeintcls = 2.0e-5;
    m.options.kfs(4) = 0;
    m.opcond.appmoment(1) = 5.0;
  };
  auto reduced = solved(zqtest::BearingCase::kBallSi, 500.0, 3000.0, tilt);
  ASSERT_LT(reduced->m().setupa4.ib, reduced->m().brggeom.nre);
  auto full = solved(zqtest::BearingCase::kBallSi, 500.0, 3000.0, [&](Model& m) {
    tilt(m);
    m.options.kfs(2) = 0;  // y force free (and 0): no reduction, same equilibrium
  });
  Model& r = reduced->m();
  Model& f = full->m();
  ASSERT_EQ(f.setupa4.ib, f.brggeom.nre);
  const int nre = r.brggeom.nre;
  const double qmax = r.solutions.conload(2, 1);
  for (int i = 1; i <= nre; ++i) {
    const int mirror = i == 1 ? 1 : nre + 2 - i;
    for (int j = 1; j <= 2; ++j) {
      EXPECT_NEAR(r.solutions.conload(j, i), f.solutions.conload(j, i), 1e-5 * qmax) << i;
      EXPECT_NEAR(f.solutions.conload(j, i), f.solutions.conload(j, mirror), 1e-5 * qmax) << i;
      EXPECT_NEAR(r.solutions.conang(j, 2, i), -r.solutions.conang(j, 2, mirror), 1e-9) << i;
      for (int p = 1; p <= 3; ++p)
        for (int q = 1; q <= 3; ++q) {
          const double d = (p == 2) != (q == 2) ? -1.0 : 1.0;  // D tacs D, D = diag(1, -1, 1)
          EXPECT_NEAR(r.vecmats.tacs(p, q, j, i), d * r.vecmats.tacs(p, q, j, mirror), 1e-6);
        }
    }
  }
}

TEST(FirstCallConstants, PointContactConstantIsTheLoadOverTheApproachToThreeHalves) {
  // Q = cons delta^1.5 of the Hertz contact at element 1's contact angle, outer (concave) and
  // inner (convex) race, for balls, spherical and spherical tapered rollers and a crowned
  // cylindrical roller on straight races.
  const zqtest::BearingCase cases[] = {
      zqtest::BearingCase::kBallSi, zqtest::BearingCase::kSphericalSi,
      zqtest::BearingCase::kSphericalTaperedSi, zqtest::BearingCase::kCylindricalSi};
  for (auto c : cases) {
    auto b = solved(c, c == zqtest::BearingCase::kSphericalTaperedSi ? 2500.0 : 0.0, 4000.0,
                    [&](Model& m) {
                      if (c != zqtest::BearingCase::kCylindricalSi) return;
                      m.brggeom.brecrn = 0.05;
                      m.brggeom.brecenlen = 0.0;
                    });
    Model& m = b->m();
    m.revecs.ire = 1;
    zelc1::zelc1(m);
    for (int j = 1; j <= 2; ++j) {
      const double q = m.solutions.conload(j, 1), d = m.solutions.condef(j, 1);
      ASSERT_GT(q, 0.0);
      EXPECT_NEAR(zela4::pointcons(m, j) / (q / std::pow(d, 1.5)), 1.0, 1e-12)
          << m.brggeom.kbrg << " race " << j;
    }
  }
}

TEST(InitialGuess, UnloadedTrialContactLeavesOutTheElasticPart) {
  // Cylindrical rollers with the axial force free: the axial trial push loads no line
  // contact (Q / delta would be 0 / 0); the solve still balances.
  auto b = solved(zqtest::BearingCase::kCylindricalSi, 0.0, 5000.0,
                  [](Model& m) { m.options.kfs(1) = 0; });
  const Balance bal = balance(b->m());
  EXPECT_LT(bal.element, 1e-5);
  EXPECT_LT(bal.race, 1e-4);
}

TEST(SplitRace, EitherHalfOfTheInnerRaceCarriesTheThrust) {
  // A shim splits the inner race: thrust either way loads one half alone; both balance.
  for (double fa : {500.0, -500.0}) {
    auto b = solved(zqtest::BearingCase::kBallSi, fa, 0.0, [&](Model& m) {
      m.brggeom.shimthkns(2) = 2.0e-4;
      m.brggeom.freeintcls = 1.0e-4;
      m.opcond.rpm(2) = fa > 0.0 ? 0.0 : 6000.0;  // at speed under race control
      m.setupa4.kangvel = 1;
    });
    Model& m = b->m();
    ASSERT_EQ(m.brggeom.nrace, 4);
    const Balance bal = balance(m);
    EXPECT_LT(bal.element, 1e-5) << fa;
    EXPECT_LT(bal.race, 1e-4) << fa;
    const int half = m.solutions.conload(2, 1) > 0.0 ? 2 : 4;
    EXPECT_EQ(m.solutions.conload(6 - half, 1), 0.0) << fa;
    EXPECT_GT(m.solutions.conload(half, 1), 0.0) << fa;
  }
}

TEST(RaceEquations, FreeDirectionWithoutStiffnessGetsARestoringPivot) {
  // No loaded contact along x: the pivot -|b| / (gap + delta_b / 2) moves the race toward the
  // load (correction of the sign of -b) whatever the largest approach, overlap included.
  auto b = zqtest::setUpBearing(zqtest::BearingCase::kBallSi);
  Model& m = b->m();
  m.setupa4.jf = {0, 1, 1, 1, 1};
  m.setupa4.xn = 1.5;
  m.setupa4.ftol = 1e-8;
  m.options.kraceeq = 2;
  m.zela4.con(2) = 8.0;
  for (double dmax : {-0.01, 0.0, 0.125}) {  // 0.125 = (1/8)^(2/3) / 2: half the approach
    zela4::Host h;
    h.b(1) = 1.0;
    h.dmax2 = dmax;
    zela4::solveraceeqns(m, h);
    EXPECT_EQ(m.errors.ierind, 0);
    EXPECT_LT(h.b(1), 0.0) << dmax;
    EXPECT_TRUE(std::isfinite(h.b(1))) << dmax;
  }
}

TEST(ElementEquations, APendingRecordIsNotCleared) {
  auto b = solved(zqtest::BearingCase::kBallSi, 0.0, 3000.0);
  Model& m = b->m();
  zela4::Host h;
  m.errors.ierind = 115;
  elementeqns(m, h, 1);
  EXPECT_EQ(m.errors.ierind, 115);
}

TEST(UnloadedElement, BallWithoutInnerContactRestsOnItsCentrifugalForce) {
  // Radial load at speed: the balls opposite the load leave the inner race and are held
  // against the outer race by their centrifugal force alone (no tilt equation for a ball).
  auto b = solved(zqtest::BearingCase::kBallSi, 0.0, 3000.0, [](Model& m) {
    m.opcond.rpm(2) = 10000.0;
    m.brggeom.freeintcls = 2.0e-5;
    m.setupa4.kangvel = 1;
  });
  Model& m = b->m();
  // Loaded balls at contact angle 0 under race control roll purely at both contact centres:
  // cage speed (1 - D / dm) / 2 of the inner race's (Harris, ball kinematics) and centrifugal
  // force m (dm / 2) Omega^2 (2e-3: the clearance and approaches move the rolling radii).
  const auto& g = m.brggeom;
  const double cage = m.vecmats.raceangvel(1, 2) * (1.0 - g.redia(1) / g.pitchdia) / 2.0;
  int unloaded = 0;
  for (int i = 1; i <= m.brggeom.nre; ++i) {
    const double w = m.genvecs.x(12 * (i - 1) + 7), mrw2 = g.remass(i) * g.pitchdia * w * w / 2;
    if (m.solutions.conload(2, i) != 0.0) {
      EXPECT_NEAR(w / cage, 1.0, 2e-3) << i;
      EXPECT_NEAR(m.solutions.cenforce(i) / mrw2, 1.0, 2e-3) << i;
      continue;
    }
    ++unloaded;
    const double q = m.solutions.conload(1, i), a = m.solutions.conang(1, 1, i);
    EXPECT_NEAR(q * std::cos(a) / m.solutions.cenforce(i), 1.0, 1e-5) << i;
  }
  EXPECT_GT(unloaded, 0);
}

TEST(UnloadedElement, RestsAtTheTargetLoadInTheOuterRaceAttitude) {
  // At rest a roller off the inner race rests at its light outer contact: a spherical roller on
  // its 10 degree contact, and a cylindrical roller in a misaligned outer race with its axis
  // along the race axis (to first order: tilts b1, b2 of the race about y, z are
  // b1 cos t + b2 sin t, b2 cos t - b1 sin t about the azimuth y, z axes at azimuth t).
  for (auto c : {zqtest::BearingCase::kSphericalSi, zqtest::BearingCase::kCylindricalSi}) {
    auto b = solved(c, 0.0, 4000.0, [&](Model& m) {
      m.brggeom.freeconang = 10.0;
      m.opcond.appmis(1, 1) = 1.0e-3;
      m.opcond.appmis(2, 1) = 6.0e-4;
    });
    Model& m = b->m();
    const auto& vm = m.vecmats;
    for (int i = 1; i <= m.brggeom.nre; ++i) {
      if (m.solutions.conload(2, i) != 0.0) continue;
      EXPECT_NEAR(m.solutions.conload(1, i) / m.zela4.target, 1.0, 1e-3) << i;
      for (int n = 2; n <= 3 && m.brggeom.kbrg == 2; ++n)
        EXPECT_NEAR(vm.inerttore(1, n, i), vm.inerttorace(1, n, 1), 2e-6) << i;
    }
  }
}

TEST(RaceEquations, RibsOfRollersOffTheInnerRacewayCarryThrustToo) {
  // At speed the rollers off the inner raceway still pass thrust from rib to rib: the inner
  // race's axial balance takes every roller's rib force. The race starts inside the clearance,
  // with no raceway to stiffen it radially.
  auto b = solved(zqtest::BearingCase::kCylindricalSi, 300.0, 4000.0, [](Model& m) {
    innerribs(m);
    m.opcond.rpm(2) = 3000.0;
    m.brggeom.freeintcls = 3.0e-5;
  });
  EXPECT_LT(balance(b->m()).race, 1e-4);
}

TEST(BearingStiffness, ConcentricRaceGetsAFiniteStep) {
  auto b = solved(zqtest::BearingCase::kBallSi, 0.0, 0.0);
  for (int n = 1; n <= 3; ++n) EXPECT_TRUE(std::isfinite(b->m().solutions.brgstiffness(n))) << n;
}

TEST(RaceEquations, SelfAligningBearingCannotCarryAMoment) {
  // A spherical roller bearing turns freely about any transverse axis: a moment about y with
  // the tilt free has no equilibrium, and the race iteration stops the run.
  auto b = zqtest::setUpBearing(zqtest::BearingCase::kSphericalSi, [](Model& m) {
    m.options.kfs(4) = 0;
    m.opcond.appmoment(1) = 5.0;
  });
  EXPECT_THROW(zelorqs::quasistaticeq(b->m()), zq::StopRun);
  EXPECT_NE(b->report.str().find("Iteration count encountered for race eqns in Zela4."),
            std::string::npos);
}

TEST(SpinAttitudeOption, AnUnknownOptionStopsTheRunWithItsValue) {
  zqtest::ScratchDir dir;
  dir.write("DATA.txt", zqtest::replaceRecordValues(zqtest::readSource("examples/ball-si.txt"),
                                                    "REC3.3", {"0", "1", "0", "1", "1", "3"}));
  auto run = zqtest::runInProcess(dir);
  EXPECT_EQ(run.status, 1);
  const std::string report = dir.read("PRINT.txt");
  for (const char* line : {"     Execution terminating in Zela4.",
                           "     Invalid initial angular velocity option",
                           "     kAngVel, on Input Record 3.3", "     Input value is:",
                           "          3"})
    EXPECT_NE(report.find(std::string("\n") + line), std::string::npos) << line;
}

TEST(RaceEquations, DerivativesAreCentralDifferencesOfTheEquations) {
  // Element 2's terms by the race's five unknowns, elements held (step 1e-7; 10 %: the groove
  // centre is held on the race, a strip end at the profile end gives a few per cent; a flange
  // term in a wrong frame is off by its size). Ball: force rows (moments hold the arms).
  for (auto c : {zqtest::BearingCase::kTaperedSi, zqtest::BearingCase::kCylindricalSi,
                 zqtest::BearingCase::kBallSi}) {
    auto b = zqtest::setUpBearing(c, [](Model& m) {
      zqtest::noGrowth(m);
      m.opcond.appload(1) = m.brggeom.kbrg == 2 ? 0.0 : 2500.0;
      m.options.kfs = {m.brggeom.kbrg == 2 ? 1 : 0, 1, 0, 0, 1};
      m.opcond.appmoment(1) = 2.0;
    });
    Model& m = b->m();
    zelorqs::quasistaticeq(m);
    zela4::Host h;
    h.i = m.revecs.ire = 2;
    h.ct = std::cos(m.vecmats.regc(3, 2));
    h.st = std::sin(m.vecmats.regc(3, 2));
    auto eqns = [&]() {
      zela4::raceframes(m, 2);
      zelc1::zelc1(m);
      h.b.fill(0.0);
      h.ar.fill(0.0);
      zela4::buildraceeqns(m, h);
    };
    eqns();
    const zq::FArray<double, 5, 5> a = h.ar;
    const int kb = 12 * (m.brggeom.nre + 1) + 1;
    for (int u = 1; u <= 5; ++u) {
      double* p = u <= 3 ? &m.vecmats.racegc(u, 2) : &m.genvecs.x(kb + u + 4);
      double e[2][5];
      for (int sgn = 0; sgn < 2; ++sgn) {
        *p += sgn == 0 ? 1e-7 : -2e-7;
        eqns();
        for (int r = 0; r < 5; ++r) e[sgn][r] = h.b(r + 1);
      }
      *p += 1e-7;
      for (int r = 1; r <= (m.brggeom.kbrg == 1 ? 3 : 5); ++r) {
        double row = 0.0;
        for (int n = 1; n <= 5; ++n) row = std::fmax(row, std::abs(a(r, n)));
        const double fd = (e[0][r - 1] - e[1][r - 1]) / 2e-7;
        EXPECT_NEAR(a(r, u), fd, 0.1 * std::abs(fd) + 1e-6 * row)
            << m.brggeom.kbrg << " row " << r << " unknown " << u;
      }
    }
  }
}
