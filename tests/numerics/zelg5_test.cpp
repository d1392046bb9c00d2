// Table interpolation: interval choice, exact node values, linear extrapolation at both ends.
#include <gtest/gtest.h>

#include <stdexcept>

#include "numerics/zelg5.h"

namespace {
// Nodes (0, 0), (1, 2), (3, 3), (6, 9): slopes 2, 0.5, 2 on the three intervals.
const double kX[4] = {0.0, 1.0, 3.0, 6.0};
const double kY[4] = {0.0, 2.0, 3.0, 9.0};
}  // namespace

TEST(TableInterpolation, IntervalsAndValues) {
  struct Case {
    double x;
    int i1, i2;
    double y;  // worked out from the node values and slopes above
  };
  const Case cases[] = {
      {-1.0, 1, 2, -2.0},  // below: first interval extended, 0 + 2 * (-1)
      {0.0, 1, 2, 0.0},    // first node: x <= xtab(1)
      {0.5, 1, 2, 1.0},
      {1.0, 1, 2, 2.0},    // node 2 is the end of the first interval
      {2.0, 2, 3, 2.5},    // 2 + 0.5 * 1
      {3.0, 2, 3, 3.0},
      {4.5, 3, 4, 6.0},    // 3 + 2 * 1.5
      {6.0, 3, 4, 9.0},
      {8.0, 3, 4, 13.0},   // above: last interval extended, 3 + 2 * 5
  };
  for (const Case& c : cases) {
    int i1 = 0, i2 = 0;
    const double y = zelg5::zelg5(c.x, kX, kY, 4, i1, i2);
    EXPECT_EQ(i1, c.i1) << "x = " << c.x;
    EXPECT_EQ(i2, c.i2) << "x = " << c.x;
    EXPECT_DOUBLE_EQ(y, c.y) << "x = " << c.x;
  }
}

TEST(TableInterpolation, TwoPointTableIsAStraightLine) {
  const double x[2] = {2.0, 4.0}, y[2] = {10.0, 4.0};  // y = 16 - 3 x
  for (double v : {-3.0, 2.0, 3.1, 4.0, 11.0}) {
    int i1 = 0, i2 = 0;
    EXPECT_NEAR(zelg5::zelg5(v, x, y, 2, i1, i2), 16.0 - 3.0 * v, 1e-13);
    EXPECT_EQ(i1, 1);
    EXPECT_EQ(i2, 2);
  }
}

TEST(TableInterpolation, RefusesTableOfOnePoint) {
  int i1 = 0, i2 = 0;
  EXPECT_THROW(zelg5::zelg5(1.0, kX, kY, 1, i1, i2), std::invalid_argument);
}
