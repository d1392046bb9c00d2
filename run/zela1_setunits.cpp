// Placeholder until the procedure is written.
#include "run/zela1.h"

#include "model/model.h"

namespace zela1 {
void setunits(Model& m) { (void)m; }
}  // namespace zela1
