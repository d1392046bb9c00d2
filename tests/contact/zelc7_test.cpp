// Profile radius of races and rollers: crown against the circular sagitta r - sqrt(r^2 - s^2) (the
// profile writes the series r u^2/2 (1 + u^2/4), u = s/r), land offset, out-of-round; set-up rollers.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>
#include <tuple>

#include "contact/zelc7.h"
#include "model/model.h"
#include "support/bearings.h"

namespace {

// One roller (body 1) and straight races (bodies 2, 3: outer raceway 6, inner 4).
std::unique_ptr<Model> profile() {
  auto m = std::make_unique<Model>();
  auto& g = m->brggeom;
  std::tie(m->constants.one2, m->constants.one4, g.nre, g.racerad(2, 1), g.racerad(1, 2)) = std::tuple(0.5, 0.25, 1, 6.0, 4.0);
  for (int j = 1; j <= 2; ++j) std::tie(g.racecurrad(j), g.racecrn(j), g.racecenlen(j)) = std::tuple(1e10, 1e10, 10.0);
  return m;
}

double sag(double r, double s) { return r - std::sqrt(r * r - s * s); }

}  // namespace

TEST(ProfileRadius, RaceCrownLandOffsetAndOutOfRound) {
  // Outer race (raceway 6), land half length 0.5, crown radius 40 from x = 0: 6 on the land,
  // 6 - (sag(40, x) - sag(40, 0.5)) off it. A land offset 0.2 + 0.3 sin(2 phi) moves the land (at
  // phi = pi/4 it is (0, 1)), not the crown: just below that land the radius rises above 6.
  auto m = profile();
  auto& g = m->brggeom;
  std::tie(g.racecenlen(1), g.racecrn(1), g.racecencrndrop(1)) = std::tuple(0.5, 40.0, 40 * 0.5 * std::pow(0.5 / 40, 2) * (1 + 0.25 * std::pow(0.5 / 40, 2)));  // the set-up's drop
  for (double x : {-1.0, -0.5, 0.0, 0.6, 1.5}) EXPECT_NEAR(zelc7::zelc7(*m, 2, 0, 0, x, 0.3), 6 - (std::abs(x) > 0.5 ? sag(40, x) - sag(40, 0.5) : 0), 2e-8) << x;
  std::tie(g.rloffset(1, 1), g.rloffset(2, 1), g.rloffset(3, 1)) = std::tuple(0.2, 0.3, 2.0);
  EXPECT_EQ(zelc7::zelc7(*m, 2, 0, 0, 0.9, std::numbers::pi / 4), 6.0);
  EXPECT_NEAR(zelc7::zelc7(*m, 2, 0, 0, -0.1, std::numbers::pi / 4), 6 - sag(40, 0.1) + sag(40, 0.5), 1e-10);
  // Out-of-round (mode 1): the polar radius of the ellipse with semi-axes 6 + a1 along a3 and
  // 6 + a2 across, x^2/A^2 + y^2/B^2 = 1. A curved race carries its curvature centre with the
  // raceway (also on the axis, 0, and beyond it, -8.5).
  std::tie(g.racecrn(1), g.rloffset(1, 1), g.rloffset(2, 1), g.rlradvar(1, 1), g.rlradvar(2, 1), g.rlradvar(3, 1)) = std::tuple(1e10, 0.0, 0.0, 0.003, -0.002, 0.7);
  for (double phi : {0.0, 0.4, 1.9, 3.3, 5.5})
    EXPECT_NEAR(std::pow(zelc7::zelc7(*m, 2, 0, 1, 0.0, phi) / 6.003 * std::cos(phi - 0.7), 2) + std::pow(zelc7::zelc7(*m, 2, 0, 1, 0.0, phi) / 5.998 * std::sin(phi - 0.7), 2), 1.0, 1e-14) << phi;
  g.racecurrad(1) = 0.52;
  for (double centre : {5.48, 0.0, -8.5})
    EXPECT_TRUE((g.racecurcen(2, 1) = centre, std::abs(zelc7::zelc7(*m, 2, 0, 1, 0.0, 0.7) - centre - 0.003) < 1e-14) && std::abs(zelc7::zelc7(*m, 2, 0, 1, 0.0, 0.7 + std::numbers::pi / 2) - centre + 0.002) < 1e-14);
}

TEST(ProfileRadius, SetUpRollerStaysUnderItsConeAndCarriesItsCornerCircles) {
  // The 30208 tapered roller and a cylindrical roller with its land 1 mm off its middle, built
  // 35 K above the room (the profile moves with the growth): continuous at the land limits, never
  // above the cone through the generatrix mid-point (rerad tan, rerad); each corner circle's centre
  // lies the corner radius inside the profile at its station, less cr tan on side I, plus on II.
  for (auto which : {zqtest::BearingCase::kTaperedSi, zqtest::BearingCase::kCylindricalSi}) {
    auto b = zqtest::setUpBearing(which, [](Model& m) {
      for (int i = 1; i <= m.brggeom.nre && m.brggeom.kbrg == 2; ++i) m.brggeom.recenlenoffset(i) = 1.0e-3;
    });
    Model& m = b->m();
    const auto& g = m.brggeom;
    const double tn = g.retantaper(1), t = g.rerad(1) * tn;
    for (int k = 1; k <= 2; ++k) {
      const double cr = g.recorrad(k, 1), edge = g.recenlmt(k, 1), out = std::nextafter(edge, k == 1 ? -1e9 : 1e9);
      EXPECT_NEAR(zelc7::zelc7(m, 1, 0, 0, g.recorcen(1, k, 1), 0.0) - g.recorcen(2, k, 1), cr * (1.0 - (k == 1 ? tn : -tn)), 1e-12);
      EXPECT_NEAR(zelc7::zelc7(m, 1, 0, 0, out, 0.0), zelc7::zelc7(m, 1, 0, 0, edge, 0.0), 1e-12);
    }
    for (double x = g.reconlmt(1, 1); x <= g.reconlmt(2, 1); x += (g.reconlmt(2, 1) - g.reconlmt(1, 1)) / 200)
      EXPECT_LE(zelc7::zelc7(m, 1, 0, 0, x, 0.0), g.rerad(1) - tn * (x - t) + 1e-14) << x;
  }
}
