// Entry of the program: sets the floating-point mode and runs one analysis in the current
// directory (DATA.txt in, PRINT.txt out). Exit status: 0 after the completion notice, 1 when a
// check or a fatal error stopped the run, 2 when DATA.txt or PRINT.txt cannot be used.
#include <iostream>
#include <memory>

#include "model/model.h"
#include "run/zelorqs.h"

int main() {
  auto m = std::make_unique<Model>();
  return zelorqs::zelorqs(*m, std::cout, std::cerr);
}
