// Input stage: opens DATA.txt and PRINT.txt, reads and lists every input record, then applies
// the size scatter, the defaults, the unit labels, prints the input-data section and forms the
// scale factors and consistency checks. Its internal procedures are declared here; each lives in
// run/zela1_<procedure>.cpp (the input-data section in report/zela1_printinput.cpp).
#pragma once

#include <string_view>
#include <vector>

#include "run/listread.h"

struct Model;

namespace zela1 {
void zela1(Model& m);
// Constants and cleared first-call flags set before anything else.
void startconstants(Model& m);
// Opens DATA.txt and PRINT.txt, reads every input record and lists it into the report (the
// part of zela1 before the size scatter).
void inputrecords(Model& m);
// Records 4 to 14: envelope, element and race geometry, flanges, imperfections.
void inputreracegeom(Model& m);
// Element size variations from the repeatable normal scatter.
void geomimp(Model& m);
// Defaults and derived constants.
void setdefaults(Model& m);
// Unit labels of the report.
void setunits(Model& m);
// Report header and input-data section.
void printinput(Model& m);
// Scale factors of the non-dimensional form.
void scalefactors(Model& m);
// Consistency checks of the input.
void checkdata(Model& m);
// Echo forms of the input listing: T text (36 columns), I4 and I3 integers, G reals E11.4 with
// 9 to a line, M reals E11.4 (up to 10), O reals E11.4 (up to 9), Free the list-directed form.
enum class Echo { T, I4, I3, G, M, O, Free };
// Reads one record of DATA.txt into `items` (item 1 the record label) and writes its echo line
// (the label and the first `echoCount` values; all when negative).
void readrecord(Model& m, std::string_view record, Echo echo,
                const std::vector<zq::ListItem>& items, int echoCount = -1);
}  // namespace zela1
