#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <sstream>

#include "analyses/isoclines.h"
#include "analyses/phase_plane.h"
#include "analyses/robustness.h"
#include "lp/build_lp.h"
#include "lp/lp_solver.h"
#include "model/reactions_reader.h"
#include "support/test_support.h"

namespace vemo {
namespace {

// Glucose and oxygen are taken up at fixed rates; growth needs one of each. Excess glucose goes
// to a maintenance drain that needs at least 0.5, excess oxygen leaves. So growth is
// min(x - 0.5, y), and x below 0.5 is infeasible.
const char* const kGrowthNetwork =
    "1 GLCxt 0 GLCxtI  1 O2xt 0 O2xtI  -1 GLCxt -1 O2xt 0 Growth  -1 GLCxt 0 MAINT "
    "-1 O2xt 0 O2xtO  0 end  end E 0  max 1 Growth 0 end  0.5 MAINT 1000  0 end 0";

std::vector<std::vector<double>> numbers_after(const std::string& text, int header_lines) {
  std::istringstream in(text);
  std::string line;
  for (int k = 0; k < header_lines; ++k) std::getline(in, line);
  std::vector<std::vector<double>> rows;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::vector<double> row;
    double v;
    while (words >> v) row.push_back(v);
    rows.push_back(row);
  }
  return rows;
}

class ScanTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::write_file("path.stm", kGrowthNetwork);
    recorder.attach(wb);
  }
  test::ScratchFolder folder;
  Workbench wb;
  test::FrontEndRecorder recorder;
};

TEST_F(ScanTest, IsoclineGridIsSortedByGrowthWithTiesInScanOrder) {
  wb.isocline = {0.0f, 2.0f, 0.0f, 2.0f, 1.0f, 1};
  make_isoclines(wb);
  const std::string report = test::read_file("Isocline.out");
  EXPECT_EQ(report.substr(0, report.find('\n', 13) + 1),
            "Growth Order\nGLCxtI O2xtI Growth GLC O2 FOR ETH AC SUCC NADH-NAD NADPH-NADP "
            "ATP-(ADP+PI) Acetate_DR Lactate_DR Succ_DR Eth_DR Formate_DR O2in O2out\n");
  const auto rows = numbers_after(report, 2);
  // (x, y, growth, GLCxt price, O2xt price): x = 0 is infeasible and left out.
  const double expected[][5] = {{1, 0, 0, 0, -1},   {2, 0, 0, 0, -1}, {1, 1, 0.5, -1, 0},
                                {1, 2, 0.5, -1, 0}, {2, 1, 1, 0, -1}, {2, 2, 1.5, -1, 0}};
  ASSERT_EQ(rows.size(), std::size(expected));
  for (size_t k = 0; k < rows.size(); ++k) {
    ASSERT_EQ(rows[k].size(), 19u);
    for (int c = 0; c < 5; ++c) EXPECT_NEAR(rows[k][c], expected[k][c], 1e-6) << k << "," << c;
    EXPECT_NEAR(rows[k][17], rows[k][1], 1e-6);  // O2in is the fixed oxygen uptake
  }
  EXPECT_EQ(wb.isocline_result.isocline_count, 6);
  EXPECT_EQ(wb.isocline_result.isocline_points[7].growth, 0.0f);  // the zero record after the last
  // One line per reaction, one number per grid point, unsolved points included.
  const std::string fluxes = test::read_file("IsoclineFluxes.out");
  const auto flux_rows = numbers_after(fluxes, 0);
  ASSERT_EQ(flux_rows.size(), 5u);
  EXPECT_EQ(fluxes.substr(0, 10), " GLCxtI  0");
  std::istringstream first(fluxes);
  std::string line;
  std::getline(first, line);
  int numbers = 0;
  for (size_t at = line.find('.'); at != std::string::npos; at = line.find('.', at + 1)) ++numbers;
  EXPECT_EQ(numbers, 9);
}

TEST_F(ScanTest, IsoclinesWithNoPointsWriteTheHeadersOnly) {
  wb.isocline.initial_x = 3.0f;
  wb.isocline.final_x = 2.0f;
  make_isoclines(wb);
  EXPECT_EQ(numbers_after(test::read_file("Isocline.out"), 2).size(), 0u);
}

TEST(AdaptiveAdvanceTest, JumpsBacksOrCreepsBySensitivity) {
  int m = 1;
  EXPECT_FLOAT_EQ(adaptive_advance(1.0f, 2.0f, -5.0f, 0.01f, m), 3.01f);  // past the increase
  EXPECT_EQ(m, 1);
  EXPECT_FLOAT_EQ(adaptive_advance(1.0f, 0.0f, -0.5f, 0.01f, m), 1.5f);  // back past the decrease
  // No usable ranging: s, 2s, 3s, and a jump resets the multiplier.
  float v = 0.0f;
  v = adaptive_advance(v, 0.001f, 0.0f, 0.01f, m);
  EXPECT_FLOAT_EQ(v, 0.01f);
  v = adaptive_advance(v, 0.001f, 0.0f, 0.01f, m);
  EXPECT_FLOAT_EQ(v, 0.03f);
  v = adaptive_advance(v, 0.001f, 0.0f, 0.01f, m);
  EXPECT_FLOAT_EQ(v, 0.06f);
  EXPECT_EQ(m, 4);
  adaptive_advance(v, 1.0f, 0.0f, 0.01f, m);
  EXPECT_EQ(m, 1);
}

TEST_F(ScanTest, PlainPhasePlaneStepsByTenthsWhereUnsolvedAndRecordsEverySolvedPoint) {
  PhasePlaneSettings& s = wb.phase;
  s.final_x = 2.0f;
  s.final_y = 1.0f;
  s.use_metabolite_data = 0;
  s.filter_data = 0;  // every solved point is recorded, in section 1 or 2
  make_phase_plane(wb);
  const PhasePlaneResult& r = wb.phase_result;
  // Per y: x = 0, 0.1, ..., 0.5 (unsolved below 0.5, then solved), then 1.5; 2.5 ends the row.
  EXPECT_EQ(r.solves, 2 * 7);
  EXPECT_EQ(r.section1_points.count + r.section2_points.count, 2 * 2);
  std::set<float> xs;
  for (const auto* list : {&r.section1_points, &r.section2_points}) {
    for (int k = 1; k <= list->count; ++k) xs.insert((*list)[k].x_value);
  }
  ASSERT_EQ(xs.size(), 2u);
  EXPECT_NEAR(*xs.begin(), 0.5f, 1e-5f);
  EXPECT_NEAR(*xs.rbegin(), 1.5f, 1e-5f);
  const std::string report = test::read_file("phasedata.out");
  EXPECT_EQ(report.substr(0, report.find('\n') + 1),
            "GLCxtI O2xtI Growth O2in O2out ForO AcO LacO EthO SuccO All.Inc. All.Dec. O2 FOR "
            "ETH AC SUCC NADH-NAD NADPH-NADP ATP-(ADP+PI)\n");
  EXPECT_NE(report.find("\nSection#2_with_possible_points\n"), std::string::npos);
  for (const auto& row : numbers_after(report, 1)) {
    if (!row.empty()) {
      EXPECT_EQ(row.size(), 20u);
    }
  }
}

TEST_F(ScanTest, PhasePlaneWithMetabolitesRecordsPhaseBordersAndRanges) {
  PhasePlaneSettings& s = wb.phase;
  s.final_x = 3.0f;
  s.final_y = 3.0f;
  make_phase_plane(wb);
  const PhasePlaneResult& r = wb.phase_result;
  ASSERT_GT(r.section1_points.count, 1);
  // Growth at every recorded point is the optimum min(x - 0.5, y).
  for (int k = 1; k <= r.section1_points.count; ++k) {
    const PhasePoint& p = r.section1_points[k];
    EXPECT_NEAR(p.growth, std::min(p.x_value - 0.5f, p.y_value), 1e-5) << k;
  }
  const PhasePoint& zero = r.section1_points[r.section1_points.count + 1];
  EXPECT_EQ(zero.x_value, 0.0f);
  EXPECT_EQ(zero.growth, 0.0f);
}

TEST_F(ScanTest, ThreeDimensionalRunWritesTriplesForEveryLevel) {
  test::write_file(
      "path.stm",
      "1 GLCxt 0 GLCxtI  1 O2xt 0 O2xtI  1 SUCCxt 0 SUCCxtI  -1 GLCxt -1 O2xt 0 Growth "
      "-1 SUCCxt 0 Growth2  -1 GLCxt 0 MAINT  -1 O2xt 0 O2xtO  0 end  end E 0 "
      "max 1 Growth 1 Growth2 0 end  0.5 MAINT 1000  0 end 0");
  PhasePlaneSettings& s = wb.phase;
  s.final_x = 2.0f;
  s.final_y = 2.0f;
  s.use_metabolite_data = 0;
  s.three_d = 1;
  s.z_final = 2.0f;
  make_phase_plane(wb);
  const std::string report = test::read_file("phasedata.out");
  EXPECT_EQ(report.substr(0, report.find('\n') + 1), "GLCxtI O2xtI SUCCxtI \n");
  std::set<double> levels;
  for (const auto& row : numbers_after(report, 1)) {
    ASSERT_EQ(row.size(), 3u);
    levels.insert(row[2]);
  }
  EXPECT_EQ(levels, (std::set<double>{0.0, 1.0, 2.0}));
  EXPECT_EQ(wb.phase_result.section1_points.count, 0);
  EXPECT_EQ(wb.phase_result.solves, 3 * 3 * (5 + 2));  // levels x rows x (unsolved + solved)
}

TEST(PhasePlaneOptionsTest, FinalValuesBelowInitialValuesAreCorrected) {
  Workbench wb;
  wb.phase.initial_x = 5.0f;
  wb.phase.final_x = 2.0f;
  wb.phase.z_initial = 4.0f;
  wb.phase.z_final = 1.0f;
  apply_phase_plane_options(wb);
  EXPECT_EQ(wb.phase.final_x, 5.0f);
  EXPECT_EQ(wb.phase.final_y, 20.0f);
  EXPECT_EQ(wb.phase.z_final, 4.0f);
  EXPECT_EQ(wb.phase_plot.x_min, 5.0f);
  EXPECT_EQ(wb.phase_plot.x_max, 5.0f);
  EXPECT_EQ(wb.phase_plot.y_max, 20.0f);
}

TEST_F(ScanTest, StepsThatCannotEndAScanAreRefused) {
  wb.phase.x_step = 0.0f;
  make_phase_plane(wb);
  wb.isocline.initial_x = -1e9f;
  wb.isocline.final_x = 1e9f;
  make_isoclines(wb);
  ASSERT_EQ(recorder.messages.size(), 2u);
  EXPECT_EQ(recorder.messages[0],
            "Make Phase Plane: the X-Value Step Size must be greater than 0, or the scan never "
            "ends");
  EXPECT_NE(recorder.messages[1].find("Make isoclines: the ranges and steps ask for up to"),
            std::string::npos);
  EXPECT_FALSE(std::filesystem::exists("phasedata.out"));
  EXPECT_FALSE(std::filesystem::exists("Isocline.out"));
}

// Glucose (at most 10) reaches growth only through enzyme EA (irreversible) or EB, whose
// reaction EB1R is reversible: the scan splits it into two irreversible columns.
const char* const kEnzymeNetwork =
    "1 GLC 0 GLCxtI  -1 GLC 1 P 0 EA1  -1 GLC 1 P 0 EB1R  -1 P 0 Growth  0 end  end E 0 "
    "max 1 Growth 0 end  0 GLCxtI 10  0 end 0";

TEST_F(ScanTest, RobustnessFixesTheEnzymesTotalFlux) {
  test::write_file("path.stm", kEnzymeNetwork);
  wb.settings.robust_enzyme_1 = "EA12R";
  wb.settings.robust_enzyme_2 = "EB";
  wb.settings.robust_enzyme_3 = "";
  wb.robust = {2.0f, 22.0f, 5, 0};
  do_robustness(wb);
  // Past 10 the split reaction runs both ways at once: the total flux grows, growth stays 10.
  EXPECT_EQ(test::read_file("robust.out"),
            " EA EB \n"
            " 2.000000  2.000000 (istat = 4)\n"
            " 6.000000  6.000000 (istat = 4)\n"
            " 10.000000  10.000000 (istat = 4)\n"
            " 14.000000  10.000000 (istat = 4)\n"
            " 18.000000  10.000000 (istat = 4)\n"
            " 22.000000  10.000000 (istat = 4)\n");
  EXPECT_EQ(wb.settings.robust_enzyme_1, "EA");  // reduced names are written back
  // The additions stay: the capacity row, TEST and E2R's split-off column named by its index.
  const NetworkModel& m = wb.model;
  EXPECT_EQ(m.num_of_rows, 4);
  ASSERT_EQ(m.num_of_reactions, 6);
  EXPECT_EQ(m.reaction_names[5], "TEST");
  EXPECT_EQ(m.reaction_names[6], "6");
  EXPECT_EQ(m.stoich_matrix.at(4, 6), 1.0f);
  EXPECT_EQ(m.stoich_matrix.at(2, 6), 1.0f);  // the mirror image of E2R in row GLC
  EXPECT_EQ(m.stoich_matrix.at(4, 5), -1.0f);
  EXPECT_EQ(m.has_upper_bound[3], 0);
  EXPECT_EQ(wb.robust_result.robust_points[7].istat, 0);  // the zero record after the last
}

TEST_F(ScanTest, RobustnessFindsTheHighValueOrReplacesAZeroOne) {
  // Both enzymes irreversible here: at the optimum exactly the glucose uptake passes them.
  test::write_file("path.stm",
                   "1 GLC 0 GLCxtI  -1 GLC 1 P 0 EA1  -1 GLC 1 P 0 EB1  -1 P 0 Growth  0 end "
                   "end E 0  max 1 Growth 0 end  0 GLCxtI 10  0 end 0");
  wb.settings.robust_enzyme_1 = "EA";
  wb.settings.robust_enzyme_2 = "EB";
  do_robustness(wb);
  EXPECT_FLOAT_EQ(wb.robust.high_value, 10.0f);
  EXPECT_EQ(wb.robust_result.robust_points.count, 101);

  wb.settings.robust_enzyme_1 = "NONE";
  wb.settings.robust_enzyme_2 = "";
  do_robustness(wb);
  EXPECT_EQ(wb.robust.high_value, 5.0f);
  EXPECT_EQ(test::read_file("robust.out").substr(0, 8), " NONE  \n");

  wb.robust = {7.0f, 7.0f, 5, 0};
  recorder.messages.clear();
  do_robustness(wb);
  ASSERT_EQ(recorder.messages.size(), 1u);
  EXPECT_NE(recorder.messages[0].find("must be greater than 0"), std::string::npos);
}

// On the default network every recorded growth is the optimum at its point.
TEST(DefaultNetworkScanTest, ScanGrowthsAreTrueOptima) {
  test::ScratchFolder folder;
  test::copy_data_file("path.stm");
  Workbench wb;
  make_isoclines(wb);
  make_phase_plane(wb);
  ASSERT_GT(wb.isocline_result.isocline_count, 100);
  ASSERT_GT(wb.phase_result.section1_points.count, 10);
  Workbench fresh;
  read_data(fresh);
  const NetworkModel& m = fresh.model;
  const auto optimum_at = [&m](float glucose, float oxygen) {
    NetworkModel fixed = m;
    for (auto [name, value] : {std::pair{"GLCxtI", glucose}, std::pair{"O2xtI", oxygen}}) {
      const int j = fixed.find_reaction(name);
      fixed.has_upper_bound[j] = fixed.has_lower_bound[j] = 1;
      fixed.lower_bound[j] = fixed.upper_bound[j] = value;
    }
    LpSolver lp;
    build_lp(fixed, lp, -1);
    EXPECT_EQ(lp.lp_solve(), kIstatOptimal);
    float value, dual;
    lp.lp_get_row(1, value, dual);
    return value;
  };
  for (int k = 1; k <= wb.isocline_result.isocline_count; k += 37) {
    const IsoclinePoint& p = wb.isocline_result.isocline_points[k];
    EXPECT_NEAR(p.growth, optimum_at(p.x_value, p.y_value), 1e-5) << p.x_value << "," << p.y_value;
  }
  for (int k = 1; k <= wb.phase_result.section1_points.count; k += 11) {
    const PhasePoint& p = wb.phase_result.section1_points[k];
    EXPECT_NEAR(p.growth, optimum_at(p.x_value, p.y_value), 1e-5) << p.x_value << "," << p.y_value;
  }
}

}  // namespace
}  // namespace vemo
