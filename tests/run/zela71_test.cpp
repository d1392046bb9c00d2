// Per-race material constants against hand evaluation of their formulas for a model with round
// scales (slen 0.005 m, sforce 1000 N, stime 1e-4 s): compliance sum, Hertz and line-contact
// constants, strain and shear limits, effusivities, wear constants, the densities in dynamic
// form (converted exactly once), English units (g = 386.088 in/s^2, 14223.344 psi per HRC
// unit), and the zero effusivity of a material given on the input.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>
#include <sstream>

#include "model/model.h"
#include "run/zela7.h"
#include "run/zela71.h"

namespace {

void expectRel(double got, double want, double rel, const char* what) {
  EXPECT_NEAR(got, want, std::abs(want) * rel) << what;
}

constexpr double kPi = std::numbers::pi;

// Element: E = 2e11, nu = 0.3 (Si3N4-like thermal data: 3200 kg/m^3, 500 J/(kg K), 10/pi W/(m K));
// races: E = 2e11, nu = 0.3, 8000 kg/m^3, 450 J/(kg K), 10/pi W/(m K).
std::unique_ptr<Model> roundModel(int kunit) {
  auto m = std::make_unique<Model>();
  m->options.kunit = kunit;
  auto& c = m->constants;
  c.slen = 0.005;
  c.sforce = 1000.0;
  c.stime = 1e-4;
  c.cqv = 2.0;
  auto& p = m->matprop;
  p.reem = 2e11;
  p.repr = 0.3;
  p.reden = 3200;
  p.resh = 500;
  p.retc = 10 / kPi;
  p.resl = 2e8;
  p.reh = 62;
  p.rewc = 5e-6;
  for (int j = 1; j <= 2; ++j) {
    p.raceem(j) = 2e11;
    p.racepr(j) = 0.3;
    p.raceden(j) = 8000;
    p.racesh(j) = 450;
    p.racetc(j) = 10 / kPi;
    p.racesl(j) = 4e8;
    p.raceh(j) = 60;
    p.racewc(j) = 1e-5;
    p.raceesl(j) = 0.007;
  }
  p.facstrlimit = 0.5;
  p.shftden = 7850;
  p.hsngden = 2700;
  m->fatiguecons.em0 = 4.55e-12;
  return m;
}

}  // namespace

TEST(RaceMaterialConstants, EqualSteelsGiveHandValues) {
  auto m = roundModel(1);
  zela71::zela71(*m);
  const auto& c = m->constants;
  const auto& fc = m->fatiguecons;
  for (int j = 1; j <= 4; ++j) {
    // 2 (1 - 0.09) / 2e11
    expectRel(c.ererace(j), 9.1e-12, 1e-14, "ererace");
    // 1000 x 9.1e-12 / 0.005^2
    expectRel(c.qmrerace(j), 3.64e-4, 1e-14, "qmrerace");
    // 0.39 (4 x 1000 x 9.1e-12)^0.9 / 0.005^1.8, evaluated by hand (exp/log)
    expectRel(c.qrerace(1, j), 1.091213787104204e-3, 1e-12, "qrerace(1)");
    // 2 x 1000 x 9.1e-12 / (pi 0.005^2)
    expectRel(c.qrerace(2, j), 2.3172959714179954e-4, 1e-12, "qrerace(2)");
    // 4.55e-12 / 9.1e-12
    expectRel(fc.er(j), 0.5, 1e-14, "er");
    // 4e8 x (0.005^2 / 1000) x 0.5
    expectRel(fc.shearlmtih(j), 5.0, 1e-14, "shearlmtih");
    // sqrt(pi 8000 450 10/pi) + sqrt(pi 500 (10/pi) 3200) = 6000 + 4000, densities as given
    expectRel(c.rock(j), 10000.0, 1e-14, "rock");
  }
  for (int j = 1; j <= 2; ++j) {
    // 0.007 x 2e11 x 0.005^2 / 1000
    expectRel(c.srerace(j), 35.0, 1e-14, "srerace");
    // 2 x 1e-5 / (98066500 x 60)
    expectRel(c.cracewr(j), 2.0 * 1e-5 / (98066500.0 * 60.0), 1e-14, "cracewr");
  }
  // 2e8 x 2.5e-8 x 0.5
  expectRel(fc.shearlmtihre, 2.5, 1e-14, "shearlmtihre");
  // 2 x 5e-6 / (62 x 98066500)
  expectRel(c.crewr, 1.6447035693192393e-15, 1e-12, "crewr");
  // density / 1.0 x (0.005 / 1e-4)^2 = density x 2500
  const auto& p = m->matprop;
  expectRel(p.reden, 8.0e6, 1e-14, "reden");
  expectRel(p.raceden(1), 2.0e7, 1e-14, "raceden(1)");
  expectRel(p.raceden(2), 2.0e7, 1e-14, "raceden(2)");
  expectRel(p.shftden, 7850 * 2500.0, 1e-14, "shftden");
  expectRel(p.hsngden, 2700 * 2500.0, 1e-14, "hsngden");
}

TEST(RaceMaterialConstants, DifferentRacesKeepTheirOwnCompliance) {
  auto m = roundModel(1);
  m->matprop.raceem(2) = 1e11;
  m->matprop.racepr(2) = 0.0;
  zela71::zela71(*m);
  // (1 - 0.09)/2e11 + 1/1e11
  expectRel(m->constants.ererace(2), 4.55e-12 + 1e-11, 1e-14, "inner race");
  expectRel(m->constants.ererace(4), 4.55e-12 + 1e-11, 1e-14, "inner race, second half");
  expectRel(m->constants.ererace(1), 9.1e-12, 1e-14, "outer race unchanged");
}

// English units: densities divided by g = 386.088 in/s^2, wear constants with 14223.344 psi per
// HRC unit. The densities are turned into dynamic form once: a second evaluation changes
// nothing, and its effusivities still come from the densities as given.
TEST(RaceMaterialConstants, EnglishUnitsAndASecondCall) {
  auto m = roundModel(2);
  zela71::zela71(*m);
  expectRel(m->matprop.reden, 3200 * 2500.0 / 386.088, 1e-14, "reden");
  expectRel(m->matprop.hsngden, 2700 * 2500.0 / 386.088, 1e-14, "hsngden");
  expectRel(m->constants.crewr, 2.0 * 5e-6 / (62 * 14223.344), 1e-14, "crewr");
  expectRel(m->constants.cracewr(1), 2.0 * 1e-5 / (14223.344 * 60), 1e-14, "cracewr");
  const Matprop once = m->matprop;
  zela71::zela71(*m);
  for (const auto& [again, first] :
       {std::pair{m->matprop.reden, once.reden}, {m->matprop.raceden(1), once.raceden(1)},
        {m->matprop.raceden(2), once.raceden(2)}, {m->matprop.shftden, once.shftden},
        {m->matprop.hsngden, once.hsngden}})
    EXPECT_EQ(again, first);
  expectRel(m->constants.rock(1), 10000.0, 1e-14, "rock from the densities as given");
}

// A race material from the input has no conductivity or specific heat: its effusivity term is
// zero and rock holds the element's term alone, sqrt(pi 7827 458 43) for 52100 at 295 K.
TEST(RaceMaterialConstants, InputRaceMaterialAddsNoEffusivity) {
  auto m = std::make_unique<Model>();
  std::ostringstream out;
  m->devices.report.attach(out);
  m->options.kunit = 1;
  m->options.kremat = m->options.kracemat(2) = 100;
  m->options.kracemat(1) = 1;
  m->options.khsngmat = m->options.kshftmat = 111;
  auto& t = m->opcond;
  t.retemp(1) = t.racetemp(1) = t.racetemp(2) = t.hsngtemp = t.shfttemp = 295;
  auto& p = m->matprop;
  p.raceden(1) = 7800;
  p.raceem(1) = 2.0e11;
  p.racepr(1) = 0.3;
  p.raceh(1) = 60;
  p.racewc(1) = 5e-6;
  p.racevm(1) = 6e8;
  p.facstrlimit = 1.0;
  zela7::zela7(*m);
  m->constants.slen = 0.005;
  m->constants.sforce = 1000;
  m->constants.stime = 1e-4;
  m->constants.cqv = 1.0;
  zela71::zela71(*m);
  expectRel(m->constants.rock(1), 22005.922039506866, 1e-12, "element term only");
  expectRel(m->constants.rock(2), 2 * 22005.922039506866, 1e-12, "52100 on 52100");
  // (1 - 0.277^2)/2.0133e11 + (1 - 0.09)/2e11
  expectRel(m->constants.ererace(1), (1 - 0.277 * 0.277) / 2.0133e11 + 0.91 / 2e11, 1e-14,
            "input race compliance");
}
