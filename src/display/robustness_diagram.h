// The robustness diagram: optimal growth against the enzymes' total flux, as lines and/or
// points.
#ifndef VEMO_DISPLAY_ROBUSTNESS_DIAGRAM_H_
#define VEMO_DISPLAY_ROBUSTNESS_DIAGRAM_H_

#include "display/draw_context.h"
#include "model/workbench.h"

namespace vemo {

// "Draw Robustness": copies the robustness points into the plot list, sets the axis limits from
// them when the range is automatic (stored in the options), converts them to plot coordinates
// (none are shown when an axis range is empty) and runs draw_map.
bool draw_robustness(Workbench& wb);

void draw_robustness_diagram(const Workbench& wb, DrawContext& dc);

}  // namespace vemo

#endif  // VEMO_DISPLAY_ROBUSTNESS_DIAGRAM_H_
