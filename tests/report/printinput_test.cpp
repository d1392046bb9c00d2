// Geometry and material part of the input-data section (the header page is checked with the
// examples): every expected line is worked out by hand from its line format and the values of
// the hand-built bearings of report/printinput_support.h (E12.5 of 0.0125 is " 1.25000E-02", A4
// of the SI length label is " (m)", A24 of "BALL" is "BALL" and 20 blanks, and so on).
#include <gtest/gtest.h>

#include <limits>
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

TEST(PrintInputGeometry, BallTableInSiUnits) {
  PrintCapture c;
  zqtest::buildBearing(*c.m, 1, 1);
  ASSERT_EQ(zqtest::runPrintInput(c), "");
  expectBlock(c, {
      "     NO OF BALLS     12" + sp(14) + "OUTER CUR FAC   5.20000E-01     OUTER RACE" + sp(22) +
          "INNER RACE",
      "     BALL DIA    (m) 1.25000E-02     INNER CUR FAC   5.10000E-01     SHRINK FIT  (m)"
      "-1.00000E-05     SHRINK FIT  (m) 2.00000E-05",
      "     PITCH DIA   (m) 6.50000E-02     BEARING OD  (m) 1.00000E-01     WIDTH       (m)"
      " 2.00000E-02     WIDTH       (m) 2.10000E-02",
      "     CON ANGLE (deg) 1.50000E+01     HOUSING OD  (m) 1.50000E-01     SHLDR DIA   (m)"
      " 9.00000E-02     SHLDR DIA   (m) 4.00000E-02",
      "     DIA PLAY    (m) 2.00000E-05     SHAFT OD    (m) 3.00000E-02     SHIM THKNS  (m)"
      " 0.00000E+00     SHIM THKNS  (m) 0.00000E+00",
      // shim angle 0.5 rad = 28.6479 deg, the only converted input value
      "     END PLAY    (m) 1.00000E-03     SHAFT ID    (m) 0.00000E+00     SHIM ANG  (deg)"
      " 2.86479E+01     SHIM ANG  (deg) 0.00000E+00",
      "     OUTER RMS   (m) 1.00000E-07     INNER RMS   (m) 2.00000E-07",
      "\f"});
  // the table line is preceded by an empty line and the heading
  const int k = c.findPrefix("     NO OF BALLS");
  EXPECT_EQ(c.line(k - 1), "");
  EXPECT_EQ(c.line(k - 2), "     ----------------");
  // the stored shim angle stays in radians
  EXPECT_EQ(c.m->brggeom.shimang(1), 0.5);
}

// The geometry tables of the roller bearings: the cylindrical table leaves the third group of
// its fourth line empty, the spherical one shows the no-load angle, the tapered one (in English
// units) has a line of its own for the inner crown, the spherical tapered one shifts its width
// groups to columns 102 and 100.
TEST(PrintInputGeometry, RollerTables) {
  struct Case {
    int kbrg, kunit;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {2, 1, {
          "     NO OF ROLLERS   12" + sp(14) + "PITCH DIA   (m) 6.50000E-02     OUTER FIT   (m)"
          "-1.00000E-05     SHAFT OD    (m) 3.00000E-02",
          "     ROLLER DIA  (m) 1.25000E-02     CROWN RAD   (m) 1.00000E+10     INNER FIT   (m)"
          " 2.00000E-05     SHAFT ID    (m) 0.00000E+00",
          "     ROLLER LEN  (m) 1.30000E-02     COR RAD  I  (m) 5.00000E-04     DIA PLAY    (m)"
          " 2.00000E-05     BEARING OD  (m) 1.00000E-01",
          "     CEN LAND    (m) 1.10000E-02     COR RAD II  (m) 6.00000E-04" + sp(5 + 32) +
              "HOUSING OD  (m) 1.50000E-01",
          "     OUTER LEN1  (m) 1.40000E-02     INNER LEN1  (m) 1.50000E-02     OUTER CRN   (m)"
          " 1.00000E+10     WIDTH  I    (m) 2.00000E-02",
          "     OUTER LEN2  (m) 1.40000E-02     INNER LEN2  (m) 1.50000E-02     INNER CRN   (m)"
          " 2.50000E+00     WIDTH II    (m) 2.10000E-02",
          "     OUTER RMS   (m) 1.00000E-07     INNER RMS   (m) 2.00000E-07"}},
      {3, 1, {
          "     NO OF ROLLERS   12" + sp(14) + "OUTER CUR FAC   5.00000E-01     COR RAD  I  (m)"
          " 5.00000E-04     SHAFT OD    (m) 3.00000E-02",
          "     ROLLER DIA  (m) 1.25000E-02     INNER CUR FAC   4.90000E-01     COR RAD II  (m)"
          " 6.00000E-04     SHAFT ID    (m) 0.00000E+00",
          "     ROLLER LEN  (m) 1.30000E-02     CON ANGLE (deg) 1.20000E+01     OUTER FIT   (m)"
          "-1.00000E-05     BEARING OD  (m) 1.00000E-01",
          "     CROWN RAD   (m) 4.50000E-02     DIA PLAY    (m) 2.00000E-05     INNER FIT   (m)"
          " 2.00000E-05     HOUSING OD  (m) 1.50000E-01",
          "     PITCH DIA   (m) 6.50000E-02     END PLAY    (m) 3.00000E-04     WIDTH  I    (m)"
          " 2.00000E-02     WIDTH II    (m) 2.10000E-02",
          "     OUTER RMS   (m) 1.00000E-07     INNER RMS   (m) 2.00000E-07     NO LD ANG (deg)"
          " 1.25000E+01"}},
      {4, 2, {
          "     NO OF ROLLERS   12" + sp(14) + "OUT CONE  (deg) 1.50000E+01     COR RAD  I (in)"
          " 5.00000E-04     SHAFT OD   (in) 3.00000E-02",
          "     ROLLER DIA (in) 1.25000E-02     IN CONE   (deg) 1.00000E+01     COR RAD II (in)"
          " 6.00000E-04     SHAFT ID   (in) 0.00000E+00",
          "     ROLLER LEN (in) 1.30000E-02     END RAD  I (in) 8.00000E-02     OUTER FIT  (in)"
          "-1.00000E-05     BEARING OD (in) 1.00000E-01",
          "     CEN LAND   (in) 0.00000E+00     END RAD II (in) 1.00000E+10     INNER FIT  (in)"
          " 2.00000E-05     HOUSING OD (in) 1.50000E-01",
          "     CROWN RAD  (in) 1.00000E+10     OUTER LEN1 (in) 1.40000E-02     INNER LEN1 (in)"
          " 1.50000E-02     WIDTH  I   (in) 2.00000E-02",
          "     OUTER CRN  (in) 1.00000E+10     OUTER LEN2 (in) 1.40000E-02     INNER LEN2 (in)"
          " 1.50000E-02     WIDTH II   (in) 2.10000E-02",
          "     INNER CRN  (in) 2.50000E+00",
          "     OUTER RMS  (in) 1.00000E-07     INNER RMS  (in) 2.00000E-07"}},
      {5, 1, {
          "     NO OF ROLLERS   12" + sp(14) + "OUTER CUR FAC   5.00000E-01     COR RAD  I  (m)"
          " 5.00000E-04     SHAFT OD    (m) 3.00000E-02",
          "     ROLLER DIA  (m) 1.25000E-02     INNER CUR FAC   4.90000E-01     COR RAD II  (m)"
          " 6.00000E-04     SHAFT ID    (m) 0.00000E+00",
          "     ROLLER LEN  (m) 1.30000E-02     END RAD  I  (m) 8.00000E-02     OUTER FIT   (m)"
          "-1.00000E-05     BEARING OD  (m) 1.00000E-01",
          "     CROWN RAD   (m) 4.50000E-02     END RAD II  (m) 1.00000E+10     INNER FIT   (m)"
          " 2.00000E-05     HOUSING OD  (m) 1.50000E-01",
          "     OUT CONE  (deg) 1.50000E+01     IN CONE   (deg) 1.00000E+01" + sp(37) +
              "WIDTH  I    (m) 2.00000E-02",
          "     OUTER RMS   (m) 1.00000E-07     INNER RMS   (m) 2.00000E-07" + sp(35) +
              "WIDTH II    (m) 2.10000E-02"}},
  };
  for (const Case& k : cases) {
    PrintCapture c;
    zqtest::buildBearing(*c.m, k.kbrg, k.kunit);
    ASSERT_EQ(zqtest::runPrintInput(c), "");
    expectBlock(c, k.lines);
  }
}

TEST(PrintInputGeometry, InvalidBearingTypeStopsWithItsBlock) {
  for (int kbrg : {0, 6}) {
    PrintCapture c;
    zqtest::buildBearing(*c.m, kbrg, 1);
    EXPECT_EQ(zqtest::runPrintInput(c), "zela1::printinput");
    const std::string tail = "     BEARING GEOMETRY\n     ----------------\n\n\n"
                             "     Execution terminating in PrintInput\n"
                             "     Invalid bearing type encountered:  kBrg = " +
                             std::string(kbrg == 0 ? " 0" : " 6") + "\n\n\n\n";
    const std::string text = c.text();
    ASSERT_GE(text.size(), tail.size());
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail) << "kbrg " << kbrg;
    // the header names no bearing type for an invalid code
    EXPECT_EQ(c.line(7).substr(0, 26 + 24), "     *     Bearing Type = " + sp(24));
  }
}

TEST(PrintInputGeometry, NotANumberIsShownNotHidden) {
  for (int kbrg = 1; kbrg <= 5; ++kbrg) {  // a finite input writes no undefined number
    PrintCapture c;
    zqtest::buildBearing(*c.m, kbrg, 1);
    ASSERT_EQ(zqtest::runPrintInput(c), "");
    EXPECT_EQ(c.m->devices.report.nonFiniteValues(), 0) << "kbrg " << kbrg;
  }
  PrintCapture c;
  zqtest::buildBearing(*c.m, 1, 1);
  c.m->brggeom.freeconang = std::numeric_limits<double>::quiet_NaN();
  ASSERT_EQ(zqtest::runPrintInput(c), "");
  EXPECT_GE(c.findPrefix("     CON ANGLE (deg)         NaN     HOUSING OD"), 0);
  EXPECT_EQ(c.m->devices.report.nonFiniteValues(), 1);
}

TEST(PrintInputFlanges, FlangesOnBothRacesGiveOuterThenInnerRow) {
  PrintCapture c;
  zqtest::buildBearing(*c.m, 4, 1);
  auto& g = c.m->brggeom;
  g.kflngind(1, 1) = 1;  // flange I of the outer race
  g.kflngind(2, 2) = 1;  // flange II of the inner race
  g.flngcls(1) = 1.0e-4;
  g.flnght(1, 1) = 0.002;
  g.flngang(1, 1) = 0.5;
  g.flngcls(2) = 3.0e-4;
  g.flnght(2, 2) = 0.0015;
  g.flngang(2, 2) = 1.25;
  ASSERT_EQ(zqtest::runPrintInput(c), "");
  expectBlock(c, {
      "     OUTER RMS   (m) 1.00000E-07     INNER RMS   (m) 2.00000E-07",
      "",
      "",
      sp(22) + "FLANGE CLS" + sp(6) + "FLANGE HT I" + sp(3) + "FLANGE HT II" + sp(8) +
          "LAYBACK I" + sp(5) + "LAYBACK II",
      sp(28) + " (m)" + sp(13) + " (m)" + sp(11) + " (m)" + sp(11) + " (deg)" + sp(9) + " (deg)",
      // 5X,A10,5X,E12.5, then flange heights I and II, layback angles I and II
      "     Outer Race" + sp(5) + " 1.00000E-04" + sp(5) + " 2.00000E-03" + sp(3) +
          " 0.00000E+00" + sp(5) + " 5.00000E-01" + sp(3) + " 0.00000E+00",
      "     Inner Race" + sp(5) + " 3.00000E-04" + sp(5) + " 0.00000E+00" + sp(3) +
          " 1.50000E-03" + sp(5) + " 0.00000E+00" + sp(3) + " 1.25000E+00",
      "\f",
      "     MATERIAL PROPERTIES"});
}

// Only code 1 adds the RMS line; any other non-zero code, negative ones included, prints the
// table alone.
TEST(PrintInputVariations, BallSizesWithAndWithoutRmsLine) {
  for (int kimp : {1, 2, -1}) {
    PrintCapture c;
    zqtest::buildBearing(*c.m, 1, 1);
    auto& g = c.m->brggeom;
    g.nre = 3;
    c.m->options.kregeoimp = kimp;
    g.rediavar(1) = 1.0e-6;
    g.rediavar(2) = -2.0e-6;
    g.rermsdiavar = 1.5e-6;
    ASSERT_EQ(zqtest::runPrintInput(c), "");
    std::vector<std::string> expected = {
        "",
        "     VARIATIONS IN BALL SIZE",
        "     -----------------------",
        "",
        sp(12) + "RE" + sp(9) + "BALL",
        sp(12) + "NO" + sp(5) + "DIAMETER",
        sp(23) + " (m)",
        sp(10) + "   1  1.00000E-06",
        sp(10) + "   2 -2.00000E-06",
        sp(10) + "   3  0.00000E+00"};
    if (kimp == 1) expected.push_back(sp(7) + "RMS Dev  1.50000E-06");
    expected.push_back("\f");  // the material page follows
    const int k = c.find("     VARIATIONS IN BALL SIZE");
    ASSERT_GE(k, 1);
    for (std::size_t i = 0; i < expected.size(); ++i)
      EXPECT_EQ(c.line(k - 1 + int(i)), expected[i]) << "kregeoimp " << kimp << " line " << i;
  }
}

TEST(PrintInputVariations, SphericalRollersAreListedAsBallSizes) {
  PrintCapture c;
  zqtest::buildBearing(*c.m, 3, 1);
  c.m->options.kregeoimp = 1;
  ASSERT_EQ(zqtest::runPrintInput(c), "");
  EXPECT_GE(c.find("     VARIATIONS IN BALL SIZE"), 0);
  EXPECT_EQ(c.find("     VARIATIONS IN ROLLER GEOMETRY"), -1);
}

// Codes below 3 other than 1 (2, or a negative code) give the four-column roller table of
// cylindrical and tapered bearings without the RMS line, even with RMS values stored.
TEST(PrintInputVariations, RollerVariationsWithoutRmsLineUnlessCodeIsOne) {
  for (int kbrg : {2, 4}) {
    for (int kimp : {2, -1}) {
      PrintCapture c;
      zqtest::buildBearing(*c.m, kbrg, 1);
      auto& g = c.m->brggeom;
      g.nre = 2;
      c.m->options.kregeoimp = kimp;
      g.rediavar(2) = -1.0e-6;
      g.relenvar(2) = 2.5e-6;
      g.recenlenvar(1) = 3.0e-6;
      g.recenlenoffset(2) = 4.0e-6;
      g.recrnvar(1) = 5.0;  // the crown column belongs to codes 3 and above only
      g.rermsdiavar = 1.0e-6;
      g.rermslenvar = 2.0e-6;
      ASSERT_EQ(zqtest::runPrintInput(c), "");
      expectBlock(c, {
          "",
          "     VARIATIONS IN ROLLER GEOMETRY",
          "     " + std::string(29, '-'),
          "",
          sp(12) + "RE" + sp(7) + "ROLLER" + sp(7) + "ROLLER" + sp(9) + "LAND" + sp(9) + "LAND",
          sp(12) + "NO" + sp(5) + "DIAMETER" + sp(7) + "LENGTH" + sp(7) + "LENGTH" +
              "   CENTRALITY",
          sp(14) + sp(9) + " (m)" + sp(9) + " (m)" + sp(9) + " (m)" + sp(9) + " (m)",
          sp(10) + "   1  0.00000E+00  0.00000E+00  3.00000E-06  0.00000E+00",
          sp(10) + "   2 -1.00000E-06  2.50000E-06  0.00000E+00  4.00000E-06",
          "\f",
          "     MATERIAL PROPERTIES"});
      EXPECT_EQ(c.text().find("RMS Dev"), std::string::npos) << "kbrg " << kbrg << " " << kimp;
      EXPECT_EQ(c.text().find("END FACE"), std::string::npos) << "kbrg " << kbrg << " " << kimp;
    }
  }
}

TEST(PrintInputVariations, TaperedRollerVariationsOnANewPageWithEndFaces) {
  PrintCapture c;
  zqtest::buildBearing(*c.m, 4, 1);
  auto& g = c.m->brggeom;
  g.nre = 1;
  c.m->options.kregeoimp = 3;
  g.rediavar(1) = 1.0e-6;
  g.recrnvar(1) = 5.0;
  g.reendframe(1, 1, 1) = 0.1;
  g.reendframe(3, 2, 1) = -0.2;
  ASSERT_EQ(zqtest::runPrintInput(c), "");
  expectBlock(c, {
      "\f",
      "",
      "     VARIATIONS IN ROLLER GEOMETRY",
      "     " + std::string(29, '-'),
      "",
      sp(12) + "RE" + sp(7) + "ROLLER" + sp(7) + "ROLLER" + sp(9) + "LAND" + sp(9) + "LAND" +
          sp(8) + "CROWN",
      sp(12) + "NO" + sp(5) + "DIAMETER" + sp(7) + "LENGTH" + sp(7) + "LENGTH" +
          "   CENTRALITY" + sp(7) + "RADIUS",
      sp(14) + sp(9) + " (m)" + sp(9) + " (m)" + sp(9) + " (m)" + sp(9) + " (m)" + sp(9) + " (m)",
      sp(10) + "   1  1.00000E-06  0.00000E+00  0.00000E+00  0.00000E+00  5.00000E+00",
      "",
      "",
      sp(12) + "RE  .....ORIENTATION OF END FACE I.......  .....ORIENTATION OF END FACE II......",
      sp(12) + "NO" + sp(8) + "X-ROT" + sp(8) + "Y-ROT" + sp(8) + "Z-ROT" + sp(8) + "X-ROT" +
          sp(8) + "Y-ROT" + sp(8) + "Z-ROT",
      sp(14) + sp(7) + " (deg)" + sp(7) + " (deg)" + sp(7) + " (deg)" + sp(7) + " (deg)" +
          sp(7) + " (deg)" + sp(7) + " (deg)",
      "",
      sp(10) + "   1  1.00000E-01  0.00000E+00  0.00000E+00  0.00000E+00  0.00000E+00 -2.00000E-01",
      "\f",
      "     MATERIAL PROPERTIES"});
  EXPECT_EQ(c.text().find("RMS Dev"), std::string::npos);
}

TEST(PrintInputVariations, RaceVariationsOfTheInnerRaceOnlyForABallBearing) {
  PrintCapture c;
  zqtest::buildBearing(*c.m, 1, 1);
  auto& g = c.m->brggeom;
  c.m->options.kracegeoimp.lin(1) = -1;  // negative: no imperfection
  c.m->options.kracegeoimp.lin(2) = 2;
  g.rlradvar(1, 2) = 1.0e-6;
  g.rlradvar(2, 2) = 4.0;
  g.rlradvar(3, 2) = 30.0;
  g.cfacvar(1, 2) = 1.0e-3;
  g.cfacvar(2, 2) = 3.0;
  ASSERT_EQ(zqtest::runPrintInput(c), "");
  expectBlock(c, {
      "     OUTER RMS   (m) 1.00000E-07     INNER RMS   (m) 2.00000E-07",
      "",
      "     VARIATIONS IN RACE GEOMETRY",
      "     " + std::string(27, '-'),
      "",
      "     Inner Race GEOMETRIC IMPERFECTION TYPE = 2",
      "     RACE RADIUS:  AMPLITUDE       (m) =  1.0000E-06  FREQUENCY           =  4.0000E+00"
      "  PHASE ANG   (deg) =  3.0000E+01",
      "     CUR FACTOR:   AMPLITUDE           =  1.0000E-03  FREQUENCY           =  3.0000E+00"
      "  PHASE ANG   (deg) =  0.0000E+00",
      "\f"});
  EXPECT_EQ(c.text().find("Outer Race GEOMETRIC"), std::string::npos);
}

TEST(PrintInputMaterials, MarkersStandBesideTheirValues) {
  PrintCapture c;
  zqtest::buildBearing(*c.m, 1, 1);
  auto& p = c.m->matprop;
  p.remat = "Arbitrary Properties";
  p.rem = "^^^^^^^^^^";  // input properties
  p.shftm = "   *      ";  // expansion estimated
  p.racem(1) = "         *";  // von Mises limit estimated: the octahedral limit shares it
  ASSERT_EQ(zqtest::runPrintInput(c), "");
  expectBlock(c, {
      "\f",
      "     MATERIAL PROPERTIES",
      "     -------------------",
      "",
      "     Rolling Element Material = Arbitrary Properties" + sp(16),
      "     Outer Race Material      = AISI 52100 Steel" + sp(20),
      "     Inner Race Material      = AISI 52100 Steel" + sp(20),
      "     Shaft Material           = AISI 4340 Steel" + sp(21),
      "     Housing Material         = AISI 4340 Steel" + sp(21),
      "",
      sp(46) + "ROLLING" + sp(8) + "OUTER" + sp(8) + "INNER" + sp(8) + "SHAFT" + sp(6) + "HOUSING",
      sp(46) + "ELEMENT" + sp(9) + "RACE" + sp(9) + "RACE",
      "     TEMPERATURE" + sp(21) + " (K)  3.5000E+02   3.3000E+02   3.4000E+02   3.2000E+02"
      "   3.1000E+02",
      "     DENSITY" + sp(17) + "   (kg/m**3)  7.8270E+03^  7.8270E+03   7.8270E+03 "
      "  7.8500E+03   7.8500E+03 ",
      "     ELASTIC MODULUS" + sp(15) + "  (Pa)  2.0133E+11^  2.0133E+11   2.0133E+11 "
      "  2.0500E+11   2.0500E+11 ",
      "     POISSON-S RATIO" + sp(21) + "  2.7700E-01^  2.7700E-01   2.7700E-01   2.9000E-01 "
      "  2.9000E-01 ",
      "     COEFF OF THERMAL EXP" + sp(6) + "   (m/m/K)  1.1500E-05^  1.1500E-05   1.1500E-05 "
      "  1.2700E-05*  1.2700E-05 ",
      "     HARDNESS" + sp(24) + "(RC)  6.2000E+01^  6.2000E+01   6.2000E+01 ",
      "     WEAR COEFFICIENT" + sp(20) + "  5.0000E-06^  5.0000E-06   5.0000E-06 ",
      "     VON-MISES STRESS" + sp(14) + "  (Pa)  6.8400E+08^  6.8400E+08*  6.8400E+08 ",
      // sqrt(2) x 6.84e8 / 3 = 3.22441e8
      "     OCTAHEDRAL SHEAR STRESS LIMIT   (Pa)  3.2244E+08^  3.2244E+08*  3.2244E+08 ",
      "     __________________",
      "     * Estimated         ^ User input",
      "",
      "",
      "     ROLLING ELEMENT INERTIAL PARAMETERS",
      "     " + std::string(35, '-'),
      "",
      sp(16) + ".......MASS  ..........MOMENT OF INERTIA..........",
      sp(21) + "  (kg)" + sp(14) + "   (kg*m**2)",
      sp(34) + "X-COMP" + sp(7) + "Y-COMP" + sp(7) + "Z-COMP",
      sp(14) + "  7.99000E-03  1.25000E-07  1.25000E-07  1.25000E-07",
      "\f",
      "     LUBRICATION PARAMETERS"});
}

}  // namespace
