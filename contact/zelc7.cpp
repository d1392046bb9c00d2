// Placeholder until the routine is written: returns without changing the model.
#include "contact/zelc7.h"

#include "model/model.h"

#pragma GCC diagnostic ignored "-Wunused-parameter"

namespace zelc7 {
double zelc7(Model& m, int k, int n, int mode, double x, double phi) { return 0.0; }
}  // namespace zelc7
