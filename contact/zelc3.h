// Roller end to race flange contact of the current roller end and flange side: contact point on
// the end sphere or the corner torus, approach, Hertz load, friction, forces and moments on
// roller and race, wear measure and load derivatives. Non-dimensional; data through flngdata.
// kcon: interaction status out; klaw: solution code out (which surface carries the contact).
#pragma once

struct Model;

namespace zelc3 {
void zelc3(Model& m, int& kcon, int& klaw);
}  // namespace zelc3
