// Life-modification factors of one bearing body (a race or the rolling elements) from its
// material code, processing code and Rockwell C hardness: the STLE material, processing and
// hardness life factors (after the STLE life-factor guidelines) and the Tallian material,
// process and contamination factors, each with the names printed in the report. Factors are
// dimensionless multipliers of the basic fatigue life.
#include "life/zela8.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "model/model.h"
#include "run/stop.h"

namespace zela8 {

namespace {

// STLE material factors and names: through-hardened bearing steels (codes 1-9), corrosion
// resistant steels (21-23), case-carburized steels (41-47) and silicon nitride (51).
constexpr std::array<double, 9> facmaterial1{3.0, 0.6, 0.6, 2.0, 0.6, 2.0, 2.0, 2.0, 0.6};
constexpr std::array<double, 3> facmaterial2{2.0, 2.0, 0.6};
constexpr std::array<double, 7> facmaterial3{4.0, 3.0, 1.5, 2.0, 2.0, 2.0, 2.0};
constexpr double facmaterial4 = 6.0;
constexpr std::array<std::string_view, 9> matnameset1{
    "  AISI 52100", "    AISI M-1", "    AISI M-2", "   AISI M-10", "   AISI M-42",
    "   AISI M-50", "    AISI T-1", "       Halmo", "       WB-49"};
constexpr std::array<std::string_view, 3> matnameset2{"    AMS 5749", "    AMS 5900",
                                                      "   AISI 440C"};
constexpr std::array<std::string_view, 7> matnameset3{
    "    M-50 NiL", "   AISI 4720", "   AISI 8620", "   AISI 9310",
    "     CBS 600", "    CBS 1000", "   Vasco X-2"};
constexpr std::string_view matnameset4 = "  Si Nitride";

// STLE processing factors and names by processing code 0-7 (melting and remelting practice).
constexpr std::array<double, 8> facprocess{1.0, 1.0, 1.5, 1.5, 3.0, 3.0, 4.5, 6.0};
constexpr std::array<std::string_view, 8> processnames{
    "No Processing",
    "AM -Air Melt",
    "CVD -Carbon Vacuum Degassing",
    "VP -Vacuum Processing",
    "VAR -Vacuum Arc Remelting",
    "EFR -Electoflux Remelting",
    "VAR-VAR -Double Vacuum Arc Remelting",
    "VIMVAR -Vacuum Induction Melt, Vacuum Arc Remelt"};

// Element k (1-based) of a constant table.
template <class T, std::size_t N>
const T& at(const std::array<T, N>& a, int k) {
  return a.at(std::size_t(k - 1));
}

}  // namespace

void zela8(Model& m, int kmat, int kproc, double hrc, double& facmatlf, double& facproclf,
           double& hardnesslf, double& facmat, double& facproc, double& faccont,
           zq::FText<12>& matnamelf, zq::FText<55>& procnamelf, zq::FText<12>& matname,
           zq::FText<55>& procname) {
  if (kmat == 0) {
    // No life modification: the processing code is not looked at.
    matnamelf = " NO LIFE MOD";
    matname = " NO LIFE MOD";
    procnamelf = "NO LIFE MOD";
    procname = "NO LIFE MOD";
    facmatlf = 0.0;
    facproclf = 0.0;
    hardnesslf = 0.0;
    facmat = 0.0;
    facproc = 0.0;
    faccont = 0.0;
    return;
  }

  // STLE material factor.
  if (kmat >= 1 && kmat <= 9) {
    facmatlf = at(facmaterial1, kmat);
    matnamelf = at(matnameset1, kmat);
  } else if (kmat >= 21 && kmat <= 23) {
    facmatlf = at(facmaterial2, kmat - 20);
    matnamelf = at(matnameset2, kmat - 20);
  } else if (kmat >= 41 && kmat <= 47) {
    facmatlf = at(facmaterial3, kmat - 40);
    matnamelf = at(matnameset3, kmat - 40);
  } else if (kmat == 51) {
    facmatlf = facmaterial4;
    matnamelf = matnameset4;
  } else {
    m.devices.report.write(
        "/,/,5X,\"Execution terminating in -Zela8- due to \","
        "\"invalid materials code for life modification ....\",/,"
        "5X,\"Input materials code =\",I3,/,/",
        {kmat});
    zq::stopRun("zela8");
  }

  // STLE processing factor.
  if (kproc >= 0 && kproc <= 7) {
    facproclf = at(facprocess, kproc + 1);
    procnamelf = at(processnames, kproc + 1);
  } else {
    m.devices.report.write(
        "/,/,5X,\"Execution terminating in -Zela8- due to \","
        "\"invalid processing code for life modification .... \",/,"
        "5X,\"Input processing code =\",I3,/,/",
        {kproc});
    zq::stopRun("zela8");
  }

  // Hardness factor: full life at 60 HRC and below, rising exponentially above, at most 2.
  if (hrc <= 60.0) {
    hardnesslf = 1.0;
  } else {
    hardnesslf = std::min(std::exp(0.1 * (hrc - 60.0)), 2.0);
  }

  // Tallian material factor: M-50 type steels, carburized 8620, otherwise 52100.
  if (kmat == 6 || kmat == 41) {
    matname = "   AISI M-50";
    facmat = 2.267;
  } else if (kmat == 43) {
    matname = "   AISI 8620";
    facmat = 1.773;
  } else {
    matname = "  AISI 52100";
    facmat = 1.197;
  }

  // Tallian process and contamination factors.
  if (kproc == 7) {
    procname = "VIMVAR -Vacuum Induction Melt, Vacuum Arc Remelt";
    facproc = 0.003;
    faccont = 0.1;
  } else {
    procname = "CVD -Carbon Vacuum Deoxidation";
    facproc = 0.077;
    faccont = 1.0;
  }
}

}  // namespace zela8
