#include "model/stoich_matrix.h"

#include <gtest/gtest.h>

namespace vemo {
namespace {

TEST(StoichMatrixTest, KeepsColumnsSortedAndDropsZeros) {
  StoichMatrix m;
  m.set(5, 2, 1.5f);
  m.set(1, 2, -1.0f);
  m.set(3, 2, 2.0f);
  m.set(3, 2, 4.0f);  // replaces
  m.set(5, 2, 0.0f);  // removes
  m.set(7, 9, 0.0f);  // nothing stored, no column made
  ASSERT_EQ(m.column(2).size(), 2u);
  EXPECT_EQ(m.column(2)[0].row, 1);
  EXPECT_EQ(m.column(2)[1].row, 3);
  EXPECT_EQ(m.at(3, 2), 4.0f);
  EXPECT_EQ(m.at(5, 2), 0.0f);
  EXPECT_EQ(m.at(1, 100000), 0.0f);
  EXPECT_TRUE(m.column(-1).empty());
  m.clear();
  EXPECT_EQ(m.at(3, 2), 0.0f);
}

}  // namespace
}  // namespace vemo
