// Shared layouts of the report: page break, results page header and section heading, written
// through the line-format interpreter. The form feed (character code constants::ff) is passed
// to its A1 field as a one-character text.
#include "report/layout.h"

#include <stdexcept>
#include <string>

#include "model/model.h"
#include "report/format.h"

namespace zq {

void pageBreak(Report& rep, const Model& m) {
  rep.write("A1", {std::string(1, char(m.constants.ff))});
}

void resultsPageHeader(Report& rep, const Model& m) {
  rep.write("A1,/,5X,2A14,7X,A36,/,40X,36(\"=\"),/",
            {std::string(1, char(m.constants.ff)), m.constants.iver, m.constants.jver,
             m.brggeom.runid});
}

void sectionHeading(Report& rep, std::string_view title, int nBlankLinesBefore,
                    int underlineLength) {
  if (nBlankLinesBefore < 0)
    throw std::invalid_argument("section heading: negative number of blank lines");
  if (underlineLength < 1)
    throw std::invalid_argument("section heading: underline needs at least one hyphen");
  std::string format;
  for (int k = 0; k < nBlankLinesBefore; ++k) format += "/,";
  format += "5X,A,/,5X,";
  format += std::to_string(underlineLength);
  format += "(\"-\")";
  rep.write(format, {title});
}

}  // namespace zq
