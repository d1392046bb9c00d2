// The input-data section after the real defaults and unit labels: a ball bearing with database
// materials (52100 element and races, 4340 shaft and housing at 295 K = 531 R, where the 52100
// modulus table gives 201.33 GPa) shows blank markers and E0 = 2.0133E+11 Pa (x 0.0254^2/4.448222
// = 2.9200E+07 psi). Converted
// references: 2.05e11 Pa = 2.9733E+07 psi; 7827 and 7850 kg/m^3 = 2.8277E-01 and 2.8360E-01
// lbm/in^3 (x 0.0254^3/0.4535924).
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

#include "model/model.h"
#include "report/printinput_support.h"
#include "run/zela1.h"

namespace {

using zqtest::PrintCapture;
using zqtest::sp;

void setUp(Model& m, int kunit) {
  const double fL = kunit == 1 ? 1.0 : 1.0 / 0.0254;
  m.constants.cang = 180.0 / m.constants.pi;
  m.options.kunit = kunit;
  auto& g = m.brggeom;
  g.kbrg = 1;
  g.runid = "Defaults";
  g.nre = 10;
  g.brgod = 0.1 * fL;
  g.brgbore = 0.04 * fL;
  g.hsngod = 0.15 * fL;
  g.bredia = 0.01 * fL;
  g.pitchdia = 0.07 * fL;
  g.racecurfac(1) = 0.52;
  g.racecurfac(2) = 0.52;
  g.freeintcls = 2.0e-5 * fL;
  g.racecurrad(1) = g.racecurrad(2) = 1.0e10;
  g.breendrad(1) = g.breendrad(2) = 1.0e10;
  g.racecrn(1) = g.racecrn(2) = 1.0e10;
  m.fatiguecons.rmsaspht(1) = m.fatiguecons.rmsaspht(2) = 1.0e-7 * fL;
  const double t = kunit == 1 ? 295.0 : 531.0;
  auto& oc = m.opcond;
  oc.hsngtemp = oc.shfttemp = oc.racetemp(1) = oc.racetemp(2) = oc.retemp(1) = t;
  oc.roomtemp = t;
  oc.appload(1) = 1000.0;
  m.tracprop.ktrac = -1;
  zela1::setdefaults(m);
  zela1::setunits(m);
  zela1::printinput(m);
}

TEST(PrintInputAfterDefaults, DatabaseMaterialsAndLifeConstantsInSi) {
  PrintCapture c;
  setUp(*c.m, 1);
  EXPECT_GE(c.find("     Rolling Element Material = AISI 52100 Steel" + sp(20)), 0);
  EXPECT_GE(c.find("     Housing Material         = AISI 4340 Steel" + sp(21)), 0);
  EXPECT_GE(c.find("     DENSITY" + sp(17) + "   (kg/m**3)  7.8270E+03   7.8270E+03   7.8270E+03 "
                   "  7.8500E+03   7.8500E+03 "),
            0);
  EXPECT_GE(c.find("     ELASTIC MODULUS" + sp(15) + "  (Pa)  2.0133E+11   2.0133E+11   "
                   "2.0133E+11   2.0500E+11   2.0500E+11 "),
            0);
  EXPECT_GE(c.find("     POISSON-S RATIO" + sp(21) + "  2.7700E-01   2.7700E-01   2.7700E-01 "
                   "  2.9000E-01   2.9000E-01 "),
            0);
  EXPECT_GE(c.find("     Reliability Factor    =  1.0000    Base Elastic Modulus = "
                   "2.0133E+11  (Pa)"),
            0);
  EXPECT_GE(c.find("     Survival Probability  =  0.9000    Baseline Material    = "
                   "AISI 52100 Steel"),
            0);
}

TEST(PrintInputAfterDefaults, DatabaseMaterialsAndBaselineModulusInEnglishUnits) {
  PrintCapture c;
  setUp(*c.m, 2);
  EXPECT_GE(c.find("     Reliability Factor    =  1.0000    Base Elastic Modulus = "
                   "2.9200E+07 (psi)"),
            0);
  EXPECT_GE(c.find("     DENSITY" + sp(17) + " (lbm/in**3)  2.8277E-01   2.8277E-01   2.8277E-01 "
                   "  2.8360E-01   2.8360E-01 "),
            0);
  EXPECT_GE(c.find("     ELASTIC MODULUS" + sp(15) + " (psi)  2.9200E+07   2.9200E+07   "
                   "2.9200E+07   2.9733E+07   2.9733E+07 "),
            0);
  EXPECT_GE(c.findPrefix("     TEMPERATURE" + sp(21) + " (R)  5.3100E+02"), 0);
}

}  // namespace
