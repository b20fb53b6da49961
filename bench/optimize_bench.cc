// Reading and optimising the default network, and the cost of one warm re-solve after a bound
// change: through the LP interface, and through GLPK directly on the same problem, so that the
// interface's overhead shows as the ratio of the two.
#include <benchmark/benchmark.h>
#include <glpk.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "lp/build_lp.h"
#include "lp/lp_solver.h"
#include "lp/optimize.h"
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

Workbench& read_network() {
  static ScratchNetwork scratch;
  static Workbench wb;
  if (wb.model.num_of_reactions == 0) read_data(wb);
  return wb;
}

// The two oxygen limits the re-solve benchmarks alternate between: each solve must move the basis.
constexpr float kOxygenLimits[2] = {5.0f, 15.0f};

void BM_ReadDataAndOptimize(benchmark::State& state) {
  Workbench& wb = read_network();
  for (auto _ : state) {
    read_data(wb);
    optimize(wb);
    benchmark::DoNotOptimize(wb.model.objective_value);
  }
}
BENCHMARK(BM_ReadDataAndOptimize)->Unit(benchmark::kMicrosecond);

void BM_WarmResolveThroughInterface(benchmark::State& state) {
  Workbench& wb = read_network();
  const int oxygen = wb.model.find_reaction("O2xtI");
  LpSolver lp;
  build_lp(wb.model, lp, -1);
  lp.lp_solve();
  int k = 0;
  for (auto _ : state) {
    lp.lp_set_upper(oxygen, kOxygenLimits[k ^= 1]);
    const int istat = lp.lp_solve();
    float value, dual;
    lp.lp_get_row(1, value, dual);
    benchmark::DoNotOptimize(istat);
    benchmark::DoNotOptimize(value);
  }
}
BENCHMARK(BM_WarmResolveThroughInterface)->Unit(benchmark::kMicrosecond);

// The same problem built straight into GLPK, with the same solver settings.
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
    glp_set_col_bnds(p, j, lower && upper ? (lb == ub ? GLP_FX : GLP_DB) : lower ? GLP_LO : GLP_FR,
                     lb, ub);
  }
  return p;
}

void BM_WarmResolveRawGlpk(benchmark::State& state) {
  Workbench& wb = read_network();
  const int oxygen = wb.model.find_reaction("O2xtI");
  const double oxygen_lower = wb.model.lower_bound[oxygen];
  glp_prob* p = build_raw(wb.model);
  glp_smcp parm;
  glp_init_smcp(&parm);
  parm.msg_lev = GLP_MSG_OFF;
  parm.meth = GLP_DUALP;
  glp_simplex(p, &parm);
  int k = 0;
  for (auto _ : state) {
    glp_set_col_bnds(p, oxygen, GLP_DB, oxygen_lower, kOxygenLimits[k ^= 1]);
    const int result = glp_simplex(p, &parm);
    const double value = glp_get_obj_val(p);
    benchmark::DoNotOptimize(result);
    benchmark::DoNotOptimize(value);
  }
  glp_delete_prob(p);
}
BENCHMARK(BM_WarmResolveRawGlpk)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vemo

BENCHMARK_MAIN();
