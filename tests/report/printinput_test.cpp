// Input-data blocks that no example reaches, printed from an example as read and completed by the
// defaults with single values changed, lines worked out by hand from their formats: stops on an
// invalid bearing type and traction models, shim angle, size variations, lubricant model
// variants, material markers.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>

#include "model/model.h"
#include "run/stop.h"
#include "run/zela1.h"
#include "support/rundir.h"

namespace {

std::string sp(int n) { return std::string(std::size_t(n), ' '); }

// An example read and completed by the defaults; printinput then writes into a string.
struct Section {
  std::ostringstream os;  // declared first: outlives the report that writes to it
  zqtest::ScratchDir dir;
  std::unique_ptr<Model> m = std::make_unique<Model>();
  std::string stop;  // the routine that stopped the run, if any
  explicit Section(const std::string& example) {
    dir.write("DATA.txt", zqtest::readSource("examples/" + example + ".txt"));
    m->devices.dir = dir.path().string();
    m->devices.report.attach(os);
    zela1::startconstants(*m), zela1::inputrecords(*m), zela1::geomimp(*m), zela1::setdefaults(*m), zela1::setunits(*m);
  }
  std::vector<std::string> print() {
    os.str("");
    try {
      zela1::printinput(*m);
    } catch (const zq::StopRun& s) {
      stop = s.status() == zq::kExitStopped ? s.where() : "wrong status";
    }
    return zqtest::lines(os.str());
  }
};

struct Case {
  const char* example;
  std::function<void(Model&)> set;
  std::vector<std::string> lines;  // consecutive; "..." stands for any lines between
  bool stops = false;              // the section stops after these lines
};

TEST(PrintInput, BlocksOfChangedInputAsWorkedOutByHand) {
  const std::string z = "  0.00000E+00";
  const Case cases[] = {
      {"ball-si", [](Model& m) { m.brggeom.kbrg = 6; },
       {"     *     Bearing Type = " + sp(55) + "Run Id = Deep groove ball bearing 6208, SI       *", "...", "     BEARING GEOMETRY",
        "     ----------------", "", "", "     Execution terminating in PrintInput", "     Invalid bearing type encountered:  kBrg =  6", "", "", ""},
       true},
      // shim angles are held in radians: 0.5 rad prints as 28.6479 deg
      {"ball-si", [](Model& m) { m.brggeom.shimang(1) = 0.5, m.brggeom.freeendplay = 1.0e-3; },
       {"     END PLAY    (m) 1.00000E-03     SHAFT ID    (m) 0.00000E+00     SHIM ANG  (deg) 2.86479E+01     SHIM ANG  (deg) 0.00000E+00"}},
      // code 1 adds the RMS line; the title reads ball size for spherical rollers too
      {"spherical-si", [](Model& m) { m.options.kregeoimp = 1, m.brggeom.rermsdiavar = 2.0e-6; },
       {"     VARIATIONS IN BALL SIZE", "...", sp(10) + "  15" + z, sp(7) + "RMS Dev  2.00000E-06", "\f"}},
      // tapered rollers from code 3: a new page, the crown column and the end faces
      {"tapered-si", [](Model& m) {
         auto& g = m.brggeom;
         g.nre = 1, m.options.kregeoimp = 3, g.rediavar(1) = 1.0e-6, g.recrnvar(1) = 5.0, g.reendframe(1, 1, 1) = 0.1, g.reendframe(3, 2, 1) = -0.2;
       },
       {"\f", "", "     VARIATIONS IN ROLLER GEOMETRY", "...", sp(12) + "NO     DIAMETER       LENGTH       LENGTH   CENTRALITY       RADIUS",
        sp(23) + " (m)" + sp(9) + " (m)" + sp(9) + " (m)" + sp(9) + " (m)" + sp(9) + " (m)", sp(10) + "   1  1.00000E-06" + z + z + z + "  5.00000E+00",
        "", "", sp(12) + "RE  .....ORIENTATION OF END FACE I.......  .....ORIENTATION OF END FACE II......",
        sp(12) + "NO        X-ROT        Y-ROT        Z-ROT        X-ROT        Y-ROT        Z-ROT", "...",
        sp(10) + "   1  1.00000E-01" + z + z + z + z + " -2.00000E-01", "\f"}},
      // the lubricant block's variants: labels follow their values after one blank
      {"ball-si", [](Model& m) {
         auto& t = m.tracprop;
         t.kshthtype = 2, t.cshearmod = 22000.0, t.cshearmod1 = 5.08e6, t.cn = 0.89, t.cn1 = 0.52, t.aexp = 2.0, t.a1exp = 1.5;
       },
       {"     Effective shear modulus    2.20000E+04 (Pa)     5.08000E+06 (Pa)  ", "     Shear-thinning exponent n  8.90000E-01" + sp(9) + " 5.20000E-01",
        "     Shear-thinning exponent a  2.00000E+00" + sp(9) + " 1.50000E+00", ""}},
      {"ball-si", [](Model& m) { m.tracprop.kmtype = 5; },
       {"", "", "     Execution terminating due to invalid traction model type, kMType =  5", "", ""}, true},
      // the traction-curve tables are written without a lubricant too
      {"ball-variations-si", [](Model& m) { m.tracprop.ktractype = 3; },
       {"     ----------------------", "", "     Invalid RE/RACE hypothetical model type", "     kTracType =    3 on input Record 10.0", "", ""}, true},
      {"tapered-dry-english", [](Model& m) { m.tracprop.krftractype = -2; },
       {"    INNER RACE   0.0000E+00  0.00000E+00  0.00000E+00  0.00000E+00  0.00000E+00", "", "     Invalid RE/FLANGE hypothetical model type",
        "     kRFTracType =   -2 on input Record 10.0", "", ""}, true},
  };
  for (const Case& c : cases) {
    Section s(c.example);
    c.set(*s.m);
    const auto l = s.print();
    auto at = l.begin();
    for (std::size_t a = 0, b = 0; a < c.lines.size(); a = b + 1) {  // the runs between "..."
      b = std::size_t(std::find(c.lines.begin() + long(a), c.lines.end(), "...") - c.lines.begin());
      at = std::search(at, l.end(), c.lines.begin() + long(a), c.lines.begin() + long(b));
      ASSERT_NE(at, l.end()) << c.example << ": no block from [" << c.lines[a] << "]";
      at += long(b - a);
    }
    EXPECT_EQ(s.stop, c.stops ? "zela1::printinput" : "") << c.example;
    EXPECT_TRUE(!c.stops || at == l.end()) << c.example << ": the stop block ends the section";
  }
}

// Every value of the material rows is followed by the marker of its own property and column
// (here letters), the octahedral limit by the von Mises marker.
TEST(PrintInput, MaterialMarkersStandBesideTheirValues) {
  Section s("ball-si");
  auto& p = s.m->matprop;
  p.rem = "abcdefghij", p.racem(1) = "ABCDEFGHIJ", p.racem(2) = "klmnopqrst", p.shftm = "KLMNOPQRST", p.hsngm = "uvwxyzUVWX", p.raceh(2) = 60.0;
  const auto l = s.print();
  const std::pair<std::string, std::string> rows[] = {
      {"     DENSITY", "aAkKu"}, {"     ELASTIC MODULUS", "bBlLv"}, {"     POISSON-S RATIO", "cCmMw"}, {"     COEFF OF THERMAL EXP", "dDnNx"},
      {"     HARDNESS", "hHr"}, {"     WEAR COEFFICIENT", "iIs"}, {"     VON-MISES STRESS", "jJt"}, {"     OCTAHEDRAL SHEAR STRESS LIMIT", "jJt"}};
  for (const auto& [row, marks] : rows) {
    std::string got;
    for (const auto& line : l)
      for (std::size_t c = 0; line.rfind(row, 0) == 0 && c < marks.size(); ++c) got += line.at(53 + 13 * c);
    EXPECT_EQ(got, marks) << row;
  }
  // 52100 steel of the database: 62 HRC
  EXPECT_NE(std::find(l.begin(), l.end(), "     HARDNESS" + sp(24) + "(RC)  6.2000E+01h  6.2000E+01H  6.0000E+01r"), l.end());
}

}  // namespace
