// What the three diagrams share: their boxes right of the map, the frame with title and axes,
// and the grid with its axis labels.
#ifndef VEMO_DISPLAY_PLOT_FRAME_H_
#define VEMO_DISPLAY_PLOT_FRAME_H_

#include "display/draw_context.h"

namespace vemo {

// A diagram's place in unscaled view units: the frame's top-left corner and its title. The plot
// area runs from left() to right() across and from top() to bottom() downward.
struct PlotBox {
  int x0, y0;
  const char* title;

  int left() const { return x0 + 50; }
  int right() const { return x0 + 450; }
  int top() const { return y0 + 40; }
  int bottom() const { return y0 + 370; }
  // Whether an unscaled point lies in the plot area, borders included.
  bool contains(float x, float y) const {
    return left() <= x && x <= right() && top() <= y && y <= bottom();
  }
};

inline constexpr PlotBox kPhaseBox{2100, 10, "Phase Portrait Diagram"};
inline constexpr PlotBox kIsoclineBox{2100, 510, "Isocline Diagram"};
inline constexpr PlotBox kRobustBox{2700, 10, "Robustness Diagram"};

// Width and height of every plot area.
inline constexpr float kPlotWidth = 400.0f;
inline constexpr float kPlotHeight = 330.0f;

struct GridSpec {
  float x_grid, y_grid;    // spacing of the grid lines, in axis units
  float x_label, y_label;  // spacing of the labels, in axis units
  float x_min, x_max, y_min, y_max;
};

// The grid of a diagram from its options (any record with the grid, label and limit fields).
template <typename Options>
GridSpec grid_spec(const Options& o) {
  return {static_cast<float>(o.x_grid),  static_cast<float>(o.y_grid),
          static_cast<float>(o.x_label), static_cast<float>(o.y_label),
          static_cast<float>(o.x_min),   static_cast<float>(o.x_max),
          static_cast<float>(o.y_min),   static_cast<float>(o.y_max)};
}

// Title, frame and axes (with arrow heads) of a diagram.
void draw_plot_frame(DrawContext& dc, const PlotBox& box);

// Grid lines and axis labels, in single precision with float counters. A spacing that gives no
// lines (zero or negative counts) draws none; a loop never runs more than kMaxGridSteps times.
void draw_plot_grid(DrawContext& dc, const PlotBox& box, const GridSpec& grid);

inline constexpr float kMaxGridSteps = 4000.0f;

}  // namespace vemo

#endif  // VEMO_DISPLAY_PLOT_FRAME_H_
