// Interference of a roller slice at axial coordinate x (element frame) with race
// revecs::irace; -1 when the slice's contact point lies beyond the race's land limit.
#pragma once

struct Model;

namespace zelc5 {
double zelc5(Model& m, double x);
}  // namespace zelc5
