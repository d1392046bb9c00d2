// Attitude matrix of three successive passive rotations (radians): first about x by a1, then
// about the new y by a2, then about the new z by a3, t = R3(a3) R2(a2) R1(a1). The matrix turns
// components in the starting frame into components in the rotated frame; its inverse is its
// transpose. The sines and cosines are left in tmparea::rtmp(1..6) = (s1, s2, s3, c1, c2, c3)
// for callers that keep them for the derivative matrices.
#include "numerics/zelb2.h"

#include <cmath>

#include "model/model.h"

namespace zelb2 {

namespace {

// One combined sine-cosine evaluation of an angle.
struct SinCos {
  double s;
  double c;
};

SinCos sincos(double q) { return {std::sin(q), std::cos(q)}; }

}  // namespace

void zelb2(Model& m, double a1, double a2, double a3, zq::Mat3Ref t) {
  const SinCos r1 = sincos(a1);
  const SinCos r2 = sincos(a2);
  const SinCos r3 = sincos(a3);
  const double s1 = r1.s, s2 = r2.s, s3 = r3.s;
  const double c1 = r1.c, c2 = r2.c, c3 = r3.c;

  t(1, 1) = c2 * c3;
  t(1, 2) = c1 * s3 + s1 * s2 * c3;
  t(1, 3) = s1 * s3 - c1 * s2 * c3;
  t(2, 1) = -c2 * s3;
  t(2, 2) = c1 * c3 - s1 * s2 * s3;
  t(2, 3) = s1 * c3 + c1 * s2 * s3;
  t(3, 1) = s2;
  t(3, 2) = -s1 * c2;
  t(3, 3) = c1 * c2;

  m.tmparea.rtmp(1) = s1;
  m.tmparea.rtmp(2) = s2;
  m.tmparea.rtmp(3) = s3;
  m.tmparea.rtmp(4) = c1;
  m.tmparea.rtmp(5) = c2;
  m.tmparea.rtmp(6) = c3;
}

}  // namespace zelb2
