// Residual of the peak condition of a type-1 traction curve, the root function of its set-up.
#pragma once

struct Model;

namespace zeld41 {
double zeld41(Model& m, double x);
}  // namespace zeld41
