// Final sweep: positions and velocities of all bodies from the state vector, then every contact and its traction once more, summed into the race reactions.
#pragma once

struct Model;

namespace zelb1 {
void zelb1(Model& m);
}  // namespace zelb1
