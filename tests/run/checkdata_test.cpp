// Unit labels, scale factors and input consistency checks: labels against the unit tables,
// scales against their defining formulas, and every warning and stop block line by line as
// worked out from its layout (E12.4, E12.4 fraction form, E12.5, unit labels after one blank).
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>
#include <sstream>

#include "model/model.h"
#include "report/format.h"
#include "run/stop.h"
#include "run/zela1.h"

namespace {

constexpr double kPi = std::numbers::pi;

struct Fixture {
  std::unique_ptr<Model> m = std::make_unique<Model>();
  std::ostringstream out;
  explicit Fixture(int kunit = 1) {
    m->devices.report.attach(out);
    auto& c = m->constants;
    c.one2 = 0.5;
    c.one4 = 0.25;
    c.cang = 180.0 / kPi;
    m->options.kunit = kunit;
    zela1::setunits(*m);
    // Rings with walls: outside diameter beyond the outer raceway, bore inside the inner one
    // (cases that test the envelope check change these).
    auto& g = m->brggeom;
    g.brgod = 0.2;
    g.brgbore = 0.04;
    g.racerad(2, 1) = 0.08;
    g.racerad(1, 2) = 0.03;
    // Every part at room temperature (absolute temperatures are above zero).
    auto& oc = m->opcond;
    oc.roomtemp = oc.hsngtemp = oc.shfttemp = oc.racetemp(1) = oc.racetemp(2) = oc.retemp(1) =
        293.0;
  }
  // Runs the checks and returns whether they stopped the run.
  bool stopped() {
    try {
      zela1::checkdata(*m);
      return false;
    } catch (const zq::StopRun& s) {
      EXPECT_EQ(s.status(), 1);
      return true;
    }
  }
};

TEST(UnitLabels, SiLabelsAreRightJustified) {
  Fixture f(1);
  const auto& u = f.m->units;
  EXPECT_EQ(u.ulen.view(), " (m)");
  EXPECT_EQ(u.uforce.view(), "   (N)");
  EXPECT_EQ(u.umom.view(), "   (N.m)");
  EXPECT_EQ(u.upres.view(), "  (Pa)");
  EXPECT_EQ(u.uden.view(), "   (kg/m**3)");
  EXPECT_EQ(u.uhtc.view(), "        (W/m**2/K)");
  EXPECT_EQ(u.uhtc1.view(), "        ");
  EXPECT_EQ(u.uhtc2.view(), "(W/m**2/K)");
  EXPECT_EQ(u.utemp.view(), " (K)");
  EXPECT_EQ(u.uhrdns.view(), "(RC)");
}

TEST(UnitLabels, EnglishLabelsFillTheirFields) {
  Fixture f(2);
  const auto& u = f.m->units;
  EXPECT_EQ(u.ulen.view(), "(in)");
  EXPECT_EQ(u.uforce.view(), " (lbf)");
  EXPECT_EQ(u.uhtc.view(), "(lbf*in/in**2/R/s)");
  EXPECT_EQ(u.uhtc1.view(), "(lbf*in/");
  EXPECT_EQ(u.uhtc2.view(), "in**2/R/s)");
  EXPECT_EQ(u.uthercond.view(), " (lbf.in/in/R/s)");
  EXPECT_EQ(u.uden.view(), " (lbm/in**3)");
  EXPECT_EQ(u.upower.view(), "(lbf.in/s)");
}

TEST(UnitLabels, FatigueLabelsCarryTruncatedExponents) {
  for (int kunit : {1, 2}) {
    auto m = std::make_unique<Model>();
    m->options.kunit = kunit;
    auto& fc = m->fatiguecons;
    fc.el = 1.8;
    fc.ellp(1) = 1.9999999;
    fc.eglp(2) = 3.0;
    fc.egvk(1) = 2.05;
    zela1::setunits(*m);
    const auto& u = m->units;
    if (kunit == 1) {
      EXPECT_EQ(u.ufatcon.view(), "   (N/m**1.800)");
      EXPECT_EQ(u.ufconlp(1).view(), "   (N/m**1.999)");
      EXPECT_EQ(u.uglp(2).view(), " (1/m^3.  0)");
      EXPECT_EQ(u.ugvk(1).view(), " (1/m^2. 50)");
    } else {
      EXPECT_EQ(u.ufatcon.view(), "(lbf/in**1.800)");
      EXPECT_EQ(u.uglp(2).view(), "(1/in^3.  0)");
    }
  }
}

TEST(UnitLabels, InvalidUnitCodeStops) {
  for (int kunit : {0, 3}) {
    auto m = std::make_unique<Model>();
    std::ostringstream out;
    m->devices.report.attach(out);
    m->options.kunit = kunit;
    EXPECT_THROW(zela1::setunits(*m), zq::StopRun);
    EXPECT_EQ(out.str(), "\n\n     Execution terminating in SetUnits\n\n"
                         "     Invalid units code encountered:  kUnit= " + std::to_string(kunit) +
                             "\n\n\n\n");
  }
}

TEST(ScaleFactors, ForceScaleIsLargestAppliedForce) {
  Fixture f;
  auto& m = *f.m;
  m.brggeom.bredia = 0.02;
  m.brggeom.bremass = 0.0327;
  m.opcond.appload(1) = 0.0;
  m.opcond.appload(2) = -500.0;
  m.opcond.appload(3) = 200.0;
  zela1::scalefactors(m);
  const auto& c = m.constants;
  EXPECT_EQ(c.sforce, 500.0);
  EXPECT_EQ(c.slen, 0.01);
  // stime^2 g_c F / (m L) = 1, and the derived factors by their definitions.
  EXPECT_NEAR(c.stime * c.stime * 500.0 / (0.0327 * 0.01), 1.0, 1e-15);
  EXPECT_DOUBLE_EQ(c.cvel, 0.01 / c.stime);
  EXPECT_DOUBLE_EQ(c.cacc, c.cvel / c.stime);
  EXPECT_DOUBLE_EQ(c.cangvel * 2.0 * kPi / 60.0, 1.0 / c.stime);  // rpm per 1/stime
  EXPECT_DOUBLE_EQ(c.cangacc, c.cangvel / c.stime);
  EXPECT_DOUBLE_EQ(c.cstiff, 50000.0);
  EXPECT_DOUBLE_EQ(c.cmom, 5.0);
  EXPECT_DOUBLE_EQ(c.cpres, 500.0 / 1e-4);
  EXPECT_DOUBLE_EQ(c.cqv, c.cvel * 500.0);
}

TEST(ScaleFactors, NoAppliedForceUsesHundredPoundForce) {
  for (int kunit : {1, 2}) {
    Fixture f(kunit);
    auto& m = *f.m;
    m.brggeom.bredia = 1.0;
    m.brggeom.bremass = 1.0;
    m.opcond.appmoment(1) = 50.0;  // moments do not enter the force scale
    zela1::scalefactors(m);
    EXPECT_EQ(m.constants.sforce, kunit == 1 ? 444.82216 : 100.0);
    // English: time scale with g_c = 386.088 lbm in / (lbf s^2)
    const double gc = kunit == 1 ? 1.0 : 386.088;
    EXPECT_DOUBLE_EQ(m.constants.stime, std::sqrt(0.5 / (gc * m.constants.sforce)));
  }
}

TEST(ScaleFactors, NonPositiveDiameterOrMassStops) {
  const double cases[][2] = {{0.0, 0.03}, {-0.01, 0.03}, {0.02, 0.0}, {0.02, NAN}};
  for (const auto& cs : cases) {
    Fixture f;
    f.m->brggeom.bredia = cs[0];
    f.m->brggeom.bremass = cs[1];
    EXPECT_THROW(zela1::scalefactors(*f.m), zq::StopRun);
    EXPECT_EQ(f.m->constants.slen, 0.0);  // nothing was formed
    const std::string text = f.out.str();
    EXPECT_NE(text.find("     Execution terminating due to invalid rolling element size\n"),
              std::string::npos);
    EXPECT_NE(text.find("     Rolling Element Diameter = " + zq::renderE(cs[0], 12, 5) + "  (m)\n"),
              std::string::npos);
  }
}

const std::string kWarning4 =
    "\n"
    "     WARNING\n"
    "     -------\n"
    "     Check constraints on input data Record 3.3\n"
    "     When the applied load or moment is zero on Record 9.1,\n"
    "     then the corresponding constraint flag on Record 3.3 is\n"
    "     generally set =1, unless an equilibrium solution is\n"
    "     required with zero force or moment.\n"
    "\n"
    "     This warning is generated by constraint kFS4 on Record 3.3.\n"
    "\n"
    "     If an equilibrium solution cannot be obtained under zero\n"
    "     load or moment then set the corresponding constraint to 1\n"
    "     and rerun with prescribed displacement or misalignment\n"
    "     on Record 9.1.\n"
    "\n"
    "\n";

void ballGeometry(Model& m, double fo, double fi) {
  m.brggeom.kbrg = 1;
  m.brggeom.bredia = 0.01;
  m.brggeom.racecurfac(1) = fo;
  m.brggeom.racecurfac(2) = fi;
}

TEST(ConsistencyChecks, ZeroLoadOnFreeConstraintWarnsAndGoesOn) {
  Fixture f;
  ballGeometry(*f.m, 0.52, 0.52);
  f.m->options.kfs(4) = 0;
  EXPECT_FALSE(f.stopped());
  EXPECT_EQ(f.out.str(), kWarning4);
}

TEST(ConsistencyChecks, OnlyAnExactZeroWarns) {
  Fixture f;
  ballGeometry(*f.m, 0.52, 0.52);
  f.m->options.kfs(1) = 0;
  f.m->opcond.appload(1) = 1e-30;
  EXPECT_FALSE(f.stopped());
  EXPECT_EQ(f.out.str(), "");
}

TEST(ConsistencyChecks, WarningsPrecedeAFailingCheck) {
  Fixture f;
  ballGeometry(*f.m, 0.5, 0.52);
  f.m->options.kfs(2) = 0;
  f.m->options.kfs(4) = 0;
  EXPECT_TRUE(f.stopped());
  std::string warning2 = kWarning4;
  warning2.replace(warning2.find("kFS4"), 4, "kFS2");
  EXPECT_EQ(f.out.str(), warning2 + kWarning4 +
                             "\n"
                             "     Execution terminating due invalid race curvature factor on Input Data Rec 5A\n"
                             "     Valid curvature factor must be greater than 0.50\n"
                             "     Specified Outer Race Cur Factor =   0.5000E+00\n"
                             "     Specified Inner Race Cur Factor =   0.5200E+00\n"
                             "\n"
                             "\n");
}

TEST(ConsistencyChecks, CurvatureFactorJustAboveHalfPasses) {
  Fixture f;
  ballGeometry(*f.m, 0.5000001, 0.5000001);
  EXPECT_FALSE(f.stopped());
}

TEST(ConsistencyChecks, BallClearanceBeyondGrooveStops) {
  Fixture f;
  ballGeometry(*f.m, 0.52, 0.51);
  f.m->brggeom.freeintcls = 4.0e-4;  // (2 fo - 1) D: the limit itself passes
  EXPECT_FALSE(f.stopped());
  f.m->brggeom.freeintcls = 5.0e-4;
  EXPECT_TRUE(f.stopped());
  EXPECT_EQ(f.out.str(),
            "\n"
            "     Execution terminating due to unrealistic bearing geometry on Input Data Rec 5A\n"
            "     Ball Diameter         =   1.0000E-02  (m)\n"
            "     Outer Race Cur Factor =   5.2000E-01\n"
            "     Inner Race Cur Factor =   5.1000E-01\n"
            "     Free Int Clearance    =   5.0000E-04  (m)\n"
            "     Results in unrealistic Free Contact Angle...\n"
            "\n"
            "\n");
}

TEST(ConsistencyChecks, CylindricalCentralLengthBeyondRollerStops) {
  Fixture f(2);
  f.m->brggeom.kbrg = 2;
  f.m->brggeom.brelen = 0.5;
  f.m->brggeom.brecenlen = 0.5;
  EXPECT_FALSE(f.stopped());
  f.m->brggeom.brecenlen = 0.625;
  EXPECT_TRUE(f.stopped());
  EXPECT_EQ(f.out.str(),
            "\n"
            "     Execution terminating due to invalid bearing geometry on Input Data Rec 5B.1\n"
            "     Roller Length         =   5.0000E-01 (in)\n"
            "     Roller Central Length =   6.2500E-01 (in)\n"
            "     Central length cannot be greater than overall length.\n"
            "\n"
            "\n");
}

// Tapered roller: D = 0.02 m (slen 0.01), cone angles 20 and 16 deg (half angle h = 2 deg).
void taperedGeometry(Model& m, int kbrg = 4) {
  m.brggeom.kbrg = kbrg;
  m.brggeom.nre = 18;
  m.brggeom.bredia = 0.02;
  m.brggeom.brelen = 0.025;
  m.brggeom.racetaper(1) = 20.0;
  m.brggeom.racetaper(2) = 16.0;
  m.brggeom.breendrad(1) = 0.2;
  m.brggeom.kflngind(1, 2) = 1;
  m.brggeom.flngang(1, 2) = 0.0;
  m.constants.slen = 0.01;
  m.constants.sforce = 1000.0;
  m.constants.stime = 1.0e-3;
  m.opcond.appload(1) = 1000.0;
}

const double kApex = 0.01 / std::tan(2.0 * kPi / 180.0);
const double kUpper = std::asin(0.01 / 0.2) * 180.0 / kPi - 2.0;

TEST(ConsistencyChecks, TaperedConeAnglesMustOpenOutward) {
  for (int kbrg : {4, 5}) {
    Fixture f;
    taperedGeometry(*f.m, kbrg);
    f.m->brggeom.racetaper(2) = 20.0;
    EXPECT_TRUE(f.stopped());
    EXPECT_EQ(f.out.str(),
              "\n"
              "     For tapered bearings outer race cone angle\n"
              "     must be greater than inner race cone angle.\n"
              "\n"
              "     Specified data: Outer race cone angle =  2.00000E+01 deg\n"
              "                     Inner race cone angle =  2.00000E+01 deg\n"
              "\n"
              "\n");
  }
}

TEST(ConsistencyChecks, SphericalTaperedWithOpenConesPasses) {
  Fixture f;
  taperedGeometry(*f.m, 5);
  EXPECT_FALSE(f.stopped());
}

TEST(ConsistencyChecks, TaperedEndRadiusBeyondApexStops) {
  Fixture f;
  taperedGeometry(*f.m);
  f.m->brggeom.breendrad(1) = 0.3;
  EXPECT_TRUE(f.stopped());
  EXPECT_EQ(f.out.str(),
            "\n"
            "     For tapered bearings roller end radius on the\n"
            "     large end (negative roller x-axis) must be greater than \n"
            "     zero and less than the apex distance.\n"
            "\n"
            "     Specified end radius   =  3.00000E-01  (m)\n"
            "     Computed apex distance = " + zq::renderE(kApex, 12, 5) + "  (m)\n"
            "\n"
            "\n");
}

TEST(ConsistencyChecks, TaperedEndRadiusBelowHalfDiameterStops) {
  Fixture f;
  taperedGeometry(*f.m);
  f.m->brggeom.breendrad(1) = 0.008;
  EXPECT_TRUE(f.stopped());
  EXPECT_EQ(f.out.str(),
            "\n"
            "     For tapered bearings roller end radius on the\n"
            "     large end (negative roller x-axis) must not be less \n"
            "     than half the roller diameter.\n"
            "\n"
            "     Specified end radius   =  8.00000E-03  (m)\n"
            "     Half roller diameter   =  1.00000E-02  (m)\n"
            "\n"
            "\n");
}

TEST(ConsistencyChecks, TaperedNeedsAGuideFlange) {
  Fixture f;
  taperedGeometry(*f.m);
  f.m->brggeom.kflngind(1, 2) = 0;
  EXPECT_TRUE(f.stopped());
  EXPECT_EQ(f.out.str(),
            "\n"
            "     For tapered bearings a guide flange must\n"
            "     exist on the negative axis of either inner or outer \n"
            "     race. Check the flange option variables kFlngInd on\n"
            "     input data record 3.2. Either kFlngInd11 or KFlngInd12\n"
            "     must be non zero. \n"
            "\n"
            "\n");
}

TEST(ConsistencyChecks, TaperedOuterFlangeAngleOutsideBoundsStops) {
  Fixture f;
  taperedGeometry(*f.m);
  f.m->brggeom.kflngind(1, 2) = 0;
  f.m->brggeom.kflngind(1, 1) = 1;
  f.m->brggeom.flngang(1, 1) = 5.0;
  EXPECT_TRUE(f.stopped());
  EXPECT_EQ(f.out.str(),
            "\n"
            "     For tapered bearings flange angle on negative\n"
            "     x-axis of outer race must be within computed bounds.\n"
            "\n"
            "     Specified flange angle =  5.00000E+00 deg\n"
            "     Computed minimum value = -2.00000E+00 deg\n"
            "     Computed maximum value = " + zq::renderE(kUpper, 12, 5) + " deg\n"
            "\n"
            "\n");
}

TEST(ConsistencyChecks, TaperedWithBothFlangesTestsOnlyTheInnerAngle) {
  Fixture f;
  taperedGeometry(*f.m);
  f.m->brggeom.kflngind(1, 1) = 1;
  f.m->brggeom.flngang(1, 1) = 45.0;  // outside the bounds, but not tested
  f.m->brggeom.flngang(1, 2) = 0.5;
  EXPECT_FALSE(f.stopped());
  f.m->brggeom.flngang(1, 2) = -2.5;
  EXPECT_TRUE(f.stopped());
  EXPECT_NE(f.out.str().find("x-axis of inner race must be within computed bounds."),
            std::string::npos);
}

// Minimum thrust with the axial force free: n sforce tan(a_o) Fc + |Fr| tan(a_o), with the
// non-dimensional centrifugal force Fc = w^2 (A - L/2) sin(mean cone angle) / (4 slen).
TEST(ConsistencyChecks, TaperedMinimumThrust) {
  Fixture f;
  taperedGeometry(*f.m);
  auto& m = *f.m;
  m.options.kfs(1) = 0;
  m.options.kfs(2) = 0;
  m.opcond.rpm(2) = 6000.0;
  m.opcond.appload(2) = 3000.0;
  m.opcond.appload(3) = 4000.0;
  const double w = 3000.0 * kPi * 1.0e-3 / 30.0;
  const double fc = 0.25 * w * w * (kApex - 0.0125) * std::sin(18.0 * kPi / 180.0) / 0.01;
  const double t = std::tan(20.0 * kPi / 180.0);
  const double fmin = 18 * 1000.0 * t * fc + 5000.0 * t;
  m.opcond.appload(1) = fmin * 1.001;
  EXPECT_FALSE(f.stopped());
  m.opcond.appload(1) = 1000.0;
  EXPECT_TRUE(f.stopped());
  EXPECT_EQ(f.out.str(),
            "\n"
            "     For tapered bearing the prescribed thrust\n"
            "     load must be adequate to support the thrust generated by\n"
            "     roller centrifugal forces and the applied radial load.\n"
            "\n"
            "     Specified thrust load        =  1.00000E+03    (N)\n"
            "     Required minimum thrust load = " + zq::renderE(fmin, 12, 5) + "    (N)\n"
            "\n"
            "     Increase the input thrust load above the required minimum.\n"
            "\n"
            "\n");
  // With the axial force prescribed the test is skipped.
  m.options.kfs(1) = 1;
  f.out.str("");
  EXPECT_FALSE(f.stopped());
}

}  // namespace

namespace {

TEST(UnitLabels, UndefinedExponentPrintsAsterisks) {
  auto m = std::make_unique<Model>();
  m->options.kunit = 1;
  m->fatiguecons.el = NAN;
  m->fatiguecons.eglpre = 1.0e12;
  zela1::setunits(*m);
  EXPECT_EQ(m->units.ufatcon.view(), "   (N/m***.  0)");
  EXPECT_EQ(m->units.uglpre.view(), " (1/m^*.  0)");
}

TEST(ScaleFactors, InfiniteMassStops) {
  Fixture f;
  f.m->brggeom.bredia = 0.02;
  f.m->brggeom.bremass = INFINITY;
  EXPECT_THROW(zela1::scalefactors(*f.m), zq::StopRun);
}

}  // namespace
