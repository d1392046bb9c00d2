// Line-format interpreter: one table of formats, values and the text worked out by hand from the
// field rules (rounding from the exact binary value, ties away from zero, overflow, NaN, binding
// of values to fields, reversion, line ends), malformed formats, and the report stream. Decimal
// expansions of binary values quoted below come from an arbitrary-precision print of the double.
#include "report/format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <memory>
#include <random>
#include <sstream>

#include "report/layout.h"

namespace {

using zq::FmtList;
using zq::renderFormat;

const double kNaN = std::numeric_limits<double>::quiet_NaN(), kInf = std::numeric_limits<double>::infinity();

TEST(LineFormat, RendersFieldsAndBindsValuesAsWorkedOutByHand) {
  struct Case {
    const char* format;
    FmtList values;
    std::string expected, why;  // the text without its final line feed
  };
  const Case cases[] = {
      {"E11.3", {1234.5}, "  1.235E+03", "1234.5 is exact: tie rounds up"},
      {"E10.3", {1.0}, " 1.000E+00", "one"},
      {"E11.3", {2.5e-120}, "  2.500-120", "a three-digit exponent drops the letter"},
      {"E11.3", {-3.75e150}, " -3.750+150", "negative, exponent +150"},
      {"E11.3", {9.9996}, "  1.000E+01", "rounding carries into the exponent"},
      {"E12.5", {-1.0e-5}, "-1.00000E-05", "fills the 12 columns exactly"},
      {"E10.3", {-1.0625}, "-1.063E+00", "exact tie away from zero (printf: -1.062)"},
      {"E10.3", {1.0005e10}, " 1.001E+10", "10005000000 is exact: tie rounds up"},
      {"E10.3", {1.0005}, " 1.000E+00", "binary 1.000499999999999944..."},
      {"E11.3", {9.99996e99}, "  1.000+100", "rounding carries to exponent 100"},
      {"E8.3", {1.0}, "********", "1.000E+00 needs 9 columns"},
      {"E11.3", {-0.0}, "  0.000E+00", "negative zero prints as zero"},
      {"E11.3", {-kInf}, "       -Inf", "-Inf right-justified"},
      {"E12.4F", {0.52}, "  0.5200E+00", "fraction form"},
      {"E9.4F", {0.52}, "*********", "the 0 before the point counts: overflow"},
      {"F8.4", {90.0}, " 90.0000", "one blank and 90.0000"},
      {"F8.4", {0.9}, "  0.9000", "a single 0 below magnitude 1"},
      {"F8.4", {12345.0}, "********", "12345.0000 needs 10 columns"},
      {"F6.2", {-1.125}, " -1.13", "exact tie away from zero (printf: -1.12)"},
      {"F4.0", {2.5}, "  3.", "exact tie, the point stays"},
      {"F4.1", {0.15}, " 0.1", "binary 0.149999999999999994..."},
      {"F6.4", {5.0e-5}, "0.0001", "binary 5.0000000000000002e-05 is above half"},
      {"F4.0", {99.5}, "100.", "carry adds an integer digit"},
      {"F5.4", {0.5}, "*****", "0.5000 needs 6 columns"},
      {"F8.4", {-1.0e-5}, " -0.0000", "a negative value keeps its sign"},
      {"F8.4", {kNaN}, "     NaN", "NaN right-justified"},
      {"I2", {100}, "**", "three digits in two columns"},
      {"I2", {-5}, "-5", "sign and digit fill the field"},
      {"A12", {"AISI 52100 through-hardened steel   "}, "AISI 52100 t", "first 12 characters"},
      {"A6", {"ab  "}, "  ab  ", "blanks before; its own trailing blanks stay"},
      {"6X,A12,9E11.3", {"Outer Race  ", 1.0, -2.0, 0.5}, "      Outer Race    1.000E+00 -2.000E+00  5.000E-01", "row ends at its last value"},
      {"I2,\"x\",3X,\"y\",I2,\"z\"", {5}, " 5x   y", "literals up to the first empty field"},
      {"I3,4X,I3", {1}, "  1", "no blanks before the missing field"},
      {"I1,/,I1,/,I1", {7}, "7\n", "a / before the unfilled field ends its line"},
      {"\"ab\",3X,/,2X,\"c\",4X", {}, "ab\n  c", "blank runs only before something written"},
      {"I1,3X,A", {1, ""}, "1", "an empty text writes nothing"},
      {"/,\"a\",/,/,\"b\",/", {}, "\na\n\nb\n", "slashes make lines"},
      {"", {}, "", "the empty format: one empty line"},
      {"5X,16(\"-\")", {}, "     ----------------", "a repeated character"},
      {"2(\"<\",2(I1),\">\")", {1, 2, 3, 4}, "<12><34>", "nested groups"},
      {"2A3,3I2", {"a", "bcde", 1, 2, 3}, "  abcd 1 2 3", "repeated fields"},
      {"5X,3I3", {1, 2, 3, 4, 5, 6, 7}, "       1  2  3\n       4  5  6\n       7", "reversion from the start"},
      {"I1,3(\"-\")", {1, 2}, "1---\n2---", "n(\"c\") is no group: restart from the start"},
      {"\"h\",I2,2(\" [\",I1,\"]\")", {1, 2, 3, 4, 5, 6}, "h 1 [2] [3]\n [4] [5]\n [6] [", "reversion from the last top-level group"},
      {"I1,2(\"a\",I1),\"|\",1(\"b\",2(I1)),\";\"", {1, 2, 3, 4, 5, 6, 7}, "1a2a3|b45;\nb67;", "the last top-level group and what follows"},
      {"\"say \"\"hi\"\"\"", {}, "say \"hi\"", "a doubled quote"},
  };
  for (const Case& c : cases) EXPECT_EQ(renderFormat(c.format, c.values), c.expected + "\n") << c.format << ": " << c.why;
}

// Away from exact ties, rounding half away from zero and the C library's correctly rounded
// conversion (half to even) give the same digits; random doubles are never exact ties.
TEST(LineFormat, NumberFieldsAgreeWithCorrectlyRoundedConversionAwayFromTies) {
  std::mt19937_64 gen(20240611);
  std::uniform_real_distribution<double> mant(1.0, 10.0);
  std::uniform_int_distribution<int> expE(-99, 98), expF(-6, 6), sign(0, 1);
  char ref[300];
  for (int k = 0; k < 5000; ++k) {
    const double s = sign(gen) ? -1.0 : 1.0, e = s * mant(gen) * std::pow(10.0, expE(gen)), f = s * mant(gen) * std::pow(10.0, expF(gen));
    ASSERT_EQ(zq::renderE(e, 13, 6), (std::snprintf(ref, sizeof ref, "%13.6E", e), ref)) << e;
    ASSERT_EQ(zq::renderF(f, 14, 4), (std::snprintf(ref, sizeof ref, "%14.4f", f), ref)) << f;
  }
  EXPECT_EQ(zq::renderF(1.0e190, 255, 60), (std::snprintf(ref, sizeof ref, "%255.60f", 1.0e190), ref));  // 252 characters
}

// A malformed format or a value of the wrong kind is a programming fault: it throws, and the
// message names the column where the parse stopped.
TEST(LineFormat, MalformedFormatsAndWrongValueKindsThrow) {
  const std::pair<const char*, const char*> bad[] = {
      {"5X,", "column 4: missing item"}, {"Q3", "column 1: unknown item 'Q'"}, {"E11", "column 4: expected '.'"},
      {"2()", "column 3: empty group"}, {",I2", ""}, {"F8", ""}, {"3", ""}, {"(I2", ""}, {"I2)", ""}, {"\"abc", ""},
      {"0X", ""}, {"X", ""}, {"I0", ""}, {"A0", ""}, {"E11.0F", ""}, {"I2 I3", ""}, {"3\"ab\"", ""}, {"E11.3G", ""}, {"2/", ""}};
  for (const auto& [format, where] : bad) {
    try {
      renderFormat(format, {});
      ADD_FAILURE() << format << " accepted";
    } catch (const std::invalid_argument& e) {
      EXPECT_NE(std::string(e.what()).find(where), std::string::npos) << e.what();
    }
  }
  const std::pair<const char*, FmtList> wrong[] = {{"I4", {1.5}}, {"I4", {"7"}}, {"E11.3", {"x"}}, {"E11.3", {3}}, {"F8.4", {3}},
                                                   {"A1", {12}}, {"A4", {1.0}}, {"\"abc\"", {1}}, {"I1,2(\"ab\")", {1, 2}}};
  for (const auto& [format, values] : wrong) EXPECT_THROW(renderFormat(format, values), std::invalid_argument) << format;
}

// Statements follow each other line by line (a final / and a leading one leave two empty lines
// between them); undefined numbers are counted; the file is replaced; a failed write is reported.
TEST(Report, WritesStatementsInOrderCountsUndefinedNumbersAndReportsFailedWrites) {
  zq::Report rep;
  rep.write("E11.3", {kNaN});  // no stream: rendered and dropped, but counted
  auto os = std::make_unique<std::ostringstream>();
  rep.attach(*os);
  rep.write("\"x\",/");
  rep.write("/,\"y\"");
  rep.write("3E11.3,I3", FmtList{}.add(1.0).add(kNaN).add(-kInf).add(4));
  zq::sectionHeading(rep, "Race Flange Interaction", 2, 23);
  EXPECT_EQ(os->str(), "x\n\n\ny\n  1.000E+00        NaN       -Inf  4\n\n\n     Race Flange Interaction\n     -----------------------\n");
  EXPECT_EQ(rep.nonFiniteValues(), 3);
  EXPECT_THROW(rep.write("I2", {"x"}), std::invalid_argument);
  const auto path = std::filesystem::temp_directory_path() / ("zq_format_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
  std::ofstream(path) << "old content that must disappear\n";
  ASSERT_TRUE(rep.open(path.string()));
  rep.write("\"a\",/,I3", {7});
  EXPECT_TRUE(rep.close());
  EXPECT_FALSE(rep.isOpen());
  std::ifstream in(path, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "a\n  7\n");
  std::filesystem::remove(path);
  EXPECT_FALSE(rep.open((path.parent_path() / "no_such_dir_zq" / "x.txt").string()));
  if (rep.open("/dev/full")) {  // a full disk: the open succeeds, the flush fails
    rep.write("A", {std::string(100, 'x')});
    EXPECT_FALSE(rep.close());
  }
  rep.attach(*os);
  os->setstate(std::ios::badbit);
  EXPECT_THROW(rep.write("I2", {1}), std::ios_base::failure);
  os.reset();  // the report outlives its stream and must not touch it (the sanitizer build checks)
}

}  // namespace
