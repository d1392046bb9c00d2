// Complete elliptic integrals of the first (ck = K) and second (ce = E) kind of modulus k by the
// arithmetic-geometric mean. ierr = 1 when 1 - k^2 <= 0 (no finite K), 2 when the mean does
// not converge in 100 steps; then ck = 0, ce = 1.
#pragma once

struct Model;

namespace zelg7 {
void zelg7(const Model& m, double k, double& ck, double& ce, int& ierr);
}  // namespace zelg7
