// Final sweep: positions and velocities of all bodies from the state vector, then every contact and its traction once more, summed into the race reactions.
// Stage not built yet: the run passes through it unchanged.
#include "equilibrium/zelb1.h"

#include "model/model.h"

namespace zelb1 {

void zelb1(Model& m) { (void)m; }

}  // namespace zelb1
