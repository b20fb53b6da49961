// Facts about the bundled default network that the rest of the program relies on.
#include <gtest/gtest.h>

#include "lp/lp_solver.h"
#include "lp/optimize.h"
#include "model/objective_choice.h"
#include "model/reactions_reader.h"
#include "support/test_support.h"

namespace vemo {
namespace {

class DefaultNetworkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::copy_data_file("path.stm");
    recorder.attach(wb);
  }
  test::ScratchFolder folder;
  Workbench wb;
  test::FrontEndRecorder recorder;
};

TEST_F(DefaultNetworkTest, GrowsAtThePublishedAerobicOptimum) {
  read_optimize(wb);
  ASSERT_TRUE(recorder.messages.empty());
  EXPECT_EQ(wb.model.last_istat, kIstatOptimal);
  EXPECT_NEAR(wb.model.objective_value, 0.8739, 5e-4);
  const std::string notes = test::read_file("notes.out");
  EXPECT_EQ(notes.find("too long"), std::string::npos);
  EXPECT_EQ(notes.find("multiple enzymes"), std::string::npos);
}

TEST_F(DefaultNetworkTest, GrowsAnaerobicallyByFermentation) {
  read_data(wb);
  const int oxygen = wb.model.find_reaction("O2xtI");
  ASSERT_NE(oxygen, 0);
  wb.model.upper_bound[oxygen] = 0.0f;
  optimize(wb);
  EXPECT_NEAR(wb.model.objective_value, 0.2117, 5e-4);
  EXPECT_GT(wb.model.flux[wb.model.find_reaction("ACxtO")], 1.0f);
  EXPECT_GT(wb.model.flux[wb.model.find_reaction("ETHxtO")], 1.0f);
}

TEST_F(DefaultNetworkTest, EveryObjectiveChoiceHasAPositiveOptimum) {
  for (int choice = 0; choice < static_cast<int>(kObjectiveOptions.size()); ++choice) {
    wb.model.objective_choice = choice;
    read_optimize(wb);
    EXPECT_EQ(wb.model.objective_choice, choice) << "fell back to the file's objective";
    EXPECT_EQ(wb.model.last_istat, kIstatOptimal) << "choice " << choice;
    EXPECT_GT(wb.model.objective_value, 0.1f) << "choice " << choice;
  }
}

}  // namespace
}  // namespace vemo
