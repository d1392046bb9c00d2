// Race-contact tables, two race contacts side by side per element (outer/inner, or the second
// contacts of a split race): contact angle, deflection, load and maximum pressure; contact
// half-widths, ball contact-edge positions and the load-slip integral; rolling speed, spin to
// roll, isothermal film and its thermal reduction, power loss; maximum slip, traction
// coefficient, shear thinning and the maximum of pressure times slip. User units.
#include <cmath>

#include "model/model.h"
#include "report/zela3.h"

namespace zela3 {

namespace {

constexpr const char* kRow = "2X,I5";

// Contact edges of a ball contact (c, i) in column col (1 left, 2 right): depth of the edge
// below the race shoulder (cedge1) and axial position of the other edge (cedge2), from the
// groove curvature centre, the groove radius R, the contact angle and the half-width a on the
// groove circle (arc a / R on either side of the contact angle).
void contactedges(Model& m, int c, int col, int i) {
  const auto& s = m.solutions;
  const auto& g = m.brggeom;
  const auto& k = m.constants;
  auto& z = m.zela3;
  if (s.conload(c, i) <= 0.0) {
    z.cedge1(c, i) = 0.0;
    z.cedge2(c, i) = 0.0;
    return;
  }
  const double a = s.conwidtha(c, i);
  const double r = g.racecurrad(c);
  const double phi = s.conang(c, 1, i);
  const double sense = c < 3 ? 1.0 : -1.0;
  z.cedge1(c, i) = k.sig(col) * k.slen *
                   (g.racecurcen(2, c) - g.shoulderdia(col) / 2.0 +
                    r * std::cos(phi + sense * a / r));
  z.cedge2(c, i) = (r * std::sin(phi - sense * a / r) + g.racecurcen(1, c)) * k.slen;
}

void geometryandload(Model& m, int c1, int c2) {
  const auto& s = m.solutions;
  const auto& k = m.constants;
  const auto& u = m.units;
  auto& a = m.solutions.alist;
  m.devices.report.write(
      R"f(/,5X,"RE ....Contact Angle.... ...Contact Deflection "," ....Contact Load..... ...Contact Stress....","....Race Flexing.....",/,5X,"no",9X,"(deg)",18X,A4,17X,A6,16X,A6,17X,A4,/,7X,5(" Outer Race Inner Race"),/)f",
      {u.ulen, u.uforce, u.upres, u.ulen});
  for (int i = 1; i <= m.brggeom.nre; ++i) {
    // The second column's angle is measured from the inner race's base angle pi.
    a(1) = s.conang(c1, 1, i) * k.cang;
    a(2) = (s.conang(c2, 1, i) - k.pi) * k.cang;
    for (int col = 0; col <= 1; ++col) {
      const int c = col == 0 ? c1 : c2;
      a(3 + col) = s.condef(c, i) * k.slen;
      a(5 + col) = s.conload(c, i) * k.sforce;
      // Maximum pressure as stored by the contact routine: 3Q/(2 pi a b) for a Hertz point
      // contact, Q/(pi a b) for near-line and line contacts.
      a(7 + col) = s.conload(c, i) > 0.0 ? s.conpress(c, i) * k.cpres : 0.0;
      a(9 + col) = s.conflex(c, i) * k.slen;
    }
    writecells(m, kRow, {i}, 10);
  }
}

void dimensions(Model& m, int c1, int c2) {
  const auto& s = m.solutions;
  const auto& k = m.constants;
  const auto& u = m.units;
  auto& a = m.solutions.alist;
  m.devices.report.write(
      R"f(/,5X,"RE ..Major Half Width... ..Minor Half Width..."," .Outer Contact Edge.."," ..Chordal Distance..."," ....Load*Slip Int....",/,5X,"no",9X,A4,18X,A4,9X,"  Depth from Shoulder  of Inner Contact Edge",6X,A10,/,60X,A4,18X,A4,/,7X,5(" Outer Race Inner Race"),/)f",
      {u.ulen, u.ulen, u.upower, u.ulen, u.ulen});
  for (int i = 1; i <= m.brggeom.nre; ++i) {
    unsigned missing = 0;
    for (int col = 0; col <= 1; ++col) {
      const int c = col == 0 ? c1 : c2;
      if (m.brggeom.kbrg == 1) contactedges(m, c, col + 1, i);
      a(1 + col) = s.conwidtha(c, i) * k.slen;
      a(3 + col) = s.conwidthb(c, i) * k.slen;
      a(5 + col) = m.zela3.cedge1(c, i);
      a(7 + col) = m.zela3.cedge2(c, i);
      // Load x slip integral in power units. The totals rescaled the primary contacts to wear
      // volume rate with the element's wear constant: undo it, or leave the column blank when
      // that constant is 0 (a material without wear). The split-race contacts are unscaled.
      const double wr = tractionresult(m, s.rewr, c, i);
      if (c > 2) {
        a(9 + col) = wr * k.cqv;
      } else if (k.crewr != 0.0) {
        a(9 + col) = wr * k.cqv / k.crewr;
      } else {
        missing |= 1u << (8 + col);
      }
    }
    writecells(m, kRow, {i}, 10, missing);
  }
}

void kinematicsandfilm(Model& m, int c1, int c2) {
  const auto& s = m.solutions;
  const auto& k = m.constants;
  const auto& u = m.units;
  auto& a = m.solutions.alist;
  m.devices.report.write(
      R"f(/,5X,"RE ...Rolling Velocity.. ......Spin/Roll......"," Isothermal Lub Film.. ..Reduction Factor..."," ....Contact Loss.....",/,5X,"no",8X,A6,39X,A4,36X,A10,/,7X,5(" Outer Race Inner Race"),/)f",
      {u.uvel, u.ulen, u.upower});
  for (int i = 1; i <= m.brggeom.nre; ++i) {
    for (int col = 0; col <= 1; ++col) {
      const int c = col == 0 ? c1 : c2;
      const double spin = s.spintoroll(c, i);
      a(1 + col) = std::abs(s.rollvel(c, i)) * k.cvel;
      a(3 + col) = std::abs(spin) <= k.tolr(1) ? 0.0 : spin;
      a(5 + col) = tractionresult(m, s.filmthk, c, i);
      a(7 + col) = tractionresult(m, s.filmmodfac, c, i);
      a(9 + col) = tractionresult(m, s.resv, c, i) * k.cqv;
    }
    writecells(m, kRow, {i}, 10);
  }
}

void sliptraction(Model& m, int c1, int c2) {
  const auto& s = m.solutions;
  const auto& k = m.constants;
  auto& a = m.solutions.alist;
  m.devices.report.write(
      R"f(/,5X,"RE ..Max Slip Velocity.. .....Trac Coeff...... ...","Shear Thinning ... ...Max Stress*Slip... ..Normalized Position",/,5X,"no",8X,A6,38X,"Factor",14X,A10,10X,"of Max Stress*Slip",/,7X,5(" Outer Race Inner Race"),/)f",
      {m.units.uvel, m.units.upv});
  for (int i = 1; i <= m.brggeom.nre; ++i) {
    for (int col = 0; col <= 1; ++col) {
      const int c = col == 0 ? c1 : c2;
      const bool loaded = s.conload(c, i) > 0.0;
      a(1 + col) = tractionresult(m, s.reracemaxslip, c, i) * k.cvel;
      a(3 + col) = tractionresult(m, s.reracetrac, c, i);
      a(5 + col) = s.shearthinfac(c, i);
      a(7 + col) = tractionresult(m, s.repv, c, i);
      a(9 + col) = loaded ? s.repvx(1, c, i) : 0.0;
    }
    writecells(m, kRow, {i}, 10);
  }
}

}  // namespace

void reraceparameters(Model& m, int k) {
  const int c1 = k + 1, c2 = k + 2;
  geometryandload(m, c1, c2);
  dimensions(m, c1, c2);
  kinematicsandfilm(m, c1, c2);
  sliptraction(m, c1, c2);
}

}  // namespace zela3
