// Roller end to race flange contact. The end is a sphere (contact point on the sphere's
// deepest point beyond the flange plane) or flat with a toroidal corner (deepest point of the
// corner circle, found by a scan and a root search, or moved to the flange edge). Hertz point
// load with a linear continuation, friction from the flange traction curve against the slip of
// the rigid-body surface velocities, forces and moments on roller (about its centre) and race
// (about its centre). Frames: race r, flange f, element azimuth; non-dimensional units.
#include "contact/zelc3.h"

#include <cmath>

#include "contact/zelc7.h"
#include "model/model.h"
#include "numerics/zelb3.h"
#include "numerics/zelg3.h"
#include "numerics/zelg4.h"
#include "run/zela9.h"
#include "traction/zeld3.h"
#include "traction/zele6.h"

namespace zelc3 {

namespace {

// y = a x.
void mv(zq::Mat3In a, zq::Vec3In x, zq::Vec3& y) {
  for (int i = 1; i <= 3; ++i) y(i) = a(i, 1) * x(1) + a(i, 2) * x(2) + a(i, 3) * x(3);
}

// y = a^T x.
void mtv(zq::Mat3In a, zq::Vec3In x, zq::Vec3& y) {
  for (int i = 1; i <= 3; ++i) y(i) = a(1, i) * x(1) + a(2, i) * x(2) + a(3, i) * x(3);
}

// c = a b.
void mm(zq::Mat3In a, zq::Mat3In b, zq::Mat3Ref c) {
  for (int i = 1; i <= 3; ++i)
    for (int j = 1; j <= 3; ++j)
      c(i, j) = a(i, 1) * b(1, j) + a(i, 2) * b(2, j) + a(i, 3) * b(3, j);
}

// Every result of the contact starts at zero, so an untouched flange reports no load, force,
// moment, wear, slip or derivative of an earlier element or flange.
void clearresults(Model& m) {
  auto& fd = m.flngdata;
  fd.svf = fd.qvf = fd.qf = fd.qdel = fd.af = fd.bf = fd.delf = 0.0;
  fd.flngslipjk = fd.flngentveljk = fd.flngreconposjk = fd.fyc = fd.th = 0.0;
  for (zq::Vec3* v : {&fd.bflngforjk, &fd.bflngmomjk, &fd.raceflngforjk, &fd.raceflngmomjk,
                      &fd.reflngforjk, &fd.reflngmomjk, &fd.rflngforjk, &fd.rflngmomjk,
                      &fd.fccrgi, &fd.fccbgi})
    v->fill(0.0);
  fd.dbflngforjk.fill(0.0);
  fd.dbflngmomjk.fill(0.0);
  fd.drflngforjk.fill(0.0);
  fd.drflngmomjk.fill(0.0);
  fd.trra.fill(0.0);
  for (int i = 1; i <= 3; ++i) fd.trra(i, i) = 1.0;
}

bool onflange(const Flngdata& fd) { return !(fd.ccff(3) <= 0.0 || fd.ccff(3) > fd.fht); }

// A touching contact outside the flange face: fatal, with the roller and flange indices that
// the caller left in the integer list.
void outofbounds(Model& m, const Host& h) {
  zq::ErrorBlock e;
  e.code = m.errorcodes.kflngconb;
  e.fatal = true;
  e.lines = {"Flange contact out of bounds of available area",
             "Check flange height and/or layback angle"};
  e.iname = "Roller # and flange indices:";
  e.ivalues = {h.ids(1), h.ids(2), h.ids(3)};
  e.rname = "Contact position and flange height:";
  e.rvalues = {m.flngdata.ccff(3), m.flngdata.fht};
  zq::raiseError(m, e);
}

// The corner root search failed: fatal, with the angles, the stationarity function there and
// the roller's attitude angles (state slots 7 to 9).
void cornerfailure(Model& m, double th, double lo, double hi, int ierr) {
  const int ire = m.revecs.ire;
  const int k0 = 12 * (ire - 1) + 1;
  zq::ErrorBlock e;
  e.code = m.errorcodes.kflngcorint;
  e.supplementary = ierr;
  e.fatal = true;
  e.lines = {"Iteration count for angular coordinate for", "roller corner interaction:",
             "Procedure: CornerInt in Zelc3", "Supplementary code = Error code from Zelg3",
             "Roller index, output angle from Zelg3 and",
             "input lower and upper limits to Zelg3, function",
             "values and roller angles are printed below:"};
  e.iname = "Roller index:";
  e.ivalues = {ire};
  e.rname = "Output angle, input limits, fct values & re angles:";
  m.flngdata.ict = 1;
  e.rvalues = {th, lo, hi, zelc31::zelc31(m, th), zelc31::zelc31(m, lo), zelc31::zelc31(m, hi),
               m.genvecs.x(k0 + 7), m.genvecs.x(k0 + 8), m.genvecs.x(k0 + 9)};
  zq::raiseError(m, e);
}

// The corner point at angle th (wrapped into [0, 2 pi]) as the contact candidate: the torus
// surface lies one corner radius beyond the corner circle along the flange normal.
void cornerpoint(Model& m, Host& h, double th) {
  auto& fd = m.flngdata;
  if (th > m.constants.tpi) th -= m.constants.tpi;
  fd.th = th;
  fd.ict = 0;
  zelc31::zelc31(m, th);
  fd.ccff(1) += fd.corrad;
  fd.delf = -fd.ccff(1);
  h.pen = fd.ccff(1);
  h.delta = fd.ccff(1) + m.tracprop.reflngfilm;
}

// The deepest corner point lies off the flange face: step once round the corner circle for the
// first two crossings of the flange edge (ccff(3) = fht, linear interpolation between steps)
// and take the deeper one. False when the circle crosses the edge fewer than twice.
bool flangeedge(Model& m, Host& h) {
  auto& fd = m.flngdata;
  double cross[2] = {0.0, 0.0}, lo[2] = {0.0, 0.0}, flo[2] = {0.0, 0.0}, fhi[2] = {0.0, 0.0};
  bool onstep[2] = {false, false};
  int n = 0;
  double tprev = 0.0, fprev = 0.0;
  fd.ict = 0;
  for (int i = 0; i <= fd.nth && n < 2; ++i) {
    const double t = i * fd.xth;
    zelc31::zelc31(m, t);
    const double f = fd.ccff(3) - fd.fht;
    if (f == 0.0) {
      cross[n] = t;
      onstep[n++] = true;
    } else if (i > 0 && fprev * f < 0.0) {
      cross[n] = tprev + fd.xth * fprev / (fprev - f);
      lo[n] = tprev;
      flo[n] = fprev;
      fhi[n++] = f;
    }
    tprev = t;
    fprev = f;
  }
  if (n < 2) return false;
  const double v0 = zelc31::zelc31(m, cross[0]);
  const double v1 = zelc31::zelc31(m, cross[1]);
  const int k = v1 > v0 ? 1 : 0;
  h.kind = onstep[k] ? Host::kEdgeOnStep : Host::kEdge;
  h.thlo = lo[k];
  h.flo = flo[k];
  h.fhi = fhi[k];
  cornerpoint(m, h, cross[k]);
  return true;
}

// Hertz load of the approach delta (film included) with the ellipse from the Hertz load, and
// beyond conf(5) the tangent line of the Hertz law (stiffness conf(4)).
void loadlaw(Model& m, double delta, double expo, int& klaw) {
  auto& fd = m.flngdata;
  const auto& cf = fd.conf;
  const double q = cf(1) * std::sqrt(delta * delta * delta);
  const double s = std::pow(q, expo);
  fd.af = cf(2) * s;
  fd.bf = cf(3) * s;
  if (delta <= cf(5)) {
    fd.qf = q;
    fd.qdel = 1.5 * q / delta;
  } else {
    fd.qf = cf(4) * delta - cf(6);
    fd.qdel = cf(4);
    klaw = 1;
  }
}

// Contact frame, kinematics, friction, forces and moments of a loaded contact.
void forcesandmoments(Model& m, Host& h) {
  auto& fd = m.flngdata;
  const auto& rv = m.revecs;
  const double pi = m.constants.pi;

  // Circumferential offset of the contact from the roller's radial plane, the angle difference
  // taken the short way round (both azimuths lie in [0, 2 pi), the far-side sphere up to 3 pi).
  double dpsi = h.psi - rv.sii;
  if (dpsi > pi) dpsi -= m.constants.tpi;
  if (dpsi < -pi) dpsi += m.constants.tpi;
  fd.fyc = dpsi * fd.rf(3);
  // The contact point lies half-way into the approach.
  fd.ccff(1) *= 0.5;

  // Contact azimuth frame: the race frame turned about the bearing axis by psi (column-major
  // storage of R1(psi)), in which the flange frame trafjk of the flange side holds; the flange
  // frame of the contact from the race, the inertial and the roller frame.
  const double c = std::cos(h.psi), s = std::sin(h.psi);
  fd.trra = {1.0, 0.0, 0.0, 0.0, c, -s, 0.0, s, c};
  mm(fd.trafjk, fd.trra, fd.trf);
  // Contact point: flange reference point plus the point's flange coordinates, carried back to
  // the race frame; from the roller centre; in the inertial, flange and roller frames.
  zq::Vec3 t;
  mtv(fd.trafjk, fd.ccff, t);
  for (int i = 1; i <= 3; ++i) h.fccrgra(i) = fd.rf(i) + t(i);
  mtv(fd.trra, h.fccrgra, h.fccrgr);
  for (int i = 1; i <= 3; ++i) h.fccbgr(i) = h.fccrgr(i) - rv.bgrgr(i);
  mm(fd.trf, rv.tir, fd.tif);
  mm(fd.trf, rv.tbr, h.tbf);
  mv(fd.trf, fd.vbr, h.vbf);
  mv(fd.trf, fd.ombr, h.ombf);
  mv(fd.trf, fd.vrr, h.vrf);
  mv(fd.trf, fd.omrr, h.omrf);
  mtv(rv.tir, h.fccrgr, fd.fccrgi);
  mtv(rv.tir, h.fccbgr, fd.fccbgi);
  mv(fd.trf, h.fccrgr, h.fccrgf);
  mv(fd.trf, h.fccbgr, h.fccbgf);
  mtv(rv.tbr, h.fccbgr, h.fccbgb);
  fd.flngreconposjk = std::sqrt(h.fccbgb(2) * h.fccbgb(2) + h.fccbgb(3) * h.fccbgb(3));

  // Slip of the roller surface on the flange in the flange plane (axes 2, 3).
  zele6::zele6(h.fccbgf, h.vbf, h.ombf, h.fccrgf, h.vrf, h.omrf, h.v, h.ev);
  const double slip = std::sqrt(h.v(2) * h.v(2) + h.v(3) * h.v(3));
  fd.flngslipjk = slip;
  fd.flngentveljk = std::sqrt(h.ev(2) * h.ev(2) + h.ev(3) * h.ev(3));

  // The roller-end/flange traction curve is read and built whenever the bearing has flanges,
  // with or without a lubricant (ktrac < 0): its friction always applies.
  const double mu = zeld3::zeld3(slip, m.tracprop.reflngcoeff);

  // Force on the race, flange frame: normal load with damping, friction along the slip of the
  // roller (so that on the roller it opposes the slip).
  h.ffor(1) = fd.qf + 2.0 * std::sqrt(fd.qdel) * fd.bfdp * h.v(1);
  for (int i = 2; i <= 3; ++i) h.ffor(i) = slip != 0.0 ? mu * fd.qf * h.v(i) / slip : 0.0;
  fd.qvf = fd.qf * slip;
  fd.svf = mu * fd.qf * slip;

  // On the roller (roller frame) and on the race (race frame) the contact force with opposite
  // signs; the normal load alone along the flange normal (inertial). Moments about the centres.
  zq::Vec3 f;
  mtv(h.tbf, h.ffor, f);
  for (int i = 1; i <= 3; ++i) h.reflngf(i) = -f(i);
  mtv(fd.trf, h.ffor, h.raceflngf);
  for (int i = 1; i <= 3; ++i) fd.rflngforjk(i) = fd.qf * fd.tif(1, i);

  zelg4::zelg4(fd.fccrgi, fd.rflngforjk, fd.rflngmomjk);
  zelg4::zelg4(h.fccrgr, h.raceflngf, h.raceflngm);
  zelg4::zelg4(fd.fccbgi, fd.rflngforjk, h.bflngmomi);
  zelg4::zelg4(h.fccbgb, h.reflngf, h.reflngm);

  // Into the element azimuth frame: from the roller frame by tbia, from the race frame by tria,
  // from the inertial frame by tia; the normal-load part with the sign of the roller.
  zq::Vec3 a;
  mv(rv.tbia, h.reflngm, a);
  for (int i = 1; i <= 3; ++i) fd.reflngmomjk(i) += a(i);
  mv(rv.tbia, h.reflngf, a);
  for (int i = 1; i <= 3; ++i) fd.reflngforjk(i) += a(i);
  mv(rv.tria, h.raceflngm, a);
  for (int i = 1; i <= 3; ++i) fd.raceflngmomjk(i) += a(i);
  mv(rv.tria, h.raceflngf, a);
  for (int i = 1; i <= 3; ++i) fd.raceflngforjk(i) += a(i);
  mv(rv.tia, fd.rflngforjk, a);
  for (int i = 1; i <= 3; ++i) fd.bflngforjk(i) = -a(i);
  mv(rv.tia, h.bflngmomi, a);
  for (int i = 1; i <= 3; ++i) fd.bflngmomjk(i) = -a(i);

  if (m.loadder.ider != 0) flngderivatives(m, h);
}

}  // namespace

// Corner circle point at angle th, race frame: roller centre, the circle's axial position on
// the roller axis, and the circle radius in the end-face frame.
void cornercircle(const Model& m, double th, zq::Vec3& r2) {
  const auto& fd = m.flngdata;
  const auto& rv = m.revecs;
  const double r12 = -fd.rcc * std::sin(th), r13 = fd.rcc * std::cos(th);
  for (int i = 1; i <= 3; ++i)
    r2(i) = rv.bgrgr(i) + fd.xcc * rv.tbr(i, 1) + fd.ter(i, 2) * r12 + fd.ter(i, 3) * r13;
}

bool endint(Model& m, Host& h) {
  auto& fd = m.flngdata;
  const auto& rv = m.revecs;
  h.kind = Host::kSphere;
  for (int i = 1; i <= 3; ++i) h.q(i) = rv.bgrgr(i) + fd.ecc * rv.tbr(i, 1);
  h.psi = zelb3::zelb3(m, h.q(2), h.q(3));
  h.rho = std::sqrt(h.q(2) * h.q(2) + h.q(3) * h.q(3));
  // A centre beyond the bearing axis from the roller is measured through the axis.
  if (std::cos(h.psi - rv.sii) <= 0.0) {
    h.rho = -h.rho;
    h.psi += m.constants.pi;
  }
  const zq::Vec3 ecff{h.q(1) - fd.rf(1), 0.0, h.rho - fd.rf(3)};
  mv(fd.trafjk, ecff, fd.ccff);
  fd.ccff(1) += fd.erad;
  h.pen = fd.ccff(1);
  h.delta = fd.ccff(1) + m.tracprop.reflngfilm;
  fd.delf = -fd.ccff(1);
  // Where the contact lies on the flange matters only when the end touches it.
  if (h.delta <= 0.0) return false;
  if (!onflange(fd)) {
    outofbounds(m, h);
    return false;
  }
  return true;
}

bool cornerint(Model& m, Host& h, int& kcon) {
  auto& fd = m.flngdata;
  // Scan the corner circle for the step of greatest approach (the first of equal ones).
  fd.ict = 0;
  double best = -1.0e10, thstar = 0.0;
  for (int i = 0; i < fd.nth; ++i) {
    const double t = i * fd.xth;
    const double v = zelc31::zelc31(m, t);
    if (v > best) {
      best = v;
      thstar = t;
    }
  }
  // The stationary point of the approach within one step either side.
  fd.ict = 1;
  double th = thstar, lo = thstar - fd.xth, hi = thstar + fd.xth;
  int ierr = 0;
  zelg3::zelg3(m, th, lo, hi, [&m](double t) { return zelc31::zelc31(m, t); }, ierr);
  if (ierr != 0) {
    cornerfailure(m, th, thstar - fd.xth, thstar + fd.xth, ierr);
    return false;
  }
  // The point is evaluated again at the root itself (the search may have ended on a
  // neighbouring trial angle).
  h.kind = Host::kCorner;
  cornerpoint(m, h, th);
  if (!onflange(fd)) {
    kcon = 1;
    const bool touching = h.delta > 0.0;
    if (!flangeedge(m, h)) {
      // The corner circle misses the flange face: the deepest point stands as found.
      cornerpoint(m, h, th);
      if (touching) outofbounds(m, h);
      return false;
    }
  }
  cornercircle(m, fd.th, h.q);
  h.psi = zelb3::zelb3(m, fd.fy, fd.fz);
  h.rho = std::sqrt(fd.fy * fd.fy + fd.fz * fd.fz);
  return h.delta > 0.0;
}

void zelc3(Model& m, int& kcon, int& klaw) {
  auto& fd = m.flngdata;
  Host h;
  for (int i = 1; i <= 3; ++i) h.ids(i) = m.errors.iarray(i);
  clearresults(m);
  kcon = 0;
  klaw = 0;
  const bool sphere = fd.erad <= m.constants.crnlmt;
  const bool touching = sphere ? endint(m, h) : cornerint(m, h, kcon);
  if (!touching) return;
  loadlaw(m, h.delta, sphere ? 0.3333333333 : m.constants.one3, klaw);
  if (fd.qf != 0.0) forcesandmoments(m, h);
}

}  // namespace zelc3

namespace zelc31 {

double zelc31(Model& m, double theta) {
  auto& fd = m.flngdata;
  const int irace = m.revecs.irace;
  zq::Vec3 r2;
  zelc3::cornercircle(m, theta, r2);
  fd.fy = r2(2);
  fd.fz = r2(3);
  // On a race with imperfections the flange root follows the local raceway radius.
  const int mode = m.options.kracegeoimp.lin(irace);
  if (mode != 0)
    fd.rf(3) = m.opcond.raceexp(irace > 2 ? irace - 2 : irace) +
               zelc7::zelc7(m, m.brggeom.nre + irace, 0, mode, r2(1),
                            zelb3::zelb3(m, fd.fy, fd.fz));
  const double rho = std::sqrt(fd.fy * fd.fy + fd.fz * fd.fz);
  const zq::Vec3 rp{r2(1) - fd.rf(1), 0.0, rho - fd.rf(3)};
  for (int i = 1; i <= 3; ++i)
    fd.ccff(i) = fd.trafjk(i, 1) * rp(1) + fd.trafjk(i, 2) * rp(2) + fd.trafjk(i, 3) * rp(3);
  if (fd.ict == 0) return fd.ccff(1);
  const double c = std::cos(theta), s = std::sin(theta);
  const auto& t = fd.ter;
  return rho * fd.trafjk(1, 1) * (t(1, 2) * c + t(1, 3) * s) +
         fd.trafjk(1, 3) *
             ((t(2, 2) * c + t(2, 3) * s) * fd.fy + (t(3, 2) * c + t(3, 3) * s) * fd.fz);
}

}  // namespace zelc31
