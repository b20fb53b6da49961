#include "lp/optimize.h"

#include <gtest/gtest.h>

#include "lp/build_lp.h"
#include "lp/lp_solver.h"
#include "model/reactions_reader.h"
#include "support/test_support.h"

namespace vemo {
namespace {

class OptimizeTest : public ::testing::Test {
 protected:
  void read_optimize_text(const std::string& text) {
    test::write_file("path.stm", text);
    read_optimize(wb);
  }
  test::ScratchFolder folder;
  Workbench wb;
};

TEST_F(OptimizeTest, ToyNetworkCarriesTheUptakeThroughTheChain) {
  read_optimize_text(test::kToyNetwork);
  EXPECT_EQ(wb.model.last_istat, kIstatOptimal);
  EXPECT_FLOAT_EQ(wb.model.objective_value, 10.0f);
  for (int j = 1; j <= 4; ++j) EXPECT_FLOAT_EQ(wb.model.flux[j], 10.0f);
  EXPECT_FLOAT_EQ(wb.model.shadow_price[1], 1.0f);
}

TEST_F(OptimizeTest, AReversibleReactionWithoutBoundsRunsBackwards) {
  // BR is reversible and has no bounds record: a free column. B can leave the cell only by BR
  // running backwards into A.
  read_optimize_text(
      "1 A 0 INxtI  1 B 0 BINxtI  -1 A 1 B 0 BR  -1 A 0 OUT 0 end  end E 0 "
      "max 1 OUT 0 end  0 INxtI 5  0 BINxtI 2  0 end 0");
  EXPECT_EQ(wb.model.last_istat, kIstatOptimal);
  EXPECT_FLOAT_EQ(wb.model.objective_value, 7.0f);
  EXPECT_FLOAT_EQ(wb.model.flux[wb.model.find_reaction("BR")], -2.0f);
}

TEST_F(OptimizeTest, ColumnWithoutBoundFlagsIsFreeWhateverStaleValuesHold) {
  test::write_file("path.stm", test::kToyNetwork);
  read_data(wb);
  const int pgi = wb.model.find_reaction("PGIR");
  wb.model.lower_bound[pgi] = 50.0f;  // never used: no flag is set
  wb.model.upper_bound[pgi] = 60.0f;
  optimize(wb);
  EXPECT_FLOAT_EQ(wb.model.flux[pgi], 10.0f);
}

TEST_F(OptimizeTest, InfeasibleNetworkStoresWhatTheLibraryLeaves) {
  read_optimize_text(
      "1 A 0 INxtI  -1 A 0 OUT 0 end  end E 0 max 1 OUT 0 end  0 INxtI 5  6 OUT 10  0 end 0");
  EXPECT_EQ(wb.model.last_istat, kIstatInfeasible);
}

TEST_F(OptimizeTest, BeforeAnyReadTheEmptyProblemIsAnswered) {
  optimize(wb);
  EXPECT_EQ(wb.model.objective_value, 0.0f);
  EXPECT_EQ(wb.model.last_istat, kIstatOptimal);
}

TEST_F(OptimizeTest, RangingFlagAsksTheLibraryForItsReport) {
  test::write_file("path.stm", test::kToyNetwork);
  read_data(wb);
  optimize(wb);
  EXPECT_EQ(test::read_file("info.OUT").find("SENSITIVITY"), std::string::npos);
  wb.model.do_ranging = 1;
  optimize(wb);
  EXPECT_NE(test::read_file("info.OUT").find("SENSITIVITY"), std::string::npos);
}

TEST_F(OptimizeTest, AbandonedReadStopsOptimize) {
  wb.model.file_abort = 1;
  wb.model.objective_value = 42.0f;
  optimize(wb);
  EXPECT_EQ(wb.model.objective_value, 42.0f);
  EXPECT_FALSE(std::filesystem::exists("info.OUT"));
}

// Every warm re-solve after a bound change must give the optimum of a problem built afresh.
TEST_F(OptimizeTest, WarmReSolvesAgreeWithFreshBuildsOnTheDefaultNetwork) {
  test::copy_data_file("path.stm");
  read_data(wb);
  ASSERT_EQ(wb.model.file_abort, 0);
  NetworkModel& m = wb.model;
  LpSolver warm;
  build_lp(m, warm, -1);
  ASSERT_EQ(warm.lp_solve(), kIstatOptimal);
  const int glucose = m.find_reaction("GLCxtI"), oxygen = m.find_reaction("O2xtI");
  ASSERT_NE(glucose, 0);
  ASSERT_NE(oxygen, 0);
  for (float o2 : {0.0f, 2.5f, 5.0f, 12.0f, 30.0f, 1000.0f}) {
    for (float glc : {1.0f, 4.0f, 10.0f}) {
      warm.lp_set_upper(glucose, glc);
      warm.lp_set_upper(oxygen, o2);
      const int istat = warm.lp_solve();
      float warm_value, dual;
      warm.lp_get_row(1, warm_value, dual);

      m.upper_bound[glucose] = glc;
      m.upper_bound[oxygen] = o2;
      LpSolver fresh;
      build_lp(m, fresh, -1);
      ASSERT_EQ(fresh.lp_solve(), istat);
      if (istat != kIstatOptimal) continue;  // too little glucose for the maintenance demand
      float fresh_value;
      fresh.lp_get_row(1, fresh_value, dual);
      EXPECT_NEAR(warm_value, fresh_value, 1e-4) << "glc " << glc << " o2 " << o2;
    }
  }
}

}  // namespace
}  // namespace vemo
