#include "display/plot_frame.h"

#include <cmath>
#include <string>

namespace vemo {

void draw_plot_frame(DrawContext& dc, const PlotBox& box) {
  dc.use_text_color(kBlackColor);
  dc.use_font(Font::kTitle);
  dc.use_pen(Pen::kFrame);
  dc.text(box.x0 + 20, box.y0 + 10, box.title);
  dc.move_to(box.x0, box.y0);
  dc.line_to(box.x0, box.y0 + 420);
  dc.line_to(box.x0 + 500, box.y0 + 420);
  dc.line_to(box.x0 + 500, box.y0);
  dc.line_to(box.x0, box.y0);

  const float l = box.left(), r = box.right(), t = box.top(), b = box.bottom();
  dc.use_pen(Pen::kBlack);
  dc.move_to(l, b);
  dc.line_to(r, b);
  dc.line_to(r - 10, b + 10);
  dc.move_to(r, b);
  dc.line_to(r - 10, b - 10);
  dc.move_to(l, b);
  dc.line_to(l, t);
  dc.line_to(l + 10, t + 10);
  dc.move_to(l, t);
  dc.line_to(l - 10, t + 10);
}

void draw_plot_grid(DrawContext& dc, const PlotBox& box, const GridSpec& g) {
  const float l = box.left(), r = box.right(), t = box.top(), b = box.bottom();
  dc.use_pen(Pen::kGridLines);
  const float nx = (g.x_max - g.x_min) / g.x_grid;
  const float dx = kPlotWidth / nx;
  for (float i = 1.0f; i <= nx && i <= kMaxGridSteps; i += 1.0f) {
    dc.move_to(l + i * dx, b);
    dc.line_to(l + i * dx, t);
  }
  dc.move_to(r, b);
  dc.line_to(r, t);
  const float ny = (g.y_max - g.y_min) / g.y_grid;
  const float dy = kPlotHeight / ny;
  for (float i = 1.0f; i <= ny && i <= kMaxGridSteps; i += 1.0f) {
    dc.move_to(l, b - i * dy);
    dc.line_to(r, b - i * dy);
  }
  dc.move_to(l, t);
  dc.line_to(r, t);

  dc.use_font(Font::kLabel);
  const float lx = (g.x_max - g.x_min) / g.x_label;
  const float ldx = kPlotWidth / lx;
  const float first_x = std::ceil(g.x_min);
  for (float i = 0.0f; i <= lx && i <= kMaxGridSteps; i += 1.0f) {
    const int label = DrawContext::truncated(first_x + g.x_label * i);
    dc.text(l - 4 + (first_x - g.x_min) * ldx + i * ldx, b + 5, std::to_string(label));
  }
  const float ly = (g.y_max - g.y_min) / g.y_label;
  const float ldy = kPlotHeight / ly;
  const float first_y = std::ceil(g.y_min);
  for (float i = 0.0f; i <= ly && i <= kMaxGridSteps; i += 1.0f) {
    const int label = DrawContext::truncated(first_y + g.y_label * i);
    dc.text(l - 13, b - 3 - i * ldy - (first_y - g.y_min) * ldy, std::to_string(label));
  }
}

}  // namespace vemo
