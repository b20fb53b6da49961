// Facts about the bundled default network that the rest of the program relies on.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "analyses/single_deletion.h"
#include "display/draw_map.h"
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

TEST_F(DefaultNetworkTest, DeletionListFindsEveryKindOfGene) {
  test::copy_data_file("deletion.txt");
  single_deletion(wb);
  const DeletionSummary& d = wb.last_deletion;
  EXPECT_GE(d.considered, 30);
  EXPECT_GT(d.lethal, 0);
  EXPECT_GT(d.retarding, 0);
  EXPECT_GT(d.redundant, 0);
  const std::string report = test::read_file("SingleDeletion.out");
  for (const char* isozyme : {"\nTKTA,", "\nTKTB,", "\nPFKA,", "\nPFKB,"}) {
    EXPECT_NE(report.find(isozyme), std::string::npos) << isozyme;
  }
}

TEST_F(DefaultNetworkTest, SecondNetworkGrowsDifferently) {
  test::copy_data_file("Path2.stm");
  read_optimize(wb);
  const float first = wb.model.objective_value;
  wb.model.use_second_file = 1;
  read_optimize(wb);
  EXPECT_EQ(wb.model.second_file_read, 1);
  EXPECT_EQ(wb.model.last_istat, kIstatOptimal);
  EXPECT_GT(wb.model.objective_value, 0.1f);
  EXPECT_NE(wb.model.objective_value, first);
}

bool is_internal(const std::string& name) {
  const auto ends_with = [&](const std::string& suffix) {
    return name.size() >= suffix.size() &&
           name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0;
  };
  return !ends_with("xtI") && !ends_with("xtO") && !ends_with("MAX") && name != "Growth";
}

TEST_F(DefaultNetworkTest, MapNamesExistingReactionsAndCoversTheNetwork) {
  test::copy_data_file("mapper.txt");
  read_optimize(wb);
  ASSERT_TRUE(draw_map(wb));
  ASSERT_TRUE(recorder.messages.empty());
  const NetworkModel& m = wb.model;
  std::set<std::string> on_map;
  bool objective = false;
  for (int k = 1; k <= wb.map.num_of_map_arrows; ++k) {
    const MapArrow& a = wb.map.arrows[k];
    objective = objective || a.name == "Object";
    if (a.name == "Object") continue;
    EXPECT_NE(m.find_reaction(a.name), 0) << a.name;
    EXPECT_NE(a.flux, kNotFoundMarker) << a.name;
    EXPECT_LT(std::max({a.tail_x, a.head_x, a.value_x, a.name_x}), 2100) << a.name;
    on_map.insert(a.name);
  }
  EXPECT_TRUE(objective);
  for (int k = 1; k <= wb.map.num_of_map_labels; ++k) {
    EXPECT_NE(m.find_row(wb.map.labels[k].name), 0) << wb.map.labels[k].name;
  }
  int internal = 0, covered = 0;
  for (int j = 1; j <= m.num_of_reactions; ++j) {
    if (!is_internal(m.reaction_names[j])) continue;
    ++internal;
    covered += static_cast<int>(on_map.count(m.reaction_names[j]));
  }
  EXPECT_GE(covered * 100, internal * 80) << covered << " of " << internal;
}

}  // namespace
}  // namespace vemo
