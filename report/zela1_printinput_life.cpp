// Fatigue-life part of the input-data section: survival probability, baseline 52100 steel
// constants, the exponents, Weibull slopes, adjustment factors and capacity constants of the
// original and current Lundberg-Palmgren, the VK and the Ioannides-Harris models, residual
// stresses, STLE and Tallian life-modification factors, asperity data and notes; then the
// operating conditions (temperatures, speeds, misalignments), constraints and load vectors.
#include <string>

#include "model/model.h"
#include "report/format.h"
#include "report/zela1_printinput.h"

namespace zela1 {

namespace {

// Row layouts of the life-model tables: six values, or gaps for a missing depth exponent
// and/or elastic property ratio; then the capacity constant and its unit label.
constexpr const char* kR6 = "5X,A15,6E13.4,E16.4,A15";
constexpr const char* kR4 = "5X,A15,4E13.4,13X,E13.4,E16.4,A15";
constexpr const char* kR1 = "5X,A15,E13.4,13X,4E13.4,E16.4,A15";
constexpr const char* kR2 = "5X,A15,E13.4,13X,2E13.4,13X,E13.4,E16.4,A15";
// Life-modification factor rows: three factors, two codes, material and process names.
constexpr const char* kF = "5X,A15,2E13.4,E14.4,2I9,1X,A12,1X,A55";

}  // namespace

void printfatigue(Model& m, const PrintinputTables& t) {
  const auto& f = m.fatiguecons;
  const auto& o = m.options;
  const auto& u = m.units;
  const auto& z = m.zela1;
  auto& rep = m.devices.report;

  rep.write(
      R"f(/,/,5X,"FATIGUE LIFE MODELING PARAMETERS",/,5X,32("-"),/,/,5X,"Survival Probability  =",F8.4,4X,"Baseline Material    = AISI 52100 Steel",/,5X,"Reliability Factor    =",F8.4,4X,"Base Elastic Modulus =",E11.4,A6,/,5X,"Bearing Weibull Slope =",F8.4,4X,"Base Poisson-s Ratio =",E11.4,/,5X,"Contact Type          =",3X,A5,/,/,5X,"ORIGINAL LUNDBERG-PALMGREN (LP) DYNAMIC LOAD CAPACITY MODEL"," (Failure Stress: MAXIMUM ORHTOGONAL SHEAR)",/,21X,"Shear Stress",8X,"Depth",4X,"Load-Life",6X,"Weibull",6X,"Elastic",3X,"Adjustment",3X,"Load Capacity",/,20X,3(5X,"Exponent"),8X,"Slope",3X,"Prop Ratio",7X,"Factor",8X,"Constant")f",
      {f.sprob, f.reliabindex, z.basemodulus, u.upres, f.brgwbdis, z.basepoisson,
       t.modeltype(f.kmodeltype(2) + 1)});
  for (int j = 1; j <= 2; ++j)
    rep.write(kR6, {t.racename(j), f.shearexplp(j), f.depthexplp(j), f.qexp(j), f.wbdis(j),
                    z.lpelasticratio, f.fco(j), f.fcon(j), u.ufatcon});

  rep.write(
      R"f(/,5X,"CURRENT LUNDBERG-PALMGREN (LP) DYNAMIC STRESS"," CAPACITY MODEL"," (Failure Stress: MAXIMUM ORHTOGONAL SHEAR)",/,21X,"Shear Stress",8X,"Depth",2X,"Stress-Life",6X,"Weibull",6X,"Elastic",3X,"Adjustment"," Stress Capacity",/,20X,3(5X,"Exponent"),8X,"Slope",3X,"Prop Ratio",7X,"Factor",8X,"Constant")f");
  for (int j = 1; j <= 2; ++j)
    rep.write(kR6, {t.racename(j), f.shearexplp(j), f.depthexplp(j), f.pexplp(j), f.wbdis(j),
                    f.er(j), f.fclp(j), f.fconlp(j), u.ufconlp(j)});
  rep.write(kR4, {t.elename, f.shearexplpre, f.depthexplpre, f.pexplpre, f.wbdisre, f.fclpre,
                  f.fconlpre, u.ufconlpre});

  rep.write(
      R"f(/,5X,"VAREK-KOLMINSK (VK) DYNAMIC STRESS CAPACITY"," MODEL (Failure Stress: MAXIMUM SHEAR)",/,21X,"Shear Stress",8X,"Depth","  Stress-Life",6X,"Weibull",6X,"Elastic",3X,"Adjustment"," Stress Capacity",/,20X,3(5X,"Exponent"),8X,"Slope",3X,"Prop Ratio",7X,"Factor",8X,"Constant")f");
  for (int j = 1; j <= 2; ++j)
    rep.write(kR1, {t.racename(j), f.shearexpvk(j), f.pexpvk(j), f.wbdis(j), f.er(j),
                    f.fcvk(j), f.fconvk(j), u.ufconvk(j)});
  rep.write(kR2, {t.elename, f.shearexpvkre, f.pexpvkre, f.wbdisre, f.fcvkre, f.fconvkre,
                  u.ufconvkre});

  rep.write(
      R"f(/,5X,"CURRENT IOANNIDES-HARRIS (IH) DYNAMIC STRESS"," CAPACITY MODEL"," (Failure Stress: MAXIMUM OCTAHEDRAL SHEAR)",/,21X,"Shear Stress",8X,"Depth",2X,"Stress-Life",6X,"Weibull",6X,"Elastic",3X,"Adjustment"," Stress Capacity",/,20X,3(5X,"Exponent"),8X,"Slope",3X,"Prop Ratio",7X,"Factor",8X,"Constant")f");
  for (int j = 1; j <= 2; ++j)
    rep.write(kR6, {t.racename(j), f.shearexpih(j), f.depthexpih(j), f.pexpih(j), f.wbdis(j),
                    f.er(j), f.fcih(j), f.fconih(j), u.ufconih(j)});
  rep.write(kR4, {t.elename, f.shearexpihre, f.depthexpihre, f.pexpihre, f.wbdisre, f.fcihre,
                  f.fconihre, u.ufconihre});

  rep.write(R"f(/,5X,"Limit Stress Modifier",7X,E13.4)f", {m.matprop.facstrlimit});

  rep.write(R"f(/,10X,"Operating Residual Stresses*",A6)f", {u.upres});
  rep.write(
      R"f(7X,A13,E13.4,A13,E13.4,/,6X,"*Positive value indicates compressive residual stress")f",
      {t.racename(1), f.resstress(1), t.racename(2), f.resstress(2)});

  rep.write(
      R"f(/,5X,"STLE RECOMMENDED LIFE MODIFICATION FACTORS",/,25X,"Material",6X,"Process",6X,"Hardness"," Material","  Process",5X,"Material Process",/,20X,2(7X,"Factor"),8X,"Factor",2(5X,"Code"))f");
  for (int j = 1; j <= 2; ++j)
    rep.write(kF, {t.racename(j), f.facmatlf(j), f.facproclf(j), f.hardnesslf(j),
                   o.klifemod(j), o.kproc(j), f.matnamelf(j), f.procnamelf(j)});
  rep.write(kF, {t.elename, f.facmatlfre, f.facproclfre, f.hardnesslfre, o.klifemodre,
                 o.kprocre, f.matnamelfre, f.procnamelfre});

  rep.write(
      R"f(/,5X,"TALLIAN MODEL FOR LIFE MODIFICATION",/,20X,5X,"Material",6X,"Process"," Contamination"," Material","  Process",5X,"Material Process",/,20X,2(7X,"Factor"),8X,"Factor",2(5X,"Code"))f");
  for (int j = 1; j <= 2; ++j)
    rep.write(kF, {t.racename(j), f.facmat(j), f.facproc(j), f.faccont(j), o.klifemod(j),
                   o.kproc(j), f.matname(j), f.procname(j)});
  rep.write(kF, {t.elename, f.facmatre, f.facprocre, f.faccontre, o.klifemodre, o.kprocre,
                 f.matnamere, f.procnamere});

  rep.write(
      R"f(/,20X,9("."),"Asperity Interactions",9("."),"  Limit Shear",5X,"Residual",/,20X,2(4X,"Composite"),5X,"Traction",2(7X,"Stress"),/,23X,"RMS Height",4X,"RMS Slope","  Coefficient",36X,/,29X,A4,7X,A6,13X,2(7X,A6))f",
      {u.ulen, u.uang2, u.upres, u.upres});
  for (int j = 1; j <= 2; ++j)
    rep.write(kR6, {t.racename(j), f.rmsaspht(j), f.rmsaspslope(j), f.asptrac(j),
                    f.shearlmt(j), f.resstress(j)});

  // Notes, then the literature of the life models and life-modification factors.
  rep.write(
      R"f(/,5X,"NOTES",/,5X,"1. The Load Capacity Constant in the Original LP model ","includes properties of baseline material. ",/,5X,"2. Units of Load Capacity Constant depend on Weibull"," Slope, shear stress and depth exponents, while ",/,5X,"   the magnitude is determined by correlating model"," predictions to experimental life data.",/,5X,"3. An input Adjustment Factor (default value = 1.0) may be"," used to adjust the Load Capacity Constant.",/,5X,"4. The Stress Capacity Constants are free of any material"," properties, thereby permitting material ",/,5X,"   variation over the races and rolling elements.",/,5X,"5. Units of Stress Capacity Constant depend on Weibull"," Slope, shear stress and depth exponents, while ",/,5X,"   the magnitude is determined by correlating model"," predictions to experimental life data.",/,5X,"6. An input Adjustment Factor (default value = 1.0) may be"," used to adjust the Stress Capacity Constants.",/,5X,"7. While race lives in the original Load Capacity LP model ","include the rolling element lives, ",/,5X,"   the Stress Capacity models compute lives of races and ","rolling elements separately, thus permitting ",/,5X,"   model variation over the races and rolling elements.",/,5X,"8. For current bearing materials refer to Material ","Properties section above.",/,/,5X,"References",/,5X,"1. G. Lundberg, A. Palmgren, Dynamic capacity of rolling bearings, Acta Polytechnica,",/,5X,"Mech. Eng. Series 1(3), 1947; Dynamic capacity of roller bearings, ibid. 2(4), 1952.",/,5X,"2. E. Ioannides, T.A. Harris, A new fatigue life model for rolling bearings,",/,5X,"ASME J. Tribology, Vol. 107, 1985, pp. 367-378.",/,5X,"3. E.V. Zaretsky (ed.), STLE Life Factors for Rolling Bearings, STLE SP-34, 1992;",/,5X,"T.E. Tallian, Simplified contact fatigue life prediction model, Parts I and II, ASME J. Tribology, Vol. 114, 1992.")f");
}

void printoperating(Model& m) {
  const auto& oc = m.opcond;
  const auto& u = m.units;
  auto& rep = m.devices.report;
  rep.write(
      R"f(A1,/,5X,"OPERATING CONDITIONS",57X,A36,/,5X,20("-"),/,/,103X,"OUTER RACE",3X,"INNER RACE",/,/,5X,"ROOM TEMPERATURE",15X,A4,E13.5,17X,"TEMPERATURE",15X,A4,2E13.5,/,5X,"HOUSING TEMPERATURE",12X,A4,E13.5,17X,"ANGULAR VELOCITY",8X,A6,2E13.5,/,5X,"SHAFT TEMPERATURE",14X,A4,E13.5,17X,"MISALIGNMENT-Y",10X,A6,2E13.5,/,5X,"ROLLING ELEMENT TEMPERATURE",4X,A4,E13.5,17X,"MISALIGNMENT-Z",10X,A6,2E13.5)f",
      {formfeed(m), m.brggeom.runid, u.utemp, oc.roomtemp, u.utemp, oc.racetemp(1),
       oc.racetemp(2), u.utemp, oc.hsngtemp, u.uangvel, oc.rpm(1), oc.rpm(2), u.utemp,
       oc.shfttemp, u.uang2, oc.appmis(1, 1), oc.appmis(1, 2), u.utemp, oc.retemp(1), u.uang2,
       oc.appmis(2, 1), oc.appmis(2, 2)});
  const auto& kfs = m.options.kfs;
  rep.write(
      R"f(5X,"QUASI-STATIC CONSTRAINTS",12X,5I2,/,5X,"INITIAL ANGULAR VELOCITY CODE",7X,I2,/,5X,"ANG VELOCITY VECTOR ORIENT    (deg)",E13.5)f",
      {kfs(1), kfs(2), kfs(3), kfs(4), kfs(5), m.setupa4.kangvel, oc.angvelorient});
  rep.write(
      R"f(/,/,47X,"X-COMP",7X,"Y-COMP",7X,"Z-COMP",/,/,5X,"APPLIED LOAD VECTOR",10X,A6,3E13.5,/,5X,"RELATIVE DISPLACEMENT VECTOR",3X,A4,3E13.5,/,5X,"APPLIED MOMENT VECTOR",6X,A8,13X,2E13.5)f",
      {u.uforce, oc.appload(1), oc.appload(2), oc.appload(3), u.ulen, oc.appdisp(1),
       oc.appdisp(2), oc.appdisp(3), u.umom, oc.appmoment(1), oc.appmoment(2)});
}

}  // namespace zela1
