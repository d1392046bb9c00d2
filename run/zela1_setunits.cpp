// Unit labels of the report for the input's unit system (1 SI, 2 English), right-justified in
// their fields, and the labels of the fatigue-life constants, which carry the life exponents
// (e.g. "(N/m**1.800)"). An invalid unit code stops the run.
#include <cmath>
#include <string>

#include "model/model.h"
#include "run/stop.h"
#include "run/zela1.h"

namespace zela1 {

namespace {

// Right-justifies a label in its field.
template <int N>
void label(zq::FText<N>& t, std::string_view s) {
  t = zq::renderA(s, N);
}

// One rendered line of a format, without its line end.
std::string field(std::string_view format, const zq::FmtList& values) {
  std::string s = zq::renderFormat(format, values);
  if (!s.empty() && s.back() == '\n') s.pop_back();
  return s;
}

// Exponent e as integer part p and thousandths q, truncated (1.9999999 -> 1 and 999).
void splitExponent(double e, int& p, int& q) {
  const int i = static_cast<int>(std::trunc(e * 1000.0));
  p = i / 1000;
  q = i % 1000;
}

std::string capacityLabel(int kunit, double e) {
  int p = 0, q = 0;
  splitExponent(e, p, q);
  if (kunit == 1) return field("3X,\"(N/m**\",I1,\".\",I3,\")\"", {p, q});
  return field("\"(lbf/in**\",I1,\".\",I3,\")\"", {p, q});
}

std::string geometryLabel(int kunit, double e) {
  int p = 0, q = 0;
  splitExponent(e, p, q);
  if (kunit == 1) return field("\" (1/m^\",I1,\".\",I3,\")\"", {p, q});
  return field("\"(1/in^\",I1,\".\",I3,\")\"", {p, q});
}

}  // namespace

void setunits(Model& m) {
  auto& u = m.units;
  const int kunit = m.options.kunit;
  if (kunit != 1 && kunit != 2) {
    m.devices.report.write(
        "/,/,5X,\"Execution terminating in SetUnits\",/,/,5X,"
        "\"Invalid units code encountered:  kUnit=\",I2,/,/,/",
        {kunit});
    zq::stopRun("zela1::setunits");
  }
  const bool si = kunit == 1;
  label(u.ulen, si ? "(m)" : "(in)");
  label(u.uinvlen, si ? "(1/m)" : "(1/in)");
  label(u.uforce, si ? "(N)" : "(lbf)");
  label(u.umass, si ? "(kg)" : "(lbm)");
  label(u.utime, "(s)");
  label(u.utemp, si ? "(K)" : "(R)");
  label(u.uvel, si ? "(m/s)" : "(in/s)");
  label(u.uacc, si ? "(m/s**2)" : "(in/s**2)");
  label(u.uangvel, "(rpm)");
  label(u.uangacc, "(rpm/s)");
  label(u.uang1, "(deg)");
  label(u.uang2, "(rad)");
  label(u.umom, si ? "(N.m)" : "(lbf.in)");
  label(u.upres, si ? "(Pa)" : "(psi)");
  label(u.ustif, si ? "(N/m)" : "(lbf/in)");
  label(u.upower, si ? "(W)" : "(lbf.in/s)");
  label(u.uvis, si ? "(Pa.s)" : "(psi.s)");
  label(u.uden, si ? "(kg/m**3)" : "(lbm/in**3)");
  label(u.umi, si ? "(kg*m**2)" : "(lbm*in**2)");
  label(u.uhtc, si ? "(W/m**2/K)" : "(lbf*in/in**2/R/s)");
  label(u.uhtc1, si ? "" : "(lbf*in/");
  label(u.uhtc2, si ? "(W/m**2/K)" : "in**2/R/s)");
  label(u.uthercond, si ? "(W/m/K)" : "(lbf.in/in/R/s)");
  label(u.uheatcap, si ? "(J/kg/K)" : "(lbf.in/lbm/R)");
  label(u.ucoeftherexp, si ? "(m/m/K)" : "(in/in/R)");
  label(u.uprcoeff, si ? "(1/Pa)" : "(1/psi)");
  label(u.uprtempcoeff1, si ? "(1/Pa/K)" : "(1/psi/R)");
  label(u.uprtempcoeff2, si ? "(K/Pa)" : "(R/psi)");
  label(u.utempcoeff1, si ? "(1/K)" : "(1/R)");
  label(u.utempcoeff2, si ? "(K)" : "(R)");
  label(u.upv, si ? "(Pa.m/s)" : "(psi.in/s)");
  label(u.uvelcoeff, si ? "(s/m)" : "(s/in)");
  label(u.uvolrate, si ? "(m**3/s)" : "(in**3/s)");
  label(u.uhrdns, "(RC)");

  const auto& f = m.fatiguecons;
  u.ufatcon = capacityLabel(kunit, f.el);
  for (int j = 1; j <= 2; ++j) {
    u.ufconlp(j) = capacityLabel(kunit, f.ellp(j));
    u.ufconvk(j) = capacityLabel(kunit, f.elvk(j));
    u.ufconih(j) = capacityLabel(kunit, f.elih(j));
    u.uglp(j) = geometryLabel(kunit, f.eglp(j));
    u.ugvk(j) = geometryLabel(kunit, f.egvk(j));
    u.ugih(j) = geometryLabel(kunit, f.egih(j));
  }
  u.ufconlpre = capacityLabel(kunit, f.ellpre);
  u.ufconvkre = capacityLabel(kunit, f.elvkre);
  u.ufconihre = capacityLabel(kunit, f.elihre);
  u.uglpre = geometryLabel(kunit, f.eglpre);
  u.ugvkre = geometryLabel(kunit, f.egvkre);
  u.ugihre = geometryLabel(kunit, f.egihre);
}

}  // namespace zela1
