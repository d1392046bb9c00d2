// Shared layouts of the report: the page-break line, the page header of the results section
// and the underlined section heading. All lines go through the line-format interpreter.
#pragma once

#include <string_view>

struct Model;

namespace zq {

class Report;

// The page-break line: A1 of the form-feed character (constants::ff), one line holding only
// that character. The line end after it is the line's own '\n'; no empty line follows (a
// statement "A1,/" would add one).
void pageBreak(Report& rep, const Model& m);

// Results page header, format A1,/,5X,2A14,7X,A36,/,40X,36("="),/ with constants::ff,
// constants::iver, constants::jver, brggeom::runid. Four lines: the form-feed line; the version
// texts in columns 6 to 33 and the run identification in columns 41 to 76; 36 "=" under the
// run identification; an empty line.
void resultsPageHeader(Report& rep, const Model& m);

// Section heading: nBlankLinesBefore empty lines, the title from column 6, then underlineLength
// hyphens from column 6 on the next line. Throws std::invalid_argument for a negative number
// of blank lines or an underline shorter than one hyphen.
void sectionHeading(Report& rep, std::string_view title, int nBlankLinesBefore,
                    int underlineLength);

}  // namespace zq
