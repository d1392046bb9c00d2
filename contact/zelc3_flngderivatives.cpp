// Derivatives of the flange normal load (qf along the flange normal; damping and friction left
// out) and of its moments, for the Newton steps of the roller and race equilibrium: by the
// roller's axial and radial displacement and its second and third attitude angle, and by the
// race's displacements along inertial x, y, z and its second and third attitude angle. Exact
// derivatives of the contact geometry as computed (end-sphere centre, corner point with the
// motion of the stationary or edge angle, contact azimuth, half-way contact point); the local
// raceway radius of a race with imperfections is held. Results in the element azimuth frame.
#include <cmath>

#include "contact/zelc3.h"
#include "model/model.h"
#include "numerics/zelg4.h"

namespace zelc3 {

namespace {

// c = a b^T.
void mmt(zq::Mat3In a, zq::Mat3In b, zq::Mat3& c) {
  for (int i = 1; i <= 3; ++i)
    for (int j = 1; j <= 3; ++j)
      c(i, j) = a(i, 1) * b(j, 1) + a(i, 2) * b(j, 2) + a(i, 3) * b(j, 3);
}

// c = a b.
void mm(zq::Mat3In a, zq::Mat3In b, zq::Mat3& c) {
  for (int i = 1; i <= 3; ++i)
    for (int j = 1; j <= 3; ++j)
      c(i, j) = a(i, 1) * b(1, j) + a(i, 2) * b(2, j) + a(i, 3) * b(3, j);
}

// y = a x.
void mv(zq::Mat3In a, zq::Vec3In x, zq::Vec3& y) {
  for (int i = 1; i <= 3; ++i) y(i) = a(i, 1) * x(1) + a(i, 2) * x(2) + a(i, 3) * x(3);
}

// Geometry of the loaded contact shared by all directions of change.
struct Base {
  zq::Vec3 n;      // flange normal, flange azimuth frame (first row of the flange matrix)
  zq::Vec3 nr;     // the same, race frame
  zq::Vec3 dndp;   // its change with the contact azimuth psi
  zq::Vec3 force;  // normal load on the race, race frame
  zq::Mat3 tbrt;   // tbr^T ter: end-face frame in the roller frame
  double radius = 0.0;  // end-sphere or corner radius
  double gth = 0.0;     // change of the corner stationarity function with the corner angle
};

// Change of the corner circle point (race frame) at a fixed angle th when the roller centre
// moves by db and the roller frame by dt (the end face turning with it). The point is
// q = bgrgr + xcc tbr(:, 1) + ter (0, -rcc sin th, rcc cos th) with ter = tbr (tbr^T ter), the
// end-face frame fixed in the roller, so d(ter) = dt (tbr^T ter). du is the change of
// u = ter (0, cos th, sin th), the direction of the circle's tangent (dq/dth = -rcc u).
void circlemotion(const Model& m, const Base& b, double th, const zq::Vec3& db,
                  const zq::Mat3& dt, zq::Vec3& dq, zq::Vec3& du) {
  const auto& fd = m.flngdata;
  zq::Mat3 dter;
  mm(dt, b.tbrt, dter);
  const double c = std::cos(th), s = std::sin(th);
  for (int i = 1; i <= 3; ++i) {
    dq(i) = db(i) + fd.xcc * dt(i, 1) + fd.rcc * (-dter(i, 2) * s + dter(i, 3) * c);
    du(i) = dter(i, 2) * c + dter(i, 3) * s;
  }
}

// Change of the centre point (end-sphere centre or corner point) for one direction of change,
// including the motion of the corner angle that the search would find:
// - stationary point: the search holds g(th, state) = 0, so dth = -(dg at fixed th) / (dg/dth)
//   (implicit function theorem); the approach itself is stationary there, but the contact point
//   slides along the circle and moves the moments;
// - flange rim: th = thlo + xth flo / (flo - fhi) from the two search angles, whose heights
//   f = ccff(3) - fht change with the state at fixed angles: dth = xth (flo dfhi - fhi dflo) /
//   (flo - fhi)^2;
// - rim exactly on a search angle: the angle stays.
void centremotion(const Model& m, const Host& h, const Base& b, const zq::Vec3& db,
                  const zq::Mat3& dt, zq::Vec3& dq) {
  const auto& fd = m.flngdata;
  if (h.kind == Host::kSphere) {
    for (int i = 1; i <= 3; ++i) dq(i) = db(i) + fd.ecc * dt(i, 1);
    return;
  }
  zq::Vec3 du;
  circlemotion(m, b, fd.th, db, dt, dq, du);
  double dth = 0.0;
  const double c = std::cos(fd.th), s = std::sin(fd.th);
  if (h.kind == Host::kCorner && b.gth != 0.0) {
    // g = rho n1 u1 + n3 (u2 y + u3 z) with (y, z) the corner point's radial-plane coordinates.
    zq::Vec3 u;
    for (int i = 1; i <= 3; ++i) u(i) = fd.ter(i, 2) * c + fd.ter(i, 3) * s;
    const double y = h.q(2), z = h.q(3), rho = h.rho;
    const double drho = (y * dq(2) + z * dq(3)) / rho;
    const double n1 = fd.trafjk(1, 1), n3 = fd.trafjk(1, 3);
    const double dg = drho * n1 * u(1) + rho * n1 * du(1) +
                      n3 * (du(2) * y + du(3) * z + u(2) * dq(2) + u(3) * dq(3));
    dth = -dg / b.gth;
  } else if (h.kind == Host::kEdge) {
    // The edge crossing interpolated between its two search angles.
    double df[2];
    for (int k = 0; k < 2; ++k) {
      const double t = h.thlo + k * fd.xth;
      zq::Vec3 p, dp, dv;
      cornercircle(m, t, p);
      circlemotion(m, b, t, db, dt, dp, dv);
      const double rho = std::sqrt(p(2) * p(2) + p(3) * p(3));
      df[k] = fd.trafjk(3, 1) * dp(1) + fd.trafjk(3, 3) * (p(2) * dp(2) + p(3) * dp(3)) / rho;
    }
    const double d = h.flo - h.fhi;
    dth = fd.xth * (h.flo * df[1] - h.fhi * df[0]) / (d * d);
  }
  for (int i = 1; i <= 3; ++i)
    dq(i) -= fd.rcc * (fd.ter(i, 2) * c + fd.ter(i, 3) * s) * dth;
}

// Change of the contact point (from the race centre, up to a shift along the normal) and of the
// normal load vector, race frame, when the roller centre moves by db and the roller frame by dt
// relative to the race. The centre point q at radius rho and azimuth psi sets the flange frame of
// the contact (turned by psi about the axis) and the approach pen = n1 (q1 - rf1) +
// n3 (rho - rf3) + radius; so drho = (y dy + z dz)/rho, dpsi = (y dz - z dy)/rho^2 (psi =
// atan2(-y, z)), the load changes by qdel dpen along the normal and by qf times the turn of the
// normal with psi. A centre point on the bearing axis leaves the azimuth undefined: it is held.
void contactmotion(const Model& m, const Host& h, const Base& b, const zq::Vec3& db,
                   const zq::Mat3& dt, zq::Vec3& dc, zq::Vec3& df) {
  const auto& fd = m.flngdata;
  zq::Vec3 dq;
  centremotion(m, h, b, db, dt, dq);
  const double y = h.q(2), z = h.q(3);
  const bool onaxis = h.rho == 0.0;
  const double drho = onaxis ? 0.0 : (y * dq(2) + z * dq(3)) / h.rho;
  const double dpsi = onaxis ? 0.0 : (-z * dq(2) + y * dq(3)) / (h.rho * h.rho);
  const double dpen = b.n(1) * dq(1) + b.n(3) * drho;
  const double dqf = fd.qdel * dpen;
  // The contact point q + (radius - pen/2) n moves with the centre point and the turning
  // normal; its shift along the normal (half the change of approach) is left out, as it has no
  // moment about either centre with the load along the normal.
  const double arm = b.radius - 0.5 * h.pen;
  for (int i = 1; i <= 3; ++i) {
    const double dn = b.dndp(i) * dpsi;
    dc(i) = dq(i) + arm * dn;
    df(i) = dqf * b.nr(i) + fd.qf * dn;
  }
}

// d(a x b) = da x b + a x db.
void dcross(const zq::Vec3& a, const zq::Vec3& da, const zq::Vec3& b, const zq::Vec3& db,
            zq::Vec3& d) {
  zq::Vec3 t1, t2;
  zelg4::zelg4(da, b, t1);
  zelg4::zelg4(a, db, t2);
  for (int i = 1; i <= 3; ++i) d(i) = t1(i) + t2(i);
}

}  // namespace

void flngderivatives(Model& m, const Host& h) {
  auto& fd = m.flngdata;
  const auto& rv = m.revecs;
  const auto& ld = m.loadder;

  Base b;
  const double c = std::cos(h.psi), s = std::sin(h.psi);
  for (int i = 1; i <= 3; ++i) b.n(i) = fd.trafjk(1, i);
  b.nr = {b.n(1), c * b.n(2) - s * b.n(3), s * b.n(2) + c * b.n(3)};
  b.dndp = {0.0, -s * b.n(2) - c * b.n(3), c * b.n(2) - s * b.n(3)};
  for (int i = 1; i <= 3; ++i) b.force(i) = fd.qf * b.nr(i);
  b.radius = h.kind == Host::kSphere ? fd.erad : fd.corrad;
  for (int i = 1; i <= 3; ++i)
    for (int j = 1; j <= 3; ++j)
      b.tbrt(i, j) = rv.tbr(1, i) * fd.ter(1, j) + rv.tbr(2, i) * fd.ter(2, j) +
                     rv.tbr(3, i) * fd.ter(3, j);
  if (h.kind == Host::kCorner) {
    // d/dth of rho n1 u1 + n3 (u2 y + u3 z) along the corner circle (dq/dth = -rcc u).
    const double ct = std::cos(fd.th), st = std::sin(fd.th);
    zq::Vec3 u, w;
    for (int i = 1; i <= 3; ++i) {
      u(i) = fd.ter(i, 2) * ct + fd.ter(i, 3) * st;
      w(i) = -fd.ter(i, 2) * st + fd.ter(i, 3) * ct;
    }
    const double y = h.q(2), z = h.q(3), rho = h.rho;
    const double yt = -fd.rcc * u(2), zt = -fd.rcc * u(3);
    const double n1 = fd.trafjk(1, 1), n3 = fd.trafjk(1, 3);
    if (rho > 0.0)
      b.gth = (y * yt + z * zt) / rho * n1 * u(1) + rho * n1 * w(1) +
              n3 * (w(2) * y + w(3) * z + u(2) * yt + u(3) * zt);
  }

  // Moment of the normal load about the race centre, race frame.
  zq::Vec3 mr;
  zelg4::zelg4(h.fccrgr, b.force, mr);

  // Roller unknowns: axial and radial displacement (the centre moves along the inertial x axis
  // or the azimuth z axis, seen from the race: db = tir e), attitude angles 2 and 3 (the centre
  // stays; the element frame TIB = T(a) rebasetran tia turns through dT = tib2, tib3, and with
  // it the roller frame seen from the race, tbr = tir TIB^T). The moment about the roller centre
  // uses the contact point from it, fccbgr = fccrgr - bgrgr, which changes by dc - db. The race
  // frame does not move, so tria turns the changes into the azimuth frame as they are; the
  // load on the roller is minus the load on the race.
  zq::Mat3 tmp, dtib;
  zq::Vec3 db, dc, df, d1, d2, a;
  zq::Mat3 dt;
  for (int k = 1; k <= 4; ++k) {
    db.fill(0.0);
    dt.fill(0.0);
    if (k == 1) {
      for (int i = 1; i <= 3; ++i) db(i) = rv.tir(i, 1);
    } else if (k == 2) {
      for (int i = 1; i <= 3; ++i)
        db(i) = rv.tir(i, 1) * rv.tia(3, 1) + rv.tir(i, 2) * rv.tia(3, 2) +
                rv.tir(i, 3) * rv.tia(3, 3);
    } else {
      mm(k == 3 ? ld.tib2 : ld.tib3, m.brggeom.rebasetran, tmp);
      mm(tmp, rv.tia, dtib);
      mmt(rv.tir, dtib, dt);
    }
    contactmotion(m, h, b, db, dt, dc, df);
    for (int i = 1; i <= 3; ++i) d1(i) = dc(i) - db(i);
    dcross(h.fccbgr, d1, b.force, df, d2);
    mv(rv.tria, df, a);
    for (int i = 1; i <= 3; ++i) fd.dbflngforjk(i, k) = -a(i);
    mv(rv.tria, d2, a);
    for (int i = 1; i <= 3; ++i) fd.dbflngmomjk(i, k) = -a(i);
  }

  // Race unknowns: displacements along inertial x, y, z (the element centre seen from the race
  // moves the other way, db = -tir e); attitude angles 2 and 3, which turn the race frame by
  // ta = tir2, tir3 and with it the element centre and frame as seen from the race (db = ta tir^T
  // bgrgr, dt = ta tir^T tbr) and the azimuth matrix tria = tia tir^T (by tia ta^T). The moment
  // is taken about the race centre, with the contact point fccrgr.
  for (int k = 1; k <= 5; ++k) {
    db.fill(0.0);
    dt.fill(0.0);
    zq::Mat3 dtria;
    dtria.fill(0.0);
    if (k <= 3) {
      for (int i = 1; i <= 3; ++i) db(i) = -rv.tir(i, k);
    } else {
      const zq::Mat3& ta = k == 4 ? ld.tir2 : ld.tir3;
      zq::Mat3 rot;  // ta tir^T
      mmt(ta, rv.tir, rot);
      mv(rot, rv.bgrgr, db);
      mm(rot, rv.tbr, dt);
      mmt(rv.tia, ta, dtria);
    }
    contactmotion(m, h, b, db, dt, dc, df);
    dcross(h.fccrgr, dc, b.force, df, d2);
    for (int i = 1; i <= 3; ++i) {
      double sf = 0.0, sm = 0.0;
      for (int j = 1; j <= 3; ++j) {
        sf += rv.tria(i, j) * df(j) + dtria(i, j) * b.force(j);
        sm += rv.tria(i, j) * d2(j) + dtria(i, j) * mr(j);
      }
      fd.drflngforjk(i, k) = sf;
      fd.drflngmomjk(i, k) = sm;
    }
  }
}

}  // namespace zelc3
