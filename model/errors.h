// Module `errors`: the one pending error record. A routine that detects a failure fills it and
// returns; the routine above calls zela9, which prints it and stops or clears it.
#pragma once

#include "model/farray.h"
#include "model/ftext.h"

struct Errors {
  int ierind = 0;      // error code; 0 = none pending
  int iterminate = 0;  // nonzero: fatal
  int jerind = 0;      // supplementary code
  int numi = 0, numm = 0, numr = 0;
  zq::FArray<int, 10> iarray;
  zq::FArray<double, 10> rarray;
  zq::FArray<zq::FText<132>, 10> imess;
  zq::FText<72> iname;
  zq::FText<72> rname;
};
