#include "display/phase_portrait.h"

#include "display/draw_map.h"
#include "display/plot_frame.h"

namespace vemo {

namespace {

// The end of a list is its first slot whose tested fields are all 0; section 2 leaves x and y
// out of the test.
bool ends_list(const PhasePoint& p, bool test_position) {
  const bool prices_zero = p.all_dec == 0 && p.all_inc == 0 && p.dual_x_met == 0 &&
                           p.dual_y_met == 0 && p.r.dual_nadh == 0 && p.r.dual_atp == 0 &&
                           p.r.dual_o2xt == 0;
  return prices_zero && (!test_position || (p.x_value == 0 && p.y_value == 0));
}

int copy_points(const PointList<PhasePoint>& from, bool test_position, std::vector<PlotPoint>& to) {
  int count = 0;
  for (int k = 1; k < static_cast<int>(from.entries.size()); ++k) {
    if (ends_list(from[k], test_position)) break;
    ++count;
    if (static_cast<int>(to.size()) <= count) to.resize(static_cast<size_t>(count) + 1);
    to[count] = {from[k].x_value, from[k].y_value};
  }
  return count;
}

void convert(std::vector<PlotPoint>& points, int count, bool shown, const PhasePlotOptions& o) {
  const bool empty_range = o.x_max == o.x_min || o.y_max == o.y_min;
  for (int k = 1; k <= count; ++k) {
    PlotPoint& p = points[k];
    if (!shown || empty_range) {
      p.x = -1.0f;
      continue;
    }
    p.x = (p.x - o.x_min) / (o.x_max - o.x_min) * kPlotWidth + kPhaseBox.left();
    p.y = kPhaseBox.bottom() - (p.y - o.y_min) / (o.y_max - o.y_min) * kPlotHeight;
  }
}

}  // namespace

bool draw_phase_plane(Workbench& wb) {
  PlotLists& plots = wb.plots;
  const PhasePlaneResult& r = wb.phase_result;
  plots.primary_count = copy_points(r.section1_points, true, plots.phase_primary_points);
  plots.secondary_count = copy_points(r.section2_points, false, plots.phase_secondary_points);
  const PhasePlotOptions& o = wb.phase_plot;
  convert(plots.phase_primary_points, plots.primary_count, o.draw_primary == 1, o);
  convert(plots.phase_secondary_points, plots.secondary_count, o.draw_secondary == 1, o);
  return draw_map(wb);
}

void draw_phase_portrait(const Workbench& wb, DrawContext& dc) {
  draw_plot_frame(dc, kPhaseBox);
  const PlotLists& plots = wb.plots;
  dc.use_pen(Pen::kBlack);
  for (int k = 1; k <= plots.primary_count; ++k) {
    const PlotPoint& p = plots.phase_primary_points[k];
    if (kPhaseBox.contains(p.x, p.y)) dc.circle(p.x, p.y);
  }
  dc.use_pen(Pen::kSecondaryPoint);
  for (int k = 1; k <= plots.secondary_count; ++k) {
    const PlotPoint& p = plots.phase_secondary_points[k];
    if (!kPhaseBox.contains(p.x, p.y)) continue;
    constexpr int kCross[4][2] = {{-3, -3}, {-3, 3}, {3, -3}, {3, 3}};
    for (const auto& arm : kCross) {
      dc.move_to(p.x, p.y);
      dc.line_to(p.x + arm[0], p.y + arm[1]);
    }
  }
  draw_plot_grid(dc, kPhaseBox, grid_spec(wb.phase_plot));
}

}  // namespace vemo
