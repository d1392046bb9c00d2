// Distributions of the heaviest loaded element: for a ball, the slip speed, traction coefficient
// and stress times slip at the integration points along the major axis of each race contact
// (normalised coordinate -1..1, Hertz pressure p0 sqrt(1 - x^2) on the centre line) and its
// pure-rolling points; for a roller, deflection, half-width, load per unit length and traction
// coefficient of each lamina along the line contact. User units.
#include <cmath>
#include <utility>

#include "model/model.h"
#include "report/zela3.h"

namespace zela3 {

namespace {

// Bubble sort of the points of contact (k, j) by their normalised coordinate; the slip and
// traction values move with their points and the sorted order is kept in `solutions`.
void sortpoints(Model& m, int k, int j) {
  auto& s = m.solutions;
  const int n = s.npoints(k, j);
  for (int pass = 1; pass < n; ++pass) {
    for (int p = 1; p <= n - pass; ++p) {
      if (s.xcoord(p, k, j) > s.xcoord(p + 1, k, j)) {
        std::swap(s.xcoord(p, k, j), s.xcoord(p + 1, k, j));
        std::swap(s.conslipdis(p, k, j), s.conslipdis(p + 1, k, j));
        std::swap(s.contracdis(p, k, j), s.contracdis(p + 1, k, j));
      }
    }
  }
}

}  // namespace

void balldistribution(Model& m, int j) {
  auto& s = m.solutions;
  const auto& c = m.constants;
  auto& a = s.alist;
  auto& rep = m.devices.report;
  rep.write(
      R"f(/,5X,"Slip and Traction Distribution for Ball no.",I3,/,5X,46("-"),/,/,5X," Race","  Point"," Normalized","       Slip","   Traction","     Stress",/,5X,"Index","  Index"," Coordinate","   Velocity","      Coeff","      *Slip",/,33X,A6,12X,A10)f",
      {j, m.units.uvel, m.units.upv});
  for (int k = 1; k <= 2; ++k) {
    sortpoints(m, k, j);
    if (s.conload(k, j) <= 0.0) {
      rep.write(R"f(/,5X,"No contact with ",A10)f", {racename(k)});
      continue;
    }
    // Maximum pressure as the contact routine stored it (the pressure the lives use).
    const double p0 = s.conpress(k, j) * c.cpres;
    for (int n = 1; n <= s.npoints(k, j); ++n) {
      const double x = s.xcoord(n, k, j);
      const double slip = s.conslipdis(n, k, j) * c.cvel;
      a(1) = x;
      a(2) = slip;
      a(3) = s.contracdis(n, k, j);
      a(4) = std::sqrt(1.0 - x * x) * p0 * std::abs(slip);
      if (n == 1) {
        rep.write("/,5X,A5,2X,I5,4E11.3",
                  zq::FmtList{}.add(k == 1 ? "Outer" : "Inner").add(n).range(a, 1, 4));
      } else {
        rep.write("12X,I5,4E11.3", zq::FmtList{}.add(n).range(a, 1, 4));
      }
    }
    rep.write(R"f(5X,"Normalized x coordinate for pure rolling point")f");
    for (int p = 1; p <= m.vecmats.kns(k, j); ++p)
      rep.write("12X,I5,4E11.3", {p, m.vecmats.xys(p, k, j)});
  }
}

void loaddistribution(Model& m, int j) {
  const auto& s = m.solutions;
  const auto& c = m.constants;
  const auto& u = m.units;
  auto& a = m.solutions.alist;
  auto& rep = m.devices.report;
  rep.write(
      R"f(/,/,5X,"Load Distribution Along Roller no.",I3,/,5X,41("-"),/,/,/,8X,18("."),"Outer Race Contact",18("."),1X,18("."),"Inner Race Contact",18("."),/,7X,2("  Axial Pos    Geo Int Half Width   Nor Load  Trac Coeff"),/,7X,2(3(7X,A4),3X,A8,11X),/)f",
      {j, u.ulen, u.ulen, u.ulen, u.ustif, u.ulen, u.ulen, u.ulen, u.ustif});
  for (int n = 1; n <= m.revecs.ngrid; ++n) {
    for (int k = 1; k <= 2; ++k) {
      const int o = 5 * (k - 1);
      a(o + 1) = s.xcoord(n, k, j) * c.slen;
      a(o + 2) = s.condefdis(n, k, j) * c.slen;
      a(o + 3) = s.conwidthdis(n, k, j) * c.slen;
      a(o + 4) = s.conloaddis(n, k, j) * c.cstiff;
      a(o + 5) = s.contracdis(n, k, j);
    }
    rep.write("2X,I5,11E11.3", zq::FmtList{}.add(n).range(a, 1, 10));
  }
}

}  // namespace zela3
