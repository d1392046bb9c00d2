// Nine examples and classical cases run whole, PRINT.txt checked against hand work and closed
// forms (Hertz, Archard, Stribeck, thrust, slice law, Lundberg-Palmgren) to half a last digit.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "support/rundir.h"

namespace {

std::string sp(int n) { return std::string(std::size_t(n), ' '); }

// A printed value and its rounding bound: half a unit of the last printed digit (0 for 0).
struct P { double v = NAN, e = 0.0; };
P operator+(P a, P b) { return {a.v + b.v, a.e + b.e}; }
P operator-(P a, P b) { return {a.v - b.v, a.e + b.e}; }
P operator*(P a, P b) { return {a.v * b.v, std::abs(a.v) * b.e + std::abs(b.v) * a.e}; }
P operator/(P a, P b) { return {a.v / b.v, (a.e + std::abs(a.v / b.v) * b.e) / std::abs(b.v)}; }
P pw(P a, double x) { return {std::pow(a.v, x), std::abs(x * std::pow(a.v, x - 1.0)) * a.e}; }
P exact(double v) { return {v, 0.0}; }
P mag(P a) { return {std::abs(a.v), a.e}; }
P parse(const std::string& s) {
  const auto d = s.find('.'), x = s.find_first_of("Ee");
  if (d == std::string::npos || x == std::string::npos) return {};
  const double v = std::strtod(s.c_str(), nullptr);
  return {v, v == 0.0 ? 0.0 : 0.5 * std::pow(10.0, std::atoi(s.c_str() + x + 1) - int(x - d - 1))};
}
// Field k of a row of 11-column fields after `lead` columns; NaN when blank.
P cell(const std::string& row, int k, std::size_t lead = 7) {
  return row.size() < lead + 11 * std::size_t(k) ? P{} : parse(row.substr(lead + 11 * (k - 1), 11));
}
// The numbers of a labelled line of the input section (markers after them ignored).
std::vector<P> numbers(const std::string& line) {
  std::istringstream in(line);
  std::vector<P> v;
  for (std::string t; in >> t;)
    if (t.find('E') != std::string::npos && t.find_first_of("0123456789") == (t[0] == '-' ? 1u : 0u)) v.push_back(parse(t.substr(0, t.find_first_of("^*"))));
  return v;
}
#define EXPECT_AGREE(a, b, what) \
  EXPECT_LE(std::abs((a).v - (b).v), (a).e + (b).e + 1e-12 * std::abs((a).v)) << what << ": printed " << (a).v << ", expected " << (b).v

struct Report {
  std::vector<std::string> l;
  int status = -1;
  long nonfinite = -1;  // undefined numbers written
  int find(const std::string& text, int from = 0) const {  // -1 when there is none
    for (int n = std::max(from, 0); n < int(l.size()); ++n)
      if (l[n].find(text) != std::string::npos) return n;
    return -1;
  }
  int at(const std::string& text, int from = 0) const {
    const int n = find(text, from);
    if (n < 0) ADD_FAILURE() << "no line with " << text;
    return n < 0 ? int(l.size()) - 1 : n;
  }
  // The row of element i of the table whose head holds `head` (empty when there is none).
  std::string row(const std::string& head, int i, int from = 0) const {
    const std::string no = sp(7 - int(std::to_string(i).size())) + std::to_string(i) + " ";
    for (int n = at(head, from), end = n + 50; n < int(l.size()) && n < end; ++n)
      if (l[n].compare(0, 8, no) == 0) return l[n];
    return "";
  }
};

Report run(const std::string& data) {
  zqtest::ScratchDir dir;
  dir.write("DATA.txt", data);
  const auto r = zqtest::runInProcess(dir);
  return {zqtest::lines(dir.read("PRINT.txt")), r.status, r.model->devices.report.nonFiniteValues()};
}

// An example with records replaced by their label (an empty record drops the line).
std::string example(const std::string& name, const std::vector<std::pair<std::string, std::string>>& edits = {}) {
  std::istringstream in(zqtest::readSource("examples/" + name + ".txt"));
  std::string out;
  for (std::string line; std::getline(in, line);) {
    for (const auto& [label, record] : edits) line = line.rfind(label + " ", 0) == 0 ? record : line;
    if (!line.empty()) out += line + "\n";
  }
  return out;
}

// A 6208 with zero clearance, no fits, no thermal growth and no traction.
std::string zeroClearance(const std::string& kfs1, const std::string& fa, const std::string& rpm) {
  return example("ball-si", {{"RUNID", "RUNID 'Zero-clearance 6208'"}, {"REC3.3", "REC3.3 " + kfs1 + " 1 0 1 1 0 100 100 100 111 111"},
                             {"REC5A", "REC5A 0.0127 0.060 0.0 0.0 0.53 0.52 0.0685 0.0518 0.0 0.0 1.0E-7 1.0E-7"},
                             {"FITS", "FITS 293.0 0.0 0.0 180.0 0.0 0.0 1.0"}, {"REC9.1", "REC9.1 " + fa + " 0.0 3000.0 3*0.0"},
                             {"MOMSPEED", "MOMSPEED 7*0.0 " + rpm}, {"TEMPS", "TEMPS 5*293.0"}, {"REC10.0", "REC10.0 -1 0 0"},
                             {"RACETRAC", ""}, {"FILM", ""}});
}

enum Law { kNone, kStribeck, kThrust, kAtRest, kMirror };
// Keys: lines in order ('~': the text inside a line). Dry slope: traction per slip speed.
struct Case {
  const char* name;
  std::string data, type, runid;
  bool line;
  std::vector<std::string> keys;
  Law law = kNone;
  double drySlope = 0.0;
};
void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

std::vector<Case> cases() {
  const std::string ball = "Deep groove ball bearing 6208, SI", cyl = "Cylindrical roller bearing NU208, SI";
  const std::string stle = "   3.0000E+00   1.5000E+00    1.2214E+00        1        2   AISI 52100 CVD -Carbon Vacuum Degassing" + sp(27);
  return {
      {"ball_si", example("ball-si"), "BALL", ball, false,
       {"     BALL DIA    (m) 1.27000E-02     INNER CUR FAC   5.20000E-01     SHRINK FIT  (m) 0.00000E+00     SHRINK FIT  (m) 1.00000E-05",
        "     TEMPERATURE" + sp(21) + " (K)  3.2200E+02   3.2000E+02   3.2500E+02   3.2500E+02   3.2000E+02",
        "     DENSITY" + sp(17) + "   (kg/m**3)  7.8270E+03   7.8270E+03   7.8270E+03   7.8500E+03   7.8500E+03 ",  // database
        "    RE/RACE   HYPOTHETICAL MODEL TYPE: 1", "~    OUTER RACE   2.0000E-08  0.00000E+00  7.00000E-02  5.00000E-02  5.00000E-01",
        // lubricant 1 at 322 K: 0.07166 Pa.s exp(4104.3 K (1/322 - 1/311.11111)), alpha 1.9e-8 1/Pa
        "     Lubricant Name             Mobil DTE (SAE 30)" + sp(32),
        "     Current Viscosity          4.58701E-02 (Pa.s)          Eff Pres-Viscosity Coeff   1.90000E-08 (1/Pa)  ",
        "     Reliability Factor    =  1.0000    Base Elastic Modulus = 2.0133E+11  (Pa)",
        "          Inner Race   1.1970E+00   7.7000E-02    1.0000E+00        1        2   AISI 52100 CVD -Carbon Vacuum Deoxidation" + sp(25),
        "     ROOM TEMPERATURE" + sp(15) + " (K)  2.93000E+02" + sp(17) + "TEMPERATURE" + sp(15) + " (K)  3.20000E+02  3.25000E+02",
        "     APPLIED LOAD VECTOR             (N)  5.00000E+02  0.00000E+00  3.00000E+03",
        sp(13) + "(deg)        (m)      (rpm)        (N)      (N.m)      (rpm)      (deg)      (deg)   (m**3/s)",
        "     no" + sp(9) + "(deg)" + sp(19) + "(m)" + sp(20) + "(N)" + sp(18) + "(Pa)" + sp(18) + "(m)"}},
      {"ball_english", example("ball-english"), "BALL", "Ball bearing 6208, English units", false,
       {"   HOUSING      9.7500E-02 1.0000E+07 3.3000E-01 1.3000E-05",
        // 7827 and 7850 kg/m**3 x 0.0254**3 / 0.4535924 lbm/in**3; the housing as input
        "     DENSITY" + sp(17) + " (lbm/in**3)  2.8277E-01   2.8277E-01   2.8277E-01   2.8360E-01   9.7500E-02^",
        // 2.0133e11 Pa x 0.0254**2 / 4.448222; 24640060 N/m**1.8 / 4.448222 x 0.0254**1.8 = 7449.995
        "     Reliability Factor    =  1.0000    Base Elastic Modulus = 2.9200E+07 (psi)",
        "          Outer Race   1.0333E+01   2.3333E+00   3.0000E+00   1.1111E+00   1.0000E+00   1.0000E+00      7.4500E+03(lbf/in**1.800)",
        "     APPLIED LOAD VECTOR           (lbf)  1.10000E+02  0.00000E+00  6.75000E+02",
        sp(13) + "(deg)       (in)      (rpm)      (lbf)   (lbf.in)      (rpm)      (deg)      (deg)  (in**3/s)"}},
      {"ball_variations_si", example("ball-variations-si"), "BALL", "Ball bearing 6208, size variations", false,
       {sp(10) + "   9 -1.50000E-06",
        "     RACE RADIUS:  MAJOR AXIS PAR  (m) =  5.0000E-06  MINOR AXIS PAR  (m) = -5.0000E-06  ORIENTATION (deg) =  3.0000E+01",
        "     CUR FACTOR:   AMPLITUDE           =  2.0000E-03  FREQUENCY           =  3.0000E+00  PHASE ANG   (deg) =  9.0000E+01",
        "     DENSITY" + sp(17) + "   (kg/m**3)  7.8270E+03   7.8270E+03^  7.8270E+03^  7.8500E+03^  7.8500E+03 ",
        // type 0: critical film, then the input values as coefficients A to D
        "    RE/RACE   HYPOTHETICAL MODEL TYPE: 0", "    OUTER RACE   0.0000E+00  0.00000E+00  1.00000E-01  0.00000E+00  1.00000E+00",
        // input ring materials take the life codes 1 and 2
        "          Outer Race   1.0000E+08   Inner Race   5.0000E+07", "          Outer Race" + stle},
       kNone, 0.1},
      {"cylindrical_si", example("cylindrical-si"), "CYLINDRICAL ROLLER", cyl, true,
       {"     NO OF ROLLERS   14" + sp(14) + "PITCH DIA   (m) 6.05000E-02     OUTER FIT   (m) 0.00000E+00     SHAFT OD    (m) 4.00000E-02",
        "     ROLLER DIA  (m) 1.10000E-02     CROWN RAD   (m) 2.00000E-01     INNER FIT   (m) 1.50000E-05     SHAFT ID    (m) 0.00000E+00",
        "     CEN LAND    (m) 8.00000E-03     COR RAD II  (m) 6.00000E-04" + sp(37) + "HOUSING OD  (m) 1.20000E-01",
        "     OUTER LEN2  (m) 6.05000E-03     INNER LEN2  (m) 9.00000E-03     INNER CRN   (m) 1.00000E+10     WIDTH II    (m) 1.80000E-02",
        "     Outer Race      1.00000E-04      2.50000E-03    2.50000E-03      5.00000E-01    5.00000E-01",
        "     DENSITY" + sp(17) + "   (kg/m**3)  7.8270E+03^  7.8270E+03   7.8270E+03   7.8500E+03   7.8500E+03 ",
        // type 2 from (0, 0.06, 2 s/m): d = -0.06, curve (d, 0, 2/0.06, 0.06); the rib's likewise
        "    RE/RACE   HYPOTHETICAL MODEL TYPE: 2",
        "    OUTER RACE   2.0000E-08  0.00000E+00  6.00000E-02  2.00000E+00" + sp(13) + " -6.00000E-02  0.00000E+00  3.33333E+01  6.00000E-02",
        sp(14) + "   0.0000E+00  0.00000E+00  8.00000E-02  1.00000E+00" + sp(13) + " -8.00000E-02  0.00000E+00  1.25000E+01  8.00000E-02",
        // an input element material takes the life codes 1 and 2
        "     RE/RACE ELASTOHYDRODYNAMIC MODEL CODE:  4", "     Rolling Element" + stle}},
      {"cylindrical_variations_english", example("cylindrical-variations-english"), "CYLINDRICAL ROLLER", "Cylindrical NU208, user lubricant", true,
       {sp(7) + "RMS Dev  4.00000E-05  8.00000E-05  8.00000E-05  4.00000E-05",
        "     RACE RADIUS:  MAJOR AXIS PAR (in) =  2.0000E-04  MINOR AXIS PAR (in) =  1.0000E-04  ORIENTATION (deg) =  4.5000E+01",
        "     LAND OFFSET:  CONSTANT       (in) =  4.0000E-05",
        sp(19) + "AMPLITUDE      (in) =  2.0000E-05  FREQUENCY           =  3.0000E+00  PHASE ANG   (deg) =  0.0000E+00",
        // the user lubricant as input; its viscosity 1.0393e-5 psi.s exp(7387.7 R (1/590.4 - 1/559.67))
        "     Lubricant Name             Turbine oil, user properties" + sp(22),
        "     Current Viscosity          5.22824E-06 (psi.s)         Eff Pres-Viscosity Coeff   1.31000E-04 (1/psi) "}},
      {"spherical_si", example("spherical-si"), "SPHERICAL ROLLER", "Spherical roller bearing 22208, SI", false,
       {"     NO OF ROLLERS   15" + sp(14) + "OUTER CUR FAC   5.15000E-01     COR RAD  I  (m) 5.00000E-04     SHAFT OD    (m) 4.00000E-02",
        "     CROWN RAD   (m) 3.42000E-02     DIA PLAY    (m) 3.50000E-05     INNER FIT   (m) 1.50000E-05     HOUSING OD  (m) 1.20000E-01"}},
      {"tapered_si", example("tapered-si"), "TAPERED ROLLER", "Tapered roller bearing 30208, SI", true,
       {"     NO OF ROLLERS   16" + sp(14) + "OUT CONE  (deg) 1.40000E+01     COR RAD  I  (m) 8.00000E-04     SHAFT OD    (m) 4.00000E-02",
        "     OUTER CRN   (m) 1.00000E+10     OUTER LEN2  (m) 7.80000E-03     INNER LEN2  (m) 7.60000E-03     WIDTH II    (m) 1.80000E-02",
        "     Inner Race      0.00000E+00      3.00000E-03    0.00000E+00     -5.00000E-01    0.00000E+00"}},
      {"spherical_tapered_si", example("spherical-tapered-si"), "SPHERICAL TAPERED ROLLER", "Spherical tapered roller bearing, SI", false,
       {"     OUT CONE  (deg) 1.40000E+01     IN CONE   (deg) 1.00000E+01" + sp(37) + "WIDTH  I    (m) 1.60000E-02",
        "     OUTER RMS   (m) 1.00000E-07     INNER RMS   (m) 1.00000E-07" + sp(35) + "WIDTH II    (m) 1.80000E-02"}},
      {"tapered_dry_english", example("tapered-dry-english"), "TAPERED ROLLER", "Tapered 30208, dry, Si3N4 rollers", true,
       {"   REC10.0      -1  0  2", "     Rolling Element Material = Silicon Nitride (Si3N4)" + sp(13),
        // no race traction record: the initial zeros; the rib curve (-0.08, 0, 0.0254/0.08, 0.08)
        "    OUTER RACE   0.0000E+00  0.00000E+00  0.00000E+00  0.00000E+00  0.00000E+00",
        sp(14) + "   0.0000E+00  0.00000E+00  8.00000E-02  2.54000E-02" + sp(13) + " -8.00000E-02  0.00000E+00  3.17500E-01  8.00000E-02",
        // silicon nitride: life codes 51 and 1, factor 6, air melt 1, 80 HRC capped at 2
        "     Rolling Element   6.0000E+00   1.0000E+00    2.0000E+00       51        1   Si Nitride AM -Air Melt" + sp(43)}},
      {"ball_split_inner_race", example("ball-si", {{"REC5A", "REC5A 0.0127 0.060 0.0 2.0E-5 0.53 0.52 0.0685 0.0518 0.0 1.0E-4 1.0E-7 1.0E-7"}}),
       "BALL", ball, false, {"~SHIM THKNS  (m) 0.00000E+00     SHIM THKNS  (m) 1.00000E-04", "     Secondary Rolling Element to Race Contacts"}},
      {"stribeck", zeroClearance("1", "0.0", "-10.0"), "BALL", "Zero-clearance 6208", false, {}, kStribeck},
      {"thrust", example("ball-si", {{"REC9.1", "REC9.1 2000.0 5*0.0"}}), "BALL", ball, false, {}, kThrust},
      {"at_rest", zeroClearance("0", "500.0", "0.0"), "BALL", "Zero-clearance 6208", false, {}, kAtRest},
      // load along -z: the heaviest roller is number 8 of 14 (at 180 deg), the last one unloaded
      {"cylindrical_load_down", example("cylindrical-si", {{"REC9.1", "REC9.1 0.0 0.0 -5000.0 3*0.0"}}), "CYLINDRICAL ROLLER", cyl, true,
       {"     Traction Curves for Rolling Element # 8"}, kMirror},
  };
}

class WholeRun : public ::testing::TestWithParam<Case> {};

TEST_P(WholeRun, ReportLinesAndResultsAgreeWithHandWorkAndClosedForms) {
  const Case& k = GetParam();
  const Report r = run(k.data);
  const auto& l = r.l;
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(r.nonfinite, 0);
  EXPECT_EQ(l.back(), "     position.");  // the closing note: the whole report is there

  const std::string runid = k.runid + sp(36 - int(k.runid.size())), stars = sp(5) + std::string(126, '*');
  EXPECT_EQ(std::vector<std::string>(l.begin(), l.begin() + 6), (std::vector<std::string>{"\f", "", "   Listing of input data records", "   " + std::string(29, '-'), "", ""}));
  const std::vector<std::string> head = {
      "\f", sp(42) + "Code subset ZelorQS: Quasi-Static Equilibrium Solution", sp(46) + "Release Date: 06Jul2020 Version (ZelorQS 8.50)" + sp(14), "", "",
      stars, sp(5) + "*" + sp(124) + "*", "     *     Bearing Type = " + k.type + sp(55 - int(k.type.size())) + "Run Id = " + runid + "    *", stars, "", "",
      "     BEARING GEOMETRY", "     ----------------", ""};
  EXPECT_EQ(std::vector<std::string>(l.begin() + r.at("Code subset ZelorQS") - 1, l.begin() + r.at("Code subset ZelorQS") + 13), head);
  for (const char* t : {"     MATERIAL PROPERTIES", "     LUBRICATION PARAMETERS", "     OPERATING CONDITIONS"}) EXPECT_EQ(l[r.at(t) - 1], "\f") << t;
  for (const std::string t : {"Rolling Element Parameters", "Operating Parameters"}) {
    const std::vector<std::string> page = {"\f", "     (ZelorQS 8.50)" + sp(21) + runid, sp(40) + std::string(36, '='), "", "", "     " + t, "     " + std::string(t.size(), '-')};
    EXPECT_EQ(std::vector<std::string>(l.begin() + r.at("     " + t) - 5, l.begin() + r.at("     " + t) + 2), page);
  }
  // Original LP exponents, 52100: c = 31/3, h = 7/3, load-life 3 (point) or 4 (line), e = 10/9.
  EXPECT_GE(r.find(std::string("     Contact Type          =   ") + (k.line ? " Line" : "Point")), 0);
  EXPECT_GE(r.find("     Outer Race   1.0333E+01   2.3333E+00   " + std::string(k.line ? "4" : "3") + ".0000E+00   1.1111E+00   1.0000E+00   1.0000E+00"), 0);
  for (int n = 0; const std::string& key : k.keys) {
    while (n < int(l.size()) && !(key[0] == '~' ? l[n].find(key.substr(1)) != std::string::npos : l[n] == key)) ++n;
    EXPECT_LT(n++, int(l.size())) << "missing, or out of order: [" << key << "]";
  }

  const int res = r.at("Rolling Element Parameters"), op = r.at("Operating Parameters", res), sec = r.find("Secondary Rolling Element", res);
  for (int n = res; n < int(l.size()); ++n) EXPECT_EQ(l[n].find("****"), std::string::npos) << l[n];
  const std::string te = "Rolling Element Parameters", t1 = "....Contact Angle....", t2 = "..Major Half Width...", t3 = "...Rolling Velocity..";
  int nre = 0;
  while (!r.row(te, nre + 1).empty()) ++nre;
  P qmax = exact(0.0);  // the heaviest element carries the largest inner race load
  for (int i = 1; i <= nre; ++i) qmax = cell(r.row(t1, i), 6).v > qmax.v ? cell(r.row(t1, i), 6) : qmax;
  const auto heaviest = [&](int line, int column) {
    const int j = std::atoi(l[line].c_str() + column);
    EXPECT_AGREE(cell(r.row(t1, j), 6), qmax, "inner load of element " << j);
    return j;
  };
  const auto load = numbers(l[r.at("APPLIED LOAD VECTOR")]), rpm = numbers(l[r.at("ANGULAR VELOCITY")].substr(70));

  // Hertz p0 = 1.5 Q / (pi a b) elliptical; 2 q / (pi b) = Q / (pi a b) line contact.
  for (int t : {res, sec})
    for (int n = 2, i = 1, c = 0; t >= 0 && n < 2 * nre + 2; ++n, i = n / 2, c = n % 2) {  // element i, contact c
      const std::string a = r.row(t1, i, t), b = r.row(t2, i, t);
      if (cell(a, 5 + c).v > 0.0) {
        EXPECT_AGREE(cell(a, 7 + c), exact(k.line ? 1.0 : 1.5) * cell(a, 5 + c) / (exact(M_PI) * cell(b, 1 + c) * cell(b, 3 + c)), "stress " << i);
      }
    }
  // Outer race: normal loads (traction a few % on y); free inner: 1e-5 at rest, 3e-4 turning.
  double f[3] = {0.0, 0.0, 0.0};
  for (int i = 1; i <= nre; ++i) {
    const double psi = cell(r.row(te, i), 1).v * M_PI / 180.0, a = cell(r.row(t1, i), 1).v * M_PI / 180.0, q = cell(r.row(t1, i), 5).v;
    f[0] += q * std::sin(a), f[1] -= q * std::cos(a) * std::sin(psi), f[2] += q * std::cos(a) * std::cos(psi);
  }
  const std::string &outer = l[r.at("Outer Race", op)], &inner = l[r.at("Inner Race", op)];
  std::istringstream kfs(l[r.at("QUASI-STATIC CONSTRAINTS")].substr(33));
  const double fo = std::hypot(cell(outer, 1, 16).v, cell(outer, 2, 16).v, cell(outer, 3, 16).v);
  const double tol = (k.law == kAtRest ? 1e-5 : 3e-4) * std::hypot(load[0].v, load[1].v, load[2].v);
  for (int d = 1, held = 1; d <= 3 && kfs >> held; ++d) {
    EXPECT_NEAR(cell(outer, d, 16).v, f[d - 1], (d == 2 ? 0.05 : 1e-3) * fo) << "outer race force " << d;
    EXPECT_TRUE(held || std::abs(cell(inner, d, 16).v + load[d - 1].v) <= cell(inner, d, 16).e + load[d - 1].e + tol) << "inner race force " << d;
  }
  for (int c = 0; c <= 1; ++c) EXPECT_AGREE(cell(l[r.at(c ? "Inner Race" : "Outer Race", r.at("Velocity", op))], 3, 16), mag(rpm[c]), "race speed");
  const std::string &exc = l[r.at("Ave Roll Ele Excursion", op)], &total = l[r.at("Total Contact Loss", op)];
  EXPECT_GE(cell(exc, 1, exc.size() - 11).v, 0.0);

  // Archard: coefficient / hardness (10 kgf/mm**2 = 9.80665e7 Pa, 14223.344 psi) x load x slip.
  // Total power loss: primary race contacts and flanges.
  const double hcons = l[r.at("APPLIED LOAD VECTOR")].find("(lbf)") == std::string::npos ? 9.80665e7 : 14223.344;
  const auto hard = numbers(l[r.at("HARDNESS")]), wc = numbers(l[r.at("WEAR COEFFICIENT")]);
  std::vector<P> wear;
  for (int c = 0; c < 3; ++c) wear.push_back(wc[c] / (hard[c] * exact(hcons)));
  P loss = exact(0.0), end1 = exact(0.0), end2 = exact(0.0);
  const int wearAt = r.find("Roller End and Race Flange Wear Distribution", res);
  std::vector<int> flanged;
  for (int c = 1; c <= 2; ++c) {
    const int n = r.find(std::string("Roller/") + (c == 1 ? "Outer" : "Inner") + " Race Flange", res);
    if (n >= 0) flanged.push_back(c);
    for (int i = 1; n >= 0 && i <= nre; ++i) loss = loss + cell(r.row("Geom Interaction", i, n), 9) + cell(r.row("Geom Interaction", i, n), 10);
  }
  for (int i = 1; i <= nre; ++i) {
    P ends = exact(0.0), ls = exact(0.0);
    if (wearAt >= 0) {
      const std::string& w = l[r.at("End I", wearAt) + 2 + (i - 1) / 4];
      const P e1 = cell(w, 1, 33 * ((i - 1) % 4) + 7), e2 = cell(w, 2, 33 * ((i - 1) % 4) + 7);
      ends = e1 + e2, end1 = end1 + e1, end2 = end2 + e2;
    }
    for (int t : {res, sec})
      for (int c = 0; t >= 0 && c <= 1; ++c) ls = ls + cell(r.row(t2, i, t), 9 + c);
    loss = loss + cell(r.row(t3, i), 9) + cell(r.row(t3, i), 10);
    EXPECT_AGREE(cell(r.row(te, i), 9), ls * wear[0] + ends, "wear rate of element " << i);
  }
  EXPECT_AGREE(cell(total, 1, total.size() - 11), loss, "total contact loss");
  if (flanged.size() == 1) {  // the race's wear constant times the load x slip at the roller ends
    const std::string& fw = l[r.at("Outer I   Outer II    Inner I   Inner II") + 1];
    EXPECT_AGREE(cell(fw, 2 * flanged[0] - 1), end1 * wear[flanged[0]] / wear[0], "flange wear I");
    EXPECT_AGREE(cell(fw, 2 * flanged[0]), end2 * wear[flanged[0]] / wear[0], "flange wear II");
  }

  // Factors modify basic life; life (Lo^-e + Li^-e)^(-1/e), e = 10/9 (Lundberg, Palmgren 1947).
  const int cap = r.at("Dynamic Capacities", op), basic = r.at("Basic Life (Hours)", op), mod = r.at("Modified Life with", op);
  for (const char* model : {" Original LP", "  Current LP", "          VK", "          IH"}) {
    const std::string &bl = l[r.at(model, basic)], &ml = l[r.at(model, mod)], &fl = l[r.at(model, r.at("Life Modification Factors with", op))];
    for (int t = 0; t <= 2; ++t) {
      const auto life = [&](int c) { return t == 0 ? cell(bl, c, 18) : cell(ml, 4 * t - 4 + c, 18); };
      for (int c = 1; c <= 4; ++c) {  // no factor over a basic life of 0 or none
        const P b = cell(bl, c, 18), f = t ? cell(fl, 4 * t - 4 + c, 18) : P{}, q = life(c) / b;
        EXPECT_TRUE(t == 0 || (std::isnan(b.v) || b.v == 0.0 ? std::isnan(f.v) : std::abs(f.v - q.v) <= f.e + q.e)) << model << " factor " << c;
        EXPECT_TRUE(k.law != kAtRest || std::isnan(life(c).v) || life(c).v == 9.999e99) << model;
      }
      if (model[1] == 'O' && life(1).v < 1e99 && life(2).v < 1e99) {
        EXPECT_AGREE(life(4), pw(pw(life(1), -10.0 / 9.0) + pw(life(2), -10.0 / 9.0), -0.9), "bearing life of type " << t + 1);
      }
    }
  }

  // Traction: slide/roll steps >= 0.15/40; film x reduction; dry: slope x slide/roll x speed.
  const int tc = r.find("Traction Curves for Rolling Element #", res);
  for (int n = 0, j = tc < 0 ? 0 : heaviest(tc, 42); tc >= 0 && n < 41 && l[tc + 7 + n].find("***") == std::string::npos; ++n) {
    const std::string& c = l[tc + 7 + n];
    EXPECT_GE(cell(l[tc + 8], 1, 5).v, 0.15 / 40.0 - 5e-7);
    EXPECT_AGREE(cell(c, 1, 5), exact(n) * cell(l[tc + 8], 1, 5), "slide/roll of row " << n);
    EXPECT_EQ(c.substr(38, 22), r.row(t3, j).substr(51, 22)) << "isothermal film";
    EXPECT_AGREE(cell(c, 8, 5), cell(c, 4, 5) * cell(c, 6, 5), "net outer film");
    EXPECT_AGREE(cell(c, 9, 5), cell(c, 5, 5) * cell(c, 7, 5), "net inner film");
    for (int s = 1; s <= 2 && k.drySlope > 0.0; ++s) EXPECT_AGREE(cell(c, 1 + s, 5), exact(k.drySlope) * cell(c, 1, 5) * cell(r.row(t3, j), s), "dry traction");
  }
  // Heaviest ball: p0 sqrt(1 - x^2) x slip at increasing x, traction against slip, its maximum tabled.
  const int bd = r.find("Slip and Traction Distribution for Ball no.", res);
  for (int c = 0, j = bd < 0 ? 0 : heaviest(bd, 48); bd >= 0 && c <= 1; ++c) {
    P top = exact(0.0), xtop = exact(0.0);
    for (int n = r.at(c == 0 ? "     Outer      1" : "     Inner      1", bd); l[n].size() > 20 && l[n].compare(5, 10, "Normalized") != 0; ++n) {
      const P x = cell(l[n], 1, 17), s = cell(l[n], 2, 17), ss = cell(l[n], 4, 17);
      EXPECT_FALSE(x.v < cell(l[n - 1], 1, 17).v) << l[n];
      EXPECT_GE(s.v * cell(l[n], 3, 17).v, 0.0) << l[n];
      EXPECT_AGREE(ss, pw(exact(1.0) - x * x, 0.5) * cell(r.row(t1, j), 7 + c) * mag(s), "stress x slip at " << x.v);
      if (ss.v > top.v) top = ss, xtop = x;
    }
    EXPECT_AGREE(cell(r.row("..Max Slip Velocity..", j), 7 + c), top, "maximum stress x slip");
    EXPECT_AGREE(cell(r.row("..Max Slip Velocity..", j), 9 + c), xtop, "its position");
  }
  // Heaviest roller: largest slice interference = approach; Palmgren's slice law q ~ delta^(10/9).
  const int ld = r.find("Load Distribution Along Roller no.", res);
  for (int c = 0, j = ld < 0 ? 0 : heaviest(ld, 39); ld >= 0 && c <= 1; ++c) {
    P dmax = exact(0.0), qtop = exact(0.0);
    for (int n = ld + 8; !l[n].empty(); ++n)
      if (cell(l[n], 2 + 5 * c).v > dmax.v) dmax = cell(l[n], 2 + 5 * c), qtop = cell(l[n], 4 + 5 * c);
    EXPECT_AGREE(dmax, cell(r.row(t1, j), 3 + c), "largest slice interference");
    for (int n = ld + 8; !l[n].empty(); ++n) {
      const double d = cell(l[n], 2 + 5 * c).v;
      EXPECT_NEAR(cell(l[n], 4 + 5 * c).v, d > 0.0 ? qtop.v * std::pow(d / dmax.v, 10.0 / 9.0) : 0.0, 1e-3 * qtop.v);
    }
  }

  // Zero clearance, radial: delta_max cos psi, Q = K delta^1.5 = Qmax cos^1.5 psi (Stribeck).
  for (int i = 1; k.law == kStribeck && i <= nre; ++i) {
    const double c = std::cos(cell(r.row(te, i), 1).v * M_PI / 180.0);
    EXPECT_EQ(cell(r.row(t1, i), 2).v, 0.0);
    EXPECT_NEAR(cell(r.row(t1, i), 6).v, c > 0.0 ? qmax.v * std::pow(c, 1.5) : 0.0, 1e-3 * qmax.v) << "ball " << i;
  }
  if (k.law == kThrust) {
    // Thrust: Q = Fa / (Z sin alpha) on every ball; L = 10^6 / (60 n) h (Qc / Q)^3 / Z on the rotating
    // race, / Z^(1/e) on the stationary one (Lundberg and Palmgren, e = 10/9).
    const P qi = cell(r.row(t1, 1), 6), qo = cell(r.row(t1, 1), 5), hours = exact(1e6 / (60.0 * rpm[1].v));
    for (int i = 2; i <= nre; ++i) EXPECT_AGREE(cell(r.row(t1, i), 6), qi, "ball " << i);
    EXPECT_NEAR(nre * qi.v * std::sin(cell(r.row(t1, 1), 2).v * M_PI / 180.0), load[0].v, 3e-4 * load[0].v);
    const std::string &q = l[r.at(" Original LP", cap)], &bl = l[r.at(" Original LP", basic)];
    EXPECT_AGREE(cell(bl, 1, 18), hours * pw(cell(q, 1, 62) / qo, 3.0) / exact(std::pow(nre, 0.9)), "outer race life");
    EXPECT_AGREE(cell(bl, 2, 18), hours * pw(cell(q, 2, 62) / qi, 3.0) / exact(nre), "inner race life");
  }
  if (k.law == kMirror) {
    // Loaded the other way round: the heaviest roller, half a turn on, has the same traction curve.
    const Report o = run(example("cylindrical-si"));
    const int a = r.at("Slide/Roll", res) + 4, b = o.at("Slide/Roll") + 4;
    for (int n = 1; n <= 40; ++n)
      for (int c = 1; c <= 9; ++c) EXPECT_AGREE(cell(l[a + n], c, 5), cell(o.l[b + n], c, 5), "traction curve row " << n);
    EXPECT_EQ(cell(r.row(t1, nre), 6).v, 0.0);
  }
}

INSTANTIATE_TEST_SUITE_P(Examples, WholeRun, ::testing::ValuesIn(cases()), [](const auto& i) { return std::string(i.param.name); });

}  // namespace
