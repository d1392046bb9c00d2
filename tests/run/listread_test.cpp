// Free-format reader: every rule of the record format (separators, repeats, nulls, slash, number
// and text forms, quoting, cutting, records over lines, skipped rest of line) with the decimals
// written in the input, and the console message with exit status 2 for each unreadable value.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "model/ftext.h"
#include "run/listread.h"
#include "run/stop.h"
#include "support/rundir.h"

namespace {

// A label, two integers, two reals and a 6-character text, with initial values to tell apart.
struct Rec {
  zq::FText<12> label{"OLD"};
  int i1 = -11, i2 = -22;
  double r1 = -1.5, r2 = -2.5;
  zq::FText<6> t{"old"};
  std::vector<zq::ListItem> items() {
    return {zq::item("record label", label), zq::item("i1", i1), zq::item("i2", i2),
            zq::item("r1", r1), zq::item("r2", r2), zq::item("t", t)};
  }
};

TEST(ListReader, EveryRuleOfTheRecordFormat) {
  const struct { const char *text, *label; int i1, i2; double r1, r2; const char* t; } cases[] = {
      {"L , 1 ,2,  3.5\t,\t4.5 ,abc", "L", 1, 2, 3.5, 4.5, "abc"},  // blanks round a comma: one
      {"L 1 3*5 x", "L", 1, 5, 5.0, 5.0, "x"},            // a repeat over integer and real items
      {"L 2* 0.25 4 x", "L", -11, -22, 0.25, 4.0, "x"},   // r* gives r nulls
      {"L 1,,3,4,x", "L", 1, -22, 3.0, 4.0, "x"},         // two commas: a null
      {"L 1, ,3 4 x", "L", 1, -22, 3.0, 4.0, "x"},
      {",1 2 3 4 x", "OLD", 1, 2, 3.0, 4.0, "x"},         // a leading comma nulls the label
      {"L 1 2*/ 9", "L", 1, -22, -1.5, -2.5, "old"},      // a slash ends the record
      {"L +3 -4 .5 5. x", "L", 3, -4, 0.5, 5.0, "x"},
      {"L 0 0 2.5E-1 -1.5e3 x", "L", 0, 0, 0.25, -1500.0, "x"},
      {"L 0 0 +.5D+1 -5.d0 x", "L", 0, 0, 5.0, -5.0, "x"},
      {"L 0 0 1E-400 0.1 x", "L", 0, 0, 0.0, 0.1, "x"},  // underflow is zero; correct rounding
      {"L 1 2 3 4 ab,cd", "L", 1, 2, 3.0, 4.0, "ab"},    // a text ends at a comma, slash, blank
      {"L 1 2 3 4 ab/cd", "L", 1, 2, 3.0, 4.0, "ab"},
      {"L 1 2 3 4 O'Neil", "L", 1, 2, 3.0, 4.0, "O'Neil"},
      {"L 1 2 3 4 'a b,/''s'", "L", 1, 2, 3.0, 4.0, "a b,/'"},  // cut to 6
      {"L 1 2 3 4 \"a\"\"b'\"", "L", 1, 2, 3.0, 4.0, "a\"b'"},
      {"'MY LABEL' 1 2 3 4 1*''", "MY LABEL", 1, 2, 3.0, 4.0, ""},
      {"ABCDEFGHIJKLMNOP 1 2 3 4 abcdefghij", "ABCDEFGHIJKL", 1, 2, 3.0, 4.0, "abcdef"},
      {"L 1\n\n  \n2 3.5\n4.5\nabc", "L", 1, 2, 3.5, 4.5, "abc"},  // over several lines
      {"L 1,\n,3,4,x", "L", 1, -22, 3.0, 4.0, "x"},
      {"L 1 2 3 4*7 and 3.7 more, 1*2 /", "L", 1, 2, 3.0, 7.0, "7"},  // rest of line skipped
      {"\xEF\xBB\xBF\r\nL 1 2\r\n3 4 x\r\n", "L", 1, 2, 3.0, 4.0, "x"},  // BOM, CR LF
  };
  for (const auto& c : cases) {
    Rec r;
    zq::ListReader("DATA.txt", c.text).readRecord("test record", r.items());
    EXPECT_EQ(std::tuple(std::string(r.label.view()), r.i1, r.i2, r.r1, r.r2, r.t.trimmed()),
              std::tuple(std::string(zq::FText<12>(c.label).view()), c.i1, c.i2, c.r1, c.r2, std::string_view(c.t)))
        << c.text;  // the label blank-padded to 12
  }
  // Every record starts on a new line: the rest of the first record's last line is skipped.
  int a = 0, b = 0;
  zq::ListReader in("DATA.txt", "1\n\n2 9 9\n3 / 7\n4\n");
  in.readRecord("first", {zq::item("a", a), zq::item("b", b)});
  EXPECT_EQ(in.linesRead(), 3);
  in.readRecord("second", {zq::item("a", a), zq::item("b", b)});
  in.readRecord("third", {zq::item("a", a)});
  EXPECT_EQ(a * 10 + b, 42);
}

TEST(ListReader, UnreadableValueStopsWithStatusTwoAndNamesIt) {
  const char* const kInt = "an integer (digits with an optional sign; no decimal point or exponent)";
  const char* const kReal =
      "a real number in integer, decimal or exponent form (such as 25, 0.25, 2.5E-1 or 2.5D-1)";
  const char* const kRepeat = "a repeat count from 1 to 2147483647 before the asterisk";
  const struct { const char *text, *label, *where, *item, *found, *expected; } cases[] = {
      {"LBL 1.5 2 3 4 x", "LBL", ", line 1", "2 of 6, i1", "\"1.5\"", kInt},
      {"LBL 1 1E3 3 4 x", "LBL", ", line 1", "3 of 6, i2", "\"1E3\"", kInt},
      {"LBL 2147483648 2 3 4 x", "LBL", ", line 1", "2 of 6, i1", "\"2147483648\"", "an integer from -2147483648 to 2147483647"},
      {"LBL 1 2 1.2.3 4 x", "LBL", ", line 1", "4 of 6, r1", "\"1.2.3\"", kReal},
      {"LBL 1 2 3 1.5+3 x", "LBL", ", line 1", "5 of 6, r2", "\"1.5+3\"", kReal},
      {"LBL 1 2 NaN 4 x", "LBL", ", line 1", "4 of 6, r1", "\"NaN\"", kReal},
      {"LBL 1 2 1E400 4 x", "LBL", ", line 1", "4 of 6, r1", "\"1E400\"", "a real number of magnitude below 1.79E+308"},
      {"LBL 1 2 '3.5' 4 x", "LBL", ", line 1", "4 of 6, r1", "\"'3.5'\"", kReal},
      {"LBL 1 2*7.5 4 x", "LBL", ", line 1", "3 of 6, i2", "\"2*7.5\"", kInt},
      {"LBL 0*1 2 3 4 x", "LBL", ", line 1", "2 of 6, i1", "\"0*1\"", kRepeat},
      {"LBL 99999999999*1 2 3 4 x", "LBL", ", line 1", "2 of 6, i1", "\"99999999999*1\"", kRepeat},
      {"LBL 1 2 3 4 \"ab c", "LBL", ", line 1", "6 of 6, t", "\"\"ab c\"", "a closing \" on the same line"},
      {"LBL 1 2 3 4 'ab'cd", "LBL", ", line 1", "6 of 6, t", "\"'ab'cd\"", "a blank, comma, slash or line end after the closing quote"},
      {"MY LABEL 1 2 3 4 x", "MY", ", line 1", "2 of 6, i1", "\"LABEL\"", kInt},  // shifted
      {"LBL 1\n\n2 x 4 x", "LBL", ", line 3", "4 of 6, r1", "\"x\"", kReal},
      {"LBL 1 2 3 4", "LBL", ", after line 1 (end of file)", "6 of 6, t", "end of file", "a text"},
      {"\n", nullptr, ", after line 1 (end of file)", "1 of 6, record label", "end of file", "a text"},
      {"", nullptr, ": the file is empty", "1 of 6, record label", "end of file", "a text"},
  };
  for (const auto& c : cases) {
    Rec r;
    try {
      zq::ListReader("DATA.txt", c.text).readRecord("Record 3.3 (test)", r.items());
      ADD_FAILURE() << "accepted: " << c.text;
    } catch (const zq::StopRun& s) {
      EXPECT_EQ(s.status(), 2);
      EXPECT_EQ(s.where(), "zela1");
      const std::string label = c.label ? std::string(", label \"") + c.label + "\"" : "";
      EXPECT_EQ(s.console(), zqtest::inputErrorMessage(std::string("Input error in DATA.txt") +
                                                           c.where, "Record 3.3 (test)" + label,
                                                       c.item, c.found, c.expected));
    }
  }
}

}  // namespace
