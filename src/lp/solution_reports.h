// "Print Primal", "Print Dual" and "Print St. Mat.": the model's current content written to the
// report files named in the settings, from scratch, in their fixed formats. Nothing is read or
// solved; on give-up at the open the command returns with file_abort set to 1.
#ifndef VEMO_LP_SOLUTION_REPORTS_H_
#define VEMO_LP_SOLUTION_REPORTS_H_

#include "model/workbench.h"

namespace vemo {

void print_primal(Workbench& wb);
void print_dual(Workbench& wb);
void print_stmat(Workbench& wb);

}  // namespace vemo

#endif  // VEMO_LP_SOLUTION_REPORTS_H_
