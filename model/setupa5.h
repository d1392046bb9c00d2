// Module `setupa5`: memory of the minimum-heat search of the rolling-element spin attitude,
// kept for every element through the run so that later searches scan only a window around the
// last minimum: the attitude grid index (1..21) and, per attitude grid point, the indices
// (1..39) of the best pure-rolling points in the outer and inner contact.
#pragma once

#include "model/farray.h"
#include "model/ftext.h"

struct Setupa5 {
  int igridmin = 0;  // current index of the best outer-contact rolling point (0: full scan)
  int jgridmin = 0;  // current index of the best inner-contact rolling point (0: full scan)
  zq::FArray<int, 40> minalfgrid;     // attitude grid point where the heat last rose (0: none)
  zq::FArray<int, 21, 40, 2> mingrid;  // best outer (1) and inner (2) point per attitude point
  double hgmin = 0.0;                 // reserved: heat at the minimum
  zq::FArray<double, 2> xgmin;        // refined outer and inner rolling-point positions
};
