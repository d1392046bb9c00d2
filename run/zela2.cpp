// Bearing model set-up: turns the completed input (user units) into the non-dimensional model of
// the equilibrium solver: race segments, part temperatures, per-race material constants, the
// scaled input, element/race/flange geometry with the fixed frames, race fits, life exponents,
// film formula and line-contact grid, the equation count, the no-load positions, the second
// halves of split races (ball bearings with a shim) and the set of elements actually solved
// when the load is symmetric about the x-z plane or about the bearing axis.
#include "run/zela2.h"

#include "contact/zelc2.h"
#include "model/model.h"
#include "numerics/zelb2.h"
#include "run/zela71.h"

namespace zela2 {

namespace {

// Segment j + 2 (the second half of race j, split by a shim) takes every per-race quantity of
// race j; its groove curvature centre is mirrored axially.
void splitrace(Model& m, int j) {
  const int k = j + 2;
  auto& g = m.brggeom;
  auto& vm = m.vecmats;
  auto& c = m.constants;
  auto& fc = m.fatiguecons;
  auto& op = m.opcond;
  auto& tp = m.tracprop;
  auto& sol = m.solutions;
  m.revecs.krace(k) = 1;
  g.nrace = 4;

  // Geometry and kinematics.
  m.revecs.baseang(k) = m.revecs.baseang(j);
  for (int i = 1; i <= 40; ++i) g.reprrad(k, i) = g.reprrad(j, i);
  g.racecur(k) = g.racecur(j);
  g.racecurrad(k) = g.racecurrad(j);
  g.racerad(1, k) = g.racerad(1, j);
  g.racerad(2, k) = g.racerad(2, j);
  for (int n = 1; n <= 3; ++n) vm.racegc(n, k) = vm.racegc(n, j);
  for (int r = 1; r <= 3; ++r)
    for (int q = 1; q <= 3; ++q) vm.inerttorace(r, q, k) = vm.inerttorace(r, q, j);
  for (int i = 1; i <= 40; ++i)
    for (int r = 1; r <= 3; ++r)
      for (int q = 1; q <= 3; ++q) vm.racetoiaz(r, q, k, i) = vm.racetoiaz(r, q, j, i);
  for (int n = 1; n <= 3; ++n) vm.raceangvel(n, k) = vm.raceangvel(n, j);

  // Material and thermal constants.
  c.ererace(k) = c.ererace(j);
  c.qmrerace(k) = c.qmrerace(j);
  c.rock(k) = c.rock(j);
  op.racetemp(k) = op.racetemp(j);
  m.matprop.reracedmpg(k) = m.matprop.reracedmpg(j);

  // Lubrication.
  for (int n = 1; n <= 5; ++n) tp.reracecoeff(n, k) = tp.reracecoeff(n, j);
  tp.reracefilm(k) = tp.reracefilm(j);

  // Fatigue: rotation flag and the per-race constants of the life models.
  fc.iracerot(k) = fc.iracerot(j);
  for (auto* a : {&fc.asptrac,    &fc.ckapalnih,  &fc.ckapalnlp,  &fc.ckapalnvk,  &fc.ckapaptih,
                  &fc.ckapaptlp,  &fc.ckapaptvk,  &fc.depthexplp, &fc.elih,       &fc.ellp,
                  &fc.elvk,       &fc.faccont,    &fc.facmat,     &fc.facproc,    &fc.fcih,
                  &fc.fclp,       &fc.fco,        &fc.fcon,       &fc.fconih,     &fc.fconlp,
                  &fc.fconvk,     &fc.fcvk,       &fc.g1expih,    &fc.g1explp,    &fc.g1expvk,
                  &fc.g2expih,    &fc.g2explp,    &fc.g2expvk,    &fc.g3expih,    &fc.g3explp,
                  &fc.g3expvk,    &fc.gexpih,     &fc.gexplp,     &fc.gexpvk,     &fc.pexpih,
                  &fc.pexplp,     &fc.pexpvk,     &fc.qexp,       &fc.qexpih,     &fc.qexpinv,
                  &fc.qexplp,     &fc.qexpvk,     &fc.resstress,  &fc.rmsaspht,   &fc.shearexpih,
                  &fc.shearexplp, &fc.shearexpvk, &fc.shearlmt,   &fc.sigtheta,   &fc.tauhvk,
                  &fc.taurih,     &fc.taurvk,     &fc.uexpih,     &fc.uexplp,     &fc.uexpvk,
                  &fc.wbdis,      &fc.wbdisinv})
    (*a)(k) = (*a)(j);

  // Per-segment quantities that the contact, profile, fit and life code read for segments 3
  // and 4 as well: cone angle with its tangent and cosine, central length, land limit, crown
  // radius and drop, race centre offset and principal frame, imperfection parameters, body
  // number, frame sines and cosines, race velocity, expansion, hoop stress and its shear
  // terms, the remaining per-race life exponents and the RMS slope; and per element the
  // contact type, initial contact angles, contact frames and line-contact limits.
  g.racetaper(k) = g.racetaper(j);
  g.racetantaper(k) = g.racetantaper(j);
  g.racecostaper(k) = g.racecostaper(j);
  g.racecenlen(k) = g.racecenlen(j);
  g.racelandlmt(k) = g.racelandlmt(j);
  g.racecrn(k) = g.racecrn(j);
  g.racecencrndrop(k) = g.racecencrndrop(j);
  for (int n = 1; n <= 3; ++n) {
    g.racegeocen(n, k) = g.racegeocen(n, j);
    g.rlradvar(n, k) = g.rlradvar(n, j);
    vm.sinrt(n, k) = vm.sinrt(n, j);
    vm.cosrt(n, k) = vm.cosrt(n, j);
    vm.racevel(n, k) = vm.racevel(n, j);
  }
  for (int r = 1; r <= 3; ++r)
    for (int q = 1; q <= 3; ++q) g.racegeotoprin(r, q, k) = g.racegeotoprin(r, q, j);
  for (int n = 1; n <= 4; ++n) {
    g.rloffset(n, k) = g.rloffset(n, j);
    g.rltaper(n, k) = g.rltaper(n, j);
  }
  g.mrace(k) = g.mrace(j);
  op.raceexp(k) = op.raceexp(j);
  op.racehoop(k) = op.racehoop(j);
  for (auto* a : {&fc.tauhih, &fc.depthexpih, &fc.prexpih, &fc.prexplp, &fc.prexpvk,
                  &fc.rmsaspslope, &fc.er, &fc.shearlmtih})
    (*a)(k) = (*a)(j);
  for (int i = 1; i <= 40; ++i) {
    g.kcontype(k, i) = g.kcontype(j, i);
    for (int n = 1; n <= 2; ++n) {
      sol.conang(k, n, i) = sol.conang(j, n, i);
      sol.conlmts(n, k, i) = sol.conlmts(n, j, i);
    }
    for (int r = 1; r <= 3; ++r)
      for (int q = 1; q <= 3; ++q) vm.tacs(r, q, k, i) = vm.tacs(r, q, j, i);
  }

  g.racecurcen(1, k) = -g.racecurcen(1, j);
  g.racecurcen(2, k) = g.racecurcen(2, j);
}

// Solved elements: with a load symmetric about the x-z plane the elements on one side mirror
// those on the other (weight 2 in the race sums); with an axisymmetric load element 1 stands for
// all of them.
void solvedset(Model& m) {
  auto& s = m.setupa4;
  const auto& o = m.options;
  const auto& op = m.opcond;
  const int nre = m.brggeom.nre;
  s.ib = nre;
  s.sx.fill(1.0);
  s.njb.fill(0);
  const bool plane = o.kregeoimp == 0 && o.kracegeoimp.lin(1) == 0 && o.kracegeoimp.lin(2) == 0 &&
                     o.kfs(2) != 0 && op.appdisp(2) == 0.0 && o.kfs(5) != 0 &&
                     op.appmis(2, 1) == 0.0 && op.appmis(2, 2) == 0.0;
  if (!plane) return;
  const bool axial = o.kfs(3) != 0 && op.appdisp(3) == 0.0 && o.kfs(4) != 0 &&
                     op.appmis(1, 1) == 0.0 && op.appmis(1, 2) == 0.0;
  if (axial) {
    s.ib = 1;
    s.sx(1) = nre;
    for (int i = 2; i <= nre; ++i) s.njb(i) = 1;
    return;
  }
  s.ib = (nre + 2) / 2;
  for (int i = 2; i <= s.ib; ++i) s.sx(i) = 2.0;
  for (int k = 2; k <= s.ib; ++k) s.njb(nre + 2 - k) = k;
  if (nre % 2 == 0) {
    s.njb(s.ib) = 0;
    s.sx(s.ib) = 1.0;
  }
}

}  // namespace

void zela2(Model& m) {
  auto& g = m.brggeom;
  auto& rv = m.revecs;
  auto& op = m.opcond;
  const auto& c = m.constants;

  // 1. Race segments and part temperatures; then the scaled form.
  rv.krace(1) = 1;
  rv.krace(2) = 1;
  rv.krace(3) = 0;
  rv.krace(4) = 0;
  g.nrace = 2;
  rv.baseang(1) = 0.0;
  rv.baseang(2) = c.pi;
  zela71::zela71(m);
  op.hsngt(1) = op.hsngt(2) = op.hsngtemp;
  op.shftt(1) = op.shftt(2) = op.shfttemp;
  op.ctempin = op.basetemp;
  op.ctempex = op.basetemp;
  for (int i = 2; i <= g.nre; ++i) op.retemp(i) = op.retemp(1);
  dimorg(m);

  // 2. Element axis and the straight-roller rules of cylindrical and tapered rollers.
  g.bretaper = (g.racetaper(1) - g.racetaper(2)) / 2.0;
  g.reax = g.kbrg == 3 ? g.freeconang : (g.racetaper(1) + g.racetaper(2)) / 2.0;
  if (g.kbrg == 2 || g.kbrg == 4) {
    if (g.brecrn >= c.crnlmt) {
      g.brecenlen = g.brelen;
    } else if (g.brelen <= g.brecenlen) {
      g.brecenlen = g.brelen;
      g.brecrn = 1.0e10;
    }
  }
  zelb2::zelb2(m, 0.0, g.reax, 0.0, g.rebasetran);

  // 3-6. Elements, races and flanges.
  regeoparam(m);
  racegeoparam(m);

  // 7. Race fits.
  zelc2::zelc2(m);
  g.nte = g.nre + 2;

  // 8-11. Life exponents, rotation flags, film formula, grid.
  otherparam(m);

  // 12. Equation count and no-load state.
  m.genvecs.neqns = 12 * g.nre + 25;
  noloadpos(m);
  m.setupa4.rerefpos(1) = m.vecmats.regc(1, 1);
  m.setupa4.rerefpos(2) = m.vecmats.regc(2, 1);
  m.setupa4.racerefpos(1) = m.vecmats.racegc(1, 2) - m.vecmats.racegc(1, 1);
  m.setupa4.racerefpos(2) = 0.0;

  // 13. Split races.
  for (int j = 1; j <= 2; ++j)
    if (g.shimthkns(j) > 0.0) splitrace(m, j);

  // 14. Solved elements.
  solvedset(m);
}

}  // namespace zela2
