// Roller end to race flange contact.
// Stage not built yet: reports no contact.
#include "contact/zelc3.h"

#include "model/model.h"

namespace zelc3 {

void zelc3(Model& m, int& kcon, int& klaw) {
  (void)m;
  kcon = 0;
  klaw = 0;
}

}  // namespace zelc3
