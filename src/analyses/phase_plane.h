// "Make Phase Plane": the optimum over a plane of two exchange fluxes (optionally a third, in
// 3-D mode). Points where one of fourteen watched shadow prices changes mark the borders between
// phases (section 1); points where only other prices change are possible borders (section 2).
// The scanned value advances adaptively from the ranging of the axis metabolite's row.
//
// The first solved point of a run always opens section 1: there is no earlier phase to compare
// it with. Results go to wb.phase_result and the report to settings.phase_file.
#ifndef VEMO_ANALYSES_PHASE_PLANE_H_
#define VEMO_ANALYSES_PHASE_PLANE_H_

#include "model/workbench.h"

namespace vemo {

void make_phase_plane(Workbench& wb);

// The next scanned value after v, from the ranging of the axis metabolite's row: past the
// allowable increase when there is one, back past the allowable decrease when only that exists,
// else by a growing multiple of the sensitivity (the multiplier counts up, and resets to 1 after
// a jump past the increase).
float adaptive_advance(float v, float all_inc, float all_dec, float sensitivity,
                       int& step_multiplier);

// Stores the corrections of the options dialog: a final value below its initial value becomes
// the initial value (x, y and z); the phase portrait's axis limits follow the x and y ranges.
void apply_phase_plane_options(Workbench& wb);

}  // namespace vemo

#endif  // VEMO_ANALYSES_PHASE_PLANE_H_
