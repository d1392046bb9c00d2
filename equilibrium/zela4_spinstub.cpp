// Stand-in for the spin attitude until it is merged: no spin, orbital speed as given.
#include "model/model.h"

namespace zela5 {
void zela5(Model& m, int& mode, double& beta, zq::FRef<const double, 2> xc,
           zq::FRef<const double, 2> rad, zq::FRef<const double, 6> cb,
           zq::FRef<const double, 6> cr, zq::FRef<const double, 8> ca,
           zq::FRef<const double, 8> sa, zq::FRef<const double, 6> raceangvel, zq::Vec3Ref omega,
           double& orbspeed, zq::FRef<double, 2> sr) {
  (void)m, (void)mode, (void)beta, (void)xc, (void)rad, (void)cb, (void)cr, (void)ca, (void)sa;
  (void)raceangvel;
  omega(1) = omega(2) = omega(3) = 0.0;
  sr(1) = sr(2) = 0.0;
  (void)orbspeed;
}
}  // namespace zela5
