// Placeholder until the routine is written: returns without changing the model.
#include "life/zela8.h"

#include "model/model.h"

#pragma GCC diagnostic ignored "-Wunused-parameter"

namespace zela8 {
void zela8(Model& m, int kmat, int kproc, double hrc, double& facmatlf, double& facproclf,
           double& hardnesslf, double& facmat, double& facproc, double& faccont,
           zq::FText<12>& matnamelf, zq::FText<55>& procnamelf, zq::FText<12>& matname,
           zq::FText<55>& procname) {}
}  // namespace zela8
