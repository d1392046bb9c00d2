// Scale factors of the non-dimensional form, in the user's units: force scale (largest applied
// force component, or 444.82216 N / 100 lbf when no force is applied), length scale (half the
// rolling-element diameter), time scale sqrt(m slen / (g_c sforce)) and the derived factors of
// stiffness, moment, acceleration, velocity, angular velocity (rpm), power, pressure and angular
// acceleration. A non-positive element diameter or mass, or a traction curve that the velocity
// scale would carry beyond the range of numbers, stops the run.
#include <algorithm>
#include <cmath>

#include "model/model.h"
#include "run/stop.h"
#include "run/zela1.h"

namespace zela1 {

namespace {

// Default force scale by unit system: 100 lbf in N, and 100 lbf.
constexpr double kQload[2] = {444.82216, 100.0};

// A traction curve of the given form (five coefficients as the traction-curve builder leaves
// them, user units) must stay within the range of numbers in the non-dimensional form, which
// multiplies coefficients 2 and 3 by the velocity scale and divides the break speed
// (coefficient 4) of the piecewise-linear form by it: a slope near the largest double would
// become infinite there and undefined at zero slip.
void checkcurve(Model& m, const char* what, int type, double c2, double c3, double c4) {
  const double v = m.constants.cvel;
  const double given[3] = {c2, c3, c4};
  const double scaled[3] = {c2 * v, c3 * v, type == 0 ? c4 / v : c4};
  for (int k = 0; k < 3; ++k) {
    if (std::isfinite(scaled[k])) continue;
    m.devices.report.write(
        "/,5X,\"Execution terminating due to a traction curve beyond the range of the\","
        "\" computation\",/,5X,\"on the \",A,\".\",/,5X,"
        "\"Curve Coefficient \",I1,\"  = \",E12.5,/,5X,"
        "\"Velocity Scale       = \",E12.5,1X,A6,/,5X,"
        "\"The coefficient cannot be put in the non-dimensional form: check the\",/,5X,"
        "\"traction record.\",/,/",
        {what, k + 2, given[k], v, m.units.uvel});
    zq::stopRun("zela1::scalefactors");
  }
}

}  // namespace

void scalefactors(Model& m) {
  auto& c = m.constants;
  const auto& g = m.brggeom;
  const auto& op = m.opcond;
  const int kunit = m.options.kunit;

  // The scales divide by the element size and mass: refuse what cannot be scaled (a zero, a
  // negative or an undefined value) before any factor is formed.
  if (!(g.bredia > 0.0 && std::isfinite(g.bredia)) || !(g.bremass > 0.0 && std::isfinite(g.bremass))) {
    m.devices.report.write(
        "/,5X,\"Execution terminating due to invalid rolling element size\",/,5X,"
        "\"Rolling Element Diameter = \",E12.5,1X,A4,/,5X,"
        "\"Rolling Element Mass     = \",E12.5,1X,A6,/,5X,"
        "\"Both must be greater than zero: check the rolling element geometry\",/,5X,"
        "\"record and the rolling element material density.\",/,/",
        {g.bredia, m.units.ulen, g.bremass, m.units.umass});
    zq::stopRun("zela1::scalefactors");
  }

  c.sforce = std::max({std::abs(op.appload(1)), std::abs(op.appload(2)), std::abs(op.appload(3))});
  if (c.sforce == 0.0) c.sforce = kQload[kunit == 2 ? 1 : 0];
  c.slen = c.one2 * g.bredia;
  c.stime = std::sqrt(g.bremass * c.slen / (c.ag(kunit) * c.sforce));
  c.cstiff = c.sforce / c.slen;
  c.cmom = c.slen * c.sforce;
  c.cacc = c.slen / (c.stime * c.stime);
  c.cvel = c.slen / c.stime;
  c.cangvel = 30.0 / (c.pi * c.stime);
  c.cqv = c.cvel * c.sforce;
  c.cpres = c.sforce / (c.slen * c.slen);
  c.cangacc = c.cangvel / c.stime;

  // Loads far beyond the element's size (a force in the wrong unit, say) leave the time scale
  // at zero and the velocity and acceleration scales beyond the range of numbers.
  bool finite = true;
  for (const double f : {c.stime, c.cstiff, c.cmom, c.cacc, c.cvel, c.cangvel, c.cqv, c.cpres,
                         c.cangacc})
    finite = finite && f > 0.0 && std::isfinite(f);
  if (!finite) {
    m.devices.report.write(
        "/,5X,\"Execution terminating due to applied loads beyond the range of the\","
        "\" computation\",/,5X,"
        "\"Largest Applied Force    = \",E12.5,1X,A6,/,5X,"
        "\"Rolling Element Diameter = \",E12.5,1X,A4,/,5X,"
        "\"Rolling Element Mass     = \",E12.5,1X,A6,/,5X,"
        "\"The scales of the non-dimensional form cannot be formed: check the\",/,5X,"
        "\"applied loads on Record 9.1 and their unit.\",/,/",
        {c.sforce, m.units.uforce, g.bredia, m.units.ulen, g.bremass, m.units.umass});
    zq::stopRun("zela1::scalefactors");
  }

  const auto& tp = m.tracprop;
  checkcurve(m, "re/race traction curve of race 1", tp.ktractype, tp.reracecoeff(2, 1),
             tp.reracecoeff(3, 1), tp.reracecoeff(4, 1));
  checkcurve(m, "re/race traction curve of race 2", tp.ktractype, tp.reracecoeff(2, 2),
             tp.reracecoeff(3, 2), tp.reracecoeff(4, 2));
  checkcurve(m, "race/flange traction curve", tp.krftractype, tp.reflngcoeff(2),
             tp.reflngcoeff(3), tp.reflngcoeff(4));
}

}  // namespace zela1
