// Input stage. Opens the input and report files (a missing DATA.txt or an unwritable PRINT.txt
// ends the run with a console message and exit status 2) and writes the listing header.
#include "run/zela1.h"

#include <fstream>

#include "model/model.h"
#include "run/stop.h"

namespace zela1 {

namespace {

std::string inDir(const Model& m, std::string_view name) {
  if (m.devices.dir.empty()) return std::string(name);
  return m.devices.dir + "/" + std::string(name);
}

[[noreturn]] void fileOpenStop(Model& m, bool inputFile) {
  const auto& d = m.devices;
  std::string text = zq::renderFormat(
      "/,5X,16(\"*\"),/,5X,\"Execution terminating in subroutine Zela1\",/,5X,"
      "\"File open error for file \",A10",
      {inputFile ? d.inname : d.outname});
  if (inputFile) {
    text += zq::renderFormat(
        "5X,\"The input data file, \",A10,\" must exist in the \",/,5X,"
        "\"in the current run directory.\",/,5X,16(\"*\"),/",
        {d.inname});
  } else {
    text += zq::renderFormat(
        "5X,\"The output data file, \",A10,\" cannot be created.\",/,5X,"
        "\"Please check write permission in the current run directory.\",/,5X,16(\"*\"),/",
        {d.outname});
  }
  zq::stopUnreadable("zela1", text);
}

}  // namespace

void zela1(Model& m) {
  auto& d = m.devices;
  {
    std::ifstream probe(inDir(m, d.inname.trimmed()));
    if (!probe) {
      m.errors.jerind = 1;
      fileOpenStop(m, true);
    }
  }
  if (!d.report.isOpen() && !d.report.open(inDir(m, d.outname.trimmed()))) {
    m.errors.jerind = 1;
    fileOpenStop(m, false);
  }
  d.report.write("A1,/,/,3X,\"Listing of input data records\",/,3X,29(\"-\"),/,/",
                 {std::string(1, char(m.constants.ff))});
  m.options.kprtopt = 1;
}

}  // namespace zela1
