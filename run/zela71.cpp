// Per-race material constants for the element-race contacts, race j = 1 (outer), 2 (inner):
// compliance sum (1 - nu^2)/E of element and race, its scaled forms for the point-contact
// Hertz law and the empirical line-contact law (deflection 0.39 (4 Q C)^0.9 / l^0.8), strain
// and octahedral shear limits scaled to the non-dimensional form, the summed thermal effusivity
// sqrt(pi rho c k) of element and race (flash temperature), and the Archard wear constants.
// Segments j + 2 (second halves of a split race) carry the constants of race j.
#include "run/zela71.h"

#include <cmath>

#include "model/model.h"

namespace zela71 {

void zela71(Model& m) {
  auto& c = m.constants;
  auto& mp = m.matprop;
  auto& fc = m.fatiguecons;
  auto& loc = m.zela71;
  const int ku = m.options.kunit;
  const double slen = c.slen;
  const double sforce = c.sforce;
  const double pi = c.pi;

  for (int j = 1; j <= 2; ++j) c.srerace(j) = mp.raceesl(j) * mp.raceem(j) * slen * slen / sforce;

  for (int j = 1; j <= 2; ++j) {
    c.ererace(j) = (1.0 - mp.repr * mp.repr) / mp.reem + (1.0 - mp.racepr(j) * mp.racepr(j)) / mp.raceem(j);
    c.ererace(j + 2) = c.ererace(j);
  }
  for (int j = 1; j <= 2; ++j) {
    c.qmrerace(j) = sforce * c.ererace(j) / (slen * slen);
    c.qmrerace(j + 2) = c.qmrerace(j);
  }
  for (int j = 1; j <= 2; ++j) {
    c.qrerace(1, j) = 0.39 * std::pow(4.0 * sforce * c.ererace(j), 0.9) / std::pow(slen, 1.8);
    c.qrerace(2, j) = 2.0 * sforce * c.ererace(j) / (pi * slen * slen);
    c.qrerace(1, j + 2) = c.qrerace(1, j);
    c.qrerace(2, j + 2) = c.qrerace(2, j);
  }
  for (int j = 1; j <= 2; ++j) {
    fc.er(j) = fc.em0 / c.ererace(j);
    fc.er(j + 2) = fc.er(j);
  }
  for (int j = 1; j <= 2; ++j) {
    fc.shearlmtih(j) = mp.racesl(j) * (slen * slen / sforce) * mp.facstrlimit;
    fc.shearlmtih(j + 2) = fc.shearlmtih(j);
  }
  fc.shearlmtihre = mp.resl * (slen * slen / sforce) * mp.facstrlimit;

  // Effusivities from the densities as given: on a repeated call matprop already holds the
  // dynamic form, so the kept values are used.
  if (loc.initden == 0) {
    loc.reden = mp.reden;
    for (int j = 1; j <= 2; ++j) loc.raceden(j) = mp.raceden(j);
    loc.shftden = mp.shftden;
    loc.hsngden = mp.hsngden;
  }
  for (int j = 1; j <= 2; ++j) {
    c.rock(j) = std::sqrt(pi * loc.raceden(j) * mp.racesh(j) * mp.racetc(j)) +
                std::sqrt(pi * mp.resh * mp.retc * loc.reden);
    c.rock(j + 2) = c.rock(j);
  }

  // Densities in force units (mass = weight / g), non-dimensional: converted in place, once.
  if (loc.initden == 0) {
    const double vs = slen / c.stime;
    mp.reden = mp.reden / c.ag(ku) * (vs * vs);
    for (int j = 1; j <= 2; ++j) mp.raceden(j) = mp.raceden(j) / c.ag(ku) * (vs * vs);
    mp.shftden = mp.shftden / c.ag(ku) * (vs * vs);
    mp.hsngden = mp.hsngden / c.ag(ku) * (vs * vs);
    loc.initden = 1;
  }

  c.crewr = c.cqv * mp.rewc / (mp.reh * c.hcons(ku));
  for (int j = 1; j <= 2; ++j) c.cracewr(j) = c.cqv * mp.racewc(j) / (c.hcons(ku) * mp.raceh(j));
}

}  // namespace zela71
