// Module `opcond`: operating conditions (temperatures, fits, speeds, applied loads, displacements,
// moments, misalignments about y and z per race) and the derived operating fits, clearance, race
// expansions and hoop stresses (per race segment).
#pragma once

#include "model/farray.h"
#include "model/ftext.h"

struct Opcond {
  double angvelorient = 180.0;
  double basetemp = 0.0;
  double brgangpos = 0.0;
  double brgangposi = 0.0;
  double brgangvel = 0.0;
  double cflowrate = 0.0;
  double ctempex = 0.0;
  double ctempin = 0.0;
  double hsngtemp = 0.0;
  double opintcls = 0.0;
  double rehtc = 0.0;
  double roomtemp = 0.0;
  double shfttemp = 0.0;
  zq::FArray<double, 2, 2> appmis;
  zq::FArray<double, 2> appmoment;
  zq::FArray<double, 2> brgloadfrac;
  zq::FArray<double, 2> brgorbitrad;
  zq::FArray<double, 2> hsngt;
  zq::FArray<double, 2> opracefit;
  zq::FArray<double, 2> orbrad;
  zq::FArray<double, 4> raceexp;
  zq::FArray<double, 2> racefit;
  zq::FArray<double, 4> racehoop;
  zq::FArray<double, 4> racetemp;
  zq::FArray<double, 2> rotloadfrac;
  zq::FArray<double, 2> rotloadrpm;
  zq::FArray<double, 2> rpm;
  zq::FArray<double, 2> shftt;
  zq::FArray<double, 3> appdisp;
  zq::FArray<double, 3> appload;
  zq::FArray<double, 3> gravityvec;
  zq::FArray<double, 4> pctdisp;
  zq::FArray<double, 4> rpmrange;
  zq::FArray<double, 40> retemp;
  zq::FArray<double, 3, 2> statpos;
};
