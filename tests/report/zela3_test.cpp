// Results section: exact rows worked out by hand from chosen solution values and round scale
// factors (length 0.5 m, force 100 N, pressure 400 Pa, speed 3 m/s, power 300 W, wear constant
// 0.25, moment 50 N.m, angular speed 10 rpm, stiffness 200 N/m), so every product can be read
// off. Covers one row per table family, the stored contact pressure, the blank and unscaled
// load x slip columns, unloaded contacts, the traction-curve driver and the life-factor blanks.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "model/model.h"
#include "report/printinput_support.h"
#include "report/zela3.h"
#include "run/stop.h"
#include "run/zela1.h"
#include "run/zela9.h"

namespace {

using zqtest::PrintCapture;
using zqtest::sp;
constexpr double kPi = 3.141592653589793;

// Ball bearing, two elements: element 1 loaded on both races, element 2 unloaded with stale
// results of an earlier state.
void fill(Model& m) {
  auto& c = m.constants;
  m.options.kunit = 1;
  zela1::setunits(m);
  c.cang = 180.0 / kPi, c.tpi = 2.0 * kPi;
  c.slen = 0.5, c.sforce = 100, c.cpres = 400, c.cvel = 3, c.cqv = 300, c.crewr = 0.25;
  c.cmom = 50, c.cangvel = 10, c.cstiff = 200;
  auto& g = m.brggeom;
  g.kbrg = 1, g.nre = 2, g.nrace = 2;
  g.racecurrad(1) = g.racecurrad(2) = g.racecurrad(3) = 1.0;
  g.racecurcen(2, 1) = 3.0, g.racecurcen(1, 2) = 0.3, g.racecurcen(2, 2) = 4.0;
  g.shoulderdia(1) = 7.0, g.shoulderdia(2) = 6.0;
  auto& s = m.solutions;
  s.conang(1, 1, 1) = 0.2, s.conang(2, 1, 1) = kPi + 0.2;
  s.condef(1, 1) = 0.004, s.condef(2, 1) = 0.006;
  // 1.5 Q / (pi a b) would be 477 and 358: the stored pressures differ on purpose.
  s.conload(1, 1) = 2, s.conload(2, 1) = 3, s.conpress(1, 1) = 5, s.conpress(2, 1) = 6;
  s.conwidtha(1, 1) = 0.1, s.conwidtha(2, 1) = 0.2, s.conwidthb(1, 1) = 0.02;
  s.conwidthb(2, 1) = 0.04, s.rewr(1, 1) = 0.01, s.rewr(2, 1) = 0.02;
  s.rollvel(1, 1) = -2, s.rollvel(2, 1) = 1, s.spintoroll(1, 1) = 1e-11;
  s.spintoroll(2, 1) = -0.5, s.filmthk(1, 1) = 1e-7, s.filmthk(2, 1) = 2e-7;
  s.filmmodfac(1, 1) = 0.9, s.filmmodfac(2, 1) = 0.8, s.resv(1, 1) = 0.01, s.resv(2, 1) = 0.02;
  s.reracemaxslip(1, 1) = 0.1, s.reracemaxslip(2, 1) = 0.2, s.reracetrac(1, 1) = 0.05;
  s.reracetrac(2, 1) = 0.06, s.shearthinfac(1, 1) = s.shearthinfac(2, 1) = 1.0;
  s.repv(1, 1) = 1e6, s.repv(2, 1) = 2e6, s.repvx(1, 1, 1) = 0.25, s.repvx(1, 2, 1) = -0.5;
  for (int k = 1; k <= 4; ++k) {
    s.conpress(k, 2) = 9, s.rewr(k, 2) = 0.5, s.reracetrac(k, 2) = 0.7, s.resv(k, 2) = 0.3;
  }
  // Split-race contacts of element 1: segment 3 loaded, segment 4 unloaded with stale values.
  s.conload(3, 1) = 1, s.conpress(3, 1) = 2, s.rewr(3, 1) = 0.01, s.rewr(4, 1) = 0.5;
  s.reracetrac(3, 1) = 0.01, s.reracetrac(4, 1) = 0.7;
}

struct RaceCase {
  int k, nrace;
  double crewr;
  std::vector<std::string> rows;  // row of element 1 in the four tables ("" not checked)
};

TEST(ResultsTables, RaceContactRowsConvertStoredValues) {
  const std::string loaded1 =
      "      1  1.146E+01  1.146E+01  2.000E-03  3.000E-03  2.000E+02  3.000E+02  2.000E+03"
      "  2.400E+03  0.000E+00  0.000E+00";
  // Edges: 0.5 (3 - 3.5 + cos 0.3) = 0.2277, 0.5 sin 0.1 = 0.04992; inner -0.5 (4 - 3 +
  // cos(pi + 0.4)) = -0.03947, 0.5 (sin pi + 0.3) = 0.15. Load x slip 0.01 x 300 / 0.25.
  const std::string dims = "      1  5.000E-02  1.000E-01  1.000E-02  2.000E-02  2.277E-01"
                           " -3.947E-02  4.992E-02  1.500E-01";
  const std::vector<RaceCase> cases = {
      {0, 2, 0.25, {loaded1, dims + "  1.200E+01  2.400E+01",
                    "      1  6.000E+00  3.000E+00  0.000E+00 -5.000E-01  1.000E-07  2.000E-07"
                    "  9.000E-01  8.000E-01  3.000E+00  6.000E+00",
                    "      1  3.000E-01  6.000E-01  5.000E-02  6.000E-02  1.000E+00  1.000E+00"
                    "  1.000E+06  2.000E+06  2.500E-01 -5.000E-01"}},
      // No wear constant: the load x slip columns stay blank, the line ends before them.
      {0, 2, 0.0, {"", dims, "", ""}},
      // Split race: segment 3 unscaled (0.01 x 300), segment 4 unloaded prints zeros. Edge of
      // segment 3: 0.5 (0 - 3.5 + cos 0) = -1.25.
      {2, 4, 0.25, {"      1  0.000E+00 -1.800E+02  0.000E+00  0.000E+00  1.000E+02  0.000E+00"
                    "  8.000E+02  0.000E+00  0.000E+00  0.000E+00",
                    "      1  0.000E+00  0.000E+00  0.000E+00  0.000E+00 -1.250E+00  0.000E+00"
                    "  0.000E+00  0.000E+00  3.000E+00  0.000E+00",
                    "", "      1  0.000E+00  0.000E+00  1.000E-02  0.000E+00"
                        "  0.000E+00  0.000E+00  0.000E+00  0.000E+00  0.000E+00  0.000E+00"}}};
  for (const RaceCase& rc : cases) {
    PrintCapture c;
    fill(*c.m);
    c.m->brggeom.nrace = rc.nrace;
    c.m->constants.crewr = rc.crewr;
    zela3::reraceparameters(*c.m, rc.k);
    int at = -1;
    for (std::size_t t = 0; t < 4; ++t) {
      at = c.findPrefix("      1 ", at + 1);
      ASSERT_GE(at, 0);
      if (!rc.rows[t].empty()) {
        EXPECT_EQ(c.line(at), rc.rows[t]) << "k " << rc.k << " table " << t;
      }
      // Element 2 carries no load: no stress, no traction results, whatever was stored.
      EXPECT_EQ(c.line(at + 1).substr(0, 8), "      2 ");
      if (t == 0) {
        EXPECT_EQ(c.line(at + 1).substr(0, 29), "      2  0.000E+00 -1.800E+02");
      }
      EXPECT_EQ(c.line(at + 1).find_first_not_of("0.E+ -", t == 0 ? 29 : 7), std::string::npos);
    }
    EXPECT_EQ(c.m->devices.report.nonFiniteValues(), 0);
  }
}

TEST(ResultsTables, ElementRowAndBallDistribution) {
  PrintCapture c;
  Model& m = *c.m;
  fill(m);
  m.brggeom.nrace = 4;
  m.solutions.kconload(1) = 1;  // no traction curves
  m.vecmats.regc(3, 1) = 2.0 * kPi + 0.1, m.vecmats.regc(1, 1) = 0.02, m.genvecs.x(7) = 0.3;
  auto& s = m.solutions;
  s.cenforce(1) = 0.4, s.gymoment(1) = 0.02, s.reangvels(1, 1) = 5, s.reangvels(2, 1) = kPi / 2;
  s.reendwr(1, 1) = 0.001, s.reendwr(2, 1) = 0.002;
  s.npoints(1, 1) = 3, m.vecmats.kns(1, 1) = 1;
  const double x[] = {0.5, -0.5, 0.0}, v[] = {0.1, -0.2, 0.0}, t[] = {0.01, -0.02, 0.0};
  for (int n = 1, k = 0; n <= 3; ++n, ++k)
    s.xcoord(n, 1, 1) = x[k], s.conslipdis(n, 1, 1) = v[k], s.contracdis(n, 1, 1) = t[k];
  m.brggeom.kcontype(2, 1) = 1, m.revecs.ngrid = 1, s.conloaddis(1, 2, 1) = 0.1;  // one lamina
  s.condefdis(1, 2, 1) = 0.01;
  zela3::rollelementparameters(m);
  // Orbital angle 0.1 rad within the turn; wear 0.01 + 0.02 + 0.25 x 0.01 + 0.001 + 0.002.
  EXPECT_GE(c.find("      1  5.730E+00  1.000E-02  3.000E+00  4.000E+01  1.000E+00  5.000E+01"
                   "  9.000E+01  0.000E+00  3.550E-02"), 0);
  EXPECT_GE(c.find("     Secondary Rolling Element to Race Contacts"), 0);
  // Points sorted along the major axis; stress x slip = sqrt(1 - x^2) 5 x 400 |slip| x 3.
  zqtest::expectBlock(c, {"", "     Outer      1 -5.000E-01 -6.000E-01 -2.000E-02  1.039E+03",
                          sp(16) + "2  0.000E+00  0.000E+00  0.000E+00  0.000E+00",
                          sp(16) + "3  5.000E-01  3.000E-01  1.000E-02  5.196E+02",
                          "     Normalized x coordinate for pure rolling point",
                          sp(16) + "1  0.000E+00",
                          "     Normalized x coordinate for pure rolling point"});
  EXPECT_EQ(s.xcoord(1, 1, 1), -0.5);
  // Lamina 1: position -0.5 x 0.5, traction -0.02 (outer); deflection 0.01 x 0.5, load 0.1 x
  // 200 per length (inner). No traction curves: no element loads the outer race.
  EXPECT_GE(c.find("      1 -2.500E-01  0.000E+00  0.000E+00  0.000E+00 -2.000E-02  0.000E+00"
                   "  5.000E-03  0.000E+00  2.000E+01  0.000E+00"), 0);
  EXPECT_EQ(c.text().find("Traction Curves"), std::string::npos);
  zela3::balldistribution(m, 2);
  EXPECT_GE(c.find("     No contact with Inner Race"), 0);
  EXPECT_EQ(m.devices.report.nonFiniteValues(), 0);
}

// Stand-in for the traction routine: in prescribed-slip mode the tangential force of contact k
// of element 1 is k x ratio / 10 of the normal force; the film temperature iteration fails past
// gStopAt; a negative gStopAt raises a fatal zero-slip search error.
double gStopAt = 0;
void fakeTraction(Model& m, zq::Vec3&, zq::Vec3&, zq::FArray<double, 3, 2>&,
                  zq::FArray<double, 3, 2>&) {
  if (gStopAt < 0) zq::raiseError(m, {115, 1, true, {"Error in zero slip"}, "", {}, "", {}});
  for (int k = 1; k <= 2; ++k) {
    m.setupd1.bforcs(2, k) = -m.setupd1.storoll(1) * k * m.setupd1.itracout * (m.revecs.ire == 1);
    m.setupd1.bforcs(3, k) = -10;
  }
  m.tracprop.itherconv = m.setupd1.storoll(1) > gStopAt ? 1 : 0;
}

TEST(ResultsTables, TractionCurvesStepToTheSlipRangeAndStop) {
  // Step = range / 40 with the range 4 x 0.1/2 (outer ratio larger), 2 x 0.5/1, or 0.15 when
  // both are 0; unloaded inner contact: traction 0. Net films 1e-7 x 0.9 and 2e-7 x 0.8.
  struct Case { double slip1, slip2, load2, stopAt; int rows; std::string second, last; };
  const Case cases[] = {{0.1, 0.0, 0, 0.012, 4, "5.000E-03  5.000E-04  0.000E+00", "1.500E-02"},
                        {0.1, 0.5, 0, 0.012, 2, "2.500E-02  2.500E-03  0.000E+00", "2.500E-02"},
                        {0.0, 0.0, 3, 1.0, 41, "3.750E-03  3.750E-04  7.500E-04", "1.500E-01"}};
  for (const Case& k : cases) {
    PrintCapture c;
    fill(*c.m);
    auto& s = c.m->solutions;
    s.reracemaxslip(1, 1) = k.slip1, s.reracemaxslip(2, 1) = k.slip2, s.conload(2, 1) = k.load2;
    s.radiusx(1, 1) = 0.7, s.radiusx(2, 1) = 0.6;
    gStopAt = k.stopAt;
    zela3::tractioncurves(*c.m, 1, fakeTraction);
    const int first = c.findPrefix("       0.000E+00");
    EXPECT_EQ(c.line(first + 1), "       " + k.second + "  1.000E-07  2.000E-07  9.000E-01"
                                 "  8.000E-01  9.000E-08  1.600E-07");
    EXPECT_EQ(c.line(first + k.rows - 1).substr(7, 9), k.last);
    EXPECT_EQ(c.line(first + k.rows), k.rows < 41 ? "     ***Additional solutions terminated."
                                                  : "<no line " + std::to_string(first + 41) + ">");
    EXPECT_EQ(c.m->setupd1.itracout, 0);
    EXPECT_EQ(c.m->revecs.radx(1), 0.7);
    EXPECT_EQ(c.m->revecs.radx(2), 0.6);
  }
  // A fatal error inside an evaluation is reported and ends the run; the prescribed-slip mode
  // is off all the same.
  PrintCapture c;
  fill(*c.m);
  gStopAt = -1;
  EXPECT_THROW(zela3::tractioncurves(*c.m, 1, fakeTraction), zq::StopRun);
  EXPECT_EQ(c.m->setupd1.itracout, 0);
  EXPECT_GE(c.findPrefix("     Error in zero slip"), 0);
}

TEST(ResultsTables, FlangeTablesOfInnerFlangesAndWearGroupsOfFour) {
  PrintCapture c;
  Model& m = *c.m;
  fill(m);
  m.brggeom.nre = 5, m.brggeom.kflngind(1, 2) = 1;
  auto& s = m.solutions;
  s.flngdef(3, 1) = 0.002, s.flngforce(3, 1) = 0.5, s.flngsv(4, 1) = 0.01, s.idflngcon(3, 1) = 1;
  m.flngdata.istat(1, 2, 1) = 2, m.flngdata.istat(2, 2, 1) = 3;
  for (int i = 1; i <= 5; ++i) s.reendwr(1, i) = 0.001 * i;
  s.flngslip(3, 1) = 0.2, s.flngentvel(4, 1) = 0.1;
  zela3::flangetables(m);
  EXPECT_EQ(c.text().find("Outer Race Flange"), std::string::npos);
  const std::string z = "  0.000E+00";
  EXPECT_GE(c.find("      1  1.000E-03" + z + "  5.000E+01" + z + z + z + z + z + z +
                   "  3.000E+00   1  0 2  3"), 0);
  EXPECT_GE(c.find("      1" + z + z + z + z + "  6.000E-01" + z + z + "  3.000E-01"), 0);  // x 3
  const std::string g = "  0.000E+00" + sp(10);
  EXPECT_GE(c.find("      1  1.000E-03" + g + "2  2.000E-03" + g + "3  3.000E-03" + g +
                   "4  4.000E-03  0.000E+00"), 0);
  EXPECT_GE(c.find("      5  5.000E-03  0.000E+00"), 0);
}

TEST(ResultsTables, OperatingRowsAndLifeFactorBlanks) {
  PrintCapture c;
  Model& m = *c.m;
  fill(m);
  auto& s = m.solutions;
  s.raceaxis(1, 1) = 0.001, s.raceaxis(2, 1) = 0.5, s.raceangvels(1, 1) = 3;
  m.opcond.opracefit(1) = -0.0002, m.opcond.racehoop(1) = 5e7, s.racewr(1) = 1e-12;
  s.brgstiffness(2) = 2e8, s.powerloss = 0.01;
  s.racelife(1, 1) = 1000, s.racelife(1, 2) = 2000, s.racelife(1, 3) = 500;
  for (int t = 1; t <= 3; ++t) s.brglife(t) = m.constants.xinf;
  s.relifeihm(1) = 100, s.relifeihm(2) = 300, s.relifeihm(3) = 50;
  m.fatiguecons.facmatlf(1) = 3, m.fatiguecons.facmatlf(2) = 2, m.fatiguecons.facmatlfre = 1;
  s.pcapacitylp(1) = 1, s.pcapacitylpre(2) = 2, s.qcapacitylpre(1) = 3;  // x 400, x 400, x 100
  s.qcapacity(1) = 0.25, s.qcapacity(2) = 0.5, s.qcapacityih(2) = 0.1, s.racelife(2, 2) = 4000;
  s.raceforce(1, 1) = 0.01, s.racemoment(3, 2) = 0.02, s.stlelubfac(1) = 0.5;
  m.options.klifemod(1) = 4;
  zela3::operatingparameters(m);
  const std::string z = "  0.000E+00";
  // Force 0.01 x 100 on the outer race, moment 0.02 x 50 on the inner race.
  EXPECT_GE(c.find("      Outer Race  1.000E+00" + z + z + z + z + z + z + z + z), 0);
  EXPECT_GE(c.find("      Inner Race" + z + z + z + z + z + z + z + z + "  1.000E+00"), 0);
  EXPECT_GE(c.find("       Mat Code" + sp(9) + "4" + sp(12) + "0" + sp(12) + "0"), 0);
  EXPECT_GE(c.findPrefix("    Lubrication" + sp(7) + "5.000E-01" + sp(4) + "0.000E+00"), 0);
  EXPECT_GE(c.find("       Original LP" + sp(44) + "  2.500E+01  5.000E+01"), 0);
  EXPECT_GE(c.find("                IH" + z + z + z + z + z + "  1.000E+01" + z + z), 0);
  // Theta as stored in radians, Phi 0.5 rad in degrees, 3 x 10 rpm, fit -0.0002 x 0.5.
  EXPECT_GE(c.find("      Outer Race  1.000E-03  2.865E+01  3.000E+01 -1.000E-04  5.000E+07"
                   "  1.000E-12   Brg Stiffness YY        (N/m)  2.000E+08"), 0);
  EXPECT_NE(c.text().find("(m**3/s)   Total Contact Loss        (W)  3.000E+00\n"),
            std::string::npos);
  EXPECT_GE(c.find("       Material   " + sp(4) + "3.000E+00" + sp(4) + "2.000E+00" + sp(4) +
                   "1.000E+00"), 0);
  EXPECT_GE(c.find("        Current LP  4.000E+02" + z + z + "  8.000E+02" + z + z + "  3.000E+02" +
                   z), 0);
  EXPECT_GE(c.find("       Original LP  1.000E+03  0.000E+00" + sp(11) + "  9.999E+99"), 0);
  // Modified lives: Tallian then STLE, the original model without element column.
  EXPECT_GE(c.find("       Original LP  2.000E+03  4.000E+03" + sp(11) + "  9.999E+99  5.000E+02" +
                   z + sp(11) + "  9.999E+99"), 0);
  EXPECT_GE(c.find("                IH" + z + z + "  3.000E+02" + z + z + z + "  5.000E+01" + z),
            0);
  // Factors: 2000/1000, 500/1000 and infinite over infinite; a basic life of 0 leaves a blank.
  EXPECT_GE(c.find("       Original LP  2.000E+00" + sp(22) + "  1.000E+00  5.000E-01" + sp(22) +
                   "  1.000E+00"), 0);
  EXPECT_GE(c.find("                IH" + sp(22) + "  3.000E+00" + sp(33) + "  5.000E-01"), 0);
  EXPECT_EQ(m.devices.report.nonFiniteValues(), 0);
}

}  // namespace
