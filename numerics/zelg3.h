// Root of f in [xlo, xhi] by forward-difference Newton steps with a bisection fallback.
// x: start value in, root out; the bracket is narrowed in place. f reports that it cannot be
// evaluated by setting tmparea::itmp(1) nonzero. ierr = 0 root found; 1 no convergence;
// 2 no sign change in the bracket; other: the failure code of f. On ierr 1 or 2 the
// iteration count is left in errors::iarray(1) with errors::numi = 1; the caller raises its
// own error code with ierr as the supplementary code, copying errors::iarray(1) into the
// integer list of its block (zq::raiseError rewrites the whole record).
#pragma once

#include <functional>

struct Model;

namespace zelg3 {
void zelg3(Model& m, double& x, double& xlo, double& xhi, const std::function<double(double)>& f,
           int& ierr);
}  // namespace zelg3
