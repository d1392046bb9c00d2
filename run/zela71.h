// Per-race material constants: contact compliance, Hertz load-deflection and line-contact law
// constants, elastic strain and shear limits, thermal effusivity and wear constants of each
// race from the element and race materials (user units) and the non-dimensional scales; turns
// the densities into the dynamic form (mass per force unit, non-dimensional) once.
#pragma once

struct Model;

namespace zela71 {
void zela71(Model& m);
}  // namespace zela71
