// Module `options`: option flags and codes from the input (unit system, flexibility, imperfection
// flags, constraint flags `kfs` (1 prescribed, 0 equilibrium), material codes, solved race, life
// codes).
#pragma once

#include "model/farray.h"
#include "model/ftext.h"

struct Options {
  int khsngmat = 0;
  int klifecons = 0;
  int klifemodre = 0;
  int kprocre = 0;
  int kprtopt = 0;
  int kraceeq = 2;
  int kraceflex = 0;
  int kregeoimp = 0;
  int kremat = 0;
  int kshftmat = 0;
  int kunit = 0;
  zq::FArray<int, 2> klifemod;
  zq::FArray<int, 2> kproc;
  zq::FArray<int, 2> kracemat;
  zq::FArray<int, 5> kfs{1, 1, 1, 1, 1};
  zq::FArray<int, 2, 2> kracegeoimp;
};
