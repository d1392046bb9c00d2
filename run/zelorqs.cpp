// Main program: the fixed run sequence, the output-data step and the totals.
// The output-data step works on the non-dimensional final state; the report applies the scale
// factors. Angles are in radians, race rotations and element 1's position in revolutions.
#include "run/zelorqs.h"

#include <cmath>
#include <ios>
#include <ostream>

#include "equilibrium/zelb1.h"
#include "life/zelf1.h"
#include "model/model.h"
#include "numerics/zelb3.h"
#include "report/zela3.h"
#include "run/stop.h"
#include "run/zela1.h"
#include "run/zela2.h"
#include "run/zela9.h"

namespace zelorqs {

Orientation vectororientation(const Model& m, zq::Vec3In v) {
  const double t = m.constants.tolr(1);
  double v1 = v(1), v2 = v(2), v3 = v(3);
  const double mag = std::sqrt(v1 * v1 + v2 * v2 + v3 * v3);
  if (mag == 0.0) return {0.0, 0.0, 0.0};
  if (std::abs(v1) / mag <= t) v1 = 0.0;
  if (std::abs(v2) / mag <= t) v2 = 0.0;
  if (std::abs(v3) / mag <= t) v3 = 0.0;
  double a1;
  if (v1 == 0.0) {
    a1 = m.constants.pi2;
  } else {
    a1 = std::asin(std::sqrt(v2 * v2 + v3 * v3) / mag);
    if (v1 < 0.0) a1 = m.constants.pi - a1;
  }
  double a2;
  if (std::abs(a1) <= t) {
    a1 = 0.0;
    a2 = 0.0;
  } else {
    a2 = zelb3::zelb3(m, v2, v3);
    if (std::abs(a2 - 2.0 * m.constants.pi) <= t) a2 = 0.0;
  }
  return {mag, a1, a2};
}

void setupoutputdata(Model& m) {
  auto& s = m.solutions;
  const auto& vm = m.vecmats;
  const auto& x = m.genvecs.x;
  const int nre = m.brggeom.nre;
  const double t = m.constants.tolr(1);
  const double twopi = 2.0 * m.constants.pi;

  s.bangvel = std::abs(vm.raceangvel(1, 2) - vm.raceangvel(1, 1));
  if (s.bangvel == 0.0) s.bangvel = 1.0;
  s.angp1 = x(4) / twopi;
  s.kconload(1) = 1;
  s.kconload(2) = 1;

  double sumv = 0.0, vmin = 1.0e10, vmax = -1.0e10, sumr = 0.0;
  for (int i = 1; i <= nre; ++i) {
    const Orientation w = vectororientation(m, vm.reangveli.sub<3>(i));
    s.reangvels(1, i) = w.mag;
    s.reangvels(2, i) = w.a1;
    s.reangvels(3, i) = w.a2;
    // The element's x axis in its azimuth frame: first column of retoiaz.
    const Orientation ax = vectororientation(m, vm.retoiaz.sub<3>(1, i));
    s.reaxis(1, i) = ax.a1;
    s.reaxis(2, i) = ax.a2;
    s.reorbvelr(i) = vm.revel(3, i) / s.bangvel;
    for (int j = 1; j <= 2; ++j) {
      if (s.conload(j, i) > 0.0) s.kconload(j) = 0;
    }
    const double v = vm.revel(3, i);
    sumv += v;
    if (v < vmin) vmin = v;
    if (v > vmax) vmax = v;
    sumr += x(12 * (i - 1) + 3);
  }
  // A length: half the spread of the orbital speeds over their mean, times the mean radius. The
  // mean speed enters by its magnitude, so a bearing turning backwards has the same excursion.
  s.avereex = (sumv == 0.0) ? 0.0 : 0.5 * (vmax - vmin) * sumr / std::abs(sumv);

  for (int j = 1; j <= 2; ++j) {
    const int k0 = 12 * (nre + j - 1) + 1;
    const double xx = x(k0 + 1), yy = x(k0 + 2), zz = x(k0 + 3);
    const double vx = vm.racevel(1, j), vy = vm.racevel(2, j), vz = vm.racevel(3, j);
    s.racerot(j) = x(k0 + 7) / twopi;
    const Orientation w = vectororientation(m, vm.raceangvel.sub<3>(j));
    s.raceangvels(1, j) = w.mag;
    s.raceangvels(2, j) = w.a1;
    s.raceangvels(3, j) = w.a2;
    s.raceposin(1, j) = xx;
    s.raceposin(2, j) = yy;
    s.raceposin(3, j) = zz;
    s.racepos(1, j) = xx;
    s.racevels(1, j) = vx;
    s.raceaccs(1, j) = 0.0;
    const double r = std::sqrt(yy * yy + zz * zz);
    if (r > t) {
      // Exact first and second time derivatives of r and of atan2(-Y, Z) for a race centre
      // moving with constant Cartesian velocity (no race acceleration in the quasi-static state).
      const double cross = yy * vz - zz * vy;
      s.racepos(2, j) = r;
      s.racepos(3, j) = zelb3::zelb3(m, yy, zz);
      s.racevels(2, j) = (yy * vy + zz * vz) / r;
      s.racevels(3, j) = cross / (r * r);
      s.raceaccs(2, j) = cross * cross / (r * r * r);
      s.raceaccs(3, j) =
          2.0 * ((vy * vy - vz * vz) * yy * zz - vy * vz * (yy * yy - zz * zz)) / (r * r * r * r);
    } else {
      s.racepos(2, j) = yy;
      s.racepos(3, j) = zz;
      s.racevels(2, j) = 0.0;
      s.racevels(3, j) = 0.0;
      s.raceaccs(2, j) = 0.0;
      s.raceaccs(3, j) = 0.0;
    }
    const Orientation ax = vectororientation(m, vm.inerttorace.sub<3>(1, j));
    s.raceaxis(1, j) = ax.a1;
    s.raceaxis(2, j) = ax.a2;
  }
}

void totals(Model& m) {
  auto& s = m.solutions;
  const auto& c = m.constants;
  const bool roller = m.brggeom.kbrg > 1;
  s.powerloss = 0.0;
  s.racewr(1) = 0.0;
  s.racewr(2) = 0.0;
  for (int k = 1; k <= 4; ++k) s.raceflngwr(k) = 0.0;
  for (int i = 1; i <= m.brggeom.nre; ++i) {
    // Contact 1 (outer race) with the outer flanges, then contact 2 (inner race) with the
    // inner flanges; the second halves of a split race (contacts 3, 4) do not enter the sums.
    for (int j = 1; j <= 2; ++j) {
      s.powerloss += s.resv(j, i);
      if (roller) {
        const int f1 = 2 * j - 1, f2 = 2 * j;  // flange sides I and II of race j
        s.powerloss += s.flngsv(f1, i);
        s.powerloss += s.flngsv(f2, i);
        s.reendwr(j, i) = s.reendwr(j, i) * c.crewr;
        // Flange wear as a volume rate with the race's own wear constant, like the raceway wear
        // (the flange contact leaves load x slip).
        s.raceflngwr(f1) += c.cracewr(j) * s.raceflngwri(f1, i);
        s.raceflngwr(f2) += c.cracewr(j) * s.raceflngwri(f2, i);
      }
    }
    for (int j = 1; j <= 2; ++j) {
      s.racewr(j) += c.cracewr(j) * s.rewr(j, i);
      s.rewr(j, i) = s.rewr(j, i) * c.crewr;
    }
  }
}

void completionnotice(std::ostream& console) {
  console << zq::renderFormat(
      "/,5X,\"Execution completed sucessfully..\",/,/,5X,"
      "\"Please open PRINT.TXT file in the current directory\",/,5X,"
      "\"to look at the results.\",/,/",
      {});
  console.flush();
}

int zelorqs(Model& m, std::ostream& console, std::ostream& err, RunEnd* end) {
  RunEnd local;
  RunEnd& e = end != nullptr ? *end : local;
  e = RunEnd{};
  zq::setFlushToZero();
  m.constants.iprtdiag = 0;
  try {
    zela1::zela1(m);
    if (m.errors.ierind != 0) zela9::zela9(m);
    zela2::zela2(m);
    quasistaticeq(m);
    m.errors.ierind = 0;
    zelb1::zelb1(m);
    if (m.errors.ierind != 0) zela9::zela9(m);
    setupoutputdata(m);
    zelf1::zelf1(m);
    totals(m);
    zela3::zela3(m);
    if (!m.devices.report.close()) {
      // The report is incomplete: never end such a run with the completion notice.
      err << "\n     ZelorQS: the report file PRINT.txt could not be written completely.\n\n";
      err.flush();
      return e.status = zq::kExitStopped;
    }
  } catch (const zq::StopRun& stop) {
    m.devices.report.close();
    if (!stop.console().empty()) {
      err << stop.console();
      err.flush();
    }
    e.where = stop.where();
    return e.status = stop.status();
  } catch (const std::ios_base::failure& io) {
    m.devices.report.close();
    err << "\n     ZelorQS: the report file PRINT.txt could not be written (" << io.what() << ").\n\n";
    err.flush();
    return e.status = zq::kExitStopped;
  } catch (const std::exception& fault) {
    // A programming fault (index out of range, malformed line format): say so plainly and
    // end as a stopped run, never as a success.
    m.devices.report.close();
    err << "\n     ZelorQS internal error: " << fault.what() << "\n\n";
    err.flush();
    e.fault = fault.what();
    return e.status = zq::kExitStopped;
  }
  completionnotice(console);
  return e.status = zq::kExitCompleted;
}

}  // namespace zelorqs
