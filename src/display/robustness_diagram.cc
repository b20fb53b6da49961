#include "display/robustness_diagram.h"

#include <algorithm>

#include "display/draw_map.h"
#include "display/plot_frame.h"

namespace vemo {

namespace {

void automatic_range(const PlotLists& plots, RobustPlotOptions& o) {
  o.x_max = 0.0f;
  o.y_max = 0.0f;
  for (int k = 1; k <= plots.robust_count; ++k) {
    o.x_max = std::max(o.x_max, plots.robust_plot_points[k].x);
    o.y_max = std::max(o.y_max, plots.robust_plot_points[k].y);
  }
  o.x_min = o.x_max;
  o.y_min = o.y_max;
  for (int k = 1; k <= plots.robust_count; ++k) {
    o.x_min = std::min(o.x_min, plots.robust_plot_points[k].x);
    o.y_min = std::min(o.y_min, plots.robust_plot_points[k].y);
  }
}

}  // namespace

bool draw_robustness(Workbench& wb) {
  PlotLists& plots = wb.plots;
  const PointList<RobustPoint>& from = wb.robust_result.robust_points;
  plots.robust_count = 0;
  for (int k = 1; k < static_cast<int>(from.entries.size()) && from[k].istat != 0; ++k) {
    ++plots.robust_count;
    if (static_cast<int>(plots.robust_plot_points.size()) <= plots.robust_count) {
      plots.robust_plot_points.resize(static_cast<size_t>(plots.robust_count) + 1);
    }
    plots.robust_plot_points[plots.robust_count] = {from[k].enzyme_flux, from[k].growth, 0, 0};
  }
  RobustPlotOptions& o = wb.robust_plot;
  if (o.automatic_range == 1) automatic_range(plots, o);
  const bool empty_range = o.x_max == o.x_min || o.y_max == o.y_min;
  for (int k = 1; k <= plots.robust_count; ++k) {
    RobustPlotPoint& p = plots.robust_plot_points[k];
    if (empty_range) {
      p.px = p.py = -1;
      continue;
    }
    p.px = kRobustBox.left() +
           DrawContext::truncated(kPlotWidth * (p.x - o.x_min) / (o.x_max - o.x_min));
    p.py = kRobustBox.bottom() -
           DrawContext::truncated(kPlotHeight * (p.y - o.y_min) / (o.y_max - o.y_min));
  }
  return draw_map(wb);
}

void draw_robustness_diagram(const Workbench& wb, DrawContext& dc) {
  draw_plot_frame(dc, kRobustBox);
  const PlotLists& plots = wb.plots;
  const RobustPlotOptions& o = wb.robust_plot;
  dc.use_pen(Pen::kRed);
  for (int k = 1; k <= plots.robust_count; ++k) {
    const RobustPlotPoint& p = plots.robust_plot_points[k];
    if (!kRobustBox.contains(p.px, p.py)) continue;
    if (o.draw_lines == 1 && k < plots.robust_count) {
      const RobustPlotPoint& next = plots.robust_plot_points[k + 1];
      if (kRobustBox.contains(next.px, next.py)) {
        dc.move_to(p.px, p.py);
        dc.line_to(next.px, next.py);
      }
    }
    if (o.draw_points == 1) dc.circle(p.px, p.py);
  }
  draw_plot_grid(dc, kRobustBox, grid_spec(o));
}

}  // namespace vemo
