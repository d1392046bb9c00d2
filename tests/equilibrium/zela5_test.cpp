// Spin attitude of a ball between two races: raceway control, pure rolling, minimum-heat search.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <set>

#include "equilibrium/zela5.h"
#include "model/model.h"
#include "numerics/zelg4.h"

namespace {

constexpr double kPi = 3.141592653589793;

// Unit ball at rm, inner race at 1; T = R1(chi) R2(phi), phi = a_o, pi + a_i; point T(3,:) + rm e_z
struct Ball {
  zq::FArray<double, 2> xc{0.1, 0.1}, rad{1.04, 1.04};
  zq::FArray<double, 6> cb, cr, w{0, 0, 0, 1, 0, 0};  // w: race angular velocities
  zq::FArray<double, 8> ca, sa;
  zq::FArray<double, 3, 3, 2> t;
};
Ball ball(double rm, double ao, double ai, double xo = 0.0, double xi = 0.0) {
  Ball b;
  for (int j = 1; j <= 2; ++j) {
    const double p = j == 1 ? ao : kPi + ai, x = j == 1 ? xo : xi;
    const double cp = std::cos(p), sp = std::sin(p), cx = std::cos(x), sx = std::sin(x);
    const double rows[9] = {cp, 0, -sp, sx * sp, cx, sx * cp, cx * sp, -sx, cx * cp};
    b.ca(2 * j - 1) = cp, b.sa(2 * j - 1) = sp, b.ca(2 * j) = cx, b.sa(2 * j) = sx;
    for (int r = 1; r <= 3; ++r) {
      for (int k = 1; k <= 3; ++k) b.t(r, k, j) = rows[3 * r + k - 4];
      b.cb(3 * j - 3 + r) = r == 3, b.cr(3 * j - 3 + r) = (r == 3) + rm * b.t(r, 3, j);
    }
  }
  return b;
}

// Heat test double, smooth but not a parabola, least at (beta0, p, q); error at call failat.
struct Bowl { double beta0, p, q; int calls, failat; std::set<double> betas; } bowl;
double bowlheat(Model& m, double beta, double f1, double f2) {
  if (bowl.betas.insert(beta), ++bowl.calls == bowl.failat) m.errors.ierind = 115;
  return 1 - std::cos(beta - bowl.beta0) +
         0.05 * (std::cosh(3 * (f1 - bowl.p)) + std::cosh(3 * (f2 - bowl.q)));
}

// Element 3, outer contact angle a, element frame turned about y by tilt from the azimuth frame.
std::unique_ptr<Model> model(double a, double tilt = 0.0) {
  auto m = std::make_unique<Model>();
  auto& t = m->vecmats.retoiaz;
  t(1, 1, 3) = t(3, 3, 3) = std::cos(tilt), t(1, 3, 3) = std::sin(tilt), t(3, 1, 3) = -t(1, 3, 3);
  t(2, 2, 3) = 1.0, m->revecs.ire = 3, m->solutions.conang(1, 1, 3) = a, m->zela5.heat = bowlheat;
  return m;
}

struct Out { int mode; double beta, orb; zq::Vec3 w; zq::FArray<double, 2> sr; };
Out run(Model& m, const Ball& b, int mode, double beta, double orb = 0.0) {
  Out o{mode, beta, orb, {}, {}};
  zela5::zela5(m, o.mode, o.beta, b.xc, b.rad, b.cb, b.cr, b.ca, b.sa, b.w, o.w, o.orb, o.sr);
  return o;
}

}  // namespace

TEST(SpinKinematics, RaceControlGivesClassicalCageSpeedAttitudeAndSpinToRoll) {
  // Outer fixed, gamma = D/dm = 0.2 (Harris, Rolling Bearing Analysis; Jones' raceway control):
  // cage (1 - gamma cos a)/2; spin axis pi - beta, tan = sin a/(cos a +- gamma) (outer/inner), a
  // (mode 4: -+gamma sin a); other contact +-2 gamma sin a/(1 +- gamma cos a). Stale orbit ignored.
  const double g = 0.2;
  for (double a : {0.0, 0.26, 0.7}) {
    const double gc = g * std::cos(a), s = std::sin(a);
    const double want[3][3] = {{s / (std::cos(a) + g), 0.0, 2 * g * s / (1 + gc)},
                               {s / (std::cos(a) - g), -2 * g * s / (1 - gc), 0.0},
                               {std::tan(a), -g * s, g * s}};  // tan, sr(1), sr(2): modes 1 2 4
    for (int n = 0; n < 3; ++n) {
      const Out o = run(*model(a), ball(1.0 / g, a, a), n == 2 ? 4 : n + 1, kPi - a, 3.0);
      const double got[5] = {o.orb, o.w(3) / -o.w(1), std::tan(kPi - o.beta), o.sr(1), o.sr(2)};
      const double exp[5] = {(1 - gc) / 2, want[n][0], want[n][0], want[n][1], want[n][2]};
      for (int k = 0; k < 5; ++k) EXPECT_NEAR(got[k], exp[k], 1e-12) << a << " " << n << " " << k;
    }
  }
}

TEST(SpinKinematics, TrialMotionRollsWithoutSlidingAtThePureRollingPoints) {
  // Off-centre rolling points (0.3, -0.45), unequal out-of-plane angles, tilted frame: no slip in
  // rolling direction at both points along (cos beta, 0, sin beta) (outer only: orbit given).
  Ball b = ball(4.3, 0.31, 0.37, 0.02, -0.03);
  b.xc = {0.9, 0.09}, b.rad = {1.04, 1.03}, b.w = {-40, 0, 0.5, 300, 0.2, 0};
  for (double orbin : {0.0, 0.7}) {
    auto m = model(0.31, 0.1);
    bowl = {0.0, 0.3, -0.45, 0, 0, {}}, b.xc(2) = orbin == 0.0 ? 0.09 : 0.0;
    const double orb = run(*m, b, 3, 2.8, orbin).orb;
    EXPECT_EQ(m->vecmats.revel(3, 3), orbin == 0.0 ? orb : orbin);
    EXPECT_EQ(std::hypot(m->vecmats.revel(1, 3), m->vecmats.revel(2, 3)), 0.0);
    zq::Vec3 w;  // azimuth components of the element angular velocity left behind
    for (int k = 0, r = 1, c = 1; k < 9; ++k, r = k % 3 + 1, c = k / 3 + 1)
      w(r) += m->vecmats.retoiaz(r, c, 3) * m->vecmats.reangvel(c, 3);
    EXPECT_NEAR(w(3) * std::cos(2.8) - w(1) * std::sin(2.8), 0.0, 1e-12);
    EXPECT_NEAR(m->setupa5.xgmin(1), 0.3, 1e-3);
    for (int j = 1; j <= (orbin == 0.0 ? 2 : 1); ++j) {
      // Surface point x across (circle of radius r, sagitta d); slip w x pb - rho x pr along T(2,:)
      const double x = m->setupa5.xgmin(j) * b.xc(j), r = b.rad(j), d = std::sqrt(r*r - x*x) - r;
      zq::Vec3 pb, pr, vb, vr, rho{b.w(3 * j - 2) - orb, b.w(3 * j - 1), b.w(3 * j)};
      for (int k = 1; k <= 3; ++k)
        pb(k) = b.t(3, k, j) * (1 + d) + b.t(1, k, j) * x, pr(k) = pb(k) + (k == 3 ? 4.3 : 0.0);
      zelg4::zelg4(w, pb, vb), zelg4::zelg4(rho, pr, vr);
      double slip = 0.0;
      for (int k = 1; k <= 3; ++k) slip += b.t(2, k, j) * (vb(k) - vr(k));
      EXPECT_NEAR(slip, 0.0, 1e-10) << "contact " << j << " orbit in " << orbin;
    }
  }
}

TEST(SpinSearch, FindsAndFollowsTheLeastHeatStopsOnAnErrorAndTakesPiForRadialContact) {
  // Spacings a/20, 0.05: 1/50 after the first full scan, four after a 7-up/5-down move; window
  // moves 2 points at most, 5 attitudes, 7 x 8 + 1 heats each once remembered, stale poisoned.
  const double a = 0.35, h = a / 20;
  auto m = model(a);
  const double targets[3][3] = {{12.4, 0.67, -0.93}, {19.6, 0.47, -0.32}, {15.4, 0.57, -0.42}};
  for (int t = 0; t < 3; ++t) {
    bowl = {kPi - 1.5 * a + targets[t][0] * h, targets[t][1], targets[t][2], 0, 0, {}};
    bool found = false;
    int calls = 0;
    for (; !found && calls < 6; ++calls) {
      const int k0 = m->setupa5.minalfgrid(3);
      m->zela5.hgen.fill(-1e30), m->zela5.hg1s.fill(-1e30), m->zela5.hg2s.fill(-1e30);
      bowl.betas = {}, bowl.calls = 0;
      const Out o = run(*m, ball(4.0, a, a), 0, 0.0);
      const bool window = std::abs(m->setupa5.minalfgrid(3) - k0) <= 2 && bowl.betas.size() <= 6;
      EXPECT_TRUE(k0 == 0 || (window && (t < 2 || bowl.calls <= 5 * 57 + 1)));
      found = std::abs(o.beta - bowl.beta0) < h / 50 &&
              std::hypot(m->setupa5.xgmin(1) - bowl.p, m->setupa5.xgmin(2) - bowl.q) < 1e-3;
    }
    EXPECT_TRUE(found && calls <= (t == 0 ? 1 : 4)) << t << " " << calls;
  }
  bowl.calls = 0, bowl.failat = 5;  // a traction error stops the search there, mode 0 back
  EXPECT_EQ(run(*m, ball(4.0, a, a), 0, 0.0).mode, 0);
  EXPECT_TRUE(bowl.calls == 5 && m->errors.ierind == 115) << bowl.calls;
  // Contact angle 0: the grid is pi alone, one attitude (one rolling-point search) is evaluated.
  m = model(0.0), bowl = {kPi, 0.1, 0.1, 0, 0, {}};
  EXPECT_EQ(run(*m, ball(4.0, 0.0, 0.0), 0, 1.0).beta, kPi);
  EXPECT_TRUE(bowl.betas.size() == 1u && bowl.calls <= 39 * 40 + 1) << bowl.calls;
}
