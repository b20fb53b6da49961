#include "bench/bench_support.h"

#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "model/reactions_reader.h"

namespace vemo {

namespace {

// Runs the benchmarks in a scratch folder holding a copy of the default network.
class ScratchNetwork {
 public:
  ScratchNetwork() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vemo-bench-XXXXXX").string();
    folder_ = mkdtemp(pattern.data());
    std::filesystem::copy_file(std::filesystem::path(VEMO_DATA_DIR) / "path.stm",
                               folder_ / "path.stm");
    std::filesystem::current_path(folder_);
  }
  ~ScratchNetwork() { std::filesystem::remove_all(folder_); }

 private:
  std::filesystem::path folder_;
};

}  // namespace

Workbench& read_network() {
  static ScratchNetwork scratch;
  static Workbench wb;
  if (wb.model.num_of_reactions == 0) read_data(wb);
  return wb;
}

glp_prob* build_raw(const NetworkModel& m) {
  glp_prob* p = glp_create_prob();
  glp_set_obj_dir(p, m.row_sense[1] == 1 ? GLP_MIN : GLP_MAX);
  glp_add_rows(p, m.num_of_rows - 1);
  for (int i = 2; i <= m.num_of_rows; ++i) {
    const int type = m.row_sense[i] == 1 ? GLP_UP : m.row_sense[i] == -1 ? GLP_LO : GLP_FX;
    glp_set_row_bnds(p, i - 1, type, m.row_rhs[i], m.row_rhs[i]);
  }
  glp_add_cols(p, m.num_of_reactions);
  for (int j = 1; j <= m.num_of_reactions; ++j) {
    std::vector<int> index(1);
    std::vector<double> value(1);
    for (const MatrixEntry& e : m.stoich_matrix.column(j)) {
      if (e.row == 1) {
        glp_set_obj_coef(p, j, e.value);
      } else {
        index.push_back(e.row - 1);
        value.push_back(e.value);
      }
    }
    glp_set_mat_col(p, j, static_cast<int>(index.size()) - 1, index.data(), value.data());
    const bool lower = m.has_lower_bound[j] == 1 || m.has_upper_bound[j] == 1;
    const bool upper = m.has_upper_bound[j] == 1;
    const double lb = m.lower_bound[j], ub = m.upper_bound[j];
    glp_set_col_bnds(p, j,
                     lower && upper ? (lb == ub ? GLP_FX : GLP_DB)
                     : lower        ? GLP_LO
                                    : GLP_FR,
                     lb, ub);
  }
  return p;
}

glp_smcp raw_simplex_parameters() {
  glp_smcp parm;
  glp_init_smcp(&parm);
  parm.msg_lev = GLP_MSG_OFF;
  parm.meth = GLP_DUALP;
  return parm;
}

}  // namespace vemo
