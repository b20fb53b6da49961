// "Make Conditioned Matrix": the part of the stoichiometric matrix that carries flux in the
// solution held in the model, written to "ConditionedMatrix.out" (a labelled table) and
// "MathConditionedMatrix.out" (a nested list in braces). Nothing is read or solved.
//
// Kept columns: reactions with a flux beyond 1e-07 either way, except the exchange and uptake
// reactions (by name ending) and a fixed list of others. Kept rows: rows not ending in "xt" with
// an entry beyond 1e-07 either way in a kept column. The list file leaves the first kept row out
// and breaks its line after every tenth value counted over the whole file.
#ifndef VEMO_ANALYSES_CONDITIONED_MATRIX_H_
#define VEMO_ANALYSES_CONDITIONED_MATRIX_H_

#include <string>
#include <vector>

#include "model/workbench.h"

namespace vemo {

inline constexpr const char* kConditionedMatrixFile = "ConditionedMatrix.out";
inline constexpr const char* kMathConditionedMatrixFile = "MathConditionedMatrix.out";

// Whether a reaction of this name is never a kept column, whatever its flux. A name shorter than
// an ending does not end in it.
bool is_excluded_from_conditioned_matrix(const std::string& name);

struct ConditionedSelection {
  std::vector<int> columns;  // kept reactions, in reaction order
  std::vector<int> rows;     // kept rows, in row order
};

ConditionedSelection select_conditioned_matrix(const NetworkModel& model);

void make_conditioned_matrix(Workbench& wb);

}  // namespace vemo

#endif  // VEMO_ANALYSES_CONDITIONED_MATRIX_H_
