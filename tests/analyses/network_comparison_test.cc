#include "analyses/network_comparison.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace vemo {
namespace {

TEST(CompareFluxesTest, ValueAndClassOfEachCase) {
  struct Case {
    float a, b;
    float value, comparison_class;
  };
  const ComparisonSettings defaults;  // thresholds 1.5 and 1.5
  const Case cases[] = {
      {2.0f, 1.0f, 2.0f, 0.5f},  // decreased: 2 > 1.5
      {1.0f, 2.0f, 0.5f, 1.5f},  // increased: 0.5 < 1 / 1.5
      {1.0f, 1.2f, 1.0f / 1.2f, 1.0f},
      {-3.0f, -2.0f, -1.5f, 1.0f},  // 1.5 is not above the threshold
      {-4.0f, -2.0f, -2.0f, 0.5f},  // same sign below zero; the value keeps a's sign
      {1.0f, -1.0f, 1.0f, 2.0f},
      {-2.0f, 4.0f, -0.5f, 2.0f},
      {0.0f, 3.0f, 3.0f, 3.0f},
      {3.0f, 0.0f, 3.0f, 4.0f},
      {0.0f, 0.0f, 0.0f, 5.0f},
      // The solver's round-off is no flux: it neither appears, vanishes nor reverses.
      {-2e-13f, 0.0f, -2e-13f, 5.0f},
      {1.6e-13f, -1.3e-15f, 1.6e-13f, 5.0f},
      {1e-09f, 2.0f, 2.0f, 3.0f},
      {2.0f, 5e-08f, 2.0f, 4.0f},
  };
  for (const Case& c : cases) {
    const ComparisonOutcome out = compare_fluxes(c.a, c.b, defaults);
    EXPECT_FLOAT_EQ(out.value, c.value) << c.a << " vs " << c.b;
    EXPECT_EQ(out.comparison_class, c.comparison_class) << c.a << " vs " << c.b;
  }
}

TEST(CompareFluxesTest, ThresholdsAreTheOptions) {
  ComparisonSettings wide;
  wide.increased_threshold = 3.0f;
  wide.decreased_threshold = 3.0f;
  EXPECT_EQ(compare_fluxes(2.0f, 1.0f, wide).comparison_class, 1.0f);
  EXPECT_EQ(compare_fluxes(4.0f, 1.0f, wide).comparison_class, 0.5f);
  EXPECT_EQ(compare_fluxes(1.0f, 2.0f, wide).comparison_class, 1.0f);
  EXPECT_EQ(compare_fluxes(1.0f, 4.0f, wide).comparison_class, 1.5f);
  // Overlapping thresholds: the increased test is made last and wins.
  ComparisonSettings overlapping;
  overlapping.increased_threshold = 0.5f;
  overlapping.decreased_threshold = 0.5f;
  EXPECT_EQ(compare_fluxes(1.0f, 1.0f, overlapping).comparison_class, 1.5f);
  ComparisonSettings zero;
  zero.increased_threshold = 0.0f;
  EXPECT_EQ(compare_fluxes(5.0f, 1.0f, zero).comparison_class, 1.5f);
}

// Growth is 2 in the first network and 4 in the second; every other reaction has its flux fixed
// by its bounds and touches no metabolite. ONLY1 and EXTRA1 are missing from the second network,
// ONLY2 from the first; LATE is the last reaction of the first network.
const char* const kFirstNetwork =
    "1 S 0 SxtI  -1 S 0 Growth  0 UP 0 DOWN 0 FLIPR 0 NEW 0 GONE 0 ZERO 0 ONLY1 0 EXTRA1 "
    "0 LATE 0 end  end E 0  max 1 Growth 0 end "
    "0 SxtI 2  1 UP 1  2 DOWN 2  1 FLIPR 1  0 NEW 0  3 GONE 3  0 ZERO 0  5 ONLY1 5  "
    "1 EXTRA1 1  4 LATE 4  0 end 0";
const char* const kSecondNetwork =
    "1 S 0 SxtI  -1 S 0 Growth  0 LATE 0 UP 0 DOWN 0 FLIPR 0 NEW 0 GONE 0 ZERO 0 ONLY2 "
    "0 end  end E 0  max 1 Growth 0 end "
    "0 SxtI 4  4 LATE 4  2 UP 2  1 DOWN 1  -1 FLIPR -1  3 NEW 3  0 GONE 0  0 ZERO 0  "
    "7 ONLY2 7  0 end 0";

class NetworkComparisonTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::write_file("path.stm", kFirstNetwork);
    test::write_file("Path2.stm", kSecondNetwork);
    recorder.attach(wb);
  }
  test::ScratchFolder folder;
  Workbench wb;
  test::FrontEndRecorder recorder;
};

TEST_F(NetworkComparisonTest, EachReactionOfTheFirstNetworkGetsItsValueAndClass) {
  struct Row {
    const char* name;  // as left in reaction_names
    float plain_value, plain_class;
    float relative_value, relative_class;
  };
  // Relative to growth the first network's fluxes are halved, the second's quartered, except
  // Growth's own.
  const Row rows[] = {
      {"SxtI", 0.5f, 1.5f, 1.0f, 1.0f},  {"Growth", 0.5f, 1.5f, 0.5f, 1.5f},
      {"UP", 0.5f, 1.5f, 1.0f, 1.0f},    {"DOWN", 2.0f, 0.5f, 4.0f, 0.5f},
      {"FLIPR", 1.0f, 2.0f, 2.0f, 2.0f}, {"NEW", 3.0f, 3.0f, 0.75f, 3.0f},
      {"GONE", 3.0f, 4.0f, 1.5f, 4.0f},  {"ZERO", 0.0f, 5.0f, 0.0f, 5.0f},
      {"", 0.0f, 0.0f, 0.0f, 0.0f},      {"", 0.0f, 0.0f, 0.0f, 0.0f},
      {"LATE", 1.0f, 1.0f, 2.0f, 0.5f},
  };
  for (int relative : {0, 1}) {
    SCOPED_TRACE(relative);
    wb.tools.comparison.relative_to_growth = relative;
    wb.model.flux[12] = 99.0f;  // left from an earlier command
    do_comparison(wb);
    const NetworkModel& m = wb.model;
    for (int i = 1; i <= 11; ++i) {
      const Row& r = rows[i - 1];
      EXPECT_EQ(m.reaction_names[i], r.name) << i;
      EXPECT_FLOAT_EQ(m.flux[i], relative ? r.relative_value : r.plain_value) << i;
      EXPECT_EQ(m.reduced_cost[i], relative ? r.relative_class : r.plain_class) << i;
    }
    EXPECT_EQ(m.flux[12], 0.0f);
    // The second network's rows and matrix stay, but every compared reaction is within reach.
    EXPECT_EQ(m.num_of_reactions, 11);
    EXPECT_EQ(m.num_of_rows, 2);
    EXPECT_EQ(m.stoich_matrix.at(2, 1), 1.0f);
    EXPECT_EQ(m.second_file_read, 1);
    EXPECT_EQ(m.use_second_file, 0);
    const ComparisonSummary& s = wb.tools.last_comparison;
    EXPECT_EQ(s.first_reactions, 11);
    EXPECT_EQ(s.second_reactions, 10);
    EXPECT_FALSE(s.unscaled);
    EXPECT_EQ(s.class_counts[kClassMissing], 2);
    EXPECT_EQ(s.class_counts[kClassBothZero], 1);
  }
  EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(NetworkComparisonTest, AZeroOptimumComparesPlainFluxes) {
  std::string first = kFirstNetwork;
  first.replace(first.find("0 SxtI 2"), 8, "0 SxtI 0");
  test::write_file("path.stm", first);
  do_comparison(wb);
  const NetworkModel& m = wb.model;
  EXPECT_EQ(m.reaction_names[4], "DOWN");
  EXPECT_FLOAT_EQ(m.flux[4], 2.0f);
  EXPECT_EQ(m.reduced_cost[4], 0.5f);
  EXPECT_EQ(m.reduced_cost[1], 3.0f);  // SxtI: 0 in the first network, 4 in the second
  EXPECT_TRUE(wb.tools.last_comparison.unscaled);
  EXPECT_EQ(recorder.messages,
            std::vector<std::string>{"Do Comparison: the optimum of path.stm is 0, so the fluxes "
                                     "are compared as they are, not relative to growth"});
  EXPECT_FALSE(wb.input_refused);
}

TEST_F(NetworkComparisonTest, StopsWhenANetworkCannotBeCompared) {
  struct Case {
    const char* what;
    const char* second_file;  // written as Path2.stm unless null
    const char* second_name;
    std::vector<std::string> file_errors;
    std::vector<std::string> messages;
  };
  const Case cases[] = {
      {"the user gives up on the second file", nullptr, "missing.stm", {"missing.stm"}, {}},
      {"the second network is infeasible",
       "1 S 0 SxtI -1 S 0 Growth 0 end end E 0 max 1 Growth 0 end 0 SxtI 0 1 Growth 5 0 end 0",
       "Path2.stm",
       {},
       {"Path2.stm: no optimal solution (istat = 2); the networks were not compared"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Workbench fresh;
    test::FrontEndRecorder front_end;
    front_end.attach(fresh);
    if (c.second_file != nullptr) test::write_file(c.second_name, c.second_file);
    fresh.settings.second_reactions_file = c.second_name;
    do_comparison(fresh);
    EXPECT_EQ(front_end.file_errors, c.file_errors);
    EXPECT_EQ(front_end.messages, c.messages);
    // Whatever the model holds is an ordinary solution, and the map must show it as one.
    EXPECT_EQ(fresh.model.second_file_read, 0);
    EXPECT_EQ(fresh.model.use_second_file, 0);
  }
  // Giving up on the second file leaves the first network with its own solution.
  Workbench gave_up;
  gave_up.settings.second_reactions_file = "missing.stm";
  do_comparison(gave_up);
  EXPECT_EQ(gave_up.model.reaction_names[9], "ONLY1");
  EXPECT_EQ(gave_up.model.flux[4], 2.0f);
  EXPECT_EQ(gave_up.model.file_abort, 1);
}

TEST(ComparisonFieldsTest, OptionsAreSetByNameWithTheDialogsMessages) {
  Workbench wb;
  std::vector<SettingField> fields;
  add_network_tools_fields(wb, fields);
  const auto field = [&fields](const std::string& name) {
    return *std::find_if(fields.begin(), fields.end(),
                         [&name](const SettingField& f) { return f.name == name; });
  };
  EXPECT_EQ(assign_field(field("compare.increased_threshold"), "2.5"), std::nullopt);
  EXPECT_EQ(assign_field(field("compare.decreased_threshold"), "-0.5"), std::nullopt);
  EXPECT_EQ(assign_field(field("compare.relative_to_growth"), "0"), std::nullopt);
  EXPECT_EQ(wb.tools.comparison.increased_threshold, 2.5f);
  EXPECT_EQ(wb.tools.comparison.decreased_threshold, -0.5f);
  EXPECT_EQ(wb.tools.comparison.relative_to_growth, 0);
  EXPECT_EQ(assign_field(field("compare.decreased_threshold"), "abc"), "Please enter a number.");
  EXPECT_EQ(assign_field(field("compare.relative_to_growth"), "2"),
            "Please enter an integer between 0 and 1.");
}

}  // namespace
}  // namespace vemo
