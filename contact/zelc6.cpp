// Placeholder until the routine is written: returns without changing the model.
#include "contact/zelc6.h"

#include "model/model.h"

#pragma GCC diagnostic ignored "-Wunused-parameter"

namespace zelc6 {
void zelc6(const Model& m, int mode, double delta, zq::FRef<const double, 2> coef, double l,
           double s, double& b, double& k, double& q) {}
}  // namespace zelc6
