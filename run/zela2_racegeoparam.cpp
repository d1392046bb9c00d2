// Race and flange geometry, non-dimensional: body numbers, principal frames, cone tangents and
// cosines, the crown drop at the end of a race's central part (also of a straight-across race
// with a finite crown radius, so its profile is continuous there); for roller bearings the
// corner search steps and per flange the flange origin (race frame) for a flat end with a corner
// or a spherical end, the flange frame R2(flange angle) F R2(race taper) and the Hertz constants
// of the roller-end to flange contact (Q = C1 delta^1.5 with its linear continuation).
#include <algorithm>
#include <cmath>

#include "contact/zelc4.h"
#include "model/model.h"
#include "numerics/zelb2.h"
#include "run/stop.h"
#include "run/zela2.h"
#include "run/zela9.h"

namespace zela2 {

namespace {

// Sagitta of a circle of radius r over the half chord c, two-term series.
double sagitta(double c, double r) { return c * c * (1.0 + c * c / (4.0 * r * r)) / (2.0 * r); }

// The Hertz constants of a flange contact need a roller end with finite curvatures: a flat end
// needs a corner radius above zero (spherical tapered rollers have none: their flanged ends
// must be spherical), a spherical end a radius of at least half the roller diameter (below it
// the end cannot meet the roller's edge). Values in the user's length unit.
[[noreturn]] void stopflangeend(Model& m, int k, int j, bool spherical, double radius,
                                double limit) {
  const double sl = m.constants.slen;
  const auto& g = m.brggeom;
  auto& rep = m.devices.report;
  rep.write("/,5X,\"Execution terminating in Zela2\"", {});
  if (spherical) {
    rep.write("5X,\"Spherical roller end facing flange \",I1,\" of race \",I1,"
              "\" is too small:\",/,5X,\"the end radius must be at least half the roller "
              "diameter.\",/,5X,\"Roller end radius  = \",E12.4,1X,A4,/,5X,"
              "\"Half roller dia    = \",E12.4,1X,A4,/,/",
              {k, j, radius * sl, m.units.ulen, limit * sl, m.units.ulen});
  } else if (g.kbrg == 5) {
    // A spherical tapered roller has no corner radius on its geometry record: a flat end
    // cannot run against a flange, an end sphere can.
    rep.write("5X,\"Flat roller end facing flange \",I1,\" of race \",I1,"
              "\" has no corner radius:\",/,5X,\"a spherical tapered roller has no corner "
              "radius input. Give this roller end\",/,5X,\"an end radius of at least half the "
              "roller diameter on the spherical tapered\",/,5X,\"roller geometry record.\",/,5X,"
              "\"Half roller dia    = \",E12.4,1X,A4,/,/",
              {k, j, g.bredia / 2.0 * sl, m.units.ulen});
  } else {
    rep.write("5X,\"Flat roller end facing flange \",I1,\" of race \",I1,"
              "\" has no corner radius:\",/,5X,\"the corner radius must be greater than "
              "zero.\",/,5X,\"Roller corner radius = \",E12.4,1X,A4,/,/",
              {k, j, radius * sl, m.units.ulen});
  }
  zq::stopRun("zela2::racegeoparam");
}

}  // namespace

void racegeoparam(Model& m) {
  auto& g = m.brggeom;
  auto& fd = m.flngdata;
  const auto& c = m.constants;
  const double crnlmt = c.crnlmt;
  const double pi = c.pi;

  // Flange-contact working state starts clear.
  fd.istat.fill(0);
  fd.rerotc.fill(0.0);
  fd.rerotp.fill(0.0);
  m.solutions.ths.fill(0.0);

  // Corner search: the step must be finer than the corner arc that stays below the highest
  // flange (flange heights in roller radii).
  double dropend = 0.0;
  if (g.kbrg == 1) {
    fd.xth = 0.0;
    fd.nth = 0;
  } else {
    const double hm = std::max({g.flnght(1, 1), g.flnght(2, 1), g.flnght(1, 2), g.flnght(2, 2)});
    double arc = 0.0;
    if (hm > 0.0 && hm < 1.0) arc = std::atan(std::sqrt(1.0 - (1.0 - hm) * (1.0 - hm)) / (1.0 - hm));
    // A height so small that its arc vanishes in rounding counts as no height at all.
    fd.nth = arc > 0.0 ? int(2.0 * pi / arc) : 5;
    fd.xth = 2.0 * pi / fd.nth;
    // Crown drop of the nominal roller at the corners, less that at the end of the land.
    if (g.brecrn < crnlmt) {
      const double u = (g.brelen - g.brecorrad(1) - g.brecorrad(2)) / 2.0;
      dropend = sagitta(u, g.brecrn);
      if (g.brecenlen > 0.0) dropend -= sagitta(g.brecenlen / 2.0, g.brecrn);
    }
  }

  // Roller half angle, apex distance of the nominal roller and raceway radii at the flanges.
  const double b = (g.racetaper(1) - g.racetaper(2)) / 2.0;
  const double apex = std::sin(b) > 0.0 ? (g.bredia / 2.0) / std::sin(b) - (g.brelen / 2.0) / std::cos(b) : 0.0;
  const double rr[3] = {0.0, g.racerad(2, 1), g.racerad(1, 2)};

  for (int j = 1; j <= 2; ++j) {
    g.mrace(j) = g.nre + j;
    zelb2::zelb2(m, g.raceframe(1, j), g.raceframe(2, j), g.raceframe(3, j),
                 g.racegeotoprin.sub<3, 3>(j));
    g.racetantaper(j) = std::tan(g.racetaper(j));
    g.racecostaper(j) = std::cos(g.racetaper(j));

    // Crown drop of the race at the end of its central part: of the transverse curvature of
    // a crowned race, or of the crown radius of a straight-across race with a crown, so that
    // the race profile is continuous at the end of the central part.
    const double cl = g.racecenlen(j);
    if (g.racecurrad(j) < crnlmt) {
      g.racecencrndrop(j) = sagitta(cl, g.racecurrad(j));
    } else if (g.racecrn(j) < crnlmt) {
      g.racecencrndrop(j) = sagitta(cl, g.racecrn(j));
    }

    if (g.kbrg < 2) continue;
    for (int k = 1; k <= 2; ++k) {
      if (g.kflngind(k, j) <= 0) continue;
      const double ang = g.flngang(k, j);
      const double s = std::sin(ang);
      const double co = std::cos(ang);
      const double e = g.breendrad(k);
      const double sk = c.sig(k);
      const bool flat = e >= crnlmt;

      if (flat) {
        if (!(g.recorrad(k, 1) > 0.0)) stopflangeend(m, k, j, false, g.recorrad(k, 1), 0.0);
        const double cr = g.brecorrad(k);
        g.flngorigin(1, k, j) =
            -sk * ((g.brelen + g.flngcls(j)) / 2.0 - cr - dropend * s / co + cr * (1.0 - s) / co);
        g.flngorigin(2, k, j) = rr[j];
      } else {
        if (!(e >= g.bredia / 2.0)) stopflangeend(m, k, j, true, e, g.bredia / 2.0);
        const double a = std::asin((g.bredia / 2.0) / e);
        if (ang < -b || ang > a - b) {
          zq::ErrorBlock err;
          err.code = m.errorcodes.kflngang;
          err.fatal = true;
          err.lines = {"Flange angle is out of bounds."};
          err.rname = "flange angle, lower and upper limits ";
          err.rvalues = {ang, -b, a - b};
          zq::raiseError(m, err);
          zela9::zela9(m);
        }
        if (b == 0.0) {
          g.flngorigin(1, k, j) =
              -sk * ((g.brelen + g.flngcls(j)) / 2.0 - e * co + (e - s * g.bredia / 2.0) / co);
          g.flngorigin(2, k, j) = rr[j];
        } else {
          const double gg = b * sk;
          const double sp = std::sin(ang + gg);
          const double cp = std::cos(ang + gg);
          const double tb = std::tan(b);
          const double q = e * std::sin(a - gg) / std::sin(b);
          const double p =
              (g.flngcls(j) / 2.0 + (q + sk * (e - tb * sp * q) / (tb * sk * sp + cp)) / std::cos(b)) *
              g.racecostaper(j);
          g.flngorigin(1, k, j) = g.racecostaper(j) * apex - p;
          g.flngorigin(2, k, j) = g.racetantaper(j) * p;
        }
      }

      // Flange frame: race frame turned by the race taper, the side/race flip, the flange angle.
      zq::Mat3 tflng, tside, ttaper, tmp;
      zelb2::zelb2(m, 0.0, ang, 0.0, tflng);
      if (j == 1 && k == 1) {
        zelb2::zelb2(m, 0.0, pi, 0.0, tside);
      } else if (j == 1) {
        zelb2::zelb2(m, pi, 0.0, 0.0, tside);
      } else if (k == 1) {
        zelb2::zelb2(m, 0.0, 0.0, pi, tside);
      } else {
        zelb2::zelb2(m, 0.0, 0.0, 0.0, tside);
      }
      zelb2::zelb2(m, 0.0, g.racetaper(j), 0.0, ttaper);
      auto traf = g.traf.sub<3, 3>(k, j);
      for (int r = 1; r <= 3; ++r)
        for (int q = 1; q <= 3; ++q) {
          double sum = 0.0;
          for (int n = 1; n <= 3; ++n) sum += tside(r, n) * ttaper(n, q);
          tmp(r, q) = sum;
        }
      for (int r = 1; r <= 3; ++r)
        for (int q = 1; q <= 3; ++q) {
          double sum = 0.0;
          for (int n = 1; n <= 3; ++n) sum += tflng(r, n) * tmp(n, q);
          traf(r, q) = sum;
        }

      // Hertz constants of the roller end against the flange (element 1's end or corner).
      double rho1, rho2;
      if (flat) {
        rho1 = 1.0 / g.recorrad(k, 1);
        rho2 = 1.0 / (g.recorrad(k, 1) + g.recorcen(2, k, 1));
      } else {
        rho1 = 1.0 / e;
        rho2 = rho1;
      }
      const double rhof = -c.sig(j) * s / g.flngorigin(2, k, j);
      const double rho = rho1 + rho2 + rhof;
      const double f = std::abs((rho1 - rho2 - rhof) / rho);
      double as = 0.0, bs = 0.0, ds = 0.0;
      zelc4::zelc4(m, f, as, bs, ds, 0);
      const double qq = 3.0 * c.cpres * c.ererace(j);
      auto fc = m.constants.flngcons.sub<6>(k, j);
      const double cube = std::cbrt(qq / (2.0 * rho));
      fc(1) = 2.0 * std::sqrt(std::pow(2.0 / ds, 3) / rho) / qq;
      fc(2) = as * cube;
      fc(3) = bs * cube;
      fc(4) = 2.0 * pi * as * bs * c.srerace(j) / (rho * ds);
      fc(5) = std::pow(2.0 * fc(4) / (3.0 * fc(1)), 2);
      fc(6) = fc(4) * fc(5) / 3.0;
    }
  }
}

}  // namespace zela2
