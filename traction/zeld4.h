// Traction-curve set-up: turns the input coefficients ci(1..4) of a model type (-1, 0, 1, 2)
// into the five-coefficient curve co(1..5). Type -1 also rewrites ci into the type-1
// description of the same curve (zero-slip, peak and asymptotic values, slip speed of the peak)
// for the input-data report. Failures go to the error record (codes 11, 12, 13); the caller
// reports them with zela9.
#pragma once

#include "model/farray.h"

struct Model;

namespace zeld4 {
void zeld4(Model& m, int type, zq::FRef<double, 4> ci, zq::FRef<double, 5> co);
}  // namespace zeld4
