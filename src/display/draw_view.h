// The view's one draw operation: the metabolic map in the left part of the drawing area and the
// three diagrams to its right, painted onto any Canvas.
#ifndef VEMO_DISPLAY_DRAW_VIEW_H_
#define VEMO_DISPLAY_DRAW_VIEW_H_

#include "display/canvas.h"
#include "model/workbench.h"

namespace vemo {

// The size of the view's drawing area in logical units.
inline constexpr int kViewWidth = 4000;
inline constexpr int kViewHeight = 2000;

// Paints what the workbench holds for display. Nothing is loaded or computed here.
void draw_view(const Workbench& wb, Canvas& canvas);

}  // namespace vemo

#endif  // VEMO_DISPLAY_DRAW_VIEW_H_
