// Results section of PRINT.txt and its rolling-element part: per-element orbital position and
// speed, centrifugal force, gyroscopic moment, angular velocity and wear rate, then the race-
// contact tables, the distributions and traction curves of the element with the heaviest inner-
// race load, and the roller to flange tables. Values are converted back from the non-dimensional
// form with the scale factors of `constants`; angles print in degrees, speeds in rpm.
#include "report/zela3.h"

#include <string>

#include "model/model.h"
#include "report/layout.h"
#include "traction/zeld1.h"

namespace zela3 {

void writecells(Model& m, std::string_view prefix, zq::FmtList values, int n,
                unsigned missing) {
  std::string format(prefix);
  for (int k = 1; k <= n; ++k) {
    if ((missing >> (k - 1)) & 1u) {
      format += ",11X";
    } else {
      format += ",E11.3";
      values.add(m.solutions.alist(k));
    }
  }
  m.devices.report.write(format, values);
}

double tractionresult(const Model& m, const zq::FArray<double, 4, 40>& a, int c, int i) {
  return m.solutions.conload(c, i) > 0.0 ? a(c, i) : 0.0;
}

int heaviestelement(const Model& m) {
  const auto& q = m.solutions.conload;
  int j = 1;
  for (int i = 2; i <= m.brggeom.nre; ++i) {
    if (q(2, i) > q(2, j)) j = i;
  }
  return j;
}

namespace {

// Element table: orbital position (deg, within one turn), axial position, orbital speed,
// centrifugal force, gyroscopic moment, angular velocity as amplitude and two angles, and the
// element's wear rate (race contacts plus roller ends).
void elementtable(Model& m) {
  const auto& s = m.solutions;
  const auto& c = m.constants;
  const auto& u = m.units;
  auto& a = m.solutions.alist;
  auto& rep = m.devices.report;
  rep.write(
      R"f(/,5X,"Rolling Element Parameters",/,5X,26("-"),/,/,/,5X,"RE ...Orbital .....Axial ...Orbital Centrifugal"," Gyroscopic",1X,7("."),"Angular Velocity",8("."),"  Wear Rate",/,5X,"no",2("   Position"),3X,"Velocity",6X,"Force",5X,"Moment",2X,"Amplitude",6X,"Theta",8X,"Phi",/,13X,"(deg)",7X,A4,6X,"(rpm)",5X,A6,3X,A8,6X,"(rpm)",2(6X,"(deg)"),1X,A10,/)f",
      {u.ulen, u.uforce, u.umom, u.uvolrate});
  for (int i = 1; i <= m.brggeom.nre; ++i) {
    double theta = m.vecmats.regc(3, i);
    if (theta > c.tpi) theta -= c.tpi;
    // Wear of the primary contacts is already in volume rate (rescaled by the totals); the
    // second contacts of a split race are rescaled here with the same wear constant.
    double wear = 0.0;
    for (int k = 1; k <= m.brggeom.nrace; ++k)
      wear += (k <= 2 ? 1.0 : c.crewr) * tractionresult(m, s.rewr, k, i);
    wear += s.reendwr(1, i) + s.reendwr(2, i);
    a(1) = theta * c.cang;
    a(2) = m.vecmats.regc(1, i) * c.slen;
    a(3) = m.genvecs.x(12 * (i - 1) + 1 + 6) * c.cangvel;
    a(4) = s.cenforce(i) * c.sforce;
    a(5) = s.gymoment(i) * c.cmom;
    a(6) = s.reangvels(1, i) * c.cangvel;
    a(7) = s.reangvels(2, i) * c.cang;
    a(8) = s.reangvels(3, i) * c.cang;
    a(9) = wear;
    rep.write("2X,I5,11E11.3", zq::FmtList{}.add(i).range(a, 1, 9));
  }
  rep.write(
      R"f(5X,"Gyroscopic moment for information only,"," neglected in equilibrium analysis.")f");
}

}  // namespace

void rollelementparameters(Model& m) {
  const auto& g = m.brggeom;
  zq::resultsPageHeader(m.devices.report, m);
  elementtable(m);
  reraceparameters(m, 0);
  if (g.nrace > 2) {
    m.devices.report.write(
        R"f(/,5X,"Secondary Rolling Element to Race Contacts",/,5X,42("-"))f");
    reraceparameters(m, 2);
  }

  const int j = heaviestelement(m);
  if (g.kbrg == 1) {
    zq::resultsPageHeader(m.devices.report, m);
    balldistribution(m, j);
  }
  if (g.kcontype(1, j) >= 1 || g.kcontype(2, j) >= 1) {
    zq::resultsPageHeader(m.devices.report, m);
    loaddistribution(m, j);
  } else if (g.kflnginds > 0) {
    zq::resultsPageHeader(m.devices.report, m);
  }

  // The traction curves need a loaded contact on both races.
  if (m.solutions.kconload(1) == 0 && m.solutions.kconload(2) == 0)
    tractioncurves(m, j, zeld1::zeld1);
  m.setupd1.itracout = 0;

  if (g.kflnginds > 0) flangetables(m);
}

void zela3(Model& m) {
  rollelementparameters(m);
  operatingparameters(m);
}

}  // namespace zela3
