// Roller end to race flange tables: per race with flanges, the interaction of both flange sides
// (interference, load, radial positions on roller end and flange, power loss, contact and
// solution codes) and the contact ellipse, slip and entraining speeds; then the time-averaged
// wear rates of the roller ends, four elements to a line, and of the four race flanges.
// Flange arrays hold side k of race j at entry k + 2 (j - 1). User units.
#include "model/model.h"
#include "report/zela3.h"

namespace zela3 {

namespace {

constexpr const char* kFlangeRow = "2X,I5,10E11.3,I4,I3,I2,I3";

bool hasflanges(const Model& m, int j) {
  return m.brggeom.kflngind(1, j) + m.brggeom.kflngind(2, j) > 0;
}

void interaction(Model& m, int j) {
  const auto& s = m.solutions;
  const auto& c = m.constants;
  const auto& u = m.units;
  auto& a = m.solutions.alist;
  auto& rep = m.devices.report;
  rep.write(
      R"f(/,5X,"RE ",39("."),"Roller/",A10," Flange Interaction",41("."),/,11X,"Geom Interaction",7X,"Contact Load",7X,"RE Radial Position",4X,"Flange Radial Pos",7X,"Contact loss",5X,"Contact  Sol",/,16X,A4,17X,A6,17X,A4,18X,A4,15X,A10,9X,"Code"," Code",/,7X,5(3X,"Flange I  Flange II"),"   I II I II",/)f",
      {racename(j), u.ulen, u.uforce, u.ulen, u.ulen, u.upower});
  for (int i = 1; i <= m.brggeom.nre; ++i) {
    for (int k = 1; k <= 2; ++k) {
      const int f = k + 2 * (j - 1);
      a(k) = s.flngdef(f, i) * c.slen;
      a(2 + k) = s.flngforce(f, i) * c.sforce;
      a(4 + k) = s.flngreconpos(f, i) * c.slen;
      a(6 + k) = s.flngconposz(f, i) * c.slen;
      a(8 + k) = s.flngsv(f, i) * c.cqv;
    }
    const int f1 = 1 + 2 * (j - 1), f2 = 2 + 2 * (j - 1);
    rep.write(kFlangeRow, zq::FmtList{}
                              .add(i)
                              .range(a, 1, 10)
                              .add(s.idflngcon(f1, i))
                              .add(s.idflngcon(f2, i))
                              .add(m.flngdata.istat(1, j, i))
                              .add(m.flngdata.istat(2, j, i)));
  }
}

void dimensions(Model& m, int j) {
  const auto& s = m.solutions;
  const auto& c = m.constants;
  const auto& u = m.units;
  auto& a = m.solutions.alist;
  auto& rep = m.devices.report;
  rep.write(
      R"f(/,5X,"RE ",26("."),"Roller/",A10," Flange Interaction",25("."),/,11X,"Major Half Width",6X,"Minor Half Width",5X,"Relative Slip Velo",5X,"Entrainment Velo",/,16X,A4,17X,A4,17X,A6,16X,A6,/,7X,4(3X,"Flange I  Flange II"),/)f",
      {racename(j), u.ulen, u.ulen, u.uvel, u.uvel});
  for (int i = 1; i <= m.brggeom.nre; ++i) {
    for (int k = 1; k <= 2; ++k) {
      const int f = k + 2 * (j - 1);
      a(k) = s.flngconwidtha(f, i) * c.slen;
      a(2 + k) = s.flngconwidthb(f, i) * c.slen;
      a(4 + k) = s.flngslip(f, i) * c.cvel;
      a(6 + k) = s.flngentvel(f, i) * c.cvel;
    }
    // Eight values: the line ends before the ninth field.
    rep.write(kFlangeRow, zq::FmtList{}.add(i).range(a, 1, 8));
  }
}

void wear(Model& m) {
  const auto& s = m.solutions;
  const auto& u = m.units;
  auto& rep = m.devices.report;
  rep.write(
      R"f(/,/,5X,"Roller End and Race Flange Wear Distribution",/,5X,44("-"),/,/,/,4(5X,"RE  Time Ave Wear Rate..",4X),/,4(5X,"no",6X,A10,10X),/,4(13X,"End I",5X,"End II",4X),/)f",
      {u.uvolrate, u.uvolrate, u.uvolrate, u.uvolrate});
  // One statement per group of four elements: a longer list would make the format start again
  // at its last group, which holds three elements, not four.
  const int nre = m.brggeom.nre;
  for (int first = 1; first <= nre; first += 4) {
    zq::FmtList row;
    for (int i = first; i <= nre && i < first + 4; ++i)
      row.add(i).add(s.reendwr(1, i)).add(s.reendwr(2, i));
    rep.write("5X,I2,2E11.3,3(9X,I2,2E11.3)", row);
  }
  rep.write(
      R"f(/,/,8X,"......Time Ave Race Flange Wear Rates......",/,24X,A10,/,11X,"Outer I   Outer II    Inner I   Inner II",/,7X,4E11.3)f",
      zq::FmtList{}.add(u.uvolrate).range(s.raceflngwr, 1, 4));
}

}  // namespace

void flangetables(Model& m) {
  m.devices.report.write(R"f(/,5X,"Race Flange Interaction",/,5X,23("-"))f");
  for (int j = 1; j <= 2; ++j) {
    if (hasflanges(m, j)) interaction(m, j);
  }
  for (int j = 1; j <= 2; ++j) {
    if (hasflanges(m, j)) dimensions(m, j);
  }
  wear(m);
}

}  // namespace zela3
