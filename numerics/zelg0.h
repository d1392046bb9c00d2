// Linear solve of n equations in which the unknowns with kfix(i) /= 0 are held at zero.
// a is n x n, column-major with leading dimension n; x holds the right-hand side on entry and
// the solution on exit (held unknowns exactly 0). ierr = 1: singular (an exactly zero pivot or
// determinant); x is then not a solution. a and kfix are not changed. The working storage
// holds up to 64 unknowns; a larger n is a programming fault (std::invalid_argument).
#pragma once

namespace zelg0 {
void zelg0(int n, const int* kfix, const double* a, double* x, int& ierr);
}  // namespace zelg0
