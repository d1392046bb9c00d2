// Per-race material constants: contact, wear and thermal constants of each race segment from
// the element and race materials.
#pragma once

struct Model;

namespace zela71 {
void zela71(Model& m);
}  // namespace zela71
