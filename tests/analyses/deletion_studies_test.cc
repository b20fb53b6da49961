#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "analyses/deletion_study.h"
#include "analyses/double_deletion.h"
#include "analyses/single_deletion.h"
#include "analyses/triple_deletion.h"
#include "lp/build_lp.h"
#include "lp/lp_solver.h"
#include "model/reactions_reader.h"
#include "support/test_support.h"

namespace vemo {
namespace {

// S is taken up (at most 10) and turned into P by isozymes PA and PB (1:1) or by SLOW (2:1);
// ESS turns P into Q, which growth needs; a maintenance drain needs at least 1 P.
// Wild type 9. Without PA and PB only SLOW is left: growth 4. Without PA, PB and SLOW the
// maintenance cannot be met: infeasible. Without ESS: growth 0.
const char* const kGeneNetwork =
    "1 S 0 SxtI  -1 S 1 P 0 PA1  -1 S 1 P 0 PB1  -2 S 1 P 0 SLOW  -1 P 1 Q 0 ESS1R "
    "-1 P 0 MAINT  -1 Q 0 Growth  0 end "
    "end E 0  max 1 Growth 0 end  0 SxtI 10  1 MAINT 1000  0 end 0";
const char* const kGeneList = "1 PA1 1 PB1 1 SLOW 1 ESS1R 0 2 NOSUCH1 X 999";

class DeletionStudiesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::write_file("path.stm", kGeneNetwork);
    test::write_file("deletion.txt", kGeneList);
    recorder.attach(wb);
  }
  test::ScratchFolder folder;
  Workbench wb;
  test::FrontEndRecorder recorder;
};

TEST_F(DeletionStudiesTest, SingleDeletionReport) {
  single_deletion(wb);
  EXPECT_EQ(test::read_file("SingleDeletion.out"),
            "Max_Growth= 9.000000\n"
            "ESS, 0.000000 (istat = 4)\n"
            "PA, 9.000000 (istat = 4)\n"
            "PB, 9.000000 (istat = 4)\n"
            "SLOW, 9.000000 (istat = 4)\n"
            " 9.000000 (istat = 4)\n"
            "NOSUCH,X, 9.000000 (istat = 4)\n"
            "num_of_reactions_considered= 6\n"
            "num_of_lethal_reactions= 1\n"
            "num_of_retarding_reactions= 0\n"
            "num_of_redundant_reactions= 5\n");
  EXPECT_EQ(wb.num_of_genes, 6);
  EXPECT_EQ(wb.last_deletion.solves, 7);
  EXPECT_EQ(wb.model.file_abort, 0);
}

TEST_F(DeletionStudiesTest, DoubleDeletionReportSkipsPairsWithALethalMember) {
  double_deletion(wb);
  EXPECT_EQ(test::read_file("DoubleDeletion.out"),
            "Max_Growth= 9.000000\n"
            "ESS, $ PA, $ 0.000000 (istat = 0)\n"
            "ESS, $ PB, $ 0.000000 (istat = 0)\n"
            "ESS, $ SLOW, $ 0.000000 (istat = 0)\n"
            " $ ESS, $ 0.000000 (istat = 0)\n"
            "NOSUCH,X, $ ESS, $ 0.000000 (istat = 0)\n"
            "PB, $ PA, $ 4.000000 (istat = 4)\n"
            "SLOW, $ PA, $ 9.000000 (istat = 4)\n"
            " $ PA, $ 9.000000 (istat = 4)\n"
            "NOSUCH,X, $ PA, $ 9.000000 (istat = 4)\n"
            "SLOW, $ PB, $ 9.000000 (istat = 4)\n"
            " $ PB, $ 9.000000 (istat = 4)\n"
            "NOSUCH,X, $ PB, $ 9.000000 (istat = 4)\n"
            " $ SLOW, $ 9.000000 (istat = 4)\n"
            "NOSUCH,X, $ SLOW, $ 9.000000 (istat = 4)\n"
            "NOSUCH,X, $  $ 9.000000 (istat = 4)\n"
            "num_of_reactions_considered= 15\n"
            "num_of_lethal_reactions= 5\n"
            "           Trivial_ones= 5\n"
            "num_of_retarding_reactions= 1\n"
            "num_of_redundant_reactions= 9\n");
  EXPECT_EQ(wb.last_deletion.solves, 1 + 6 + 10);  // trivial pairs cost no solve
}

TEST_F(DeletionStudiesTest, TripleDeletionReportSkipsLethalMembersAndPairs) {
  triple_deletion(wb);
  EXPECT_EQ(test::read_file("TripleDeletion.out"),
            "Max_Growth= 9.000000\n"
            "SLOW, $ PB, $ PA, $ 0.000000 (istat = 2)\n"
            "ESS, $ PB, $ PA, $ 0.000000 (istat = 0)\n"
            "ESS, $ SLOW, $ PA, $ 0.000000 (istat = 0)\n"
            " $ ESS, $ PA, $ 0.000000 (istat = 0)\n"
            "NOSUCH,X, $ ESS, $ PA, $ 0.000000 (istat = 0)\n"
            "ESS, $ SLOW, $ PB, $ 0.000000 (istat = 0)\n"
            " $ ESS, $ PB, $ 0.000000 (istat = 0)\n"
            "NOSUCH,X, $ ESS, $ PB, $ 0.000000 (istat = 0)\n"
            " $ ESS, $ SLOW, $ 0.000000 (istat = 0)\n"
            "NOSUCH,X, $ ESS, $ SLOW, $ 0.000000 (istat = 0)\n"
            "NOSUCH,X, $  $ ESS, $ 0.000000 (istat = 0)\n"
            " $ PB, $ PA, $ 4.000000 (istat = 4)\n"
            "NOSUCH,X, $ PB, $ PA, $ 4.000000 (istat = 4)\n"
            " $ SLOW, $ PA, $ 9.000000 (istat = 4)\n"
            "NOSUCH,X, $ SLOW, $ PA, $ 9.000000 (istat = 4)\n"
            "NOSUCH,X, $  $ PA, $ 9.000000 (istat = 4)\n"
            " $ SLOW, $ PB, $ 9.000000 (istat = 4)\n"
            "NOSUCH,X, $ SLOW, $ PB, $ 9.000000 (istat = 4)\n"
            "NOSUCH,X, $  $ PB, $ 9.000000 (istat = 4)\n"
            "NOSUCH,X, $  $ SLOW, $ 9.000000 (istat = 4)\n"
            "num_of_reactions_considered= 20\n"
            "num_of_lethal_reactions= 11\n"
            "           Trivial_ones= 10\n"
            "num_of_retarding_reactions= 2\n"
            "num_of_redundant_reactions= 7\n");
  EXPECT_EQ(wb.last_deletion.solves, 1 + 6 + 10 + 10);
}

TEST_F(DeletionStudiesTest, ALethalPairMakesItsTriplesTrivial) {
  // PA and PB together leave nothing when SLOW is not in the network.
  test::write_file("path.stm",
                   "1 S 0 SxtI  -1 S 1 P 0 PA1  -1 S 1 P 0 PB1  -1 P 0 Growth  0 end "
                   "end E 0  max 1 Growth 0 end  0 SxtI 10  0 end 0");
  test::write_file("deletion.txt", "1 PA 1 PB 1 OTHEX 999");
  triple_deletion(wb);
  EXPECT_EQ(test::read_file("TripleDeletion.out"),
            "Max_Growth= 10.000000\n"
            "OTHEX, $ PB, $ PA, $ 0.000000 (istat = 0)\n"
            "num_of_reactions_considered= 1\n"
            "num_of_lethal_reactions= 1\n"
            "           Trivial_ones= 1\n"
            "num_of_retarding_reactions= 0\n"
            "num_of_redundant_reactions= 0\n");
  EXPECT_EQ(wb.last_deletion.solves, 1 + 3 + 3);
}

TEST_F(DeletionStudiesTest, EmptyListsGiveOnlyTheSummary) {
  test::write_file("deletion.txt", "999");
  single_deletion(wb);
  EXPECT_EQ(test::read_file("SingleDeletion.out"),
            "Max_Growth= 9.000000\nnum_of_reactions_considered= 0\nnum_of_lethal_reactions= 0\n"
            "num_of_retarding_reactions= 0\nnum_of_redundant_reactions= 0\n");
  test::write_file("deletion.txt", "1 PA 999");
  double_deletion(wb);
  EXPECT_EQ(test::read_file("DoubleDeletion.out"),
            "Max_Growth= 9.000000\nnum_of_reactions_considered= 0\nnum_of_lethal_reactions= 0\n"
            "           Trivial_ones= 0\nnum_of_retarding_reactions= 0\n"
            "num_of_redundant_reactions= 0\n");
}

TEST_F(DeletionStudiesTest, RefusesATripleStudyTooLargeToHold) {
  std::string list = "";
  for (int k = 0; k < 500; ++k) list += "1 G" + std::to_string(k) + " ";
  test::write_file("deletion.txt", list + "999");
  triple_deletion(wb);
  ASSERT_EQ(recorder.messages.size(), 1u);
  EXPECT_EQ(recorder.messages[0],
            "deletion.txt: 500 entries make 20708500 triples, more than the 20000000 a study "
            "can hold");
  EXPECT_FALSE(std::filesystem::exists("TripleDeletion.out"));
  EXPECT_FALSE(std::filesystem::exists("info.OUT"));  // nothing was built or solved
}

TEST_F(DeletionStudiesTest, GivingUpOnTheReportDiscardsIt) {
  wb.settings.single_deletion_file = "no/such/folder/out.txt";
  single_deletion(wb);
  EXPECT_EQ(wb.model.file_abort, 1);
  EXPECT_EQ(recorder.file_errors, std::vector<std::string>{"no/such/folder/out.txt"});
}

TEST(DeletionClassifyTest, StrictThresholdsInDoublePrecision) {
  std::vector<DeletionResult> results;
  for (float g : {0.0f, 1e-9f, 1e-8f, 2e-8f, 18.9f, 19.0f, 19.1f}) {
    results.push_back({{1, 0, 0}, 1, 4, g});
  }
  const DeletionCounts c = classify(results, 20.0f);  // 0.95 * 20 is exactly 19
  EXPECT_EQ(c.lethal, 3);                             // 1e-8 as a float lies just below 1e-8
  EXPECT_EQ(c.retarding, 2);                          // 2e-8 and 18.9
  EXPECT_EQ(c.redundant, 1);                          // 19 is neither
}

// On the default network every growth of the study must be the optimum of the network with
// that gene's reactions closed, solved from scratch.
TEST(DefaultNetworkDeletionTest, GrowthsAreTheOptimaOfTheDeletedNetworks) {
  test::ScratchFolder folder;
  test::copy_data_file("path.stm");
  test::write_file("deletion.txt",
                   "1 PGIR 1 PFKA 1 TKTA1R 1 TKTB 1 GLTA 1 SDHA 1 PPC 1 ATPSR 1 CYOA 1 ACEE 999");
  Workbench wb;
  single_deletion(wb);
  const std::string report = test::read_file("SingleDeletion.out");
  for (const char* gene :
       {"PGI", "PFKA", "TKTA", "TKTB", "GLTA", "SDHA", "PPC", "ATPS", "CYOA", "ACEE"}) {
    NetworkModel m = wb.model;
    for (int j = 1; j <= m.num_of_reactions; ++j) {
      if (make_gene_key(m.reaction_names[j]) != gene) continue;
      m.has_upper_bound[j] = m.has_lower_bound[j] = 1;
      m.lower_bound[j] = m.upper_bound[j] = 0.0f;
    }
    LpSolver lp;
    build_lp(m, lp, -1);
    const int istat = lp.lp_solve();
    float growth, dual;
    lp.lp_get_row(1, growth, dual);
    if (istat == kIstatInfeasible) growth = 0.0f;
    const size_t at = report.find(std::string("\n") + gene + ",");
    ASSERT_NE(at, std::string::npos) << gene;
    double reported;
    int reported_istat;
    ASSERT_EQ(std::sscanf(report.c_str() + at + std::strlen(gene) + 2, " %lf (istat = %d)",
                          &reported, &reported_istat),
              2);
    EXPECT_NEAR(reported, growth, 1e-6) << gene;
    EXPECT_EQ(reported_istat, istat) << gene;
  }
}

}  // namespace
}  // namespace vemo
