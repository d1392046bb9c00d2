// Profile radius of a body at axial coordinate x: a rolling element (k <= nre) or race segment
// k - nre at angle phi, with crowns, land edges and race imperfections (mode 1 out-of-round,
// 2 waviness). Lengths in units of the rolling-element radius, angles in radians.
#pragma once

struct Model;

namespace zelc7 {
double zelc7(Model& m, int k, int n, int mode, double x, double phi);
}  // namespace zelc7
