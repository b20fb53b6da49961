// The view's one draw operation: the metabolic map in the left part of the drawing area and the
// diagrams to its right, painted onto any Canvas.
#ifndef VEMO_DISPLAY_DRAW_VIEW_H_
#define VEMO_DISPLAY_DRAW_VIEW_H_

#include "display/canvas.h"
#include "model/workbench.h"

namespace vemo {

// The size of the view's drawing area in logical units.
inline constexpr int kViewWidth = 4000;
inline constexpr int kViewHeight = 2000;

// Paints what the workbench holds for display. A map_scale outside (0.1, 5.0] or a
// map_font_size outside 1..20 is first corrected to 1.0 or 11 and the correction stored.
void draw_view(Workbench& wb, Canvas& canvas);

}  // namespace vemo

#endif  // VEMO_DISPLAY_DRAW_VIEW_H_
