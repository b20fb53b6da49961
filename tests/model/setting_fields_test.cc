#include "model/setting_fields.h"

#include <gtest/gtest.h>

namespace vemo {
namespace {

struct AssignCase {
  const char* name;
  const char* value;
  const char* message;  // nullptr when the value is taken
};

class AssignSettingTest : public ::testing::TestWithParam<AssignCase> {};

TEST_P(AssignSettingTest, ChecksLikeTheDialogs) {
  Workbench wb;
  const AssignCase& c = GetParam();
  const auto message = assign_setting(wb, c.name, c.value);
  if (c.message == nullptr) {
    EXPECT_FALSE(message.has_value()) << *message;
  } else {
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(*message, c.message);
    EXPECT_EQ(wb.model.objective_choice, 4);  // unchanged after a refusal
  }
}

INSTANTIATE_TEST_SUITE_P(
    Values, AssignSettingTest,
    ::testing::Values(
        AssignCase{"objective_choice", "16", nullptr},
        AssignCase{"objective_choice", " 0", nullptr},
        AssignCase{"objective_choice", "17", "Please enter an integer between 0 and 16."},
        AssignCase{"objective_choice", "-1", "Please enter an integer between 0 and 16."},
        AssignCase{"objective_choice", "99999999999", "Please enter an integer between 0 and 16."},
        AssignCase{"objective_choice", "2.5", "Please enter an integer."},
        AssignCase{"objective_choice", "", "Please enter an integer."},
        AssignCase{"do_ranging", "2", "Please enter an integer between 0 and 1."},
        AssignCase{"reactions_file", "other net.stm", nullptr},
        AssignCase{"no_such_field", "1", "unknown setting 'no_such_field'"}));

TEST(SettingFieldsTest, StoresIntoTheWorkbench) {
  Workbench wb;
  EXPECT_FALSE(assign_setting(wb, "reactions_file", "b.stm").has_value());
  EXPECT_FALSE(assign_setting(wb, "do_ranging", "1").has_value());
  EXPECT_EQ(wb.settings.reactions_file, "b.stm");
  EXPECT_EQ(wb.model.do_ranging, 1);
}

TEST(SettingFieldsTest, NumberFieldsCheckTheirRange) {
  float value = 1.0f;
  const SettingField f = SettingField::number_field("x", &value, 0.0, 100.0);
  EXPECT_EQ(assign_field(f, "abc"), "Please enter a number.");
  EXPECT_EQ(assign_field(f, "150"), "Please enter a number between 0 and 100.");
  EXPECT_EQ(assign_field(f, "1e99"), "Please enter a number between 0 and 100.");
  EXPECT_FALSE(assign_field(f, "2.5").has_value());
  EXPECT_EQ(value, 2.5f);
}

}  // namespace
}  // namespace vemo
