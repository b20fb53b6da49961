// The standard construction of the linear program from the network model, shared by the
// optimisation run and every analysis that solves.
#ifndef VEMO_LP_BUILD_LP_H_
#define VEMO_LP_BUILD_LP_H_

#include <string>

#include "lp/lp_solver.h"
#include "model/network_model.h"

namespace vemo {

// Name of the library's log file.
inline constexpr const char* kLpLogFile = "info.OUT";

// Opens a problem in lp (with its log), hands over the ranging flag, adds rows 1..num_of_rows
// with their senses and right-hand sides and one column per reaction with its non-zero matrix
// entries (objective row included) and its bounds: free, then both bounds when has_upper_bound is
// set, then the lower bound when has_lower_bound is set. Nothing is solved.
void build_lp(const NetworkModel& model, LpSolver& lp, int ranging);

// Gives column j its bounds from the model as the build does: free, then both bounds when
// has_upper_bound is set, then the lower bound when has_lower_bound is set.
void apply_column_bounds(const NetworkModel& model, LpSolver& lp, int j);

// The reaction name as the library receives it: padded with blanks to 8 characters.
std::string padded_column_name(const std::string& name);

}  // namespace vemo

#endif  // VEMO_LP_BUILD_LP_H_
