// Race fits, thermal and centrifugal expansion and hoop stress of the races, with the hoop shear
// terms of the life models and the operating clearance.
#pragma once

struct Model;

namespace zelc2 {
void zelc2(Model& m);
}  // namespace zelc2
