// Rigid-body kinematics at a contact point shared by two bodies: sliding velocity of body 1
// relative to body 2 (us = vel1 + w1 x r1 - vel2 - w2 x r2) and mean rolling velocity of the
// two surfaces (um = (w1 x r1 + w2 x r2) / 2, translations excluded). All vectors in one frame
// chosen by the caller; r1, r2 run from each body's centre to the point. Non-dimensional.
#pragma once

#include "model/farray.h"

namespace zele6 {
void zele6(zq::Vec3In r1, zq::Vec3In vel1, zq::Vec3In w1, zq::Vec3In r2, zq::Vec3In vel2,
           zq::Vec3In w2, zq::Vec3Ref us, zq::Vec3Ref um);
}  // namespace zele6
