// Race fits, expansion and hoop stress against the thick-ring (Lame) solutions of elasticity
// texts (e.g. Timoshenko & Goodier, Theory of Elasticity, ch. 4): shrink fits, rotating free
// rings, uniform heating; the operating clearance from the raceway geometry; the stops for a
// housing or shaft that cannot exist. The model is set up as the bearing set-up leaves it:
// lengths in units of slen, speeds scaled by cangvel, densities converted to rho (slen/stime)^2,
// moduli in Pa, temperatures in K. Expected values are computed here in SI (m, Pa, rad/s).
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <sstream>
#include <string>

#include "contact/zelc2.h"
#include "model/model.h"
#include "run/stop.h"

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kSlen = 0.003;     // m: half the 6 mm ball diameter
constexpr double kSforce = 1000.0;  // N
constexpr double kSteelE = 208e9, kSteelNu = 0.3, kSteelRho = 7800.0, kSteelAlpha = 11.7e-6;
constexpr double kRoom = 293.15;  // K

// Deep-groove ball bearing, 6 mm balls, no contact angle: outside radius 30 mm, outer raceway
// 25.01 mm, inner raceway 19 mm, bore 15 mm, groove radii 3.12 mm (f = 0.52). Diametral
// clearance d_o - d_i - 2D = 50.02 - 38 - 12 = 0.02 mm.
constexpr double kRo = 30e-3, kRor = 25.01e-3, kRir = 19e-3, kRb = 15e-3, kD = 6e-3;
constexpr double kGroove = 3.12e-3, kClearance = 0.02e-3;

double nd(double metres) { return metres / kSlen; }

struct Bearing {
  std::ostringstream out;  // declared first: the report flushes into it on destruction
  std::unique_ptr<Model> mp = std::make_unique<Model>();
  Model& m = *mp;
  double stime = 0.0;
  double cangvel = 0.0;

  Bearing() {
    m.devices.report.attach(out);
    auto& c = m.constants;
    const double bremass = kSteelRho * kPi / 6.0 * kD * kD * kD;
    c.slen = kSlen;
    c.sforce = kSforce;
    stime = std::sqrt(bremass * kSlen / (c.ag(1) * kSforce));
    c.stime = stime;
    cangvel = 30.0 / (kPi * stime);
    c.cangvel = cangvel;
    c.cpres = kSforce / (kSlen * kSlen);
    m.units.ulen = " (m)";

    auto& mat = m.matprop;
    const double rho = density(kSteelRho);
    for (int j = 1; j <= 2; ++j) {
      mat.raceem(j) = kSteelE;
      mat.racepr(j) = kSteelNu;
      mat.raceden(j) = rho;
      mat.racecte(j) = kSteelAlpha;
    }
    mat.hsngem = mat.shftem = kSteelE;
    mat.hsngpr = mat.shftpr = kSteelNu;
    mat.hsngden = mat.shftden = rho;
    mat.hsngcte = mat.shftcte = mat.recte = kSteelAlpha;

    auto& g = m.brggeom;
    g.kbrg = 1;
    g.nre = 3;
    g.nrace = 2;
    g.bredia = nd(kD);
    g.brgod = nd(2 * kRo);
    g.brgbore = nd(2 * kRb);
    g.hsngod = nd(100e-3);
    g.shftid = 0.0;
    g.racerad.lin(1) = nd(kRo);
    g.racerad.lin(2) = nd(kRor);
    g.racerad.lin(3) = nd(kRir);
    g.racerad.lin(4) = nd(kRb);
    g.racecurrad(1) = g.racecurrad(2) = nd(kGroove);
    g.racecurcen(2, 1) = nd(kRor - kGroove);
    g.racecurcen(2, 2) = nd(kRir + kGroove);
    g.cosshimang(1) = g.cosshimang(2) = 1.0;
    for (int i = 1; i <= g.nre; ++i) {
      g.redia(i) = g.bredia;
      g.rerad(i) = g.recrn(i) = g.bredia / 2;
      g.recur(1, i) = g.recur(2, i) = 1.0 / g.rerad(i);
    }

    auto& oc = m.opcond;
    oc.roomtemp = oc.hsngtemp = oc.shfttemp = kRoom;
    oc.racetemp(1) = oc.racetemp(2) = kRoom;
    for (int i = 1; i <= g.nre; ++i) oc.retemp(i) = kRoom;
  }
  // Density in the converted form of the set-up (SI: divided by ag = 1).
  double density(double rho) const { return rho * (kSlen / stime) * (kSlen / stime); }
  void speed(int race, double rpm) { m.vecmats.raceangvel(1, race) = rpm / cangvel; }
  void run() { zelc2::zelc2(m); }
};

double radps(double rpm) { return rpm * kPi / 30.0; }

// Inner ring (a = 15 mm, b = 19 mm) on a solid shaft of the same steel, radial interference
// delta = 0.01 mm (diametral fit 0.02 mm). Lame, equal E and nu:
//   p = delta E (b^2 - a^2) / (2 a b^2)
//   bore hoop stress     sigma(a) = p (b^2 + a^2) / (b^2 - a^2)
//   raceway hoop stress  sigma(b) = 2 p a^2 / (b^2 - a^2)
//   raceway growth       u(b) = 2 p a^2 b / (E (b^2 - a^2))
//   bore growth          u(a) = p a / E ((b^2 + a^2) / (b^2 - a^2) + nu)
TEST(RaceFits, InnerRingOnSolidShaftMatchesLame) {
  const double a = kRb, bb = kRir, delta = 0.01e-3, E = kSteelE;
  const double d2 = bb * bb - a * a;
  const double p = delta * E * d2 / (2 * a * bb * bb);
  const double hoopBore = p * (bb * bb + a * a) / d2;
  const double hoopRace = 2 * p * a * a / d2;
  const double uRace = 2 * p * a * a * bb / (E * d2);
  const double uBore = p * a / E * ((bb * bb + a * a) / d2 + kSteelNu);
  // The handbook figures of this case, to the digits quoted.
  EXPECT_NEAR(p / 1e6, 26.1200, 0.5e-4);
  EXPECT_NEAR(hoopBore / 1e6, 112.547, 0.5e-3);
  EXPECT_NEAR(hoopRace / 1e6, 86.4266, 0.5e-4);
  EXPECT_NEAR(uRace * 1e3, 0.0078947, 0.5e-7);

  Bearing b;
  b.m.opcond.racefit(2) = nd(2 * delta);
  b.run();
  const auto& m = b.m;
  EXPECT_NEAR(m.opcond.racehoop(2), hoopBore, 1e-9 * hoopBore);
  EXPECT_NEAR(m.zelc2.racehoopf(2), hoopRace, 1e-9 * hoopRace);
  EXPECT_NEAR(m.opcond.raceexp(2) * kSlen, uRace, 1e-9 * uRace);
  EXPECT_NEAR(m.brggeom.racerad.lin(3) * kSlen, kRir + uRace, 1e-15);
  EXPECT_NEAR(m.brggeom.racerad.lin(4) * kSlen - kRb, uBore, 1e-9 * uBore);
  EXPECT_NEAR(m.brggeom.racecurcen(2, 2) * kSlen, kRir + kGroove + uRace, 1e-15);
  EXPECT_NEAR(m.opcond.opracefit(2) * kSlen, 2 * delta, 1e-18);
  EXPECT_NEAR(m.opcond.opintcls * kSlen, kClearance - 2 * uRace, 1e-15);
  // The outer race is untouched.
  EXPECT_EQ(m.opcond.racehoop(1), 0.0);
  EXPECT_EQ(m.opcond.raceexp(1), 0.0);
}

// Hoop shear terms of the life models: -0.5 and -sqrt(2)/3 times the raceway hoop stress,
// non-dimensional; khoop = 0 switches them off.
TEST(RaceFits, HoopShearTermsFollowRacewayStressAndSwitch) {
  for (int khoop : {1, 0}) {
    Bearing b;
    b.m.fatiguecons.khoop = khoop;
    b.m.opcond.racefit(2) = nd(0.02e-3);
    b.run();
    const auto& m = b.m;
    const double sigma = m.zelc2.racehoopf(2);
    ASSERT_GT(sigma, 8e7);
    const double cpres = kSforce / (kSlen * kSlen);
    EXPECT_DOUBLE_EQ(m.fatiguecons.tauhvk(2), -0.5 * khoop * sigma / cpres) << khoop;
    EXPECT_NEAR(m.fatiguecons.tauhih(2), -std::sqrt(2.0) / 3.0 * khoop * sigma / cpres,
                1e-7 * sigma / cpres)
        << khoop;
    EXPECT_EQ(m.fatiguecons.tauhvk(1), 0.0);
  }
}

// Outer ring (raceway b = 25.01 mm, outside c = 30 mm, steel) in an aluminium housing (bore c,
// outside d = 50 mm, E 70 GPa, nu 0.33), radial interference delta = 0.015 mm. Lame:
//   p = delta / (c/E_h ((d^2 + c^2)/(d^2 - c^2) + nu_h) + c/E_r ((c^2 + b^2)/(c^2 - b^2) - nu_r))
//   raceway hoop stress  sigma(b) = -2 p c^2 / (c^2 - b^2)
//   raceway growth       u(b) = -2 p b c^2 / (E_r (c^2 - b^2))
//   outside growth       u(c) = -p c / E_r ((c^2 + b^2)/(c^2 - b^2) - nu_r)
TEST(RaceFits, OuterRingInHousingMatchesLame) {
  const double bb = kRor, c = kRo, d = 50e-3, delta = 0.015e-3;
  const double Eh = 70e9, nuh = 0.33, Er = kSteelE, nur = kSteelNu;
  const double rc2 = c * c - bb * bb;
  const double p =
      delta / (c / Eh * ((d * d + c * c) / (d * d - c * c) + nuh) + c / Er * ((c * c + bb * bb) / rc2 - nur));
  const double hoop = -2 * p * c * c / rc2;
  const double uRace = -2 * p * bb * c * c / (Er * rc2);
  const double uOut = -p * c / Er * ((c * c + bb * bb) / rc2 - nur);

  Bearing b;
  b.m.brggeom.hsngod = nd(2 * d);
  b.m.matprop.hsngem = Eh;
  b.m.matprop.hsngpr = nuh;
  b.m.opcond.racefit(1) = nd(2 * delta);
  b.run();
  const auto& m = b.m;
  EXPECT_NEAR(m.opcond.racehoop(1), hoop, 1e-9 * std::fabs(hoop));
  EXPECT_EQ(m.zelc2.racehoopf(1), m.opcond.racehoop(1));
  EXPECT_NEAR(m.opcond.raceexp(1) * kSlen, uRace, 1e-9 * std::fabs(uRace));
  EXPECT_NEAR(m.brggeom.racerad.lin(1) * kSlen - kRo, uOut, 1e-9 * std::fabs(uOut));
  EXPECT_NEAR(m.opcond.opracefit(1) * kSlen, 2 * delta, 1e-18);
  EXPECT_NEAR(m.opcond.opintcls * kSlen, kClearance + 2 * uRace, 1e-15);
  EXPECT_EQ(m.opcond.racehoop(2), 0.0);
}

// A free ring (inside a, outside b) spinning at omega. Lame with body force:
//   hoop stress at the bore     rho w^2 / 4 ((3 + nu) b^2 + (1 - nu) a^2)
//   hoop stress at the outside  rho w^2 / 4 ((3 + nu) a^2 + (1 - nu) b^2)
// and, with no radial stress at a free surface, Hooke's law gives u = r sigma / E there.
// Both races loosen on their seats as they spin (the mating ring grows more or less).
TEST(RaceFits, RotatingFreeRingHoopStressAndGrowth) {
  struct Case {
    int race;
    double rpm, a, b;
  };
  const Case cases[] = {{1, 15000.0, kRor, kRo}, {2, 20000.0, kRb, kRir}};
  for (const Case& k : cases) {
    Bearing b;
    b.speed(k.race, k.rpm);
    b.run();
    const auto& m = b.m;
    const double w2 = radps(k.rpm) * radps(k.rpm), nu = kSteelNu;
    const double rw = kSteelRho * w2 / 4.0;
    const double hoopBore = rw * ((3 + nu) * k.b * k.b + (1 - nu) * k.a * k.a);
    const double hoopOut = rw * ((3 + nu) * k.a * k.a + (1 - nu) * k.b * k.b);
    ASSERT_LT(m.opcond.opracefit(k.race), 0.0) << k.race;
    EXPECT_NEAR(m.opcond.racehoop(k.race), hoopBore, 1e-9 * hoopBore) << k.race;
    // Race 1 runs on its bore, race 2 on its outside surface.
    const double hoopRace = k.race == 1 ? hoopBore : hoopOut;
    const double rRace = k.race == 1 ? k.a : k.b;
    EXPECT_NEAR(m.zelc2.racehoopf(k.race), hoopRace, 1e-9 * hoopRace) << k.race;
    EXPECT_NEAR(m.opcond.raceexp(k.race) * kSlen, rRace * hoopRace / kSteelE,
                1e-9 * rRace * hoopRace / kSteelE)
        << k.race;
  }
}

// Thermal growth without fit pressure (every race at most as warm as its seat): each race
// radius grows by alpha r dT, the ball diameter by alpha D dT, so the clearance becomes
//   c0 + 2 alpha (dT1 R_or - dT2 R_ir) - 2 alpha dTe D.
// Uniform heating scales the whole bearing: clearance c0 (1 + alpha dT), no fit change. A loose
// input fit adds to the seat fit and leaves the races free.
TEST(RaceFits, ThermalGrowthAlone) {
  struct Case {
    const char* name;
    double dt1, dt2, dth, dts, dte, fit1 = 0, fit2 = 0;  // fits: diametral, m
  };
  const Case cases[] = {
      {"no temperature difference", 0, 0, 0, 0, 0},
      {"uniform", 60, 60, 60, 60, 60},
      {"balls only", 0, 0, 0, 0, 40},
      {"inner race above shaft", 0, 30, 0, 0, 0},
      {"housing above outer race", 10, 0, 25, 0, 0},
      {"loose fits leave the races free", 0, 0, 0, 0, 0, -0.01e-3, -0.004e-3},
      {"loose fits, housing above outer race", 10, 0, 25, 0, 0, -0.01e-3, -0.004e-3},
  };
  for (const Case& k : cases) {
    Bearing b;
    auto& oc = b.m.opcond;
    oc.racetemp(1) = kRoom + k.dt1;
    oc.racetemp(2) = kRoom + k.dt2;
    oc.hsngtemp = kRoom + k.dth;
    oc.shfttemp = kRoom + k.dts;
    for (int i = 1; i <= 3; ++i) oc.retemp(i) = kRoom + k.dte;
    oc.racefit(1) = nd(k.fit1);
    oc.racefit(2) = nd(k.fit2);
    b.run();
    const auto& m = b.m;
    const double al = kSteelAlpha;
    EXPECT_EQ(m.opcond.racehoop(1), 0.0) << k.name;
    EXPECT_EQ(m.opcond.racehoop(2), 0.0) << k.name;
    EXPECT_NEAR(m.brggeom.racerad.lin(2) * kSlen, kRor * (1 + al * k.dt1), 1e-15) << k.name;
    EXPECT_NEAR(m.brggeom.racerad.lin(3) * kSlen, kRir * (1 + al * k.dt2), 1e-15) << k.name;
    EXPECT_NEAR(m.brggeom.racerad.lin(4) * kSlen, kRb * (1 + al * k.dt2), 1e-15) << k.name;
    EXPECT_NEAR(m.brggeom.redia(2) * kSlen, kD * (1 + al * k.dte), 1e-15) << k.name;
    const double c = kClearance + 2 * al * (k.dt1 * kRor - k.dt2 * kRir) - 2 * al * k.dte * kD;
    EXPECT_NEAR(m.opcond.opintcls * kSlen, c, 1e-15) << k.name;
    // Seat fits: growth of race minus growth of seat (radial), doubled.
    EXPECT_NEAR(m.opcond.opracefit(1) * kSlen, k.fit1 + 2 * al * kRo * (k.dt1 - k.dth), 1e-16)
        << k.name;
    EXPECT_NEAR(m.opcond.opracefit(2) * kSlen, k.fit2 + 2 * al * kRb * (k.dts - k.dt2), 1e-16)
        << k.name;
  }
}

// Every call starts from the radii of the first call: the same speeds and temperatures give
// the same state whatever came before.
TEST(RaceFits, RepeatedCallsDoNotAccumulate) {
  Bearing b;
  b.m.opcond.racefit(1) = nd(0.02e-3);
  b.m.opcond.racefit(2) = nd(0.02e-3);
  b.m.opcond.racetemp(2) = kRoom + 20;
  b.speed(2, 8000.0);
  b.run();
  const Opcond first = b.m.opcond;
  const Brggeom firstg = b.m.brggeom;
  b.speed(2, 0.0);
  b.m.opcond.racetemp(2) = kRoom;
  b.run();
  EXPECT_NE(b.m.brggeom.racerad.lin(3), firstg.racerad.lin(3));
  b.speed(2, 8000.0);
  b.m.opcond.racetemp(2) = kRoom + 20;
  b.run();
  b.run();
  for (int j = 1; j <= 2; ++j) {
    EXPECT_EQ(b.m.opcond.racehoop(j), first.racehoop(j));
    EXPECT_EQ(b.m.opcond.raceexp(j), first.raceexp(j));
    EXPECT_EQ(b.m.opcond.opracefit(j), first.opracefit(j));
  }
  EXPECT_EQ(b.m.opcond.opintcls, first.opintcls);
  EXPECT_TRUE(b.m.brggeom.racerad == firstg.racerad);
  EXPECT_TRUE(b.m.brggeom.redia == firstg.redia);
}

// A ball is a sphere: after size scatter and thermal growth both principal curvatures are
// 1/radius and the crown radius is the radius. A roller keeps its crown curvature.
TEST(RaceFits, BallStaysSphereAfterScatterAndGrowth) {
  Bearing b;
  auto& g = b.m.brggeom;
  g.rediavar(2) = nd(0.004e-3);
  g.rediavar(3) = nd(-0.002e-3);
  b.m.opcond.retemp(3) = kRoom + 50;
  b.run();
  for (int i = 1; i <= 3; ++i) {
    const double r = (kD + g.rediavar(i) * kSlen + (i == 3 ? kSteelAlpha * 50 * kD : 0.0)) / 2;
    EXPECT_NEAR(g.rerad(i) * kSlen, r, 1e-15) << i;
    EXPECT_EQ(g.recrn(i), g.rerad(i)) << i;
    EXPECT_DOUBLE_EQ(g.recur(1, i), 1.0 / g.rerad(i)) << i;
    EXPECT_EQ(g.recur(2, i), g.recur(1, i)) << i;
  }

  Bearing c;
  auto& h = c.m.brggeom;
  h.kbrg = 2;
  h.recrn(1) = 500.0;
  h.recur(2, 1) = 1.0 / 500.0;
  h.rediavar(1) = nd(0.004e-3);
  c.run();
  EXPECT_EQ(h.recrn(1), 500.0);
  EXPECT_EQ(h.recur(2, 1), 1.0 / 500.0);
  EXPECT_DOUBLE_EQ(h.recur(1, 1), 1.0 / h.rerad(1));
}

TEST(RaceFits, SplitRaceSegmentsCopyTheirRace) {
  Bearing b;
  b.m.brggeom.nrace = 4;
  b.m.opcond.racefit(2) = nd(0.02e-3);
  b.speed(1, 5000.0);
  b.run();
  const auto& m = b.m;
  for (int j = 3; j <= 4; ++j) {
    EXPECT_EQ(m.brggeom.racecurcen(2, j), m.brggeom.racecurcen(2, j - 2));
    EXPECT_EQ(m.fatiguecons.tauhvk(j), m.fatiguecons.tauhvk(j - 2));
    EXPECT_EQ(m.fatiguecons.tauhih(j), m.fatiguecons.tauhih(j - 2));
    EXPECT_EQ(m.opcond.raceexp(j), m.opcond.raceexp(j - 2));
    EXPECT_EQ(m.opcond.racehoop(j), m.opcond.racehoop(j - 2));
  }
  for (int k = 5; k <= 8; ++k) EXPECT_EQ(m.brggeom.racerad.lin(k), m.brggeom.racerad.lin(k - 4));
  EXPECT_NE(m.opcond.racehoop(4), 0.0);
}

// Geometric clearance of roller bearings at rest: cylindrical and untapered tapered rollers
// d_o - d_i - 2D; spherical rollers twice the radial travel of the inner race that brings the
// race sphere centres Dc = Ro + Ri - D = 2 x 3.12 - 6 = 0.24 mm apart: centres 0.6 Dc apart
// axially and 0.182 mm radially, a 3-4-5 triangle closes at 0.8 Dc = 0.192 mm, a travel of
// 0.01 mm.
TEST(RaceFits, RollerBearingClearanceAtRest) {
  struct Case {
    int kbrg;
    double expected;
  };
  const Case cases[] = {{2, kClearance}, {4, kClearance}, {3, 0.02e-3}};
  for (const Case& k : cases) {
    Bearing b;
    auto& g = b.m.brggeom;
    g.kbrg = k.kbrg;
    if (k.kbrg == 3) {
      g.freeconang = 0.2;
      g.racecurcen(1, 1) = 0.0;
      g.racecurcen(1, 2) = nd(0.6 * 0.24e-3);
      g.racecurcen(2, 2) = g.racecurcen(2, 1) + nd(0.182e-3);
    }
    b.run();
    EXPECT_NEAR(b.m.opcond.opintcls * kSlen, k.expected, 1e-15) << k.kbrg;
  }
}

// Lame coefficients at a free surface obey Hooke's law in plane stress,
// u / r = (sigma_theta - nu sigma_r) / E, with sigma_r = -1 on the loaded surface and 0 on
// the other one and under rotation.
TEST(RingCoefficients, HookeLawAtTheSurfaces) {
  const double a = 0.7, b = 1.3, E = 2.1e5, nu = 0.28, rho = 3.0, al = 1.2e-5;
  zq::FArray<double, 4> u;
  zq::FArray<double, 3> s;
  zelc2::ringcoef(a, b, b, E, nu, rho, al, u, s);
  EXPECT_NEAR(u(1) / b, (s(1) + nu) / E, 1e-15);
  EXPECT_NEAR(u(2) / b, s(2) / E, 1e-15);
  EXPECT_NEAR(u(3) / b, s(3) / E, 1e-15);
  EXPECT_DOUBLE_EQ(u(4), al * b);
  zelc2::ringcoef(a, b, a, E, nu, rho, al, u, s);
  EXPECT_NEAR(u(1) / a, s(1) / E, 1e-15);
  EXPECT_NEAR(u(2) / a, (s(2) + nu) / E, 1e-15);
  EXPECT_NEAR(u(3) / a, s(3) / E, 1e-15);
  zelc2::ringcoef(0.0, b, b, E, nu, rho, al, u, s);
  EXPECT_NEAR(u(1) / b, (s(1) + nu) / E, 1e-15);
  EXPECT_EQ(u(2), 0.0);
  EXPECT_NEAR(u(3) / b, s(3) / E, 1e-15);
}

// Stops when an interference fit needs a housing or shaft that cannot exist; the block names
// the envelope record and gives both diameters in metres (E12.4 in its d.dddd form, label A4).
TEST(RaceFits, ImpossibleSeatStopsWithInterference) {
  {
    Bearing b;
    b.m.brggeom.hsngod = 0.0;
    b.m.opcond.racefit(1) = nd(0.02e-3);
    try {
      b.run();
      FAIL() << "no stop";
    } catch (const zq::StopRun& e) {
      EXPECT_EQ(e.where(), "zelc2");
    }
    EXPECT_EQ(b.out.str(),
              "\n"
              "     Execution terminating in Zelc2\n"
              "     Interference fit of the outer race needs a housing whose outside\n"
              "     diameter is larger than the bearing outside diameter.\n"
              "     Check the bearing envelope record.\n"
              "     Housing OD   =   0.0000E+00  (m)\n"
              "     Bearing OD   =   6.0000E-02  (m)\n"
              "\n\n");
  }
  {
    Bearing b;
    b.m.brggeom.shftid = nd(40e-3);
    b.m.opcond.racefit(2) = nd(0.02e-3);
    EXPECT_THROW(b.run(), zq::StopRun);
    EXPECT_EQ(b.out.str(),
              "\n"
              "     Execution terminating in Zelc2\n"
              "     Interference fit of the inner race needs a shaft whose inside\n"
              "     diameter is smaller than the bearing bore diameter.\n"
              "     Check the bearing envelope record.\n"
              "     Shaft ID     =   4.0000E-02  (m)\n"
              "     Bearing bore =   3.0000E-02  (m)\n"
              "\n\n");
  }
  // Housing exactly as large as the bearing: no housing. A warmer race without an input
  // interference grows freely (no stop, no fit pressure).
  {
    Bearing b;
    b.m.brggeom.hsngod = nd(2 * kRo);
    b.m.opcond.racetemp(1) = kRoom + 5;
    EXPECT_NO_THROW(b.run());
    EXPECT_EQ(b.out.str(), "");
    // free thermal growth of the outer raceway: alpha r dT (zero speed)
    const double r = b.m.setupc2.racerads(2);
    EXPECT_NEAR(b.m.brggeom.racerad.lin(2) - r, kSteelAlpha * r * 5.0, 1e-12 * r);
    EXPECT_EQ(b.m.opcond.racehoop(1), 0.0);
  }
}

// Without interference the housing or shaft ring is not needed: any size is accepted and the
// results stay finite.
TEST(RaceFits, ImpossibleSeatAcceptedWithoutInterference) {
  struct Case {
    double hsngod, shftid;
  };
  for (const Case& k : {Case{0.0, 0.0}, Case{-nd(100e-3), 0.0}, Case{nd(2 * kRo), nd(2 * kRb)},
                        Case{nd(50e-3), nd(40e-3)}}) {
    Bearing b;
    b.m.brggeom.hsngod = k.hsngod;
    b.m.brggeom.shftid = k.shftid;
    b.m.opcond.racefit(1) = nd(-0.01e-3);
    b.m.opcond.racefit(2) = nd(-0.01e-3);
    EXPECT_NO_THROW(b.run());
    EXPECT_EQ(b.out.str(), "");
    EXPECT_TRUE(std::isfinite(b.m.opcond.opracefit(1)));
    EXPECT_TRUE(std::isfinite(b.m.opcond.opintcls));
    EXPECT_LT(b.m.opcond.opracefit(2), 0.0);
  }
}

}  // namespace
