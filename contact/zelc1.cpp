// Race contacts of one rolling element: for each present race segment the element-to-race and
// race-azimuth frames, then a point contact (Hertz ellipse, Harris "Rolling Bearing Analysis",
// contact stress and deformation; the line law for a near-line ellipse) or a sliced line
// contact, then the roller-end/flange contacts of that race. Non-dimensional (lengths / slen,
// forces / sforce); frames are passive, "A to B" maps A components into B components.
// The contact normal (third row of the contact frame) points from the element to the race.
#include "contact/zelc1.h"

#include <cmath>
#include <stdexcept>

#include "contact/zelc3.h"
#include "contact/zelc4.h"
#include "contact/zelc6.h"
#include "contact/zelc7.h"
#include "model/model.h"
#include "numerics/zelb22.h"
#include "numerics/zelb23.h"
#include "numerics/zelb3.h"
#include "run/zela9.h"

namespace zelc1 {

namespace {

// c = a b.
template <class A, class B, class C>
void mul(const A& a, const B& b, C&& c) {
  for (int i = 1; i <= 3; ++i)
    for (int k = 1; k <= 3; ++k) c(i, k) = a(i, 1) * b(1, k) + a(i, 2) * b(2, k) + a(i, 3) * b(3, k);
}

// c = a b^T.
template <class A, class B, class C>
void mulT(const A& a, const B& b, C&& c) {
  for (int i = 1; i <= 3; ++i)
    for (int k = 1; k <= 3; ++k) c(i, k) = a(i, 1) * b(k, 1) + a(i, 2) * b(k, 2) + a(i, 3) * b(k, 3);
}

// y = a v.
template <class A, class V, class Y>
void mv(const A& a, const V& v, Y&& y) {
  for (int i = 1; i <= 3; ++i) y(i) = a(i, 1) * v(1) + a(i, 2) * v(2) + a(i, 3) * v(3);
}

// y = a^T v.
template <class A, class V, class Y>
void mtv(const A& a, const V& v, Y&& y) {
  for (int i = 1; i <= 3; ++i) y(i) = a(1, i) * v(1) + a(2, i) * v(2) + a(3, i) * v(3);
}

template <class S, class D>
void copy3(const S& s, D&& d) {
  for (int i = 1; i <= 3; ++i)
    for (int k = 1; k <= 3; ++k) d(i, k) = s(i, k);
}

// The element's flange sums and flange derivative sums, cleared before its races are visited.
void clearflangesums(Model& m) {
  auto& rv = m.revecs;
  auto& ld = m.loadder;
  rv.idflngsol = 0;
  m.solutions.reendwr(1, rv.ire) = 0.0;
  m.solutions.reendwr(2, rv.ire) = 0.0;
  rv.bflngfor.fill(0.0);
  rv.bflngmom.fill(0.0);
  rv.reflngfor.fill(0.0);
  rv.reflngmom.fill(0.0);
  rv.raceflngfor.fill(0.0);
  rv.raceflngmom.fill(0.0);
  rv.rflngfor.fill(0.0);
  rv.rflngmom.fill(0.0);
  ld.dbflngfor.fill(0.0);
  ld.dbflngmom.fill(0.0);
  ld.drflngfor.fill(0.0);
  ld.drflngmom.fill(0.0);
  ld.fqdel.fill(0.0);
}

// Crown-curvature centre of the element seen from race j (point contacts): the point of the
// crown circle about the roller axis that faces the race, as an offset from the element centre
// in the race azimuth frame. A ball has its centre there (offset 0).
void crowncentre(Model& m, int j, zq::Vec3& bcbgra) {
  const auto& g = m.brggeom;
  auto& rv = m.revecs;
  const int ire = rv.ire;
  zq::Mat3 tbra;
  mul(rv.tra, rv.tbr, tbra);
  const double rc1 = g.recurcen(1, ire);
  const double rc2 = g.recurcen(2, ire);
  // The circle point lies in the race azimuth plane through the element centre: at the angle
  // psi0 + a or psi0 + pi - a about the roller axis, sin a = sign(tbra(2, 2)) s; a circle that
  // cannot reach the plane is taken at its nearest point.
  const double psi0 = std::atan(tbra(2, 3) / tbra(2, 2));
  double a = 0.0;
  if (rc1 != 0.0) {
    double s = tbra(2, 1) * rc1 /
               (std::sqrt(tbra(2, 2) * tbra(2, 2) + tbra(2, 3) * tbra(2, 3)) * rc2);
    s = std::fmax(-1.0, std::fmin(1.0, s));
    if (tbra(2, 2) < 0.0) s = -s;
    a = std::atan(s / std::sqrt(1.0 - s * s));
  }
  const double psi = psi0 + a;
  zq::Vec3 bcb{rc1, -rc2 * std::sin(psi), rc2 * std::cos(psi)};
  mv(tbra, bcb, bcbgra);
  if (m.constants.sig(j) * bcbgra(3) > 0.0) {
    // The centre lies on the side of the race: take the circle's other point in that plane
    // (the opposite point of the circle lies off it by twice the skew times the axial offset).
    bcb(2) = rc2 * std::sin(psi0 - a);
    bcb(3) = -rc2 * std::cos(psi0 - a);
    mv(tbra, bcb, bcbgra);
  }
}

// Frames and crown geometry of race segment j, then its contact and flanges.
void racesegment(Model& m, Host& h, int j) {
  const auto& g = m.brggeom;
  auto& rv = m.revecs;
  auto& vm = m.vecmats;
  auto& ld = m.loadder;
  auto& sol = m.solutions;
  const int ire = rv.ire;

  rv.irace = j;
  copy3(vm.inerttorace.sub<3, 3>(j), rv.tir);
  mulT(rv.tir, h.tib, rv.tbr);
  copy3(rv.tbr, rv.tbrs.sub<3, 3>(j));
  if (ld.ider != 0) {
    copy3(ld.inerttorace2.sub<3, 3>(j), ld.tir2);
    copy3(ld.inerttorace3.sub<3, 3>(j), ld.tir3);
  }
  copy3(vm.racetoiaz.sub<3, 3>(j, ire), rv.tria);
  zq::Vec3 d;
  for (int n = 1; n <= 3; ++n) d(n) = h.regci(n) - vm.racegc(n, j);
  mv(rv.tir, d, rv.bgrgr);
  rv.sii = zelb3::zelb3(m, rv.bgrgr(2), rv.bgrgr(3));
  h.ssii = std::sin(rv.sii);
  h.csii = std::cos(rv.sii);
  rv.tra = zq::Mat3{1.0, 0.0, 0.0, 0.0, h.csii, -h.ssii, 0.0, h.ssii, h.csii};
  copy3(rv.tra, rv.tras.sub<3, 3>(j));

  // Cylindrical and tapered races with a constant taper imperfection: the contact angle and
  // the fixed contact frame follow the local cone angle.
  if ((g.kbrg == 2 || g.kbrg == 4) && g.rltaper(1, j) != 0.0) {
    const double phi = rv.baseang(j) + g.racetaper(j) + g.rltaper(1, j);
    sol.conang(j, 1, ire) = phi;
    auto tacs = vm.tacs.sub<3, 3>(j, ire);
    tacs(1, 1) = std::cos(phi);
    tacs(3, 3) = std::cos(phi);
    tacs(3, 1) = std::sin(phi);
    tacs(1, 3) = -std::sin(phi);
  }

  zq::Vec3 bgrgra;
  mv(rv.tra, rv.bgrgr, bgrgra);
  h.rj = zelc7::zelc7(m, g.nre + j, 0, m.options.kracegeoimp.lin(j), 0.0, rv.sii);

  zq::Vec3 bcbgra;
  const bool point = g.kcontype(j, ire) < 1;
  if (point) crowncentre(m, j, bcbgra);
  mtv(rv.tra, bcbgra, h.bc);
  for (int n = 1; n <= 3; ++n) rv.bcbgrs(n, j) = h.bc(n);
  h.v(1) = bgrgra(1) + bcbgra(1) - g.racecurcen(1, j);
  h.v(2) = bgrgra(2) + bcbgra(2);
  h.v(3) = bgrgra(3) + bcbgra(3) - h.rj;

  if (point) {
    pointcontact(m, h);
  } else {
    linecontact(m, h);
  }
  sol.radiusx(j, ire) = rv.radx(j);

  if (g.kflnginds != 0 && g.kflngindr(j) != 0) flngcontact(m, h);
}

}  // namespace

void zelc1(Model& m) {
  const auto& g = m.brggeom;
  auto& rv = m.revecs;
  auto& vm = m.vecmats;
  auto& ld = m.loadder;
  const int ire = rv.ire;
  Host h;

  // Element frames and centre.
  copy3(vm.inerttoiaz.sub<3, 3>(ire), rv.tia);
  copy3(vm.retoiaz.sub<3, 3>(ire), rv.tbia);
  copy3(vm.inerttore.sub<3, 3>(ire), h.tib);
  for (int n = 1; n <= 3; ++n) h.regci(n) = vm.regci(n, ire);
  if (ld.ider != 0) {
    zelb22::zelb22(vm.sinbt.sub<3>(ire), vm.cosbt.sub<3>(ire), ld.tib2);
    zelb23::zelb23(vm.sinbt.sub<3>(ire), vm.cosbt.sub<3>(ire), ld.tib3);
    // TIB = A(attitude) rebasetran tia, so dTIB = dA rebasetran tia.
    zq::Mat3 bt;
    mul(g.rebasetran, rv.tia, bt);
    mul(ld.tib2, bt, h.dtib2);
    mul(ld.tib3, bt, h.dtib3);
  }
  clearflangesums(m);

  for (int j = 1; j <= g.nrace; ++j)
    if (rv.krace(j) > 0) racesegment(m, h, j);

  if (g.kflnginds != 0) {
    for (int n = 1; n <= 3; ++n) {
      m.setupb1.reflngfors(n, ire) = rv.reflngfor(n);
      m.setupb1.reflngmoms(n, ire) = rv.reflngmom(n);
    }
  }
}

void pointcontact(Model& m, Host& h) {
  const auto& g = m.brggeom;
  const auto& c = m.constants;
  auto& rv = m.revecs;
  auto& vm = m.vecmats;
  auto& ld = m.loadder;
  auto& sol = m.solutions;
  const int j = rv.irace;
  const int ire = rv.ire;

  // A point contact computes no moment sums and no attitude or race-angle derivatives: none of
  // them may keep a value of an earlier line-contact evaluation.
  for (auto* a : {&ld.dmt, &ld.dqt, &ld.dmx, &ld.dmr, &ld.dqx, &ld.dqr, &ld.dqxx, &ld.dqyy,
                  &ld.dqzz, &ld.dqp, &ld.dmp, &ld.dqt2, &ld.dqt3, &ld.dmxx, &ld.dmyy, &ld.dmzz,
                  &ld.dmt2, &ld.dmt3, &ld.bm, &ld.rm})
    (*a)(j) = 0.0;

  // Contact normal and approach.
  const bool grooved = std::abs(g.racecurrad(j)) <= c.crnlmt;
  const bool crowned = std::abs(g.recrn(ire)) <= c.crnlmt;
  zq::Vec3 uvra, uvr, uvia;
  double delta = 0.0;
  auto& tac = rv.tac;
  if (grooved && crowned) {
    // Along the line of the two curvature centres.
    const double vn = std::sqrt(h.v(1) * h.v(1) + h.v(2) * h.v(2) + h.v(3) * h.v(3));
    for (int n = 1; n <= 3; ++n) uvra(n) = h.v(n) / vn;
    mtv(rv.tra, uvra, uvr);
    delta = vn + g.recrn(ire) - g.racecurrad(j);
    sol.condef(j, ire) = delta;
    mv(rv.tria, uvr, uvia);
    double phi = rv.baseang(j);
    if (std::abs(uvia(1) / uvia(3)) > c.tolr(2)) phi += std::atan(uvia(1) / uvia(3));
    double chi = 0.0;
    if (std::abs(uvia(2)) > 1.0e-5)
      chi = std::atan(-uvia(2) / std::sqrt(uvia(1) * uvia(1) + uvia(3) * uvia(3)));
    sol.conang(j, 1, ire) = phi;
    sol.conang(j, 2, ire) = chi;
    const double sp = std::sin(phi), cp = std::cos(phi), sc = std::sin(chi), cc = std::cos(chi);
    tac = zq::Mat3{cp, sc * sp, cc * sp, 0.0, cc, -sc, -sp, sc * cp, cc * cp};
  } else {
    if (grooved) {
      // A straight roller in a groove: no input builds it (balls and crowned rollers have a
      // crown radius). The stored frame and approach would stand in for a contact never
      // evaluated.
#if defined(ZELORQS_BOUNDS_CHECK)
      throw std::logic_error("zelc1::pointcontact: straight element on a grooved race");
#endif
      delta = sol.condef(j, ire);
      copy3(vm.tacs.sub<3, 3>(j, ire), tac);
    } else {
      // Straight race: fixed contact frame; the approach is the crown's reach past the
      // raceway line along the normal.
      copy3(vm.tacs.sub<3, 3>(j, ire), tac);
      delta = g.recrn(ire) + tac(3, 1) * h.v(1) + tac(3, 2) * h.v(2) + tac(3, 3) * h.v(3);
      sol.condef(j, ire) = delta;
    }
    for (int n = 1; n <= 3; ++n) uvra(n) = tac(3, n);
    mtv(rv.tra, uvra, uvr);
  }
  copy3(tac, vm.tacs.sub<3, 3>(j, ire));

  if (delta <= c.tolr(1)) {
    // Apart (dqn keeps the stiffness of the last loaded state).
    sol.conload(j, ire) = 0.0;
    sol.conwidtha(j, ire) = 0.0;
    sol.conwidthb(j, ire) = 0.0;
    sol.conpress(j, ire) = 0.0;
    sol.qcl(j, ire) = 0.0;
    sol.acl(j, ire) = 0.0;
  } else {
    // Principal curvatures: element (rolling plane, transverse), race (rolling plane,
    // transverse; concave negative).
    const double rho11 = g.recur(1, ire);
    const double rho12 = g.recur(2, ire);
    double rho21, rho22;
    if (grooved) {
      rho21 = -1.0 / (h.rj / uvra(3) + g.racecurrad(j));
      rho22 = -1.0 / g.racecurrad(j);
    } else {
      rho21 = -tac(1, 1) / h.rj;
      rho22 = 0.0;
    }
    const double s = rho11 + rho12 + rho21 + rho22;
    const double f = (rho11 - rho12 + rho21 - rho22) / s;
    sol.cursum(j, ire) = s;
    sol.curfunc(j, ire) = f;
    rv.radx(j) = 1.0 / (rho11 + rho21);

    // Hertz factors at the contact's own curvature difference (the life models read them for
    // near-line contacts too).
    double as = 0.0, bs = 0.0, ds = 0.0;
    zelc4::zelc4(m, f, as, bs, ds, 0);
    sol.astar(j, ire) = as;
    sol.bstar(j, ire) = bs;

    double q, a, b, stiff;
    if (f <= 0.9995) {
      // delta = delta* (S/2) (3 Q K / (2 S))^(2/3), K = qmrerace the compliance sum; Qs = Q K.
      const double qs = (2.0 * s / 3.0) * std::pow(2.0 * delta / (ds * s), 1.5);
      q = qs / c.qmrerace(j);
      const double scale = std::pow(1.5 * qs / s, c.one3);
      a = as * scale;
      b = bs * scale;
      sol.conpress(j, ire) = 3.0 * q / (2.0 * c.pi * a * b);
      stiff = 1.5 * q / delta;
    } else {
      // Near-line ellipse: the line law over the element's profile length between its corner
      // radii, against either race (twice the upper limit would exceed the profile of a
      // tapered roller, whose profile lies about rerad tan(half angle), or of unequal
      // corners); tangent stiffness.
      const double l = g.reconlmt(2, ire) - g.reconlmt(1, ire);
      a = l / 2.0;
      zelc6::zelc6(m, 1, delta, c.qrerace.sub<2>(j), l, s, b, stiff, q);
      sol.conpress(j, ire) = q / (c.pi * a * b);
    }
    sol.conload(j, ire) = q;
    sol.conwidtha(j, ire) = a;
    sol.conwidthb(j, ire) = b;
    ld.dqn(j) = stiff;

    // Load by the element's and the race's displacements (exact on a straight race).
    const double dd = ld.dqn(j) * g.racecostaper(j) * c.sig(j);
    ld.dqr(j) = dd;
    ld.dqx(j) = dd * g.racetantaper(j);
    ld.dqxx(j) = -ld.dqx(j);
    ld.dqyy(j) = h.ssii * dd;
    ld.dqzz(j) = -h.csii * dd;
    sol.qcl(j, ire) = q;
    sol.acl(j, ire) = 4.0 * a / 3.0;
  }

  // Contact centre on both bodies (loaded or not) and the track radius.
  for (int n = 1; n <= 3; ++n) rv.ccbgr(n) = g.recrn(ire) * uvr(n) + h.bc(n);
  mul(tac, rv.tbia, rv.tbc);
  mulT(rv.tbc, rv.tbr, rv.trc);
  zq::Vec3 t1, t2, p;
  mv(rv.trc, rv.ccbgr, t1);
  mv(rv.tbc, g.regeocen.sub<3>(ire), t2);
  for (int n = 1; n <= 3; ++n) {
    vm.cbs(n, j, ire) = t1(n) + t2(n);
    p(n) = g.racegeocen(n, j) + rv.ccbgr(n) + rv.bgrgr(n);
  }
  mv(rv.trc, p, t1);
  for (int n = 1; n <= 3; ++n) {
    vm.crs(n, j, ire) = t1(n);
    p(n) = rv.bgrgr(n) + rv.ccbgr(n);
  }
  mv(rv.tra, p, t1);
  sol.radconposr(j, ire) = t1(3);
}

void flngcontact(Model& m, Host& h) {
  (void)h;
  const auto& g = m.brggeom;
  const auto& c = m.constants;
  auto& rv = m.revecs;
  auto& vm = m.vecmats;
  auto& fd = m.flngdata;
  auto& ld = m.loadder;
  auto& sol = m.solutions;
  const int j = rv.irace;
  const int ire = rv.ire;

  // Velocities seen from the race, the element's orbital motion removed.
  const zq::Vec3 r1{vm.revel(1, ire), vm.inerttoiaz(3, 2, ire) * vm.revel(2, ire),
                    vm.inerttoiaz(3, 3, ire) * vm.revel(2, ire)};
  mv(rv.tir, r1, fd.vbr);
  mv(rv.tir, vm.racevel.sub<3>(j), fd.vrr);
  mv(rv.tbr, vm.reangvel.sub<3>(ire), fd.ombr);
  fd.omrr = zq::Vec3{vm.raceangvel(1, j) - vm.revel(3, ire), vm.raceangvel(2, j),
                     vm.raceangvel(3, j)};
  // The flange frames use the race azimuth frame through the element centre (a line contact
  // leaves the frame of its last slice in revecs::tra).
  copy3(rv.tras.sub<3, 3>(j), rv.tra);

  for (int k = 1; k <= 2; ++k) {
    if (g.kflngind(k, j) == 0) continue;
    const int f = k + 2 * (j - 1);
    sol.raceflngwri(f, ire) = 0.0;
    sol.flngsv(f, ire) = 0.0;

    fd.xcc = g.recorcen(1, k, ire);
    fd.rcc = g.recorcen(2, k, ire);
    mulT(rv.tbr, g.tre.sub<3, 3>(k, ire), fd.ter);
    fd.rf = zq::Vec3{g.flngorigin(1, k, j), 0.0, m.opcond.raceexp(j) + g.flngorigin(2, k, j)};
    copy3(g.traf.sub<3, 3>(k, j), fd.trafjk);
    mul(fd.trafjk, rv.tra, fd.trf);
    copy3(vm.racetoiaz.sub<3, 3>(j, ire), rv.tria);
    fd.erad = g.reendrad(k, ire);
    fd.corrad = g.recorrad(k, ire);
    fd.ecc = g.reendcen(k, ire);
    fd.fht = g.flnght(k, j);
    for (int n = 1; n <= 6; ++n) fd.conf(n) = c.flngcons(n, k, j);

    // The flange contact reports its own failures at once; a record pending from an earlier
    // contact of this element is kept for the caller. The element, side and race go into the
    // integer list for the messages raised inside.
    const Errors pending = m.errors;
    m.errors.ierind = 0;
    m.errors.iarray(1) = ire;
    m.errors.iarray(2) = k;
    m.errors.iarray(3) = j;
    int status = 0, code = 0;
    zelc3::zelc3(m, status, code);
    if (m.errors.ierind != 0) zela9::zela9(m);
    m.errors = pending;

    fd.istat(k, j, ire) = status;
    sol.idflngcon(f, ire) = code;
    sol.flngentvel(f, ire) = fd.flngentveljk;
    sol.flngreconpos(f, ire) = fd.flngreconposjk;
    sol.flngslip(f, ire) = fd.flngslipjk;
    sol.ths(f + 4 * (ire - 1)) = fd.th;  // four flange contacts per element
    sol.flngangconpos(f, ire) = fd.rerotc(ire) + fd.th;
    sol.flngforce(f, ire) = fd.qf;
    sol.flngconwidtha(f, ire) = fd.af;
    sol.flngconwidthb(f, ire) = fd.bf;
    sol.flngdef(f, ire) = fd.delf;
    sol.flngconposz(f, ire) = fd.ccff(3);
    sol.flngconposy(f, ire) = fd.fyc;
    sol.raceflngwri(f, ire) = fd.qvf;
    sol.flngsv(f, ire) = fd.svf;
    ld.fqdel(k, j) = fd.qdel;
    sol.reendwr(k, ire) += fd.qvf;
    if (fd.qf > 0.0) rv.idflngsol += 1;

    for (int n = 1; n <= 3; ++n) {
      for (int u = 1; u <= 4; ++u) {
        ld.dbflngfor(n, u) += fd.dbflngforjk(n, u);
        ld.dbflngmom(n, u) += fd.dbflngmomjk(n, u);
      }
      for (int u = 1; u <= 5; ++u) {
        ld.drflngfor(n, u, j) += fd.drflngforjk(n, u);
        ld.drflngmom(n, u, j) += fd.drflngmomjk(n, u);
      }
      rv.raceflngfor(n, j) += fd.raceflngforjk(n);
      rv.raceflngmom(n, j) += fd.raceflngmomjk(n);
      rv.reflngfor(n) += fd.reflngforjk(n);
      rv.reflngmom(n) += fd.reflngmomjk(n);
      rv.rflngfor(n, j) += fd.rflngforjk(n);
      rv.rflngmom(n, j) += fd.rflngmomjk(n);
      rv.bflngfor(n) += fd.bflngforjk(n);
      rv.bflngmom(n) += fd.bflngmomjk(n);
    }
  }
  for (int n = 1; n <= 3; ++n) {
    m.setupb1.raceflngfors(n, j, ire) = rv.raceflngfor(n, j);
    m.setupb1.raceflngmoms(n, j, ire) = rv.raceflngmom(n, j);
  }
}

}  // namespace zelc1
