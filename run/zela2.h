// Bearing model set-up: element, race and flange geometry in non-dimensional form, with the no-load positions.
#pragma once

struct Model;

namespace zela2 {
void zela2(Model& m);
}  // namespace zela2
