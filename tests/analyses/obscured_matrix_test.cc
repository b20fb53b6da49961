#include "analyses/obscured_matrix.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "lp/optimize.h"
#include "model/reactions_reader.h"
#include "model/token_reader.h"
#include "support/test_support.h"

namespace vemo {
namespace {

// Rows Obj, A (equality) and B (at least 5 left over); CONVR is reversible and free, EMPTY has
// no entry. The optimum is 15: 10 A make 20 B.
const char* const kSmallNetwork =
    "1 A 0 AxtI  -1 A 2 B 0 CONVR  -1 B 0 Growth  0 EMPTY  0 end "
    "A E 0  B G 5  end E 0  max 1 Growth 0 end  0 AxtI 10  0 end 0";

using Bounds = std::pair<double, double>;
constexpr double kInf = INFINITY;

// The bounds the linear program gives a column (build_lp): lower, upper, infinite when absent.
Bounds lp_bounds(const NetworkModel& m, int j) {
  const bool lower = m.has_lower_bound[j] == 1 || m.has_upper_bound[j] == 1;
  return {lower ? m.lower_bound[j] : -kInf, m.has_upper_bound[j] == 1 ? m.upper_bound[j] : kInf};
}

class ObscuredMatrixTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::write_file("path.stm", kSmallNetwork);
    recorder.attach(wb);
  }
  test::ScratchFolder folder;
  Workbench wb;
  test::FrontEndRecorder recorder;
};

// The first draws of a fresh generator are 41, 18467, 6334, 26500, ...: the first group has the
// noise 41 / 32767 and the decoy trunc(18467 * 0.0030581041) = 56.
TEST_F(ObscuredMatrixTest, WritesValuesInTheSlotOfTheColumnsParity) {
  make_encrypted_matrix(wb);
  EXPECT_EQ(test::read_file("Matrix.stm"),
            " 3 4\n"
            " -1 0.000000 Obj 1.0 0 0.000000 A 1.0 -1 5.000000 B 1.0\n"
            " AxtI 1  56 1.000000 1.000000 0.001251  81 -1.000000 2 0.193304 \n"
            " CONVR 2  48 -1.000000 -1.000000 0.585009  89 2.000000 -1.000000 0.350291 "
            " 74 2 1.000000 0.822840  86 3 1.000000 0.174108 \n"
            " Growth 2  51 1.000000 1.000000 0.710501  1 1.000000 -1.000000 0.303995 "
            " 36 -1.000000 1 0.091403  16 -1.000000 3 0.147313 \n"
            " EMPTY 0 \n");
  EXPECT_EQ(test::read_file("Bounds.stm"),
            " 0.000000  AxtI  10.000000 \n"
            " -1000  CONVR  1000 \n"
            " 0.000000  Growth  1000 \n"
            " 0.000000  EMPTY  1000 \n");
  EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(ObscuredMatrixTest, ReadsBackTheNetworkAsTheLinearProgramSawIt) {
  make_encrypted_matrix(wb);
  const NetworkModel written = wb.model;
  Workbench reader;
  reader.model.second_file_read = 1;  // a comparison was shown before
  read_encrypted_matrix(reader);
  const NetworkModel& m = reader.model;
  ASSERT_EQ(m.num_of_rows, written.num_of_rows);
  ASSERT_EQ(m.num_of_reactions, written.num_of_reactions);
  for (int i = 1; i <= m.num_of_rows; ++i) {
    EXPECT_EQ(m.row_names[i], written.row_names[i]);
    EXPECT_EQ(m.row_sense[i], written.row_sense[i]);
    EXPECT_EQ(m.row_rhs[i], written.row_rhs[i]);
  }
  for (int j = 1; j <= m.num_of_reactions; ++j) {
    EXPECT_EQ(m.reaction_names[j], written.reaction_names[j]);
    EXPECT_EQ(lp_bounds(m, j), lp_bounds(written, j)) << j;
    for (int i = 1; i <= m.num_of_rows; ++i) {
      EXPECT_EQ(m.stoich_matrix.at(i, j), round_to_six_decimals(written.stoich_matrix.at(i, j)));
    }
  }
  EXPECT_EQ(m.second_file_read, 0);
  EXPECT_EQ(m.file_abort, 0);
  optimize(reader);
  EXPECT_EQ(m.objective_value, 15.0f);
}

TEST(ObscuredMatrixDefaultNetworkTest, TheReadBackNetworkHasTheSameOptimum) {
  test::ScratchFolder folder;
  test::copy_data_file("path.stm");
  Workbench wb;
  read_optimize(wb);
  const float optimum = wb.model.objective_value;
  make_encrypted_matrix(wb);
  Workbench reader;
  read_encrypted_matrix(reader);
  optimize(reader);
  EXPECT_EQ(reader.model.num_of_reactions, wb.model.num_of_reactions);
  EXPECT_NEAR(reader.model.objective_value, optimum, 1e-6);
}

// Values and row numbers are taken from their own slots, whatever the other items hold.
TEST_F(ObscuredMatrixTest, ReadsTheSlotsByParityAndTheBoundsMarkers) {
  test::write_file("Matrix.stm",
                   "2 3\n 1 0 Obj 7.5  0 -2.5 M 0\n"
                   "ODD 1  99 -4 3.5 0.5  98 -7 2 0.25\n"
                   "EVEN 2  97 -2.5 8 0.5  96 6.5 9 0.5  95 1 -3 0.5  94 2 -8 0.5\n"
                   "LAST 0\n");
  // ODD is not listed; the later entry of EVEN wins, and the markers count however written.
  test::write_file("Bounds.stm", " 0 EVEN 1000\n -1000.000000 EVEN 1000.000000\n -5 LAST 2.5\n");
  read_encrypted_matrix(wb);
  const NetworkModel& m = wb.model;
  EXPECT_EQ(m.row_sense[1], 1);
  EXPECT_EQ(m.row_rhs[2], -2.5f);
  EXPECT_EQ(m.row_names[2], "M");
  EXPECT_EQ(m.stoich_matrix.at(2, 1), 3.5f);
  EXPECT_EQ(m.stoich_matrix.at(1, 2), -2.5f);
  EXPECT_EQ(m.stoich_matrix.at(2, 2), 6.5f);
  EXPECT_TRUE(m.stoich_matrix.column(3).empty());
  EXPECT_EQ(lp_bounds(m, 1), Bounds(-kInf, kInf));
  EXPECT_EQ(lp_bounds(m, 2), Bounds(-kInf, kInf));
  EXPECT_EQ(lp_bounds(m, 3), Bounds(-5.0, 2.5));
  EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(ObscuredMatrixTest, RefusesDamagedFilesAndKeepsTheNetwork) {
  struct Case {
    const char* matrix;
    const char* bounds;
    const char* message;
  };
  const char* const kOneReaction = " 1 1\n -1 0.0 Obj 1.0\n R1 1  5 1.0 2.0 0.1  5 -1.0 1 0.1\n";
  const Case cases[] = {
      {"", "", "Matrix.stm: end of file in the number of rows"},
      {" 0 1", "", "Matrix.stm: 0 rows; a network has 1 to 200000"},
      {" 2 200001", "", "Matrix.stm: 200001 reactions; a network has 0 to 200000"},
      {" 1 1\n -1 abc Obj 1.0", "", "Matrix.stm: 'abc' is not a number (row 1)"},
      {" 1 1\n -1 0.0 Obj 1.0\n ABCDEFGHIJ 0\n", "",
       "Matrix.stm: the name 'ABCDEFGHIJ' is longer than 9 characters (reaction 1)"},
      {" 1 1\n -1 0.0 Obj 1.0\n R1 2\n", "",
       "Matrix.stm: reaction 1 (R1) lists 2 entries; the network has rows 1 to 1"},
      {" 1 1\n -1 0.0 Obj 1.0\n R1 1  5 1.0 2.0 0.1  5 -1.0 7 0.1\n", "",
       "Matrix.stm: reaction 1 (R1) has an entry in row 7; the network has rows 1 to 1"},
      {" 1 1\n -1 0.0 Obj 1.0\n R1 1  5 1.0 2.0", "", "Matrix.stm: end of file in reaction 1 (R1)"},
      {" 1 2\n -1 0.0 Obj 1.0\n R1 0\n", "", "Matrix.stm: end of file in reaction 2"},
      {kOneReaction, "", "Bounds.stm: end of file in bounds entry 1"},
      {kOneReaction, " 0 R1", "Bounds.stm: end of file in bounds entry 1"},
      {kOneReaction, " 0 R2 10",
       "Bounds.stm: bounds entry 1 names the reaction 'R2', which Matrix.stm does not hold"},
      {kOneReaction, " x R1 10", "Bounds.stm: 'x' is not a number (bounds entry 1)"},
      {kOneReaction, " 0 R1 1e99", "Bounds.stm: the number 1e99 is out of range"},
  };
  read_data(wb);
  const NetworkModel before = wb.model;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    test::write_file("Matrix.stm", c.matrix);
    test::write_file("Bounds.stm", c.bounds);
    recorder.messages.clear();
    read_encrypted_matrix(wb);
    EXPECT_EQ(recorder.messages, std::vector<std::string>{std::string(c.message) +
                                                          "; the network in memory is unchanged"});
    EXPECT_EQ(wb.model.file_abort, 1);
    EXPECT_EQ(wb.model.num_of_reactions, before.num_of_reactions);
    EXPECT_EQ(wb.model.reaction_names, before.reaction_names);
    EXPECT_EQ(wb.model.stoich_matrix.at(3, 2), before.stoich_matrix.at(3, 2));
  }
  test::write_file("Matrix.stm", std::string(" 1 0\n -1 0 Obj 1\0", 17));
  read_encrypted_matrix(wb);
  EXPECT_EQ(recorder.messages.back(),
            "Matrix.stm: this is not a text file (it holds a NUL byte); the network in memory is "
            "unchanged");
}

TEST_F(ObscuredMatrixTest, GivingUpOnAFileEndsTheCommand) {
  read_encrypted_matrix(wb);  // neither file exists
  EXPECT_EQ(recorder.file_errors, std::vector<std::string>{"Matrix.stm"});
  EXPECT_EQ(wb.model.file_abort, 1);

  std::filesystem::create_directory("Bounds.stm");  // cannot be written
  make_encrypted_matrix(wb);
  EXPECT_EQ(recorder.file_errors, (std::vector<std::string>{"Matrix.stm", "Bounds.stm"}));
  EXPECT_EQ(test::read_file("Matrix.stm"), "");
}

}  // namespace
}  // namespace vemo
