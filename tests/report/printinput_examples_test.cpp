// The header and input-data section of PRINT.txt for every example input, from whole runs in
// process: the shared layout (box of 126 columns, page breaks, geometry groups in columns 6,
// 38, 70, 102, material markers, E0, the 52100 exponents, 147-column life-factor rows) and key
// lines of each example worked out by hand from its input and the line formats. Derived values
// (contact angles from clearances, database properties at temperature, fitted curves) are left
// to the tests of their own routines.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "report/printinput_support.h"
#include "support/rundir.h"

namespace {

using zqtest::sp;

enum class Match { Exact, Prefix, Contains };

struct Key {
  std::string text;
  Match how = Match::Exact;
};
Key prefix(std::string s) { return {std::move(s), Match::Prefix}; }
Key contains(std::string s) { return {std::move(s), Match::Contains}; }

struct Example {
  const char* file;
  int kbrg;
  int kunit;
  bool lineContact;           // contact type of the original LP model
  std::vector<Key> keys;      // in the order they appear
  std::vector<std::string> absent;  // texts that must not appear in the section
};

std::string slurp(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

// The box line with type name and run id (A24 and A36, blank padded).
std::string boxLine(const std::string& type, const std::string& runid) {
  return "     *     Bearing Type = " + type + sp(24 - int(type.size())) + sp(31) + "Run Id = " +
         runid + sp(36 - int(runid.size())) + sp(4) + "*";
}

// Key lines of the operating-conditions block of an SI (K, N) or English (R, lbf) example, the
// values given as their E13.5 texts.
std::vector<Key> operating(int kunit, const std::string& runid, const std::string& room,
                           const std::string& races, const std::string& rpm,
                           const std::string& kfs, const std::string& loads) {
  const bool si = kunit == 1;
  const std::string t = si ? " (K)" : " (R)";
  return {
      {"     OPERATING CONDITIONS" + sp(57) + runid + sp(36 - int(runid.size()))},
      {"     ROOM TEMPERATURE" + sp(15) + t + room + sp(17) + "TEMPERATURE" + sp(15) + t + races},
      contains("ANGULAR VELOCITY" + sp(8) + " (rpm)" + rpm),
      {"     QUASI-STATIC CONSTRAINTS" + sp(12) + kfs},
      {"     APPLIED LOAD VECTOR" + sp(10) + (si ? "   (N)" : " (lbf)") + loads}};
}

std::vector<Key> join(std::vector<Key> a, const std::vector<Key>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

const std::string kStle52100 =
    "   3.0000E+00   1.5000E+00    1.2214E+00        1        2   AISI 52100 "
    "CVD -Carbon Vacuum Degassing" + sp(27);
const std::string kTallian52100 =
    "   1.1970E+00   7.7000E-02    1.0000E+00        1        2   AISI 52100 "
    "CVD -Carbon Vacuum Deoxidation" + sp(25);

std::vector<Example> examples() {
  std::vector<Example> v;
  // ---- deep groove ball bearing, SI, database lubricant 1
  v.push_back({"examples/ball-si.txt", 1, 1, false,
      join({{boxLine("BALL", "Deep groove ball bearing 6208, SI")},
            {"     NO OF BALLS      9" + sp(14) + "OUTER CUR FAC   5.30000E-01     OUTER RACE" +
             sp(22) + "INNER RACE"},
            {"     BALL DIA    (m) 1.27000E-02     INNER CUR FAC   5.20000E-01     SHRINK FIT  (m)"
             " 0.00000E+00     SHRINK FIT  (m) 1.00000E-05"},
            {"     OUTER RMS   (m) 1.00000E-07     INNER RMS   (m) 1.00000E-07"},
            {"     Rolling Element Material = AISI 52100 Steel" + sp(20)},
            {"     Shaft Material           = AISI 4340 Steel" + sp(21)},
            {"     TEMPERATURE" + sp(21) +
             " (K)  3.2200E+02   3.2000E+02   3.2500E+02   3.2500E+02   3.2000E+02"},
            {"    RE/RACE   HYPOTHETICAL MODEL TYPE: 1"},
            prefix("    OUTER RACE   2.0000E-08  0.00000E+00  7.00000E-02  5.00000E-02  5.00000E-01"),
            {"     RE/RACE ELASTOHYDRODYNAMIC MODEL CODE:  1"},
            {"          Operating Residual Stresses*  (Pa)"},
            {"          Outer Race   0.0000E+00   Inner Race   0.0000E+00"}},
           operating(1, "Deep groove ball bearing 6208, SI", "  2.93000E+02", "  3.20000E+02  3.25000E+02",
                     "  0.00000E+00  3.00000E+03", " 0 1 0 1 1", "  5.00000E+02  0.00000E+00  3.00000E+03")),
      {"VARIATIONS IN", "FLANGE CLS", "RE/FLANGE"}});
  // ---- the same ball bearing in English units, input housing material
  v.push_back({"examples/ball-english.txt", 1, 2, false,
      join({{boxLine("BALL", "Ball bearing 6208, English units")},
            {"     BALL DIA   (in) 5.00000E-01     INNER CUR FAC   5.20000E-01     SHRINK FIT (in)"
             " 0.00000E+00     SHRINK FIT (in) 4.00000E-04"},
            {"     OUTER RMS  (in) 4.00000E-06     INNER RMS  (in) 4.00000E-06"},
            {"     Housing Material         = Arbitrary Properties" + sp(16)},
            {"     TEMPERATURE" + sp(21) +
             " (R)  5.7960E+02   5.7600E+02   5.8500E+02   5.8500E+02   5.7600E+02"},
            // 7827 and 7850 kg/m**3 in lbm/in**3 (x 0.0254^3 / 0.4535924); the housing as input
            {"     DENSITY" + sp(17) +
             " (lbm/in**3)  2.8277E-01   2.8277E-01   2.8277E-01   2.8360E-01   9.7500E-02^"},
            contains("  1.0000E+07^"),
            {"     RE/RACE ELASTOHYDRODYNAMIC MODEL CODE:  1"},
            {"          Operating Residual Stresses* (psi)"}},
           operating(2, "Ball bearing 6208, English units", "  5.27400E+02", "  5.76000E+02  5.85000E+02",
                     "  0.00000E+00  3.00000E+03", " 0 1 0 1 1", "  1.10000E+02  0.00000E+00  6.75000E+02")),
      {"VARIATIONS IN", "FLANGE CLS"}});
  // ---- cylindrical roller bearing, SI, ribs on the outer ring, input roller material
  v.push_back({"examples/cylindrical-si.txt", 2, 1, true,
      join({{boxLine("CYLINDRICAL ROLLER", "Cylindrical roller bearing NU208, SI")},
            {"     NO OF ROLLERS   14" + sp(14) + "PITCH DIA   (m) 6.05000E-02     OUTER FIT   (m)"
             " 0.00000E+00     SHAFT OD    (m) 4.00000E-02"},
            {"     ROLLER DIA  (m) 1.10000E-02     CROWN RAD   (m) 2.00000E-01     INNER FIT   (m)"
             " 1.50000E-05     SHAFT ID    (m) 0.00000E+00"},
            {"     OUTER LEN1  (m) 6.05000E-03     INNER LEN1  (m) 9.00000E-03     OUTER CRN   (m)"
             " 1.00000E+10     WIDTH  I    (m) 1.80000E-02"},
            {"     OUTER RMS   (m) 1.00000E-07     INNER RMS   (m) 1.00000E-07"},
            {"     Outer Race      1.00000E-04      2.50000E-03    2.50000E-03      5.00000E-01"
             "    5.00000E-01"},
            {"     Rolling Element Material = Arbitrary Properties" + sp(16)},
            {"     DENSITY" + sp(17) +
             "   (kg/m**3)  7.8270E+03^  7.8270E+03   7.8270E+03   7.8500E+03   7.8500E+03 "},
            prefix("     ELASTIC MODULUS" + sp(15) + "  (Pa)  1.9711E+11^"),
            {"    RE/RACE   HYPOTHETICAL MODEL TYPE: 2"},
            // type 2 from (0, 0.06, 2): d = -0.06, curve (d, 0, 2/0.06, 0.06)
            {"    OUTER RACE   2.0000E-08  0.00000E+00  6.00000E-02  2.00000E+00" + sp(13) +
             " -6.00000E-02  0.00000E+00  3.33333E+01  6.00000E-02"},
            {"    RE/FLANGE HYPOTHETICAL MODEL TYPE: 2"},
            {sp(14) + "   0.0000E+00  0.00000E+00  8.00000E-02  1.00000E+00" + sp(13) +
             " -8.00000E-02  0.00000E+00  1.25000E+01  8.00000E-02"},
            {"     RE/RACE ELASTOHYDRODYNAMIC MODEL CODE:  4"},
            // an input element material takes the life codes 1 and 2
            {"     Rolling Element" + kStle52100}},
           operating(1, "Cylindrical roller bearing NU208, SI", "  2.93000E+02", "  3.25000E+02  3.30000E+02",
                     "  0.00000E+00  3.00000E+03", " 1 1 0 1 1", "  0.00000E+00  0.00000E+00  5.00000E+03")),
      {"VARIATIONS IN", "Inner Race      "}});
  // ---- spherical roller bearing, SI
  v.push_back({"examples/spherical-si.txt", 3, 1, false,
      join({{boxLine("SPHERICAL ROLLER", "Spherical roller bearing 22208, SI")},
            {"     NO OF ROLLERS   15" + sp(14) + "OUTER CUR FAC   5.15000E-01     COR RAD  I  (m)"
             " 5.00000E-04     SHAFT OD    (m) 4.00000E-02"},
            {"     ROLLER DIA  (m) 9.50000E-03     INNER CUR FAC   5.10000E-01     COR RAD II  (m)"
             " 5.00000E-04     SHAFT ID    (m) 0.00000E+00"},
            contains("     WIDTH  I    (m) 2.30000E-02     WIDTH II    (m) 2.30000E-02"),
            prefix("     OUTER RMS   (m) 1.00000E-07     INNER RMS   (m) 1.00000E-07     "
                   "NO LD ANG (deg)"),
            {"     RE/RACE ELASTOHYDRODYNAMIC MODEL CODE:  1"}},
           operating(1, "Spherical roller bearing 22208, SI", "  2.93000E+02", "  3.25000E+02  3.30000E+02",
                     "  0.00000E+00  2.00000E+03", " 0 1 0 1 1", "  7.00000E+02  0.00000E+00  4.00000E+03")),
      {"VARIATIONS IN", "FLANGE CLS"}});
  // ---- tapered roller bearing, SI, guide rib on the cone
  v.push_back({"examples/tapered-si.txt", 4, 1, true,
      join({{boxLine("TAPERED ROLLER", "Tapered roller bearing 30208, SI")},
            {"     NO OF ROLLERS   16" + sp(14) + "OUT CONE  (deg) 1.40000E+01     COR RAD  I  (m)"
             " 8.00000E-04     SHAFT OD    (m) 4.00000E-02"},
            {"     ROLLER DIA  (m) 1.06000E-02     IN CONE   (deg) 1.00000E+01     COR RAD II  (m)"
             " 6.00000E-04     SHAFT ID    (m) 0.00000E+00"},
            {"     OUTER RMS   (m) 1.00000E-07     INNER RMS   (m) 1.00000E-07"},
            {"     Inner Race      0.00000E+00      3.00000E-03    0.00000E+00     -5.00000E-01"
             "    0.00000E+00"},
            prefix("    OUTER RACE   2.0000E-08  0.00000E+00  7.00000E-02  5.00000E-02  5.00000E-01"),
            {sp(14) + "   0.0000E+00  0.00000E+00  8.00000E-02  1.00000E+00" + sp(13) +
             " -8.00000E-02  0.00000E+00  1.25000E+01  8.00000E-02"}},
           operating(1, "Tapered roller bearing 30208, SI", "  2.93000E+02", "  3.25000E+02  3.30000E+02",
                     "  0.00000E+00  2.50000E+03", " 0 1 0 1 1", "  2.50000E+03  0.00000E+00  4.00000E+03")),
      {"VARIATIONS IN", "     Outer Race      "}});
  // ---- spherical tapered roller bearing, SI
  v.push_back({"examples/spherical-tapered-si.txt", 5, 1, false,
      join({{boxLine("SPHERICAL TAPERED ROLLER", "Spherical tapered roller bearing, SI")},
            {"     NO OF ROLLERS   16" + sp(14) + "OUTER CUR FAC   5.20000E-01     COR RAD  I  (m)"
             " 0.00000E+00     SHAFT OD    (m) 4.00000E-02"},
            {"     ROLLER DIA  (m) 1.06000E-02     INNER CUR FAC   5.10000E-01     COR RAD II  (m)"
             " 0.00000E+00     SHAFT ID    (m) 0.00000E+00"},
            {"     OUT CONE  (deg) 1.40000E+01     IN CONE   (deg) 1.00000E+01" + sp(37) +
             "WIDTH  I    (m) 1.60000E-02"},
            {"     OUTER RMS   (m) 1.00000E-07     INNER RMS   (m) 1.00000E-07" + sp(35) +
             "WIDTH II    (m) 1.80000E-02"},
            {"     Inner Race      0.00000E+00      3.00000E-03    0.00000E+00     -5.00000E-01"
             "    0.00000E+00"}},
           operating(1, "Spherical tapered roller bearing, SI", "  2.93000E+02", "  3.25000E+02  3.30000E+02",
                     "  0.00000E+00  2.50000E+03", " 0 1 0 1 1", "  2.50000E+03  0.00000E+00  4.00000E+03")),
      {"VARIATIONS IN"}});
  // ---- ball bearing with element-by-element diameters, race imperfections, input ring and
  //      shaft materials, residual stresses and dry traction (ktrac = 0)
  v.push_back({"examples/ball-variations-si.txt", 1, 1, false,
      join({{boxLine("BALL", "Ball bearing 6208, size variations")},
            {"     VARIATIONS IN BALL SIZE"},
            {sp(23) + " (m)"},
            {sp(10) + "   1  1.00000E-06"},
            {sp(10) + "   7  0.00000E+00"},
            {sp(10) + "   9 -1.50000E-06"},
            {""},
            {"     VARIATIONS IN RACE GEOMETRY"},
            {"     Outer Race GEOMETRIC IMPERFECTION TYPE = 1"},
            {"     RACE RADIUS:  MAJOR AXIS PAR  (m) =  5.0000E-06  MINOR AXIS PAR  (m) = "
             "-5.0000E-06  ORIENTATION (deg) =  3.0000E+01"},
            {""},
            {"     Inner Race GEOMETRIC IMPERFECTION TYPE = 2"},
            {"     RACE RADIUS:  AMPLITUDE       (m) =  1.0000E-06  FREQUENCY           = "
             " 4.0000E+00  PHASE ANG   (deg) =  0.0000E+00"},
            {"     CUR FACTOR:   AMPLITUDE           =  2.0000E-03  FREQUENCY           = "
             " 3.0000E+00  PHASE ANG   (deg) =  9.0000E+01"},
            {"\f"},
            {"     MATERIAL PROPERTIES"},
            {"     Rolling Element Material = AISI 52100 Steel" + sp(20)},
            {"     Outer Race Material      = Arbitrary Properties" + sp(16)},
            {"     Inner Race Material      = Arbitrary Properties" + sp(16)},
            {"     Shaft Material           = Arbitrary Properties" + sp(16)},
            {"     Housing Material         = AISI 4340 Steel" + sp(21)},
            {"     DENSITY" + sp(17) +
             "   (kg/m**3)  7.8270E+03   7.8270E+03^  7.8270E+03^  7.8500E+03^  7.8500E+03 "},
            contains("  2.0133E+11^  2.0133E+11^  2.0500E+11^"),
            contains("  6.2000E+01^  6.2000E+01^"),
            {"    RE/RACE   HYPOTHETICAL MODEL TYPE: 0"},
            {"    OUTER RACE   0.0000E+00  0.00000E+00  1.00000E-01  0.00000E+00  1.00000E+00"},
            {"    INNER RACE   0.0000E+00  0.00000E+00  1.00000E-01  0.00000E+00  1.00000E+00"},
            {"          Outer Race   1.0000E+08   Inner Race   5.0000E+07"},
            // input ring materials take the life codes 1 and 2
            {"          Outer Race" + kStle52100},
            {"          Inner Race" + kStle52100},
            // asperity row: traction coefficient, limit shear stress, residual stress
            contains("   1.0000E-01   0.0000E+00   1.0000E+08")},
           operating(1, "Ball bearing 6208, size variations", "  2.93000E+02", "  3.20000E+02  3.25000E+02",
                     "  0.00000E+00  3.00000E+03", " 0 1 0 1 1", "  5.00000E+02  0.00000E+00  3.00000E+03")),
      {"RMS Dev", "ELASTOHYDRODYNAMIC", "FLANGE CLS", sp(12) + "10  "}});
  // ---- cylindrical roller bearing in English units with scattered roller sizes, race
  //      imperfections of both kinds, ribs and a lubricant given on the input (ktrac = 9)
  v.push_back({"examples/cylindrical-variations-english.txt", 2, 2, true,
      join({{boxLine("CYLINDRICAL ROLLER", "Cylindrical NU208, user lubricant")},
            {"     NO OF ROLLERS   14" + sp(14) + "PITCH DIA  (in) 2.38190E+00     OUTER FIT  (in)"
             " 0.00000E+00     SHAFT OD   (in) 1.57480E+00"},
            {"     ROLLER DIA (in) 4.33100E-01     CROWN RAD  (in) 7.87400E+00     INNER FIT  (in)"
             " 5.90000E-04     SHAFT ID   (in) 0.00000E+00"},
            {"     OUTER LEN1 (in) 2.38200E-01     INNER LEN1 (in) 3.54300E-01     OUTER CRN  (in)"
             " 1.00000E+10     WIDTH  I   (in) 7.08700E-01"},
            {"     OUTER RMS  (in) 4.00000E-06     INNER RMS  (in) 4.00000E-06"},
            {sp(28) + "(in)" + sp(13) + "(in)" + sp(11) + "(in)" + sp(11) + " (deg)" + sp(9) +
             " (deg)"},
            {"     Outer Race      3.90000E-03      9.84000E-02    9.84000E-02      5.00000E-01"
             "    5.00000E-01"},
            {"     VARIATIONS IN ROLLER GEOMETRY"},
            {sp(14) + sp(9) + "(in)" + sp(9) + "(in)" + sp(9) + "(in)" + sp(9) + "(in)"},
            prefix(sp(10) + "   1 "),
            prefix(sp(10) + "  14 "),
            {sp(7) + "RMS Dev  4.00000E-05  8.00000E-05  8.00000E-05  4.00000E-05"},
            {"     Outer Race GEOMETRIC IMPERFECTION TYPE = 2"},
            {"     RACE RADIUS:  AMPLITUDE      (in) =  4.0000E-05  FREQUENCY           = "
             " 6.0000E+00  PHASE ANG   (deg) =  0.0000E+00"},
            {"     Inner Race GEOMETRIC IMPERFECTION TYPE = 1"},
            {"     RACE RADIUS:  MAJOR AXIS PAR (in) =  2.0000E-04  MINOR AXIS PAR (in) = "
             " 1.0000E-04  ORIENTATION (deg) =  4.5000E+01"},
            {"     LAND OFFSET:  CONSTANT       (in) =  4.0000E-05"},
            {sp(19) + "AMPLITUDE      (in) =  2.0000E-05  FREQUENCY           =  3.0000E+00"
                      "  PHASE ANG   (deg) =  0.0000E+00"},
            {"     LAND TAPER:   CONSTANT      (rad) =  1.0000E-04"},
            {sp(19) + "AMPLITUDE     (rad) =  5.0000E-05  FREQUENCY           =  2.0000E+00"
                      "  PHASE ANG   (deg) =  9.0000E+01"},
            {"    OUTER RACE   8.0000E-07  0.00000E+00  2.54000E-03  0.00000E+00  3.93700E+01"},
            {"    INNER RACE   8.0000E-07  0.00000E+00  2.54000E-03  0.00000E+00  3.93700E+01"},
            {"    RE/FLANGE HYPOTHETICAL MODEL TYPE: 0"},
            {sp(14) + "   0.0000E+00  0.00000E+00  2.54000E-03  0.00000E+00  3.93700E+01"},
            {"     RE/RACE ELASTOHYDRODYNAMIC MODEL CODE:  9"},
            {"     Lubricant Name" + sp(13) + "Turbine oil, user properties" + sp(22)},
            prefix("     Current Temperature        5.90400E+02 (R) ")},
           operating(2, "Cylindrical NU208, user lubricant", "  5.27670E+02", "  5.85000E+02  5.94000E+02",
                     "  0.00000E+00  3.00000E+03", " 1 1 0 1 1", "  0.00000E+00  0.00000E+00  1.12400E+03")),
      {"VARIATIONS IN BALL SIZE", "END FACE"}});
  // ---- tapered roller bearing in English units, silicon nitride rollers, no lubricant
  v.push_back({"examples/tapered-dry-english.txt", 4, 2, true,
      join({{boxLine("TAPERED ROLLER", "Tapered 30208, dry, Si3N4 rollers")},
            {"     NO OF ROLLERS   16" + sp(14) + "OUT CONE  (deg) 1.40000E+01     COR RAD  I (in)"
             " 3.15000E-02     SHAFT OD   (in) 1.57480E+00"},
            {"     ROLLER DIA (in) 4.17300E-01     IN CONE   (deg) 1.00000E+01     COR RAD II (in)"
             " 2.36000E-02     SHAFT ID   (in) 0.00000E+00"},
            {"     OUTER RMS  (in) 4.00000E-06     INNER RMS  (in) 4.00000E-06"},
            {"     Inner Race      0.00000E+00      1.18100E-01    0.00000E+00     -5.00000E-01"
             "    0.00000E+00"},
            {"     Rolling Element Material = Silicon Nitride (Si3N4)" + sp(13)},
            // no race traction record: the table shows the initial zeros
            {"    RE/RACE   HYPOTHETICAL MODEL TYPE: 0"},
            {"    OUTER RACE   0.0000E+00  0.00000E+00  0.00000E+00  0.00000E+00  0.00000E+00"},
            {"    RE/FLANGE HYPOTHETICAL MODEL TYPE: 2"},
            // the rib curve is built without a lubricant too: type 2 from 0 to 0.08 with the
            // initial slope 0.0254 s/in is (0 - 0.08, 0, -0.0254/(0 - 0.08), 0.08)
            {sp(14) + "   0.0000E+00  0.00000E+00  8.00000E-02  2.54000E-02" + sp(13) +
             " -8.00000E-02  0.00000E+00  3.17500E-01  8.00000E-02"},
            // silicon nitride elements: shear exponent 16e + h - 2 = 18.1111
            prefix("     Rolling Element   1.8111E+01   2.3333E+00"),
            // life codes 51/1: Si Nitride 6.0, air melt 1.0, hardness 80 HRC capped at 2.0
            {"     Rolling Element   6.0000E+00   1.0000E+00    2.0000E+00       51        1"
             "   Si Nitride AM -Air Melt" + sp(55 - 12)},
            {"     Rolling Element   1.1970E+00   7.7000E-02    1.0000E+00       51        1"
             "   AISI 52100 CVD -Carbon Vacuum Deoxidation" + sp(25)}},
           operating(2, "Tapered 30208, dry, Si3N4 rollers", "  5.27670E+02", "  5.85000E+02  5.94000E+02",
                     "  0.00000E+00  2.50000E+03", " 0 1 0 1 1", "  5.62000E+02  0.00000E+00  8.99000E+02")),
      {"VARIATIONS IN", "ELASTOHYDRODYNAMIC", "     Outer Race      "}});
  return v;
}

void PrintTo(const Example& ex, std::ostream* os) { *os << ex.file; }

// A 32-column group of the geometry table: 5 blanks, a 15-column label beginning with a
// capital letter, and an E12.5 field ("[ -]d.dddddE[+-]dd").
bool isValueGroup(const std::string& g) {
  auto digit = [](char c) { return c >= '0' && c <= '9'; };
  if (g.size() != 32 || g.substr(0, 5) != sp(5) || g[5] < 'A' || g[5] > 'Z') return false;
  const std::string v = g.substr(20);
  if ((v[0] != ' ' && v[0] != '-') || !digit(v[1]) || v[2] != '.' || v[8] != 'E') return false;
  for (int k = 3; k <= 7; ++k)
    if (!digit(v[std::size_t(k)])) return false;
  return (v[9] == '+' || v[9] == '-') && digit(v[10]) && digit(v[11]);
}

bool matches(const std::string& line, const Key& k) {
  switch (k.how) {
    case Match::Exact:
      return line == k.text;
    case Match::Prefix:
      return line.rfind(k.text, 0) == 0;
    case Match::Contains:
      return line.find(k.text) != std::string::npos;
  }
  return false;
}

class ExampleSection : public ::testing::TestWithParam<Example> {};

TEST_P(ExampleSection, HeaderAndInputDataSection) {
  const Example& ex = GetParam();
  zqtest::ScratchDir dir;
  dir.write("DATA.txt", slurp(zqtest::sourceFile(ex.file)));
  const auto r = zqtest::runInProcess(dir);
  ASSERT_EQ(r.status, 0) << ex.file << "\n" << r.err;
  const auto all = zqtest::lines(dir.read("PRINT.txt"));
  // The results section is written to its end: the closing note of the life tables.
  EXPECT_EQ(all.back(), "     position.") << ex.file;

  // The section runs from the header page to the moment vector line.
  std::size_t h = 0;
  while (h < all.size() && all[h].find("Code subset ZelorQS") == std::string::npos) ++h;
  ASSERT_LT(h, all.size());
  ASSERT_GE(h, 1u);
  std::size_t e = h;
  while (e < all.size() && all[e].rfind("     APPLIED MOMENT VECTOR", 0) != 0) ++e;
  ASSERT_LT(e, all.size());
  const std::vector<std::string> s(all.begin() + long(h) - 1, all.begin() + long(e) + 1);

  // header page: form feed, title, release line, box of 126 columns (6 to 131)
  EXPECT_EQ(s[0], "\f");
  EXPECT_EQ(s[1], sp(42) + "Code subset ZelorQS: Quasi-Static Equilibrium Solution");
  EXPECT_EQ(s[2], sp(46) + "Release Date: 06Jul2020 Version (ZelorQS 8.50)" + sp(14));
  EXPECT_EQ(s[5], sp(5) + std::string(126, '*'));
  EXPECT_EQ(s[6], sp(5) + "*" + sp(124) + "*");
  EXPECT_EQ(s[7].size(), 131u);
  EXPECT_EQ(s[8], sp(5) + std::string(126, '*'));
  EXPECT_EQ(s[11], "     BEARING GEOMETRY");
  EXPECT_EQ(s[12], "     ----------------");
  for (std::size_t k : {3, 4, 9, 10, 13}) EXPECT_EQ(s[k], "") << k;

  // geometry table: each line is a run of 32-column groups of 5 blanks, a 15-column label
  // (with its unit label) and an E12.5 value, or 32 blanks for an empty group
  for (std::size_t k = 14; k < s.size() && !s[k].empty() && s[k] != "\f"; ++k) {
    const std::string& l = s[k];
    if (k == 14) {  // the count of elements leads the first line
      EXPECT_EQ(l.substr(0, 16), ex.kbrg == 1 ? "     NO OF BALLS" : "     NO OF ROLLE");
      continue;
    }
    if (ex.kbrg == 5 && (l.find("WIDTH  I") != std::string::npos ||
                         l.find("WIDTH II") != std::string::npos)) {
      const bool first = l.find("WIDTH  I") != std::string::npos;
      EXPECT_EQ(l.find(first ? "WIDTH  I" : "WIDTH II") + 1, first ? 102u : 100u) << l;
      continue;
    }
    ASSERT_EQ(l.size() % 32, 0u) << l;
    for (std::size_t g = 0; g < l.size(); g += 32) {
      const std::string grp = l.substr(g, 32);
      EXPECT_TRUE(isValueGroup(grp) || grp == sp(32)) << "[" << grp << "] in " << l;
    }
  }

  // page breaks before the material, lubrication and operating pages
  for (const char* title : {"     MATERIAL PROPERTIES", "     LUBRICATION PARAMETERS",
                            "     OPERATING CONDITIONS"}) {
    std::size_t k = 0;
    while (k < s.size() && s[k].rfind(title, 0) != 0) ++k;
    ASSERT_LT(k, s.size()) << title;
    EXPECT_EQ(s[k - 1], "\f") << title;
  }

  // material markers: a blank, "^" or "*" after each value of the property rows
  for (const char* row : {"     DENSITY", "     ELASTIC MODULUS", "     POISSON-S RATIO",
                          "     COEFF OF THERMAL EXP", "     HARDNESS", "     WEAR COEFFICIENT",
                          "     VON-MISES STRESS", "     OCTAHEDRAL SHEAR STRESS LIMIT"}) {
    std::size_t k = 0;
    while (k < s.size() && s[k].rfind(row, 0) != 0) ++k;
    ASSERT_LT(k, s.size()) << row;
    const std::string& l = s[k];
    const std::size_t n = l.size() == 41 + 5 * 13 ? 5 : 3;
    ASSERT_EQ(l.size(), 41 + n * 13) << l;
    for (std::size_t c = 0; c < n; ++c) {
      const char mark = l[41 + 13 * c + 12];
      EXPECT_TRUE(mark == ' ' || mark == '^' || mark == '*') << l;
    }
  }

  // baseline modulus E0 and the 52100 exponents of the original LP model
  const std::string e0 = ex.kunit == 1 ? "2.0133E+11  (Pa)" : "2.9200E+07 (psi)";
  const std::string lp = std::string("   1.0333E+01   2.3333E+00   ") +
                         (ex.lineContact ? "4.0000E+00" : "3.0000E+00") +
                         "   1.1111E+00   1.0000E+00   1.0000E+00";
  std::vector<Key> fixed = {
      {"     Reliability Factor    =  1.0000    Base Elastic Modulus = " + e0},
      {"     Bearing Weibull Slope =  1.1111    Base Poisson-s Ratio = 2.7700E-01"},
      {std::string("     Contact Type          =   ") + (ex.lineContact ? " Line" : "Point")},
      prefix("          Outer Race" + lp),
      prefix("          Inner Race" + lp),
      {"     Limit Stress Modifier" + sp(7) + "   1.0000E+00"}};
  std::size_t from = 0;
  for (const Key& k : fixed) {
    std::size_t i = from;
    while (i < s.size() && !matches(s[i], k)) ++i;
    EXPECT_LT(i, s.size()) << ex.file << ": missing [" << k.text << "]";
    if (i < s.size()) from = i + 1;
  }

  // the six life-factor rows are 147 columns, the process name field blank padded to 55
  std::size_t rows = 0;
  for (const auto& l : s) {
    if (l.size() > 90 && l.substr(0, 20).find("Race") != std::string::npos &&
        l.find("E+00        ") != std::string::npos) {
      ++rows;
      EXPECT_EQ(l.size(), 147u) << l;
      EXPECT_NE(l[92], ' ') << l;  // the name begins in column 93
    }
  }
  for (const auto& l : s)
    if (l.rfind("     Rolling Element   ", 0) == 0 && l.size() > 130) {
      ++rows;
      EXPECT_EQ(l.size(), 147u) << l;
    }
  EXPECT_EQ(rows, 6u) << ex.file;

  // the example's own key lines, in order
  from = 0;
  for (const Key& k : ex.keys) {
    std::size_t i = from;
    while (i < s.size() && !matches(s[i], k)) ++i;
    EXPECT_LT(i, s.size()) << ex.file << ": missing, or out of order, [" << k.text << "]";
    if (i < s.size()) from = i + 1;
  }
  for (const auto& a : ex.absent)
    for (const auto& l : s) EXPECT_EQ(l.find(a), std::string::npos) << ex.file << ": " << l;
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleSection, ::testing::ValuesIn(examples()),
                         [](const ::testing::TestParamInfo<Example>& i) {
                           std::string n = i.param.file;  // examples/ball-si.txt -> ball_si
                           n = n.substr(n.find('/') + 1, n.find('.') - n.find('/') - 1);
                           for (char& ch : n) ch = ch == '-' ? '_' : ch;
                           return n;
                         });

}  // namespace

namespace {

// A copy of an example with one record replaced (records are identified by their label).
std::string withRecord(const std::string& text, const std::string& label,
                       const std::string& record) {
  std::istringstream in(text);
  std::string out, line;
  while (std::getline(in, line)) {
    if (line.rfind(label + " ", 0) == 0) {
      if (!record.empty()) out += record + "\n";
    } else {
      out += line + "\n";
    }
  }
  return out;
}

// Without a lubricant (ktrac = -1) no traction curve is set up, so an invalid model type
// reaches the traction tables, which stop the whole run with exit status 1.
TEST(ExampleStops, InvalidTractionTypesWithoutLubricant) {
  struct Case {
    const char* file;
    std::vector<std::pair<std::string, std::string>> records;
    std::string tail;
  };
  const Case cases[] = {
      {"examples/ball-si.txt",
       {{"REC10.0", "REC10.0   -1 3 0"}, {"RACETRAC", ""}, {"FILM", ""}},
       "     LUBRICATION PARAMETERS\n     ----------------------\n\n"
       "     Invalid RE/RACE hypothetical model type\n"
       "     kTracType =    3 on input Record 10.0\n\n\n"},
      {"examples/tapered-dry-english.txt",
       {{"REC10.0", "REC10.0   -1 0 -2"}},
       "    INNER RACE   0.0000E+00  0.00000E+00  0.00000E+00  0.00000E+00  0.00000E+00\n\n"
       "     Invalid RE/FLANGE hypothetical model type\n"
       "     kRFTracType =   -2 on input Record 10.0\n\n\n"},
  };
  for (const Case& c : cases) {
    zqtest::ScratchDir dir;
    std::string text = slurp(zqtest::sourceFile(c.file));
    for (const auto& [label, record] : c.records) text = withRecord(text, label, record);
    dir.write("DATA.txt", text);
    EXPECT_EQ(zqtest::runInProcess(dir).status, 1) << c.file;
    const std::string print = dir.read("PRINT.txt");
    ASSERT_GE(print.size(), c.tail.size());
    EXPECT_EQ(print.substr(print.size() - c.tail.size()), c.tail) << c.file;
  }
}

}  // namespace
