// Line-format interpreter: field rendering (rounding from the exact binary value, ties away from
// zero, overflow, special values), binding of value lists to formats (end of list, format
// reversion, line ends, nX blanks), malformed formats and the Report stream with its cache.
// Expected lines are worked out by hand from the formats; exact decimal expansions of the
// binary values quoted in the comments come from an arbitrary-precision print of the double.
#include "report/format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <ostream>
#include <filesystem>
#include <fstream>
#include <limits>
#include <memory>
#include <random>
#include <sstream>
#include <string>

namespace {

using zq::FmtList;
using zq::renderE;
using zq::renderF;
using zq::renderFormat;

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

struct ECase {
  double v;
  int w, d;
  bool fraction;
  const char* expected;
  const char* why;
};

void PrintTo(const ECase& c, std::ostream* os) {
  *os << "E" << c.w << "." << c.d << (c.fraction ? "F" : "") << " of " << c.v;
}

class EField : public ::testing::TestWithParam<ECase> {};

TEST_P(EField, RoundsExactBinaryValueHalfAwayFromZero) {
  const ECase& c = GetParam();
  EXPECT_EQ(renderE(c.v, c.w, c.d, c.fraction), c.expected) << c.why;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EField,
    ::testing::Values(
        // worked examples of the field definition
        ECase{1234.5, 11, 3, false, "  1.235E+03", "1234.5 is exact: tie -> up"},
        ECase{-0.0125, 11, 3, false, " -1.250E-02", "minus sign, no plus"},
        ECase{0.0, 11, 3, false, "  0.000E+00", "zero: digit 0, exponent 00"},
        ECase{2.5e-120, 11, 3, false, "  2.500-120", "3-digit exponent drops the E"},
        ECase{1234.5, 12, 5, false, " 1.23450E+03", "d+1 = 6 significant digits"},
        ECase{1234.5, 11, 4, false, " 1.2345E+03", "5 significant digits, no rounding"},
        ECase{1234.5, 13, 5, false, "  1.23450E+03", "wider field, two blanks"},
        // edge cases listed for the report
        ECase{1.0e-120, 11, 3, false, "  1.000-120", "binary 9.99999999999999978e-121 rounds up"},
        ECase{-3.75e150, 11, 3, false, " -3.750+150", "negative, exponent +150"},
        ECase{9.9996, 11, 3, false, "  1.000E+01", "9.9996 -> 10.00: carry into the exponent"},
        ECase{-1.0e-5, 12, 5, false, "-1.00000E-05", "fills the 12 columns exactly"},
        // ties where a round-half-even print differs (printf gives 1.062, 1.2, 1.000e+10)
        ECase{1.0625, 10, 3, false, " 1.063E+00", "1.0625 exact: tie -> 1.063"},
        ECase{-1.0625, 10, 3, false, "-1.063E+00", "tie away from zero on the negative side"},
        ECase{0.125, 8, 1, false, " 1.3E-01", "0.125 exact: tie -> 1.3"},
        ECase{1.0005e10, 10, 3, false, " 1.001E+10", "10005000000 exact: tie -> 1.001"},
        // values that look like ties in decimal but are not in binary
        ECase{1.0005, 10, 3, false, " 1.000E+00", "binary 1.000499999999999944..."},
        ECase{2.675, 10, 2, false, "  2.67E+00", "binary 2.674999999999999822..."},
        // exponent range boundaries
        ECase{1.0e99, 11, 3, false, "  1.000E+99", "|exp| = 99 keeps the letter"},
        ECase{9.99996e99, 11, 3, false, "  1.000+100", "rounding carries to exponent 100"},
        ECase{1.0e-100, 11, 3, false, "  1.000-100", "exponent -100"},
        ECase{1.7976931348623157e308, 11, 3, false, "  1.798+308", "largest double"},
        // overflow: the form is longer than w
        ECase{1.0, 8, 3, false, "********", "1.000E+00 needs 9 columns"},
        ECase{-1.0e-5, 11, 5, false, "***********", "-1.00000E-05 needs 12 columns"},
        // negative zero and special values
        ECase{-0.0, 11, 3, false, "  0.000E+00", "negative zero prints as zero"},
        ECase{kNaN, 11, 3, false, "        NaN", "NaN right-justified"},
        ECase{kInf, 11, 3, false, "        Inf", "+Inf right-justified"},
        ECase{-kInf, 11, 3, false, "       -Inf", "-Inf right-justified"},
        ECase{kNaN, 2, 1, false, "**", "NaN does not fit 2 columns"},
        ECase{-kInf, 3, 1, false, "***", "-Inf does not fit 3 columns"},
        // fraction form
        ECase{0.52, 12, 4, true, "  0.5200E+00", "0.52 in fraction form"},
        ECase{1234.5, 12, 4, true, "  0.1235E+04", "0.12345 tie -> 0.1235, exponent 4"},
        ECase{-5.0e-4, 12, 4, true, " -0.5000E-03", "negative, exponent -3"},
        ECase{0.0, 12, 4, true, "  0.0000E+00", "zero in fraction form"},
        ECase{9.99996, 12, 4, true, "  0.1000E+02", "0.999996 -> 1.000: carry to exponent 2"},
        ECase{0.52, 9, 4, true, "*********", "the 0 before the point is part of the field: overflow"},
        ECase{0.52, 8, 4, true, "********", "too narrow even without the 0"}));

struct FCase {
  double v;
  int w, d;
  const char* expected;
  const char* why;
};

void PrintTo(const FCase& c, std::ostream* os) { *os << "F" << c.w << "." << c.d << " of " << c.v; }

class FField : public ::testing::TestWithParam<FCase> {};

TEST_P(FField, RoundsExactBinaryValueHalfAwayFromZero) {
  const FCase& c = GetParam();
  EXPECT_EQ(renderF(c.v, c.w, c.d), c.expected) << c.why;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FField,
    ::testing::Values(
        FCase{90.0, 8, 4, " 90.0000", "one blank and 90.0000"},
        FCase{0.9, 8, 4, "  0.9000", "a single 0 below magnitude 1"},
        FCase{12345.0, 8, 4, "********", "12345.0000 needs 10 columns"},
        FCase{-12.5, 8, 4, "-12.5000", "minus sign fills the field"},
        // ties where a round-half-even print differs (printf gives 1.12, 0.12, 2)
        FCase{1.125, 6, 2, "  1.13", "1.125 exact: tie -> 1.13"},
        FCase{-1.125, 6, 2, " -1.13", "tie away from zero on the negative side"},
        FCase{0.125, 5, 2, " 0.13", "0.125 exact: tie -> 0.13"},
        FCase{2.5, 4, 0, "  3.", "2.5 exact: tie -> 3, the point stays"},
        // decimal-looking ties that are below half in binary
        FCase{0.15, 4, 1, " 0.1", "binary 0.149999999999999994..."},
        FCase{2.675, 5, 2, " 2.67", "binary 2.674999999999999822..."},
        FCase{5.0e-5, 6, 4, "0.0001", "binary 5.0000000000000002e-05 is above half"},
        FCase{4.0e-5, 6, 4, "0.0000", "rounds to zero"},
        // carries
        FCase{0.99996, 8, 4, "  1.0000", "binary 0.99995999999999996 rounds to 1.0000"},
        FCase{9.99996, 6, 4, "******", "rounds to 10.0000, 7 columns"},
        FCase{99.5, 4, 0, "100.", "carry adds an integer digit"},
        // the 0 before the point counts like any digit
        FCase{0.5, 5, 4, "*****", "0.5000 needs 6 columns: overflow"},
        FCase{-0.5, 6, 4, "******", "-0.5000 needs 7 columns: overflow"},
        FCase{0.5, 4, 4, "****", "too narrow even without the 0"},
        // signs and special values
        FCase{-0.0, 8, 4, "  0.0000", "negative zero prints as zero"},
        FCase{-1.0e-5, 8, 4, " -0.0000", "a negative value keeps its sign"},
        FCase{1.0e300, 8, 4, "********", "far too large"},
        FCase{kNaN, 8, 4, "     NaN", "NaN right-justified"},
        FCase{-kInf, 8, 4, "    -Inf", "-Inf right-justified"}));

// Away from exact ties, rounding half away from zero and the C library's correctly rounded
// conversion (half to even) give the same digits; random doubles are never exact ties.
TEST(NumberFields, AgreeWithCorrectlyRoundedConversionAwayFromTies) {
  std::mt19937_64 gen(20240611);
  std::uniform_real_distribution<double> mant(1.0, 10.0);
  std::uniform_int_distribution<int> expE(-99, 98), expF(-6, 6), sign(0, 1);
  char ref[64];
  for (int k = 0; k < 20000; ++k) {
    const double s = sign(gen) ? -1.0 : 1.0;
    const double e = s * mant(gen) * std::pow(10.0, expE(gen));
    std::snprintf(ref, sizeof ref, "%11.3E", e);
    ASSERT_EQ(renderE(e, 11, 3), ref) << "E11.3 of " << e;
    std::snprintf(ref, sizeof ref, "%13.6E", e);
    ASSERT_EQ(renderE(e, 13, 6), ref) << "E13.6 of " << e;
    const double f = s * mant(gen) * std::pow(10.0, expF(gen));
    std::snprintf(ref, sizeof ref, "%14.4f", f);
    ASSERT_EQ(renderF(f, 14, 4), ref) << "F14.4 of " << f;
  }
}

TEST(IField, RightJustifiedWithMinusSign) {
  EXPECT_EQ(zq::renderI(100, 2), "**");   // three digits in two columns
  EXPECT_EQ(zq::renderI(-5, 2), "-5");    // sign and digit fill the field
  EXPECT_EQ(zq::renderI(-12, 2), "**");
  EXPECT_EQ(zq::renderI(0, 3), "  0");
  EXPECT_EQ(zq::renderI(42, 5), "   42");
  EXPECT_EQ(zq::renderI(std::numeric_limits<std::int64_t>::min(), 20), "-9223372036854775808");
}

TEST(AField, CutsOrRightJustifies) {
  const std::string name36 = "AISI 52100 through-hardened steel   ";
  ASSERT_EQ(name36.size(), 36u);
  EXPECT_EQ(zq::renderA(name36, 12), "AISI 52100 t");  // first 12 characters
  EXPECT_EQ(zq::renderA("abcd", 6), "  abcd");         // 2 blanks, then the text
  EXPECT_EQ(zq::renderA("abcd", 4), "abcd");
  EXPECT_EQ(zq::renderA("ab  ", 6), "  ab  ");         // trailing blanks of the text stay
  EXPECT_EQ(zq::renderA("xyz", -1), "xyz");            // bare A: the text's own length
  EXPECT_EQ(renderFormat("A1", {std::string(1, char(12))}), "\f\n");  // the form-feed line
}

TEST(LineFormat, RowEndsAfterLastValueWithoutTrailingBlanks) {
  // 6X + A12 + 3 x E11.3 = 51 columns; the fourth E11.3 has no value.
  const std::string out = renderFormat("6X,A12,9E11.3", {"Outer Race  ", 1.0, -2.0, 0.5});
  EXPECT_EQ(out, "      Outer Race    1.000E+00 -2.000E+00  5.000E-01\n");
  EXPECT_EQ(out.size(), 52u);
}

TEST(LineFormat, EndOfListWritesLiteralsUpToFirstFieldWithoutValue) {
  EXPECT_EQ(renderFormat("I2,\"x\",3X,\"y\",I2,\"z\"", {5}), " 5x   y\n");
  EXPECT_EQ(renderFormat("I3,4X,I3", {1}), "  1\n");  // nX before the missing field dropped
  EXPECT_EQ(renderFormat("5X,\"a\",I3", {}), "     a\n");
  EXPECT_EQ(renderFormat("I1,/,\"b\",I1,\"c\",/", {7}), "7\nb\n");  // nothing after it
  // a / before the unfilled field still ends its line, like the literals before it
  EXPECT_EQ(renderFormat("I1,/,I1,/,I1", {7}), "7\n\n");
}

TEST(LineFormat, BlankRunsOnlyBeforeSomethingWritten) {
  EXPECT_EQ(renderFormat("\"ab\",3X,/,2X,\"c\",4X", {}), "ab\n  c\n");
  EXPECT_EQ(renderFormat("I1,3X,A", {1, ""}), "1\n");  // an empty text writes nothing
  EXPECT_EQ(renderFormat("I1,3X,A", {1, "q"}), "1   q\n");
  // blanks of text values and literals are kept at the line end
  EXPECT_EQ(renderFormat("5X,A6", {"ab  "}), "       ab  \n");
  EXPECT_EQ(renderFormat("\"a  \"", {}), "a  \n");
}

TEST(LineFormat, SlashesMakeLines) {
  EXPECT_EQ(renderFormat("/,\"a\"", {}), "\na\n");     // leading /: empty first line
  EXPECT_EQ(renderFormat("\"a\",/", {}), "a\n\n");     // final /: empty last line
  EXPECT_EQ(renderFormat("\"a\",/,/,\"b\"", {}), "a\n\nb\n");  // one empty line between
  EXPECT_EQ(renderFormat("", {}), "\n");               // empty format: one empty line
  // a statement ending in / followed by one beginning with /: two empty lines between
  std::ostringstream os;
  zq::Report rep;
  rep.attach(os);
  rep.write("\"x\",/");
  rep.write("/,\"y\"");
  EXPECT_EQ(os.str(), "x\n\n\ny\n");
}

TEST(LineFormat, RepeatedCharactersAndGroups) {
  EXPECT_EQ(renderFormat("5X,16(\"-\")", {}), "     ----------------\n");
  EXPECT_EQ(renderFormat("2(\"<\",2(I1),\">\")", {1, 2, 3, 4}), "<12><34>\n");
  EXPECT_EQ(renderFormat("2(9X,\"RACE\")", {}), "         RACE         RACE\n");
  EXPECT_EQ(renderFormat("3(\"ab\")", {}), "ababab\n");
  EXPECT_EQ(renderFormat("2A3,3I2", {"a", "bcde", 1, 2, 3}), "  abcd 1 2 3\n");
}

TEST(LineFormat, ReversionRestartsFromStartWithoutGroup) {
  EXPECT_EQ(renderFormat("5X,3I3", {1, 2, 3, 4, 5, 6, 7}),
            "       1  2  3\n       4  5  6\n       7\n");
  // n("c") is a repeated character, not a group: the format restarts from its start
  EXPECT_EQ(renderFormat("I1,3(\"-\")", {1, 2}), "1---\n2---\n");
}

TEST(LineFormat, ReversionRestartsFromLastTopLevelGroup) {
  EXPECT_EQ(renderFormat("\"h\",I2,2(\" [\",I1,\"]\")", {1, 2, 3, 4, 5, 6, 7}),
            "h 1 [2] [3]\n [4] [5]\n [6] [7]\n");
  // list ends inside the group: the literal before the unfilled field is still written
  EXPECT_EQ(renderFormat("\"h\",I2,2(\" [\",I1,\"]\")", {1, 2, 3, 4, 5, 6}),
            "h 1 [2] [3]\n [4] [5]\n [6] [\n");
  // the last top-level group, not a nested one, and what follows it is used again
  EXPECT_EQ(renderFormat("I1,2(\"a\",I1),\"|\",1(\"b\",2(I1)),\";\"", {1, 2, 3, 4, 5, 6, 7}),
            "1a2a3|b45;\nb67;\n");
}

TEST(LineFormat, BlanksBetweenItemsAndQuotedQuotes) {
  EXPECT_EQ(renderFormat("/, 4X, \"a\" , I2", {3}), "\n    a 3\n");
  EXPECT_EQ(renderFormat("\"say \"\"hi\"\"\"", {}), "say \"hi\"\n");
  EXPECT_EQ(renderFormat("E12.4F,1X,E8.1", {0.52, 0.125}), "  0.5200E+00  1.3E-01\n");
}

TEST(LineFormat, ResultsPageHeaderGivesFourLines) {
  const std::string ff(1, char(12));
  const std::string runid = "Spindle bearing test run 12         ";  // 36 characters
  ASSERT_EQ(runid.size(), 36u);
  const std::string out = renderFormat("A1,/,5X,2A14,7X,A36,/,40X,36(\"=\"),/",
                                       {ff, "(ZelorQS 8.50)", std::string(14, ' '), runid});
  const std::string line2 = std::string(5, ' ') + "(ZelorQS 8.50)" + std::string(14 + 7, ' ') + runid;
  const std::string line3 = std::string(40, ' ') + std::string(36, '=');
  EXPECT_EQ(out, ff + "\n" + line2 + "\n" + line3 + "\n\n");
  EXPECT_EQ(line2.find("Spindle"), 40u);  // run identification from column 41
}

TEST(LineFormat, WrongValueKindIsAProgrammingFault) {
  EXPECT_THROW(renderFormat("I4", {1.5}), std::invalid_argument);       // real to I
  EXPECT_THROW(renderFormat("I4", {"7"}), std::invalid_argument);       // text to I
  EXPECT_THROW(renderFormat("E11.3", {"x"}), std::invalid_argument);    // text to E
  EXPECT_THROW(renderFormat("E11.3", {3}), std::invalid_argument);      // integer to E
  EXPECT_THROW(renderFormat("F8.4", {3}), std::invalid_argument);       // integer to F
  EXPECT_THROW(renderFormat("A1", {12}), std::invalid_argument);        // integer to A
  EXPECT_THROW(renderFormat("A4", {1.0}), std::invalid_argument);       // real to A
  EXPECT_THROW(renderFormat("\"abc\"", {1}), std::invalid_argument);    // no field for it
  EXPECT_THROW(renderFormat("I1,2(\"ab\")", {1, 2}), std::invalid_argument);  // reused part
  try {
    renderFormat("2X,I5,E11.3", {1, 2});
    FAIL() << "no exception";
  } catch (const std::invalid_argument& e) {
    const std::string msg = e.what();
    EXPECT_NE(msg.find("E11.3"), std::string::npos) << msg;
    EXPECT_NE(msg.find("value 2"), std::string::npos) << msg;
  }
}

TEST(LineFormat, MalformedFormatsAreRejected) {
  for (const char* bad : {"5X,", ",I2", "E11", "E11.", "F8", "Q3", "3", "(I2", "2()", "I2)",
                          "\"abc", "0X", "X", "I0", "A0", "E11.0F", "I2 I3", "3\"ab\"",
                          "E11.3G", "2/"}) {
    EXPECT_THROW(renderFormat(bad, {}), std::invalid_argument) << bad;
  }
  EXPECT_THROW(renderE(1.0, 10, 0, true), std::invalid_argument);
  EXPECT_THROW(zq::renderI(1, 0), std::invalid_argument);
}

TEST(Report, WritesRenderedTextToStream) {
  std::ostringstream os;
  zq::Report rep;
  EXPECT_FALSE(rep.isOpen());
  rep.write("I2", {1});  // no stream: rendered and dropped
  rep.attach(os);
  EXPECT_TRUE(rep.isOpen());
  rep.write("5X,\"Encountered error code: \",I4", {123});
  rep.write("5X,10E12.4", FmtList{}.add(1.0).add(-2.5));
  EXPECT_EQ(os.str(),
            "     Encountered error code:  123\n"
            "       1.0000E+00 -2.5000E+00\n");
  EXPECT_THROW(rep.write("I2", {"x"}), std::invalid_argument);
}

TEST(Report, OpenReplacesFileAndKeepsLineFeeds) {
  const auto path = std::filesystem::temp_directory_path() /
                    ("zq_format_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + ".txt");
  {
    std::ofstream old(path);
    old << "old content that must disappear\n";
  }
  zq::Report rep;
  ASSERT_TRUE(rep.open(path.string()));
  rep.write("\"a\",/,I3", {7});
  rep.close();
  EXPECT_FALSE(rep.isOpen());
  std::ifstream in(path, std::ios::binary);
  const std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(content, "a\n  7\n");
  std::filesystem::remove(path);
  EXPECT_FALSE(rep.open((path.parent_path() / "no_such_dir_zq" / "x.txt").string()));
}

TEST(Report, FailedStreamThrows) {
  std::ostringstream os;
  os.setstate(std::ios::badbit);
  zq::Report rep;
  rep.attach(os);
  EXPECT_THROW(rep.write("I2", {1}), std::ios_base::failure);
}

TEST(Report, OutlivingAnAttachedStreamIsSafe) {
  auto rep = std::make_unique<zq::Report>();
  {
    std::ostringstream os;
    rep->attach(os);
    rep->write("I2", {1});
    EXPECT_EQ(os.str(), " 1\n");
  }
  rep.reset();  // must not touch the stream that is gone (the sanitizer build checks this)
}

}  // namespace

// A report that cannot be written completely must say so when it is closed: /dev/full accepts
// the open and fails at the flush.
TEST(Report, CloseReportsAnIncompleteFile) {
  zq::Report rep;
  if (!rep.open("/dev/full")) GTEST_SKIP() << "no /dev/full on this system";
  rep.write("A", {std::string(100, 'x')});
  EXPECT_FALSE(rep.close());
  EXPECT_FALSE(rep.isOpen());
}

TEST(Report, CountsUndefinedNumbersWritten) {
  zq::Report rep;
  std::ostringstream os;
  rep.attach(os);
  rep.write("3E11.3", {1.0, NAN, -INFINITY});
  rep.write("I3,F8.2", {4, 2.5});
  EXPECT_EQ(rep.nonFiniteValues(), 2);
  EXPECT_EQ(os.str(), "  1.000E+00        NaN       -Inf\n  4    2.50\n");
}
