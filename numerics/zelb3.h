// Angle of a point (a, b) of a plane: atan2(-a, b) folded into [0, 2 pi), exact on the axes.
// With (y, z) of a point in the radial plane it is the azimuth from +z toward -y.
#pragma once

struct Model;

namespace zelb3 {
double zelb3(const Model& m, double a, double b);
}  // namespace zelb3
