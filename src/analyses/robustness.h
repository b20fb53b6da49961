// "Do Robustness": the optimal growth as a function of the total flux through up to three
// enzymes. Every reaction whose gene key is one of the enzymes joins a new balance row with a new
// reaction "TEST" (reversible ones split into two irreversible columns), so that TEST carries
// their summed flux; TEST is then fixed in equal steps and the problem re-solved.
//
// The extra row, TEST and the split-off columns stay in the network model until the next read.
// The reduced enzyme names and a computed high value are written back into the settings.
#ifndef VEMO_ANALYSES_ROBUSTNESS_H_
#define VEMO_ANALYSES_ROBUSTNESS_H_

#include "model/workbench.h"

namespace vemo {

// The bounds of TEST while the high value is found from an unconstrained solve.
inline constexpr float kTestBound = 1000.0f;

void do_robustness(Workbench& wb);

}  // namespace vemo

#endif  // VEMO_ANALYSES_ROBUSTNESS_H_
