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

// Tallian material: M-50 for codes 6 and 41, 8620 for 43, 52100 for every other valid code.
TEST(LifeFactors, TallianMaterialRows) {
  struct Row {
    int code;
    const char* name;
    double factor;
  };
  const std::vector<Row> rows = {
      {6, "   AISI M-50", 2.267}, {41, "   AISI M-50", 2.267}, {43, "   AISI 8620", 1.773},
      {1, "  AISI 52100", 1.197}, {5, "  AISI 52100", 1.197}, {23, "  AISI 52100", 1.197},
      {42, "  AISI 52100", 1.197}, {51, "  AISI 52100", 1.197},
  };
  for (const auto& r : rows) {
    Fixture fx;
    const Factors f = fx.run(r.code, 3, 62.0);
    EXPECT_EQ(f.matname.str(), r.name) << r.code;
    EXPECT_EQ(f.facmat, r.factor) << r.code;
  }
}

// Tallian process and contamination: VIMVAR (code 7) or the CVD row for every other code.
TEST(LifeFactors, TallianProcessRows) {
  for (int kproc = 0; kproc <= 7; ++kproc) {
    Fixture fx;
    const Factors f = fx.run(43, kproc, 62.0);
    if (kproc == 7) {
      EXPECT_EQ(f.procname.trimmed(), "VIMVAR -Vacuum Induction Melt, Vacuum Arc Remelt");
      EXPECT_EQ(f.facproc, 0.003);
      EXPECT_EQ(f.faccont, 0.1);
    } else {
      EXPECT_EQ(f.procname.trimmed(), "CVD -Carbon Vacuum Deoxidation") << kproc;
      EXPECT_EQ(f.facproc, 0.077);
      EXPECT_EQ(f.faccont, 1.0);
    }
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

// Codes between and beyond the table groups stop the run after the block: two empty lines,
// "     Execution terminating in -Zela8- due to invalid materials code ...", the code as I3,
// two empty lines.
TEST(LifeFactors, InvalidMaterialCodeStops) {
  struct Row {
    int code;
    const char* i3;
  };
  const std::vector<Row> rows = {{10, " 10"}, {20, " 20"}, {24, " 24"}, {40, " 40"},
                                 {48, " 48"}, {50, " 50"}, {52, " 52"}, {-1, " -1"}};
  for (const auto& r : rows) {
    Fixture fx;
    try {
      fx.run(r.code, 0, 60.0);
      ADD_FAILURE() << "material code " << r.code << " must stop the run";
    } catch (const zq::StopRun& s) {
      EXPECT_EQ(s.status(), 1);
    }
    const std::string expected =
        "\n\n     Execution terminating in -Zela8- due to invalid materials code for life "
        "modification ....\n     Input materials code =" +
        std::string(r.i3) + "\n\n\n";
    EXPECT_EQ(fx.out.str(), expected) << r.code;
  }
}

// Processing codes outside 0..7 stop the run with the processing block (message ends in a blank).
TEST(LifeFactors, InvalidProcessingCodeStops) {
  struct Row {
    int code;
    const char* i3;
  };
  const std::vector<Row> rows = {{8, "  8"}, {-1, " -1"}, {100, "100"}};
  for (const auto& r : rows) {
    Fixture fx;
    try {
      fx.run(1, r.code, 60.0);
      ADD_FAILURE() << "processing code " << r.code << " must stop the run";
    } catch (const zq::StopRun& s) {
      EXPECT_EQ(s.status(), 1);
    }
    const std::string expected =
        "\n\n     Execution terminating in -Zela8- due to invalid processing code for life "
        "modification .... \n     Input processing code =" +
        std::string(r.i3) + "\n\n\n";
    EXPECT_EQ(fx.out.str(), expected) << r.code;
  }
}

// An invalid material code is found before the processing code is looked at.
TEST(LifeFactors, MaterialCheckComesFirst) {
  Fixture fx;
  EXPECT_THROW(fx.run(30, 30, 60.0), zq::StopRun);
  EXPECT_NE(fx.out.str().find("invalid materials code"), std::string::npos);
  EXPECT_EQ(fx.out.str().find("processing"), std::string::npos);
}
