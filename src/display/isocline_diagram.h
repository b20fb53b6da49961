// The isocline diagram: the isocline grid points in the plane of the two scanned fluxes, coloured
// by growth or one secretion flux, as region circles or a continuous colour field with its
// legend, with optional thick marks near the region borders.
#ifndef VEMO_DISPLAY_ISOCLINE_DIAGRAM_H_
#define VEMO_DISPLAY_ISOCLINE_DIAGRAM_H_

#include <string>

#include "display/draw_context.h"
#include "model/workbench.h"

namespace vemo {

// "Draw Isoclines": copies the isocline points with the chosen value, sorts them by value
// (stable), computes the regions when they are automatic (kept as they were when there are no
// points), converts to plot coordinates (none shown when an axis range is empty) and runs
// draw_map.
bool draw_isoclines(Workbench& wb);

void draw_isocline_diagram(const Workbench& wb, DrawContext& dc);

// The colour scale from blue (0) through violet and red to yellow (765).
Rgb gradient_color(int c);

// A legend value: sign, integer part, two decimals rounded half up ("0.05", "2.00").
std::string format_legend_value(float v);

}  // namespace vemo

#endif  // VEMO_DISPLAY_ISOCLINE_DIAGRAM_H_
