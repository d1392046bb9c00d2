// Header page and geometry part of the input-data section: the boxed title with bearing type
// and run identification, the bearing geometry table of each bearing type (lengths in m or in,
// angles in degrees), the flange table and the tables of rolling-element size and race geometry
// variations (out-of-round, waviness, curvature factor, land offset and taper).
#include <string>

#include "model/model.h"
#include "report/format.h"
#include "report/zela1_printinput.h"
#include "run/stop.h"

namespace zela1 {

void printheaderpage(Model& m, const PrintinputTables& t) {
  const auto& c = m.constants;
  const auto& g = m.brggeom;
  // An invalid type reaches the geometry table's guard with a blank name here instead of an
  // index outside the name table.
  const zq::FText<24> name = g.kbrg >= 1 && g.kbrg <= 5 ? t.brgname(g.kbrg) : zq::FText<24>();
  m.devices.report.write(
      R"f(A1,/,42X,"Code subset ZelorQS: Quasi-Static Equilibrium Solution",/,46X,"Release Date: ",A10,"Version ",2A14,/,/,/,5X,126("*"),/,5X,"*",124X,"*",/,5X,"* ",4X,"Bearing Type = ",A24,31X,"Run Id = ",A36,4X,"*",/,5X,126("*"),/,/)f",
      {formfeed(m), c.rdate, c.iver, c.jver, name, g.runid});
}

namespace {

void ballgeometry(Model& m) {
  const auto& g = m.brggeom;
  const auto& u = m.units;
  const double cang = m.constants.cang;
  m.devices.report.write(
      R"f(/,5X,"NO OF BALLS",5X,I2,14X,"OUTER CUR FAC  ",E12.5,5X,"OUTER RACE",22X,"INNER RACE",/,5X,"BALL DIA   ",A4,E12.5,5X,"INNER CUR FAC  ",E12.5,2(5X,"SHRINK FIT ",A4,E12.5),/,5X,"PITCH DIA  ",A4,E12.5,5X,"BEARING OD ",A4,E12.5,2(5X,"WIDTH",6X,A4,E12.5),/,5X,"CON ANGLE",A6,E12.5,5X,"HOUSING OD ",A4,E12.5,2(5X,"SHLDR DIA  ",A4,E12.5),/,5X,"DIA PLAY   ",A4,E12.5,5X,"SHAFT OD   ",A4,E12.5,2(5X,"SHIM THKNS ",A4,E12.5),/,5X,"END PLAY   ",A4,E12.5,5X,"SHAFT ID   ",A4,E12.5,2(5X,"SHIM ANG ",A6,E12.5),/,5X,"OUTER RMS  ",A4,E12.5,5X,"INNER RMS  ",A4,E12.5)f",
      {g.nre, g.racecurfac(1), u.ulen, g.bredia, g.racecurfac(2), u.ulen, m.opcond.racefit(1),
       u.ulen, m.opcond.racefit(2), u.ulen, g.pitchdia, u.ulen, g.brgod, u.ulen,
       g.racewidth(1), u.ulen, g.racewidth(2), u.uang1, g.freeconang, u.ulen, g.hsngod, u.ulen,
       g.shoulderdia(1), u.ulen, g.shoulderdia(2), u.ulen, g.freeintcls, u.ulen, g.brgbore,
       u.ulen, g.shimthkns(1), u.ulen, g.shimthkns(2), u.ulen, g.freeendplay, u.ulen, g.shftid,
       u.uang1, g.shimang(1) * cang, u.uang1, g.shimang(2) * cang, u.ulen,
       m.fatiguecons.rmsaspht(1), u.ulen, m.fatiguecons.rmsaspht(2)});
}

void cylindricalgeometry(Model& m) {
  const auto& g = m.brggeom;
  const auto& u = m.units;
  const auto& fit = m.opcond.racefit;
  m.devices.report.write(
      R"f(/,5X,"NO OF ROLLERS   ",I2,14X,"PITCH DIA  ",A4,E12.5,5X,"OUTER FIT  ",A4,E12.5,5X,"SHAFT OD   ",A4,E12.5,/,5X,"ROLLER DIA ",A4,E12.5,5X,"CROWN RAD  ",A4,E12.5,5X,"INNER FIT  ",A4,E12.5,5X,"SHAFT ID   ",A4,E12.5,/,5X,"ROLLER LEN ",A4,E12.5,5X,"COR RAD  I ",A4,E12.5,5X,"DIA PLAY   ",A4,E12.5,5X,"BEARING OD ",A4,E12.5,/,5X,"CEN LAND   ",A4,E12.5,5X,"COR RAD II ",A4,E12.5,5X,32X,"HOUSING OD ",A4,E12.5,/,5X,"OUTER LEN1 ",A4,E12.5,5X,"INNER LEN1 ",A4,E12.5,5X,"OUTER CRN  ",A4,E12.5,5X,"WIDTH  I   ",A4,E12.5,/,5X,"OUTER LEN2 ",A4,E12.5,5X,"INNER LEN2 ",A4,E12.5,5X,"INNER CRN  ",A4,E12.5,5X,"WIDTH II   ",A4,E12.5,/,5X,"OUTER RMS  ",A4,E12.5,5X,"INNER RMS  ",A4,E12.5)f",
      {g.nre, u.ulen, g.pitchdia, u.ulen, fit(1), u.ulen, g.brgbore,
       u.ulen, g.bredia, u.ulen, g.brecrn, u.ulen, fit(2), u.ulen, g.shftid,
       u.ulen, g.brelen, u.ulen, g.brecorrad(1), u.ulen, g.freeintcls, u.ulen, g.brgod,
       u.ulen, g.brecenlen, u.ulen, g.brecorrad(2), u.ulen, g.hsngod,
       u.ulen, g.racelandlmt(1), u.ulen, g.racelandlmt(2), u.ulen, g.racecurrad(1), u.ulen,
       g.racewidth(1),
       u.ulen, g.racecenlen(1), u.ulen, g.racecenlen(2), u.ulen, g.racecurrad(2), u.ulen,
       g.racewidth(2),
       u.ulen, m.fatiguecons.rmsaspht(1), u.ulen, m.fatiguecons.rmsaspht(2)});
}

void sphericalgeometry(Model& m) {
  const auto& g = m.brggeom;
  const auto& u = m.units;
  const auto& fit = m.opcond.racefit;
  m.devices.report.write(
      R"f(/,5X,"NO OF ROLLERS   ",I2,14X,"OUTER CUR FAC  ",E12.5,5X,"COR RAD  I ",A4,E12.5,5X,"SHAFT OD   ",A4,E12.5,/,5X,"ROLLER DIA ",A4,E12.5,5X,"INNER CUR FAC  ",E12.5,5X,"COR RAD II ",A4,E12.5,5X,"SHAFT ID   ",A4,E12.5,/,5X,"ROLLER LEN ",A4,E12.5,5X,"CON ANGLE",A6,E12.5,5X,"OUTER FIT  ",A4,E12.5,5X,"BEARING OD ",A4,E12.5,/,5X,"CROWN RAD  ",A4,E12.5,5X,"DIA PLAY   ",A4,E12.5,5X,"INNER FIT  ",A4,E12.5,5X,"HOUSING OD ",A4,E12.5,/,5X,"PITCH DIA  ",A4,E12.5,5X,"END PLAY   ",A4,E12.5,5X,"WIDTH  I   ",A4,E12.5,5X,"WIDTH II   ",A4,E12.5,/,5X,"OUTER RMS  ",A4,E12.5,5X,"INNER RMS  ",A4,E12.5,5X,"NO LD ANG",A6,E12.5)f",
      {g.nre, g.racecurfac(1), u.ulen, g.brecorrad(1), u.ulen, g.brgbore,
       u.ulen, g.bredia, g.racecurfac(2), u.ulen, g.brecorrad(2), u.ulen, g.shftid,
       u.ulen, g.brelen, u.uang1, g.freeconang, u.ulen, fit(1), u.ulen, g.brgod,
       u.ulen, g.brecrn, u.ulen, g.freeintcls, u.ulen, fit(2), u.ulen, g.hsngod,
       u.ulen, g.pitchdia, u.ulen, g.freeendplay, u.ulen, g.racewidth(1), u.ulen,
       g.racewidth(2),
       u.ulen, m.fatiguecons.rmsaspht(1), u.ulen, m.fatiguecons.rmsaspht(2), u.uang1,
       m.zela1.conangnoload});
}

void taperedgeometry(Model& m) {
  const auto& g = m.brggeom;
  const auto& u = m.units;
  const auto& fit = m.opcond.racefit;
  m.devices.report.write(
      R"f(/,5X,"NO OF ROLLERS   ",I2,14X,"OUT CONE ",A6,E12.5,5X,"COR RAD  I ",A4,E12.5,5X,"SHAFT OD   ",A4,E12.5,/,5X,"ROLLER DIA ",A4,E12.5,5X,"IN CONE  ",A6,E12.5,5X,"COR RAD II ",A4,E12.5,5X,"SHAFT ID   ",A4,E12.5,/,5X,"ROLLER LEN ",A4,E12.5,5X,"END RAD  I ",A4,E12.5,5X,"OUTER FIT  ",A4,E12.5,5X,"BEARING OD ",A4,E12.5,/,5X,"CEN LAND   ",A4,E12.5,5X,"END RAD II ",A4,E12.5,5X,"INNER FIT  ",A4,E12.5,5X,"HOUSING OD ",A4,E12.5,/,5X,"CROWN RAD  ",A4,E12.5,5X,"OUTER LEN1 ",A4,E12.5,5X,"INNER LEN1 ",A4,E12.5,5X,"WIDTH  I   ",A4,E12.5,/,5X,"OUTER CRN  ",A4,E12.5,5X,"OUTER LEN2 ",A4,E12.5,5X,"INNER LEN2 ",A4,E12.5,5X,"WIDTH II   ",A4,E12.5,/,5X,"INNER CRN  ",A4,E12.5,/,5X,"OUTER RMS  ",A4,E12.5,5X,"INNER RMS  ",A4,E12.5)f",
      {g.nre, u.uang1, g.racetaper(1), u.ulen, g.brecorrad(1), u.ulen, g.brgbore,
       u.ulen, g.bredia, u.uang1, g.racetaper(2), u.ulen, g.brecorrad(2), u.ulen, g.shftid,
       u.ulen, g.brelen, u.ulen, g.breendrad(1), u.ulen, fit(1), u.ulen, g.brgod,
       u.ulen, g.brecenlen, u.ulen, g.breendrad(2), u.ulen, fit(2), u.ulen, g.hsngod,
       u.ulen, g.brecrn, u.ulen, g.racelandlmt(1), u.ulen, g.racelandlmt(2), u.ulen,
       g.racewidth(1),
       u.ulen, g.racecurrad(1), u.ulen, g.racecenlen(1), u.ulen, g.racecenlen(2), u.ulen,
       g.racewidth(2),
       u.ulen, g.racecurrad(2),
       u.ulen, m.fatiguecons.rmsaspht(1), u.ulen, m.fatiguecons.rmsaspht(2)});
}

void sphericaltaperedgeometry(Model& m) {
  const auto& g = m.brggeom;
  const auto& u = m.units;
  const auto& fit = m.opcond.racefit;
  m.devices.report.write(
      R"f(/,5X,"NO OF ROLLERS   ",I2,14X,"OUTER CUR FAC  ",E12.5,5X,"COR RAD  I ",A4,E12.5,5X,"SHAFT OD   ",A4,E12.5,/,5X,"ROLLER DIA ",A4,E12.5,5X,"INNER CUR FAC  ",E12.5,5X,"COR RAD II ",A4,E12.5,5X,"SHAFT ID   ",A4,E12.5,/,5X,"ROLLER LEN ",A4,E12.5,5X,"END RAD  I ",A4,E12.5,5X,"OUTER FIT  ",A4,E12.5,5X,"BEARING OD ",A4,E12.5,/,5X,"CROWN RAD  ",A4,E12.5,5X,"END RAD II ",A4,E12.5,5X,"INNER FIT  ",A4,E12.5,5X,"HOUSING OD ",A4,E12.5,/,5X,"OUT CONE ",A6,E12.5,5X,"IN CONE  ",A6,E12.5,37X,"WIDTH  I   ",A4,E12.5,/,5X,"OUTER RMS  ",A4,E12.5,5X,"INNER RMS  ",A4,E12.5,35X,"WIDTH II   ",A4,E12.5)f",
      {g.nre, g.racecurfac(1), u.ulen, g.brecorrad(1), u.ulen, g.brgbore,
       u.ulen, g.bredia, g.racecurfac(2), u.ulen, g.brecorrad(2), u.ulen, g.shftid,
       u.ulen, g.brelen, u.ulen, g.breendrad(1), u.ulen, fit(1), u.ulen, g.brgod,
       u.ulen, g.brecrn, u.ulen, g.breendrad(2), u.ulen, fit(2), u.ulen, g.hsngod,
       u.uang1, g.racetaper(1), u.uang1, g.racetaper(2), u.ulen, g.racewidth(1),
       u.ulen, m.fatiguecons.rmsaspht(1), u.ulen, m.fatiguecons.rmsaspht(2), u.ulen,
       g.racewidth(2)});
}

}  // namespace

void printgeometry(Model& m, const PrintinputTables& /*t*/) {
  m.devices.report.write(R"f(5X,"BEARING GEOMETRY",/,5X,16("-"))f");
  switch (m.brggeom.kbrg) {
    case 1:
      ballgeometry(m);
      break;
    case 2:
      cylindricalgeometry(m);
      break;
    case 3:
      sphericalgeometry(m);
      break;
    case 4:
      taperedgeometry(m);
      break;
    case 5:
      sphericaltaperedgeometry(m);
      break;
    default:
      m.devices.report.write(
          R"f(/,/,5X,"Execution terminating in PrintInput",/,5X,"Invalid bearing type encountered:  kBrg = ",I2,/,/,/)f",
          {m.brggeom.kbrg});
      zq::stopRun("zela1::printinput");
  }
}

void printflanges(Model& m, const PrintinputTables& t) {
  const auto& g = m.brggeom;
  const auto& u = m.units;
  const int sum = g.kflngind(1, 1) + g.kflngind(2, 1) + g.kflngind(1, 2) + g.kflngind(2, 2);
  if (sum <= 0) return;
  auto& rep = m.devices.report;
  rep.write(
      R"f(/,/,22X,"FLANGE CLS",6X,"FLANGE HT I",3X,"FLANGE HT II",8X,"LAYBACK I",5X,"LAYBACK II",/,28X,A4,13X,A4,11X,A4,11X,A6,9X,A6)f",
      {u.ulen, u.ulen, u.ulen, u.uang1, u.uang1});
  for (int j = 1; j <= 2; ++j) {
    if (g.kflngind(1, j) == 0 && g.kflngind(2, j) == 0) continue;
    rep.write(R"f(5X,A10,5X,E12.5,2(5X,E12.5,3X,E12.5))f",
              {t.racename(j), g.flngcls(j), g.flnght(1, j), g.flnght(2, j), g.flngang(1, j),
               g.flngang(2, j)});
  }
}

void printelementvariations(Model& m) {
  const int kimp = m.options.kregeoimp;
  if (kimp == 0) return;
  const auto& g = m.brggeom;
  const auto& u = m.units;
  auto& rep = m.devices.report;
  const int nre = g.nre;
  const bool roller = g.kbrg == 2 || g.kbrg == 4;
  if (roller && kimp < 3) {
    rep.write(
        R"f(/,5X,"VARIATIONS IN ROLLER GEOMETRY",/,5X,29("-"),/,/,12X,"RE",2(7X,"ROLLER"),2(9X,"LAND"),/,12X,"NO",5X,"DIAMETER",2(7X,"LENGTH"),"   CENTRALITY",/,14X,4(9X,A4))f",
        {u.ulen, u.ulen, u.ulen, u.ulen});
    for (int i = 1; i <= nre; ++i)
      rep.write("10X,I4,8E13.5", {i, g.rediavar(i), g.relenvar(i), g.recenlenvar(i),
                                  g.recenlenoffset(i)});
    if (kimp == 1)
      rep.write(R"f(7X,"RMS Dev",6E13.5)f", {g.rermsdiavar, g.rermslenvar, g.rermscenlenvar,
                                             g.rermsclenoffset});
  } else if (roller) {
    rep.write(
        R"f(A1,/,/,5X,"VARIATIONS IN ROLLER GEOMETRY",/,5X,29("-"),/,/,12X,"RE",2(7X,"ROLLER"),2(9X,"LAND"),8X,"CROWN",/,12X,"NO",5X,"DIAMETER",2(7X,"LENGTH"),"   CENTRALITY",7X,"RADIUS",/,14X,5(9X,A4))f",
        {formfeed(m), u.ulen, u.ulen, u.ulen, u.ulen, u.ulen});
    for (int i = 1; i <= nre; ++i)
      rep.write("10X,I4,8E13.5", {i, g.rediavar(i), g.relenvar(i), g.recenlenvar(i),
                                  g.recenlenoffset(i), g.recrnvar(i)});
    rep.write(
        R"f(/,/,12X,"RE","  .....ORIENTATION OF END FACE I.......","  .....ORIENTATION OF END FACE II......",/,12X,"NO",2(8X,"X-ROT",8X,"Y-ROT",8X,"Z-ROT"),/,14X,6(7X,A6),/)f",
        {u.uang1, u.uang1, u.uang1, u.uang1, u.uang1, u.uang1});
    for (int i = 1; i <= nre; ++i)
      rep.write("10X,I4,8E13.5",
                {i, g.reendframe(1, 1, i), g.reendframe(2, 1, i), g.reendframe(3, 1, i),
                 g.reendframe(1, 2, i), g.reendframe(2, 2, i), g.reendframe(3, 2, i)});
  } else {
    rep.write(
        R"f(/,5X,"VARIATIONS IN BALL SIZE",/,5X,23("-"),/,/,12X,"RE",9X,"BALL",/,12X,"NO",5X,"DIAMETER",/,23X,A4)f",
        {u.ulen});
    for (int i = 1; i <= nre; ++i) rep.write("10X,I4,8E13.5", {i, g.rediavar(i)});
    if (kimp == 1) rep.write(R"f(7X,"RMS Dev",6E13.5)f", {g.rermsdiavar});
  }
}

void printracevariations(Model& m, const PrintinputTables& t) {
  const auto& o = m.options;
  if (o.kracegeoimp.lin(1) <= 0 && o.kracegeoimp.lin(2) <= 0) return;
  const auto& g = m.brggeom;
  const auto& u = m.units;
  auto& rep = m.devices.report;
  rep.write(R"f(/,5X,"VARIATIONS IN RACE GEOMETRY",/,5X,27("-"))f");
  for (int j = 1; j <= 2; ++j) {
    const int kimp = o.kracegeoimp.lin(j);
    if (kimp <= 0) continue;
    rep.write(R"f(/,5X,A10," GEOMETRIC IMPERFECTION TYPE =",I2)f", {t.racename(j), kimp});
    if (kimp == 1) {
      rep.write(
          R"f(5X,A14,"MAJOR AXIS PAR ",A4," = ",E11.4,"  MINOR AXIS PAR ",A4," = ",E11.4,"  ORIENTATION (deg) = ",E11.4)f",
          {t.raceimp(1), u.ulen, g.rlradvar(1, j), u.ulen, g.rlradvar(2, j), g.rlradvar(3, j)});
    } else {
      rep.write(
          R"f(5X,A14,"AMPLITUDE      ",A4," = ",E11.4,"  FREQUENCY          "," = ",E11.4,"  PHASE ANG   (deg) = ",E11.4)f",
          {t.raceimp(1), u.ulen, g.rlradvar(1, j), g.rlradvar(2, j), g.rlradvar(3, j)});
    }
    if (g.kbrg % 2 == 1) {
      rep.write(
          R"f(5X,A14,"AMPLITUDE          "," = ",E11.4,"  FREQUENCY          "," = ",E11.4,"  PHASE ANG   (deg) = ",E11.4)f",
          {t.raceimp(2), g.cfacvar(1, j), g.cfacvar(2, j), g.cfacvar(3, j)});
    } else {
      rep.write(
          R"f(5X,A14,"CONSTANT       ",A4," = ",E11.4,/,19X,"AMPLITUDE      ",A4," = ",E11.4,2X,"FREQUENCY      ",4X," = ",E11.4,2X,"PHASE ANG   (deg) = ",E11.4)f",
          {t.raceimp(3), u.ulen, g.rloffset(1, j), u.ulen, g.rloffset(2, j), g.rloffset(3, j),
           g.rloffset(4, j)});
      rep.write(
          R"f(5X,A14,"CONSTANT      (rad) = ",E11.4,/,19X,"AMPLITUDE     (rad) = ",E11.4,2X,"FREQUENCY           = ",E11.4,2X,"PHASE ANG   (deg) = ",E11.4)f",
          {t.raceimp(4), g.rltaper(1, j), g.rltaper(2, j), g.rltaper(3, j), g.rltaper(4, j)});
    }
  }
}

}  // namespace zela1
