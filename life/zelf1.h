// Fatigue lives and capacities of contacts, races, elements and the bearing.
#pragma once

struct Model;

namespace zelf1 {
void zelf1(Model& m);
}  // namespace zelf1
