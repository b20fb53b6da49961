// "Optimize" and "Read/Optimize": build the linear program from the model, solve it once and
// store the objective value, shadow prices, fluxes and reduced costs in the model.
#ifndef VEMO_LP_OPTIMIZE_H_
#define VEMO_LP_OPTIMIZE_H_

#include "model/workbench.h"

namespace vemo {

// Does nothing when file_abort is 1 (a preceding read was abandoned). The library status is kept
// in last_istat; whatever the solve leaves (optimal or not) is stored.
void optimize(Workbench& wb);

// read_data followed by optimize.
void read_optimize(Workbench& wb);

}  // namespace vemo

#endif  // VEMO_LP_OPTIMIZE_H_
