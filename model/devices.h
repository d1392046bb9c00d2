// Module `devices`: the input and report file names with their unit numbers, and the open
// report itself. `dir` is the run directory (empty: the current directory); tests and the fuzz
// driver point it at a scratch folder so one process can run many inputs.
#pragma once

#include <memory>
#include <string>

#include "model/ftext.h"
#include "report/format.h"
#include "run/listread.h"

struct Devices {
  int input = 2;
  int output = 3;
  zq::FText<10> inname{"DATA.txt"};
  zq::FText<10> outname{"PRINT.txt"};
  std::string dir;
  zq::Report report;  // unit `output`: PRINT.txt
  std::unique_ptr<zq::ListReader> in;  // unit `input`: DATA.txt while its records are read
};
