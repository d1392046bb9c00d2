// Life-modification factors: every row of the STLE material and processing tables with its
// name, the hardness factor (exp(0.1 (HRC - 60)) between 60 and the cap 2.0), the Tallian rows,
// the "no life modification" code, and the two stop blocks written line by line from their
// layouts (two empty lines, the message, the code as I3, two empty lines).
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "life/zela8.h"
#include "model/model.h"
#include "run/stop.h"

namespace {

struct Factors {
  double facmatlf = -1, facproclf = -1, hardnesslf = -1, facmat = -1, facproc = -1, faccont = -1;
  zq::FText<12> matnamelf, matname;
  zq::FText<55> procnamelf, procname;
};

struct Fixture {
  std::unique_ptr<Model> m = std::make_unique<Model>();
  std::ostringstream out;
  Fixture() { m->devices.report.attach(out); }
  Factors run(int kmat, int kproc, double hrc) {
    Factors f;
    zela8::zela8(*m, kmat, kproc, hrc, f.facmatlf, f.facproclf, f.hardnesslf, f.facmat,
                 f.facproc, f.faccont, f.matnamelf, f.procnamelf, f.matname, f.procname);
    return f;
  }
};

}  // namespace

// STLE material table, typed from the life-factor data: code, 12-character name, factor.
TEST(LifeFactors, MaterialTableRows) {
  struct Row {
    int code;
    const char* name;
    double factor;
  };
  const std::vector<Row> rows = {
      {1, "  AISI 52100", 3.0}, {2, "    AISI M-1", 0.6}, {3, "    AISI M-2", 0.6},
      {4, "   AISI M-10", 2.0}, {5, "   AISI M-42", 0.6}, {6, "   AISI M-50", 2.0},
      {7, "    AISI T-1", 2.0}, {8, "       Halmo", 2.0}, {9, "       WB-49", 0.6},
      {21, "    AMS 5749", 2.0}, {22, "    AMS 5900", 2.0}, {23, "   AISI 440C", 0.6},
      {41, "    M-50 NiL", 4.0}, {42, "   AISI 4720", 3.0}, {43, "   AISI 8620", 1.5},
      {44, "   AISI 9310", 2.0}, {45, "     CBS 600", 2.0}, {46, "    CBS 1000", 2.0},
      {47, "   Vasco X-2", 2.0}, {51, "  Si Nitride", 6.0},
  };
  for (const auto& r : rows) {
    Fixture fx;
    const Factors f = fx.run(r.code, 0, 58.0);
    EXPECT_EQ(f.matnamelf.str(), r.name) << r.code;
    EXPECT_EQ(f.facmatlf, r.factor) << r.code;
    EXPECT_EQ(fx.out.str(), "");
  }
}

// STLE processing table: code, name (blank-padded to 55), factor.
TEST(LifeFactors, ProcessingTableRows) {
  struct Row {
    int code;
    const char* name;
    double factor;
  };
  const std::vector<Row> rows = {
      {0, "No Processing", 1.0},
      {1, "AM -Air Melt", 1.0},
      {2, "CVD -Carbon Vacuum Degassing", 1.5},
      {3, "VP -Vacuum Processing", 1.5},
      {4, "VAR -Vacuum Arc Remelting", 3.0},
      {5, "EFR -Electoflux Remelting", 3.0},
      {6, "VAR-VAR -Double Vacuum Arc Remelting", 4.5},
      {7, "VIMVAR -Vacuum Induction Melt, Vacuum Arc Remelt", 6.0},
  };
  for (const auto& r : rows) {
    Fixture fx;
    const Factors f = fx.run(1, r.code, 58.0);
    const std::string name = r.name;
    EXPECT_EQ(f.procnamelf.str(), name + std::string(55 - name.size(), ' ')) << r.code;
    EXPECT_EQ(f.facproclf, r.factor) << r.code;
  }
}

// Hardness factor: 1 up to 60 HRC, exp(0.1 (HRC - 60)) above, capped at 2 (reached at
// 60 + 10 ln 2 = 66.93 HRC).
TEST(LifeFactors, HardnessFactor) {
  struct Row {
    double hrc;
    double factor;
  };
  const std::vector<Row> rows = {
      {40.0, 1.0}, {60.0, 1.0}, {61.0, std::exp(0.1)}, {65.0, std::exp(0.5)},
      {66.9, std::exp(0.69)}, {67.0, 2.0}, {75.0, 2.0},
  };
  for (const auto& r : rows) {
    Fixture fx;
    EXPECT_NEAR(fx.run(1, 0, r.hrc).hardnesslf, r.factor, 1e-14) << r.hrc;
  }
}

// Tallian rows: M-50 for codes 6 and 41, 8620 for 43, 52100 for every other valid code;
// VIMVAR process (code 7) or the CVD row for every other code.
TEST(LifeFactors, TallianRows) {
  struct Row {
    int code, kproc;
    const char* name;
    double factor;
    const char* proc;
    double facproc, faccont;
  };
  const char* cvd = "CVD -Carbon Vacuum Deoxidation";
  const char* vim = "VIMVAR -Vacuum Induction Melt, Vacuum Arc Remelt";
  for (const Row& r : {Row{6, 3, "   AISI M-50", 2.267, cvd, 0.077, 1.0},
                       Row{41, 0, "   AISI M-50", 2.267, cvd, 0.077, 1.0},
                       Row{43, 7, "   AISI 8620", 1.773, vim, 0.003, 0.1},
                       Row{1, 6, "  AISI 52100", 1.197, cvd, 0.077, 1.0},
                       Row{23, 1, "  AISI 52100", 1.197, cvd, 0.077, 1.0},
                       Row{51, 7, "  AISI 52100", 1.197, vim, 0.003, 0.1}}) {
    Fixture fx;
    const Factors f = fx.run(r.code, r.kproc, 62.0);
    EXPECT_EQ(f.matname.str(), r.name) << r.code;
    EXPECT_EQ(f.facmat, r.factor) << r.code;
    EXPECT_EQ(f.procname.trimmed(), r.proc) << r.kproc;
    EXPECT_EQ(f.facproc, r.facproc) << r.kproc;
    EXPECT_EQ(f.faccont, r.faccont) << r.kproc;
  }
}

// Material code 0: "NO LIFE MOD" names and all six factors zero, whatever the processing code.
TEST(LifeFactors, NoLifeModificationIgnoresProcessingCode) {
  for (int kproc : {0, 7, 99, -5}) {
    Fixture fx;
    const Factors f = fx.run(0, kproc, 65.0);
    EXPECT_EQ(f.matnamelf.str(), " NO LIFE MOD");
    EXPECT_EQ(f.matname.str(), " NO LIFE MOD");
    EXPECT_EQ(f.procnamelf.str(), "NO LIFE MOD" + std::string(44, ' '));
    EXPECT_EQ(f.procname.str(), "NO LIFE MOD" + std::string(44, ' '));
    for (double v : {f.facmatlf, f.facproclf, f.hardnesslf, f.facmat, f.facproc, f.faccont})
      EXPECT_EQ(v, 0.0);
    EXPECT_EQ(fx.out.str(), "");
  }
}

// Invalid codes stop the run after the block: two empty lines, the message (the processing
// one ends in a blank), the code as I3, two empty lines. The material code is checked first.
TEST(LifeFactors, InvalidCodesStop) {
  struct Row {
    int kmat, kproc;
    const char* i3;
  };
  const std::string mat = "\n\n     Execution terminating in -Zela8- due to invalid materials code "
                          "for life modification ....\n     Input materials code =";
  const std::string proc = "\n\n     Execution terminating in -Zela8- due to invalid processing "
                           "code for life modification .... \n     Input processing code =";
  for (const Row& r : {Row{10, 0, " 10"}, Row{20, 0, " 20"}, Row{24, 0, " 24"}, Row{40, 0, " 40"},
                       Row{48, 0, " 48"}, Row{50, 0, " 50"}, Row{52, 0, " 52"},
                       Row{-1, 0, " -1"}, Row{30, 30, " 30"}, Row{1, 8, "  8"},
                       Row{1, -1, " -1"}, Row{1, 100, "100"}}) {
    Fixture fx;
    try {
      fx.run(r.kmat, r.kproc, 60.0);
      ADD_FAILURE() << r.kmat << " " << r.kproc << " must stop the run";
    } catch (const zq::StopRun& s) {
      EXPECT_EQ(s.status(), 1);
    }
    const bool badMat = r.kmat != 1;
    EXPECT_EQ(fx.out.str(), (badMat ? mat : proc) + r.i3 + "\n\n\n") << r.kmat << " " << r.kproc;
  }
}
