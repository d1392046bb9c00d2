// Placeholder until the routine is written: returns without changing the model.
#include "run/zela71.h"

#include "model/model.h"

#pragma GCC diagnostic ignored "-Wunused-parameter"

namespace zela71 {
void zela71(Model& m) {}
}  // namespace zela71
