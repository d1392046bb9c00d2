// Placeholder until the routine is written: returns without changing the model.
#include "numerics/zelg8.h"

#include "model/model.h"

#pragma GCC diagnostic ignored "-Wunused-parameter"

namespace zelg8 {
void zelg8(Model& m, int& istart, int n, double* z) {}
}  // namespace zelg8
