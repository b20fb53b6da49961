#include "cli/cli_app.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/test_support.h"

namespace vemo {
namespace {

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

CliRun run(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = run_cli(args, out, err);
  return {status, out.str(), err.str()};
}

class CliAppTest : public ::testing::Test {
 protected:
  test::ScratchFolder folder;
};

TEST_F(CliAppTest, RunsTheCommandsInOrderWithOneSummaryEach) {
  test::write_file("path.stm", test::kToyNetwork);
  const CliRun r = run({"read-optimize", "print-primal", "print-dual", "print-stmat"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "read-optimize: 4 reactions, 4 rows; objective 10.000000 (istat = 4)\n"
            "print-primal: wrote Primal.out\n"
            "print-dual: wrote Dual.out\n"
            "print-stmat: wrote Stmat.out\n");
  EXPECT_TRUE(std::filesystem::exists("Dual.out"));
}

TEST_F(CliAppTest, SettingsAndFolderApply) {
  std::filesystem::create_directory("net");
  test::write_file("net/toy.stm", test::kToyNetwork);
  const CliRun r = run({"-C", "net", "--set", "reactions_file=toy.stm", "--set",
                        "primal_file=p.txt", "read-data", "optimize", "print-primal"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "read-data: 4 reactions, 4 rows\n"
            "optimize: objective 10.000000 (istat = 4)\n"
            "print-primal: wrote p.txt\n");
  EXPECT_TRUE(std::filesystem::exists("net/p.txt"));
}

TEST_F(CliAppTest, AFailingCommandStopsTheRunWithStatusOne) {
  const CliRun missing = run({"read-optimize", "print-primal"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.out, "");
  EXPECT_EQ(missing.err,
            "vemo-cli: cannot open 'path.stm' for reading: No such file or directory\n");
  EXPECT_FALSE(std::filesystem::exists("Primal.out"));

  test::write_file("path.stm", "1 A 0 R1 0 end end E 0");
  const CliRun cut = run({"read-data"});
  EXPECT_EQ(cut.status, 1);
  EXPECT_EQ(cut.err,
            "vemo-cli: path.stm: end of file inside the objective section; reading stopped "
            "after 1 reactions\n");
}

TEST_F(CliAppTest, DeletionStudiesSummariseTheirCounts) {
  test::write_file("path.stm", test::kToyNetwork);
  test::write_file("deletion.txt", "1 HEX1 0 999");
  const CliRun r = run({"--set", "precursors_only=0", "single-deletion", "double-deletion"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "single-deletion: 2 entries, max growth 10.000000: 1 lethal, 0 retarding, "
            "1 redundant; 3 solves; wrote SingleDeletion.out\n"
            "double-deletion: 1 combinations, max growth 10.000000: 1 lethal (1 trivial), "
            "0 retarding, 0 redundant; 3 solves; wrote DoubleDeletion.out\n");

  // The study goes on with the network in memory when the reactions file is missing, but the
  // run did not complete.
  std::filesystem::remove("path.stm");
  const CliRun missing = run({"single-deletion"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("cannot open 'path.stm'"), std::string::npos);
}

TEST_F(CliAppTest, DrawsTheMapAndRendersTheView) {
  test::write_file("path.stm", test::kToyNetwork);
  test::write_file("mapper.txt", "3 10 10 GLC 5 10 30 10 90 HEX1 20 50 20 60 999");
  const CliRun r = run({"--set", "map_scale=2", "read-optimize", "draw-map", "render", "v.svg"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("draw-map: 1 labels, 1 arrows from mapper.txt\nrender: wrote v.svg\n"),
            std::string::npos);
  const std::string svg = test::read_file("v.svg");
  EXPECT_NE(svg.find(">10.000</text>"), std::string::npos);
  EXPECT_NE(svg.find("<line x1=\"20\" y1=\"60\" x2=\"20\" y2=\"180\""), std::string::npos);
  EXPECT_EQ(run({"render"}).status, 2);  // render needs its file
}

TEST_F(CliAppTest, ScansTakeTheirSettingsAndRefuseEndlessOnes) {
  test::write_file("path.stm", test::kToyNetwork);
  const CliRun r =
      run({"--set", "isocline.final_x=2", "--set", "isocline.final_y=0", "isoclines", "--set"});
  EXPECT_EQ(r.status, 2);  // options come before the commands
  const CliRun ok = run({"--set", "isocline.final_x=2", "--set", "isocline.final_y=0", "--set",
                         "isocline_x_flux=GLCxtI", "isoclines"});
  EXPECT_EQ(ok.status, 0) << ok.err;
  EXPECT_EQ(ok.out, "isoclines: 3 solves, 3 points; wrote Isocline.out\n");
  const CliRun endless = run({"--set", "phase.x_step=0", "phase-plane"});
  EXPECT_EQ(endless.status, 1);
  EXPECT_NE(endless.err.find("X-Value Step Size must be greater than 0"), std::string::npos);
  EXPECT_EQ(run({"--set", "phase_z_flux=TOOLONGNAME", "phase-plane"}).err,
            "vemo-cli: --set phase_z_flux=TOOLONGNAME: Please enter no more than 8 "
            "characters.\n");
}

TEST_F(CliAppTest, DiagramsFromTheScans) {
  test::copy_data_file("path.stm");
  test::write_file("mapper.txt", "999");
  const CliRun r =
      run({"--set", "robust.automatically=0", "--set", "robust.high_value=50", "--set",
           "robust_plot.draw_points=1", "robustness", "draw-robustness", "render", "view.svg"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("draw-robustness: 101 points\n"), std::string::npos);
  EXPECT_NE(test::read_file("view.svg").find("Robustness Diagram</text>"), std::string::npos);
  EXPECT_EQ(run({"--set", "isocline_plot.x_label=0", "draw-isoclines"}).status, 2);
  EXPECT_EQ(run({"--set", "isocline_plot.region_lower[7]=1", "draw-isoclines"}).status, 2);
}

struct UsageCase {
  std::vector<std::string> args;
  const char* message;
};

class CliUsageTest : public CliAppTest, public ::testing::WithParamInterface<UsageCase> {};

TEST_P(CliUsageTest, UsageErrorsGiveStatusTwo) {
  const CliRun r = run(GetParam().args);
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find(GetParam().message), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    BadCalls, CliUsageTest,
    ::testing::Values(
        UsageCase{{}, "vemo-cli: no command given"},
        UsageCase{{"fly"}, "vemo-cli: unknown command 'fly'"},
        UsageCase{{"--set"}, "vemo-cli: --set needs a value"},
        UsageCase{{"--set", "novalue", "optimize"}, "--set takes NAME=VALUE"},
        UsageCase{{"--set", "objective_choice=20", "optimize"},
                  "vemo-cli: --set objective_choice=20: Please enter an integer between 0 and 16."},
        UsageCase{{"--set", "do_ranging=yes", "optimize"}, "Please enter an integer."},
        UsageCase{{"--bogus", "optimize"}, "unknown option '--bogus'"}));

}  // namespace
}  // namespace vemo
