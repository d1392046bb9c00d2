// Lubricant and model block of the input-data section from whole runs of the examples: every
// line of the block, with its values worked out here from the lubricant laws and their database
// constants at the element temperature and zero pressure (exponential law of lubricant 1 and of
// the user lubricant 9, reciprocal-temperature quadratic law and density table of lubricant 4,
// traction viscosity eta0 exp(k (313 - T)), its coefficient b (T/313)^m), and the labels
// left-justified behind their values.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "report/printinput_support.h"
#include "support/rundir.h"

namespace {

using zqtest::sp;

std::string slurp(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

// The lines from the model-code line to the "References" line of the run's PRINT.txt.
std::vector<std::string> lubricantBlock(const std::string& data) {
  zqtest::ScratchDir dir;
  dir.write("DATA.txt", data);
  const auto r = zqtest::runInProcess(dir);
  EXPECT_EQ(r.status, 0) << r.err;
  const auto all = zqtest::lines(dir.read("PRINT.txt"));
  std::vector<std::string> block;
  bool in = false;
  for (const auto& l : all) {
    if (l.rfind("     RE/RACE ELASTOHYDRODYNAMIC MODEL CODE:", 0) == 0) in = true;
    if (!in) continue;
    block.push_back(l);
    if (l == "     References") break;
  }
  return block;
}

void expectLines(const std::vector<std::string>& got, const std::vector<std::string>& expected) {
  ASSERT_EQ(got.size(), expected.size());
  for (std::size_t k = 0; k < expected.size(); ++k)
    EXPECT_EQ(got[k], expected[k]) << "line " << k << " of the lubricant block";
}

// `value` rounds to the six significant digits `shown` of an E12.5 field.
void expectE12_5(double value, double shown) {
  const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(shown))) - 5.0);
  EXPECT_LE(std::fabs(value - shown), 0.5 * unit) << value << " is not shown as " << shown;
}

// Exponential law: eta = eta_r exp(beta (T_r - T) / (T_r T)) at zero pressure.
double exponentialLaw(double etaRef, double tRef, double beta, double t) {
  return etaRef * std::exp(beta * (tRef - t) / (tRef * t));
}

std::string withUserLubricantOne() {
  std::istringstream in(slurp(zqtest::sourceFile("examples/ball-si.txt")));
  std::string data, line;
  while (std::getline(in, line))
    data += (line.rfind("REC10.0 ", 0) == 0 ? std::string("REC10.0   9 1 0") : line) + "\n";
  return data + "LUBNAME   'SAE 30 mineral oil, user copy'\n"
                "LUBPROPS  311.11111111 0.07166 1.9E-8 4104.3 0.0 0.096082 850.0 2000.0\n"
                "TRACVIS   0.28407 7.2516E-9 0.028939\n";
}

TEST(ExampleLubricant, BlockOfEveryLubricantKind) {
  // Lubricant 1 (Mobil DTE, SAE 30) at the ball temperature 322 K: reference 0.07166 Pa s at
  // 311.11111111 K, activation temperature 4104.3 K (which -(d eta/dT) T^2 / eta of the law
  // is), alpha 1.9e-8 1/Pa; traction viscosity 0.28407 Pa s at 313 K with k = 0.023743 1/K,
  // its coefficient 0.028939 (T/313)^2.1402 1/K.
  double t = 322.0;
  expectE12_5(exponentialLaw(0.07166, 311.11111111, 4104.3, t), 4.58701e-2);
  expectE12_5(0.28407 * std::exp(0.023743 * (313.0 - t)), 2.29415e-1);
  expectE12_5(0.028939 * std::pow(t / 313.0, 2.1402), 3.07491e-2);
  // Lubricant 4 (MIL-L-23699) at the roller temperature 328 K: x = (311.11111111 - T) /
  // (311.11111111 T), eta0 = 0.0276 exp((776570 x + 3609.6) x), beta = 2 x 776570 x + 3609.6,
  // alpha = exp(1.15607 ln eta0 - 17.496) / eta0; density between the table points 300 K
  // (966) and 367 K (922); conductivity 0.14868 - 0.00022275 (T - 366.67); traction viscosity
  // 0.26529 exp(0.036358 (313 - T)), coefficient 0.033398 (T/313)^1.3075. The database keeps
  // no reference traction viscosity for this lubricant: that line shows the initial zero.
  t = 328.0;
  const double x = (311.11111111 - t) / (311.11111111 * t);
  const double eta0 = 0.0276 * std::exp((776570.0 * x + 3609.6) * x);
  expectE12_5(eta0, 1.55130e-2);
  expectE12_5(2.0 * 776570.0 * x + 3609.6, 3.35255e3);
  expectE12_5(std::exp(1.15607 * std::log(eta0) - 17.496) / eta0, 1.31585e-8);
  expectE12_5(966.0 + (922.0 - 966.0) * (t - 300.0) / (367.0 - 300.0), 9.47612e2);
  expectE12_5(0.14868 - 0.00022275 * (t - 366.67), 1.57294e-1);
  expectE12_5(0.26529 * std::exp(0.036358 * (313.0 - t)), 1.53769e-1);
  expectE12_5(0.033398 * std::pow(t / 313.0, 1.3075), 3.55060e-2);
  // User lubricant 9 in English units at the roller temperature 590.4 R: the exponential law
  // with the input reference 1.0393e-5 psi s at 559.67 R and activation temperature 7387.7 R;
  // every other value is echoed from the lubricant records as read (the user's traction
  // viscosity is not re-evaluated at temperature).
  expectE12_5(exponentialLaw(1.0393e-5, 559.67, 7387.7, 590.4), 5.22824e-6);
  struct Case {
    std::string data;
    bool si;
    zqtest::LubricantBlock block;
  };
  const Case cases[] = {
      {slurp(zqtest::sourceFile("examples/ball-si.txt")), true,
       {1, "Mobil DTE (SAE 30)", "3.22000E+02", "8.50000E+02", "2.00000E+03", "9.60820E-02",
        "4.58701E-02", "1.90000E-08", "4.10430E+03", "2.29415E-01", "7.25160E-09", "2.84070E-01",
        "3.07491E-02"}},
      {slurp(zqtest::sourceFile("examples/cylindrical-si.txt")), true,
       {4, "MIL-L-23699 (Mobil Jet II)", "3.28000E+02", "9.47612E+02", "2.00000E+03",
        "1.57294E-01", "1.55130E-02", "1.31585E-08", "3.35255E+03", "1.53769E-01",
        "5.80150E-09", "0.00000E+00", "3.55060E-02"}},
      {slurp(zqtest::sourceFile("examples/cylindrical-variations-english.txt")), false,
       {9, "Turbine oil, user properties", "5.90400E+02", "3.07000E-02", "4.46070E+03",
        "1.20000E-02", "5.22824E-06", "1.31000E-04", "7.38770E+03", "4.12000E-05",
        "5.00000E-05", "4.12000E-05", "1.60000E-02"}},
      // A user lubricant in SI given the constants of lubricant 1 shows lubricant 1's
      // viscosity at the same temperature (the two share the exponential law); its traction
      // viscosity stays at the input reference value.
      {withUserLubricantOne(), true,
       {9, "SAE 30 mineral oil, user copy", "3.22000E+02", "8.50000E+02", "2.00000E+03",
        "9.60820E-02", "4.58701E-02", "1.90000E-08", "4.10430E+03", "2.84070E-01",
        "7.25160E-09", "2.84070E-01", "2.89390E-02"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.block.name);
    expectLines(lubricantBlock(c.data), zqtest::lubricantLines(c.block, c.si));
  }
}

}  // namespace
