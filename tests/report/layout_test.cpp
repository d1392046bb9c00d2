// Shared report layouts: the page-break line, the results page header and the underlined
// section heading, checked line by line against the layouts worked out by hand from their
// formats (A1; A1,/,5X,2A14,7X,A36,/,40X,36("="),/; k x "/", 5X,title,/,5X,n("-")).
#include "report/layout.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

#include "model/model.h"

namespace {

struct Captured {
  std::ostringstream os;  // declared first: outlives the report that writes to it
  std::unique_ptr<Model> m = std::make_unique<Model>();
  Captured() { m->devices.report.attach(os); }
};

TEST(Layout, PageBreakIsOneLineHoldingOnlyTheFormFeed) {
  Captured c;
  zq::pageBreak(c.m->devices.report, *c.m);
  EXPECT_EQ(c.os.str(), "\f\n");
}

TEST(Layout, ResultsPageHeaderPutsRunIdUnderTheRule) {
  Captured c;
  c.m->brggeom.runid = "Deep groove ball bearing, case 3";  // padded to 36 characters
  zq::resultsPageHeader(c.m->devices.report, *c.m);
  const std::string runid36 = "Deep groove ball bearing, case 3    ";
  const std::string expected = std::string("\f\n") +
                               "     (ZelorQS 8.50)" + std::string(14 + 7, ' ') + runid36 + "\n" +
                               std::string(40, ' ') + std::string(36, '=') + "\n" +
                               "\n";
  EXPECT_EQ(c.os.str(), expected);
}

TEST(Layout, SectionHeadingUnderlinesFromColumnSix) {
  Captured c;
  auto& rep = c.m->devices.report;
  zq::sectionHeading(rep, "BEARING GEOMETRY", 0, 16);
  zq::sectionHeading(rep, "Race Flange Interaction", 2, 23);
  zq::sectionHeading(rep, "Secondary", 1, 4);  // the underline length is the caller's
  EXPECT_EQ(c.os.str(),
            "     BEARING GEOMETRY\n"
            "     ----------------\n"
            "\n"
            "\n"
            "     Race Flange Interaction\n"
            "     -----------------------\n"
            "\n"
            "     Secondary\n"
            "     ----\n");
}

TEST(Layout, SectionHeadingRejectsImpossibleLayouts) {
  Captured c;
  EXPECT_THROW(zq::sectionHeading(c.m->devices.report, "X", -1, 3), std::invalid_argument);
  EXPECT_THROW(zq::sectionHeading(c.m->devices.report, "X", 0, 0), std::invalid_argument);
  EXPECT_TRUE(c.os.str().empty());
}

}  // namespace
