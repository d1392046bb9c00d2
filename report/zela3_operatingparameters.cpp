// Last page of the report: race forces, centre positions and moments, race attitude, speed,
// fit, hoop stress and wear rate with the bearing's excursion, clearance, power loss and
// stiffness; then the STLE life factors, the dynamic capacities at the heaviest element, and
// the basic and modified lives (hours) and life-modification factors of the original and
// current Lundberg-Palmgren, the VK and the Ioannides-Harris models. User units.
#include <array>

#include "model/model.h"
#include "report/layout.h"
#include "report/zela3.h"

namespace zela3 {

namespace {

constexpr std::array<const char*, 4> kModel = {" Original LP", "  Current LP", "          VK",
                                               "          IH"};
constexpr const char* kLifeRow = "6X,A12";

// Lives of one model by type (1 basic, 2 Tallian, 3 STLE): outer race, inner race, rolling
// element (heaviest loaded), bearing. The original model has no element life.
struct ModelLives {
  const zq::FArray<double, 4, 3>* race;
  const zq::FArray<double, 4>* element;  // null for the original model
  const zq::FArray<double, 3>* bearing;
  double value(int column, int type) const {
    switch (column) {
      case 1: return (*race)(1, type);
      case 2: return (*race)(2, type);
      case 3: return (*element)(type);
      default: return (*bearing)(type);
    }
  }
};

ModelLives lives(const Model& m, int model) {
  const auto& s = m.solutions;
  switch (model) {
    case 1: return {&s.racelife, nullptr, &s.brglife};
    case 2: return {&s.racelifelp, &s.relifelpm, &s.brglifelp};
    case 3: return {&s.racelifevk, &s.relifevkm, &s.brglifevk};
    default: return {&s.racelifeih, &s.relifeihm, &s.brglifeih};
  }
}

void raceparameters(Model& m) {
  const auto& s = m.solutions;
  const auto& c = m.constants;
  const auto& u = m.units;
  const auto& oc = m.opcond;
  auto& a = m.solutions.alist;
  auto& rep = m.devices.report;
  rep.write(
      R"f(/,5X,"Operating Parameters",/,5X,20("-"),/,/,16X," .........Contact Force..........", " ......Mass Center Position......", " ........Contact Moment..........",/,16X,3(5X,"Comp-x",5X,"Comp-y",5X,"Comp-z"),/,16X,3(5X,A6),3(7X,A4),3(3X,A8),/)f",
      {u.uforce, u.uforce, u.uforce, u.ulen, u.ulen, u.ulen, u.umom, u.umom, u.umom});
  for (int j = 1; j <= 2; ++j) {
    for (int k = 1; k <= 3; ++k) {
      a(k) = s.raceforce(k, j) * c.sforce;
      a(3 + k) = s.raceposin(k, j) * c.slen;
      a(6 + k) = s.racemoment(k, j) * c.cmom;
    }
    rep.write("6X,A10,9E11.3", zq::FmtList{}.add(racename(j)).range(a, 1, 9));
  }
  rep.write(
      R"f(/,16X," ...Angular Position..",4X,"Angular"," Race Fits+",7X,"Hoop",2X,"Wear Rate",3X,"Ave Roll Ele Excursion",3X,A4,E11.3,/,16X,6X,"Theta",8X,"Phi",3X,"Velocity",15X,"Stress*",14X,"Internal Clearance",7X,A4,E11.3,/,22X,"(rad)",6X,"(deg)",6X,"(rpm)",7X,A4,2X,A9,1X,A10,3X,"Total Contact Loss",1X,A10,E11.3,/,85X,"Brg Stiffness XX",5X,A8,E11.3)f",
      {u.ulen, s.avereex * c.slen, u.ulen, oc.opintcls * c.slen, u.ulen, u.upres, u.uvolrate,
       u.upower, s.powerloss * c.cqv, u.ustif, s.brgstiffness(1)});
  // Theta of the race axis prints in radians as stored, under "(rad)"; Phi in degrees.
  constexpr std::array<const char*, 2> kTail = {
      R"f(6X,A10,6E11.3,3X,"Brg Stiffness YY",5X,A8,E11.3)f",
      R"f(6X,A10,6E11.3,3X,"Brg Stiffness ZZ",5X,A8,E11.3,/,6X,"+Positive value indicates interference fit",/,6X,"*Positive value indicates tensile hoop stress")f"};
  for (int j = 1; j <= 2; ++j) {
    a(1) = s.raceaxis(1, j);
    a(2) = s.raceaxis(2, j) * c.cang;
    a(3) = s.raceangvels(1, j) * c.cangvel;
    a(4) = oc.opracefit(j) * c.slen;
    a(5) = oc.racehoop(j);
    a(6) = s.racewr(j);
    rep.write(kTail[j - 1], zq::FmtList{}
                                .add(racename(j))
                                .range(a, 1, 6)
                                .add(u.ustif)
                                .add(s.brgstiffness(1 + j)));
  }
}

void stlefactors(Model& m) {
  const auto& f = m.fatiguecons;
  const auto& o = m.options;
  const auto& s = m.solutions;
  m.devices.report.write(
      R"f(/,5X,"Fatigue Life Modeling",/,5X,21("-"))f");
  m.devices.report.write(
      R"f(/,5X,"STLE Recommended Life Factors",/,20X," Outer Race","   Inner Race","  Rolling Ele",/,7X,"Mat Code",3X,3(5X,I2,6X),/,7X,"Mat Name",3X,3(1X,A12),/,7X,"Material",3X,3E13.3,/,5X,"Processing",3X,3E13.3,/,7X,"Hardness",3X,3E13.3,/,4X,"Lubrication",3X,3E13.3,/,4X,"for LAMDA =",3X,3E13.3," at heaviest loaded rolling element")f",
      {o.klifemod(1), o.klifemod(2), o.klifemodre, f.matnamelf(1), f.matnamelf(2),
       f.matnamelfre, f.facmatlf(1), f.facmatlf(2), f.facmatlfre, f.facproclf(1),
       f.facproclf(2), f.facproclfre, f.hardnesslf(1), f.hardnesslf(2), f.hardnesslfre,
       s.stlelubfac(1), s.stlelubfac(2), s.stlelubfacre, s.stlelamda(1), s.stlelamda(2),
       s.stlelamdare});
}

void capacities(Model& m) {
  const auto& s = m.solutions;
  const auto& c = m.constants;
  auto& a = m.solutions.alist;
  auto& rep = m.devices.report;
  rep.write(
      R"f(/,5X,"Dynamic Capacities at Heaviest Loaded"," Rolling Element on Primary Race Segments",/,13X,"Model ",13("."),"Stress Capacities",13("."),1X,14("."),"Load Capacities",14("."),/,37X,A6,38X,A6,/,18X,2(" Outer Race Inner Race ...Rolling Element..."),/,18X,2(22X," Outer Race Inner Race"),/)f",
      {m.units.upres, m.units.uforce});
  a(1) = s.qcapacity(1) * c.sforce;
  a(2) = s.qcapacity(2) * c.sforce;
  rep.write("6X,A12,44X,4E11.3", zq::FmtList{}.add(kModel[0]).range(a, 1, 2));
  const double stress = c.sforce / (c.slen * c.slen);
  const std::array<std::array<const zq::FArray<double, 4>*, 4>, 3> cap = {{
      {&s.pcapacitylp, &s.pcapacitylpre, &s.qcapacitylp, &s.qcapacitylpre},
      {&s.pcapacityvk, &s.pcapacityvkre, &s.qcapacityvk, &s.qcapacityvkre},
      {&s.pcapacityih, &s.pcapacityihre, &s.qcapacityih, &s.qcapacityihre}}};
  for (int model = 2; model <= 4; ++model) {
    const auto& p = cap[model - 2];
    for (int k = 1; k <= 2; ++k) {
      a(k) = (*p[0])(k) * stress;
      a(2 + k) = (*p[1])(k) * stress;
      a(4 + k) = (*p[2])(k) * c.sforce;
      a(6 + k) = (*p[3])(k) * c.sforce;
    }
    rep.write("6X,A12,9E11.3", zq::FmtList{}.add(kModel[model - 1]).range(a, 1, 8));
  }
}

// Basic lives, modified lives (Tallian, then STLE) and their ratios to the basic lives. A
// factor whose basic life is 0 has no value: its column stays blank, as does the element
// column of the original model, which has no element life.
void lifetables(Model& m) {
  auto& a = m.solutions.alist;
  auto& rep = m.devices.report;
  rep.write(
      R"f(/,5X,"Basic Life (Hours) with Various Life Models",/,13X,"Model"," Outer Race Inner Race  Roll Elem    Bearing",/)f");
  for (int model = 1; model <= 4; ++model) {
    const ModelLives l = lives(m, model);
    for (int col = 1; col <= 4; ++col) a(col) = l.element || col != 3 ? l.value(col, 1) : 0.0;
    writecells(m, kLifeRow, {kModel[model - 1]}, 4, l.element ? 0u : 0b0100u);
  }
  rep.write(
      R"f(/,5X,"Modified Life with Various Life Models",/,18X," .......Tallian Modifed Life (Hours)........"," ........STLE Modified Life (Hours).........",/,13X,"Model",2(" Outer Race Inner Race  Roll Elem    Bearing"),/)f");
  for (int model = 1; model <= 4; ++model) {
    const ModelLives l = lives(m, model);
    for (int type = 2; type <= 3; ++type) {
      for (int col = 1; col <= 4; ++col)
        a(4 * (type - 2) + col) = l.element || col != 3 ? l.value(col, type) : 0.0;
    }
    writecells(m, kLifeRow, {kModel[model - 1]}, 8, l.element ? 0u : 0b01000100u);
  }
  rep.write(
      R"f(/,5X,"Life Modification Factors with Various Life Models",/,18X," .....Tallian Life Modification Factors....."," ......STLE Life Modification Factors.......",/,13X,"Model",2(" Outer Race Inner Race  Roll Elem    Bearing"),/)f");
  for (int model = 1; model <= 4; ++model) {
    const ModelLives l = lives(m, model);
    unsigned missing = 0;
    for (int type = 2; type <= 3; ++type) {
      for (int col = 1; col <= 4; ++col) {
        const int cell = 4 * (type - 2) + col;
        const double basic = l.element || col != 3 ? l.value(col, 1) : 0.0;
        if (basic == 0.0) {
          missing |= 1u << (cell - 1);
          a(cell) = 0.0;
        } else {
          a(cell) = l.value(col, type) / basic;
        }
      }
    }
    writecells(m, kLifeRow, {kModel[model - 1]}, 8, missing);
  }
  rep.write(
      R"f(/,5X,"________________",/,5X,"Rolling element lives and life"," modification factors are at the heaviest loaded rolling ","element",/,5X,"position.")f");
}

}  // namespace

void operatingparameters(Model& m) {
  zq::resultsPageHeader(m.devices.report, m);
  raceparameters(m);
  stlefactors(m);
  capacities(m);
  lifetables(m);
}

}  // namespace zela3
