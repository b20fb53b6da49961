#include <gtest/gtest.h>

#include <algorithm>

#include "display/draw_context.h"
#include "display/draw_view.h"
#include "display/isocline_diagram.h"
#include "display/phase_portrait.h"
#include "display/plot_frame.h"
#include "display/recording_canvas.h"
#include "display/robustness_diagram.h"
#include "support/test_support.h"

namespace vemo {
namespace {

using Calls = std::vector<std::string>;

bool contains(const Calls& calls, const std::string& call) {
  return std::find(calls.begin(), calls.end(), call) != calls.end();
}

int count_prefix(const Calls& calls, const std::string& prefix) {
  return static_cast<int>(std::count_if(
      calls.begin(), calls.end(), [&](const std::string& c) { return c.rfind(prefix, 0) == 0; }));
}

TEST(PlotFrameTest, FrameAxesGridAndLabelsOfThePhasePortrait) {
  RecordingCanvas canvas;
  DrawContext dc(canvas, 1.0f, 11);
  draw_plot_frame(dc, kPhaseBox);
  draw_plot_grid(dc, kPhaseBox, {5, 5, 1, 1, 0, 20, 0, 20});
  const Calls& c = canvas.calls;
  // Title, frame and the two axes with their heads.
  const Calls frame = {"font Arial 22", "pen solid 3 0,0,0", "text 2120 20 Phase Portrait Diagram",
                       "move 2100 10",  "line 2100 430",     "line 2600 430",
                       "line 2600 10",  "line 2100 10",      "pen solid 1 0,0,0",
                       "move 2150 380", "line 2550 380",     "line 2540 390",
                       "move 2550 380", "line 2540 370",     "move 2150 380",
                       "line 2150 50",  "line 2160 60",      "move 2150 50",
                       "line 2140 60"};
  ASSERT_GE(c.size(), frame.size() + 3);
  EXPECT_EQ(c[2], "color 0,0,0");  // after the context's own font and pen
  EXPECT_EQ(Calls(c.begin() + 3, c.begin() + 3 + static_cast<long>(frame.size())), frame);
  // Grid lines every 100 across and 82.5 up, then the closing lines at the right and top.
  for (const char* line : {"move 2250 380", "move 2350 380", "move 2450 380", "move 2550 380",
                           "move 2150 297", "move 2150 215", "move 2150 132", "move 2150 50"}) {
    EXPECT_TRUE(contains(c, line)) << line;
  }
  // Labels 0 to 20 under the x axis, 20 apart, and beside the y axis, 16.5 apart.
  EXPECT_TRUE(contains(c, "text 2146 385 0"));
  EXPECT_TRUE(contains(c, "text 2166 385 1"));
  EXPECT_TRUE(contains(c, "text 2546 385 20"));
  EXPECT_TRUE(contains(c, "text 2137 377 0"));
  EXPECT_TRUE(contains(c, "text 2137 360 1"));
  EXPECT_TRUE(contains(c, "text 2137 47 20"));
  EXPECT_EQ(count_prefix(c, "text "), 1 + 21 + 21);
}

class DiagramTest : public ::testing::Test {
 protected:
  Calls drawn() {
    RecordingCanvas canvas;
    draw_view(wb, canvas);
    return canvas.calls;
  }
  void SetUp() override {
    test::write_file("mapper.txt", "999");
    recorder.attach(wb);
  }
  test::ScratchFolder folder;
  Workbench wb;
  test::FrontEndRecorder recorder;
};

PhasePoint phase_point(float x, float y) {
  PhasePoint p;
  p.x_value = x;
  p.y_value = y;
  p.growth = 1.0f;
  p.dual_x_met = -1.0f;  // a recorded point never has all tested fields at 0
  return p;
}

TEST_F(DiagramTest, PhasePortraitDrawsPointsInsideTheAreaBorderIncluded) {
  wb.phase_result.section1_points.append(phase_point(20.0f, 10.0f));  // on the right border
  wb.phase_result.section1_points.append(phase_point(21.0f, 10.0f));  // outside
  wb.phase_result.section2_points.append(phase_point(5.0f, 5.0f));
  ASSERT_TRUE(draw_phase_plane(wb));
  EXPECT_EQ(wb.plots.primary_count, 2);
  const Calls c = drawn();
  EXPECT_TRUE(contains(c, "ellipse 2548 213 2552 217"));  // x 2550, y 380 - 165
  EXPECT_EQ(count_prefix(c, "ellipse "), 1);
  EXPECT_TRUE(contains(c, "pen solid 1 0,200,0"));
  EXPECT_TRUE(contains(c, "line 2247 294"));  // a cross arm from (2250, 297.5)

  wb.phase_plot.draw_primary = 0;
  ASSERT_TRUE(draw_phase_plane(wb));
  const Calls hidden = drawn();
  EXPECT_EQ(count_prefix(hidden, "ellipse "), 0);
  EXPECT_TRUE(contains(hidden, "line 2247 294"));  // the secondary crosses stay
}

TEST_F(DiagramTest, RobustnessLinesPointsAndAutomaticRange) {
  for (float v : {2.0f, 5.0f, 8.0f}) {
    wb.robust_result.robust_points.append({v, 4, 0.1f * v});
  }
  ASSERT_TRUE(draw_robustness(wb));
  EXPECT_EQ(wb.robust_plot.x_min, 2.0f);
  EXPECT_EQ(wb.robust_plot.x_max, 8.0f);
  EXPECT_FLOAT_EQ(wb.robust_plot.y_min, 0.2f);
  const RobustPlotPoint& last = wb.plots.robust_plot_points[3];
  EXPECT_EQ(last.px, 3150);
  EXPECT_EQ(last.py, 50);
  Calls c = drawn();
  EXPECT_TRUE(contains(c, "move 2750 380"));
  EXPECT_TRUE(contains(c, "line 2950 215"));
  EXPECT_TRUE(contains(c, "line 3150 50"));
  EXPECT_EQ(count_prefix(c, "ellipse "), 0);  // points off by default
  wb.robust_plot.draw_points = 1;
  wb.robust_plot.draw_lines = 0;
  c = drawn();
  EXPECT_EQ(count_prefix(c, "ellipse "), 3);  // the last point too

  // Every growth negative: the y axis ends at 0.
  wb.robust_result.robust_points.clear();
  wb.robust_result.robust_points.append({1.0f, 4, -0.5f});
  wb.robust_result.robust_points.append({2.0f, 4, -0.2f});
  ASSERT_TRUE(draw_robustness(wb));
  EXPECT_EQ(wb.robust_plot.y_max, 0.0f);
  EXPECT_EQ(wb.robust_plot.y_min, -0.5f);
}

TEST_F(DiagramTest, AnEmptyAxisRangeShowsNoPoints) {
  wb.robust_result.robust_points.append({3.0f, 4, 1.0f});  // one point: x_min == x_max
  ASSERT_TRUE(draw_robustness(wb));
  EXPECT_EQ(wb.plots.robust_plot_points[1].px, -1);
  wb.robust_plot.draw_points = 1;
  EXPECT_EQ(count_prefix(drawn(), "ellipse "), 0);
}

IsoclinePoint isocline_point(float x, float y, float growth) {
  IsoclinePoint p;
  p.x_value = x;
  p.y_value = y;
  p.growth = growth;
  return p;
}

TEST_F(DiagramTest, IsoclineRegionsAreHalfOpenAndBordersAreMarked) {
  IsoclineResult& r = wb.isocline_result;
  r.isocline_points.append(isocline_point(1, 1, 0.5f));
  r.isocline_points.append(isocline_point(2, 1, 1.0f));   // exactly 1: region 2, green
  r.isocline_points.append(isocline_point(3, 1, 2.05f));  // near the border 2.0
  r.isocline_points.append(isocline_point(4, 1, 0.05f));  // near 0, which is no border
  r.isocline_count = 4;
  wb.isocline_plot.auto_regions = 0;
  wb.isocline_plot.threshold_lines = 1;
  ASSERT_TRUE(draw_isoclines(wb));
  const Calls c = drawn();
  const auto pen_before = [&](const std::string& ellipse) {
    auto it = std::find(c.begin(), c.end(), ellipse);
    EXPECT_NE(it, c.end()) << ellipse;
    while (it != c.begin() && it->rfind("pen ", 0) != 0) --it;
    return *it;
  };
  // Sorted by value: 0.05 (x 4), 0.5 (x 1), 1.0 (x 2), 2.05 (x 3); px = 2150 + 20 x.
  EXPECT_EQ(pen_before("ellipse 2228 862 2232 866"), "pen solid 1 255,0,0");
  EXPECT_EQ(pen_before("ellipse 2188 862 2192 866"), "pen solid 1 0,255,0");
  // Three frames, and marks at 1.0 (on the border) and 2.05; none at 0.05.
  EXPECT_EQ(count_prefix(c, "pen solid 3 0,0,0"), 3 + 2);
}

TEST_F(DiagramTest, ContinuousPlotPaintsCellsAndTheLegend) {
  IsoclineResult& r = wb.isocline_result;
  r.isocline_points.append(isocline_point(10, 10, 0.012f));
  r.isocline_points.append(isocline_point(12, 10, 0.871f));
  r.isocline_count = 2;
  wb.isocline_plot.continuous_plot = 1;
  wb.isocline_plot.auto_regions = 0;
  ASSERT_TRUE(draw_isoclines(wb));
  const Calls c = drawn();
  EXPECT_TRUE(contains(c, "text 2565 540 0.01"));
  EXPECT_TRUE(contains(c, "text 2565 883 0.87"));
  // A cell of 21 x 19 pixels around (2350, 715): hx 10, hy 9 (each corner column drawn twice
  // where the offset is 0).
  int cell = 0;
  for (const std::string& call : c) {
    int x, y;
    if (std::sscanf(call.c_str(), "pixel %d %d 0,0,255", &x, &y) == 2 && y >= 700 && y <= 730 &&
        x >= 2330 && x <= 2370) {
      ++cell;
    }
  }
  EXPECT_EQ(cell, 4 * 11 * 10);  // four quadrants of (hx + 1) x (hy + 1)
}

TEST(GradientColorTest, BlueThroughVioletAndRedToYellow) {
  const std::pair<int, Rgb> cases[] = {
      {0, {0, 0, 255}},   {254, {254, 0, 255}}, {255, {255, 0, 255}}, {509, {255, 0, 1}},
      {510, {255, 1, 0}}, {764, {255, 255, 0}}, {765, {255, 0, 0}}};
  for (const auto& [c, color] : cases) EXPECT_EQ(gradient_color(c), color) << c;
}

TEST(LegendValueTest, TwoDecimalsRoundedHalfUp) {
  const std::pair<float, const char*> cases[] = {
      {0.05f, "0.05"}, {1.996f, "2.00"}, {0.871f, "0.87"}, {-0.125f, "-0.13"}, {12.0f, "12.00"}};
  for (const auto& [v, text] : cases) EXPECT_EQ(format_legend_value(v), text) << v;
}

}  // namespace
}  // namespace vemo
