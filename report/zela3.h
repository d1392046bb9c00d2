// Results section of the report.
#pragma once

struct Model;

namespace zela3 {
void zela3(Model& m);
}  // namespace zela3
