// The phase portrait: the phase-plane points as circles (borders, section 1) and crosses
// (possible borders, section 2) in the plane of the two scanned fluxes.
#ifndef VEMO_DISPLAY_PHASE_PORTRAIT_H_
#define VEMO_DISPLAY_PHASE_PORTRAIT_H_

#include "display/draw_context.h"
#include "model/workbench.h"

namespace vemo {

// "Draw Phase Plane": copies the phase-plane points into the plot lists in plot coordinates
// (hidden ones, and all of them when an axis range is empty, moved out of the plot area), then
// runs draw_map. Returns draw_map's answer: whether the view should be repainted.
bool draw_phase_plane(Workbench& wb);

void draw_phase_portrait(const Workbench& wb, DrawContext& dc);

}  // namespace vemo

#endif  // VEMO_DISPLAY_PHASE_PORTRAIT_H_
