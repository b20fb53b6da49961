#include "analyses/deletion_study.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "lp/build_lp.h"
#include "model/file_open.h"
#include "model/reactions_reader.h"

namespace vemo {

DeletionStudy::DeletionStudy(Workbench& wb) : wb_(wb) {
  wb_.input_refused = false;
  read_data(wb_);
  if (wb_.input_refused) {
    network_usable_ = false;
    return;
  }
  const NetworkModel& m = wb_.model;
  build_lp(m, lp_, -1);
  derive_reaction_gene_keys(wb_);
  for (int j = 1; j <= m.num_of_reactions; ++j) {
    columns_of_key_[wb_.reaction_gene_keys[j]].push_back(j);
  }
}

void DeletionStudy::solve_wild_type() {
  // The wild type keeps whatever the library returned, even when it found no solution.
  lp_.lp_solve();
  ++solves_;
  float dual;
  lp_.lp_get_row(1, max_growth_, dual);
}

void DeletionStudy::apply_deletion(std::initializer_list<const DeletionEntry*> entries) {
  for (int j : closed_) apply_column_bounds(wb_.model, lp_, j);
  closed_.clear();
  for (const DeletionEntry* entry : entries) {
    for (const std::string& name : entry->names) {
      auto it = columns_of_key_.find(name);
      if (it == columns_of_key_.end()) continue;
      for (int j : it->second) {
        lp_.lp_set_lower(j, 0.0f);
        lp_.lp_set_upper(j, 0.0f);
        closed_.push_back(j);
      }
    }
  }
}

void DeletionStudy::solve(int& status, float& growth) {
  status = lp_.lp_solve();
  ++solves_;
  float dual;
  lp_.lp_get_row(1, growth, dual);
  if (status == kIstatInfeasible) growth = 0.0f;
}

void DeletionStudy::release() { lp_.lp_release(); }

void solve_single_deletions(DeletionStudy& study, std::vector<DeletionEntry>& entries) {
  for (size_t k = 1; k < entries.size(); ++k) {
    study.apply_deletion({&entries[k]});
    study.solve(entries[k].status, entries[k].growth);
  }
}

bool is_lethal_alone(const DeletionEntry& entry) {
  return !(static_cast<double>(entry.growth) > kLethalGrowth) || entry.status != kIstatOptimal;
}

void sort_by_growth(std::vector<DeletionResult>& results) {
  std::stable_sort(
      results.begin(), results.end(),
      [](const DeletionResult& a, const DeletionResult& b) { return a.growth < b.growth; });
}

DeletionCounts classify(const std::vector<DeletionResult>& results, float max_growth) {
  const double limit = 0.95 * static_cast<double>(max_growth);
  DeletionCounts counts;
  for (const DeletionResult& r : results) {
    const double g = r.growth;
    if (g < kLethalGrowth) ++counts.lethal;
    if (g > kLethalGrowth && g < limit) ++counts.retarding;
    if (g > limit) ++counts.redundant;
  }
  return counts;
}

void write_deletion_report(Workbench& wb, const std::string& file_name, float max_growth,
                           const std::vector<DeletionEntry>& entries,
                           const std::vector<DeletionResult>& results, const int* trivial_count,
                           int solves) {
  const DeletionCounts counts = classify(results, max_growth);
  wb.last_deletion = {max_growth,
                      static_cast<int>(results.size()),
                      counts.lethal,
                      trivial_count != nullptr ? *trivial_count : 0,
                      counts.retarding,
                      counts.redundant,
                      solves};
  FilePtr out = open_with_retry(wb, file_name, OpenMode::kWrite);
  if (!out) return;
  std::FILE* f = out.get();
  std::fprintf(f, "Max_Growth= %f\n", static_cast<double>(max_growth));
  for (const DeletionResult& r : results) {
    for (int k = 0; k < r.size; ++k) {
      if (k > 0) std::fprintf(f, " $ ");
      for (const std::string& name : entries[r.members[k]].names) {
        std::fprintf(f, "%s,", name.c_str());
      }
    }
    std::fprintf(f, r.size > 1 ? " $ %f" : " %f", static_cast<double>(r.growth));
    std::fprintf(f, " (istat = %i)\n", r.status);
  }
  std::fprintf(f, "num_of_reactions_considered= %i\n", static_cast<int>(results.size()));
  std::fprintf(f, "num_of_lethal_reactions= %i\n", counts.lethal);
  if (trivial_count != nullptr) std::fprintf(f, "           Trivial_ones= %i\n", *trivial_count);
  std::fprintf(f, "num_of_retarding_reactions= %i\n", counts.retarding);
  std::fprintf(f, "num_of_redundant_reactions= %i\n", counts.redundant);
  finish_writing(wb, std::move(out), file_name);
}

}  // namespace vemo
