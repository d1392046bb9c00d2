// Equilibrium driver: initial guess of the inner-race offset, solution of every element and the
// solved race, bearing stiffness by stepping the inner race, packing of the converged state.
// Stage not built yet: the state stays at the no-load positions of the set-up and is packed
// into the state vector as the driver's last step does.
#include "equilibrium/zela6.h"
#include "model/model.h"
#include "run/zelorqs.h"

namespace zelorqs {

void quasistaticeq(Model& m) { zela6::zela6(m); }

}  // namespace zelorqs
