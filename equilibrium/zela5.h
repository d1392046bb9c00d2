// Spin attitude and angular velocity of one rolling element (revecs::ire) between two races:
// pure rolling at one point of each race contact, closed by the attitude of the spin axis
// (cos beta, 0, sin beta) in the element's azimuth frame, by race control (no spin at one
// contact), or by the attitude of least contact heat (traction power loss of the two contacts).
// Frame: the azimuth frame, which turns with the orbital speed (x axial, z radially outward).
// Non-dimensional lengths and speeds, radians. Kinematics derived in docs/KINEMATICS.md.
#pragma once

#include "model/farray.h"

struct Model;

namespace zela5 {

// mode: 0 minimum-heat search of the attitude (beta out, mode 0 again on return); 1, 2 race
//       control by race 1 or 2 (no spin at that race's contact; beta out: attitude found);
//       3 heat at the given beta (pure-rolling points searched); 4 kinematics at the given
//       beta, pure rolling at both contact centres, no heat. Any other value throws.
// xc(j), rad(j): half width across rolling and transverse radius of the contact with race j
//       (j = 1 outer, 2 inner); xc(j) = 0: no contact, its rolling point is its centre.
// cb, cr: contact centre of contact 1 (entries 1-3) and 2 (4-6) from the element centre and
//       from the race centre, each in its contact frame (third axis the contact normal).
// ca, sa: cosines and sines of contact angle (entry 2j-1) and out-of-plane angle (2j) of
//       contact j: the contact frame is R1(out-of-plane) R2(contact angle) of the azimuth frame.
// raceangvel: absolute angular velocities of race 1 (1-3) and race 2 (4-6), azimuth components.
// omega out: element angular velocity relative to the azimuth frame, azimuth components.
// orbspeed in/out: orbital speed; for an element without inner contact (xc(2) = 0) a nonzero
//       value in is kept and the spin follows from rolling at the outer contact; otherwise the
//       value in is ignored and the orbital speed solved.
// sr out: spin-to-roll ratio of contact j, relative angular velocity of race minus element,
//       component along the normal over the component along the contact's first axis.
// Leaves the element's motion in vecmats::revel(:, ire) = (0, 0, orbspeed) and
// vecmats::reangvel(:, ire) = retoiaz(:, :, ire)^T omega (element-frame components), the search
// memory in setupa5 (modes 0, 3). Stops and returns when the traction routine leaves an error.
void zela5(Model& m, int& mode, double& beta, zq::FRef<const double, 2> xc,
           zq::FRef<const double, 2> rad, zq::FRef<const double, 6> cb,
           zq::FRef<const double, 6> cr, zq::FRef<const double, 8> ca,
           zq::FRef<const double, 8> sa, zq::FRef<const double, 6> raceangvel, zq::Vec3Ref omega,
           double& orbspeed, zq::FRef<double, 2> sr);

}  // namespace zela5
