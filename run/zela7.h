// Material database: elastic, thermal and strength properties of rolling elements, races,
// housing and shaft from the input (code 1) or from the built-in table at each part's
// temperature, converted to English units when the input is in English units.
#pragma once

struct Model;

namespace zela7 {
void zela7(Model& m);
// Fills the working property record of zela7 (m.zela7) for one database code.
void setproperties(Model& m, int code);
}  // namespace zela7
