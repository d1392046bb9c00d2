// Module `matprop`: material properties of rolling elements, races, housing and shaft, the material
// names and the per-property markers ("^" input, "*" estimated; one character per property).
#pragma once

#include "model/farray.h"
#include "model/ftext.h"

struct Matprop {
  double facstrlimit = 0.0;
  double hsngcte = 0.0;
  double hsngden = 0.0;
  double hsngem = 0.0;
  double hsngpr = 0.0;
  double hsngtc = 0.0;
  double recte = 0.0;
  double reden = 0.0;
  double reem = 0.0;
  double reesl = 0.0;
  double reh = 0.0;
  double repr = 0.0;
  double resh = 0.0;
  double resl = 0.0;
  double retc = 0.0;
  double revm = 0.0;
  double rewc = 0.0;
  double shftcte = 0.0;
  double shftden = 0.0;
  double shftem = 0.0;
  double shftpr = 0.0;
  double shfttc = 0.0;
  zq::FArray<double, 2> racecte;
  zq::FArray<double, 2> raceden;
  zq::FArray<double, 2> raceem;
  zq::FArray<double, 2> raceesl;
  zq::FArray<double, 2> raceh;
  zq::FArray<double, 2> racepr;
  zq::FArray<double, 2> racesh;
  zq::FArray<double, 2> racesl;
  zq::FArray<double, 2> racetc;
  zq::FArray<double, 2> racevm;
  zq::FArray<double, 2> racewc;
  zq::FArray<double, 4> reflngdmpg;
  zq::FArray<double, 4> reracedmpg;
  zq::FText<10> hsngm;
  zq::FText<36> hsngmat;
  zq::FArray<zq::FText<10>, 2> racem;
  zq::FArray<zq::FText<36>, 2> racemat;
  zq::FText<10> rem;
  zq::FText<36> remat;
  zq::FText<10> shftm;
  zq::FText<36> shftmat;
};
