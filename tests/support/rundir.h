// Test support: scratch run directories; whole runs in process or as the built executable.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "model/model.h"

namespace zqtest {

// A fresh empty directory under the system temporary directory, removed on destruction.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  void write(const std::string& name, const std::string& text) const;
  std::string read(const std::string& name) const;
  bool exists(const std::string& name) const;

 private:
  std::filesystem::path path_;
};

struct ProgramRun {
  int status = -1;
  std::string out;  // standard output
  std::string err;  // standard error
};

// Runs the built zelorqs executable in `dir`.
ProgramRun runProgram(const ScratchDir& dir);

// Runs the whole program in process on a fresh Model whose run directory is `dir`.
struct InProcessRun {
  int status = -1;
  std::string out;
  std::string err;
  std::unique_ptr<Model> model;
};
InProcessRun runInProcess(const ScratchDir& dir);

// The path of a file shipped with the sources (e.g. "examples/ball-si.txt").
std::string sourceFile(const std::string& relative);

// The contents of a file shipped with the sources; empty when it does not exist.
std::string readSource(const std::string& relative);

// Lines of a text, without their line ends.
std::vector<std::string> lines(const std::string& text);

// The console message of unreadable input (exit status 2) as the reader lays it out.
std::string inputErrorMessage(const std::string& where, const std::string& record,
                              const std::string& item, const std::string& found,
                              const std::string& expected);

// Console message: DATA.txt not opened (`input`) or PRINT.txt not created.
std::string openErrorMessage(bool input);

}  // namespace zqtest
