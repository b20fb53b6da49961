// The metabolic map's part of the draw operation: labels, then arrows with their names and
// values, in the colours of the solution (or of a network comparison's classes).
#ifndef VEMO_DISPLAY_MAP_DRAWING_H_
#define VEMO_DISPLAY_MAP_DRAWING_H_

#include "display/draw_context.h"
#include "model/workbench.h"

namespace vemo {

void draw_map_layer(const Workbench& wb, DrawContext& dc);

}  // namespace vemo

#endif  // VEMO_DISPLAY_MAP_DRAWING_H_
