// Slip at one point of the current element/race contact: the velocity of the element surface
// relative to the race surface, in the local tangent frame of the contact surface (first axis
// across rolling, second along rolling, third along the local normal). Non-dimensional; the
// contact state (frames, contact-point vectors, velocities, half-widths) is in setupd1.
#pragma once

struct Model;

namespace zeld2 {
// x: normalised position along the major axis of the contact (-1 .. 1; 0 for a lamina of a
// line contact). Returns the slip component in the rolling direction and leaves the slip vector
// in setupd1::us and the point's vectors from the element and race centres in setupd1::rre,
// rrace. In the traction-curve mode (setupd1::itracout) the slip is the prescribed |ur| storoll
// along the rolling direction at every point.
double zeld2(Model& m, double x);
}  // namespace zeld2
