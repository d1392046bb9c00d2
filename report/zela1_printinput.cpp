// Report header page and input-data section of PRINT.txt: bearing geometry, flanges, element
// and race variations, materials, inertia, lubrication and traction curves, fatigue-life model
// constants and life factors, operating conditions and load vectors. Values are printed in the
// user's unit system (SI or English) as read or as completed by the defaults, before the
// non-dimensional scaling; the blocks themselves are in report/zela1_printinput_*.cpp.
#include "report/zela1_printinput.h"

#include "model/model.h"
#include "run/zela1.h"

namespace zela1 {

PrintinputTables printinputtables() {
  PrintinputTables t;
  t.brgname(1) = "BALL";
  t.brgname(2) = "CYLINDRICAL ROLLER";
  t.brgname(3) = "SPHERICAL ROLLER";
  t.brgname(4) = "TAPERED ROLLER";
  t.brgname(5) = "SPHERICAL TAPERED ROLLER";
  t.racename(1) = "Outer Race";
  t.racename(2) = "Inner Race";
  t.raceimp(1) = "RACE RADIUS:  ";
  t.raceimp(2) = "CUR FACTOR:   ";
  t.raceimp(3) = "LAND OFFSET:  ";
  t.raceimp(4) = "LAND TAPER:   ";
  t.elename = "Rolling Element";
  t.intname(1) = "OUTER RACE";
  t.intname(2) = "INNER RACE";
  t.intname(3) = "RE/FLANGE ";
  t.intname(4) = "RE/RACE   ";
  t.intname(5) = "";
  t.modeltype(1) = "Point";
  t.modeltype(2) = " Line";
  return t;
}

std::string formfeed(const Model& m) { return std::string(1, char(m.constants.ff)); }

void printinput(Model& m) {
  const PrintinputTables t = printinputtables();
  printheaderpage(m, t);
  printgeometry(m, t);
  printflanges(m, t);
  printelementvariations(m);
  printracevariations(m, t);
  printmaterials(m);
  printinertia(m);
  printlubrication(m, t);
  printfatigue(m, t);
  printoperating(m);
}

}  // namespace zela1
