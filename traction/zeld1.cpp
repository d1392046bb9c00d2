// Traction of a rolling element.
// Stage not built yet: no traction.
#include "traction/zeld1.h"

#include "model/model.h"

namespace zeld1 {

void zeld1(Model& m, zq::Vec3& bfor, zq::Vec3& bmom, zq::FArray<double, 3, 2>& rfor,
           zq::FArray<double, 3, 2>& rmom) {
  (void)m;
  bfor = zq::Vec3{};
  bmom = zq::Vec3{};
  rfor = zq::FArray<double, 3, 2>{};
  rmom = zq::FArray<double, 3, 2>{};
}

}  // namespace zeld1
