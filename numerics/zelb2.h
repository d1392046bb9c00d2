// Attitude matrix of three successive rotations: about x by a1, the new y by a2, the new z by
// a3 (passive, t = R3(a3) R2(a2) R1(a1)); leaves s1, s2, s3, c1, c2, c3 in tmparea::rtmp(1..6).
#pragma once

#include "model/farray.h"

struct Model;

namespace zelb2 {
void zelb2(Model& m, double a1, double a2, double a3, zq::Mat3Ref t);
}  // namespace zelb2
