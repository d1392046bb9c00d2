// Error reporter: the printed block line by line, worked out from its layout (I4 codes, A132
// message lines, I6 integers, E12.4 reals ten to a line), the fatal stop, and the clearing of
// the record.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "model/model.h"
#include "run/stop.h"
#include "run/zela9.h"

namespace {

struct Fixture {
  std::unique_ptr<Model> m = std::make_unique<Model>();
  std::ostringstream out;
  Fixture() { m->devices.report.attach(out); }
};

std::string pad(const std::string& s, std::size_t n) { return s + std::string(n - s.size(), ' '); }

TEST(ErrorReporter, BlocksLineByLine) {
  const std::string reals = "  1.0000E+00  2.0000E+00  3.0000E+00  4.0000E+00  5.0000E+00"
                            "  6.0000E+00  7.0000E+00  8.0000E+00  9.0000E+00  1.0000E+01";
  struct Case {
    const char* name;
    zq::ErrorBlock block;
    std::string report;
  };
  const Case cases[] = {
      {"bare non-fatal block: the code line between empty lines",
       {124, -3, false, {}, "", {}, "", {}},
       "\n\n     Encountered error code:  124     Supplementary code:   -3\n\n"},
      {"messages and lists follow the code line",
       {12, 2, false, {"First line", "Second line"}, "Iteration count", {101, -7}, "Coefficients",
        {1234.5, -0.0125, 0.0}},
       "\n\n     Encountered error code:   12     Supplementary code:    2\n\n"
       "     " + pad("First line", 132) + "\n"
       "     " + pad("Second line", 132) + "\n"
       "\n"
       "     " + pad("Iteration count", 72) + "\n"
       "        101    -7\n"
       "\n"
       "     " + pad("Coefficients", 72) + "\n"
       "       1.2345E+03 -1.2500E-02  0.0000E+00\n"},
      {"ten reals fill one line", {1, 0, false, {}, "", {}, "R", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
       "\n\n     Encountered error code:    1     Supplementary code:    0\n\n"
       "\n     " + pad("R", 72) + "\n     " + reals + "\n"},
      {"fatal error: termination line", {11, 0, true, {"Flange angle out of bounds"}, "", {}, "", {}},
       "\n\n     Encountered error code:   11     Supplementary code:    0\n\n"
       "     " + pad("Flange angle out of bounds", 132) + "\n"
       "\n     Execution terminated due to error code.\n\n\n\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f;
    zq::raiseError(*f.m, c.block);
    try {
      zela9::zela9(*f.m);
      EXPECT_FALSE(c.block.fatal) << "a fatal error must stop the run";
    } catch (const zq::StopRun& s) {
      EXPECT_TRUE(c.block.fatal);
      EXPECT_EQ(s.status(), 1);
      EXPECT_TRUE(s.console().empty());
    }
    EXPECT_EQ(f.out.str(), c.report);
    if (!c.block.fatal) {
      EXPECT_EQ(f.m->errors.ierind, 0);
      EXPECT_EQ(f.m->errors.jerind, 0);
    }
  }
}

TEST(ErrorReporter, NothingPendingWritesNothing) {
  Fixture f;
  f.m->errors.numm = 3;
  f.m->errors.jerind = 7;
  zela9::zela9(*f.m);
  EXPECT_EQ(f.out.str(), "");
  EXPECT_EQ(f.m->errors.numm, 3);
  EXPECT_EQ(f.m->errors.jerind, 7);
}

// After a non-fatal report nothing of the old record survives: a later bare raise prints no
// stale list and does not stop.
TEST(ErrorReporter, ReportedWarningLeavesNoStaleState) {
  Fixture f;
  zq::raiseError(*f.m, {13, 0, false, {"old"}, "old ints", {1, 2}, "", {}});
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
  zq::ErrorBlock b{123, 5, false, {}, "", {}, "", {}};
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
