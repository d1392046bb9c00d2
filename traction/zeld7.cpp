// Placeholder until the routine is written: returns without changing the model.
#include "traction/zeld7.h"

#include "model/model.h"

#pragma GCC diagnostic ignored "-Wunused-parameter"

namespace zeld7 {
void zeld7(Model& m) {}
}  // namespace zeld7
