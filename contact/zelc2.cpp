// Race fits, expansion and hoop stress: housing, shaft and races as thick rings in plane stress
// (Lame with the rotating-disc terms, Timoshenko & Goodier ch. 4). Lengths in slen, speeds
// scaled, temperatures in K or R; fit pressures and hoop stresses in Pa or psi. Rolling elements
// grow with their profile (crown and corner centres move with the radius); the operating
// clearance is twice the inner race's radial travel to the touch of element 1 (spherical
// rollers: of the race sphere centres; tapered rollers: roller growth over the cone's normal).
#include "contact/zelc2.h"

#include <algorithm>
#include <cmath>

#include "model/model.h"
#include "run/stop.h"

namespace zelc2 {

void ringcoef(double a, double b, double r, double em, double pr, double den, double cte,
              zq::FRef<double, 4> u, zq::FRef<double, 3> s) {
  if (a > 0.0) {
    // Hollow ring. The pressure terms exist only for a ring with b > a.
    const double d = b * b - a * a;
    if (b > a) {
      u(1) = -r * b * b * ((1.0 - pr) + (1.0 + pr) * a * a / (r * r)) / (em * d);
      u(2) = r * a * a * ((1.0 - pr) + (1.0 + pr) * b * b / (r * r)) / (em * d);
      s(1) = -b * b * (1.0 + a * a / (r * r)) / d;
      s(2) = a * a * (1.0 + b * b / (r * r)) / d;
    } else {
      u(1) = 0.0;
      u(2) = 0.0;
      s(1) = 0.0;
      s(2) = 0.0;
    }
    u(3) = den * r * (3.0 + pr) * (1.0 - pr) / (8.0 * em) *
           (a * a + b * b + (1.0 + pr) * a * a * b * b / ((1.0 - pr) * r * r) -
            (1.0 + pr) * r * r / (3.0 + pr));
    s(3) = den * (3.0 + pr) / 8.0 *
           (a * a + b * b + a * a * b * b / (r * r) - (1.0 + 3.0 * pr) * r * r / (3.0 + pr));
  } else {
    // Solid disc: no inside surface.
    u(1) = -r * (1.0 - pr) / em;
    u(2) = 0.0;
    u(3) = den * r * (1.0 - pr) / (8.0 * em) * ((3.0 + pr) * b * b - (1.0 + pr) * r * r);
    s(1) = -1.0;
    s(2) = 0.0;
    s(3) = den / 8.0 * ((3.0 + pr) * b * b - (1.0 + 3.0 * pr) * r * r);
  }
  u(4) = cte * r;
}

// The housing ring exists when its outside radius exceeds the bearing's outside radius, the
// shaft ring when its bore radius is below the bearing bore radius (a solid shaft has none).
bool housingexists(const Model& m) { return 0.5 * m.brggeom.hsngod > m.setupc2.racerads(1); }
bool shaftexists(const Model& m) { return 0.5 * m.brggeom.shftid < m.setupc2.racerads(4); }

// First call: radii as they stand, fits, mean taper and the ring coefficients.
void firstcall(Model& m) {
  auto& s = m.setupc2;
  const auto& g = m.brggeom;
  const auto& mp = m.matprop;
  for (int k = 1; k <= 4; ++k) s.racerads(k) = g.racerad.lin(k);
  s.racecurcens(1) = g.racecurcen(1, 1);
  s.racecurcens(2) = g.racecurcen(2, 1);
  s.racecurcens(3) = g.racecurcen(1, 2);
  s.racecurcens(4) = g.racecurcen(2, 2);
  s.fits(1) = 0.5 * m.opcond.racefit(1);
  s.fits(2) = 0.5 * m.opcond.racefit(2);
  s.ctaper = std::cos((g.racetaper(1) + g.racetaper(2)) / 2.0);

  // Housing at its bore.
  double a = g.racerad.lin(1);
  double b = g.hsngod / 2.0;
  ringcoef(a, b, a, mp.hsngem, mp.hsngpr, mp.hsngden, mp.hsngcte, s.vh, s.sth);
  // Shaft at its outside surface.
  a = g.shftid / 2.0;
  b = g.racerad.lin(4);
  ringcoef(a, b, b, mp.shftem, mp.shftpr, mp.shftden, mp.shftcte, s.vs, s.sts);
  // Races at their outside (1) and inside (2) surfaces.
  for (int j = 1; j <= 2; ++j) {
    b = s.racerads(2 * j - 1);
    a = s.racerads(2 * j);
    ringcoef(a, b, b, mp.raceem(j), mp.racepr(j), mp.raceden(j), mp.racecte(j),
             s.vr.sub<4>(1, j), s.str.sub<3>(1, j));
    ringcoef(a, b, a, mp.raceem(j), mp.racepr(j), mp.raceden(j), mp.racecte(j),
             s.vr.sub<4>(2, j), s.str.sub<3>(2, j));
  }
  s.initc2 = 1;
}

// An interference fit presses the race against a housing or shaft ring that cannot exist:
// report the envelope dimensions (user units) and stop.
[[noreturn]] void stopnoring(Model& m, bool housing) {
  const double sl = m.constants.slen;
  const auto& g = m.brggeom;
  auto& rep = m.devices.report;
  if (housing) {
    rep.write("/,5X,\"Execution terminating in Zelc2\","
              "/,5X,\"Interference fit of the outer race needs a housing whose outside\","
              "/,5X,\"diameter is larger than the bearing outside diameter.\","
              "/,5X,\"Check the bearing envelope record.\","
              "/,5X,\"Housing OD   = \",E12.4,1X,A4,"
              "/,5X,\"Bearing OD   = \",E12.4,1X,A4,/,/",
              {g.hsngod * sl, m.units.ulen, 2.0 * m.setupc2.racerads(1) * sl, m.units.ulen});
  } else {
    rep.write("/,5X,\"Execution terminating in Zelc2\","
              "/,5X,\"Interference fit of the inner race needs a shaft whose inside\","
              "/,5X,\"diameter is smaller than the bearing bore diameter.\","
              "/,5X,\"Check the bearing envelope record.\","
              "/,5X,\"Shaft ID     = \",E12.4,1X,A4,"
              "/,5X,\"Bearing bore = \",E12.4,1X,A4,/,/",
              {g.shftid * sl, m.units.ulen, 2.0 * m.setupc2.racerads(4) * sl, m.units.ulen});
  }
  zq::stopRun("zelc2");
}

namespace {

// Moves the profile features of roller i that the set-up places about the generatrix point
// (rerad tan, rerad) by the growth du of its radius: axially by tan du, radially by du.
void moveprofile(Brggeom& g, int i, double du, double crnlmt) {
  if (du == 0.0) return;
  const double ax = g.retantaper(i) * du;
  if (g.recrn(i) < crnlmt) {
    g.recurcen(1, i) += ax;
    g.recurcen(2, i) += du;
  }
  for (int k = 1; k <= 2; ++k) {
    g.recorcen(1, k, i) += ax;
    g.recorcen(2, k, i) += du;
    if (g.reendrad(k, i) < crnlmt) g.reendcen(k, i) += ax;
    g.reconlmt(k, i) += ax;
    g.recenlmt(k, i) += ax;
  }
}

// Radial travel of the inner race of a spherical roller bearing from its place to the touch
// of element 1 with both race spheres: the distance of the sphere centres (axial da, radial
// dr) grows to Ro + Ri - D. Zero room (centres too far apart axially) counts as none.
double sphericaltakeup(const Brggeom& g) {
  const double d = g.racecurrad(1) + g.racecurrad(2) - g.redia(1);
  const double da = g.racecurcen(1, 2) - g.racecurcen(1, 1);
  const double dr = g.racecurcen(2, 2) - g.racecurcen(2, 1);
  return std::sqrt(std::max(0.0, d * d - da * da)) - dr;
}

}  // namespace

void zelc2(Model& m) {
  auto& s = m.setupc2;
  auto& g = m.brggeom;
  auto& oc = m.opcond;
  auto& fc = m.fatiguecons;
  auto& lc = m.zelc2;
  if (s.initc2 == 0) firstcall(m);

  const double w1 = m.vecmats.raceangvel(1, 1);
  const double w2 = m.vecmats.raceangvel(1, 2);
  const double w1s = w1 * w1;
  const double w2s = w2 * w2;
  const double dt1 = oc.racetemp(1) - oc.roomtemp;
  const double dt2 = oc.racetemp(2) - oc.roomtemp;
  const double dth = oc.hsngtemp - oc.roomtemp;
  const double dts = oc.shfttemp - oc.roomtemp;

  // Free growth of the race surfaces and hoop stresses from speed alone.
  lc.raceu(1) = s.vr(3, 1, 1) * w1s + s.vr(4, 1, 1) * dt1;
  lc.raceu(2) = s.vr(3, 2, 1) * w1s + s.vr(4, 2, 1) * dt1;
  lc.raceu(3) = s.vr(3, 1, 2) * w2s + s.vr(4, 1, 2) * dt2;
  lc.raceu(4) = s.vr(3, 2, 2) * w2s + s.vr(4, 2, 2) * dt2;
  double h1 = s.str(3, 2, 1) * w1s;
  lc.racehoopf(2) = s.str(3, 1, 2) * w2s;
  double h2 = s.str(3, 2, 2) * w2s;

  // Outer race in the housing (the housing turns with race 1). A housing that cannot exist
  // (outside diameter not above the bearing's, e.g. 0 for none) takes no part: the race grows
  // freely and no fit pressure arises; only an input interference fit needs the housing.
  const bool housing = housingexists(m);
  if (!housing && s.fits(1) > 0.0) stopnoring(m, true);
  const double i1 = s.fits(1) + lc.raceu(1) - (housing ? s.vh(3) * w1s + s.vh(4) * dth : 0.0);
  if (housing && i1 > 0.0) {
    const double p1 = i1 / (s.vh(2) - s.vr(1, 1, 1));
    lc.raceu(1) += s.vr(1, 1, 1) * p1;
    lc.raceu(2) += s.vr(1, 2, 1) * p1;
    h1 += s.str(1, 2, 1) * p1;
  }
  oc.racehoop(1) = h1;
  lc.racehoopf(1) = h1;

  // Inner race on the shaft (the shaft turns with race 2); a shaft that cannot exist likewise.
  const bool shaft = shaftexists(m);
  if (!shaft && s.fits(2) > 0.0) stopnoring(m, false);
  const double i2 = s.fits(2) - lc.raceu(4) + (shaft ? s.vs(4) * dts + s.vs(3) * w2s : 0.0);
  if (shaft && i2 > 0.0) {
    const double p2 = i2 / (s.vr(2, 2, 2) - s.vs(1));
    lc.raceu(4) += s.vr(2, 2, 2) * p2;
    lc.raceu(3) += s.vr(2, 1, 2) * p2;
    lc.racehoopf(2) += s.str(2, 1, 2) * p2;
    h2 += s.str(2, 2, 2) * p2;
  }
  oc.racehoop(2) = h2;

  // Hoop shear terms of the VK and IH life models (octahedral factor sqrt(2)/3).
  const double cpres = m.constants.cpres;
  for (int j = 1; j <= 2; ++j) {
    fc.tauhvk(j) = -0.5 * fc.khoop * lc.racehoopf(j) / cpres;
    fc.tauhih(j) = -0.4714045 * fc.khoop * lc.racehoopf(j) / cpres;
  }

  oc.opracefit(1) = 2.0 * i1;
  oc.opracefit(2) = 2.0 * i2;
  oc.raceexp(1) = lc.raceu(2);
  oc.raceexp(2) = lc.raceu(3);

  // Thermal growth of the rolling-element diameters.
  for (int i = 1; i <= g.nre; ++i)
    lc.reu(i) = (oc.retemp(i) - oc.roomtemp) * m.matprop.recte * g.bredia;

  // Operating radii, always from the radii of the first call.
  for (int k = 1; k <= 4; ++k) g.racerad.lin(k) = s.racerads(k) + lc.raceu(k);
  g.racecurcen(2, 1) = s.racecurcens(2) + lc.raceu(2);
  g.racecurcen(2, 2) = s.racecurcens(4) + lc.raceu(3);

  // Second halves of split races.
  if (g.nrace > 2) {
    g.racecurcen(2, 3) = g.racecurcen(2, 1);
    g.racecurcen(2, 4) = g.racecurcen(2, 2);
    for (int j = 3; j <= 4; ++j) {
      fc.tauhvk(j) = fc.tauhvk(j - 2);
      fc.tauhih(j) = fc.tauhih(j - 2);
      oc.raceexp(j) = oc.raceexp(j - 2);
      oc.racehoop(j) = oc.racehoop(j - 2);
    }
    for (int k = 5; k <= 8; ++k) g.racerad.lin(k) = g.racerad.lin(k - 4);
  }

  // Element diameters with size scatter and thermal growth. A ball stays a sphere: both of
  // its principal curvatures follow the new radius. A roller's profile moves out with its
  // radius: the profile is built about the generatrix point (rerad tan, rerad), which moves by
  // (tan, 1) times the radius growth, and so do the crown and corner-circle centres, the
  // end-sphere centres, the land and the contact limits (crown and corner radii kept).
  // Moving by the change of the radius since the last call keeps repeated calls exact.
  for (int i = 1; i <= g.nre; ++i) {
    const double before = g.rerad(i);
    g.redia(i) = g.bredia + g.rediavar(i) + lc.reu(i) - 2.0 * g.relen(i) * g.retantaper(i);
    g.rerad(i) = g.redia(i) / 2.0;
    if (g.kbrg == 1) g.recrn(i) = g.rerad(i);
    g.recur(1, i) = 1.0 / g.rerad(i);
    if (g.kbrg == 1) g.recur(2, i) = g.recur(1, i);
    if (g.kbrg > 1) moveprofile(g, i, g.rerad(i) - before, m.constants.crnlmt);
  }

  // Operating diametral clearance, from element 1: twice the radial travel of the inner race
  // from the concentric position until element 1 touches both races.
  if (g.kbrg == 1) {
    oc.opintcls = 2.0 * (g.racecurcen(2, 1) - g.racecurcen(2, 2) +
                         (g.racecurrad(1) - g.rerad(1)) * g.cosshimang(1) +
                         (g.racecurrad(2) - g.rerad(1)) * g.cosshimang(2));
  } else if (g.kbrg == 3) {
    oc.opintcls = 2.0 * sphericaltakeup(g);
  } else {
    // Tapered rollers: the rest geometry (element 1 without growth) and the growth du of the
    // roller radius. The roller keeps its outer mid-generatrix point on the cup; its inner
    // generatrix moves toward the cone by 2 du cos(b) normal to it (b the roller half angle),
    // which the cone's radial travel covers with cos(cone angle). Cylindrical rollers: 2 du.
    const double rest = g.redia(1) - lc.reu(1);
    const double b = (g.racetaper(1) - g.racetaper(2)) / 2.0;
    const double grow = lc.reu(1) * std::cos(b) / std::cos(g.racetaper(2));
    oc.opintcls = 2.0 * (g.racerad.lin(2) - g.racerad.lin(3) - rest * s.ctaper - grow);
  }
}

}  // namespace zelc2
