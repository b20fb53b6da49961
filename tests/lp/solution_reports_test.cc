#include "lp/solution_reports.h"

#include <gtest/gtest.h>

#include "lp/optimize.h"
#include "support/test_support.h"

namespace vemo {
namespace {

class SolutionReportsTest : public ::testing::Test {
 protected:
  void print_all() {
    print_primal(wb);
    print_dual(wb);
    print_stmat(wb);
  }
  test::ScratchFolder folder;
  Workbench wb;
};

TEST_F(SolutionReportsTest, ToyNetworkReports) {
  test::write_file("path.stm", test::kToyNetwork);
  read_optimize(wb);
  print_all();
  EXPECT_EQ(test::read_file("Primal.out"),
            "Objective\n"
            " 1.00 Growth \n"
            "10.000000\n"
            "\n"
            "fluxes\n"
            "      GLCxtI  10.00000000 \n"
            "        HEX1  10.00000000 \n"
            "        PGIR  10.00000000 \n"
            "      Growth  10.00000000 \n"
            "end");
  EXPECT_EQ(test::read_file("Dual.out"),
            "Objective\n"
            " 1.00 Growth \n"
            "10.000000\n"
            "\n"
            "Shadow Prices\n"
            "         Obj 1.00000000 \n"
            "         GLC -1.00000000 \n"
            "         G6P -1.00000000 \n"
            "         F6P -1.00000000 \n"
            "\n\nReduced Costs\n"
            "      GLCxtI 1.00000000 \n"
            "        HEX1 0.00000000 \n"
            "        PGIR 0.00000000 \n"
            "      Growth 0.00000000 \n"
            "end");
  EXPECT_EQ(test::read_file("Stmat.out"),
            "4 X 4\n"
            "              GLCxtI   HEX1   PGIR  Growth \n"
            "         Obj   0.00   0.00   0.00   1.00 \n"
            "         GLC   1.00  -1.00   0.00   0.00 \n"
            "         G6P   0.00   1.00  -1.00   0.00 \n"
            "         F6P   0.00   0.00   1.00  -1.00 \n");
}

TEST_F(SolutionReportsTest, BeforeAnyReadTheReportsAreEmpty) {
  print_all();
  EXPECT_EQ(test::read_file("Primal.out"), "Objective\n\n0.000000\n\nfluxes\nend");
  EXPECT_EQ(test::read_file("Dual.out"),
            "Objective\n\n0.000000\n\nShadow Prices\n\n\nReduced Costs\nend");
  EXPECT_EQ(test::read_file("Stmat.out"), "0 X 0\n             \n");
}

TEST_F(SolutionReportsTest, NegativeFluxesKeepTheirSignAndFileNamesAreFollowed) {
  wb.model.num_of_reactions = 1;
  wb.model.reaction_names[1] = "BACKR";
  wb.model.flux[1] = -123.456789f;
  wb.settings.primal_file = "other.out";
  print_primal(wb);
  EXPECT_EQ(test::read_file("other.out"),
            "Objective\n\n0.000000\n\nfluxes\n       BACKR -123.45678711 \nend");
  EXPECT_FALSE(std::filesystem::exists("Primal.out"));
}

}  // namespace
}  // namespace vemo
