// Placeholder until the procedure is written.
#include "run/zela2.h"

#include "model/model.h"

namespace zela2 {
void dimorg(Model& m) { (void)m; }
}  // namespace zela2
