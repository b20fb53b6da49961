#include "lp/lp_solver.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/test_support.h"

namespace vemo {
namespace {

// max 3x + 2y  s.t.  x + y <= 4,  x + 3y <= 9,  0 <= x <= 3,  y >= 0.
// Optimum x = 3, y = 1, objective 11; row 2 is binding with dual 2, row 3 slack.
void build_small_lp(LpSolver& lp, int ranging = 0) {
  lp.lp_init();
  lp.lp_new();
  lp.lp_open_log(60, "info.OUT");
  lp.lp_set_log_unit(60);
  lp.lp_set_ranging(ranging);
  lp.lp_add_row(-1, 0.0f);
  lp.lp_add_row(1, 4.0f);
  lp.lp_add_row(1, 9.0f);
  const std::vector<float> x_values{3, 1, 1}, y_values{2, 1, 3};
  const std::vector<int> rows{1, 2, 3};
  lp.lp_add_column("x       ", x_values, rows);
  lp.lp_add_column("y       ", y_values, rows);
  lp.lp_set_upper(1, 3.0f);
}

class LpSolverTest : public ::testing::Test {
 protected:
  test::ScratchFolder folder;
  LpSolver lp;
};

TEST_F(LpSolverTest, ReportsValuesDualsReducedCostsAndRanges) {
  build_small_lp(lp);
  ASSERT_EQ(lp.lp_solve(), kIstatOptimal);
  float value, dual;
  lp.lp_get_row(1, value, dual);
  EXPECT_FLOAT_EQ(value, 11.0f);
  EXPECT_FLOAT_EQ(dual, 1.0f);
  lp.lp_get_row(2, value, dual);
  EXPECT_FLOAT_EQ(value, 4.0f);
  EXPECT_FLOAT_EQ(dual, 2.0f);
  lp.lp_get_row(3, value, dual);
  EXPECT_FLOAT_EQ(value, 6.0f);
  EXPECT_FLOAT_EQ(dual, 0.0f);
  float flux, reduced;
  lp.lp_get_column(1, flux, reduced);
  EXPECT_FLOAT_EQ(flux, 3.0f);
  EXPECT_FLOAT_EQ(reduced, 1.0f);  // d(objective)/dx at its upper bound
  lp.lp_get_column(2, flux, reduced);
  EXPECT_FLOAT_EQ(flux, 1.0f);
  EXPECT_FLOAT_EQ(reduced, 0.0f);

  float decrease, increase;
  lp.lp_get_row_range(2, decrease, increase);  // y = rhs - 3 must stay in [0, 2]
  EXPECT_FLOAT_EQ(decrease, -1.0f);
  EXPECT_FLOAT_EQ(increase, 1.0f);
  lp.lp_get_row_range(3, decrease, increase);  // slack row: down to its activity 6, up freely
  EXPECT_FLOAT_EQ(decrease, -3.0f);
  EXPECT_FLOAT_EQ(increase, kUnlimitedRange);
}

TEST_F(LpSolverTest, ReSolvesWarmAfterBoundAndCoefficientChanges) {
  build_small_lp(lp);
  ASSERT_EQ(lp.lp_solve(), kIstatOptimal);
  float value, dual;
  lp.lp_set_upper(1, 1.0f);  // x = 1, y = 8/3 (row 3 binds now)
  ASSERT_EQ(lp.lp_solve(), kIstatOptimal);
  lp.lp_get_row(1, value, dual);
  EXPECT_FLOAT_EQ(value, 25.0f / 3.0f);
  lp.lp_set_upper(1, 3.0f);
  lp.lp_set_coefficient(2, 2, 2.0f);  // x + 2y <= 4: x = 3, y = 0.5
  ASSERT_EQ(lp.lp_solve(), kIstatOptimal);
  lp.lp_get_row(1, value, dual);
  EXPECT_FLOAT_EQ(value, 10.0f);
  lp.lp_set_coefficient(1, 2, 0.0f);  // y leaves the objective
  ASSERT_EQ(lp.lp_solve(), kIstatOptimal);
  lp.lp_get_row(1, value, dual);
  EXPECT_FLOAT_EQ(value, 9.0f);
  EXPECT_EQ(lp.num_solves(), 4);
}

TEST_F(LpSolverTest, StatusOfEachOutcome) {
  build_small_lp(lp);
  lp.lp_set_lower(1, 5.0f);  // above its upper bound 3
  EXPECT_EQ(lp.lp_solve(), kIstatInfeasible);
  lp.lp_set_lower(1, 0.0f);
  lp.lp_set_lower(2, 3.0f);  // x + 3y <= 9 with y >= 3 leaves x = 0 only: feasible
  EXPECT_EQ(lp.lp_solve(), kIstatOptimal);
  lp.lp_set_lower(2, 3.5f);
  EXPECT_EQ(lp.lp_solve(), kIstatInfeasible);
  lp.lp_free_column(2);
  lp.lp_set_coefficient(2, 2, 0.0f);
  lp.lp_set_coefficient(3, 2, 0.0f);  // y free in no row with objective 2: unbounded
  EXPECT_EQ(lp.lp_solve(), kIstatUnbounded);
}

TEST_F(LpSolverTest, EmptyProblemIsAnswered) {
  lp.lp_init();
  lp.lp_new();
  EXPECT_EQ(lp.lp_solve(), kIstatOptimal);
  float value = -1, dual = -1;
  lp.lp_get_row(1, value, dual);  // no row was added: an answer of zeros
  EXPECT_EQ(value, 0.0f);
  EXPECT_EQ(dual, 0.0f);
  lp.lp_release();
  EXPECT_EQ(lp.lp_solve(), kIstatFailed);  // no problem at all
}

TEST_F(LpSolverTest, NumbersThatDoNotExistAreIgnored) {
  build_small_lp(lp);
  for (int bad : {0, -1, 3, 1000}) {
    lp.lp_set_lower(bad, 1.0f);
    lp.lp_set_upper(bad, 1.0f);
    lp.lp_free_column(bad);
    lp.lp_set_coefficient(2, bad, 1.0f);
    float a = -1, b = -1;
    lp.lp_get_column(bad, a, b);
    EXPECT_EQ(a, 0.0f);
    EXPECT_EQ(b, 0.0f);
  }
  for (int bad : {0, -7, 4}) {
    lp.lp_set_coefficient(bad, 1, 1.0f);
    float a = -1, b = -1, c = -1;
    lp.lp_get_row(bad, a, b);
    lp.lp_get_row_range(bad, b, c);
    EXPECT_EQ(a, 0.0f);
    EXPECT_EQ(c, 0.0f);
  }
  const std::vector<float> values{1, 1};
  const std::vector<int> rows{2, 99};  // row 99 does not exist: that entry is dropped
  lp.lp_add_column("z       ", values, rows);
  ASSERT_EQ(lp.lp_solve(), kIstatOptimal);
  float value, dual;
  lp.lp_get_row(1, value, dual);
  EXPECT_FLOAT_EQ(value, 11.0f);
  lp.lp_release();
  EXPECT_NE(test::read_file("info.OUT").find("lp_set_lower: there is no column 0"),
            std::string::npos);
}

TEST_F(LpSolverTest, LogsEverySolveAndTheRangingReport) {
  build_small_lp(lp, 1);
  lp.lp_solve();
  lp.lp_solve();
  lp.lp_release();
  const std::string log = test::read_file("info.OUT");
  EXPECT_NE(log.find("problem: 3 rows, 2 columns\n"), std::string::npos);
  EXPECT_NE(log.find("solve 2: optimal (istat = 4), objective 11\n"), std::string::npos);
  EXPECT_NE(log.find("SENSITIVITY ANALYSIS"), std::string::npos);
}

}  // namespace
}  // namespace vemo
