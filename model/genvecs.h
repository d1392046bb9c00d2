// Module `genvecs`: the state vector x (one leading entry, then 12 slots per body: elements
// 1..nre, then race 1 and race 2; slot s of body b is x(12(b-1)+1+s)) and the equation count.
#pragma once

#include "model/farray.h"

struct Genvecs {
  int neqns = 0;
  zq::FArray<double, 505> x;
};
