// Bearing model set-up: element, race and flange geometry in non-dimensional form, with the no-load positions.
// Stage not built yet: the run passes through it unchanged.
#include "run/zela2.h"

#include "model/model.h"

namespace zela2 {

void zela2(Model& m) { (void)m; }

}  // namespace zela2
