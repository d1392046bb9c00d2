// Bearing model set-up: per-race material constants, non-dimensional form, element, race and
// flange geometry, fits, equation count, life exponents, film formula, Gauss grid, solved set
// of elements and the no-load positions. Internal procedures live in run/zela2_<procedure>.cpp.
#pragma once

struct Model;

namespace zela2 {
void zela2(Model& m);
void regeoparam(Model& m);
void racegeoparam(Model& m);
void otherparam(Model& m);
void dimorg(Model& m);
void noloadpos(Model& m);
// Stops the run when the line-contact grid (ngm points) would not fit its arrays (30).
void gridcheck(Model& m, int ngm);
}  // namespace zela2
