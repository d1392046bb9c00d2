// Results rows that no whole run shows, from the model of a whole run of examples/ball-si.txt
// with stored results replaced by values whose printed form is worked out by hand: element
// moment and angles, ball contact edges, no load x slip without wear, no life factor over a basic
// life of 0, traction curves of an unloaded contact and of a run stopped inside an evaluation.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "model/model.h"
#include "report/zela3.h"
#include "run/stop.h"
#include "run/zela9.h"
#include "support/rundir.h"

namespace {

constexpr double kPi = 3.141592653589793;

struct Results {
  std::ostringstream os;
  std::unique_ptr<Model> m;
  Results() : m([] { zqtest::ScratchDir d; d.write("DATA.txt", zqtest::readSource("examples/ball-si.txt")); return zqtest::runInProcess(d).model; }()) { m->devices.report.attach(os); }
  std::string line(const std::string& prefix) const {  // the first line written with it
    for (const auto& l : zqtest::lines(os.str()))
      if (l.rfind(prefix, 0) == 0) return l;
    return "<none>";
  }
};

// Element 1: moment 4 N.m, angles 45 and 90 deg. Its outer contact on a groove circle of radius 1
// (x 0.5 m) centred at (0.2, 3.25), shoulder dia 7, angle and half-width pi/6: edge depth 0.5 (3.25
// - 3.5 + cos(pi/3)) = 0.125 m, other edge 0.5 (sin 0 + 0.2) = 0.1 m; no wear constant, no load x slip.
TEST(ResultsTables, ElementRowAndBallContactEdges) {
  Results r;
  Model& m = *r.m;
  auto& s = m.solutions;
  s.gymoment(1) = 4.0 / m.constants.cmom, s.reangvels(2, 1) = kPi / 4, s.reangvels(3, 1) = kPi / 2, s.kconload(1) = 1;  // no curves
  m.constants.slen = 0.5, m.constants.crewr = 0.0, m.brggeom.racecurrad(1) = 1.0, m.brggeom.racecurcen(1, 1) = 0.2;
  m.brggeom.racecurcen(2, 1) = 3.25, m.brggeom.shoulderdia(1) = 7.0, s.conang(1, 1, 1) = kPi / 6, s.conwidtha(1, 1) = kPi / 6;
  zela3::rollelementparameters(m);
  EXPECT_EQ(r.line("      1  0.000E+00").substr(51, 11) + r.line("      1  0.000E+00").substr(73, 22), "  4.000E+00  4.500E+01  9.000E+01");
  const std::string row = r.line("      1  2.618E-01");
  EXPECT_EQ(row.size(), 7u + 8 * 11) << row;
  EXPECT_EQ(row.substr(51, 11) + row.substr(73, 11), "  1.250E-01  1.000E-01");
}

// A factor over a basic life of 0 is blank; stress capacities print in pressure units (2 Pa).
TEST(ResultsTables, LifeFactorOverABasicLifeOfZeroIsBlank) {
  Results r;
  const auto& c = r.m->constants;
  r.m->solutions.racelife(1, 1) = 0.0, r.m->solutions.pcapacitylpre(1) = 2.0 * c.slen * c.slen / c.sforce;
  zela3::operatingparameters(*r.m);
  EXPECT_EQ(r.line("        Current LP").substr(40, 11), "  2.000E+00");
  const std::string factors = zqtest::lines(r.os.str()).rbegin()[7];  // the first of the four factor rows
  EXPECT_EQ(factors.substr(0, 29) + factors.substr(62, 11), "       Original LP" + std::string(22, ' '));
  EXPECT_EQ(r.m->devices.report.nonFiniteValues(), 0);
}

// Stand-in for the traction routine: the outer contact lost its load, contact k's tangential force
// is k x ratio / 10 of the normal one, the film fails past gLimit; gLimit < 0: a fatal error.
double gLimit = 0.0;
void fakeTraction(Model& m, zq::Vec3&, zq::Vec3&, zq::FArray<double, 3, 2>&, zq::FArray<double, 3, 2>&) {
  if (gLimit < 0) zq::raiseError(m, {115, 1, true, {"Error in zero slip"}, "", {}, "", {}});
  m.solutions.conload(1, m.revecs.ire) = 0.0;
  for (int k = 1; k <= 2; ++k) m.setupd1.bforcs(2, k) = -m.setupd1.storoll(1) * k, m.setupd1.bforcs(3, k) = -10;
  m.tracprop.itherconv = m.setupd1.storoll(1) > gLimit ? 1 : 0;
}

TEST(ResultsTables, TractionCurvesOfAnUnloadedContactAndAStopInside) {
  Results r;
  r.m->solutions.reracemaxslip(1, 1) = r.m->solutions.reracemaxslip(2, 1) = 0.0;  // step 0.15 / 40
  gLimit = 0.1;
  zela3::tractioncurves(*r.m, 1, fakeTraction);
  const auto l = zqtest::lines(r.os.str());
  const auto first = std::find(l.begin(), l.end(), r.line("       0.000E+00"));
  ASSERT_LT(first + 28, l.end());
  EXPECT_EQ(first[1].substr(0, 38), "       3.750E-03  0.000E+00  7.500E-04");
  EXPECT_EQ(first[28], "     ***Additional solutions terminated.");  // 27 x 0.00375 > 0.1
  EXPECT_EQ(r.m->setupd1.itracout, 0);
  gLimit = -1.0;
  EXPECT_THROW(zela3::tractioncurves(*r.m, 1, fakeTraction), zq::StopRun);
  EXPECT_EQ(r.m->setupd1.itracout, 0);  // the prescribed-slip mode is off after the stop too
  EXPECT_NE(r.os.str().find("     Error in zero slip"), std::string::npos);
}

}  // namespace
