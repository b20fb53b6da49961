// Shared by the benchmarks: the default network read in a scratch folder, and the same linear
// program built straight into GLPK as the yardstick for the interface's overhead.
#ifndef VEMO_BENCH_BENCH_SUPPORT_H_
#define VEMO_BENCH_BENCH_SUPPORT_H_

#include <glpk.h>

#include "model/workbench.h"

namespace vemo {

// The workbench with the default network read, in a scratch folder that is the current folder
// for the whole run.
Workbench& read_network();

// The problem build_lp makes, built with GLPK's own calls.
glp_prob* build_raw(const NetworkModel& m);

// GLPK's simplex settings the interface uses: quiet dual simplex.
glp_smcp raw_simplex_parameters();

}  // namespace vemo

#endif  // VEMO_BENCH_BENCH_SUPPORT_H_
