// Module `tmparea`: scratch arrays through which helpers return extra values (zelb2 leaves its
// sines and cosines in rtmp(1..6); a root function reports failure through itmp(1)).
#pragma once

#include "model/farray.h"

struct Tmparea {
  zq::FArray<int, 64> itmp;
  zq::FArray<double, 30> rtmp;
};
