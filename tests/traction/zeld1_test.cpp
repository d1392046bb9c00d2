// Traction of one element in its races: action/reaction, laminae, heat, rolling, contact kinds.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

#include "contact/zelc1.h"
#include "model/model.h"
#include "support/bearings.h"
#include "traction/zeld1.h"
#include "traction/zeld3.h"

namespace {

using zqtest::BearingCase;
const zq::FArray<double, 5> kCurve{0.02, 0.5, 2.0, 0.03, -1.0};  // 0.03 + (0.02 + 0.5 s) exp(-2 s), s non-dimensional
const zq::Vec3 kSpin{-4.0, 0.2, 0.5};  // element angular velocity of a general state (azimuth)

struct Out { zq::Vec3 bf, bm; zq::FArray<double, 3, 2> rf, rm; };

// Element 1 at rest, no flanges, dry; out by 1e-4, inner race 2e-4 radially (ball: 5e-4 axially).
std::unique_ptr<zqtest::TestBearing> pressed(BearingCase which, bool split = false) {
  auto b = zqtest::setUpBearing(which, [&](Model& m) {
    zqtest::noGrowth(m);
    m.brggeom.kflngind.fill(0), m.brggeom.kflngindr.fill(0), m.brggeom.kflnginds = 0;
    if (split) m.brggeom.shimthkns.fill(2.0e-4), zqtest::internalGeometry(m);
  });
  Model& m = b->m();
  auto& vm = m.vecmats;
  const double dx = which == BearingCase::kBallSi ? 5e-4 : 0.0;
  vm.regci(3, 1) += 1e-4;
  for (int k = 1; k <= m.brggeom.nrace; ++k) {
    vm.racegc(1, k) += (k % 2 == 0) * dx, vm.racegc(3, k) += (k % 2 == 0) * 2e-4;
    for (int n = 1; n <= 5; ++n) m.tracprop.reracecoeff(n, k) = kCurve(n);
  }
  m.tracprop.ktrac = 0, m.revecs.ire = 1, zelc1::zelc1(m);
  return b;
}

// Motion: orbit, w (azimuth), races; race 1 slides at v on axis `along` (2 rolling, 1 across).
void move(Model& m, double orbit, zq::Vec3 w, double outer, double inner, double v = 0.0, int along = 2) {
  auto& vm = m.vecmats;
  vm.revel(3, 1) = orbit;
  for (int k = 1; k <= m.brggeom.nrace; ++k) vm.raceangvel(1, k) = k % 2 ? outer : inner;
  for (int n = 1; n <= 3; ++n) {
    vm.reangvel(n, 1) = vm.racevel(n, 1) = 0.0;
    for (int q = 1; q <= 3; ++q)
      vm.reangvel(n, 1) += vm.retoiaz(q, n, 1) * w(q), vm.racevel(n, 1) += vm.inerttoiaz(q, n, 1) * vm.tacs(along, q, 1, 1) * v;
  }
}

Out traction(Model& m) { Out o; zeld1::zeld1(m, o.bf, o.bm, o.rf, o.rm); return o; }

// Action/reaction: body force = -sum race forces; bmom + sum rmom_j = sum_j (Cb - Cr_j) x rfor_j.
void expectBalanced(const Model& m, const Out& o) {
  const auto& vm = m.vecmats;
  zq::Vec3 sum = o.bm, d;
  for (int j = 1; j <= 2; ++j) {
    d.fill(0.0);
    for (int r = 1; r <= 3; ++r)
      for (int n = 1; n <= 3; ++n) d(r) += vm.inerttoiaz(r, n, 1) * (vm.regci(n, 1) - vm.racegc(n, j));
    for (int n = 1, p = 2, q = 3; n <= 3; ++n, p = p % 3 + 1, q = q % 3 + 1)
      sum(n) += o.rm(n, j) - (d(p) * o.rf(q, j) - d(q) * o.rf(p, j));
  }
  for (int n = 1; n <= 3; ++n) EXPECT_TRUE(std::abs(o.bf(n) + o.rf(n, 1) + o.rf(n, 2)) < 1e-14 && std::abs(sum(n)) < 1e-13) << n;
}

// Composite Simpson rule on [-1, 1], 20000 intervals (error ~1e-9 here, kinks included).
double simpson(const std::function<double(double)>& f) {
  double s = f(-1.0) + f(1.0);
  for (int i = 1; i < 20000; ++i) s += (i % 2 ? 4.0 : 2.0) * f(-1.0 + i / 10000.0);
  return s / 30000.0;
}

}  // namespace

TEST(TractionBalance, RacesTakeTheElementForcesAndMomentsTransferBetweenCentres) {
  // Ball, ball in split races (3 contacts), tapered roller in general motion; cylindrical roller
  // rolling with spin (slip antisymmetric, laminae on the curve, unloaded one none), without slip
  // (normal load only), sliding axially at v (mu(v) Q across rolling, heat mu(v) v Q).
  const BearingCase cases[] = {BearingCase::kBallSi, BearingCase::kBallSi, BearingCase::kCylindricalSi,
                               BearingCase::kTaperedSi, BearingCase::kCylindricalSi, BearingCase::kCylindricalSi};
  for (int n = 0; n < 6; ++n) {
    auto b = pressed(cases[n], n == 1);
    Model& m = b->m();
    auto& s = m.solutions;
    const auto& f = m.setupd1.bforcs;
    const double ri = m.vecmats.crs(3, 2, 1) / m.vecmats.cbs(3, 2, 1), ro = m.vecmats.cbs(3, 1, 1) / m.vecmats.crs(3, 1, 1);
    if (n == 2) s.conloaddis(5, 2, 1) = s.conwidthdis(5, 2, 1) = 0.0;  // a lamina without load
    n == 0 || n == 1 || n == 3 ? move(m, 0.3, kSpin, 0.1, 1.2) : move(m, 0.0, {ri, 0.0, n == 2 ? 0.3 : 0.0}, ri * ro, 1.0);
    const double v = n == 5 ? 0.2 : 0.0, mu = n == 5 ? zeld3::zeld3(v, kCurve) : 0.0;
    m.vecmats.revel(1, 1) = v;
    SCOPED_TRACE(n);
    expectBalanced(m, traction(m));
    EXPECT_EQ((s.resv(1, 1) > 0) + (s.resv(2, 1) > 0) + (s.resv(3, 1) > 0) >= 2, n != 4);
    for (int k = 1; k <= 2 && n >= 4; ++k) {  // rolling speed: roller spin ri times its radius cbs3
      const double q = s.conload(k, 1);
      EXPECT_TRUE(f(2, k) == 0.0 && std::abs(f(3, k) + q) < 1e-15 && std::abs(std::abs(f(1, k)) - mu * q) < 1e-15);
      EXPECT_TRUE(std::abs(s.resv(k, 1) - mu * v * q) < 1e-15 && std::abs(s.rewr(k, 1) - v * q) < 1e-15);
      EXPECT_TRUE(std::abs(std::abs(s.rollvel(k, 1)) - std::abs(ri * m.vecmats.cbs(3, k, 1))) < 1e-14 && m.vecmats.kns(k, 1) == 0);
    }
    for (int k = 1; k <= m.brggeom.nrace && n <= 1; ++k)  // ball: strip loads (3Q/4)(1 - x^2) add up to Q
      EXPECT_NEAR(f(3, k), -s.conload(k, 1), 1e-14 * s.conload(k, 1));
    for (int k = 1; k <= 2 && n == 2; ++k)
      for (int j = 1; j <= m.revecs.ngrid; ++j) {
        const double u = s.conslipdis(j, k, 1), c = s.conloaddis(j, k, 1) > 0.0 ? zeld3::zeld3(std::abs(u), kCurve) : 0.0;
        EXPECT_NEAR(s.contracdis(j, k, 1), std::copysign(c, u), 1e-15);
        EXPECT_TRUE(u != 0.0 && std::abs(u + s.conslipdis(m.revecs.ngrid + 1 - j, k, 1)) < 1e-15);
      }
  }
}

TEST(TractionHeat, HeatAndWearAreIntegralsOfTractionTimesSlipAndLoadTimesSlip) {
  // Ball outer contact, loads (3Q/4)(1 - x^2). Spin w: slip w a x. Heathcote (race V): w (dz(x0)
  // - dz(x)), dz sagitta of profile radius R, rolling at +-x0. Flat (R 1e10), race still: no slip,
  // traction, heat; moment kept. Race across, V, ball still: V cos(asin(a x/R)) = V (1 + dz/R).
  for (int state = 0; state <= 3; ++state) {
    auto b = pressed(BearingCase::kBallSi);
    Model& m = b->m();
    const Solutions& s = m.solutions;
    const Vecmats& vm = m.vecmats;
    if (state == 2) m.brggeom.reprrad(1, 1) = 1.0e10;
    const double a = s.conwidtha(1, 1), r = m.brggeom.reprrad(1, 1), x0 = 0.6, w = 5.0;
    auto dz = [&](double x) { return r * (std::sqrt(1.0 - a * x * a * x / (r * r)) - 1.0); };
    auto slip = [&](double x) { return std::abs(state == 0 ? w * a * x : state == 1 ? w * (dz(x0) - dz(x)) : state == 3 ? 0.4 * (1 + dz(x) / r) : 0.0); };
    zq::Vec3 waz;  // w about the contact's normal or transverse axis, azimuth components
    for (int n = 1; n <= 3; ++n) waz(n) = w * vm.tacs(state ? 1 : 3, n, 1, 1);
    if (state < 2) move(m, 0.0, waz, 0.0, 0.0, -state * w * (vm.cbs(3, 1, 1) + dz(x0)));
    // l e_x x cbc = W x (Cb - Cr), W = -orbit: l = -orbit rho / cbc3, rho from the race centre.
    double rho = 0.0, orbit = 0.3;
    for (int q = 1; q <= 3; ++q) rho += vm.tacs(q, 3, 1, 1) * (vm.crs(q, 1, 1) - vm.cbs(q, 1, 1));
    const double l = -orbit * rho / (vm.cbs(3, 1, 1) * w);  // l / w
    if (state == 2) move(m, orbit, {l * waz(1) - orbit, l * waz(2), l * waz(3)}, 0.0, 0.7);
    if (state == 3) move(m, 0.0, {}, 0.0, 0.0, 0.4, 1);
    expectBalanced(m, traction(m));
    const double q = 0.75 * s.conload(1, 1);
    const double heat = q * simpson([&](double x) { return (1 - x * x) * slip(x) * zeld3::zeld3(slip(x), kCurve); });
    const double wear = q * simpson([&](double x) { return (1 - x * x) * slip(x); });
    EXPECT_TRUE(std::abs(s.resv(1, 1) - heat) <= 1e-6 * heat && std::abs(s.rewr(1, 1) - wear) <= 1e-6 * wear) << s.resv(1, 1);
    // Largest slip of the spin at the outermost Gauss point (1 + 0.8611363115940526) / 2.
    const double smax = state == 0 ? w * a * (1 + 0.8611363115940526) / 2 : s.reracemaxslip(1, 1);
    EXPECT_TRUE(std::abs(s.reracemaxslip(1, 1) - smax) < 1e-15 && s.reracetrac(1, 1) == (state != 2) * zeld3::zeld3(smax, kCurve));
    EXPECT_TRUE(state != 3 || s.repv(2, 1) + s.resv(2, 1) + s.reracemaxslip(2, 1) == 0);  // inner race at rest
    EXPECT_TRUE(vm.kns(1, 1) == 1 + (state == 1) && std::abs(vm.xys(1, 1, 1) + x0 * (state == 1)) < 1e-6 &&
                std::abs(vm.xys(2, 1, 1) - x0 * (state == 1)) < 1e-6);
  }
}

TEST(TractionResults, EveryContactResultIsWrittenAndLubricatedModelsNeedAFilm) {
  // Split races: unloaded segments, entries past the points read 0; dry: no thinning (factor 1).
  auto b = pressed(BearingCase::kBallSi, true);
  Model& m = b->m();
  auto& s = m.solutions;
  zq::FArray<double, 4, 40>* results[] = {&s.filmthk, &s.filmmodfac, &s.rewr, &s.filmtemp, &s.reracemaxslip, &s.reracetrac,
                                          &s.resv, &s.repv, &s.contempr, &s.shearthinfac, &s.rollvel, &s.spintoroll};
  for (auto* r : results) r->fill(7.0);
  s.contracdis.fill(7.0), s.conslipdis.fill(7.0), s.npoints.fill(7), m.vecmats.kns.fill(7), m.setupd1.bforcs.fill(7.0);
  move(m, 0.3, kSpin, 0.1, 1.2);
  traction(m);
  for (int k = 1; k <= 4; ++k) {
    const bool loaded = s.conload(k, 1) > 0.0;
    for (auto* r : results) EXPECT_TRUE(loaded || (*r)(k, 1) == 0.0) << k;
    EXPECT_TRUE(s.shearthinfac(k, 1) == loaded && (loaded || m.setupd1.bforcs(3, k) == 0.0));
    EXPECT_TRUE(loaded ? s.npoints(k, 1) >= 8 : s.npoints(k, 1) + m.vecmats.kns(k, 1) == 0);
    for (int j = s.npoints(k, 1) + 1; j <= 30; ++j) EXPECT_TRUE(s.contracdis(j, k, 1) == 0.0 && s.conslipdis(j, k, 1) == 0.0);
  }
  // Lubricated: no rolling (no film) or critical film 1 m: dry curve, record kept; else lubricated.
  auto d = pressed(BearingCase::kBallSi);
  Model& l = d->m();
  auto heat = [&l](int ktrac, double film, bool rolling) {
    l.tracprop.ktrac = ktrac, l.tracprop.strparam = 10.0, l.tracprop.reracefilm.fill(film);
    rolling ? move(l, 0.3, kSpin, 0.1, 1.2) : move(l, 0.0, {}, 0.0, 0.0, 0.2);
    traction(l);
    return l.solutions.resv(1, 1) + l.solutions.resv(2, 1);
  };
  const double sliding = heat(0, 1.0, false), rolling = heat(0, 1.0, true);
  l.errors.ierind = 7, l.errors.numi = 1, l.errors.iarray(1) = 99;
  EXPECT_EQ(heat(1, 0.0, false), sliding);
  EXPECT_TRUE(l.errors.ierind == 7 && l.errors.numi == 1 && l.errors.iarray(1) == 99);
  EXPECT_EQ(heat(1, 1.0, true), rolling);
  const double wet = heat(1, 0.0, true);
  EXPECT_TRUE(l.solutions.filmthk(2, 1) > 0.0 && std::isfinite(wet) && wet != rolling && sliding > 0.0);
  EXPECT_GT(l.solutions.filmtemp(2, 1), l.opcond.racetemp(2));  // the sheared film is warmer
  l.tracprop.initprop = 0;  // PAO-100's measured rheology: the Newtonian film, thinned
  const double rheo = heat(13, 0.0, true);
  const double phi = l.solutions.shearthinfac(2, 1);
  EXPECT_TRUE(rheo > 0 && rheo != wet && phi > 0 && phi < 1 && l.solutions.filmtemp(2, 1) > l.opcond.racetemp(2));
}
