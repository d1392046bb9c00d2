// Error reporter: the printed block line by line, worked out from its layout (I4 codes, A132
// message lines, I6 integers, E12.4 reals), the fatal stop, and the clearing of the record.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "model/model.h"
#include "run/stop.h"
#include "run/zela9.h"

namespace {

zq::ErrorBlock block(int code, int supplementary = 0, bool fatal = false) {
  zq::ErrorBlock b;
  b.code = code;
  b.supplementary = supplementary;
  b.fatal = fatal;
  return b;
}

struct Fixture {
  std::unique_ptr<Model> m = std::make_unique<Model>();
  std::ostringstream out;
  Fixture() { m->devices.report.attach(out); }
};

std::string pad(const std::string& s, std::size_t n) { return s + std::string(n - s.size(), ' '); }

TEST(ErrorReporter, NothingPendingWritesNothing) {
  Fixture f;
  f.m->errors.numm = 3;
  f.m->errors.jerind = 7;
  zela9::zela9(*f.m);
  EXPECT_EQ(f.out.str(), "");
  EXPECT_EQ(f.m->errors.numm, 3);
  EXPECT_EQ(f.m->errors.jerind, 7);
}

TEST(ErrorReporter, BareNonFatalBlockIsCodeLineBetweenEmptyLines) {
  Fixture f;
  zq::raiseError(*f.m, block(124, -3));
  zela9::zela9(*f.m);
  EXPECT_EQ(f.out.str(), "\n\n     Encountered error code:  124     Supplementary code:   -3\n\n");
  EXPECT_EQ(f.m->errors.ierind, 0);
  EXPECT_EQ(f.m->errors.jerind, 0);
}

TEST(ErrorReporter, MessagesAndListsFollowTheCodeLine) {
  Fixture f;
  zq::ErrorBlock b;
  b.code = 12;
  b.supplementary = 2;
  b.lines = {"First line", "Second line"};
  b.iname = "Iteration count";
  b.ivalues = {101, -7};
  b.rname = "Coefficients";
  b.rvalues = {1234.5, -0.0125, 0.0};
  zq::raiseError(*f.m, b);
  zela9::zela9(*f.m);
  const std::string expected =
      "\n\n     Encountered error code:   12     Supplementary code:    2\n\n"
      "     " + pad("First line", 132) + "\n"
      "     " + pad("Second line", 132) + "\n"
      "\n"
      "     " + pad("Iteration count", 72) + "\n"
      "        101    -7\n"
      "\n"
      "     " + pad("Coefficients", 72) + "\n"
      "       1.2345E+03 -1.2500E-02  0.0000E+00\n";
  EXPECT_EQ(f.out.str(), expected);
}

TEST(ErrorReporter, TenRealsFillOneLine) {
  Fixture f;
  zq::ErrorBlock b = block(1);
  b.rname = "R";
  for (int k = 1; k <= 10; ++k) b.rvalues.push_back(k);
  zq::raiseError(*f.m, b);
  zela9::zela9(*f.m);
  const auto text = f.out.str();
  const auto last = text.substr(text.rfind('\n', text.size() - 2) + 1);
  EXPECT_EQ(last.size(), 5u + 10u * 12u + 1u);
  EXPECT_EQ(last.substr(5, 12), "  1.0000E+00");
  EXPECT_EQ(last.substr(5 + 9 * 12, 12), "  1.0000E+01");
}

TEST(ErrorReporter, FatalErrorStopsAfterTerminationLine) {
  Fixture f;
  zq::ErrorBlock b = block(11, 0, true);
  b.lines = {"Flange angle out of bounds"};
  zq::raiseError(*f.m, b);
  try {
    zela9::zela9(*f.m);
    FAIL() << "a fatal error must stop the run";
  } catch (const zq::StopRun& s) {
    EXPECT_EQ(s.status(), 1);
    EXPECT_TRUE(s.console().empty());
  }
  const std::string expected =
      "\n\n     Encountered error code:   11     Supplementary code:    0\n\n"
      "     " + pad("Flange angle out of bounds", 132) + "\n"
      "\n     Execution terminated due to error code.\n\n\n\n";
  EXPECT_EQ(f.out.str(), expected);
}

// After a non-fatal report nothing of the old record survives: a later bare raise prints no
// stale list and does not stop.
TEST(ErrorReporter, ReportedWarningLeavesNoStaleState) {
  Fixture f;
  zq::ErrorBlock b = block(13);
  b.lines = {"old"};
  b.iname = "old ints";
  b.ivalues = {1, 2};
  zq::raiseError(*f.m, b);
  zela9::zela9(*f.m);
  f.out.str("");
  f.m->errors.ierind = 125;  // a raiser that sets only the code
  zela9::zela9(*f.m);
  EXPECT_EQ(f.out.str(), "\n\n     Encountered error code:  125     Supplementary code:    0\n\n");
  EXPECT_EQ(f.m->errors.iterminate, 0);
}

TEST(ErrorReporter, RaiseSetsEveryFieldAndClampsToTen) {
  Fixture f;
  f.m->errors.iterminate = 1;
  f.m->errors.numr = 4;
  zq::ErrorBlock b = block(123, 5);
  for (int k = 0; k < 12; ++k) b.ivalues.push_back(k);
  zq::raiseError(*f.m, b);
  const auto& e = f.m->errors;
  EXPECT_EQ(e.ierind, 123);
  EXPECT_EQ(e.jerind, 5);
  EXPECT_EQ(e.iterminate, 0);
  EXPECT_EQ(e.numm, 0);
  EXPECT_EQ(e.numi, 10);
  EXPECT_EQ(e.numr, 0);
  EXPECT_EQ(e.iarray(10), 9);
}

}  // namespace
