// The three scans on the default network with their default settings.
#include <benchmark/benchmark.h>

#include "analyses/isoclines.h"
#include "analyses/phase_plane.h"
#include "analyses/robustness.h"
#include "bench/bench_support.h"

namespace vemo {
namespace {

template <typename Solves>
void run_scan(benchmark::State& state, void (*scan)(Workbench&), Solves solves) {
  Workbench& wb = read_network();
  long total = 0;
  for (auto _ : state) {
    scan(wb);
    total += solves(wb);
  }
  state.counters["solves"] = static_cast<double>(solves(wb));
  state.counters["solves_per_s"] =
      benchmark::Counter(static_cast<double>(total), benchmark::Counter::kIsRate);
}

void BM_PhasePlane(benchmark::State& state) {
  run_scan(state, make_phase_plane, [](const Workbench& wb) { return wb.phase_result.solves; });
}
BENCHMARK(BM_PhasePlane)->Unit(benchmark::kMillisecond);

void BM_Isoclines(benchmark::State& state) {
  run_scan(state, make_isoclines, [](const Workbench& wb) { return wb.isocline_result.solves; });
}
BENCHMARK(BM_Isoclines)->Unit(benchmark::kMillisecond);

void BM_Robustness(benchmark::State& state) {
  run_scan(state, do_robustness, [](const Workbench& wb) { return wb.robust_result.solves; });
}
BENCHMARK(BM_Robustness)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vemo
