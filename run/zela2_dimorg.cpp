// Conversion of the input to the non-dimensional form of the computation, in place and once:
// lengths in units of slen (half the rolling-element diameter), forces in sforce, masses in the
// nominal element mass, angles in radians, speeds in the scaled angular velocity, pressures in
// cpres; traction-curve slopes and break speeds take the scaled slip speed. Also forms the race
// curvatures, the scaled life-model capacity constants (each with its own length exponent) and
// the roughness ratio of the Tallian life modification (millimetres in both unit systems).
#include <cmath>
#include <stdexcept>

#include "model/model.h"
#include "run/zela2.h"

namespace zela2 {

namespace {

// A traction curve takes the slip speed in the scaled velocity: slopes (coefficients 2, 3) per
// unit speed grow by cvel; the break speed (coefficient 4) of the piecewise-linear form (model
// type 0) shrinks by cvel, while in the exponential forms coefficient 4 is a traction value.
void scaletraction(zq::FRef<double, 5> c, int type, double cvel) {
  c(2) = c(2) * cvel;
  c(3) = c(3) * cvel;
  if (type == 0) c(4) = c(4) / cvel;
}

}  // namespace

void dimorg(Model& m) {
  // The conversion works in place: a second pass would scale every quantity again.
  if (m.zela2.dimorgdone != 0)
    throw std::logic_error("zela2::dimorg called a second time: the model is already scaled");
  m.zela2.dimorgdone = 1;

  const auto& c = m.constants;
  auto& g = m.brggeom;
  auto& op = m.opcond;
  auto& tp = m.tracprop;
  auto& fc = m.fatiguecons;
  const int kunit = m.options.kunit;
  const double slen = c.slen;
  const double sforce = c.sforce;
  const double cang = c.cang;

  // Lengths.
  g.brgbore /= slen;
  g.brgod /= slen;
  g.shftid /= slen;
  g.hsngod /= slen;
  g.pitchdia /= slen;
  g.bredia /= slen;
  g.brelen /= slen;
  g.brecrn /= slen;
  g.brecenlen /= slen;
  for (int k = 1; k <= 2; ++k) {
    g.brecorrad(k) /= slen;
    g.breendrad(k) /= slen;
    g.shoulderdia(k) /= slen;
    g.shimthkns(k) /= slen;
    g.racelandlmt(k) /= slen;
    g.racecenlen(k) /= slen;
    g.racewidth(k) /= slen;
    g.flngcls(k) /= slen;
    g.racecrn(k) /= slen;  // race crown radius: a length like the others
  }
  for (int k = 1; k <= 3; ++k) g.bregeocen(k) /= slen;
  for (int j = 1; j <= 4; ++j) {
    for (int k = 1; k <= 3; ++k) g.racegeocen(k, j) /= slen;
    for (int k = 1; k <= 2; ++k) g.racecurcen(k, j) /= slen;
  }
  for (int j = 1; j <= 2; ++j)
    for (int k = 1; k <= 2; ++k) g.flnght(k, j) /= slen;
  for (int k = 1; k <= 8; ++k) g.racerad.lin(k) /= slen;
  g.racecurrad(3) /= slen;
  g.racecurrad(4) /= slen;
  for (int i = 1; i <= 40; ++i) {
    g.rediavar(i) /= slen;
    g.relenvar(i) /= slen;
    g.recrnvar(i) /= slen;
    g.recenlenvar(i) /= slen;
    g.recenlenoffset(i) /= slen;
    for (int k = 1; k <= 2; ++k) {
      g.recorradvar(k, i) /= slen;
      g.reendradvar(k, i) /= slen;
    }
  }
  for (int j = 1; j <= 2; ++j) {
    g.rloffset(1, j) /= slen;
    g.rloffset(2, j) /= slen;
    g.rlradvar(1, j) /= slen;
    // Out-of-round axes are lengths; for waviness entry 2 is a wave number.
    if (m.options.kracegeoimp.lin(j) == 1) g.rlradvar(2, j) /= slen;
  }
  op.racefit(1) /= slen;
  op.racefit(2) /= slen;
  for (int k = 1; k <= 3; ++k) op.appdisp(k) /= slen;
  op.brgorbitrad(1) /= slen;
  tp.reflngfilm /= slen;
  tp.rerefilm /= slen;

  // Angles, degrees to radians.
  g.freeconang /= cang;
  g.bretaper /= cang;
  for (int i = 1; i <= 40; ++i) {
    g.retapervar(i) /= cang;
    for (int k = 1; k <= 2; ++k)
      for (int n = 1; n <= 3; ++n) g.reendframe(n, k, i) /= cang;
  }
  for (int n = 1; n <= 3; ++n) g.breframe(n) /= cang;
  for (int j = 1; j <= 4; ++j)
    for (int n = 1; n <= 3; ++n) g.raceframe(n, j) /= cang;
  g.racetaper(1) /= cang;
  g.racetaper(2) /= cang;
  for (int j = 1; j <= 2; ++j)
    for (int k = 1; k <= 2; ++k) g.flngang(k, j) /= cang;
  for (int j = 1; j <= 2; ++j) {
    g.rloffset(4, j) /= cang;
    g.rltaper(4, j) /= cang;
    g.rlradvar(3, j) /= cang;
    g.cfacvar(3, j) /= cang;
  }
  op.angvelorient /= cang;
  op.brgangposi /= cang;

  // Masses and moments of inertia.
  const double mass = g.bremass;
  const double inertia = slen * slen * g.bremass;
  for (int i = 1; i <= 40; ++i) {
    g.remass(i) /= mass;
    for (int n = 1; n <= 3; ++n) g.remi(n, i) /= inertia;
  }
  for (int j = 1; j <= 4; ++j) {
    g.racemass(j) /= mass;
    for (int n = 1; n <= 3; ++n) g.racemi(n, j) /= inertia;
  }

  // Loads, speeds, accelerations, stresses.
  for (int k = 1; k <= 3; ++k) op.appload(k) /= sforce;
  op.appmoment(1) /= c.cmom;
  op.appmoment(2) /= c.cmom;
  for (int j = 1; j <= 2; ++j) {
    op.rpm(j) /= c.cangvel;
    op.rotloadrpm(j) /= c.cangvel;
  }
  for (int k = 1; k <= 4; ++k) op.rpmrange(k) /= c.cangvel;
  op.brgangvel /= c.cangvel;
  for (int k = 1; k <= 3; ++k) op.gravityvec(k) /= c.cacc;
  fc.resstress(1) /= c.cpres;
  fc.resstress(2) /= c.cpres;

  // Traction curves, each by the model type it was built with.
  scaletraction(tp.reracecoeff.sub<5>(1), tp.ktractype, c.cvel);
  scaletraction(tp.reracecoeff.sub<5>(2), tp.ktractype, c.cvel);
  scaletraction(tp.reflngcoeff, tp.krftractype, c.cvel);
  scaletraction(tp.rerecoeff, tp.krrtractype, c.cvel);

  op.pctdisp(1) /= 100.0;

  // Derived: axial angular velocity of each race.
  for (int j = 1; j <= 2; ++j) m.vecmats.raceangvel(1, j) = op.rpm(j);

  // Race curvature radii: a radius given as zero means a straight race (curvature kept).
  for (int j = 1; j <= 2; ++j) {
    const double r = g.racecurrad(j) / slen;
    if (r < c.tolr(2)) {
      g.racecurrad(j) = 1.0e10;
    } else {
      g.racecurrad(j) = r;
      g.racecur(j) = -1.0 / r;
    }
  }

  // Life-model constants: reference modulus and capacities, each with its length exponent
  // (the stress-capacity constant of the IH model carries the LP exponent).
  fc.baseep = fc.baseep * slen * slen / sforce;
  for (int n = 1; n <= 4; ++n) {
    fc.fcon(n) = fc.fcon(n) * std::pow(slen, fc.el) / sforce;
    fc.fconlp(n) = fc.fconlp(n) * std::pow(slen, fc.ellp(n)) / sforce;
    fc.fconvk(n) = fc.fconvk(n) * std::pow(slen, fc.elvk(n)) / sforce;
    fc.fconih(n) = fc.fconih(n) * std::pow(slen, fc.ellp(n)) / sforce;
  }
  fc.fconlpre = fc.fconlpre * std::pow(slen, fc.ellpre) / sforce;
  fc.fconvkre = fc.fconvkre * std::pow(slen, fc.elvkre) / sforce;
  fc.fconihre = fc.fconihre * std::pow(slen, fc.ellpre) / sforce;

  // Limit shear stress stays in pascals.
  if (kunit != 1)
    for (int k = 1; k <= 4; ++k) fc.shearlmt(k) *= 6894.757;

  // Roughness ratio (mm) of the RMS height h and the RMS slope h_mm^0.7393 / 0.02683:
  // 1000 h / slope reduces to 0.02683 h_mm^0.2607 with h_mm the height in millimetres, which
  // stays defined (zero) for a smooth surface where the quotient would be 0/0.
  const double tomm = kunit == 1 ? 1000.0 : 25.4;
  for (int j = 1; j <= 2; ++j) {
    const double hmm = fc.rmsaspht(j) * tomm;
    fc.sigtheta(j) = 0.02683 * std::pow(hmm, 0.2607);
  }

  // Residual-stress shear terms of the VK and IH models (scaled stress).
  for (int j = 1; j <= 2; ++j) {
    fc.taurvk(j) = 0.5 * fc.resstress(j);
    fc.taurih(j) = 0.4714 * fc.resstress(j);
  }
}

}  // namespace zela2
