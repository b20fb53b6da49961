#include "display/draw_view.h"

#include "display/draw_context.h"
#include "display/map_drawing.h"

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
}

}  // namespace vemo
