// Error reporter. Block layout: two empty lines, the code line, an empty line, the message
// lines, then the integer and real lists with their headings; a fatal error adds the
// termination line and stops the run. After a non-fatal report the whole record is cleared
// (codes, counts, fatal flag), so a later warning can never reprint stale lists or turn into a
// stop.
#include "run/zela9.h"

#include <algorithm>

#include "model/model.h"
#include "run/stop.h"

namespace zq {

void raiseError(Model& m, const ErrorBlock& b) {
  auto& e = m.errors;
  e.ierind = b.code;
  e.jerind = b.supplementary;
  e.iterminate = b.fatal ? 1 : 0;
  e.numm = int(std::min<std::size_t>(b.lines.size(), 10));
  for (int k = 1; k <= 10; ++k) e.imess(k) = k <= e.numm ? b.lines[std::size_t(k - 1)] : "";
  e.iname = b.iname;
  e.numi = int(std::min<std::size_t>(b.ivalues.size(), 10));
  for (int k = 1; k <= 10; ++k) e.iarray(k) = k <= e.numi ? b.ivalues[std::size_t(k - 1)] : 0;
  e.rname = b.rname;
  e.numr = int(std::min<std::size_t>(b.rvalues.size(), 10));
  for (int k = 1; k <= 10; ++k) e.rarray(k) = k <= e.numr ? b.rvalues[std::size_t(k - 1)] : 0.0;
}

}  // namespace zq

namespace zela9 {

void zela9(Model& m) {
  auto& e = m.errors;
  if (e.ierind == 0) return;
  auto& rep = m.devices.report;
  rep.write("/,/,5X,\"Encountered error code: \",I4,5X,\"Supplementary code: \",I4,/",
            {e.ierind, e.jerind});
  const int numm = std::clamp(e.numm, 0, 10);
  const int numi = std::clamp(e.numi, 0, 10);
  const int numr = std::clamp(e.numr, 0, 10);
  for (int k = 1; k <= numm; ++k) rep.write("5X,A132", {e.imess(k)});
  if (numi > 0) {
    rep.write("/,5X,A72", {e.iname});
    rep.write("5X,10I6", zq::FmtList{}.range(e.iarray, 1, numi));
  }
  if (numr > 0) {
    rep.write("/,5X,A72", {e.rname});
    rep.write("5X,10E12.4", zq::FmtList{}.range(e.rarray, 1, numr));
  }
  if (e.iterminate != 0) {
    rep.write("/,5X,\"Execution terminated due to error code.\",/,/,/");
    zq::stopRun("zela9");
  }
  e.ierind = 0;
  e.jerind = 0;
  e.numm = 0;
  e.numi = 0;
  e.numr = 0;
  e.iterminate = 0;
}

}  // namespace zela9
