// Error text of a failed index check of the 1-based arrays.
#include "model/farray.h"

namespace zq::detail {

void throwBounds(const std::string& shape, int dim, int index, int extent, const char* file,
                 unsigned line) {
  std::string msg = "array index out of range: array of shape " + shape;
  if (dim > 0) msg += ", dimension " + std::to_string(dim);
  msg += ", index " + std::to_string(index) + " outside 1.." + std::to_string(extent);
  if (file != nullptr && line > 0) msg += " at " + std::string(file) + ":" + std::to_string(line);
  throw BoundsError(msg);
}

}  // namespace zq::detail
