// Material database: values at and between table points worked out by hand from the tabulated
// data (linear interpolation, clamped ends), the closed-form modulus laws, a sweep of every
// entry for finite and physically sensible values and continuity, the English conversion
// against independent unit factors (NIST: 1 psi = 6894.757 Pa, 1 lbm/in^3 = 27679.90 kg/m^3,
// 1 lbf = 4.448222 N, 1 in = 0.0254 m, 1 R = 1/1.8 K), input materials, no values carried
// over from one part to the next, and the exact stop blocks.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <memory>
#include <sstream>
#include <string>

#include "model/model.h"
#include "run/stop.h"
#include "run/zela7.h"

namespace {

struct Fixture {
  std::unique_ptr<Model> m = std::make_unique<Model>();
  std::ostringstream out;
  Fixture() { m->devices.report.attach(out); }
};

// The database record of one code at temperature tK (kelvin).
Zela7Locals at(int code, double tK) {
  auto m = std::make_unique<Model>();
  m->zela7.temp = tK;
  zela7::setproperties(*m, code);
  return m->zela7;
}

void expectRel(double got, double want, double rel, const std::string& what) {
  EXPECT_NEAR(got, want, std::abs(want) * rel) << what;
}

enum Field { kDen, kEm, kPr, kTc, kCte, kSh, kEsl, kHrc, kWc, kVm };
double field(const Zela7Locals& r, Field f) {
  switch (f) {
    case kDen: return r.den;
    case kEm: return r.em;
    case kPr: return r.pr;
    case kTc: return r.tc;
    case kCte: return r.cte;
    case kSh: return r.sh;
    case kEsl: return r.esl;
    case kHrc: return r.hrc;
    case kWc: return r.wc;
    case kVm: return r.vm;
  }
  return 0;
}

struct PointCase {
  int code;
  double tK;
  Field f;
  double want;
  double rel;
  const char* source;
};

// Hand values: y1 + (y2 - y1)(T - T1)/(T2 - T1) from the tabulated neighbours.
const PointCase kPoints[] = {
    {100, 400, kEm, 1.879101e11, 1e-6, "201.33 + (178.58-201.33) 105/178 GPa"},
    {100, 400, kPr, 0.272281, 1e-5, "0.277 + (0.269-0.277) 105/178"},
    {100, 400, kCte, 1.212682e-5, 1e-6, "11.5 + (12.6-11.5) 102/179 e-6"},
    {100, 400, kEsl, 0.009300562, 1e-6, "(0.7 + 0.39 105/178) %"},
    {100, 295, kEm, 2.0133e11, 1e-12, "first table point"},
    {100, 200, kEm, 2.0133e11, 1e-12, "clamped below 295 K"},
    {100, 20, kPr, 0.277, 1e-12, "clamped below 295 K"},
    {100, 295, kEsl, 0.007, 1e-12, "0.7 percent"},
    {100, 100, kCte, 11.5e-6, 1e-12, "clamped below 298 K"},
    {100, 1273, kEm, 6.688e10, 1e-12, "last table point"},
    {100, 1500, kEm, 6.688e10, 1e-12, "clamped above 1273 K"},
    {100, 1500, kPr, 0.49, 1e-12, "clamped above 1273 K"},
    {100, 2000, kEsl, 0.002, 1e-12, "0.2 percent, clamped"},
    {100, 673, kEm, 1.6272e11, 1e-12, "table point 673 K"},
    {100, 773, kPr, 0.2985, 1e-12, "midway 0.255..0.342"},
    {100, 1000, kVm, 6.84e8, 0, "constant von Mises limit"},
    {101, 477, kCte, 1.13e-5, 0, "up to the 477 K break"},
    {101, 478, kCte, 1.298e-5, 0, "above the 477 K break"},
    {102, 250, kEm, 2.034e11, 0, "softening law below 294 K"},
    {102, 394, kEm, 2.034e11 * (1 - 0.091752313), 1e-12, "2.034e11 (1 - 0.00091752313 x 100)"},
    {102, 394, kVm, 7.17e8 * (1 - 0.091752313), 1e-12, "von Mises limit scales with E"},
    {102, 300, kHrc, 62.5 + (62 - 62.5) * (300 - 294.44) / (366.66 - 294.44), 1e-12, "HRC table"},
    {102, 1000, kHrc, 30, 0, "HRC clamped above 922.22 K"},
    {103, 400, kHrc, 59, 0, "HRC clamped below 477 K"},
    {103, 561, kHrc, 56.5, 1e-12, "midway 533..589 K"},
    {103, 22.22, kEm, 2.079e11, 1e-12, "E in 1e11 Pa"},
    {103, 330.55, kPr, 0.27925, 1e-12, "midway 294.44..366.66"},
    {107, 300, kTc, 13.848 + (14.137 - 13.848) * 17 / 28, 1e-12, "k 283..311 K"},
    {107, 50, kSh, 171.7, 0, "c clamped below 77 K"},
    {111, 408, kCte, 13.2e-6, 1e-12, "midway 293..523 K"},
    {112, 2000, kSh, 670, 0, "c clamped above 1366 K"},
    {113, 146, kEm, 213.39e9, 1e-12, "midway 84..208 K"},
    {113, 1367, kPr, 0.402, 1e-12, "last Poisson point"},
    {120, 294, kVm, 5.79e8 * 2.208e11 / 2.034e11, 1e-12, "5.79e8 E/2.034e11 with E = 2.208e11"},
    {121, 449.5, kCte, 10.315e-6, 1e-12, "midway 366..533 K"},
    {122, 449.5, kCte, 10.315e-6, 1e-12, "expansion as 121"},
    {122, 450, kHrc, 60.0 + 9.5 * (450 - 422.22) / (477.77 - 422.22), 1e-12, "HRC 60.0..69.5"},
    {140, 323, kTc, 11.75, 1e-12, "midway 273..373 K"},
    {150, 500, kEm, 3.17e11, 0, "constant"},
    {163, 408, kCte, 8.9e-6, 1e-12, "midway 293..523 K"},
    {202, 50, kEm, 1.82e10, 0, "Armalon law below 61 K"},
    {202, 177, kEm, 1.21e10, 1e-12, "1.82e10 - 1.22e10 x 116/232"},
    {202, 400, kEm, 6.0e9, 0, "Armalon law above 293 K"},
    {207, 413, kTc, 0.25 + 0.05 * 120 / 240, 1e-12, "k 293..533 K"},
};

}  // namespace

TEST(MaterialDatabase, ValuesAtAndBetweenTablePoints) {
  for (const PointCase& c : kPoints) {
    const Zela7Locals r = at(c.code, c.tK);
    expectRel(field(r, c.f), c.want, c.rel,
              std::to_string(c.code) + " at " + std::to_string(c.tK) + " K: " + c.source);
  }
}

// Materials without a von Mises limit or life codes in the data get zero limit and the codes
// of no life modification.
TEST(MaterialDatabase, NamesDensitiesAndLifeCodes) {
  const Zela7Locals a = at(100, 300), b = at(150, 300);
  EXPECT_EQ(a.name, "AISI 52100 Steel");
  EXPECT_EQ(a.den, 7827);
  EXPECT_EQ(a.kmat * 10 + a.kproc, 12);
  EXPECT_EQ(b.name, "Silicon Nitride (Si3N4)");
  EXPECT_EQ(b.kmat * 10 + b.kproc, 511);
  EXPECT_EQ(at(204, 300).name, "Carbon Phenolic (10% MosS2)");
  EXPECT_EQ(at(105, 300).name, "410 (Martenitic) Stainless Steel");
  for (int code : {110, 111, 112, 113, 160, 161, 162, 163, 200, 201, 202, 203, 204, 205, 206, 207}) {
    const Zela7Locals r = at(code, 300);
    EXPECT_EQ(r.kmat, 0) << code;
    EXPECT_EQ(r.kproc, 0) << code;
    EXPECT_TRUE(code == 111 || r.vm == 0.0) << code;
  }
}

// Every entry over 20..1300 K: finite values in physically sensible ranges; tables with
// ascending abscissae that the evaluation meets at every point and crosses continuously.
TEST(MaterialDatabase, EveryEntryIsFiniteSensibleAndContinuous) {
  const auto db = zela7::database();
  ASSERT_EQ(db.size(), 32u);
  for (const zela7::Material& e : db) {
    const std::string id = std::to_string(e.code);
    for (double t = 20; t <= 1300; t += 1.0) {
      const Zela7Locals r = at(e.code, t);
      for (Field f : {kDen, kEm, kPr, kTc, kCte, kSh, kEsl, kHrc, kWc, kVm})
        ASSERT_TRUE(std::isfinite(field(r, f))) << id << " field " << int(f) << " at " << t;
      EXPECT_TRUE(r.den >= 1000 && r.den <= 9000) << id;
      EXPECT_TRUE(r.em >= 4e8 && r.em <= 4e11) << id << " E at " << t;
      EXPECT_TRUE(r.pr >= 0.2 && r.pr <= 0.5) << id << " nu at " << t;
      EXPECT_TRUE(r.tc >= 0.2 && r.tc <= 410) << id << " k at " << t;
      EXPECT_TRUE(r.cte >= 4e-7 && r.cte <= 2.3e-4) << id << " CTE at " << t;
      EXPECT_TRUE(r.sh >= 150 && r.sh <= 2000) << id << " c at " << t;
      EXPECT_TRUE(r.esl >= 3e-4 && r.esl <= 0.02) << id << " strain limit at " << t;
      EXPECT_TRUE(r.hrc >= 5 && r.hrc <= 80) << id << " HRC at " << t;
      EXPECT_TRUE(r.wc >= 5e-6 && r.wc <= 5e-4) << id;
      EXPECT_TRUE(r.vm >= 0 && r.vm <= 1.22e9) << id;
      if (HasFailure()) return;
    }
    for (const zela7::Prop* p : {&e.em, &e.pr, &e.tc, &e.cte, &e.sh, &e.esl, &e.hrc}) {
      if (p->law != zela7::Law::kTable) continue;
      const zela7::Table& tab = *p->table;
      ASSERT_GE(tab.n, 2) << id;
      for (int i = 1; i < tab.n; ++i) EXPECT_LT(tab.t[i - 1], tab.t[i]) << id << " point " << i;
      for (int i = 0; i < tab.n; ++i) {
        const double ti = tab.t[i];
        const double at0 = zela7::evaluate(*p, ti);
        EXPECT_NEAR(at0, tab.v[i] * tab.unit, std::abs(tab.v[i] * tab.unit) * 1e-14) << id;
        const double h = 1e-7;
        for (double tn : {ti - h, ti + h})
          EXPECT_NEAR(zela7::evaluate(*p, tn), at0, std::abs(at0) * 1e-6) << id << " at " << ti;
      }
    }
    // The closed-form laws are continuous at their breakpoints.
    for (double tb : {61.0, 293.0, 294.0}) {
      const double a = zela7::evaluate(e.em, tb - 1e-7), b = zela7::evaluate(e.em, tb + 1e-7);
      EXPECT_NEAR(a, b, std::abs(a) * 1e-6) << id << " E at " << tb;
    }
  }
}

namespace {

// Material codes of element, race 1, race 2, housing and shaft, and their temperatures.
void setParts(Model& m, int kunit, const std::array<int, 5>& codes,
              const std::array<double, 5>& temps) {
  auto& o = m.options;
  auto& t = m.opcond;
  o.kunit = kunit;
  o.kremat = codes[0];
  o.kracemat(1) = codes[1];
  o.kracemat(2) = codes[2];
  o.khsngmat = codes[3];
  o.kshftmat = codes[4];
  t.retemp(1) = temps[0];
  t.racetemp(1) = temps[1];
  t.racetemp(2) = temps[2];
  t.hsngtemp = temps[3];
  t.shfttemp = temps[4];
}

constexpr std::array<double, 5> kRoom{300, 300, 300, 300, 300};

}  // namespace

// Database parts in English units equal the SI values times the unit factors, looked up at
// the same absolute temperature (T in R = 1.8 T in K).
TEST(MaterialDatabase, EnglishValuesAreSiValuesTimesUnitFactors) {
  const double psi = 1.0 / 6894.757;          // psi per Pa
  const double lbmin3 = 1.0 / 27679.90;       // lbm/in^3 per kg/m^3
  const double perR = 1.0 / 1.8;              // 1/R per 1/K
  const double spheat = 0.2248089 * 39.37008 / (2.204623 * 1.8);  // in lbf/(lbm R) per J/(kg K)
  const double cond = 0.2248089 / 1.8;        // lbf/(s R) per W/(m K)
  Fixture si, en;
  setParts(*si.m, 1, {100, 107, 112, 113, 163}, {400, 300, 500, 600, 250});
  setParts(*en.m, 2, {100, 107, 112, 113, 163}, {720, 540, 900, 1080, 450});
  zela7::zela7(*si.m);
  zela7::zela7(*en.m);
  const Matprop& a = si.m->matprop;
  const Matprop& b = en.m->matprop;
  struct Pair {
    double english, si, factor;
    const char* name;
  };
  const Pair pairs[] = {
      {b.reden, a.reden, lbmin3, "reden"},     {b.reem, a.reem, psi, "reem"},
      {b.repr, a.repr, 1, "repr"},             {b.recte, a.recte, perR, "recte"},
      {b.resh, a.resh, spheat, "resh"},        {b.retc, a.retc, cond, "retc"},
      {b.revm, a.revm, psi, "revm"},           {b.resl, a.resl, psi, "resl"},
      {b.reesl, a.reesl, 1, "reesl"},          {b.reh, a.reh, 1, "reh"},
      {b.rewc, a.rewc, 1, "rewc"},             {b.hsngden, a.hsngden, lbmin3, "hsngden"},
      {b.hsngem, a.hsngem, psi, "hsngem"},     {b.hsngpr, a.hsngpr, 1, "hsngpr"},
      {b.hsngcte, a.hsngcte, perR, "hsngcte"}, {b.hsngtc, a.hsngtc, cond, "hsngtc"},
      {b.shftden, a.shftden, lbmin3, "shftden"}, {b.shftem, a.shftem, psi, "shftem"},
      {b.shftpr, a.shftpr, 1, "shftpr"},       {b.shftcte, a.shftcte, perR, "shftcte"},
      {b.shfttc, a.shfttc, cond, "shfttc"},
      {b.raceden(1), a.raceden(1), lbmin3, "raceden"}, {b.raceem(2), a.raceem(2), psi, "raceem"},
      {b.racepr(1), a.racepr(1), 1, "racepr"},   {b.racecte(2), a.racecte(2), perR, "racecte"},
      {b.racesh(1), a.racesh(1), spheat, "racesh"}, {b.racetc(2), a.racetc(2), cond, "racetc"},
      {b.raceesl(1), a.raceesl(1), 1, "raceesl"},   {b.raceh(2), a.raceh(2), 1, "raceh"},
  };
  for (const Pair& q : pairs) expectRel(q.english, q.si * q.factor, 1e-4, q.name);
  EXPECT_EQ(b.racemat(2), a.racemat(2));
  // 540 R is 300 K: Cronidur 30 expansion between 255.55 K (9.9e-6) and 311.11 K (10.04e-6),
  // per degree Rankine.
  expectRel(b.racecte(1), (9.9 + (10.04 - 9.9) * (300 - 255.55) / (311.11 - 255.55)) * 1e-6 / 1.8,
            1e-12, "Cronidur expansion at 540 R");
}

TEST(MaterialDatabase, PartsGetTheirOwnTemperatureAndCode) {
  Fixture f;
  setParts(*f.m, 1, {150, 100, 102, 111, 110}, {300, 1500, 394, 408, 300});
  zela7::zela7(*f.m);
  const Matprop& p = f.m->matprop;
  EXPECT_EQ(p.remat, "Silicon Nitride (Si3N4)");
  EXPECT_EQ(p.reem, 3.17e11);
  EXPECT_EQ(p.racemat(1), "AISI 52100 Steel");
  expectRel(p.raceem(1), 6.688e10, 1e-12, "52100 clamped above 1273 K");
  expectRel(p.raceem(2), 2.034e11 * (1 - 0.091752313), 1e-12, "M-50 VIMVAR at 394 K");
  expectRel(p.hsngcte, 13.2e-6, 1e-12, "4340 at 408 K");
  EXPECT_EQ(p.shftmat, "C1045 Mild Steel");
  EXPECT_EQ(p.shftem, 2.0e11);
  // Octahedral shear limits: sqrt(2)/3 of the von Mises limit.
  expectRel(p.resl, 0.47140452079103 * 1.22e9, 1e-12, "resl");
  expectRel(p.racesl(1), 322440692.2210657, 1e-12, "racesl(1) = sqrt(2)/3 x 6.84e8");
  EXPECT_EQ(f.m->options.klifemodre, 51);
  EXPECT_EQ(f.m->options.kprocre, 1);
  EXPECT_EQ(f.m->options.klifemod(2), 6);
  EXPECT_EQ(f.m->options.kproc(2), 7);
  EXPECT_EQ(p.rem.view(), std::string(10, ' '));
  EXPECT_EQ(p.hsngm.view(), std::string(10, ' '));
  // A part made of a material without a von Mises limit or life codes gets zero limit and no
  // life modification, not what the part evaluated before it left in the record.
  Fixture g;
  setParts(*g.m, 1, {150, 110, 160, 111, 111}, kRoom);
  zela7::zela7(*g.m);
  EXPECT_EQ(g.m->matprop.revm, 1.22e9);
  for (int j = 1; j <= 2; ++j) {
    EXPECT_EQ(g.m->matprop.racevm(j), 0.0) << j;
    EXPECT_EQ(g.m->matprop.racesl(j), 0.0) << j;
    EXPECT_EQ(g.m->options.klifemod(j), 0) << j;
    EXPECT_EQ(g.m->options.kproc(j), 0) << j;
  }
}

TEST(MaterialDatabase, InputMaterialsKeepTheirValuesAndCarryInputMarkers) {
  // Element, race 1, housing and shaft given on the input (code 1), race 2 from the database.
  Fixture f;
  Model& m = *f.m;
  setParts(m, 1, {1, 1, 100, 1, 1}, kRoom);
  auto& p = m.matprop;
  p.reden = 3200;
  p.reem = 3.1e11;
  p.repr = 0.26;
  p.reh = 78;
  p.revm = 1.2e9;
  m.options.klifemodre = 1;
  m.options.kprocre = 2;
  p.raceden(1) = p.hsngden = p.shftden = 7800;
  p.raceem(1) = p.hsngem = p.shftem = 2.1e11;
  p.racepr(1) = p.hsngpr = 0.3;
  p.shftpr = -0.2;
  p.raceh(1) = 60;
  p.racevm(1) = 6e8;
  p.hsngtc = 160;
  zela7::zela7(m);
  for (const auto* name : {&p.remat, &p.racemat(1), &p.hsngmat, &p.shftmat})
    EXPECT_EQ(*name, "Arbitrary Properties");
  for (const auto* marks : {&p.rem, &p.racem(1), &p.hsngm, &p.shftm})
    EXPECT_EQ(*marks, "^^^^^^^^^^");
  EXPECT_EQ(p.racemat(2), "AISI 52100 Steel");
  EXPECT_EQ(p.racem(2).view(), std::string(10, ' '));
  EXPECT_EQ(p.reem, 3.1e11);
  EXPECT_EQ(p.reh, 78);
  EXPECT_EQ(p.retc, 0.0);
  EXPECT_EQ(p.resh, 0.0);
  EXPECT_EQ(p.hsngtc, 160);
  EXPECT_EQ(p.shftpr, -0.2);
  EXPECT_EQ(m.options.klifemodre, 1);
  EXPECT_EQ(m.options.kprocre, 2);
  expectRel(p.resl, 0.47140452079103 * 1.2e9, 1e-12, "resl from the input von Mises limit");
  expectRel(p.racesl(1), 0.47140452079103 * 6e8, 1e-12, "racesl(1)");
}

// ------------------------------------------------------------------------------------------
// Stop blocks
// ------------------------------------------------------------------------------------------

// Properties of an input material (code 1) of one part: 0 element, 1 race 1, 2 race 2,
// 3 housing, 4 shaft.
void putInput(Model& m, int part, double den, double em, double pr, double hrc) {
  auto& p = m.matprop;
  switch (part) {
    case 0: m.options.kremat = 1; p.reden = den; p.reem = em; p.repr = pr; p.reh = hrc; break;
    case 1:
    case 2:
      m.options.kracemat(part) = 1;
      p.raceden(part) = den; p.raceem(part) = em; p.racepr(part) = pr; p.raceh(part) = hrc;
      break;
    case 3: m.options.khsngmat = 1; p.hsngden = den; p.hsngem = em; p.hsngpr = pr; break;
    case 4: m.options.kshftmat = 1; p.shftden = den; p.shftem = em; p.shftpr = pr; break;
  }
}

std::string invalidBlock(const std::string& record, const std::string& values, bool hardness) {
  return "\n     Execution terminating in Zela7 due to invalid material properties\n     on the " +
         record + ".\n" + values + "     Density" + (hardness ? ", elastic modulus and hardness" :
                                                      " and elastic modulus") +
         " must be greater than zero\n"
         "     and Poisson ratio greater than -1.0 and not greater than 0.5.\n\n\n";
}

TEST(MaterialDatabaseStops, ExactBlocks) {
  struct Case {
    const char* name;
    int kunit, code;
    double t;  // race 2 temperature
    int part;  // input material part, -1: none
    double den, em, pr, hrc;
    std::string report;
  };
  const std::string dbCode = "\n     Execution Teminating due to\n     Invalid Materials Code ";
  const std::string dbEnd = "\n     Please use valid Materials Code in Input Data\n\n\n";
  const Case cases[] = {
      // The code in an I5 field.
      {"unknown code 99", 1, 99, 300, -1, 0, 0, 0, 0, dbCode + "   99" + dbEnd},
      {"unknown code 0", 1, 0, 300, -1, 0, 0, 0, 0, dbCode + "    0" + dbEnd},
      {"unknown code 109", 1, 109, 300, -1, 0, 0, 0, 0, dbCode + "  109" + dbEnd},
      {"unknown code 208", 1, 208, 300, -1, 0, 0, 0, 0, dbCode + "  208" + dbEnd},
      {"unknown code -5", 1, -5, 300, -1, 0, 0, 0, 0, dbCode + "   -5" + dbEnd},
      {"race record without hardness", 1, 1, 300, 2, 7827, 2.0133e11, 0.277, 0.0,
       invalidBlock("race material record 2",
                    "     Density         =   7.8270E+03\n"
                    "     Elastic Modulus =   2.0133E+11\n"
                    "     Poisson Ratio   =   2.7700E-01\n"
                    "     Hardness        =   0.0000E+00\n",
                    true)},
      {"housing record has no hardness", 2, 100, 540, 3, 0.283, 3.0e7, 0.75, 0,
       invalidBlock("housing material record",
                    "     Density         =   2.8300E-01\n"
                    "     Elastic Modulus =   3.0000E+07\n"
                    "     Poisson Ratio   =   7.5000E-01\n",
                    false)},
      // The softening modulus law of the vacuum-melted steels reaches zero at
      // 294 + 1/0.00091752313 = 1383.9 K; a part beyond that is refused instead of carrying a
      // negative modulus into the contact constants (2520 R = 1400 K).
      {"modulus beyond the softening range", 2, 120, 2520, -1, 0, 0, 0, 0,
       "\n     Execution terminating in Zela7 (SetProperties)\n"
       "     Elastic modulus of CBS-50 NiL VIMVAR is not positive at   1400.00 K.\n"
       "     The part temperature is beyond the range of this material.\n\n\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f;
    const double room = c.kunit == 1 ? 300 : 540;
    setParts(*f.m, c.kunit, {100, 100, c.code, 111, 111}, {room, room, c.t, room, room});
    if (c.part >= 0) putInput(*f.m, c.part, c.den, c.em, c.pr, c.hrc);
    try {
      zela7::zela7(*f.m);
      ADD_FAILURE() << "no stop";
    } catch (const zq::StopRun& s) {
      EXPECT_EQ(s.status(), 1);
    }
    EXPECT_EQ(f.out.str(), c.report);
  }
}

TEST(MaterialDatabaseStops, ImpossibleInputPropertiesStopNamingTheRecord) {
  struct Bad {
    int part;
    double den, em, pr, hrc;
    const char* record;
  };
  const Bad bad[] = {
      {0, 0.0, 2e11, 0.3, 60, "rolling-element material record"},
      {0, 7800, -2e11, 0.3, 60, "rolling-element material record"},
      {0, 7800, 2e11, 0.3, 0.0, "rolling-element material record"},
      {1, 7800, 2e11, 0.5000001, 60, "race material record 1"},
      {1, 7800, 2e11, -1.0, 60, "race material record 1"},
      {2, 7800, 0.0, 0.3, 60, "race material record 2"},
      {2, 7800, 2e11, 0.3, -1.0, "race material record 2"},
      {2, std::numeric_limits<double>::quiet_NaN(), 2e11, 0.3, 60, "race material record 2"},
      {3, -1.0, 7e10, 0.33, 0, "housing material record"},
      {3, 2700, 7e10, 0.6, 0, "housing material record"},
      {4, 7850, 0.0, 0.3, 0, "shaft material record"},
  };
  for (const Bad& c : bad) {
    Fixture f;
    setParts(*f.m, 1, {100, 100, 100, 111, 111}, kRoom);
    putInput(*f.m, c.part, c.den, c.em, c.pr, c.hrc);
    EXPECT_THROW(zela7::zela7(*f.m), zq::StopRun) << c.record;
    EXPECT_NE(f.out.str().find("invalid material properties\n     on the " +
                               std::string(c.record) + ".\n"),
              std::string::npos)
        << f.out.str();
  }
  // Limits themselves are valid: nu = 0.5 and nu just above -1, hardness and moduli > 0, the
  // softening steel just short of its zero modulus (1383 K).
  Fixture ok;
  setParts(*ok.m, 1, {100, 100, 120, 111, 111}, {300, 300, 1383, 300, 300});
  putInput(*ok.m, 1, 7800, 2e11, 0.5, 1e-3);
  putInput(*ok.m, 4, 7850, 2e11, -0.999, 0);
  EXPECT_NO_THROW(zela7::zela7(*ok.m));
  EXPECT_EQ(ok.out.str(), "");
  EXPECT_GT(ok.m->matprop.raceem(2), 0.0);
}
