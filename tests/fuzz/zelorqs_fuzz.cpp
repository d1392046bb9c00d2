// Robustness driver: feeds arbitrary bytes as DATA.txt through the whole run (input reading,
// defaults, unit labels, input-data section, scale factors, checks, model set-up and every
// later stage), one fresh Model per input in a per-process scratch directory, and aborts on
// any ending that is not one of the program's three defined outcomes: completion, a stop with
// its block at the end of PRINT.txt, or unreadable input with its console message. A NaN or
// infinity printed in the report is accepted only when the input checks then stop the run.
// With ZELORQS_FUZZ_SETUP=1 in the environment a completed run must also leave a finite set-up
// state (element and race geometry, frames, no-load positions, flange and fit constants): the
// values the equilibrium stages will start from.
// Build: cmake -DZELORQS_FUZZ=ON with clang (libFuzzer, AddressSanitizer, UBSan).
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "model/model.h"
#include "run/stop.h"
#include "run/zelorqs.h"

namespace {

namespace fs = std::filesystem;

fs::path& scratch() {
  static fs::path dir;  // the driver's own scratch directory, created once per process
  return dir;
}

void removeScratch() {
  std::error_code ec;
  if (!scratch().empty()) fs::remove_all(scratch(), ec);
}

[[noreturn]] void finding(const std::string& what, const std::string& detail) {
  std::fprintf(stderr, "\n==== ZelorQS fuzz finding: %s\n%s\n", what.c_str(), detail.c_str());
  std::fflush(stderr);
  removeScratch();  // abort skips the exit handlers; libFuzzer keeps the input as its artifact
  std::abort();
}

std::string slurp(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

// First lines of the blocks with which a check, a model limit or the error reporter stops a
// run (the routine's own heading, from the listing checks to the set-up limits).
bool isStopHeading(std::string_view line) {
  static const char* const kHeads[] = {
      "Execution terminat",            // "... terminating in <routine>", "... due ...", "... terminated due to error code."
      "Execution Teminating",          // material code check (spelled so)
      "For tapered bearing",           // tapered-roller input checks
      "For spherical tapered bearing", // cone angles of the spherical tapered type
      "Invalid RE/RACE hypothetical",  // traction model types in the input-data section
      "Invalid RE/FLANGE hypothetical",
  };
  const std::size_t b = line.find_first_not_of(' ');
  if (b == std::string_view::npos) return false;
  line.remove_prefix(b);
  for (const char* h : kHeads)
    if (line.substr(0, std::string_view(h).size()) == h) return true;
  return false;
}

// A stopped run's report is non-empty, complete lines, and its last block is the stop block:
// a stop heading among its last non-blank lines.
void checkStopReport(const std::string& report, const std::string& where) {
  if (report.empty()) finding("stop with an empty report", "where: " + where);
  if (report.back() != '\n') finding("stop with an unterminated report line", "where: " + where);
  std::vector<std::string_view> nonBlank;
  std::size_t start = 0;
  while (start < report.size()) {
    const std::size_t end = report.find('\n', start);
    std::string_view line(report.data() + start, end - start);
    if (line.find_first_not_of(' ') != std::string_view::npos) nonBlank.push_back(line);
    start = end + 1;
  }
  const std::size_t kTail = 24;  // longest stop block: an error report with 10 message lines
  for (std::size_t k = nonBlank.size(); k > 0 && nonBlank.size() - k < kTail; --k)
    if (isStopHeading(nonBlank[k - 1])) return;
  finding("stop without its block at the end of PRINT.txt",
          "where: " + where + "\nreport tail:\n" +
              report.substr(report.size() > 1500 ? report.size() - 1500 : 0));
}

bool& setupCheck() {
  static bool on = false;  // ZELORQS_FUZZ_SETUP=1: also check the set-up state of completed runs
  return on;
}

// Every value of the first n (storage order) of an array is finite.
template <class A>
void requireFinite(const char* name, const A& a, int n) {
  for (int k = 1; k <= n; ++k)
    if (!std::isfinite(a.lin(k)))
      finding("completed run left a NaN/Inf in the set-up state",
              std::string(name) + ", element " + std::to_string(k) + " in storage order");
}

void checkSetupState(const Model& m) {
  const int nre = m.brggeom.nre;
  const auto& g = m.brggeom;
  requireFinite("brggeom::redia", g.redia, nre);
  requireFinite("brggeom::remass", g.remass, nre);
  requireFinite("brggeom::racerad", g.racerad, 4);
  requireFinite("brggeom::recorcen", g.recorcen, 4 * nre);
  requireFinite("brggeom::flngorigin", g.flngorigin, 8);
  requireFinite("constants::flngcons", m.constants.flngcons, 24);
  requireFinite("constants::ererace", m.constants.ererace, 2);
  requireFinite("vecmats::regc", m.vecmats.regc, 3 * nre);
  requireFinite("vecmats::racegc", m.vecmats.racegc, 12);
  requireFinite("vecmats::inerttore", m.vecmats.inerttore, 9 * nre);
  requireFinite("setupc2::vr", m.setupc2.vr, 16);
}

const std::string& completionText() {
  static const std::string text = [] {
    std::ostringstream os;
    zelorqs::completionnotice(os);
    return os.str();
  }();
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fs::path base = "/tmp";
  if (const char* t = std::getenv("TMPDIR"); t != nullptr && *t != '\0') base = t;
  else if (::access("/dev/shm", W_OK) == 0) base = "/dev/shm";
  // One directory per process, named after its id. libFuzzer ends its processes without the
  // exit handlers (timeouts, findings, the jobs of -fork and -jobs), so the directories of
  // processes that no longer run are removed here.
  const std::string prefix = "zelorqs-fuzz-";
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(base, ec)) {
    const std::string name = e.path().filename().string();
    if (name.compare(0, prefix.size(), prefix) != 0) continue;
    const std::string id = name.substr(prefix.size());
    if (id.empty() || id.find_first_not_of("0123456789") != std::string::npos) continue;
    if (::kill(pid_t(std::stol(id)), 0) == -1 && errno == ESRCH) fs::remove_all(e.path(), ec);
  }
  scratch() = base / (prefix + std::to_string(::getpid()));
  fs::remove_all(scratch(), ec);
  if (!fs::create_directory(scratch(), ec)) {
    std::fprintf(stderr, "zelorqs fuzz: cannot create %s\n", scratch().c_str());
    std::abort();
  }
  if (const char* v = std::getenv("ZELORQS_FUZZ_SETUP"); v != nullptr && std::string(v) == "1")
    setupCheck() = true;
  std::atexit(removeScratch);
  return 0;
}

// Work budget of one input. The sanitised, instrumented build runs the equilibrium some 10 to 20
// times slower than the release program, and a ball bearing with a rheological lubricant asks
// for up to 10^5 traction evaluations: the race-contact and element-traction routines are
// wrapped at link time (see CMakeLists.txt), count their calls and end a run that exceeds the
// budget with this exception, which the driver accepts as "not evaluated further". Everything
// up to that point (input, set-up, the first solver passes) has been exercised.
constexpr long kContactBudget = 3000;
constexpr long kTractionBudget = 1000;
constexpr const char* kOverBudget = "fuzz work budget exceeded";

extern "C" {
void __real__ZN5zelc15zelc1ER5Model(Model& m);
void __wrap__ZN5zelc15zelc1ER5Model(Model& m) {
  if (++m.benchcounts.contacts > kContactBudget) throw std::runtime_error(kOverBudget);
  __real__ZN5zelc15zelc1ER5Model(m);
}
void __real__ZN5zeld15zeld1ER5ModelRN2zq6FArrayIdJLi3EEEES5_RNS3_IdJLi3ELi2EEEES7_(
    Model& m, zq::Vec3& bfor, zq::Vec3& bmom, zq::FArray<double, 3, 2>& rfor,
    zq::FArray<double, 3, 2>& rmom);
void __wrap__ZN5zeld15zeld1ER5ModelRN2zq6FArrayIdJLi3EEEES5_RNS3_IdJLi3ELi2EEEES7_(
    Model& m, zq::Vec3& bfor, zq::Vec3& bmom, zq::FArray<double, 3, 2>& rfor,
    zq::FArray<double, 3, 2>& rmom) {
  if (++m.benchcounts.tractions > kTractionBudget) throw std::runtime_error(kOverBudget);
  __real__ZN5zeld15zeld1ER5ModelRN2zq6FArrayIdJLi3EEEES5_RNS3_IdJLi3ELi2EEEES7_(m, bfor, bmom,
                                                                                 rfor, rmom);
}
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fs::path dir = scratch();
  {
    std::ofstream f(dir / "DATA.txt", std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(data), std::streamsize(size));
  }
  std::error_code ec;
  fs::remove(dir / "PRINT.txt", ec);

  auto m = std::make_unique<Model>();
  m->devices.dir = dir.string();
  std::ostringstream console, err;
  zelorqs::RunEnd end;
  const int status = zelorqs::zelorqs(*m, console, err, &end);

  if (end.fault.find(kOverBudget) != std::string::npos) return 0;
  if (!end.fault.empty()) finding("internal error (exception other than a stop)", end.fault);
  const long nonFinite = m->devices.report.nonFiniteValues();
  switch (status) {
    case zq::kExitCompleted:
      if (console.str() != completionText())
        finding("completion without the exact completion notice", console.str());
      if (!err.str().empty()) finding("completion with console error text", err.str());
      if (nonFinite != 0)
        finding("completed run printed " + std::to_string(nonFinite) + " NaN/Inf values", "");
      if (setupCheck()) checkSetupState(*m);
      break;
    case zq::kExitStopped: {
      if (end.where.empty())
        finding("status 1 without a stop (report not written completely?)", err.str());
      if (!err.str().empty()) finding("stop with console text", err.str());
      if (!console.str().empty()) finding("stop with the completion notice", console.str());
      checkStopReport(slurp(dir / "PRINT.txt"), end.where);
      if (nonFinite != 0 && end.where != "zela1::scalefactors" && end.where != "zela1::checkdata")
        finding("stopped run printed " + std::to_string(nonFinite) +
                    " NaN/Inf values without an input check refusing the input",
                "where: " + end.where);
      break;
    }
    case zq::kExitUnreadable: {
      const std::string& e = err.str();
      const std::string head =
          "\n     ****************\n     Execution terminating in subroutine Zela1\n";
      const std::string tail = "     ****************\n\n";
      if (e.compare(0, head.size(), head) != 0 || e.size() < head.size() + tail.size() ||
          e.compare(e.size() - tail.size(), tail.size(), tail) != 0)
        finding("unreadable input without its console message", e);
      if (!console.str().empty()) finding("unreadable input with the completion notice", "");
      if (nonFinite != 0) finding("unreadable input after NaN/Inf in the report", "");
      break;
    }
    default:
      finding("undefined exit status " + std::to_string(status), err.str());
  }
  return 0;
}
