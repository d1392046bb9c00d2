// Interference of a roller slice at axial coordinate x (element frame) with race
// revecs::irace; -1 when the slice's contact point lies beyond the race's land limit.
// Leaves the slice frames and contact-point vectors in revecs (tra, tbc, trc, brad, ccbgb,
// ccbgr, ccrgr, rrad) and in the persistent locals m.zelc5.
#pragma once

struct Model;

namespace zelc5 {
double zelc5(Model& m, double x);

// Angle t of the point (0, -sin t, cos t) of the slice circle that lies in the radial plane of
// the slice azimuth frame, on the race side. e2, e3: components of the element y and z axes
// along the azimuth y axis (tbra(2, 2), tbra(2, 3)); yc: azimuth y coordinate of the circle
// centre; brad: slice radius; c32, c33: tbc(3, 2), tbc(3, 3), the contact normal in element
// components. Returns sin t and cos t.
void sliceangle(double e2, double e3, double yc, double brad, double c32, double c33,
                double& sint, double& cost);
}  // namespace zelc5
