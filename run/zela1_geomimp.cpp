// Rolling-element size scatter from RMS values: every element gets a diameter variation (and,
// for cylindrical and tapered rollers, length, central-land length and land-offset variations)
// equal to the RMS value times a standard-normal deviate from the repeatable sequence of zelg8.
// Lengths in the user's unit. The four series are the same sequence shifted by one element
// each. Slots above nre keep a zero deviate and so a zero variation.
#include <algorithm>

#include "model/model.h"
#include "numerics/zelg8.h"
#include "run/zela1.h"

namespace zela1 {

void geomimp(Model& m) {
  auto& g = m.brggeom;
  if (m.options.kregeoimp != 1) return;

  auto& zi = m.zela1.zi;
  // The element arrays hold 40 entries; a larger count is refused at input.
  const int n = std::clamp(g.nre, 0, 40);

  int istart = 0;
  zelg8::zelg8(m, istart, 0, zi.data());

  istart = 1;
  zelg8::zelg8(m, istart, n, zi.data());
  for (int i = 1; i <= 40; ++i) g.rediavar(i) = g.rermsdiavar * zi(i);

  if (g.kbrg == 2 || g.kbrg == 4) {
    istart = 2;
    zelg8::zelg8(m, istart, n, zi.data());
    for (int i = 1; i <= 40; ++i) g.relenvar(i) = g.rermslenvar * zi(i);
    istart = 3;
    zelg8::zelg8(m, istart, n, zi.data());
    for (int i = 1; i <= 40; ++i) g.recenlenvar(i) = g.rermscenlenvar * zi(i);
    istart = 4;
    zelg8::zelg8(m, istart, n, zi.data());
    for (int i = 1; i <= 40; ++i) g.recenlenoffset(i) = g.rermsclenoffset * zi(i);
  }
}

}  // namespace zela1
