#include "model/reactions_reader.h"

#include <gtest/gtest.h>

#include "lp/lp_solver.h"
#include "lp/optimize.h"
#include "support/test_support.h"

namespace vemo {
namespace {

using test::read_file;
using test::write_file;

class ReactionsReaderTest : public ::testing::Test {
 protected:
  // Reads text as the reactions file; returns the echo file.
  std::string read(const std::string& text) {
    write_file("path.stm", text);
    recorder.attach(wb);
    read_data(wb);
    return read_file("notes.out");
  }
  float coefficient(const std::string& row, const std::string& reaction) const {
    return wb.model.stoich_matrix.at(wb.model.find_row(row), wb.model.find_reaction(reaction));
  }

  test::ScratchFolder folder;
  Workbench wb;
  test::FrontEndRecorder recorder;
};

TEST_F(ReactionsReaderTest, ReadsTheToyNetworkAndEchoesIt) {
  const std::string notes = read(test::kToyNetwork);
  EXPECT_EQ(notes,
            "GLCxtI\nHEX1\nPGIR\nGrowth\n"
            "      GLC E 0.000000\n"
            "-1\n"
            "1.000000    Growth\n"
            "0.000000    GLCxtI 10.000000\n"
            "0.000000       end 0.000000\n"
            "rxns = 4\nmets = 4\n");
  const NetworkModel& m = wb.model;
  ASSERT_EQ(m.num_of_reactions, 4);
  ASSERT_EQ(m.num_of_rows, 4);
  EXPECT_EQ(m.row_names[1], "Obj");
  EXPECT_EQ(m.row_names[2], "GLC");
  EXPECT_EQ(m.row_names[4], "F6P");
  EXPECT_EQ(m.row_sense[1], -1);
  EXPECT_EQ(m.stoich_matrix.at(1, 4), 1.0f);
  EXPECT_EQ(coefficient("G6P", "PGIR"), -1.0f);
  // GLCxtI 0..10, HEX1 and Growth irreversible, PGIR free.
  EXPECT_EQ(m.has_upper_bound[1], 1);
  EXPECT_EQ(m.lower_bound[1], 0.0f);
  EXPECT_EQ(m.upper_bound[1], 10.0f);
  EXPECT_EQ(m.has_lower_bound[2], 1);
  EXPECT_EQ(m.has_upper_bound[2], 0);
  EXPECT_EQ(m.has_lower_bound[3], 0);
  EXPECT_EQ(m.has_upper_bound[3], 0);
  EXPECT_EQ(m.has_lower_bound[4], 1);
  EXPECT_EQ(m.second_file_read, 0);
  EXPECT_EQ(m.file_abort, 0);
  EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(ReactionsReaderTest, DropsALaterReactionOfTheSameName) {
  const std::string notes = read("1 A 0 R1  2 B 0 R1  1 C 0 R2 0 end  end E 0  max 0 end  0 end 0");
  EXPECT_EQ(wb.model.num_of_reactions, 2);
  EXPECT_EQ(wb.model.find_row("B"), 0);  // the dropped reaction's metabolites never become rows
  EXPECT_EQ(notes.rfind("R1\n*** multiple enzymes named R1 ***\nR2\n", 0), 0u) << notes;
}

TEST_F(ReactionsReaderTest, ReactionsSectionCases) {
  read(
      "1 A 2 A 0 TWICE "             // the later coefficient replaces the earlier
      "1 B 0.0000001 C 1 D 0 TINY "  // a coefficient that rounds to 0 ends the list
      "0.3333333 E 0 ROUND "         // six decimals
      "// a comment with 0 end inside // "
      "1 F x NONNUM "         // a word that is not a number ends the reaction
      "-2 G 0 LONGNAME1 "     // 9 characters: kept whole
      "-1 H 0 VERYLONGN0 Z "  // 10 characters: split after 9
      "// end");
  const NetworkModel& m = wb.model;
  EXPECT_EQ(coefficient("A", "TWICE"), 2.0f);
  EXPECT_EQ(coefficient("B", "TINY"), 1.0f);
  EXPECT_EQ(m.find_row("C"), 0);
  EXPECT_EQ(m.find_row("D"), 0);
  EXPECT_EQ(coefficient("E", "ROUND"), 0.333333f);
  EXPECT_EQ(coefficient("F", "NONNUM"), 1.0f);
  EXPECT_NE(m.find_reaction("LONGNAME1"), 0);
  EXPECT_NE(m.find_reaction("VERYLONGN"), 0);
  EXPECT_NE(m.find_reaction("Z"), 0);  // the tail "0" of the split name ended a reaction "Z"
  // The pair ("//", "end") ended the section: reading went on with the constraints and ran out.
  EXPECT_EQ(m.num_of_reactions, 7);
}

TEST_F(ReactionsReaderTest, ConstraintsAndBounds) {
  const std::string notes = read(
      "1 A 0 INR  -1 A 1 B 0 MIDR  -1 B 0 OUT  0 end "
      "A L 5  B G -2.5  NOROW E 1  B X 7  end E 0 "
      "min 2 OUT 3 NOSUCH 0 end "
      "-4 MIDR 6  // bounds may carry comments // 1 OUT 8  0 NOSUCH 1  0 end 0");
  const NetworkModel& m = wb.model;
  const int a = m.find_row("A"), b = m.find_row("B");
  EXPECT_EQ(m.row_sense[a], 1);
  EXPECT_EQ(m.row_rhs[a], 5.0f);
  EXPECT_EQ(m.row_sense[b], -1);  // an unknown sense character keeps the sense set before
  EXPECT_EQ(m.row_rhs[b], 7.0f);  // but the right-hand side is taken whatever the sense
  EXPECT_EQ(m.row_sense[1], 1);
  EXPECT_EQ(m.stoich_matrix.at(1, m.find_reaction("OUT")), 2.0f);
  const int mid = m.find_reaction("MIDR"), out = m.find_reaction("OUT");
  EXPECT_EQ(m.has_lower_bound[mid], 0);
  EXPECT_EQ(m.has_upper_bound[mid], 1);
  EXPECT_EQ(m.lower_bound[mid], -4.0f);
  EXPECT_EQ(m.upper_bound[mid], 6.0f);
  EXPECT_EQ(m.has_lower_bound[out], 1);
  EXPECT_EQ(m.lower_bound[out], 1.0f);  // replaces the irreversible lower bound 0
  EXPECT_EQ(m.has_lower_bound[m.find_reaction("INR")], 0);
  EXPECT_NE(notes.find("    NOROW E 1.000000\n"), std::string::npos);
  EXPECT_NE(notes.find("\n1\n2.000000       OUT\n3.000000    NOSUCH\n"), std::string::npos);
  EXPECT_NE(notes.find("0.000000    NOSUCH 1.000000\n0.000000       end 0.000000\n"),
            std::string::npos);
}

TEST_F(ReactionsReaderTest, ReportsNamesOfNineCharacters) {
  const std::string notes =
      read("1 METABOLIT 0 REACTION9 0 end end E 0 max 1 REACTION9 0 end 0 end 0");
  EXPECT_NE(notes.find("Reaction REACTION9 too long ************\n"
                       "Metabolite METABOLIT too long ************\n"
                       "rxns = 1\nmets = 2\n"),
            std::string::npos);
}

TEST_F(ReactionsReaderTest, KeepsOldBoundValuesButNotTheirFlags) {
  read(test::kToyNetwork);
  wb.model.upper_bound[3] = 99.0f;
  read(test::kToyNetwork);
  EXPECT_EQ(wb.model.upper_bound[3], 99.0f);
  EXPECT_EQ(wb.model.has_upper_bound[3], 0);
}

// objective_choice -> the objective row and the drains after reading.
struct ObjectiveCase {
  int choice;
  bool with_drain;        // the network has an ATPMAX drain
  bool with_growth;       // the network has a Growth reaction
  const char* objective;  // the only reaction with a non-zero objective coefficient, "" for none
  int choice_after;
};

class ObjectiveInstallTest : public ReactionsReaderTest,
                             public ::testing::WithParamInterface<ObjectiveCase> {};

TEST_P(ObjectiveInstallTest, InstallsTheChosenObjective) {
  const ObjectiveCase& c = GetParam();
  std::string text = "1 A 0 UPTAKE  -1 A 0 OTHER  -1 A 0 PYRMAX ";
  if (c.with_drain) text += "-1 A 0 ATPMAX ";
  if (c.with_growth) text += "-1 A 0 Growth ";
  text += "0 end end E 0 max 1 OTHER 0 end 0 UPTAKE 10 0 PYRMAX 50 ";
  if (c.with_drain) text += "0 ATPMAX 50 ";
  text += "0 end 0";
  wb.model.objective_choice = c.choice;
  read(text);
  const NetworkModel& m = wb.model;
  std::string objective;
  for (int j = 1; j <= m.num_of_reactions; ++j) {
    if (m.stoich_matrix.at(1, j) == 0.0f) continue;
    objective += m.reaction_names[j];
    if (m.reaction_names[j] != "OTHER") {
      EXPECT_EQ(m.stoich_matrix.at(1, j), 1.0f);
      EXPECT_EQ(m.has_upper_bound[j], 0);
      EXPECT_EQ(m.has_lower_bound[j], 1);
    }
  }
  EXPECT_EQ(objective, c.objective);
  EXPECT_EQ(m.objective_choice, c.choice_after);
  const int pyr = m.find_reaction("PYRMAX");
  EXPECT_EQ(m.has_upper_bound[pyr], 1);  // every drain that is not the objective is held at 0
  EXPECT_EQ(m.upper_bound[pyr], 0.0f);
  EXPECT_EQ(m.lower_bound[pyr], 0.0f);
}

INSTANTIATE_TEST_SUITE_P(Choices, ObjectiveInstallTest,
                         ::testing::Values(ObjectiveCase{4, true, true, "OTHER", 4},
                                           ObjectiveCase{1, true, true, "ATPMAX", 1},
                                           ObjectiveCase{1, false, true, "Growth", 4},
                                           ObjectiveCase{0, true, true, "Growth", 0},
                                           ObjectiveCase{0, true, false, "", 0},
                                           ObjectiveCase{13, true, false, "", 13}));

// A file the reader cannot take: reading stops with a message, file_abort is set and the echo
// file says why.
struct RefusedCase {
  const char* text;
  const char* reason;
};

class RefusedFileTest : public ReactionsReaderTest,
                        public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedFileTest, StopsWithAClearMessage) {
  const std::string notes = read(GetParam().text);
  ASSERT_EQ(recorder.messages.size(), 1u);
  EXPECT_NE(recorder.messages[0].find(std::string("path.stm: ") + GetParam().reason),
            std::string::npos)
      << recorder.messages[0];
  EXPECT_NE(notes.find(std::string("*** reading stopped: ") + GetParam().reason), std::string::npos)
      << notes;
  EXPECT_NE(notes.find("rxns = "), std::string::npos);
  EXPECT_EQ(wb.model.file_abort, 1);
}

INSTANTIATE_TEST_SUITE_P(
    BadFiles, RefusedFileTest,
    ::testing::Values(
        RefusedCase{"", "end of file inside the reactions section"},
        RefusedCase{"1 A 0 R1 1 B", "end of file inside the reactions section"},
        RefusedCase{"1 A 0 R1 // never closed", "end of file inside a comment of the reactions"},
        RefusedCase{"1 A 0 R1 0 end A E", "end of file inside the constraints section"},
        RefusedCase{"1 A 0 R1 0 end end E 0 max 1 R1", "end of file inside the objective"},
        RefusedCase{"1 A 0 R1 0 end end E 0 max 0 end 0 R1 10", "end of file inside the bounds"},
        RefusedCase{"1 A 0 R1 0 end end E 0 max 0 end // open", "end of file inside a comment"},
        RefusedCase{"1 A 0 R1 0 end A E five end E 0", "'five' is not a number"},
        RefusedCase{"1 A 0 R1 0 end end E 0 max 1x R1 0 end", "'1x' is not a number"},
        RefusedCase{"1 A 0 R1 0 end end E 0 max 0 end 0 R1 inf 0 end 0", "'inf' is not a number"},
        RefusedCase{"1e39 A 0 R1 0 end", "the number 1e39 is out of range"}));

TEST_F(ReactionsReaderTest, RefusesBinaryFiles) {
  read(std::string("1 A 0 R1\0 0 end", 15));
  ASSERT_EQ(recorder.messages.size(), 1u);
  EXPECT_NE(recorder.messages[0].find("this is not a text file"), std::string::npos);
  EXPECT_EQ(wb.model.num_of_reactions, 0);
}

TEST_F(ReactionsReaderTest, GivingUpOnTheFileLeavesTheNetworkUntouched) {
  read(test::kToyNetwork);
  wb.settings.reactions_file = "missing.stm";
  read_data(wb);
  EXPECT_EQ(wb.model.file_abort, 1);
  EXPECT_EQ(wb.model.num_of_reactions, 4);
  EXPECT_EQ(recorder.file_errors, std::vector<std::string>{"missing.stm"});
}

TEST_F(ReactionsReaderTest, ReadsTheSecondFileWhenAsked) {
  write_file("Path2.stm", "1 A 0 ONLY 0 end end E 0 max 0 end 0 end 0");
  wb.model.use_second_file = 1;
  read(test::kToyNetwork);
  EXPECT_EQ(wb.model.num_of_reactions, 1);
  EXPECT_EQ(wb.model.second_file_read, 1);
}

}  // namespace
}  // namespace vemo

namespace vemo {
namespace {

class ReaderLimitsTest : public ::testing::Test {
 protected:
  test::ScratchFolder folder;
  Workbench wb;
  test::FrontEndRecorder recorder;
};

// The classic buffers (1000 characters of pending pairs, 100 entries per column, 15-character
// number words, 1199 reactions) are no limits here: everything fits and is solved.
TEST_F(ReaderLimitsTest, LongReactionsLongNumbersAndLargeNetworksFit) {
  std::string text, big, bounds;
  for (int k = 1; k <= 150; ++k) {
    const std::string m = "M" + std::to_string(k), u = "U" + std::to_string(k);
    text += "1 " + m + " 0 " + u + "\n";
    big += "-1.0000000000000000000 " + m + " ";
    bounds += "-5.00000000000000000 " + u + " 1\n";
  }
  for (int k = 1; k <= 2000; ++k) text += "1 X 0 FILL" + std::to_string(k) + " ";
  text += big + "0 BIG 0 end end E 0 max 1 BIG 0 end " + bounds + "0 end 0";
  test::write_file("path.stm", text);
  recorder.attach(wb);
  read_optimize(wb);
  ASSERT_TRUE(recorder.messages.empty()) << recorder.messages[0];
  const NetworkModel& m = wb.model;
  EXPECT_EQ(m.num_of_reactions, 150 + 2000 + 1);
  EXPECT_EQ(m.stoich_matrix.column(m.find_reaction("BIG")).size(), 151u);  // objective included
  EXPECT_EQ(m.lower_bound[m.find_reaction("U7")], -5.0f);
  EXPECT_EQ(m.last_istat, kIstatOptimal);
  EXPECT_FLOAT_EQ(m.objective_value, 1.0f);
}

TEST_F(ReaderLimitsTest, RefusesMoreReactionsThanTheTablesTake) {
  std::string text;
  text.reserve(static_cast<size_t>(kMaxReactions) * 10);
  for (int k = 0; k <= kMaxReactions; ++k) text += "0 R" + std::to_string(k) + "\n";
  test::write_file("path.stm", text + "0 end end E 0 max 0 end 0 end 0");
  recorder.attach(wb);
  read_data(wb);
  ASSERT_EQ(recorder.messages.size(), 1u);
  EXPECT_NE(recorder.messages[0].find("more than 200000 reactions"), std::string::npos);
  EXPECT_EQ(wb.model.num_of_reactions, kMaxReactions);
  EXPECT_EQ(wb.model.file_abort, 1);
}

}  // namespace
}  // namespace vemo
