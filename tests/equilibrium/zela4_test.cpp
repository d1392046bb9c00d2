// Equilibrium solver: force balance, classical distributions, stiffness, symmetry, derivatives.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "contact/zelc1.h"
#include "equilibrium/zela4.h"
#include "model/model.h"
#include "run/stop.h"
#include "run/zelorqs.h"
#include "support/bearings.h"
#include "support/rundir.h"

namespace {

using zqtest::BearingCase;

// Net force over each element's largest load (azimuth frame) and on the inner race (free
// directions): tol 1e-6 of travel (seen 1.5e-6, 3e-5); off-race elements at target, rollers 2e-6.
int expectBalanced(Model& m, const std::string& what, double etol = 1e-5) {
  const auto& g = m.brggeom;
  const auto& vm = m.vecmats;
  double qmax = 0.0, element = 0.0, race = 0.0, rest = 0.0, tilt = 0.0;
  int free = 0;
  for (double q : m.solutions.conload) qmax = std::fmax(qmax, q);
  double r[3] = {m.opcond.appload(1), m.opcond.appload(2), m.opcond.appload(3)};
  for (int i = 1; i <= g.nre && qmax > 0.0; ++i) {
    m.revecs.ire = i;
    zelc1::zelc1(m);
    double f[3] = {0.0, 0.0, m.solutions.cenforce(i)};
    bool inner = false;
    for (int j = 1; j <= g.nrace; ++j) {
      if (m.revecs.krace(j) == 0) continue;
      const double q = m.solutions.conload(j, i);
      inner = inner || (j % 2 == 0 && q > 0.0);
      for (int n = 1; n <= 3; ++n) {
        f[n - 1] -= q * vm.tacs(3, n, j, i);  // force on the element, azimuth frame
        for (int p = 1; p <= 3 && j % 2 == 0; ++p) r[p - 1] += q * vm.tacs(3, n, j, i) * vm.inerttoiaz(n, p, i);
      }
    }
    for (int n = 1; n <= 3; ++n) {  // roller ends on flanges: on the element and the inner race
      f[n - 1] += m.revecs.bflngfor(n);
      r[n - 1] += m.revecs.rflngfor(n, 2);
    }
    free += !inner;
    if (!inner && m.solutions.cenforce(i) <= m.zela4.target) {
      rest = std::fmax(rest, std::abs(m.solutions.conload(1, i) / m.zela4.target - 1.0));
      for (int n = 2; n <= 3 && g.kbrg == 2; ++n)
        tilt = std::fmax(tilt, std::abs(vm.inerttore(1, n, i) - vm.inerttorace(1, n, 1)));
      continue;
    }
    if (inner && m.setupa4.kf(1) == 0 && !(g.kbrg == 2 && m.setupa4.jf(1) != 0))
      element = std::fmax(element, std::abs(f[0]) / qmax);
    element = std::fmax(element, std::abs(f[2]) / qmax);
  }
  for (int n = 1; n <= 3 && qmax > 0.0; ++n)
    if (m.setupa4.jf(n) == 0) race = std::fmax(race, std::abs(r[n - 1]) / qmax);
  EXPECT_TRUE(element < etol && race < 1e-4 && rest < 1e-3 && tilt < 2e-6)
      << what << " " << element << " " << race << " " << rest << " " << tilt;
  for (int n = 1; n <= 3; ++n) EXPECT_TRUE(std::isfinite(m.solutions.brgstiffness(n))) << what;
  return free;
}

// Test bearing at rest, no thermal growth or fits, zero clearance, radial fr (+z) or axial fa.
std::unique_ptr<zqtest::TestBearing> solved(BearingCase c, double fa, double fr,
                                            const std::function<void(Model&)>& more = {}) {
  auto b = zqtest::setUpBearing(c, [&](Model& m) {
    zqtest::noGrowth(m);
    m.brggeom.freeintcls = m.brggeom.freeconang = 0.0;
    m.opcond.appload(1) = fa, m.opcond.appload(3) = fr;
    m.options.kfs = {fa != 0.0 ? 0 : 1, 1, fr != 0.0 ? 0 : 1, 1, 1};
    if (more) more(m);
    zqtest::internalGeometry(m);
  });
  zelorqs::quasistaticeq(b->m());
  return b;
}

void innerribs(Model& m) {  // flanges on both sides of both races: thrust through roller ends
  auto& g = m.brggeom;
  g.kflngind(1, 2) = g.kflngind(2, 2) = g.kflngindr(2) = 1, g.flngang(1, 2) = g.flngang(2, 2) = 0.5;
  g.flnght(1, 2) = g.flnght(2, 2) = 0.0025;
}

}  // namespace

TEST(Equilibrium, EveryExampleBalancesItsContactForces) {
  for (const char* f : {"ball-si.txt", "ball-english.txt", "ball-variations-si.txt",
                        "cylindrical-si.txt", "cylindrical-variations-english.txt",
                        "spherical-si.txt", "spherical-tapered-si.txt", "tapered-si.txt",
                        "tapered-dry-english.txt"}) {
    zqtest::ScratchDir dir;
    dir.write("DATA.txt", zqtest::readSource(std::string("examples/") + f));
    auto run = zqtest::runInProcess(dir);
    ASSERT_EQ(run.status, 0) << f;
    EXPECT_NE(run.out.find("Execution completed sucessfully.."), std::string::npos) << f;
    expectBalanced(*run.model, f);
  }
}

TEST(Equilibrium, HandBuiltCasesBalanceTheirContactForces) {
  // Rollers, axial free (Q/delta not 0/0); split inner race; at speed thrust rib to rib; no load;
  // balls off load on centrifugal force; rollers at target, misaligned outer race: 4e-5 of load.
  const auto split = [](Model& m) {
    m.brggeom.shimthkns(2) = 2.0e-4, m.brggeom.freeintcls = 1.0e-4, m.setupa4.kangvel = 1;
    m.opcond.rpm(2) = m.opcond.appload(1) > 0.0 ? 0.0 : 6000.0;
  };
  const auto misaligned = [](Model& m) {
    m.brggeom.freeconang = 10.0, m.opcond.appmis(1, 1) = 1.0e-3, m.opcond.appmis(2, 1) = 6.0e-4;
  };
  const struct { BearingCase c; double fa, fr; std::function<void(Model&)> edit; } cases[] = {
      {BearingCase::kCylindricalSi, 0.0, 5000.0, [](Model& m) { m.options.kfs(1) = 0; }},
      {BearingCase::kBallSi, 500.0, 0.0, split}, {BearingCase::kBallSi, -500.0, 0.0, split},
      {BearingCase::kCylindricalSi, 300.0, 4000.0,
       [](Model& m) { innerribs(m), m.opcond.rpm(2) = 3000.0, m.brggeom.freeintcls = 3.0e-5; }},
      {BearingCase::kBallSi, 0.0, 0.0, {}},
      {BearingCase::kBallSi, 0.0, 3000.0,
       [](Model& m) { m.opcond.rpm(2) = 1.0e4, m.brggeom.freeintcls = 2.0e-5, m.setupa4.kangvel = 1; }},
      {BearingCase::kSphericalSi, 0.0, 4000.0, misaligned},
      {BearingCase::kCylindricalSi, 0.0, 4000.0, misaligned}};
  for (const auto& k : cases) {
    auto b = solved(k.c, k.fa, k.fr, k.edit);
    Model& m = b->m();
    const int n = int(&k - cases);
    EXPECT_TRUE(expectBalanced(m, std::to_string(n), n == 7 ? 1e-4 : 1e-5) > 0 || k.fr == 0.0) << n;
    if (m.brggeom.nrace < 4) continue;
    const int half = m.solutions.conload(2, 1) > 0.0 ? 2 : 4;
    EXPECT_TRUE(m.solutions.conload(6 - half, 1) == 0.0 && m.solutions.conload(half, 1) > 0.0);
  }
}

TEST(ClassicalDistribution, ZeroClearanceRadialLoadFollowsStribeck) {
  // Stribeck (Harris, Rolling Bearing Analysis): Qmax cos^n psi, Fr = Qmax sum cos^(n+1) psi;
  // n = 1.5 balls (Hertz), 10/9 rollers (slice law); exact geometry to 0.5 %.
  for (const bool ball : {true, false}) {
    auto b = ball ? solved(BearingCase::kBallSi, 0.0, 3000.0)
                  : solved(BearingCase::kCylindricalSi, 0.0, 5000.0,
                           [](Model& m) { m.brggeom.brecrn = 1.0e10; });
    Model& m = b->m();
    const double n = ball ? 1.5 : 10.0 / 9.0;
    double sum = 0.0;
    for (int i = 1; i <= m.brggeom.nre; ++i)
      sum += std::pow(std::fmax(std::cos(m.vecmats.regc(3, i)), 0.0), n + 1.0);
    const double qmax = m.opcond.appload(3) / sum;
    for (int i = 1; i <= m.brggeom.nre; ++i) {
      const double c = std::cos(m.vecmats.regc(3, i)), q = m.solutions.conload(2, i);
      const double rest = m.solutions.conload(1, i) / m.zela4.target;
      EXPECT_TRUE(c > 1e-9 ? std::abs(q / qmax - std::pow(c, n)) < 0.005 : q == 0.0 && std::abs(rest - 1.0) < 1e-6)
          << ball << " " << i << " " << q / qmax;
    }
    // A ball bearing's race centred axially still gets its axial and transverse stiffness.
    for (int k = 1; k <= 3 && ball; ++k) EXPECT_GT(m.solutions.brgstiffness(k), 0.0) << k;
  }
}

TEST(ClassicalDistribution, ThrustLoadedBallsShareTheLoadAtTheLoadedContactAngle) {
  // Thrust (Harris, thrust-loaded ball bearings): Q = Fa / (Z sin a), A = (fo + fi - 1) D, Fa / Z
  // = Kn A^1.5 sin a (cos a0 / cos a - 1)^1.5, Kn^(-2/3) = Ko^(-2/3) + Ki^(-2/3); bisection.
  auto b = solved(BearingCase::kBallSi, 500.0, 0.0, [](Model& m) { m.brggeom.freeintcls = 1.0e-4; });
  Model& m = b->m();
  const auto& g = m.brggeom;
  const auto& s = m.solutions;
  const double aa = g.racecurrad(1) + g.racecurrad(2) - g.redia(1);
  const double a0 = std::acos((g.racecurcen(2, 2) - g.racecurcen(2, 1)) / aa);
  double kn = 0.0, fa = m.opcond.appload(1) / g.nre;
  for (int j = 1; j <= 2; ++j) kn += std::pow(s.conload(j, 1) / std::pow(s.condef(j, 1), 1.5), -2.0 / 3.0);
  kn = std::pow(kn, -1.5);
  double lo = a0, hi = 1.5;
  for (int n = 0; n < 200; ++n) {
    const double a = 0.5 * (lo + hi);
    (kn * std::pow(aa, 1.5) * std::sin(a) * std::pow(std::cos(a0) / std::cos(a) - 1.0, 1.5) > fa ? hi : lo) = a;
  }
  for (int i = 1; i <= g.nre; ++i) {
    EXPECT_NEAR(s.conang(1, 1, i), lo, 1e-6) << i;
    // The race converges to 1e-6 of its axial position: 1e-4 of the load.
    EXPECT_NEAR(s.conload(1, i) * std::sin(lo) / fa, 1.0, 1e-4) << i;
    EXPECT_NEAR(s.conload(2, i) / s.conload(1, i), 1.0, 1e-5) << i;  // element tolerance
  }
}

namespace {

// Residuals E and derivatives A of element i's equations, spin attitude outputs held.
void elementeqns(Model& m, zela4::Host& h, int i) {
  auto& vm = m.vecmats;
  h.i = m.revecs.ire = i, h.kb = 12 * (i - 1) + 1;
  h.ct = std::cos(vm.regc(3, i)), h.st = std::sin(vm.regc(3, i));
  vm.regci(1, i) = vm.regc(1, i), vm.regci(2, i) = -vm.regc(2, i) * h.st;
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

}  // namespace

TEST(ElementEquations, DerivativesAreCentralDifferencesOfTheEquations) {
  // Grooves, a tilted line contact (and flanges), crowned roller (type -1). Step 1e-6, 1e-6 rad
  // (truncation ~1e-12, rounding ~1e-10 of max load). Point contacts: Hertz Q = cons delta^1.5.
  const struct { BearingCase c; double crown, fa; int nvar; } cases[] = {
      {BearingCase::kBallSi, 0.0, 0.0, 2}, {BearingCase::kSphericalSi, 0.0, 0.0, 2},
      {BearingCase::kSphericalTaperedSi, 0.0, 2500.0, 2}, {BearingCase::kCylindricalSi, 0.0, 0.0, 3},
      {BearingCase::kCylindricalSi, 0.0, 300.0, 3}, {BearingCase::kCylindricalSi, 0.05, 0.0, 2}};
  for (const auto& k : cases) {
    auto b = solved(k.c, k.fa, 4000.0, [&](Model& m) {
      if (k.c == BearingCase::kCylindricalSi && k.fa > 0.0) innerribs(m);
      if (k.crown > 0.0) m.brggeom.brecrn = k.crown, m.brggeom.brecenlen = 0.0;
    });
    Model& m = b->m();
    m.revecs.ire = 1;
    zelc1::zelc1(m);
    ASSERT_TRUE(k.crown == 0.0 || m.brggeom.kcontype(1, 1) == -1);
    ASSERT_TRUE(m.brggeom.kbrg != 2 || k.fa == 0.0 || m.revecs.idflngsol > 0);
    for (int j = 1; j <= 2 && k.nvar == 2; ++j) {
      const double q = m.solutions.conload(j, 1), d = m.solutions.condef(j, 1);
      EXPECT_NEAR(zela4::pointcons(m, j) / (q / std::pow(d, 1.5)), 1.0, 1e-12) << m.brggeom.kbrg << " " << j;
    }
    for (int i = 1; i <= 2; ++i) {
      zela4::Host h;
      h.mom = k.nvar == 3 ? 1 : 0, h.omega = m.genvecs.x(12 * (i - 1) + 7);
      elementeqns(m, h, i);
      const zq::FArray<double, 3, 3> a = h.a;
      const double scale = std::fmax(m.solutions.conload(1, i), m.solutions.conload(2, i)), step = 1e-6;
      for (int v = 1; v <= k.nvar; ++v) {
        double* u = v < 3 ? &m.vecmats.regc(v, i) : &m.genvecs.x(12 * (i - 1) + 9);
        const auto at = [&](double d) { *u += d, elementeqns(m, h, i), *u -= d; return m.setupa4.gx; };
        const auto ep = at(step), em = at(-step);
        for (int r = 1; r <= k.nvar; ++r) {
          const double fd = (ep(r) - em(r)) / (2.0 * step);
          if (r == v && std::abs(fd) < 1e-6) continue;  // no stiffness: the unit pivot stands in
          // 2e-4: crown centre held in a groove; 1e-5 of row max: line-contact raceways cancel.
          const double row = std::fmax(std::abs(a(r, 1)), std::fmax(std::abs(a(r, 2)), std::abs(a(r, 3))));
          EXPECT_NEAR(a(r, v), fd, 2e-4 * (std::abs(fd) + scale) + 1e-5 * row)
              << "type " << m.brggeom.kbrg << " element " << i << " row " << r << " variable " << v;
        }
      }
    }
    // The element equations never clear a pending error record.
    zela4::Host h;
    m.errors.ierind = 115;
    elementeqns(m, h, 1);
    EXPECT_EQ(m.errors.ierind, 115);
  }
}

TEST(RaceEquations, DerivativesAreCentralDifferencesOfTheEquations) {
  // Element 2 by the race's 5 unknowns, step 1e-7, 10 % (held groove centre, strip ends); ball: F.
  for (auto c : {BearingCase::kTaperedSi, BearingCase::kCylindricalSi, BearingCase::kBallSi}) {
    auto b = solved(c, c == BearingCase::kCylindricalSi ? 0.0 : 2500.0, 3000.0, [](Model& m) {
      m.brggeom.freeintcls = 2.0e-5, m.options.kfs(4) = 0, m.opcond.appmoment(1) = 2.0;
    });
    Model& m = b->m();
    zela4::Host h;
    h.i = m.revecs.ire = 2, h.ct = std::cos(m.vecmats.regc(3, 2)), h.st = std::sin(m.vecmats.regc(3, 2));
    const auto at = [&](double* p, double d) {
      *p += d;
      zela4::raceframes(m, 2);
      zelc1::zelc1(m);
      h.b.fill(0.0), h.ar.fill(0.0);
      zela4::buildraceeqns(m, h);
      *p -= d;
      return h.b;
    };
    at(&m.vecmats.racegc(1, 2), 0.0);
    const zq::FArray<double, 5, 5> a = h.ar;
    const int kb = 12 * (m.brggeom.nre + 1) + 1;
    for (int u = 1; u <= 5; ++u) {
      double* p = u <= 3 ? &m.vecmats.racegc(u, 2) : &m.genvecs.x(kb + u + 4);
      const auto bp = at(p, 1e-7), bm = at(p, -1e-7);
      for (int r = 1; r <= (m.brggeom.kbrg == 1 ? 3 : 5); ++r) {
        double row = 0.0;
        for (int n = 1; n <= 5; ++n) row = std::fmax(row, std::abs(a(r, n)));
        const double fd = (bp(r) - bm(r)) / 2e-7;
        EXPECT_NEAR(a(r, u), fd, 0.1 * std::abs(fd) + 1e-6 * row)
            << m.brggeom.kbrg << " row " << r << " unknown " << u;
      }
    }
  }
}

TEST(RaceEquations, FreeDirectionWithoutStiffnessGetsARestoringPivot) {
  // No loaded contact along x: pivot -|b| / (gap + delta_b / 2) moves race toward load, any dmax.
  auto b = zqtest::setUpBearing(BearingCase::kBallSi);
  Model& m = b->m();
  m.setupa4.jf = {0, 1, 1, 1, 1};
  m.setupa4.xn = 1.5, m.setupa4.ftol = 1e-8, m.options.kraceeq = 2, m.zela4.con(2) = 8.0;
  for (double dmax : {-0.01, 0.0, 0.125}) {  // 0.125 = (1/8)^(2/3) / 2: half the approach
    zela4::Host h;
    h.b(1) = 1.0, h.dmax2 = dmax;
    zela4::solveraceeqns(m, h);
    EXPECT_EQ(m.errors.ierind, 0);
    EXPECT_TRUE(h.b(1) < 0.0 && std::isfinite(h.b(1))) << dmax;
  }
}

TEST(BearingStiffness, EachDirectionIsTheOneSidedQuotientOfAReSolve) {
  // k = (R(0) - R(step)) / step, race stepped 1 % on x, y, z; tapered row: Fa > Fr tan a ~ 640 N.
  const auto innerraceforce = [](const Model& m) {
    zq::Vec3 r;
    for (int i = 1; i <= m.brggeom.nre; ++i)
      for (int n = 1; n <= 3; ++n)
        for (int p = 1; p <= 3; ++p)
          r(n) += (m.solutions.conload(2, i) * m.vecmats.tacs(3, p, 2, i) +
                   m.setupb1.raceflngfors(p, 2, i)) * m.vecmats.inerttoiaz(p, n, i);
    return r;
  };
  for (auto c : {BearingCase::kBallSi, BearingCase::kTaperedSi}) {
    auto b = solved(c, c == BearingCase::kBallSi ? 500.0 : 2500.0, 3000.0,
                    [](Model& m) { m.brggeom.freeintcls = 2.0e-5; });
    Model& m = b->m();
    auto& vm = m.vecmats;
    const zq::Vec3 r0 = innerraceforce(m);
    const auto regc = vm.regc;
    const auto x = m.genvecs.x;
    double step = 0.0;
    for (int n = 1; n <= 3; ++n) step = std::fmax(step, std::abs(vm.racegc(n, 2) - vm.racegc(n, 1)) / 100.0);
    m.setupa4.kfq = 1, m.setupa4.ib = m.brggeom.nre, m.setupa4.sx.fill(1.0);
    for (int n = 1; n <= 3; ++n) {
      vm.racegc(n, 2) += step;
      zela4::zela4(m, 0);
      const double k = (r0(n) - innerraceforce(m)(n)) / step;
      vm.racegc(n, 2) -= step, vm.regc = regc, m.genvecs.x = x;
      EXPECT_GT(k, 0.0) << n;
      EXPECT_NEAR(m.solutions.brgstiffness(n) / m.constants.cstiff / k, 1.0, 1e-3) << n;
    }
  }
}

TEST(Symmetry, MirrorReducedAndFullSolvesAgreeAndMirrorEachOther) {
  // x-z load, moment about y: elements at theta and 2 pi - theta mirror; free y changes nothing.
  auto tilt = [](Model& m) {
    m.brggeom.freeintcls = 2.0e-5, m.options.kfs(4) = 0, m.opcond.appmoment(1) = 5.0;
  };
  auto reduced = solved(BearingCase::kBallSi, 500.0, 3000.0, tilt);
  auto full = solved(BearingCase::kBallSi, 500.0, 3000.0, [&](Model& m) { tilt(m), m.options.kfs(2) = 0; });
  Model& r = reduced->m();
  Model& f = full->m();
  ASSERT_TRUE(r.setupa4.ib < r.brggeom.nre && f.setupa4.ib == f.brggeom.nre);
  const int nre = r.brggeom.nre;
  const double qmax = r.solutions.conload(2, 1);
  for (int i = 1; i <= nre; ++i) {
    const int mirror = i == 1 ? 1 : nre + 2 - i;
    for (int j = 1; j <= 2; ++j) {
      EXPECT_NEAR(r.solutions.conload(j, i), f.solutions.conload(j, i), 1e-5 * qmax) << i;
      EXPECT_NEAR(f.solutions.conload(j, i), f.solutions.conload(j, mirror), 1e-5 * qmax) << i;
      EXPECT_NEAR(r.solutions.conang(j, 2, i), -r.solutions.conang(j, 2, mirror), 1e-9) << i;
      for (int p = 1; p <= 3; ++p)
        for (int q = 1; q <= 3; ++q)  // D tacs D, D = diag(1, -1, 1)
          EXPECT_NEAR(r.vecmats.tacs(p, q, j, i),
                      ((p == 2) != (q == 2) ? -1.0 : 1.0) * r.vecmats.tacs(p, q, j, mirror), 1e-6);
    }
  }
}

TEST(Zela4Stops, MomentOnASelfAligningBearingAndAnUnknownSpinOption) {
  // Spherical rollers turn freely transversely: moment about y with tilt free stops the run.
  auto b = zqtest::setUpBearing(BearingCase::kSphericalSi,
                                [](Model& m) { m.options.kfs(4) = 0, m.opcond.appmoment(1) = 5.0; });
  EXPECT_THROW(zelorqs::quasistaticeq(b->m()), zq::StopRun);
  EXPECT_NE(b->report.str().find("Iteration count encountered for race eqns in Zela4."), std::string::npos);
  // Initial angular velocity option 3 of record 3.3: the run stops (status 1) with its block.
  zqtest::ScratchDir dir;
  dir.write("DATA.txt", zqtest::replaceRecordValues(zqtest::readSource("examples/ball-si.txt"),
                                                    "REC3.3", {"0", "1", "0", "1", "1", "3"}));
  EXPECT_EQ(zqtest::runInProcess(dir).status, 1);
  const std::string report = dir.read("PRINT.txt");
  for (const char* line : {"     Execution terminating in Zela4.",
                           "     Invalid initial angular velocity option",
                           "     kAngVel, on Input Record 3.3", "     Input value is:", "          3"})
    EXPECT_NE(report.find(std::string("\n") + line), std::string::npos) << line;
}
