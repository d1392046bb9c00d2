// Life-modification factors of a material, its processing and its hardness: STLE material,
// processing and hardness factors, Tallian material, process and contamination factors, and the
// material and process names.
#pragma once

#include "model/farray.h"
#include "model/ftext.h"

struct Model;

namespace zela8 {
void zela8(Model& m, int kmat, int kproc, double hrc, double& facmatlf, double& facproclf,
           double& hardnesslf, double& facmat, double& facproc, double& faccont,
           zq::FText<12>& matnamelf, zq::FText<55>& procnamelf, zq::FText<12>& matname,
           zq::FText<55>& procname);
}  // namespace zela8
