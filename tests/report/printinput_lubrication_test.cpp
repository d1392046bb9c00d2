// Lubrication parameters of the input-data section: the traction-curve tables of every model
// type (heads, rows, the gap of type 2, the flange table only with flanges), the lubricant and
// model block with its unit labels following their values after one blank, the lasting
// right-justification of those labels, the literature list, and the stops for invalid traction
// model types and codes. Expected lines are worked out by hand from the formats.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "model/model.h"
#include "report/printinput_support.h"
#include "run/stop.h"
#include "run/zela1.h"

namespace {

using zqtest::PrintCapture;
using zqtest::sp;
using zqtest::expectBlock;
using zqtest::expectTail;

// Element/race curves of both races: film 1e-6 m, input values and coefficients as given.
void setRaceCurves(Model& m, int type, std::vector<double> tc, std::vector<double> co) {
  m.tracprop.ktractype = type;
  for (int j = 1; j <= 2; ++j) {
    m.tracprop.reracefilm(j) = 1.0e-6;
    for (int k = 1; k <= 4; ++k) m.zela1.reracetc(k, j) = tc[std::size_t(k - 1)];
    for (int k = 1; k <= 5; ++k) m.tracprop.reracecoeff(k, j) = co[std::size_t(k - 1)];
  }
}

const std::string kH1b = sp(16) + "   CRITICAL" + sp(3) + "TRAC COEFF" + sp(6) + "MAXIMUM" + sp(3) +
                         "TRAC COEFF" + sp(2) + "SLIP AT MAX" +
                         "  COEFFICIENT  COEFFICIENT  COEFFICIENT  COEFFICIENT";
const std::string kH1c = sp(23) + "FILM AT ZERO SLIP" + sp(3) + "TRAC COEFF  AT INF SLIP" + sp(5) +
                         "TRACTION" + sp(12) + "A" + sp(12) + "B" + sp(12) + "C" + sp(12) + "D";
const std::string kH1d =
    sp(23) + " (m)" + sp(46) + " (m/s)" + sp(20) + " (s/m)" + sp(7) + " (s/m)";

TEST(PrintInputTraction, PiecewiseLinearTablePrintsFiveValuesPerRace) {
  PrintCapture c;
  zqtest::buildBearing(*c.m, 1, 1);
  setRaceCurves(*c.m, 0, {0.05, 0.02, 0.001, 2.0}, {0.05, 0.02, 0.001, 2.0, 1.0});
  ASSERT_EQ(zqtest::runPrintInput(c), "");
  expectBlock(c, {
      "\f",
      "     LUBRICATION PARAMETERS",
      "     ----------------------",
      "",
      "    RE/RACE   HYPOTHETICAL MODEL TYPE: 0",
      sp(16) + "   CRITICAL" + sp(3) + "TRAC COEFF" + sp(5) + "TRACTION" + sp(5) + "TRACTION" +
          sp(3) + "TRANSITION",
      sp(23) + "FILM AT ZERO SLIP" + sp(7) + "SLOPE1" + sp(7) + "SLOPE2" + sp(5) + "VELOCITY",
      sp(23) + " (m)" + sp(20) + " (s/m)" + sp(7) + " (s/m)" + sp(7) + " (m/s)",
      "    OUTER RACE   1.0000E-06  5.00000E-02  2.00000E-02  1.00000E-03  2.00000E+00",
      "    INNER RACE   1.0000E-06  5.00000E-02  2.00000E-02  1.00000E-03  2.00000E+00",
      "",
      "",
      "     FATIGUE LIFE MODELING PARAMETERS"});
}

TEST(PrintInputTraction, PeakAndExponentialTypesPrintNineValues) {
  for (int type : {1, -1}) {
    PrintCapture c;
    zqtest::buildBearing(*c.m, 1, 1);
    setRaceCurves(*c.m, type, {0.01, 0.08, 0.03, 0.5}, {-0.02, 1.5, 3.0, 0.03, -1.0});
    ASSERT_EQ(zqtest::runPrintInput(c), "");
    expectBlock(c, {
        std::string("    RE/RACE   HYPOTHETICAL MODEL TYPE:") + (type == 1 ? " 1" : "-1"),
        kH1b,
        kH1c,
        kH1d,
        "    OUTER RACE   1.0000E-06  1.00000E-02  8.00000E-02  3.00000E-02  5.00000E-01"
        " -2.00000E-02  1.50000E+00  3.00000E+00  3.00000E-02",
        "    INNER RACE   1.0000E-06  1.00000E-02  8.00000E-02  3.00000E-02  5.00000E-01"
        " -2.00000E-02  1.50000E+00  3.00000E+00  3.00000E-02",
        ""});
  }
}

TEST(PrintInputTraction, TwoValueTypeLeavesAnEmptyColumnBeforeTheCoefficients) {
  PrintCapture c;
  zqtest::buildBearing(*c.m, 1, 2);
  setRaceCurves(*c.m, 2, {0.01, 0.03, 5.0, 0.0}, {-0.02, 0.0, 250.0, 0.03, -1.0});
  ASSERT_EQ(zqtest::runPrintInput(c), "");
  expectBlock(c, {
      "    RE/RACE   HYPOTHETICAL MODEL TYPE: 2",
      sp(16) + "   CRITICAL" + sp(3) + "TRAC COEFF" + sp(6) + "MAXIMUM" + sp(3) + "TRAC SLOPE" +
          sp(13) + "  COEFFICIENT  COEFFICIENT  COEFFICIENT  COEFFICIENT",
      sp(23) + "FILM AT ZERO SLIP" + sp(3) + "TRAC COEFF AT ZERO SLIP" + sp(25) + "A" + sp(12) +
          "B" + sp(12) + "C" + sp(12) + "D",
      sp(23) + "(in)" + sp(33) + "(s/in)" + sp(33) + "(s/in)" + sp(7) + "(s/in)",
      "    OUTER RACE   1.0000E-06  1.00000E-02  3.00000E-02  5.00000E+00" + sp(13) +
          " -2.00000E-02  0.00000E+00  2.50000E+02  3.00000E-02",
      "    INNER RACE   1.0000E-06  1.00000E-02  3.00000E-02  5.00000E+00" + sp(13) +
          " -2.00000E-02  0.00000E+00  2.50000E+02  3.00000E-02",
      ""});
}

TEST(PrintInputTraction, FlangeTableFollowsWhenFlangesExist) {
  PrintCapture c;
  zqtest::buildBearing(*c.m, 2, 1);
  setRaceCurves(*c.m, 0, {0, 0, 0, 0}, {0.05, 0.0, 0.0, 0.0, 1.0});
  auto& m = *c.m;
  m.brggeom.kflngind(1, 2) = 1;
  m.tracprop.krftractype = 1;
  m.tracprop.reflngfilm = 5.0e-6;
  m.zela1.reflngtc(1) = 0.02;
  m.zela1.reflngtc(2) = 0.07;
  m.zela1.reflngtc(3) = 0.04;
  m.zela1.reflngtc(4) = 0.25;
  for (int k = 1; k <= 4; ++k) m.tracprop.reflngcoeff(k) = 0.1 * k;
  m.tracprop.reflngcoeff(5) = -1.0;
  ASSERT_EQ(zqtest::runPrintInput(c), "");
  expectBlock(c, {
      "    INNER RACE   1.0000E-06  5.00000E-02  0.00000E+00  0.00000E+00  0.00000E+00",
      "",
      "    RE/FLANGE HYPOTHETICAL MODEL TYPE: 1",
      kH1b,
      kH1c,
      kH1d,
      sp(4) + sp(10) + "   5.0000E-06  2.00000E-02  7.00000E-02  4.00000E-02  2.50000E-01"
                       "  1.00000E-01  2.00000E-01  3.00000E-01  4.00000E-01",
      "",
      ""});
}

TEST(PrintInputTraction, NoFlangesNoFlangeTableAndNoStopOnItsType) {
  PrintCapture c;
  zqtest::buildBearing(*c.m, 1, 1);
  c.m->tracprop.krftractype = 7;
  ASSERT_EQ(zqtest::runPrintInput(c), "");
  EXPECT_EQ(c.text().find("RE/FLANGE"), std::string::npos);
}

// Invalid element/race model types stop after the heading, also without a lubricant
// (ktrac < 0), since the table is always written.
TEST(PrintInputTraction, InvalidRaceModelTypeStops) {
  struct Case {
    int ktrac, type;
    const char* shown;
  };
  for (const Case& k : {Case{-1, 3, "   3"}, Case{0, -2, "  -2"}, Case{1, 12345, "****"}}) {
    PrintCapture c;
    zqtest::buildBearing(*c.m, 1, 1);
    c.m->tracprop.ktrac = k.ktrac;
    c.m->tracprop.ktractype = k.type;
    EXPECT_EQ(zqtest::runPrintInput(c), "zela1::printinput");
    expectTail(c, "     LUBRICATION PARAMETERS\n     ----------------------\n"
                  "\n     Invalid RE/RACE hypothetical model type\n"
                  "     kTracType = " + std::string(k.shown) + " on input Record 10.0\n\n\n");
  }
}

TEST(PrintInputTraction, InvalidFlangeModelTypeStopsAfterTheRaceTable) {
  PrintCapture c;
  zqtest::buildBearing(*c.m, 4, 1);
  c.m->brggeom.kflngind(1, 1) = 1;
  c.m->tracprop.krftractype = 4;
  EXPECT_EQ(zqtest::runPrintInput(c), "zela1::printinput");
  expectTail(c, "    INNER RACE   0.0000E+00  0.00000E+00  0.00000E+00  0.00000E+00  0.00000E+00\n"
                "\n     Invalid RE/FLANGE hypothetical model type\n"
                "     kRFTracType =    4 on input Record 10.0\n\n\n");
}

// A database lubricant with the exponential viscosity law and fitted traction coefficients
// (the values of lubricant 1 at 350 K, rounded).
void setLubricant(Model& m) {
  auto& tp = m.tracprop;
  tp.ktrac = 1;
  tp.lubname = "Mobil DTE (SAE 30)";
  tp.currtemp = 350.0;
  tp.denlub = 850.0;
  tp.spheatlub = 2000.0;
  tp.thercondlub(1) = 0.096082;
  tp.kvtype = 0;
  tp.vismodname = "Exp variation with pressure & inverse temperature";
  tp.vislub = 0.0123;
  tp.viscoeff(1) = 1.9e-8;
  tp.betalub = 4104.3;
  tp.kmtype = 1;
  tp.tracmodname = "Rheological coefficients fitted to traction data";
  tp.tracvis = 0.05;
  tp.tracalfa = 7.2516e-9;
  tp.reftracvis = 0.28407;
  tp.tracbeta = 0.03;
  tp.kshthtype = 0;
  tp.shthmodname = "No shear thinning";
}

TEST(PrintInputLubricant, LabelsFollowTheirValuesAfterOneBlank) {
  PrintCapture c;
  zqtest::buildBearing(*c.m, 1, 1);
  setLubricant(*c.m);
  c.m->tracprop.reracefilm(1) = c.m->tracprop.reracefilm(2) = 2.0e-7;
  ASSERT_EQ(zqtest::runPrintInput(c), "");
  std::vector<std::string> expected = {
      "    INNER RACE   2.0000E-07  0.00000E+00  0.00000E+00  0.00000E+00  0.00000E+00", ""};
  for (const auto& l : zqtest::lubricantLines(
           {1, "Mobil DTE (SAE 30)", "3.50000E+02", "8.50000E+02", "2.00000E+03", "9.60820E-02",
            "1.23000E-02", "1.90000E-08", "4.10430E+03", "5.00000E-02", "7.25160E-09",
            "2.84070E-01", "3.00000E-02"},
           true))
    expected.push_back(l);
  expectBlock(c, expected);
  // afterwards the labels are right-justified again, here as in the life-model head
  EXPECT_GE(c.find("     Reliability Factor    =  1.0000    Base Elastic Modulus = "
                   "2.0133E+11  (Pa)"),
            0);
}

// The eleven labels end right-justified whatever form they had, but only with a lubricant;
// the other labels are never touched.
TEST(PrintInputLubricant, RightJustificationLastsOnlyWithALubricant) {
  for (int ktrac : {-1, 0, 1}) {
    PrintCapture c;
    zqtest::buildBearing(*c.m, 1, 1);
    setLubricant(*c.m);
    c.m->tracprop.ktrac = ktrac;
    auto& u = c.m->units;
    u.upres = "(Pa)";        // left-justified on purpose
    u.uden = "(kg/m**3)";
    u.uforce = "(N)";        // not one of the eleven
    ASSERT_EQ(zqtest::runPrintInput(c), "");
    if (ktrac > 0) {
      EXPECT_EQ(u.upres.view(), "  (Pa)");
      EXPECT_EQ(u.uden.view(), "   (kg/m**3)");
    } else {
      EXPECT_EQ(u.upres.view(), "(Pa)  ");
      EXPECT_EQ(u.uden.view(), "(kg/m**3)   ");
      EXPECT_EQ(c.text().find("ELASTOHYDRODYNAMIC"), std::string::npos);
    }
    EXPECT_EQ(u.uforce.view(), "(N)   ");
    EXPECT_EQ(u.uvis.view(), "  (Pa.s)");
    EXPECT_EQ(u.uthercond.view(), sp(9) + "(W/m/K)");
    EXPECT_EQ(u.uprtempcoeff2.view(), "  (K/Pa)");
  }
}

// The extra lines of the measured-rheology and visco-elastic traction models and of the one-
// and two-term shear-thinning models.
TEST(PrintInputLubricant, ModelVariantLines) {
  struct Case {
    std::function<void(Tracprop&)> set;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {[](Tracprop& tp) {  // measured rheology
         tp.kmtype = 0;
         tp.tcl = 0.2;
       },
       {"     Traction Model Code:       0",
        "     Traction Model Name:       Rheological coefficients fitted to traction data  ",
        "     Additional effects:", "     Limiting traction coeff    2.00000E-01",
        "     Creep shear modulus        8.00000E+10 (Pa)  ", ""}},
      {[](Tracprop& tp) {  // visco-elastic
         tp.kmtype = 2;
         tp.smod = 1.0e7;
         tp.cshear = 1.5e6;
       },
       {"     Current Shear Modulus      1.00000E+07 (Pa)  ",
        "     Current Critical Shear     1.50000E+06 (Pa)  ", "",
        "     Shear-Thinning Model Code: 0"}},
      {[](Tracprop& tp) {
         tp.kmtype = 3;
         tp.smod = 2.0e7;
         tp.cshear = 2.5e6;
       },
       {"     Current Shear Modulus      2.00000E+07 (Pa)  ",
        "     Current Critical Shear     2.50000E+06 (Pa)  ", ""}},
      {[](Tracprop& tp) {
         tp.kshthtype = 1;
         tp.shthmodname = "Carreau-Yasuda model";
         tp.cshearmod = 8.0e6;
         tp.cn = 0.625;
         tp.aexp = 2.0;
       },
       {"     Shear-Thinning Model Code: 1",
        "     Shear-Thinning Model Name: Carreau-Yasuda model" + sp(30),
        "     Effective shear modulus    8.00000E+06 (Pa)  ",
        "     Shear-thinning exponent n  6.25000E-01", "     Shear-thinning exponent a  2.00000E+00",
        "", "     References"}},
      {[](Tracprop& tp) {
         tp.kshthtype = 2;
         tp.shthmodname = "Carreau-Yasuda Shear-Thinning (2 terms)";
         tp.cshearmod = 22000.0;
         tp.cshearmod1 = 5.08e6;
         tp.cn = 0.89;
         tp.cn1 = 0.52;
         tp.aexp = 2.0;
         tp.a1exp = 2.0;
       },
       {"     Effective shear modulus    2.20000E+04 (Pa)     5.08000E+06 (Pa)  ",
        "     Shear-thinning exponent n  8.90000E-01" + sp(9) + " 5.20000E-01",
        "     Shear-thinning exponent a  2.00000E+00" + sp(9) + " 2.00000E+00", ""}},
  };
  for (const Case& k : cases) {
    PrintCapture c;
    zqtest::buildBearing(*c.m, 1, 1);
    setLubricant(*c.m);
    k.set(c.m->tracprop);
    ASSERT_EQ(zqtest::runPrintInput(c), "");
    expectBlock(c, k.lines);
  }
}

TEST(PrintInputLubricant, InvalidTractionModelCodeStops) {
  PrintCapture c;
  zqtest::buildBearing(*c.m, 1, 1);
  setLubricant(*c.m);
  c.m->tracprop.kmtype = 5;
  EXPECT_EQ(zqtest::runPrintInput(c), "zela1::printinput");
  expectTail(c, "     Traction Model Name:       Rheological coefficients fitted to traction "
                "data  \n\n\n     Execution terminating due to invalid traction model type, "
                "kMType =  5\n\n\n");
}

// The traction model code is checked only inside the lubricant block: without a lubricant
// (ktrac 0 or negative) an invalid code is never looked at and the section runs to its end.
TEST(PrintInputLubricant, InvalidTractionModelCodeWithoutLubricantDoesNotStop) {
  for (int ktrac : {0, -1}) {
    for (int kmtype : {5, -1}) {
      PrintCapture c;
      zqtest::buildBearing(*c.m, 1, 1);
      setLubricant(*c.m);
      c.m->tracprop.ktrac = ktrac;
      c.m->tracprop.kmtype = kmtype;
      ASSERT_EQ(zqtest::runPrintInput(c), "") << "ktrac " << ktrac << " kmtype " << kmtype;
      EXPECT_EQ(c.text().find("Execution terminating"), std::string::npos);
      EXPECT_EQ(c.text().find("Traction Model Code"), std::string::npos);
      EXPECT_EQ(c.findPrefix("     APPLIED MOMENT VECTOR"), int(c.lines().size()) - 1);
    }
  }
}

TEST(PrintInputLubricant, EightReferencesOverEighteenLines) {
  PrintCapture c;
  zqtest::buildBearing(*c.m, 1, 1);
  setLubricant(*c.m);
  ASSERT_EQ(zqtest::runPrintInput(c), "");
  const int k = c.find("     References");
  ASSERT_GE(k, 1);
  EXPECT_EQ(c.line(k - 1), "");
  int numbered = 0;
  for (int i = 1; i <= 18; ++i) {
    const std::string l = c.line(k + i);
    const int indent = i < 18 ? 5 : 8;  // columns 6, the last line column 9
    ASSERT_GT(int(l.size()), indent) << "line " << i;
    EXPECT_EQ(l.substr(0, std::size_t(indent)), sp(indent)) << "line " << i;
    EXPECT_NE(l[std::size_t(indent)], ' ') << "line " << i;
    if (l.substr(5, 3) == std::to_string(numbered + 1) + ". ") ++numbered;
  }
  EXPECT_EQ(numbered, 8);
  EXPECT_EQ(c.line(k + 19), "");
  // reference 2: the Vogel temperature law behind the Vogel-like and hybrid viscosity laws
  EXPECT_EQ(c.line(k + 3), "     2. H. Vogel, Das Temperaturabhaengigkeitsgesetz der Viskositaet "
                           "von Fluessigkeiten,");
  EXPECT_EQ(c.line(k + 4), "     Physikalische Zeitschrift, Vol. 22, 1921, pp. 645-646.");
  EXPECT_EQ(c.text().find("Roelands"), std::string::npos);
}

}  // namespace
