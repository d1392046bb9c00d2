// Envelope and speed checks of the input: the outer ring needs an outside diameter beyond its
// raceway, the inner ring a bore inside its raceway (zero: a solid ring), and no race may turn so
// fast that its centrifugal stress reaches its modulus. Boundaries on both sides of each limit
// and the exact block lines (E12.4 with the unit label after one blank).
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <sstream>
#include <string>

#include "model/model.h"
#include "report/format.h"
#include "run/stop.h"
#include "run/zela1.h"

namespace {

// Every part at room temperature: the temperature check (absolute, above zero) passes.
void atRoomTemperature(Model& m) {
  auto& oc = m.opcond;
  oc.roomtemp = oc.hsngtemp = oc.shfttemp = oc.racetemp(1) = oc.racetemp(2) = oc.retemp(1) = 293.0;
}

// A spherical roller bearing (no type checks of its own beyond these) with ring walls around
// the raceways (160 mm outer, 60 mm inner), every part at room temperature, report into out.
std::unique_ptr<Model> rings(std::ostringstream& out, double od = 0.2, double bore = 0.04) {
  auto m = std::make_unique<Model>();
  m->devices.report.attach(out);
  m->options.kunit = 1;
  zela1::setunits(*m);
  auto& g = m->brggeom;
  g.kbrg = 3;
  g.brgod = od;
  g.brgbore = bore;
  g.racerad(2, 1) = 0.08;
  g.racerad(1, 2) = 0.03;
  atRoomTemperature(*m);
  return m;
}

// Whether the checks stop the run (status 1, named after the checks).
bool stops(Model& m) {
  try {
    zela1::checkdata(m);
  } catch (const zq::StopRun& s) {
    EXPECT_EQ(s.status(), 1);
    EXPECT_EQ(s.where(), "zela1::checkdata");
    return true;
  }
  return false;
}

struct Case {
  const char* name;
  double od, bore;  // m; raceways 160 mm outer, 60 mm inner
  bool stops;
  const char* lines;  // the two value lines of the block when it stops
};

TEST(EnvelopeCheck, RingsNeedAWallOnEachSideOfTheRaceways) {
  const Case cases[] = {
      {"walls on both rings", 0.2, 0.04, false, ""},
      {"solid inner ring", 0.2, 0.0, false, ""},
      {"outside diameter on the raceway", 0.16, 0.04, true,
       "     Bearing Outside Dia   =   1.6000E-01  (m)\n"
       "     Outer Raceway Dia     =   1.6000E-01  (m)\n"},
      {"outside diameter zero", 0.0, 0.04, true,
       "     Bearing Outside Dia   =   0.0000E+00  (m)\n"
       "     Outer Raceway Dia     =   1.6000E-01  (m)\n"},
      {"bore on the raceway", 0.2, 0.06, true,
       "     Bearing Bore Dia      =   6.0000E-02  (m)\n"
       "     Inner Raceway Dia     =   6.0000E-02  (m)\n"},
      {"negative bore", 0.2, -0.01, true,
       "     Bearing Bore Dia      =  -1.0000E-02  (m)\n"
       "     Inner Raceway Dia     =   6.0000E-02  (m)\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::ostringstream out;
    auto m = rings(out, c.od, c.bore);
    EXPECT_EQ(stops(*m), c.stops);
    if (!c.stops) {
      EXPECT_EQ(out.str(), "");
      continue;
    }
    const bool outer = std::string(c.lines).find("Outside") != std::string::npos;
    const std::string tail =
        outer ? "     The outside diameter must be larger than the outer raceway diameter.\n\n\n"
              : "     The bore must not be negative and must be smaller than the inner\n"
                "     raceway diameter.\n\n\n";
    EXPECT_EQ(out.str(),
              "\n     Execution terminating due to invalid bearing envelope on the bearing "
              "envelope record\n" +
                  std::string(c.lines) + tail);
  }
}

}  // namespace

namespace {

// Limit speed: centrifugal stress scale rho omega^2 r^2 equal to the modulus. E = 2E11 Pa,
// rho = 8000 kg/m^3, r = 0.1 m: omega = sqrt(2.5E7) / 0.1 = 50000 rad/s = 1.5E6 / pi rpm.
TEST(RaceSpeedCheck, LimitIsWhereTheCentrifugalStressReachesTheModulus) {
  const double limit = 50000.0 * 30.0 / 3.141592653589793;
  for (const double factor : {-0.999, 0.999, 1.001, -1.001}) {
    for (int j = 1; j <= 2; ++j) {
      SCOPED_TRACE(testing::Message() << "race " << j << ", factor " << factor);
      std::ostringstream out;
      auto m = rings(out);
      for (int k = 1; k <= 2; ++k) {
        m->matprop.raceem(k) = 2.0e11;
        m->matprop.raceden(k) = 8000.0;
      }
      m->opcond.rpm(j) = factor * limit;
      const bool stopped = stops(*m);
      EXPECT_EQ(stopped, std::abs(factor) > 1.0);
      if (stopped) {
        EXPECT_NE(out.str().find(std::string(j == 1 ? "Outer" : "Inner") +
                                 " Race Speed (rpm) = " + zq::renderE(factor * limit, 12, 4)),
                  std::string::npos)
            << out.str();
        EXPECT_NE(out.str().find("Speed Limit (rpm)      =   4.7746E+05\n"), std::string::npos)
            << out.str();
      }
    }
  }
}

}  // namespace

namespace {

// Temperatures: above zero (absolute), and |cte (T - room)| below 1 for every part. cte 1E-5
// 1/K: the strain reaches 1 at 1E5 K above (or below) room temperature.
TEST(TemperatureCheck, AbsoluteAndBelowUnitThermalStrain) {
  struct T {
    const char* name;
    double room, housing;
    bool stops;
  };
  const T cases[] = {
      {"all at room temperature", 293.0, 293.0, false},
      {"strain just below 1", 293.0, 293.0 + 0.999e5, false},
      {"strain 1", 293.0, 293.0 + 1.0e5, true},
      {"housing at 0", 293.0, 0.0, true},
      {"negative room temperature", -1.0, 293.0, true},
      {"room far above", 2.0e5, 293.0, true},
  };
  for (const T& c : cases) {
    SCOPED_TRACE(c.name);
    std::ostringstream out;
    auto m = rings(out);
    m->opcond.roomtemp = c.room;
    m->opcond.hsngtemp = c.housing;
    m->matprop.hsngcte = m->matprop.shftcte = m->matprop.recte = 1.0e-5;
    m->matprop.racecte(1) = m->matprop.racecte(2) = 1.0e-5;
    const bool stopped = stops(*m);
    EXPECT_EQ(stopped, c.stops);
    if (stopped) {
      // The first part that fails is named: the housing, or for a room temperature of -1 K
      // the room itself; a room temperature far above makes the housing fail.
      const std::string part = c.room < 0.0 ? "Room       " : "Housing    ";
      const double t = c.room < 0.0 ? c.room : c.housing;
      EXPECT_EQ(out.str(),
                "\n     Execution terminating due to invalid temperature on the temperature or "
                "fits record\n     " +
                    part + " Temperature = " + zq::renderE(t, 12, 4) + "  (K)\n" +
                    "     Room Temperature        = " + zq::renderE(c.room, 12, 4) + "  (K)\n" +
                    "     Expansion Coefficient   = " +
                    zq::renderE(c.room < 0.0 ? 0.0 : 1.0e-5, 12, 4) + "\n" +
                    "     Temperatures are absolute and above zero, and the thermal strain\n"
                    "     cte x (T - room temperature) of every part must stay below 1.\n\n\n");
    }
  }
}

}  // namespace

TEST(LubricantCheck, DataThatLeaveFilmOrTractionWithoutANumberStop) {
  // The film's starvation reduction raises the starvation parameter to fractional powers, its
  // thermal loading and the thermal traction group divide by the conductivity, the pressure- and
  // temperature-viscosity coefficients are raised to fractional powers, and the traction group
  // is the square root of traction viscosity times its temperature coefficient. Value lines.
  const struct { int ktrac; void (*set)(Tracprop&); const char* block; } cases[] = {
      {9, [](Tracprop&) {}, nullptr},
      {1, [](Tracprop& t) { t.strparam = 0.0, t.thercondlub(1) = 0.0; }, nullptr},  // database
      {1, [](Tracprop& t) { t.strparam = -0.5; },
       "film and starvation record\n     Starvation Parameter     =  -5.0000E-01\n     This value must not be negative."},
      {9, [](Tracprop& t) { t.thercondlub(1) = -0.1; },
       "lubricant property record\n     Thermal Conductivity     =  -1.0000E-01\n     This value must be positive."},
      {9, [](Tracprop& t) { t.viscoeff(1) = -1.0e-8; },
       "lubricant property record\n     Pres-Viscosity Coeff     =  -1.0000E-08\n     This value must not be negative."},
      {9, [](Tracprop& t) { t.viscoeff(4) = -100.0; },
       "lubricant property record\n     Temp-Viscosity Coeff     =  -1.0000E+02\n     This value must not be negative."},
      {9, [](Tracprop& t) { t.reftracvis = 0.0; },
       "traction-viscosity record\n     Traction Viscosity       =   0.0000E+00\n     This value must be positive."},
      {9, [](Tracprop& t) { t.tracviscoeff(4) = -0.01; },
       "traction-viscosity record\n     tracTemp-Viscosity Coeff =  -1.0000E-02\n     This value must not be negative."}};
  for (const auto& c : cases) {
    std::ostringstream out;
    auto m = rings(out);
    auto& t = m->tracprop;
    t.ktrac = c.ktrac, t.strparam = 1.0, t.thercondlub(1) = 0.13, t.viscoeff(1) = 2.0e-8;
    t.viscoeff(4) = 3000.0, t.reftracvis = 0.2, t.tracviscoeff(4) = 0.03;
    c.set(t);
    EXPECT_EQ(stops(*m), c.block != nullptr);
    if (c.block) {
      EXPECT_EQ(out.str(), std::string("\n     Execution terminating due to invalid lubricant "
                                       "data on the ") + c.block + "\n\n\n");
    }
  }
}
