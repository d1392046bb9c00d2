// The one way a run ends early. A check that finds invalid data writes its block into the
// report and throws StopRun; the main program catches it, flushes and closes PRINT.txt and
// returns the exit status. Nothing below the main program calls exit().
//   status 1: stopped by an input check, a model limit or a fatal error (block in PRINT.txt);
//   status 2: DATA.txt cannot be opened or read, or PRINT.txt cannot be created (message on
//             the console, held in `console`).
#pragma once

#include <stdexcept>
#include <string>

namespace zq {

enum ExitStatus : int { kExitCompleted = 0, kExitStopped = 1, kExitUnreadable = 2 };

class StopRun : public std::runtime_error {
 public:
  StopRun(int status, std::string where, std::string console = {})
      : std::runtime_error(where), status_(status), where_(std::move(where)),
        console_(std::move(console)) {}
  int status() const { return status_; }
  // The routine that stopped the run (for tests and diagnostics; the report holds the block).
  const std::string& where() const { return where_; }
  // Text for the console (standard error), empty when the report carries the message.
  const std::string& console() const { return console_; }

 private:
  int status_;
  std::string where_;
  std::string console_;
};

// A check stopped the run after writing its block into the report.
[[noreturn]] inline void stopRun(const std::string& where) { throw StopRun(kExitStopped, where); }

// The input could not be read (or the report not created): the message goes to the console.
[[noreturn]] inline void stopUnreadable(const std::string& where, const std::string& console) {
  throw StopRun(kExitUnreadable, where, console);
}

}  // namespace zq
