#include "support/rundir.h"

#include <sys/wait.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "run/zelorqs.h"

namespace zqtest {

namespace fs = std::filesystem;

ScratchDir::ScratchDir() {
  static std::atomic<unsigned> counter{0};
  std::random_device rd;
  for (int attempt = 0; attempt < 100; ++attempt) {
    fs::path p = fs::temp_directory_path() /
                 ("zelorqs-test-" + std::to_string(rd()) + "-" + std::to_string(counter++));
    std::error_code ec;
    if (fs::create_directory(p, ec)) {
      path_ = p;
      return;
    }
  }
  throw std::runtime_error("cannot create a scratch directory");
}

ScratchDir::~ScratchDir() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

void ScratchDir::write(const std::string& name, const std::string& text) const {
  std::ofstream f(path_ / name, std::ios::binary);
  f << text;
}

std::string ScratchDir::read(const std::string& name) const {
  std::ifstream f(path_ / name, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

bool ScratchDir::exists(const std::string& name) const { return fs::exists(path_ / name); }

static std::string slurp(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

ProgramRun runProgram(const ScratchDir& dir) {
  const fs::path out = dir.path() / ".stdout";
  const fs::path err = dir.path() / ".stderr";
  const std::string cmd = "cd '" + dir.path().string() + "' && '" + std::string(ZELORQS_EXE) +
                          "' >'" + out.string() + "' 2>'" + err.string() + "'";
  const int rc = std::system(cmd.c_str());
  ProgramRun r;
  r.status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
  r.out = slurp(out);
  r.err = slurp(err);
  fs::remove(out);
  fs::remove(err);
  return r;
}

InProcessRun runInProcess(const ScratchDir& dir) {
  InProcessRun r;
  r.model = std::make_unique<Model>();
  r.model->devices.dir = dir.path().string();
  std::ostringstream out, err;
  r.status = zelorqs::zelorqs(*r.model, out, err);
  r.out = out.str();
  r.err = err.str();
  return r;
}

std::string sourceFile(const std::string& relative) {
  return std::string(ZELORQS_SOURCE_DIR) + "/" + relative;
}

std::string readSource(const std::string& relative) { return slurp(sourceFile(relative)); }

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> v;
  std::string cur;
  for (char c : text) {
    if (c == '\n') {
      v.push_back(cur);
      cur.clear();
    } else {
      cur += c;
    }
  }
  if (!cur.empty()) v.push_back(cur);
  return v;
}

std::string inputErrorMessage(const std::string& where, const std::string& record,
                              const std::string& item, const std::string& found,
                              const std::string& expected) {
  return "\n     ****************\n"
         "     Execution terminating in subroutine Zela1\n"
         "     " + where + "\n"
         "     Record:   " + record + "\n"
         "     Item:     " + item + "\n"
         "     Found:    " + found + "\n"
         "     Expected: " + expected + "\n"
         "     ****************\n\n";
}

std::string openErrorMessage(bool input) {
  return std::string("\n     ****************\n"
                     "     Execution terminating in subroutine Zela1\n") +
         (input ? "     File open error for file DATA.txt  \n"
                  "     The input data file, DATA.txt   must exist in the \n"
                  "     in the current run directory.\n"
                : "     File open error for file PRINT.txt \n"
                  "     The output data file, PRINT.txt  cannot be created.\n"
                  "     Please check write permission in the current run directory.\n") +
         "     ****************\n\n";
}

}  // namespace zqtest
