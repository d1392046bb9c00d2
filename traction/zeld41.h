// Residual of the peak condition of a type-1 traction curve, the root function of its set-up.
// The four type-1 input coefficients (zero-slip value, peak value, value at infinite slip,
// slip speed of the peak) are read from tmparea::rtmp(1..4).
#pragma once

struct Model;

namespace zeld41 {
double zeld41(Model& m, double x);
}  // namespace zeld41
