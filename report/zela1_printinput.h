// Blocks of the report header and input-data section (zela1::printinput), one function per
// block, with the fixed name tables they share. The blocks echo the input and the completed
// defaults in the user's units, as they stand in the data modules; only the shim angles of
// the ball bearing are converted (radians to degrees).
#pragma once

#include <string>

#include "model/farray.h"
#include "model/ftext.h"

struct Model;

namespace zela1 {

// Name tables of the input-data section, filled at every entry of printinput.
struct PrintinputTables {
  zq::FArray<zq::FText<24>, 5> brgname;    // bearing type names by kbrg
  zq::FArray<zq::FText<10>, 2> racename;   // "Outer Race", "Inner Race"
  zq::FArray<zq::FText<14>, 4> raceimp;    // race imperfection line labels
  zq::FText<15> elename;                   // "Rolling Element"
  zq::FArray<zq::FText<10>, 5> intname;    // interface names of the traction tables
  zq::FArray<zq::FText<5>, 2> modeltype;   // contact type 0 point, 1 line
};

PrintinputTables printinputtables();

// The form-feed character as a one-character text for an A1 field.
std::string formfeed(const Model& m);

// Header page, bearing geometry table, flange table, element and race variations.
void printheaderpage(Model& m, const PrintinputTables& t);
void printgeometry(Model& m, const PrintinputTables& t);
void printflanges(Model& m, const PrintinputTables& t);
void printelementvariations(Model& m);
void printracevariations(Model& m, const PrintinputTables& t);
// Material properties page and the rolling-element mass and inertia.
void printmaterials(Model& m);
void printinertia(Model& m);
// Lubrication parameters: traction-curve tables and, with a lubricant, the lubricant and model
// block (which leaves eleven unit labels right-justified for the rest of the run).
void printlubrication(Model& m, const PrintinputTables& t);
// Fatigue-life modeling parameters, life-modification factors, asperity data and notes.
void printfatigue(Model& m, const PrintinputTables& t);
// Operating conditions, constraints and load vectors.
void printoperating(Model& m);

// Moves leading blanks of a label to its end, or trailing blanks to its front.
template <int N>
void leftjustify(zq::FText<N>& t) {
  std::string s(t.view());
  const auto k = s.find_first_not_of(' ');
  if (k == std::string::npos || k == 0) return;
  t = s.substr(k) + std::string(k, ' ');
}
template <int N>
void rightjustify(zq::FText<N>& t) {
  std::string s(t.view());
  const auto k = s.find_last_not_of(' ');
  if (k == std::string::npos || k + 1 == s.size()) return;
  const std::size_t n = s.size() - (k + 1);
  t = std::string(n, ' ') + s.substr(0, k + 1);
}

}  // namespace zela1
