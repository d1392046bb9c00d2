// Equilibrium driver: initial guess of the inner-race offset, solution of every element and the
// solved race, bearing stiffness by stepping the inner race, packing of the converged state.
// Stage not built yet: the run passes through it unchanged.
#include "model/model.h"
#include "run/zelorqs.h"

namespace zelorqs {

void quasistaticeq(Model& m) { (void)m; }

}  // namespace zelorqs
