// Geometry of every rolling element from the nominal element and its variations, non-dimensional
// (lengths in slen, radians): taper, crown radius and centre, half length and reference radius,
// the central land about the generatrix mid-point (plus its offset) with the crown drop at its
// ends along the generatrix (two-term sagitta series), end spheres, corner circles, profile
// limits, end-face and principal frames, initial contact angles and frames and the contact type
// of each race contact. Element x runs along the roller axis, side I (k = 1) toward negative x.
#include <algorithm>
#include <cmath>

#include "model/model.h"
#include "numerics/zelb2.h"
#include "run/zela2.h"

namespace zela2 {

namespace {

// Sine and cosine of a contact angle, from their series next to 0 and pi so that the nearly
// axial frames of cylindrical races come out exactly.
void contactsincos(double phi, double pi, double& s, double& c) {
  if (std::abs(phi) < 0.001) {
    const double p2 = phi * phi;
    s = phi - phi * p2 / 6.0 + phi * p2 * p2 / 120.0;
    c = 1.0 - p2 / 2.0 + p2 * p2 / 24.0;
    return;
  }
  const double d = phi - pi;
  if (std::abs(d) < 0.001) {
    const double d2 = d * d;
    s = -(d - d * d2 / 6.0 + d * d2 * d2 / 120.0);
    c = -1.0 + d2 / 2.0 - d2 * d2 / 24.0;
    return;
  }
  s = std::sin(phi);
  c = std::cos(phi);
}

}  // namespace

void regeoparam(Model& m) {
  auto& g = m.brggeom;
  auto& sol = m.solutions;
  const auto& c = m.constants;
  const double crnlmt = c.crnlmt;

  for (int i = 1; i <= g.nre; ++i) {
    g.retaper(i) = g.bretaper + g.retapervar(i);
    g.retantaper(i) = std::tan(g.retaper(i));
    g.recostaper(i) = std::cos(g.retaper(i));
    const double tn = g.retantaper(i);
    const double cs = g.recostaper(i);

    g.recrn(i) = g.brecrn + g.recrnvar(i);
    g.relen(i) = (g.brelen + g.relenvar(i)) / 2.0;
    g.redia(i) = (g.bredia + g.rediavar(i)) - 2.0 * tn * g.relen(i);
    g.rerad(i) = g.redia(i) / 2.0;
    g.recur(1, i) = 1.0 / g.rerad(i);
    g.recur(2, i) = 1.0 / g.recrn(i);
    const double len = g.relen(i);
    const double rad = g.rerad(i);

    // Central land, centred (with its offset) on the generatrix mid-point x = t = rerad tan(taper)
    // about which the profile radius builds the cone: for a tapered roller a land about x = 0
    // would end 2.8 um above the crown on one side and 3.0 um below it on the other.
    const double t = rad * tn;
    const double h = (g.brecenlen + g.recenlenvar(i)) / 2.0;
    const double off = g.recenlenoffset(i);
    g.recenlmt(1, i) = t + off - h;
    g.recenlmt(2, i) = t + off + h;

    // Crown: drop at the end of the land and the centre of the crown circle (axial, radial).
    // The drop is the sagitta of the crown over the generatrix length h/cos(taper) of the half
    // land (two-term series, as the profile radius writes it), so that the profile radius is
    // continuous at the land ends.
    const bool straight = g.recrn(i) >= crnlmt;
    const double r = g.recrn(i);
    if (straight) {
      g.recencrndrop(i) = 0.0;
      g.recurcen(1, i) = 0.0;
      g.recurcen(2, i) = 0.0;
    } else {
      const double uh = h / (r * cs);
      g.recencrndrop(i) = (r / 2.0) * uh * uh * (1.0 + uh * uh / 4.0);
      switch (g.kbrg) {
        case 1:
          g.recurcen(1, i) = 0.0;
          g.recurcen(2, i) = 0.0;
          break;
        case 2:
        case 3:
          g.recurcen(1, i) = 0.0;
          g.recurcen(2, i) = rad - r;
          break;
        default: {  // tapered types: the crown centre lies on the normal to the cone
          const double lp = len / cs;
          const double cc = cs * ((rad / cs - r) + lp * lp * (1.0 + lp * lp / (4.0 * r * r)) / (2.0 * r));
          g.recurcen(2, i) = cc;
          g.recurcen(1, i) = cc * tn;
          break;
        }
      }
    }

    // Ends: profile radii against the races, end spheres, corner circles, end-face frames. The
    // corner circle meets the crown where the profile radius has it: the drop at the corner is
    // measured from the land centre, (len - cr) -/+ offset away for side I/II.
    for (int k = 1; k <= 2; ++k) {
      g.reprrad(k, i) = 2.0 / (g.recur(2, i) - g.racecur(k));
      g.reendrad(k, i) = g.breendrad(k) + g.reendradvar(k, i);
      g.recorrad(k, i) = g.brecorrad(k) + g.recorradvar(k, i);
      const double sg = c.sig(k);
      if (g.reendrad(k, i) >= crnlmt) {
        g.reendcen(k, i) = 0.0;
      } else {
        const double e = g.reendrad(k, i);
        const double v = ((g.bredia + g.rediavar(i)) / 2.0) / e;
        g.reendcen(k, i) = sg * ((e - len) - e * (v * v / 2.0) * (1.0 + v * v / 4.0)) + t;
      }
      const double cr = g.recorrad(k, i);
      g.recorcen(1, k, i) = t - sg * (len - cr);
      double d = 0.0;
      if (!straight) {
        const double u = (len - cr + sg * off) / (r * cs);
        d = (r / 2.0) * u * u * (1.0 + u * u / 4.0) - g.recencrndrop(i);
      }
      g.recorcen(2, k, i) = len * tn * sg + rad - cr - d / cs;
      zelb2::zelb2(m, g.reendframe(1, k, i), g.reendframe(2, k, i), g.reendframe(3, k, i),
                   g.tre.sub<3, 3>(k, i));
    }
    zelb2::zelb2(m, g.reframe(1, i), g.reframe(2, i), g.reframe(3, i), g.regeotoprin.sub<3, 3>(i));

    // Flat half length used by the contacts and the axial limits of the profile.
    const double w = std::min({h, len, len - g.recorrad(2, i)});
    g.recenlen(i) = w;
    g.reconlmt(1, i) = g.recorrad(1, i) - len + t;
    g.reconlmt(2, i) = len - g.recorrad(2, i) + t;

    // Initial contact angles (from the race base angle 0 outer, pi inner) and frames.
    sol.conang(1, 1, i) = g.racetaper(1);
    sol.conang(2, 1, i) = g.racetaper(2) + c.pi;
    sol.conang(1, 2, i) = 0.0;
    sol.conang(2, 2, i) = 0.0;
    for (int j = 1; j <= 2; ++j) {
      double s, co;
      contactsincos(sol.conang(j, 1, i), c.pi, s, co);
      auto tacs = m.vecmats.tacs.sub<3, 3>(j, i);
      tacs(1, 1) = co;
      tacs(1, 2) = 0.0;
      tacs(1, 3) = -s;
      tacs(2, 1) = 0.0;
      tacs(2, 2) = 1.0;
      tacs(2, 3) = 0.0;
      tacs(3, 1) = s;
      tacs(3, 2) = 0.0;
      tacs(3, 3) = co;
    }

    // Contact type: 0 point; 1 line with a flat part; -1 crowned roller on a straight race
    // without flat; -2 straight roller on a crowned race without flat; -3 both crowned.
    for (int j = 1; j <= 2; ++j) {
      int kt;
      if (g.racecurfac(j) > 0.0) {
        kt = 0;
      } else if (g.racecurrad(j) <= crnlmt) {
        if (g.racecenlen(j) > 0.0) {
          kt = 1;
        } else if (g.recrn(i) <= crnlmt) {
          kt = w > 0.0 ? 1 : -3;
        } else {
          kt = -2;
        }
      } else {
        kt = (g.recrn(i) >= crnlmt || w > 0.0) ? 1 : -1;
      }
      g.kcontype(j, i) = kt;
      // First strip of a line contact: the land within the profile limits (about x = 0 a
      // tapered roller's strip would start off its land, and a short land's loaded strip would
      // be missed altogether; a straight roller's strip is its whole profile).
      sol.conlmts(1, j, i) = std::max(g.recenlmt(1, i), g.reconlmt(1, i));
      sol.conlmts(2, j, i) = std::min(g.recenlmt(2, i), g.reconlmt(2, i));
    }
  }
}

}  // namespace zela2
