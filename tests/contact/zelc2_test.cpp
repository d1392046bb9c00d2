// Race fits, growth and hoop stress against the thick-ring (Lame) solutions of Timoshenko & Goodier,
// Theory of Elasticity, ch. 4; operating clearance from the geometry of element 1; stops. SI units.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <sstream>
#include <string>
#include <tuple>

#include "contact/zelc2.h"
#include "model/model.h"
#include "run/stop.h"

namespace {

constexpr double kPi = 3.141592653589793, kSlen = 0.003, kE = 208e9, kNu = 0.3, kRho = 7800.0, kAl = 11.7e-6, kRoom = 293.15;
// Ball bearing, 6 mm balls, radii 30 (outside), 25.01, 19 (raceways), 15 mm (bore); clearance 0.02 mm.
constexpr double kRo = 30e-3, kRor = 25.01e-3, kRir = 19e-3, kRb = 15e-3, kD = 6e-3, kC = 0.02e-3;

double nd(double metres) { return metres / kSlen; }
bool rel(double got, double want, double tol) { return std::abs(got - want) <= tol * std::abs(want); }

// Steel, housing 100 mm, solid shaft, parts dT above the room; as the set-up leaves the model.
struct Bearing {
  std::ostringstream out;  // declared first: the report flushes into it on destruction
  std::unique_ptr<Model> mp = std::make_unique<Model>();
  Model& m = *mp;
  explicit Bearing(double d1 = 0, double d2 = 0, double dh = 0, double ds = 0, double de = 0) {
    m.devices.report.attach(out);
    auto& c = m.constants;
    const double stime = std::sqrt(kRho * kPi / 6.0 * kD * kD * kD * kSlen / (c.ag(1) * 1000.0)), rho = kRho * std::pow(kSlen / stime, 2);
    std::tie(c.slen, c.sforce, c.stime, c.cangvel, c.cpres, m.units.ulen) = std::tuple(kSlen, 1000.0, stime, 30.0 / (kPi * stime), 1000.0 / (kSlen * kSlen), " (m)");
    auto& p = m.matprop;
    for (int j : {1, 2}) std::tie(p.raceem(j), p.racepr(j), p.raceden(j), p.racecte(j)) = std::tuple(kE, kNu, rho, kAl);
    std::tie(p.hsngem, p.shftem, p.hsngpr, p.shftpr, p.hsngden, p.shftden, p.hsngcte, p.shftcte, p.recte) = std::tuple(kE, kE, kNu, kNu, rho, rho, kAl, kAl, kAl);
    auto& g = m.brggeom;
    std::tie(g.kbrg, g.nre, g.nrace, g.bredia, g.brgod, g.brgbore, g.hsngod) = std::tuple(1, 3, 2, nd(kD), nd(2 * kRo), nd(2 * kRb), nd(100e-3));
    std::tie(g.racerad.lin(1), g.racerad.lin(2), g.racerad.lin(3), g.racerad.lin(4)) = std::tuple(nd(kRo), nd(kRor), nd(kRir), nd(kRb));
    std::tie(g.racecurrad(1), g.racecurrad(2), g.racecurcen(2, 1), g.racecurcen(2, 2), g.cosshimang(1), g.cosshimang(2)) =
        std::tuple(nd(3.12e-3), nd(3.12e-3), nd(kRor - 3.12e-3), nd(kRir + 3.12e-3), 1.0, 1.0);
    auto& oc = m.opcond;
    std::tie(oc.roomtemp, oc.racetemp(1), oc.racetemp(2), oc.hsngtemp, oc.shfttemp) = std::tuple(kRoom, kRoom + d1, kRoom + d2, kRoom + dh, kRoom + ds);
    for (int i = 1; i <= 3; ++i) oc.retemp(i) = kRoom + de;
  }
};

}  // namespace

TEST(RaceFits, FitAndSpeedMatchLameThickRings) {
  // Lame rings (Timoshenko & Goodier ch. 4), 6 figures. Inner 15/19 mm, solid steel shaft, 0.01 mm:
  // p = delta E (b^2 - a^2)/(2 a b^2) = 26.1200 MPa, hoop 2 p a^2/(b^2 - a^2) at the raceway,
  // p (b^2 + a^2)/(b^2 - a^2) at the bore. Outer 25.01/30 mm, Al housing (50 mm, 70 GPa, 0.33),
  // 0.015 mm: p = 8.28538 MPa. Free spinning: hoop rho w^2/4 ((3 + nu) b^2 + (1 - nu) a^2) at the
  // bore (a, b swapped outside), u = r sigma/E. Columns: race, hoop switch, fit, rpm, E, nu, out.
  struct Case { int race, khoop; double fit, rpm, eh, nuh, hoop, seat, u, useat; };
  const Case cases[] = {{2, 1, 0.02e-3, 0, kE, kNu, 86.4266e6, 112.547e6, 7.89474e-6, 8.68144e-6},
                        {1, 0, 0.03e-3, 0, 70e9, 0.33, -54.3304e6, -54.3304e6, -6.53270e-6, -6.28260e-6},
                        {1, 1, 0, 15000, kE, kNu, 16.3966e6, 16.3966e6, 1.97154e-6, 1.86962e-6},
                        {2, 1, 0, 20000, kE, kNu, 8.51260e6, 11.5372e6, 7.77593e-7, 8.32008e-7}};
  for (const Case& k : cases) {
    Bearing bb;
    auto& m = bb.m;
    const int j = k.race;
    std::tie(m.matprop.hsngem, m.matprop.hsngpr, m.fatiguecons.khoop, m.opcond.racefit(j), m.vecmats.raceangvel(1, j)) =
        std::tuple(k.eh, k.nuh, k.khoop, nd(k.fit), k.rpm / m.constants.cangvel);
    zelc2::zelc2(m);
    const double u = m.opcond.raceexp(j) * kSlen, t = k.khoop * m.zelc2.racehoopf(j) / m.constants.cpres;
    EXPECT_TRUE(rel(m.zelc2.racehoopf(j), k.hoop, 1e-5) && rel(m.opcond.racehoop(j), k.seat, 1e-5) && rel(u, k.u, 1e-5) &&
                rel(m.brggeom.racerad.lin(j == 1 ? 1 : 4) * kSlen - (j == 1 ? kRo : kRb), k.useat, 1e-5) && rel(m.brggeom.racerad.lin(j + 1) * kSlen - (j == 1 ? kRor : kRir), k.u, 1e-5)) << j;
    EXPECT_NEAR(m.opcond.opintcls * kSlen, kC + (j == 1 ? 2 : -2) * u, 1e-15) << j;
    EXPECT_TRUE(k.rpm > 0 ? m.opcond.opracefit(j) < 0 : std::abs(m.opcond.opracefit(j) * kSlen - k.fit) < 1e-18) << j;
    // Hoop shear terms of the life models: -0.5 and -sqrt(2)/3 (seven figures) of the raceway hoop.
    EXPECT_TRUE(std::abs(m.fatiguecons.tauhvk(j) + 0.5 * t) <= 1e-15 * std::abs(t) && std::abs(m.fatiguecons.tauhih(j) + std::sqrt(2.0) / 3 * t) <= 1e-7 * std::abs(t));
    EXPECT_TRUE(m.opcond.racehoop(3 - j) == 0 && m.opcond.raceexp(3 - j) == 0 && m.fatiguecons.tauhvk(3 - j) == 0 && (k.khoop || m.fatiguecons.tauhvk(j) == 0)) << j;
  }
  // Ring coefficients at free surfaces: u / r = (sigma_theta - nu sigma_r) / E, sigma_r = -1 if loaded.
  zq::FArray<double, 4> u;
  zq::FArray<double, 3> s;
  for (auto [a, r] : {std::pair(0.7, 1.3), std::pair(0.7, 0.7), std::pair(0.0, 1.3)}) {
    zelc2::ringcoef(a, 1.3, r, 2.1e5, 0.28, 3.0, 1.2e-5, u, s);
    EXPECT_TRUE(std::abs(u(1) / r - (s(1) + (r == 1.3) * 0.28) / 2.1e5) < 1e-15 && std::abs(u(2) / r - (s(2) + (r == a) * 0.28) / 2.1e5) < 1e-15 &&
                std::abs(u(3) / r - s(3) / 2.1e5) < 1e-15 && u(4) == 1.2e-5 * r) << a << " " << r;
  }
}

TEST(RaceFits, ThermalGrowthWithoutFitPressure) {
  // Races no warmer than seats: radii grow alpha r dT, ball alpha D dT, clearance c0 + 2 alpha (dT1
  // Ror - dT2 Rir) - 2 alpha dTe D, seat fits 2 alpha r (dT race - dT seat), plus loose input fit.
  // Split halves (3, 4) copy their race; each call starts from the first radii.
  struct Case { double dt1, dt2, dth, dts, dte, fit1, fit2; };
  const Case cases[] = {{0, 0, 0, 0, 0, 0, 0}, {60, 60, 60, 60, 60, 0, 0}, {0, 0, 0, 0, 40, 0, 0}, {0, 30, 0, 0, 0, 0, 0},
                        {10, 0, 25, 0, 0, 0, 0}, {0, 0, 0, 0, 0, -0.01e-3, -0.004e-3}, {10, 0, 25, 0, 0, -0.01e-3, -0.004e-3}};
  for (const Case& k : cases) {
    Bearing b(k.dt1, k.dt2, k.dth, k.dts, k.dte);
    auto& m = b.m;
    auto& g = m.brggeom;
    std::tie(g.nrace, m.opcond.racefit(1), m.opcond.racefit(2)) = std::tuple(4, nd(k.fit1), nd(k.fit2));
    zelc2::zelc2(m);
    const Opcond first = m.opcond;
    const Brggeom firstg = g;
    std::tie(m.opcond.racetemp(2), m.opcond.retemp(2), m.vecmats.raceangvel(1, 1), m.vecmats.raceangvel(1, 2)) = std::tuple(kRoom + 70, kRoom + 70, 2e-3, 3e-3);
    zelc2::zelc2(m);
    b.m.opcond = first;
    std::tie(m.vecmats.raceangvel(1, 1), m.vecmats.raceangvel(1, 2)) = std::tuple(0.0, 0.0);
    zelc2::zelc2(m);
    EXPECT_TRUE(m.opcond.racehoop == first.racehoop && m.opcond.raceexp == first.raceexp && m.opcond.opracefit == first.opracefit &&
                m.opcond.opintcls == first.opintcls && g.racerad == firstg.racerad && g.redia == firstg.redia && g.racecurcen == firstg.racecurcen) << k.dt1;
    const auto& r = g.racerad;
    EXPECT_TRUE(m.opcond.racehoop(1) == 0.0 && m.opcond.racehoop(2) == 0.0 && rel(r.lin(2) * kSlen, kRor * (1 + kAl * k.dt1), 1e-14) &&
                rel(r.lin(3) * kSlen, kRir * (1 + kAl * k.dt2), 1e-14) && rel(r.lin(4) * kSlen, kRb * (1 + kAl * k.dt2), 1e-14) &&
                rel(g.redia(2) * kSlen, kD * (1 + kAl * k.dte), 1e-14)) << k.dt1;
    EXPECT_NEAR(m.opcond.opintcls * kSlen, kC + 2 * kAl * (k.dt1 * kRor - k.dt2 * kRir) - 2 * kAl * k.dte * kD, 1e-15);
    EXPECT_NEAR(m.opcond.opracefit(1) * kSlen, k.fit1 + 2 * kAl * kRo * (k.dt1 - k.dth), 1e-16);
    EXPECT_NEAR(m.opcond.opracefit(2) * kSlen, k.fit2 + 2 * kAl * kRb * (k.dts - k.dt2), 1e-16);
    for (int n = 1; n <= 4; ++n)
      EXPECT_TRUE(r.lin(n + 4) == r.lin(n) && (n > 2 || (g.racecurcen(2, n + 2) == g.racecurcen(2, n) && m.opcond.raceexp(n + 2) == m.opcond.raceexp(n) &&
                  m.opcond.racehoop(n + 2) == m.opcond.racehoop(n) && m.fatiguecons.tauhvk(n + 2) == m.fatiguecons.tauhvk(n) && m.fatiguecons.tauhih(n + 2) == m.fatiguecons.tauhih(n))));
  }
}

TEST(RaceFits, OperatingClearanceIsTwiceTheInnerRaceTravelToElementOne) {
  // Tapered: cup t1 = 0.35 rad, cone t2 = 0.25, roller mid dia. D = 6 mm, axis am = (t1 + t2)/2;
  // races at mid-generatrix points (D apart along nm = (-sin am, cos am)), cup raised 0.01 mm. Cone
  // on shaft, fit above (Lame, solid shaft: u3 = delta a/b), cup 10 K, housing 25 K, rollers 40 K.
  // Roller's outer point at the cup's station; gap normal to cone (n2): radial travel gap / cos t2.
  const double t1 = 0.35, t2 = 0.25, am = (t1 + t2) / 2, nm[2] = {-std::sin(am), std::cos(am)}, n2[2] = {-std::sin(t2), std::cos(t2)};
  const double r2 = kRir + kD * nm[1] + 0.01e-3;
  for (bool running : {false, true}) {
    Bearing b(running ? 10 : 0, 0, running ? 25 : 0, 0, running ? 40 : 0);
    auto& g = b.m.brggeom;
    std::tie(g.kbrg, g.racetaper(1), g.racetaper(2), g.racerad.lin(2), b.m.opcond.racefit(2)) = std::tuple(4, t1, t2, nd(r2), nd(running ? 0.02e-3 : 0.0));
    zelc2::zelc2(b.m);
    const double u3 = running ? 0.01e-3 * kRb / kRir : 0.0, u2 = running ? kAl * r2 * 10 : 0.0, dd = running ? kAl * kD * 40 : 0.0;
    const double q[2] = {kD * nm[0] - (kD + dd) * nm[0], r2 + u2 - (kD + dd) * nm[1]};  // inner mid-generatrix point
    EXPECT_NEAR(b.m.opcond.opintcls * kSlen, 2 * (q[0] * n2[0] + (q[1] - kRir - u3) * n2[1]) / std::cos(t2), 1e-12) << running;
  }
  // Cylindrical rollers: d_o - d_i - 2D. Spherical: race sphere centres 0.6 x 0.24 mm axially, 0.182 mm
  // radially apart reach Ro + Ri - D = 0.24 mm (3-4-5 triangle) after a radial travel 0.192 - 0.182 mm.
  for (int kbrg : {2, 3}) {
    Bearing b;
    auto& g = b.m.brggeom;
    g.kbrg = kbrg;
    if (kbrg == 3) std::tie(g.racecurcen(1, 2), g.racecurcen(2, 2)) = std::tuple(nd(0.144e-3), g.racecurcen(2, 1) + nd(0.182e-3));
    zelc2::zelc2(b.m);
    EXPECT_NEAR(b.m.opcond.opintcls * kSlen, 0.02e-3, 1e-15) << kbrg;
  }
}

TEST(RaceFits, InterferenceOnASeatThatCannotExistStops) {
  // Housing no larger than the bearing, or shaft bore no smaller than its bore: unused; input fit
  // stops (status 1; envelope record, both diameters, E12.4, label A4); else loose stays loose.
  const std::string head = "\n     Execution terminating in Zelc2\n     Interference fit of the ", tail = "     Check the bearing envelope record.\n";
  struct Case { double hsngod, shftid, fit1, fit2, dt1; std::string block; };
  const Case cases[] = {
      {0.0, 0.0, 0.02e-3, 0, 0, head + "outer race needs a housing whose outside\n     diameter is larger than the bearing outside diameter.\n" + tail +
                                    "     Housing OD   =   0.0000E+00  (m)\n     Bearing OD   =   6.0000E-02  (m)\n\n\n"},
      {0.1, 40e-3, 0, 0.02e-3, 0, head + "inner race needs a shaft whose inside\n     diameter is smaller than the bearing bore diameter.\n" + tail +
                                      "     Shaft ID     =   4.0000E-02  (m)\n     Bearing bore =   3.0000E-02  (m)\n\n\n"},
      {2 * kRo, 0, 0, 0, 5, ""}, {0, 0, -0.01e-3, -0.01e-3, 0, ""}, {-0.1, 2 * kRb, -0.01e-3, -0.01e-3, 0, ""}, {50e-3, 40e-3, 0, 0, 0, ""}};
  for (const Case& k : cases) {
    Bearing b(k.dt1);
    auto& m = b.m;
    std::tie(m.brggeom.hsngod, m.brggeom.shftid, m.opcond.racefit(1), m.opcond.racefit(2)) = std::tuple(nd(k.hsngod), nd(k.shftid), nd(k.fit1), nd(k.fit2));
    int status = 0;
    try { zelc2::zelc2(m); } catch (const zq::StopRun& e) { status = e.where() == "zelc2" ? e.status() : -1; }
    EXPECT_TRUE(status == (k.block.empty() ? 0 : 1) && b.out.str() == k.block) << k.hsngod << "\n" << b.out.str();
    if (k.block.empty()) {
      EXPECT_TRUE(rel(m.brggeom.racerad.lin(2) * kSlen, kRor * (1 + kAl * k.dt1), 1e-14) && m.opcond.racehoop(1) == 0 && m.opcond.opracefit(2) <= 0);
    }
  }
}
