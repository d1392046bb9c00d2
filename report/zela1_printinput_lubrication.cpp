// Lubrication part of the input-data section: the traction-curve tables of the rolling
// element/race and rolling element/flange contacts (input values and the five-coefficient
// curve vector of each model type), and with a database or input lubricant its properties at
// the element temperature, the viscosity, traction and shear-thinning models and their
// literature. Invalid traction model types and codes stop the run after their message.
#include <string>

#include "model/model.h"
#include "report/format.h"
#include "report/zela1_printinput.h"
#include "run/stop.h"

namespace zela1 {

namespace {

// Head of a traction-curve table for the model type, or false for a type without one.
bool tractionhead(Model& m, const zq::FText<10>& name, int type) {
  const auto& u = m.units;
  auto& rep = m.devices.report;
  if (type == -1 || type == 1) {
    rep.write(
        R"f(/,4X,A10,"HYPOTHETICAL MODEL TYPE:",I2,/,16X,"   CRITICAL",3X,"TRAC COEFF",6X,"MAXIMUM",3X,"TRAC COEFF",2X,"SLIP AT MAX",4("  COEFFICIENT"),/,23X,"FILM AT ZERO SLIP",3X,"TRAC COEFF  AT INF SLIP",5X,"TRACTION",12X,"A",12X,"B",12X,"C",12X,"D",/,23X,A4,46X,A6,20X,A6,7X,A6)f",
        {name, type, u.ulen, u.uvel, u.uvelcoeff, u.uvelcoeff});
    return true;
  }
  if (type == 2) {
    rep.write(
        R"f(/,4X,A10,"HYPOTHETICAL MODEL TYPE:",I2,/,16X,"   CRITICAL",3X,"TRAC COEFF",6X,"MAXIMUM",3X,"TRAC SLOPE",13X,4("  COEFFICIENT"),/,23X,"FILM AT ZERO SLIP",3X,"TRAC COEFF AT ZERO SLIP",25X,"A",12X,"B",12X,"C",12X,"D",/,23X,A4,33X,A6,33X,A6,7X,A6)f",
        {name, type, u.ulen, u.uvelcoeff, u.uvelcoeff, u.uvelcoeff});
    return true;
  }
  if (type == 0) {
    rep.write(
        R"f(/,4X,A10,"HYPOTHETICAL MODEL TYPE:",I2,/,16X,"   CRITICAL",3X,"TRAC COEFF",5X,"TRACTION",5X,"TRACTION",3X,"TRANSITION",/,23X,"FILM AT ZERO SLIP",7X,"SLOPE1",7X,"SLOPE2",5X,"VELOCITY",/,23X,A4,20X,A6,7X,A6,7X,A6)f",
        {name, type, u.ulen, u.uvelcoeff, u.uvelcoeff, u.uvel});
    return true;
  }
  return false;
}

// One row of a traction-curve table: critical film, the input values as the set-up left them
// (none for type 0, three for type 2) and the curve coefficients A to D.
template <class TC, class CO>
void tractionrow(Model& m, const zq::FText<10>& name, int type, double film, const TC& tc,
                 const CO& co) {
  zq::FmtList v;
  v.add(name).add(film);
  if (type == -1 || type == 1) {
    v.range(tc, 1, 4).range(co, 1, 4);
    m.devices.report.write("4X,A10,2X,E11.4,8E13.5", v);
  } else if (type == 2) {
    v.range(tc, 1, 3).range(co, 1, 4);
    m.devices.report.write("4X,A10,2X,E11.4,3E13.5,13X,4E13.5", v);
  } else {
    v.range(co, 1, 4);
    m.devices.report.write("4X,A10,2X,E11.4,8E13.5", v);
  }
}

void tractiontables(Model& m, const PrintinputTables& t) {
  const auto& tp = m.tracprop;
  auto& rep = m.devices.report;
  const int type = tp.ktractype;
  if (!tractionhead(m, t.intname(4), type)) {
    rep.write(
        R"f(/,5X,"Invalid RE/RACE hypothetical model type",/,5X,"kTracType = ",I4," on input Record 10.0",/,/)f",
        {type});
    zq::stopRun("zela1::printinput");
  }
  for (int j = 1; j <= 2; ++j)
    tractionrow(m, t.intname(j), type, tp.reracefilm(j), m.zela1.reracetc.sub<4>(j),
                tp.reracecoeff.sub<5>(j));

  const auto& g = m.brggeom;
  const int sum = g.kflngind(1, 1) + g.kflngind(2, 1) + g.kflngind(1, 2) + g.kflngind(2, 2);
  if (sum <= 0) return;
  const int ftype = tp.krftractype;
  if (!tractionhead(m, t.intname(3), ftype)) {
    rep.write(
        R"f(/,5X,"Invalid RE/FLANGE hypothetical model type",/,5X,"kRFTracType = ",I4," on input Record 10.0",/,/)f",
        {ftype});
    zq::stopRun("zela1::printinput");
  }
  tractionrow(m, t.intname(5), ftype, tp.reflngfilm, m.zela1.reflngtc, tp.reflngcoeff);
}

// The eleven labels that the lubricant block prints directly after their values.
template <class F>
void lubricantlabels(Model& m, F justify) {
  auto& u = m.units;
  justify(u.uvis);
  justify(u.utemp);
  justify(u.uthercond);
  justify(u.uden);
  justify(u.uheatcap);
  justify(u.uprcoeff);
  justify(u.utempcoeff1);
  justify(u.uprtempcoeff1);
  justify(u.utempcoeff2);
  justify(u.uprtempcoeff2);
  justify(u.upres);
}

void lubricantblock(Model& m) {
  const auto& tp = m.tracprop;
  const auto& u = m.units;
  auto& rep = m.devices.report;
  lubricantlabels(m, [](auto& label) { leftjustify(label); });

  rep.write(
      R"f(/,5X,"RE/RACE ELASTOHYDRODYNAMIC MODEL CODE:",I3,/,/,5X,"Lubricant Name",13X,A50,/,5X,"Current Temperature       ",E12.5,1X,A4,/,5X,"Density                   ",E12.5,1X,A12,/,5X,"Specific Heat             ",E12.5,1X,A14,/,5X,"Thermal Conductivity      ",E12.5,1X,A16)f",
      {tp.ktrac, tp.lubname, tp.currtemp, u.utemp, tp.denlub, u.uden, tp.spheatlub, u.uheatcap,
       tp.thercondlub(1), u.uthercond});
  rep.write(
      R"f(/,5X,"Viscosity Model Code:   ",I4,/,5X,"Viscosity Model Name:      ",A50,/,5X,"Current Viscosity         ",E12.5,1X,A8,8X,"Eff Pres-Viscosity Coeff  ",E12.5,1X,A8,/,5X,"Eff Temp-Viscosity Coeff  ",E12.5,1X,A4)f",
      {tp.kvtype, tp.vismodname, tp.vislub, u.uvis, tp.viscoeff(1), u.uprcoeff, tp.betalub,
       u.utempcoeff2});

  rep.write(
      R"f(/,5X,"Traction Model Code:    ",I4,/,5X,"Traction Model Name:       ",A50)f",
      {tp.kmtype, tp.tracmodname});
  switch (tp.kmtype) {
    case 0:
      rep.write(
          R"f(5X,"Additional effects:",/,5X,"Limiting traction coeff   ",E12.5,/,5X,"Creep shear modulus       ",E12.5,1X,A6)f",
          {tp.tcl, tp.gshearmod, u.upres});
      break;
    case 1:
      rep.write(
          R"f(5X,"Current tracViscosity     ",E12.5,1X,A8,8X,"tracPres-Viscosity Coeff  ",E12.5,1X,A8,/,5X,"Reference tracViscosity   ",E12.5,1X,A8,8X,"tracTemp-Viscosity Coeff  ",E12.5,1X,A6)f",
          {tp.tracvis, u.uvis, tp.tracalfa, u.uprcoeff, tp.reftracvis, u.uvis, tp.tracbeta,
           u.utempcoeff1});
      break;
    case 2:
    case 3:
      rep.write(
          R"f(5X,"Current Shear Modulus     ",E12.5,1X,A6,/,5X,"Current Critical Shear    ",E12.5,1X,A6)f",
          {tp.smod, u.upres, tp.cshear, u.upres});
      break;
    default:
      rep.write(
          R"f(/,/,5X,"Execution terminating due to invalid traction ","model type, kMType = ",I2,/,/)f",
          {tp.kmtype});
      zq::stopRun("zela1::printinput");
  }

  rep.write(
      R"f(/,5X,"Shear-Thinning Model Code:",I2,/,5X,"Shear-Thinning Model Name: ",A50)f",
      {tp.kshthtype, tp.shthmodname});
  if (tp.kshthtype > 0) {
    if (tp.cn1 == 0.0) {
      rep.write(
          R"f(5X,"Effective shear modulus   ",E12.5,1X,A6,/,5X,"Shear-thinning exponent n ",E12.5,/,5X,"Shear-thinning exponent a ",E12.5)f",
          {tp.cshearmod, u.upres, tp.cn, tp.aexp});
    } else {
      rep.write(
          R"f(5X,"Effective shear modulus   ",2(E12.5,1X,A6,2X),/,5X,"Shear-thinning exponent n ",2(E12.5,9X),/,5X,"Shear-thinning exponent a ",2(E12.5,9X))f",
          {tp.cshearmod, u.upres, tp.cshearmod1, u.upres, tp.cn, tp.cn1, tp.aexp, tp.a1exp});
    }
  }

  // Literature of the viscosity, traction and shear-thinning models above: the exponential
  // pressure law, the Vogel temperature law behind the Vogel-like and hybrid laws, the
  // free-volume law, the visco-elastic and limiting-shear traction models, and shear thinning.
  rep.write(
      R"f(/,5X,"References",/,5X,"1. C. Barus, Isothermals, isopiestics and isometrics relative to viscosity,",/,5X,"American Journal of Science, Vol. 45, 1893, pp. 87-96.",/,5X,"2. H. Vogel, Das Temperaturabhaengigkeitsgesetz der Viskositaet von Fluessigkeiten,",/,5X,"Physikalische Zeitschrift, Vol. 22, 1921, pp. 645-646.",/,5X,"3. S. Yasutomi, S. Bair, W.O. Winer, An application of a free volume model to",/,5X,"lubricant rheology I, ASME J. Tribology, Vol. 106, 1984.",/,5X,"4. K.L. Johnson, J.L. Tevaarwerk, Shear behaviour of elastohydrodynamic oil films,",/,5X,"Proc. Royal Society London A, Vol. 356, 1977, pp. 215-236.",/,5X,"5. S. Bair, W.O. Winer, A rheological model for elastohydrodynamic contacts based",/,5X,"on primary laboratory data,",/,5X,"ASME J. Lubrication Technology, Vol. 101, 1979.",/,5X,"6. P.J. Carreau, Rheological equations from molecular network theories,",/,5X,"Transactions of the Society of Rheology, Vol. 16, 1972, pp. 99-127.",/,5X,"7. K. Yasuda, R.C. Armstrong, R.E. Cohen, Shear flow properties of concentrated",/,5X,"solutions of linear and star branched polystyrenes, Rheologica Acta, Vol. 20,",/,5X,"1981, pp. 163-178.",/,5X,"8. S. Bair, High Pressure Rheology for Quantitative Elastohydrodynamics,",/,8X,"Elsevier, Amsterdam, 2007.")f");

  lubricantlabels(m, [](auto& label) { rightjustify(label); });
}

}  // namespace

void printlubrication(Model& m, const PrintinputTables& t) {
  m.devices.report.write(R"f(A1,/,5X,"LUBRICATION PARAMETERS",/,5X,22("-"))f", {formfeed(m)});
  tractiontables(m, t);
  if (m.tracprop.ktrac > 0) lubricantblock(m);
}

}  // namespace zela1
