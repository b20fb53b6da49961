#include "display/draw_view.h"

#include "display/draw_context.h"
#include "display/isocline_diagram.h"
#include "display/map_drawing.h"
#include "display/phase_portrait.h"
#include "display/robustness_diagram.h"

namespace vemo {

namespace {

void correct_view_settings(Workbench& wb) {
  if (!(wb.map_scale > 0.1f) || wb.map_scale > 5.0f) wb.map_scale = 1.0f;
  if (wb.map_font_size < 1 || wb.map_font_size > 20) wb.map_font_size = 11;
}

}  // namespace

void draw_view(Workbench& wb, Canvas& canvas) {
  correct_view_settings(wb);
  DrawContext dc(canvas, wb.map_scale, wb.map_font_size);
  draw_map_layer(wb, dc);
  draw_phase_portrait(wb, dc);
  draw_isocline_diagram(wb, dc);
  draw_robustness_diagram(wb, dc);
  dc.use_pen(Pen::kBlack);
  dc.use_font(Font::kNormal);
}

}  // namespace vemo
