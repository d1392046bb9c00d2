// Placeholder until the routine is written: returns without changing the model.
#include "contact/zelc4.h"

#include "model/model.h"

#pragma GCC diagnostic ignored "-Wunused-parameter"

namespace zelc4 {
void zelc4(Model& m, double f, double& astar, double& bstar, double& dstar, int mode) {}
double zelc41(Model& m, double k) { return 0.0; }
}  // namespace zelc4
