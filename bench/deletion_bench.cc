// The deletion studies on the default network, over every gene of its internal reactions: whole
// studies (solves per second), and the cost of one deletion solve through the study frame against
// the same deletions made with GLPK's own calls on the same problem.
#include <benchmark/benchmark.h>
#include <glpk.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "analyses/deletion_list.h"
#include "analyses/deletion_study.h"
#include "analyses/detailed_deletion.h"
#include "analyses/double_deletion.h"
#include "analyses/single_deletion.h"
#include "analyses/triple_deletion.h"
#include "bench/bench_support.h"
#include "model/file_open.h"

namespace vemo {
namespace {

// Internal reactions carry genes; the detailed study's drains (left in the model without names)
// do not.
bool is_gene_reaction(const std::string& name) {
  if (name.empty()) return false;
  const auto ends_with = [&](const char* suffix) {
    const std::string s(suffix);
    return name.size() >= s.size() && name.compare(name.size() - s.size(), s.size(), s) == 0;
  };
  return !ends_with("xtI") && !ends_with("xtO") && !ends_with("MAX") && name != "Growth";
}

// Writes a deletion input with the first `limit` gene keys of the network's internal reactions.
void write_gene_list(Workbench& wb, int limit) {
  std::vector<std::string> keys;
  for (int j = 1; j <= wb.model.num_of_reactions; ++j) {
    const std::string& name = wb.model.reaction_names[j];
    const std::string key = make_gene_key(name);
    if (!is_gene_reaction(name) || std::find(keys.begin(), keys.end(), key) != keys.end()) {
      continue;
    }
    keys.push_back(key);
  }
  if (static_cast<int>(keys.size()) > limit) keys.resize(static_cast<size_t>(limit));
  std::string text;
  for (const std::string& key : keys) text += "1 " + key + "\n";
  FilePtr out = open_with_retry(wb, "deletion.txt", OpenMode::kWrite);
  std::fputs((text + "999\n").c_str(), out.get());
}

void run_study(benchmark::State& state, void (*study)(Workbench&), int genes) {
  Workbench& wb = read_network();
  write_gene_list(wb, genes);
  long solves = 0;
  for (auto _ : state) {
    study(wb);
    solves += wb.last_deletion.solves;
  }
  state.counters["solves_per_s"] =
      benchmark::Counter(static_cast<double>(solves), benchmark::Counter::kIsRate);
  state.counters["genes"] = wb.num_of_genes;
  if (wb.input_refused) state.SkipWithError("the study refused its input");
}

void BM_SingleDeletionStudy(benchmark::State& state) { run_study(state, single_deletion, 1000); }
BENCHMARK(BM_SingleDeletionStudy)->Unit(benchmark::kMillisecond);

void BM_DoubleDeletionStudy(benchmark::State& state) { run_study(state, double_deletion, 1000); }
BENCHMARK(BM_DoubleDeletionStudy)->Unit(benchmark::kMillisecond);

void BM_TripleDeletionStudy(benchmark::State& state) { run_study(state, triple_deletion, 30); }
BENCHMARK(BM_TripleDeletionStudy)->Unit(benchmark::kMillisecond);

void BM_DetailedDeletionStudy(benchmark::State& state) {
  Workbench& wb = read_network();
  wb.precursors_only = static_cast<int>(state.range(0));
  run_study(state, detailed_deletions, 1000);
  wb.precursors_only = 1;
}
BENCHMARK(BM_DetailedDeletionStudy)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// The entries of every gene, for the per-solve comparisons.
std::vector<DeletionEntry> gene_entries(Workbench& wb) {
  write_gene_list(wb, 1000);
  std::vector<DeletionEntry> entries;
  read_deletion_list(wb, entries);
  entries.erase(entries.begin());
  return entries;
}

void BM_DeletionSolveThroughStudy(benchmark::State& state) {
  Workbench& wb = read_network();
  const std::vector<DeletionEntry> entries = gene_entries(wb);
  DeletionStudy study(wb);
  size_t k = 0;
  for (auto _ : state) {
    study.apply_deletion({&entries[k]});
    int status;
    float growth;
    study.solve(status, growth);
    benchmark::DoNotOptimize(growth);
    k = (k + 1) % entries.size();
  }
}
BENCHMARK(BM_DeletionSolveThroughStudy)->Unit(benchmark::kMicrosecond);

void BM_DeletionSolveRawGlpk(benchmark::State& state) {
  Workbench& wb = read_network();
  const std::vector<DeletionEntry> entries = gene_entries(wb);
  const NetworkModel& m = wb.model;
  std::map<std::string, std::vector<int>> columns;
  for (int j = 1; j <= m.num_of_reactions; ++j) {
    columns[make_gene_key(m.reaction_names[j])].push_back(j);
  }
  glp_prob* p = build_raw(m);
  const glp_smcp parm = raw_simplex_parameters();
  glp_simplex(p, &parm);
  std::vector<int> closed;
  struct SavedBounds {
    int column, type;
    double lower, upper;
  };
  std::vector<SavedBounds> saved;
  size_t k = 0;
  for (auto _ : state) {
    for (const SavedBounds& b : saved) glp_set_col_bnds(p, b.column, b.type, b.lower, b.upper);
    saved.clear();
    for (const std::string& name : entries[k].names) {
      for (int j : columns[name]) {
        saved.push_back({j, glp_get_col_type(p, j), glp_get_col_lb(p, j), glp_get_col_ub(p, j)});
        glp_set_col_bnds(p, j, GLP_FX, 0.0, 0.0);
      }
    }
    glp_simplex(p, &parm);
    benchmark::DoNotOptimize(glp_get_obj_val(p));
    k = (k + 1) % entries.size();
  }
  glp_delete_prob(p);
}
BENCHMARK(BM_DeletionSolveRawGlpk)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vemo
