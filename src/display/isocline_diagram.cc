#include "display/isocline_diagram.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "display/draw_map.h"
#include "display/number_text.h"
#include "display/plot_frame.h"

namespace vemo {

namespace {

constexpr int kColorSteps = 765;
constexpr float kRegionStep = 0.16666667f;
constexpr Pen kRegionPens[7] = {Pen::kBlack,  Pen::kRed,  Pen::kGreen,  Pen::kBlue,
                                Pen::kYellow, Pen::kCyan, Pen::kMagenta};

float chosen_value(const IsoclinePoint& p, int what, float former) {
  switch (what) {
    case 0:
      return p.growth;
    case 1:
      return p.r.flux_acxto;
    case 2:
      return p.r.flux_ethxto;
    case 3:
      return p.r.flux_succxto;
    case 4:
      return p.r.flux_forxto;
    case 5:
      return p.r.flux_lacxto;
    default:
      return former;
  }
}

// Region i holds values from region_lower[i] up to, not including, the next bound.
float upper_bound_of(const IsoclinePlotOptions& o, int region) {
  return region == 6 ? o.region6_upper : o.region_lower[region + 1];
}

int region_of(const IsoclinePlotOptions& o, float value) {
  int found = 0;
  for (int i = 1; i <= 6; ++i) {
    if (o.region_lower[i] <= value && value < upper_bound_of(o, i)) found = i;
  }
  return found;
}

// A filled rectangle about one scan step wide and high around the point, clipped to the plot
// area, in device pixels.
void paint_field_cell(const Workbench& wb, const IsoclinePlotPoint& p, Rgb color, DrawContext& dc) {
  const IsoclinePlotOptions& o = wb.isocline_plot;
  const float s = dc.scale();
  const float step = wb.isocline.step_size;
  const float sx = kPlotWidth / (static_cast<float>(o.x_max - o.x_min) / step);
  const float sy = kPlotHeight / (static_cast<float>(o.y_max - o.y_min) / step);
  const int hx = static_cast<int>(std::ceil(std::min(sx * s * 0.5f, kPlotWidth)));
  const int hy = static_cast<int>(std::ceil(std::min(sy * s * 0.5f, kPlotHeight)));
  for (int j = 0; j <= hy; ++j) {
    for (int i = 0; i <= hx; ++i) {
      for (const int di : {i, -i}) {
        for (const int dj : {j, -j}) {
          if (!kIsoclineBox.contains(static_cast<float>(p.px + di),
                                     static_cast<float>(p.py + dj))) {
            continue;
          }
          dc.canvas().pixel(DrawContext::truncated(p.px * s + di),
                            DrawContext::truncated(p.py * s + dj), color);
        }
      }
    }
  }
}

void draw_legend(float vmin, float vmax, DrawContext& dc) {
  const std::string min_text =
      (-0.001f <= vmin && vmin <= 0.001f) ? "0.00" : format_legend_value(vmin);
  dc.use_font(Font::kLabel);
  dc.use_text_color(kBlackColor);
  dc.text(2565, 540, min_text);
  dc.text(2565, 883, format_legend_value(vmax));
  dc.use_pen(Pen::kBlack);
  dc.move_to(2565, 550);
  dc.line_to(2565, 880);
  dc.line_to(2585, 880);
  dc.line_to(2585, 550);
  dc.line_to(2565, 550);
  const float s = dc.scale();
  if (329.0f * s < 1.0f) return;
  for (float r = 1.0f; r <= 329.0f * s; r += 1.0f) {
    const Rgb color = gradient_color(static_cast<int>(r * kColorSteps / (330.0f * s)));
    for (float q = 1.0f; q < std::ceil(20.0f * s); q += 1.0f) {
      dc.canvas().pixel(DrawContext::truncated(2565.0f * s + q),
                        DrawContext::truncated(550.0f * s + r), color);
    }
  }
}

}  // namespace

Rgb gradient_color(int c) {
  if (c < 255) return {c, 0, 255};
  if (c < 510) return {255, 0, 510 - c};
  return {255, (c - kColorSteps) & 0xff, 0};
}

std::string format_legend_value(float v) { return format_rounded(v, 2); }

bool draw_isoclines(Workbench& wb) {
  PlotLists& plots = wb.plots;
  IsoclinePlotOptions& o = wb.isocline_plot;
  const IsoclineResult& result = wb.isocline_result;
  const int count = result.isocline_count;
  plots.isocline_count = count;
  plots.isocline_plot_points.resize(
      std::max(plots.isocline_plot_points.size(), static_cast<size_t>(count) + 1));
  for (int k = 1; k <= count; ++k) {
    IsoclinePlotPoint& p = plots.isocline_plot_points[k];
    const IsoclinePoint& from = result.isocline_points[k];
    p.x = from.x_value;
    p.y = from.y_value;
    p.value = chosen_value(from, o.isocline_to_plot, p.value);
  }
  std::stable_sort(
      plots.isocline_plot_points.begin() + 1, plots.isocline_plot_points.begin() + 1 + count,
      [](const IsoclinePlotPoint& a, const IsoclinePlotPoint& b) { return a.value < b.value; });
  if (o.auto_regions == 1 && count > 0) {
    const float smallest = plots.isocline_plot_points[1].value;
    const float largest = plots.isocline_plot_points[count].value;
    const float step = (largest - smallest) * kRegionStep;
    o.region_lower[1] = smallest;
    o.region6_upper = largest;
    for (int i = 2; i <= 6; ++i) o.region_lower[i] = o.region_lower[i - 1] + step;
  }
  const bool empty_range = o.x_max == o.x_min || o.y_max == o.y_min;
  for (int k = 1; k <= count; ++k) {
    IsoclinePlotPoint& p = plots.isocline_plot_points[k];
    if (empty_range) {
      p.px = p.py = -1;
      continue;
    }
    p.px = kIsoclineBox.left() + DrawContext::truncated(kPlotWidth * (p.x - o.x_min) /
                                                        static_cast<float>(o.x_max - o.x_min));
    p.py = kIsoclineBox.bottom() - DrawContext::truncated(kPlotHeight * (p.y - o.y_min) /
                                                          static_cast<float>(o.y_max - o.y_min));
  }
  return draw_map(wb);
}

void draw_isocline_diagram(const Workbench& wb, DrawContext& dc) {
  draw_plot_frame(dc, kIsoclineBox);
  const PlotLists& plots = wb.plots;
  const IsoclinePlotOptions& o = wb.isocline_plot;
  const int count = plots.isocline_count;
  float vmin = count > 0 ? plots.isocline_plot_points[1].value : 0.0f;
  float vmax = vmin;
  for (int k = 1; k <= count; ++k) {
    vmin = std::min(vmin, plots.isocline_plot_points[k].value);
    vmax = std::max(vmax, plots.isocline_plot_points[k].value);
  }
  const float borders[6] = {o.region_lower[2], o.region_lower[3], o.region_lower[4],
                            o.region_lower[5], o.region_lower[6], o.region6_upper};
  for (int k = 1; k <= count; ++k) {
    const IsoclinePlotPoint& p = plots.isocline_plot_points[k];
    if (!kIsoclineBox.contains(static_cast<float>(p.px), static_cast<float>(p.py))) continue;
    const int region = region_of(o, p.value);
    if (region == 0) continue;
    dc.use_pen(kRegionPens[region]);
    if (o.continuous_plot == 1) {
      // All values alike: every point takes the first colour of the scale.
      const int c =
          vmax == vmin ? 0 : static_cast<int>((p.value - vmin) * kColorSteps / (vmax - vmin));
      paint_field_cell(wb, p, gradient_color(c), dc);
    } else {
      dc.circle(p.px, p.py);
    }
    if (o.threshold_lines == 1) {
      for (float border : borders) {
        if (-o.threshold < p.value - border && p.value - border < o.threshold) {
          dc.use_pen(Pen::kFrame);
          dc.circle(p.px, p.py);
          break;
        }
      }
    }
  }
  if (o.continuous_plot == 1) draw_legend(vmin, vmax, dc);
  draw_plot_grid(dc, kIsoclineBox, grid_spec(o));
}

}  // namespace vemo
