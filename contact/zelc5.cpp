// Interference of one roller slice with a race along the contact normal (units of the
// rolling-element radius). The slice at axial coordinate x is the circle of local roller radius
// normal to the roller axis; its contact point is where that circle crosses the radial plane
// through the slice centre (the slice azimuth plane), on the race side. The overlap is the
// radial distance of that point beyond (outer race) or inside (inner race) the local raceway
// radius, projected on the contact normal. Frames: race, slice azimuth, element, contact.
#include "contact/zelc5.h"

#include <algorithm>
#include <cmath>

#include "contact/zelc7.h"
#include "model/model.h"
#include "numerics/zelb3.h"

namespace zelc5 {

namespace {

// c = a * b for 3 x 3 matrices.
void matmul(const zq::Mat3& a, const zq::Mat3& b, zq::Mat3& c) {
  for (int i = 1; i <= 3; ++i) {
    for (int j = 1; j <= 3; ++j) {
      c(i, j) = a(i, 1) * b(1, j) + a(i, 2) * b(2, j) + a(i, 3) * b(3, j);
    }
  }
}

// y = a * v.
void matvec(const zq::Mat3& a, const zq::Vec3& v, zq::Vec3& y) {
  for (int i = 1; i <= 3; ++i) y(i) = a(i, 1) * v(1) + a(i, 2) * v(2) + a(i, 3) * v(3);
}

}  // namespace

void sliceangle(double e2, double e3, double yc, double brad, double c32, double c33,
                double& sint, double& cost) {
  const double rho = std::sqrt(e2 * e2 + e3 * e3);
  const double den = rho * brad;
  if (den == 0.0 || !std::isfinite(den)) {
    // The circle lies in the radial plane (roller axis along the azimuth y axis) or has no
    // radius: every point qualifies, take the deepest one along the contact normal.
    const double n = std::sqrt(c32 * c32 + c33 * c33);
    if (n > 0.0) {
      sint = -c32 / n;
      cost = c33 / n;
    } else {
      sint = 0.0;
      cost = 1.0;
    }
  } else {
    // sin(t - beta) = yc / (rho brad), beta the direction of (e2, e3). Beyond +-1 the circle
    // does not reach the plane; the clamped value gives its point nearest to it.
    const double sg = std::clamp(yc / den, -1.0, 1.0);
    const double cg = std::sqrt(1.0 - sg * sg);
    const double num = e2 * sg + e3 * cg;
    const double dnm = e2 * cg - sg * e3;
    const double t = std::atan(num / dnm);
    sint = std::sin(t);
    cost = std::cos(t);
  }
  // Of the two opposite points take the one on the race side of the contact normal.
  if (c33 * cost - c32 * sint <= 0.0) {
    sint = -sint;
    cost = -cost;
  }
}

double zelc5(Model& m, double x) {
  auto& rv = m.revecs;
  auto& loc = m.zelc5;
  const int irace = rv.irace;

  // Slice centre on the roller axis, race frame, and its azimuth.
  zq::Vec3 p;
  for (int i = 1; i <= 3; ++i) p(i) = rv.bgrgr(i) + x * rv.tbr(i, 1);
  const double psi = zelb3::zelb3(m, p(2), p(3));

  // Race frame -> slice azimuth frame: rotation about the bearing axis by psi.
  const double cp = std::cos(psi);
  const double sp = std::sin(psi);
  rv.tra(1, 1) = 1.0;
  rv.tra(1, 2) = 0.0;
  rv.tra(1, 3) = 0.0;
  rv.tra(2, 1) = 0.0;
  rv.tra(2, 2) = cp;
  rv.tra(2, 3) = sp;
  rv.tra(3, 1) = 0.0;
  rv.tra(3, 2) = -sp;
  rv.tra(3, 3) = cp;
  matvec(rv.tra, rv.bgrgr, loc.bgrgra);
  matmul(rv.tra, rv.tbr, loc.tbra);
  matmul(rv.tac, loc.tbra, rv.tbc);
  matmul(rv.tac, rv.tra, rv.trc);

  // Roller radius at the slice, no imperfection.
  rv.brad = zelc7::zelc7(m, rv.ire, 0, 0, x, 0.0);

  // Contact point of the slice circle in the radial plane, race side.
  const double e2 = loc.tbra(2, 2);
  const double e3 = loc.tbra(2, 3);
  const double yc = loc.tbra(2, 1) * x + loc.bgrgra(2);
  double sint = 0.0;
  double cost = 1.0;
  sliceangle(e2, e3, yc, rv.brad, rv.tbc(3, 2), rv.tbc(3, 3), sint, cost);

  rv.ccbgb(1) = x;
  rv.ccbgb(2) = -rv.brad * sint;
  rv.ccbgb(3) = rv.brad * cost;
  matvec(rv.tbr, rv.ccbgb, rv.ccbgr);
  for (int i = 1; i <= 3; ++i) rv.ccrgr(i) = rv.bgrgr(i) + rv.ccbgr(i);

  if (std::abs(rv.ccrgr(1)) > m.brggeom.racelandlmt(irace)) return -1.0;

  const double phi = zelb3::zelb3(m, rv.ccrgr(2), rv.ccrgr(3));
  rv.rrad = zelc7::zelc7(m, m.brggeom.mrace(irace), 0, m.options.kracegeoimp.lin(irace),
                         rv.ccrgr(1), phi);
  return (std::sqrt(rv.ccrgr(2) * rv.ccrgr(2) + rv.ccrgr(3) * rv.ccrgr(3)) - rv.rrad) *
         rv.tac(1, 1);
}

}  // namespace zelc5
