// Reading and optimising the default network, and the cost of one warm re-solve after a bound
// change: through the LP interface, and through GLPK directly on the same problem, so that the
// interface's overhead shows as the ratio of the two.
#include <benchmark/benchmark.h>
#include <glpk.h>

#include "bench/bench_support.h"
#include "lp/build_lp.h"
#include "lp/lp_solver.h"
#include "lp/optimize.h"
#include "model/reactions_reader.h"

namespace vemo {
namespace {

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

void BM_WarmResolveRawGlpk(benchmark::State& state) {
  Workbench& wb = read_network();
  const int oxygen = wb.model.find_reaction("O2xtI");
  const double oxygen_lower = wb.model.lower_bound[oxygen];
  glp_prob* p = build_raw(wb.model);
  const glp_smcp parm = raw_simplex_parameters();
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
