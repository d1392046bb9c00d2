// Free-format reader: every rule of the record format at the character level (separators,
// repeat counts, null values, slash, integer/real/text forms, quoting, cutting and padding,
// records over several lines, skipped rest of line) and the console message with exit status 2
// for each kind of unreadable value. Expected values are the decimal numbers written in the
// test input; expected messages are written out from the message layout.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/ftext.h"
#include "run/listread.h"
#include "run/stop.h"
#include "support/rundir.h"

namespace {

using zq::item;

// A record of a label, two integers, two reals and a 6-character text, with recognisable
// initial values so that untouched items can be told apart.
struct Rec {
  zq::FText<12> label{"OLD"};
  int i1 = -11, i2 = -22;
  double r1 = -1.5, r2 = -2.5;
  zq::FText<6> t{"old"};
  std::vector<zq::ListItem> items() {
    return {item("record label", label), item("i1", i1), item("i2", i2),
            item("r1", r1),           item("r2", r2), item("t", t)};
  }
};

struct ParseCase {
  const char* law;
  const char* text;
  const char* label;
  int i1, i2;
  double r1, r2;
  const char* t;
};

// Each case reads one Rec from the text; expected values follow from the rule the case names.
const ParseCase kParseCases[] = {
    {"BlanksSeparate", "L 1 2 3.5 4.5 abc", "L", 1, 2, 3.5, 4.5, "abc"},
    {"CommasSeparate", "L,1,2,3.5,4.5,abc", "L", 1, 2, 3.5, 4.5, "abc"},
    {"BlanksAroundCommaAreOneSeparator", "L , 1 ,2,  3.5  ,  4.5 ,abc", "L", 1, 2, 3.5, 4.5,
     "abc"},
    {"TabsAreBlanks", "L\t1\t2\t3.5\t4.5\tabc", "L", 1, 2, 3.5, 4.5, "abc"},
    {"RepeatCountRepeatsValue", "L 2*7 2*0.25 x", "L", 7, 7, 0.25, 0.25, "x"},
    {"RepeatSpansIntegerAndRealItems", "L 1 3*5 x", "L", 1, 5, 5.0, 5.0, "x"},
    {"NullRepeatLeavesItems", "L 2* 3 4 x", "L", -11, -22, 3.0, 4.0, "x"},
    {"NullRepeatBeforeComma", "L 1,2*,4 x", "L", 1, -22, -1.5, 4.0, "x"},
    {"TwoCommasGiveNull", "L 1,,3,4,x", "L", 1, -22, 3.0, 4.0, "x"},
    {"CommaBlankCommaGivesNull", "L 1, ,3 4 x", "L", 1, -22, 3.0, 4.0, "x"},
    {"ThreeCommasGiveTwoNulls", "L 1,,,4 x", "L", 1, -22, -1.5, 4.0, "x"},
    {"LeadingCommaNullsTheLabel", ",1 2 3 4 x", "OLD", 1, 2, 3.0, 4.0, "x"},
    {"NullLabelAfterLabelComma", "L,,2 3 4 x", "L", -11, 2, 3.0, 4.0, "x"},
    {"SlashEndsRecordEarly", "L 1 2 / 3 4 x", "L", 1, 2, -1.5, -2.5, "old"},
    {"SlashRightAfterLabel", "L/ 1 2 3 4 x", "L", -11, -22, -1.5, -2.5, "old"},
    {"SlashAloneKeepsEverything", "/", "OLD", -11, -22, -1.5, -2.5, "old"},
    {"SlashAfterNullRepeat", "L 1 2*/ 9", "L", 1, -22, -1.5, -2.5, "old"},
    {"SignedIntegers", "L +3 -4 1 1 x", "L", 3, -4, 1.0, 1.0, "x"},
    {"RealIntegerForm", "L 0 0 25 -7 x", "L", 0, 0, 25.0, -7.0, "x"},
    {"RealDecimalForms", "L 0 0 .5 5. x", "L", 0, 0, 0.5, 5.0, "x"},
    {"RealExponentE", "L 0 0 2.5E-1 -1.5e3 x", "L", 0, 0, 0.25, -1500.0, "x"},
    {"RealExponentD", "L 0 0 2.5D-1 1d+2 x", "L", 0, 0, 0.25, 100.0, "x"},
    {"RealSignedExponentForms", "L 0 0 +.5E+1 -5.D0 x", "L", 0, 0, 5.0, -5.0, "x"},
    {"RealUnderflowIsZero", "L 0 0 1E-400 -1D-999 x", "L", 0, 0, 0.0, 0.0, "x"},
    {"TextEndsAtComma", "L 1 2 3 4 ab,cd", "L", 1, 2, 3.0, 4.0, "ab"},
    {"TextEndsAtSlash", "L 1 2 3 4 ab/cd", "L", 1, 2, 3.0, 4.0, "ab"},
    {"TextEndsAtBlank", "L 1 2 3 4 ab cd", "L", 1, 2, 3.0, 4.0, "ab"},
    {"TextEndsAtLineEnd", "L 1 2 3 4 ab\ncd", "L", 1, 2, 3.0, 4.0, "ab"},
    {"UnquotedTextKeepsInnerQuote", "L 1 2 3 4 O'Neil", "L", 1, 2, 3.0, 4.0, "O'Neil"},
    {"ApostropheQuotedHoldsBlanksAndCommas", "L 1 2 3 4 'a b,/'", "L", 1, 2, 3.0, 4.0,
     "a b,/"},
    {"DoubleQuotedText", "L 1 2 3 4 \"x y\"", "L", 1, 2, 3.0, 4.0, "x y"},
    {"DoubledApostropheIsOne", "L 1 2 3 4 'it''s'", "L", 1, 2, 3.0, 4.0, "it's"},
    {"DoubledDoubleQuoteIsOne", "L 1 2 3 4 \"a\"\"b\"", "L", 1, 2, 3.0, 4.0, "a\"b"},
    {"OtherQuoteInsideIsPlain", "L 1 2 3 4 \"it's\"", "L", 1, 2, 3.0, 4.0, "it's"},
    {"EmptyQuotedTextIsBlank", "L 1 2 3 4 ''", "L", 1, 2, 3.0, 4.0, ""},
    {"QuotedLabelWithBlanks", "'MY LABEL' 1 2 3 4 x", "MY LABEL", 1, 2, 3.0, 4.0, "x"},
    {"TextCutToLength", "L 1 2 3 4 abcdefghij", "L", 1, 2, 3.0, 4.0, "abcdef"},
    {"LabelCutToTwelve", "ABCDEFGHIJKLMNOP 1 2 3 4 x", "ABCDEFGHIJKL", 1, 2, 3.0, 4.0, "x"},
    {"RepeatedQuotedText", "L 1 2 3 4 1*'p q'", "L", 1, 2, 3.0, 4.0, "p q"},
    {"RecordGoesOnOverLines", "L 1\n2 3.5\n4.5\nabc", "L", 1, 2, 3.5, 4.5, "abc"},
    {"BlankLinesInsideRecordSkipped", "L 1\n\n   \n2 3 4 x", "L", 1, 2, 3.0, 4.0, "x"},
    {"LineEndAfterCommaIsNoNull", "L 1,\n2,3,4,x", "L", 1, 2, 3.0, 4.0, "x"},
    {"CommaLineEndCommaIsNull", "L 1,\n,3,4,x", "L", 1, -22, 3.0, 4.0, "x"},
    {"RestOfLastLineIsComment", "L 1 2 3 4 x and 3.7 more text, 1*2 /", "L", 1, 2, 3.0, 4.0,
     "x"},
    {"ExcessRepeatsAreDropped", "L 1 2 3 4*7", "L", 1, 2, 3.0, 7.0, "7"},
    {"WindowsLineEnds", "L 1 2\r\n3 4 x\r\n", "L", 1, 2, 3.0, 4.0, "x"},
    {"RecordStartsAfterLeadingBlankLine", "\nL 1 2 3 4 x", "L", 1, 2, 3.0, 4.0, "x"},
    {"ByteOrderMarkIgnored", "\xEF\xBB\xBFL 1 2 3 4 x", "L", 1, 2, 3.0, 4.0, "x"},
};

class ListReaderParse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ListReaderParse, ValuesLandInTheirItems) {
  const auto& c = GetParam();
  Rec r;
  zq::ListReader in("DATA.txt", c.text);
  in.readRecord("test record", r.items());
  EXPECT_EQ(r.label, c.label);
  EXPECT_EQ(r.label.view().size(), 12u);
  EXPECT_EQ(r.i1, c.i1);
  EXPECT_EQ(r.i2, c.i2);
  EXPECT_EQ(r.r1, c.r1);
  EXPECT_EQ(r.r2, c.r2);
  EXPECT_EQ(r.t, c.t);
}

INSTANTIATE_TEST_SUITE_P(Rules, ListReaderParse, ::testing::ValuesIn(kParseCases),
                         [](const auto& info) { return std::string(info.param.law); });

TEST(ListReader, TextIsPaddedAndAFortyCharacterTextStoredWhole) {
  zq::FText<6> t{"zzzzzz"};
  zq::ListReader in("DATA.txt", "ab");
  in.readRecord("r", {item("t", t)});
  EXPECT_EQ(t.view(), "ab    ");
  zq::FText<50> name;
  zq::FText<12> lab;
  const std::string forty = "ABCDEFGHIJ0123456789abcdefghij9876543210";
  zq::ListReader in2("DATA.txt", "LUBNAME '" + forty + "' trailing words");
  in2.readRecord("r", {item("label", lab), item("lubname", name)});
  EXPECT_EQ(name.trimmed(), forty);
}

TEST(ListReader, ExactDecimalValuesAreCorrectlyRounded) {
  // 0.1 and 1.0E-7 are not exact in binary: the reader gives the nearest doubles, the same as
  // the compiler's literals.
  double a = 0, b = 0, c = 0;
  zq::ListReader in("DATA.txt", "0.1 1.0E-7 123456789.123456789");
  in.readRecord("r", {item("a", a), item("b", b), item("c", c)});
  EXPECT_EQ(a, 0.1);
  EXPECT_EQ(b, 1.0e-7);
  EXPECT_EQ(c, 123456789.123456789);
}

TEST(ListReader, EveryRecordStartsOnANewLine) {
  // A first record of two integers, a second of one; what is left on the first record's last
  // line is a comment, a slash skips the rest of its line, and a null keeps the earlier value.
  struct Case {
    const char* text;
    int a, b, c, lines;  // values read and lines consumed by the first record
  };
  const Case cases[] = {{"1 2 3\n4 5\n", 1, 2, 4, 1},
                        {"1\n\n2 9 9\n3\n", 1, 2, 3, 3},
                        {"1 / 7\n3\n", 1, 0, 3, 1},
                        {"5 6\n,\n", 5, 6, 5, 1}};
  for (const Case& c : cases) {
    int a = 0, b = 0;
    zq::ListReader in("DATA.txt", c.text);
    in.readRecord("first", {item("a", a), item("b", b)});
    EXPECT_EQ(in.linesRead(), c.lines) << c.text;
    EXPECT_EQ(a, c.a) << c.text;
    in.readRecord("second", {item("a", a)});
    EXPECT_EQ(a, c.c) << c.text;
    EXPECT_EQ(b, c.b) << c.text;
  }
}

// ---- Unreadable input: one console message, exit status 2. ----

const char* const kInt = "an integer (digits with an optional sign; no decimal point or exponent)";
const char* const kReal =
    "a real number in integer, decimal or exponent form (such as 25, 0.25, 2.5E-1 or 2.5D-1)";

struct FaultCase {
  const char* law;
  const char* text;
  const char* label;  // the record label the message quotes (the first word of the text)
  const char* where;
  const char* item;
  const char* found;
  const char* expected;
};

// Rec read from `text` as "Record 3.3 (test)"; expected message parts for the first bad value.
const FaultCase kFaultCases[] = {
    {"IntegerRefusesDecimalPoint", "LBL 1.5 2 3 4 x", "LBL", "line 1", "2 of 6, i1",
     "\"1.5\"", kInt},
    {"IntegerRefusesTrailingPoint", "LBL 1 2. 3 4 x", "LBL", "line 1", "3 of 6, i2",
     "\"2.\"", kInt},
    {"IntegerRefusesExponent", "LBL 1E3 2 3 4 x", "LBL", "line 1", "2 of 6, i1", "\"1E3\"", kInt},
    {"IntegerRefusesWord", "LBL one 2 3 4 x", "LBL", "line 1", "2 of 6, i1", "\"one\"", kInt},
    {"IntegerRefusesQuotedDigits", "LBL '1' 2 3 4 x", "LBL", "line 1", "2 of 6, i1",
     "\"'1'\"", kInt},
    {"IntegerRefusesBareSign", "LBL - 2 3 4 x", "LBL", "line 1", "2 of 6, i1", "\"-\"", kInt},
    {"IntegerOutOfRange", "LBL 2147483648 2 3 4 x", "LBL", "line 1", "2 of 6, i1", "\"2147483648\"",
     "an integer from -2147483648 to 2147483647"},
    {"RealRefusesWord", "LBL 1 2 abc 4 x", "LBL", "line 1", "4 of 6, r1", "\"abc\"", kReal},
    {"RealRefusesTwoPoints", "LBL 1 2 1.2.3 4 x", "LBL", "line 1", "4 of 6, r1",
     "\"1.2.3\"", kReal},
    {"RealRefusesExponentWithoutDigits", "LBL 1 2 1.5E 4 x", "LBL", "line 1", "4 of 6, r1",
     "\"1.5E\"", kReal},
    {"RealRefusesExponentWithoutLetter", "LBL 1 2 1.5+3 4 x", "LBL", "line 1", "4 of 6, r1",
     "\"1.5+3\"", kReal},
    {"RealRefusesOtherExponentLetter", "LBL 1 2 1.5Q3 4 x", "LBL", "line 1", "4 of 6, r1",
     "\"1.5Q3\"", kReal},
    {"RealRefusesNaN", "LBL 1 2 NaN 4 x", "LBL", "line 1", "4 of 6, r1", "\"NaN\"", kReal},
    {"RealRefusesInfinity", "LBL 1 2 Inf 4 x", "LBL", "line 1", "4 of 6, r1", "\"Inf\"", kReal},
    {"RealRefusesPointAlone", "LBL 1 2 . 4 x", "LBL", "line 1", "4 of 6, r1", "\".\"", kReal},
    {"RealOutOfRange", "LBL 1 2 1E400 4 x", "LBL", "line 1", "4 of 6, r1", "\"1E400\"",
     "a real number of magnitude below 1.79E+308"},
    {"RealRefusesQuotedNumber", "LBL 1 2 \"3.5\" 4 x", "LBL", "line 1", "4 of 6, r1", "\"\"3.5\"\"",
     kReal},
    {"RepeatedValueCheckedPerItem", "LBL 1 2*7.5 4 x", "LBL", "line 1", "3 of 6, i2", "\"2*7.5\"",
     kInt},
    {"ZeroRepeatCount", "LBL 0*1 2 3 4 x", "LBL", "line 1", "2 of 6, i1", "\"0*1\"",
     "a repeat count from 1 to 2147483647 before the asterisk"},
    {"HugeRepeatCount", "LBL 99999999999*1 2 3 4 x", "LBL", "line 1", "2 of 6, i1",
     "\"99999999999*1\"", "a repeat count from 1 to 2147483647 before the asterisk"},
    {"UnclosedApostrophe", "LBL 1 2 3 4 'abc", "LBL", "line 1", "6 of 6, t", "\"'abc\"",
     "a closing ' on the same line"},
    {"UnclosedDoubleQuote", "LBL 1 2 3 4 \"ab c", "LBL", "line 1", "6 of 6, t", "\"\"ab c\"",
     "a closing \" on the same line"},
    {"TextGluedToClosingQuote", "LBL 1 2 3 4 'ab'cd", "LBL", "line 1", "6 of 6, t", "\"'ab'cd\"",
     "a blank, comma, slash or line end after the closing quote"},
    {"LabelWithBlankShiftsValues", "MY LABEL 1 2 3 4 x", "MY", "line 1", "2 of 6, i1", "\"LABEL\"",
     kInt},
    {"BadValueOnContinuationLine", "LBL 1\n\n2 x 4 x", "LBL", "line 3", "4 of 6, r1",
     "\"x\"", kReal},
    {"EndOfFileInsideRecord", "LBL 1 2\n3\n", "LBL", "after line 2 (end of file)", "5 of 6, r2",
     "end of file", kReal},
    {"EndOfFileBeforeText", "LBL 1 2 3 4", "LBL", "after line 1 (end of file)", "6 of 6, t",
     "end of file", "a text"},
};

class ListReaderFault : public ::testing::TestWithParam<FaultCase> {};

TEST_P(ListReaderFault, StopsWithStatusTwoAndNamesTheValue) {
  const auto& c = GetParam();
  Rec r;
  zq::ListReader in("DATA.txt", c.text);
  try {
    in.readRecord("Record 3.3 (test)", r.items());
    FAIL() << "the record was accepted";
  } catch (const zq::StopRun& s) {
    EXPECT_EQ(s.status(), 2);
    EXPECT_EQ(s.where(), "zela1");
    EXPECT_EQ(s.console(),
              zqtest::inputErrorMessage(std::string("Input error in DATA.txt, ") + c.where,
                      std::string("Record 3.3 (test), label \"") + c.label + "\"",
                      c.item, c.found, c.expected));
  }
}

INSTANTIATE_TEST_SUITE_P(Values, ListReaderFault, ::testing::ValuesIn(kFaultCases),
                         [](const auto& info) { return std::string(info.param.law); });

TEST(ListReaderFault, MissingRecordNamesItsFirstItem) {
  // The file ends before the second record begins: the label is what is missing, so no label
  // is quoted.
  zq::FText<12> lab;
  int a = 0;
  zq::ListReader in("DATA.txt", "FIRST 1\n");
  in.readRecord("run-identification record", {item("record label", lab), item("a", a)});
  try {
    in.readRecord("Record 3.2 (unit system, bearing type and option flags)",
                  {item("record label", lab), item("kunit", a)});
    FAIL() << "the record was accepted";
  } catch (const zq::StopRun& s) {
    EXPECT_EQ(s.status(), 2);
    EXPECT_EQ(s.console(),
              zqtest::inputErrorMessage("Input error in DATA.txt, after line 1 (end of file)",
                      "Record 3.2 (unit system, bearing type and option flags)",
                      "1 of 2, record label", "end of file", "a text"));
  }
}

TEST(ListReaderFault, EmptyFileIsSaidToBeEmpty) {
  zq::FText<12> lab;
  zq::ListReader in("DATA.txt", "");
  try {
    in.readRecord("run-identification record", {item("record label", lab)});
    FAIL() << "the record was accepted";
  } catch (const zq::StopRun& s) {
    EXPECT_EQ(s.status(), 2);
    EXPECT_EQ(s.console(), zqtest::inputErrorMessage("Input error in DATA.txt: the file is empty",
                                   "run-identification record", "1 of 1, record label",
                                   "end of file", "a text"));
  }
}

TEST(ListReaderFault, ValuesBeforeTheBadOneAreAssigned) {
  Rec r;
  zq::ListReader in("DATA.txt", "LBL 4 5 x");
  EXPECT_THROW(in.readRecord("r", r.items()), zq::StopRun);
  EXPECT_EQ(r.i1, 4);
  EXPECT_EQ(r.i2, 5);
  EXPECT_EQ(r.r1, -1.5);
}

}  // namespace
