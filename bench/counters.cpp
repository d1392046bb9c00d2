// Benchmark build only: the program with call counters on the equilibrium passes (zela4), the
// race-contact evaluations (zelc1) and the element traction evaluations (zeld1), wrapped at
// link time (GNU ld --wrap), so the measured program is the release program itself. Runs one
// analysis in the current directory and prints the three counts on standard error.
#include <iostream>
#include <memory>

#include "model/model.h"
#include "run/zelorqs.h"

extern "C" {
void __real__ZN5zela45zela4ER5Modeli(Model& m, int iel);
void __wrap__ZN5zela45zela4ER5Modeli(Model& m, int iel) {
  ++m.benchcounts.passes;
  __real__ZN5zela45zela4ER5Modeli(m, iel);
}
void __real__ZN5zelc15zelc1ER5Model(Model& m);
void __wrap__ZN5zelc15zelc1ER5Model(Model& m) {
  ++m.benchcounts.contacts;
  __real__ZN5zelc15zelc1ER5Model(m);
}
void __real__ZN5zeld15zeld1ER5ModelRN2zq6FArrayIdJLi3EEEES5_RNS3_IdJLi3ELi2EEEES7_(
    Model& m, zq::Vec3& bfor, zq::Vec3& bmom, zq::FArray<double, 3, 2>& rfor,
    zq::FArray<double, 3, 2>& rmom);
void __wrap__ZN5zeld15zeld1ER5ModelRN2zq6FArrayIdJLi3EEEES5_RNS3_IdJLi3ELi2EEEES7_(
    Model& m, zq::Vec3& bfor, zq::Vec3& bmom, zq::FArray<double, 3, 2>& rfor,
    zq::FArray<double, 3, 2>& rmom) {
  ++m.benchcounts.tractions;
  __real__ZN5zeld15zeld1ER5ModelRN2zq6FArrayIdJLi3EEEES5_RNS3_IdJLi3ELi2EEEES7_(m, bfor, bmom,
                                                                                 rfor, rmom);
}
}

int main() {
  auto m = std::make_unique<Model>();
  const int status = zelorqs::zelorqs(*m, std::cout, std::cerr);
  const auto& c = m->benchcounts;
  std::cerr << "counts " << c.passes << ' ' << c.contacts << ' ' << c.tractions << '\n';
  return status;
}
