// Input stage: opens DATA.txt and PRINT.txt, reads and lists every input record, then applies
// the size scatter, the defaults, the unit labels, prints the input-data section and forms the
// scale factors and consistency checks. Its internal procedures are declared here; each lives in
// run/zela1_<procedure>.cpp (the input-data section in report/zela1_printinput.cpp).
#pragma once

struct Model;

namespace zela1 {
void zela1(Model& m);
// Constants and cleared first-call flags set before anything else.
void startconstants(Model& m);
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
}  // namespace zela1
