// Fatigue-life modeling parameters and operating conditions of the input-data section: the
// baseline modulus E0 = 2.0133e11 Pa (2.9200e7 psi: 2.0133e11 x 0.0254^2 / 4.448222), the
// life-model exponents of 52100 steel (c = 31/3 = 1.0333E+01, h = 7/3 = 2.3333E+00, e = 10/9,
// p = (c + 2 - h)/e = 9, VK p = (2 + e c)/e = 12.1333), the gaps of the R4, R1 and R2 rows,
// the 147-column life-factor rows with their trailing blanks, the notes and the load vectors.
// Expected lines are worked out by hand from the formats.
#include <gtest/gtest.h>

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

const std::string kExpHead = sp(20) + sp(5) + "Exponent" + sp(5) + "Exponent" + sp(5) + "Exponent" +
                             sp(8) + "Slope" + sp(3) + "Prop Ratio" + sp(7) + "Factor" + sp(8) +
                             "Constant";
const std::string kStressHead = sp(21) + "Shear Stress" + sp(8) + "Depth" + sp(2) +
                                "Stress-Life" + sp(6) + "Weibull" + sp(6) + "Elastic" + sp(3) +
                                "Adjustment" + " Stress Capacity";

TEST(PrintInputLife, LifeModelTablesInSiUnits) {
  PrintCapture c;
  zqtest::buildBearing(*c.m, 1, 1);
  zqtest::runPrintInput(c);
  const std::string race = "   1.0333E+01   2.3333E+00   9.0000E+00   1.1111E+00   1.0000E+00"
                           "   1.0000E+00";
  expectBlock(c, {
      "",
      "",
      "     FATIGUE LIFE MODELING PARAMETERS",
      "     " + std::string(32, '-'),
      "",
      "     Survival Probability  =  0.9000    Baseline Material    = AISI 52100 Steel",
      "     Reliability Factor    =  1.0000    Base Elastic Modulus = 2.0133E+11  (Pa)",
      "     Bearing Weibull Slope =  1.1111    Base Poisson-s Ratio = 2.7700E-01",
      "     Contact Type          =   Point",
      "",
      "     ORIGINAL LUNDBERG-PALMGREN (LP) DYNAMIC LOAD CAPACITY MODEL (Failure Stress: "
      "MAXIMUM ORHTOGONAL SHEAR)",
      sp(21) + "Shear Stress" + sp(8) + "Depth" + sp(4) + "Load-Life" + sp(6) + "Weibull" +
          sp(6) + "Elastic" + sp(3) + "Adjustment" + sp(3) + "Load Capacity",
      kExpHead,
      // 24640060 in E16.4; label for the length exponent 1.8
      "          Outer Race   1.0333E+01   2.3333E+00   3.0000E+00   1.1111E+00   1.0000E+00"
      "   1.0000E+00      2.4640E+07   (N/m**1.800)",
      "          Inner Race   1.0333E+01   2.3333E+00   3.0000E+00   1.1111E+00   1.0000E+00"
      "   1.0000E+00      2.4640E+07   (N/m**1.800)",
      "",
      "     CURRENT LUNDBERG-PALMGREN (LP) DYNAMIC STRESS CAPACITY MODEL (Failure Stress: "
      "MAXIMUM ORHTOGONAL SHEAR)",
      kStressHead,
      kExpHead,
      // length exponent (2c - h + 1)/(c + 2 - h) = 1.9333
      "          Outer Race" + race + "      1.4599E+09   (N/m**1.933)",
      "          Inner Race" + race + "      1.4599E+09   (N/m**1.933)",
      "     Rolling Element   1.0333E+01   2.3333E+00   9.0000E+00   1.1111E+00" + sp(13) +
          "   1.0000E+00      1.4599E+09   (N/m**1.933)",
      "",
      "     VAREK-KOLMINSK (VK) DYNAMIC STRESS CAPACITY MODEL (Failure Stress: MAXIMUM SHEAR)",
      sp(21) + "Shear Stress" + sp(8) + "Depth" + "  Stress-Life" + sp(6) + "Weibull" + sp(6) +
          "Elastic" + sp(3) + "Adjustment" + " Stress Capacity",
      kExpHead,
      // length exponent (2ec + 1)/(2 + ec) = 647/364 = 1.7775, truncated to 1.777
      "          Outer Race   1.0333E+01" + sp(13) + "   1.2133E+01   1.1111E+00   1.0000E+00"
      "   1.0000E+00      6.4229E+08   (N/m**1.777)",
      "          Inner Race   1.0333E+01" + sp(13) + "   1.2133E+01   1.1111E+00   1.0000E+00"
      "   1.0000E+00      6.4229E+08   (N/m**1.777)",
      "     Rolling Element   1.0333E+01" + sp(13) + "   1.2133E+01   1.1111E+00" + sp(13) +
          "   1.0000E+00      6.4229E+08   (N/m**1.777)",
      "",
      "     CURRENT IOANNIDES-HARRIS (IH) DYNAMIC STRESS CAPACITY MODEL (Failure Stress: "
      "MAXIMUM OCTAHEDRAL SHEAR)",
      kStressHead,
      kExpHead,
      "          Outer Race" + race + "      1.5524E+09   (N/m**1.933)",
      "          Inner Race" + race + "      1.5524E+09   (N/m**1.933)",
      "     Rolling Element   1.0333E+01   2.3333E+00   9.0000E+00   1.1111E+00" + sp(13) +
          "   1.0000E+00      1.5524E+09   (N/m**1.933)",
      "",
      "     Limit Stress Modifier" + sp(7) + "   1.0000E+00",
      "",
      "          Operating Residual Stresses*  (Pa)",
      "          Outer Race   0.0000E+00   Inner Race  -5.0000E+07",
      "      *Positive value indicates compressive residual stress",
      ""});
}

TEST(PrintInputLife, EnglishCapacityLabels) {
  PrintCapture c;
  zqtest::buildBearing(*c.m, 1, 2);
  zqtest::runPrintInput(c);
  EXPECT_GE(c.find("          Outer Race   1.0333E+01   2.3333E+00   3.0000E+00   1.1111E+00"
                   "   1.0000E+00   1.0000E+00      2.4640E+07(lbf/in**1.800)"),
            0);
  EXPECT_GE(c.find("          Operating Residual Stresses* (psi)"), 0);
}

// The contact type shown is that of the stress-capacity models, kmodeltype(2); the entry of
// the original LP model, kmodeltype(1), does not change it. 3X then A5 of "Point" or " Line".
TEST(PrintInputLife, ContactTypeFollowsTheSecondModelTypeEntry) {
  struct Case {
    int lp, stress;
    const char* shown;
  };
  for (const Case& k : {Case{1, 1, "    Line"}, Case{1, 0, "   Point"}, Case{0, 1, "    Line"},
                        Case{0, 0, "   Point"}}) {
    PrintCapture c;
    zqtest::buildBearing(*c.m, 2, 1);
    c.m->fatiguecons.kmodeltype(1) = k.lp;
    c.m->fatiguecons.kmodeltype(2) = k.stress;
    zqtest::runPrintInput(c);
    const int line = c.findPrefix("     Contact Type");
    ASSERT_GE(line, 0);
    EXPECT_EQ(c.line(line), "     Contact Type          =" + std::string(k.shown))
        << "kmodeltype = (" << k.lp << ", " << k.stress << ")";
  }
}

TEST(PrintInputLife, LifeFactorRowsAre147ColumnsWithTrailingBlanks) {
  PrintCapture c;
  zqtest::buildBearing(*c.m, 1, 1);
  // no life modification for the inner race
  auto& f = c.m->fatiguecons;
  c.m->options.klifemod(2) = 0;
  f.facmatlf(2) = f.facproclf(2) = f.hardnesslf(2) = 0.0;
  f.facmat(2) = f.facproc(2) = f.faccont(2) = 0.0;
  f.matnamelf(2) = f.matname(2) = " NO LIFE MOD";
  f.procnamelf(2) = f.procname(2) = "NO LIFE MOD";
  zqtest::runPrintInput(c);
  // exp(0.2) = 1.2214 for 62 HRC; names padded to 55 columns
  const std::vector<std::string> stle = {
      "          Outer Race   3.0000E+00   1.5000E+00    1.2214E+00        1        2"
      "   AISI 52100 CVD -Carbon Vacuum Degassing" + sp(55 - 28),
      "          Inner Race   0.0000E+00   0.0000E+00    0.0000E+00        0        2"
      "  NO LIFE MOD NO LIFE MOD" + sp(55 - 11),
      "     Rolling Element   3.0000E+00   6.0000E+00    1.2214E+00        1        7"
      "   AISI 52100 VIMVAR -Vacuum Induction Melt, Vacuum Arc Remelt" + sp(55 - 48)};
  const std::vector<std::string> tallian = {
      "          Outer Race   1.1970E+00   7.7000E-02    1.0000E+00        1        2"
      "   AISI 52100 CVD -Carbon Vacuum Deoxidation" + sp(55 - 30),
      "          Inner Race   0.0000E+00   0.0000E+00    0.0000E+00        0        2"
      "  NO LIFE MOD NO LIFE MOD" + sp(55 - 11),
      "     Rolling Element   1.1970E+00   3.0000E-03    1.0000E-01        1        7"
      "   AISI 52100 VIMVAR -Vacuum Induction Melt, Vacuum Arc Remelt" + sp(55 - 48)};
  const std::string codes = sp(20) + sp(7) + "Factor" + sp(7) + "Factor" + sp(8) + "Factor" +
                            sp(5) + "Code" + sp(5) + "Code";
  expectBlock(c, {"",
                  "     STLE RECOMMENDED LIFE MODIFICATION FACTORS",
                  sp(25) + "Material" + sp(6) + "Process" + sp(6) + "Hardness" + " Material" +
                      "  Process" + sp(5) + "Material Process",
                  codes, stle[0], stle[1], stle[2], "",
                  "     TALLIAN MODEL FOR LIFE MODIFICATION",
                  sp(25) + "Material" + sp(6) + "Process" + " Contamination" + " Material" +
                      "  Process" + sp(5) + "Material Process",
                  codes, tallian[0], tallian[1], tallian[2], ""});
  for (const auto& l : stle) EXPECT_EQ(l.size(), 147u);
  for (const auto& l : tallian) EXPECT_EQ(l.size(), 147u);
}

TEST(PrintInputLife, AsperityTableAndNotes) {
  PrintCapture c;
  zqtest::buildBearing(*c.m, 1, 1);
  c.m->fatiguecons.shearlmt(2) = 1.0e8;
  zqtest::runPrintInput(c);
  expectBlock(c, {
      "",
      sp(20) + ".........Asperity Interactions.........  Limit Shear" + sp(5) + "Residual",
      sp(20) + sp(4) + "Composite" + sp(4) + "Composite" + sp(5) + "Traction" + sp(7) + "Stress" +
          sp(7) + "Stress",
      sp(23) + "RMS Height" + sp(4) + "RMS Slope" + "  Coefficient",
      sp(29) + " (m)" + sp(7) + " (rad)" + sp(13) + sp(7) + "  (Pa)" + sp(7) + "  (Pa)",
      "          Outer Race   1.0000E-07   1.5000E-02   1.0000E-01   0.0000E+00   0.0000E+00",
      "          Inner Race   2.0000E-07   2.5000E-02   1.0000E-01   1.0000E+08  -5.0000E+07",
      "",
      "     NOTES",
      "     1. The Load Capacity Constant in the Original LP model includes properties of "
      "baseline material. ",
      "     2. Units of Load Capacity Constant depend on Weibull Slope, shear stress and depth "
      "exponents, while ",
      "        the magnitude is determined by correlating model predictions to experimental "
      "life data.",
      "     3. An input Adjustment Factor (default value = 1.0) may be used to adjust the Load "
      "Capacity Constant.",
      "     4. The Stress Capacity Constants are free of any material properties, thereby "
      "permitting material ",
      "        variation over the races and rolling elements.",
      "     5. Units of Stress Capacity Constant depend on Weibull Slope, shear stress and depth "
      "exponents, while ",
      "        the magnitude is determined by correlating model predictions to experimental "
      "life data.",
      "     6. An input Adjustment Factor (default value = 1.0) may be used to adjust the "
      "Stress Capacity Constants.",
      "     7. While race lives in the original Load Capacity LP model include the rolling "
      "element lives, ",
      "        the Stress Capacity models compute lives of races and rolling elements "
      "separately, thus permitting ",
      "        model variation over the races and rolling elements.",
      "     8. For current bearing materials refer to Material Properties section above.",
      "",
      "     References"});
  // three numbered references over six lines, all from column 6, then the next page
  const int k = c.find("     References", c.find("     NOTES"));
  int numbered = 0;
  for (int i = 1; i <= 6; ++i) {
    const std::string l = c.line(k + i);
    ASSERT_GT(l.size(), 5u);
    EXPECT_EQ(l.substr(0, 5), sp(5));
    EXPECT_NE(l[5], ' ');
    if (l.substr(5, 3) == std::to_string(numbered + 1) + ". ") ++numbered;
  }
  EXPECT_EQ(numbered, 3);
  EXPECT_EQ(c.line(k + 7), "\f");
  EXPECT_EQ(c.line(k + 8).substr(0, 25), "     OPERATING CONDITIONS");
}

TEST(PrintInputOperating, ConditionsConstraintsAndLoadVectors) {
  PrintCapture c;
  zqtest::buildBearing(*c.m, 1, 1);
  zqtest::runPrintInput(c);
  const std::vector<std::string> expected = {
      "\f",
      "     OPERATING CONDITIONS" + sp(57) + "Test bearing no. 1" + sp(18),
      "     " + std::string(20, '-'),
      "",
      sp(103) + "OUTER RACE" + sp(3) + "INNER RACE",
      "",
      "     ROOM TEMPERATURE" + sp(15) + " (K)  3.00000E+02" + sp(17) + "TEMPERATURE" + sp(15) +
          " (K)  3.30000E+02  3.40000E+02",
      "     HOUSING TEMPERATURE" + sp(12) + " (K)  3.10000E+02" + sp(17) + "ANGULAR VELOCITY" +
          sp(8) + " (rpm)  0.00000E+00  1.00000E+04",
      "     SHAFT TEMPERATURE" + sp(14) + " (K)  3.20000E+02" + sp(17) + "MISALIGNMENT-Y" +
          sp(10) + " (rad)  0.00000E+00  1.00000E-04",
      "     ROLLING ELEMENT TEMPERATURE" + sp(4) + " (K)  3.50000E+02" + sp(17) +
          "MISALIGNMENT-Z" + sp(10) + " (rad)  0.00000E+00 -2.00000E-04",
      "     QUASI-STATIC CONSTRAINTS" + sp(12) + " 1 1 0 1 1",
      "     INITIAL ANGULAR VELOCITY CODE" + sp(7) + " 0",
      "     ANG VELOCITY VECTOR ORIENT    (deg)  1.80000E+02",
      "",
      "",
      sp(47) + "X-COMP" + sp(7) + "Y-COMP" + sp(7) + "Z-COMP",
      "",
      "     APPLIED LOAD VECTOR" + sp(10) + "   (N)  1.00000E+03  0.00000E+00  5.00000E+03",
      "     RELATIVE DISPLACEMENT VECTOR" + sp(3) + " (m)  0.00000E+00  0.00000E+00  1.00000E-05",
      "     APPLIED MOMENT VECTOR" + sp(6) + "   (N.m)" + sp(13) + "  0.00000E+00  1.25000E+01"};
  const auto lines = c.lines();
  ASSERT_GE(lines.size(), expected.size());
  // these are the last lines the routine writes
  const std::size_t k0 = lines.size() - expected.size();
  for (std::size_t k = 0; k < expected.size(); ++k)
    EXPECT_EQ(lines[k0 + k], expected[k]) << "line " << k;
  EXPECT_EQ(c.text().back(), '\n');
  // the moment line leaves the X-COMP column (columns 43 to 55) empty
  EXPECT_EQ(lines.back().substr(42, 13), sp(13));
  EXPECT_EQ(lines[lines.size() - 5].substr(47, 6), "X-COMP");  // columns 48 to 53
}

}  // namespace
