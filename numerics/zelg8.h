// Repeatable standard-normal scatter values for rolling-element sizes: the 1 % to 99 % quantiles
// of the standard normal distribution handed out in a fixed order from a start index.
// istart = 0 builds the tables (and constants::gpop) and sets istart = 1 without writing z;
// istart >= 1 writes z[0..n-1] (z(1..n)) from that start index.
#pragma once

struct Model;

namespace zelg8 {
void zelg8(Model& m, int& istart, int n, double* z);
}  // namespace zelg8
