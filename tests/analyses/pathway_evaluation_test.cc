#include "analyses/pathway_evaluation.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "analyses/pathway_inputs.h"
#include "lp/optimize.h"
#include "lp/solution_reports.h"
#include "support/test_support.h"

namespace vemo {
namespace {

// Nine reactions, five of them before the exchange heading. PGIR runs forward, ZWFR backward;
// glucose is taken up (and some secreted, which the uptake hides), acetate only secreted; the
// ATP drain's flux is not the ATP output's.
const char* const kPathReactions =
    "/ pathway network of the fixture\n"
    "(Internal reactions)\n"
    "HEX: hexokinase\n"
    "PGI:\n"
    "PGI_r:\n"
    "ZWF:\n"
    "ZWF_r:\n"
    "\n"
    "(Exchange outputs)\n"
    "GLCxt_o:\n"
    "ACxt_o:\n"
    "ATP_o:\n"
    "G6P_o:\n";

// Over HEX PGI PGI_r ZWF ZWF_r GLCxt_o ACxt_o ATP_o G6P_o. Pri.1 and Pri.2 are the same pathway:
// the first draws cost 41 and 18467 (over 32767), so Pri.1 takes the whole weight of 2. Fut.3 is
// needed once for ZWF_r; Rev.4 and Obj.5 are not needed.
const char* const kPathways =
    "Primary pathways 2\n"
    "1 1 0 0 0 -1 0 0 0\n"
    "1 1 0 0 0 -1 0 0 0\n"
    "Futile cycles 1\n"
    "0 1 0 0 1 0 0.5 0 1\n"
    "Reverse pathways 1\n"
    "0 0 1 1 0 0 0 0 0\n"
    "Objective pathways 1\n"
    "0 0 0 0 0 0 0 1 0\n";

const char* const kPrimalReport =
    "Objective\n 1.00 Growth \n1.000000\n\nfluxes\n"
    "         HEX   2.00000000 \n"
    "      GLCxtI   2.00000000 \n"
    "      GLCxtO   0.50000000 \n"
    "       ACxtI   0.00000000 \n"
    "       ACxtO   0.50000000 \n"
    "        PGIR   3.00000000 \n"
    "        ZWFR  -1.00000000 \n"
    "      ATPMAX   7.00000000 \n"
    "      G6PMAX   1.00000000 \n"
    "end";

const char* const kDualReport =
    "Objective\n 1.00 Growth \n1.000000\n\nShadow Prices\n"
    "         Obj 1.00000000 \n"
    "       GLCxt -0.25000000 \n"
    "        ACxt 0.10000000 \n"
    "         G6P 0.50000000 \n"
    "         ATP 0.75000000 \n"
    "\n\nReduced Costs\n"
    "        PGIR 0.10000000 \n"
    "        ZWFR -0.20000000 \n"
    "         HEX 0.40000000 \n"
    "         PGI 0.30000000 \n"
    "     GLCxt_o 9.00000000 \n"
    "end";

const char* const kFluxTrace =
    "HEX 2.000000\nGLCxtI 2.000000\nGLCxtO 0.500000\nACxtI 0.000000\nACxtO 0.500000\n"
    "PGIR 3.000000\nZWFR -1.000000\nATPMAX 7.000000\nG6PMAX 1.000000\n"
    "\n\n"
    "Obj 0.000000\nHEX 2.000000\nPGI 3.000000\nPGI_r 0.000000\nZWF 0.000000\nZWF_r 1.000000\n"
    "GLCxt_o -2.000000\nACxt_o 0.500000\nATP_o 0.000000\nG6P_o 1.000000\n"
    "\n\n";

const char* const kDualTrace =
    "\n\n\n"
    "PGIR 0.100000\nZWFR -0.200000\nHEX 0.400000\nPGI 0.300000\nGLCxt_o 9.000000\n"
    "Obj 1.000000\nGLCxt -0.250000\nACxt 0.100000\nG6P 0.500000\nATP 0.750000\n"
    "\n\n\n";

class PathwayEvaluationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::write_file("test_path.txt", kPathReactions);
    test::write_file("pathways.txt", kPathways);
    // Named as the reports are by default; "Read P" asks for them in lower case.
    test::write_file("Primal.out", kPrimalReport);
    test::write_file("Dual.out", kDualReport);
    recorder.attach(wb);
  }
  test::ScratchFolder folder;
  Workbench wb;
  test::FrontEndRecorder recorder;
};

TEST_F(PathwayEvaluationTest, DecomposesTheFluxesAndValuesThePathways) {
  read_p(wb);
  EXPECT_EQ(test::read_file("test.txt"),
            std::string(kFluxTrace) + kDualTrace +
                "Obj 0.000000\nHEX 0.400000\nPGI 0.100000\nPGI_r -0.100000\nZWF -0.200000\n"
                "ZWF_r 0.200000\n"
                "\n\n\n"
                "GLCxt_o -0.250000\nACxt_o 0.100000\nATP_o 0.750000\nG6P_o 0.500000\n");
  EXPECT_EQ(test::read_file("pathway_results.out"),
            "Pathway    Weight    Cost\n"
            "Pri.1      2.0000    0.7500\n"
            "Pri.2      0.0000    0.7500\n"
            "Fut.3      1.0000    0.8500\n"
            "Rev.4      0.0000   -0.3000\n"
            "Obj.5      0.0000    0.7500\n");
  EXPECT_EQ(wb.tools.last_pathways.reactions, 10);
  EXPECT_EQ(wb.tools.last_pathways.pathways, 5);
  EXPECT_EQ(wb.tools.last_pathways.istat, 4);
  EXPECT_TRUE(recorder.messages.empty());
}

// Without the heading only "Obj" counts as internal: HEX loses its reduced cost, the pairs keep
// theirs, and every reaction is listed after the break.
TEST_F(PathwayEvaluationTest, WithoutAnExchangeHeadingOnlyPairsTakeReducedCosts) {
  std::string reactions = kPathReactions;
  reactions.erase(reactions.find("(Exchange outputs)\n"), 19);
  test::write_file("test_path.txt", reactions);
  read_p(wb);
  EXPECT_EQ(test::read_file("test.txt"),
            std::string(kFluxTrace) + kDualTrace +
                "Obj 0.000000\n"
                "\n\n\n"
                "HEX 0.000000\nPGI 0.100000\nPGI_r -0.100000\nZWF -0.200000\nZWF_r 0.200000\n"
                "GLCxt_o -0.250000\nACxt_o 0.100000\nATP_o 0.750000\nG6P_o 0.500000\n");
  EXPECT_EQ(test::read_file("pathway_results.out").substr(26, 28), "Pri.1      2.0000    0.3500\n");
}

// One pathway that must carry the flux 1: the objective of the decomposition is its cost. The
// generator goes on from where the last draw left it.
TEST_F(PathwayEvaluationTest, CostsAreDrawnFromTheSharedGenerator) {
  test::write_file("test_path.txt", "A:\n");
  test::write_file("pathways.txt", "a b 1 1  a b 0  a b 0  a b 0");
  test::write_file("Primal.out", "fluxes A 1 end");
  read_p(wb);
  EXPECT_NE(test::read_file("info.OUT").find("objective 0.00125126\n"), std::string::npos);
  read_p(wb);
  EXPECT_NE(test::read_file("info.OUT").find("objective 0.563585\n"), std::string::npos);
  EXPECT_EQ(test::read_file("pathway_results.out"),
            "Pathway    Weight    Cost\nPri.1      1.0000    0.0000\n");
}

// ZWF forward needs Rev.4, which brings PGI_r along, but PGI_r carries nothing.
TEST_F(PathwayEvaluationTest, FluxesNoPathwaysMakeAreReported) {
  std::string primal = kPrimalReport;
  primal.replace(primal.find("-1.00000000"), 11, " 1.00000000");
  test::write_file("Primal.out", primal);
  read_p(wb);
  EXPECT_NE(wb.tools.last_pathways.istat, 4);
  EXPECT_EQ(recorder.messages,
            std::vector<std::string>{
                "Read P: the fluxes are no non-negative combination of the pathways (istat = " +
                std::to_string(wb.tools.last_pathways.istat) +
                "); the weights in pathway_results.out are not a decomposition"});
  EXPECT_FALSE(wb.input_refused);
}

TEST_F(PathwayEvaluationTest, RefusesInputsItCannotRead) {
  struct Case {
    const char* file;
    std::string text;
    const char* message;
  };
  const Case cases[] = {
      {"test_path.txt", "HEX:\nABCDEFGHIJKLM\n",
       "test_path.txt: the name 'ABCDEFGHIJKL' is longer than 11 characters (line 2)"},
      {"pathways.txt", "Primary pathways two",
       "pathways.txt: 'two' is not a number of pathways (the block of Pri.)"},
      {"pathways.txt", "Primary pathways 1 1 1 0 0 0 -1 0 0",
       "pathways.txt: end of file before coefficient 9 of pathway 1"},
      {"pathways.txt", "Primary pathways 1 1 1 0 0 0 -1 0 0 x",
       "pathways.txt: 'x' is not a number (coefficient 9 of pathway 1)"},
      {"pathways.txt", "Primary pathways 0 Futile",
       "pathways.txt: end of file in the heading of the block of Fut."},
      {"Primal.out", "Objective 1.00 Growth", "Primal.out: end of file before 'fluxes'"},
      {"Primal.out", "fluxes HEX 2.0 PGIR", "Primal.out: end of file before the value of PGIR"},
      {"Primal.out", "fluxes HEX 2.0 PGIR 3.0", "Primal.out: end of file before 'end'"},
      {"Primal.out", "fluxes HEX two end", "Primal.out: 'two' is not a number (the value of HEX)"},
      {"Dual.out", "Shadow Costs", "Dual.out: end of file before 'Prices'"},
      {"Dual.out", "Prices Obj 1 end", "Dual.out: end of file before the value of end"},
      {"Dual.out", "Prices Obj 1 Reduced", "Dual.out: end of file after 'Reduced'"},
      {"Dual.out", "Prices Obj 1 Reduced Costs PGIR 0.1", "Dual.out: end of file before 'end'"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    test::ScratchFolder scratch;
    test::write_file("test_path.txt", kPathReactions);
    test::write_file("pathways.txt", kPathways);
    test::write_file("Primal.out", kPrimalReport);
    test::write_file("Dual.out", kDualReport);
    test::write_file(c.file, c.text);
    recorder.messages.clear();
    read_p(wb);
    EXPECT_EQ(recorder.messages,
              std::vector<std::string>{std::string(c.message) + "; no pathways evaluated"});
    EXPECT_EQ(test::read_file("pathway_results.out"), "");
  }
}

TEST_F(PathwayEvaluationTest, GivingUpOnAReportEndsTheCommand) {
  std::filesystem::remove("Dual.out");
  read_p(wb);
  EXPECT_EQ(recorder.file_errors, std::vector<std::string>{"dual.out"});
  EXPECT_EQ(wb.model.file_abort, 1);
  EXPECT_EQ(test::read_file("test.txt"), kFluxTrace);
}

TEST(FindIgnoringCaseTest, PrefersTheExactNameThenTheFirstInNameOrder) {
  struct Case {
    std::vector<const char*> files;
    const char* found;
  };
  const Case cases[] = {
      {{}, "primal.out"},
      {{"Primal.out"}, "Primal.out"},
      {{"Primal.out", "PRIMAL.OUT"}, "PRIMAL.OUT"},
      {{"Primal.out", "primal.out"}, "primal.out"},
      {{"primal.outx", "xprimal.out"}, "primal.out"},
  };
  for (const Case& c : cases) {
    test::ScratchFolder folder;
    for (const char* f : c.files) test::write_file(f, "");
    EXPECT_EQ(find_ignoring_case("primal.out"), c.found);
  }
}

// The bundled pathway description decomposes the default optimum: glycolysis, the oxidative
// pentose phosphate pathway, the TCA cycle, respiration and ATP synthase, the biomass once and
// the maintenance at its bound 8.39.
TEST(DefaultPathwaysTest, DecomposeTheDefaultOptimum) {
  test::ScratchFolder folder;
  for (const char* f : {"path.stm", "test_path.txt", "pathways.txt"}) test::copy_data_file(f);
  Workbench wb;
  read_optimize(wb);
  print_primal(wb);
  print_dual(wb);
  read_p(wb);
  EXPECT_EQ(wb.tools.last_pathways.istat, 4);
  const std::string results = test::read_file("pathway_results.out");
  for (const char* line :
       {"Pri.1      4.8609", "Pri.2      1.1815", "Pri.3      5.0644", "Pri.4     38.5346",
        "Pri.5     45.5140", "Pri.6      0.0000", "Pri.7      0.0000", "Fut.8      0.0000",
        "Fut.9      0.0000", "Rev.10     0.0000", "Obj.11     1.0000", "Obj.12     8.3900"}) {
    EXPECT_NE(results.find(std::string("\n") + line + "  "), std::string::npos) << line;
  }
}

}  // namespace
}  // namespace vemo
