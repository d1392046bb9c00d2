// Error record protocol. A routine that detects a failure raises it with raiseError (which sets
// every field of the record, so nothing stale from an earlier error is printed) and returns;
// the routine above calls zela9, which prints the record into the report and then stops the
// run (fatal) or clears the record and returns.
#pragma once

#include <string>
#include <vector>

struct Model;

namespace zq {

struct ErrorBlock {
  int code = 0;           // errors::ierind
  int supplementary = 0;  // errors::jerind
  bool fatal = false;     // errors::iterminate
  std::vector<std::string> lines;  // message lines (at most 10, 132 characters each)
  std::string iname;
  std::vector<int> ivalues;  // at most 10
  std::string rname;
  std::vector<double> rvalues;  // at most 10
};

// Fills the error record from the block: every count, list, text and the fatal flag.
void raiseError(Model& m, const ErrorBlock& block);

}  // namespace zq

namespace zela9 {
void zela9(Model& m);
}  // namespace zela9
