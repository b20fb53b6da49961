#include "lp/build_lp.h"

#include <vector>

namespace vemo {

std::string padded_column_name(const std::string& name) {
  std::string padded = name;
  if (padded.size() < kMaxNameLength) padded.resize(kMaxNameLength, ' ');
  return padded;
}

void build_lp(const NetworkModel& model, LpSolver& lp, int ranging) {
  lp.lp_init();
  lp.lp_new();
  lp.lp_open_log(60, kLpLogFile);
  lp.lp_set_log_unit(60);
  lp.lp_set_ranging(ranging);
  for (int i = 1; i <= model.num_of_rows; ++i) lp.lp_add_row(model.row_sense[i], model.row_rhs[i]);

  std::vector<float> values;
  std::vector<int> rows;
  for (int j = 1; j <= model.num_of_reactions; ++j) {
    values.clear();
    rows.clear();
    for (const MatrixEntry& e : model.stoich_matrix.column(j)) {
      if (e.row < 1 || e.row > model.num_of_rows) continue;
      values.push_back(e.value);
      rows.push_back(e.row);
    }
    lp.lp_add_column(padded_column_name(model.reaction_names[j]), values, rows);
    apply_column_bounds(model, lp, j);
  }
}

void apply_column_bounds(const NetworkModel& model, LpSolver& lp, int j) {
  lp.lp_free_column(j);
  if (model.has_upper_bound[j] == 1) {
    lp.lp_set_lower(j, model.lower_bound[j]);
    lp.lp_set_upper(j, model.upper_bound[j]);
  }
  if (model.has_lower_bound[j] == 1) lp.lp_set_lower(j, model.lower_bound[j]);
}

}  // namespace vemo
