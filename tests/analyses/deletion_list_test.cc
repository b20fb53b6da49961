#include "analyses/deletion_list.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace vemo {
namespace {

TEST(GeneKeyTest, RemovesATrailingRThenUpToTwoDigits) {
  const std::pair<const char*, const char*> cases[] = {
      {"TKTA1R", "TKTA"}, {"TKTA", "TKTA"},   {"GLCxt12", "GLCxt"}, {"TKTA1R2", "TKTA1R"},
      {"abcr", "abcr"},   {"R1", "R"},        {"12R", ""},          {"R", ""},
      {"", ""},           {"ABC123", "ABC1"}, {"PGIR", "PGI"},
  };
  for (const auto& [name, key] : cases) EXPECT_EQ(make_gene_key(name), key) << name;
}

TEST(GeneKeyTest, DerivesTheKeyOfEveryReaction) {
  Workbench wb;
  wb.model.num_of_reactions = 2;
  wb.model.reaction_names[1] = "TKTA2R";
  wb.model.reaction_names[2] = "Growth";
  derive_reaction_gene_keys(wb);
  EXPECT_EQ(wb.reaction_gene_keys, (std::vector<std::string>{"", "TKTA", "Growth"}));
}

class DeletionListTest : public ::testing::Test {
 protected:
  bool read(const std::string& text) {
    test::write_file("deletion.txt", text);
    recorder.attach(wb);
    return read_deletion_list(wb, entries);
  }
  test::ScratchFolder folder;
  Workbench wb;
  test::FrontEndRecorder recorder;
  std::vector<DeletionEntry> entries;
};

TEST_F(DeletionListTest, ReadsGroupsOfNamesUpTo999) {
  ASSERT_TRUE(
      read("1 TKTA1\n2 TKTB1 TKTB2R 0\n0x2 A1 B 017 C1 C2 C3 C4 C5 C6 C7 C8 C9 C10 C11 "
           "C12 C13 C14 C15 999 ignored after the end"));
  ASSERT_EQ(wb.num_of_genes, 5);
  ASSERT_EQ(entries.size(), 6u);
  EXPECT_EQ(entries[1].names, std::vector<std::string>{"TKTA"});
  EXPECT_EQ(entries[2].names, (std::vector<std::string>{"TKTB", "TKTB"}));
  EXPECT_TRUE(entries[3].names.empty());
  EXPECT_EQ(entries[4].names, (std::vector<std::string>{"A", "B"}));  // 0x2: hexadecimal
  EXPECT_EQ(entries[5].names.size(), 15u);                            // 017: octal, past 11
}

TEST_F(DeletionListTest, OnlyTheEndMarker) {
  ASSERT_TRUE(read("999"));
  EXPECT_EQ(wb.num_of_genes, 0);
}

TEST_F(DeletionListTest, RefusesWhatItCannotRead) {
  const std::pair<const char*, const char*> cases[] = {
      {"1 A 2 B", "deletion.txt: end of file before the closing 999"},
      {"", "deletion.txt: end of file before the closing 999"},
      {"one A 999", "deletion.txt: 'one' is not a count of names"},
      {"1 TENCHARSXX 999", "deletion.txt: the name 'TENCHARSXX' is longer than 9 characters"},
  };
  for (const auto& [text, message] : cases) {
    recorder.messages.clear();
    EXPECT_FALSE(read(text));
    ASSERT_EQ(recorder.messages.size(), 1u) << text;
    EXPECT_EQ(recorder.messages[0], message);
  }
}

TEST_F(DeletionListTest, GivingUpOnTheFileReadsNothing) {
  recorder.attach(wb);
  EXPECT_FALSE(read_deletion_list(wb, entries));
  EXPECT_EQ(wb.model.file_abort, 1);
}

}  // namespace
}  // namespace vemo
