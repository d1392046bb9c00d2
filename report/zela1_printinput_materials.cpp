// Material properties page of the input-data section (rolling element, outer and inner race,
// shaft, housing: temperature, density, elastic modulus, Poisson's ratio, thermal expansion,
// hardness, wear coefficient, von Mises and octahedral shear stress limits, each with its
// source marker "^" input, "*" estimated, blank database) and the mass and principal moments
// of inertia of the nominal rolling element.
#include <string>

#include "model/model.h"
#include "report/format.h"
#include "report/zela1_printinput.h"

namespace zela1 {

namespace {

// Character k of a marker string as a one-character text for an A1 field.
template <int N>
std::string marker(const zq::FText<N>& s, int k) {
  return std::string(1, s(k));
}

}  // namespace

void printmaterials(Model& m) {
  const auto& p = m.matprop;
  const auto& u = m.units;
  const auto& oc = m.opcond;
  auto& rep = m.devices.report;
  rep.write(
      R"f(A1,/,5X,"MATERIAL PROPERTIES",/,5X,19("-"),/,/,5X,"Rolling Element Material = ",A36,/,5X,"Outer Race Material      = ",A36,/,5X,"Inner Race Material      = ",A36,/,5X,"Shaft Material           = ",A36,/,5X,"Housing Material         = ",A36,/,/,46X,"ROLLING",8X,"OUTER",8X,"INNER",8X,"SHAFT",6X,"HOUSING",/,46X,"ELEMENT",2(9X,"RACE"))f",
      {formfeed(m), p.remat, p.racemat(1), p.racemat(2), p.shftmat, p.hsngmat});

  const auto& rem = p.rem;
  const auto& om = p.racem(1);
  const auto& im = p.racem(2);
  const auto& sm = p.shftm;
  const auto& hm = p.hsngm;
  zq::FmtList v;
  // temperatures: no markers
  v.add(u.utemp).add(oc.retemp(1)).add(oc.racetemp(1)).add(oc.racetemp(2)).add(oc.shfttemp)
      .add(oc.hsngtemp);
  // five-column rows: density (k = 1), modulus (2), Poisson's ratio (3), expansion (4)
  v.add(u.uden);
  v.add(p.reden).add(marker(rem, 1)).add(p.raceden(1)).add(marker(om, 1)).add(p.raceden(2))
      .add(marker(im, 1)).add(p.shftden).add(marker(sm, 1)).add(p.hsngden).add(marker(hm, 1));
  v.add(u.upres);
  v.add(p.reem).add(marker(rem, 2)).add(p.raceem(1)).add(marker(om, 2)).add(p.raceem(2))
      .add(marker(im, 2)).add(p.shftem).add(marker(sm, 2)).add(p.hsngem).add(marker(hm, 2));
  v.add(p.repr).add(marker(rem, 3)).add(p.racepr(1)).add(marker(om, 3)).add(p.racepr(2))
      .add(marker(im, 3)).add(p.shftpr).add(marker(sm, 3)).add(p.hsngpr).add(marker(hm, 3));
  v.add(u.ucoeftherexp);
  v.add(p.recte).add(marker(rem, 4)).add(p.racecte(1)).add(marker(om, 4)).add(p.racecte(2))
      .add(marker(im, 4)).add(p.shftcte).add(marker(sm, 4)).add(p.hsngcte).add(marker(hm, 4));
  // three-column rows (element and races): hardness (k = 8), wear coefficient (9), von Mises
  // limit (10) and the octahedral shear limit derived from it (10)
  v.add(u.uhrdns);
  v.add(p.reh).add(marker(rem, 8)).add(p.raceh(1)).add(marker(om, 8)).add(p.raceh(2))
      .add(marker(im, 8));
  v.add(p.rewc).add(marker(rem, 9)).add(p.racewc(1)).add(marker(om, 9)).add(p.racewc(2))
      .add(marker(im, 9));
  v.add(u.upres);
  v.add(p.revm).add(marker(rem, 10)).add(p.racevm(1)).add(marker(om, 10)).add(p.racevm(2))
      .add(marker(im, 10));
  v.add(u.upres);
  v.add(p.resl).add(marker(rem, 10)).add(p.racesl(1)).add(marker(om, 10)).add(p.racesl(2))
      .add(marker(im, 10));
  rep.write(
      R"f(5X,"TEMPERATURE",21X,A4,5(E12.4,1X),/,5X,"DENSITY",17X,A12,5(E12.4,A1),/,5X,"ELASTIC MODULUS",15X,A6,5(E12.4,A1),/,5X,"POISSON-S RATIO",21X,5(E12.4,A1),/,5X,"COEFF OF THERMAL EXP",6X,A10,5(E12.4,A1),/,5X,"HARDNESS",24X,A4,3(E12.4,A1),/,5X,"WEAR COEFFICIENT",20X,3(E12.4,A1),/,5X,"VON-MISES STRESS",14X,A6,3(E12.4,A1),/,5X,"OCTAHEDRAL SHEAR STRESS LIMIT ",A6,3(E12.4,A1),/,5X,"__________________",/,5X,"* Estimated         ^ User input")f",
      v);
}

void printinertia(Model& m) {
  const auto& g = m.brggeom;
  const auto& u = m.units;
  auto& rep = m.devices.report;
  rep.write(
      R"f(/,/,5X,"ROLLING ELEMENT INERTIAL PARAMETERS",/,5X,35("-"),/,/,16X,".......MASS",2X,10("."),"MOMENT OF INERTIA",10("."),/,21X,A6,14X,A12,/,34X,"X-COMP",7X,"Y-COMP",7X,"Z-COMP")f",
      {u.umass, u.umi});
  rep.write("14X,9E13.5", {g.bremass, g.bremi(1), g.bremi(2), g.bremi(3)});
}

}  // namespace zela1
