// Hertz point-contact factors: dimensionless semi-axes a*, b* and approach delta* as functions
// of the curvature difference F, from a 51-row table (mode < 1) or refined by solving the
// elliptic-integral relation for the axis ratio (mode >= 1).
#pragma once

struct Model;

namespace zelc4 {
void zelc4(Model& m, double f, double& astar, double& bstar, double& dstar, int mode);
// Root function of the refinement: F - F(k) for the trial axis ratio k; F in tmparea::rtmp(1).
double zelc41(Model& m, double k);
}  // namespace zelc4
