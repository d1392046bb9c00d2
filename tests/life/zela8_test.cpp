// Life-modification factors by material and processing code and hardness: every row of the STLE
// material and processing tables and the Tallian rows (names and factors as printed), the hardness
// factor, the "no life modification" code, and the two stop blocks.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <sstream>
#include <string>

#include "life/zela8.h"
#include "model/model.h"
#include "run/stop.h"

namespace {

// One call: factors (STLE material, processing, hardness; Tallian material, process,
// contamination), names (STLE, Tallian), report text and stop status.
struct Factors {
  double v[6] = {-1, -1, -1, -1, -1, -1};
  zq::FText<12> matlf, mat;
  zq::FText<55> proclf, proc;
  std::string out;
  int status = 0;
};

Factors run(int kmat, int kproc, double hrc) {
  auto m = std::make_unique<Model>();
  std::ostringstream out;
  m->devices.report.attach(out);
  Factors f;
  try {
    zela8::zela8(*m, kmat, kproc, hrc, f.v[0], f.v[1], f.v[2], f.v[3], f.v[4], f.v[5], f.matlf, f.proclf, f.mat, f.proc);
  } catch (const zq::StopRun& s) {
    f.status = s.status();
  }
  return f.out = out.str(), f;
}

}  // namespace

TEST(LifeFactors, StleAndTallianTablesRowByRow) {
  // Material code, 12-character name, STLE factor (through-hardened, corrosion resistant and
  // carburized steels, silicon nitride) and Tallian factor (M-50 2.267, 8620 1.773, otherwise 52100
  // 1.197); processing code, name, STLE factor (melting practice) and Tallian process and
  // contamination factors (VIMVAR 0.003 and 0.1, otherwise CVD 0.077 and 1).
  const struct { int code; const char* name; double stle, tallian; } mats[] = {
      {1, "  AISI 52100", 3.0, 1.197}, {2, "    AISI M-1", 0.6, 1.197}, {3, "    AISI M-2", 0.6, 1.197},
      {4, "   AISI M-10", 2.0, 1.197}, {5, "   AISI M-42", 0.6, 1.197}, {6, "   AISI M-50", 2.0, 2.267},
      {7, "    AISI T-1", 2.0, 1.197}, {8, "       Halmo", 2.0, 1.197}, {9, "       WB-49", 0.6, 1.197},
      {21, "    AMS 5749", 2.0, 1.197}, {22, "    AMS 5900", 2.0, 1.197}, {23, "   AISI 440C", 0.6, 1.197},
      {41, "    M-50 NiL", 4.0, 2.267}, {42, "   AISI 4720", 3.0, 1.197}, {43, "   AISI 8620", 1.5, 1.773},
      {44, "   AISI 9310", 2.0, 1.197}, {45, "     CBS 600", 2.0, 1.197}, {46, "    CBS 1000", 2.0, 1.197},
      {47, "   Vasco X-2", 2.0, 1.197}, {51, "  Si Nitride", 6.0, 1.197}};
  const struct { int code; const char* name; double stle, tallian, cont; } procs[] = {
      {0, "No Processing", 1.0, 0.077, 1.0}, {1, "AM -Air Melt", 1.0, 0.077, 1.0},
      {2, "CVD -Carbon Vacuum Degassing", 1.5, 0.077, 1.0}, {3, "VP -Vacuum Processing", 1.5, 0.077, 1.0},
      {4, "VAR -Vacuum Arc Remelting", 3.0, 0.077, 1.0}, {5, "EFR -Electoflux Remelting", 3.0, 0.077, 1.0},
      {6, "VAR-VAR -Double Vacuum Arc Remelting", 4.5, 0.077, 1.0},
      {7, "VIMVAR -Vacuum Induction Melt, Vacuum Arc Remelt", 6.0, 0.003, 0.1}};
  const std::string tallian[] = {"  AISI 52100", "   AISI M-50", "   AISI 8620"};
  for (const auto& r : mats) {
    const Factors f = run(r.code, 0, 58.0);
    const std::string name = tallian[r.tallian == 2.267 ? 1 : r.tallian == 1.773 ? 2 : 0];
    EXPECT_TRUE(f.matlf.str() == r.name && f.v[0] == r.stle && f.out.empty()) << r.code;
    EXPECT_TRUE(f.mat.str() == name && f.v[3] == r.tallian) << r.code;
  }
  for (const auto& r : procs) {
    const Factors f = run(1, r.code, 58.0);
    const std::string tallian = r.code == 7 ? r.name : "CVD -Carbon Vacuum Deoxidation";
    EXPECT_TRUE(f.proclf.trimmed() == r.name && f.v[1] == r.stle && f.proc.trimmed() == tallian) << r.code;
    EXPECT_TRUE(f.v[4] == r.tallian && f.v[5] == r.cont && f.proclf.str().size() == 55) << r.code;
  }
}

TEST(LifeFactors, HardnessFactorAndNoLifeModification) {
  // 1 up to 60 HRC, exp(0.1 (HRC - 60)) above, capped at 2 (60 + 10 ln 2 = 66.93 HRC).
  const double hard[][2] = {{40.0, 1.0}, {60.0, 1.0}, {61.0, std::exp(0.1)}, {65.0, std::exp(0.5)},
                            {66.9, std::exp(0.69)}, {67.0, 2.0}, {75.0, 2.0}};
  for (const auto& r : hard) EXPECT_NEAR(run(1, 0, r[0]).v[2], r[1], 1e-14) << r[0];
  // Material code 0: "NO LIFE MOD" names, all six factors 0, whatever the processing code.
  for (int kproc : {0, 7, 99, -5}) {
    const Factors f = run(0, kproc, 65.0);
    EXPECT_TRUE(f.matlf.str() == " NO LIFE MOD" && f.mat == f.matlf && f.proc == "NO LIFE MOD" &&
                f.proclf == f.proc && f.out.empty() && f.status == 0) << kproc;
    for (double v : f.v) EXPECT_EQ(v, 0.0) << kproc;
  }
}

TEST(LifeFactors, InvalidCodesStopWithTheirBlock) {
  // Two empty lines, the message (the processing one ends in a blank), the code as I3, two empty
  // lines; status 1. The material code is checked first.
  const std::string mat = "\n\n     Execution terminating in -Zela8- due to invalid materials code "
                          "for life modification ....\n     Input materials code =";
  const std::string proc = "\n\n     Execution terminating in -Zela8- due to invalid processing "
                           "code for life modification .... \n     Input processing code =";
  const struct { int kmat, kproc; const char* i3; } rows[] = {
      {10, 0, " 10"}, {20, 0, " 20"}, {24, 0, " 24"}, {40, 0, " 40"}, {48, 0, " 48"},
      {50, 0, " 50"}, {52, 0, " 52"}, {-1, 0, " -1"}, {30, 30, " 30"}, {1, 8, "  8"},
      {1, -1, " -1"}, {1, 100, "100"}};
  for (const auto& r : rows) {
    const Factors f = run(r.kmat, r.kproc, 60.0);
    EXPECT_EQ(f.status, 1) << r.kmat << " " << r.kproc;
    EXPECT_EQ(f.out, (r.kmat != 1 ? mat : proc) + r.i3 + "\n\n\n") << r.kmat << " " << r.kproc;
  }
}
