// Local profile radius of a rolling element or a race segment at axial coordinate x (units of
// the rolling-element radius) and, for a race, at angle phi (radians) around the bearing axis.
// Element: a cone of the element's taper with a circular crown outside the flat central land,
// its drop measured along the generatrix from the land centre and written as the two-term
// series of the circular sagitta, so the profile is continuous at the land ends and never
// rises above the cone (also for a land offset along the roller). Race: the curvature-centre
// radius of a grooved race, or the raceway cone with its crown and the imperfections (varying
// taper and land offset, out-of-round ellipse of the raceway, waviness).
#include "contact/zelc7.h"

#include <cmath>

#include "model/model.h"

namespace zelc7 {

double zelc7(Model& m, int k, int n, int mode, double x, double phi) {
  (void)n;  // no variant depends on it
  const auto& g = m.brggeom;
  const auto& c = m.constants;
  const double crnlmt = c.crnlmt;

  if (k <= g.nre) {
    // Rolling element: cone through the reference radius at x = rerad tan(taper), crowned
    // outside the land. The crown is tangent to the cone at the land centre (the land's two
    // limits are placed about it by the set-up) and drops from there along the generatrix:
    // arc length (x - centre)/cos(taper), drop normal to the generatrix, radial drop
    // drop/cos(taper).
    const double tan = g.retantaper(k);
    const double u0 = x - tan * g.rerad(k);
    double r = g.rerad(k) - tan * u0;
    const double crn = g.recrn(k);
    if (crn < crnlmt && (x < g.recenlmt(1, k) || x > g.recenlmt(2, k))) {
      const double cost = g.recostaper(k);
      const double centre = 0.5 * (g.recenlmt(1, k) + g.recenlmt(2, k));
      const double u = (x - centre) / (crn * cost);
      r = r - ((c.one4 * u * u + 1.0) * c.one2 * u * u * crn - g.recencrndrop(k)) / cost;
    }
    return r;
  }

  const int seg = k - g.nre;
  double r = 0.0;
  if (g.racecurrad(seg) <= crnlmt) {
    // Grooved or transversely curved race: the radius of its curvature centre.
    r = g.racecurcen(2, seg);
  } else {
    // Straight or tapered raceway; taper and land offset may vary around the race.
    const double taper = g.racetantaper(seg) + g.rltaper(1, seg) +
                         g.rltaper(2, seg) * std::sin(g.rltaper(3, seg) * phi + g.rltaper(4, seg));
    const double off = g.rloffset(1, seg) +
                       g.rloffset(2, seg) * std::sin(g.rloffset(3, seg) * phi + g.rloffset(4, seg));
    // Base radius: the raceway radius of the segment, outer (segments 1, 3: racerad(2, seg))
    // or inner (segments 2, 4: racerad(1, seg)); a split race's second half carries a copy of
    // its race's radii.
    const double r0 = c.sig(seg) > 0.0 ? g.racerad(2, seg) : g.racerad(1, seg);
    r = r0 - taper * x;
    const double len = g.racecenlen(seg);
    if (x < off - len || x > off + len) {
      // Crown measured from the race's axial reference, not from the land offset.
      const double crn = g.racecrn(seg);
      const double u = x / crn;
      r = r - ((c.one4 * u * u + 1.0) * c.one2 * u * u * crn - g.racecencrndrop(seg));
    }
  }

  const double a1 = g.rlradvar(1, seg);
  const double a2 = g.rlradvar(2, seg);
  const double a3 = g.rlradvar(3, seg);
  if (mode == 1) {
    // Out-of-round: the raceway is an ellipse with semi-axes rw + a1 (at angle a3) and rw + a2,
    // in polar form. A curved race carries its curvature centre with its raceway: the centre
    // radius moves by the raceway's deviation at phi. The ellipse is never formed on the
    // centre radius itself, which is 0 for a spherical outer race and negative where the
    // centre lies beyond the bearing axis (spherical tapered races): the squares would lose
    // its sign.
    if (a1 == a2) return r + a1;  // a circle: exact
    const bool curved = g.racecurrad(seg) <= crnlmt;
    const double rw = !curved ? r : c.sig(seg) > 0.0 ? g.racerad(2, seg) : g.racerad(1, seg);
    const double ax = rw + a1;
    const double bx = rw + a2;
    const double cs = std::cos(phi - a3);
    const double sn = std::sin(phi - a3);
    const double e = 1.0 / std::sqrt(cs * cs / (ax * ax) + sn * sn / (bx * bx));
    r = curved ? r + (e - rw) : e;
  } else if (mode == 2) {
    // Waviness: amplitude a1, wave number a2, phase a3.
    r = r + a1 * std::sin(a2 * phi + a3);
  }
  return r;
}

}  // namespace zelc7
