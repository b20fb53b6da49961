#include "analyses/connectivity.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/test_support.h"

namespace vemo {
namespace {

TEST(ConnectivityTest, ExcludedNames) {
  const std::pair<const char*, bool> cases[] = {
      {"O2xtI", true},  {"O2xtO", true},   {"xtI", true},    {"O2xtIR", false},
      {"tI", false},    {"I", false},      {"", false},      {"VGRO", true},
      {"FATP", true},   {"FNADH", true},   {"FNADPH", true}, {"ATPM", true},
      {"Growth", true}, {"growth", false}, {"ATPMR", false}, {"VGROW", false},
  };
  for (const auto& [name, excluded] : cases) {
    EXPECT_EQ(is_excluded_from_connectivity(name), excluded) << name;
  }
}

// O2 takes part in three internal reactions and both exchange reactions; PI only in the
// maintenance reaction, which is left out; the objective weighs Growth (never counted) and R2.
TEST(ConnectivityTest, CountsPerRowWithTheObjectiveRowFirst) {
  test::ScratchFolder folder;
  test::write_file("path.stm",
                   "1 O2 0 O2xtI  -1 O2 0 O2xtO  -1 O2 1 H2O 0 R1  -1 O2 1 H2O 0 R2 "
                   "-2 O2 -1 NADH 1 NAD 0 R3R  -1 H2O -1 ATP 1 PI 0 ATPM  1 NADH 0 VGRO "
                   "-1 NAD 0 Growth  1 ATP 0 X  0 end "
                   "end E 0  max 1 Growth 0.5 R2 0 end  0 end 0");
  Workbench wb;
  connectivity(wb);
  EXPECT_EQ(test::read_file("Connectivity.out"),
            "Obj 1\nO2 3\nH2O 2\nNADH 1\nNAD 1\nATP 1\nPI 0\n");
  EXPECT_EQ(wb.tools.connectivity_rows, 7);
}

TEST(ConnectivityTest, ARefusedReactionsFileWritesNoReport) {
  test::ScratchFolder folder;
  test::write_file("path.stm", "1 O2 0 O2xtI  -1 O2 0");
  Workbench wb;
  test::FrontEndRecorder recorder;
  recorder.attach(wb);
  connectivity(wb);
  EXPECT_EQ(recorder.messages.size(), 1u);
  EXPECT_FALSE(std::filesystem::exists("Connectivity.out"));
}

}  // namespace
}  // namespace vemo
