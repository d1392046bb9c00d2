// Placeholder until the routine is written: returns without changing the model.
#include "run/zela7.h"

#include "model/model.h"

#pragma GCC diagnostic ignored "-Wunused-parameter"

namespace zela7 {
void zela7(Model& m) {}
void setproperties(Model& m, int code) {}
}  // namespace zela7
