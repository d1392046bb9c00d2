// Packing of the converged state: positions, attitudes and velocities of every rolling element
// and of both races written into the state vector genvecs::x, the one layout that the final
// sweep, the output data and the report read back. Non-dimensional lengths and speeds, radians.
// Attitudes are Cardan angles (x, new y, new z; zelb2); their rates follow from the body
// angular velocity by the inverse of the kinematic relation w = E(a2, a3) rdot.
#include "equilibrium/zela6.h"

#include <cmath>

#include "model/model.h"
#include "numerics/zelb3.h"

namespace zela6 {

namespace {

// State-vector slot s of body b.
double& slot(Model& m, int b, int s) { return m.genvecs.x(12 * (b - 1) + 1 + s); }

// Rates of body b (slots 10..12) from its angular velocity w (body components) at its own
// attitude slots 8 and 9.
void packrates(Model& m, int b, double w1, double w2, double w3) {
  angveltorate(m, w1, w2, w3, slot(m, b, 8), slot(m, b, 9));
  slot(m, b, 10) = w1;
  slot(m, b, 11) = w2;
  slot(m, b, 12) = w3;
}

void packelement(Model& m, int i) {
  const auto& g = m.brggeom;
  const auto& vm = m.vecmats;
  const double tpi = m.constants.tpi;

  // 1. Attitude angles: a negative angle is moved once by a full turn (no further folding).
  for (int s = 7; s <= 9; ++s)
    if (slot(m, i, s) < 0.0) slot(m, i, s) += tpi;

  // 2. Mass centre = geometric centre less the centre offset carried from the element frame
  // into inertial components.
  const double th = vm.regc(3, i), r = vm.regc(2, i);
  const double gc[3] = {vm.regc(1, i), -r * std::sin(th), r * std::cos(th)};
  double rc[3];
  for (int n = 1; n <= 3; ++n) {
    double sum = 0.0;
    for (int k = 1; k <= 3; ++k) sum += vm.inerttore(k, n, i) * g.regeocen(k, i);
    rc[n - 1] = gc[n - 1] - sum;
  }
  slot(m, i, 1) = rc[0];
  slot(m, i, 2) = std::sqrt(rc[1] * rc[1] + rc[2] * rc[2]);
  slot(m, i, 3) = zelb3::zelb3(m, rc[1], rc[2]);

  // 3. No axial or radial velocity in the quasi-static state; slot 6 (orbital speed) stays as
  // the equilibrium iteration left it.
  slot(m, i, 4) = 0.0;
  slot(m, i, 5) = 0.0;

  // 4. Rates from the angular velocity in the element's principal frame.
  double w[3];
  for (int n = 1; n <= 3; ++n) {
    double sum = 0.0;
    for (int k = 1; k <= 3; ++k) sum += g.regeotoprin(n, k, i) * vm.reangvel(k, i);
    w[n - 1] = sum;
  }
  packrates(m, i, w[0], w[1], w[2]);
}

void packraces(Model& m) {
  const auto& g = m.brggeom;
  const auto& vm = m.vecmats;
  auto& op = m.opcond;

  // 5. Orbit of a race centre under a rotating load: centre of the orbit one orbit radius
  // behind the race centre along the eccentricity of the inner race against the outer race.
  for (int j = 1; j <= 2; ++j)
    for (int n = 1; n <= 3; ++n) op.statpos(n, j) = vm.racegc(n, j);
  const double ey = vm.racegc(2, 2) - vm.racegc(2, 1);
  const double ez = vm.racegc(3, 2) - vm.racegc(3, 1);
  const double e = std::sqrt(ey * ey + ez * ez);
  for (int j = 1; j <= 2; ++j) op.orbrad(j) = op.rotloadfrac(j) * e;
  const double psi = zelb3::zelb3(m, ey, ez);
  const double sp = std::sin(psi), cp = std::cos(psi);

  // 6. Per race: mass centre, whirl velocity and rates. The angles (slots 7..9) stay as solved.
  for (int j = 1; j <= 2; ++j) {
    const int b = g.nre + j;
    op.statpos(2, j) = vm.racegc(2, j) + op.orbrad(j) * sp;
    op.statpos(3, j) = vm.racegc(3, j) - op.orbrad(j) * cp;
    for (int n = 1; n <= 3; ++n) {
      double sum = 0.0;
      for (int k = 1; k <= 3; ++k) sum += vm.inerttorace(k, n, j) * g.racegeocen(k, j);
      slot(m, b, n) = vm.racegc(n, j) - sum;
    }
    slot(m, b, 4) = 0.0;
    slot(m, b, 5) = -cp * op.orbrad(j) * op.rotloadrpm(j);
    slot(m, b, 6) = -sp * op.orbrad(j) * op.rotloadrpm(j);
    packrates(m, b, vm.raceangvel(1, j), vm.raceangvel(2, j), vm.raceangvel(3, j));
  }
}

}  // namespace

// The body angular velocity of Cardan angles (a1 about x, a2 about the new y, a3 about the new
// z) is w = (c2 c3 r1 + s3 r2, -c2 s3 r1 + c3 r2, s2 r1 + r3); solved for the rates:
// r1 = (c3 w1 - s3 w2)/c2, r2 = s3 w1 + c3 w2, r3 = w3 - s2 r1.
// At c2 = 0 (a2 = +-pi/2, the Cardan singularity) the first and third axes coincide: only
// s2 r1 + r3 is defined and the body direction (c3, -s3, 0) cannot be reached by any rate. The
// packing then puts the whole rate about the common axis into the third angle (r1 = 0, r3 = w3)
// and keeps r2; this holds for |c2| <= tolr(1), so the division never amplifies rounding by
// more than 1e10 and never yields infinity or NaN.
void angveltorate(const Model& m, double& w1, double& w2, double& w3, double a2, double a3) {
  const double tol = m.constants.tolr(1);
  const double s2 = std::sin(a2), c2 = std::cos(a2);
  const double s3 = std::sin(a3), c3 = std::cos(a3);
  const double r1 = std::abs(c2) <= tol ? 0.0 : (c3 * w1 - s3 * w2) / c2;
  double r2 = s3 * w1 + c3 * w2;
  double r3 = w3 - s2 * r1;
  if (std::abs(r2) <= tol) r2 = 0.0;
  if (std::abs(r3) <= tol) r3 = 0.0;
  w1 = r1;
  w2 = r2;
  w3 = r3;
}

void zela6(Model& m) {
  for (int i = 1; i <= m.brggeom.nre; ++i) packelement(m, i);
  packraces(m);
}

}  // namespace zela6
