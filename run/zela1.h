// Input stage: opens DATA.txt and PRINT.txt, reads and lists every input record, then applies
// the size scatter, the defaults, the unit labels, prints the input-data section and forms the
// scale factors and consistency checks.
#pragma once

struct Model;

namespace zela1 {
void zela1(Model& m);
}  // namespace zela1
