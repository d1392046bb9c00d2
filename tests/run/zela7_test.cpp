// Material database and per-race constants: each row vs tabulated data at one temperature; copies
// and English conversion (NIST: 1 psi = 6894.757 Pa, 1 lbm/in^3 = 27679.90 kg/m^3, 1 lbf = 4.448222
// N, 1 in = 0.0254 m, 1 R = 1/1.8 K); hand-worked race constants; stop blocks and exit status.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <memory>
#include <numbers>
#include <set>
#include <sstream>
#include <string>

#include "model/model.h"
#include "run/stop.h"
#include "run/zela7.h"
#include "run/zela71.h"

namespace {

void expectRel(double got, double want, double rel, const std::string& what) {
  EXPECT_NEAR(got, want, std::abs(want) * rel) << what;
}

// Row at tK (K): density (kg/m^3), E (Pa), nu, k (W/(m K)), expansion (1/K), c (J/(kg K)), strain
// limit, HRC, wear, von Mises (Pa), life codes. Linear between points (10 digits), clamped (52100:
// 200, 1500 K); E of 102, 120, 121, 122: 2.034e11, 2.208e11, 2.091e11 (1 - 0.00091752313 (T-294)),
// von Mises alike; Armalon 1.82e10 - 1.22e10 (T - 61)/232. "-" in the data: 0 and 0/0.
struct Row {
  int code;
  double tK;
  const char* name;
  double den, em, pr, tc, cte, sh, esl, hrc, wc, vm;
  int kmat, kproc;
};
const Row kRows[] = {
    {100, 200, "AISI 52100 Steel", 7827, 2.0133e11, 0.277, 43, 1.15e-5, 458, 0.007, 62, 5e-6, 6.84e8, 1, 2},
    {100, 1500, "AISI 52100 Steel", 7827, 6.688e10, 0.49, 43, 1.53e-5, 458, 0.002, 62, 5e-6, 6.84e8, 1, 2},
    {100, 400, "AISI 52100 Steel", 7827, 1.879100562e11, 0.2722808989, 43, 1.212681564e-5, 458, 0.009300561798, 62, 5e-6, 6.84e8, 1, 2},
    {101, 500, "Latrobe CM-50 ASTM M-50 Steel", 7830, 2.03e11, 0.28, 13.4, 1.298e-5, 460, 0.002, 64.5, 5e-6, 7.17e8, 6, 2},
    {102, 394, "Lescalloy M-50 VIMVAR Bearing Steel", 8027.172, 1.847375795e11, 0.28, 13.4, 1.1355e-5, 460, 0.002, 61.63090631, 5e-6, 6.512135916e8, 6, 7},
    {103, 400, "AISI 440C Stainless Steel", 7667.333, 1.94499433e11, 0.2829504095, 24.2, 1.135605796e-5, 460, 0.002, 59, 5e-6, 4e8, 23, 2},
    {104, 300, "430 (Ferritic) Stainless Steel", 7780, 2e11, 0.28, 26.1, 1.14e-5, 460, 0.002, 62, 5e-6, 4e8, 23, 2},
    {105, 300, "410 (Martenitic) Stainless Steel", 7780, 2e11, 0.28, 24, 1.16e-5, 460, 0.002, 62, 5e-6, 4e8, 23, 2},
    {106, 300, "304 (Austenitic) Stainless Steel", 8060, 1.93e11, 0.28, 16.2, 1.84e-5, 503, 0.002, 62, 5e-6, 4e8, 23, 2},
    {107, 300, "AMS 5898 Cronidur 30", 7695, 2.07499874e11, 0.262, 14.02346429, 1.001200504e-5, 496.0392857, 0.002, 58, 5e-6, 4e8, 23, 2},
    {108, 300, "AMS 5643 (17-4PH)", 7850, 1.96e11, 0.29, 18.3, 1.08e-5, 460, 0.002, 38.5, 5e-6, 4e8, 23, 2},
    {110, 300, "C1045 Mild Steel", 7750.374, 2e11, 0.26, 46.44, 1.494e-5, 443.56, 0.0031, 29, 5e-5, 0, 0, 0},
    {111, 400, "AISI 4340 Steel", 7850, 2.05e11, 0.29, 44.5, 1.316521739e-5, 475, 0.002, 36, 5e-5, 5.9e8, 0, 0},
    {112, 400, "Inconel 625 Nickel-Chromium Alloy", 8440, 1.985264865e11, 0.3085495495, 11.32072072, 1.289189189e-5, 435.8828829, 0.002, 10, 5e-6, 0, 0, 0},
    {113, 400, "Inconel 718 Nickel-Chromium Alloy", 8193.25, 1.94154e11, 0.2832, 13.10594595, 1.327594595e-5, 435, 0.002, 10, 5e-6, 0, 0, 0},
    {114, 300, "High Nitrogen Stainless Steel 304HN", 8000, 1.97e11, 0.28, 14.9, 1.89e-5, 500, 0.002, 58.9, 5e-6, 4e8, 23, 7},
    {120, 400, "CBS-50 NiL VIMVAR", 7850, 1.993255546e11, 0.28, 13.4, 1.111630435e-5, 460, 0.002, 61.0599712, 5e-6, 5.674016526e8, 41, 7},
    {121, 400, "P-675 HTT VIMVAR", 7756, 1.887634668e11, 0.28, 44.5, 1.013419162e-5, 475, 0.002, 65.7399568, 5e-6, 5.373355324e8, 41, 7},
    {122, 450, "P-675 LTT VIMVAR", 7756, 1.791707625e11, 0.28, 44.5, 1.031682635e-5, 475, 0.002, 64.75085509, 5e-6, 5.100288667e8, 41, 7},
    {140, 400, "NITINOL60 (60NiTi)", 6700, 9.5e10, 0.34, 13.54, 1.24e-5, 475.4, 0.002, 60, 1e-5, 4e8, 1, 1},
    {150, 300, "Silicon Nitride (Si3N4)", 3310, 3.17e11, 0.23, 27, 3.4e-6, 711.297, 0.002, 80, 1e-5, 1.22e9, 51, 1},
    {151, 300, "Zirconium Oxide (ZrO2) Monoclinic", 5680, 2.45e11, 0.23, 1.675, 7e-6, 502, 0.002, 80, 1e-5, 1.22e9, 51, 1},
    {160, 300, "Copper", 8857.56, 1.17211e11, 0.33, 408.3467, 1.674e-5, 355.8858, 5.88e-4, 20, 5e-4, 0, 0, 0},
    {161, 300, "Yellow Hard Brass", 8580.771, 1.03421e11, 0.33, 120.102, 1.98e-5, 374.597, 4e-4, 20, 5e-4, 0, 0, 0},
    {162, 300, "Phos Hard Bronze", 8857.57, 1.1032e11, 0.33, 69.659, 1.8e-5, 364.2925, 4.69e-4, 20, 5e-4, 0, 0, 0},
    {163, 200, "Titanium-6Al-4V", 4430, 1.138e11, 0.342, 5.279757785, 8.356805686e-6, 526.3, 0.002, 36, 1e-5, 0, 0, 0},
    {200, 300, "PEEK (Bearing Grade, Ketron HPV)", 1440, 5.86e9, 0.4, 0.245, 3.06e-5, 334.87, 0.0129, 5, 1e-4, 0, 0, 0},
    {201, 300, "Polyamide - Nylon", 1140, 3.3e9, 0.41, 0.25, 9e-5, 1670, 0.01, 5, 1e-4, 0, 0, 0},
    {202, 177, "Armalon", 2140, 1.21e10, 0.4, 0.2, 4.05e-6, 2000, 0.01, 5, 1e-4, 0, 0, 0},
    {203, 300, "Carbon Phenolic", 1400, 6.23e10, 0.4, 3.25, 7e-7, 1500, 0.01, 5, 1e-4, 0, 0, 0},
    {204, 300, "Carbon Phenolic (10% MosS2)", 1400, 5.61e10, 0.4, 2.1, 9e-7, 1500, 0.01, 5, 1e-4, 0, 0, 0},
    {205, 300, "Cotton Phenolic", 1360, 8.6e9, 0.4, 0.37, 1.85e-5, 1500, 0.01, 5, 1e-4, 0, 0, 0},
    {206, 300, "Graphite", 1800, 1e10, 0.4, 85, 5e-7, 710, 0.01, 5, 1e-4, 0, 0, 0},
    {207, 400, "Teflon (PTFE)", 2160, 4.96e8, 0.496, 0.2722916667, 1.3696e-4, 1279.090909, 0.01, 58, 1e-4, 0, 0, 0},
};

// Parts (element, races 1, 2, housing, shaft) of given codes and temperatures (K, or R if English);
// report captured. input(): code-1 properties: 0 element, 1 and 2 races, 3 housing, 4 shaft.
struct Parts {
  std::unique_ptr<Model> m = std::make_unique<Model>();
  std::ostringstream out;
  Parts(int kunit, const std::array<int, 5>& k, const std::array<double, 5>& t) {
    m->devices.report.attach(out);
    auto& o = m->options;
    auto& c = m->opcond;
    o.kunit = kunit, o.kremat = k[0], o.kracemat(1) = k[1], o.kracemat(2) = k[2], o.khsngmat = k[3], o.kshftmat = k[4];
    c.retemp(1) = t[0], c.racetemp(1) = t[1], c.racetemp(2) = t[2], c.hsngtemp = t[3], c.shfttemp = t[4];
  }
  void input(int part, double den, double em, double pr, double hrc) {
    auto& p = m->matprop;
    auto& o = m->options;
    if (part == 0) o.kremat = 1, p.reden = den, p.reem = em, p.repr = pr, p.reh = hrc;
    if (part == 1 || part == 2)
      o.kracemat(part) = 1, p.raceden(part) = den, p.raceem(part) = em, p.racepr(part) = pr, p.raceh(part) = hrc;
    if (part == 3) o.khsngmat = 1, p.hsngden = den, p.hsngem = em, p.hsngpr = pr;
    if (part == 4) o.kshftmat = 1, p.shftden = den, p.shftem = em, p.shftpr = pr;
  }
};

}  // namespace

TEST(MaterialTable, EveryRowHoldsTheTabulatedPropertiesAtItsTemperature) {
  std::set<int> codes;
  for (const Row& w : kRows) {
    SCOPED_TRACE(std::to_string(w.code) + " at " + std::to_string(w.tK) + " K");
    codes.insert(w.code);
    auto m = std::make_unique<Model>();
    m->zela7.temp = w.tK;
    zela7::setproperties(*m, w.code);
    const Zela7Locals& r = m->zela7;
    EXPECT_EQ(r.name, w.name);
    const double got[] = {r.den, r.em, r.pr, r.tc, r.cte, r.sh, r.esl, r.hrc, r.wc, r.vm};
    const double want[] = {w.den, w.em, w.pr, w.tc, w.cte, w.sh, w.esl, w.hrc, w.wc, w.vm};
    for (int n = 0; n < 10; ++n) EXPECT_NEAR(got[n], want[n], 1e-9 * want[n]) << "column " << n;
    EXPECT_EQ(r.kmat * 100 + r.kproc, w.kmat * 100 + w.kproc);
  }
  EXPECT_EQ(codes.size() + zela7::database().size(), 64u);  // every one of the 32 materials
}

TEST(MaterialParts, EachPartGetsItsRowAtItsTemperatureAndEnglishUnitsByTheUnitFactors) {
  // Si3N4 element, C1045 (no von Mises or life codes, none carried over), M-50 VIMVAR 394 K,
  // 4340 408 K, input shaft; English at the same absolute temperatures (R = 1.8 K), same shaft.
  Parts si(1, {150, 110, 102, 111, 1}, {300, 300, 394, 408, 300});
  Parts en(2, {150, 110, 102, 111, 1}, {540, 540, 709.2, 734.4, 540});
  for (Parts* p : {&si, &en}) p->input(4, 7800, 2.1e11, -0.2, 0), zela7::zela7(*p->m);
  const Matprop& a = si.m->matprop;
  const Matprop& b = en.m->matprop;
  EXPECT_TRUE(a.remat == "Silicon Nitride (Si3N4)" && a.racemat(2) == "Lescalloy M-50 VIMVAR Bearing Steel");
  EXPECT_TRUE(a.shftmat == "Arbitrary Properties" && a.shftm == "^^^^^^^^^^" && a.racem(2) == "");
  const double f = 1.0 - 0.00091752313 * 100;  // M-50 VIMVAR softening at 394 K
  const double sl = std::sqrt(2.0) / 3.0;      // octahedral shear over von Mises limit
  const double race2[][2] = {{a.raceden(2), 8027.172}, {a.raceem(2), 2.034e11 * f}, {a.racepr(2), 0.28},
                             {a.racecte(2), 11.355e-6}, {a.racesh(2), 460}, {a.racetc(2), 13.4},
                             {a.racevm(2), 7.17e8 * f}, {a.raceesl(2), 0.002}, {a.racewc(2), 5e-6},
                             {a.raceh(2), 62 - 1.5 * (394 - 366.66) / (477.77 - 366.66)}, {a.hsngcte, 13.2e-6},
                             {a.resl, sl * 1.22e9}, {a.racesl(2), sl * 7.17e8 * f}};
  for (const auto& v : race2) expectRel(v[0], v[1], 1e-12, std::to_string(&v - race2));
  EXPECT_EQ(a.racevm(1) + a.racesl(1), 0.0);
  const auto& o = si.m->options;
  EXPECT_EQ(o.klifemodre * 10000 + o.kprocre * 1000 + o.klifemod(1) * 100 + o.kproc(1) * 10 + o.klifemod(2), 511006);
  EXPECT_EQ(o.kproc(2), 7);
  const double psi = 1.0 / 6894.757, lbmin3 = 1.0 / 27679.90, perR = 1.0 / 1.8;
  const double spheat = 0.2248089 * 39.37008 / (2.204623 * 1.8);  // in lbf/(lbm R) per J/(kg K)
  const double cond = 0.2248089 / 1.8;                            // lbf/(s R) per W/(m K)
  const double pairs[][3] = {
      {b.reden, a.reden, lbmin3}, {b.reem, a.reem, psi}, {b.repr, a.repr, 1}, {b.recte, a.recte, perR},
      {b.resh, a.resh, spheat}, {b.retc, a.retc, cond}, {b.revm, a.revm, psi}, {b.resl, a.resl, psi},
      {b.reesl, a.reesl, 1}, {b.reh, a.reh, 1}, {b.rewc, a.rewc, 1}, {b.raceden(2), a.raceden(2), lbmin3},
      {b.raceem(2), a.raceem(2), psi}, {b.racecte(2), a.racecte(2), perR}, {b.racesh(2), a.racesh(2), spheat},
      {b.racetc(2), a.racetc(2), cond}, {b.raceh(2), a.raceh(2), 1}, {b.hsngden, a.hsngden, lbmin3},
      {b.hsngem, a.hsngem, psi}, {b.hsngpr, a.hsngpr, 1}, {b.hsngcte, a.hsngcte, perR},
      {b.hsngtc, a.hsngtc, cond}, {b.shftem, a.shftem, 1}, {b.shftpr, 1.0, -0.2}};
  for (const auto& q : pairs) expectRel(q[0], q[1] * q[2], 1e-6, "English " + std::to_string(&q - pairs));
}

TEST(MaterialStops, EveryRefusedMaterialStopsWithItsBlock) {
  // Race 2 code, temperature, input part (-1 none), values; whole block or ("...") its record.
  struct Case {
    int kunit, code;
    double t;
    int part;
    double den, em, pr, hrc;
    std::string report;
  };
  const std::string code = "\n     Execution Teminating due to\n     Invalid Materials Code ";
  const std::string end = "\n     Please use valid Materials Code in Input Data\n\n\n";
  const std::string bad = "\n     Execution terminating in Zela7 due to invalid material properties\n     on the ";
  const std::string rule = " must be greater than zero\n     and Poisson ratio greater than -1.0 and not greater than 0.5.\n\n\n";
  const Case cases[] = {
      {1, 99, 300, -1, 0, 0, 0, 0, code + "   99" + end},  // the code in an I5 field
      {1, 109, 300, -1, 0, 0, 0, 0, code + "  109" + end},
      {1, 100, 300, 2, 7827, 2.0133e11, 0.277, 0.0,
       bad + "race material record 2.\n     Density         =   7.8270E+03\n     Elastic Modulus =   2.0133E+11\n"
             "     Poisson Ratio   =   2.7700E-01\n     Hardness        =   0.0000E+00\n"
             "     Density, elastic modulus and hardness" + rule},
      {2, 100, 540, 3, 0.283, 3.0e7, 0.75, 0,
       bad + "housing material record.\n     Density         =   2.8300E-01\n     Elastic Modulus =   3.0000E+07\n"
             "     Poisson Ratio   =   7.5000E-01\n     Density and elastic modulus" + rule},
      // The softening law reaches zero modulus at 294 + 1/0.00091752313 = 1383.9 K; 2520 R = 1400 K.
      {2, 120, 2520, -1, 0, 0, 0, 0,
       "\n     Execution terminating in Zela7 (SetProperties)\n"
       "     Elastic modulus of CBS-50 NiL VIMVAR is not positive at   1400.00 K.\n"
       "     The part temperature is beyond the range of this material.\n\n\n"},
      {1, 100, 300, 0, 0.0, 2e11, 0.3, 60, "...rolling-element material record.\n"},
      {1, 100, 300, 1, 7800, 2e11, -1.0, 60, "...race material record 1.\n"},
      {1, 100, 300, 2, std::numeric_limits<double>::quiet_NaN(), 2e11, 0.3, 60, "...race material record 2.\n"},
      {1, 100, 300, 4, 7850, 0.0, 0.3, 0, "...shaft material record.\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.report);
    const double room = c.kunit == 1 ? 300 : 540;
    Parts f(c.kunit, {100, 100, c.code, 111, 111}, {room, room, c.t, room, room});
    if (c.part >= 0) f.input(c.part, c.den, c.em, c.pr, c.hrc);
    try {
      zela7::zela7(*f.m);
      ADD_FAILURE() << "no stop";
    } catch (const zq::StopRun& s) {
      EXPECT_EQ(s.status(), 1);
    }
    const bool part = c.report.starts_with("...");
    EXPECT_TRUE(part ? f.out.str().find("on the " + c.report.substr(3)) != std::string::npos : f.out.str() == c.report) << f.out.str();
  }
  // Limits pass: nu = 0.5, just above -1, small hardness, softening steel short of zero modulus.
  Parts ok(1, {100, 100, 120, 111, 111}, {300, 300, 1383, 300, 300});
  ok.input(1, 7800, 2e11, 0.5, 1e-3), ok.input(4, 7850, 2e11, -0.999, 0);
  EXPECT_NO_THROW(zela7::zela7(*ok.m));
}

TEST(RaceMaterialConstants, HandValuesForRoundScalesInBothUnitSystems) {
  // slen 0.005 m, sforce 1000 N, stime 1e-4 s, cqv 2; element and outer race E = 2e11 Pa,
  // nu = 0.3, inner race E = 1e11, nu = 0; element 3200 kg/m^3, 500 J/(kg K), 10/pi W/(m K);
  // outer race 8000 kg/m^3, 450 J/(kg K), 10/pi W/(m K); inner race an input material (no k,
  // no c). English: densities over g = 386.088 in/s^2, 14223.344 psi per HRC unit (SI 98066500).
  for (int kunit : {1, 2}) {
    auto m = std::make_unique<Model>();
    auto [c, p, fc] = std::tie(m->constants, m->matprop, m->fatiguecons);
    m->options.kunit = kunit;
    c.slen = 0.005, c.sforce = 1000.0, c.stime = 1e-4, c.cqv = 2.0, fc.em0 = 4.55e-12;
    p.reem = 2e11, p.repr = 0.3, p.reden = 3200, p.resh = 500, p.retc = 10 / std::numbers::pi, p.resl = 2e8;
    p.reh = 62, p.rewc = 5e-6, p.facstrlimit = 0.5, p.shftden = 7850, p.hsngden = 2700;
    p.raceem = {2e11, 1e11}, p.racepr = {0.3, 0.0}, p.raceden = {8000, 8000}, p.racesh(1) = 450;
    p.racetc(1) = 10 / std::numbers::pi, p.racesl = {4e8, 4e8}, p.raceh = {60, 60}, p.racewc = {1e-5, 1e-5};
    p.raceesl = {0.007, 0.007};
    zela71::zela71(*m);
    const double g = kunit == 1 ? 1.0 : 386.088, h = kunit == 1 ? 98066500.0 : 14223.344;
    // Per race (and half): sum (1 - nu^2)/E; sforce ere/slen^2; 0.39 (4 sforce ere)^0.9/slen^1.8;
    // 2 sforce ere/(pi slen^2); em0/ere; 4e8 (slen^2/sforce) 0.5; sqrt(pi 8000 450 10/pi) + sqrt(pi
    // 500 (10/pi) 3200), given densities; strain limit E slen^2/sforce; 2 x 1e-5/(h 60).
    const double want[2][9] = {{9.1e-12, 3.64e-4, 1.091213787104204e-3, 2.3172959714179954e-4, 0.5, 5.0, 10000, 35, 2e-5 / (h * 60)},
                               {1.455e-11, 5.82e-4, 1.6647510037004622e-3, 3.7051270751793235e-4, 0.3127147766323024, 5.0, 4000, 17.5, 2e-5 / (h * 60)}};
    for (int j = 1; j <= 4; ++j) {
      const int race = (j + 1) % 2 + 1;
      const double got[9] = {c.ererace(j), c.qmrerace(j), c.qrerace(1, j), c.qrerace(2, j), fc.er(j),
                             fc.shearlmtih(j), c.rock(j), c.srerace(race), c.cracewr(race)};
      for (int n = 0; n < 9; ++n) expectRel(got[n], want[race - 1][n], 1e-12, std::to_string(j * 10 + n));
    }
    expectRel(fc.shearlmtihre, 2.5, 1e-14, "2e8 x 2.5e-8 x 0.5");
    expectRel(c.crewr, 2.0 * 5e-6 / (62 * h), 1e-14, "crewr");
    // Densities in dynamic form, density (0.005 / 1e-4)^2 / g, converted once only.
    for (int call = 1; call <= 2; ++call) {
      const double dens[][2] = {{p.reden, 3200}, {p.raceden(1), 8000}, {p.raceden(2), 8000}, {p.shftden, 7850}, {p.hsngden, 2700}};
      for (const auto& d : dens) expectRel(d[0], d[1] * 2500.0 / g, 1e-14, "density");
      if (call == 1) zela71::zela71(*m);
    }
    expectRel(c.rock(1), 10000.0, 1e-14, "effusivities from the densities as given, also when repeated");
  }
}
